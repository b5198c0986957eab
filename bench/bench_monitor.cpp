// wirelark-bench: the monitor end to end at full line rate, through a real pseudo-terminal
// into the real window, at three sizes of the monitor list. Prints figures; judges nothing
// but correctness (exit code 1 when bytes were lost or hits miscounted).
#include "app/dialogs.h"
#include "app/main_window.h"
#include "bench/live_scan.h"
#include "bench/rig_drill.h"
#include "bench/scan_speed.h"
#include "bench/process_figures.h"
#include "serial/comm_port.h"
#include "tools/probe_terminal.h"
#include "tools/probe_traffic.h"

#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QLabel>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <fcntl.h>
#include <malloc.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// 115200 baud, 8N1: ten bits on the line per character.
constexpr double kLineRate = 11520.0;
// With "CRLF nach STOP" clear every line is closed by the length rule at 101 characters.
constexpr int kLineLength = 101;
// The paced capture is measured from an empty monitor and again with this many lines.
constexpr int kFullMonitor = 1'000'000;

// wirelark-scan of the same build, beside the benchmark.
QString scanProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/wirelark-scan");
}

// Five search strings that hit now and then in the probe's traffic. Each begins with a
// character that a failed attempt never stops on, so non-overlapping regular-expression
// matches count the matcher's hits exactly.
const QStringList kSearchStrings = {
    QStringLiteral("s90a00ar91a1Aa;LM75 26 Grad"),
    QStringLiteral("sA0np;EEPROM beschäftigt"),
    QStringLiteral("sD0a00arD1a00a;RTC volle Minute"),
    QStringLiteral("rA1a??a??a??a??n;EEPROM liest 4 Bytes"),
    QStringLiteral("sA0a00a;EEPROM Adresse 00"),
};

class CountingDialogs : public Dialogs {
public:
    void MsgBox(const QString& text, int, const QString&) override { messages << text; }
    QString InputBox(const QString&) override { return {}; }
    bool SaveAs(const SaveAsRequest&, QString*) override { return false; }
    QStringList messages;
};

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

// A screen reader that follows the capture reads this many of the newest lines.
constexpr int kLinesReadAloud = 20;

