#include "tools/scan/pcap_writer.h"

#include "core/pcapng_writer.h"
#include "core/plain_file.h"
#include "tools/scan/output_queue.h"
#include "wirelark_version.h"

#include <QFileInfo>

#include <cmath>
#include <cstdio>
#include <utility>

namespace {

// A saved log's records go out in blocks of this size: millions of transactions.
constexpr qsizetype kBlock = 256 * 1024;

}  // namespace

PcapWriter::PcapWriter(const ScanClock& clock, bool live) : m_clock(clock), m_live(live) {}

bool PcapWriter::open(const QString& path, bool overwrite, const QString& interfaceName, bool pipe)
{
    m_toReader = pipe || path == QLatin1String("-");
    m_file = std::make_unique<QFile>();
    if (pipe) {
        m_file->setFileName(path);
        if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            m_error = m_file->errorString();
            return false;
        }
    } else if (path == QLatin1String("-")) {
        if (!m_file->open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            m_error = m_file->errorString();
            return false;
        }
    } else {
        m_file->setFileName(path);
        if (!overwrite && QFileInfo(path).isFile()) {
            m_error = QStringLiteral("the file exists (--force replaces it)");
            return false;
        }
        if (!plainfile::openForWriting(*m_file, &m_error))
            return false;
    }
    const QString times =
        m_live ? QStringLiteral("Times are the wall-clock times at which each START arrived from the probe.")
               : QStringLiteral("A saved monitor log holds no times: each record's time is the position of its "
                                "START in the log at the probe's line rate (11,520 characters a second), counted "
                                "from 1970-01-01 00:00:00 UTC. They are not measured times.");
    m_block += pcapng::header(QStringLiteral("wirelark-scan %1").arg(QLatin1String(kProductVersion)),
                              QStringLiteral("I2C bus probe captured by Wirelark. ") + times, interfaceName);
    return flush();
}

qint64 PcapWriter::timeUs(double seconds) const
{
    return (m_live ? m_clock.openedAtUs : 0) + std::llround(seconds * 1e6);
}

bool PcapWriter::written()
{
    // Whole records only reach the system; live, the watch flushes after every delivery.
    return m_block.size() < kBlock || flush();
}

bool PcapWriter::flush()
{
    if (!isOpen() || m_block.isEmpty())
        return m_error.isEmpty();
    if (m_queue) {
        if (m_queue->push(std::exchange(m_block, QByteArray())))
            return true;
        m_error = QStringLiteral("the reader has gone away");
        return false;
    }
    const bool done = writeOut(m_block);
    m_block.truncate(0);
    return done;
}

bool PcapWriter::addRecords(const QByteArray& records)
{
    // A piece's records are megabytes: written as they are, not copied into the block.
    return flush() && (records.isEmpty() || !isOpen() || writeOut(records));
}

bool PcapWriter::writeOut(const QByteArray& records)
{
    if (m_file->write(records) == records.size() && m_file->flush())
        return true;
    m_error = m_file->errorString();
    m_file->close();
    return false;
}

bool PcapWriter::transaction(const i2c::Transaction& transaction, const QByteArray&)
{
    pcapng::appendTransactionRecords(m_block, transaction, timeUs(transaction.origin.seconds));
    return written();
}

bool PcapWriter::lost(const InputLost& lost)
{
    pcapng::appendEventRecord(m_block, timeUs(lost.t), pcapng::kEventOverflow, ("input lost: " + lost.what).toUtf8());
    return written();
}

bool PcapWriter::gone(const DeviceGone& gone)
{
    pcapng::appendEventRecord(m_block, timeUs(gone.t), pcapng::kEventAttachedOff,
                              ("the device went away: " + gone.reason).toUtf8());
    return written();
}

bool PcapWriter::back(const DeviceBack& back)
{
    pcapng::appendEventRecord(m_block, timeUs(back.t), pcapng::kEventAttachedOn,
                              QStringLiteral("the device is back after %1 s").arg(back.gap, 0, 'f', 3).toUtf8());
    return written();
}

