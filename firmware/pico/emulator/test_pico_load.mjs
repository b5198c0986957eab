// The Pico probe's firmware under a fully loaded 1 MHz bus: a host that reads at full speed
// gets every character; a host that stops reading for longer than the ring holds gets the
// driven text with only whole transactions, or the rest of one, replaced by "!".
//   WIRELARK_PICO_UF2=build/.../wirelark-probe-pico.uf2 node --test test_pico_load.mjs
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { I2CBus, minimumTiming } from './i2c_bus.mjs';
import { PicoBoard } from './pico_board.mjs';
import { fullyLoaded } from './traffic.mjs';

const uf2 = process.env.WIRELARK_PICO_UF2;
assert.ok(uf2, 'WIRELARK_PICO_UF2 names the firmware image');

test('a host that reads at full speed gets a second of a fully loaded 1 MHz bus exactly', () => {
  const board = PicoBoard.opened(uf2);
  const bus = new I2CBus(board, minimumTiming(1000000));
  bus.wait(50);
  const begin = board.nanos;
  const { driven } = fullyLoaded(bus, 3, 1e9);
  const seconds = (board.nanos - begin) / 1e9;
  assert.ok(driven.length / seconds > 330000, `a fully loaded bus: ${Math.round(driven.length / seconds)} characters a second`);
  bus.drain();
  const text = board.host.takeText();
  assert.equal(text.length, driven.length);
  assert.ok(text === driven, 'the text is the driven text');
});

test('a host that stops reading for a second loses whole transactions behind "!", nothing else', () => {
  const board = PicoBoard.opened(uf2);
  const bus = new I2CBus(board, minimumTiming(1000000));
  bus.wait(50);
  board.host.readingFrom = board.nanos + 1e9;
  const { driven, starts } = fullyLoaded(bus, 4, 1.2e9);
  bus.drain();
  const text = board.host.takeText();

  const pieces = assertDropsWholeTransactions(text, driven, starts);
  assert.ok(pieces[0].length > 100000, `the ring held ${pieces[0].length} characters before it ran full`);
});

test('a CPU held up longer than the event ring lasts loses whole transactions behind "!", nothing else', () => {
  const board = PicoBoard.opened(uf2);
  const bus = new I2CBus(board, minimumTiming(1000000));
  bus.wait(50);
  // 30 ms without the CPU, as no working firmware ever is: the DMA goes round the 8 ms ring.
  board.cpuHeldUntil = board.nanos + 30e6;
  const { driven, starts } = fullyLoaded(bus, 6, 60e6);
  bus.drain();
  assertDropsWholeTransactions(board.host.takeText(), driven, starts);
});

// The text is the driven text with stretches replaced by "!": each from an event boundary to
// a START or repeated START of a transaction (or to the end). Returns the pieces between.
function assertDropsWholeTransactions(text, driven, starts) {
  const pieces = text.split('!');
  assert.ok(pieces.length > 1, 'a "!" marks the loss');
  assert.equal(pieces[0], driven.slice(0, pieces[0].length), 'what came before the loss is as driven');
  assert.ok(/[srpan]$/.test(pieces[0]) || pieces[0] === '', 'the "!" stands between two bus events');
  let at = pieces[0].length;
  for (const piece of pieces.slice(1)) {
    // Sending resumes at a START (or a repeated START) of a transaction, never in a byte.
    const from = driven.indexOf(piece, at);
    assert.ok(from >= at, `the text after a "!" is driven text: ${piece.slice(0, 30)}`);
    assert.ok(starts.has(from) || driven[from] === 'r', `the text after a "!" begins at a START: ${piece.slice(0, 30)}`);
    at = from + piece.length;
  }
  assert.equal(at, driven.length, 'the text runs to the end of the driven text');
  return pieces;
}
