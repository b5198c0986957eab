#include "tools/probe_terminal.h"

#include <fcntl.h>
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
