// The streaming matcher: every received text meets the active slots, once, in slot order.
#include "app/main_window.h"
#include "core/search_slot.h"

void frmWirelark::RunAutoFilter(const QString& text)
{
    const qint64 n = std::min<qint64>(lstAutoFilter->SelCount(), searchslot::kSlotCount);
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
        const bool hit = searchslot::step(FilterString[i], FilterPos[i], FilterMatched[i],
                                          FilterBuffer[i], text);
        if (!hit)
            continue;
        // The hit goes into the last result line, and an empty line follows it.
        const QString line = searchslot::hitText(FilterComment[i], FilterString[i]);
        const qint64 last = lstResult->ListCount() - 1;
        if (last < 0)
            lstResult->AddItem(line);  // the first hit on an empty list is its first line
        else
            lstResult->SetList(last, lstResult->List(last) + line);
        lstResult->AddItem(QString());
    }
}
