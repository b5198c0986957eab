#pragma once

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QList>
#include <QString>

#include <algorithm>

#include <sys/types.h>
#include <unistd.h>

// Figures of another process as the system keeps them in /proc: what a system monitor shows.

// CPU seconds by the scheduler's own clock, per thread: its name (as the system shows it) and
// seconds, by thread id. On virtual machines the tick-sampled user and system times overcharge
// a program that wakes in step with the timer tick; this clock counts the time it really ran.
struct ThreadSeconds {
    QString name;
    double seconds = 0;
};
inline QHash<qint64, ThreadSeconds> threadSecondsOf(pid_t pid)
{
    QHash<qint64, ThreadSeconds> threads;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks + QLatin1Char('/') + task + QStringLiteral("/schedstat"));
        QFile comm(tasks + QLatin1Char('/') + task + QStringLiteral("/comm"));
        if (schedstat.open(QIODevice::ReadOnly) && comm.open(QIODevice::ReadOnly))
            threads.insert(task.toLongLong(), {QString::fromLocal8Bit(comm.readAll().trimmed()),
                                               schedstat.readAll().split(' ').value(0).toDouble() / 1e9});
    }
    return threads;
}

// The same summed over its threads; 0 when it cannot be read.
inline double scheduledSecondsOf(pid_t pid)
{
    if (pid <= 0)
        return 0;
    double seconds = 0;
    for (const ThreadSeconds& thread : threadSecondsOf(pid))
        seconds += thread.seconds;
    return seconds;
}

// CPU seconds it has used, user and system, every thread, as the timer tick sampled them
// (what top shows). 0 when it cannot be read.
inline double cpuSecondsOf(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return 0;
    // Fields 14 and 15, after the command's closing parenthesis: user and system ticks.
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

// Its resident memory in MB.
inline double residentMbOf(pid_t pid)
{
    QFile statm(QStringLiteral("/proc/%1/statm").arg(pid));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / 1e6;
}

// The median of a few rounds: one slow round on a shared machine does not move it.
inline double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Shares of one core, by the scheduler's clock over every thread; the process's tick-sampled
// user and system time beside it, as top would show it.
struct Cpu {
    double process = 0;
    double xServer = 0;
    double processTicks = 0;
    double together() const { return process + xServer; }
};

// The CPU of a process and of the X server (0: none) over a stretch of time.
class CpuClock {
public:
    CpuClock(pid_t process, pid_t xServer) : m_process(process), m_xServer(xServer)
    {
        m_clock.start();
        m_processBefore = scheduledSecondsOf(process);
        m_xBefore = scheduledSecondsOf(xServer);
        m_ticksBefore = cpuSecondsOf(process);
    }
    Cpu read() const
    {
        const double elapsed = m_clock.nsecsElapsed() / 1e9;
        return {(scheduledSecondsOf(m_process) - m_processBefore) / elapsed,
                (scheduledSecondsOf(m_xServer) - m_xBefore) / elapsed,
                (cpuSecondsOf(m_process) - m_ticksBefore) / elapsed};
    }

private:
    pid_t m_process;
    pid_t m_xServer;
    QElapsedTimer m_clock;
    double m_processBefore = 0;
    double m_xBefore = 0;
    double m_ticksBefore = 0;
};
