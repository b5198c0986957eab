#include "firmware/emulator/probe_emulator.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdarg>
#include <stdexcept>

extern "C" {
#include <avr_ioport.h>
#include <avr_uart.h>
#include <sim_avr.h>
#include <sim_elf.h>
#include <sim_irq.h>
}

// Pins of the chip's port C: SCL on A5, SDA on A4.
constexpr int kSclPin = 5;
constexpr int kSdaPin = 4;

struct ProbeEmulator::Chip {
    avr_t* avr = nullptr;
    // The firmware's symbols, which the chip may refer to while it runs: freed after it.
    avr_symbol_t** symbols = nullptr;
    uint32_t symbolCount = 0;
    avr_irq_t* scl = nullptr;
    avr_irq_t* sda = nullptr;
    avr_uart_t* uart = nullptr;
};

struct ChipAccess {
    static void sent(avr_irq_t*, uint32_t value, void* param)
    {
        auto* emulator = static_cast<ProbeEmulator*>(param);
        emulator->m_sent.push_back(static_cast<char>(value));
        ++emulator->m_sentCount;
        emulator->m_lastSentCycle = emulator->m_chip->avr->cycle;
    }
};

namespace {

// simavr tells what it loads on standard output, which is the pseudo-terminal's path here.
void quiet(avr_t*, const int, const char*, va_list) {}

// PCIFR, the pin-change interrupt flags (I/O 0x1B): the chip clears a flag written with a
// one; simavr 1.6 keeps what is written, so a written one would set it.
constexpr avr_io_addr_t kPcifr = 0x1B + 0x20;
void clearWrittenFlags(avr_t* avr, avr_io_addr_t address, uint8_t value, void*)
{
    avr->data[address] &= uint8_t(~value);
}

}  // namespace

ProbeEmulator::ProbeEmulator(const std::string& firmware) : m_chip(std::make_unique<Chip>())
{
    avr_global_logger_set(&quiet);
    elf_firmware_t elf{};
    if (elf_read_firmware(firmware.c_str(), &elf) != 0)
        throw std::runtime_error(firmware + ": cannot be read as the firmware's ELF file");
    m_chip->avr = avr_make_mcu_by_name("atmega328p");
    if (m_chip->avr == nullptr)
        throw std::runtime_error("simavr knows no atmega328p");
    avr_t* avr = m_chip->avr;
    avr->log = LOG_NONE;
    avr_init(avr);
    avr->frequency = kFrequency;
    avr_load_firmware(avr, &elf);
    avr->frequency = kFrequency;
    // The chip keeps copies of the sections it loaded; the symbols it keeps as they are.
    free(elf.flash);
    free(elf.eeprom);
    free(elf.fuse);
    free(elf.lockbits);
    m_chip->symbols = elf.symbol;
    m_chip->symbolCount = elf.symbolcount;

    avr_register_io_write(avr, kPcifr, &clearWrittenFlags, nullptr);

    m_chip->scl = avr_io_getirq(avr, AVR_IOCTL_IOPORT_GETIRQ('C'), kSclPin);
    m_chip->sda = avr_io_getirq(avr, AVR_IOCTL_IOPORT_GETIRQ('C'), kSdaPin);
    // The bus idles high: its pull-ups hold both lines up.
    avr_raise_irq(m_chip->scl, 1);
    avr_raise_irq(m_chip->sda, 1);

    // simavr's UART sleeps on every look at its status and echoes to the console unless
    // told not to; with those the emulation crawls.
    uint32_t flags = 0;
    avr_ioctl(avr, AVR_IOCTL_UART_GET_FLAGS('0'), &flags);
    flags &= ~uint32_t(AVR_UART_FLAG_POLL_SLEEP | AVR_UART_FLAG_STDIO);
    avr_ioctl(avr, AVR_IOCTL_UART_SET_FLAGS('0'), &flags);
    avr_irq_register_notify(avr_io_getirq(avr, AVR_IOCTL_UART_GETIRQ('0'), UART_IRQ_OUTPUT),
                            &ChipAccess::sent, this);
    for (avr_io_t* io = avr->io_port; io != nullptr; io = io->next) {
        if (io->kind != nullptr && std::string(io->kind) == "uart" &&
            reinterpret_cast<avr_uart_t*>(io)->name == '0')
            m_chip->uart = reinterpret_cast<avr_uart_t*>(io);
    }
}

ProbeEmulator::~ProbeEmulator()
{
    if (m_chip->avr != nullptr) {
        avr_terminate(m_chip->avr);
        free(m_chip->avr);
    }
    for (uint32_t i = 0; i < m_chip->symbolCount; ++i)
        free(m_chip->symbols[i]);
    free(m_chip->symbols);
}

std::uint64_t ProbeEmulator::cycle() const
{
    return m_chip->avr->cycle;
}

void ProbeEmulator::runUntil(std::uint64_t cycle)
{
    avr_t* avr = m_chip->avr;
    avr_uart_t* uart = m_chip->uart;
    while (avr->cycle < cycle) {
        const int state = avr_run(avr);
        if (state == cpu_Done || state == cpu_Crashed)
            throw std::runtime_error("the firmware stopped");
        // The firmware sets the UART up once, at its start: then simavr's character time is
        // put right (it reckons 8N1 as 11 bits).
        if (uart != nullptr && uart->cycles_per_byte != 0 && uart->cycles_per_byte != kCyclesPerCharacter)
            uart->cycles_per_byte = kCyclesPerCharacter;
    }
}

