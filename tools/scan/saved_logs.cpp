#include "tools/scan/saved_logs.h"

#include "core/log_pieces.h"
#include "core/standard_streams.h"
#include "serial/line_settings.h"
#include "tools/scan/options.h"
#include "tools/scan/pcap_writer.h"
#include "tools/scan/text_writer.h"

#include <QFile>

#include <condition_variable>
#include <cstdio>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_set>

namespace {

// A log is read in pieces of this size; on several cores each job holds about two pieces
// and their output (a few MiB), however long the log.
constexpr qsizetype kPieceSize = 1 << 20;

// The writers of one core: collecting what a piece writes, or (on one core) writing
// straight through.
class PieceWriters : public PieceSink {
public:
    PieceWriters(const QList<searchslot::Entry>& entries, const SavedLogOutput& output, bool collect)
        : m_collect(collect), m_lines(false, collect), m_pcap(m_clock, false)
    {
        if (output.text)
            m_text = std::make_unique<TextWriter>(m_lines, output.where, false, output.decode, m_clock);
        if (output.pcap)
            m_records = collect ? &m_pcap : output.pcap;
        for (const searchslot::Entry& entry : entries) {
            HitFound hit{0, 0, {}, {}, searchslot::hitText(entry.comment, entry.pattern), {}, 0, 0, {}, -1, {}};
            hit.localText = hit.text.toLocal8Bit();
            m_hits.push_back(std::move(hit));
        }
    }

    void begin(const QByteArray& source) override
    {
        m_source = source;
        for (HitFound& hit : m_hits)
            hit.source = source;
    }
    void hit(const LogScanner::Hit& found) override
    {
        ++m_count;
        HitFound& hit = m_hits[static_cast<std::size_t>(found.slot)];
        hit.line = found.line;
        hit.column = found.column;
        if (m_text)
            m_text->hit(hit);
    }
    void transaction(const i2c::Transaction& transaction) override
    {
        if (m_text)
            m_text->transaction(transaction, m_source);
        if (m_records)
            m_records->transaction(transaction, m_source);
    }
    // As live: a line on standard error (collected with the piece's output, or at once) and
    // an overflow record.
    void lost(const i2c::Origin& where) override
    {
        ++m_losses;
        const QString what = QStringLiteral("the probe dropped transactions");
        m_lossText += complaintLine(QStringLiteral("%1:%2:%3: input lost or garbled (%4)")
                                        .arg(QString::fromLocal8Bit(m_source))
                                        .arg(where.line)
                                        .arg(where.column)
                                        .arg(what));
        if (!m_collect) {
            m_lines.flush();
            std::fflush(stdout);
            standardstreams::writeError(std::exchange(m_lossText, {}));
        }
        if (m_records)
            m_records->lost({where.seconds, what});
    }

