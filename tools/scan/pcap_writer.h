#pragma once

#include "tools/scan/scan_events.h"

#include <QFile>

class OutputQueue;

#include <memory>
#include <utility>
#include <vector>

// --pcap FILE: the decoded transactions as pcapng for Wireshark and tshark (see
// core/pcapng_writer.h). Records are collected and handed to the system whole at each
// flush (live: after every delivery of the port), so that a reader of a pipe sees them at
// once and a file cut short by kill -9 ends with a whole record. Lost input and a device that went away are events on the time line.
class PcapWriter : public ScanWriter {
public:
    // Times: live, the wall-clock time of each START (clock); a saved log has none, and its
    // records are given its characters' positions at the line rate from 1970-01-01.
    PcapWriter(const ScanClock& clock, bool live);

    // "-" is standard output. An existing file is replaced only with overwrite; anything but
    // a plain file is refused. False, with the reason in errorString, otherwise.
    // pipe: the path is a fifo that a reader (Wireshark) holds open.
    bool open(const QString& path, bool overwrite, const QString& interfaceName, bool pipe = false);
    QString errorString() const { return m_error; }
    // Standard output or a pipe: the descriptor a watch's queue writes to.
    bool toReader() const { return m_toReader; }
    int handle() const { return m_file ? m_file->handle() : -1; }
    // Records go through the queue, written as the reader takes them; set after open.
    void writeThrough(OutputQueue* queue) { m_queue = queue; }

    // A piece of a log scanned on another core: a writer that was never opened collects its
    // records, which the opened one then writes in the pieces' order.
    void swapRecords(QByteArray& other)
    {
        other.truncate(0);
        m_block.swap(other);
    }
    qsizetype collected() const { return m_block.size(); }
    bool addRecords(const QByteArray& records);

    bool hit(const HitFound&) override { return true; }
    bool transaction(const i2c::Transaction& transaction, const QByteArray& source) override;
    bool lost(const InputLost& lost) override;
    bool gone(const DeviceGone& gone) override;
    bool back(const DeviceBack& back) override;
    bool flush() override;

private:
    qint64 timeUs(double seconds) const;
    bool written();  // what was appended reaches the system when it should
    bool writeOut(const QByteArray& records);
    bool isOpen() const { return m_file && m_file->isOpen(); }

    const ScanClock& m_clock;
    bool m_live;
    // Made when opened. A writer that only collects records (one per core of a saved-log
    // scan) then makes no QObject in its thread: Qt on Windows would clean up after such a
    // thread from a thread of its own, which could still be at it while the process ends.
    std::unique_ptr<QFile> m_file;
    bool m_toReader = false;
    OutputQueue* m_queue = nullptr;
    QByteArray m_block;  // a saved log's records, written in blocks
    QString m_error;
};

// Several outputs at once (text or JSON on standard output, and pcapng), in order.
class WriterList : public ScanWriter {
public:
    void add(std::unique_ptr<ScanWriter> writer) { m_writers.push_back(std::move(writer)); }

    bool opened(const WatchOpened& e) override { return all([&](ScanWriter& w) { return w.opened(e); }); }
    bool fileBegun(const FileBegun& e) override { return all([&](ScanWriter& w) { return w.fileBegun(e); }); }
    bool hit(const HitFound& e) override { return all([&](ScanWriter& w) { return w.hit(e); }); }
    bool transaction(const i2c::Transaction& t, const QByteArray& source) override
    {
        return all([&](ScanWriter& w) { return w.transaction(t, source); });
    }
    bool lost(const InputLost& e) override { return all([&](ScanWriter& w) { return w.lost(e); }); }
    bool gone(const DeviceGone& e) override { return all([&](ScanWriter& w) { return w.gone(e); }); }
    bool back(const DeviceBack& e) override { return all([&](ScanWriter& w) { return w.back(e); }); }
    bool deleted(const FileDeleted& e) override { return all([&](ScanWriter& w) { return w.deleted(e); }); }
    bool givenUp(const OutputGivenUp& e) override { return all([&](ScanWriter& w) { return w.givenUp(e); }); }
    bool ended(const WatchEnded& e) override { return all([&](ScanWriter& w) { return w.ended(e); }); }
    bool flush() override { return all([&](ScanWriter& w) { return w.flush(); }); }

private:
    template <typename Call>
    bool all(Call call)
    {
        bool written = true;
        for (const auto& writer : m_writers)
            written = call(*writer) && written;
        return written;
    }
    std::vector<std::unique_ptr<ScanWriter>> m_writers;
};
