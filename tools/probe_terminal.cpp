#include "tools/probe_terminal.h"

#include <QFile>
#include <QThread>

#include <cstdio>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

QString openProbeTerminal(int& farEnd)
{
    int deviceEnd = -1;
    char name[256] = {};
    termios raw{};
    cfmakeraw(&raw);
    cfsetspeed(&raw, B115200);
    if (openpty(&farEnd, &deviceEnd, name, &raw, nullptr) != 0) {
        farEnd = -1;
        return QString();
    }
    ::close(deviceEnd);
    ::fcntl(farEnd, F_SETFD, FD_CLOEXEC);
    return QString::fromLocal8Bit(name);
}

bool probeReaderAttached(int farEnd)
{
    pollfd state{farEnd, 0, 0};
    return ::poll(&state, 1, 0) >= 0 && !(state.revents & POLLHUP);
}

qsizetype writeToProbeTerminal(int farEnd, const char* data, qsizetype size)
{
    pollfd writable{farEnd, POLLOUT, 0};
    if (::poll(&writable, 1, 50) <= 0 || !(writable.revents & POLLOUT))
        return 0;
    const ssize_t written = ::write(farEnd, data, static_cast<size_t>(size));
    if (written < 0)
        return (errno == EAGAIN || errno == EINTR || errno == EIO) ? 0 : -1;
    return written;
}

bool waitForProbeReader(int farEnd, const std::atomic<bool>& stopping)
{
    while (!stopping && !probeReaderAttached(farEnd))
        QThread::msleep(20);
    return !stopping;
}

bool handToProbeReader(int farEnd, const char* data, qsizetype size, const std::atomic<bool>& stopping)
{
    qsizetype written = 0;
    while (written < size) {
        if (!waitForProbeReader(farEnd, stopping))
            return false;
        const qsizetype now = writeToProbeTerminal(farEnd, data + written, size - written);
        if (now < 0)
            return false;
        written += now;
    }
    return true;
}

int openAnnouncedProbeTerminal(const char* program, const QString& linkPath)
{
    int farEnd = -1;
    const QString device = openProbeTerminal(farEnd);
    if (device.isEmpty()) {
        std::fprintf(stderr, "%s: openpty: %s\n", program, std::strerror(errno));
        return -1;
    }
    if (!linkPath.isEmpty()) {
        QFile::remove(linkPath);
        if (!QFile::link(device, linkPath))
            std::fprintf(stderr, "%s: cannot make the link %s\n", program, qPrintable(linkPath));
    }
    std::printf("%s\n", qPrintable(device));
    std::fflush(stdout);
    return farEnd;
}

void closeProbeTerminal(int farEnd, const QString& linkPath, const std::atomic<bool>& stopping)
{
    for (int waited = 0; !stopping && waited < 2000 && probeReaderAttached(farEnd); waited += 20)
        ::usleep(20000);
    if (!linkPath.isEmpty())
        QFile::remove(linkPath);
    ::close(farEnd);
}
