#include "tools/scan/output_now.h"

#include <QByteArray>

#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

OutputNow::OutputNow(int fd)
{
    struct stat about {};
    if (::fstat(fd, &about) != 0)
        return;
    if (S_ISSOCK(about.st_mode)) {
        // Each send says for itself that it does not wait.
        m_fd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
        m_socket = true;
        return;
    }
    if (!S_ISFIFO(about.st_mode) && !S_ISCHR(about.st_mode))
        return;
    // Opened again: a description of its own, whose O_NONBLOCK does not reach the shell or the
    // other processes that share standard output.
    const QByteArray path = "/proc/self/fd/" + QByteArray::number(fd);
    m_fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

OutputNow::~OutputNow()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

qsizetype OutputNow::write(const char* data, qsizetype size)
{
    const ssize_t written = m_socket ? ::send(m_fd, data, static_cast<size_t>(size), MSG_DONTWAIT | MSG_NOSIGNAL)
                                     : ::write(m_fd, data, static_cast<size_t>(size));
    if (written >= 0)
        return written;
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ? 0 : -1;
}
