#include "core/standard_streams.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace standardstreams {

void useBinary()
{
    for (std::FILE* stream : {stdin, stdout, stderr})
        _setmode(_fileno(stream), _O_BINARY);
}

}  // namespace standardstreams
