#pragma once

#include "core/transaction_decoder.h"

#include <QByteArray>
#include <QString>

#include <utility>

// What wirelark-scan tells its output, in order: one stream of events, handed to the
// writer of the chosen format (text_writer, json_writer). The steps of a scan or a watch
// say what happened; only a writer knows how it is written.

// Times of a watch: seconds since the port was opened, written as such or, with --utc, as
// the wall-clock time reckoned from the open along the monotonic clock.
struct ScanClock {
    bool utc = false;
    qint64 openedAtUs = 0;  // wall-clock time of the open, microseconds since 1970

    // For the start of a line: seconds with microseconds, or ISO 8601 UTC.
    QByteArray stamp(double seconds) const;
};

struct WatchOpened {
    double t;
    QString port;
    QString device;
    QString settings;
    QString start;  // ISO 8601 UTC, milliseconds
};

struct FileBegun {
    double t;
    QString path;
};

struct HitFound {
    double t;
    int entry;             // the entry's number as the user knows it
    QString pattern;
    QString comment;
    QString text;          // as the result list shows it
    QByteArray source;     // the log or port, for --where
    qint64 line;
    qint64 column;
    QString file;          // the rotated file the offset counts in; empty without rotation
    qint64 offset = -1;    // in the saved file; -1 without --save
    QByteArray localText;  // text in the local 8-bit encoding, when the caller keeps it ready
};

struct InputLost {
    double t;
    QString what;
};

struct DeviceGone {
    double t;
    QString reason;
};

struct DeviceBack {
    double t;
    double gap;  // seconds the device was away
};

// With rotation and --keep on a full disk: an old file of the capture deleted to make room.
struct FileDeleted {
    double t;
    QString path;
    QString why;
};

// The reader of the output fell so far behind that output was given up (whole lines or
// records), rather than holding up the capture.
struct OutputGivenUp {
    double t;
    qint64 bytes;
};

struct WatchEnded {
    double t;
    QByteArray reason;
    qint64 hits;
    qint64 received;
    qint64 losses;
    qint64 gaps;
    int status;
};

// One output format. Each call returns false once the output is closed.
class ScanWriter {
public:
    virtual ~ScanWriter() = default;
    virtual bool opened(const WatchOpened&) { return true; }
    virtual bool fileBegun(const FileBegun&) { return true; }
    virtual bool hit(const HitFound& hit) = 0;
    // A decoded transaction; source names the log or port for --where.
    virtual bool transaction(const i2c::Transaction& transaction, const QByteArray& source) = 0;
    virtual bool lost(const InputLost&) { return true; }
    virtual bool gone(const DeviceGone&) { return true; }
    virtual bool back(const DeviceBack&) { return true; }
    virtual bool deleted(const FileDeleted&) { return true; }
    virtual bool givenUp(const OutputGivenUp&) { return true; }
    virtual bool ended(const WatchEnded&) { return true; }
    // Everything collected reaches the system (the end of a scan of logs).
    virtual bool flush() { return true; }
};

class OutputQueue;

// Lines on standard output: each written and flushed at once (a watch: a hit must show in
// a CI log or a pipe when it happens), or collected in blocks (a log: millions of lines).
// A watch hands its lines to a queue that a slow reader cannot hold up.
class LineOutput {
public:
    // collect: the lines are collected and never written (a piece of a log scanned on
    // another core; the scan takes them).
    explicit LineOutput(bool flushEachLine, bool collect = false) : m_flushEachLine(flushEachLine), m_collect(collect) {}
    // The lines collected, swapped for other's storage (emptied).
    void swapLines(QByteArray& other)
    {
        other.truncate(0);
        m_block.swap(other);
    }
    qsizetype collected() const { return m_block.size(); }
    void writeThrough(OutputQueue* queue) { m_queue = queue; }
    ~LineOutput() { flush(); }
    LineOutput(const LineOutput&) = delete;
    LineOutput& operator=(const LineOutput&) = delete;

    // The line being built, without its line end: written straight after the lines before
    // it, which a log has millions of.
    QByteArray& begin() { return m_block; }
    bool end();
    bool flush();
    // While held, the lines of one delivery wait and go out together at the release, in one
    // block: a wake-up and a write for the delivery, not for each line. False when they
    // could not be written.
    void hold() { m_holding = true; }
    bool release()
    {
        m_holding = false;
        return flush();
    }

private:
    static constexpr qsizetype kBlock = 64 * 1024;
    bool m_flushEachLine;
    bool m_holding = false;
    bool m_collect = false;
    OutputQueue* m_queue = nullptr;
    QByteArray m_block;
};