void ProbeEmulator::setLines(bool scl, bool sda)
{
    if (scl != m_scl)
        avr_raise_irq(m_chip->scl, scl ? 1 : 0);
    if (sda != m_sda)
        avr_raise_irq(m_chip->sda, sda ? 1 : 0);
    m_scl = scl;
    m_sda = sda;
}

std::string ProbeEmulator::takeSent()
{
    std::string sent;
    std::swap(sent, m_sent);
    return sent;
}

BusTiming BusTiming::evenClock(double hertz)
{
    const double half = 1e6 / hertz / 2;
    BusTiming timing;
    timing.high = timing.low = half;
    timing.startHold = timing.startSetup = timing.stopSetup = timing.busFree = half;
    timing.dataHold = std::min(0.3, half / 4);
    return timing;
}

BusTiming BusTiming::minimumHigh(double hertz)
{
    const double period = 1e6 / hertz;
    const bool standardMode = hertz <= 100000;
    BusTiming timing;
    // The I2C standard's minimums (UM10204, table 10): tHIGH, tHD;STA, tSU;STA, tSU;STO, tBUF.
    timing.high = standardMode ? 4.0 : 0.6;
    timing.low = period - timing.high;
    timing.startHold = standardMode ? 4.0 : 0.6;
    timing.startSetup = standardMode ? 4.7 : 0.6;
    timing.stopSetup = standardMode ? 4.0 : 0.6;
    timing.busFree = standardMode ? 4.7 : 1.3;
    timing.dataHold = std::min(0.3, timing.low / 4);
    return timing;
}

BusDriver::BusDriver(ProbeEmulator& chip, const BusTiming& timing, std::uint32_t seed)
    : m_chip(chip), m_timing(timing), m_now(chip.cycle()), m_random(seed)
{
}

void BusDriver::at(double microseconds)
{
    std::uint64_t cycles = static_cast<std::uint64_t>(std::llround(microseconds * ProbeEmulator::kFrequency / 1e6));
    if (m_timing.jitter > 0) {
        const auto most = static_cast<std::uint64_t>(std::llround(m_timing.jitter * ProbeEmulator::kFrequency / 1e6));
        cycles += std::uniform_int_distribution<std::uint64_t>(0, most)(m_random);
    }
    m_now += cycles;
    m_chip.runUntil(m_now);
}

void BusDriver::lines(bool scl, bool sda)
{
    m_scl = scl;
    m_sda = sda;
    m_chip.setLines(scl, sda);
}

void BusDriver::wait(double microseconds)
{
    at(microseconds);
}

void BusDriver::drain(double microseconds)
{
    const std::uint64_t until = m_now + static_cast<std::uint64_t>(microseconds * ProbeEmulator::kFrequency / 1e6);
    // Ten characters' time without a new one: the ring is empty.
    std::uint64_t quietSince = m_now;
    std::uint64_t sent = m_chip.sentCount();
    while (m_now < until && m_now - quietSince < 10 * ProbeEmulator::kCyclesPerCharacter) {
        at(100);
        if (m_chip.sentCount() != sent) {
            sent = m_chip.sentCount();
            quietSince = m_now;
        }
    }
}

void BusDriver::joinMidTransaction()
{
    lines(false, m_sda);
}

// SDA set while SCL is low, then SCL rises: the first half of every clock, and of a repeated
// START or a STOP.
void BusDriver::clockRises(bool sda)
{
    at(m_timing.dataHold);
    lines(false, sda);
    at(m_timing.low - m_timing.dataHold);
    lines(true, sda);
}

// One clock: SCL high and low again with SDA as set.
void BusDriver::bit(bool value, bool answer)
{
    clockRises(value);
    at(m_timing.high);
    lines(false, value);
    if (answer && m_timing.stretch > 0)
        at(m_timing.stretch);  // the slave holds SCL low
}

void BusDriver::drive(const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == 's') {
            if (!m_scl)
                throw std::invalid_argument("s inside a transaction: a repeated START is r");
            lines(true, false);
            at(m_timing.startHold);
            lines(false, false);
        } else if (c == 'r') {
            clockRises(true);
            at(m_timing.startSetup);
            lines(true, false);
            at(m_timing.startHold);
            lines(false, false);
        } else if (c == 'p') {
            clockRises(false);
            at(m_timing.stopSetup);
            lines(true, true);
            at(m_timing.busFree);
        } else if (c == '~') {
            int count = 0;
            while (i + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[i + 1])))
                count = count * 10 + (text[++i] - '0');
            for (int n = 0; n < count; ++n)
                bit(true, false);
        } else if (std::isxdigit(static_cast<unsigned char>(c))) {
            if (i + 2 >= text.size() || !std::isxdigit(static_cast<unsigned char>(text[i + 1])) ||
                (text[i + 2] != 'a' && text[i + 2] != 'n'))
                throw std::invalid_argument("a byte is two hex digits and a or n: " + text.substr(i, 3));
            const int value = std::stoi(text.substr(i, 2), nullptr, 16);
            for (int b = 7; b >= 0; --b)
                bit((value >> b) & 1, false);
            bit(text[i + 2] == 'n', true);
            i += 2;
        } else {
            throw std::invalid_argument(std::string("not a character of the probe's text: ") + c);
        }
    }
}

std::string expectedProbeText(const std::string& driven)
{
    std::string expected;
    for (std::size_t i = 0; i < driven.size(); ++i) {
        if (driven[i] != '~') {
            expected += driven[i];
            continue;
        }
        while (i + 1 < driven.size() && std::isdigit(static_cast<unsigned char>(driven[i + 1])))
            ++i;
        expected += '?';
    }
    return expected;
}
