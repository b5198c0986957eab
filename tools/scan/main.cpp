// wirelark-scan: runs Wirelark's matcher over saved monitor logs, or over the live traffic of
// a bus probe on a serial port, without a window.
// Exit status as grep's: 0 a hit, 1 none, 2 an error.
#include "core/log_scan.h"
#include "tools/scan/live_watch.h"
#include "tools/scan/options.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kHit = 0;
constexpr int kNoHit = 1;
constexpr int kTrouble = 2;

// Logs are read in pieces of this size: memory stays the same however long the log.
constexpr qint64 kPieceSize = 1 << 20;

// Scans one log; false (after saying why) when it cannot be read.
bool scanLog(const QString& name, bool where, LogScanner& scanner, bool* anyHit)
{
    QFile log;
    const bool opened = name == "-" ? log.open(stdin, QIODevice::ReadOnly)
                                    : (log.setFileName(name), log.open(QIODevice::ReadOnly));
    if (!opened) {
        complain(QStringLiteral("%1: %2").arg(name, log.errorString()));
        return false;
    }
    const QByteArray prefix = name.toLocal8Bit();
    const LogScanner::HitSink print = [&](const LogScanner::Hit& hit) {
        *anyHit = true;
        if (where)
            std::printf("%s:%lld:%lld: ", prefix.constData(), hit.line, hit.column);
        std::fputs(hit.text.toLocal8Bit().constData(), stdout);
        std::fputc('\n', stdout);
    };
    scanner.restart();
    QByteArray piece(kPieceSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = log.read(piece.data(), kPieceSize);
        if (got < 0) {
            complain(QStringLiteral("%1: %2").arg(name, log.errorString()));
            return false;
        }
        if (got == 0)
            break;
        scanner.feed(QByteArrayView(piece.constData(), got), print);
    }
    scanner.finish(print);
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    // Qt's own event dispatcher: a watch wakes a hundred times a second, and GLib's main loop
    // costs more per wake-up. Nothing here needs GLib.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    ScanOptions options;
    bool help = false;
    if (!parseScanOptions(QCoreApplication::arguments(), &options, &help)) {
        std::fputs(kScanUsage, stderr);
        return kTrouble;
    }
    if (help) {
        std::fputs(kScanUsage, stdout);
        return kHit;
    }
    QList<NumberedEntry> numbered;
    if (!scanEntries(options, &numbered))
        return kTrouble;
    QList<searchslot::Entry> entries;
    for (const NumberedEntry& entry : numbered)
        entries << entry.entry;
    if (options.live())
        return LiveWatch(options, numbered).run();

    LogScanner scanner(entries);
    bool anyHit = false;
    bool trouble = false;
    for (const QString& log : options.logs)
        trouble |= !scanLog(log, options.where, scanner, &anyHit);
    std::fflush(stdout);
    if (trouble)
        return kTrouble;
    return anyHit ? kHit : kNoHit;
}
