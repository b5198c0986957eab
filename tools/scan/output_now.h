#pragma once

#include <QtGlobal>

// A way to the reader of an output descriptor that never waits: what the reader has room for
// is written at once, from the watch's own thread, so that a reader that keeps up costs no
// wake-up of the output thread. Pipes, FIFOs, terminals and sockets have one on POSIX systems
// (a descriptor of its own that does not wait, leaving the shared one as it is); regular
// files (whose writes wait for the disk however they are opened), Windows and anything that
// cannot be opened again have none, and all their output goes through the output thread
// (output_now_posix.cpp, output_now_win.cpp).
class OutputNow {
public:
    // fd: an open descriptor that stays the caller's.
    explicit OutputNow(int fd);
    ~OutputNow();
    OutputNow(const OutputNow&) = delete;
    OutputNow& operator=(const OutputNow&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    // Writes the start of data that the reader has room for now: the count written (0: no
    // room), or -1 when the reader has gone away or writing failed.
    qsizetype write(const char* data, qsizetype size);

private:
    int m_fd = -1;
    bool m_socket = false;
};
