#include "core/standard_streams.h"

#include <cstdio>

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

}  // namespace standardstreams
