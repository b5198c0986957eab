// wirelark-scan: the window's matcher over saved monitor logs and live ports, run as the
// user runs it.
#include "core/capture_files.h"
#include "scripted_dialogs.h"
#include "wirelark_version.h"
#include "tools/probe_traffic.h"
#ifdef WIRELARK_LIVE_TESTS
#include "pseudo_terminal.h"
#include "bench/rig_drill.h"
#include "tools/scan/live_watch.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
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
    void decode_data();
    void decode();
    void pcapReadsBackAsDecoded();
    void probeDropInASavedLog_data();
    void probeDropInASavedLog();
    void everyCorePrintsWhatOneCorePrints_data();
    void everyCorePrintsWhatOneCorePrints();
    void captureFilesRotateAtLineEnds_data();
    void captureFilesRotateAtLineEnds();
#ifdef WIRELARK_LIVE_TESTS
    void liveDecodingEqualsSavedLog();
    void liveHitsEqualWindowAndSavedLog();
    void liveStopsAndExitStatus_data();
    void liveStopsAndExitStatus();
    void liveReconnectsAfterAGap();
    void liveRotatedFilesScanAlone();
    void serviceRunsAsItsUnitSays();
    void livePcapThroughAPipeAndAfterKill();
    void extcapCapturesInWireshark();
    void liveLossCountedByTheDriver_data();
    void liveLossCountedByTheDriver();
    void liveSaveIsOpenedAsTheWindowOpensFiles_data();
    void liveSaveIsOpenedAsTheWindowOpensFiles();
    void killedMidCaptureLeavesWhatWasPrinted();
    void closedPipeEndsQuietly();
    void liveOutputWaitsForItsReader_data();
    void liveOutputWaitsForItsReader();
    void liveCaptureOnAFullDisk_data();
    void liveCaptureOnAFullDisk();
    void rigOverRestartsGapsAndAFullDisk();
#endif

private:
    Run scan(const QStringList& arguments, const QByteArray& input = {});
    static Run finished(QProcess& process);
#ifdef WIRELARK_LIVE_TESTS
    // Starts the tool on the terminal's device end (or on port, a path that leads there) and
    // waits until it holds it open.
    bool startLive(QProcess& process, const PseudoTerminal& terminal, const QStringList& arguments,
                   const QString& port = {});
#endif

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
    return finished(process);
}

Run TstScan::finished(QProcess& process)
{
    Run run;
    if (process.state() != QProcess::NotRunning && !process.waitForFinished(60000))
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
        const int line = match.captured(1).toInt() - 1;  // lines count from 1, as editors count them
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
    // The file written here serves as the options file.
    QTest::newRow("options from --config: a value keeps its blanks, comments skipped")
        << QByteArray("# hits of the rig\n\n-e sA0np;EEPROM busy (NACK)\n  --where\n") << QStringList{"--config", "Filter4.ini"}
        << QByteArray("s90apsA0np\r\n") << QByteArray("-:1:10: EEPROM busy (NACK)(sA0np)\n") << 0;
    QTest::newRow("--version") << none << QStringList{"--version"} << none
                               << QByteArray("wirelark-scan ") + kProductVersion + '\n' << 0;
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
        << QByteArray("-:2:1: stop(ap?)\n") << 0;
    QTest::newRow("hits on one character in list order, whatever the order given")
        << QByteArray("AB;one\r\n?B;two\r\n") << QStringList{"--select", "2,1"} << QByteArray("AB\r\n")
        << QByteArray("one(AB)\ntwo(?B)\n") << 0;
    QTest::newRow("more than five entries, each a slot")
        << QByteArray("A;1\r\nA;2\r\nA;3\r\nA;4\r\nA;5\r\nA;6\r\n") << QStringList{"--select", "1,2,3,4,5,6"}
        << QByteArray("A\r\n") << QByteArray("1(A)\n2(A)\n3(A)\n4(A)\n5(A)\n6(A)\n") << 0;
    QTest::newRow("a lone LF and a CR at the end are received characters")
        << QByteArray("a?b;lf\r\nc?;cr\r\n") << QStringList{"--select", "1,2", "--where"}
        << QByteArray("a\nb\r\nc\r") << QByteArray("-:1:3: lf(a?b)\n-:2:2: cr(c?)\n") << 0;
    QTest::newRow("entry without semicolon, empty entry")
        << QByteArray("AB\r\n\r\n") << QStringList{"--select", "1,2"} << QByteArray("AB\r\n")
        << QByteArray("(AB)\n") << 0;
    {
        // Patterns of "?" alone hit at every multiple of their length; three of 63, 67 and 5
        // stand together in 21,105 ways, more than the compiled table holds at once.
        const QList<int> lengths = {63, 67, 5};
        QByteArray filters, expected, text;
        for (int length : lengths)
            filters += QByteArray(length, '?') + ';' + QByteArray::number(length) + "\r\n";
        for (int k = 1; k <= 100000; ++k) {
            text += "sA0aC4a"[k % 7];
            for (int length : lengths) {
                if (k % length == 0)
                    expected += QByteArray::number(length) + '(' + QByteArray(length, '?') + ")\n";
            }
        }
        QTest::newRow("more ways to stand than the table holds at once")
            << filters << QStringList{"--select", "1,2,3"} << text << expected << 0;
    }
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
    QTest::newRow("a log that cannot be read among others, on several cores")
        << QStringList{"--select", "1", "-j", "3", "missing.log", "hit.log", "missing.log", "hit.log"}
        << QByteArray("x(A)\nx(A)\n") << "missing.log";
    QTest::newRow("-j 0") << QStringList{"--select", "1", "-j", "0", "hit.log"} << QByteArray() << "\"0\"";
    QTest::newRow("-j with --port") << QStringList{"--port", "/dev/null", "-e", "A;x", "-j", "2"} << QByteArray()
                                    << "a port is watched on one core";
    QTest::newRow("entry number that does not exist") << QStringList{"--select", "1,3", "hit.log"}
                                                       << QByteArray() << "entry 3";
    QTest::newRow("malformed selection") << QStringList{"--select", "1,x", "hit.log"} << QByteArray() << "\"x\"";
    QTest::newRow("entry number 0") << QStringList{"--select", "0", "hit.log"} << QByteArray() << "\"0\"";
    QTest::newRow("no selection") << QStringList{"hit.log"} << QByteArray() << "--select";
    QTest::newRow("no log") << QStringList{"--select", "1"} << QByteArray() << "no log";
    QTest::newRow("search strings file missing") << QStringList{"--filters", "none.ini", "--select", "1", "hit.log"}
                                                 << QByteArray() << "none.ini";
    QTest::newRow("--select and -e both") << QStringList{"--select", "1", "-e", "A;x", "hit.log"} << QByteArray()
                                          << "not both";
    QTest::newRow("a live option without --port") << QStringList{"-e", "A;x", "--save", "x.log", "hit.log"}
                                                   << QByteArray() << "--save needs --port";
    QTest::newRow("-m 0") << QStringList{"--port", "/dev/null", "-e", "A;x", "-m", "0"} << QByteArray() << "\"0\"";
    QTest::newRow("--timeout not a number") << QStringList{"--port", "/dev/null", "-e", "A;x", "--timeout", "soon"}
                                            << QByteArray() << "\"soon\"";
    QTest::newRow("port that cannot be opened") << QStringList{"--port", "/dev/ttyNOTHING7", "-e", "A;x"}
                                                << QByteArray() << "/dev/ttyNOTHING7";
    QTest::newRow("--pcap over an existing file") << QStringList{"-e", "A;x", "--pcap", "hit.log", "hit.log"}
                                                  << QByteArray() << "the file exists";
    QTest::newRow("--config file missing") << QStringList{"--config", "none.conf", "hit.log"} << QByteArray()
                                           << "none.conf";
    QTest::newRow("--rotate-size not a size")
        << QStringList{"--port", "/dev/null", "-e", "A;x", "--save", "x.log", "--rotate-size", "big"} << QByteArray()
        << "--rotate-size takes a size";
    QTest::newRow("rotation without --save") << QStringList{"--port", "/dev/null", "-e", "A;x", "--rotate-time", "60"}
                                             << QByteArray() << "need --save";
    QTest::newRow("--keep without rotation")
        << QStringList{"--port", "/dev/null", "-e", "A;x", "--save", "x.log", "--keep", "3"} << QByteArray()
        << "--keep needs";
    QTest::newRow("COM number beyond the ports") << QStringList{"--port", "COM999", "-e", "A;x"} << QByteArray()
                                                 << "COM999: no such port";
}

void TstScan::errorsAndExitStatus()
{
    qputenv("WIRELARK_PORTS", "/dev/ttyNOTHING1");
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, output);
    QFETCH(QString, message);
    QVERIFY(writeBytes(QStringLiteral("Filter4.ini"), "A;x\r\nB;y\r\n"));
    QVERIFY(writeBytes(QStringLiteral("hit.log"), "A\r\n"));
    const Run run = scan(arguments);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, output);
    QVERIFY2(QString::fromLocal8Bit(run.err).contains(message), run.err.constData());
    qunsetenv("WIRELARK_PORTS");
}

