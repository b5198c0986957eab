// The serial-port component, port discovery, start-up and exit, and the monitor switch,
// against real pseudo-terminals.
#include "core/filter_file.h"
#include "pseudo_terminal.h"
#include "scripted_dialogs.h"
#include "core/code_page.h"
#include "serial/comm_port.h"
#include "serial/line_settings.h"
#include "serial/port_map.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <termios.h>

#include <memory>
#include <vector>

namespace {

const QString kOff = QStringLiteral("Öffnen");
const QString kOn = QStringLiteral("Schließen");
const QString kNoPortNumber = QStringLiteral("Fehler! Sind eventuell keine COM-Ports vorhanden?");
const QString kCannotOpen =
    QStringLiteral("Fehler! Sind eventuell keine COM-Ports vorhanden oder die Einstellungen falsch?");

// Another program holding a port: QSerialPort's lock keeps everyone else out.
std::unique_ptr<QSerialPort> hold(const QString& path)
{
    auto holder = std::make_unique<QSerialPort>(path);
    return holder->open(QIODevice::ReadOnly) ? std::move(holder) : nullptr;
}

bool canOpen(const QString& path)
{
    return hold(path) != nullptr;
}

}  // namespace

class TstSerial : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // The component
    void settingsAreParsed_data();
    void settingsAreParsed();
    void malformedSettingsMakeOpenFail();
    void portNumbersFollowNaturalOrder();
    void environmentReplacesSystemPorts_data();
    void environmentReplacesSystemPorts();
    void charactersArriveOnePerEventInOrder_data();
    void charactersArriveOnePerEventInOrder();
    void handlerThatDoesNotReadGetsNoBusyLoop();
    void fullBufferLeavesTheRestInTheSource();
    void lineErrorsBecomeEvents_data();
    void lineErrorsBecomeEvents();
    void closedPortRaisesNoEvents();

    // Discovery and start-up
    void discoveryListsUsablePortsInOrder();
    void noUsablePortEndsAndLeavesFilterFileAlone();
    void startupReadsSearchStrings_data();
    void startupReadsSearchStrings();

    // The switch
    void switchOnAppliesLineSettings();
    void switchOffAndOnAgain();
    void switchWithoutPortNumberWarns_data();
    void switchWithoutPortNumberWarns();
    void heldPortCannotBeSwitchedOn();
    void otherPortChosenWhileOnCountsAfterRestart();
    void vanishedDeviceSwitchesOff();

    // Exit
    void exitSavesClosesAndEnds_data();
    void exitSavesClosesAndEnds();
    void exitWithFailedSaveStaysOpen();
    void titleBarCloseSavesNothing();

private:
    void usePorts(const QStringList& devices);
    std::unique_ptr<TestWindow> loadedWindow();
    QString portButtonText() { return m_window->control<QPushButton>("cmdPortOpen")->text(); }
    MSComm* comm() { return m_window->findChild<MSComm*>(QStringLiteral("MSComm1")); }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::vector<std::unique_ptr<PseudoTerminal>> m_terminals;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<TestWindow> m_window;
};

void TstSerial::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(m_folder->path()));
    m_dialogs = ScriptedDialogs();
    for (int i = 0; i < 3; ++i) {
        m_terminals.push_back(std::make_unique<PseudoTerminal>());
        QVERIFY(m_terminals.back()->isValid());
    }
}

void TstSerial::cleanup()
{
    m_window.reset();
    m_terminals.clear();
    qunsetenv("WIRELARK_PORTS");
    QDir::setCurrent(QDir::tempPath());
    m_folder.reset();
}

void TstSerial::usePorts(const QStringList& devices)
{
    qputenv("WIRELARK_PORTS", devices.join(QLatin1Char(':')).toLocal8Bit());
}

std::unique_ptr<TestWindow> TstSerial::loadedWindow()
{
    auto window = std::make_unique<TestWindow>(m_dialogs);
    window->Form_Load();
    return window;
}

