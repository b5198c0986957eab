#pragma once

#include <QString>
#include <QStringList>

// A rig's year in minutes: wirelark-scan --port as the capture service runs it (--reconnect,
// --json, files begun every second with --keep), on a probe at the line rate behind a
// symbolic link that is taken away and given back every few seconds, stopped with SIGTERM
// and started again from the same command line as systemd does, on a small file system
// that fills up half-way (when one can be mounted: as root). What it must hold at the end
// is checked here; faults lists what did not.
struct RigFigures {
    double seconds = 0;
    int runs = 0;              // the watch started this often
    int gaps = 0;              // the device taken away and given back
    bool smallDisk = false;    // a small file system was mounted and filled
    int keep = 0;
    int mostFiles = 0;         // of the capture's name at any one time
    int madeRoom = 0;          // files deleted for a full disk, as the watch told it
    qint64 sent = 0;           // characters written while the device was there and watched
    qint64 kept = 0;           // characters in the files left
    qint64 hitsPrinted = 0;    // for the files left
    qint64 hitsRescanned = 0;  // a scan of the files left
    double downSeconds = 0;    // longest time from a stop to the restarted watch holding the device
    QStringList faults;
};

RigFigures runRigDrill(const QString& scanProgram, double seconds, const QString& folder);
