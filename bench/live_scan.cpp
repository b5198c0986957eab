#include "bench/live_scan.h"
#include "bench/process_figures.h"

#include "core/line_assembly.h"
#include "core/search_slot.h"
#include "tools/probe_terminal.h"
#include "tools/probe_traffic.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {


bool holdsOpen(pid_t pid, const QString& path)
{
    for (const QFileInfo& fd : QDir(QStringLiteral("/proc/%1/fd").arg(pid)).entryInfoList(QDir::System | QDir::NoDotAndDotDot)) {
        if (fd.symLinkTarget() == path)
            return true;
    }
    return false;
}

// Starts arguments[0] with its standard output into output (and its input from input, when
// one is given), its standard error thrown away: it would land in the middle of the figures.
pid_t startQuiet(QList<QByteArray> arguments, int output, int input = -1)
{
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    if (input >= 0)
        ::dup2(input, STDIN_FILENO);
    ::dup2(output, STDOUT_FILENO);
    const int quiet = ::open("/dev/null", O_WRONLY);
    ::dup2(quiet, STDERR_FILENO);
    std::vector<char*> argv;
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
}

// Where hits complete (character indexes) and the file the monitor's Save would write.
void expect(const QByteArray& text, const QStringList& entries, std::vector<qsizetype>* hitAt, QByteArray* file)
{
    QList<searchslot::Entry> split;
    for (const QString& entry : entries)
        split << searchslot::split(entry);
    searchslot::Slots matcher(split);
    LineCounter lines(true);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = QLatin1Char(text[i]);
        const QStringView one(&ch, 1);
        *file += text[i];
        lines.append(one);
        matcher.feed(one, [&](int) { hitAt->push_back(i); });
        for (int begun = lines.closeAfter(one); begun > 0; --begun)
            *file += "\r\n";
    }
    *file += "\r\n";
}

// What the watch saved: its files in the order of their names, which is the order of time.
QByteArray savedCapture(const QString& folder, int* files)
{
    QByteArray whole;
    const QDir saved(folder);
    const QStringList names = saved.entryList({QStringLiteral("live*.log")}, QDir::Files, QDir::Name);
    *files = static_cast<int>(names.size());
    for (const QString& name : names) {
        QFile file(saved.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            whole += file.readAll();
    }
    return whole;
}

}  // namespace

