#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>

// Whether the simulated probe's line, named in WIRELARK_TEST_PROBE_ON_COM1, is there: the
// probe is started afresh after each time it closed. Looked up in its folder, as a link to
// a terminal is no file that Wine would say exists.
inline bool probeLineIsThere()
{
    const QFileInfo link(QDir::fromNativeSeparators(qEnvironmentVariable("WIRELARK_TEST_PROBE_ON_COM1")));
    return QDir(link.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).contains(link.fileName());
}