void TstScan::decode_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("output");
    const QStringList plain;
    QTest::newRow("LM75: write the pointer, read two bytes, the last NACKed")
        << QByteArray("s90a00ar91a19a80np\r\n") << plain << QByteArray("S 48 W A 00 A Sr 48 R A 19 A 80 N P\n");
    QTest::newRow("EEPROM write of several bytes") << QByteArray("sA0a10a11a22a33ap\r\n") << plain
                                                   << QByteArray("S 50 W A 10 A 11 A 22 A 33 A P\n");
    QTest::newRow("address nobody ACKs") << QByteArray("sA0np\r\n") << plain << QByteArray("S 50 W N P\n");
    QTest::newRow("START and STOP alone") << QByteArray("sp\r\n") << plain << QByteArray("S P\n");
    QTest::newRow("seven segments, no data") << QByteArray("s90ar90ar90ar90ar90ar90ar91np") << plain
                                             << QByteArray("S 48 W A Sr 48 W A Sr 48 W A Sr 48 W A Sr 48 W A Sr 48 W A "
                                                           "Sr 48 R N P\n");
    QTest::newRow("repeated START, open at the end")
        << QByteArray("s90a00ar91a19") << plain << QByteArray("S 48 W A 00 A Sr 48 R A 19 (open)\n");
    QTest::newRow("across monitor lines, where it began")
        << QByteArray("xp\r\ns90a00\r\nar91a19a80np\r\n") << QStringList{"--where"}
        << QByteArray("-:1:1: ! character outside the probe's text: xp\n-:2:1: S 48 W A 00 A Sr 48 R A 19 A 80 N P\n");
    QTest::newRow("byte without ACK or NACK") << QByteArray("s90psA0np") << plain
                                              << QByteArray("! byte without ACK or NACK: s90p\nS 50 W N P\n");
    QTest::newRow("odd number of hex digits") << QByteArray("s9ap") << plain
                                              << QByteArray("! odd number of hex digits: s9ap\n");
    QTest::newRow("data between transactions, picked up at the next START")
        << QByteArray("sA0np00a11asA0np") << plain
        << QByteArray("S 50 W N P\n! data before any START: 00a11a\nS 50 W N P\n");
    QTest::newRow("text before the first START: a transaction joined half-way")
        << QByteArray("19a80npsA0np") << plain << QByteArray("(partial) 19a80np\nS 50 W N P\n");
    QTest::newRow("joined half-way, ended by a START") << QByteArray("00a11asA0np") << plain
                                                       << QByteArray("(partial) 00a11a\nS 50 W N P\n");
    QTest::newRow("joined half-way, open at the end") << QByteArray("a19a8") << plain
                                                      << QByteArray("(partial) a19a8 (open)\n");
    QTest::newRow("START before the STOP of the one before")
        << QByteArray("s90a00as91a19np") << plain
        << QByteArray("! START before the STOP of the transaction before: s90a00a\nS 48 R A 19 N P\n");
    QTest::newRow("STOP without START") << QByteArray("sA0nppsA0np") << plain
                                        << QByteArray("S 50 W N P\n! STOP without START: p\nS 50 W N P\n");
    QTest::newRow("the probe's ?: a START cut a byte short")
        << QByteArray("s90a00a?r91a19npsA0np") << plain
        << QByteArray("! START or STOP inside a byte: s90a00a?r91a19np\nS 50 W N P\n");
    QTest::newRow("the probe's !: the rest of a transaction dropped")
        << QByteArray("s90a00ar91!sA0np") << plain
        << QByteArray("! input lost: the probe dropped the rest: s90a00ar91!\nS 50 W N P\n");
    QTest::newRow("the probe's ! between transactions") << QByteArray("sA0np!sA0np") << plain
                                                        << QByteArray("S 50 W N P\nS 50 W N P\n");
    QTest::newRow("hits follow their transaction")
        << QByteArray("sA0npsA0np") << QStringList{"-e", "0n;busy"}
        << QByteArray("S 50 W N P\nbusy(0n)\nS 50 W N P\nbusy(0n)\n");
}

void TstScan::decode()
{
    QFETCH(QByteArray, log);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, output);
    const Run run = scan(QStringList{"--decode"} + arguments + QStringList{"-"}, log);
    QCOMPARE(run.out, output);
    // Decoding alone: the log could be read, unless the probe's "!" says input was lost.
    QCOMPARE(run.exitCode, log.contains('!') ? 2 : 0);
}

namespace {

// What tshark shows of --decode's lines, read from those lines: per START segment the
// address, read or write, the bytes (address byte first) and a comment for what the link
// type cannot hold; anything else is one event whose comment is the line.
QStringList tsharkViewOf(const QByteArray& decoded)
{
    QStringList records;
    for (const QByteArray& line : decoded.split('\n')) {
        if (line.isEmpty())
            continue;
        if (line.startsWith('!') || line.startsWith("(partial)")) {
            records << "\t\t0x00000000\t\t" + QString::fromLatin1(line);
            continue;
        }
        const QList<QByteArray> tokens = line.split(' ');
        struct Segment {
            QString address, flags, bytes;
            QStringList notes;
        };
        QList<Segment> segments;
        int answers = 0;  // data bytes of the segment so far
        for (qsizetype i = 0; i < tokens.size(); ++i) {
            const QByteArray& token = tokens[i];
            if (token == "S" || token == "Sr") {
                segments.append(Segment());
                answers = 0;
                if (token == "Sr")
                    segments.last().notes << "repeated START";
                if (i + 2 < tokens.size() && tokens[i + 1].size() == 2 && tokens[i + 1] != "Sr") {
                    const int address = tokens[i + 1].toInt(nullptr, 16);
                    const bool read = tokens[i + 2] == "R";
                    segments.last().address = QStringLiteral("0x%1").arg(address, 2, 16, QLatin1Char('0'));
                    segments.last().flags = read ? "0x00000001" : "0x00000000";
                    segments.last().bytes = QStringLiteral("%1").arg(address * 2 + (read ? 1 : 0), 2, 16, QLatin1Char('0'));
                    i += 2;
                    if (i + 1 < tokens.size() && (tokens[i + 1] == "A" || tokens[i + 1] == "N")) {
                        if (tokens[++i] == "N")
                            segments.last().notes << "address NACK";
                    } else {
                        segments.last().notes << "address not answered";
                    }
                }
            } else if (token == "P") {
                segments.last().notes << "STOP";
            } else if (token == "(open)") {
                segments.last().notes << "still going at the end of the capture";
            } else {
                segments.last().bytes += QString::fromLatin1(token).toLower();
                ++answers;
                if (i + 1 < tokens.size() && (tokens[i + 1] == "A" || tokens[i + 1] == "N")) {
                    if (tokens[++i] == "N")
                        segments.last().notes << QStringLiteral("data byte %1 NACK").arg(answers);
                } else {
                    segments.last().notes << QStringLiteral("data byte %1 not answered").arg(answers);
                }
            }
        }
        for (const Segment& segment : segments) {
            const QString notes = segment.notes.join(QStringLiteral(", "));
            if (segment.address.isEmpty())
                records << "\t\t0x00000000\t\tSTART without an address" + (notes.isEmpty() ? QString() : ", " + notes);
            else
                records << segment.address + '\t' + segment.flags + "\t\t" + segment.bytes + '\t' + notes;
        }
    }
    return records;
}

}  // namespace

