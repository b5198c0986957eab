// The live monitor: line assembly, the receive handler end to end through a pseudo-terminal,
// and the monitor commands with the log file.
#include "core/code_page.h"
#include "pseudo_terminal.h"
#include "scripted_dialogs.h"
#include "serial/comm_port.h"
#include "tools/probe_traffic.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TstMonitor : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // Line assembly
    void lineAssembly_data();
    void lineAssembly();
    void everyTextReachesTheMatcher();
    void textAfterNewLineGoesOntoIt();
    void indexLabelShowsIndexesBeyond32767();

    // The receive handler, through a pseudo-terminal
    void probeTextAppearsOnMonitorWithHits();
    void charactersArrivingTogetherAreHandledOneByOne();
    void lostInputShowsBoxAndAddsNothing_data();
    void lostInputShowsBoxAndAddsNothing();
    void otherEventsPassTheEmptyText();
    void charactersWaitingDuringBoxFollowInOrder();
    void demoSearchStringsHitInSimulatedTraffic();

    // Monitor commands and the log file
    void newLineAndClear();
    void saveWithEmptyListOnlyWarns();
    void saveWritesEveryLine_data();
    void saveWritesEveryLine();
    void saveWritesEveryByteBack();
    void saveReplacesExistingFile();
    void saveCancelledChangesNothing();
    void secondSaveOffersFirstName();
    void linesAddedWhileDialogOpenAreSaved();
    void unwritableLogFileIsReported_data();
    void unwritableLogFileIsReported();
    void realSaveDialogWritesTheFile();

private:
    void openMonitor(LineErrorCounts* counts = nullptr);
    void select(const QStringList& entries);
    void feed(const QStringList& texts);
    QString logPath() const { return m_folder->filePath(QStringLiteral("capture.log")); }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<PseudoTerminal> m_probe;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<TestWindow> m_window;
    // The scripted driver counters: read by the port's reader thread until the window is
    // gone, so they live as long as the test object.
    LineErrorCounts m_counts;
    ListBox* m_monitor = nullptr;
};

void TstMonitor::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(m_folder->path()));
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_window = std::make_unique<TestWindow>(*m_dialogs);
    m_monitor = m_window->list("lstMonitor");
}

void TstMonitor::cleanup()
{
    m_window.reset();
    m_probe.reset();
    m_dialogs.reset();
    qunsetenv("WIRELARK_PORTS");
    QDir::setCurrent(QDir::tempPath());
    m_folder.reset();
}

// A window started on a pseudo-terminal as its only port, with the monitor switched on.
void TstMonitor::openMonitor(LineErrorCounts* counts)
{
    m_probe = std::make_unique<PseudoTerminal>();
    QVERIFY(m_probe->isValid());
    const PortMap ports({m_probe->devicePath()});
    auto port = counts ? std::make_unique<MSComm>(ports, std::make_unique<ScriptedLineErrors>(counts))
                       : std::make_unique<MSComm>(ports, systemLineErrors());
    m_window = std::make_unique<TestWindow>(*m_dialogs, std::move(port));
    m_monitor = m_window->list("lstMonitor");
    m_window->Form_Load();
    m_window->cmdPortOpen_Click();
    QCOMPARE(m_window->control<QPushButton>("cmdPortOpen")->text(), QStringLiteral("Schließen"));
}

void TstMonitor::select(const QStringList& entries)
{
    ListBox* list = m_window->list("lstAutoFilter");
    for (const QString& entry : entries) {
        list->AddItem(entry);
        list->SetSelected(list->ListCount() - 1, true);
    }
}

void TstMonitor::feed(const QStringList& texts)
{
    for (const QString& text : texts)
        m_window->AddChar(text);
}

