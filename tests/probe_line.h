#pragma once

#include "serial/line_errors.h"
#include "serial/line_settings.h"
#include "serial/port_reader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QString>
#include <QtTest>

// Whether the simulated probe's line, named in WIRELARK_TEST_PROBE_ON_COM1, is there: the
// probe is started afresh after each time it closed. Looked up in its folder, as a link to
// a terminal is no file that Wine would say exists.
inline bool probeLineIsThere()
{
    const QFileInfo link(QDir::fromNativeSeparators(qEnvironmentVariable("WIRELARK_TEST_PROBE_ON_COM1")));
    return QDir(link.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).contains(link.fileName());
}

// A device without error counters, as Wine's serial layer is.
class NoLineErrors : public LineErrorSource {
public:
    std::optional<LineErrorCounts> read(qintptr) override { return std::nullopt; }
};

// Opens COM1, waiting while the probe is being started afresh.
inline bool openCom1(PortReader& reader)
{
    constexpr qsizetype kCapacity = 1 << 20;
    const LineSettings settings = *parseLineSettings(kProbeLineSettings);
    QString why;
    QElapsedTimer waited;
    waited.start();
    while (!(why = reader.open(QStringLiteral("COM1"), settings, kCapacity)).isEmpty()) {
        if (waited.elapsed() > 20000) {
            qWarning("COM1: %s", qPrintable(why));
            return false;
        }
        QTest::qWait(20);
    }
    return true;
}

// Reads COM1 until the probe closes its line, then waits until it is there again: a test
// that begins with this sees the probe's traffic from its start, whatever a test before it
// (in this program or another) left unread.
inline bool probeAfresh()
{
    NoLineErrors noErrors;
    PortReader reader(noErrors);
    if (!openCom1(reader))
        return false;
    const bool closed = QTest::qWaitFor(
        [&] {
            const bool gone = !reader.take().goneReason.isEmpty();
            reader.setWaitingElsewhere(0);
            return gone;
        },
        60000);
    reader.close();
    return closed && QTest::qWaitFor(probeLineIsThere, 10000);
}