void TstSerial::settingsAreParsed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("baud");
    QTest::addColumn<int>("parity");
    QTest::addColumn<int>("dataBits");
    QTest::addColumn<int>("stopBits");
    using Parity = LineSettings::Parity;
    using Stop = LineSettings::StopBits;
    QTest::newRow("probe line") << "115200,n,8,1" << true << 115200 << int(Parity::None) << 8 << int(Stop::One);
    QTest::newRow("even, 7, 2") << "9600,e,7,2" << true << 9600 << int(Parity::Even) << 7 << int(Stop::Two);
    QTest::newRow("odd, 5, 1.5") << "300,O,5,1.5" << true << 300 << int(Parity::Odd) << 5 << int(Stop::OneAndHalf);
    QTest::newRow("mark") << "1200,m,6,1" << true << 1200 << int(Parity::Mark) << 6 << int(Stop::One);
    QTest::newRow("space") << "1200,s,8,1" << true << 1200 << int(Parity::Space) << 8 << int(Stop::One);
    QTest::newRow("unknown parity") << "9600,x,8,1" << false << 0 << 0 << 0 << 0;
    QTest::newRow("nine data bits") << "9600,n,9,1" << false << 0 << 0 << 0 << 0;
    QTest::newRow("three stop bits") << "9600,n,8,3" << false << 0 << 0 << 0 << 0;
    QTest::newRow("baud not a number") << "fast,n,8,1" << false << 0 << 0 << 0 << 0;
    QTest::newRow("negative baud") << "-9600,n,8,1" << false << 0 << 0 << 0 << 0;
    QTest::newRow("missing field") << "9600,n,8" << false << 0 << 0 << 0 << 0;
    QTest::newRow("extra field") << "9600,n,8,1,x" << false << 0 << 0 << 0 << 0;
    QTest::newRow("empty") << "" << false << 0 << 0 << 0 << 0;
}

void TstSerial::settingsAreParsed()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const std::optional<LineSettings> settings = parseLineSettings(text);
    QCOMPARE(settings.has_value(), valid);
    if (!valid)
        return;
    QFETCH(int, baud);
    QFETCH(int, parity);
    QFETCH(int, dataBits);
    QFETCH(int, stopBits);
    QCOMPARE(settings->baudRate, baud);
    QCOMPARE(int(settings->parity), parity);
    QCOMPARE(int(settings->dataBits), dataBits);
    QCOMPARE(int(settings->stopBits), stopBits);
}

void TstSerial::malformedSettingsMakeOpenFail()
{
    MSComm port(PortMap({m_terminals[0]->devicePath()}), systemLineErrors());
    port.SetSettings(QStringLiteral("115200,n,9,1"));
    QVERIFY_THROWS_EXCEPTION(CommError, port.SetPortOpen(true));
    QVERIFY(!port.PortOpen());
    port.SetSettings(QStringLiteral("115200,n,8,1"));
    port.SetPortOpen(true);
    QVERIFY(port.PortOpen());
}

void TstSerial::portNumbersFollowNaturalOrder()
{
    const QStringList reported = {"/dev/ttyUSB0", "/dev/ttyS10", "/dev/ttyACM0", "/dev/ttyS2",
                                  "/dev/ttyS0", "/dev/ttyUSB1"};
    QCOMPARE(orderedSerialDevices(reported),
             QStringList({"/dev/ttyS0", "/dev/ttyS2", "/dev/ttyS10", "/dev/ttyUSB0",
                          "/dev/ttyUSB1", "/dev/ttyACM0"}));
}

