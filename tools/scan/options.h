#pragma once

#include "core/search_slot.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <set>

// wirelark-scan's command line.
struct ScanOptions {
    QString filters;              // Filter4.ini or --filters FILE
    std::set<int> selected;       // --select: entry numbers, in list order
    QStringList expressions;      // -e: entries as Filter4.ini holds them, in the order given
    bool where = false;
    bool decode = false;          // every transaction as one line
    QStringList logs;             // the saved-log form
    int jobs = 0;                 // -j: cores that scan saved logs; 0: every core

    // The live form: --port and what only it takes.
    QString port;
    QString save;
    bool force = false;
    bool time = false;
    qint64 rotateBytes = 0;       // --rotate-size; 0: none
    qint64 rotateSeconds = 0;     // --rotate-time; 0: none
    int keep = 0;                 // --keep; 0: every file
    bool version = false;         // --version: say it, and nothing else
    QString pcap;                 // --pcap FILE: the transactions as pcapng; - standard output
    bool pcapPipe = false;        // the pcapng goes into a pipe (Wireshark's extcap fifo)
    bool reconnect = false;       // --reconnect: a device that went away is waited for
    bool utc = false;             // --utc: times as wall-clock time, not seconds since the open
    bool json = false;
    bool crlf = true;
    int maxHits = 0;              // -m; 0: no limit
    double timeoutSeconds = -1;   // --timeout; < 0: none
    double durationSeconds = -1;  // --duration; < 0: none
    int bufferSize = 0;           // --buffer-size; 0: the component's own (1 MiB)

    bool live() const { return !port.isEmpty(); }
    bool rotating() const { return rotateBytes > 0 || rotateSeconds > 0; }
    bool decoding() const { return decode || !pcap.isEmpty(); }
    // Standard output carries text or JSON, unless the pcapng goes there.
    bool textOutput() const { return pcap != QLatin1String("-"); }
    bool searching() const { return !selected.empty() || !expressions.isEmpty(); }
};

// One search string the tool watches for, with the number the user knows it by: its line
// in Filter4.ini for --select, its place among the -e options for -e.
struct NumberedEntry {
    int number;
    searchslot::Entry entry;
};

// The usage text of --help.
extern const char* const kScanUsage;

// False (after saying why on standard error) when the command line cannot be used.
bool parseScanOptions(const QStringList& arguments, ScanOptions* options, bool* help);

// The entries to watch for, split as the window splits them; false (after saying why) when
// one does not exist or the file cannot be read.
bool scanEntries(const ScanOptions& options, QList<NumberedEntry>* entries);

// A message on standard error: "wirelark-scan: MESSAGE".
void complain(const QString& message);
// The same message as the line complain writes.
QByteArray complaintLine(const QString& message);
