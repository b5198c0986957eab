#pragma once

#include "core/log_scan.h"

#include <QByteArray>

#include <vector>

// A large log scanned in pieces on several cores. A piece ends after a line end (before a
// START when decoding), never between a CR and its LF, and is scanned on its own from every
// slot at rest. Where the piece before it really ended with an attempt under way, the piece
// is scanned again from there until both runs stand alike at the same place; from there on
// the first run holds. Attempts end within a pattern's length, so the second run is short.

// What a piece wrote, collected: the lines, the records (pcapng), the number of hits, and
// the lines that tell of lost input (for standard error) with their number.
struct PieceOutput {
    QByteArray text;
    QByteArray records;
    qint64 hits = 0;
    QByteArray lossText;
    qint64 losses = 0;
};
struct PieceSizes {
    qsizetype text = 0;
    qsizetype records = 0;
    qint64 hits = 0;
    qsizetype lossText = 0;
    qint64 losses = 0;
};

// The writers of one core, collecting.
class PieceSink : public LogScanner::Sink {
public:
    virtual void begin(const QByteArray& source) = 0;
    // How much it holds.
    virtual PieceSizes sizes() const = 0;
    // Hands the output over into out (emptied first), and keeps out's storage for the next:
    // memory is reused from piece to piece.
    virtual void takeInto(PieceOutput& out) = 0;
};

struct Piece {
    QByteArray source;  // the log's name
    QByteArray bytes;
    LogPlace place;
    bool first = false;  // the log's first: scanned from its true start
    bool last = false;   // the log's last: its end is the log's

    struct Checkpoint {
        qint64 offset;
        std::vector<int> standing;
        PieceSizes sizes;
    };
    PieceOutput out;
    std::vector<Checkpoint> checkpoints;
    std::vector<int> endStanding;
};

// Where bytes read so far may end a piece; -1 when they cannot end one yet.
qsizetype pieceEnd(const QByteArray& bytes, bool decoding);
// The place after a piece that begins at place: its line ends counted (or, when no output
// shows lines, columns or times, only its bytes).
LogPlace placeAfter(const QByteArray& bytes, const LogPlace& place, bool countLines = true);

// The piece from every slot at rest, as if the log began there (true of its first piece).
void scanFromRest(LogScanner& scanner, PieceSink& sink, Piece& piece);
// The piece again from where the piece before truly ended; a no-op when that was at rest.
void scanFrom(LogScanner& scanner, PieceSink& sink, Piece& piece, const std::vector<int>& standing);
