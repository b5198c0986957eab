// The reader on Win32: overlapped WaitCommEvent and ReadFile in a thread of its own.
// QSerialPort waits for these through an I/O completion port, which Wine's serial driver
// never completes; events waited for with WaitForMultipleObjects work on both.
#include "serial/port_reader.h"

#include "serial/reader_parts.h"

#include <windows.h>

#include <thread>

using namespace readerparts;

namespace {

// A manual-reset event handle, closed with its owner.
class Event {
public:
    Event() : m_handle(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Event()
    {
        if (m_handle != nullptr)
            CloseHandle(m_handle);
    }
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;
    HANDLE handle() const { return m_handle; }

private:
    HANDLE m_handle;
};

// The most one read takes: what the driver is asked to hold.
constexpr DWORD kReadChunk = DWORD(kDriverBufferSize);
// A wait for the line's next event ends after this long and the reader looks for itself,
// in case a character came between its last read and the wait.
constexpr DWORD kIdleLookMs = 200;

BYTE parityOf(LineSettings::Parity parity)
{
    switch (parity) {
    case LineSettings::Parity::Even: return EVENPARITY;
    case LineSettings::Parity::Odd: return ODDPARITY;
    case LineSettings::Parity::Mark: return MARKPARITY;
    case LineSettings::Parity::Space: return SPACEPARITY;
    case LineSettings::Parity::None: break;
    }
    return NOPARITY;
}

BYTE stopBitsOf(LineSettings::StopBits stopBits)
{
    switch (stopBits) {
    case LineSettings::StopBits::OneAndHalf: return ONE5STOPBITS;
    case LineSettings::StopBits::Two: return TWOSTOPBITS;
    case LineSettings::StopBits::One: break;
    }
    return ONESTOPBIT;
}

// "COM3" as the system's device name \\.\COM3 (which COM10 and above need); a name that is
// already a device path is taken as it is.
std::wstring devicePath(const QString& path)
{
    const QString device = path.startsWith(QLatin1String("\\\\")) ? path : QStringLiteral("\\\\.\\") + path;
    return device.toStdWString();
}

QString systemReason(DWORD error)
{
    return qt_error_string(int(error)).trimmed();
}

}  // namespace

class PortReader::SystemWorker : public PortReader::Worker {
public:
    SystemWorker(PortReader& reader, LineErrorSource& lineErrors) : m_reader(reader), m_events(lineErrors) {}

    ~SystemWorker() override
    {
        SetEvent(m_stop.handle());
        if (m_thread.joinable())
            m_thread.join();
        if (m_port != INVALID_HANDLE_VALUE)
            CloseHandle(m_port);
    }

