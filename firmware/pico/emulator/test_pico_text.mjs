// The Pico probe's firmware on the emulated RP2040: what it tells the USB host, and that the
// text it sends is the text driven at its pins, at each clock and timing, edge cases
// included, from the first START after the host opened the port.
//   WIRELARK_PICO_UF2=build/.../wirelark-probe-pico.uf2 node --test test_pico_text.mjs
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { I2CBus, evenClock, expectedProbeText, minimumTiming } from './i2c_bus.mjs';
import { PicoBoard } from './pico_board.mjs';
import { Traffic } from './traffic.mjs';

const uf2 = process.env.WIRELARK_PICO_UF2;
assert.ok(uf2, 'WIRELARK_PICO_UF2 names the firmware image');

test('enumerates as a CDC serial port named as Wirelark\'s probe, and takes any line settings', () => {
  const board = new PicoBoard(uf2);
  board.runUntil(1e6);
  assert.ok(board.runUntilHostIdle(), 'enumeration ends');
  const { device, manufacturer, product, serial } = board.host.descriptors;
  assert.equal(device[8] | (device[9] << 8), 0x2e8a);
  assert.equal(device[10] | (device[11] << 8), 0x000a);
  assert.equal(manufacturer, 'Wirelark');
  assert.equal(product, 'Wirelark I2C probe');
  assert.match(serial, /^[0-9A-F]{16}$/); // the flash's unique ID (zeros in the emulator)
  // 9600 7E2 taken as asked, and nothing changes: the text comes as at 115200 8N1.
  board.host.open([0x80, 0x25, 0x00, 0x00, 2, 2, 7]);
  assert.ok(board.runUntilHostIdle());
  assert.deepEqual([...board.host.lineCoding], [0x80, 0x25, 0x00, 0x00, 2, 2, 7]);
  const bus = new I2CBus(board, minimumTiming(1000000));
  bus.wait(50);
  bus.drive('s90a00ar91a19a80np');
  bus.drain();
  assert.equal(board.host.takeText(), 's90a00ar91a19a80np');
});

const longRead = `sA0a00arA1a${Array.from({ length: 63 }, (_, i) => ((i * 37) & 0xff).toString(16).toUpperCase().padStart(2, '0') + 'a').join('')}FFnp`;
const edgeCases = [
  ['address NACKed', 'sA0np'],
  ['repeated START', 's90a00ar91a19a80np'],
  ['STOP right after START', 'sps90a00ap'],
  ['64-byte read', longRead],
  ['0x00 and 0xFF', 's00a00aFFa00aFFnpsFFnp'],
  ['general call', 's00a06ap'],
  // A START or STOP after 1 to 7 bits of a byte: "?". After all 8, the clock that sets up the
  // condition is the byte's ninth: a repeated START's (SDA high) reads as a NACK, a STOP's
  // (SDA low) as an ACK, as a master that sent the whole byte would have it.
  ...[1, 2, 3, 4, 5, 6, 7].flatMap((bits) => [
    [`START after ${bits} bits`, `sA0a00a~${bits}rA1a55np`],
    [`STOP after ${bits} bits`, `sA0a~${bits}psA0np`],
  ]),
  ['START after 8 bits', 'sA0a00a~8rA1a55np', 'sA0a00aFFnrA1a55np'],
  ['STOP after 8 bits', 'sA0a~8psA0np', 'sA0aFFapsA0np'],
];

const timings = [
  ['100 kHz, 50 %', evenClock(100000)],
  ['100 kHz, the standard\'s shortest times', minimumTiming(100000)],
  ['400 kHz, 50 %', evenClock(400000)],
  ['400 kHz, the standard\'s shortest times', minimumTiming(400000)],
  ['1 MHz, 50 %', evenClock(1000000)],
  ['1 MHz, the standard\'s shortest times', minimumTiming(1000000)],
];

for (const [name, timing] of timings) {
  test(`edge cases come back as driven, ${name}`, () => {
    const board = PicoBoard.opened(uf2);
    const bus = new I2CBus(board, timing);
    bus.wait(50);
    for (const [what, driven, expected = expectedProbeText(driven)] of edgeCases) {
      bus.drive(driven);
      bus.drain();
      assert.equal(board.host.takeText(), expected, what);
    }
  });
}

const trafficTimings = [
  ...timings,
  ['400 kHz, shortest times, a slave stretching SCL 5 us after each answer', { ...minimumTiming(400000), stretch: 5 }],
  ['1 MHz, shortest times, a slave stretching SCL 2 us after each answer', { ...minimumTiming(1000000), stretch: 2 }],
];

for (const [name, timing] of trafficTimings) {
  test(`traffic comes back exactly, ${name}`, () => {
    const board = PicoBoard.opened(uf2);
    const bus = new I2CBus(board, timing);
    const traffic = new Traffic(17);
    bus.wait(50);
    let driven = '';
    while (driven.length < 2500) {
      const transaction = traffic.nextTransaction();
      bus.drive(transaction);
      driven += transaction;
    }
    bus.drain();
    assert.equal(board.host.takeText(), driven);
  });
}

// The text must be the driven text from the START of a transaction that began after the
// port was asked open (no backlog, no piece of one), and no later than the first one that
// began after the port was open.
function assertBeginsAtAStart(text, driven, starts, askedAt, openedAt) {
  const earliest = starts.find((start) => start.at >= askedAt);
  const latest = starts.find((start) => start.at >= openedAt);
  assert.ok(earliest && latest, 'transactions were driven after the port was opened');
  const from = driven.length - text.length;
  assert.equal(text, driven.slice(from), 'the text is the driven text from some point on');
  assert.ok(starts.some((start) => start.index === from), `the text begins at a START: ${text.slice(0, 20)}`);
  assert.ok(from >= earliest.index && from <= latest.index, 'it begins with the first transactions after the opening');
}

test('the host gets the bus from the first START after it opened the port, and no backlog', () => {
  const board = new PicoBoard(uf2);
  board.runUntil(1e6);
  assert.ok(board.runUntilHostIdle());
  const bus = new I2CBus(board, minimumTiming(1000000));
  const traffic = new Traffic(5);
  let driven = '';
  let starts = [];
  const driveTransactions = (count) => {
    for (let i = 0; i < count; ++i) {
      const transaction = traffic.nextTransaction();
      starts.push({ at: bus.now, index: driven.length });
      driven += transaction;
      bus.drive(transaction);
    }
  };
  // Traffic before the port is opened, and the port opened in the middle of a transaction.
  driveTransactions(20);
  const cut = traffic.nextTransaction();
  bus.drive(cut.slice(0, 7));
  driven = '';
  starts = [];
  const askedAt = bus.now;
  board.host.open();
  bus.drive(cut.slice(7));
  driveTransactions(40);
  bus.drain();
  assertBeginsAtAStart(board.host.takeText(), driven, starts, askedAt, board.host.openedAt);

  // Closed and opened again while traffic runs: again only what comes after.
  board.host.close();
  driveTransactions(20);
  assert.ok(board.host.closedAt > 0);
  driven = '';
  starts = [];
  const reopenedAt = bus.now;
  board.host.open();
  driveTransactions(40);
  bus.drain();
  assertBeginsAtAStart(board.host.takeText(), driven, starts, reopenedAt, board.host.openedAt);
});
