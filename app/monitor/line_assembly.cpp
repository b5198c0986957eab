// Line assembly: received text becomes monitor lines, and passes the matcher on the way.
#include "app/main_window.h"
#include "core/line_assembly.h"

void frmWirelark::AddChar(const QString& ch)
{
    const QString text = ch;

    const bool stop = lineassembly::isStop(text, chkCRLF->Value() == 1);

    qint64 n = lstMonitor->ListCount();
    if (n == 0) {
        // Text on an empty list (after start-up or Clear) begins its first line.
        lstMonitor->AddItem(QString());
        n = 1;
    }
    lstMonitor->SetList(n - 1, lstMonitor->List(n - 1) + text);

    RunAutoFilter(QString(text));

    n = lstMonitor->ListCount();
    if (lineassembly::isOverLimit(lstMonitor->List(n - 1).size()))
        lstMonitor->AddItem(QString());

    if (stop)
        lstMonitor->AddItem(QString());

    lstMonitor->SetListIndex(lstMonitor->ListCount() - 1);

    ShowListIndex();
}

void frmWirelark::ShowListIndex()
{
    lblListIndexMonitor->SetCaption(lstMonitor->ListIndex());
}
