#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>
#include <optional>

// The driver's error counters of a serial line, as far as the system keeps them.
struct LineErrorCounts {
    quint64 overrun = 0;        // the port hardware lost a character
    quint64 bufferOverrun = 0;  // the driver's buffer had no room
    quint64 frame = 0;
    quint64 parity = 0;
    quint64 breaks = 0;
};

// Where the counters come from; tests put a scripted source in its place.
class LineErrorSource {
public:
    virtual ~LineErrorSource() = default;
    // Nothing for a device without counters (a pseudo-terminal): normal, not an error.
    virtual std::optional<LineErrorCounts> read(qintptr handle) = 0;
};

// Linux: the TIOCGICOUNT counters of the tty driver (line_errors_linux.cpp); Windows: the
// driver's statistics or its error flags (line_errors_win.cpp).
std::unique_ptr<LineErrorSource> systemLineErrors();

// Windows only: the error flags a driver reports through ClearCommError (its CE_ bits) since
// the last look, or nothing when it cannot be asked.
using CommErrorFlags = std::function<std::optional<quint32>(qintptr handle)>;
// Windows only: counters kept from such flags, one count for every report of a flag, as for
// a driver without statistics; tests give scripted flags in place of the driver's.
std::unique_ptr<LineErrorSource> lineErrorsFromFlags(CommErrorFlags flags);
