#include "core/memory_ceiling.h"

#include "core/byte_size.h"

#include <QFile>

#include <algorithm>
#include <limits>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace memoryceiling {

namespace {

// Where nothing can be learnt of the machine: a ceiling that any desktop of today has room for.
constexpr qint64 kUnknownMachineLimit = qint64(1) << 30;

}  // namespace

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
#if defined(Q_OS_UNIX) && defined(_SC_PHYS_PAGES)
    if (memory.physical == 0) {
        const long pages = ::sysconf(_SC_PHYS_PAGES);
        const long pageSize = ::sysconf(_SC_PAGESIZE);
        if (pages > 0 && pageSize > 0)
            memory.physical = qint64(pages) * pageSize;
    }
#endif
    return memory;
}

qint64 captureLimit(qint64 held, const SystemMemory& memory, const QString& variable, QString* problem)
{
    if (!variable.isEmpty()) {
        if (const std::optional<qint64> set = parseByteSize(variable))
            return *set;
        if (problem)
            *problem = QStringLiteral("%1=\"%2\" is not a size (bytes, or a number with K, M or G)")
                           .arg(QLatin1String(kVariable), variable);
    }
    if (memory.physical <= 0)
        return kUnknownMachineLimit;
    qint64 limit = memory.physical / 2;
    if (memory.available > 0)
        limit = std::min(limit, memory.available + held);
    return limit;
}

}  // namespace memoryceiling
