#include "core/file_sync.h"

#include <io.h>
#include <windows.h>

namespace filesync {

bool syncData(QFileDevice& file)
{
    if (!file.isOpen())
        return true;
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle);
}

void syncFolder(const QString&)
{
    // NTFS journals its folders: a name created or deleted is on the disk with the journal.
}

}  // namespace filesync
