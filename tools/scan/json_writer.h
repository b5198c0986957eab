#pragma once

#include "tools/scan/scan_events.h"

// --json: JSON Lines, one record per event, each with its type and time ("t": seconds since
// the port was opened; with --utc also "utc"). Text is UTF-8.
class JsonWriter : public ScanWriter {
public:
    // transactions: --decode (transactions also reach the writers for --pcap alone).
    JsonWriter(LineOutput& out, bool transactions, const ScanClock& clock)
        : m_out(out), m_transactions(transactions), m_clock(clock)
    {
    }

    bool opened(const WatchOpened& opened) override;
    bool fileBegun(const FileBegun& file) override;
    bool hit(const HitFound& hit) override;
    bool transaction(const i2c::Transaction& transaction, const QByteArray& source) override;
    bool lost(const InputLost& lost) override;
    bool gone(const DeviceGone& gone) override;
    bool back(const DeviceBack& back) override;
    bool deleted(const FileDeleted& deleted) override;
    bool givenUp(const OutputGivenUp& givenUp) override;
    bool ended(const WatchEnded& ended) override;

private:
    // The record's beginning: its type and time.
    QByteArray& begin(const char* type, double t);
    bool end();

    LineOutput& m_out;
    bool m_transactions;
    const ScanClock& m_clock;
};