// Wireshark's own reader, tshark, sees in the pcapng what --decode prints, record for record.
void TstScan::pcapReadsBackAsDecoded()
{
    if (QStandardPaths::findExecutable(QStringLiteral("tshark")).isEmpty())
        QSKIP("tshark is not installed (scripts/install-deps.sh installs it)");
    QByteArray traffic = ProbeTraffic(3).generate(6000);
    traffic.insert(3000, "s9xp");                          // broken text in the middle
    QVERIFY(writeBytes(QStringLiteral("bus.log"), "19a80np" + traffic + "sp" + "s90a00ar91a19"));
    const Run decoded = scan({"--decode", "bus.log"});
    QCOMPARE(decoded.exitCode, 0);
    const Run written = scan({"--pcap", "bus.pcapng", "bus.log"});
    QCOMPARE(written.exitCode, 0);
    QCOMPARE(written.out, QByteArray());  // --pcap alone prints no transactions

    QProcess tshark;
    tshark.start(QStringLiteral("tshark"), {"-r", "bus.pcapng", "-T", "fields", "-e", "i2c.addr", "-e", "i2c.flags",
                                            "-e", "i2c.event", "-e", "data.data", "-e", "frame.comment"});
    QVERIFY(tshark.waitForFinished(60000));
    QCOMPARE(tshark.exitCode(), 0);
    const QStringList seen = QString::fromUtf8(tshark.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    const QStringList expected = tsharkViewOf(decoded.out);
    QVERIFY(expected.size() > 200);
    QCOMPARE(seen.size(), expected.size());
    for (qsizetype i = 0; i < seen.size(); ++i)
        QCOMPARE(seen[i], expected[i]);
}

// Logs larger than the pieces that several cores scan: attempts under way at a piece's
// border, runs where the attempts of a piece from rest and of the true run never meet,
// patterns longer than a line, decoding across lines, lone CR and LF. One core runs each log
// straight through; the output of three jobs must be the same bytes.
void TstScan::probeDropInASavedLog_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QByteArray>("told");  // on standard error, all of it
    const QByteArray lost = "wirelark-scan: drop.log:1:8: input lost or garbled (the probe dropped transactions)\n";
    const QStringList across = {"-e", "0a?sA0;across", "--where"};
    QTest::newRow("no hit across it: exit 2") << across << QByteArray("s90a00a!sA0np\r\n") << 2 << QByteArray() << lost;
    QTest::newRow("no hit across it, on several cores")
        << across + QStringList{"-j", "2"} << QByteArray("s90a00a!sA0np\r\n") << 2 << QByteArray() << lost;
    QTest::newRow("a hit beside it: exit 0") << QStringList{"-e", "sA0np;busy", "--where"}
                                             << QByteArray("s90a00a!sA0np\r\n") << 0
                                             << QByteArray("drop.log:1:13: busy(sA0np)\n") << lost;
    QTest::newRow("on a line of its own") << across << QByteArray("s90a00a\r\n!\r\nsA0np\r\n") << 2 << QByteArray()
                                          << QByteArray("wirelark-scan: drop.log:2:1: input lost or garbled (the probe "
                                                        "dropped transactions)\n");
    // The transaction it cut is broken; what comes before the next START is the rest of one
    // whose beginning was dropped.
    QTest::newRow("decoded") << QStringList{"--decode"} << QByteArray("s90a00a!r91a19np\r\nsA0np\r\n") << 2
                             << QByteArray("! input lost: the probe dropped the rest: s90a00a!\n(partial) r91a19np\n"
                                           "S 50 W N P\n")
                             << lost;
}

// The probe's "!" in a saved log is what it is live: lost input, told, no hit across it, and
// without a hit no answer to trust.
void TstScan::probeDropInASavedLog()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, log);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, output);
    QFETCH(QByteArray, told);
    QVERIFY(writeBytes(QStringLiteral("drop.log"), log));
    const Run run = scan(arguments + QStringList{"drop.log"});
    QCOMPARE(run.out, output);
    QCOMPARE(run.err, told);
    QCOMPARE(run.exitCode, exitCode);
}

void TstScan::everyCorePrintsWhatOneCorePrints_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("log");
    const auto monitorLines = [](const QByteArray& text, int every) {
        QByteArray lines;
        for (qsizetype i = 0; i < text.size(); ++i) {
            lines += text[i];
            if (text[i] == 'p' || (i + 1) % every == 0)
                lines += "\r\n";
        }
        return lines;
    };
    const QByteArray traffic = ProbeTraffic(5).generate(9'000'000);
    const QStringList five = {"-e", "s90a00ar91a1Aa;LM75", "-e", "sA0np;busy", "-e", "sD0a00arD1a00a;RTC",
                              "-e", "rA1a??a??a??a??n;4 Bytes", "-e", "sA0a00a;Adresse"};
    QTest::newRow("the simulator's traffic, five entries") << five + QStringList{"--where"} << monitorLines(traffic, 101);
    // "ss90" in a run of "s": whether it hits depends on where the attempts began, so the
    // run from a piece's start never meets the true one and the piece is scanned again.
    QByteArray runs;
    for (int i = 0; runs.size() < 10'000'000; ++i)
        runs += QByteArray(1 + i % 4097, 's') + "90";
    QTest::newRow("a first character repeated, no line ends") << QStringList{"-e", "ss90;runs", "--where"} << runs;
    QTest::newRow("patterns of ? alone, longer than a line")
        << QStringList{"-e", "???;three", "-e", QString(150, u'?') + ";long", "--where"} << monitorLines(traffic.left(5'000'000), 101);
    QByteArray stray = monitorLines(traffic, 101);
    for (qsizetype i = 977; i < stray.size(); i += 7919)
        stray[i] = (i / 7919) % 2 ? '\r' : '\n';
    QTest::newRow("decoding with hits, lone CR and LF") << five + QStringList{"--decode", "--where"} << stray;
    QTest::newRow("decoding, lines at 101 characters only") << QStringList{"--decode"} << monitorLines(traffic, 101).replace("p\r\n", "p");
    // The probe's "!" now and then, as where its line could not carry the bus.
    QByteArray dropped = traffic;
    for (qsizetype i = dropped.indexOf('s', 4999); i > 0; i = dropped.indexOf('s', i + 49999))
        dropped.insert(i - 7, '!');
    QTest::newRow("the probe's ! in the traffic, decoding with hits") << five + QStringList{"--decode", "--where"}
                                                                      << monitorLines(dropped, 101);
}

void TstScan::everyCorePrintsWhatOneCorePrints()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, log);
    QVERIFY(writeBytes(QStringLiteral("big.log"), log));
    QVERIFY(writeBytes(QStringLiteral("small.log"), log.left(1000)));
    const QStringList logs = {"big.log", "small.log", "big.log"};
    const Run one = scan(arguments + QStringList{"-j", "1"} + logs);
    QCOMPARE(one.err.isEmpty(), !log.contains('!'));
    QVERIFY(one.exitCode == 0 || one.exitCode == 1);
    // Fewer jobs than logs, and more.
    for (const char* jobs : {"2", "4"}) {
        const Run several = scan(arguments + QStringList{"-j", jobs} + logs);
        QCOMPARE(several.exitCode, one.exitCode);
        QVERIFY(several.err == one.err);
        QCOMPARE(several.out.size(), one.out.size());
        QVERIFY(several.out == one.out);
    }
    // As --pcap, too, when decoding.
    if (arguments.contains(QStringLiteral("--decode"))) {
        const int readWhole = log.contains('!') ? 2 : 0;
        QCOMPARE(scan({"--pcap", "one.pcapng", "-j", "1", "big.log"}).exitCode, readWhole);
        QCOMPARE(scan({"--pcap", "three.pcapng", "-j", "3", "big.log"}).exitCode, readWhole);
        QFile first(m_folder->filePath(QStringLiteral("one.pcapng")));
        QFile second(m_folder->filePath(QStringLiteral("three.pcapng")));
        QVERIFY(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
        QVERIFY(first.readAll() == second.readAll());
    }
}

void TstScan::captureFilesRotateAtLineEnds_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<int>("keep");
    QTest::addColumn<QString>("start");           // the wall-clock time of the first file
    QTest::addColumn<QList<int>>("lineEnds");     // seconds after the start at which lines end
    QTest::addColumn<QStringList>("earlier");     // files of the capture's name an earlier run left
    QTest::addColumn<QStringList>("files");       // what is left, by name
    QTest::newRow("by size, at the first line end past it")
        << qint64(12) << qint64(0) << 0 << "2026-12-09T01:30:00" << QList<int>{1, 2, 3, 4} << QStringList{}
        << QStringList{"013000", "013002", "013004"};
    QTest::newRow("by time, on the hour however late it began")
        << qint64(0) << qint64(3600) << 0 << "2026-12-09T01:59:58" << QList<int>{1, 2, 3, 3603} << QStringList{}
        << QStringList{"015958", "020000", "030001"};
    QTest::newRow("names count seconds: a full file waits for the next one")
        << qint64(1) << qint64(0) << 0 << "2026-12-09T01:30:00" << QList<int>{0, 0, 1, 1} << QStringList{}
        << QStringList{"013000", "013001"};
    QTest::newRow("--keep leaves the newest")
        << qint64(1) << qint64(0) << 2 << "2026-12-09T01:30:00" << QList<int>{1, 2, 3} << QStringList{}
        << QStringList{"013002", "013003"};
    QTest::newRow("--keep counts the files of earlier runs")
        << qint64(1) << qint64(0) << 2 << "2026-12-09T01:30:00" << QList<int>{1, 2}
        << QStringList{"012958", "012959"} << QStringList{"013001", "013002"};
    QTest::newRow("--keep: an earlier run's files are older, whatever their names say")
        << qint64(0) << qint64(1) << 2 << "2026-12-09T01:30:00" << QList<int>{1}
        << QStringList{"020000"} << QStringList{"013000", "013001"};
    QTest::newRow("a restart within the second: the next free second's name")
        << qint64(0) << qint64(3600) << 0 << "2026-12-09T01:30:00" << QList<int>{1}
        << QStringList{"013000", "013001"} << QStringList{"013000", "013001", "013002"};
    QTest::newRow("the clock set back an hour: the next multiple by the new clock")
        << qint64(0) << qint64(2) << 0 << "2026-12-09T01:30:00" << QList<int>{1, 2, -3598, -3596, -3595}
        << QStringList{} << QStringList{"003004", "013000", "013002"};
    QTest::newRow("the clock set back onto taken names: never written over")
        << qint64(0) << qint64(1) << 0 << "2026-12-09T01:30:00" << QList<int>{1, 2, 0, 1, 2, 3}
        << QStringList{} << QStringList{"013000", "013001", "013002", "013003"};
    QTest::newRow("the clock set forward a day: on at once")
        << qint64(0) << qint64(3600) << 0 << "2026-12-09T01:30:00" << QList<int>{1, 86405, 86406}
        << QStringList{} << QStringList{"013000", "013005"};
}

