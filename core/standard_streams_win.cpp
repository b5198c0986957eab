#include "core/standard_streams.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace standardstreams {

void useBinary()
{
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace standardstreams
