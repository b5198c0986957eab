// The reader on QSerialPort, in a thread of its own with an event loop.
#include "serial/port_reader.h"

#include "serial/reader_parts.h"

#include <QSerialPort>
#include <QThread>

using namespace readerparts;

namespace {

QSerialPort::Parity parityOf(LineSettings::Parity parity)
{
    switch (parity) {
    case LineSettings::Parity::Even: return QSerialPort::EvenParity;
    case LineSettings::Parity::Odd: return QSerialPort::OddParity;
    case LineSettings::Parity::Mark: return QSerialPort::MarkParity;
    case LineSettings::Parity::Space: return QSerialPort::SpaceParity;
    case LineSettings::Parity::None: break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits stopBitsOf(LineSettings::StopBits stopBits)
{
    switch (stopBits) {
    case LineSettings::StopBits::OneAndHalf: return QSerialPort::OneAndHalfStop;
    case LineSettings::StopBits::Two: return QSerialPort::TwoStop;
    case LineSettings::StopBits::One: break;
    }
    return QSerialPort::OneStop;
}

}  // namespace

// The device lives in a thread of its own, whose event loop reads it as it signals; the
// worker's own calls run there too, through m_context.
class PortReader::SystemWorker : public PortReader::Worker {
public:
    SystemWorker(PortReader& reader, LineErrorSource& lineErrors) : m_reader(reader), m_events(lineErrors)
    {
        m_thread.setObjectName(QStringLiteral("serial reader"));
        m_context.moveToThread(&m_thread);
        m_thread.start();
    }

    ~SystemWorker() override
    {
        QMetaObject::invokeMethod(&m_context, [this] { close(); }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }

    QString start(const QString& path, const LineSettings& settings) override
    {
        QString reason;
        QMetaObject::invokeMethod(
            &m_context, [&] { reason = open(path, settings); }, Qt::BlockingQueuedConnection);
        return reason;
    }

    void resume() override
    {
        QMetaObject::invokeMethod(&m_context, [this] { read(); }, Qt::QueuedConnection);
    }

private:
    QString open(const QString& path, const LineSettings& settings)
    {
        auto device = std::make_unique<QSerialPort>();
        device->setPortName(path);
        device->setReadBufferSize(kDriverBufferSize);
        if (!device->open(QIODevice::ReadOnly))
            return device->errorString();
        const bool applied = device->setBaudRate(settings.baudRate) && device->setParity(parityOf(settings.parity)) &&
                             device->setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits)) &&
                             device->setStopBits(stopBitsOf(settings.stopBits)) &&
                             device->setFlowControl(QSerialPort::NoFlowControl);
        if (!applied) {
            const QString reason = QStringLiteral("settings refused: ") + device->errorString();
            device->close();
            return reason;
        }
        QObject::connect(device.get(), &QSerialPort::readyRead, &m_context, [this] { read(); });
        QObject::connect(device.get(), &QSerialPort::errorOccurred, &m_context,
                         [this](QSerialPort::SerialPortError error) {
            // A pulled adapter reports a resource error, a far end that closed a read error
            // that would come again with every notification: either way the device is gone.
            if (error == QSerialPort::ResourceError)
                deviceGone(QStringLiteral("the device was removed or is no longer available"));
            else if (error == QSerialPort::ReadError)
                deviceGone(QStringLiteral("reading failed: the far end closed or the adapter was pulled"));
        });
        m_device = std::move(device);
        m_events.start(deviceHandle());
        return {};
    }

    void close()
    {
        if (!m_device)
            return;
        m_device->disconnect(&m_context);
        m_device->close();
        // Deleted later: this may run inside one of the device's own signals.
        m_device.release()->deleteLater();
    }

    // What the device holds, as far as there is room for it; the rest stays in the device
    // and the driver until the taker resumes reading. Waiting for more is the event loop's.
    void read()
    {
        if (!m_device)
            return;
        const Round round = m_reader.readRound(
            m_buffer, [this](char* into, qsizetype most) { return qsizetype(m_device->read(into, most)); }, m_events,
            deviceHandle());
        if (round.heldBack || round.ended)
            return;  // held back: no collecting, the taker resumes as soon as there is room
        m_collecting.afterRound(round.taken, [](qint64 ms) { QThread::msleep(static_cast<unsigned long>(ms)); });
    }

    // The system's handle of the device, for its error counters.
    qintptr deviceHandle() const { return qintptr(m_device->handle()); }

    void deviceGone(const QString& reason)
    {
        if (!m_device)
            return;
        // The last characters go beyond the bound rather than be lost: the device object
        // holds no more than kDriverBufferSize.
        m_reader.hand(m_device->readAll(), m_events.since(deviceHandle()), reason);
        close();
    }

    PortReader& m_reader;
    LineEventWatch m_events;
    QThread m_thread;
    QObject m_context;  // lives in m_thread
    std::unique_ptr<QSerialPort> m_device;
    QByteArray m_buffer = QByteArray(kDriverBufferSize, Qt::Uninitialized);
    Collecting m_collecting;
};

std::unique_ptr<PortReader::Worker> PortReader::makeSystemWorker()
{
    return std::make_unique<SystemWorker>(*this, m_lineErrors);
}
