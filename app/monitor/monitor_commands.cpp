// The commands on the monitor list: New Line, Clear, and Save to a log file.
#include "app/main_window.h"
#include "core/log_file.h"

void frmWirelark::cmdNewLine_Click()
{
    lstMonitor->AddItem(QString());
    lstMonitor->SetListIndex(lstMonitor->ListCount() - 1);
}

void frmWirelark::cmdClear_Click()
{
    lstMonitor->Clear();
}

void frmWirelark::cmdSaveMon_Click()
{
    if (lstMonitor->ListCount() <= 0) {
        m_dialogs.MsgBox(QStringLiteral("Nothing to save."), kExclamation, QStringLiteral("Info"));
        return;
    }

    CommonDialog1.Filter = QStringLiteral("Monitor Log Files (*.log)|*.log");
    CommonDialog1.FilterIndex = 1;
    CommonDialog1.CancelError = true;
    if (!CommonDialog1.ShowSave())
        return;  // cancelled: nothing written, nothing shown

    const QString fileName = CommonDialog1.FileName;
    if (fileName.isEmpty())
        return;

    // A capture that silently failed to save would be believed saved: say so, with the reason.
    LogFile file;
    const auto failed = [&] {
        m_dialogs.MsgBox(QStringLiteral("Die Monitordaten konnten nicht gespeichert werden:\n%1\n%2")
                             .arg(fileName, file.errorString()),
                         kCritical);
    };
    if (!file.create(fileName)) {
        failed();
        return;
    }
    const qint64 count = lstMonitor->ListCount();
    for (qint64 i = 0; i < count; ++i) {
        if (!file.writeLine(lstMonitor->List(i))) {
            file.close();
            failed();
            return;
        }
    }
    if (!file.close())
        failed();
}
