#include "core/capture_file.h"

#include "core/code_page.h"
#include "core/file_sync.h"
#include "core/plain_file.h"

#include <QFileInfo>
#include <QStorageInfo>

bool CaptureFile::create(const QString& path, bool overwrite)
{
    m_pending.clear();
    m_offset = 0;
    m_error.clear();
    m_path = path;
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

void CaptureFile::endOpenLine()
{
    // Nothing received is an empty file; otherwise the open line (even an empty one)
    // gets its CR LF, as every monitor line does.
    if (m_offset > 0)
        endLine();
}

bool CaptureFile::flush()
{
    if (!m_file.isOpen())
        return m_pending.isEmpty() && m_error.isEmpty();
    if (m_pending.isEmpty())
        return true;
    m_error.clear();
    qsizetype written = 0;
    const bool complete = plainfile::writeAll(m_file, m_pending, &m_error, &written);
    m_pending.remove(0, written);
    return complete;
}

bool CaptureFile::sync()
{
    if (filesync::syncData(m_file))
        return true;
    m_error = plainfile::reasonOf(m_file);
    return false;
}

bool CaptureFile::outOfSpace() const
{
    // The system's error number does not reach us through Qt: a failed write that wanted
    // more than the file system has left is taken for lack of room. Another fault on a
    // nearly full disk is told apart once room was made and the write still fails.
    const QStorageInfo storage(QFileInfo(m_path).absolutePath());
    if (!storage.isValid())
        return false;
    const qint64 wanted = m_pending.size() + std::max(storage.blockSize(), 4096);
    return storage.bytesAvailable() < wanted;
}

bool CaptureFile::close()
{
    bool written = flush();
    written = written && sync();
    m_file.close();
    return written;
}
