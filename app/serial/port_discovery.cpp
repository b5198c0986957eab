// Port discovery: which of COM1 to COM15 can be opened, listed in the port chooser.
#include "app/main_window.h"

namespace {

// The probe's ports are COM1 to COM15; higher numbers are never tried.
constexpr qint16 kLastPortNumber = 15;

}  // namespace

bool frmWirelark::PortTest(qint16& COMPortNummer)
{
    MSComm1->SetCommPort(COMPortNummer);
    bool failed = false;
    try {
        MSComm1->SetPortOpen(true);
    } catch (const CommError&) {
        failed = true;
    }
    try {
        MSComm1->SetPortOpen(false);
    } catch (const CommError&) {
        // A port that never opened may refuse to close; that changes nothing.
    }
    return !failed;
}

void frmWirelark::FillPortList()
{
    cboPort->Clear();
    for (qint16 number = 1; number <= kLastPortNumber; ++number) {
        if (PortTest(number))
            cboPort->AddItem(QStringLiteral(" ") + QString::number(number));
    }
    if (cboPort->ListCount() == 0) {
        m_dialogs.MsgBox(QStringLiteral("Kein COM-Port verfügbar"), kCritical,
                         QStringLiteral("COM-Port"));
        cmdClose_Click();
        return;
    }
    cboPort->SetListIndex(0);
}
