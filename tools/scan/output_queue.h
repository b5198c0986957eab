#pragma once

#include "tools/scan/output_now.h"

#include <QByteArray>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

// Output of a live watch that no reader can hold up: a slow ssh, a busy tshark, a journal
// that stalls. While nothing waits, a block goes to the reader at once as far as it has room
// (where the system writes without waiting: OutputNow); the rest, and every block behind it,
// is written by a thread of its own while the watch goes on capturing. What waits for the
// reader stays within a bound, and a block that finds no room is given up whole and counted,
// so that what is written stays whole. Blocks are pushed from one thread only.
class OutputQueue {
public:
    // fd: an open descriptor (standard output, error, a fifo) that stays the caller's.
    OutputQueue(int fd, qsizetype limit);
    ~OutputQueue();
    OutputQueue(const OutputQueue&) = delete;
    OutputQueue& operator=(const OutputQueue&) = delete;

    // What waits for a reader by default: an hour of --decode at the line rate.
    static constexpr qsizetype kDefaultLimit = 64 * 1024 * 1024;
    // The bound of the environment's WIRELARK_OUTPUT_LIMIT (bytes), else the default.
    static qsizetype limitFromEnvironment();

    // Queues a whole block. False once the reader has gone away (nothing more is written).
    bool push(QByteArray block);
    // Bytes given up for want of room since the last call; 0 while none were.
    qint64 takeGivenUp();
    // Bytes waiting for the reader.
    qsizetype queued() const;
    // Waits at most timeoutMs for everything queued to be written; true once it is, or once
    // the reader has gone away and nothing more can be.
    bool waitWritten(int timeoutMs);
    // Nothing more is written; blocks still queued are given up.
    void abandon();

private:
    // Shared with the writing thread, which may still be inside a write that no reader
    // takes when the queue is gone: it then ends on its own, after the queue.
    struct State {
        mutable std::mutex lock;
        std::condition_variable changed;
        std::deque<QByteArray> blocks;
        qsizetype queued = 0;  // bytes in blocks and in the write going on
        qint64 givenUp = 0;
        bool closed = false;   // the reader went away
        bool stopping = false;
        bool ready = false;    // the writer has set itself up and waits for blocks
    };
    static void writeLoop(int fd, std::shared_ptr<State> state);

    qsizetype m_limit;
    OutputNow m_now;
    std::shared_ptr<State> m_state;
};
