// Start-up and exit: the program's life is the life of its one window.
#include "app/main_window.h"

bool frmWirelark::Load()
{
    Form_Load();
    if (m_unloaded)
        return false;
    show();
    return true;
}

void frmWirelark::Form_Load()
{
    FillPortList();
    if (m_unloaded)
        return;  // no usable port: the Exit command has ended the program
    cmdReadFilter_Click();
    m_searchStringsRead = true;
    FilterPos.fill(1);
}

void frmWirelark::cmdClose_Click()
{
    // A save that fails or is refused keeps the window open, so that the list the user built
    // is not lost with it; the message has said why.
    if (!saveSearchStringsOnExit())
        return;
    if (MSComm1->PortOpen())
        MSComm1->SetPortOpen(false);
    Unload();
}

void frmWirelark::Unload()
{
    m_unloaded = true;
    close();
}
