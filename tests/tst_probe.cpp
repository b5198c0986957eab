// The simulated bus probe: its traffic and the program that writes it into a terminal.
#include "tools/probe_traffic.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

class TstProbe : public QObject {
    Q_OBJECT
private slots:
    void trafficIsDeterministicPerSeed();
    void trafficFollowsTheProbeFormat();
    void trafficHasEveryDeviceAndNacks();
    void simulatorWritesItsTrafficIntoATerminal();
};

void TstProbe::trafficIsDeterministicPerSeed()
{
    QCOMPARE(ProbeTraffic(5).generate(5000), ProbeTraffic(5).generate(5000));
    QVERIFY(ProbeTraffic(5).generate(5000) != ProbeTraffic(6).generate(5000));
}

void TstProbe::trafficFollowsTheProbeFormat()
{
    // START, address byte, then bytes each with its acknowledge, repeated STARTs, a STOP.
    static const QRegularExpression transaction(
        QStringLiteral("^s[0-9A-F]{2}[an](?:[0-9A-F]{2}[an]|r[0-9A-F]{2}[an])*p$"));
    ProbeTraffic traffic(1);
    for (int i = 0; i < 2000; ++i) {
        const QByteArray text = traffic.nextTransaction();
        QVERIFY2(transaction.match(QString::fromLatin1(text)).hasMatch(), text.constData());
    }
}

void TstProbe::trafficHasEveryDeviceAndNacks()
{
    const QByteArray text = ProbeTraffic(2).generate(20000);
    for (const char* start : {"s90a", "sA0a", "sD0a", "sA0np", "r91a", "rA1a", "rD1a"})
        QVERIFY2(text.contains(start), start);
}

void TstProbe::simulatorWritesItsTrafficIntoATerminal()
{
    QProcess simulator;
    simulator.start(QStringLiteral(WIRELARK_PROBE_SIM),
                    {QStringLiteral("--seed"), QStringLiteral("9"), QStringLiteral("--fast"),
                     QStringLiteral("--count"), QStringLiteral("600")});
    QVERIFY(simulator.waitForReadyRead(5000));
    const QByteArray path = simulator.readLine().trimmed();
    QVERIFY(path.startsWith("/dev/"));
    const int device = ::open(path.constData(), O_RDONLY | O_NOCTTY);
    QVERIFY(device >= 0);
    termios raw{};
    tcgetattr(device, &raw);
    cfmakeraw(&raw);
    tcsetattr(device, TCSANOW, &raw);
    QByteArray received;
    char buffer[256];
    while (received.size() < 600) {
        const ssize_t n = ::read(device, buffer, sizeof buffer);
        if (n <= 0)
            break;
        received.append(buffer, n);
    }
    ::close(device);
    QVERIFY(simulator.waitForFinished(5000));
    QCOMPARE(simulator.exitCode(), 0);
    QCOMPARE(received, ProbeTraffic(9).generate(600).left(600));
}

QTEST_GUILESS_MAIN(TstProbe)
#include "tst_probe.moc"
