// wirelark-scan: runs Wirelark's matcher over saved monitor logs, or over the live traffic of
// a bus probe on a serial port, without a window.
// Exit status as grep's: 0 a hit, 1 none, 2 an error.
#include "core/log_scan.h"
#include "core/transaction_decoder.h"
#include "serial/line_settings.h"
#include "tools/scan/live_watch.h"
#include "tools/scan/options.h"
#include "tools/scan/pcap_writer.h"
#include "tools/scan/text_writer.h"
#include "wirelark_version.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>
#include <vector>

namespace {

constexpr int kHit = 0;
constexpr int kNoHit = 1;
constexpr int kTrouble = 2;

// Logs are read in pieces of this size: memory stays the same however long the log.
constexpr qint64 kPieceSize = 1 << 20;

// Scans one log; false (after saying why) when it cannot be read. Decoding, every
// transaction is a line, and the hits that completed in it follow it.
bool scanLog(const QString& name, ScanWriter& writer, const ScanOptions& options, LogScanner& scanner, bool* anyHit)
{
    QFile log;
    const bool opened = name == "-" ? log.open(stdin, QIODevice::ReadOnly)
                                    : (log.setFileName(name), log.open(QIODevice::ReadOnly));
    if (!opened) {
        complain(QStringLiteral("%1: %2").arg(name, log.errorString()));
        return false;
    }
    const QByteArray source = name.toLocal8Bit();
    std::vector<HitFound> pending;
    const LogScanner::HitSink found = [&](const LogScanner::Hit& hit) {
        *anyHit = true;
        HitFound event{0, 0, {}, {}, hit.text, source, hit.line, hit.column, {}, -1};
        if (options.decode)
            pending.push_back(std::move(event));
        else
            writer.hit(event);
    };
    const auto decoded = [&](const i2c::Transaction& transaction) {
        writer.transaction(transaction, source);
        for (const HitFound& hit : pending)
            writer.hit(hit);
        pending.clear();
    };
    i2c::Decoder decoder;
    qint64 position = 0;  // characters before this one: a saved log's only clock
    scanner.setCharacterHook(options.decoding()
                                 ? LogScanner::CharacterHook([&](QChar ch, qint64 line, qint64 column) {
                                       decoder.settle(decoded);
                                       decoder.feed(ch, {line, column, double(position++) / kProbeLineRate}, decoded);
                                   })
                                 : LogScanner::CharacterHook());
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
        scanner.feed(QByteArrayView(piece.constData(), got), found);
    }
    scanner.finish(found);
    decoder.finish(decoded);
    for (const HitFound& hit : pending)
        writer.hit(hit);
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
    if (options.version) {
        std::printf("wirelark-scan %s\n", kProductVersion);
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
    LineOutput out(false);
    const ScanClock noClock;
    WriterList writers;
    if (options.textOutput())
        writers.add(std::make_unique<TextWriter>(out, options.where, false, options.decode, noClock));
    if (!options.pcap.isEmpty()) {
        auto pcap = std::make_unique<PcapWriter>(noClock, false);
        if (!pcap->open(options.pcap, options.force, options.logs.join(QLatin1Char(' ')))) {
            complain(QStringLiteral("%1: %2").arg(options.pcap, pcap->errorString()));
            return kTrouble;
        }
        writers.add(std::move(pcap));
    }
    bool anyHit = false;
    bool trouble = false;
    for (const QString& log : options.logs)
        trouble |= !scanLog(log, writers, options, scanner, &anyHit);
    out.flush();
    if (!writers.flush()) {
        complain(QStringLiteral("%1: cannot be written").arg(options.pcap));
        return kTrouble;
    }
    if (trouble)
        return kTrouble;
    if (!options.searching())
        return kHit;  // decoding alone: the input could be read
    return anyHit ? kHit : kNoHit;
}
