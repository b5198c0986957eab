// The probe's firmware on the emulated chip, its pins driven as a master and its slaves
// drive an I2C bus: what it sends must be the driven text, whole.
#include "firmware/emulator/probe_emulator.h"
#include "tools/probe_traffic.h"

#include <QtTest>

#include <functional>
#include <memory>

namespace {

// The serial line carries 11,765 characters a second (117,647 baud, 10 bits each).
constexpr double kLineCharactersPerSecond = 1e6 / (ProbeEmulator::kCyclesPerCharacter / 16.0);
// What the firmware's ring holds.
constexpr std::uint64_t kRingSize = 1024;
// The C runtime's start takes about 0.6 ms: the bus waits for it, as a probe starts first.
constexpr double kBootMicroseconds = 2000;

QList<QByteArray> transactionsOf(std::uint32_t seed, int count)
{
    ProbeTraffic traffic(seed);
    QList<QByteArray> transactions;
    for (int i = 0; i < count; ++i)
        transactions << traffic.nextTransaction();
    return transactions;
}

BusTiming timingOf(const QString& kind, double hertz, double stretch)
{
    BusTiming timing = kind == QLatin1String("minimum") ? BusTiming::minimumHigh(hertz) : BusTiming::evenClock(hertz);
    timing.stretch = stretch;
    return timing;
}

// Whether a place in the probe's text lies between two bus events (a START, a repeated START,
// a STOP, a byte with its answer, a cut byte's "?"), not inside one.
bool atEventBoundary(const QByteArray& text, qsizetype at)
{
    return at == 0 || QByteArray("srpan?").contains(text[at - 1]);
}

// Whether sent is driven with stretches replaced by "!": each from an event boundary to a
// later START or repeated START (or to the end), and nothing else different. Why not, if not.
QString droppedOnlyWhole(const QByteArray& driven, const QByteArray& sent)
{
    qsizetype at = 0;
    for (qsizetype i = 0; i < sent.size();) {
        if (sent[i] != '!') {
            if (at >= driven.size() || sent[i] != driven[at])
                return QStringLiteral("sent character %1 differs from the driven text").arg(i);
            ++at;
            ++i;
            continue;
        }
        if (!atEventBoundary(driven, at))
            return QStringLiteral("the \"!\" at %1 cuts a bus event short").arg(i);
        ++i;
        const qsizetype next = sent.indexOf('!', i);
        const QByteArray piece = sent.mid(i, next < 0 ? -1 : next - i);
        if (piece.isEmpty() && next < 0)
            return {};  // dropped up to the end of the traffic
        if (piece.isEmpty())
            return QStringLiteral("two \"!\" at %1 with nothing between").arg(i - 1);
        qsizetype resumed = driven.indexOf(piece, at + 1);
        while (resumed >= 0 && driven[resumed] != 's' && driven[resumed] != 'r')
            resumed = driven.indexOf(piece, resumed + 1);
        if (resumed < 0)
            return QStringLiteral("after the \"!\" at %1 no START of the driven text follows").arg(i - 1);
        at = resumed;
    }
    if (at != driven.size())
        return QStringLiteral("the driven text's end is missing: %1 of %2 sent").arg(at).arg(driven.size());
    return {};
}

// The transactions of a probe's text, each from its START (or a "!") to the next.
QList<QByteArray> transactionsIn(const QByteArray& text)
{
    QList<QByteArray> transactions;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype next = i + 1;
        while (next < text.size() && text[next] != 's' && text[next] != '!')
            ++next;
        transactions << text.mid(i, next - i);
        i = next;
    }
    return transactions;
}

// Drives a second of this traffic back to back, more than three times what the line carries.
QByteArray overload(BusDriver& bus, const std::function<QByteArray()>& next)
{
    QByteArray driven;
    const std::uint64_t second = bus.now() + ProbeEmulator::kFrequency;
    while (bus.now() < second) {
        const QByteArray transaction = next();
        bus.drive(transaction.toStdString());
        driven += transaction;
    }
    return driven;
}

}  // namespace