void TstScan::captureFilesRotateAtLineEnds()
{
    QFETCH(qint64, bytes);
    QFETCH(qint64, seconds);
    QFETCH(int, keep);
    QFETCH(QString, start);
    QFETCH(QList<int>, lineEnds);
    QFETCH(QStringList, earlier);
    QFETCH(QStringList, files);
    QTemporaryDir folder;
    QDateTime at = QDateTime::fromString(start, Qt::ISODate);
    at.setTimeSpec(Qt::UTC);
    const QStringList others = {"board-20261209T013000Z.log.old", "board.log", "board-20261209T0130Z.log",
                                "other-20261209T013000Z.log"};
    for (const QString& name : others)
        QVERIFY(writeBytes(folder.filePath(name), "not the capture's\r\n"));
    for (const QString& stamp : earlier)
        QVERIFY(writeBytes(folder.filePath(QStringLiteral("board-20261209T%1Z.log").arg(stamp)), "earlier\r\n"));
    CaptureFiles capture(folder.filePath(QStringLiteral("board.log")), false, {bytes, seconds, keep});
    QVERIFY(capture.start(at));
    QByteArray whole;
    for (int end : lineEnds) {
        capture.append(u"sA0np");
        QVERIFY(capture.endLine(at.addSecs(end)) != CaptureFiles::LineEnd::Failed);
        whole += "sA0np\r\n";
    }
    QVERIFY(capture.finish());
    whole += "\r\n";  // the open line, empty, as the monitor's Save ends it
    QStringList left;
    QByteArray joined;  // this run's files, in the order written
    const QDir saved(folder.path());
    for (const QString& name : saved.entryList({QStringLiteral("board-*Z.log")}, QDir::Files, QDir::Name)) {
        if (others.contains(name))
            continue;
        left << name.mid(15, 6);  // board-20261209T hhmmss Z.log
        const QByteArray content = readBytes(saved.filePath(name));
        if (earlier.contains(name.mid(15, 6)) && content == "earlier\r\n")
            continue;
        QVERIFY2(content.isEmpty() || content.endsWith("\r\n"), qPrintable(name));  // whole lines only
        joined += content;
    }
    QCOMPARE(left, files);
    if (keep == 0 && !lineEnds.contains(-3598) && !lineEnds.contains(0))
        QCOMPARE(joined, whole);  // one after the other, exactly what one file holds
    else if (keep == 0)
        QCOMPARE(joined.size(), whole.size());  // names out of time order, but nothing lost
    for (const QString& name : others)
        QCOMPARE(readBytes(saved.filePath(name)), QByteArray("not the capture's\r\n"));  // never touched
}

#ifdef WIRELARK_LIVE_TESTS
bool TstScan::startLive(QProcess& process, const PseudoTerminal& terminal, const QStringList& arguments,
                        const QString& port)
{
    process.start(QStringLiteral(WIRELARK_SCAN),
                  QStringList{"--port", port.isEmpty() ? terminal.devicePath() : port} + arguments);
    if (!process.waitForStarted(10000))
        return false;
    // Open once one of its descriptors is the device end.
    const QString fds = QStringLiteral("/proc/%1/fd").arg(process.processId());
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 10000 && process.state() == QProcess::Running) {
        for (const QFileInfo& fd : QDir(fds).entryInfoList(QDir::System | QDir::NoDotAndDotDot)) {
            if (fd.symLinkTarget() == terminal.devicePath())
                return true;
        }
        QTest::qWait(5);
    }
    return false;
}

void TstScan::liveDecodingEqualsSavedLog()
{
    QByteArray text = ProbeTraffic(9).generate(20000);
    text.insert(5000, "s9");  // a broken transaction in the middle
    PseudoTerminal terminal;
    QProcess live;
    QVERIFY(startLive(live, terminal, {"--decode", "--where", "-e", "sA0np;busy", "--save", "decode.log"}));
    QVERIFY(terminal.write(text + "s90a"));  // and one still going at the stop
    QTRY_VERIFY_WITH_TIMEOUT(readBytes(QStringLiteral("decode.log")).replace("\r\n", "") == text + "s90a", 5000);
    ::kill(static_cast<pid_t>(live.processId()), SIGTERM);
    Run run = finished(live);
    QCOMPARE(run.exitCode, 0);
    const Run fromLog = scan({"--decode", "--where", "-e", "sA0np;busy", "decode.log"});
    run.out.replace(terminal.devicePath().toLocal8Bit(), "decode.log");
    QVERIFY(run.out.contains("! START before the STOP"));
    QVERIFY(run.out.endsWith("S 48 W A (open)\n"));
    QCOMPARE(run.out, fromLog.out);
}

void TstScan::liveHitsEqualWindowAndSavedLog()
{
    QVERIFY(writeBytes(QStringLiteral("Filter4.ini"),
                       "sA0np;EEPROM besch\xe4\x66tigt\r\ns90a00ar91a;LM75 lesen\r\nrA1a??a??a;EEPROM 2 Bytes\r\n"
                       "?p;STOP\r\n"));
    ScriptedDialogs dialogs;
    TestWindow window(dialogs);
    window.cmdReadFilter_Click();
    for (int row : {0, 1, 2, 3})
        window.list("lstAutoFilter")->SetSelected(row, true);
    const QByteArray text = ProbeTraffic(5).generate(30000);
    for (char byte : text)
        window.AddChar(QString(QLatin1Char(byte)));
    QStringList listed = window.entries("lstResult");
    listed.removeLast();  // the empty line after the last hit

    PseudoTerminal terminal;
    QProcess live;
    QVERIFY(startLive(live, terminal, {"--select", "4,1,2,3", "--save", "live.log", "-m",
                                       QString::number(listed.size())}));
    QVERIFY(terminal.write(text));
    const Run run = finished(live);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromLocal8Bit(run.out).split(u'\n', Qt::SkipEmptyParts), listed);

    // The saved capture is the window's monitor saved, up to where the watch stopped, and
    // scans to the same hits with the same places.
    dialogs.saveAnswers << m_folder->filePath(QStringLiteral("window.log"));
    window.cmdSaveMon_Click();
    const QByteArray saved = readBytes(QStringLiteral("live.log"));
    const QByteArray whole = readBytes(QStringLiteral("window.log"));
    QVERIFY(saved.size() > text.size() / 2);
    QCOMPARE(whole.left(saved.size() - 2), saved.chopped(2));
    const Run fromLog = scan({"--select", "1,2,3,4", "--where", "live.log"});
    const Run fromWindowLog = scan({"--select", "1,2,3,4", "--where", "window.log"});
    QCOMPARE(fromLog.out.split('\n').size(), qsizetype(listed.size() + 1));
    QCOMPARE(QString::fromLocal8Bit(fromLog.out).remove(QStringLiteral("live.log:")),
             QString::fromLocal8Bit(fromWindowLog.out).remove(QStringLiteral("window.log:")));
}

