// The window on the system's own first port, as users run it: the port list, the monitor,
// the hits, Save and Exit over the real serial path, and the device going away. It needs
// the simulated probe on COM1, started afresh with the same seed and count after each time
// it closed: tests/windows/probe_on_com1.sh links Wine's COM1 to it and sets
// WIRELARK_TEST_PROBE_ON_COM1 (the link's path), WIRELARK_TEST_PROBE_SEED and
// WIRELARK_TEST_PROBE_COUNT.
#include "probe_line.h"
#include "scripted_dialogs.h"
#include "core/search_slot.h"
#include "serial/line_settings.h"
#include "tools/probe_traffic.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// The probe sends this much, then closes its line.
constexpr int kProbeWait = 30000;

QByteArray storedEntries()
{
    return "s90a00ar91a;LM75: Temperatur lesen\r\nsA0np;EEPROM besch\xe4\x66tigt (NACK)\r\n?p;STOP\r\n";
}

}  // namespace

class TstComPort : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowReceivesTheProbeUntilItGoes();
    void closingSwitchesTheMonitorOff();

private:
    // A window with the stored entries read and all of them selected, switched on; how long
    // that took, from before port discovery to the port open, in milliseconds.
    void openOnTheProbe(TestWindow& window, qint64* tookMs = nullptr);

    std::unique_ptr<QTemporaryDir> m_folder;
};

void TstComPort::init()
{
    if (!qEnvironmentVariableIsSet("WIRELARK_TEST_PROBE_ON_COM1"))
        QSKIP("no simulated probe on COM1 (WIRELARK_TEST_PROBE_ON_COM1 is not set)");
    // The probe's traffic from its start, whatever an earlier test left unread.
    QVERIFY(probeAfresh());
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(m_folder->path()));
    QVERIFY(writeBytes(QStringLiteral("Filter4.ini"), storedEntries()));
}

void TstComPort::cleanup()
{
    QDir::setCurrent(QDir::tempPath());
    m_folder.reset();
}

void TstComPort::openOnTheProbe(TestWindow& window, qint64* tookMs)
{
    QElapsedTimer took;
    took.start();
    window.Form_Load();
    auto* ports = window.control<QComboBox>("cboPort");
    QVERIFY(ports->count() >= 1);
    QCOMPARE(ports->itemText(0), QStringLiteral(" 1"));
    ListBox* filters = window.list("lstAutoFilter");
    QCOMPARE(filters->ListCount(), 3);
    for (int row = 0; row < filters->ListCount(); ++row)
        filters->SetSelected(row, true);
    window.cmdPortOpen_Click();
    if (tookMs != nullptr)
        *tookMs = took.elapsed();
    QCOMPARE(window.control<QPushButton>("cmdPortOpen")->text(), QStringLiteral("Schlie\u00dfen"));
}

// Everything the probe sent reaches the monitor in order, the hits are listed, and when the
// probe closes its line the switch goes back to off with a message; Save then writes what
// was received, byte for byte.
void TstComPort::windowReceivesTheProbeUntilItGoes()
{
    ScriptedDialogs dialogs;
    TestWindow window(dialogs);
    qint64 tookMs = 0;
    openOnTheProbe(window, &tookMs);
    QTRY_VERIFY_WITH_TIMEOUT(window.control<QPushButton>("cmdPortOpen")->text() == QStringLiteral("\u00d6ffnen"), 60000);
    QCOMPARE(window.control<QLabel>("lblMonitor")->text(), QStringLiteral("Monitor inaktiv"));
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY2(dialogs.messages[0].text.startsWith(QStringLiteral("Die Verbindung zu COM1 ist abgebrochen")),
             qPrintable(dialogs.messages[0].text));

    const int count = qEnvironmentVariableIntValue("WIRELARK_TEST_PROBE_COUNT");
    const QByteArray sent =
        ProbeTraffic(static_cast<std::uint32_t>(qEnvironmentVariableIntValue("WIRELARK_TEST_PROBE_SEED")))
            .generate(count)
            .left(count);
    QVERIFY(count > 0);
    // Port discovery opened COM1 for a moment before the switch did: the probe may have begun
    // in that moment, and its first characters went with the discovery's close. The
    // simulator paces from the moment someone holds its line, so before the switch's open
    // it sent at most what the line rate allows in the time from discovery to that open.
    const QByteArray received = window.entries("lstMonitor").join(QString()).toLatin1();
    const qsizetype begun = sent.size() - received.size();
    const qsizetype mostBeforeOpen = qsizetype(double(kProbeLineRate) * double(tookMs) / 1000.0) + 1;
    QVERIFY2(begun >= 0 && begun <= mostBeforeOpen,
             qPrintable(QStringLiteral("%1 characters missing, at most %2 could go before the open in %3 ms")
                            .arg(begun)
                            .arg(mostBeforeOpen)
                            .arg(tookMs)));
    QVERIFY(received == sent.mid(begun));
    // The hits are what the matcher finds in those characters, in the same order.
    QStringList expectedHits;
    searchslot::Slots matcher({searchslot::split(QStringLiteral("s90a00ar91a;LM75: Temperatur lesen")),
                             searchslot::split(QStringLiteral("sA0np;EEPROM besch\u00e4ftigt (NACK)")),
                             searchslot::split(QStringLiteral("?p;STOP"))});
    for (const char character : received)
        matcher.feed(QString(QLatin1Char(character)), [&](int slot) { expectedHits << matcher.hitText(slot); });
    QVERIFY(expectedHits.contains(QStringLiteral("LM75: Temperatur lesen(s90a00ar91a)")));
    QCOMPARE(window.entries("lstResult").join(QString()), expectedHits.join(QString()));

    // The log holds every line as the monitor shows it, CR LF after each: what was sent.
    dialogs.saveAnswers.enqueue(QStringLiteral("monitor.log"));
    window.control<QPushButton>("cmdSaveMon")->click();
    QByteArray log = readBytes(QStringLiteral("monitor.log"));
    QVERIFY(log.endsWith("\r\n"));
    QCOMPARE(log.replace("\r\n", ""), received);

    // Exit stores the list as it was read.
    window.cmdClose_Click();
    QCOMPARE(readBytes(QStringLiteral("Filter4.ini")), storedEntries());
}

// The second click closes the port: the off look, and nothing more arrives.
void TstComPort::closingSwitchesTheMonitorOff()
{
    ScriptedDialogs dialogs;
    TestWindow window(dialogs);
    openOnTheProbe(window);
    QTRY_VERIFY_WITH_TIMEOUT(window.list("lstMonitor")->ListCount() > 20, kProbeWait);
    window.cmdPortOpen_Click();
    QCOMPARE(window.control<QPushButton>("cmdPortOpen")->text(), QStringLiteral("\u00d6ffnen"));
    QCOMPARE(window.control<QLabel>("lblMonitor")->text(), QStringLiteral("Monitor inaktiv"));
    const QStringList shown = window.entries("lstMonitor");
    QTest::qWait(300);
    QCOMPARE(window.entries("lstMonitor"), shown);
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.value(0).text));
}

QTEST_MAIN(TstComPort)
#include "tst_com_port.moc"