void TstMonitor::lineAssembly_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<bool>("crlf");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("selected");

    const QString a99(99, QLatin1Char('a'));
    const QString a100(100, QLatin1Char('a'));
    QTest::newRow("ordinary character") << QStringList{"abc"} << true << QStringList{"d"}
                                        << QStringList{"abcd"} << 0;
    QTest::newRow("stop, box ticked") << QStringList{"ab"} << true << QStringList{"p"}
                                      << QStringList{"abp", ""} << 1;
    QTest::newRow("stop, box clear") << QStringList{"ab"} << false << QStringList{"p"}
                                     << QStringList{"abp"} << 0;
    QTest::newRow("capital P is no stop") << QStringList{"ab"} << true << QStringList{"P"}
                                          << QStringList{"abP"} << 0;
    QTest::newRow("xp is no stop") << QStringList{"ab"} << true << QStringList{"xp"}
                                   << QStringList{"abxp"} << 0;
    QTest::newRow("p blank is no stop") << QStringList{"ab"} << true << QStringList{"p "}
                                        << QStringList{"abp "} << 0;
    QTest::newRow("100 characters stay open") << QStringList{a99} << true << QStringList{"b"}
                                              << QStringList{a99 + "b"} << 0;
    QTest::newRow("the 101st closes the line") << QStringList{a100} << true << QStringList{"b"}
                                               << QStringList{a100 + "b", ""} << 1;
    QTest::newRow("99 plus five: closed, not split") << QStringList{a99} << true << QStringList{"bcdef"}
                                                     << QStringList{a99 + "bcdef", ""} << 1;
    QTest::newRow("stop as the 101st: two empty lines") << QStringList{a100} << true << QStringList{"p"}
                                                        << QStringList{a100 + "p", "", ""} << 2;
    QTest::newRow("empty text") << QStringList{"x", "ab"} << true << QStringList{""}
                                << QStringList{"x", "ab"} << 1;
    QTest::newRow("text on an empty list") << QStringList{} << true << QStringList{"a"}
                                           << QStringList{"a"} << 0;
    QTest::newRow("empty text on an empty list") << QStringList{} << true << QStringList{""}
                                                 << QStringList{""} << 0;
}

void TstMonitor::lineAssembly()
{
    QFETCH(QStringList, before);
    QFETCH(bool, crlf);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, after);
    QFETCH(int, selected);
    for (const QString& line : before)
        m_monitor->AddItem(line);
    m_window->control<CheckBox>("chkCRLF")->setChecked(crlf);
    feed(texts);
    QCOMPARE(m_window->entries("lstMonitor"), after);
    QCOMPARE(m_monitor->ListIndex(), selected);
    QCOMPARE(m_window->control<NumberLabel>("lblListIndexMonitor")->Caption(), QString::number(selected));
    QTRY_COMPARE(m_monitor->shownCurrent(), selected);  // and the view follows
}

void TstMonitor::everyTextReachesTheMatcher()
{
    // "p" must reach the matcher although it closes the line; the empty text too: after "p"
    // was refused, only a matcher that saw the empty text has "?" accepting it.
    select({"?z;leer", "ap;stop"});
    feed({"a", "p"});
    QCOMPARE(m_window->entries("lstResult"), QStringList({"stop(ap)", ""}));
    QVERIFY(!m_window->FilterMatched[0]);
    feed({""});
    QVERIFY(m_window->FilterMatched[0]);
    QCOMPARE(m_window->FilterBuffer[0], QString());
}

void TstMonitor::textAfterNewLineGoesOntoIt()
{
    feed({"a", "b"});
    // Through the base class, as any code holding a Label would set it.
    static_cast<Label*>(m_window->control<NumberLabel>("lblListIndexMonitor"))->SetCaption(QStringLiteral("old"));
    m_window->cmdNewLine_Click();
    QCOMPARE(m_window->control<NumberLabel>("lblListIndexMonitor")->Caption(), QStringLiteral("old"));
    QCOMPARE(m_monitor->ListIndex(), 1);
    feed({"c"});
    QCOMPARE(m_window->entries("lstMonitor"), QStringList({"ab", "c"}));
    QCOMPARE(m_window->control<NumberLabel>("lblListIndexMonitor")->Caption(), QStringLiteral("1"));
}

