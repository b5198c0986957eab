// Bad input from the disk, the serial device and the user: the program goes on and loses
// nothing that it had.
#include "core/filter_file.h"
#include "file_rights.h"
#include "pseudo_terminal.h"
#include "scripted_dialogs.h"
#include "core/memory_ceiling.h"
#include "serial/comm_port.h"
#include "tools/probe_traffic.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace {

// A tiny file system of its own (a tmpfs), to fill up or to make read-only.
class SmallDisk {
public:
    explicit SmallDisk(const QString& size)
    {
        m_mounted = QProcess::execute(QStringLiteral("mount"),
                                      {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                       QStringLiteral("size=") + size, QStringLiteral("tmpfs"), m_folder.path()}) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_folder.path()});
    }
    bool mounted() const { return m_mounted; }
    QString path(const QString& name) const { return m_folder.filePath(name); }
    // Fills the disk up to its last byte.
    void fill()
    {
        QFile filler(path(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly))
            return;
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        QByteArray byte(1, 'f');
        while (filler.write(byte) == 1 && filler.flush()) {
        }
    }
    bool makeReadOnly()
    {
        return QProcess::execute(QStringLiteral("mount"),
                                 {QStringLiteral("-o"), QStringLiteral("remount,ro"), m_folder.path()}) == 0;
    }

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
};

// Writes bytes into the probe's far end from a thread of its own, as fast as the terminal
// takes them, until all are written or the test gives up.
class Feeder {
public:
    Feeder(PseudoTerminal& probe, QByteArray bytes)
        : m_thread([this, &probe, bytes] {
              // Never blocked in a write: the test can always give up.
              ::fcntl(probe.farEnd(), F_SETFL, ::fcntl(probe.farEnd(), F_GETFL) | O_NONBLOCK);
              for (qsizetype done = 0; done < bytes.size() && !m_giveUp;) {
                  const ssize_t written = ::write(probe.farEnd(), bytes.constData() + done,
                                                  static_cast<size_t>(std::min<qsizetype>(4096, bytes.size() - done)));
                  if (written > 0) {
                      done += written;
                      continue;
                  }
                  pollfd writable{probe.farEnd(), POLLOUT, 0};
                  ::poll(&writable, 1, 50);
              }
              m_done = true;
          })
    {
    }
    ~Feeder()
    {
        m_giveUp = true;
        m_thread.join();
    }
    bool done() const { return m_done; }

private:
    std::atomic<bool> m_giveUp{false};
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};

}  // namespace

class TstRobustness : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void unusableFilterFileGivesEmptyListAndGoesOn_data();
    void unusableFilterFileGivesEmptyListAndGoesOn();
    void hundredThousandLinesComeBackExactly();
    void saveOnFullDiskKeepsOldFile();
    void fastSourceWaitsWhileAddBoxIsOpen();
    void fullCaptureStopsWithEverythingKept();
    void logFileOnFullDiskIsReported();
    void logFileOnReadOnlyDiskIsReported();
    void unreadableFilterFileIsNeverReplacedUnasked_data();
    void unreadableFilterFileIsNeverReplacedUnasked();
    void saveWritesInPlaceWhereFolderIsReadOnly();
    void pipeOfThatNameIsRefusedAtOnce_data();
    void pipeOfThatNameIsRefusedAtOnce();

private:
    void loadOnProbe();

    std::unique_ptr<PseudoTerminal> m_probe;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<TestWindow> m_window;
    // The scripted driver counters: read by the port's reader thread until the window is
    // gone, so they live as long as the test object.
    LineErrorCounts m_counts;
};

void TstRobustness::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(m_folder->path()));
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_window = std::make_unique<TestWindow>(*m_dialogs, std::make_unique<MSComm>(PortMap({}), systemLineErrors()));
}

void TstRobustness::cleanup()
{
    m_window.reset();
    m_probe.reset();
    m_dialogs.reset();
    QDir::setCurrent(QDir::tempPath());
    m_folder.reset();
}

// A window started as the program starts, on a port that can be opened.
void TstRobustness::loadOnProbe()
{
    m_probe = std::make_unique<PseudoTerminal>();
    QVERIFY(m_probe->isValid());
    m_window = std::make_unique<TestWindow>(
        *m_dialogs, std::make_unique<MSComm>(PortMap({m_probe->devicePath()}), systemLineErrors()));
    QVERIFY(m_window->Load());
}

void TstRobustness::unusableFilterFileGivesEmptyListAndGoesOn_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("told");
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("empty") << "empty" << false;
    QTest::newRow("a folder") << "folder" << true;
    QTest::newRow("unreadable") << "unreadable" << true;
}

