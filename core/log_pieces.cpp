#include "core/log_pieces.h"

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

LogPlace placeAfter(const QByteArray& bytes, const LogPlace& place)
{
    LogPlace after = place;
    const char* data = bytes.constData();
    const char* const end = data + bytes.size();
    for (const char* at = data; at != end;) {
        const char* lineFeed = static_cast<const char*>(std::memchr(at, '\n', std::size_t(end - at)));
        if (!lineFeed)
            break;
        if (lineFeed != data && lineFeed[-1] == '\r') {
            ++after.line;
            after.lineStart = place.offset + (lineFeed + 1 - data);
        }
        at = lineFeed + 1;
    }
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
    piece.out = std::move(again);
}