    PieceSizes sizes() const override
    {
        return {m_lines.collected(), m_pcap.collected(), m_count, m_lossText.size(), m_losses};
    }
    // Straight through: what is still collected reaches standard output.
    void flush() { m_lines.flush(); }
    void takeInto(PieceOutput& out) override
    {
        m_lines.swapLines(out.text);
        m_pcap.swapRecords(out.records);
        out.hits = std::exchange(m_count, 0);
        out.lossText = std::exchange(m_lossText, {});
        out.losses = std::exchange(m_losses, 0);
    }
    qint64 takeHits() { return std::exchange(m_count, 0); }
    qint64 takeLosses() { return std::exchange(m_losses, 0); }

private:
    bool m_collect;
    ScanClock m_clock;
    LineOutput m_lines;
    std::unique_ptr<TextWriter> m_text;
    PcapWriter m_pcap;  // never opened: collects the records
    PcapWriter* m_records = nullptr;
    std::vector<HitFound> m_hits;  // one per slot, its place filled in per hit
    QByteArray m_source;
    qint64 m_count = 0;
    QByteArray m_lossText;
    qint64 m_losses = 0;
};

// One core's scanner and writers.
struct Scanning {
    Scanning(const QList<searchslot::Entry>& entries, const SavedLogOutput& output, bool collect)
        : scanner(entries, output.decoding, kProbeLineRate), out(entries, output, collect)
    {
    }
    LogScanner scanner;
    PieceWriters out;
};

void writeOut(const PieceOutput& out, const SavedLogOutput& output)
{
    if (!out.text.isEmpty())
        std::fwrite(out.text.constData(), 1, static_cast<std::size_t>(out.text.size()), stdout);
    if (output.pcap && !out.records.isEmpty())
        output.pcap->addRecords(out.records);
    if (!out.lossText.isEmpty()) {
        std::fflush(stdout);
        standardstreams::writeError(out.lossText);
    }
}

// Pieces in the order of the logs, scanned by the jobs, written in that order.
class PieceScan {
public:
    PieceScan(const QList<searchslot::Entry>& entries, const SavedLogOutput& output, int jobs)
        : m_output(output), m_own(entries, output, true), m_limit(static_cast<std::size_t>(2 * jobs))
    {
        for (int i = 0; i < jobs; ++i)
            m_jobs.emplace_back([this, entries, output] { work(entries, output); });
    }
    ~PieceScan()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_closing = true;
        }
        m_wake.notify_all();
        for (std::thread& job : m_jobs)
            job.join();
    }

    // A piece to fill, its storage reused from one written before.
    std::unique_ptr<Piece> newPiece()
    {
        if (m_free.empty())
            return std::make_unique<Piece>();
        std::unique_ptr<Piece> piece = std::move(m_free.back());
        m_free.pop_back();
        piece->checkpoints.clear();
        return piece;
    }
    void add(std::unique_ptr<Piece> piece)
    {
        while (m_written.size() >= m_limit)
            writeFirst();
        Piece* scanned = piece.get();
        m_written.push_back(std::move(piece));
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_waiting.push_back(scanned);
        }
        m_wake.notify_one();
    }
    void writeAll()
    {
        while (!m_written.empty())
            writeFirst();
    }
    qint64 hits() const { return m_hits; }
    qint64 losses() const { return m_losses; }

private:
    void work(const QList<searchslot::Entry>& entries, const SavedLogOutput& output)
    {
        Scanning scanning(entries, output, true);
        for (;;) {
            Piece* piece = nullptr;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_wake.wait(lock, [this] { return m_closing || !m_waiting.empty(); });
                if (m_waiting.empty())
                    return;
                piece = m_waiting.front();
                m_waiting.pop_front();
            }
            scanFromRest(scanning.scanner, scanning.out, *piece);
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_scanned.insert(piece);
            }
            m_done.notify_all();
        }
    }

    void writeFirst()
    {
        Piece& piece = *m_written.front();
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_done.wait(lock, [&] { return m_scanned.count(&piece) != 0; });
            m_scanned.erase(&piece);
        }
        scanFrom(m_own.scanner, m_own.out, piece, m_standing);
        m_standing = piece.endStanding;
        writeOut(piece.out, m_output);
        m_hits += piece.out.hits;
        m_losses += piece.out.losses;
        m_free.push_back(std::move(m_written.front()));
        m_written.pop_front();
    }

    const SavedLogOutput& m_output;
    Scanning m_own;  // this thread's, for the pieces scanned again
    std::size_t m_limit;
    std::vector<int> m_standing;  // where the piece written last truly ended
    std::deque<std::unique_ptr<Piece>> m_written;  // in the order of the logs
    std::vector<std::unique_ptr<Piece>> m_free;
    qint64 m_hits = 0;
    qint64 m_losses = 0;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    std::deque<Piece*> m_waiting;
    std::unordered_set<const Piece*> m_scanned;
    bool m_closing = false;
    std::vector<std::thread> m_jobs;
};

