#include "core/log_scan.h"

#include "core/code_page.h"

LogScanner::LogScanner(const QList<searchslot::Entry>& entries)
{
    for (const searchslot::Entry& entry : entries) {
        Slot slot;
        slot.pattern = entry.pattern;
        slot.hitText = searchslot::hitText(entry.comment, entry.pattern);
        m_slots.push_back(std::move(slot));
    }
}

void LogScanner::restart()
{
    for (Slot& slot : m_slots) {
        slot.position = 1;
        slot.matched = false;
        slot.buffer.truncate(0);
    }
    m_line = 0;
    m_column = 0;
    m_carriageReturn = false;
}

void LogScanner::feed(QByteArrayView bytes, const HitSink& sink)
{
    for (char byte : bytes) {
        if (m_carriageReturn) {
            m_carriageReturn = false;
            if (byte == '\n') {  // the end of a monitor line
                ++m_line;
                m_column = 0;
                continue;
            }
            received('\r', sink);
        }
        if (byte == '\r')
            m_carriageReturn = true;
        else
            received(byte, sink);
    }
}

void LogScanner::finish(const HitSink& sink)
{
    if (m_carriageReturn) {
        m_carriageReturn = false;
        received('\r', sink);
    }
}

void LogScanner::received(char byte, const HitSink& sink)
{
    ++m_column;
    const QChar ch = codepage::toChar(static_cast<unsigned char>(byte));
    const QStringView text(&ch, 1);
    for (Slot& slot : m_slots) {
        if (searchslot::step(slot.pattern, slot.position, slot.matched, slot.buffer, text))
            sink({m_line, m_column, slot.hitText});
    }
}