void TstSerial::environmentReplacesSystemPorts_data()
{
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QStringList>("devices");
    const QString byPath = "/dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0-port0";
    QTest::newRow("two plain paths") << "/dev/serial/by-id/probe:/dev/pts/7"
                                     << QStringList{"/dev/serial/by-id/probe", "/dev/pts/7"};
    QTest::newRow("by-path name with colons") << byPath << QStringList{byPath};
    QTest::newRow("by-path name between others") << "/dev/ttyS0:" + byPath + ":/dev/ttyUSB0"
                                                  << QStringList{"/dev/ttyS0", byPath, "/dev/ttyUSB0"};
    QTest::newRow("by-id name") << "/dev/serial/by-id/usb-FTDI_FT232R_A1B2C3-if00-port0"
                                << QStringList{"/dev/serial/by-id/usb-FTDI_FT232R_A1B2C3-if00-port0"};
    QTest::newRow("relative first path") << "probe:/dev/ttyS0" << QStringList{"probe", "/dev/ttyS0"};
    QTest::newRow("stray separators") << ":/dev/ttyS0:" << QStringList{"/dev/ttyS0"};
    QTest::newRow("empty variable is the system's list") << "" << QStringList{};
    QTest::newRow("separators only are the system's list") << ":" << QStringList{};
}

void TstSerial::environmentReplacesSystemPorts()
{
    QFETCH(QString, variable);
    QFETCH(QStringList, devices);
    QCOMPARE(splitPortList(variable), devices);
    qputenv("WIRELARK_PORTS", variable.toLocal8Bit());
    const PortMap ports = PortMap::fromSystem();
    if (devices.isEmpty()) {
        qunsetenv("WIRELARK_PORTS");
        QCOMPARE(ports.devices(), PortMap::fromSystem().devices());
        return;
    }
    QCOMPARE(ports.devices(), devices);
    QCOMPARE(ports.device(1), devices.first());
    QCOMPARE(ports.device(devices.size() + 1), QString());
}

void TstSerial::charactersArriveOnePerEventInOrder_data()
{
    QTest::addColumn<int>("gatherMs");
    QTest::newRow("each delivery as it comes") << 0;
    QTest::newRow("steady input gathered") << 200;
}

void TstSerial::charactersArriveOnePerEventInOrder()
{
    QFETCH(int, gatherMs);
    MSComm port(PortMap({m_terminals[0]->devicePath()}), systemLineErrors());
    port.setGathering(gatherMs);
    port.SetSettings(QStringLiteral("115200,n,8,1"));
    port.SetPortOpen(true);
    port.SetRThreshold(1);
    port.SetInputLen(1);
    QStringList texts;
    bool gathered = false;
    connect(&port, &MSComm::OnComm, this, [&] {
        QCOMPARE(port.CommEvent(), int(comEvReceive));
        texts << port.Input();
        gathered = gathered || port.isGathering();
    });
    QByteArray sent;
    for (int i = 0; i < 2000; ++i)
        sent += char(i % 256);
    // Deliveries in quick succession, as from a busy line: each as soon as the one before
    // was handed out, so that they come within the gathering time.
    for (qsizetype from = 0; from < sent.size(); from += 400) {
        QVERIFY(m_terminals[0]->write(sent.mid(from, 400)));
        QVERIFY(QTest::qWaitFor([&] { return texts.size() >= from + 400; }));
    }
    for (int i = 0; i < sent.size(); ++i)
        QCOMPARE(texts[i], QString(codepage::toChar(static_cast<unsigned char>(sent[i]))));
    QCOMPARE(gathered, gatherMs > 0);
    // A delivery after the line went quiet still arrives.
    QTRY_VERIFY(!port.isGathering());
    QVERIFY(m_terminals[0]->write("end"));
    QTRY_COMPARE(texts.size(), sent.size() + 3);
    QCOMPARE(texts.mid(sent.size()).join(QString()), QStringLiteral("end"));
}

void TstSerial::handlerThatDoesNotReadGetsNoBusyLoop()
{
    MSComm port(PortMap({m_terminals[0]->devicePath()}), systemLineErrors());
    port.SetSettings(QStringLiteral("115200,n,8,1"));
    port.SetPortOpen(true);
    port.SetRThreshold(1);
    port.SetInputLen(1);
    QSignalSpy events(&port, &MSComm::OnComm);
    QVERIFY(m_terminals[0]->write("abc"));
    QVERIFY(events.wait());
    for (int pass = 0; pass < 200; ++pass)  // room for a loop that should not be there
        QCoreApplication::processEvents();
    QVERIFY(events.count() <= 3);
    QCOMPARE(port.InBufferCount(), 3);
    QCOMPARE(port.Input(), QStringLiteral("a"));  // what waits is still given out in order
}