void TstMonitor::indexLabelShowsIndexesBeyond32767()
{
    m_window->control<CheckBox>("chkCRLF")->setChecked(true);
    for (int line = 0; line < 40000; ++line)
        feed({"p"});
    QCOMPARE(m_monitor->ListCount(), 40001);
    auto* label = m_window->control<NumberLabel>("lblListIndexMonitor");
    QCOMPARE(label->Caption(), QStringLiteral("40000"));
    QTRY_COMPARE(label->text(), QStringLiteral("40000"));  // the screen follows at its next tick
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
    QCOMPARE(label->geometry().right(), qRound(13221 / 15.0) + qRound(364 / 15.0) - 1);  // right edge kept
}

void TstMonitor::probeTextAppearsOnMonitorWithHits()
{
    openMonitor();
    select({"s90a??a;Sensor lesen", "a40ap;Ende", "n;NACK"});
    const QByteArray traffic = "s90a00as91a19a40ap"
                               "sA0a10ars91n"
                               "p"
                               "s90a01as91a19a41ap";
    QVERIFY(m_probe->write(traffic));
    QTRY_COMPARE(m_window->entries("lstMonitor").join(QString()).size(), traffic.size());
    QCOMPARE(m_window->entries("lstMonitor"),
             QStringList({"s90a00as91a19a40ap", "sA0a10ars91np", "s90a01as91a19a41ap", ""}));
    QCOMPARE(m_window->entries("lstResult"),
             QStringList({"Sensor lesen(s90a??a)", "Ende(a40ap)", "NACK(n)", "Sensor lesen(s90a??a)", ""}));
    QCOMPARE(m_window->control<NumberLabel>("lblListIndexMonitor")->Caption(), QStringLiteral("3"));
}

void TstMonitor::charactersArrivingTogetherAreHandledOneByOne()
{
    openMonitor();
    QSignalSpy events(m_window->findChild<MSComm*>(QStringLiteral("MSComm1")), &MSComm::OnComm);
    QVERIFY(m_probe->write("abc"));
    QTRY_COMPARE(m_window->entries("lstMonitor"), QStringList{"abc"});
    QCOMPARE(events.count(), 3);
}

void TstMonitor::lostInputShowsBoxAndAddsNothing_data()
{
    QTest::addColumn<bool>("overrun");
    QTest::newRow("1006 port overrun") << true;
    QTest::newRow("1008 receive buffer overflow") << false;
}

void TstMonitor::lostInputShowsBoxAndAddsNothing()
{
    QFETCH(bool, overrun);
    LineErrorCounts& counts = m_counts;
    counts = {};
    openMonitor(&counts);
    QStringList monitorDuringBox;
    m_dialogs->whileMessageOpen = [&] { monitorDuringBox = m_window->entries("lstMonitor"); };
    (overrun ? counts.overrun : counts.bufferOverrun) += 1;
    QVERIFY(m_probe->write("z"));
    QTRY_COMPARE(m_window->entries("lstMonitor"), QStringList{"z"});
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages[0].text, QStringLiteral("Datenverlust!"));
    QCOMPARE(m_dialogs->messages[0].style, int(kOkOnly));
    QCOMPARE(m_dialogs->messages[0].title, QString());
    QCOMPARE(monitorDuringBox, QStringList());  // the lost-input event added nothing
}

