#include "pseudo_terminal.h"

#include "tools/probe_terminal.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal()
{
    m_path = openProbeTerminal(m_farEnd);
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
