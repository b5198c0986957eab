#include "core/log_pieces.h"

#include <algorithm>
#include <cstring>
#include <limits>

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

// Sixteen bytes at once, by the compiler's vector extension (GCC and Clang, on every target
// we build), without assuming an instruction set beyond the target's baseline.
using Bytes16 = signed char __attribute__((vector_size(16)));

// CR LF pairs. This runs over every byte of a log on the thread that hands out the pieces, and
// a monitor log's lines are a transaction each, some twenty bytes: a byte-wise or per-line
// count would hold up every core. A LF first in a piece has no CR before it: pieces end after
// a CR LF, never between the two.
qint64 countLineEnds(const char* data, qsizetype size)
{
    qint64 count = 0;
    qsizetype i = 1;
    while (i + 16 <= size) {
        // Each pair adds one to its lane; 255 rounds at most before a lane would overflow.
        Bytes16 lanes = {};
        for (int round = 0; round < 255 && i + 16 <= size; ++round, i += 16) {
            Bytes16 here;
            Bytes16 before;
            std::memcpy(&here, data + i, sizeof here);
            std::memcpy(&before, data + i - 1, sizeof before);
            lanes -= (here == '\n') & (before == '\r');
        }
        for (int lane = 0; lane < 16; ++lane)
            count += static_cast<unsigned char>(lanes[lane]);
    }
    for (; i < size; ++i)
        count += data[i] == '\n' && data[i - 1] == '\r';
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
    // The first piece is never scanned again: it needs no checkpoints.
    if (!piece.first) {
        scanner.setCheckpointHook([&](const LogScanner::Checkpoint& at) {
            piece.checkpoints.push_back({at.offset, scanner.matcher().standing(at.state), sink.sizes()});
            return piece.checkpoints.size() < kEarlyCheckpoints ? at.offset + 1 : at.offset + kCheckpointSpacing;
        });
    }
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
        if (next < piece.checkpoints.size() && piece.checkpoints[next].offset == at.offset) {
            if (piece.checkpoints[next].standing == scanner.matcher().standing(at.state)) {
                agreed = &piece.checkpoints[next];
                return LogScanner::kStopScan;
            }
            ++next;  // only the places noted in the first run can agree with it
        }
        return next < piece.checkpoints.size() ? piece.checkpoints[next].offset : std::numeric_limits<qint64>::max();
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
