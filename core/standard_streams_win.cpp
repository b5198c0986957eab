#include "core/standard_streams.h"

#include <QString>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace standardstreams {

void useBinary()
{
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

bool isConsole(int fd)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

bool writeConsole(int fd, const QByteArray& localText)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    // WriteConsoleW shows the characters whatever the console's code page.
    const std::wstring text = QString::fromLocal8Bit(localText).toStdWString();
    const wchar_t* at = text.data();
    DWORD left = DWORD(text.size());
    while (left > 0) {
        DWORD written = 0;
        if (!WriteConsoleW(handle, at, left, &written, nullptr) || written == 0)
            return false;
        at += written;
        left -= written;
    }
    return true;
}

void writeError(const QByteArray& localText)
{
    std::fflush(stderr);
    if (isConsole(_fileno(stderr)) && writeConsole(_fileno(stderr), localText))
        return;
    std::fwrite(localText.constData(), 1, std::size_t(localText.size()), stderr);
    std::fflush(stderr);
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        // _write takes an unsigned int's worth at a time.
        const unsigned step = unsigned(std::min<qsizetype>(left, qsizetype(1) << 30));
        const int written = _write(fd, at, step);
        if (written <= 0)
            return false;
        at += written;
        left -= written;
    }
    return true;
}

}  // namespace standardstreams