// The X server that DISPLAY names, found among the processes: its own CPU is part of what
// painting costs. 0 when there is none (offscreen) or it cannot be found.
pid_t xServerPid()
{
    const QString display = qEnvironmentVariable("DISPLAY").section(u'.', 0, 0);
    if (display.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb"))
        return 0;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const pid_t pid = entry.toInt(&isPid);
        if (!isPid)
            continue;
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (!cmdline.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> words = cmdline.readAll().split('\0');
        const QByteArray program = words.value(0).split('/').last();
        if ((program == "Xvfb" || program == "Xorg" || program == "X" || program == "Xwayland")
            && words.contains(display.toLocal8Bit()))
            return pid;
    }
    return 0;
}

int expectedHits(const QByteArray& text)
{
    int hits = 0;
    const QString stream = QString::fromLatin1(text);
    for (const QString& entry : kSearchStrings) {
        QString pattern = QRegularExpression::escape(entry.section(QLatin1Char(';'), 0, 0));
        pattern.replace(QStringLiteral("\\?"), QStringLiteral("."));
        auto matches = QRegularExpression(pattern).globalMatch(stream);
        while (matches.hasNext()) {
            matches.next();
            ++hits;
        }
    }
    return hits;
}

// Several rounds of the same measurement, as medians.
Cpu medianOf(const QList<Cpu>& rounds)
{
    QList<double> process, xServer, ticks;
    for (const Cpu& round : rounds) {
        process << round.process;
        xServer << round.xServer;
        ticks << round.processTicks;
    }
    return {median(process), median(xServer), median(ticks)};
}

struct Figures {
    int lines = 0;
    double charsPerSecond = 0;
    double bytesPerLine = 0;
    double stallMs = 0;
    qint64 lost = 0;
    bool hitsRight = true;
};

class Bench {
public:
    Bench(std::uint32_t seed) : m_traffic(seed) {}
    bool start();
    // Returns the memory the process grew by per line added (0 when none was added).
    double prefill(int lines);
    // fifths: the CPU of each fifth of a paced run, so that stretches of high cost show.
    Figures measure(qint64 characters, double pacedSeconds, Cpu* cpu, QList<Cpu>* fifths = nullptr);
    // The floor: a bare read loop on the same terminal in a process of its own, at the same
    // pace; with repaint, a window showing the newest line 25 times a second as well.
    Cpu measureFloor(double pacedSeconds, bool repaint);
    // While measuring, a screen reader reads the newest lines every this many milliseconds.
    void setReaderInterval(int milliseconds) { m_readerEveryMs = milliseconds; }
    // Resident bytes per received character over a fill, and the share Clear gives back.
    std::pair<double, double> measureMemory(qint64 characters);

    ListBox* monitor() { return m_window->findChild<ListBox*>(QStringLiteral("lstMonitor")); }
    ListBox* results() { return m_window->findChild<ListBox*>(QStringLiteral("lstResult")); }
    void clear()
    {
        m_window->cmdClear_Click();
        m_window->cmdClearResultAutoFilter_Click();
    }

private:
    QByteArray monitorTextFrom(int line);
    // A process of its own writes the text into the terminal, at the line rate when paced.
    pid_t startWriter(const QByteArray& text, double pacedSeconds);
    void readNewestLinesAloud();

    ProbeTraffic m_traffic;
    QTemporaryDir m_folder;
    CountingDialogs m_dialogs;
    std::unique_ptr<frmWirelark> m_window;
    int m_farEnd = -1;
    QString m_device;
    MSComm* m_port = nullptr;
    int m_readerEveryMs = 0;
    qint64 m_readAloud = 0;  // what the screen reader was told, so that nothing is left unread
    qint64 m_received = 0;
    int m_pacingMs = 1;  // how often the paced writer hands characters to the terminal
    double m_rate = kLineRate;
    bool m_crlf = true;
    pid_t m_xServer = 0;

public:
    void setPacing(int milliseconds) { m_pacingMs = std::max(1, milliseconds); }
    // Characters a second that the paced writer hands on: the line rate unless told.
    void setRate(double charactersPerSecond) { m_rate = charactersPerSecond; }
    void setCrlf(bool ticked) { m_crlf = ticked; }
    bool hasXServer() const { return m_xServer > 0; }
    void hideWindow() { m_window->hide(); }

    // Hits in the result list so far: every hit fills the last line and leaves an empty one.
    qint64 hits() { return std::max<qint64>(0, results()->ListCount() - 1); }
};

bool Bench::start()
{
    const QString device = openProbeTerminal(m_farEnd);
    if (device.isEmpty())
        return false;
    m_device = device;
    QDir::setCurrent(m_folder.path());
    QFile filters(QStringLiteral("Filter4.ini"));
    if (!filters.open(QIODevice::WriteOnly))
        return false;
    for (const QString& entry : kSearchStrings)
        filters.write(entry.toLatin1() + "\r\n");
    filters.close();

    auto port = std::make_unique<MSComm>(PortMap({device}), systemLineErrors());
    m_window = std::make_unique<frmWirelark>(m_dialogs, std::move(port));
    if (!m_window->Load())
        return false;
    auto* list = m_window->findChild<ListBox*>(QStringLiteral("lstAutoFilter"));
    for (int i = 0; i < list->ListCount(); ++i)
        list->SetSelected(i, true);
    m_window->findChild<CheckBox*>(QStringLiteral("chkCRLF"))->setChecked(m_crlf);
    m_xServer = xServerPid();
    m_window->cmdPortOpen_Click();
    m_port = m_window->findChild<MSComm*>(QStringLiteral("MSComm1"));
    QObject::connect(m_port, &MSComm::OnComm, m_window.get(), [this] {
        if (m_port->CommEvent() == comEvReceive)
            ++m_received;
    });
    return m_port->PortOpen();
}

double Bench::prefill(int lines)
{
    const int linesBefore = monitor()->ListCount();
    const qint64 memoryBefore = residentBytes();
    // Through AddChar, as the receive handler calls it; the event loop runs now and then as
    // it would between serial events.
    while (monitor()->ListCount() < lines) {
        const QByteArray text = m_traffic.generate(kLineLength * 100);
        for (char byte : text)
            m_window->AddChar(QString(QLatin1Char(byte)));
        QCoreApplication::processEvents();
    }
    const int added = monitor()->ListCount() - linesBefore;
    return added > 0 ? double(residentBytes() - memoryBefore) / added : 0;
}

QByteArray Bench::monitorTextFrom(int line)
{
    QByteArray text;
    for (int i = line; i < monitor()->ListCount(); ++i)
        text += monitor()->List(i).toLatin1();
    return text;
}

pid_t Bench::startWriter(const QByteArray& text, double pacedSeconds)
{
    // A process of its own, so that the CPU counted is the reader's alone.
    const pid_t writer = fork();
    if (writer != 0)
        return writer;
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    qsizetype done = 0;
    while (done < text.size()) {
        qsizetype chunk = text.size() - done;
        if (pacedSeconds > 0) {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            const double elapsed = double(now.tv_sec - start.tv_sec) + (now.tv_nsec - start.tv_nsec) / 1e9;
            chunk = std::min<qsizetype>(chunk, qsizetype(elapsed * m_rate) - done);
            if (chunk <= 0) {
                ::usleep(useconds_t(m_pacingMs * 1000));
                continue;
            }
        }
        const ssize_t written = ::write(m_farEnd, text.constData() + done, static_cast<size_t>(chunk));
        if (written > 0)
            done += written;
        else if (written < 0 && errno != EINTR && errno != EAGAIN)
            ::_exit(1);
    }
    ::_exit(0);
}

void Bench::readNewestLinesAloud()
{
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(monitor());
    if (!list)
        return;
    const int count = list->childCount();
    for (int row = std::max(0, count - kLinesReadAloud); row < count; ++row) {
        QAccessibleInterface* line = list->child(row);
        if (line)
            m_readAloud += line->text(QAccessible::Name).size() + (line->state().selected ? 1 : 0);
    }
}

Figures Bench::measure(qint64 characters, double pacedSeconds, Cpu* cpu, QList<Cpu>* fifths)
{
    Figures figures;
    m_window->cmdNewLine_Click();
    const int firstLine = monitor()->ListCount() - 1;
    const int resultsBefore = results()->ListCount();
    const QByteArray text = m_traffic.generate(pacedSeconds > 0 ? qint64(pacedSeconds * m_rate) : characters);
    const qint64 receivedBefore = m_received;
    const qint64 memoryBefore = residentBytes();
    const pid_t writer = startWriter(text, pacedSeconds);
    bool failed = writer < 0;

    // A timer that should tick every few milliseconds: how late it comes is how long the
    // window could not react.
    constexpr qint64 kTickNs = 10'000'000;
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(int(kTickNs / 1'000'000));
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longestGap = std::max(longestGap, now - lastTick - kTickNs);
        lastTick = now;
    });
    QEventLoop loop;
    QTimer done;
    // Paced, the window's CPU is measured: the bench's own timers wake it as seldom as they can
    // (the stall is measured only when the window is flooded).
    done.setInterval(pacedSeconds > 0 ? 250 : 20);
    QObject::connect(&done, &QTimer::timeout, [&] {
        int status = 0;
        if (!failed && waitpid(writer, &status, WNOHANG) == writer && status != 0)
            failed = true;
        if (m_received - receivedBefore >= text.size() || failed)
            loop.quit();
    });
    QTimer reader;
    QObject::connect(&reader, &QTimer::timeout, [this] { readNewestLinesAloud(); });
    if (m_readerEveryMs > 0)
        reader.start(m_readerEveryMs);
    const CpuClock cpuClock(::getpid(), m_xServer);
    std::optional<CpuClock> fifthClock;
    QTimer fifth;
    if (fifths && pacedSeconds > 0) {
        fifths->clear();
        fifthClock.emplace(::getpid(), m_xServer);
        fifth.setInterval(int(pacedSeconds * 1000 / 5));
        QObject::connect(&fifth, &QTimer::timeout, [&] {
            if (fifths->size() < 5)
                *fifths << fifthClock->read();
            fifthClock.emplace(::getpid(), m_xServer);
        });
        fifth.start();
    }
    if (pacedSeconds <= 0)
        tick.start();
    done.start();
    loop.exec();
    fifth.stop();
    const double elapsed = clock.nsecsElapsed() / 1e9;
    const Cpu used = cpuClock.read();
    reader.stop();
    tick.stop();
    done.stop();
    if (writer > 0)
        waitpid(writer, nullptr, 0);
    QCoreApplication::processEvents();

    const int linesAdded = monitor()->ListCount() - firstLine;
    figures.lines = monitor()->ListCount();
    figures.charsPerSecond = text.size() / elapsed;
    figures.bytesPerLine = linesAdded > 1 ? double(residentBytes() - memoryBefore) / linesAdded : 0;
    figures.stallMs = longestGap / 1e6;
    const QByteArray shown = monitorTextFrom(firstLine);
    figures.lost = text.size() - shown.size() + m_dialogs.messages.count(QStringLiteral("Datenverlust!"));
    if (shown != text && figures.lost == 0)
        figures.lost = 1;  // the same count, but not the same bytes
    // Every hit fills the last result line and leaves a new empty one after it.
    const auto hitLines = [](int count) { return count > 0 ? count - 1 : 0; };
    figures.hitsRight = hitLines(results()->ListCount()) - hitLines(resultsBefore) == expectedHits(text);
    if (cpu)
        *cpu = used;
    return figures;
}

