// The window on the system's own first port, as users run it: the port list, the monitor,
// the hits, Save and Exit over the real serial path. It needs a bus probe, or the simulated
// one, on COM1: tests/windows/end_to_end.sh links Wine's COM1 to the simulator and sets
// WIRELARK_TEST_PROBE_ON_COM1; on Linux WIRELARK_PORTS names the simulator's link.
#include "scripted_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TstComPort : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowOnTheProbe();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

void TstComPort::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(m_folder->path()));
}

void TstComPort::cleanup()
{
    QDir::setCurrent(QDir::tempPath());
    m_folder.reset();
}

void TstComPort::windowOnTheProbe()
{
    if (!qEnvironmentVariableIsSet("WIRELARK_TEST_PROBE_ON_COM1"))
        QSKIP("no bus probe on COM1 (WIRELARK_TEST_PROBE_ON_COM1 is not set)");
    const QByteArray stored = "s90a00ar91a;LM75: Temperatur lesen\r\nsA0np;EEPROM besch\xe4\x66tigt (NACK)\r\n";
    QVERIFY(writeBytes(QStringLiteral("Filter4.ini"), stored));
    ScriptedDialogs dialogs;
    TestWindow window(dialogs);
    window.Form_Load();
    auto* ports = window.control<QComboBox>("cboPort");
    QVERIFY(ports->count() >= 1);
    QCOMPARE(ports->itemText(0), QStringLiteral(" 1"));
    QCOMPARE(window.entries("lstAutoFilter"),
             (QStringList{"s90a00ar91a;LM75: Temperatur lesen", "sA0np;EEPROM besch\u00e4ftigt (NACK)"}));

    ListBox* filters = window.list("lstAutoFilter");
    filters->AddItem(QStringLiteral("?p;STOP"));
    for (int row = 0; row < filters->ListCount(); ++row)
        filters->SetSelected(row, true);
    window.cmdPortOpen_Click();
    QCOMPARE(window.control<QPushButton>("cmdPortOpen")->text(), QStringLiteral("Schlie\u00dfen"));
    QTRY_VERIFY_WITH_TIMEOUT(window.list("lstMonitor")->ListCount() > 50, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(window.entries("lstResult").join(u'\n').contains(QStringLiteral("LM75: Temperatur lesen")),
                             20000);
    QVERIFY(window.entries("lstResult").join(u'\n').contains(QStringLiteral("STOP")));

    // Save writes the monitor lines as they stand, each ending in CR LF.
    dialogs.saveAnswers.enqueue(QStringLiteral("monitor.log"));
    window.cmdPortOpen_Click();
    const QStringList shown = window.entries("lstMonitor");
    window.control<QPushButton>("cmdSaveMon")->click();
    QByteArray expected;
    for (const QString& line : shown)
        expected += line.toLatin1() + "\r\n";
    QCOMPARE(readBytes(QStringLiteral("monitor.log")), expected);

    // Exit stores the list, the entry added here with it.
    window.cmdClose_Click();
    QCOMPARE(readBytes(QStringLiteral("Filter4.ini")), stored + "?p;STOP\r\n");
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.value(0).text));
}

QTEST_MAIN(TstComPort)
#include "tst_com_port.moc"
