#include "pseudo_terminal.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal()
{
    int deviceEnd = -1;
    char name[256] = {};
    termios raw{};
    cfmakeraw(&raw);
    if (openpty(&m_farEnd, &deviceEnd, name, &raw, nullptr) != 0) {
        m_farEnd = -1;
        return;
    }
    // Only the component holds the device end, as with a real port; and only the test holds
    // the far end, not a program it starts (which would keep the device from going away).
    ::close(deviceEnd);
    ::fcntl(m_farEnd, F_SETFD, FD_CLOEXEC);
    m_path = QString::fromLocal8Bit(name);
}

PseudoTerminal::~PseudoTerminal()
{
    closeFarEnd();
}

bool PseudoTerminal::write(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(m_farEnd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (written > 0) {
            done += written;
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        pollfd writable{m_farEnd, POLLOUT, 0};
        ::poll(&writable, 1, 100);
    }
    return true;
}

void PseudoTerminal::closeFarEnd()
{
    if (m_farEnd >= 0)
        ::close(m_farEnd);
    m_farEnd = -1;
}