Cpu Bench::measureFloor(double pacedSeconds, bool repaint)
{
    // The window lets go of the terminal while the floor reads it.
    m_window->cmdPortOpen_Click();
    const QByteArray text = m_traffic.generate(qint64(pacedSeconds * m_rate));
    QProcess floor;
    QStringList arguments = {QStringLiteral("--floor-child"), m_device, QStringLiteral("--chars"),
                             QString::number(text.size())};
    if (repaint)
        arguments << QStringLiteral("--floor-repaint");
    floor.start(QCoreApplication::applicationFilePath(), arguments);
    Cpu cpu;
    // It says "ready" once it holds the terminal open and "done" once everything came, then
    // waits for its standard input to close, so that its CPU can still be read.
    const auto said = [&floor](const QByteArray& word, int milliseconds) {
        QElapsedTimer waiting;
        waiting.start();
        while (!floor.canReadLine() && waiting.elapsed() < milliseconds)
            floor.waitForReadyRead(100);
        return floor.readLine().trimmed() == word;
    };
    if (said("ready", 10000)) {
        const pid_t writer = startWriter(text, pacedSeconds);
        const CpuClock cpuClock(pid_t(floor.processId()), repaint ? m_xServer : 0);
        if (said("done", int(pacedSeconds * 1000) + 30000))
            cpu = cpuClock.read();
        if (writer > 0)
            waitpid(writer, nullptr, 0);
    }
    floor.closeWriteChannel();
    if (!floor.waitForFinished(5000)) {
        floor.kill();
        floor.waitForFinished();
    }
    m_window->cmdPortOpen_Click();
    return cpu;
}

// The floor's own process: reads the terminal until the given number of characters came,
// with no more than a read loop needs (and, with repaint, a window showing the newest line).
int runFloor(const QString& device, qint64 characters, bool repaint)
{
    const int fd = ::open(device.toLocal8Bit().constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return 2;
    std::puts("ready");
    std::fflush(stdout);
    qint64 received = 0;
    char buffer[65536];
    const auto done = [&buffer] {
        std::puts("done");
        std::fflush(stdout);
        while (::read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
        }
        return 0;
    };
    if (!repaint) {
        while (received < characters) {
            pollfd readable{fd, POLLIN, 0};
            ::poll(&readable, 1, -1);
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got > 0)
                received += got;
        }
        return done();
    }
    QLabel newest;
    newest.setFont(QFont(QStringLiteral("Liberation Mono")));
    newest.resize(800, 40);
    newest.show();
    QByteArray line;
    QSocketNotifier notifier(fd, QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, [&] {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0)
            return;
        received += got;
        line = QByteArray(buffer, got).right(100);
        if (received >= characters)
            QCoreApplication::quit();
    });
    QTimer refresh;
    QObject::connect(&refresh, &QTimer::timeout, [&] { newest.setText(QString::fromLatin1(line)); });
    refresh.start(40);
    QCoreApplication::exec();
    return done();
}

