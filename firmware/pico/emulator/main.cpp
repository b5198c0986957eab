// wirelark-probe-pico-emu: the Pico probe's firmware on an emulated RP2040 (rp2040js under
// Node), as a board on a USB port. The simulated probe's traffic drives its pins as I2C
// waveforms; what it sends over its USB goes into a pseudo-terminal that Wirelark opens like
// any serial device. Opening the device opens the board's CDC port (DTR up), closing it
// closes the port, as a terminal program does with a real Pico.
#include "tools/probe_terminal.h"
#include "tools/probe_traffic.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <atomic>
#include <csignal>
#include <cstdio>

namespace {

std::atomic<bool> g_stop{false};

void requestStop(int)
{
    g_stop = true;
}

// The emulated board: serve.mjs in Node. Each command it has done ends with a newline on its
// output; everything else there is what the board sent to its host.
class PicoBoard {
public:
    PicoBoard(const QString& uf2, const QString& clock, const QString& load)
    {
        m_node.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_node.setWorkingDirectory(QStringLiteral(WIRELARK_PICO_EMULATOR));
        m_node.start(QStringLiteral(WIRELARK_NODE),
                     {QStringLiteral("serve.mjs"), uf2, QStringLiteral("--clock"), clock, QStringLiteral("--load"), load});
    }
    ~PicoBoard()
    {
        m_node.kill();
        m_node.waitForFinished(5000);
    }

    bool started() { return m_node.waitForStarted(30000); }
    void command(const QByteArray& line)
    {
        m_node.write(line + '\n');
        ++m_pending;
    }
    // Waits until at most this many commands are still to be done; what the board sent in the
    // meantime goes to the reader. False when the board is gone or the reader could not take it.
    bool waitUntilPending(int most, int farEnd)
    {
        while (m_pending > most) {
            if (!m_node.waitForReadyRead(60000))
                return false;
            QByteArray text = m_node.readAll();
            m_pending -= int(text.count('\n'));
            text.replace('\n', QByteArray());
            m_sent += text.size();
            if (!handToProbeReader(farEnd, text.constData(), text.size(), g_stop))
                return false;
        }
        return true;
    }
    // Ends the input: the board sends what it still holds and ends.
    bool finish(int farEnd)
    {
        if (!waitUntilPending(0, farEnd))
            return false;
        m_node.closeWriteChannel();
        while (m_node.state() != QProcess::NotRunning) {
            m_node.waitForReadyRead(1000);
            const QByteArray text = m_node.readAll();
            m_sent += text.size();
            if (!handToProbeReader(farEnd, text.constData(), text.size(), g_stop))
                return false;
        }
        return m_node.exitStatus() == QProcess::NormalExit && m_node.exitCode() == 0;
    }
    qint64 sent() const { return m_sent; }

private:
    QProcess m_node;
    int m_pending = 0;
    qint64 m_sent = 0;
};

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wirelark-probe-pico-emu"));
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral(
        "The Pico probe's firmware on an emulated RP2040: the simulated probe's traffic as I2C "
        "waveforms at its pins, what it sends over USB into a pseudo-terminal whose path it prints."));
    options.addHelpOption();
    const QCommandLineOption firmware(QStringLiteral("firmware"), QStringLiteral("The firmware's UF2 image."),
                                      QStringLiteral("uf2"), QStringLiteral(WIRELARK_PICO_UF2));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Traffic seed."), QStringLiteral("n"),
                                  QStringLiteral("1"));
    const QCommandLineOption clock(QStringLiteral("clock"), QStringLiteral("The bus's clock in Hz (default 400000)."),
                                   QStringLiteral("hz"), QStringLiteral("400000"));
    const QCommandLineOption load(QStringLiteral("load"),
                                  QStringLiteral("The share of the time the bus is busy (default 0.8)."),
                                  QStringLiteral("share"), QStringLiteral("0.8"));
    const QCommandLineOption count(QStringLiteral("transactions"),
                                   QStringLiteral("Stop after this many transactions and close the line."),
                                   QStringLiteral("n"));
    const QCommandLineOption link(QStringLiteral("link"), QStringLiteral("Also make a symbolic link to the device."),
                                  QStringLiteral("path"));
    const QCommandLineOption text(QStringLiteral("text"), QStringLiteral("Write the driven text to this file."),
                                  QStringLiteral("file"));
    options.addOptions({firmware, seed, clock, load, count, link, text});
    options.process(app);

    const QString linkPath = options.value(link);
    const int farEnd = openAnnouncedProbeTerminal("wirelark-probe-pico-emu", linkPath);
    if (farEnd < 0)
        return 1;
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    std::signal(SIGPIPE, SIG_IGN);

    PicoBoard board(options.value(firmware), options.value(clock), options.value(load));
    if (!board.started()) {
        std::fprintf(stderr, "wirelark-probe-pico-emu: Node (%s) cannot be started\n", WIRELARK_NODE);
        closeProbeTerminal(farEnd, linkPath, g_stop);
        return 2;
    }
    QFile driven(options.value(text));
    if (options.isSet(text) && !driven.open(QIODevice::WriteOnly))
        std::fprintf(stderr, "wirelark-probe-pico-emu: %s: cannot be written\n", qPrintable(driven.fileName()));
    ProbeTraffic traffic(options.value(seed).toUInt());
    const qint64 limit = options.isSet(count) ? options.value(count).toLongLong() : -1;
    bool open = false;
    bool sound = true;
    for (qint64 n = 0; sound && !g_stop && (limit < 0 || n < limit);) {
        // The host's port follows whoever holds the device open; the bus runs on regardless.
        if (probeReaderAttached(farEnd) != open) {
            open = !open;
            board.command(open ? "open" : "close");
        }
        if (!open) {
            // Nobody listens: the bus waits, as the simulated probe's does.
            if (!waitForProbeReader(farEnd, g_stop))
                break;
            continue;
        }
        const QByteArray transaction = traffic.nextTransaction();
        board.command(transaction);
        if (driven.isOpen())
            driven.write(transaction);
        ++n;
        // A few transactions ahead of the board, no more: the emulation sets the pace.
        sound = board.waitUntilPending(4, farEnd);
    }
    if (sound && !g_stop)
        sound = board.finish(farEnd);
    driven.close();
    closeProbeTerminal(farEnd, linkPath, g_stop);
    std::fprintf(stderr, "wirelark-probe-pico-emu: %lld characters sent\n", static_cast<long long>(board.sent()));
    return sound || g_stop ? 0 : 2;
}
