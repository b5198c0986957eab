#include "bench/rig_drill.h"

#include "tools/probe_terminal.h"
#include "tools/probe_traffic.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStorageInfo>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

constexpr double kLineRate = 11520;   // characters a second
constexpr int kStepMs = 20;
constexpr int kKeep = 12;
constexpr double kGapEvery = 7;       // seconds between two pulls of the device
constexpr double kGapLength = 1;
constexpr double kRestartEvery = 11;  // seconds between two restarts of the watch
constexpr double kFillAt = 0.4;       // of the run: the small disk is filled from outside
constexpr double kBurstSeconds = 3;   // of traffic sent at once after the disk was filled

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Drill {
public:
    Drill(const QString& scanProgram, const QString& folder) : m_program(scanProgram), m_folder(folder) {}
    RigFigures run(double seconds);

private:
    void plugIn();
    void pull();
    void startWatch();
    void stopWatch();
    bool watchHoldsDevice() const;
    QStringList captureFiles() const;
    QByteArray keptText() const;
    bool quiesce();
    void send(double dueCharacters);
    void wait(int ms);
    void check(bool holds, const QString& fault);

    QString m_program;
    QString m_folder;
    QString m_link;
    QString m_disk;
    QString m_device;
    int m_farEnd = -1;
    ProbeTraffic m_traffic{29};
    QByteArray m_waiting;  // generated, not yet written
    QByteArray m_sent;     // written while the device was there and the watch held it
    QProcess m_watch;
    QByteArray m_out;     // standard output of every run
    qsizetype m_toldRoom = 0;
    QHash<QString, QByteArray> m_others;  // files beside the capture, and what they hold
    RigFigures m_figures;
};

void Drill::check(bool holds, const QString& fault)
{
    if (!holds)
        m_figures.faults << fault;
}

void Drill::wait(int ms)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        m_out += m_watch.readAllStandardOutput();
        QThread::msleep(std::min<qint64>(5, ms - waited.elapsed() > 0 ? ms - waited.elapsed() : 0));
    }
    m_figures.mostFiles = std::max(m_figures.mostFiles, int(captureFiles().size()));
}

void Drill::plugIn()
{
    m_device = openProbeTerminal(m_farEnd);
    QFile::remove(m_link + ".new");
    QFile::link(m_device, m_link + ".new");
    ::rename(QFile::encodeName(m_link + ".new").constData(), QFile::encodeName(m_link).constData());
}

void Drill::pull()
{
    QFile::remove(m_link);
    ::close(m_farEnd);
    m_farEnd = -1;
}

bool Drill::watchHoldsDevice() const
{
    if (m_watch.state() != QProcess::Running || m_farEnd < 0)
        return false;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(m_watch.processId()));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::System | QDir::NoDotAndDotDot)) {
        if (fd.symLinkTarget() == m_device)
            return true;
    }
    return false;
}

QStringList Drill::captureFiles() const
{
    QStringList files;
    const QDir disk(m_disk);
    for (const QString& name : disk.entryList({QStringLiteral("cap-2*Z.log")}, QDir::Files, QDir::Name))
        files << disk.filePath(name);
    return files;
}

QByteArray Drill::keptText() const
{
    QByteArray joined;
    for (const QString& file : captureFiles())
        joined += readAll(file);
    return joined.replace("\r\n", "");
}

// The transaction going is sent whole (a probe pulled mid-transaction would leave text
// in the file that no live hit could be made of), and nothing more until the watch has
// saved all of it: then a stop or a pull leaves nothing in flight, and what was sent is
// known exactly.
bool Drill::quiesce()
{
    for (int tries = 0; !m_waiting.isEmpty() && tries < 500 && watchHoldsDevice(); ++tries) {
        send(double(m_waiting.size()));
        if (!m_waiting.isEmpty())
            wait(10);
    }
    const QByteArray tail = m_sent.right(256);
    for (int waited = 0; waited < 5000; waited += 50) {
        if (keptText().endsWith(tail))
            return true;
        wait(50);
    }
    return false;
}

void Drill::startWatch()
{
    m_watch.start(m_program, {"--port", m_link, "--reconnect", "--json", "--utc", "--save", m_disk + "/cap.log",
                              "--rotate-time", "1", "--keep", QString::number(kKeep), "-e", "sA0np;busy"});
    m_watch.waitForStarted(10000);
    ++m_figures.runs;
}

void Drill::stopWatch()
{
    ::kill(static_cast<pid_t>(m_watch.processId()), SIGTERM);
    m_watch.waitForFinished(60000);
    m_out += m_watch.readAllStandardOutput();
    const QByteArray said = m_watch.readAllStandardError();
    // The service's --json ends every run with its end record: here the signal's.
    const qsizetype ended = m_out.lastIndexOf("{\"type\":\"end\"");
    check(m_watch.exitStatus() == QProcess::NormalExit && m_watch.exitCode() <= 1 && ended >= 0 &&
              m_out.indexOf("\"reason\":\"signal\"", ended) > ended && m_out.count("{\"type\":\"end\"") == m_figures.runs,
          QStringLiteral("run %1 did not end as SIGTERM ends it: %2").arg(m_figures.runs).arg(QString::fromLocal8Bit(said)));
    m_figures.madeRoom += int(said.count("deleted to make room"));
    check(said.count("deleted to make room") == m_out.count("{\"type\":\"deleted\"") - m_toldRoom,
          QStringLiteral("run %1: a deletion told on one output only").arg(m_figures.runs));
    m_toldRoom = m_out.count("{\"type\":\"deleted\"");
}