void TstScan::liveStopsAndExitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("traffic");
    QTest::addColumn<QString>("then");  // "wait", "int", "term", "unplug"
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QString>("message");  // what stderr must hold
    const QStringList a = {"-e", "s??a;Ger\u00e4t ?"};
    QTest::newRow("-m stops at the hits") << a + QStringList{"-m", "2"} << QByteArray("s90as91as92a") << "wait" << 0
                                          << QByteArray("Ger\xc3\xa4t ?(s??a)\nGer\xc3\xa4t ?(s??a)\n") << "stopped (hits)";
    QTest::newRow("--timeout, the hit came") << a + QStringList{"--timeout", "60"} << QByteArray("s90a") << "wait"
                                             << 0 << QByteArray("Ger\xc3\xa4t ?(s??a)\n") << "stopped (hits)";
    QTest::newRow("--timeout, no hit") << a + QStringList{"--timeout", "0.2"} << QByteArray("s90n") << "wait" << 1
                                       << QByteArray() << "stopped (timeout)";
    QTest::newRow("--timeout, fewer hits than -m") << a + QStringList{"--timeout", "1", "-m", "3"}
                                                   << QByteArray("s90a") << "wait" << 1
                                                   << QByteArray("Ger\xc3\xa4t ?(s??a)\n") << "stopped (timeout)";
    QTest::newRow("--duration with a hit") << a + QStringList{"--duration", "1"} << QByteArray("s90a") << "wait"
                                           << 0 << QByteArray("Ger\xc3\xa4t ?(s??a)\n") << "stopped (duration)";
    QTest::newRow("--duration without a hit") << a + QStringList{"--duration", "0.3"} << QByteArray("p") << "wait"
                                              << 1 << QByteArray() << "1 characters received";
    QTest::newRow("SIGINT after a hit") << a << QByteArray("s90a") << "int" << 0 << QByteArray("Ger\xc3\xa4t ?(s??a)\n")
                                        << "stopped (signal)";
    QTest::newRow("SIGTERM without a hit") << a << QByteArray("s9") << "term" << 1 << QByteArray()
                                           << "stopped (signal)";
    QTest::newRow("device gone") << a << QByteArray("s90a") << "unplug" << 2 << QByteArray("Ger\xc3\xa4t ?(s??a)\n")
                                 << "went away";
    QTest::newRow("a burst beyond the buffer waits in the source")
        << QStringList{"-e", "Z;z", "--buffer-size", "16", "--duration", "1"} << QByteArray(4096, 'x') << "wait"
        << 1 << QByteArray() << "4096 characters received, 0 losses";
    QTest::newRow("--where and --no-crlf")
        << QStringList{"-e", "p?;next", "--where", "--no-crlf", "-m", "1"} << QByteArray("aps") << "wait" << 0
        << QByteArray("PORT:1:3: next(p?)\n") << "";
    QTest::newRow("line and column follow the STOP's new line")
        << QStringList{"-e", "p?;next", "--where", "-m", "1"} << QByteArray("aps") << "wait" << 0
        << QByteArray("PORT:2:1: next(p?)\n") << "";
    QTest::newRow("--json") << QStringList{"-e", "s?;St\u00e4rt \"1\"", "--json", "-m", "1"} << QByteArray("xs9")
                            << "wait" << 0
                            << QByteArray("{\"type\":\"hit\",\"t\":T,\"entry\":1,\"pattern\":\"s?\",\"comment\":"
                                          "\"St\xc3\xa4rt \\\"1\\\"\",\"line\":1,\"column\":3}\n")
                            << "";    QTest::newRow("--utc: the wall-clock time") << QStringList{"-e", "s?;x", "--utc", "-m", "1"} << QByteArray("xs9")
                                                << "wait" << 0 << QByteArray("UTC x(s?)\n") << "";
    QTest::newRow("--json --decode: joined half-way")
        << QStringList{"-e", "s9;x", "--decode", "--json", "-m", "1"} << QByteArray("ps9") << "wait" << 0
        << QByteArray("{\"type\":\"transaction\",\"t\":T,\"line\":1,\"column\":1,\"partial\":true,\"raw\":\"p\","
                      "\"stop\":true}\n")
        << "";
}

void TstScan::liveStopsAndExitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, traffic);
    QFETCH(QString, then);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, output);
    QFETCH(QString, message);
    PseudoTerminal terminal;
    QProcess live;
    QVERIFY(startLive(live, terminal, arguments));
    QVERIFY(terminal.write(traffic));
    if (then != "wait") {
        // Once what was written has been taken in: the hits show it, or the tool's clock.
        if (!output.isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(live.bytesAvailable() > 0 || live.waitForReadyRead(10), 10000);
        if (then == "unplug")
            terminal.closeFarEnd();
        else
            ::kill(static_cast<pid_t>(live.processId()), then == "int" ? SIGINT : SIGTERM);
    }
    Run run = finished(live);
    run.out.replace(terminal.devicePath().toLocal8Bit(), "PORT");
    if (arguments.contains(QStringLiteral("--json"))) {
        // The records around the hit and the hit's time vary; the hit itself does not.
        QByteArrayList records = run.out.split('\n');
        QVERIFY(records.first().startsWith("{\"type\":\"open\",\"t\":0.0"));
        QVERIFY(records[records.size() - 2].startsWith("{\"type\":\"end\""));
        QVERIFY(records[records.size() - 2].contains("\"reason\":\"hits\",\"hits\":1,\"received\":3"));
        static const QRegularExpression time(QStringLiteral("\"t\":[0-9.]+"));
        run.out = QString::fromUtf8(records[1]).replace(time, QStringLiteral("\"t\":T")).toUtf8() + '\n';
    }
    if (arguments.contains(QStringLiteral("--utc"))) {
        // ISO 8601 in UTC with microseconds, and now.
        static const QRegularExpression utc(QStringLiteral("^(\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{6})Z "));
        const QString out = QString::fromLocal8Bit(run.out);
        const QRegularExpressionMatch stamp = utc.match(out);
        QVERIFY2(stamp.hasMatch(), run.out.constData());
        QDateTime at = QDateTime::fromString(stamp.captured(1).chopped(3), Qt::ISODateWithMs);
        at.setTimeSpec(Qt::UTC);
        QVERIFY2(qAbs(at.secsTo(QDateTime::currentDateTimeUtc())) < 60, run.out.constData());
        run.out = "UTC " + out.mid(stamp.capturedLength()).toLocal8Bit();
    }
    QCOMPARE(run.out, output);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(QString::fromLocal8Bit(run.err).contains(message), run.err.constData());
}

// A USB adapter that drops out and comes back under the same name: the watch waits for it,
// and the gap breaks what was going on across it.
void TstScan::liveReconnectsAfterAGap()
{
    const QString link = QDir::current().absoluteFilePath(QStringLiteral("probe"));
    PseudoTerminal first;
    QVERIFY(QFile::link(first.devicePath(), link));
    QProcess live;
    QVERIFY(startLive(live, first,
                      {"--reconnect", "--decode", "-e", "s90a00a0a;across the gap", "-e", "sA0np;busy", "--save", "gap.log"},
                      link));
    QByteArray err;
    const auto told = [&](const char* what) {
        err += live.readAllStandardError();
        return err.contains(what);
    };
    QVERIFY(first.write("s90a00a"));
    QTRY_COMPARE_WITH_TIMEOUT(readBytes(QStringLiteral("gap.log")), QByteArray("s90a00a"), 5000);
    first.closeFarEnd();
    QTRY_VERIFY_WITH_TIMEOUT(told("waiting for it"), 5000);

    PseudoTerminal second;
    QVERIFY(QFile::link(second.devicePath(), link + ".new"));
    QCOMPARE(::rename(QFile::encodeName(link + ".new").constData(), QFile::encodeName(link).constData()), 0);
    QTRY_VERIFY_WITH_TIMEOUT(told("back after"), 5000);
    QVERIFY(second.write("0ar91a19a80npsA0np"));
    QTRY_COMPARE_WITH_TIMEOUT(readBytes(QStringLiteral("gap.log")),
                              QByteArray("s90a00a0ar91a19a80np\r\nsA0np\r\n"), 5000);
    ::kill(static_cast<pid_t>(live.processId()), SIGTERM);
    const Run run = finished(live);
    QCOMPARE(run.out, QByteArray("! the device went away: s90a00a\n(partial) 0ar91a19a80np\nS 50 W N P\nbusy(sA0np)\n"));
    QCOMPARE(run.exitCode, 0);
    QVERIFY2((err + run.err).contains("0 losses, 1 gaps"), (err + run.err).constData());
}

// Files begun every second, the oldest deleted beyond two: each file left scans alone to
// the hits that were printed for it.
void TstScan::liveRotatedFilesScanAlone()
{
    PseudoTerminal terminal;
    QProcess live;
    QVERIFY(startLive(live, terminal,
                      {"-e", "sA0np;busy", "--json", "--save", "rot.log", "--rotate-time", "1", "--keep", "2"}));
    ProbeTraffic traffic(4);
    QElapsedTimer writing;
    writing.start();
    while (writing.elapsed() < 3500) {
        QVERIFY(terminal.write(traffic.generate(300)));
        QTest::qWait(25);
    }
    QTest::qWait(300);
    ::kill(static_cast<pid_t>(live.processId()), SIGTERM);
    const Run run = finished(live);
    QCOMPARE(run.exitCode, 0);
    QMap<QString, int> printed;  // hits per file
    int begun = 0;
    for (const QByteArray& record : run.out.split('\n')) {
        const QJsonObject object = QJsonDocument::fromJson(record).object();
        begun += object.value(QStringLiteral("type")).toString() == QStringLiteral("file");
        if (object.value(QStringLiteral("type")).toString() == QStringLiteral("hit"))
            ++printed[QFileInfo(object.value(QStringLiteral("file")).toString()).fileName()];
    }
    QVERIFY2(begun >= 3, run.out.constData());
    const QStringList left = QDir::current().entryList({QStringLiteral("rot-*.log")}, QDir::Files, QDir::Name);
    QCOMPARE(left.size(), 2);
    for (const QString& file : left) {
        const Run alone = scan({"-e", "sA0np;busy", file});
        QCOMPARE(int(alone.out.count('\n')), printed.value(file));
        QVERIFY(readBytes(file).endsWith("\r\n"));
    }
}

