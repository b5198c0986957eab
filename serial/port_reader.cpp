#include "serial/port_reader.h"

#include <algorithm>

PortReader::PortReader(LineErrorSource& lineErrors) : m_lineErrors(lineErrors) {}

PortReader::~PortReader()
{
    close();
}

QString PortReader::open(const QString& path, const LineSettings& settings, qsizetype capacity)
{
    close();
    m_capacity = capacity;
    m_waitingElsewhere = 0;
    std::unique_ptr<Worker> worker = makeSystemWorker();
    const QString reason = worker->start(path, settings);
    if (reason.isEmpty())
        m_worker = std::move(worker);
    else
        close();
    return reason;
}

void PortReader::close()
{
    m_worker.reset();
    m_heldBack = false;
    const QMutexLocker lock(&m_lock);
    m_inbox = Arrivals();
    m_inboxSize = 0;
    m_told = false;
}

void PortReader::setCapacity(qsizetype capacity)
{
    m_capacity.store(capacity);
    if (m_heldBack.load())
        resumeIfRoom();
}

Arrivals PortReader::take(Tell tell)
{
    m_told = tell == Tell::Later;
    Arrivals taken;
    const QMutexLocker lock(&m_lock);
    std::swap(taken, m_inbox);
    // Still waiting, now on the taker's side: counted there before it leaves the inbox.
    m_waitingElsewhere.fetch_add(taken.bytes.size());
    m_inboxSize.store(0);
    return taken;
}

qsizetype PortReader::room() const
{
    return m_capacity.load() - m_inboxSize.load() - m_waitingElsewhere.load();
}

qsizetype PortReader::roomOrHoldBack()
{
    m_heldBack.store(true);
    const qsizetype free = room();
    if (free <= 0)
        return 0;
    m_heldBack.store(false);
    return free;
}

void PortReader::resumeIfRoom()
{
    // Half the bound free: the next read takes a good part of what waited, not a character.
    if (room() < std::max<qsizetype>(1, m_capacity.load() / 2) || !m_worker)
        return;
    if (!m_heldBack.exchange(false))
        return;
    m_worker->resume();
}

PortReader::Round PortReader::readRound(QByteArray& buffer, const ReadNow& readNow, readerparts::LineEventWatch& events,
                                        qintptr handle)
{
    Round round;
    for (;;) {
        const qsizetype room = roomOrHoldBack();
        if (room == 0) {
            // Line events are told while reading waits, too.
            hand({}, events.since(handle));
            round.heldBack = true;
            return round;
        }
        const qsizetype wanted = std::min(room, buffer.size());
        const qsizetype count = readNow(buffer.data(), wanted);
        if (count < 0) {
            round.ended = true;
            return round;
        }
        hand(QByteArray(buffer.constData(), count), events.since(handle));
        round.taken += count;
        if (count < wanted)
            return round;
    }
}

void PortReader::hand(const QByteArray& bytes, std::deque<int> lineEvents, const QString& goneReason)
{
    {
        const QMutexLocker lock(&m_lock);
        m_inbox.bytes.append(bytes);
        m_inboxSize.store(m_inbox.bytes.size());
        m_inbox.lineEvents.insert(m_inbox.lineEvents.end(), lineEvents.begin(), lineEvents.end());
        if (m_inbox.goneReason.isEmpty())
            m_inbox.goneReason = goneReason;
        if (bytes.isEmpty() && lineEvents.empty() && goneReason.isEmpty())
            return;
    }
    if (!m_told.exchange(true))
        emit arrived();
}
