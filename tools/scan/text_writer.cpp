#include "tools/scan/text_writer.h"


namespace {

// A number in decimal: millions of hit lines carry two.
void appendDecimal(QByteArray& out, qint64 value)
{
    char digits[24];
    char* at = digits + sizeof digits;
    quint64 rest = value < 0 ? quint64(0) - quint64(value) : quint64(value);
    do {
        *--at = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (value < 0)
        *--at = '-';
    out.append(at, digits + sizeof digits - at);
}

}  // namespace

QByteArray& TextWriter::begin(double t, const QByteArray& source, qint64 line, qint64 column)
{
    QByteArray& out = m_out.begin();
    if (m_time) {
        out += m_clock.stamp(t);
        out += ' ';
    }
    if (m_where) {
        out += source;
        out += ':';
        appendDecimal(out, line);
        out += ':';
        appendDecimal(out, column);
        out += ": ";
    }
    return out;
}

bool TextWriter::hit(const HitFound& hit)
{
    QByteArray& out = begin(hit.t, hit.source, hit.line, hit.column);
    if (hit.localText.isNull())
        out += hit.text.toLocal8Bit();
    else
        out += hit.localText;
    return m_out.end();
}

bool TextWriter::transaction(const i2c::Transaction& transaction, const QByteArray& source)
{
    if (!m_transactions)
        return true;
    const i2c::Origin& origin = transaction.origin;
    i2c::appendCompactText(transaction, begin(origin.seconds, source, origin.line, origin.column));
    return m_out.end();
}
