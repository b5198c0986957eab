// wirelark-scan: the window's matcher over saved monitor logs, run as the user runs it.
#include "scripted_dialogs.h"
#include "tools/probe_traffic.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

}  // namespace

class TstScan : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void scanOfSavedLogListsWhatTheWindowListed();
    void matcher_data();
    void matcher();
    void errorsAndExitStatus_data();
    void errorsAndExitStatus();

private:
    Run scan(const QStringList& arguments, const QByteArray& input = {});

    std::unique_ptr<QTemporaryDir> m_folder;
};

void TstScan::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(m_folder->path()));
}

void TstScan::cleanup()
{
    QDir::setCurrent(QDir::tempPath());
    m_folder.reset();
}

Run TstScan::scan(const QStringList& arguments, const QByteArray& input)
{
    QProcess process;
    process.start(QStringLiteral(WIRELARK_SCAN), arguments);
    process.write(input);
    process.closeWriteChannel();
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

void TstScan::scanOfSavedLogListsWhatTheWindowListed()
{
    const QStringList entries = {"sA0np;EEPROM beschäftigt", "s90a00ar91a;LM75 lesen",
                                 "nothing;never", "rA1a??a??a;EEPROM 2 Bytes", "?p;STOP"};
    QVERIFY(writeBytes(QStringLiteral("Filter4.ini"),
                       QStringLiteral("%1\r\n").arg(entries.join(QStringLiteral("\r\n"))).toLatin1()));
    ScriptedDialogs dialogs;
    TestWindow window(dialogs);
    window.cmdReadFilter_Click();
    ListBox* list = window.list("lstAutoFilter");
    for (int row : {0, 1, 3, 4})
        list->SetSelected(row, true);
    const QByteArray text = ProbeTraffic(11).generate(40000);
    for (char byte : text)
        window.AddChar(QString(QLatin1Char(byte)));
    dialogs.saveAnswers << m_folder->filePath(QStringLiteral("capture.log"));
    window.cmdSaveMon_Click();
    QVERIFY(dialogs.messages.isEmpty());

    const Run run = scan({"--select", "5,1,2,4", "--where", "capture.log"});
    QCOMPARE(run.exitCode, 0);
    QStringList listed = window.entries("lstResult");
    QCOMPARE(listed.takeLast(), QString());  // every hit leaves an empty line after it
    QVERIFY(listed.size() > 100);
    const QStringList printed = QString::fromLocal8Bit(run.out).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(printed.size(), listed.size());

    // Each line names where its hit completed: the pattern ends there in the monitor lines.
    const QStringList monitor = window.entries("lstMonitor");
    static const QRegularExpression where(QStringLiteral("^capture\\.log:(\\d+):(\\d+): (.*)$"));
    for (qsizetype i = 0; i < printed.size(); ++i) {
        const auto match = where.match(printed[i]);
        QVERIFY2(match.hasMatch(), qPrintable(printed[i]));
        QCOMPARE(match.captured(3), listed[i]);
        const int line = match.captured(1).toInt();
        const int column = match.captured(2).toInt();
        QString upToHit = monitor.mid(0, line).join(QString()) + monitor[line].left(column);
        const QString pattern = listed[i].section(u'(', -1).chopped(1);
        QVERIFY(column <= monitor[line].size());
        for (qsizetype k = 0; k < pattern.size(); ++k) {
            const QChar want = pattern[pattern.size() - 1 - k];
            QVERIFY2(want == u'?' || upToHit[upToHit.size() - 1 - k] == want, qPrintable(printed[i]));
        }
    }
}

void TstScan::matcher_data()
{
    QTest::addColumn<QByteArray>("filters");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("exitCode");
    const QByteArray none;
    QTest::newRow("worked example") << QByteArray("A?C;Sensor\r\n") << QStringList{"--select", "1"}
                                    << QByteArray("xAbC\r\n") << QByteArray("Sensor(A?C)\n") << 0;
    QTest::newRow("no restart after a refusal") << QByteArray("AB;x\r\n") << QStringList{"--select", "1"}
                                                << QByteArray("AAB\r\n") << none << 1;
    QTest::newRow("hits do not overlap") << QByteArray("AA;two\r\n") << QStringList{"--select", "1"}
                                         << QByteArray("AAA\r\n") << QByteArray("two(AA)\n") << 0;
    QTest::newRow("wildcard at every place") << QByteArray("?B?;w\r\n") << QStringList{"--select", "1"}
                                             << QByteArray("?B \r\n") << QByteArray("w(?B?)\n") << 0;
    QTest::newRow("case-sensitive") << QByteArray("a;x\r\n") << QStringList{"--select", "1"}
                                    << QByteArray("A\r\n") << none << 1;
    QTest::newRow("a match runs across monitor lines, where names its end")
        << QByteArray("ap?;stop\r\n") << QStringList{"--select", "1", "--where"} << QByteArray("xap\r\ns\r\n\r\n")
        << QByteArray("-:1:1: stop(ap?)\n") << 0;
    QTest::newRow("hits on one character in list order, whatever the order given")
        << QByteArray("AB;one\r\n?B;two\r\n") << QStringList{"--select", "2,1"} << QByteArray("AB\r\n")
        << QByteArray("one(AB)\ntwo(?B)\n") << 0;
    QTest::newRow("more than five entries, each a slot")
        << QByteArray("A;1\r\nA;2\r\nA;3\r\nA;4\r\nA;5\r\nA;6\r\n") << QStringList{"--select", "1,2,3,4,5,6"}
        << QByteArray("A\r\n") << QByteArray("1(A)\n2(A)\n3(A)\n4(A)\n5(A)\n6(A)\n") << 0;
    QTest::newRow("a lone LF and a CR at the end are received characters")
        << QByteArray("a?b;lf\r\nc?;cr\r\n") << QStringList{"--select", "1,2", "--where"}
        << QByteArray("a\nb\r\nc\r") << QByteArray("-:0:3: lf(a?b)\n-:1:2: cr(c?)\n") << 0;
    QTest::newRow("entry without semicolon, empty entry")
        << QByteArray("AB\r\n\r\n") << QStringList{"--select", "1,2"} << QByteArray("AB\r\n")
        << QByteArray("(AB)\n") << 0;
    QTest::newRow("each log starts at rest") << QByteArray("AB;x\r\n") << QStringList{"--select", "1", "-", "-"}
                                             << QByteArray("A") << none << 1;
}

void TstScan::matcher()
{
    QFETCH(QByteArray, filters);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, log);
    QFETCH(QByteArray, output);
    QFETCH(int, exitCode);
    QVERIFY(writeBytes(QStringLiteral("Filter4.ini"), filters));
    if (!arguments.contains(QStringLiteral("-")))
        arguments << QStringLiteral("-");
    const Run run = scan(arguments, log);
    QCOMPARE(run.out, output);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.err, QByteArray());
}

