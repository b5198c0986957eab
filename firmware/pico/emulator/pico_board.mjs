// The Pico probe's firmware on an emulated RP2040 (rp2040js): its UF2 image in flash, the boot
// ROM in place, GP4 (SDA) and GP5 (SCL) driven by a test, and a USB host on its USB port that
// enumerates it as Linux and Windows do, opens the CDC port and reads what it sends.
//
// rp2040js runs the PIO on timers of its own, not in step with the CPU; here the CPU and every
// enabled state machine go in lockstep, one PIO step per CPU cycle, as on the chip.
import { readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { RP2040, Simulator } from 'rp2040js';

const here = (name) => fileURLToPath(new URL(name, import.meta.url));

export const SDA_PIN = 4;
export const SCL_PIN = 5;
const CYCLE_NANOS = 8; // 125 MHz, as the firmware sets the clocks
const FLASH_START = 0x10000000;

// UF2: 512-byte blocks, each with its flash address and up to 476 bytes of payload.
function loadUf2(rp2040, path) {
  const image = readFileSync(path);
  const view = new DataView(image.buffer, image.byteOffset, image.byteLength);
  for (let offset = 0; offset + 512 <= image.length; offset += 512) {
    if (view.getUint32(offset, true) !== 0x0a324655 || view.getUint32(offset + 4, true) !== 0x9e5d5157)
      throw new Error(`${path}: not a UF2 image`);
    const address = view.getUint32(offset + 12, true);
    const size = view.getUint32(offset + 16, true);
    rp2040.flash.set(image.subarray(offset + 32, offset + 32 + size), address - FLASH_START);
  }
}

function loadBootrom(rp2040) {
  const rom = readFileSync(here('../../../third_party/pico-bootrom/bootrom-b1.bin'));
  rp2040.loadBootrom(new Uint32Array(rom.buffer, rom.byteOffset, rom.byteLength / 4));
}

// USB requests as a host makes them.
function setup(requestType, request, value, index, length) {
  return new Uint8Array([requestType, request, value & 0xff, value >> 8, index & 0xff, index >> 8,
    length & 0xff, length >> 8]);
}
const GET_DESCRIPTOR = (type, index, length, language = 0) => setup(0x80, 6, (type << 8) | index, language, length);
const SET_ADDRESS = (address) => setup(0x00, 5, address, 0, 0);
const SET_CONFIGURATION = (value) => setup(0x00, 9, value, 0, 0);
const SET_LINE_CODING = setup(0x21, 0x20, 0, 0, 7);
const GET_LINE_CODING = setup(0xa1, 0x21, 0, 0, 7);
const SET_CONTROL_LINE_STATE = (dtr, rts) => setup(0x21, 0x22, (dtr ? 1 : 0) | (rts ? 2 : 0), 0, 0);

const AVAILABLE = 0x400; // a buffer control register's "available" bit
const EP_IN_BUFFER_CONTROL = (endpoint) => 0x80 + endpoint * 8;

// A host on the board's USB port. It enumerates the device (device descriptor first with 64
// bytes, then the address, the descriptors, the strings, the configuration), and opens and
// closes the CDC port as a terminal program does: line coding, then DTR and RTS. What the
// device sends on the CDC's bulk IN endpoint is its text.
class UsbHost {
  constructor(board) {
    this.board = board;
    this.usb = board.rp2040.usbCtrl;
    this.queue = [];
    this.current = null;
    this.descriptors = {};
    this.text = [];
    this.textLength = 0;
    this.enumerated = false;
    this.bulkIn = -1;
    this.held = []; // IN packets the host has not taken yet
    this.readingFrom = 0; // the host takes packets from this time on (nanos); Infinity: never
    this.nextRead = 0;
    this.packetNanos = 64000; // 64-byte packets at about 1 MB/s, full speed's bulk rate

    const usb = this.usb;
    usb.onUSBEnabled = () => usb.resetDevice();
    usb.onResetReceived = () => this.enumerate();
    usb.onEndpointWrite = (endpoint, buffer) => this.deviceSent(endpoint, buffer);
    usb.onEndpointRead = (endpoint, length) => this.deviceReceives(endpoint, length);
    const update = usb.DPRAMUpdated.bind(usb);
    // rp2040js hands the host a double-buffered IN transfer's second packet before its first:
    // put them back in order.
    const process = (offset, value) => {
      update(offset, value);
      if (offset >= 0x80 && offset < 0x100 && !(offset & 4) && value & AVAILABLE && (value >>> 16) & AVAILABLE) {
        const buffers = usb.endpointWriteAlarms[(offset - 0x80) >> 3].buffers;
        if (buffers.length >= 2) buffers.push(...buffers.splice(-2, 2).reverse());
      }
    };
    this.process = process;
    usb.DPRAMUpdated = (offset, value) => {
      if (this.bulkIn > 0 && offset === EP_IN_BUFFER_CONTROL(this.bulkIn) && value & AVAILABLE) {
        this.held.push([offset, value]);
        return;
      }
      process(offset, value);
    };
  }

  enumerate() {
    const steps = [
      [GET_DESCRIPTOR(1, 0, 64), (data) => { this.descriptors.device = data; }],
      [SET_ADDRESS(7)],
      [GET_DESCRIPTOR(1, 0, 18), (data) => { this.descriptors.device = data; }],
      [GET_DESCRIPTOR(2, 0, 9), (data) => {
        const total = data[2] | (data[3] << 8);
        this.queue.unshift([GET_DESCRIPTOR(2, 0, total), (all) => this.configurationRead(all)]);
      }],
      [GET_DESCRIPTOR(3, 0, 255), (data) => { this.descriptors.languages = data; }],
    ];
    this.queue.push(...steps, [null, () => this.readStrings()]);
  }

  configurationRead(data) {
    this.descriptors.configuration = data;
    for (let i = 0; i + 1 < data.length && data[i] >= 2; i += data[i]) {
      // Endpoint descriptors: a bulk IN endpoint is the CDC's data to the host.
      if (data[i + 1] === 5 && (data[i + 3] & 3) === 2 && data[i + 2] & 0x80)
        this.bulkIn = data[i + 2] & 0x0f;
    }
  }

  readStrings() {
    const device = this.descriptors.device;
    const names = { manufacturer: device[14], product: device[15], serial: device[16] };
    for (const [name, index] of Object.entries(names)) {
      if (!index) continue;
      this.queue.unshift([GET_DESCRIPTOR(3, index, 255, 0x0409), (data) => {
        this.descriptors[name] = String.fromCharCode(...new Uint16Array(data.slice(2).buffer));
      }]);
    }
    this.queue.push([SET_CONFIGURATION(1), () => { this.enumerated = true; }]);
  }

  // Opens the port: 115200 8N1 (which the probe takes and ignores), then DTR and RTS up.
  open(lineCoding = [0x00, 0xc2, 0x01, 0x00, 0, 0, 8]) {
    this.queue.push([SET_LINE_CODING, null, new Uint8Array(lineCoding)]);
    this.queue.push([GET_LINE_CODING, (data) => { this.lineCoding = data; }]);
    this.queue.push([SET_CONTROL_LINE_STATE(true, true), () => { this.openedAt = this.board.nanos; }]);
  }

  close() {
    this.queue.push([SET_CONTROL_LINE_STATE(false, false), () => { this.closedAt = this.board.nanos; }]);
  }

  // Called as time goes on: the next request when none is under way, and the packets the host
  // takes at its pace.
  service(nanos) {
    while (!this.current && this.queue.length) {
      const [packet, done, dataOut] = this.queue.shift();
      if (!packet) {
        done();
        continue;
      }
      this.current = { packet, done, dataOut, received: [], length: packet[6] | (packet[7] << 8),
        statusAsked: false, dataComplete: false };
      this.usb.sendSetupPacket(packet);
    }
    while (this.held.length && nanos >= this.readingFrom && nanos >= this.nextRead) {
      const [offset, value] = this.held.shift();
      this.process(offset, value);
      this.nextRead = Math.max(nanos, this.nextRead) + this.packetNanos;
    }
  }

  get idle() {
    return !this.current && this.queue.length === 0;
  }

  finish() {
    const { done, received } = this.current;
    this.current = null;
    if (done) done(new Uint8Array(received));
  }

  deviceSent(endpoint, buffer) {
    if (endpoint === this.bulkIn) {
      this.text.push(Buffer.from(buffer));
      this.textLength += buffer.length;
      return;
    }
    if (endpoint !== 0 || !this.current) return;
    const request = this.current;
    if (request.packet[0] & 0x80) {
      // The data stage of a request that reads: complete with a short packet or all asked.
      request.received.push(...buffer);
      if (buffer.length < 64 || request.received.length >= request.length) {
        request.dataComplete = true;
        if (request.statusAsked) {
          this.usb.endpointReadDone(0, new Uint8Array(0));
          this.finish();
        }
      }
    } else if (buffer.length === 0) {
      this.finish(); // the status stage of a request that writes
    }
  }

  deviceReceives(endpoint, length) {
    if (endpoint !== 0 || !this.current) return; // the CDC's OUT endpoint: the host sends nothing
    const request = this.current;
    if (request.packet[0] & 0x80) {
      // The status stage; the device may arm it before the host has all the data.
      if (request.dataComplete) {
        this.usb.endpointReadDone(0, new Uint8Array(0));
        this.finish();
      } else {
        request.statusAsked = true;
      }
    } else if (request.dataOut) {
      const data = request.dataOut;
      request.dataOut = null;
      this.usb.endpointReadDone(0, data.subarray(0, length));
    }
  }

  takeText() {
    const text = Buffer.concat(this.text).toString('latin1');
    this.text = [];
    return text;
  }
}

export class PicoBoard {
  constructor(uf2) {
    const simulator = new Simulator();
    this.clock = simulator.clock;
    this.rp2040 = simulator.rp2040;
    this.rp2040.logger = { debug() {}, info() {}, warn() {}, error() {} };
    loadBootrom(this.rp2040);
    loadUf2(this.rp2040, uf2);
    for (const pio of this.rp2040.pio) pio.run = () => {}; // stepped here, with the CPU
    // The PIO reads all 30 inputs on every look; the bus is on two of them.
    const gpio = this.rp2040.gpio;
    Object.defineProperty(this.rp2040, 'gpioValues', {
      get: () => (gpio[SDA_PIN].inputValue ? 1 << SDA_PIN : 0) | (gpio[SCL_PIN].inputValue ? 1 << SCL_PIN : 0),
    });
    this.setLines(true, true);
    this.host = new UsbHost(this);
    this.rp2040.core.PC = FLASH_START;
    this.cycles = 0;
    this.sampler = null; // called with the CPU's PC about every 256 cycles, for the benchmark
    this.cpuHeldUntil = 0; // the CPU does nothing until then, while PIO, DMA and USB go on
  }

  get nanos() {
    return this.clock.nanos;
  }

  setLines(scl, sda) {
    this.rp2040.gpio[SCL_PIN].setInputValue(scl);
    this.rp2040.gpio[SDA_PIN].setInputValue(sda);
  }

  // Runs the chip until the given time.
  runUntil(nanos) {
    const { core } = this.rp2040;
    const clock = this.clock;
    const machines = [];
    for (const pio of this.rp2040.pio)
      for (const machine of pio.machines) if (machine.enabled) machines.push(machine);
    this.host.service(clock.nanos);
    let serviceAt = clock.nanos + 20000;
    const { sampler } = this;
    while (clock.nanos < nanos) {
      if (sampler && (this.cycles & 0xff) < 3) sampler(core.PC);
      const cycles = core.waiting || clock.nanos < this.cpuHeldUntil ? 1 : core.executeInstruction();
      clock.tick(cycles * CYCLE_NANOS);
      this.cycles += cycles;
      for (let c = 0; c < cycles; ++c) for (const machine of machines) machine.step();
      if (clock.nanos >= serviceAt) {
        this.host.service(clock.nanos);
        serviceAt = clock.nanos + 20000;
        if (machines.length === 0)
          for (const pio of this.rp2040.pio)
            for (const machine of pio.machines) if (machine.enabled) machines.push(machine);
      }
    }
    this.host.service(clock.nanos);
  }

  // Runs until the host has done all it was asked (enumeration, opening the port), at most
  // this long.
  runUntilHostIdle(limitNanos = 200e6) {
    const end = this.nanos + limitNanos;
    while (this.nanos < end) {
      this.runUntil(this.nanos + 100000);
      if (this.host.idle && this.host.enumerated) return true;
    }
    return false;
  }

  // A board booted, enumerated and with its port open.
  static opened(uf2) {
    const board = new PicoBoard(uf2);
    board.plugInAndOpen();
    return board;
  }

  // Boots, enumerates and opens the CDC port, as plugging the probe in and opening it does.
  plugInAndOpen() {
    this.runUntil(this.nanos + 1e6);
    if (!this.runUntilHostIdle()) throw new Error('the probe did not enumerate');
    this.host.open();
    if (!this.runUntilHostIdle()) throw new Error('the probe did not take the port settings');
  }
}
