#include "core/memory_ceiling.h"

#include <QFile>

#include <unistd.h>

namespace memoryceiling {

SystemMemory systemMemory()
{
    SystemMemory memory;
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (meminfo.open(QIODevice::ReadOnly)) {
        // Lines such as "MemAvailable:   12345678 kB".
        for (const QByteArray& line : meminfo.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() < 2)
                continue;
            const qint64 kib = fields[1].toLongLong();
            if (fields[0] == "MemTotal:")
                memory.physical = kib * 1024;
            else if (fields[0] == "MemAvailable:")
                memory.available = kib * 1024;
        }
    }
#if defined(_SC_PHYS_PAGES)
    if (memory.physical == 0) {
        const long pages = ::sysconf(_SC_PHYS_PAGES);
        const long pageSize = ::sysconf(_SC_PAGESIZE);
        if (pages > 0 && pageSize > 0)
            memory.physical = qint64(pages) * pageSize;
    }
#endif
    return memory;
}

}  // namespace memoryceiling