void TstSerial::fullBufferLeavesTheRestInTheSource()
{
    MSComm port(PortMap({m_terminals[0]->devicePath()}), systemLineErrors());
    port.SetSettings(QStringLiteral("115200,n,8,1"));
    port.SetInBufferSize(16);
    port.SetPortOpen(true);
    port.SetRThreshold(1);
    port.SetInputLen(1);
    QList<int> codes;
    QString received;
    int depth = 0;
    int deepest = 0;
    int mostWaiting = 0;
    connect(&port, &MSComm::OnComm, this, [&] {
        deepest = std::max(deepest, ++depth);
        codes << port.CommEvent();
        if (port.CommEvent() == comEvReceive)
            received += port.Input();
        if (received == QLatin1String("a") && codes.size() == 1) {
            // A modal box: its event loop runs while a burst larger than the buffer arrives.
            QVERIFY(m_terminals[0]->write(QByteArray(100, 'x')));
            QVERIFY(QTest::qWaitFor([&] { return port.InBufferCount() == 16; }, 5000));
            QTest::qWait(100);  // room for a reader that takes more than there is room for
            mostWaiting = port.InBufferCount();
        }
        --depth;
    });
    QVERIFY(m_terminals[0]->write("a"));
    QTRY_COMPARE(received.size(), 101);
    QCOMPARE(deepest, 1);
    QCOMPARE(mostWaiting, 16);
    QCOMPARE(received, QStringLiteral("a") + QString(100, QLatin1Char('x')));
    QCOMPARE(codes, QList<int>(101, int(comEvReceive)));  // nothing lost: no loss event
}

void TstSerial::lineErrorsBecomeEvents_data()
{
    QTest::addColumn<int>("counter");
    QTest::addColumn<int>("code");
    QTest::newRow("hardware overrun") << 0 << int(comEventOverrun);
    QTest::newRow("driver buffer overrun") << 1 << int(comEventRxOver);
    QTest::newRow("framing error") << 2 << int(comEventFrame);
    QTest::newRow("parity error") << 3 << int(comEventRxParity);
    QTest::newRow("break") << 4 << int(comEventBreak);
}

void TstSerial::lineErrorsBecomeEvents()
{
    QFETCH(int, counter);
    QFETCH(int, code);
    LineErrorCounts counts;
    counts.overrun = 5;  // counted before the port was opened: not reported
    MSComm port(PortMap({m_terminals[0]->devicePath()}), std::make_unique<ScriptedLineErrors>(&counts));
    port.SetSettings(QStringLiteral("115200,n,8,1"));
    port.SetPortOpen(true);
    port.SetRThreshold(1);
    port.SetInputLen(1);
    QList<int> codes;
    connect(&port, &MSComm::OnComm, this, [&] {
        codes << port.CommEvent();
        if (port.CommEvent() == comEvReceive)
            port.Input();
    });
    quint64* fields[] = {&counts.overrun, &counts.bufferOverrun, &counts.frame, &counts.parity,
                         &counts.breaks};
    *fields[counter] += 1;
    QVERIFY(m_terminals[0]->write("z"));
    QTRY_COMPARE(codes.size(), 2);
    QCOMPARE(codes, QList<int>({code, int(comEvReceive)}));
}

void TstSerial::closedPortRaisesNoEvents()
{
    MSComm port(PortMap({m_terminals[0]->devicePath()}), systemLineErrors());
    port.SetSettings(QStringLiteral("115200,n,8,1"));
    port.SetPortOpen(true);
    port.SetRThreshold(1);
    QSignalSpy events(&port, &MSComm::OnComm);
    QVERIFY(m_terminals[0]->write("abc"));
    port.SetPortOpen(false);
    QVERIFY(!events.wait(100));
    QCOMPARE(port.InBufferCount(), 0);
    QVERIFY(canOpen(m_terminals[0]->devicePath()));
}

