#include "monitor/log_file.h"

#include "app/code_page.h"

bool LogFile::create(const QString& path)
{
    m_file.setFileName(path);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Truncate) || fail();
}

bool LogFile::writeLine(const QString& line)
{
    QByteArray bytes;
    codepage::toBytes(line, &bytes);
    bytes += "\r\n";
    return m_file.write(bytes) == bytes.size() || fail();
}

bool LogFile::close()
{
    if (!m_file.isOpen())
        return m_error.isEmpty();
    const bool flushed = m_file.flush() || fail();
    m_file.close();
    return flushed && m_error.isEmpty();
}

bool LogFile::fail()
{
    if (m_error.isEmpty())
        m_error = m_file.errorString();
    return false;
}
