#pragma once

#include <QString>
#include <QtGlobal>


// How much a capture may hold in memory before the monitor stops taking characters: enough
// for days at the line rate, but never so much that the rest of the machine runs short or
// the system kills the program and the capture with it.
namespace memoryceiling {

// The environment variable that sets the ceiling: bytes, or a number with K, M or G.
inline constexpr char kVariable[] = "WIRELARK_MEMORY_LIMIT";

// The physical memory and what is free now, as the system tells it (system_memory_posix.cpp:
// Linux's MemTotal and MemAvailable; system_memory_win.cpp).
struct SystemMemory {
    qint64 physical = 0;   // 0: unknown
    qint64 available = 0;  // 0: unknown
};
SystemMemory systemMemory();

// The ceiling for a capture that already holds `held` bytes: the variable's value when it
// is set and valid; else half the physical memory, never more than what is free now plus
// what the capture holds. A value of the variable that cannot be used is named in
// *problem, and the default applies.
qint64 captureLimit(qint64 held, const SystemMemory& memory, const QString& variable, QString* problem);

}  // namespace memoryceiling
