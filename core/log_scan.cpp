#include "core/log_scan.h"

#include "core/code_page.h"

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

LogScanner::LogScanner(const QList<searchslot::Entry>& entries, bool decode, double charactersPerSecond)
    : m_slots(entries), m_decode(decode), m_rate(charactersPerSecond)
{
}

void LogScanner::restartAt(const LogPlace& place, CompiledSlots::State state, bool afterStart)
{
    m_state = state;
    m_decoder = i2c::Decoder();
    if (afterStart)
        m_decoder.startedElsewhere();
    m_pending.clear();
    m_offset = place.offset;
    m_line = place.line;
    m_lineStart = place.lineStart;
    m_carriageReturn = false;
}

bool LogScanner::feed(QByteArrayView bytes, Sink& sink)
{
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
    m_data = at;
    m_base = m_offset;
    m_stopped = false;
    if (m_carriageReturn && at != end) {
        // The CR that ended the last piece.
        m_carriageReturn = false;
        if (*at == '\n') {
            ++m_line;
            m_lineStart = m_offset + 1;
            ++at;
        } else {
            received(nullptr, '\r', sink);
        }
    }
    if (m_decode)
        decodeBytes(at, end, sink);
    else
        scanBytes(at, end, sink);
    return !m_stopped;
}

// Out of the scan's loops, which it would otherwise make longer for every line.
bool LogScanner::stopsAt(qint64 offset)
{
    m_nextCheckpoint = m_checkpoint({offset, m_state});
    return m_nextCheckpoint == kStopScan;
}

// The matcher alone: the table runs from one CR to the next.
void LogScanner::scanBytes(const char* at, const char* end, Sink& sink)
{
    const auto hit = [&](const char* byte, int slot) { hitAt(m_base + (byte - m_data), slot, sink); };
    while (at != end) {
        at = m_slots.run(at, end, m_state, hit);
        if (at == end)
            break;
        if (*at == CompiledSlots::kDropped) {
            dropped(m_base + (at - m_data), sink);
            ++at;
            continue;
        }
        if (at + 1 == end) {
            m_carriageReturn = true;  // the next piece, or the end, decides
            ++at;
            break;
        }
        if (at[1] != '\n') {
            received(at, '\r', sink);
            ++at;
            continue;
        }
        at += 2;
        ++m_line;
        m_lineStart = m_base + (at - m_data);
        if (m_checkpoint && !m_decode && m_lineStart >= m_nextCheckpoint && stopsAt(m_lineStart)) {
            m_offset = m_lineStart;
            m_stopped = true;
            return;
        }
    }
    m_offset = m_base + (end - m_data);
}

// Decoding: a sound transaction in one go, anything else through the reference decoder.
void LogScanner::decodeBytes(const char* at, const char* end, Sink& sink)
{
    const auto decoded = [&](const i2c::Transaction& transaction) { transactionDone(transaction, sink); };
    while (at != end) {
        if (*at == 's') {
            m_decoder.settle(decoded);
            if (m_decoder.idle()) {
                const qint64 offset = m_base + (at - m_data);
                if (m_checkpoint && offset >= m_nextCheckpoint && stopsAt(offset)) {
                    m_offset = offset;
                    m_stopped = true;
                    return;
                }
                m_transaction.reset(originAt(offset));
                LineEnds lineEnds;
                if (const char* stop = soundTransaction(at, end, &lineEnds)) {
                    sink.transaction(m_transaction);
                    m_decoder.startedElsewhere();
                    if (m_slots.empty()) {
                        m_line += lineEnds.count;
                        if (lineEnds.lastAfter)
                            m_lineStart = m_base + (lineEnds.lastAfter - m_data);
                    } else {
                        scanBytes(at, stop, sink);
                        flushPending(sink);
                    }
                    at = stop;
                    continue;
                }
            }
        }
        if (*at == '\r') {
            if (at + 1 == end) {
                m_carriageReturn = true;
                ++at;
                break;
            }
            if (at[1] == '\n') {
                at += 2;
                ++m_line;
                m_lineStart = m_base + (at - m_data);
                continue;
            }
        }
        received(at, *at, sink);
        ++at;
    }
    m_offset = m_base + (end - m_data);
}

