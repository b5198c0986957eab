#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

#include <vector>

// The bus probe's text read as I2C transactions: "s" START, "r" repeated START, two
// upper-case hex digits per byte followed by "a" (ACK) or "n" (NACK), "p" STOP. Fed one
// received character at a time, like the matcher; it never changes what the matcher sees.
namespace i2c {

// Two characters of the probe's own, for what a passive probe cannot hide. "!": the serial
// line could not carry the bus, and transactions (or the rest of one) were dropped here;
// it is lost input, as a driver's overrun is. "?": a START or STOP came inside a byte, whose
// bits are lost.
constexpr char16_t kProbeDropped = u'!';
constexpr char16_t kProbeCutByte = u'?';

// Where a transaction began: the number of the monitor line (from 1) and the column (from 1)
// of its first character, and the seconds since the port was opened (0 for a saved log).
struct Origin {
    qint64 line = 0;
    qint64 column = 0;
    double seconds = 0;
};

struct Segment {
    bool repeated = false;         // begun by a repeated START
    int addressByte = -1;          // the byte after the START; -1 before it came
    bool addressAnswered = false;  // its ACK or NACK came
    bool addressAcked = false;
    std::size_t firstByte = 0;     // its data bytes in Transaction::data
    std::size_t byteCount = 0;
};

// Kept flat, and its storage reused from one transaction to the next: a capture of a
// hundred million characters holds some five million transactions.
struct Transaction {
    Origin origin;
    std::vector<Segment> segments;
    std::vector<quint8> data;      // every segment's data bytes, in order
    std::vector<char> answers;     // per data byte that was answered: 'a' ACK or 'n' NACK
    bool stopped = false;          // ended with a STOP
    bool open = false;             // still going when the input ended
    // Begun before the input did (the port was opened, or the capture began, in the middle
    // of a transaction): its characters up to the first START or STOP, not decoded.
    bool partial = false;
    QString malformed;             // why it breaks the probe's grammar; empty when sound
    QString raw;                   // its characters, as received

    bool acked(std::size_t byte) const { return byte < answers.size() && answers[byte] == 'a'; }
    bool answered(std::size_t byte) const { return byte < answers.size(); }
    void reset(const Origin& at);
};

// One transaction on one line, the abbreviations of common I2C protocol decoders:
//   S 48 W A 00 A Sr 48 R A 19 A 80 N P
// S START, Sr repeated START, the 7-bit address in hex with W (write) or R (read), A ACK,
// N NACK, each data byte in hex with its A or N, P STOP; "(open)" instead of P for one that
// was still going when the input ended. A malformed one: "! WHY: RAW". A partial one:
// "(partial) RAW", with " (open)" when no STOP came.
QString compactText(const Transaction& transaction);
// The same, appended to bytes (the local 8-bit encoding for a malformed one's characters).
void appendCompactText(const Transaction& transaction, QByteArray& out);

class Decoder {
public:
    // A character. Transactions that ended before it (a START that broke into one) go to
    // the sink at once; one that this character completes is held for settle().
    template <typename Sink>
    void feed(QChar ch, const Origin& origin, Sink&& sink)
    {
        if (m_held) {
            sink(m_current);
            m_held = false;
            m_state = State::Idle;
        }
        step(ch, origin, [&](Transaction& done) { sink(done); });
    }
    // A line event of the port (a framing error, a break): the transaction it falls into
    // is malformed.
    template <typename Sink>
    void lineEvent(const Origin& origin, Sink&& sink)
    {
        settle(sink);
        if (m_state == State::Idle)
            begin(origin);
        m_pending = QChar();
        fail(QStringLiteral("line event of the port"));
    }
    // The input broke off (the device went away): a transaction that was going is shown as
    // broken by the gap, and what comes before the next START is partial again.
    template <typename Sink>
    void breakOff(const QString& why, Sink&& sink)
    {
        settle(sink);
        if (m_state != State::Idle) {
            m_pending = QChar();
            fail(why);
            sink(m_current);
            m_state = State::Idle;
        }
        m_started = false;
    }
    // After the character's hits: the transaction it completed, if any.
    template <typename Sink>
    void settle(Sink&& sink)
    {
        if (!m_held)
            return;
        sink(m_current);
        m_held = false;
        m_state = State::Idle;
    }
    // A START comes next: the transaction going ends as that START would end it (sound
    // only if it was finished). For a piece of a log that ends before a START.
    template <typename Sink>
    void endBeforeStart(Sink&& sink)
    {
        settle(sink);
        if (m_state == State::Idle)
            return;
        m_pending = QChar();  // the START belongs to the next one
        if (m_state != State::Malformed && m_state != State::Partial)
            fail(QStringLiteral("START before the STOP of the transaction before"));
        sink(m_current);
        m_state = State::Idle;
    }
    // Between transactions, nothing held: a caller may decode the next one itself.
    bool idle() const { return m_state == State::Idle && !m_held; }
    // A caller decoded a whole transaction, START to STOP, itself; or a piece of a log
    // begins at a START with one before it.
    void startedElsewhere() { m_started = true; }
    // The end of the input: a transaction still going is shown as open.
    template <typename Sink>
    void finish(Sink&& sink)
    {
        settle(sink);
        if (m_state == State::Idle)
            return;
        m_current.open = m_current.malformed.isEmpty();
        sink(m_current);
        m_state = State::Idle;
    }

private:
    enum class State {
        Idle,         // between transactions
        Address,      // after a START: the address byte, or a STOP
        AddressHex,   // one hex digit of the address came
        AddressAck,   // the address byte came: its ACK or NACK
        Data,         // after an ACK or NACK: a data byte, a repeated START or a STOP
        DataHex,      // one hex digit of a data byte came
        DataAck,      // a data byte came: its ACK or NACK
        Malformed,    // the grammar broke: characters until the next START or STOP
        Partial,      // before the input's first START: characters until a START or STOP
    };

