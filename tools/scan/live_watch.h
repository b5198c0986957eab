#pragma once

#include "core/capture_files.h"
#include "core/line_assembly.h"
#include "core/search_slot.h"
#include "core/transaction_decoder.h"
#include "serial/line_errors.h"
#include "tools/scan/options.h"
#include "tools/scan/output_queue.h"
#include "tools/scan/pcap_writer.h"
#include "tools/scan/scan_events.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <memory>

class MSComm;

// wirelark-scan --port: the window's serial component, line assembly and matcher on a live
// port, without a window. Every hit is printed and flushed when it happens; everything
// received can be saved while it arrives; lost input and line errors are told at once.
// No reader of the output holds up the capture: what is printed waits in queues of its
// own, and a stop writes out all of it before the watch ends.
class LiveWatch : public QObject {
    Q_OBJECT
public:
    // lineErrors: where the driver's counts of lost and garbled input are read.
    LiveWatch(const ScanOptions& options, const QList<NumberedEntry>& entries,
              std::unique_ptr<LineErrorSource> lineErrors = systemLineErrors());
    ~LiveWatch() override;

    // Opens the port, watches until a stop, and returns the exit status.
    int run();

private:
    enum class Stop { None, Hits, Timeout, Duration, Signal, DeviceGone, OutputClosed, SaveFailed };

    bool openPort();
    bool createSave();
    bool createPcap();
    void startTimers();
    void watchSignals();
    void stopSignalled();
    void onComm();
    void takeEvent();
    void flushOutputs();
    void received(QStringView text);
    void hit(int slot);
    void transaction(const i2c::Transaction& transaction);
    i2c::Origin here() const;
    void lost(const QString& what);
    void deviceGone();
    void tryReopen();
    void endSavedLine();
    bool fileBegun();
    void flushSave();
    void syncSave();
    void madeRoom(const QString& path);
    void tellGivenUp();
    void say(const QString& message);
    void writeOut();
    void stop(Stop reason);
    void finish();
    int exitStatus() const;

    double elapsed() const;  // seconds since the port was opened
    QByteArray seconds() const;

    QString portName() const;

    const ScanOptions& m_options;
    QList<NumberedEntry> m_entries;
    searchslot::Slots m_slots;
    LineCounter m_lines;
    std::unique_ptr<LineErrorSource> m_lineErrors;  // until the port takes it
    std::unique_ptr<MSComm> m_port;
    QString m_device;
    std::unique_ptr<CaptureFiles> m_save;  // --save
    bool m_saving = false;                 // until writing it failed
    i2c::Decoder m_decoder;
    std::vector<HitFound> m_pendingHits;  // decoding: hits wait for their transaction
    // Everything told goes to the writer of the chosen format, and through these queues to
    // its reader: standard output, a pcapng's pipe, and standard error.
    ScanClock m_stamps;
    QByteArray m_source;  // the port as given, for --where
    qsizetype m_queueLimit;
    std::unique_ptr<OutputQueue> m_outQueue;
    std::unique_ptr<OutputQueue> m_pcapQueue;
    std::unique_ptr<OutputQueue> m_errQueue;
    qint64 m_givenUp = 0;        // output bytes given up while a reader was behind, not yet told
    qint64 m_givenUpTotal = 0;
    bool m_abandoned = false;    // stopped again while a reader was still behind
    LineOutput m_out;
    WriterList m_writers;

    QElapsedTimer m_clock;  // since the port was opened
    QTimer m_flushTimer;        // --save on to the disk about once a second
    QTimer m_timeout;
    QTimer m_duration;
    QTimer m_reopen;            // --reconnect: the device's path tried again while it is gone
    QElapsedTimer m_gapClock;   // since the device went away
    QEventLoop m_loop;

    int m_hitsWanted = 0;  // stop at this many hits; 0: no such stop
    qint64 m_hits = 0;
    qint64 m_received = 0;
    qint64 m_losses = 0;          // reports of lost or garbled input
    qint64 m_gaps = 0;            // times the device went away and came back (--reconnect)
    bool m_untrusted = false;     // input was lost or garbled: "no hit" cannot be trusted
    Stop m_stop = Stop::None;
    QString m_goneReason;
};
