// wirelark-scan: runs Wirelark's matcher over saved monitor logs, or over the live traffic of
// a bus probe on a serial port, without a window.
// Exit status as grep's: 0 a hit, 1 none, 2 an error.
#include "core/standard_streams.h"
#include "tools/scan/live_watch.h"
#include "tools/scan/options.h"
#include "tools/scan/pcap_writer.h"
#include "tools/scan/saved_logs.h"
#include "wirelark_version.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QThread>

#include <cstdio>
#include <memory>

namespace {

constexpr int kHit = 0;
constexpr int kNoHit = 1;
constexpr int kTrouble = 2;

}  // namespace

int main(int argc, char* argv[])
{
    // Qt's own event dispatcher: a watch wakes a hundred times a second, and GLib's main loop
    // costs more per wake-up. Nothing here needs GLib.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    standardstreams::useBinary();
    QCoreApplication app(argc, argv);
    ScanOptions options;
    bool help = false;
    if (!parseScanOptions(QCoreApplication::arguments(), &options, &help)) {
        std::fputs(kScanUsage, stderr);
        return kTrouble;
    }
    if (help) {
        std::fputs(kScanUsage, stdout);
        return kHit;
    }
    if (options.version) {
        std::printf("wirelark-scan %s\n", kProductVersion);
        return kHit;
    }
    QList<NumberedEntry> numbered;
    if (!scanEntries(options, &numbered))
        return kTrouble;
    QList<searchslot::Entry> entries;
    for (const NumberedEntry& entry : numbered)
        entries << entry.entry;
    if (options.live())
        return LiveWatch(options, numbered).run();

    const ScanClock noClock;
    std::unique_ptr<PcapWriter> pcap;
    if (!options.pcap.isEmpty()) {
        pcap = std::make_unique<PcapWriter>(noClock, false);
        if (!pcap->open(options.pcap, options.force, options.logs.join(QLatin1Char(' ')))) {
            complain(QStringLiteral("%1: %2").arg(options.pcap, pcap->errorString()));
            return kTrouble;
        }
    }
    SavedLogOutput output;
    output.text = options.textOutput();
    output.where = options.where;
    output.decode = options.decode;
    output.decoding = options.decoding();
    output.pcap = pcap.get();
    SavedLogResult result;
    const int jobs = options.jobs > 0 ? options.jobs : QThread::idealThreadCount();
    const bool trouble = !scanSavedLogs(options.logs, entries, output, jobs, &result);
    std::fflush(stdout);
    if (pcap && !pcap->flush()) {
        complain(QStringLiteral("%1: cannot be written").arg(options.pcap));
        return kTrouble;
    }
    if (trouble)
        return kTrouble;
    // As live: where input was lost, "no hit" (or decoding alone, "all of it read") cannot
    // be trusted.
    if (result.inputLost && !result.anyHit)
        return kTrouble;
    if (!options.searching())
        return kHit;  // decoding alone: the input could be read
    return result.anyHit ? kHit : kNoHit;
}
