// The emulated Pico probe as a board on a USB port, for wirelark-probe-pico-emu: it reads
// commands from standard input, one a line, and writes what the board sends to the host on
// standard output as it comes, with a newline after each command done (the probe's text has
// none, so the newlines tell the caller how far the board got).
//   open            the host opens the port (DTR and RTS up)
//   close           the host closes it
//   s90a00ar91a...p a transaction to drive at the pins; the bus then rests so that it is busy
//                   the asked share of the time
//   node serve.mjs UF2 [--clock HZ] [--load SHARE]
import { createInterface } from 'node:readline';
import { parseArgs } from 'node:util';
import { I2CBus, evenClock } from './i2c_bus.mjs';
import { PicoBoard } from './pico_board.mjs';

const { values, positionals } = parseArgs({
  allowPositionals: true,
  options: { clock: { type: 'string', default: '400000' }, load: { type: 'string', default: '0.8' } },
});
const board = new PicoBoard(positionals[0]);
board.runUntil(1e6);
if (!board.runUntilHostIdle()) {
  process.stderr.write('the emulated Pico did not enumerate\n');
  process.exit(2);
}
const bus = new I2CBus(board, evenClock(Number(values.clock)));
const load = Math.min(1, Math.max(0.01, Number(values.load)));

function handOn(done) {
  const text = board.host.takeText();
  process.stdout.write(done ? `${text}\n` : text);
}

for await (const line of createInterface({ input: process.stdin })) {
  if (line === 'open' || line === 'close') {
    board.host[line]();
    while (!board.host.idle) bus.wait(100);
  } else if (line) {
    const begin = board.nanos;
    bus.drive(line);
    bus.wait(((board.nanos - begin) / 1000) * (1 / load - 1));
  }
  handOn(true);
}
// The input ended: what the board still holds goes out, then the line closes.
for (let length = -1; board.host.textLength !== length; bus.wait(2000)) {
  length = board.host.textLength;
  handOn(false);
}
handOn(false);
