// wirelark-scan: runs Wirelark's matcher over saved monitor logs, or over the live traffic of
// a bus probe on a serial port, without a window.
// Exit status as grep's: 0 a hit, 1 none, 2 an error.
#include "core/log_scan.h"
#include "core/transaction_decoder.h"
#include "tools/scan/live_watch.h"
#include "tools/scan/options.h"
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

// Output collected and written in blocks: a decoded capture is millions of lines.
class Output {
public:
    ~Output() { flush(); }
    // The line's beginning: LOG:LINE:COLUMN: with --where.
    QByteArray& begin(const QByteArray& prefix, bool where, qint64 line, qint64 column)
    {
        if (where) {
            char place[48];
            const int length = std::snprintf(place, sizeof place, ":%lld:%lld: ", line, column);
            m_buffer += prefix;
            m_buffer.append(place, length);
        }
        return m_buffer;
    }
    void end()
    {
        m_buffer += '\n';
        if (m_buffer.size() >= kBlock)
            flush();
    }
    void flush()
    {
        std::fwrite(m_buffer.constData(), 1, static_cast<std::size_t>(m_buffer.size()), stdout);
        m_buffer.truncate(0);
    }

private:
    static constexpr qsizetype kBlock = 64 * 1024;
    QByteArray m_buffer;
};

// Scans one log; false (after saying why) when it cannot be read. Decoding, every
// transaction is a line, and the hits that completed in it follow it.
bool scanLog(const QString& name, bool where, bool decode, LogScanner& scanner, bool* anyHit)
{
    Output out;
    QFile log;
    const bool opened = name == "-" ? log.open(stdin, QIODevice::ReadOnly)
                                    : (log.setFileName(name), log.open(QIODevice::ReadOnly));
    if (!opened) {
        complain(QStringLiteral("%1: %2").arg(name, log.errorString()));
        return false;
    }
    const QByteArray prefix = name.toLocal8Bit();
    struct PendingHit {
        qint64 line;
        qint64 column;
        QString text;
    };
    std::vector<PendingHit> pending;
    const LogScanner::HitSink print = [&](const LogScanner::Hit& hit) {
        *anyHit = true;
        if (decode) {
            pending.push_back({hit.line, hit.column, hit.text});
            return;
        }
        out.begin(prefix, where, hit.line, hit.column) += hit.text.toLocal8Bit();
        out.end();
    };
    i2c::Decoder decoder;
    const auto printTransaction = [&](const i2c::Transaction& transaction) {
        i2c::appendCompactText(transaction, out.begin(prefix, where, transaction.origin.line, transaction.origin.column));
        out.end();
        for (const PendingHit& hit : pending) {
            out.begin(prefix, where, hit.line, hit.column) += hit.text.toLocal8Bit();
            out.end();
        }
        pending.clear();
    };
    scanner.setCharacterHook(decode ? LogScanner::CharacterHook([&](QChar ch, qint64 line, qint64 column) {
                                 decoder.settle(printTransaction);
                                 decoder.feed(ch, {line, column, 0}, printTransaction);
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
        scanner.feed(QByteArrayView(piece.constData(), got), print);
    }
    scanner.finish(print);
    decoder.finish(printTransaction);
    for (const PendingHit& hit : pending) {
        out.begin(prefix, where, hit.line, hit.column) += hit.text.toLocal8Bit();
        out.end();
    }
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
    bool anyHit = false;
    bool trouble = false;
    for (const QString& log : options.logs)
        trouble |= !scanLog(log, options.where, options.decode, scanner, &anyHit);
    std::fflush(stdout);
    if (trouble)
        return kTrouble;
    if (!options.searching())
        return kHit;  // decoding alone: the input could be read
    return anyHit ? kHit : kNoHit;
}
