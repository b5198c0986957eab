#include "bench/scan_speed.h"

#include "bench/process_figures.h"
#include "tools/probe_traffic.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <cstdio>
#include <memory>
#include <vector>

bool writeMonitorLog(const QByteArray& text, const QString& path)
{
    QFile log(path);
    if (!log.open(QIODevice::WriteOnly))
        return false;
    QByteArray lines;
    qsizetype lineLength = 0;
    for (char byte : text) {
        lines += byte;
        if (++lineLength > 100 || byte == 'p') {
            lines += "\r\n";
            lineLength = 0;
        }
        if (lines.size() >= (1 << 20)) {
            if (log.write(lines) != lines.size())
                return false;
            lines.clear();
        }
    }
    // The monitor's open line ends the file, as Save writes it.
    lines += "\r\n";
    return log.write(lines) == lines.size() && log.flush();
}

namespace {

struct Run {
    double seconds = 0;      // wall clock, median
    double cpuSeconds = 0;   // by the scheduler's clock, median
    double peakMb = 0;       // largest resident set, over the rounds
    QByteArray outputHash;   // of the last round's output file
    int exitCode = -1;
};

// One program over the files, its standard output into a file; rounds, medians.
Run measure(const QString& program, const QStringList& arguments, const QString& outputPath, int rounds)
{
    Run run;
    QList<double> wall, cpu;
    for (int round = 0; round < rounds; ++round) {
        QProcess process;
        process.setStandardOutputFile(outputPath);
        process.setStandardErrorFile(QProcess::nullDevice());
        QElapsedTimer clock;
        clock.start();
        process.start(program, arguments);
        if (!process.waitForStarted())
            return run;
        const pid_t pid = static_cast<pid_t>(process.processId());
        double used = 0;
        const QString status = QStringLiteral("/proc/%1/status").arg(pid);
        while (!process.waitForFinished(20)) {
            // The scheduler's clock of the threads that still run, read while they do.
            used = std::max(used, scheduledSecondsOf(pid));
            QFile file(status);
            if (file.open(QIODevice::ReadOnly)) {
                for (const QByteArray& line : file.readAll().split('\n')) {
                    if (line.startsWith("VmHWM:"))
                        run.peakMb = std::max(run.peakMb, line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024);
                }
            }
        }
        wall << clock.nsecsElapsed() / 1e9;
        cpu << used;
        run.exitCode = process.exitCode();
    }
    run.seconds = median(wall);
    run.cpuSeconds = median(cpu);
    QFile output(outputPath);
    if (output.open(QIODevice::ReadOnly)) {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(&output);
        run.outputHash = hash.result();
    }
    return run;
}

// The machine's own floor for several cores: one one-core process per core at once, each
// over its share of the logs, their outputs to files of their own. A virtual machine's cores
// share caches and memory, so this, not N times one core alone, is what N jobs can reach.
double measureSideBySide(const QString& program, const QList<QStringList>& argumentLists, const QString& folder,
                         int rounds)
{
    QList<double> wall;
    for (int round = 0; round < rounds; ++round) {
        std::vector<std::unique_ptr<QProcess>> processes;
        QElapsedTimer clock;
        clock.start();
        for (qsizetype i = 0; i < argumentLists.size(); ++i) {
            auto process = std::make_unique<QProcess>();
            process->setStandardOutputFile(folder + QStringLiteral("/side-%1").arg(i));
            process->setStandardErrorFile(QProcess::nullDevice());
            process->start(program, argumentLists[i]);
            processes.push_back(std::move(process));
        }
        for (const auto& process : processes)
            process->waitForFinished(-1);
        wall << clock.nsecsElapsed() / 1e9;
    }
    return median(wall);
}

}  // namespace

