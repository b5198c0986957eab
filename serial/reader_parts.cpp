#include "serial/reader_parts.h"

#include "serial/comm_port.h"

namespace readerparts {

void LineEventWatch::start(qintptr handle)
{
    const std::optional<LineErrorCounts> counts = m_source.read(handle);
    m_hasCounters = counts.has_value();
    m_last = counts.value_or(LineErrorCounts{});
}

std::deque<int> LineEventWatch::since(qintptr handle)
{
    std::deque<int> events;
    if (!m_hasCounters)
        return events;
    const std::optional<LineErrorCounts> counts = m_source.read(handle);
    if (!counts)
        return events;
    const auto report = [&events](quint64 now, quint64 before, int code) {
        if (now > before)
            events.push_back(code);
    };
    report(counts->overrun, m_last.overrun, comEventOverrun);
    report(counts->bufferOverrun, m_last.bufferOverrun, comEventRxOver);
    report(counts->frame, m_last.frame, comEventFrame);
    report(counts->parity, m_last.parity, comEventRxParity);
    report(counts->breaks, m_last.breaks, comEventBreak);
    m_last = *counts;
    return events;
}

}  // namespace readerparts
