#include "core/standard_streams.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace standardstreams {

void useBinary() {}

bool isConsole(int)
{
    return false;
}

bool writeConsole(int, const QByteArray&)
{
    return false;
}

void writeError(const QByteArray& localText)
{
    std::fwrite(localText.constData(), 1, static_cast<std::size_t>(localText.size()), stderr);
    std::fflush(stderr);
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, at, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        at += written;
        left -= written;
    }
    return true;
}

}  // namespace standardstreams
