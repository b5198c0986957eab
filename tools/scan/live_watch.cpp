#include "tools/scan/live_watch.h"

#include "serial/comm_port.h"
#include "serial/line_settings.h"
#include "tools/scan/json_writer.h"
#include "tools/scan/pcap_writer.h"
#include "tools/scan/stop_signals.h"
#include "tools/scan/text_writer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>

#include <chrono>
#include <cmath>
#include <cstdio>


namespace {

constexpr int kHit = 0;
constexpr int kNoHit = 1;
constexpr int kTrouble = 2;

// What a line event of the component stands for.
QString lineEventName(int code)
{
    switch (code) {
    case comEventFrame: return QStringLiteral("framing error");
    case comEventRxParity: return QStringLiteral("parity error");
    case comEventBreak: return QStringLiteral("break");
    default: return QStringLiteral("line event %1").arg(code);
    }
}

// How often a device that went away is looked for: soon enough for a bumped cable, and
// costing next to nothing while it stays away.
constexpr int kReopenIntervalMs = 500;

// The descriptors of standard output and error, on every system.
constexpr int kStandardOutput = 1;
constexpr int kStandardError = 2;
// What the watch says on standard error waits within this bound: thousands of lines.
constexpr qsizetype kErrorQueueLimit = 1024 * 1024;
// While the output is written out at the end, a second stop signal is looked for this often.
constexpr int kWriteOutPollMs = 100;

int milliseconds(double seconds)
{
    return static_cast<int>(seconds * 1000.0);
}

}  // namespace

LiveWatch::LiveWatch(const ScanOptions& options, const QList<NumberedEntry>& entries,
                     std::unique_ptr<LineErrorSource> lineErrors)
    : m_options(options),
      m_entries(entries),
      m_slots([&entries] {
          QList<searchslot::Entry> plain;
          for (const NumberedEntry& entry : entries)
              plain << entry.entry;
          return plain;
      }()),
      m_lines(options.crlf),
      m_lineErrors(std::move(lineErrors)),
      m_source(options.port.toLocal8Bit()),
      m_queueLimit(OutputQueue::limitFromEnvironment()),
      m_errQueue(std::make_unique<OutputQueue>(kStandardError, kErrorQueueLimit)),
      m_out(true)
{
    m_stamps.utc = options.utc;
    if (options.textOutput()) {
        m_outQueue = std::make_unique<OutputQueue>(kStandardOutput, m_queueLimit);
        m_out.writeThrough(m_outQueue.get());
    }
    if (options.textOutput() && options.json)
        m_writers.add(std::make_unique<JsonWriter>(m_out, options.decode, m_stamps));
    else if (options.textOutput())
        m_writers.add(std::make_unique<TextWriter>(m_out, options.where, options.time, options.decode, m_stamps));
    m_hitsWanted = options.maxHits > 0 ? options.maxHits : (options.timeoutSeconds > 0 ? 1 : 0);
}

LiveWatch::~LiveWatch() = default;

int LiveWatch::run()
{
    // Before the port opens: a rig may stop the watch as soon as the port is taken.
    watchSignals();
    if (!openPort())
        return kTrouble;
    if (!createSave() || !createPcap()) {
        m_port->SetPortOpen(false);
        return kTrouble;
    }
    m_clock.start();
    m_stamps.openedAtUs = std::chrono::duration_cast<std::chrono::microseconds>(
                              std::chrono::system_clock::now().time_since_epoch()).count();
    bool written = m_writers.opened({elapsed(), m_options.port, m_device, kProbeLineSettings,
                                     QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)});
    if (m_saving)
        written = written && fileBegun();
    if (!written)
        stop(Stop::OutputClosed);
    startTimers();
    if (m_stop == Stop::None)
        m_loop.exec();
    finish();
    return exitStatus();
}