void TstMonitor::otherEventsPassTheEmptyText()
{
    LineErrorCounts& counts = m_counts;
    counts = {};
    openMonitor(&counts);
    select({"?z;leer"});
    counts.frame += 1;
    QVERIFY(m_probe->write("z"));
    QTRY_COMPARE(m_window->entries("lstMonitor"), QStringList{"z"});
    // The framing error's empty text moved the slot past "?"; "z" then completed it.
    QCOMPARE(m_window->FilterPos[0], 2);
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TstMonitor::charactersWaitingDuringBoxFollowInOrder()
{
    LineErrorCounts& counts = m_counts;
    counts = {};
    openMonitor(&counts);
    auto* port = m_window->findChild<MSComm*>(QStringLiteral("MSComm1"));
    int boxes = 0;
    m_dialogs->whileMessageOpen = [&] {
        ++boxes;
        QVERIFY(m_probe->write("def"));
        QVERIFY(QTest::qWaitFor([&] { return port->InBufferCount() >= 6; }, 5000));
        QCOMPARE(m_window->entries("lstMonitor"), QStringList());
    };
    counts.overrun += 1;
    QVERIFY(m_probe->write("abc"));
    QTRY_COMPARE(m_window->entries("lstMonitor"), QStringList{"abcdef"});
    QCOMPARE(boxes, 1);
}

void TstMonitor::demoSearchStringsHitInSimulatedTraffic()
{
    QVERIFY(QFile::copy(QStringLiteral(WIRELARK_SOURCE_DIR "/tools/demo/Filter4.ini"), QStringLiteral("Filter4.ini")));
    m_window->cmdReadFilter_Click();
    ListBox* list = m_window->list("lstAutoFilter");
    QVERIFY(list->ListCount() >= 5);
    for (int i = 0; i < 5; ++i)
        list->SetSelected(i, true);
    for (char byte : ProbeTraffic(1).generate(20000))
        m_window->AddChar(QString(QLatin1Char(byte)));
    const QString results = m_window->entries("lstResult").join(QLatin1Char('\n'));
    for (int i = 0; i < 5; ++i) {
        const QString comment = list->List(i).section(QLatin1Char(';'), 1, 1);
        QVERIFY2(results.contains(comment), qPrintable(comment));
    }
}

void TstMonitor::newLineAndClear()
{
    m_window->cmdNewLine_Click();
    QCOMPARE(m_window->entries("lstMonitor"), QStringList{""});
    QCOMPARE(m_monitor->ListIndex(), 0);
    m_window->cmdNewLine_Click();
    QCOMPARE(m_window->entries("lstMonitor"), QStringList({"", ""}));
    select({"abc;x"});
    feed({"a", "b"});
    m_window->control<NumberLabel>("lblListIndexMonitor")->SetCaption(QStringLiteral("1"));
    m_window->cmdClear_Click();
    QCOMPARE(m_monitor->ListCount(), 0);
    QCOMPARE(m_monitor->ListIndex(), -1);
    QCOMPARE(m_window->control<NumberLabel>("lblListIndexMonitor")->Caption(), QStringLiteral("1"));
    feed({"c"});  // the attempt in progress goes on across Clear
    QCOMPARE(m_window->entries("lstResult"), QStringList({"x(abc)", ""}));
    QCOMPARE(m_window->entries("lstMonitor"), QStringList{"c"});
}

void TstMonitor::saveWithEmptyListOnlyWarns()
{
    m_window->cmdSaveMon_Click();
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages[0].text, QStringLiteral("Nothing to save."));
    QCOMPARE(m_dialogs->messages[0].title, QStringLiteral("Info"));
    QCOMPARE(m_dialogs->messages[0].style, int(kExclamation));
    QVERIFY(m_dialogs->saveRequests.isEmpty());
    QCOMPARE(QDir().entryList(QDir::Files).size(), 0);
}

void TstMonitor::saveWritesEveryLine_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("one empty line") << QStringList{""} << QByteArray("\r\n");
    QTest::newRow("three lines, the last empty") << QStringList{"s90a00ap", "s91a19an", ""}
                                                 << QByteArray("s90a00ap\r\ns91a19an\r\n\r\n");
    QTest::newRow("open last line") << QStringList{"ab", "c"} << QByteArray("ab\r\nc\r\n");
}

void TstMonitor::saveWritesEveryLine()
{
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, bytes);
    for (const QString& line : lines)
        m_monitor->AddItem(line);
    m_dialogs->saveAnswers << logPath();
    m_window->cmdSaveMon_Click();
    QCOMPARE(readBytes(logPath()), bytes);
    QVERIFY(m_dialogs->messages.isEmpty());
    QCOMPARE(m_dialogs->saveRequests.size(), 1);
    QCOMPARE(m_dialogs->saveRequests[0].filter, QStringLiteral("Monitor Log Files (*.log)|*.log"));
    QCOMPARE(m_dialogs->saveRequests[0].filterIndex, 1);
}