class TstProbeFirmware : public QObject {
    Q_OBJECT
private slots:
    void drivenTextComesBack_data();
    void drivenTextComesBack();
    void trafficInBursts_data();
    void trafficInBursts();
    void fasterBusIsMarkedNeverMistaken_data();
    void fasterBusIsMarkedNeverMistaken();
    void joinedMidTransactionStartsAtTheNextStart();
    void overloadDropsWholeTransactions();
    void overloadOfChainedRepeatedStartsEnds();
    void lossAtTheEndOfABurstIsReportedInTheQuiet();
    void sustainedLoadBelowTheLineRateIsExact();

private:
    std::unique_ptr<ProbeEmulator> bootedChip();
};

std::unique_ptr<ProbeEmulator> TstProbeFirmware::bootedChip()
{
    auto chip = std::make_unique<ProbeEmulator>(WIRELARK_FIRMWARE_ELF);
    chip->runUntil(static_cast<std::uint64_t>(kBootMicroseconds * 16));
    return chip;
}

void TstProbeFirmware::drivenTextComesBack_data()
{
    QTest::addColumn<QString>("timing");
    QTest::addColumn<double>("hertz");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QByteArray longRead = "sA0a00arA1a";
    for (int i = 0; i < 63; ++i)
        longRead += QByteArray::number((i * 37) & 0xff, 16).rightJustified(2, '0').toUpper() + 'a';
    longRead += "FFnp";
    for (const char* timing : {"even", "minimum"}) {
        const auto row = [timing](const char* name, const QByteArray& text) {
            QTest::addRow("%s, %s", name, timing)
                << QString(timing) << 100000.0 << text << QByteArray::fromStdString(expectedProbeText(text.toStdString()));
        };
        row("address NACKed", "sA0np");
        row("repeated START", "s90a00ar91a19a80np");
        row("STOP right after START", "sps90a00ap");
        row("64-byte read", longRead);
        row("0x00 and 0xFF", "s00a00aFFa00aFFnpsFFnp");
        row("general call", "s00a06ap");
        // A START or STOP after 1 to 7 bits of a byte: "?". After all 8, the clock that sets
        // up the condition is the byte's ninth: a repeated START's (SDA high) reads as a NACK,
        // a STOP's (SDA low) as an ACK, as a master that sent the whole byte would have it.
        for (int bits = 1; bits <= 7; ++bits) {
            const QByteArray cut = "~" + QByteArray::number(bits);
            row(qPrintable(QStringLiteral("START after %1 bits").arg(bits)), "sA0a00a" + cut + "rA1a55np");
            row(qPrintable(QStringLiteral("STOP after %1 bits").arg(bits)), "sA0a" + cut + "psA0np");
        }
        QTest::addRow("START after 8 bits, %s", timing)
            << QString(timing) << 100000.0 << QByteArray("sA0a00a~8rA1a55np") << QByteArray("sA0a00aFFnrA1a55np");
        QTest::addRow("STOP after 8 bits, %s", timing)
            << QString(timing) << 100000.0 << QByteArray("sA0a~8psA0np") << QByteArray("sA0aFFapsA0np");
    }
}

void TstProbeFirmware::drivenTextComesBack()
{
    QFETCH(QString, timing);
    QFETCH(double, hertz);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    auto chip = bootedChip();
    BusDriver bus(*chip, timingOf(timing, hertz, 0));
    bus.drive(text.toStdString());
    bus.drain(1e6);
    QCOMPARE(QByteArray::fromStdString(chip->takeSent()), expected);
}

void TstProbeFirmware::trafficInBursts_data()
{
    QTest::addColumn<QString>("timing");
    QTest::addColumn<double>("hertz");
    QTest::addColumn<double>("stretch");
    QTest::addColumn<double>("jitter");
    QTest::newRow("100 kHz, 50 %") << QString("even") << 100000.0 << 0.0 << 0.0;
    QTest::newRow("100 kHz, shortest SCL high") << QString("minimum") << 100000.0 << 0.0 << 0.0;
    QTest::newRow("100 kHz, a slave stretching the clock") << QString("minimum") << 100000.0 << 37.5 << 0.0;
    // Every edge up to 1 us (16 cycles, longer than the idle loop) late: edges at every
    // phase of the firmware's loop, not always at the same one.
    QTest::newRow("100 kHz, 50 %, jittered edges") << QString("even") << 100000.0 << 0.0 << 1.0;
    QTest::newRow("100 kHz, shortest SCL high, jittered edges") << QString("minimum") << 100000.0 << 0.0 << 1.0;
    // Above standard mode, as far as the firmware is shown to take it (docs/probe.md).
    QTest::newRow("120 kHz, 50 %") << QString("even") << 120000.0 << 0.0 << 0.0;
}