void Drill::send(double dueCharacters)
{
    if (!watchHoldsDevice())
        return;
    while (m_waiting.size() < dueCharacters)
        m_waiting += m_traffic.nextTransaction();
    const qsizetype now = std::min<qsizetype>(qsizetype(dueCharacters), m_waiting.size());
    if (now <= 0)
        return;
    const ssize_t written = ::write(m_farEnd, m_waiting.constData(), size_t(now));
    if (written > 0) {
        m_sent += m_waiting.left(written);
        m_waiting.remove(0, written);
    }
}

RigFigures Drill::run(double seconds)
{
    m_figures.seconds = seconds;
    m_figures.keep = kKeep;
    m_link = m_folder + "/probe";
    m_disk = m_folder + "/disk";
    QDir().mkpath(m_disk);
    m_figures.smallDisk =
        QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=384k", "tmpfs", m_disk}) == 0;
    m_others = {{"notes.txt", "rig notes\n"}, {"cap.log", "the --save name itself\r\n"},
                {"cap-20200101T000000Z.log.bak", "a copy\r\n"}, {"other-20261209T000000Z.log", "another capture\r\n"}};
    for (auto other = m_others.cbegin(); other != m_others.cend(); ++other) {
        QFile file(m_disk + u'/' + other.key());
        if (file.open(QIODevice::WriteOnly))
            file.write(other.value());
    }

    plugIn();
    startWatch();
    QElapsedTimer clock;
    clock.start();
    double credit = 0;  // characters due at the line rate
    double nextGap = kGapEvery, nextRestart = kRestartEvery;
    bool filled = false;
    while (clock.elapsed() < seconds * 1000) {
        const double now = clock.elapsed() / 1000.0;
        if (m_watch.state() != QProcess::Running) {
            check(false, QStringLiteral("the watch ended on its own at %1 s: %2")
                             .arg(now)
                             .arg(QString::fromLocal8Bit(m_watch.readAllStandardError())));
            break;
        }
        if (m_figures.smallDisk && !filled && now >= seconds * kFillAt) {
            // Someone else's file takes all but a little of the disk.
            const qint64 free = QStorageInfo(m_disk).bytesAvailable();
            const QByteArray filler(std::max<qint64>(0, free - 4096), 'f');
            QFile file(m_disk + "/filler.bin");
            if (file.open(QIODevice::WriteOnly))
                file.write(filler);
            m_others.insert(QStringLiteral("filler.bin"), filler);
            filled = true;
            // Then a burst: the file being written outgrows what the rotation's last deletion
            // freed, so the capture must make room itself. At an even line rate every file
            // takes the pages of the one deleted before it, and whether the disk ever ran
            // full would depend on how evenly a busy machine delivered the traffic.
            credit += kBurstSeconds * kLineRate;
        }
        if (now >= nextGap) {
            check(quiesce(), QStringLiteral("not saved before the device was pulled at %1 s").arg(now));
            pull();
            ++m_figures.gaps;
            wait(int(kGapLength * 1000));
            plugIn();
            nextGap = now + kGapEvery;
            credit = 0;
        }
        if (now >= nextRestart) {
            check(quiesce(), QStringLiteral("not saved before the stop at %1 s").arg(now));
            stopWatch();
            QElapsedTimer down;
            down.start();
            startWatch();
            while (!watchHoldsDevice() && down.elapsed() < 10000)
                wait(5);
            m_figures.downSeconds = std::max(m_figures.downSeconds, down.elapsed() / 1000.0);
            nextRestart = now + kRestartEvery;
            credit = 0;
        }
        credit += kLineRate * kStepMs / 1000.0;
        const qsizetype before = m_sent.size();
        send(credit);
        credit -= double(m_sent.size() - before);
        wait(kStepMs);
    }
    check(quiesce(), QStringLiteral("not saved before the last stop"));
    stopWatch();

    // The files left, joined, are the newest part of what was sent, byte for byte.
    const QByteArray kept = keptText();
    m_figures.sent = m_sent.size();
    m_figures.kept = kept.size();
    check(!kept.isEmpty() && m_sent.endsWith(kept), QStringLiteral("the files left are not the newest part of what was sent"));
    check(m_figures.mostFiles <= kKeep, QStringLiteral("%1 files at one time, beyond --keep %2").arg(m_figures.mostFiles).arg(kKeep));
    m_figures.madeRoom = int(m_out.count("{\"type\":\"deleted\""));
    check(!m_figures.smallDisk || m_figures.madeRoom > 0, QStringLiteral("the full disk made no room"));
    for (auto other = m_others.cbegin(); other != m_others.cend(); ++other)
        check(readAll(m_disk + u'/' + other.key()) == other.value(), QStringLiteral("%1 was touched").arg(other.key()));

    // The hits printed for each file left are what a scan of it finds.
    QHash<QString, qint64> printed;
    for (const QByteArray& line : m_out.split('\n')) {
        const QJsonObject record = QJsonDocument::fromJson(line).object();
        if (record.value("type").toString() == "hit")
            ++printed[record.value("file").toString()];
    }
    for (const QString& file : captureFiles()) {
        QProcess rescan;
        rescan.start(m_program, {"-e", "sA0np;busy", file});
        rescan.waitForFinished(60000);
        const qint64 found = rescan.readAllStandardOutput().count('\n');
        m_figures.hitsRescanned += found;
        m_figures.hitsPrinted += printed.value(file);
        check(found == printed.value(file), QStringLiteral("%1: %2 hits printed, %3 found again").arg(file).arg(printed.value(file)).arg(found));
    }
    if (m_figures.smallDisk)
        QProcess::execute(QStringLiteral("umount"), {m_disk});
    if (m_farEnd >= 0)
        ::close(m_farEnd);
    return m_figures;
}

}  // namespace

RigFigures runRigDrill(const QString& scanProgram, double seconds, const QString& folder)
{
    Drill drill(scanProgram, folder);
    return drill.run(seconds);
}
