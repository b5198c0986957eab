#include "app/main_window.h"

frmWirelark::frmWirelark(Dialogs& dialogs, std::unique_ptr<MSComm> port, QWidget* parent)
    : QWidget(parent),
      m_dialogs(dialogs),
      MSComm1(port ? port.release() : new MSComm),
      CommonDialog1(dialogs)
{
    FilterPos.fill(1);
    MSComm1->setParent(this);
    MSComm1->setObjectName(QStringLiteral("MSComm1"));
    // Steady input is taken with the screen's refresh, whose timer then comes due together
    // with the taking: one wake-up of the window for both.
    MSComm1->setGathering(ScreenRefresh::kIntervalMs);
    createControls();
    setFocusOrder();
    connectHandlers();
}

void frmWirelark::connectHandlers()
{
    connect(cmdClose, &QPushButton::clicked, this, &frmWirelark::cmdClose_Click);
    connect(cmdPortOpen, &QPushButton::clicked, this, &frmWirelark::cmdPortOpen_Click);
    connect(MSComm1, &MSComm::OnComm, this, &frmWirelark::MSComm1_OnComm);
    connect(MSComm1, &MSComm::PortLost, this, &frmWirelark::portLost);
    connect(cmdClear, &QPushButton::clicked, this, &frmWirelark::cmdClear_Click);
    connect(cmdNewLine, &QPushButton::clicked, this, &frmWirelark::cmdNewLine_Click);
    connect(cmdSaveMon, &QPushButton::clicked, this, &frmWirelark::cmdSaveMon_Click);
    connect(lstAutoFilter, &ListBox::Click, this, &frmWirelark::lstAutoFilter_Click);
    connect(cmdDeselectAll, &QPushButton::clicked, this, &frmWirelark::cmdDeselectAll_Click);
    connect(cmdClearResultAutoFilter, &QPushButton::clicked, this,
            &frmWirelark::cmdClearResultAutoFilter_Click);
    connect(cmdAddItemAutoFilter, &QPushButton::clicked, this,
            &frmWirelark::cmdAddItemAutoFilter_Click);
    connect(cmdRemoveItemAutoFilter, &QPushButton::clicked, this,
            &frmWirelark::cmdRemoveItemAutoFilter_Click);
    connect(cmdClearAutoFilter, &QPushButton::clicked, this, &frmWirelark::cmdClearAutoFilter_Click);
    connect(cmdReadFilter, &QPushButton::clicked, this, &frmWirelark::cmdReadFilter_Click);
    connect(cmdSaveFilter, &QPushButton::clicked, this, &frmWirelark::cmdSaveFilter_Click);
}