void TstRobustness::unusableFilterFileGivesEmptyListAndGoesOn()
{
    QFETCH(QString, kind);
    QFETCH(bool, told);
    const QString path = filterfile::kFileName;
    if (kind == "empty")
        QVERIFY(writeBytes(path, {}));
    else if (kind == "folder")
        QVERIFY(QDir().mkdir(path));
    else if (kind == "unreadable")
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), path));  // opens, but every read fails

    m_window->cmdReadFilter_Click();

    QCOMPARE(m_window->list("lstAutoFilter")->ListCount(), 0);
    QCOMPARE(m_dialogs->messages.size(), told ? 1 : 0);
    m_dialogs->inputAnswers << QStringLiteral("A?C;Sensor");
    m_window->cmdAddItemAutoFilter_Click();  // and the program goes on
    QCOMPARE(m_window->entries("lstAutoFilter"), QStringList{"A?C;Sensor"});
}

void TstRobustness::hundredThousandLinesComeBackExactly()
{
    QByteArray bytes;
    for (int i = 0; i < 100000; ++i)
        bytes += "s" + QByteArray::number(i, 16).toUpper() + "a??n;Eintrag " + QByteArray::number(i) + "\r\n";
    QVERIFY(writeBytes(filterfile::kFileName, bytes));
    m_window->cmdReadFilter_Click();
    QCOMPARE(m_window->list("lstAutoFilter")->ListCount(), 100000);
    QVERIFY(QFile::remove(filterfile::kFileName));
    m_window->cmdSaveFilter_Click();
    QCOMPARE(readBytes(filterfile::kFileName), bytes);
}

void TstRobustness::saveOnFullDiskKeepsOldFile()
{
    SmallDisk disk(QStringLiteral("64k"));
    if (!disk.mounted())
        QSKIP("mounting a small tmpfs needs root");
    const QByteArray old("A?C;Sensor\r\nalt;bleibt\r\n");
    QVERIFY(writeBytes(disk.path(filterfile::kFileName), old));
    disk.fill();
    QVERIFY(QDir::setCurrent(disk.path(QString())));
    for (int i = 0; i < 5000; ++i)
        m_window->list("lstAutoFilter")->AddItem(QStringLiteral("neuer Suchstring %1;Kommentar").arg(i));

    m_window->cmdSaveFilter_Click();

    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages[0].style, int(kCritical));
    QVERIFY2(m_dialogs->messages[0].text.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))),
             qPrintable(m_dialogs->messages[0].text));
    QCOMPARE(readBytes(disk.path(filterfile::kFileName)), old);
    QCOMPARE(QDir(disk.path(QString())).entryList(QDir::Files | QDir::Hidden).size(), 2);  // no temporary left
    QCOMPARE(m_window->list("lstAutoFilter")->ListCount(), 5000);
    QVERIFY(QDir::setCurrent(m_folder->path()));
}

void TstRobustness::fastSourceWaitsWhileAddBoxIsOpen()
{
    // A capture replayed into a pseudo-terminal as fast as it takes: far more than the
    // receive buffer holds while the "Add" box keeps the user busy for seconds.
    loadOnProbe();
    m_window->cmdPortOpen_Click();
    const QByteArray sent = ProbeTraffic(24).generate(3400000);
    const Feeder feeder(*m_probe, sent);
    // The box keeps the window's thread from taking anything until the writer is through,
    // or for three seconds when it has to wait.
    m_dialogs->whileInputOpen = [&] {
        QElapsedTimer open;
        open.start();
        while (!feeder.done() && open.elapsed() < 3000)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    };
    m_window->cmdAddItemAutoFilter_Click();

    QTRY_COMPARE_WITH_TIMEOUT(m_window->entries("lstMonitor").join(QString()).size(), sent.size(), 120000);
    QCOMPARE(m_dialogs->messages.size(), 0);  // no "Datenverlust!"
    m_dialogs->saveAnswers << m_folder->filePath(QStringLiteral("replay.log"));
    m_window->cmdSaveMon_Click();
    QCOMPARE(readBytes(m_folder->filePath(QStringLiteral("replay.log"))).replace("\r\n", ""), sent);
}

