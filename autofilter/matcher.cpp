// The streaming matcher: every received text meets the active slots, once, in slot order.
#include "app/main_window.h"

#include <QStringView>

#include <limits>

namespace {

constexpr int kSlotCount = 5;
constexpr QStringView kWildcard = u"?";

// Positions count in int, not 16 bits, so that a search string of more than 32,767 characters
// hits like any other. Only empty texts move a position past its pattern's end; there it
// stops at the largest int, beyond every pattern that can still complete.
constexpr int kLastPosition = std::numeric_limits<int>::max();

// The one pattern character at a 1-based position; empty beyond the end of the pattern.
QStringView patternCharAt(const QString& pattern, int position)
{
    if (position < 1 || position > pattern.size())
        return {};
    return QStringView(pattern).mid(position - 1, 1);
}

}  // namespace

void frmWirelark::RunAutoFilter(const QString& text)
{
    const int n = std::min(lstAutoFilter->SelCount(), kSlotCount);
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
        if (FilterMatched[i] && FilterPos[i] < kLastPosition)
            ++FilterPos[i];

        const QStringView c = patternCharAt(FilterString[i], FilterPos[i]);
        if (c == text || c == kWildcard) {
            FilterBuffer[i] += text;
            FilterMatched[i] = true;
        } else {
            FilterPos[i] = 1;
            FilterMatched[i] = false;
            FilterBuffer[i].truncate(0);  // keeps its storage: no allocation per refusal
        }

        if (!FilterBuffer[i].isEmpty() && FilterBuffer[i].size() == FilterString[i].size()) {
            const QString hit = FilterComment[i] + u'(' + FilterString[i] + u')';
            const int last = lstResult->ListCount() - 1;
            if (last < 0)
                lstResult->AddItem(hit);  // the first hit on an empty list is its first line
            else
                lstResult->SetList(last, lstResult->List(last) + hit);
            lstResult->AddItem(QString());
            FilterBuffer[i].truncate(0);
            FilterPos[i] = 1;
            FilterMatched[i] = false;
        }
    }
}
