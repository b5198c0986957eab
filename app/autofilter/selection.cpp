// Selecting up to five active search strings, and the two buttons that belong to it.
#include "app/main_window.h"
#include "core/search_slot.h"

namespace {

// More active slots than this the matcher does not have.
constexpr int kMaxSelected = searchslot::kSlotCount;

}  // namespace

void frmWirelark::lstAutoFilter_Click()
{
    const qint64 count = lstAutoFilter->ListCount();
    int n = 0;
    for (qint64 i = 0; i < count; ++i) {
        if (!lstAutoFilter->Selected(i))
            continue;
        SelectedFilter[static_cast<std::size_t>(n)] = lstAutoFilter->List(i);
        ++n;
        if (n == kMaxSelected + 1) {
            m_dialogs.MsgBox(QStringLiteral("Nur 5 Suchstrings erlaubt"), kExclamation,
                             QStringLiteral("Suchstrings"));
            // Runs this handler once more, nested, for the five entries that stay selected.
            lstAutoFilter->SetSelected(lstAutoFilter->ListIndex(), false);
            break;
        }
    }

    lblSelCount->SetCaption(QString::number(lstAutoFilter->SelCount()));

    const qint64 m = std::min<qint64>(lstAutoFilter->SelCount(), kMaxSelected);
    for (qint64 j = 0; j < m; ++j) {
        const searchslot::Entry entry = searchslot::split(SelectedFilter[static_cast<std::size_t>(j)]);
        FilterString[static_cast<std::size_t>(j)] = entry.pattern;
        FilterComment[static_cast<std::size_t>(j)] = entry.comment;
    }
}

void frmWirelark::cmdDeselectAll_Click()
{
    const qint64 count = lstAutoFilter->ListCount();
    for (qint64 i = 0; i < count; ++i)
        lstAutoFilter->SetSelected(i, false);
}

void frmWirelark::cmdClearResultAutoFilter_Click()
{
    lstResult->Clear();
}