void TstRobustness::fullCaptureStopsWithEverythingKept()
{
    qputenv(memoryceiling::kVariable, "1M");
    const auto unset = qScopeGuard([] { qunsetenv(memoryceiling::kVariable); });
    loadOnProbe();
    m_window->cmdPortOpen_Click();
    auto* portButton = m_window->control<QPushButton>("cmdPortOpen");
    ListBox* monitor = m_window->list("lstMonitor");
    ListBox* results = m_window->list("lstResult");
    m_window->list("lstAutoFilter")->AddItem(QStringLiteral("?p;STOP"));
    m_window->list("lstAutoFilter")->SetSelected(0, true);  // the hits count against the ceiling too

    const QByteArray sent = ProbeTraffic(25).generate(4000000);
    {
        const Feeder feeder(*m_probe, sent);
        QTRY_COMPARE_WITH_TIMEOUT(portButton->text(), QStringLiteral("Öffnen"), 120000);
    }
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages[0].title, QStringLiteral("Monitor"));
    QCOMPARE(m_dialogs->messages[0].style, int(kExclamation));
    QVERIFY(m_dialogs->messages[0].text.contains(QStringLiteral("\"Save\"")));
    const qint64 held = monitor->memoryUse() + results->memoryUse();
    QVERIFY2(held >= (1 << 20) && held < (1 << 20) + (512 << 10), qPrintable(QString::number(held)));
    QVERIFY(results->ListCount() > 1000);

    // Everything received until the stop: shown, and saved.
    const QByteArray shown = m_window->entries("lstMonitor").join(QString()).toLatin1();
    QVERIFY2(shown.size() > 400000, qPrintable(QString::number(shown.size())));
    QVERIFY(sent.startsWith(shown));
    m_dialogs->saveAnswers << m_folder->filePath(QStringLiteral("full.log"));
    m_window->cmdSaveMon_Click();
    QCOMPARE(readBytes(m_folder->filePath(QStringLiteral("full.log"))).replace("\r\n", ""), shown);

    // Clear gives the memory back, and the monitor goes on again.
    m_window->cmdClear_Click();
    m_window->cmdClearResultAutoFilter_Click();
    QVERIFY(monitor->memoryUse() + results->memoryUse() < (64 << 10));
    m_window->cmdPortOpen_Click();
    QCOMPARE(portButton->text(), QStringLiteral("Schließen"));
    QVERIFY(m_probe->write("s90ap"));
    QTRY_VERIFY(monitor->ListCount() > 1 && monitor->List(monitor->ListCount() - 2).endsWith(QStringLiteral("s90ap")));
    QCOMPARE(m_dialogs->messages.size(), 1);
}

void TstRobustness::logFileOnFullDiskIsReported()
{
    SmallDisk disk(QStringLiteral("64k"));
    if (!disk.mounted())
        QSKIP("mounting a small tmpfs needs root");
    m_window->control<CheckBox>("chkCRLF")->setChecked(false);
    QString fed;
    for (int i = 0; i < 100000; ++i) {
        const QString text(QChar(u'0' + i % 10));
        fed += text;
        m_window->AddChar(text);
    }
    m_dialogs->saveAnswers << disk.path(QStringLiteral("capture.log"));
    m_window->cmdSaveMon_Click();
    QCOMPARE(m_dialogs->messages.size(), 1);
    QVERIFY(m_dialogs->messages[0].text.startsWith(QStringLiteral("Die Monitordaten konnten nicht gespeichert werden")));
    QVERIFY2(m_dialogs->messages[0].text.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))),
             qPrintable(m_dialogs->messages[0].text));  // the real reason, not "Unknown error"
    const QByteArray written = readBytes(disk.path(QStringLiteral("capture.log")));
    QVERIFY(!written.isEmpty());
    QVERIFY(written.size() < 100000);
    QVERIFY(written.startsWith(fed.left(101).toLatin1() + "\r\n"));  // what was written stays
    QCOMPARE(m_window->entries("lstMonitor").join(QString()), fed);
}

void TstRobustness::logFileOnReadOnlyDiskIsReported()
{
    SmallDisk disk(QStringLiteral("64k"));
    if (!disk.mounted())
        QSKIP("mounting a small tmpfs needs root");
    QVERIFY(writeBytes(disk.path(QStringLiteral("capture.log")), "old\r\n"));
    QVERIFY(disk.makeReadOnly());
    m_window->AddChar(QStringLiteral("n"));
    m_dialogs->saveAnswers << disk.path(QStringLiteral("capture.log"));
    m_window->cmdSaveMon_Click();
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages[0].style, int(kCritical));
    QCOMPARE(readBytes(disk.path(QStringLiteral("capture.log"))), QByteArray("old\r\n"));
}

void TstRobustness::unreadableFilterFileIsNeverReplacedUnasked_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<QByteArray>("stored");
    const QByteArray old("A?C;Sensor\r\ns90a??a;LM75\r\n");  // 30 bytes
    QTest::newRow("exit at once") << "exit" << true << old;
    QTest::newRow("read, then exit") << "read exit" << true << old;
    QTest::newRow("added entry: exit refuses and stays open") << "add exit" << false << old;
    QTest::newRow("added entry: Save replaces, then exit") << "add save exit" << true
                                                         << QByteArray("neu;Eintrag\r\n");
}

