#include "tools/scan/output_now.h"

// Windows has no write to a pipe or console that gives up when it would wait without changing
// the handle for everyone who shares it: everything goes through the output thread.
OutputNow::OutputNow(int) {}

OutputNow::~OutputNow() = default;

qsizetype OutputNow::write(const char*, qsizetype)
{
    return -1;
}