// Bytes the program holds on the heap (malloc's own count, blocks of its own included):
// unlike the resident size it does not hide a fill in memory that an earlier Clear freed.
qint64 heapBytes()
{
    const struct mallinfo2 heap = mallinfo2();
    return qint64(heap.uordblks + heap.hblkhd);
}

std::pair<double, double> Bench::measureMemory(qint64 characters)
{
    m_window->cmdClear_Click();
    m_window->cmdClearResultAutoFilter_Click();
    QCoreApplication::processEvents();
    const qint64 before = heapBytes();
    qint64 fed = 0;
    while (fed < characters) {
        const QByteArray text = m_traffic.generate(100000);
        for (char byte : text)
            m_window->AddChar(QString(QLatin1Char(byte)));
        fed += text.size();
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    const qint64 filled = heapBytes();
    m_window->cmdClear_Click();
    m_window->cmdClearResultAutoFilter_Click();
    QCoreApplication::processEvents();
    const qint64 cleared = heapBytes();
    const double grown = double(filled - before);
    return {grown / double(fed), grown > 0 ? double(filled - cleared) / grown : 1.0};
}

struct ScanFigures {
    double charsPerSecond = 0;
    double maxResidentMb = 0;
    bool hitsRight = false;
    double decodedPerSecond = 0;  // --decode alone, over the same log
    double decodeResidentMb = 0;
    double decodedWithHitsPerSecond = 0;  // --decode with the same five entries
};

// wirelark-scan over a monitor log as the window saves it (a line ends after every STOP and
// after 101 characters), run as the user runs it: the whole process, one core.
ScanFigures measureScan(std::uint32_t seed, qint64 characters, const QString& folder)
{
    ScanFigures figures;
    const QByteArray text = ProbeTraffic(seed).generate(characters);
    const QString logPath = folder + QStringLiteral("/capture.log");
    if (!writeMonitorLog(text, logPath))
        return figures;
    const auto run = [&](bool decode, bool search, double* charsPerSecond, double* residentMb) {
    QProcess scan;
    scan.setWorkingDirectory(folder);
    if (decode)
        scan.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    QStringList arguments = {logPath};
    if (search)
        arguments = QStringList{QStringLiteral("--select"), QStringLiteral("1,2,3,4,5")} + arguments;
    if (decode)
        arguments.prepend(QStringLiteral("--decode"));
    scan.start(scanProgram(), arguments);
    // The scanner's own peak (VmHWM), read while it runs: the children's rusage would count
    // the bench's memory that the fork copied.
    const QString status = QStringLiteral("/proc/%1/status").arg(scan.processId());
    qint64 peakKb = 0;
    while (!scan.waitForFinished(50)) {
        if (scan.state() == QProcess::NotRunning)
            return QByteArray();
        QFile file(status);
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : file.readAll().split('\n')) {
                if (line.startsWith("VmHWM:"))
                    peakKb = std::max(peakKb, line.mid(6).trimmed().split(' ').value(0).toLongLong());
            }
        }
    }
    *charsPerSecond = text.size() / (clock.nsecsElapsed() / 1e9);
    *residentMb = peakKb / 1024.0;
    return scan.readAllStandardOutput();
    };
    figures.hitsRight = run(false, true, &figures.charsPerSecond, &figures.maxResidentMb).count('\n') == expectedHits(text);
    run(true, false, &figures.decodedPerSecond, &figures.decodeResidentMb);
    double resident = 0;
    run(true, true, &figures.decodedWithHitsPerSecond, &resident);
    QFile::remove(logPath);
    return figures;
}

}  // namespace

// The rig's drill over the given time, and what held.
int runRig(double seconds)
{
    QTemporaryDir folder;
    const RigFigures rig =
        runRigDrill(scanProgram(), seconds, folder.path());
    std::printf("rig for %.0f s: %d runs (stopped with SIGTERM, started again), %d pulls of the device, longest down "
                "%.2f s from the stop to the device held again; %s; at most %d files at once (--keep %d), %d deleted "
                "for room; %lld characters sent while watched, the newest %lld kept byte for byte; %lld hits printed "
                "for the files left, %lld found again by a scan of them; %s\n",
                rig.seconds, rig.runs, rig.gaps, rig.downSeconds,
                rig.smallDisk ? "a 384 KiB file system filled from outside at 40 %" : "no small file system (not root)",
                rig.mostFiles, rig.keep, rig.madeRoom, static_cast<long long>(rig.sent), static_cast<long long>(rig.kept),
                static_cast<long long>(rig.hitsPrinted), static_cast<long long>(rig.hitsRescanned),
                rig.faults.isEmpty() ? "everything held" : qPrintable(QStringLiteral("FAULTS: ") + rig.faults.join(QStringLiteral("; "))));
    return rig.faults.isEmpty() ? 0 : 1;
}

