#include "app/main_window.h"

frmWirelark::frmWirelark(Dialogs& dialogs, QWidget* parent) : QWidget(parent), m_dialogs(dialogs)
{
    createControls();
    setFocusOrder();
    connectHandlers();
    // The matcher's positions are 1-based; no text may meet a slot at position 0.
    FilterPos.fill(1);
}

void frmWirelark::connectHandlers()
{
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
