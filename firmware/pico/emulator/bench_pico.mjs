// The Pico probe's figures, measured on the emulated RP2040: the highest bus clock it follows
// exactly, what its CPU spends per bus event, how long its ring holds a saturated bus when the
// host takes nothing, and its flash and RAM.
//   node bench_pico.mjs UF2 ELF
import { execFileSync } from 'node:child_process';
import { I2CBus, evenClock, minimumTiming } from './i2c_bus.mjs';
import { PicoBoard } from './pico_board.mjs';
import { fullyLoaded } from './traffic.mjs';

const [uf2, elf] = process.argv.slice(2);
if (!uf2 || !elf) {
  process.stderr.write('usage: node bench_pico.mjs UF2 ELF\n');
  process.exit(2);
}
const RING_SIZE = 131072;

function exactAt(timing) {
  const board = PicoBoard.opened(uf2);
  const bus = new I2CBus(board, timing);
  bus.wait(50);
  // Longer than the event ring lasts (8 ms at 1 MHz), so that the CPU must keep up.
  const { driven } = fullyLoaded(bus, 7, 30e6);
  bus.drain();
  return board.host.takeText() === driven;
}

console.log('The Pico probe\'s firmware on the emulated RP2040 at 125 MHz (rp2040js, CPU and PIO in lockstep)');
for (const hertz of [100000, 400000, 1000000])
  console.log(`  ${hertz / 1000} kHz at the I2C standard's shortest times: ${exactAt(minimumTiming(hertz)) ? 'exact' : 'NOT exact'}`);
let highest = 0;
for (let hertz = 1000000; hertz <= 6000000; hertz += 250000) {
  if (!exactAt(evenClock(hertz))) break;
  highest = hertz;
}
console.log(`  highest bus clock decoded exactly with a 50 % clock: ${highest / 1e6} MHz (tried up to 6 MHz)`);

// The CPU's share of a fully loaded 1 MHz bus: its PC sampled, the time in take_events (the
// events turned into text) against the events the bus made.
const symbols = execFileSync('arm-none-eabi-nm', ['-S', elf], { encoding: 'latin1' });
const line = symbols.split('\n').find((entry) => / take_events$/.test(entry));
if (line) {
  const [address, size] = line.split(' ').map((field) => parseInt(field, 16));
  const board = PicoBoard.opened(uf2);
  const bus = new I2CBus(board, minimumTiming(1000000));
  let inside = 0;
  let samples = 0;
  board.sampler = (pc) => {
    ++samples;
    if (pc >= (address & ~1) && pc < (address & ~1) + size) ++inside;
  };
  const cyclesBefore = board.cycles;
  const { driven } = fullyLoaded(bus, 3, 100e6);
  board.sampler = null;
  const cycles = board.cycles - cyclesBefore;
  // Each byte is nine clocks: one event each, and a START, a repeated START or a STOP now and then.
  const events = (driven.length / 3) * 9 + (driven.match(/[srp]/g) ?? []).length;
  const perEvent = ((inside / samples) * cycles) / events;
  console.log(`  a fully loaded 1 MHz bus: ${Math.round(events / 0.1)} events a second; the CPU turns each into text ` +
    `in about ${perEvent.toFixed(0)} cycles (${((inside / samples) * 100).toFixed(1)} % of its time), so it keeps up ` +
    `with about ${Math.round(125e6 / perEvent / 1e6)} million events a second`);
}

for (const hertz of [400000, 1000000]) {
  const board = PicoBoard.opened(uf2);
  const bus = new I2CBus(board, minimumTiming(hertz));
  const { perSecond } = fullyLoaded(bus, 11, 20e6);
  console.log(`  a saturated ${hertz / 1000} kHz bus makes ${Math.round(perSecond)} characters a second; the ring ` +
    `(${RING_SIZE / 1024} KiB) holds ${(RING_SIZE / perSecond * 1000).toFixed(0)} ms of it when the host takes nothing`);
}

const size = execFileSync('arm-none-eabi-size', ['-A', elf], { encoding: 'latin1' });
const sections = Object.fromEntries(size.split('\n').map((entry) => entry.trim().split(/\s+/)).filter((f) => f.length >= 3)
  .map(([name, bytes]) => [name, Number(bytes)]));
const flash = ['.boot2', '.flashtext', '.rodata', '.binary_info', '.text', '.data']
  .reduce((sum, name) => sum + (sections[name] ?? 0), 0);
const ram = ['.ram_vector_table', '.text', '.data', '.bss', '.heap', '.stack_dummy']
  .reduce((sum, name) => sum + (sections[name] ?? 0), 0);
console.log(`  flash: ${flash} bytes of the Pico's 2 MiB; RAM: ${ram} bytes of 264 KiB: the program, copied there at ` +
  `start, the event ring (32 KiB), the text ring (${RING_SIZE / 1024} KiB), heap and stack`);
