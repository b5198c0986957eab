// The reader on Win32: overlapped ReadFile in a thread of its own. QSerialPort waits through
// an I/O completion port, which Wine's serial driver never completes, and WaitCommEvent,
// which Wine cannot serve on a pseudo-terminal and which holds back every read issued while
// it is pending; a pending read of one character, waited for with WaitForMultipleObjects,
// works on both. Line errors are counted with the characters they came with, as on Linux.
#include "serial/port_reader.h"

#include "serial/reader_parts.h"

#include <windows.h>

#include <algorithm>
#include <thread>

using namespace readerparts;

namespace {

// A manual-reset event handle, closed with its owner; null when the system made none.
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
    DWORD error() const { return m_error; }  // why the system made none

private:
    HANDLE m_handle;
    DWORD m_error;
};

// The most one read takes: what the driver is asked to hold.
constexpr DWORD kReadChunk = DWORD(kDriverBufferSize);
// A read returns at once with what the driver holds, nothing if it holds nothing.
constexpr COMMTIMEOUTS kReadWhatIsHeld{MAXDWORD, 0, 0, 0, 0};
// A read ends when it has all it asked for: the wait asks for one character.
constexpr COMMTIMEOUTS kWaitForAll{0, 0, 0, 0, 0};

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
        m_reading.hEvent = m_readDone.handle();
    }

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
        for (const Event* event : {&m_stop, &m_resume, &m_readDone}) {
            if (event->handle() == nullptr)
                return QStringLiteral("cannot wait for the port: ") + systemReason(event->error());
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
        COMMTIMEOUTS timeouts = kReadWhatIsHeld;
        if (!SetCommTimeouts(m_port, &timeouts))
            return systemReason(GetLastError());
        return {};
    }

    // The reader's thread: read what the driver holds, then wait for the next character and
    // collect what follows it, until a stop or the device goes away. Nothing is pending when
    // it returns.
    void run()
    {
        for (;;) {
            const Round round = m_reader.readRound(
                m_buffer, [this](char* into, qsizetype most) { return readNow(into, most); }, m_events, qintptr(m_port));
            if (round.ended)
                return;
            if (round.heldBack) {
                // The taker has no room: nothing is read until it resumes the reader.
                const HANDLE wakes[] = {m_stop.handle(), m_resume.handle()};
                const DWORD woken = WaitForMultipleObjects(2, wakes, FALSE, INFINITE);
                if (woken != WAIT_OBJECT_0 + 1) {
                    if (woken != WAIT_OBJECT_0)
                        gone(woken == WAIT_FAILED ? GetLastError() : ERROR_GEN_FAILURE);
                    return;
                }
                ResetEvent(m_resume.handle());
                continue;
            }
            if (!waitForCharacter())
                return;
            // What follows the character gathers for a moment, so that the next round takes it
            // at once rather than in a round of its own.
            m_collecting.afterRound(round.taken, [this](qint64 ms) { WaitForSingleObject(m_stop.handle(), DWORD(ms)); });
        }
    }

    // Asks for the next character and sleeps until it comes (kept for the next read), the
    // stop, or the device goes; false for the last two.
    bool waitForCharacter()
    {
        if (!setTimeouts(kWaitForAll))
            return false;
        const qsizetype got = read(&m_first, 1, m_reader.m_waitFails && m_reader.m_waitFails());
        if (got < 0)
            return false;
        if (got == 0) {
            // Without timeouts only a line that closed ends a read short.
            gone(ERROR_OPERATION_ABORTED);
            return false;
        }
        m_hasFirst = true;
        return setTimeouts(kReadWhatIsHeld);
    }

    bool setTimeouts(COMMTIMEOUTS timeouts)
    {
        if (SetCommTimeouts(m_port, &timeouts))
            return true;
        gone(GetLastError());
        return false;
    }

    // Up to most characters (at most the buffer's) that the driver holds now, the one the
    // wait took first, for the shared reading policy; -1 when reading ended (a stop, or the
    // device went away, told).
    qsizetype readNow(char* into, qsizetype most)
    {
        qsizetype count = 0;
        if (m_hasFirst) {
            m_hasFirst = false;
            *into++ = m_first;
            --most;
            count = 1;
        }
        if (most == 0)
            return count;
        const qsizetype read = this->read(into, DWORD(most));
        return read < 0 ? -1 : count + read;
    }

    // Reads up to count characters into into, as the timeouts set say; the count read, or -1
    // when reading ended (a stop, or the device went away, told). Nothing is left pending on
    // any way out: the buffer may go. Tests make the wait fail as a failing system call would.
    qsizetype read(char* into, DWORD count, bool failWait = false)
    {
        ResetEvent(m_readDone.handle());
        if (ReadFile(m_port, into, count, nullptr, &m_reading))
            return finished();
        if (GetLastError() != ERROR_IO_PENDING) {
            gone(GetLastError());
            return -1;
        }
        const HANDLE wakes[] = {m_stop.handle(), failWait ? nullptr : m_readDone.handle()};
        const DWORD woken = WaitForMultipleObjects(2, wakes, FALSE, INFINITE);
        if (woken != WAIT_OBJECT_0 + 1) {
            const DWORD why = woken == WAIT_FAILED ? GetLastError() : ERROR_GEN_FAILURE;
            CancelIoEx(m_port, &m_reading);
            DWORD unused = 0;
            GetOverlappedResult(m_port, &m_reading, &unused, TRUE);
            if (woken != WAIT_OBJECT_0)
                gone(why);
            return -1;
        }
        return finished();
    }

    // What a read that ended brought, or -1, told.
    qsizetype finished()
    {
        DWORD got = 0;
        if (!GetOverlappedResult(m_port, &m_reading, &got, FALSE)) {
            gone(GetLastError());
            return -1;
        }
        return qsizetype(got);
    }

    // The device went away (an adapter pulled, the far end closed): what the driver still
    // held was read before, so only the reason is left to hand over.
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
    Event m_stop;      // set by the owner: the reader's thread ends
    Event m_resume;    // set by the taker: there is room again
    Event m_readDone;  // the read in m_reading finished
    // The one read that may be pending, and what it reads into, live as long as the thread.
    OVERLAPPED m_reading{};
    char m_first = 0;  // the character the wait took
    bool m_hasFirst = false;
    QByteArray m_buffer = QByteArray(qsizetype(kReadChunk), Qt::Uninitialized);
    Collecting m_collecting;
    std::thread m_thread;
};

std::unique_ptr<PortReader::Worker> PortReader::makeSystemWorker()
{
    return std::make_unique<SystemWorker>(*this, m_lineErrors);
}
