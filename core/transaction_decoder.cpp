#include "core/transaction_decoder.h"

namespace i2c {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void appendHex(QByteArray& out, int byte)
{
    out += kHexDigits[(byte >> 4) & 0xF];
    out += kHexDigits[byte & 0xF];
}

}  // namespace

void Transaction::reset(const Origin& at)
{
    // Cleared, not freed: the next transaction reuses the storage.
    origin = at;
    segments.clear();
    data.clear();
    answers.clear();
    stopped = false;
    open = false;
    partial = false;
    if (!malformed.isEmpty())
        malformed = QString();
    raw.truncate(0);
}

void appendCompactText(const Transaction& transaction, QByteArray& out)
{
    if (!transaction.malformed.isEmpty()) {
        out += "! ";
        out += transaction.malformed.toLocal8Bit();
        out += ": ";
        out += transaction.raw.toLocal8Bit();
        return;
    }
    if (transaction.partial) {
        out += "(partial) ";
        out += transaction.raw.toLocal8Bit();
        if (transaction.open)
            out += " (open)";
        return;
    }
    // Written into room made once: this runs for every transaction of a capture.
    const qsizetype start = out.size();
    // At most 10 characters a segment ("Sr 48 W A "), 5 a data byte ("00 A "), 6 at the end.
    out.resize(start + 8 + 12 * static_cast<qsizetype>(transaction.segments.size()) +
               6 * static_cast<qsizetype>(transaction.data.size()));
    char* at = out.data() + start;
    const auto put = [&at](const char* text) {
        while (*text)
            *at++ = *text++;
    };
    const auto hex = [&at](int byte) {
        *at++ = kHexDigits[(byte >> 4) & 0xF];
        *at++ = kHexDigits[byte & 0xF];
    };
    for (const Segment& segment : transaction.segments) {
        put(segment.repeated ? "Sr " : "S ");
        if (segment.addressByte < 0)
            continue;
        hex(segment.addressByte >> 1);
        put((segment.addressByte & 1) ? " R " : " W ");
        if (segment.addressAnswered)
            put(segment.addressAcked ? "A " : "N ");
        // In an open transaction the last byte may still wait for its answer.
        for (std::size_t i = segment.firstByte; i < segment.firstByte + segment.byteCount; ++i) {
            hex(transaction.data[i]);
            *at++ = ' ';
            if (transaction.answered(i))
                put(transaction.acked(i) ? "A " : "N ");
        }
    }
    put(transaction.stopped ? "P" : "(open)");
    out.truncate(at - out.constData());
}

QString compactText(const Transaction& transaction)
{
    QByteArray out;
    appendCompactText(transaction, out);
    return QString::fromLocal8Bit(out);
}

void Decoder::begin(const Origin& origin)
{
    m_current.reset(origin);
}

void Decoder::beginSegment(bool repeated)
{
    Segment segment;
    segment.repeated = repeated;
    segment.firstByte = m_current.data.size();
    m_current.segments.push_back(segment);
    m_state = State::Address;
}

void Decoder::fail(const QString& why)
{
    if (m_state == State::Malformed)
        return;
    if (m_state == State::Partial) {
        // Its characters are kept as they came already.
        m_current.malformed = why;
        m_state = State::Malformed;
        return;
    }
    // The characters so far, as they came: the sound part rebuilt from what was decoded,
    // then the one that broke the grammar.
    m_current.raw = soundText();
    if (!m_pending.isNull())
        m_current.raw += m_pending;
    m_current.malformed = why;
    m_state = State::Malformed;
}

QString Decoder::soundText() const
{
    QByteArray text;
    for (const Segment& segment : m_current.segments) {
        text += segment.repeated ? 'r' : 's';
        if (segment.addressByte >= 0) {
            appendHex(text, segment.addressByte);
            if (segment.addressAnswered)
                text += segment.addressAcked ? 'a' : 'n';
        }
        for (std::size_t i = segment.firstByte; i < segment.firstByte + segment.byteCount; ++i) {
            appendHex(text, m_current.data[i]);
            if (m_current.answered(i))
                text += m_current.answers[i];
        }
    }
    // The first digit of a byte that was still coming.
    if (m_state == State::AddressHex || m_state == State::DataHex)
        text += kHexDigits[m_high];
    return QString::fromLatin1(text);
}

}  // namespace i2c
