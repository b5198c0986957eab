#pragma once

#include "serial/line_errors.h"
#include "serial/line_settings.h"
#include "serial/reader_parts.h"

#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QString>

#include <atomic>
#include <deque>
#include <functional>
#include <memory>

// What arrived from the device since the last take.
struct Arrivals {
    QByteArray bytes;
    std::deque<int> lineEvents;  // CommEvent codes of line errors the driver counted
    QString goneReason;          // set when the device went away (nothing follows): why
};

// Reads a serial device in a thread of its own, so that arrivals are collected whatever the
// window's thread does (a modal box, a long handler), into an inbox that the window's
// thread takes from. What waits, here and in the taker's own buffer, stays within a bound:
// characters beyond it are counted as lost. Arrivals of a slow line are collected for a few
// milliseconds in the driver before they are read, so that a device that hands over
// characters every millisecond costs one wake-up per collection, not one per delivery.
// The device itself is read by each system's own worker.
class PortReader : public QObject {
    Q_OBJECT
public:
    explicit PortReader(LineErrorSource& lineErrors);
    ~PortReader() override;

    // Opens the device and starts reading; the system's reason when it cannot.
    QString open(const QString& path, const LineSettings& settings, qsizetype capacity);
    void close();

    void setCapacity(qsizetype capacity);
    // After a take, the next arrival is told (arrived) at once, or only to a later take: the
    // taker then comes back by itself.
    enum class Tell { Next, Later };
    // The taker's thread: what arrived since the last take. The taken characters count
    // against the bound until the taker says they are used (setWaitingElsewhere).
    Arrivals take(Tell tell = Tell::Next);
    // How many taken characters still wait on the taker's side; reading goes on once there
    // is room again.
    void setWaitingElsewhere(qsizetype count)
    {
        m_waitingElsewhere.store(count);
        if (m_heldBack.load())
            resumeIfRoom();
    }

    // Tests: before each wait for the next character, fails() says whether that wait fails as
    // a failing system call would (the device is then gone). Windows only: Linux waits in
    // Qt's event loop. Set before open.
    void setWaitFailure(std::function<bool()> fails) { m_waitFails = std::move(fails); }

signals:
    // Something arrived; raised once until the next take that asks for it.
    void arrived();

private:
    // The reading of the device, by each system's own means: the worker lives until close.
    class Worker {
    public:
        virtual ~Worker() = default;
        // Opens the device and starts reading it; the system's reason when it cannot.
        virtual QString start(const QString& path, const LineSettings& settings) = 0;
        // Any thread: reading goes on after it was held back for want of room.
        virtual void resume() = 0;
    };
    // QSerialPort on Linux (port_reader_qt.cpp), Win32 on Windows (port_reader_win.cpp).
    class SystemWorker;
    std::unique_ptr<Worker> makeSystemWorker();

    // The reading policy of both systems, for their workers. Each supplies what its system
    // does differently: reading up to a number of characters now (the count read, or -1
    // when reading ended: a stop, or the device gone, which the worker tells itself).
    using ReadNow = std::function<qsizetype(char* into, qsizetype most)>;
    struct Round {
        qsizetype taken = 0;    // characters handed over
        bool heldBack = false;  // no room: reading waits until the taker resumes it
        bool ended = false;     // readNow said reading ended
    };
    // The reader's thread: what the driver holds, as far as the taker has room for it, read
    // into buffer and handed over, with the line events counted since; until a read comes
    // back short (the driver is empty) or there is no room.
    Round readRound(QByteArray& buffer, const ReadNow& readNow, readerparts::LineEventWatch& events, qintptr handle);
    void hand(const QByteArray& bytes, std::deque<int> lineEvents, const QString& goneReason = {});
    // The reader's thread: how many characters may be taken now; with none, reading is held
    // back until the taker resumes it.
    qsizetype roomOrHoldBack();
    // What the bound leaves: capacity less what waits here and on the taker's side.
    qsizetype room() const;
    void resumeIfRoom();

    LineErrorSource& m_lineErrors;
    std::function<bool()> m_waitFails;
    std::unique_ptr<Worker> m_worker;

    QMutex m_lock;  // guards m_inbox
    Arrivals m_inbox;
    std::atomic<qsizetype> m_capacity{0};
    std::atomic<qsizetype> m_inboxSize{0};
    std::atomic<qsizetype> m_waitingElsewhere{0};
    // Set by the reader before it looks for room and cleared by whoever resumes it: with
    // sequentially consistent order, either the reader sees the room made or the taker
    // sees it held back, so reading never stalls with room to spare.
    std::atomic<bool> m_heldBack{false};
    std::atomic<bool> m_told{false};
};