void TstMonitor::saveWritesEveryByteBack()
{
    m_window->control<CheckBox>("chkCRLF")->setChecked(false);
    QByteArray received;
    for (int byte = 0; byte < 256; ++byte)
        received += char(byte);
    for (char byte : received)
        feed({QString(codepage::toChar(static_cast<unsigned char>(byte)))});
    m_dialogs->saveAnswers << logPath();
    m_window->cmdSaveMon_Click();
    // The length rule closed lines after 101 characters; nothing else is in the file.
    const QByteArray expected = received.left(101) + "\r\n" + received.mid(101, 101) + "\r\n" +
                                received.mid(202) + "\r\n";
    QCOMPARE(readBytes(logPath()), expected);
}

void TstMonitor::saveReplacesExistingFile()
{
    QFile old(logPath());
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'o'));
    old.close();
    m_monitor->AddItem(QStringLiteral("new"));
    m_dialogs->saveAnswers << logPath();
    m_window->cmdSaveMon_Click();
    QCOMPARE(readBytes(logPath()), QByteArray("new\r\n"));
}

void TstMonitor::saveCancelledChangesNothing()
{
    QFile old(logPath());
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old\r\n");
    old.close();
    m_monitor->AddItem(QStringLiteral("new"));
    m_window->cmdSaveMon_Click();  // no answer queued: cancelled
    QCOMPARE(readBytes(logPath()), QByteArray("old\r\n"));
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TstMonitor::secondSaveOffersFirstName()
{
    m_monitor->AddItem(QStringLiteral("x"));
    m_dialogs->saveAnswers << logPath();
    m_window->cmdSaveMon_Click();
    m_window->cmdSaveMon_Click();
    QCOMPARE(m_dialogs->saveRequests.size(), 2);
    QCOMPARE(m_dialogs->saveRequests[0].fileName, QString());
    QCOMPARE(m_dialogs->saveRequests[1].fileName, logPath());
}

void TstMonitor::linesAddedWhileDialogOpenAreSaved()
{
    feed({"a"});
    m_dialogs->whileSaveOpen = [this] { feed({"b", "p", "c"}); };
    m_dialogs->saveAnswers << logPath();
    m_window->cmdSaveMon_Click();
    QCOMPARE(readBytes(logPath()), QByteArray("abp\r\nc\r\n"));
}

void TstMonitor::unwritableLogFileIsReported_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("folder that does not exist") << "missing/capture.log";
    QTest::newRow("a folder of that name") << "folder.log";
}

void TstMonitor::unwritableLogFileIsReported()
{
    QFETCH(QString, path);
    QVERIFY(QDir().mkdir(QStringLiteral("folder.log")));
    m_monitor->AddItem(QStringLiteral("x"));
    m_dialogs->saveAnswers << m_folder->filePath(path);
    m_window->cmdSaveMon_Click();
    QCOMPARE(m_dialogs->messages.size(), 1);
    QVERIFY(m_dialogs->messages[0].text.startsWith(
        QStringLiteral("Die Monitordaten konnten nicht gespeichert werden")));
    QCOMPARE(m_dialogs->messages[0].style, int(kCritical));
    QCOMPARE(m_window->entries("lstMonitor"), QStringList{"x"});
}

void TstMonitor::realSaveDialogWritesTheFile()
{
    QtDialogs dialogs(m_window.get());
    TestWindow window(dialogs);
    window.AddChar(QStringLiteral("s"));
    QTimer::singleShot(0, this, [this] {
        auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        box->selectFile(logPath());
        QMetaObject::invokeMethod(box, "accept");
    });
    window.cmdSaveMon_Click();
    QCOMPARE(readBytes(logPath()), QByteArray("s\r\n"));
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    TstMonitor test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_monitor.moc"
