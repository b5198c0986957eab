#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

// wirelark-scan over saved logs as people run it on a month of captures: the whole process,
// output to a file, each configuration beside GNU grep printing its matches over the same
// file in the same run; medians of rounds. Prints the table; returns false when an output
// differs between one core and every core. The logs are written into folder and left there.
bool runScanSpeed(const QString& scanProgram, const QStringList& entries, std::uint32_t seed, qint64 characters,
                  int rounds, const QString& folder);

// The probe's text as the window saves the monitor: a line ends after every STOP and after
// 101 characters, and the open line at the end. False when the file cannot be written.
bool writeMonitorLog(const QByteArray& text, const QString& path);