    QString start(const QString& path, const LineSettings& settings) override
    {
        m_port = CreateFileW(devicePath(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                             FILE_FLAG_OVERLAPPED, nullptr);
        if (m_port == INVALID_HANDLE_VALUE)
            return systemReason(GetLastError());
        if (const QString refused = configure(settings); !refused.isEmpty())
            return QStringLiteral("settings refused: ") + refused;
        m_events.start(qintptr(m_port));
        m_thread = std::thread([this] { run(); });
        return {};
    }

    void resume() override { SetEvent(m_resume.handle()); }

private:
    QString configure(const LineSettings& settings)
    {
        if (!SetupComm(m_port, kReadChunk, 4096))
            return systemReason(GetLastError());
        DCB dcb{};
        dcb.DCBlength = sizeof dcb;
        if (!GetCommState(m_port, &dcb))
            return systemReason(GetLastError());
        dcb.BaudRate = DWORD(settings.baudRate);
        dcb.ByteSize = BYTE(settings.dataBits);
        dcb.Parity = parityOf(settings.parity);
        dcb.StopBits = stopBitsOf(settings.stopBits);
        dcb.fBinary = TRUE;
        dcb.fParity = settings.parity != LineSettings::Parity::None;
        // No flow control: the probe only sends, and nothing it sends is held back.
        dcb.fOutxCtsFlow = FALSE;
        dcb.fOutxDsrFlow = FALSE;
        dcb.fDsrSensitivity = FALSE;
        dcb.fOutX = FALSE;
        dcb.fInX = FALSE;
        // DTR and RTS are raised, as terminal programs and QSerialPort leave them: adapters
        // and boards that wait for a host (an Arduino's reset on DTR among them) then send.
        dcb.fDtrControl = DTR_CONTROL_ENABLE;
        dcb.fRtsControl = RTS_CONTROL_ENABLE;
        dcb.fNull = FALSE;
        dcb.fErrorChar = FALSE;
        // A line error must not stop reading: it is reported, and what follows is read on.
        dcb.fAbortOnError = FALSE;
        if (!SetCommState(m_port, &dcb))
            return systemReason(GetLastError());
        // A read returns at once with what the driver holds, nothing if it holds nothing.
        COMMTIMEOUTS timeouts{};
        timeouts.ReadIntervalTimeout = MAXDWORD;
        if (!SetCommTimeouts(m_port, &timeouts))
            return systemReason(GetLastError());
        if (!SetCommMask(m_port, EV_RXCHAR | EV_ERR | EV_BREAK))
            return systemReason(GetLastError());
        return {};
    }

    // The reader's thread: read what waits, then wait for the line's next event, until a
    // stop or the device goes away.
    void run()
    {
        OVERLAPPED waiting{};
        waiting.hEvent = m_lineEvent.handle();
        bool waitPending = false;
        for (;;) {
            const Round round = m_reader.readRound(
                m_buffer, [this](char* into, qsizetype most) { return readNow(into, most); }, m_events, qintptr(m_port));
            if (round.ended)
                break;
            if (round.heldBack) {
                // The taker has no room: nothing is read until it resumes the reader.
                const HANDLE wakes[] = {m_stop.handle(), m_resume.handle()};
                if (WaitForMultipleObjects(2, wakes, FALSE, INFINITE) != WAIT_OBJECT_0 + 1)
                    break;
                ResetEvent(m_resume.handle());
                continue;
            }
            m_collecting.afterRound(round.taken, [this](qint64 ms) { WaitForSingleObject(m_stop.handle(), DWORD(ms)); });
            if (!waitPending) {
                DWORD mask = 0;
                ResetEvent(m_lineEvent.handle());
                if (WaitCommEvent(m_port, &mask, &waiting)) {
                    continue;
                }
                if (GetLastError() != ERROR_IO_PENDING) {
                    gone(GetLastError());
                    return;
                }
                waitPending = true;
            }
            const HANDLE wakes[] = {m_stop.handle(), m_lineEvent.handle()};
            const DWORD woken = WaitForMultipleObjects(2, wakes, FALSE, kIdleLookMs);
            if (woken == WAIT_OBJECT_0)
                break;
            if (woken == WAIT_OBJECT_0 + 1) {
                waitPending = false;
                DWORD unused = 0;
                if (!GetOverlappedResult(m_port, &waiting, &unused, FALSE)) {
                    gone(GetLastError());
                    return;
                }
            }
        }
        if (waitPending) {
            CancelIoEx(m_port, &waiting);
            DWORD unused = 0;
            GetOverlappedResult(m_port, &waiting, &unused, TRUE);
        }
    }

    // Up to most characters (at most the buffer's) that the driver holds now, for the shared
    // reading policy; -1 when reading ended (a stop, or the device went away, told).
    qsizetype readNow(char* into, qsizetype most)
    {
        DWORD count = 0;
        OVERLAPPED reading{};
        reading.hEvent = m_readDone.handle();
        ResetEvent(m_readDone.handle());
        if (!ReadFile(m_port, into, DWORD(most), &count, &reading)) {
            if (GetLastError() != ERROR_IO_PENDING) {
                gone(GetLastError());
                return -1;
            }
            const HANDLE wakes[] = {m_stop.handle(), m_readDone.handle()};
            if (WaitForMultipleObjects(2, wakes, FALSE, INFINITE) == WAIT_OBJECT_0) {
                // Cancelled and waited for before the buffer can go.
                CancelIoEx(m_port, &reading);
                GetOverlappedResult(m_port, &reading, &count, TRUE);
                return -1;
            }
            if (!GetOverlappedResult(m_port, &reading, &count, FALSE)) {
                gone(GetLastError());
                return -1;
            }
        }
        return qsizetype(count);
    }

    // The device went away (an adapter pulled, the far end closed): what the driver still
    // holds was read before, so only the reason is left to hand over.
    void gone(DWORD error)
    {
        const QString reason = error == ERROR_OPERATION_ABORTED || error == ERROR_DEVICE_REMOVED ||
                                       error == ERROR_BAD_COMMAND || error == ERROR_ACCESS_DENIED ||
                                       error == ERROR_GEN_FAILURE
                                   ? QStringLiteral("the device was removed or is no longer available")
                                   : QStringLiteral("reading failed: ") + systemReason(error);
        m_reader.hand({}, m_events.since(qintptr(m_port)), reason);
    }

    PortReader& m_reader;
    LineEventWatch m_events;
    HANDLE m_port = INVALID_HANDLE_VALUE;
    Event m_stop;       // set by the owner: the reader's thread ends
    Event m_resume;     // set by the taker: there is room again
    Event m_lineEvent;  // the line's next event (WaitCommEvent)
    Event m_readDone;   // an overlapped read finished
    QByteArray m_buffer = QByteArray(qsizetype(kReadChunk), Qt::Uninitialized);
    Collecting m_collecting;
    std::thread m_thread;
};

std::unique_ptr<PortReader::Worker> PortReader::makeSystemWorker()
{
    return std::make_unique<SystemWorker>(*this, m_lineErrors);
}
