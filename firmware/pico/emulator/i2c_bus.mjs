// Drives the emulated board's pins from transaction text in the probe's own grammar, as a
// master and its slaves would: s START, r repeated START, two hex digits and a or n for a byte
// and its answer, p STOP. For tests, ~N clocks N bits of a byte that a START or STOP then
// cuts short (the probe says ? there).

// Timings in microseconds: a master that clocks SCL high and low for these times and holds
// the conditions as long; a slave may stretch the clock after each answer.
export function evenClock(hertz) {
  const half = 1e6 / hertz / 2;
  return { high: half, low: half, startHold: half, startSetup: half, stopSetup: half, busFree: half,
    dataHold: Math.min(0.3, half / 4), stretch: 0 };
}

// The I2C standard's shortest times (UM10204, tables 10 and 11): tHIGH, tHD;STA, tSU;STA,
// tSU;STO, tBUF for standard mode, fast mode and Fast-mode Plus, SCL low for the rest of the
// period, and data hold 0: SDA changes the moment SCL falls.
export function minimumTiming(hertz) {
  const period = 1e6 / hertz;
  const mode = hertz <= 100000 ? [4.0, 4.0, 4.7, 4.0, 4.7] : hertz <= 400000 ? [0.6, 0.6, 0.6, 0.6, 1.3]
    : [0.26, 0.26, 0.26, 0.26, 0.5];
  const [high, startHold, startSetup, stopSetup, busFree] = mode;
  return { high, low: period - high, startHold, startSetup, stopSetup, busFree, dataHold: 0, stretch: 0 };
}

export class I2CBus {
  constructor(board, timing) {
    this.board = board;
    this.timing = timing;
    this.now = board.nanos;
    this.scl = true;
    this.sda = true;
  }

  at(microseconds) {
    this.now += Math.round(microseconds * 1000);
    this.board.runUntil(this.now);
  }

  lines(scl, sda) {
    this.scl = scl;
    this.sda = sda;
    this.board.setLines(scl, sda);
  }

  wait(microseconds) {
    this.at(microseconds);
  }

  // The bus rests until the probe has sent all it holds: the host got nothing new for 2 ms
  // and holds back no packet.
  drain() {
    const { host } = this.board;
    let length = -1;
    while (host.textLength !== length || host.held.length) {
      length = host.textLength;
      this.wait(2000);
    }
  }

  // SDA set while SCL is low, then SCL rises: the first half of every clock, and of a
  // repeated START or a STOP.
  clockRises(sda) {
    this.at(this.timing.dataHold);
    this.lines(false, sda);
    this.at(this.timing.low - this.timing.dataHold);
    this.lines(true, sda);
  }

  bit(value, answer) {
    this.clockRises(value);
    this.at(this.timing.high);
    this.lines(false, value);
    if (answer && this.timing.stretch > 0) this.at(this.timing.stretch); // the slave holds SCL low
  }

  drive(text) {
    const t = this.timing;
    for (let i = 0; i < text.length; ++i) {
      const c = text[i];
      if (c === 's') {
        if (!this.scl) throw new Error('s inside a transaction: a repeated START is r');
        this.lines(true, false);
        this.at(t.startHold);
        this.lines(false, false);
      } else if (c === 'r') {
        this.clockRises(true);
        this.at(t.startSetup);
        this.lines(true, false);
        this.at(t.startHold);
        this.lines(false, false);
      } else if (c === 'p') {
        this.clockRises(false);
        this.at(t.stopSetup);
        this.lines(true, true);
        this.at(t.busFree);
      } else if (c === '~') {
        let count = 0;
        while (/[0-9]/.test(text[i + 1] ?? '')) count = count * 10 + Number(text[++i]);
        for (let n = 0; n < count; ++n) this.bit(true, false);
      } else if (/[0-9A-F]/.test(c)) {
        const answer = text[i + 2];
        if (!/[0-9A-F]/.test(text[i + 1] ?? '') || (answer !== 'a' && answer !== 'n'))
          throw new Error(`a byte is two hex digits and a or n: ${text.slice(i, i + 3)}`);
        const value = parseInt(text.slice(i, i + 2), 16);
        for (let b = 7; b >= 0; --b) this.bit((value >> b) & 1, false);
        this.bit(answer === 'n', true);
        i += 2;
      } else {
        throw new Error(`not a character of the probe's text: ${c}`);
      }
    }
  }
}

// The text the probe should send for a driven text: the test-only ~N marks become ?.
export function expectedProbeText(driven) {
  return driven.replace(/~[0-9]+/g, '?');
}
