#pragma once

#include "serial/line_errors.h"
#include "serial/line_settings.h"

#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>
#include <deque>
#include <memory>

class QSerialPort;

// What arrived from the device since the last take.
struct Arrivals {
    QByteArray bytes;
    std::deque<int> lineEvents;  // CommEvent codes of line errors the driver counted
    bool lost = false;           // characters were lost for want of room
    QString goneReason;          // set when the device went away (nothing follows): why
};

// Reads a serial device in a thread of its own, so that arrivals are collected whatever the
// window's thread does (a modal box, a long handler), into an inbox that the window's
// thread takes from. What waits, here and in the taker's own buffer, stays within a bound:
// characters beyond it are counted as lost. Arrivals of a slow line are collected for a few
// milliseconds in the driver before they are read, so that a device that hands over
// characters every millisecond costs one wake-up per collection, not one per delivery.
class PortReader : public QObject {
    Q_OBJECT
public:
    explicit PortReader(LineErrorSource& lineErrors);
    ~PortReader() override;

    // Opens the device and starts reading; the system's reason when it cannot.
    QString open(const QString& path, const LineSettings& settings, qsizetype capacity);
    void close();

    void setCapacity(qsizetype capacity) { m_capacity.store(capacity, std::memory_order_relaxed); }
    // The window's thread: what arrived since the last take.
    Arrivals take();
    // How many taken characters still wait on the taker's side (counted against the bound).
    void setWaitingElsewhere(qsizetype count) { m_waitingElsewhere.store(count, std::memory_order_relaxed); }
    quint64 lostCharacters() const { return m_lostCharacters.load(std::memory_order_relaxed); }

signals:
    // Something arrived; raised once until the next take.
    void arrived();

private:
    class Worker;
    void hand(const QByteArray& bytes, std::deque<int> lineEvents, const QString& goneReason = {});

    LineErrorSource& m_lineErrors;
    QThread m_thread;
    std::unique_ptr<Worker> m_worker;  // lives in m_thread while it runs

    QMutex m_lock;  // guards m_inbox
    Arrivals m_inbox;
    std::atomic<qsizetype> m_capacity{0};
    std::atomic<qsizetype> m_waitingElsewhere{0};
    std::atomic<quint64> m_lostCharacters{0};
    std::atomic<bool> m_told{false};
};