LiveScanFigures measureLiveScan(const QString& scanProgram, const QStringList& entries, std::uint32_t seed,
                                double seconds, const QString& folder, const QList<QByteArray>& options,
                                double charactersPerSecond, int deliveryMs, bool save)
{
    LiveScanFigures figures;
    const QByteArray text = ProbeTraffic(seed).generate(static_cast<qsizetype>(seconds * charactersPerSecond));
    std::vector<qsizetype> hitAt;
    QByteArray expectedFile;
    expect(text, entries, &hitAt, &expectedFile);
    figures.expectedHits = static_cast<qint64>(hitAt.size());

    int farEnd = -1;
    const QString device = openProbeTerminal(farEnd);
    if (device.isEmpty())
        return figures;
    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0)
        return figures;
    const QString savePath = folder + QStringLiteral("/live.log");
    QList<QByteArray> arguments = {scanProgram.toLocal8Bit(), "--port", device.toLocal8Bit()};
    if (save)
        arguments << "--save" << savePath.toLocal8Bit() << "--force";
    for (const QString& entry : entries)
        arguments << "-e" << entry.toUtf8();
    arguments << options;
    const pid_t pid = startQuiet(arguments, output[1]);
    ::close(output[1]);
    ::fcntl(output[0], F_SETFL, O_NONBLOCK);
    QElapsedTimer clock;
    clock.start();
    while (!holdsOpen(pid, device) && clock.elapsed() < 10000)
        ::usleep(1000);

    // Exactly the rate, a delivery every deliveryMs; each character's write time kept.
    std::vector<qint64> writtenAt(static_cast<std::size_t>(text.size()));
    std::vector<double> latencies;
    QByteArray pending;
    const auto readHits = [&] {
        char buffer[65536];
        const ssize_t got = ::read(output[0], buffer, sizeof buffer);
        if (got <= 0)
            return;
        const qint64 now = clock.nsecsElapsed();
        pending.append(buffer, got);
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            pending.remove(0, end + 1);
            const std::size_t hit = static_cast<std::size_t>(figures.hits++);
            if (hit < hitAt.size())
                latencies.push_back((now - writtenAt[static_cast<std::size_t>(hitAt[hit])]) / 1e6);
        }
    };
    const CpuClock cpuClock(pid, 0);
    const QHash<qint64, ThreadSeconds> threadsBefore = threadSecondsOf(pid);
    clock.restart();
    qsizetype written = 0;
    bool measuredStart = false;
    qint64 nextDelivery = 0;
    while (written < text.size()) {
        const qint64 now = clock.nsecsElapsed();
        const qsizetype due = std::min<qsizetype>(text.size(), static_cast<qsizetype>(now / 1e9 * charactersPerSecond));
        if (due > written && now >= nextDelivery) {
            nextDelivery = now + qint64(deliveryMs) * 1000000;
            const ssize_t put = ::write(farEnd, text.constData() + written, static_cast<size_t>(due - written));
            for (ssize_t i = 0; i < put; ++i)
                writtenAt[static_cast<std::size_t>(written + i)] = now;
            written += std::max<ssize_t>(0, put);
        }
        if (!measuredStart && now > 1e9) {
            figures.residentStartMb = residentMbOf(pid);
            measuredStart = true;
        }
        pollfd readable{output[0], POLLIN, 0};
        if (::poll(&readable, 1, 1) > 0)
            readHits();
    }
    const Cpu cpu = cpuClock.read();
    const double measured = clock.nsecsElapsed() / 1e9;
    const QHash<qint64, ThreadSeconds> threadsAfter = threadSecondsOf(pid);
    for (auto thread = threadsAfter.cbegin(); thread != threadsAfter.cend(); ++thread) {
        const double percent =
            (thread->seconds - threadsBefore.value(thread.key()).seconds) / measured * 100;
        if (thread.key() == pid)
            figures.mainPercent += percent;
        else if (thread->name == QStringLiteral("serial reader"))
            figures.readerPercent += percent;
        else
            figures.outputPercent += percent;
    }
    figures.cpuPercent = cpu.process * 100;
    figures.tickCpuPercent = cpu.processTicks * 100;
    figures.residentEndMb = residentMbOf(pid);
    // The last hits arrive within a collection; then the watch is stopped as a user stops it.
    QElapsedTimer draining;
    draining.start();
    while (figures.hits < figures.expectedHits && draining.elapsed() < 5000) {
        pollfd readable{output[0], POLLIN, 0};
        if (::poll(&readable, 1, 50) > 0)
            readHits();
    }
    // Everything written has been received once the file (flushed every second) holds it.
    int files = 0;
    while (save && savedCapture(folder, &files).size() < expectedFile.size() - 2 && draining.elapsed() < 8000)
        ::usleep(10000);
    ::kill(pid, SIGTERM);
    int status = 0;
    ::waitpid(pid, &status, 0);
    readHits();
    ::close(output[0]);
    ::close(farEnd);

    std::sort(latencies.begin(), latencies.end());
    if (!latencies.empty()) {
        figures.latencyP99Ms = latencies[static_cast<std::size_t>(0.99 * double(latencies.size() - 1))];
        figures.latencyMaxMs = latencies.back();
    }
    figures.fileExact = !save || savedCapture(folder, &figures.files) == expectedFile;
    return figures;
}

double measureLiveFloor(const QString& benchProgram, double seconds, double charactersPerSecond, int deliveryMs)
{
    const QByteArray text = ProbeTraffic(1).generate(static_cast<qsizetype>(seconds * charactersPerSecond));
    int farEnd = -1;
    const QString device = openProbeTerminal(farEnd);
    int output[2];
    int input[2];
    if (device.isEmpty() || ::pipe2(output, O_CLOEXEC) != 0 || ::pipe2(input, O_CLOEXEC) != 0)
        return 0;
    const pid_t pid = startQuiet({benchProgram.toLocal8Bit(), "--floor-child", device.toLocal8Bit(), "--chars",
                                  QByteArray::number(text.size())},
                                 output[1], input[0]);
    ::close(output[1]);
    ::close(input[0]);
    // It says "ready" once it holds the terminal open, "done" once everything came.
    const auto said = [&output](const char* word) {
        QByteArray heard;
        char c = 0;
        while (::read(output[0], &c, 1) == 1 && c != '\n')
            heard += c;
        return heard == word;
    };
    double percent = 0;
    if (said("ready")) {
        const CpuClock cpuClock(pid, 0);
        QElapsedTimer clock;
        clock.start();
        qsizetype written = 0;
        while (written < text.size()) {
            const qint64 now = clock.nsecsElapsed();
            const qsizetype due =
                std::min<qsizetype>(text.size(), static_cast<qsizetype>(now / 1e9 * charactersPerSecond));
            if (due > written)
                written += std::max<ssize_t>(0, ::write(farEnd, text.constData() + written, static_cast<size_t>(due - written)));
            ::usleep(useconds_t(deliveryMs * 1000));
        }
        if (said("done"))
            percent = cpuClock.read().process * 100;
    }
    ::close(input[1]);
    ::waitpid(pid, nullptr, 0);
    ::close(output[0]);
    ::close(farEnd);
    return percent;
}
