#include "serial/comm_port.h"

#include "core/code_page.h"
#include "serial/line_settings.h"

#include <QElapsedTimer>

#include <array>
#include <QSerialPort>
#include <QSocketNotifier>

namespace {

// A batch of events ends after this long, so the window can repaint and take clicks between
// batches even when input arrives faster than it is handled.
constexpr qint64 kDispatchBudgetMs = 8;

// Arrivals are collected this long before their events are raised: an adapter that hands
// over characters every millisecond then costs one pass of the event loop for several
// arrivals, still far within the screen's 40 ms refresh.
constexpr int kCollectMs = 10;
// More than this in one read is more than the line rate brings in a few milliseconds: the
// input is a burst (or comes faster than any line rate), and is handed out at once.
constexpr qsizetype kBurstBytes = 256;

}  // namespace

MSComm::MSComm(QObject* parent) : MSComm(PortMap::fromSystem(), systemLineErrors(), parent) {}

MSComm::MSComm(PortMap ports, std::unique_ptr<LineErrorSource> lineErrors, QObject* parent)
    : QObject(parent), m_ports(std::move(ports)), m_lineErrors(std::move(lineErrors))
{
    m_dispatch.setSingleShot(true);
    m_dispatch.setTimerType(Qt::PreciseTimer);
    connect(&m_dispatch, &QTimer::timeout, this, &MSComm::dispatch);
}

MSComm::~MSComm()
{
    closeDevice();
}

void MSComm::SetCommPort(int number)
{
    if (m_open)
        throw CommError("the port number cannot change while the port is open");
    if (number < 1)
        throw CommError("invalid port number");
    m_commPort = number;
}

void MSComm::SetSettings(const QString& settings)
{
    m_settings = settings;
}

void MSComm::SetPortOpen(bool open)
{
    if (open == m_open)
        return;
    if (open) {
        openDevice();
        return;
    }
    closeDevice();
    m_open = false;
    m_deviceLost = false;
    m_received.clear();
    m_pendingEvents.clear();
    m_lossPending = false;
}

void MSComm::SetRThreshold(int threshold)
{
    m_rThreshold = threshold;
    scheduleDispatch();
}

void MSComm::SetInputLen(int length)
{
    m_inputLen = std::max(0, length);
}

void MSComm::SetInBufferSize(int size)
{
    m_inBufferSize = std::max(1, size);
}

QString MSComm::Input()
{
    const std::size_t wanted = m_inputLen == 0 ? m_received.size()
                                               : std::min<std::size_t>(m_inputLen, m_received.size());
    if (wanted == 1) {
        // One character per event at 11,520 a second: a shared text for each byte, no allocation.
        static const std::array<QString, 256> kCharacters = [] {
            std::array<QString, 256> texts;
            for (int byte = 0; byte < 256; ++byte)
                texts[static_cast<std::size_t>(byte)] = QString(codepage::toChar(static_cast<unsigned char>(byte)));
            return texts;
        }();
        const unsigned char byte = static_cast<unsigned char>(m_received.front());
        m_received.pop_front();
        ++m_taken;
        return kCharacters[byte];
    }
    QString text(static_cast<qsizetype>(wanted), Qt::Uninitialized);
    for (std::size_t i = 0; i < wanted; ++i) {
        text[static_cast<qsizetype>(i)] = codepage::toChar(static_cast<unsigned char>(m_received.front()));
        m_received.pop_front();
    }
    m_taken += wanted;
    return text;
}

void MSComm::openDevice()
{
    const std::optional<LineSettings> settings = parseLineSettings(m_settings);
    if (!settings)
        throw CommError("malformed settings: " + m_settings.toStdString());
    const QString path = m_ports.device(m_commPort);
    if (path.isEmpty())
        throw CommError("no device for this port number");

    auto device = std::make_unique<QSerialPort>();
    device->setPortName(path);
    if (!device->open(QIODevice::ReadOnly))
        throw CommError(device->errorString().toStdString());
    const bool applied = device->setBaudRate(settings->baudRate) && device->setParity(settings->parity) &&
                         device->setDataBits(settings->dataBits) &&
                         device->setStopBits(settings->stopBits) &&
                         device->setFlowControl(QSerialPort::NoFlowControl);
    if (!applied) {
        const std::string reason = device->errorString().toStdString();
        device->close();
        throw CommError("settings refused: " + reason);
    }
    connect(device.get(), &QSerialPort::readyRead, this, &MSComm::takeArrivedBytes);
    // QSerialPort's own read notifier, where it has one (Unix): paused between dispatches.
    m_readNotifier = device->findChild<QSocketNotifier*>();
    connect(device.get(), &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        // A pulled adapter reports a resource error, a far end that closed a read error that
        // would come again with every notification: either way the device is gone.
        if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError)
            onDeviceError();
    });
    m_device = std::move(device);
    m_open = true;
    m_deviceLost = false;
    m_lostCharacters = 0;
    const std::optional<LineErrorCounts> counts = m_lineErrors->read(m_device->handle());
    m_hasCounters = counts.has_value();
    m_lastCounts = counts.value_or(LineErrorCounts{});
}

void MSComm::closeDevice()
{
    m_readNotifier = nullptr;
    if (!m_device)
        return;
    m_device->disconnect(this);
    m_device->close();
    // Deleted later: this may run inside one of the device's own signals.
    m_device.release()->deleteLater();
}

