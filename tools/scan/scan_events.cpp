#include "tools/scan/scan_events.h"

#include "tools/scan/output_queue.h"

#include <QDateTime>

#include <cmath>
#include <cstdio>
#include <utility>

QByteArray ScanClock::stamp(double seconds) const
{
    if (!utc)
        return QByteArray::number(seconds, 'f', 6);
    // From the wall-clock time of the open and the monotonic clock since: a clock the system
    // sets meanwhile does not make times run backwards within a capture.
    const qint64 us = openedAtUs + std::llround(seconds * 1e6);
    char fraction[24];
    std::snprintf(fraction, sizeof fraction, ".%06lld", static_cast<long long>(us % 1000000));
    return QDateTime::fromMSecsSinceEpoch(us / 1000, Qt::UTC).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toLatin1() +
           fraction + 'Z';
}

bool LineOutput::end()
{
    m_block += '\n';
    if (m_collect)
        return true;
    if ((m_flushEachLine && !m_holding) || m_block.size() >= kBlock)
        return flush();
    return true;
}

bool LineOutput::flush()
{
    if (m_block.isEmpty() || m_collect)
        return true;
    if (m_queue)
        return m_queue->push(std::exchange(m_block, QByteArray()));
    const bool written = std::fwrite(m_block.constData(), 1, static_cast<std::size_t>(m_block.size()), stdout) ==
                             static_cast<std::size_t>(m_block.size()) &&
                         std::fflush(stdout) == 0;
    m_block.truncate(0);
    if (!written)
        std::clearerr(stdout);
    return written;
}