bool LiveWatch::openPort()
{
    // A COM number as the window numbers ports (3 or COM3), or a device path.
    static const QRegularExpression comNumber(QStringLiteral("^(?:COM)?([0-9]+)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    const auto match = comNumber.match(m_options.port);
    PortMap ports = match.hasMatch() ? PortMap::fromSystem() : PortMap({m_options.port});
    const int number = match.hasMatch() ? match.captured(1).toInt() : 1;
    m_device = ports.device(number);
    if (m_device.isEmpty()) {
        complain(QStringLiteral("%1: no such port (%2)").arg(m_options.port, ports.numbering()));
        return false;
    }
    m_port = std::make_unique<MSComm>(std::move(ports), std::move(m_lineErrors));
    if (m_options.bufferSize > 0)
        m_port->SetInBufferSize(m_options.bufferSize);
    try {
        m_port->SetCommPort(number);
        m_port->SetSettings(kProbeLineSettings);
        m_port->SetPortOpen(true);
    } catch (const CommError& error) {
        complain(QStringLiteral("%1: cannot open: %2").arg(portName(), QString::fromStdString(error.what())));
        return false;
    }
    // Everything that waits, in one event: the tool takes characters as they come.
    m_port->SetRThreshold(1);
    m_port->SetInputLen(0);
    connect(m_port.get(), &MSComm::OnComm, this, &LiveWatch::onComm);
    connect(m_port.get(), &MSComm::PortLost, this, [this] {
        m_goneReason = m_port->lostReason();
        if (m_options.reconnect)
            deviceGone();
        else
            stop(Stop::DeviceGone);
    });
    m_reopen.setInterval(kReopenIntervalMs);
    connect(&m_reopen, &QTimer::timeout, this, &LiveWatch::tryReopen);
    return true;
}

void LiveWatch::deviceGone()
{
    // The gap is lost input: no hit is made of characters from both sides of it, the
    // transaction that was going is broken by it, and "no hit" cannot be trusted.
    ++m_gaps;
    m_untrusted = true;
    m_gapClock.start();
    say(QStringLiteral("%1 %2: the device went away (%3); waiting for it")
            .arg(QString::fromLatin1(m_stamps.stamp(elapsed())), portName(), m_goneReason));
    if (!m_writers.gone({elapsed(), m_goneReason})) {
        stop(Stop::OutputClosed);
        return;
    }
    m_slots.restart();
    if (m_options.decoding())
        m_decoder.breakOff(QStringLiteral("the device went away"), [this](const i2c::Transaction& done) { transaction(done); });
    flushOutputs();
    m_reopen.start();
}

void LiveWatch::tryReopen()
{
    try {
        m_port->SetPortOpen(true);
    } catch (const CommError&) {
        return;  // not back yet
    }
    m_reopen.stop();
    const double gap = m_gapClock.nsecsElapsed() / 1e9;
    say(QStringLiteral("%1 %2: back after %3 s").arg(QString::fromLatin1(m_stamps.stamp(elapsed())), portName(),
                                                     QString::number(gap, 'f', 3)));
    if (!m_writers.back({elapsed(), gap}))
        stop(Stop::OutputClosed);
    flushOutputs();
}

bool LiveWatch::createSave()
{
    if (m_options.save.isEmpty())
        return true;
    m_save = std::make_unique<CaptureFiles>(
        m_options.save, m_options.force,
        CaptureFiles::Rotation{m_options.rotateBytes, m_options.rotateSeconds, m_options.keep});
    if (!m_save->start(QDateTime::currentDateTimeUtc())) {
        complain(QStringLiteral("%1: %2").arg(m_save->path(), m_save->errorString()));
        return false;
    }
    m_save->onMadeRoom([this](const QString& path) { madeRoom(path); });
    m_saving = true;
    m_flushTimer.setInterval(CaptureFile::kFlushIntervalMs);
    connect(&m_flushTimer, &QTimer::timeout, this, &LiveWatch::syncSave);
    m_flushTimer.start();
    return true;
}

bool LiveWatch::createPcap()
{
    if (m_options.pcap.isEmpty())
        return true;
    auto pcap = std::make_unique<PcapWriter>(m_stamps, true);
    if (!pcap->open(m_options.pcap, m_options.force, m_device, m_options.pcapPipe)) {
        complain(QStringLiteral("%1: %2").arg(m_options.pcap, pcap->errorString()));
        return false;
    }
    if (pcap->toReader()) {
        m_pcapQueue = std::make_unique<OutputQueue>(pcap->handle(), m_queueLimit);
        pcap->writeThrough(m_pcapQueue.get());
    }
    m_writers.add(std::move(pcap));
    return true;
}

void LiveWatch::startTimers()
{
    const auto arm = [this](QTimer& timer, double seconds, Stop reason) {
        if (seconds <= 0)
            return;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        connect(&timer, &QTimer::timeout, this, [this, reason] { stop(reason); });
        timer.start(milliseconds(seconds));
    };
    arm(m_timeout, m_options.timeoutSeconds, Stop::Timeout);
    arm(m_duration, m_options.durationSeconds, Stop::Duration);
}

void LiveWatch::watchSignals()
{
    // A closed pipe is seen as a failed write and ends the watch quietly.
    auto* stopSignals = new StopSignals(this);
    connect(stopSignals, &StopSignals::stopRequested, this, &LiveWatch::stopSignalled);
    stopSignals->watch();
}

void LiveWatch::stopSignalled()
{
    // Stopped again while the output is written out at the end: the rest is given up, as
    // a second Ctrl+C is meant.
    if (m_stop == Stop::None)
        stop(Stop::Signal);
    else
        m_abandoned = true;
}

void LiveWatch::onComm()
{
    m_out.hold();
    takeEvent();
    if (!m_out.release())
        stop(Stop::OutputClosed);
    flushOutputs();
}

// What an event brought reaches the readers of a pcapng pipe now, in one write.
void LiveWatch::flushOutputs()
{
    if (!m_writers.flush()) {
        say(QStringLiteral("%1: cannot be written").arg(m_options.pcap));
        stop(Stop::SaveFailed);
    }
    tellGivenUp();
}

// A reader that fell behind by the queue's bound is told on standard error when output
// begins to be given up, and when it has caught up again how much was (with --json also
// in a record where the gap is).
void LiveWatch::tellGivenUp()
{
    const auto takeFrom = [](const std::unique_ptr<OutputQueue>& queue) { return queue ? queue->takeGivenUp() : 0; };
    const qint64 bytes = takeFrom(m_outQueue) + takeFrom(m_pcapQueue);
    if (bytes > 0 && m_givenUp == 0)
        say(QStringLiteral("%1 output: the reader is %2 bytes behind; whole lines and records are given up until "
                           "it catches up, the capture goes on")
                .arg(QString::fromLatin1(m_stamps.stamp(elapsed())))
                .arg(m_queueLimit));
    m_givenUp += bytes;
    m_givenUpTotal += bytes;
    const auto caughtUp = [this](const std::unique_ptr<OutputQueue>& queue) {
        return !queue || queue->queued() < m_queueLimit / 2;
    };
    if (m_givenUp == 0 || !caughtUp(m_outQueue) || !caughtUp(m_pcapQueue))
        return;
    say(QStringLiteral("%1 output: the reader caught up; %2 bytes of output were given up")
            .arg(QString::fromLatin1(m_stamps.stamp(elapsed())))
            .arg(m_givenUp));
    const qint64 told = std::exchange(m_givenUp, 0);
    if (!m_writers.givenUp({elapsed(), told}))
        stop(Stop::OutputClosed);
}

void LiveWatch::takeEvent()
{
    const int code = m_port->CommEvent();
    if (code == comEventOverrun) {
        lost(QStringLiteral("hardware overrun"));
        return;
    }
    if (code == comEventRxOver) {
        lost(QStringLiteral("driver buffer overrun"));
        return;
    }
    if (code != comEvReceive) {
        // As in the window, a line event reaches line assembly as the empty text.
        lost(lineEventName(code));
        received(QStringView());
        return;
    }
    const QString text = m_port->Input();
    for (qsizetype i = 0; i < text.size(); ++i)
        received(QStringView(text).sliced(i, 1));
}

i2c::Origin LiveWatch::here() const
{
    return {m_lines.line(), m_lines.column(), m_clock.nsecsElapsed() / 1e9};
}

void LiveWatch::received(QStringView text)
{
    // Everything received is saved, also what comes after a stop in the same delivery.
    if (m_saving)
        m_save->append(text);
    m_received += text.size();
    m_lines.append(text);
    const auto decoded = [this](const i2c::Transaction& done) { transaction(done); };
    if (m_options.decoding() && m_stop == Stop::None) {
        if (text.isEmpty())
            m_decoder.lineEvent(here(), decoded);
        else
            m_decoder.feed(text.front(), here(), decoded);
    }
    // The probe's "!": it dropped transactions here. Lost input, as a driver's overrun is:
    // counted, and no hit is made of characters from both sides of it.
    const bool dropped = text.size() == 1 && text.front() == i2c::kProbeDropped;
    if (dropped && m_stop == Stop::None)
        lost(QStringLiteral("the probe dropped transactions"));
    if (m_stop == Stop::None) {
        if (dropped)
            m_slots.restart();
        else
            m_slots.feed(text, [this](int slot) { hit(slot); });
    }
    if (m_options.decoding() && m_stop == Stop::None)
        m_decoder.settle(decoded);
    for (int begun = m_lines.closeAfter(text); begun > 0; --begun)
        endSavedLine();
    if (m_saving && m_save->pending() >= CaptureFile::kFlushBytes)
        flushSave();
}

void LiveWatch::endSavedLine()
{
    if (!m_saving)
        return;
    switch (m_save->endLine(QDateTime::currentDateTimeUtc())) {
    case CaptureFiles::LineEnd::SameFile:
        return;
    case CaptureFiles::LineEnd::NewFile:
        if (!fileBegun())
            stop(Stop::OutputClosed);
        return;
    case CaptureFiles::LineEnd::Failed:
        say(QStringLiteral("%1: cannot be written: %2").arg(m_save->path(), m_save->errorString()));
        m_saving = false;
        stop(Stop::SaveFailed);
        return;
    }
}

// With rotation, every file is told as it begins.
bool LiveWatch::fileBegun()
{
    return !m_options.rotating() || m_writers.fileBegun({elapsed(), m_save->path()});
}

void LiveWatch::hit(int slot)
{
    ++m_hits;
    HitFound found{elapsed(), m_entries[slot].number, m_slots.pattern(slot), m_slots.comment(slot),
                   m_slots.hitText(slot), m_source, m_lines.line(), m_lines.column(), {}, -1, {}};
    if (m_saving) {
        if (m_options.rotating())
            found.file = m_save->path();
        found.offset = m_save->offset() - 1;
    }
    // Decoding, a hit follows the transaction it completed in.
    if (m_options.decode)
        m_pendingHits.push_back(std::move(found));
    else if (!m_writers.hit(found)) {
        stop(Stop::OutputClosed);
        return;
    }
    if (m_hitsWanted > 0 && m_hits >= m_hitsWanted)
        stop(Stop::Hits);
}

void LiveWatch::transaction(const i2c::Transaction& transaction)
{
    bool written = m_writers.transaction(transaction, m_source);
    for (const HitFound& hit : m_pendingHits)
        written = written && m_writers.hit(hit);
    m_pendingHits.clear();
    if (!written)
        stop(Stop::OutputClosed);
}

void LiveWatch::lost(const QString& what)
{
    m_untrusted = true;
    ++m_losses;
    say(QStringLiteral("%1 %2: input lost or garbled (%3)").arg(QString::fromLatin1(m_stamps.stamp(elapsed())), portName(), what));
    if (!m_writers.lost({elapsed(), what}))
        stop(Stop::OutputClosed);
}

void LiveWatch::flushSave()
{
    if (m_saving && !m_save->flush()) {
        say(QStringLiteral("%1: cannot be written: %2").arg(m_save->path(), m_save->errorString()));
        m_saving = false;
        stop(Stop::SaveFailed);
    }
}

// About once a second the capture goes on to the disk: a power cut takes at most the last
// second or two of it.
void LiveWatch::syncSave()
{
    if (m_saving && !m_save->sync()) {
        say(QStringLiteral("%1: cannot be written: %2").arg(m_save->path(), m_save->errorString()));
        m_saving = false;
        stop(Stop::SaveFailed);
    }
}

// With --keep the capture is a ring: on a full disk its oldest file makes room.
void LiveWatch::madeRoom(const QString& path)
{
    const QString why = QStringLiteral("the disk is full");
    say(QStringLiteral("%1 %2: %3; deleted to make room for the capture")
            .arg(QString::fromLatin1(m_stamps.stamp(elapsed())), path, why));
    if (!m_writers.deleted({elapsed(), path, why}))
        stop(Stop::OutputClosed);
}

void LiveWatch::say(const QString& message)
{
    m_errQueue->push(complaintLine(message));
}

// Everything queued reaches its reader before the watch ends, however slowly it reads; a
// reader gone ends it quietly, a second stop signal gives it up.
void LiveWatch::writeOut()
{
    for (OutputQueue* queue : {m_outQueue.get(), m_pcapQueue.get(), m_errQueue.get()}) {
        while (queue && !m_abandoned && !queue->waitWritten(kWriteOutPollMs))
            QCoreApplication::processEvents();
        if (queue && m_abandoned)
            queue->abandon();
    }
}

void LiveWatch::stop(Stop reason)
{
    if (m_stop != Stop::None)
        return;
    m_stop = reason;
    m_loop.quit();
}

void LiveWatch::finish()
{
    m_flushTimer.stop();
    m_reopen.stop();
    // A transaction still going is shown as open, with the hits that wait for it.
    if (m_options.decoding() && m_stop != Stop::OutputClosed) {
        m_decoder.finish([this](const i2c::Transaction& done) { transaction(done); });
        for (const HitFound& hit : m_pendingHits)
            m_writers.hit(hit);
        m_pendingHits.clear();
    }
    if (m_port && m_port->PortOpen())
        m_port->SetPortOpen(false);
    if (m_saving && !m_save->finish()) {
        say(QStringLiteral("%1: cannot be written: %2").arg(m_save->path(), m_save->errorString()));
        m_stop = Stop::SaveFailed;
    }
    if (m_stop == Stop::DeviceGone)
        say(QStringLiteral("%1: the device went away: %2").arg(portName(), m_goneReason));
    m_writers.flush();
    writeOut();
    tellGivenUp();  // written out, every reader has caught up: a gap still open is told
    static const char* const kReasons[] = {"", "hits", "timeout", "duration", "signal",
                                           "device gone", "output closed", "save failed"};
    const QByteArray reason = kReasons[static_cast<int>(m_stop)];
    m_writers.ended({elapsed(), reason, m_hits, m_received, m_losses, m_gaps, exitStatus()});
    m_writers.flush();
    // The text form's summary is for the person at the terminal; JSON has its end record.
    if (!m_options.json) {
        const QString givenUp = m_givenUpTotal > 0 ? QStringLiteral(", %1 bytes of output given up").arg(m_givenUpTotal)
                                                   : QString();
        say(QStringLiteral("%1: stopped (%2) after %3 s: %4 hits, %5 characters received, %6 losses, %7 gaps%8")
                .arg(portName(), QString::fromLatin1(reason), QString::fromLatin1(seconds()))
                .arg(m_hits)
                .arg(m_received)
                .arg(m_losses)
                .arg(m_gaps)
                .arg(givenUp));
    }
    writeOut();
}

int LiveWatch::exitStatus() const
{
    if (!m_options.searching()) {
        // Decoding alone: 0 when the input could be read whole.
        const bool failed = m_stop == Stop::DeviceGone || m_stop == Stop::SaveFailed || m_untrusted;
        return failed ? kTrouble : kHit;
    }
    const int byHits = m_hits > 0 ? kHit : (m_untrusted ? kTrouble : kNoHit);
    switch (m_stop) {
    case Stop::Hits: return kHit;
    case Stop::Timeout: return m_untrusted ? kTrouble : kNoHit;  // the hits asked for did not come
    case Stop::DeviceGone:
    case Stop::SaveFailed: return kTrouble;
    default: return byHits;
    }
}

double LiveWatch::elapsed() const
{
    return m_clock.isValid() ? m_clock.nsecsElapsed() / 1e9 : 0.0;
}

QByteArray LiveWatch::seconds() const
{
    return QByteArray::number(elapsed(), 'f', 6);
}

QString LiveWatch::portName() const
{
    return m_device == m_options.port ? m_options.port : QStringLiteral("%1 (%2)").arg(m_options.port, m_device);
}
