#pragma once

#include "tools/scan/scan_events.h"

// The plain form: one line per hit, exactly as the result list shows it, and with --decode
// one per transaction; --time and --where put when and where in front.
class TextWriter : public ScanWriter {
public:
    TextWriter(LineOutput& out, bool where, bool time, const ScanClock& clock)
        : m_out(out), m_where(where), m_time(time), m_clock(clock)
    {
    }

    bool hit(const HitFound& hit) override;
    bool transaction(const i2c::Transaction& transaction, const QByteArray& source) override;

private:
    QByteArray& begin(double t, const QByteArray& source, qint64 line, qint64 column);

    LineOutput& m_out;
    bool m_where;
    bool m_time;
    const ScanClock& m_clock;
};