void TstRobustness::unreadableFilterFileIsNeverReplacedUnasked()
{
    QFETCH(QString, steps);
    QFETCH(bool, ends);
    QFETCH(QByteArray, stored);
    QVERIFY(writeBytes(filterfile::kFileName, "A?C;Sensor\r\ns90a??a;LM75\r\n"));
    QVERIFY(QFile::setPermissions(filterfile::kFileName, QFileDevice::WriteOwner));
    {
        WithoutFileRights rights;
        if (!rights.active())
            QSKIP(qPrintable("file modes cannot be made to apply here: " + rights.reason()));
        loadOnProbe();
        QCOMPARE(m_dialogs->messages.size(), 1);  // the start-up read says it cannot read
        for (const QString& step : steps.split(u' ')) {
            if (step == "read") {
                m_window->cmdReadFilter_Click();
            } else if (step == "add") {
                m_dialogs->inputAnswers << QStringLiteral("neu;Eintrag");
                m_window->cmdAddItemAutoFilter_Click();
            } else if (step == "save") {
                m_window->cmdSaveFilter_Click();
            } else {
                m_window->cmdClose_Click();
            }
        }
        QCOMPARE(m_window->isUnloaded(), ends);
        if (!ends)
            QCOMPARE(m_dialogs->messages.last().text.left(56),
                     QStringLiteral("Filter4.ini konnte nicht gelesen werden und wird beim Be"));
    }
    QCOMPARE(readBytes(filterfile::kFileName), stored);
}

void TstRobustness::saveWritesInPlaceWhereFolderIsReadOnly()
{
    QVERIFY(writeBytes(filterfile::kFileName, "alt;bleibt\r\n"));
    QVERIFY(QFile::setPermissions(QStringLiteral("."), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    {
        WithoutFileRights rights;
        if (!rights.active())
            QSKIP(qPrintable("file modes cannot be made to apply here: " + rights.reason()));
        loadOnProbe();
        m_dialogs->inputAnswers << QStringLiteral("neu;Eintrag");
        m_window->cmdAddItemAutoFilter_Click();
        m_window->cmdClose_Click();
        QVERIFY(m_dialogs->messages.isEmpty());
        QVERIFY(m_window->isUnloaded());
    }
    QVERIFY(QFile::setPermissions(QStringLiteral("."), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                            | QFileDevice::ExeOwner));
    QCOMPARE(readBytes(filterfile::kFileName), QByteArray("alt;bleibt\r\nneu;Eintrag\r\n"));
    QCOMPARE(QDir().entryList(QDir::Files), QStringList{filterfile::kFileName});  // no leftovers
}

void TstRobustness::pipeOfThatNameIsRefusedAtOnce_data()
{
    QTest::addColumn<QString>("when");
    QTest::newRow("Filter4.ini at start-up") << "start";
    QTest::newRow("Filter4.ini on Read") << "read";
    QTest::newRow("Filter4.ini on Save") << "save";
    QTest::newRow("the log file's name") << "log";
}

void TstRobustness::pipeOfThatNameIsRefusedAtOnce()
{
    QFETCH(QString, when);
    const QString pipe = when == "log" ? QStringLiteral("capture.log") : filterfile::kFileName;
    if (when == "start")
        QCOMPARE(mkfifo(qPrintable(pipe), 0600), 0);
    loadOnProbe();
    if (when != "start")
        QCOMPARE(mkfifo(qPrintable(pipe), 0600), 0);
    // Opening a pipe without a writer or a reader waits for ever: every step must return.
    if (when == "read") {
        m_window->cmdReadFilter_Click();
    } else if (when == "save") {
        m_window->cmdSaveFilter_Click();
    } else if (when == "log") {
        m_window->AddChar(QStringLiteral("s"));
        m_dialogs->saveAnswers << pipe;
        m_window->cmdSaveMon_Click();
    }
    QCOMPARE(m_dialogs->messages.size(), 1);
    QVERIFY2(m_dialogs->messages[0].text.contains(QStringLiteral("Pipe")),
             qPrintable(m_dialogs->messages[0].text));
    // Exit neither waits on it nor replaces it; a save that failed on it keeps the window open.
    m_window->cmdClose_Click();
    QCOMPARE(m_window->isUnloaded(), when != "save");
    QVERIFY(QFileInfo(pipe).isFile() == false && QFileInfo::exists(pipe));
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    TstRobustness test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_robustness.moc"
