#include "core/log_file.h"

#include "core/code_page.h"
#include "core/plain_file.h"

namespace {

// Lines are collected and handed to the system in blocks of this size.
constexpr qsizetype kBlockSize = 64 * 1024;

}  // namespace

bool LogFile::create(const QString& path)
{
    m_file.setFileName(path);
    return plainfile::openForWriting(m_file, &m_error);
}

bool LogFile::writeLine(const QString& line)
{
    codepage::appendBytes(line, &m_pending);
    m_pending += "\r\n";
    return m_pending.size() < kBlockSize || writePending();
}

bool LogFile::writePending()
{
    QString reason;
    const bool written = plainfile::writeAll(m_file, m_pending, &reason);
    m_pending.clear();
    if (!written && m_error.isEmpty())
        m_error = reason;
    return written;
}

bool LogFile::close()
{
    if (!m_file.isOpen())
        return m_error.isEmpty();
    const bool written = m_pending.isEmpty() || writePending();
    m_file.close();
    return written && m_error.isEmpty();
}
