#pragma once

#include "tools/scan/scan_events.h"

// The plain form: one line per hit, exactly as the result list shows it, and with --decode
// one per transaction; --time and --where put when and where in front.
class TextWriter : public ScanWriter {
public:
    // transactions: --decode (transactions also reach the writers for --pcap alone).
    TextWriter(LineOutput& out, bool where, bool time, bool transactions, const ScanClock& clock)
        : m_out(out), m_where(where), m_time(time), m_transactions(transactions), m_clock(clock)
    {
    }

    bool hit(const HitFound& hit) override;
    bool transaction(const i2c::Transaction& transaction, const QByteArray& source) override;

private:
    QByteArray& begin(double t, const QByteArray& source, qint64 line, qint64 column);

    LineOutput& m_out;
    bool m_where;
    bool m_time;
    bool m_transactions;
    const ScanClock& m_clock;
};
