#include "core/plain_file.h"

#include <QFileInfo>

#include <windows.h>

// Windows opens a pipe or a device by a name of its own (\\.\pipe\..., COM1, NUL), which
// QFileInfo tells apart from a plain file without opening it.
namespace plainfile {

bool openForReading(QFile& file, QString* reason)
{
    *reason = notPlainReason(file.fileName());
    if (!reason->isEmpty())
        return false;
    if (file.open(QIODevice::ReadOnly))
        return true;
    *reason = reasonOf(file);
    return false;
}

bool openForWriting(QFile& file, QString* reason)
{
    *reason = notPlainReason(file.fileName());
    if (!reason->isEmpty())
        return false;
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return true;
    *reason = reasonOf(file);
    return false;
}

QString notPlainReason(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return {};
    return info.isDir() ? QStringLiteral("Das ist ein Ordner, keine Datei.")
                        : QStringLiteral("Das ist keine gewöhnliche Datei.");
}

bool lastOpenRefusedByRights()
{
    return GetLastError() == ERROR_ACCESS_DENIED;
}

}  // namespace plainfile