// Live: tshark reads the pcapng from a pipe while the watch runs, and a file whose writer
// was killed mid-capture reads without an error up to its last record.
void TstScan::livePcapThroughAPipeAndAfterKill()
{
    if (QStandardPaths::findExecutable(QStringLiteral("tshark")).isEmpty())
        QSKIP("tshark is not installed (scripts/install-deps.sh installs it)");
    const QByteArray traffic = ProbeTraffic(6).generate(3000);
    const auto records = [](const QByteArray& out) { return out.count('\n'); };
    // Transactions of the traffic, as --decode sees them: the records a pipe must deliver.
    QVERIFY(writeBytes(QStringLiteral("pipe.log"), traffic));
    const Run decoded = scan({"--decode", "pipe.log"});
    const qsizetype segments = decoded.out.count(" S") + decoded.out.count("\nS") + (decoded.out.startsWith('S') ? 1 : 0);

    PseudoTerminal terminal;
    QProcess live;
    QProcess tshark;
    live.setStandardOutputProcess(&tshark);
    tshark.start(QStringLiteral("tshark"), {"-r", "-", "-T", "fields", "-e", "i2c.addr"});
    QVERIFY(startLive(live, terminal, {"--pcap", "-"}));
    QVERIFY(terminal.write(traffic + "s"));  // the next START completes the last one
    QTest::qWait(500);
    ::kill(static_cast<pid_t>(live.processId()), SIGTERM);
    QVERIFY(live.waitForFinished(10000));
    QCOMPARE(live.exitCode(), 0);
    QVERIFY(tshark.waitForFinished(60000));
    QCOMPARE(tshark.exitCode(), 0);
    // Every segment, and the START still open at the stop as an event.
    QCOMPARE(records(tshark.readAllStandardOutput()), segments + 1);

    // A live capture in a file is, record for record, what the watch's --decode printed.
    PseudoTerminal third;
    QProcess both;
    QVERIFY(startLive(both, third, {"--decode", "--pcap", "live.pcapng"}));
    QVERIFY(third.write(traffic.left(1500) + "s9xp" + traffic.mid(1500)));
    QTest::qWait(500);
    ::kill(static_cast<pid_t>(both.processId()), SIGTERM);
    const Run watched = finished(both);
    QProcess view;
    view.start(QStringLiteral("tshark"), {"-r", "live.pcapng", "-T", "fields", "-e", "i2c.addr", "-e", "i2c.flags",
                                          "-e", "i2c.event", "-e", "data.data", "-e", "frame.comment"});
    QVERIFY(view.waitForFinished(60000));
    QCOMPARE(QString::fromUtf8(view.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts), tsharkViewOf(watched.out));

    PseudoTerminal second;
    QProcess killed;
    QVERIFY(startLive(killed, second, {"--pcap", "killed.pcapng"}));
    QVERIFY(second.write(traffic));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(QStringLiteral("killed.pcapng")).size() > 2000, 5000);
    ::kill(static_cast<pid_t>(killed.processId()), SIGKILL);
    QVERIFY(killed.waitForFinished(10000));
    QProcess reader;
    reader.start(QStringLiteral("tshark"), {"-r", "killed.pcapng"});
    QVERIFY(reader.waitForFinished(60000));
    const QByteArray complaints = reader.readAllStandardError();
    QVERIFY2(reader.exitCode() == 0 && !complaints.contains("cut short"), complaints.constData());
    QVERIFY(records(reader.readAllStandardOutput()) > 10);
}

// The probe in Wireshark's interface list, captured from with tshark. Debian's Wireshark
// looks for extcaps in its global folder only: the test places the program there under a
// name of its own, and takes it away again.
void TstScan::extcapCapturesInWireshark()
{
    if (QStandardPaths::findExecutable(QStringLiteral("tshark")).isEmpty())
        QSKIP("tshark is not installed (scripts/install-deps.sh installs it)");
    QProcess folders;
    folders.start(QStringLiteral("tshark"), {"-G", "folders"});
    QVERIFY(folders.waitForFinished(60000));
    QString extcapFolder;
    for (const QByteArray& line : folders.readAllStandardOutput().split('\n')) {
        if (line.startsWith("Extcap path:"))
            extcapFolder = QString::fromLocal8Bit(line.mid(int(qstrlen("Extcap path:")))).trimmed();
    }
    const QString placed = extcapFolder + QStringLiteral("/wirelark-i2c-test-%1").arg(QCoreApplication::applicationPid());
    if (extcapFolder.isEmpty() || !QFile::copy(QStringLiteral(WIRELARK_EXTCAP), placed))
        QSKIP("Wireshark's extcap folder cannot be written here (as root it can)");
    const auto removed = qScopeGuard([&] { QFile::remove(placed); });

    PseudoTerminal terminal;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WIRELARK_PORTS"), terminal.devicePath());
    QProcess list;
    list.setProcessEnvironment(environment);
    list.start(QStringLiteral("tshark"), {"-D"});
    QVERIFY(list.waitForFinished(60000));
    QVERIFY2(list.readAllStandardOutput().contains("wirelark-COM1 (I2C bus probe on " + terminal.devicePath().toLocal8Bit() + ")"),
             "not in tshark -D");

    QProcess capture;
    capture.setProcessEnvironment(environment);
    capture.start(QStringLiteral("tshark"), {"-i", "wirelark-COM1", "-a", "duration:3", "-T", "fields", "-e", "i2c.addr",
                                             "-e", "frame.comment"});
    QVERIFY(capture.waitForStarted(10000));
    QTest::qWait(1000);
    QVERIFY(terminal.write("sA0npsA0np"));
    QVERIFY(capture.waitForFinished(60000));
    const QByteArray seen = capture.readAllStandardOutput();
    QVERIFY2(seen.contains("0x50\taddress NACK, STOP"), (seen + capture.readAllStandardError()).constData());
}

// The service's command line, taken from its unit as systemd would run it, on a terminal.
void TstScan::serviceRunsAsItsUnitSays()
{
    QFile unit(QStringLiteral(WIRELARK_CAPTURE_UNIT));
    QVERIFY(unit.open(QIODevice::ReadOnly | QIODevice::Text));
    QString command;
    for (const QByteArray& line : unit.readAll().split('\n')) {
        if (line.startsWith("ExecStart="))
            command = QString::fromUtf8(line.mid(int(qstrlen("ExecStart="))));
    }
    PseudoTerminal terminal;
    const QString instance = terminal.devicePath().mid(int(qstrlen("/dev/")));  // pts/N
    const QString escaped = QString(instance).replace(u'/', u'-');
    const QString state = QDir::current().absoluteFilePath(QStringLiteral("state"));
    QVERIFY(QDir().mkpath(state + QStringLiteral("/wirelark/capture/") + escaped));  // its StateDirectory
    command.replace(QStringLiteral("%I"), instance).replace(QStringLiteral("%i"), escaped).replace(QStringLiteral("%S"), state);
    command.replace(QStringLiteral(WIRELARK_INSTALLED_CONFIG), QStringLiteral(WIRELARK_SOURCE_DIR "/data/systemd/capture.conf"));
    QStringList arguments = command.split(u' ', Qt::SkipEmptyParts);
    QCOMPARE(arguments.takeFirst(), QStringLiteral(WIRELARK_INSTALLED_SCAN));
    QCOMPARE(arguments.takeFirst(), QStringLiteral("--port"));
    QCOMPARE(arguments.takeFirst(), terminal.devicePath());
    QProcess service;
    QVERIFY(startLive(service, terminal, arguments));
    QVERIFY(terminal.write("s90apsA0np"));
    QByteArray records;
    QTRY_VERIFY_WITH_TIMEOUT((records += service.readAllStandardOutput()).contains("\"type\":\"hit\""), 10000);
    QVERIFY2(records.contains("\"comment\":\"EEPROM busy (NACK)\""), records.constData());
    ::kill(static_cast<pid_t>(service.processId()), SIGTERM);
    const Run run = finished(service);
    QCOMPARE(run.exitCode, 0);
    const QDir files(state + QStringLiteral("/wirelark/capture/") + escaped);
    const QStringList saved = files.entryList({QStringLiteral("capture-*Z.log")}, QDir::Files);
    QCOMPARE(saved.size(), 1);
    QCOMPARE(readBytes(files.filePath(saved.first())), QByteArray("s90ap\r\nsA0np\r\n\r\n"));
}

void TstScan::liveLossCountedByTheDriver_data()
{
    QTest::addColumn<int>("counter");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("hardware overrun") << 0 << "hardware overrun" << QByteArray("abc");
    QTest::newRow("driver buffer overrun") << 1 << "driver buffer overrun" << QByteArray("abc");
    QTest::newRow("framing error") << 2 << "framing error" << QByteArray("abc");
    // The probe's own mark of transactions it dropped: no hit is made across it.
    QTest::newRow("the probe's !") << -1 << "the probe dropped transactions" << QByteArray("s90a00a!sA0np");
}

