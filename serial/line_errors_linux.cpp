#include "serial/line_errors.h"

#include <linux/serial.h>
#include <sys/ioctl.h>

namespace {

// The tty driver's own counters (TIOCGICOUNT); a pseudo-terminal has none.
class SystemLineErrors : public LineErrorSource {
public:
    std::optional<LineErrorCounts> read(qintptr handle) override
    {
        serial_icounter_struct counters{};
        if (handle < 0 || ::ioctl(static_cast<int>(handle), TIOCGICOUNT, &counters) != 0)
            return std::nullopt;
        return LineErrorCounts{static_cast<quint64>(counters.overrun),
                               static_cast<quint64>(counters.buf_overrun),
                               static_cast<quint64>(counters.frame),
                               static_cast<quint64>(counters.parity),
                               static_cast<quint64>(counters.brk)};
    }
};

}  // namespace

std::unique_ptr<LineErrorSource> systemLineErrors()
{
    return std::make_unique<SystemLineErrors>();
}
