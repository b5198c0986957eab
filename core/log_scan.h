#pragma once

#include "core/compiled_slots.h"
#include "core/transaction_decoder.h"

#include <QByteArrayView>
#include <QList>

#include <vector>

// Runs the window's matcher, and the decoder, over a saved monitor log. The log holds the
// monitor lines, each followed by CR LF; those pairs are taken out, so the matcher sees the
// received characters in the order they came, as it did live. A log is fed in pieces of any
// size, so memory does not grow with its length; a piece of a large log can also be scanned
// on its own (see LogPlace), for several cores.
//
// Sound transactions (START, bytes with their ACK or NACK, STOP) are decoded here in one go;
// anything else goes through i2c::Decoder character by character, which stays the reference.

// Where a piece of a log begins: its byte offset in the log, the monitor line there and the
// offset at which that line began. Characters received before it are offset - 2 (line - 1).
struct LogPlace {
    qint64 offset = 0;
    qint64 line = 1;
    qint64 lineStart = 0;
};

class LogScanner {
public:
    struct Hit {
        qint64 line;    // number of the monitor line, the first being 1 (as grep -n and editors count)
        qint64 column;  // 1-based column of the character that completed the hit
        int slot;       // index into the entries
    };
    // What a scan finds, in the order it is written: decoding, each transaction and then
    // the hits that completed in it.
    class Sink {
    public:
        virtual ~Sink() = default;
        virtual void hit(const Hit& hit) = 0;
        virtual void transaction(const i2c::Transaction& transaction) = 0;
        // The probe's "!": it dropped transactions here. Lost input, as live.
        virtual void lost(const i2c::Origin& where) = 0;
    };
    // A place where the output so far is whole (no hit waits for its transaction), offered
    // to the caller: a piece scanned from a guessed start is compared there with the true run.
    struct Checkpoint {
        qint64 offset;
        CompiledSlots::State state;
    };
    // The hook answers with the offset of the next place it wants: none before it is offered,
    // so that a hook wanting few costs no call a line. kStopScan: the scan stops here.
    using CheckpointHook = std::function<qint64(const Checkpoint&)>;
    static constexpr qint64 kStopScan = -1;

    // One slot per entry, in the order given (the window's slot order is list order).
    // decode: transactions too, timed by their place at charactersPerSecond.
    LogScanner(const QList<searchslot::Entry>& entries, bool decode, double charactersPerSecond);

    // Every slot at rest, at the start of line 1: for the next log.
    void restart() { restartAt(LogPlace(), CompiledSlots::kAtRest, false); }
    // A piece that begins at place with the slots standing as state; afterStart: a START came
    // before it in the log (a decoded piece begins at a START).
    void restartAt(const LogPlace& place, CompiledSlots::State state, bool afterStart);
    // The next bytes of the log. Returns false when the checkpoint hook stopped it.
    bool feed(QByteArrayView bytes, Sink& sink);
    // The end of the log: a CR it ended with was a received character.
    void finish(Sink& sink);
    // The end of a piece that the next piece goes on from (pieces never split a CR LF, and
    // decoded ones begin at a START): a CR it ended with was a received character.
    void endPiece(Sink& sink);
    // The first place offered is the first of the next bytes fed.
    void setCheckpointHook(CheckpointHook hook)
    {
        m_checkpoint = std::move(hook);
        m_nextCheckpoint = 0;
    }

    CompiledSlots& matcher() { return m_slots; }
    CompiledSlots::State state() const { return m_state; }
    LogPlace place() const { return {m_offset, m_line, m_lineStart}; }

private:
    class Pending;
    void scanBytes(const char* at, const char* end, Sink& sink);
    // The checkpoint hook asked at offset: whether the scan stops there.
    Q_DECL_COLD_FUNCTION bool stopsAt(qint64 offset);
    void decodeBytes(const char* at, const char* end, Sink& sink);
    struct LineEnds {
        qint64 count = 0;
        const char* lastAfter = nullptr;  // just after the last one
    };
    const char* soundTransaction(const char* at, const char* end, LineEnds* lineEnds);
    void matchTransaction(const char* at, const char* end, Sink& sink);
    void received(const char* at, char byte, Sink& sink);
    void dropped(qint64 offset, Sink& sink);
    void hitAt(qint64 offset, int slot, Sink& sink);
    void flushPending(Sink& sink);
    void transactionDone(const i2c::Transaction& transaction, Sink& sink);
    void lastCarriageReturn(Sink& sink);
    i2c::Origin originAt(qint64 offset) const;

    CompiledSlots m_slots;
    CompiledSlots::State m_state = CompiledSlots::kAtRest;
    bool m_decode;
    double m_rate;
    i2c::Decoder m_decoder;
    i2c::Transaction m_transaction;  // one decoded here, its storage reused
    std::vector<Hit> m_pending;      // hits that wait for their transaction
    CheckpointHook m_checkpoint;
    qint64 m_nextCheckpoint = 0;  // the hook's next place wanted
    qint64 m_offset = 0;      // of the next byte of the log
    qint64 m_line = 1;
    qint64 m_lineStart = 0;
    qint64 m_base = 0;        // offset of the piece's first byte, for positions in it
    const char* m_data = nullptr;  // the piece being fed
    bool m_carriageReturn = false;  // a CR waits: a line end if LF follows
    bool m_stopped = false;
};
