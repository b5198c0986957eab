#include "serial/comm_port.h"

#include "core/code_page.h"
#include "serial/line_settings.h"

#include <QElapsedTimer>

#include <array>

namespace {

// A batch of events ends after this long, so the window can repaint and take clicks between
// batches even when input arrives faster than it is handled.
constexpr qint64 kDispatchBudgetMs = 8;

}  // namespace

MSComm::MSComm(QObject* parent) : MSComm(PortMap::fromSystem(), systemLineErrors(), parent) {}

MSComm::MSComm(PortMap ports, std::unique_ptr<LineErrorSource> lineErrors, QObject* parent)
    : QObject(parent),
      m_ports(std::move(ports)),
      m_lineErrors(std::move(lineErrors)),
      m_reader(std::make_unique<PortReader>(*m_lineErrors))
{
    // Arrivals are raised as they are taken from the event loop, unless a dispatch already waits
    // (a batch that ran out of time): a timer of their own would cost a timer's start, a pass
    // of the loop and its stop for every delivery.
    connect(m_reader.get(), &PortReader::arrived, this, [this] {
        if (!m_dispatch.isActive())
            dispatch();
    });
    m_dispatch.setSingleShot(true);
    m_dispatch.setTimerType(Qt::PreciseTimer);
    connect(&m_dispatch, &QTimer::timeout, this, &MSComm::dispatch);
    m_gather.setSingleShot(true);
    connect(&m_gather, &QTimer::timeout, this, &MSComm::dispatch);
}

MSComm::~MSComm()
{
    m_reader->close();
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
    m_reader->close();
    m_open = false;
    m_deviceLost = false;
    m_gathering = false;
    m_gather.stop();
    m_sinceBytes.invalidate();
    m_received.clear();
    m_pendingEvents.clear();
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
    m_reader->setCapacity(m_inBufferSize);
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
        m_reader->setWaitingElsewhere(static_cast<qsizetype>(m_received.size()));
        return kCharacters[byte];
    }
    QString text(static_cast<qsizetype>(wanted), Qt::Uninitialized);
    for (std::size_t i = 0; i < wanted; ++i) {
        text[static_cast<qsizetype>(i)] = codepage::toChar(static_cast<unsigned char>(m_received.front()));
        m_received.pop_front();
    }
    m_taken += wanted;
    m_reader->setWaitingElsewhere(static_cast<qsizetype>(m_received.size()));
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
    const QString reason = m_reader->open(path, *settings, m_inBufferSize);
    if (!reason.isEmpty())
        throw CommError(reason.toStdString());
    m_open = true;
    m_deviceLost = false;
}

void MSComm::takeArrivals()
{
    if (m_gatherMs == 0) {
        m_gathering = false;
        absorb(m_reader->take());
        return;
    }
    // A second delivery within the gathering time: input comes steadily, and the timer takes
    // it from now on, for as long as each of its rounds finds characters.
    if (!m_gathering && m_sinceBytes.isValid() && m_sinceBytes.elapsed() < m_gatherMs)
        m_gathering = true;
    Arrivals arrivals = m_reader->take(m_gathering ? PortReader::Tell::Later : PortReader::Tell::Next);
    const bool got = !arrivals.bytes.isEmpty();
    absorb(std::move(arrivals));
    if (got)
        m_sinceBytes.restart();
    if (!m_gathering || m_gather.isActive())
        return;
    if (got) {
        m_gather.start(m_gatherMs);
        return;
    }
    // A whole round without input: deliveries are told as they come again.
    m_gathering = false;
    absorb(m_reader->take(PortReader::Tell::Next));
}

void MSComm::absorb(Arrivals arrivals)
{
    if (!arrivals.bytes.isEmpty()) {
        m_received.insert(m_received.end(), arrivals.bytes.begin(), arrivals.bytes.end());
        m_arrived += static_cast<quint64>(arrivals.bytes.size());
        m_receiveStalled = false;
    }
    m_pendingEvents.insert(m_pendingEvents.end(), arrivals.lineEvents.begin(), arrivals.lineEvents.end());
    if (!arrivals.goneReason.isEmpty() && !m_deviceLost) {
        m_lostReason = arrivals.goneReason;
        m_deviceLost = true;
    }
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
    takeArrivals();
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
