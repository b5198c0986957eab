#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <sys/types.h>
#include <unistd.h>

// Figures of another process as the system keeps them in /proc: what a system monitor shows.

// CPU seconds it has used, user and system, every thread. 0 when it cannot be read.
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
