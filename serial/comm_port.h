#pragma once

#include "serial/line_errors.h"
#include "serial/port_map.h"
#include "serial/port_reader.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <memory>
#include <stdexcept>


// A failed operation of the serial-port component. Callers only test whether one occurred.
class CommError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Event codes of CommEvent.
enum CommEventCode : int {
    comEvReceive = 2,
    comEventBreak = 1001,
    comEventFrame = 1004,
    comEventOverrun = 1006,
    comEventRxOver = 1008,
    comEventRxParity = 1009,
};

// The serial-port component of the window. Received characters wait in a bounded receive
// buffer and are given out one event at a time, on the window's thread: while at least
// RThreshold characters wait, OnComm reports comEvReceive and Input hands out at most InputLen
// of them, oldest first. No event is raised while an OnComm handler is still running (a modal
// box inside it would otherwise receive the next one); events wait until it has returned,
// while the device is still read in a thread of its own (PortReader).
class MSComm : public QObject {
    Q_OBJECT
public:
    // Room for ~90 s of input at 115200 baud while a handler keeps the window busy.
    static constexpr int kDefaultInBufferSize = 1 << 20;

    explicit MSComm(QObject* parent = nullptr);
    MSComm(PortMap ports, std::unique_ptr<LineErrorSource> lineErrors, QObject* parent = nullptr);
    ~MSComm() override;

    int CommPort() const { return m_commPort; }
    void SetCommPort(int number);  // throws CommError while the port is open or for number < 1
    QString Settings() const { return m_settings; }
    void SetSettings(const QString& settings);  // checked when the port is opened
    bool PortOpen() const { return m_open; }
    void SetPortOpen(bool open);  // throws CommError when the port cannot be opened
    int RThreshold() const { return m_rThreshold; }
    void SetRThreshold(int threshold);
    int SThreshold() const { return m_sThreshold; }
    void SetSThreshold(int threshold) { m_sThreshold = threshold; }
    int InputLen() const { return m_inputLen; }
    void SetInputLen(int length);  // 0: all that waits
    int InBufferSize() const { return m_inBufferSize; }
    void SetInBufferSize(int size);
    int InBufferCount() const { return static_cast<int>(m_received.size()); }
    QString Input();
    int CommEvent() const { return m_commEvent; }

    // Input that comes steadily (deliveries less than ms apart) is taken every ms by a timer
    // of its own instead of at every delivery: one wake-up of the window's thread for several
    // deliveries. 0 (the default): every delivery is taken as it comes.
    void setGathering(int ms) { m_gatherMs = std::max(0, ms); }
    bool isGathering() const { return m_gathering; }

    const PortMap& ports() const { return m_ports; }
    // Why the device went away (the system's words), once PortLost was raised.
    QString lostReason() const { return m_lostReason; }

signals:
    void OnComm();
    // The device went away while open (an adapter pulled, the far end gone). The characters
    // received before are handed out first; then the port is closed and this is raised.
    void PortLost();

private:
    void openDevice();
    void takeArrivals();
    void absorb(Arrivals arrivals);
    void scheduleDispatch(int delayMs = 0);
    void dispatch();
    bool raiseNextEvent();

    PortMap m_ports;
    std::unique_ptr<LineErrorSource> m_lineErrors;
    std::unique_ptr<PortReader> m_reader;

    int m_commPort = 1;
    QString m_settings = QStringLiteral("9600,n,8,1");
    bool m_open = false;
    bool m_deviceLost = false;
    QString m_lostReason;
    int m_rThreshold = 0;
    int m_sThreshold = 0;
    int m_inputLen = 0;
    int m_inBufferSize = kDefaultInBufferSize;
    int m_commEvent = 0;

    std::deque<char> m_received;
    std::deque<int> m_pendingEvents;  // line events waiting to be raised, oldest first
    bool m_inHandler = false;
    QTimer m_dispatch;  // raises the waiting events
    int m_gatherMs = 0;
    bool m_gathering = false;     // steady input: taken by m_gather, not as it is told
    QTimer m_gather;
    QElapsedTimer m_sinceBytes;   // since characters were last taken
    bool m_receiveStalled = false;    // the last receive event changed nothing: no read, no arrival
    quint64 m_arrived = 0;            // characters taken into the buffer, ever
    quint64 m_taken = 0;              // characters handed out by Input, ever
};