void TstSerial::discoveryListsUsablePortsInOrder()
{
    QStringList devices(16, QStringLiteral("/dev/wirelark-missing"));
    devices[1] = m_terminals[0]->devicePath();   // COM2
    devices[6] = m_terminals[1]->devicePath();   // COM7
    devices[10] = m_terminals[2]->devicePath();  // COM11, held by another program
    auto other = std::make_unique<PseudoTerminal>();
    devices[15] = other->devicePath();           // COM16: never tried
    usePorts(devices);
    const auto holder = hold(m_terminals[2]->devicePath());
    QVERIFY(holder);

    m_window = loadedWindow();

    auto* chooser = m_window->control<ComboBox>("cboPort");
    QCOMPARE(chooser->ListCount(), 2);
    QCOMPARE(chooser->List(0), QStringLiteral(" 2"));
    QCOMPARE(chooser->List(1), QStringLiteral(" 7"));
    QCOMPARE(chooser->ListIndex(), 0);
    QVERIFY(!comm()->PortOpen());
    QCOMPARE(comm()->CommPort(), 15);  // the last number tried
    QVERIFY(canOpen(m_terminals[0]->devicePath()));
    QVERIFY(canOpen(m_terminals[1]->devicePath()));
    QVERIFY(m_dialogs.messages.isEmpty());
    QVERIFY(!m_window->isUnloaded());
}

void TstSerial::noUsablePortEndsAndLeavesFilterFileAlone()
{
    const QByteArray stored("A?C;Sensor\r\nx;y\r\n");
    QVERIFY(writeBytes(filterfile::kFileName, stored));
    usePorts({"/dev/wirelark-missing"});

    m_window = std::make_unique<TestWindow>(m_dialogs);
    QVERIFY(!m_window->Load());

    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(m_dialogs.messages[0].text, QStringLiteral("Kein COM-Port verfügbar"));
    QCOMPARE(m_dialogs.messages[0].title, QStringLiteral("COM-Port"));
    QCOMPARE(m_dialogs.messages[0].style, int(kCritical));
    QVERIFY(m_window->isUnloaded());
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->control<ComboBox>("cboPort")->ListIndex(), -1);
    QCOMPARE(readBytes(filterfile::kFileName), stored);
}

void TstSerial::startupReadsSearchStrings_data()
{
    QTest::addColumn<bool>("withFile");
    QTest::newRow("with Filter4.ini") << true;
    QTest::newRow("first start without it") << false;
}

void TstSerial::startupReadsSearchStrings()
{
    QFETCH(bool, withFile);
    if (withFile) {
        QVERIFY(writeBytes(filterfile::kFileName, "a;1\r\nb;2\r\n"));
    }
    usePorts({m_terminals[0]->devicePath()});
    m_window = std::make_unique<TestWindow>(m_dialogs);
    m_window->FilterPos = {7, 7, 7, 7, 7};
    QVERIFY(m_window->Load());
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->entries("lstAutoFilter"), withFile ? QStringList({"a;1", "b;2"}) : QStringList());
    for (int position : m_window->FilterPos)
        QCOMPARE(position, 1);
    QCOMPARE(portButtonText(), kOff);
    QVERIFY(!comm()->PortOpen());
    QCOMPARE(m_window->focusWidget(), m_window->control<QWidget>("cmdClose"));
    QVERIFY(m_dialogs.messages.isEmpty());
}

