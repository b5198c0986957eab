#pragma once

// Standard input, output and error carry bytes as they are: a log read from a pipe, a pcapng
// capture written to one, text lines ending as on every system. Windows would otherwise turn
// LF into CR LF and stop reading at a Ctrl+Z (standard_streams_win.cpp); elsewhere there is
// nothing to do (standard_streams_posix.cpp).
namespace standardstreams {

void useBinary();

}  // namespace standardstreams
