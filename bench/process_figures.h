#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>

#include <algorithm>

#include <sys/types.h>
#include <unistd.h>

// Figures of another process as the system keeps them in /proc: what a system monitor shows.

// CPU seconds it has used by the scheduler's own clock, summed over its threads. On virtual
// machines the tick-sampled user and system times overcharge a program that wakes in step
// with the timer tick; this clock counts the time it really ran. 0 when it cannot be read.
inline double scheduledSecondsOf(pid_t pid)
{
    if (pid <= 0)
        return 0;
    double seconds = 0;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks + QLatin1Char('/') + task + QStringLiteral("/schedstat"));
        if (schedstat.open(QIODevice::ReadOnly))
            seconds += schedstat.readAll().split(' ').value(0).toDouble() / 1e9;  // nanoseconds on a CPU
    }
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
