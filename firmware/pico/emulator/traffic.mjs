// Bus traffic for the tests, in the probe's text: the kinds of transactions the simulated
// probe makes (an LM75 temperature sensor at 0x48, a 24C02 EEPROM at 0x50 that NACKs while
// it writes, a DS1307 clock at 0x68), with longer reads and writes so that every byte value
// and length up to 64 comes by. The same seed gives the same traffic.
const hex = (value) => (value & 0xff).toString(16).toUpperCase().padStart(2, '0');
const sent = (value, ack = true) => hex(value) + (ack ? 'a' : 'n');

export class Traffic {
  constructor(seed) {
    this.state = seed >>> 0 || 1;
  }

  below(limit) {
    // xorshift32: small and the same everywhere
    let x = this.state;
    x ^= x << 13;
    x ^= x >>> 17;
    x ^= x << 5;
    this.state = x >>> 0;
    return this.state % limit;
  }

  bytes(count, lastNacked) {
    let text = '';
    for (let i = 0; i < count; ++i) text += sent(this.below(256), !(lastNacked && i === count - 1));
    return text;
  }

  nextTransaction() {
    switch (this.below(8)) {
      case 0:
      case 1:
        return `s${sent(0x90)}${sent(0x00)}r${sent(0x91)}${this.bytes(2, true)}p`;
      case 2:
        return this.below(3) === 0 ? `s${sent(0xa0, false)}p` : `s${sent(0xa0)}${this.bytes(1 + this.below(8), false)}p`;
      case 3:
        return `s${sent(0xa0)}${sent(this.below(256))}r${sent(0xa1)}${this.bytes(1 + this.below(64), true)}p`;
      case 4:
        return `s${sent(0xd0)}${sent(0x00)}r${sent(0xd1)}${this.bytes(7, true)}p`;
      case 5:
        return `s${sent(0x00)}${sent(0x06)}p`; // general call: reset
      default:
        return `s${sent(this.below(128) * 2)}${this.bytes(1 + this.below(16), false)}p`;
    }
  }
}

// Transactions back to back on the bus for this long: the text driven, where each transaction
// begins in it, and the characters a second.
export function fullyLoaded(bus, seed, nanos) {
  const traffic = new Traffic(seed);
  const starts = new Set();
  let driven = '';
  const begin = bus.board.nanos;
  while (bus.board.nanos - begin < nanos) {
    const transaction = traffic.nextTransaction();
    starts.add(driven.length);
    driven += transaction;
    bus.drive(transaction);
  }
  return { driven, starts, perSecond: driven.length / ((bus.board.nanos - begin) / 1e9) };
}