// The simulated probe's kinds of traffic (temperature, EEPROM and clock reads and writes),
// five transactions back to back, then a pause in which the line carries them.
void TstProbeFirmware::trafficInBursts()
{
    QFETCH(QString, timing);
    QFETCH(double, hertz);
    QFETCH(double, stretch);
    QFETCH(double, jitter);
    auto chip = bootedChip();
    BusTiming busTiming = timingOf(timing, hertz, stretch);
    busTiming.jitter = jitter;
    BusDriver bus(*chip, busTiming);
    QByteArray driven;
    const QList<QByteArray> transactions = transactionsOf(7, 60);
    for (int i = 0; i < transactions.size(); ++i) {
        bus.drive(transactions[i].toStdString());
        driven += transactions[i];
        if (i % 5 == 4)
            bus.wait(40000);
    }
    bus.drain(1e6);
    QCOMPARE(QByteArray::fromStdString(chip->takeSent()), driven);
}

void TstProbeFirmware::fasterBusIsMarkedNeverMistaken_data()
{
    QTest::addColumn<QString>("timing");
    QTest::addColumn<double>("hertz");
    QTest::addColumn<double>("jitter");
    for (const double hertz : {150000.0, 250000.0, 400000.0}) {
        for (const char* timing : {"even", "minimum"}) {
            for (const double jitter : {0.0, 0.5}) {
                QTest::addRow("%.0f kHz, %s%s", hertz / 1000, timing, jitter > 0 ? ", jittered edges" : "")
                    << QString(timing) << hertz << jitter;
            }
        }
    }
}

// Beyond what it follows, the probe may lose what happened on the bus, but every transaction
// it sends without a "?" or "!" must be one that was driven, in the driven order.
void TstProbeFirmware::fasterBusIsMarkedNeverMistaken()
{
    QFETCH(QString, timing);
    QFETCH(double, hertz);
    QFETCH(double, jitter);
    auto chip = bootedChip();
    BusTiming busTiming = timingOf(timing, hertz, 0);
    busTiming.jitter = jitter;
    BusDriver bus(*chip, busTiming);
    const QList<QByteArray> driven = transactionsOf(9, 200);
    for (int i = 0; i < driven.size(); ++i) {
        bus.drive(driven[i].toStdString());
        if (i % 5 == 4)
            bus.wait(30000);
    }
    bus.drain(1e6);
    const QList<QByteArray> sent = transactionsIn(QByteArray::fromStdString(chip->takeSent()));
    qsizetype next = 0;
    int unmarked = 0;
    for (const QByteArray& transaction : sent) {
        if (transaction.contains('?') || transaction.contains('!'))
            continue;
        ++unmarked;
        const qsizetype at = driven.indexOf(transaction, next);
        QVERIFY2(at >= 0, qPrintable(QStringLiteral("sent without a mark, never driven: %1").arg(QString::fromLatin1(transaction))));
        next = at + 1;
    }
    qInfo("%d of %d transactions sent unmarked", unmarked, int(driven.size()));
}

// A probe plugged into a running bus: what it saw of the transaction going on is not sent;
// it begins with the next START.
void TstProbeFirmware::joinedMidTransactionStartsAtTheNextStart()
{
    ProbeEmulator chip(WIRELARK_FIRMWARE_ELF);
    BusDriver bus(chip, BusTiming::evenClock(100000));
    bus.joinMidTransaction();
    bus.drive("00aFFa00aFFa00aFFa00aFFa00aFFa00aFFa00aFFa00aFFap");
    bus.drive("s90a00ar91a19a80np");
    bus.drain(1e6);
    QCOMPARE(QByteArray::fromStdString(chip.takeSent()), QByteArray("s90a00ar91a19a80np"));
}

