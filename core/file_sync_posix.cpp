#include "core/file_sync.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace filesync {

bool syncData(QFileDevice& file)
{
    // fdatasync leaves the file's times in the cache: a capture's data is what matters, and
    // it costs one write to the disk less.
    return !file.isOpen() || ::fdatasync(file.handle()) == 0;
}

void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace filesync