// A fully loaded fast bus through the Pico probe, for minutes: the window from an empty
// monitor, then wirelark-scan --port with five entries and --save, each fed every 16 ms at
// this rate. Nothing may be lost; CPU and memory as users have them.
int runFastBus(Bench& bench, double seconds, double rate, std::uint32_t seed)
{
    bench.setRate(rate);
    bench.setPacing(16);
    bench.clear();
    Cpu cpu;
    const qint64 residentBefore = residentBytes();
    const Figures window = bench.measure(0, seconds, &cpu);
    std::printf("the window from an empty monitor, %.0f characters a second every 16 ms for %.0f s: %.2f %% of one "
                "core + X %.2f, %d lines, resident %.0f MB more than before, %lld lost, hits %s\n",
                rate, seconds, cpu.process * 100, cpu.xServer * 100, window.lines,
                double(residentBytes() - residentBefore) / 1e6, static_cast<long long>(window.lost),
                window.hitsRight ? "ok" : "WRONG");
    std::fflush(stdout);
    QTemporaryDir folder;
    const LiveScanFigures live =
        measureLiveScan(scanProgram(), kSearchStrings,
                        seed + 2, seconds, folder.path(), {}, rate);
    std::printf("wirelark-scan --port, five entries, --save, the same rate written every millisecond for %.0f s: %.2f %% of one core, resident %.1f MB "
                "after 1 s and %.1f MB at the end, %lld hits (%lld expected), saved file %s\n",
                seconds, live.cpuPercent, live.residentStartMb, live.residentEndMb, static_cast<long long>(live.hits),
                static_cast<long long>(live.expectedHits), live.fileExact ? "exact" : "DIFFERS");
    const bool sound = window.lost == 0 && window.hitsRight && live.fileExact && live.hits == live.expectedHits;
    return sound ? 0 : 1;
}

