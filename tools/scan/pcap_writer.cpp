#include "tools/scan/pcap_writer.h"

#include "core/pcapng_writer.h"
#include "core/plain_file.h"
#include "wirelark_version.h"

#include <QFileInfo>

#include <cmath>
#include <cstdio>

namespace {

// The probe's line rate in characters a second: a saved log's positions become times at it.
constexpr double kLineRate = 11520;

}  // namespace

PcapWriter::PcapWriter(const ScanClock& clock, bool live) : m_clock(clock), m_live(live) {}

bool PcapWriter::open(const QString& path, bool overwrite, const QString& interfaceName)
{
    if (path == QLatin1String("-")) {
        if (!m_file.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            m_error = m_file.errorString();
            return false;
        }
    } else {
        m_file.setFileName(path);
        if (!overwrite && QFileInfo(path).isFile()) {
            m_error = QStringLiteral("the file exists (--force replaces it)");
            return false;
        }
        if (!plainfile::openForWriting(m_file, &m_error))
            return false;
    }
    const QString times =
        m_live ? QStringLiteral("Times are the wall-clock times at which each START arrived from the probe.")
               : QStringLiteral("A saved monitor log holds no times: each record's time is the position of its "
                                "START in the log at the probe's line rate (11,520 characters a second), counted "
                                "from 1970-01-01 00:00:00 UTC. They are not measured times.");
    return write(pcapng::header(QStringLiteral("wirelark-scan %1").arg(QLatin1String(kProductVersion)),
                                QStringLiteral("I2C bus probe captured by Wirelark. ") + times, interfaceName));
}

qint64 PcapWriter::timeUs(double seconds) const
{
    return (m_live ? m_clock.openedAtUs : 0) + std::llround(seconds * 1e6);
}

bool PcapWriter::write(const QByteArray& bytes)
{
    // One write a transaction: a reader of a pipe gets it now, a killed writer leaves whole records.
    if (!m_file.isOpen())
        return true;
    if (m_file.write(bytes) == bytes.size() && m_file.flush())
        return true;
    m_error = m_file.errorString();
    m_file.close();
    return false;
}

bool PcapWriter::transaction(const i2c::Transaction& transaction, const QByteArray&)
{
    return write(pcapng::transactionRecords(transaction, timeUs(transaction.origin.seconds)));
}

bool PcapWriter::lost(const InputLost& lost)
{
    return write(pcapng::eventRecord(timeUs(lost.t), pcapng::kEventOverflow, QStringLiteral("input lost: ") + lost.what));
}

bool PcapWriter::gone(const DeviceGone& gone)
{
    return write(pcapng::eventRecord(timeUs(gone.t), pcapng::kEventAttachedOff,
                                     QStringLiteral("the device went away: ") + gone.reason));
}

bool PcapWriter::back(const DeviceBack& back)
{
    return write(pcapng::eventRecord(timeUs(back.t), pcapng::kEventAttachedOn,
                                     QStringLiteral("the device is back after %1 s").arg(back.gap, 0, 'f', 3)));
}

