#pragma once

#include "serial/line_errors.h"

#include <QElapsedTimer>
#include <QtGlobal>

#include <deque>

// What the readers of both systems share (port_reader_qt.cpp, port_reader_win.cpp).
namespace readerparts {

// Arrivals of a slow line are collected this long in the driver before they are read: an
// adapter that hands over characters every millisecond then costs one wake-up for several
// deliveries, still far within the screen's 40 ms refresh. Deliveries further apart than this
// are read as they come: collecting would only add a wake-up of its own.
constexpr qint64 kCollectMs = 10;
// More than this in one read is more than the line rate brings in a few milliseconds: the
// input is a burst (or comes faster than any line rate), and is read on at once.
constexpr qsizetype kBurstBytes = 256;
// What the driver is asked to hold while the reader is held back (or the system is busy):
// more than five seconds at the probe's line rate.
constexpr qint64 kDriverBufferSize = 64 * 1024;

// After a round of reading: a slow line's characters are left to gather in the driver for a
// moment, so that a delivery every millisecond does not wake the reader every millisecond.
class Collecting {
public:
    // sleep(ms) waits that long, or less when reading is stopped.
    template <typename Sleep>
    void afterRound(qsizetype taken, Sleep&& sleep)
    {
        const bool frequent = m_sinceRead.isValid() && m_sinceRead.elapsed() < kCollectMs;
        if (taken > 0 && taken < kBurstBytes && frequent)
            sleep(kCollectMs);
        m_sinceRead.start();
    }

private:
    QElapsedTimer m_sinceRead;  // since the reader last went back to waiting
};

// Line errors the driver counted since the last look, as CommEvent codes, one per kind of
// error that was counted again.
class LineEventWatch {
public:
    explicit LineEventWatch(LineErrorSource& source) : m_source(source) {}

    // The counters as they stand when the device is opened: only what comes after counts.
    void start(qintptr handle);
    std::deque<int> since(qintptr handle);

private:
    LineErrorSource& m_source;
    LineErrorCounts m_last;
    bool m_hasCounters = false;  // the device keeps counters: asked once per arrival
};

}  // namespace readerparts
