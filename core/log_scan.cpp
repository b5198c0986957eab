#include "core/log_scan.h"

#include "core/code_page.h"

LogScanner::LogScanner(const QList<searchslot::Entry>& entries) : m_slots(entries) {}

void LogScanner::restart()
{
    m_slots.restart();
    m_line = 1;
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
    if (m_characterHook)
        m_characterHook(ch, m_line, m_column);
    const QStringView text(&ch, 1);
    m_slots.feed(text, [&](int slot) { sink({m_line, m_column, m_slots.hitText(slot)}); });
}