int main(int argc, char* argv[])
{
    // Under an X server (DISPLAY set: a desktop session, xvfb-run, with-desktop) the window is
    // shown there, as users have it; without one it runs offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Wirelark's monitor at full line rate."));
    options.addHelpOption();
    const QCommandLineOption sizes(QStringLiteral("sizes"), QStringLiteral("Monitor sizes in lines."), QStringLiteral("list"),
                                   QStringLiteral("0,100000,1000000"));
    const QCommandLineOption characters(QStringLiteral("chars"), QStringLiteral("Characters written per size."), QStringLiteral("n"),
                                        QStringLiteral("1000000"));
    const QCommandLineOption paced(QStringLiteral("paced"), QStringLiteral("Also write at the line rate for this many seconds."),
                                   QStringLiteral("s"), QStringLiteral("0"));
    const QCommandLineOption smoke(QStringLiteral("smoke"), QStringLiteral("A small run that checks correctness only."));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Traffic seed."), QStringLiteral("n"), QStringLiteral("7"));
    const QCommandLineOption hidden(QStringLiteral("hidden"),
                                    QStringLiteral("Hide the window: shows what painting costs."));
    const QCommandLineOption chunk(QStringLiteral("chunk-ms"),
                                   QStringLiteral("Paced mode: milliseconds between writes (a USB adapter delivers every 1 to 16 ms)."),
                                   QStringLiteral("ms"), QStringLiteral("1"));
    const QCommandLineOption scanChars(QStringLiteral("scan-chars"),
                                       QStringLiteral("Characters of the log that wirelark-scan reads."),
                                       QStringLiteral("n"), QStringLiteral("100000000"));
    const QCommandLineOption noCrlf(QStringLiteral("no-crlf"),
                                    QStringLiteral("Untick \"CRLF nach STOP\" (ticked by default, as users run it)."));
    const QCommandLineOption memoryChars(QStringLiteral("memory-chars"),
                                         QStringLiteral("Characters fed through AddChar to measure memory per character."),
                                         QStringLiteral("n"), QStringLiteral("20000000"));
    const QCommandLineOption a11yFlat(QStringLiteral("a11y-client"),
                                      QStringLiteral("With --paced: CPU at the line rate (16 ms deliveries) with a screen "
                                                     "reader reading the newest lines every 2 s, at these monitor sizes."),
                                      QStringLiteral("lines"), QString());
    const QCommandLineOption rounds(QStringLiteral("rounds"), QStringLiteral("Paced rounds, reported as medians."),
                                    QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption floorChild(QStringLiteral("floor-child"), QStringLiteral("(internal) The floor's reader."),
                                        QStringLiteral("device"));
    const QCommandLineOption floorRepaint(QStringLiteral("floor-repaint"), QStringLiteral("(internal) With a window."));
    const QCommandLineOption scanLive(QStringLiteral("scan-live"),
                                      QStringLiteral("Seconds that wirelark-scan --port watches a pseudo-terminal written at "
                                                     "the line rate, with five entries and --save."),
                                      QStringLiteral("s"), QStringLiteral("20"));
    const QCommandLineOption rig(QStringLiteral("rig"),
                                 QStringLiteral("Only a rig's year: seconds of wirelark-scan --port as the capture service "
                                                "runs it, over pulls of the device, SIGTERM restarts and a disk that fills "
                                                "(mounted as root)."),
                                 QStringLiteral("s"));
    const QCommandLineOption scanSpeed(QStringLiteral("scan-speed"),
                                       QStringLiteral("Only saved logs: wirelark-scan over a log of this many characters in "
                                                      "each configuration, beside grep, medians of --rounds."),
                                       QStringLiteral("n"));
    const QCommandLineOption fastBus(QStringLiteral("fast-bus"),
                                     QStringLiteral("Only a fast bus: seconds of the window from an empty monitor, then of "
                                                    "wirelark-scan --port with five entries and --save, each fed at --rate "
                                                    "every 16 ms."),
                                     QStringLiteral("s"));
    const QCommandLineOption rate(QStringLiteral("rate"),
                                  QStringLiteral("With --fast-bus: characters a second (default 340000, a fully loaded "
                                                 "1 MHz bus through the Pico probe)."),
                                  QStringLiteral("n"), QStringLiteral("340000"));
    const QCommandLineOption scanFolder(QStringLiteral("scan-folder"),
                                        QStringLiteral("With --scan-speed: write the logs into this folder and keep them."),
                                        QStringLiteral("folder"));
    options.addOptions({sizes, characters, paced, smoke, seed, chunk, hidden, scanChars, noCrlf, memoryChars, a11yFlat,
                        scanLive, rounds, floorChild, floorRepaint, rig, scanSpeed, scanFolder, fastBus, rate});
    options.process(app);
    if (options.isSet(floorChild))
        return runFloor(options.value(floorChild), options.value(characters).toLongLong(), options.isSet(floorRepaint));
    if (options.isSet(rig))
        return runRig(options.value(rig).toDouble());
    if (options.isSet(scanSpeed)) {
        QTemporaryDir temporary;
        const QString folder = options.isSet(scanFolder) ? options.value(scanFolder) : temporary.path();
        return runScanSpeed(scanProgram(), kSearchStrings,
                            options.value(seed).toUInt() + 1, options.value(scanSpeed).toLongLong(),
                            std::max(1, options.value(rounds).toInt()), folder)
                   ? 0
                   : 1;
    }
    int roundCount = std::max(1, options.value(rounds).toInt());
    int fullMonitor = kFullMonitor;

    QList<int> lineCounts;
    for (const QString& size : options.value(sizes).split(QLatin1Char(',')))
        lineCounts << size.toInt();
    qint64 perSize = options.value(characters).toLongLong();
    double pacedSeconds = options.value(paced).toDouble();
    qint64 scanned = options.value(scanChars).toLongLong();
    qint64 memoryFill = options.value(memoryChars).toLongLong();
    double liveSeconds = options.value(scanLive).toDouble();
    if (options.isSet(smoke)) {
        liveSeconds = 1;
        lineCounts = {0, 300};
        perSize = 5000;
        pacedSeconds = 0.3;
        scanned = 200000;
        memoryFill = 100000;
        roundCount = 1;
        fullMonitor = 300;
    }

    Bench bench(options.value(seed).toUInt());
    bench.setCrlf(!options.isSet(noCrlf));
    if (!bench.start()) {
        std::fprintf(stderr, "wirelark-bench: cannot start the window on a pseudo-terminal\n");
        return 2;
    }
    if (options.isSet(fastBus))
        return runFastBus(bench, options.value(fastBus).toDouble(), options.value(rate).toDouble(),
                          options.value(seed).toUInt());
    if (options.isSet(hidden))
        bench.hideWindow();
    std::printf("platform %s%s, \"CRLF nach STOP\" %s, accessibility bridge %s\n",
                qPrintable(QGuiApplication::platformName()), bench.hasXServer() ? " (X server found)" : "",
                options.isSet(noCrlf) ? "clear" : "ticked",
                qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") ? "always on" : "on demand");
    std::printf("%10s %12s %10s %12s %10s %6s %5s\n", "lines", "chars/s", "x line", "bytes/line", "stall ms", "lost", "hits");
    double minRatio = 1e300, rateAtEmpty = 0, rateAtLargest = 0, bytesAtLargest = 0, worstStall = 0;
    qint64 lost = 0;
    bool hitsRight = true;
    for (int lines : lineCounts) {
        const double grownPerLine = bench.prefill(lines);
        Figures figures = bench.measure(perSize, 0, nullptr);
        // Growth over many lines says more than over the few thousand of one measurement.
        if (grownPerLine > 0)
            figures.bytesPerLine = grownPerLine;
        const double ratio = figures.charsPerSecond / kLineRate;
        std::printf("%10d %12.0f %10.1f %12.1f %10.1f %6lld %5s\n", lines, figures.charsPerSecond, ratio,
                    figures.bytesPerLine, figures.stallMs, static_cast<long long>(figures.lost),
                    figures.hitsRight ? "ok" : "WRONG");
        std::fflush(stdout);
        minRatio = std::min(minRatio, ratio);
        if (lines == lineCounts.first())
            rateAtEmpty = figures.charsPerSecond;
        rateAtLargest = figures.charsPerSecond;
        // Over the largest fill: a few thousand lines say more about the allocator's start.
        bytesAtLargest = figures.bytesPerLine;
        worstStall = std::max(worstStall, figures.stallMs);
        lost += figures.lost;
        hitsRight = hitsRight && figures.hitsRight;
    }
    double cpuLineRate = 0, cpu16 = 0, cpu16Empty = 0, floor16 = 0;
    if (pacedSeconds > 0) {
        // The characters come every millisecond, or every 16 as from a USB adapter's timer.
        // Each round measures the window, then the floor on the same terminal at the same pace.
        const int chunks[] = {options.isSet(chunk) ? options.value(chunk).toInt() : 1, 16};
        std::printf("paced at the line rate, medians of %d rounds of %.1f s, %% of one core by the scheduler's clock "
                    "(tick-sampled user+system of the process in brackets):\n",
                    roundCount, pacedSeconds);
        for (int pacing : chunks) {
            bench.setPacing(pacing);
            QList<Cpu> empty, full, bare, repainting;
            QStringList fifthsOfRounds;
            QList<double> emptyRatios, fullRatios;
            for (int round = 0; round < roundCount; ++round) {
                // From an empty monitor, as a user starts a capture, then with a million lines,
                // each next to the floor with window: the machine's speed drifts between runs.
                bench.clear();
                Cpu cpu;
                QList<Cpu> fifths;
                Figures figures = bench.measure(0, pacedSeconds, &cpu, &fifths);
                empty << cpu;
                QStringList shares;
                for (const Cpu& part : fifths)
                    shares << QString::number(part.together() * 100, 'f', 1);
                fifthsOfRounds << shares.join(QLatin1Char(' '));
                lost += figures.lost;
                hitsRight = hitsRight && figures.hitsRight;
                repainting << bench.measureFloor(pacedSeconds, true);
                bench.prefill(fullMonitor);
                figures = bench.measure(0, pacedSeconds, &cpu);
                full << cpu;
                lost += figures.lost;
                hitsRight = hitsRight && figures.hitsRight;
                bare << bench.measureFloor(pacedSeconds, false);
                // Each round's own ratio: a costly round beside a costly floor is the machine's.
                const double floor = repainting.last().together();
                emptyRatios << (floor > 0 ? empty.last().together() / floor : 0);
                fullRatios << (floor > 0 ? full.last().together() / floor : 0);
                fifthsOfRounds.last() += QStringLiteral(" (%1 x its floor)").arg(emptyRatios.last(), 0, 'f', 1);
            }
            const Cpu e = medianOf(empty), w = medianOf(full), b = medianOf(bare), r = medianOf(repainting);
            std::printf("  every %2d ms: floor: bare read loop %.2f (%.2f), read loop with a 25 Hz window %.2f + X %.2f = "
                        "%.2f\n",
                        pacing, b.process * 100, b.processTicks * 100, r.process * 100, r.xServer * 100,
                        r.together() * 100);
            std::printf("    from an empty monitor: window %.2f (%.2f) + X %.2f = %.2f, %.1f x the floor with window "
                        "(median of the rounds' own ratios); by fifths of each round: %s\n",
                        e.process * 100, e.processTicks * 100, e.xServer * 100, e.together() * 100,
                        median(emptyRatios), qPrintable(fifthsOfRounds.join(QStringLiteral(" | "))));
            std::printf("    with %d lines: window %.2f (%.2f) + X %.2f = %.2f, %.1f x the floor with window\n",
                        fullMonitor, w.process * 100, w.processTicks * 100, w.xServer * 100, w.together() * 100,
                        median(fullRatios));
            std::fflush(stdout);
            if (pacing == chunks[0])
                cpuLineRate = w.together() * 100;
            if (pacing == 16) {
                cpu16 = w.together() * 100;
                cpu16Empty = e.together() * 100;
                floor16 = r.together() * 100;
            }
            if (options.isSet(chunk))
                break;
        }
    }
    const QString a11ySizes = options.value(a11yFlat);
    double a11ySpread = 0;
    if (pacedSeconds > 0 && !a11ySizes.isEmpty()) {
        bench.setPacing(16);
        bench.setReaderInterval(2000);
        bench.clear();
        QList<double> atSize;
        for (const QString& size : a11ySizes.split(QLatin1Char(','))) {
            bench.prefill(size.toInt());
            QList<Cpu> measured;
            for (int round = 0; round < roundCount; ++round) {
                Cpu cpu;
                const Figures figures = bench.measure(0, pacedSeconds, &cpu);
                lost += figures.lost;
                measured << cpu;
            }
            const Cpu m = medianOf(measured);
            atSize << m.together();
            std::printf("with a screen reader reading the newest %d lines every 2 s, from %d monitor lines: window "
                        "%.2f + X %.2f = %.2f %%\n",
                        kLinesReadAloud, size.toInt(), m.process * 100, m.xServer * 100, m.together() * 100);
            std::fflush(stdout);
        }
        const auto [lowest, highest] = std::minmax_element(atSize.begin(), atSize.end());
        a11ySpread = *lowest > 0 ? *highest / *lowest - 1 : 0;
        bench.setReaderInterval(0);
    }
    double bytesPerChar = 0;
    if (memoryFill > 0) {
        const auto [perChar, returned] = bench.measureMemory(memoryFill);
        bytesPerChar = perChar;
        std::printf("memory over %lld characters: %.2f bytes a character; Clear gives back %.0f %%\n",
                    static_cast<long long>(memoryFill), perChar, returned * 100);
    }
    std::printf("hits listed: %lld\n", static_cast<long long>(bench.hits()));
    if (scanned > 0) {
        QTemporaryDir scanFolder;
        QFile::copy(QStringLiteral("Filter4.ini"), scanFolder.filePath(QStringLiteral("Filter4.ini")));
        const ScanFigures scan = measureScan(options.value(seed).toUInt() + 1, scanned, scanFolder.path());
        std::printf("wirelark-scan over %lld characters: %.1f million a second, largest resident %.1f MB, hits %s\n",
                    static_cast<long long>(scanned), scan.charsPerSecond / 1e6, scan.maxResidentMb,
                    scan.hitsRight ? "ok" : "WRONG");
        std::printf("wirelark-scan --decode over the same: %.1f million a second, largest resident %.1f MB; "
                    "with the five entries as well: %.1f million a second\n",
                    scan.decodedPerSecond / 1e6, scan.decodeResidentMb, scan.decodedWithHitsPerSecond / 1e6);
        hitsRight = hitsRight && scan.hitsRight;
    }
    double liveCpu = 0, liveP99 = 0;
    if (liveSeconds > 0) {
        QTemporaryDir liveFolder;
        const LiveScanFigures live =
            measureLiveScan(scanProgram(), kSearchStrings,
                            options.value(seed).toUInt() + 2, liveSeconds, liveFolder.path());
        std::printf("wirelark-scan --port at the line rate for %.0f s, five entries, --save: %.2f %% of one core "
                    "(tick-sampled %.2f), resident %.1f MB after 1 s and %.1f MB at the end, hit latency p99 %.1f ms (max %.1f ms) over "
                    "%lld hits (%lld expected), saved file %s\n",
                    liveSeconds, live.cpuPercent, live.tickCpuPercent, live.residentStartMb, live.residentEndMb, live.latencyP99Ms,
                    live.latencyMaxMs, static_cast<long long>(live.hits), static_cast<long long>(live.expectedHits),
                    live.fileExact ? "exact" : "DIFFERS");
        hitsRight = hitsRight && live.fileExact && live.hits == live.expectedHits;
        liveCpu = live.cpuPercent;
        liveP99 = live.latencyP99Ms;
        // The same with the capture in rotated files: memory and cost stay those of one file.
        QTemporaryDir rotatedFolder;
        const LiveScanFigures rotated =
            measureLiveScan(scanProgram(), kSearchStrings,
                            options.value(seed).toUInt() + 2, liveSeconds, rotatedFolder.path(),
                            {"--rotate-size", "64K"});
        std::printf("  the same with --rotate-size 64K: %.2f %% of one core, resident %.1f MB after 1 s and %.1f MB at "
                    "the end, %lld hits, %d files, one after the other %s\n",
                    rotated.cpuPercent, rotated.residentStartMb, rotated.residentEndMb,
                    static_cast<long long>(rotated.hits), rotated.files, rotated.fileExact ? "exact" : "DIFFER");
        hitsRight = hitsRight && rotated.fileExact && rotated.hits == rotated.expectedHits;
        // Beside its floor, a bare read loop on a terminal written the same way, delivered
        // every millisecond and every 16 (a USB adapter's latency timer), medians of rounds.
        for (const int delivery : {1, 16}) {
            QList<double> watch, floor, reader, matcher, output, unsaved, differences;
            QStringList roundDifferences;
            for (int round = 0; round < roundCount; ++round) {
                QTemporaryDir folder;
                const LiveScanFigures figures =
                    measureLiveScan(scanProgram(),
                                    kSearchStrings, options.value(seed).toUInt() + 2, liveSeconds, folder.path(), {},
                                    kLineRate, delivery);
                hitsRight = hitsRight && figures.fileExact && figures.hits == figures.expectedHits;
                watch << figures.cpuPercent;
                reader << figures.readerPercent;
                matcher << figures.mainPercent;
                output << figures.outputPercent;
                floor << measureLiveFloor(QCoreApplication::applicationFilePath(), liveSeconds, kLineRate, delivery);
                // Each round's own difference: the machine's speed drifts between rounds.
                differences << watch.last() - floor.last();
                roundDifferences << QString::asprintf("%+.2f", differences.last());
                // Without --save: what saving (writing the file, its sync once a second) costs.
                QTemporaryDir unsavedFolder;
                const LiveScanFigures plain =
                    measureLiveScan(scanProgram(),
                                    kSearchStrings, options.value(seed).toUInt() + 2, liveSeconds, unsavedFolder.path(),
                                    {}, kLineRate, delivery, false);
                hitsRight = hitsRight && plain.hits == plain.expectedHits;
                unsaved << plain.cpuPercent;
            }
            std::printf("  delivered every %2d ms, medians of %d rounds: the watch %.2f %%, a bare read loop %.2f %%: "
                        "%+.2f points (median of the rounds' own: %s); by thread: serial reader %.2f, main (matcher, "
                        "--save) %.2f, output %.2f; without --save %.2f\n",
                        delivery, roundCount, median(watch), median(floor), median(differences),
                        qPrintable(roundDifferences.join(QLatin1Char(' '))), median(reader), median(matcher),
                        median(output), median(unsaved));
            std::fflush(stdout);
        }
    }
    std::printf("x_linerate=%.1f flat=%.2f bytes_per_line=%.0f stall_ms=%.1f lost=%lld cpu_linerate=%.2f "
                "cpu_16ms=%.2f cpu_16ms_empty=%.2f floor_16ms=%.2f a11y_spread=%.2f bytes_per_char=%.2f scan_live_cpu=%.2f "
                "scan_live_p99_ms=%.1f\n",
                minRatio, rateAtEmpty > 0 ? rateAtLargest / rateAtEmpty : 0, bytesAtLargest, worstStall,
                static_cast<long long>(lost), cpuLineRate, cpu16, cpu16Empty, floor16, a11ySpread, bytesPerChar, liveCpu, liveP99);
    return lost == 0 && hitsRight ? 0 : 1;
}
