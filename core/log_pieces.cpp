#include "core/log_pieces.h"

#include <QSysInfo>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

// Where a piece scanned from rest notes how it stands: at its first places, where an attempt
// under way at its start has nearly always ended, then every 64 KiB.
constexpr std::size_t kEarlyCheckpoints = 64;
constexpr qint64 kCheckpointSpacing = 64 * 1024;

bool atRest(const std::vector<int>& standing)
{
    return std::all_of(standing.begin(), standing.end(), [](int position) { return position == 0; });
}

void endOf(LogScanner& scanner, PieceSink& sink, const Piece& piece)
{
    if (piece.last)
        scanner.finish(sink);
    else
        scanner.endPiece(sink);
}

}  // namespace

qsizetype pieceEnd(const QByteArray& bytes, bool decoding)
{
    if (decoding) {
        const qsizetype start = bytes.lastIndexOf('s');
        return start > 0 ? start : -1;
    }
    const qsizetype lineEnd = bytes.lastIndexOf("\r\n");
    if (lineEnd >= 0)
        return lineEnd + 2;
    const qsizetype end = bytes.endsWith('\r') ? bytes.size() - 1 : bytes.size();
    return end > 0 ? end : -1;
}

namespace {

// The bytes of a word equal to value, as the high bit of each (exact, no false matches).
quint64 bytesEqual(quint64 word, quint64 value)
{
    constexpr quint64 kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    const quint64 x = word ^ (value * 0x0101010101010101ULL);
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

// CR LF pairs, eight bytes at a time: this runs over every byte of a log, on one core.
qint64 countLineEnds(const char* data, qsizetype size)
{
    qint64 count = 0;
    quint64 carriedCr = 0;  // the last byte of the word before was a CR
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, data + i, 8);
        if (QSysInfo::ByteOrder == QSysInfo::BigEndian)
            word = qbswap(word);
        const quint64 cr = bytesEqual(word, '\r');
        const quint64 lf = bytesEqual(word, '\n');
        // Each pair is a byte's high bit: summed by one multiplication, without a popcount
        // instruction the build cannot assume.
        count += qint64(((((cr << 8) | carriedCr) & lf) >> 7) * 0x0101010101010101ULL >> 56);
        carriedCr = (cr >> 56) & 0x80;
    }
    for (; i < size; ++i) {
        const bool lf = data[i] == '\n';
        count += lf && (i > 0 ? data[i - 1] == '\r' : carriedCr != 0);
    }
    return count;
}

}  // namespace

LogPlace placeAfter(const QByteArray& bytes, const LogPlace& place, bool countLines)
{
    const qint64 lineEnds = countLines ? countLineEnds(bytes.constData(), bytes.size()) : 0;
    LogPlace after = place;
    after.line += lineEnds;
    if (lineEnds > 0)
        after.lineStart = place.offset + bytes.lastIndexOf("\r\n") + 2;
    after.offset = place.offset + bytes.size();
    return after;
}

void scanFromRest(LogScanner& scanner, PieceSink& sink, Piece& piece)
{
    scanner.restartAt(piece.place, CompiledSlots::kAtRest, !piece.first);
    sink.begin(piece.source);
    qint64 lastNoted = -kCheckpointSpacing;
    scanner.setCheckpointHook([&](const LogScanner::Checkpoint& at) {
        if (!piece.first && (piece.checkpoints.size() < kEarlyCheckpoints || at.offset - lastNoted >= kCheckpointSpacing)) {
            piece.checkpoints.push_back({at.offset, scanner.matcher().standing(at.state), sink.sizes()});
            lastNoted = at.offset;
        }
        return true;
    });
    scanner.feed(piece.bytes, sink);
    endOf(scanner, sink, piece);
    scanner.setCheckpointHook({});
    piece.endStanding = scanner.matcher().standing(scanner.state());
    sink.takeInto(piece.out);
}

void scanFrom(LogScanner& scanner, PieceSink& sink, Piece& piece, const std::vector<int>& standing)
{
    if (piece.first || atRest(standing))
        return;
    scanner.restartAt(piece.place, scanner.matcher().stateStanding(standing), true);
    sink.begin(piece.source);
    std::size_t next = 0;
    const Piece::Checkpoint* agreed = nullptr;
    scanner.setCheckpointHook([&](const LogScanner::Checkpoint& at) {
        while (next < piece.checkpoints.size() && piece.checkpoints[next].offset < at.offset)
            ++next;
        if (next < piece.checkpoints.size() && piece.checkpoints[next].offset == at.offset &&
            piece.checkpoints[next].standing == scanner.matcher().standing(at.state)) {
            agreed = &piece.checkpoints[next];
            return false;
        }
        return true;
    });
    if (scanner.feed(piece.bytes, sink))
        endOf(scanner, sink, piece);
    scanner.setCheckpointHook({});
    PieceOutput again;
    sink.takeInto(again);
    if (!agreed) {
        piece.endStanding = scanner.matcher().standing(scanner.state());
        piece.out = std::move(again);
        return;
    }
    // Up to the place where both stand alike, the second run; after it, the first.
    again.text += piece.out.text.mid(agreed->sizes.text);
    again.records += piece.out.records.mid(agreed->sizes.records);
    again.hits += piece.out.hits - agreed->sizes.hits;
    again.lossText += piece.out.lossText.mid(agreed->sizes.lossText);
    again.losses += piece.out.losses - agreed->sizes.losses;
    piece.out = std::move(again);
}
