// wirelark-probe-sim: a simulated I2C bus probe on a pseudo-terminal.
#include "tools/probe_terminal.h"
#include "tools/probe_traffic.h"
#include "wirelark_version.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

// 115200 baud with start bit, 8 data bits and stop bit: 11,520 characters a second.
constexpr int kLineRate = 11520;

std::atomic<bool> g_stop{false};

void requestStop(int)
{
    g_stop = true;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wirelark-probe-sim"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kProductVersion));
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral(
        "Simulated I2C bus probe: writes probe text into a pseudo-terminal and prints the path "
        "of its device end, for Wirelark's WIRELARK_PORTS."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Traffic seed."), QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption rate(QStringLiteral("rate"), QStringLiteral("Characters a second (default 11520, the line rate)."),
                                  QStringLiteral("n"), QString::number(kLineRate));
    const QCommandLineOption fast(QStringLiteral("fast"), QStringLiteral("As fast as the reader takes it."));
    const QCommandLineOption duration(QStringLiteral("duration"), QStringLiteral("Stop after this many seconds."), QStringLiteral("s"));
    const QCommandLineOption count(QStringLiteral("count"), QStringLiteral("Stop after this many characters."), QStringLiteral("n"));
    const QCommandLineOption link(QStringLiteral("link"), QStringLiteral("Also make a symbolic link to the device at this path."),
                                  QStringLiteral("path"));
    options.addOptions({seed, rate, fast, duration, count, link});
    options.process(app);

    bool valid = true;
    const int charactersPerSecond = options.value(rate).toInt(&valid);
    if (!valid || charactersPerSecond <= 0) {
        std::fprintf(stderr, "wirelark-probe-sim: --rate needs a positive number\n");
        return 2;
    }
    const double stopAfterSeconds = options.isSet(duration) ? options.value(duration).toDouble() : -1;
    const qint64 stopAfterCharacters = options.isSet(count) ? options.value(count).toLongLong() : -1;

    const QString linkPath = options.value(link);
    const int farEnd = openAnnouncedProbeTerminal("wirelark-probe-sim", linkPath);
    if (farEnd < 0)
        return 1;

    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    std::signal(SIGPIPE, SIG_IGN);

    ProbeTraffic traffic(options.value(seed).toUInt());
    QByteArray pending;
    qint64 sentCharacters = 0;
    // Paced from the moment a reader listens: the characters the clock allows since then.
    bool listening = false;
    qint64 pacedSince = 0;
    qint64 sentBefore = 0;
    QElapsedTimer clock;
    clock.start();
    while (!g_stop) {
        const qint64 now = clock.nsecsElapsed();
        if (stopAfterSeconds >= 0 && now >= qint64(stopAfterSeconds * 1e9))
            break;
        if (stopAfterCharacters >= 0 && sentCharacters >= stopAfterCharacters)
            break;
        if (!probeReaderAttached(farEnd)) {
            // Nobody listens (the monitor is off): the bus goes quiet, nothing piles up.
            listening = false;
            ::usleep(20000);
            continue;
        }
        if (!listening) {
            listening = true;
            pacedSince = now;
            sentBefore = sentCharacters;
        }
        qint64 allowed = options.isSet(fast)
                             ? 4096
                             : (now - pacedSince) / 1000 * charactersPerSecond / 1000000 - (sentCharacters - sentBefore);
        if (stopAfterCharacters >= 0)
            allowed = std::min(allowed, stopAfterCharacters - sentCharacters);
        if (allowed <= 0) {
            ::usleep(1000);
            continue;
        }
        while (pending.size() < allowed)
            pending += traffic.nextTransaction();
        const qsizetype written = writeToProbeTerminal(farEnd, pending.constData(), static_cast<qsizetype>(allowed));
        if (written < 0) {
            std::perror("wirelark-probe-sim: write");
            break;
        }
        pending.remove(0, written);
        sentCharacters += written;
    }
    closeProbeTerminal(farEnd, linkPath, g_stop);
    std::fprintf(stderr, "wirelark-probe-sim: %lld characters sent\n", static_cast<long long>(sentCharacters));
    return 0;
}
