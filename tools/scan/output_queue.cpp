#include "tools/scan/output_queue.h"

#include "core/standard_streams.h"

#include <QString>

#include <chrono>
#include <thread>

OutputQueue::OutputQueue(int fd, qsizetype limit) : m_limit(limit), m_now(fd), m_state(std::make_shared<State>())
{
    std::thread(writeLoop, fd, m_state).detach();
    // The writer is left running at the end (it may wait for a reader that never reads), but
    // not while it sets itself up: a process that ends at once (a port that cannot be opened)
    // would end with it inside the C library, which crashed or hung now and then under Wine.
    std::unique_lock<std::mutex> guard(m_state->lock);
    m_state->changed.wait(guard, [this] { return m_state->ready; });
}

OutputQueue::~OutputQueue()
{
    abandon();
}

qsizetype OutputQueue::limitFromEnvironment()
{
    bool ok = false;
    const qint64 limit = qEnvironmentVariable("WIRELARK_OUTPUT_LIMIT").toLongLong(&ok);
    return ok && limit > 0 ? static_cast<qsizetype>(limit) : kDefaultLimit;
}

bool OutputQueue::push(QByteArray block)
{
    if (block.isEmpty())
        return true;
    State& state = *m_state;
    bool wake = false;
    {
        std::unique_lock<std::mutex> guard(state.lock);
        if (state.closed)
            return false;
        // Nothing waits and the writer is idle (what it writes counts as queued): the block
        // may go straight to the reader, and only what finds no room waits. Once given up,
        // nothing more is written, this way either.
        if (state.queued == 0 && !state.stopping && m_now.isOpen()) {
            guard.unlock();
            const qsizetype written = m_now.write(block.constData(), block.size());
            guard.lock();
            if (written < 0) {
                // A closed pipe or a reader gone: the watch ends quietly, as it always did.
                state.closed = true;
                return false;
            }
            if (written == block.size())
                return true;
            block.remove(0, written);
        }
        // The first block is always taken: a pcapng's header, or the rest of a block begun,
        // must not be given up.
        if (state.queued > 0 && state.queued + block.size() > m_limit) {
            state.givenUp += block.size();
            return true;
        }
        // The writer waits only for an empty queue to fill: blocks added behind others it
        // takes with them, without another wake-up.
        wake = state.blocks.empty();
        state.queued += block.size();
        state.blocks.push_back(std::move(block));
    }
    // Told after the lock is let go: woken while it is still held, the writer would at once
    // wait for it, a second switch of threads for every block.
    if (wake)
        state.changed.notify_all();
    return true;
}

qint64 OutputQueue::takeGivenUp()
{
    std::lock_guard<std::mutex> guard(m_state->lock);
    return std::exchange(m_state->givenUp, 0);
}

qsizetype OutputQueue::queued() const
{
    std::lock_guard<std::mutex> guard(m_state->lock);
    return m_state->queued;
}

bool OutputQueue::waitWritten(int timeoutMs)
{
    State& state = *m_state;
    std::unique_lock<std::mutex> guard(state.lock);
    return state.changed.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                                  [&state] { return state.queued == 0 || state.closed || state.stopping; });
}

void OutputQueue::abandon()
{
    std::lock_guard<std::mutex> guard(m_state->lock);
    m_state->stopping = true;
    m_state->changed.notify_all();
}

// No Qt object in this thread (the writes are the system's own): Qt on Windows cleans up
// after a thread that made one from a thread of its own, which could still be at it while the
// process ends.
void OutputQueue::writeLoop(int fd, std::shared_ptr<State> shared)
{
    State& state = *shared;
    // A person at a Windows console reads the text in the console's own code page.
    const bool console = standardstreams::isConsole(fd);
    {
        const std::lock_guard<std::mutex> guard(state.lock);
        state.ready = true;
    }
    state.changed.notify_all();
    for (;;) {
        // Every block waiting goes out in one write: whole blocks, one after the other.
        QByteArray block;
        {
            std::unique_lock<std::mutex> guard(state.lock);
            state.changed.wait(guard, [&state] { return !state.blocks.empty() || state.stopping; });
            if (state.stopping)
                return;
            block = std::move(state.blocks.front());
            state.blocks.pop_front();
            for (; !state.blocks.empty(); state.blocks.pop_front())
                block += state.blocks.front();
        }
        const bool written = console ? standardstreams::writeConsole(fd, block) : standardstreams::writeAll(fd, block);
        std::lock_guard<std::mutex> guard(state.lock);
        state.queued -= block.size();
        if (!written) {
            // A closed pipe or a reader gone: the watch ends quietly, as it always did.
            state.closed = true;
            state.blocks.clear();
            state.queued = 0;
        }
        state.changed.notify_all();
    }
}