// A UART cannot wait: what its driver had no room for is lost there and counted. The watch
// runs in this process so that the driver's counts can be scripted.
void TstScan::liveLossCountedByTheDriver()
{
    QFETCH(int, counter);
    QFETCH(QString, what);
    QFETCH(QByteArray, written);
    PseudoTerminal terminal;
    ScanOptions options;
    bool help = false;
    QVERIFY(parseScanOptions({"wirelark-scan", "--port", terminal.devicePath(), "-e", "Z;z", "-e", "0a?sA0;across", "--json", "--duration",
                              "0.5", "--pcap", "loss.pcapng", "--force"},
                             &options, &help));
    QList<NumberedEntry> entries;
    QVERIFY(scanEntries(options, &entries));
    // Standard output and error into files, before the watch takes them as its outputs.
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOut = ::dup(1);
    const int savedErr = ::dup(2);
    QFile out(QStringLiteral("out")), err(QStringLiteral("err"));
    QVERIFY(out.open(QIODevice::ReadWrite) && err.open(QIODevice::ReadWrite));
    ::dup2(out.handle(), 1);
    ::dup2(err.handle(), 2);
    static LineErrorCounts counts;  // read by the port's reader thread while the watch runs
    counts = {};
    int status = -1;
    {
        LiveWatch watch(options, entries, std::make_unique<ScriptedLineErrors>(&counts));
        QTimer::singleShot(100, [&] {
            quint64* fields[] = {&counts.overrun, &counts.bufferOverrun, &counts.frame};
            if (counter >= 0)
                *fields[counter] += 1;
            QVERIFY(terminal.write(written));
        });
        status = watch.run();
    }
    std::fflush(stdout);
    std::fflush(stderr);
    ::dup2(savedOut, 1);
    ::dup2(savedErr, 2);
    ::close(savedOut);
    ::close(savedErr);

    QCOMPARE(status, 2);  // no hit after lost input: no answer to trust
    QVERIFY(readBytes(QStringLiteral("err")).contains("input lost or garbled (" + what.toLatin1() + ")"));
    const QByteArray records = readBytes(QStringLiteral("out"));
    QVERIFY2(records.contains("{\"type\":\"loss\",\"t\":"), records.constData());
    QVERIFY2(records.contains(",\"what\":\"" + what.toLatin1() + "\"}"), records.constData());
    QVERIFY2(!records.contains("\"type\":\"hit\""), records.constData());
    QVERIFY2(records.contains("\"received\":" + QByteArray::number(written.size()) + ",\"losses\":1,\"gaps\":0,\"status\":2}"),
             records.constData());
    // In the pcapng the loss stands on the time line as the link type's "data lost" event.
    if (QStandardPaths::findExecutable(QStringLiteral("tshark")).isEmpty())
        return;
    QProcess view;
    view.start(QStringLiteral("tshark"), {"-r", "loss.pcapng", "-T", "fields", "-e", "i2c.event", "-e", "frame.comment"});
    QVERIFY(view.waitForFinished(60000));
    QVERIFY2(view.readAllStandardOutput().contains("0x00000100\tinput lost: " + what.toLatin1()), "no loss event");
}

void TstScan::liveSaveIsOpenedAsTheWindowOpensFiles_data()
{
    QTest::addColumn<QString>("target");  // what stands at the saved file's name
    QTest::addColumn<bool>("force");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("a new file") << "none" << false << 0 << "";
    QTest::newRow("an existing file is kept") << "file" << false << 2 << "exists";
    QTest::newRow("--force replaces it") << "file" << true << 0 << "";
    QTest::newRow("a named pipe") << "fifo" << true << 2 << "Pipe";
    QTest::newRow("a folder") << "folder" << true << 2 << "Ordner";
}

void TstScan::liveSaveIsOpenedAsTheWindowOpensFiles()
{
    QFETCH(QString, target);
    QFETCH(bool, force);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const QString path = QStringLiteral("capture.log");
    if (target == "file")
        QVERIFY(writeBytes(path, "old capture\r\n"));
    else if (target == "fifo")
        QCOMPARE(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
    else if (target == "folder")
        QVERIFY(QDir().mkdir(path));
    PseudoTerminal terminal;
    QProcess live;
    QStringList arguments = {"-e", "p;stop", "-m", "1", "--save", path};
    if (force)
        arguments << QStringLiteral("--force");
    live.start(QStringLiteral(WIRELARK_SCAN), QStringList{"--port", terminal.devicePath()} + arguments);
    if (exitCode == 0) {
        QVERIFY(live.waitForStarted());
        QTRY_VERIFY(QFileInfo(path).isFile() && (target != "file" || QFileInfo(path).size() == 0));
        QVERIFY(terminal.write("s90a00p"));
    }
    const Run run = finished(live);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(QString::fromLocal8Bit(run.err).contains(message), run.err.constData());
    if (target == "file" && exitCode != 0)
        QCOMPARE(readBytes(path), QByteArray("old capture\r\n"));
    if (exitCode == 0)
        QCOMPARE(readBytes(path), QByteArray("s90a00p\r\n\r\n"));  // the STOP's line, then the open one
}

void TstScan::killedMidCaptureLeavesWhatWasPrinted()
{
    const QByteArray text = ProbeTraffic(3).generate(20000);
    PseudoTerminal terminal;
    QProcess live;
    QVERIFY(startLive(live, terminal, {"-e", "sA0a00a;EEPROM 00", "-e", "rA1a??a;EEPROM lesen", "--save", "kill.log"}));
    QVERIFY(terminal.write(text));
    // Within a second of their arrival every character is in the file.
    QTRY_VERIFY_WITH_TIMEOUT(readBytes(QStringLiteral("kill.log")).replace("\r\n", "") == text, 5000);
    QTRY_VERIFY(live.bytesAvailable() > 0);
    ::kill(static_cast<pid_t>(live.processId()), SIGKILL);
    QVERIFY(live.waitForFinished());
    const QByteArray printed = live.readAllStandardOutput();
    const Run fromFile = scan({"-e", "sA0a00a;EEPROM 00", "-e", "rA1a??a;EEPROM lesen", "kill.log"});
    QVERIFY(printed.count('\n') > 10);
    QCOMPARE(fromFile.out, printed);
}

void TstScan::closedPipeEndsQuietly()
{
    PseudoTerminal terminal;
    QProcess pipeline;
    // The tool's status through bash's PIPESTATUS, as a CI script would see it.
    pipeline.start(QStringLiteral("bash"),
                   {"-c", QStringLiteral("\"$0\" --port \"$1\" -e 'p;stop' | head -n 1; echo \"tool ${PIPESTATUS[0]}\" >&2"),
                    QStringLiteral(WIRELARK_SCAN), terminal.devicePath()});
    QVERIFY(pipeline.waitForStarted());
    // Hits keep coming until the tool has seen that head is gone.
    QElapsedTimer writing;
    writing.start();
    while (pipeline.state() == QProcess::Running && writing.elapsed() < 20000) {
        terminal.write("ppppp");
        pipeline.waitForFinished(20);
    }
    const Run run = finished(pipeline);
    QCOMPARE(run.out, QByteArray("stop(p)\n"));
    QVERIFY2(run.err.contains("tool 0"), run.err.constData());
    QVERIFY2(run.err.contains("stopped (output closed)"), run.err.constData());
}

namespace {

// Standard output into a pipe that nobody reads until the test does: a stalled journal, a
// slow ssh.
class HeldOutput {
public:
    HeldOutput() { m_valid = ::pipe2(m_fds, O_CLOEXEC) == 0; }
    ~HeldOutput()
    {
        for (int fd : {m_fds[0], m_fds[1], m_shared})
            if (fd >= 0)
                ::close(fd);
    }
    bool isValid() const { return m_valid; }
    void attach(QProcess& process)
    {
        const int fd = m_fds[1];
        process.setChildProcessModifier([fd] { ::dup2(fd, 1); });
    }
    // After the start: only the child holds the writing end (and a copy here, that shares
    // its flags, until letGo).
    void started()
    {
        m_shared = ::fcntl(m_fds[1], F_DUPFD_CLOEXEC, 0);
        ::close(m_fds[1]);
        m_fds[1] = -1;
    }
    // Whether the writing end the child shares with its parent still waits when the pipe is
    // full: its own writes that do not wait must not change it for the shell.
    bool sharedEndWaits() const { return m_shared >= 0 && (::fcntl(m_shared, F_GETFL) & O_NONBLOCK) == 0; }
    void letGo()
    {
        ::close(m_shared);
        m_shared = -1;
    }
    // Everything the child writes until it closes its end.
    QByteArray readToEnd(int timeoutMs)
    {
        QByteArray all;
        QElapsedTimer waited;
        waited.start();
        char piece[65536];
        while (waited.elapsed() < timeoutMs) {
            pollfd ready{m_fds[0], POLLIN, 0};
            if (::poll(&ready, 1, 100) <= 0)
                continue;
            const ssize_t got = ::read(m_fds[0], piece, sizeof piece);
            if (got <= 0)
                break;
            all.append(piece, got);
        }
        return all;
    }

private:
    int m_fds[2] = {-1, -1};
    int m_shared = -1;
    bool m_valid = false;
};

// Writes into the terminal at a pace, while the watch runs: a watch that ended early must
// not leave the test waiting on a full terminal.
bool feed(PseudoTerminal& terminal, const QByteArray& bytes, const QProcess& watch, qsizetype piece, int pauseMs)
{
    for (qsizetype at = 0; at < bytes.size() && watch.state() == QProcess::Running;) {
        pollfd room{terminal.farEnd(), POLLOUT, 0};
        if (::poll(&room, 1, 100) <= 0)
            continue;
        const ssize_t written = ::write(terminal.farEnd(), bytes.constData() + at, size_t(std::min(piece, bytes.size() - at)));
        if (written < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        if (written > 0 && (at + written) / piece != at / piece)
            QTest::qWait(pauseMs);
        at += std::max<ssize_t>(written, 0);
    }
    return true;
}

// part holds lines of whole in whole's order, some perhaps left out.
bool linesWithin(const QByteArray& part, const QByteArray& whole)
{
    const QByteArrayList lines = whole.split('\n');
    qsizetype at = 0;
    for (const QByteArray& line : part.split('\n')) {
        while (at < lines.size() && lines[at] != line)
            ++at;
        if (at++ == lines.size())
            return false;
    }
    return true;
}

}  // namespace

void TstScan::liveOutputWaitsForItsReader_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("stop");    // "term", "unplug", "wait" (the watch stops itself)
    QTest::addColumn<QString>("limit");   // WIRELARK_OUTPUT_LIMIT; empty: the default
    QTest::addColumn<QString>("output");  // what it must be: "decode", "pcap", "json", "hits", "some lines"
    QTest::addColumn<int>("exitCode");
    QTest::newRow("--decode, stopped by SIGTERM") << QStringList{"--decode"} << "term" << "" << "decode" << 0;
    QTest::newRow("--decode, the device gone") << QStringList{"--decode"} << "unplug" << "" << "decode" << 2;
    QTest::newRow("--pcap -, stopped by SIGTERM") << QStringList{"--pcap", "-"} << "term" << "" << "pcap" << 0;
    QTest::newRow("--json --decode, --duration") << QStringList{"--json", "--decode", "--duration", "5"} << "wait" << ""
                                                 << "json" << 0;
    QTest::newRow("-m: every hit up to the last") << QStringList{"-e", "?;any", "-m", "200000"} << "wait" << ""
                                                  << "hits" << 0;
    QTest::newRow("a reader that stays behind: whole lines given up, and told")
        << QStringList{"--decode"} << "term" << "100000" << "some lines" << 0;
}

// The capture on disk never waits for a reader of the output, and a stop writes out all
// that was received however late the reader takes it.
void TstScan::liveOutputWaitsForItsReader()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, stop);
    QFETCH(QString, limit);
    QFETCH(QString, output);
    QFETCH(int, exitCode);
    const QByteArray traffic = ProbeTraffic(11).generate(200000);
    PseudoTerminal terminal;
    HeldOutput held;
    QVERIFY(held.isValid());
    QProcess live;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!limit.isEmpty())
        environment.insert(QStringLiteral("WIRELARK_OUTPUT_LIMIT"), limit);
    live.setProcessEnvironment(environment);
    held.attach(live);
    QVERIFY(startLive(live, terminal, arguments + QStringList{"--save", "held.log"}));
    held.started();
    QVERIFY(terminal.write(traffic));
    // Saved while nobody reads what is printed: far more than a pipe holds.
    QTRY_VERIFY_WITH_TIMEOUT(readBytes(QStringLiteral("held.log")).replace("\r\n", "") == traffic, 20000);
    QVERIFY(held.sharedEndWaits());
    held.letGo();
    if (stop == "term")
        ::kill(static_cast<pid_t>(live.processId()), SIGTERM);
    else if (stop == "unplug")
        terminal.closeFarEnd();
    QTest::qWait(stop == "wait" ? 0 : 300);  // the reader comes late
    const QByteArray out = held.readToEnd(60000);
    const Run run = finished(live);
    QCOMPARE(run.exitCode, exitCode);
    const QByteArray received = QByteArray::number(traffic.size()) + " characters received";
    QVERIFY2(run.err.contains(received) || output == "json", run.err.constData());

    const QByteArray decoded = scan({"--decode", "held.log"}).out;
    if (output == "decode") {
        QCOMPARE(out, decoded);
    } else if (output == "pcap") {
        QVERIFY(writeBytes(QStringLiteral("held.pcapng"), out));
        QProcess view;
        view.start(QStringLiteral("tshark"), {"-r", "held.pcapng", "-T", "fields", "-e", "i2c.addr", "-e", "i2c.flags",
                                              "-e", "i2c.event", "-e", "data.data", "-e", "frame.comment"});
        if (!view.waitForStarted())
            QSKIP("tshark is not installed (scripts/install-deps.sh installs it)");
        QVERIFY(view.waitForFinished(120000));
        QCOMPARE(QString::fromUtf8(view.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
                 tsharkViewOf(decoded));
    } else if (output == "json") {
        QCOMPARE(out.count("{\"type\":\"transaction\""), decoded.count('\n'));
        QVERIFY2(out.contains("\"reason\":\"duration\",\"hits\":0,\"received\":" + QByteArray::number(traffic.size())),
                 out.right(300).constData());
    } else if (output == "hits") {
        QCOMPARE(out, QByteArray("any(?)\n").repeated(200000));
    } else {
        QVERIFY2(run.err.contains("whole lines and records are given up"), run.err.constData());
        QVERIFY2(run.err.contains(" bytes of output given up"), run.err.constData());
        QVERIFY(out.size() < decoded.size());
        QVERIFY(out.endsWith('\n'));
        QVERIFY(linesWithin(out, decoded));
    }
}

