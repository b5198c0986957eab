#include "core/memory_ceiling.h"

#include "core/byte_size.h"

#include <algorithm>
#include <limits>

namespace memoryceiling {

namespace {

// Where nothing can be learnt of the machine: a ceiling that any desktop of today has room for.
constexpr qint64 kUnknownMachineLimit = qint64(1) << 30;

}  // namespace

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
