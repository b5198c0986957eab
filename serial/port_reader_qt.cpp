// The reader on QSerialPort, in a thread of its own with an event loop.
#include "serial/port_reader.h"

#include "serial/reader_parts.h"

#include <QElapsedTimer>
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
    // and the driver until the taker resumes reading.
    void read()
    {
        qsizetype taken = 0;
        while (m_device) {
            const qsizetype room = m_reader.roomOrHoldBack();
            if (room == 0)
                return;  // held back: no collecting, the taker resumes as soon as there is room
            const QByteArray bytes = m_device->read(room);
            m_reader.hand(bytes, m_events.since(deviceHandle()));
            taken += bytes.size();
            if (m_device->bytesAvailable() == 0)
                break;
        }
        const bool frequent = m_sinceRead.isValid() && m_sinceRead.elapsed() < kCollectMs;
        if (taken < kBurstBytes && frequent)
            QThread::msleep(static_cast<unsigned long>(kCollectMs));
        m_sinceRead.start();
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
    QElapsedTimer m_sinceRead;  // since the reader last went back to waiting
};

std::unique_ptr<PortReader::Worker> PortReader::makeSystemWorker()
{
    return std::make_unique<SystemWorker>(*this, m_lineErrors);
}
