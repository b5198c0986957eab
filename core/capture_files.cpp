#include "core/capture_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

CaptureFiles::CaptureFiles(const QString& path, bool overwrite, const Rotation& rotation)
    : m_base(path), m_overwrite(overwrite), m_rotation(rotation)
{
}

QString CaptureFiles::nameAt(const QString& path, const QDateTime& at)
{
    const QFileInfo base(path);
    const QString stamp = at.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    const QString suffix = base.suffix();
    const QString stem = suffix.isEmpty() ? base.fileName() : base.fileName().chopped(suffix.size() + 1);
    const QString name = stem + QLatin1Char('-') + stamp + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
    return base.path() == QLatin1String(".") && !path.startsWith(QLatin1String("./")) ? name
                                                                                       : base.dir().filePath(name);
}

bool CaptureFiles::start(const QDateTime& now)
{
    m_path = m_rotation.rotating() ? nameAt(m_base, now) : m_base;
    if (!m_file.create(m_path, m_overwrite))
        return false;
    if (m_rotation.seconds > 0) {
        // Aligned to the clock: files of an hour begin on the hour.
        const qint64 secs = now.toSecsSinceEpoch();
        m_nextBoundary = (secs / m_rotation.seconds + 1) * m_rotation.seconds;
    }
    m_written << m_path;
    while (m_rotation.keep > 0 && m_written.size() > m_rotation.keep)
        QFile::remove(m_written.takeFirst());
    return true;
}

bool CaptureFiles::due(const QDateTime& now) const
{
    if (!m_rotation.rotating())
        return false;
    const bool full = m_rotation.bytes > 0 && m_file.offset() >= m_rotation.bytes;
    const bool late = m_rotation.seconds > 0 && now.toSecsSinceEpoch() >= m_nextBoundary;
    // Names count seconds: a file that would take the name of the one being written waits
    // for the next second (only input far faster than the line rate fills a file so soon).
    return (full || late) && nameAt(m_base, now) != m_path;
}

bool CaptureFiles::finish()
{
    if (m_continued && m_file.offset() == 0) {
        m_file.endLine();
        return m_file.close();
    }
    return m_file.finish();
}

CaptureFiles::LineEnd CaptureFiles::endLine(const QDateTime& now)
{
    m_file.endLine();
    if (!due(now))
        return LineEnd::SameFile;
    // Cut here: the line just ended is the file's last, with no empty line after it.
    if (!m_file.close())
        return LineEnd::Failed;
    m_continued = true;
    return start(now) ? LineEnd::NewFile : LineEnd::Failed;
}