bool openLog(const QString& name, QFile& log)
{
    // Standard input by its descriptor: Qt on Windows cannot take a pipe as a FILE*.
    constexpr int kStandardInput = 0;
    const bool opened = name == "-" ? log.open(kStandardInput, QIODevice::ReadOnly)
                                    : (log.setFileName(name), log.open(QIODevice::ReadOnly));
    if (!opened)
        complain(QStringLiteral("%1: %2").arg(name, log.errorString()));
    return opened;
}

// One core: each log straight through, its output written piece by piece.
bool scanOnOneCore(const QStringList& logs, const QList<searchslot::Entry>& entries, const SavedLogOutput& output,
                   qint64* hits, qint64* losses)
{
    Scanning scanning(entries, output, false);
    bool readable = true;
    QByteArray bytes(kPieceSize, Qt::Uninitialized);
    for (const QString& name : logs) {
        QFile log;
        if (!openLog(name, log)) {
            readable = false;
            continue;
        }
        scanning.scanner.restart();
        scanning.out.begin(name.toLocal8Bit());
        for (;;) {
            const qint64 got = log.read(bytes.data(), kPieceSize);
            if (got < 0) {
                complain(QStringLiteral("%1: %2").arg(name, log.errorString()));
                readable = false;
                break;
            }
            if (got == 0) {
                scanning.scanner.finish(scanning.out);
                break;
            }
            scanning.scanner.feed(QByteArrayView(bytes.constData(), got), scanning.out);
        }
        scanning.out.flush();
        *hits += scanning.out.takeHits();
        *losses += scanning.out.takeLosses();
    }
    return readable;
}

}  // namespace

bool scanSavedLogs(const QStringList& logs, const QList<searchslot::Entry>& entries, const SavedLogOutput& output,
                   int jobs, SavedLogResult* result)
{
    qint64 hits = 0;
    qint64 losses = 0;
    if (jobs <= 1) {
        const bool readable = scanOnOneCore(logs, entries, output, &hits, &losses);
        *result = {hits > 0, losses > 0};
        return readable;
    }
    PieceScan scan(entries, output, jobs);
    bool readable = true;
    for (const QString& name : logs) {
        QFile log;
        if (!openLog(name, log)) {
            readable = false;
            continue;
        }
        const QByteArray source = name.toLocal8Bit();
        QByteArray carried;  // read, but after the end of the last piece
        LogPlace place;
        bool first = true;
        bool ended = false;
        bool broken = false;  // a read failed: the rest of this log is lost, the next is read
        while (!ended && !broken) {
            std::unique_ptr<Piece> piece = scan.newPiece();
            QByteArray& bytes = piece->bytes;
            bytes.truncate(0);
            bytes += carried;
            qsizetype end = -1;
            while (end < 0 && !ended) {
                const qsizetype had = bytes.size();
                bytes.resize(std::max(had + kPieceSize / 4, kPieceSize));
                const qint64 got = log.read(bytes.data() + had, bytes.size() - had);
                bytes.resize(had + std::max<qint64>(got, 0));
                if (got < 0) {
                    complain(QStringLiteral("%1: %2").arg(name, log.errorString()));
                    readable = false;
                    broken = true;
                    break;
                }
                ended = got == 0;
                if (ended)
                    end = bytes.size();
                else if (bytes.size() >= kPieceSize)
                    end = pieceEnd(bytes, output.decoding);
            }
            if (broken)
                break;
            carried = bytes.mid(end);
            bytes.truncate(end);
            piece->source = source;
            piece->place = place;
            piece->first = first;
            piece->last = ended;
            // Without --where and --pcap no output shows a place: the lines need no counting.
            place = placeAfter(bytes, place, output.where || output.pcap);
            first = false;
            scan.add(std::move(piece));
        }
    }
    scan.writeAll();
    *result = {scan.hits() > 0, scan.losses() > 0};
    return readable;
}
