#include "serial/port_reader.h"

#include "serial/comm_port.h"

#include <QElapsedTimer>
#include <QSerialPort>

#include <algorithm>

namespace {

// Arrivals of a slow line are collected this long in the driver before they are read: an
// adapter that hands over characters every millisecond then costs one wake-up for several
// deliveries, still far within the screen's 40 ms refresh. Deliveries further apart than this
// are read as they come: collecting would only add a wake-up of its own.
constexpr qint64 kCollectMs = 10;
// More than this in one read is more than the line rate brings in a few milliseconds: the
// input is a burst (or comes faster than any line rate), and is read on at once.
constexpr qsizetype kBurstBytes = 256;
// What the device object takes in beyond the bound while reading is held back, before it
// stops asking the driver: the driver's own buffer holds the rest, and a source that can
// wait is stopped by it.
constexpr qint64 kDeviceBufferSize = 64 * 1024;

}  // namespace

// The part that lives in the reader's thread: the device and its error counters.
class PortReader::Worker : public QObject {
public:
    Worker(PortReader& reader, LineErrorSource& lineErrors) : m_reader(reader), m_lineErrors(lineErrors) {}

    QString open(const QString& path, const LineSettings& settings)
    {
        auto device = std::make_unique<QSerialPort>();
        device->setPortName(path);
        device->setReadBufferSize(kDeviceBufferSize);
        if (!device->open(QIODevice::ReadOnly))
            return device->errorString();
        const bool applied = device->setBaudRate(settings.baudRate) && device->setParity(settings.parity) &&
                             device->setDataBits(settings.dataBits) && device->setStopBits(settings.stopBits) &&
                             device->setFlowControl(QSerialPort::NoFlowControl);
        if (!applied) {
            const QString reason = QStringLiteral("settings refused: ") + device->errorString();
            device->close();
            return reason;
        }
        connect(device.get(), &QSerialPort::readyRead, this, &Worker::read);
        connect(device.get(), &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
            // A pulled adapter reports a resource error, a far end that closed a read error
            // that would come again with every notification: either way the device is gone.
            if (error == QSerialPort::ResourceError)
                deviceGone(QStringLiteral("the device was removed or is no longer available"));
            else if (error == QSerialPort::ReadError)
                deviceGone(QStringLiteral("reading failed: the far end closed or the adapter was pulled"));
        });
        m_device = std::move(device);
        const std::optional<LineErrorCounts> counts = m_lineErrors.read(deviceHandle());
        m_hasCounters = counts.has_value();
        m_lastCounts = counts.value_or(LineErrorCounts{});
        return {};
    }

    void close()
    {
        if (!m_device)
            return;
        m_device->disconnect(this);
        m_device->close();
        // Deleted later: this may run inside one of the device's own signals.
        m_device.release()->deleteLater();
    }

    // What the device holds, as far as there is room for it; the rest stays in the device
    // and the driver until the taker resumes reading.
    void read()
    {
        qsizetype taken = 0;
        while (m_device) {
            const qsizetype room = m_reader.roomOrHoldBack();
            if (room == 0)
                return;  // held back: no collecting, the taker resumes as soon as there is room
            const QByteArray bytes = m_device->read(room);
            m_reader.hand(bytes, lineEvents());
            taken += bytes.size();
            if (m_device->bytesAvailable() == 0)
                break;
        }
        const bool frequent = m_sinceRead.isValid() && m_sinceRead.elapsed() < kCollectMs;
        if (taken < kBurstBytes && frequent)
            QThread::msleep(static_cast<unsigned long>(kCollectMs));
        m_sinceRead.start();
    }

private:
    // The system's handle of the device: a descriptor on Linux, a HANDLE on Windows.
    qintptr deviceHandle() const { return qintptr(m_device->handle()); }

    void deviceGone(const QString& reason)
    {
        if (!m_device)
            return;
        // The last characters go beyond the bound rather than be lost: the device object
        // holds no more than kDeviceBufferSize.
        m_reader.hand(m_device->readAll(), lineEvents(), reason);
        close();
    }

    // Line errors the driver counted since the last arrival, as events.
    std::deque<int> lineEvents()
    {
        std::deque<int> events;
        if (!m_hasCounters)
            return events;
        const std::optional<LineErrorCounts> counts = m_lineErrors.read(deviceHandle());
        if (!counts)
            return events;
        const auto report = [&events](quint64 now, quint64 before, int code) {
            if (now > before)
                events.push_back(code);
        };
        report(counts->overrun, m_lastCounts.overrun, comEventOverrun);
        report(counts->bufferOverrun, m_lastCounts.bufferOverrun, comEventRxOver);
        report(counts->frame, m_lastCounts.frame, comEventFrame);
        report(counts->parity, m_lastCounts.parity, comEventRxParity);
        report(counts->breaks, m_lastCounts.breaks, comEventBreak);
        m_lastCounts = *counts;
        return events;
    }

    PortReader& m_reader;
    LineErrorSource& m_lineErrors;
    std::unique_ptr<QSerialPort> m_device;
    LineErrorCounts m_lastCounts;
    QElapsedTimer m_sinceRead;  // since the reader last went back to waiting
    bool m_hasCounters = false;  // the device keeps error counters: asked once per arrival
};

PortReader::PortReader(LineErrorSource& lineErrors) : m_lineErrors(lineErrors)
{
    m_thread.setObjectName(QStringLiteral("serial reader"));
}

PortReader::~PortReader()
{
    close();
}

QString PortReader::open(const QString& path, const LineSettings& settings, qsizetype capacity)
{
    close();
    m_capacity = capacity;
    m_waitingElsewhere = 0;
    m_worker = std::make_unique<Worker>(*this, m_lineErrors);
    m_worker->moveToThread(&m_thread);
    m_thread.start();
    QString reason;
    QMetaObject::invokeMethod(
        m_worker.get(), [&] { reason = m_worker->open(path, settings); }, Qt::BlockingQueuedConnection);
    if (!reason.isEmpty())
        close();
    return reason;
}

void PortReader::close()
{
    if (m_thread.isRunning()) {
        QMetaObject::invokeMethod(m_worker.get(), [this] { m_worker->close(); }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
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

Arrivals PortReader::take()
{
    m_told = false;
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
    QMetaObject::invokeMethod(m_worker.get(), [worker = m_worker.get()] { worker->read(); }, Qt::QueuedConnection);
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