void TstScan::liveCaptureOnAFullDisk_data()
{
    QTest::addColumn<QStringList>("rotation");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("with --keep a ring: the oldest files make room") << QStringList{"--keep", "100"} << 0;
    QTest::newRow("without --keep: stopped with what could be written") << QStringList{} << 2;
}

// A small file system that fills (a tmpfs of 128 KiB), with files around the capture's.
void TstScan::liveCaptureOnAFullDisk()
{
    QFETCH(QStringList, rotation);
    QFETCH(int, exitCode);
    const QString disk = QDir::current().absoluteFilePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkdir(disk));
    if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=128k", "tmpfs", disk}) != 0)
        QSKIP("a small file system cannot be mounted here (as root it can)");
    const auto unmounted = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {disk}); });
    const QStringList others = {"notes.txt", "cap-20200101T000000Z.log.bak", "cap.log"};
    // Files of the capture's name that an earlier run left: the first the ring gives up.
    QVERIFY(writeBytes(disk + "/cap-20200101T000000Z.log", "sA0np\r\n"));
    for (const QString& name : others)
        QVERIFY(writeBytes(disk + u'/' + name, QByteArray(2000, 'n')));

    // 40,000 characters a second into files begun every second: three fill the disk.
    const QByteArray traffic = ProbeTraffic(12).generate(400000);
    PseudoTerminal terminal;
    QProcess live;
    QVERIFY(startLive(live, terminal, QStringList{"-e", "sA0np;busy", "--json", "--save", disk + "/cap.log",
                                                  "--rotate-time", "1"} + rotation));
    const auto kept = [&] {
        QByteArray joined;
        const QDir folder(disk);
        for (const QString& name : folder.entryList({QStringLiteral("cap-2026*Z.log")}, QDir::Files, QDir::Name))
            joined += readBytes(folder.filePath(name));
        return joined.replace("\r\n", "");
    };
    QVERIFY(feed(terminal, traffic, live, 10000, 250));
    if (exitCode == 0) {
        QTRY_VERIFY_WITH_TIMEOUT(kept().endsWith(traffic.right(1000)), 20000);
        ::kill(static_cast<pid_t>(live.processId()), SIGTERM);
    }
    const Run run = finished(live);
    QCOMPARE(run.exitCode, exitCode);
    const QByteArray joined = kept();
    if (exitCode == 0) {
        // The newest part of the capture, whole, and every deletion told.
        QVERIFY2(run.err.contains("the disk is full; deleted to make room"), run.err.constData());
        QVERIFY(run.out.contains("{\"type\":\"deleted\""));
        QCOMPARE(run.out.count("{\"type\":\"deleted\""), run.err.count("deleted to make room"));
        QVERIFY(joined.size() > 50000);
        QVERIFY(traffic.endsWith(joined));
        QVERIFY(!QFileInfo::exists(disk + "/cap-20200101T000000Z.log"));
    } else {
        QVERIFY2(run.err.contains("cannot be written"), run.err.constData());
        QVERIFY(joined.size() > 50000);
        // The disk may fill between a line end's CR and its LF: the file ends with the CR.
        QVERIFY(traffic.startsWith(joined.endsWith('\r') ? joined.chopped(1) : joined));
    }
    for (const QString& name : others)
        QCOMPARE(readBytes(disk + u'/' + name), QByteArray(2000, 'n'));
}

// A minute of a rig's year (the benchmark's --rig runs it longer).
void TstScan::rigOverRestartsGapsAndAFullDisk()
{
    const RigFigures rig = runRigDrill(QStringLiteral(WIRELARK_SCAN), 60, m_folder->path());
    QVERIFY2(rig.faults.isEmpty(), qPrintable(rig.faults.join(u'\n')));
    QVERIFY(rig.runs >= 5 && rig.gaps >= 7);
    QVERIFY(rig.kept > 50000 && rig.hitsPrinted > 0);
}
#endif

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TstScan test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scan.moc"
