#include "core/capture_files.h"

#include "core/file_sync.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// How far past a taken name a new file's name is looked for: more seconds than a clock set
// back by a day leaves taken at one file a second.
constexpr int kNameSearchSeconds = 7 * 86400;

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

}  // namespace

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
    if (m_rotation.rotating())
        findEarlierFiles();
    return begin(now);
}

// Files of this name that earlier runs left (a service restarts after every reboot): they
// count for --keep, oldest first by the time in their names, and their names stay taken.
void CaptureFiles::findEarlierFiles()
{
    const QString sample = nameAt(m_base, QDateTime::fromSecsSinceEpoch(0, Qt::UTC));
    const QString name = QFileInfo(sample).fileName();
    const qsizetype stampAt = name.indexOf(QStringLiteral("19700101T000000Z"));
    const QRegularExpression ours(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(name.left(stampAt)) + QStringLiteral("\\d{8}T\\d{6}Z") +
        QRegularExpression::escape(name.mid(stampAt + 16))));
    // Paths as nameAt writes them, so that a name found here and one made there compare.
    const QDir folder = QFileInfo(sample).dir();
    const bool bare = !sample.contains(u'/');
    for (const QString& entry : folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        if (!ours.match(entry).hasMatch())
            continue;
        const QString path = bare ? entry : folder.filePath(entry);
        m_files << path;
        m_used.insert(path);
    }
}

// The first file takes the name of the second it begins in, or when that is taken (a
// restart within the second, a clock set back) the next free second's: no file is ever
// written over.
QString CaptureFiles::freeNameFrom(const QDateTime& now) const
{
    for (int later = 0; later < kNameSearchSeconds; ++later) {
        const QString name = nameAt(m_base, now.addSecs(later));
        if (!m_used.contains(name) && !QFileInfo::exists(name))
            return name;
    }
    return nameAt(m_base, now);  // refused as existing: the capture says so and stops
}

bool CaptureFiles::begin(const QDateTime& now)
{
    // Room first, so that the files never number more than --keep, not even for a moment.
    while (m_rotation.keep > 0 && m_files.size() >= m_rotation.keep)
        remove(m_files.takeFirst());
    m_path = m_rotation.rotating() ? freeNameFrom(now) : m_base;
    if (!withRoom([this] { return m_file.create(m_path, m_overwrite && !m_rotation.rotating()); }))
        return false;
    filesync::syncFolder(folderOf(m_path));
    alignBoundary(now);
    m_files << m_path;
    m_used.insert(m_path);
    return true;
}

void CaptureFiles::alignBoundary(const QDateTime& now)
{
    if (m_rotation.seconds <= 0)
        return;
    // Aligned to the clock: files of an hour begin on the hour.
    const qint64 secs = now.toSecsSinceEpoch();
    m_nextBoundary = (secs / m_rotation.seconds + 1) * m_rotation.seconds;
}

bool CaptureFiles::due(const QDateTime& now) const
{
    if (!m_rotation.rotating())
        return false;
    const bool full = m_rotation.bytes > 0 && m_file.offset() >= m_rotation.bytes;
    const bool late = m_rotation.seconds > 0 && now.toSecsSinceEpoch() >= m_nextBoundary;
    if (!full && !late)
        return false;
    // Names count seconds: a new file waits for a second whose name is free (input far
    // faster than the line rate fills a file within one; a clock set back comes by names
    // it has given already), so that names never run ahead of the clock.
    const QString name = nameAt(m_base, now);
    return !m_used.contains(name) && !QFileInfo::exists(name);
}

void CaptureFiles::remove(const QString& path)
{
    QFile::remove(path);
    filesync::syncFolder(folderOf(path));
}

// The disk is full: the oldest file but the one being written goes. False when none is left.
bool CaptureFiles::makeRoom()
{
    // The file being written, when it is listed, is the newest.
    if (m_files.isEmpty() || m_files.first() == m_path)
        return false;
    const QString oldest = m_files.takeFirst();
    remove(oldest);
    if (m_madeRoom)
        m_madeRoom(oldest);
    return true;
}

// With --keep, a write that fails for lack of space is tried again each time the oldest
// file has made room, until it succeeds or nothing is left to delete.
template <typename Write>
bool CaptureFiles::withRoom(Write write)
{
    bool written = write();
    while (!written && m_rotation.keep > 0 && m_file.outOfSpace() && makeRoom())
        written = write();
    return written;
}

bool CaptureFiles::flush()
{
    return withRoom([this] { return m_file.flush(); });
}

bool CaptureFiles::sync()
{
    return flush() && m_file.sync();
}

bool CaptureFiles::finish()
{
    if (m_continued && m_file.offset() == 0)
        m_file.endLine();
    else
        m_file.endOpenLine();
    const bool written = flush();
    return m_file.close() && written;
}

CaptureFiles::LineEnd CaptureFiles::endLine(const QDateTime& now)
{
    m_file.endLine();
    // A clock set back: the next file begins at the next multiple of the period by the new
    // clock, not after the hour it was set back by.
    if (m_rotation.seconds > 0 && now.toSecsSinceEpoch() < m_nextBoundary - m_rotation.seconds)
        alignBoundary(now);
    if (!due(now))
        return LineEnd::SameFile;
    // Cut here: the line just ended is the file's last, with no empty line after it.
    if (!flush() || !m_file.close())
        return LineEnd::Failed;
    m_continued = true;
    return begin(now) ? LineEnd::NewFile : LineEnd::Failed;
}
