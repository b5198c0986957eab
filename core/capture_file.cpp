#include "core/capture_file.h"

#include "core/code_page.h"
#include "core/plain_file.h"

#include <QFileInfo>

bool CaptureFile::create(const QString& path, bool overwrite)
{
    m_pending.clear();
    m_offset = 0;
    m_error.clear();
    m_file.setFileName(path);
    if (!overwrite && QFileInfo(path).isFile()) {
        m_error = QStringLiteral("the file exists (--force replaces it)");
        return false;
    }
    return plainfile::openForWriting(m_file, &m_error);
}

void CaptureFile::append(QStringView text)
{
    codepage::appendBytes(text, &m_pending);
    m_offset += text.size();
}

void CaptureFile::endLine()
{
    m_pending += "\r\n";
    m_offset += 2;
}

bool CaptureFile::flush()
{
    if (m_pending.isEmpty() || !m_error.isEmpty())
        return m_error.isEmpty();
    const bool written = plainfile::writeAll(m_file, m_pending, &m_error);
    m_pending.clear();
    return written;
}

bool CaptureFile::finish()
{
    if (!m_file.isOpen())
        return m_error.isEmpty();
    // Nothing received is an empty file; otherwise the open line (even an empty one)
    // gets its CR LF, as every monitor line does.
    if (m_offset > 0)
        endLine();
    return close();
}

bool CaptureFile::close()
{
    const bool written = flush();
    m_file.close();
    return written;
}
