// The receive handler: every event of the serial-port component reaches line assembly.
#include "app/main_window.h"

void frmWirelark::MSComm1_OnComm()
{
    const int code = MSComm1->CommEvent();
    if (code == comEventOverrun || code == comEventRxOver) {
        // Lost input: the characters are gone, the monitor goes on with the next one.
        m_dialogs.MsgBox(QStringLiteral("Datenverlust!"), kOkOnly);
        return;
    }
    QString text;
    if (code == comEvReceive)
        text = MSComm1->Input();
    AddChar(text);
    // Before memory runs out: everything received stays there to be saved.
    if (captureIsFull())
        stopFullCapture();
}
