#pragma once

#include <QString>

#include <atomic>

// Opens a pseudo-terminal in raw mode at the probe's speed, for writing probe text into.
// Only its far end stays open here (and is not passed to programs started later), as a real
// probe's cable holds the line: whoever opens the device end by its path reads it like any
// serial device, and sees the device go away when the far end is closed.
// Returns the device end's path and sets farEnd, or returns an empty path on failure.
QString openProbeTerminal(int& farEnd);

// Whether someone holds the device end open: without, the far end sees a hang-up.
bool probeReaderAttached(int farEnd);

// Writes what the terminal takes now (waiting at most 50 ms for room); how many bytes went
// out, or -1 on a failure.
qsizetype writeToProbeTerminal(int farEnd, const char* data, qsizetype size);

// Waits while nobody holds the device open (Wirelark's port discovery opens it for a moment,
// the monitor may be off); false when stopping.
bool waitForProbeReader(int farEnd, const std::atomic<bool>& stopping);

// Writes all of text into the terminal, waiting for a reader when there is none; false when
// stopping or on a failure.
bool handToProbeReader(int farEnd, const char* data, qsizetype size, const std::atomic<bool>& stopping);

// A probe's line as its programs offer it: the terminal opened, linked at linkPath when one
// is given, and the device's path printed on standard output for whoever started it. The
// far end, or -1 after saying why (program names the probe in messages).
int openAnnouncedProbeTerminal(const char* program, const QString& linkPath);

// Closes the line. Closing throws away what the reader has not taken yet: it first waits
// until the reader lets go of the device, at most 2 s, unless stopping.
void closeProbeTerminal(int farEnd, const QString& linkPath, const std::atomic<bool>& stopping);