// A second of a fully loaded 100 kHz bus, about three times what the line carries: the ring
// absorbs what it can, then drops the rest of a transaction and whole ones after it behind a
// "!", and sends on from a later START.
void TstProbeFirmware::overloadDropsWholeTransactions()
{
    auto chip = bootedChip();
    BusDriver bus(*chip, BusTiming::evenClock(100000));
    ProbeTraffic traffic(11);
    QByteArray driven = overload(bus, [&traffic] { return traffic.nextTransaction(); });
    // Then a quiet bus with a transaction now and then: the ring empties, all of them come.
    for (int i = 0; i < 5; ++i) {
        bus.wait(200000);
        const QByteArray transaction = traffic.nextTransaction();
        bus.drive(transaction.toStdString());
        driven += transaction;
    }
    bus.drain(2e6);
    const QByteArray sent = QByteArray::fromStdString(chip->takeSent());
    QVERIFY2(driven.size() > 2.5 * kLineCharactersPerSecond, "the bus was not loaded beyond the line");
    QVERIFY(sent.count('!') > 0);
    const QString why = droppedOnlyWhole(driven, sent);
    QVERIFY2(why.isEmpty(), qPrintable(why));
}

// A master that chains its transactions with repeated STARTs and never sends a STOP: dropping
// ends at a repeated START once there is room, so the probe sends on under overload.
void TstProbeFirmware::overloadOfChainedRepeatedStartsEnds()
{
    auto chip = bootedChip();
    BusDriver bus(*chip, BusTiming::minimumHigh(100000));
    ProbeTraffic traffic(13);
    bool first = true;
    QByteArray driven = overload(bus, [&] {
        QByteArray transaction = traffic.nextTransaction();
        transaction.chop(1);  // its STOP
        if (!first)
            transaction[0] = 'r';
        first = false;
        return transaction;
    });
    bus.drive("p");
    driven += 'p';
    bus.drain(2e6);
    const QByteArray sent = QByteArray::fromStdString(chip->takeSent());
    QVERIFY(sent.count('!') > 1);
    const QString why = droppedOnlyWhole(driven, sent);
    QVERIFY2(why.isEmpty(), qPrintable(why));
}

// Dropping until the bus goes quiet: the "!" reaches the host as soon as what came before it
// has gone, not with a next transaction that may never come.
void TstProbeFirmware::lossAtTheEndOfABurstIsReportedInTheQuiet()
{
    auto chip = bootedChip();
    BusDriver bus(*chip, BusTiming::evenClock(100000));
    // Reads longer than the room that dropping waits for: the burst ends in a drop.
    QByteArray longRead = "sA0a00arA1a";
    for (int i = 0; i < 128; ++i)
        longRead += "5Aa";
    longRead += "A5np";
    const QByteArray driven = overload(bus, [&longRead] { return longRead; });
    const std::uint64_t quietFrom = bus.now();
    bus.drain(2e6);
    const QByteArray sent = QByteArray::fromStdString(chip->takeSent());
    QVERIFY2(sent.endsWith('!'), sent.right(40).constData());
    const QString why = droppedOnlyWhole(driven, sent);
    QVERIFY2(why.isEmpty(), qPrintable(why));
    // The ring (1 KiB) has drained by this; the "!" goes at most 10 ms later.
    const std::uint64_t drained = quietFrom + kRingSize * ProbeEmulator::kCyclesPerCharacter;
    QVERIFY(chip->lastSentCycle() <= drained + ProbeEmulator::kFrequency / 100);
}

// Two seconds of traffic just below what the line carries: nothing is dropped.
void TstProbeFirmware::sustainedLoadBelowTheLineRateIsExact()
{
    auto chip = bootedChip();
    BusDriver bus(*chip, BusTiming::minimumHigh(100000));
    QByteArray driven;
    ProbeTraffic traffic(12);
    const std::uint64_t begin = bus.now();
    while (bus.now() - begin < 2 * ProbeEmulator::kFrequency) {
        const QByteArray transaction = traffic.nextTransaction();
        bus.drive(transaction.toStdString());
        driven += transaction;
        // At 95 % of the line rate: each transaction takes as long as the line needs for it.
        const double due = driven.size() / (0.95 * kLineCharactersPerSecond) * 1e6;
        const double spent = double(bus.now() - begin) / 16.0;
        if (due > spent)
            bus.wait(due - spent);
    }
    bus.drain(1e6);
    QCOMPARE(QByteArray::fromStdString(chip->takeSent()), driven);
}

QTEST_GUILESS_MAIN(TstProbeFirmware)
#include "tst_probe_firmware.moc"
