#pragma once

#include <QFileDevice>
#include <QString>

// Making what was written survive a power cut: the file's data, and a folder's list of
// names, handed from the system's cache to the disk. The systems differ; one file each
// (file_sync_posix.cpp, file_sync_win.cpp) knows how.
namespace filesync {

// The file's data (not its times) on the disk. False when the system says it failed.
bool syncData(QFileDevice& file);

// A file begun or deleted in the folder stays so after a power cut.
void syncFolder(const QString& folder);

}  // namespace filesync
