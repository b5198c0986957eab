// Bad input from the disk, the serial device and the user: the program goes on and loses
// nothing that it had.
#include "autofilter/filter_file.h"
#include "pseudo_terminal.h"
#include "scripted_dialogs.h"
#include "serial/comm_port.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

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
    void burstLargerThanBufferDuringBox();
    void logFileOnFullDiskIsReported();
    void logFileOnReadOnlyDiskIsReported();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<TestWindow> m_window;
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
    m_dialogs.reset();
    QDir::setCurrent(QDir::tempPath());
    m_folder.reset();
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
    QCOMPARE(readBytes(disk.path(filterfile::kFileName)), old);
    QCOMPARE(QDir(disk.path(QString())).entryList(QDir::Files | QDir::Hidden).size(), 2);  // no temporary left
    QCOMPARE(m_window->list("lstAutoFilter")->ListCount(), 5000);
    QVERIFY(QDir::setCurrent(m_folder->path()));
}

void TstRobustness::burstLargerThanBufferDuringBox()
{
    PseudoTerminal probe;
    QVERIFY(probe.isValid());
    LineErrorCounts counts;
    auto port = std::make_unique<MSComm>(PortMap({probe.devicePath()}),
                                         std::make_unique<ScriptedLineErrors>(&counts));
    port->SetInBufferSize(64);
    m_window = std::make_unique<TestWindow>(*m_dialogs, std::move(port));
    m_window->Form_Load();
    m_window->cmdPortOpen_Click();
    auto* comm = m_window->findChild<MSComm*>(QStringLiteral("MSComm1"));

    QByteArray burst;
    for (int i = 0; i < 500; ++i)
        burst += char('A' + i % 26);
    m_dialogs->whileMessageOpen = [&] {
        if (m_dialogs->messages.size() != 1)
            return;
        QVERIFY(probe.write(burst));
        QVERIFY(QTest::qWaitFor([&] { return comm->lostCharacters() == quint64(burst.size() - 63); }, 5000));
    };
    counts.overrun += 1;
    QVERIFY(probe.write("x"));  // the overrun is noticed with it; its box opens first

    QTRY_COMPARE(m_window->entries("lstMonitor").join(QString()).size(), 64);
    QCOMPARE(m_window->entries("lstMonitor").join(QString()), "x" + QString::fromLatin1(burst.left(63)));
    QCOMPARE(m_dialogs->messages.size(), 2);  // the overrun's box, then one for the overflow
    QCOMPARE(m_dialogs->messages[1].text, QStringLiteral("Datenverlust!"));
    QVERIFY(probe.write("yz"));  // the monitor goes on
    QTRY_COMPARE(m_window->entries("lstMonitor").join(QString()).right(2), QStringLiteral("yz"));
    QCOMPARE(m_dialogs->messages.size(), 2);
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

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    TstRobustness test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_robustness.moc"
