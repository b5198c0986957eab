#pragma once

#include <QByteArray>

// Standard input, output and error carry bytes as they are: a log read from a pipe, a pcapng
// capture written to one, text lines ending as on every system. Windows would otherwise turn
// LF into CR LF and stop reading at a Ctrl+Z (standard_streams_win.cpp); elsewhere there is
// nothing to do (standard_streams_posix.cpp).
namespace standardstreams {

void useBinary();

// Whether the descriptor is a console window that shows text in a code page of its own
// (Windows: the OEM page, 850 in Germany, not the ANSI page that local text is written in).
// Never elsewhere: a terminal shows the bytes as they are.
bool isConsole(int fd);
// Writes text in the local 8-bit encoding to such a console, as the text it is.
bool writeConsole(int fd, const QByteArray& localText);

// Text for a person on standard error: to a console as text, else the bytes as they are.
void writeError(const QByteArray& localText);

// Writes every byte to the descriptor (standard output or error, a fifo), waiting while its
// reader is slow; false once it fails (the reader gone, the disk full). Made of system calls
// alone, so that a thread of ours that writes makes no Qt objects of its own.
bool writeAll(int fd, const QByteArray& bytes);

}  // namespace standardstreams
