// The reader on Win32: overlapped WaitCommEvent and ReadFile in a thread of its own.
// QSerialPort waits for these through an I/O completion port, which Wine's serial driver
// never completes; events waited for with WaitForMultipleObjects work on both.
#include "serial/port_reader.h"

#include "serial/reader_parts.h"

#include <windows.h>

#include <algorithm>
#include <thread>

using namespace readerparts;

namespace {

// A manual-reset event handle, closed with its owner; null when it could not be made.
class Event {
public:
    Event() : m_handle(CreateEventW(nullptr, TRUE, FALSE, nullptr)), m_error(m_handle ? 0 : GetLastError()) {}
    ~Event()
    {
        if (m_handle != nullptr)
            CloseHandle(m_handle);
    }
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;
    HANDLE handle() const { return m_handle; }
    DWORD error() const { return m_error; }

private:
    HANDLE m_handle;
    DWORD m_error;
};

// The most one read takes: what the driver is asked to hold.
constexpr DWORD kReadChunk = DWORD(kDriverBufferSize);

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
    SystemWorker(PortReader& reader, LineErrorSource& lineErrors) : m_reader(reader), m_events(lineErrors)
    {
        m_waiting.hEvent = m_lineEvent.handle();
        m_reading.hEvent = m_readDone.handle();
    }

    ~SystemWorker() override
    {
        if (m_thread.joinable()) {
            SetEvent(m_stop.handle());
            m_thread.join();
        }
        if (m_port != INVALID_HANDLE_VALUE)
            CloseHandle(m_port);
    }

    QString start(const QString& path, const LineSettings& settings) override
    {
        for (const Event* event : {&m_stop, &m_resume, &m_lineEvent, &m_readDone}) {
            if (event->handle() == nullptr)
                return QStringLiteral("the reader's events cannot be made: ") + systemReason(event->error());
        }
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
    // How a wait for the reader's events ended.
    enum class Woken { Stop, Event, Failed };

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

    // The reader's thread. The wait for the line's next event is begun before what waits is
    // read, so a character that comes after the read ends the wait: an idle reader sleeps
    // until a character, a line event or the stop. Every way out leaves nothing pending.
    void run()
    {
        for (;;) {
            bool eventCame = false;
            if (!m_waitPending && !beginWait(&eventCame))
                break;
            const Round round = m_reader.readRound(
                m_buffer, [this](char* into, qsizetype most) { return readNow(into, most); }, m_events, qintptr(m_port));
            if (round.ended)
                break;
            if (round.heldBack) {
                // The taker has no room: nothing is read until it resumes the reader.
                const Woken woken = waitFor(m_resume);
                if (woken != Woken::Event) {
                    goneIf(woken);
                    break;
                }
                ResetEvent(m_resume.handle());
                continue;
            }
            bool stopped = false;
            m_collecting.afterRound(round.taken, [&](qint64 ms) {
                stopped = WaitForSingleObject(m_stop.handle(), DWORD(ms)) == WAIT_OBJECT_0;
            });
            if (stopped)
                break;
            if (eventCame)
                continue;  // read again, then wait anew
            const Woken woken = waitFor(m_lineEvent);
            if (woken != Woken::Event) {
                goneIf(woken);
                break;
            }
            m_waitPending = false;
            DWORD unused = 0;
            if (!GetOverlappedResult(m_port, &m_waiting, &unused, FALSE)) {
                gone(GetLastError());
                break;
            }
        }
        cancelPending();
    }

    // The wait for the line's next event (a character, an error, a break); eventCame when
    // one had come already. False when the device went away (told).
    bool beginWait(bool* eventCame)
    {
        ResetEvent(m_lineEvent.handle());
        m_mask = 0;
        if (WaitCommEvent(m_port, &m_mask, &m_waiting)) {
            *eventCame = true;  // the read that follows takes what came
            return true;
        }
        if (GetLastError() != ERROR_IO_PENDING) {
            gone(GetLastError());
            return false;
        }
        m_waitPending = true;
        return true;
    }

    // Up to most characters that the driver holds now; -1 when reading ended (a stop, or the
    // device went away, told).
    qsizetype readNow(char* into, qsizetype most)
    {
        ResetEvent(m_readDone.handle());
        // No count for an overlapped read: it is only known from its result.
        if (!ReadFile(m_port, into, DWORD(std::min<qsizetype>(most, kReadChunk)), nullptr, &m_reading)) {
            if (GetLastError() != ERROR_IO_PENDING) {
                gone(GetLastError());
                return -1;
            }
            m_readPending = true;
            const Woken woken = waitFor(m_readDone);
            if (woken != Woken::Event) {
                goneIf(woken);
                return -1;  // cancelled on the way out, before the buffer goes
            }
        }
        m_readPending = false;
        DWORD count = 0;
        if (!GetOverlappedResult(m_port, &m_reading, &count, FALSE)) {
            gone(GetLastError());
            return -1;
        }
        return qsizetype(count);
    }

    // Waits for the stop or the given event, as long as it takes.
    Woken waitFor(const Event& event)
    {
        const HANDLE wakes[] = {m_stop.handle(), event.handle()};
        const bool failing = m_reader.m_waitFails && m_reader.m_waitFails();
        if (failing)
            SetLastError(ERROR_INVALID_HANDLE);
        const DWORD woken = failing ? WAIT_FAILED : WaitForMultipleObjects(2, wakes, FALSE, INFINITE);
        if (woken == WAIT_OBJECT_0)
            return Woken::Stop;
        if (woken == WAIT_OBJECT_0 + 1)
            return Woken::Event;
        m_waitError = woken == WAIT_FAILED ? GetLastError() : ERROR_GEN_FAILURE;
        return Woken::Failed;
    }

    void goneIf(Woken woken)
    {
        if (woken == Woken::Failed)
            gone(m_waitError);
    }

    // Whatever is still pending is cancelled and waited for, so that the driver writes into
    // nothing that has gone (the event mask, the buffer).
    void cancelPending()
    {
        DWORD unused = 0;
        if (m_waitPending) {
            CancelIoEx(m_port, &m_waiting);
            GetOverlappedResult(m_port, &m_waiting, &unused, TRUE);
            m_waitPending = false;
        }
        if (m_readPending) {
            CancelIoEx(m_port, &m_reading);
            GetOverlappedResult(m_port, &m_reading, &unused, TRUE);
            m_readPending = false;
        }
    }

    // The device went away (an adapter pulled, the far end closed) or could no longer be
    // waited for: what the driver still held was read before, so only the reason is left
    // to hand over.
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
    // Written by the driver while an I/O is pending: members, so they outlive it.
    OVERLAPPED m_waiting{};
    OVERLAPPED m_reading{};
    DWORD m_mask = 0;
    QByteArray m_buffer = QByteArray(qsizetype(kReadChunk), Qt::Uninitialized);
    bool m_waitPending = false;
    bool m_readPending = false;
    DWORD m_waitError = 0;
    Collecting m_collecting;
    std::thread m_thread;
};

std::unique_ptr<PortReader::Worker> PortReader::makeSystemWorker()
{
    return std::make_unique<SystemWorker>(*this, m_lineErrors);
}