void TstSerial::switchOnAppliesLineSettings()
{
    usePorts({m_terminals[0]->devicePath()});
    m_window = loadedWindow();
    m_window->cmdPortOpen_Click();

    QVERIFY(comm()->PortOpen());
    QCOMPARE(comm()->CommPort(), 1);
    QCOMPARE(comm()->Settings(), QStringLiteral("115200,n,8,1"));
    QCOMPARE(comm()->RThreshold(), 1);
    QCOMPARE(comm()->SThreshold(), 1);
    QCOMPARE(comm()->InputLen(), 1);
    termios line{};
    QCOMPARE(tcgetattr(m_terminals[0]->farEnd(), &line), 0);
    QCOMPARE(cfgetispeed(&line), speed_t(B115200));
    QCOMPARE(line.c_cflag & CSIZE, tcflag_t(CS8));
    QCOMPARE(line.c_cflag & PARENB, tcflag_t(0));
    QCOMPARE(line.c_cflag & CSTOPB, tcflag_t(0));
    QCOMPARE(portButtonText(), kOn);
    QCOMPARE(m_window->control<CommandButton>("cmdPortOpen")->BackColor(), 255);
    QCOMPARE(m_window->control<QLabel>("lblMonitor")->text(), QStringLiteral("Monitor aktiv"));
    QCOMPARE(m_window->control<QLabel>("lblMonitor")->palette().color(QPalette::Window), QColor(0, 255, 0));
}

void TstSerial::switchOffAndOnAgain()
{
    usePorts({m_terminals[0]->devicePath()});
    m_window = loadedWindow();
    m_window->list("lstMonitor")->AddItem(QStringLiteral("kept"));
    for (int round = 0; round < 3; ++round) {
        m_window->cmdPortOpen_Click();
        QVERIFY(comm()->PortOpen());
        m_window->cmdPortOpen_Click();
        QVERIFY(!comm()->PortOpen());
        QVERIFY(canOpen(m_terminals[0]->devicePath()));
        QCOMPARE(portButtonText(), kOff);
        QCOMPARE(m_window->control<CommandButton>("cmdPortOpen")->BackColor(), 65280);
        QCOMPARE(m_window->control<QLabel>("lblMonitor")->text(), QStringLiteral("Monitor inaktiv"));
        QCOMPARE(m_window->control<QLabel>("lblMonitor")->palette().color(QPalette::Window), QColor(255, 0, 0));
    }
    QCOMPARE(m_window->entries("lstMonitor"), QStringList{"kept"});
    QVERIFY(m_dialogs.messages.isEmpty());
}

void TstSerial::switchWithoutPortNumberWarns_data()
{
    QTest::addColumn<bool>("typed");
    QTest::newRow("text typed into the chooser") << true;
    QTest::newRow("empty chooser") << false;
}

void TstSerial::switchWithoutPortNumberWarns()
{
    QFETCH(bool, typed);
    usePorts({m_terminals[0]->devicePath()});
    m_window = loadedWindow();
    auto* chooser = m_window->control<ComboBox>("cboPort");
    if (typed) {
        m_window->show();
        chooser->setFocus();
        QTest::keyClicks(chooser->lineEdit(), QStringLiteral("1"));
        QCOMPARE(chooser->ListIndex(), -1);
    } else {
        chooser->Clear();
    }
    m_window->cmdPortOpen_Click();
    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(m_dialogs.messages[0].text, kNoPortNumber);
    QCOMPARE(m_dialogs.messages[0].style, int(kOkOnly));
    QCOMPARE(m_dialogs.messages[0].title, QString());  // the application title shows
    QVERIFY(!comm()->PortOpen());
    QCOMPARE(portButtonText(), kOff);
}

void TstSerial::heldPortCannotBeSwitchedOn()
{
    usePorts({m_terminals[0]->devicePath()});
    m_window = loadedWindow();
    auto holder = hold(m_terminals[0]->devicePath());
    QVERIFY(holder);
    m_window->cmdPortOpen_Click();
    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(m_dialogs.messages[0].text, kCannotOpen);
    QCOMPARE(m_dialogs.messages[0].style, int(kOkOnly));
    QVERIFY(!comm()->PortOpen());
    QCOMPARE(portButtonText(), kOff);
    QCOMPARE(comm()->RThreshold(), 0);  // no receive parameters set
    holder.reset();
    m_window->cmdPortOpen_Click();
    QVERIFY(comm()->PortOpen());
    QCOMPARE(portButtonText(), kOn);
}

