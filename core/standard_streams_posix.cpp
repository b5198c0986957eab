#include "core/standard_streams.h"

namespace standardstreams {

void useBinary() {}

}  // namespace standardstreams
