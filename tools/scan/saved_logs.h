#pragma once

#include "core/search_slot.h"

#include <QList>
#include <QStringList>

class PcapWriter;

// What a scan of saved logs writes: lines on standard output (the hits, and with --decode
// the transactions) and, with --pcap, the records.
struct SavedLogOutput {
    bool text = true;
    bool where = false;
    bool decode = false;          // transactions as lines
    bool decoding = false;        // transactions at all: --decode or --pcap
    PcapWriter* pcap = nullptr;
};

struct SavedLogResult {
    bool anyHit = false;
    bool inputLost = false;  // the probe's "!": it dropped transactions
};

// Scans saved logs with the window's matcher (and the decoder) on jobs cores. A log is cut
// into pieces at line ends, before a START when decoding; each piece is scanned on its own
// from every slot at rest and, where the piece before it really ended with an attempt under
// way, scanned again from there until both runs stand alike. The output is exactly what one
// core writes, in the same order. A "!" of the probe is lost input, as live: told on standard
// error, no hit across it. False when a log could not be read (after saying why).
bool scanSavedLogs(const QStringList& logs, const QList<searchslot::Entry>& entries, const SavedLogOutput& output,
                   int jobs, SavedLogResult* result);
