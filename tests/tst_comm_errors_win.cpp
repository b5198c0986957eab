// Windows: the error flags that a driver without statistics reports through ClearCommError
// (most USB adapters) reach the user. Scripted flags stand in for the driver's, on the real
// read path of COM1 with the simulated probe on it (tests/windows/probe_on_com1.sh).
#include "probe_line.h"
#include "scripted_dialogs.h"
#include "tools/scan/live_watch.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <io.h>
#include <memory>
#include <vector>

namespace {

// The flags the driver reports, one report each, in this order, once the port is open (the
// driver is asked at the open and once per read): 0 (no error) in between and after.
class ScriptedFlags {
public:
    explicit ScriptedFlags(std::vector<quint32> reports) : m_reports(std::move(reports)) {}

    CommErrorFlags source()
    {
        return [this](qintptr) -> std::optional<quint32> {
            if (!m_armed.load())
                return 0u;
            // Every third look reports the next flag.
            const int look = m_looks.fetch_add(1) + 1;
            const std::size_t report = std::size_t(look / 3 - 1);
            return look % 3 == 0 && report < m_reports.size() ? m_reports[report] : 0u;
        };
    }
    // From now on the reports come: the port is open.
    void arm() { m_armed = true; }
    // Whether every report was taken.
    bool allReported() const { return m_looks.load() > int(3 * m_reports.size()); }

private:
    std::vector<quint32> m_reports;
    std::atomic<bool> m_armed{false};
    std::atomic<int> m_looks{0};
};

}  // namespace

class TstCommErrorsWin : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void lostInputTellsTheWindow();
    void lostInputTellsTheWatch();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

void TstCommErrorsWin::init()
{
    if (!qEnvironmentVariableIsSet("WIRELARK_TEST_PROBE_ON_COM1"))
        QSKIP("no simulated probe on COM1 (WIRELARK_TEST_PROBE_ON_COM1 is not set)");
    // The probe's traffic from its start, whatever an earlier test left unread.
    QVERIFY(probeAfresh());
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(m_folder->path()));
}

void TstCommErrorsWin::cleanup()
{
    QDir::setCurrent(QDir::tempPath());
    m_folder.reset();
}

// An overrun (1006) and a full buffer (1008) are each "Datenverlust!" once per report; a
// framing error alone is no message; both flags in one report are two.
void TstCommErrorsWin::lostInputTellsTheWindow()
{
    ScriptedFlags flags({CE_OVERRUN, CE_FRAME, CE_RXOVER, CE_OVERRUN | CE_RXOVER});
    ScriptedDialogs dialogs;
    TestWindow window(dialogs, std::make_unique<MSComm>(PortMap::fromSystem(), lineErrorsFromFlags(flags.source())));
    window.Form_Load();
    window.cmdPortOpen_Click();
    QCOMPARE(window.control<QPushButton>("cmdPortOpen")->text(), QStringLiteral("Schlie\u00dfen"));
    flags.arm();
    QTRY_VERIFY_WITH_TIMEOUT(flags.allReported(), 20000);
    const auto losses = [&dialogs] {
        return std::count_if(dialogs.messages.begin(), dialogs.messages.end(),
                             [](const ScriptedDialogs::Message& message) { return message.text == "Datenverlust!"; });
    };
    QTRY_COMPARE_WITH_TIMEOUT(losses(), 4, 5000);
    QTest::qWait(200);
    window.cmdPortOpen_Click();
    QCOMPARE(losses(), 4);
    QVERIFY(window.list("lstMonitor")->ListCount() > 1);
}

// The watch reports each as a loss of its own, in the text on standard error and as a JSON
// record, and no hit after it is trusted.
void TstCommErrorsWin::lostInputTellsTheWatch()
{
    ScriptedFlags flags({CE_OVERRUN, CE_RXOVER});
    ScanOptions options;
    bool help = false;
    QVERIFY(parseScanOptions({"wirelark-scan", "--port", "COM1", "-e", "Z;z", "--json", "--duration", "3"},
                             &options, &help));
    QList<NumberedEntry> entries;
    QVERIFY(scanEntries(options, &entries));
    LiveWatch watch(options, entries, lineErrorsFromFlags(flags.source()));
    // The watch opens the port as it starts running.
    QTimer::singleShot(0, [&flags] { flags.arm(); });

    // Standard output and error into files while the watch writes them.
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOut = _dup(1);
    const int savedErr = _dup(2);
    QFile out(QStringLiteral("out")), err(QStringLiteral("err"));
    QVERIFY(out.open(QIODevice::ReadWrite) && err.open(QIODevice::ReadWrite));
    _dup2(out.handle(), 1);
    _dup2(err.handle(), 2);
    const int status = watch.run();
    std::fflush(stdout);
    std::fflush(stderr);
    _dup2(savedOut, 1);
    _dup2(savedErr, 2);
    _close(savedOut);
    _close(savedErr);

    QVERIFY(flags.allReported());
    QCOMPARE(status, 2);  // no hit after lost input: no answer to trust
    const QByteArray told = readBytes(QStringLiteral("err"));
    QCOMPARE(told.count("input lost or garbled (hardware overrun)"), 1);
    QCOMPARE(told.count("input lost or garbled (driver buffer overrun)"), 1);
    const QByteArray records = readBytes(QStringLiteral("out"));
    QCOMPARE(records.count("{\"type\":\"loss\",\"t\":"), 2);
    QVERIFY2(records.contains(",\"losses\":2,\"gaps\":0,\"status\":2}"), records.constData());
}

QTEST_MAIN(TstCommErrorsWin)
#include "tst_comm_errors_win.moc"
