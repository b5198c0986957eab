// Windows: the reader's overlapped I/O on COM1 with the simulated probe on it
// (tests/windows/probe_on_com1.sh): closed at any point of its waiting and reading, and a
// wait that fails.
#include "probe_line.h"
#include "serial/port_reader.h"
#include "tools/probe_traffic.h"

#include <QtTest>

#include <windows.h>

#include <atomic>

namespace {

DWORD handleCount()
{
    DWORD count = 0;
    GetProcessHandleCount(GetCurrentProcess(), &count);
    return count;
}

// What a reader handed over, taken as the window takes it. Safe to repeat in QTRY_ macros,
// which evaluate their condition again once it holds.
struct Taken {
    QByteArray received;
    QString gone;  // why the device went, once it did

    Taken& from(PortReader& reader)
    {
        Arrivals arrivals = reader.take();
        received += arrivals.bytes;
        if (gone.isEmpty())
            gone = arrivals.goneReason;
        reader.setWaitingElsewhere(0);
        return *this;
    }
};

}  // namespace

class TstPortReaderWin : public QObject {
    Q_OBJECT
private slots:
    void init();
    void closingAtAnyPointLeavesNothingBehind();
    void aFailedWaitIsTheDeviceGone();

private:
    NoLineErrors m_noErrors;
};

// Each test begins with the probe afresh: what it sends is its traffic from the start.
void TstPortReaderWin::init()
{
    if (!qEnvironmentVariableIsSet("WIRELARK_TEST_PROBE_ON_COM1"))
        QSKIP("no simulated probe on COM1 (WIRELARK_TEST_PROBE_ON_COM1 is not set)");
    QVERIFY(probeAfresh());
}

// A thousand opens and closes: some at once, while the first wait for a character is
// pending; others once characters came, while the reader reads, collects or waits. None
// hangs, and no handle is left behind.
void TstPortReaderWin::closingAtAnyPointLeavesNothingBehind()
{
    DWORD warmedUp = 0;
    for (int i = 0; i < 1000; ++i) {
        if (i == 20)
            warmedUp = handleCount();
        PortReader reader(m_noErrors);
        QVERIFY(openCom1(reader));
        if (i % 2 == 1) {
            // Until characters came, or the probe's line closed while it starts afresh.
            Taken taken;
            QTRY_VERIFY2_WITH_TIMEOUT(!taken.from(reader).received.isEmpty() || !taken.gone.isEmpty(),
                                      qPrintable(QString::number(i)), 20000);
        }
        reader.close();
    }
    QCOMPARE(handleCount(), warmedUp);
}

// A wait that fails is the device gone: said once, with every character read before it, and
// the reader waits no more.
void TstPortReaderWin::aFailedWaitIsTheDeviceGone()
{
    std::atomic<bool> failing{false};
    std::atomic<int> waits{0};
    PortReader reader(m_noErrors);
    reader.setWaitFailure([&] {
        ++waits;
        return failing.load();
    });
    QVERIFY(openCom1(reader));
    Taken taken;
    QTRY_VERIFY_WITH_TIMEOUT(taken.from(reader).received.size() > 2000, 20000);
    failing = true;
    QTRY_VERIFY_WITH_TIMEOUT(!taken.from(reader).gone.isEmpty(), 20000);
    QVERIFY2(taken.gone.startsWith(QStringLiteral("reading failed: ")), qPrintable(taken.gone));
    const QByteArray sent = ProbeTraffic(std::uint32_t(qEnvironmentVariableIntValue("WIRELARK_TEST_PROBE_SEED")))
                                .generate(qEnvironmentVariableIntValue("WIRELARK_TEST_PROBE_COUNT"));
    QVERIFY(taken.received == sent.left(taken.received.size()));
    // Nothing spins after it: no wait again, nothing more handed over.
    const int waited = waits.load();
    QTest::qWait(300);
    QCOMPARE(waits.load(), waited);
    const qsizetype before = taken.received.size();
    QCOMPARE(taken.from(reader).received.size(), before);
    reader.close();
}

// A GUI application: under Wine the platform comes as an argument (cmake/wine-run).
QTEST_MAIN(TstPortReaderWin)
#include "tst_port_reader_win.moc"