bool runScanSpeed(const QString& scanProgram, const QStringList& entries, std::uint32_t seed, qint64 characters,
                  int rounds, const QString& folderPath)
{
    const QDir folder(folderPath);
    const QString log = folder.filePath(QStringLiteral("capture.log"));
    // The traffic is let go once written: a program of this size forking every run would
    // slow the runs it starts.
    QByteArray text = ProbeTraffic(seed).generate(characters);
    if (!writeMonitorLog(text, log)) {
        std::fprintf(stderr, "wirelark-bench: cannot write %s\n", qPrintable(log));
        return false;
    }
    // The same traffic as four logs, for several files at once.
    QStringList quarters;
    for (int i = 0; i < 4; ++i) {
        quarters << folder.filePath(QStringLiteral("capture-%1.log").arg(i));
        const qsizetype from = text.size() * i / 4, to = text.size() * (i + 1) / 4;
        if (!writeMonitorLog(text.mid(from, to - from), quarters.last()))
            return false;
    }
    const double chars = double(text.size());
    text = QByteArray();
    QStringList expressions, grepPatterns;
    for (const QString& entry : entries) {
        expressions << QStringLiteral("-e") << entry;
        QString pattern = QRegularExpression::escape(entry.section(QLatin1Char(';'), 0, 0));
        pattern.replace(QStringLiteral("\\?"), QStringLiteral("."));
        grepPatterns << QStringLiteral("-e") << pattern;
    }
    const QStringList oneEntry = expressions.mid(0, 2);
    const QString output = folder.filePath(QStringLiteral("out"));
    const QString pcap = folder.filePath(QStringLiteral("out.pcapng"));
    const int cores = QThread::idealThreadCount();

    std::printf("saved logs: %.0f million characters of the simulator's traffic, output to a file, medians of %d "
                "rounds, %d cores\n",
                chars / 1e6, rounds, cores);
    std::printf("%-44s %9s %9s %9s %8s\n", "", "M char/s", "wall s", "cpu s", "peak MB");
    const Run grep = measure(QStringLiteral("grep"), QStringList{QStringLiteral("-E")} + grepPatterns + QStringList{log},
                             output, rounds);
    const auto row = [&](const char* name, const Run& run) {
        std::printf("%-44s %9.1f %9.3f %9.3f %8.1f\n", name, chars / run.seconds / 1e6, run.seconds, run.cpuSeconds,
                    run.peakMb);
        std::fflush(stdout);
    };
    row("grep -E, the five strings, printing matches", grep);
    bool same = true;
    const auto scan = [&](const char* name, const QStringList& arguments, const QByteArray& expected = {}) {
        const Run run = measure(scanProgram, arguments, output, rounds);
        row(name, run);
        if (!expected.isEmpty() && run.outputHash != expected) {
            std::printf("  output differs from one core's: WRONG\n");
            same = false;
        }
        return run;
    };
    const Run five = scan("wirelark-scan, five entries, one core", expressions + QStringList{"-j", "1", log});
    scan("wirelark-scan, five entries, every core", expressions + QStringList{log}, five.outputHash);
    scan("wirelark-scan, one entry, one core", oneEntry + QStringList{"-j", "1", log});
    const Run decode = scan("wirelark-scan --decode, one core", QStringList{"--decode", "-j", "1", log});
    scan("wirelark-scan --decode, every core", QStringList{"--decode", log}, decode.outputHash);
    scan("wirelark-scan --decode, five entries, one core",
         expressions + QStringList{"--decode", "--where", "-j", "1", log});
    scan("wirelark-scan --pcap FILE, one core", QStringList{"--pcap", pcap, "--force", "-j", "1", log});
    const Run four = scan("wirelark-scan, five entries, 4 logs, one core",
                          expressions + QStringList{"--where", "-j", "1"} + quarters);
    const QStringList everyCore = expressions + QStringList{"--where"} + quarters;
    const Run everyFour = scan("wirelark-scan, five entries, 4 logs, every core", everyCore, four.outputHash);
    QList<QStringList> shares;
    for (int core = 0; core < cores; ++core) {
        QStringList share = expressions + QStringList{"--where", "-j", "1"};
        for (int i = core; i < quarters.size(); i += cores)
            share << quarters[i];
        shares << share;
    }
    // The machine's speed drifts by more than the goal between rounds: each round runs every
    // core and its floor one after the other, both timed alike (nothing read from /proc while
    // they run), and the ratio is the median of theirs.
    QList<double> floorSeconds, ratios;
    for (int round = 0; round < rounds; ++round) {
        const double together = measureSideBySide(scanProgram, {everyCore}, folder.path(), 1);
        floorSeconds << measureSideBySide(scanProgram, shares, folder.path(), 1);
        ratios << floorSeconds.last() / together;
    }
    Run floor;
    floor.seconds = median(floorSeconds);
    row("floor: one one-core process per core at once", floor);
    std::printf("every core over one core: %.2f with 4 logs; the floor %.2f; every core reaches %.0f %% of the floor "
                "(median of rounds run each beside its floor)\n",
                four.seconds / everyFour.seconds, four.seconds / floor.seconds, median(ratios) * 100);
    return same;
}
