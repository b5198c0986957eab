// The commands beside the search-string list, and the list's file Filter4.ini.
#include "app/main_window.h"
#include "autofilter/filter_file.h"

#include <QStringList>

namespace {

const QString kListTitle = QStringLiteral("Suchstrings");

QStringList entriesOf(const ListBox& list)
{
    QStringList entries;
    entries.reserve(list.ListCount());
    for (int i = 0; i < list.ListCount(); ++i)
        entries << list.List(i);
    return entries;
}

}  // namespace

void frmWirelark::cmdAddItemAutoFilter_Click()
{
    const QString answer =
        m_dialogs.InputBox(QStringLiteral("Geben Sie einen neuen AutoFilter-String ein:"));
    if (answer.isEmpty())
        return;
    // Text that Filter4.ini cannot hold would come back as a different search string (a
    // substituted "?" even as a wildcard), so it is refused rather than changed.
    const QString reason = filterfile::unstorableReason(answer);
    if (!reason.isEmpty()) {
        m_dialogs.MsgBox(QStringLiteral("Der Suchstring wurde nicht hinzugefügt.\n%1").arg(reason),
                         kExclamation, kListTitle);
        return;
    }
    lstAutoFilter->AddItem(answer);
    lstAutoFilter->SetListIndex(lstAutoFilter->ListCount() - 1);
    lstAutoFilter_Click();
}

void frmWirelark::cmdRemoveItemAutoFilter_Click()
{
    if (lstAutoFilter->ListIndex() < 0) {
        m_dialogs.MsgBox(QStringLiteral("Kein Eintrag markiert!"), kExclamation,
                         QStringLiteral("Fehler"));
        return;
    }
    lstAutoFilter->RemoveItem(lstAutoFilter->ListIndex());
    lstAutoFilter->SetListIndex(lstAutoFilter->ListCount() - 1);
    lstAutoFilter_Click();
}

void frmWirelark::cmdClearAutoFilter_Click()
{
    lstAutoFilter->Clear();
    lstAutoFilter_Click();
}

void frmWirelark::cmdReadFilter_Click()
{
    lstAutoFilter->Clear();
    const filterfile::ReadResult file = filterfile::read(filterfile::kFileName);
    if (!file.error.isEmpty())
        m_dialogs.MsgBox(QStringLiteral("Filter4.ini kann nicht gelesen werden:\n%1\n"
                                        "Die Liste der Suchstrings bleibt leer.")
                             .arg(file.error),
                         kExclamation, kListTitle);
    for (const QString& entry : file.entries)
        lstAutoFilter->AddItem(entry);
    if (lstAutoFilter->ListCount() > 0)
        lstAutoFilter->SetListIndex(lstAutoFilter->ListCount() - 1);
    lstAutoFilter_Click();
}

void frmWirelark::cmdSaveFilter_Click()
{
    saveSearchStrings();
}

bool frmWirelark::saveSearchStrings()
{
    lstAutoFilter->SetListIndex(lstAutoFilter->ListCount() - 1);
    const QString failure = filterfile::write(filterfile::kFileName, entriesOf(*lstAutoFilter));
    if (failure.isEmpty())
        return true;
    m_dialogs.MsgBox(QStringLiteral("Die Suchstrings konnten nicht in Filter4.ini gespeichert "
                                    "werden:\n%1\nDie bisherige Datei bleibt unverändert.")
                         .arg(failure),
                     kCritical, kListTitle);
    return false;
}