// A sound transaction from the START at at, within the bytes: START, address byte with its
// ACK or NACK, data bytes with theirs, repeated STARTs, STOP; line ends may fall anywhere.
// Decoded into m_transaction; returns the end of its STOP, or nullptr when it is not sound
// or not complete here (the reference decoder then takes it character by character).
const char* LogScanner::soundTransaction(const char* at, const char* end, LineEnds* lineEnds)
{
    const char* p = at + 1;
    const auto next = [&]() -> int {
        while (p != end) {
            if (*p != '\r')
                return static_cast<uchar>(*p++);
            if (p + 1 == end || p[1] != '\n')
                return -1;
            p += 2;
            ++lineEnds->count;
            lineEnds->lastAfter = p;
        }
        return -1;
    };
    // A byte as two hex digits and its answer; false when the text is anything else.
    const auto byte = [&](int first, int* value, bool* acked) {
        const int high = hexValue(static_cast<char>(first));
        const int second = next();
        const int low = second < 0 ? -1 : hexValue(static_cast<char>(second));
        const int answer = next();
        if (high < 0 || low < 0 || (answer != 'a' && answer != 'n'))
            return false;
        *value = high * 16 + low;
        *acked = answer == 'a';
        return true;
    };
    i2c::Transaction& t = m_transaction;
    // Segments are made in place: building one aside and copying it in stalled the copy.
    t.segments.emplace_back();
    bool addressNext = true;
    for (;;) {
        const int c = next();
        if (c == 'p') {
            t.stopped = true;
            return p;
        }
        if (c == 'r' && !addressNext) {
            i2c::Segment& segment = t.segments.emplace_back();
            segment.repeated = true;
            segment.firstByte = t.data.size();
            addressNext = true;
            continue;
        }
        int value = 0;
        bool acked = false;
        if (c < 0 || !byte(c, &value, &acked))
            return nullptr;
        i2c::Segment& segment = t.segments.back();
        if (addressNext) {
            segment.addressByte = value;
            segment.addressAnswered = true;
            segment.addressAcked = acked;
            addressNext = false;
        } else {
            t.data.push_back(static_cast<quint8>(value));
            t.answers.push_back(acked ? 'a' : 'n');
            ++segment.byteCount;
        }
    }
}

// One received character through the reference decoder and one step of the matcher; at is
// its place in the piece (nullptr: the CR that ended the piece before).
void LogScanner::received(const char* at, char byte, Sink& sink)
{
    const qint64 offset = at ? m_base + (at - m_data) : m_offset - 1;
    if (m_decode) {
        const auto decoded = [&](const i2c::Transaction& transaction) { transactionDone(transaction, sink); };
        m_decoder.settle(decoded);
        m_decoder.feed(codepage::toChar(static_cast<uchar>(byte)), originAt(offset), decoded);
    }
    if (byte == CompiledSlots::kDropped) {
        dropped(offset, sink);
        return;
    }
    m_slots.step(m_state, static_cast<uchar>(byte), at, [&](const char*, int slot) { hitAt(offset, slot, sink); });
}

// Lost input: told, and no hit is made of characters from both sides of it.
void LogScanner::dropped(qint64 offset, Sink& sink)
{
    flushPending(sink);
    sink.lost(originAt(offset));
    m_state = CompiledSlots::kAtRest;
}

void LogScanner::hitAt(qint64 offset, int slot, Sink& sink)
{
    const Hit hit{m_line, offset - m_lineStart + 1, slot};
    if (m_decode)
        m_pending.push_back(hit);  // after the transaction it completed in
    else
        sink.hit(hit);
}

void LogScanner::flushPending(Sink& sink)
{
    for (const Hit& hit : m_pending)
        sink.hit(hit);
    m_pending.clear();
}

// A decoded transaction, and after it the hits that completed in it.
void LogScanner::transactionDone(const i2c::Transaction& transaction, Sink& sink)
{
    sink.transaction(transaction);
    flushPending(sink);
}

// The CR that ended the bytes fed: the last of the log or of a piece, so no LF follows.
void LogScanner::lastCarriageReturn(Sink& sink)
{
    if (!m_carriageReturn)
        return;
    m_carriageReturn = false;
    received(nullptr, '\r', sink);
}

i2c::Origin LogScanner::originAt(qint64 offset) const
{
    return {m_line, offset - m_lineStart + 1, double(offset - 2 * (m_line - 1)) / m_rate};
}

void LogScanner::finish(Sink& sink)
{
    lastCarriageReturn(sink);
    if (m_decode)
        m_decoder.finish([&](const i2c::Transaction& transaction) { transactionDone(transaction, sink); });
    flushPending(sink);
}

void LogScanner::endPiece(Sink& sink)
{
    lastCarriageReturn(sink);
    if (m_decode)
        m_decoder.endBeforeStart([&](const i2c::Transaction& transaction) { transactionDone(transaction, sink); });
    flushPending(sink);
}
