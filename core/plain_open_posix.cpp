#include "core/plain_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Opening without blocking needs the system's own calls.
namespace plainfile {
namespace {

// The C library's text for an error number follows the user's locale (LC_MESSAGES).
QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString kindReason(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("Das ist ein Ordner, keine Datei.");
    if (S_ISFIFO(mode))
        return QStringLiteral("Das ist eine benannte Pipe (FIFO), keine gewöhnliche Datei.");
    if (S_ISSOCK(mode))
        return QStringLiteral("Das ist ein Socket, keine gewöhnliche Datei.");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("Das ist ein Gerät, keine gewöhnliche Datei.");
    return QStringLiteral("Das ist keine gewöhnliche Datei.");
}

// O_NONBLOCK keeps open() from waiting for the other end of a pipe; a plain file then gets
// its ordinary blocking mode back before Qt takes it over.
int openPlain(const QString& path, int flags, QString* reason)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        *reason = systemReason(errno);
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        *reason = systemReason(errno);
        ::close(fd);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        *reason = kindReason(info.st_mode);
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool adopt(QFile& file, int fd, QIODevice::OpenMode mode, QString* reason)
{
    if (file.open(fd, mode, QFileDevice::AutoCloseHandle))
        return true;
    *reason = reasonOf(file);
    ::close(fd);
    return false;
}

}  // namespace

bool openForReading(QFile& file, QString* reason)
{
    const int fd = openPlain(file.fileName(), O_RDONLY, reason);
    return fd >= 0 && adopt(file, fd, QIODevice::ReadOnly, reason);
}

bool openForWriting(QFile& file, QString* reason)
{
    // Refused before opening: opening a pipe for writing would wait for a reader.
    *reason = notPlainReason(file.fileName());
    if (!reason->isEmpty())
        return false;
    const int fd = openPlain(file.fileName(), O_WRONLY | O_CREAT, reason);
    if (fd < 0)
        return false;
    if (::ftruncate(fd, 0) != 0) {
        *reason = systemReason(errno);
        ::close(fd);
        return false;
    }
    return adopt(file, fd, QIODevice::WriteOnly | QIODevice::Unbuffered, reason);
}

QString notPlainReason(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    return kindReason(info.st_mode);
}

bool lastOpenRefusedByRights()
{
    return errno == EACCES;
}

}  // namespace plainfile