    template <typename Sink>
    void step(QChar ch, const Origin& origin, Sink&& sink);
    void begin(const Origin& origin);
    // A START or repeated START: a segment whose address comes next.
    void beginSegment(bool repeated);
    void fail(const QString& why);
    QString soundText() const;

    State m_state = State::Idle;
    Transaction m_current;
    int m_high = 0;        // the first hex digit of a byte
    QChar m_pending;       // the character being taken in, for a failure's raw text
    bool m_held = false;   // m_current was completed by the last character
    bool m_started = false;  // a START came since the input began
};

template <typename Sink>
void Decoder::step(QChar ch, const Origin& origin, Sink&& sink)
{
    const char16_t c = ch.unicode();
    const int hex = (c >= u'0' && c <= u'9') ? c - u'0' : (c >= u'A' && c <= u'F') ? c - u'A' + 10 : -1;
    if (c == kProbeDropped) {
        // The probe dropped the rest of the transaction going: it ends here, broken. What
        // comes before the next START belongs to one whose beginning was dropped (the probe
        // sends on from a repeated START too): partial, as after a gap.
        m_started = false;
        if (m_state == State::Idle)
            return;
        if (m_state == State::Malformed || m_state == State::Partial)
            m_current.raw += ch;
        else
            m_pending = ch;
        fail(QStringLiteral("input lost: the probe dropped the rest"));
        sink(m_current);
        m_state = State::Idle;
        return;
    }
    if (c == u's') {
        // A START ends whatever came before it: sound only if that was finished.
        endBeforeStart(sink);
        m_started = true;
        begin(origin);
        beginSegment(false);
        return;
    }
    if (m_state == State::Idle) {
        begin(origin);
        // Text before the first START: the rest of a transaction that began before the
        // input did, not a fault of the bus.
        if (!m_started) {
            m_current.partial = true;
            m_state = State::Partial;
        }
    }
    // A sound transaction's characters are its decoded parts; only a malformed or partial
    // one keeps them as they came (fail() writes out what came before).
    if (m_state == State::Malformed || m_state == State::Partial)
        m_current.raw += ch;
    else
        m_pending = ch;
    if (c == kProbeCutByte && m_state != State::Malformed) {
        fail(QStringLiteral("START or STOP inside a byte"));
        return;
    }
    const bool known = hex >= 0 || c == u'r' || c == u'p' || c == u'a' || c == u'n';
    if (!known && m_state != State::Malformed) {
        fail(QStringLiteral("character outside the probe's text"));
        return;
    }
    switch (m_state) {
    case State::Malformed:
        if (c == u'p')
            m_held = true;
        return;
    case State::Partial:
        if (c == u'p') {
            m_current.stopped = true;
            m_held = true;
        }
        return;
    case State::Address:
    case State::Data:
        if (c == u'p') {
            m_current.stopped = true;
            m_held = true;
        } else if (c == u'r' && m_state == State::Data) {
            beginSegment(true);
        } else if (hex >= 0) {
            m_high = hex;
            m_state = m_state == State::Address ? State::AddressHex : State::DataHex;
        } else {
            fail(m_state == State::Address ? QStringLiteral("no address after the START")
                                           : QStringLiteral("ACK or NACK without a byte"));
        }
        return;
    case State::AddressHex:
    case State::DataHex:
        if (hex < 0) {
            fail(QStringLiteral("odd number of hex digits"));
            return;
        }
        if (m_state == State::AddressHex) {
            m_current.segments.back().addressByte = m_high * 16 + hex;
            m_state = State::AddressAck;
        } else {
            m_current.data.push_back(static_cast<quint8>(m_high * 16 + hex));
            ++m_current.segments.back().byteCount;
            m_state = State::DataAck;
        }
        return;
    case State::AddressAck:
    case State::DataAck:
        if (c != u'a' && c != u'n') {
            fail(QStringLiteral("byte without ACK or NACK"));
            return;
        }
        if (m_state == State::AddressAck) {
            m_current.segments.back().addressAnswered = true;
            m_current.segments.back().addressAcked = c == u'a';
        } else {
            m_current.answers.push_back(static_cast<char>(c));
        }
        m_state = State::Data;
        return;
    case State::Idle:
        if (c == u'p')
            fail(QStringLiteral("STOP without START"));
        else if (c == u'r')
            fail(QStringLiteral("repeated START without START"));
        else
            fail(QStringLiteral("data before any START"));
        if (c == u'p')
            m_held = true;
        return;
    }
}

}  // namespace i2c
