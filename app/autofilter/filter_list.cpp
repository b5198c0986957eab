// The commands beside the search-string list, and the list's file Filter4.ini.
#include "app/main_window.h"
#include "core/filter_file.h"

#include <QStringList>

namespace {

const QString kListTitle = QStringLiteral("Suchstrings");

QStringList entriesOf(const ListBox& list)
{
    QStringList entries;
    entries.reserve(list.ListCount());
    for (qint64 i = 0; i < list.ListCount(); ++i)
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
    m_filterFileUnread = !file.error.isEmpty();
    if (m_filterFileUnread)
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
    const filterfile::WriteResult saved = filterfile::write(filterfile::kFileName, entriesOf(*lstAutoFilter));
    if (saved.error.isEmpty()) {
        m_filterFileUnread = false;  // the file now holds what the list holds
        return true;
    }
    const QString outcome = saved.oldFileKept
                                ? QStringLiteral("Die bisherige Datei bleibt unverändert.")
                                : QStringLiteral("Die Datei ist unvollständig; die Suchstrings in der "
                                                 "Liste sind erhalten.");
    m_dialogs.MsgBox(QStringLiteral("Die Suchstrings konnten nicht in Filter4.ini gespeichert "
                                    "werden:\n%1\n%2")
                         .arg(saved.error, outcome),
                     kCritical, kListTitle);
    return false;
}

bool frmWirelark::saveSearchStringsOnExit()
{
    // Before the start-up read the list holds nothing of Filter4.ini: saving it would wipe
    // the stored search strings.
    if (!m_searchStringsRead)
        return true;
    if (!m_filterFileUnread)
        return saveSearchStrings();
    // A file that could not be read may hold search strings we have never seen: Exit leaves
    // it alone. Entries the user has added since would be lost, so Exit asks for the
    // explicit Save instead, which replaces the file.
    if (lstAutoFilter->ListCount() == 0)
        return true;
    m_dialogs.MsgBox(QStringLiteral("Filter4.ini konnte nicht gelesen werden und wird beim Beenden "
                                    "nicht überschrieben.\nDie Suchstrings in der Liste sind nicht "
                                    "gespeichert: \u201ESave\u201C ersetzt die Datei durch sie, "
                                    "Schließen über die Titelleiste verwirft sie."),
                     kExclamation, kListTitle);
    return false;
}
