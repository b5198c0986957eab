#include "serial/line_errors.h"

#include <windows.h>
#include <winioctl.h>

namespace {

// From the driver kit's ntddser.h, whose other declarations need the kernel's headers.
constexpr DWORD kSerialGetStats = CTL_CODE(FILE_DEVICE_SERIAL_PORT, 35, METHOD_BUFFERED, FILE_ANY_ACCESS);
struct SerialPerfStats {
    ULONG ReceivedCount;
    ULONG TransmittedCount;
    ULONG FrameErrorCount;
    ULONG SerialOverrunErrorCount;
    ULONG BufferOverrunErrorCount;
    ULONG ParityErrorCount;
};

// Windows keeps counters only in the drivers that answer IOCTL_SERIAL_GET_STATS (the
// system's own serial driver among them). Every driver reports the errors since the last
// look through ClearCommError, which nothing else here calls: the counters come first, and
// the error flags, counted here as they are seen, stand in where a driver has none.
class SystemLineErrors : public LineErrorSource {
public:
    // askDriver: the driver's own counters are asked first.
    SystemLineErrors(CommErrorFlags flags, bool askDriver)
        // One event for every request, not one per arrival.
        : m_flagsOf(std::move(flags)), m_answered(askDriver ? CreateEventW(nullptr, TRUE, FALSE, nullptr) : nullptr)
    {
    }
    ~SystemLineErrors() override
    {
        if (m_answered != nullptr)
            CloseHandle(m_answered);
    }
    SystemLineErrors(const SystemLineErrors&) = delete;
    SystemLineErrors& operator=(const SystemLineErrors&) = delete;

    std::optional<LineErrorCounts> read(qintptr value) override
    {
        const auto handle = reinterpret_cast<HANDLE>(value);
        if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
            return std::nullopt;
        if (const std::optional<LineErrorCounts> counted = driverCounters(handle))
            return counted;
        const std::optional<quint32> flags = m_flagsOf(value);
        if (!flags)
            return std::nullopt;
        const DWORD errors = *flags;
        const auto seen = [errors](DWORD flag, quint64& count) {
            if (errors & flag)
                ++count;
        };
        seen(CE_OVERRUN, m_flags.overrun);
        seen(CE_RXOVER, m_flags.bufferOverrun);
        seen(CE_FRAME, m_flags.frame);
        seen(CE_RXPARITY, m_flags.parity);
        seen(CE_BREAK, m_flags.breaks);
        return m_flags;
    }

private:
    // The port is open for overlapped use: even this short request needs an OVERLAPPED.
    std::optional<LineErrorCounts> driverCounters(HANDLE handle)
    {
        if (m_answered == nullptr)
            return std::nullopt;
        SerialPerfStats stats{};
        OVERLAPPED overlapped{};
        overlapped.hEvent = m_answered;
        DWORD returned = 0;
        bool answered = DeviceIoControl(handle, kSerialGetStats, nullptr, 0, &stats, sizeof stats,
                                        &returned, &overlapped);
        if (!answered && GetLastError() == ERROR_IO_PENDING)
            answered = GetOverlappedResult(handle, &overlapped, &returned, TRUE);
        if (!answered || returned < sizeof stats)
            return std::nullopt;
        return LineErrorCounts{stats.SerialOverrunErrorCount, stats.BufferOverrunErrorCount, stats.FrameErrorCount,
                               stats.ParityErrorCount, 0};
    }

    CommErrorFlags m_flagsOf;
    HANDLE m_answered;
    LineErrorCounts m_flags;
};

}  // namespace

std::unique_ptr<LineErrorSource> systemLineErrors()
{
    return std::make_unique<SystemLineErrors>(
        [](qintptr handle) -> std::optional<quint32> {
            DWORD errors = 0;
            if (!ClearCommError(reinterpret_cast<HANDLE>(handle), &errors, nullptr))
                return std::nullopt;
            return quint32(errors);
        },
        true);
}

std::unique_ptr<LineErrorSource> lineErrorsFromFlags(CommErrorFlags flags)
{
    return std::make_unique<SystemLineErrors>(std::move(flags), false);
}