void MSComm::takeArrivedBytes()
{
    if (!m_device)
        return;
    const QByteArray bytes = m_device->readAll();
    const std::size_t room = m_received.size() < static_cast<std::size_t>(m_inBufferSize)
                                 ? static_cast<std::size_t>(m_inBufferSize) - m_received.size()
                                 : 0;
    const std::size_t kept = std::min<std::size_t>(room, static_cast<std::size_t>(bytes.size()));
    m_received.insert(m_received.end(), bytes.begin(), bytes.begin() + static_cast<qsizetype>(kept));
    if (kept < static_cast<std::size_t>(bytes.size())) {
        m_lostCharacters += static_cast<std::size_t>(bytes.size()) - kept;
        m_lossPending = true;
    }
    if (kept > 0) {
        m_arrived += kept;
        m_receiveStalled = false;
    }
    checkLineErrors();
    // Not handed out from inside readyRead: QSerialPort raises no further readyRead while one
    // is being handled, so a handler's modal box would keep arrivals out of our buffer. What
    // comes meanwhile collects in the driver and is read at the dispatch, with one wake-up.
    setNotifications(false);
    // Collected until kCollectMs after the last dispatch: deliveries that come further apart
    // (a USB adapter's 16 ms) are handed out at once, without a second wake-up.
    const qint64 sinceDispatch = m_sinceDispatch.isValid() ? m_sinceDispatch.elapsed() : kCollectMs;
    const bool burst = bytes.size() >= kBurstBytes;
    scheduleDispatch(burst ? 0 : static_cast<int>(std::max<qint64>(0, kCollectMs - sinceDispatch)));
}

void MSComm::setNotifications(bool on)
{
    if (m_readNotifier && m_readNotifier->isEnabled() != on)
        m_readNotifier->setEnabled(on);
}

bool MSComm::readWaiting()
{
    if (!m_device)
        return false;
    const quint64 arrivedBefore = m_arrived;
    const quint64 lostBefore = m_lostCharacters;
    // Reads what the driver holds now, without waiting; readyRead brings it to takeArrivedBytes.
    if (!m_device->waitForReadyRead(0) && m_device && m_device->error() == QSerialPort::TimeoutError)
        m_device->clearError();
    return m_arrived != arrivedBefore || m_lostCharacters != lostBefore;
}

void MSComm::checkLineErrors()
{
    if (!m_hasCounters)
        return;
    const std::optional<LineErrorCounts> counts = m_lineErrors->read(m_device->handle());
    if (!counts)
        return;
    const auto report = [this](quint64 now, quint64 before, int code) {
        if (now > before)
            m_pendingEvents.push_back(code);
    };
    report(counts->overrun, m_lastCounts.overrun, comEventOverrun);
    report(counts->bufferOverrun, m_lastCounts.bufferOverrun, comEventRxOver);
    report(counts->frame, m_lastCounts.frame, comEventFrame);
    report(counts->parity, m_lastCounts.parity, comEventRxParity);
    report(counts->breaks, m_lastCounts.breaks, comEventBreak);
    m_lastCounts = *counts;
}

void MSComm::onDeviceError()
{
    if (!m_device)
        return;
    takeArrivedBytes();
    closeDevice();
    m_deviceLost = true;
    scheduleDispatch();
}

void MSComm::scheduleDispatch(int delayMs)
{
    if (m_dispatch.isActive() && m_dispatch.remainingTime() <= delayMs)
        return;
    m_dispatch.start(delayMs);
}

void MSComm::dispatch()
{
    if (!m_open)
        return;
    m_sinceDispatch.start();
    // Characters that came since the last dispatch; while they keep coming the driver is read
    // again at the next dispatch, and once they stop, their arrival wakes us again.
    const bool arriving = readWaiting();
    if (!arriving)
        setNotifications(true);
    // The running handler's own dispatch loop goes on once it has returned; meanwhile arrivals
    // still reach the receive buffer, also while a modal box inside the handler is open.
    if (m_inHandler || !m_open)
        return;
    QElapsedTimer batch;
    batch.start();
    while (m_open && raiseNextEvent()) {
        if (batch.elapsed() >= kDispatchBudgetMs) {
            scheduleDispatch();
            return;
        }
    }
    if (m_open && m_deviceLost) {
        SetPortOpen(false);
        emit PortLost();
    }
}

bool MSComm::raiseNextEvent()
{
    int code = 0;
    if (!m_pendingEvents.empty()) {
        code = m_pendingEvents.front();
        m_pendingEvents.pop_front();
    } else if (m_lossPending) {
        code = comEventRxOver;
        m_lossPending = false;
    } else if (m_rThreshold > 0 && m_received.size() >= static_cast<std::size_t>(m_rThreshold) &&
               !m_receiveStalled) {
        code = comEvReceive;
    } else {
        return false;
    }
    const quint64 arrivedBefore = m_arrived;
    const quint64 takenBefore = m_taken;
    m_commEvent = code;
    m_inHandler = true;
    emit OnComm();
    m_inHandler = false;
    // Characters that wait raise further events only while the handler takes them or more
    // arrive: a handler that does not read gets no busy loop.
    if (code == comEvReceive && m_taken == takenBefore && m_arrived == arrivedBefore)
        m_receiveStalled = true;
    return true;
}
