#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// wirelark-scan --port as a test rig runs it: on a pseudo-terminal written at exactly the
// line rate (or the rate given), with the given entries and --save unless save is false (and
// any further options, such as rotation), the whole process measured from outside.
struct LiveScanFigures {
    double cpuPercent = 0;     // of one core, over the run, by the scheduler's clock
    double tickCpuPercent = 0; // the same from the tick-sampled user and system times
    // The same by thread: the serial reader, the main thread (line assembly, matcher, the saved
    // file and its sync), and the output threads (standard output and error).
    double readerPercent = 0;
    double mainPercent = 0;
    double outputPercent = 0;
    double residentStartMb = 0;
    double residentEndMb = 0;
    double latencyP99Ms = 0;   // from the write of a hit's last character to its line's arrival
    double latencyMaxMs = 0;
    qint64 hits = 0;
    qint64 expectedHits = 0;
    bool fileExact = false;    // the saved files, one after the other, are byte for byte the monitor's Save
    int files = 0;
};

LiveScanFigures measureLiveScan(const QString& scanProgram, const QStringList& entries, std::uint32_t seed,
                                double seconds, const QString& folder, const QList<QByteArray>& options = {},
                                double charactersPerSecond = 11520.0, int deliveryMs = 1, bool save = true);

// The floor beside it: a bare read loop (the benchmark's own --floor-child) on a terminal
// written the same way; % of one core by the scheduler's clock.
double measureLiveFloor(const QString& benchProgram, double seconds, double charactersPerSecond, int deliveryMs);
