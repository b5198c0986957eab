// The scan of saved logs against the window's own step: arbitrary entries and an arbitrary
// log (the probe's letters, "?", CR and LF made likely) go through searchslot::step and
// i2c::Decoder one character at a time, as the window and the live watch run them, and
// through LogScanner: fed in pieces of arbitrary sizes, and cut into pieces that are each
// scanned from rest and then from the true start, as on several cores. Every hit (line,
// column, entry) and every decoded transaction must be the same, in the same order.
#include "core/code_page.h"
#include "core/log_pieces.h"
#include "core/log_scan.h"
#include "core/search_slot.h"
#include "core/transaction_decoder.h"

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double kRate = 11520;

struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    int next() { return at < size ? data[at++] : 0; }
    bool empty() const { return at >= size; }
};

// Bytes that make the probe's grammar, CR LF and the wildcard likely.
char letter(int byte)
{
    static const char kLetters[] = "sraanp0919AAF?\r\n\rsp!";
    return byte < 128 ? kLetters[byte % (sizeof kLetters - 1)] : static_cast<char>(byte);
}

void describeHit(QByteArray& out, qint64 line, qint64 column, int slot)
{
    out += "hit " + QByteArray::number(line) + ':' + QByteArray::number(column) + ' ' + QByteArray::number(slot) + '\n';
}

void describeLoss(QByteArray& out, const i2c::Origin& where)
{
    out += "lost " + QByteArray::number(where.line) + ':' + QByteArray::number(where.column) + ' ' +
           QByteArray::number(where.seconds, 'g', 17) + '\n';
}

void describeTransaction(QByteArray& out, const i2c::Transaction& t)
{
    out += "transaction " + QByteArray::number(t.origin.line) + ':' + QByteArray::number(t.origin.column) + ' ' +
           QByteArray::number(t.origin.seconds, 'g', 17) + ' ';
    i2c::appendCompactText(t, out);
    out += '\n';
}

// As the window and the live watch meet the characters: one at a time.
QByteArray reference(const QList<searchslot::Entry>& entries, const QByteArray& log, bool decode)
{
    QByteArray out;
    searchslot::Slots matcher(entries);
    i2c::Decoder decoder;
    std::vector<std::pair<qint64, std::pair<qint64, int>>> pending;
    const auto decoded = [&](const i2c::Transaction& t) {
        describeTransaction(out, t);
        for (const auto& hit : pending)
            describeHit(out, hit.first, hit.second.first, hit.second.second);
        pending.clear();
    };
    qint64 line = 1, column = 0, position = 0;
    const auto received = [&](char byte) {
        ++column;
        const QChar ch = codepage::toChar(static_cast<uchar>(byte));
        const i2c::Origin origin{line, column, double(position++) / kRate};
        if (decode) {
            decoder.settle(decoded);
            decoder.feed(ch, origin, decoded);
        }
        // The probe's "!", as the live watch takes it: lost input, every slot at rest.
        if (byte == '!') {
            describeLoss(out, origin);
            matcher.restart();
            return;
        }
        matcher.feed(QStringView(&ch, 1), [&](int slot) {
            if (decode)
                pending.push_back({line, {column, slot}});
            else
                describeHit(out, line, column, slot);
        });
    };
    for (qsizetype i = 0; i < log.size(); ++i) {
        if (log[i] == '\r' && i + 1 < log.size() && log[i + 1] == '\n') {
            ++line;
            column = 0;
            ++i;
            continue;
        }
        received(log[i]);
    }
    if (decode) {
        decoder.finish(decoded);
        for (const auto& hit : pending)
            describeHit(out, hit.first, hit.second.first, hit.second.second);
    }
    return out;
}

class Described : public PieceSink {
public:
    void hit(const LogScanner::Hit& hit) override
    {
        describeHit(m_out, hit.line, hit.column, hit.slot);
        ++m_hits;
    }
    void transaction(const i2c::Transaction& t) override { describeTransaction(m_out, t); }
    void lost(const i2c::Origin& where) override { describeLoss(m_out, where); }
    void begin(const QByteArray&) override {}
    PieceSizes sizes() const override { return {m_out.size(), 0, m_hits}; }
    void takeInto(PieceOutput& out) override
    {
        out.text = m_out;
        out.records.clear();
        out.hits = m_hits;
        m_out.clear();
        m_hits = 0;
    }
    QByteArray m_out;
    qint64 m_hits = 0;
};

void mustEqual(const QByteArray& expected, const QByteArray& got, const char* how)
{
    if (expected == got)
        return;
    std::fprintf(stderr, "%s differs from the reference:\n--- reference\n%s--- got\n%s", how, expected.constData(),
                 got.constData());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input input{data, size};
    const int flags = input.next();
    const bool decode = flags & 1;
    QList<searchslot::Entry> entries;
    const int entryCount = (flags >> 1) % 7;
    for (int e = 0; e < entryCount; ++e) {
        QString pattern;
        for (int length = input.next() % 12; length > 0; --length)
            pattern += codepage::toChar(static_cast<uchar>(letter(input.next())));
        entries.append({pattern, QString()});
    }
    const int pieceSize = 1 + input.next() % 64;
    QByteArray log;
    while (!input.empty())
        log += letter(input.next());
    const QByteArray expected = reference(entries, log, decode);

    // Fed in pieces of one size after another.
    {
        LogScanner scanner(entries, decode, kRate);
        Described sink;
        scanner.restart();
        for (qsizetype at = 0, step = 1; at < log.size(); at += step, step = step % 7 + 1)
            scanner.feed(QByteArrayView(log.constData() + at, std::min<qsizetype>(step, log.size() - at)), sink);
        scanner.finish(sink);
        mustEqual(expected, sink.m_out, "fed in pieces");
    }
    // Cut as for several cores, each piece from rest, then confirmed from the true start.
    {
        LogScanner fromRest(entries, decode, kRate);
        LogScanner again(entries, decode, kRate);
        Described sink;
        QByteArray joined;
        std::vector<int> standing;
        LogPlace place;
        QByteArray rest = log;
        bool first = true;
        while (true) {
            qsizetype end = rest.size() <= pieceSize ? rest.size() : pieceEnd(rest.left(pieceSize), decode);
            if (end < 0)
                end = rest.size() <= pieceSize * 2 ? rest.size() : pieceEnd(rest.left(pieceSize * 2), decode);
            if (end < 0)
                end = rest.size();
            Piece piece;
            piece.bytes = rest.left(end);
            rest.remove(0, end);
            piece.place = place;
            piece.first = first;
            piece.last = rest.isEmpty();
            scanFromRest(fromRest, sink, piece);
            scanFrom(again, sink, piece, standing);
            standing = piece.endStanding;
            joined += piece.out.text;
            place = placeAfter(piece.bytes, place);
            first = false;
            if (piece.last)
                break;
        }
        mustEqual(expected, joined, "cut into pieces");
    }
    return 0;
}
