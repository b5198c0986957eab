// wirelark-probe-emu: the probe's firmware on the emulated chip, as a board on a USB port.
// The simulated probe's traffic drives its pins as I2C waveforms at 100 kHz, and what its
// UART sends goes into a pseudo-terminal that Wirelark opens like any serial device, paced
// to the wall clock. --bench prints the firmware's figures instead.
#include "firmware/emulator/probe_emulator.h"
#include "tools/probe_terminal.h"
#include "tools/probe_traffic.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <atomic>
#include <csignal>
#include <cstdio>

namespace {

constexpr double kLineCharactersPerSecond = 1e6 / (ProbeEmulator::kCyclesPerCharacter / 16.0);

std::atomic<bool> g_stop{false};

void requestStop(int)
{
    g_stop = true;
}

double microsecondsOf(std::uint64_t cycles)
{
    return double(cycles) / (ProbeEmulator::kFrequency / 1e6);
}

// Whether the firmware sends back exactly the driven text at this timing: the simulated
// probe's traffic in bursts of five transactions.
bool exactAt(const std::string& firmware, const BusTiming& timing)
{
    ProbeEmulator chip(firmware);
    chip.runUntil(32000);
    BusDriver bus(chip, timing);
    ProbeTraffic traffic(7);
    std::string driven;
    for (int i = 0; i < 40; ++i) {
        const QByteArray transaction = traffic.nextTransaction();
        bus.drive(transaction.toStdString());
        driven += transaction.toStdString();
        if (i % 5 == 4)
            bus.wait(40000);
    }
    bus.drain(1e6);
    return chip.takeSent() == driven;
}

// The firmware's figures: the fastest clock it takes exactly, what the line carries, the
// burst the ring absorbs, flash and RAM.
int bench(const std::string& firmware)
{
    std::printf("The probe's firmware on the emulated ATmega328P at 16 MHz\n");
    for (const bool minimum : {false, true}) {
        double highest = 0;
        for (double hertz = 100000; hertz <= 400000; hertz += 5000) {
            if (!exactAt(firmware, minimum ? BusTiming::minimumHigh(hertz) : BusTiming::evenClock(hertz)))
                break;
            highest = hertz;
        }
        std::printf("  highest bus clock decoded exactly, %s: %.0f kHz\n",
                    minimum ? "shortest SCL high the standard allows" : "50 % clock", highest / 1000);
    }

    // The longest burst of a fully loaded 100 kHz bus that comes through whole, from an
    // empty ring: transactions back to back, then quiet.
    const auto burstComesWhole = [&firmware](int transactions, double* busMs) {
        ProbeEmulator chip(firmware);
        chip.runUntil(32000);
        BusDriver bus(chip, BusTiming::evenClock(100000));
        ProbeTraffic traffic(11);
        const std::uint64_t begin = bus.now();
        std::string driven;
        for (int i = 0; i < transactions; ++i) {
            const QByteArray transaction = traffic.nextTransaction();
            bus.drive(transaction.toStdString());
            driven += transaction.toStdString();
        }
        *busMs = microsecondsOf(bus.now() - begin) / 1000;
        bus.drain(5e6);
        return chip.takeSent() == driven;
    };
    int whole = 0;
    int dropped = 1000;
    double wholeMs = 0;
    while (dropped - whole > 1) {
        const int middle = (whole + dropped) / 2;
        double ms = 0;
        if (burstComesWhole(middle, &ms)) {
            whole = middle;
            wholeMs = ms;
        } else {
            dropped = middle;
        }
    }
    std::printf("  burst absorbed before a \"!\": %d transactions, %.1f ms of a fully loaded 100 kHz bus\n",
                whole, wholeMs);

    // Two seconds of a fully loaded bus: what the line carries in the second one.
    ProbeEmulator chip(firmware);
    chip.runUntil(32000);
    BusDriver bus(chip, BusTiming::evenClock(100000));
    ProbeTraffic traffic(12);
    const std::uint64_t begin = bus.now();
    std::uint64_t characters = 0;
    std::uint64_t sentBefore = 0;
    while (bus.now() - begin < 2 * ProbeEmulator::kFrequency) {
        const QByteArray transaction = traffic.nextTransaction();
        bus.drive(transaction.toStdString());
        characters += std::uint64_t(transaction.size());
        if (sentBefore == 0 && bus.now() - begin >= ProbeEmulator::kFrequency)
            sentBefore = chip.sentCount();
    }
    const double seconds = microsecondsOf(bus.now() - begin) / 1e6;
    std::printf("  a fully loaded 100 kHz bus makes %.0f characters a second; the line carried %.0f a "
                "second of them (its rate: %.0f)\n",
                double(characters) / seconds, double(chip.sentCount() - sentBefore) / (seconds - 1),
                kLineCharactersPerSecond);

    QProcess size;
    size.start(QStringLiteral("avr-size"), {QStringLiteral("-C"), QStringLiteral("--mcu=atmega328p"),
                                            QString::fromStdString(firmware)});
    if (size.waitForFinished(10000)) {
        for (const QByteArray& line : size.readAllStandardOutput().split('\n')) {
            if (line.startsWith("Program:") || line.startsWith("Data:"))
                std::printf("  %s\n", line.simplified().constData());
        }
    }
    return 0;
}

bool handText(int farEnd, const std::string& text)
{
    return handToProbeReader(farEnd, text.data(), qsizetype(text.size()), g_stop);
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wirelark-probe-emu"));
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral(
        "The bus probe's firmware on an emulated ATmega328P: the simulated probe's traffic as I2C "
        "waveforms at its pins, what it sends into a pseudo-terminal whose path it prints."));
    options.addHelpOption();
    const QCommandLineOption firmware(QStringLiteral("firmware"), QStringLiteral("The firmware's ELF file."),
                                      QStringLiteral("elf"), QStringLiteral(WIRELARK_FIRMWARE_ELF));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Traffic seed."), QStringLiteral("n"),
                                  QStringLiteral("1"));
    const QCommandLineOption load(QStringLiteral("load"),
                                  QStringLiteral("The bus's traffic as a share of what the line carries (default 0.8)."),
                                  QStringLiteral("share"), QStringLiteral("0.8"));
    const QCommandLineOption count(QStringLiteral("transactions"),
                                   QStringLiteral("Stop after this many transactions and close the line."),
                                   QStringLiteral("n"));
    const QCommandLineOption link(QStringLiteral("link"), QStringLiteral("Also make a symbolic link to the device."),
                                  QStringLiteral("path"));
    const QCommandLineOption text(QStringLiteral("text"), QStringLiteral("Write the driven text to this file."),
                                  QStringLiteral("file"));
    const QCommandLineOption benchOption(QStringLiteral("bench"), QStringLiteral("Print the firmware's figures."));
    options.addOptions({firmware, seed, load, count, link, text, benchOption});
    options.process(app);
    const std::string elf = options.value(firmware).toStdString();

    try {
        if (options.isSet(benchOption))
            return bench(elf);

        const QString linkPath = options.value(link);
        const int farEnd = openAnnouncedProbeTerminal("wirelark-probe-emu", linkPath);
        if (farEnd < 0)
            return 1;
        std::signal(SIGINT, requestStop);
        std::signal(SIGTERM, requestStop);
        std::signal(SIGPIPE, SIG_IGN);

        // The board starts when the port is opened (an Arduino resets on DTR).
        waitForProbeReader(farEnd, g_stop);
        ProbeEmulator chip(elf);
        BusDriver bus(chip, BusTiming::evenClock(100000));
        bus.wait(2000);
        ProbeTraffic traffic(options.value(seed).toUInt());
        const double share = options.value(load).toDouble();
        const qint64 limit = options.isSet(count) ? options.value(count).toLongLong() : -1;
        QFile driven(options.value(text));
        if (options.isSet(text) && !driven.open(QIODevice::WriteOnly))
            std::fprintf(stderr, "wirelark-probe-emu: %s: cannot be written\n", qPrintable(driven.fileName()));
        const std::uint64_t begin = bus.now();
        qint64 characters = 0;
        std::uint64_t paced = begin;  // the bus's time that the wall clock follows from
        QElapsedTimer wall;
        wall.start();
        for (qint64 n = 0; !g_stop && (limit < 0 || n < limit); ++n) {
            const QByteArray transaction = traffic.nextTransaction();
            bus.drive(transaction.toStdString());
            characters += transaction.size();
            if (driven.isOpen())
                driven.write(transaction);
            // The bus rests until its traffic is the asked share of the line.
            const double due = characters / (share * kLineCharactersPerSecond) * 1e6;
            const double spent = microsecondsOf(bus.now() - begin);
            if (due > spent)
                bus.wait(due - spent);
            if (!probeReaderAttached(farEnd)) {
                // Nobody listens: the board waits with its bus, and paces anew after.
                if (!waitForProbeReader(farEnd, g_stop))
                    break;
                paced = bus.now();
                wall.restart();
            }
            if (!handText(farEnd, chip.takeSent()))
                break;
            // As fast as a real board: the emulation waits for the wall clock.
            const qint64 ahead = qint64(microsecondsOf(bus.now() - paced) / 1000) - wall.elapsed();
            if (ahead > 0)
                QThread::msleep(static_cast<unsigned long>(ahead));
        }
        bus.drain(2e6);
        if (probeReaderAttached(farEnd))
            handText(farEnd, chip.takeSent());
        driven.close();
        closeProbeTerminal(farEnd, linkPath, g_stop);
        std::fprintf(stderr, "wirelark-probe-emu: %lld characters sent\n", static_cast<long long>(chip.sentCount()));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "wirelark-probe-emu: %s\n", error.what());
        return 2;
    }
}
