#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>

// The probe's firmware on an emulated ATmega328P (simavr), its pins driven as an I2C bus
// drives them and its UART's output caught, each character at the cycle it was sent.
class ProbeEmulator {
public:
    static constexpr std::uint64_t kFrequency = 16000000;  // the board's crystal
    // One character of 8N1 at 117,647 baud: 10 bits of 8 x 17 cycles. simavr reckons 11 bits;
    // a real chip sends 10.
    static constexpr std::uint64_t kCyclesPerCharacter = 10 * 8 * 17;

    // Loads the firmware's ELF file; throws std::runtime_error when it cannot.
    explicit ProbeEmulator(const std::string& firmware);
    ~ProbeEmulator();
    ProbeEmulator(const ProbeEmulator&) = delete;
    ProbeEmulator& operator=(const ProbeEmulator&) = delete;

    std::uint64_t cycle() const;
    // Runs the chip until the given cycle.
    void runUntil(std::uint64_t cycle);
    // The bus lines as the chip's pins see them: true high (released), false low.
    void setLines(bool scl, bool sda);
    // What the UART sent since the last take.
    std::string takeSent();
    // Characters sent since the start.
    std::uint64_t sentCount() const { return m_sentCount; }
    // The cycle at which the last character was sent.
    std::uint64_t lastSentCycle() const { return m_lastSentCycle; }

private:
    struct Chip;
    std::unique_ptr<Chip> m_chip;
    std::string m_sent;
    std::uint64_t m_sentCount = 0;
    std::uint64_t m_lastSentCycle = 0;
    bool m_scl = true;
    bool m_sda = true;

    friend struct ChipAccess;
};

// Timings of the bus in microseconds: a master that clocks SCL high and low for these times,
// and holds the conditions as long. A slave may stretch the clock after each answer.
struct BusTiming {
    double high = 5.0;
    double low = 5.0;
    double startHold = 5.0;   // tHD;STA: SDA low before SCL falls
    double startSetup = 5.0;  // tSU;STA: SCL high before a repeated START
    double stopSetup = 5.0;   // tSU;STO: SCL high before SDA rises
    double busFree = 5.0;     // tBUF: between a STOP and the next START
    double dataHold = 0.3;    // SDA changes this long after SCL fell
    double stretch = 0.0;     // a slave holds SCL low this much longer after each answer
    // Every time above is lengthened by a random 0 to this much (never shortened below the
    // standard's minimum), so that the edges fall at every phase of the firmware's loop.
    double jitter = 0.0;

    // A 50 % clock at this frequency, conditions as long as half a period.
    static BusTiming evenClock(double hertz);
    // The shortest SCL high time the I2C standard allows at this frequency (standard mode
    // up to 100 kHz: 4.0 us, fast mode: 0.6 us), SCL low for the rest of the period, and the
    // standard's shortest condition times.
    static BusTiming minimumHigh(double hertz);
};

// Drives the emulated chip's pins from transaction text in the probe's own grammar, as a
// master and its slaves would: s START, r repeated START, two hex digits and a or n for a
// byte and its answer, p STOP. For tests, ~N clocks N bits of a byte that a START or STOP
// then cuts short (the probe says ? there).
class BusDriver {
public:
    BusDriver(ProbeEmulator& chip, const BusTiming& timing, std::uint32_t seed = 1);

    // Drives the text from where the bus stands; throws std::invalid_argument on text the
    // driver cannot drive.
    void drive(const std::string& text);
    // The bus stays idle (or SCL low, inside a transaction) this many microseconds.
    void wait(double microseconds);
    // Runs the chip on until everything it holds is sent, at most this many microseconds.
    void drain(double microseconds);
    // The bus is inside a transaction already (SCL low), as when the probe starts late.
    void joinMidTransaction();
    std::uint64_t now() const { return m_now; }

private:
    void at(double microseconds);  // moves the time on, running the chip
    void lines(bool scl, bool sda);
    void clockRises(bool sda);
    void bit(bool value, bool answer);

    ProbeEmulator& m_chip;
    BusTiming m_timing;
    std::uint64_t m_now;
    std::mt19937 m_random;  // the jitter's
    bool m_scl = true;
    bool m_sda = true;
};

// The text the probe should send for a driven text: the test-only ~N marks become ?.
std::string expectedProbeText(const std::string& driven);