void TstScan::errorsAndExitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QString>("message");  // what stderr must name
    QTest::newRow("log cannot be read") << QStringList{"--select", "1", "missing.log"} << QByteArray()
                                        << "missing.log";
    QTest::newRow("a hit, then a log that cannot be read")
        << QStringList{"--select", "1", "hit.log", "missing.log"} << QByteArray("x(A)\n") << "missing.log";
    QTest::newRow("entry number that does not exist") << QStringList{"--select", "1,3", "hit.log"}
                                                       << QByteArray() << "entry 3";
    QTest::newRow("malformed selection") << QStringList{"--select", "1,x", "hit.log"} << QByteArray() << "\"x\"";
    QTest::newRow("entry number 0") << QStringList{"--select", "0", "hit.log"} << QByteArray() << "\"0\"";
    QTest::newRow("no selection") << QStringList{"hit.log"} << QByteArray() << "--select";
    QTest::newRow("no log") << QStringList{"--select", "1"} << QByteArray() << "no log";
    QTest::newRow("search strings file missing") << QStringList{"--filters", "none.ini", "--select", "1", "hit.log"}
                                                 << QByteArray() << "none.ini";
}

void TstScan::errorsAndExitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, output);
    QFETCH(QString, message);
    QVERIFY(writeBytes(QStringLiteral("Filter4.ini"), "A;x\r\nB;y\r\n"));
    QVERIFY(writeBytes(QStringLiteral("hit.log"), "A\r\n"));
    const Run run = scan(arguments);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, output);
    QVERIFY2(QString::fromLocal8Bit(run.err).contains(message), run.err.constData());
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TstScan test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scan.moc"