void TstSerial::otherPortChosenWhileOnCountsAfterRestart()
{
    usePorts({m_terminals[0]->devicePath(), m_terminals[1]->devicePath()});
    m_window = loadedWindow();
    auto* chooser = m_window->control<ComboBox>("cboPort");
    m_window->cmdPortOpen_Click();
    chooser->SetListIndex(1);
    QCOMPARE(comm()->CommPort(), 1);
    QVERIFY(canOpen(m_terminals[1]->devicePath()));
    m_window->cmdPortOpen_Click();
    m_window->cmdPortOpen_Click();
    QCOMPARE(comm()->CommPort(), 2);
    QVERIFY(canOpen(m_terminals[0]->devicePath()));
    QVERIFY(!canOpen(m_terminals[1]->devicePath()));
}

void TstSerial::vanishedDeviceSwitchesOff()
{
    usePorts({m_terminals[0]->devicePath()});
    m_window = loadedWindow();
    m_window->cmdPortOpen_Click();
    QVERIFY(comm()->PortOpen());
    m_terminals[0]->closeFarEnd();
    QTRY_VERIFY(!comm()->PortOpen());
    QCOMPARE(portButtonText(), kOff);
    QCOMPARE(m_window->control<QLabel>("lblMonitor")->text(), QStringLiteral("Monitor inaktiv"));
    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(m_dialogs.messages[0].title, QStringLiteral("COM-Port"));

    // The next click tries again (and says why it cannot).
    m_window->cmdPortOpen_Click();
    QCOMPARE(m_dialogs.messages.size(), 2);
    QCOMPARE(m_dialogs.messages[1].text, kCannotOpen);
}

void TstSerial::exitSavesClosesAndEnds_data()
{
    QTest::addColumn<bool>("monitorOn");
    QTest::newRow("monitor on") << true;
    QTest::newRow("monitor off") << false;
}

void TstSerial::exitSavesClosesAndEnds()
{
    QFETCH(bool, monitorOn);
    usePorts({m_terminals[0]->devicePath()});
    m_window = std::make_unique<TestWindow>(m_dialogs);
    QVERIFY(m_window->Load());
    m_dialogs.inputAnswers << QStringLiteral("A?C;Sensor");
    m_window->cmdAddItemAutoFilter_Click();
    if (monitorOn)
        m_window->cmdPortOpen_Click();
    QCOMPARE(comm()->PortOpen(), monitorOn);

    m_window->cmdClose_Click();

    QVERIFY(m_window->isUnloaded());
    QVERIFY(!m_window->isVisible());
    QVERIFY(!comm()->PortOpen());
    QVERIFY(canOpen(m_terminals[0]->devicePath()));
    QCOMPARE(readBytes(filterfile::kFileName), QByteArray("A?C;Sensor\r\n"));
}

void TstSerial::exitWithFailedSaveStaysOpen()
{
    usePorts({m_terminals[0]->devicePath()});
    m_window = std::make_unique<TestWindow>(m_dialogs);
    QVERIFY(m_window->Load());
    QVERIFY(QDir().mkdir(filterfile::kFileName));  // the save cannot replace a folder
    m_window->cmdClose_Click();
    QVERIFY(!m_window->isUnloaded());
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(m_dialogs.messages[0].style, int(kCritical));
}

void TstSerial::titleBarCloseSavesNothing()
{
    QVERIFY(writeBytes(filterfile::kFileName, "old\r\n"));
    usePorts({m_terminals[0]->devicePath()});
    m_window = std::make_unique<TestWindow>(m_dialogs);
    QVERIFY(m_window->Load());
    m_dialogs.inputAnswers << QStringLiteral("new;entry");
    m_window->cmdAddItemAutoFilter_Click();
    QVERIFY(m_window->close());
    QVERIFY(!m_window->isVisible());
    QCOMPARE(readBytes(filterfile::kFileName), QByteArray("old\r\n"));
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    TstSerial test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_serial.moc"
