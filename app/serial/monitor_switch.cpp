// The monitor switch: cmdPortOpen opens the chosen port and closes it again.
#include "app/main_window.h"
#include "core/memory_ceiling.h"
#include "serial/line_settings.h"

namespace {

constexpr ColorValue kOn = 255;       // red button: the monitor is on
constexpr ColorValue kOff = 65280;    // green button

qint64 megabytes(qint64 bytes)
{
    return bytes >> 20;
}

// The number at the start of a chooser entry, leading blanks skipped; 0 when there is none
// or it does not fit the 8-bit value the switch holds.
quint8 portNumberOf(const QString& entry)
{
    qsizetype i = 0;
    while (i < entry.size() && entry[i] == QLatin1Char(' '))
        ++i;
    int number = 0;
    for (; i < entry.size() && entry[i].isDigit() && entry[i].unicode() < 0x80; ++i) {
        number = number * 10 + entry[i].digitValue();
        if (number > 255)
            return 0;
    }
    return static_cast<quint8>(number);
}

}  // namespace

void frmWirelark::cmdPortOpen_Click()
{
    if (cmdPortOpen->BackColor() == kOn) {
        if (!MSComm1->PortOpen())
            return;
        MSComm1->SetPortOpen(false);
        showSwitchOff();
        return;
    }

    const quint8 number = portNumberOf(cboPort->List(cboPort->ListIndex()));
    if (number == 0) {
        m_dialogs.MsgBox(QStringLiteral("Fehler! Sind eventuell keine COM-Ports vorhanden?"), kOkOnly);
        return;
    }
    bool failed = false;
    try {
        MSComm1->SetCommPort(number);
        MSComm1->SetSettings(kProbeLineSettings);
        MSComm1->SetPortOpen(true);
    } catch (const CommError&) {
        failed = true;
    }
    if (failed) {
        m_dialogs.MsgBox(QStringLiteral("Fehler! Sind eventuell keine COM-Ports vorhanden oder die "
                                        "Einstellungen falsch?"),
                         kOkOnly);
        return;
    }
    setCaptureLimit();
    cmdPortOpen->SetBackColor(kOn);
    cmdPortOpen->SetCaption(QStringLiteral("Schließen"));
    lblMonitor->SetBackColor(kOff);
    lblMonitor->SetCaption(QStringLiteral("Monitor aktiv"));
    try {
        MSComm1->SetRThreshold(1);
        MSComm1->SetSThreshold(1);
        MSComm1->SetInputLen(1);
    } catch (const CommError&) {
        // The receive parameters cannot fail on an open port; nothing to undo if they did.
    }
}

void frmWirelark::showSwitchOff()
{
    cmdPortOpen->SetBackColor(kOff);
    cmdPortOpen->SetCaption(QStringLiteral("Öffnen"));
    lblMonitor->SetBackColor(kOn);
    lblMonitor->SetCaption(QStringLiteral("Monitor inaktiv"));
}

void frmWirelark::portLost()
{
    // With the port gone a click on "Schließen" would do nothing for ever: back to the off look.
    showSwitchOff();
    m_dialogs.MsgBox(QStringLiteral("Die Verbindung zu COM%1 ist abgebrochen (Gerät entfernt?).\n"
                                    "Der Monitor ist ausgeschaltet.")
                         .arg(MSComm1->CommPort()),
                     kExclamation, QStringLiteral("COM-Port"));
}

void frmWirelark::setCaptureLimit()
{
    QString problem;
    m_captureLimit = memoryceiling::captureLimit(captureMemory(), memoryceiling::systemMemory(),
                                                 qEnvironmentVariable(memoryceiling::kVariable), &problem);
    if (!problem.isEmpty())
        qWarning("%s", qPrintable(problem));
}

qint64 frmWirelark::captureMemory() const
{
    return lstMonitor->memoryUse() + lstResult->memoryUse();
}

bool frmWirelark::captureIsFull() const
{
    return captureMemory() >= m_captureLimit;
}

void frmWirelark::stopFullCapture()
{
    MSComm1->SetPortOpen(false);
    showSwitchOff();
    m_dialogs.MsgBox(QStringLiteral("Der Monitor ist voll: %1 MB belegt, Grenze %2 MB.\n"
                                    "Der Monitor ist ausgeschaltet. Alles Empfangene ist noch da und kann "
                                    "mit \"Save\" gespeichert werden; \"Clear\" gibt den Speicher frei.")
                         .arg(megabytes(captureMemory()))
                         .arg(megabytes(m_captureLimit)),
                     kExclamation, QStringLiteral("Monitor"));
}
