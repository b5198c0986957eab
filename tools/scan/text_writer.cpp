#include "tools/scan/text_writer.h"

#include <cstdio>

QByteArray& TextWriter::begin(double t, const QByteArray& source, qint64 line, qint64 column)
{
    QByteArray& out = m_out.begin();
    if (m_time) {
        out += m_clock.stamp(t);
        out += ' ';
    }
    if (m_where) {
        char place[48];
        const int length = std::snprintf(place, sizeof place, ":%lld:%lld: ", static_cast<long long>(line),
                                         static_cast<long long>(column));
        out += source;
        out.append(place, length);
    }
    return out;
}

bool TextWriter::hit(const HitFound& hit)
{
    begin(hit.t, hit.source, hit.line, hit.column) += hit.text.toLocal8Bit();
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
