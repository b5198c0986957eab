#include "core/memory_ceiling.h"

#include <windows.h>

namespace memoryceiling {

SystemMemory systemMemory()
{
    SystemMemory memory;
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (GlobalMemoryStatusEx(&status)) {
        memory.physical = static_cast<qint64>(status.ullTotalPhys);
        memory.available = static_cast<qint64>(status.ullAvailPhys);
    }
    return memory;
}

}  // namespace memoryceiling
