#include "core/search_slot.h"

#include <limits>

namespace searchslot {
namespace {

// Positions count in int, not 16 bits, so that a search string of more than 32,767 characters
// hits like any other. Only empty texts move a position past its pattern's end; there it
// stops at the largest int, beyond every pattern that can still complete.
constexpr int kLastPosition = std::numeric_limits<int>::max();

// Whether the pattern character at a 1-based position accepts a text: "?" accepts any text,
// another character exactly the one-character text equal to it. Beyond the end of the pattern
// the character is the empty text, which accepts only the empty text. Kept inline: it runs
// for every slot and every received character.
bool accepts(const QString& pattern, int position, QStringView text)
{
    if (position < 1 || position > pattern.size())
        return text.isEmpty();
    const QChar c = pattern[position - 1];
    return c == kWildcard || (text.size() == 1 && text.front() == c);
}

void rest(int& position, bool& matched, QString& buffer)
{
    position = 1;
    matched = false;
    if (!buffer.isEmpty())
        buffer.truncate(0);  // keeps its storage: no allocation per refusal
}

}  // namespace

Entry split(const QString& entry)
{
    return {entry.section(QLatin1Char(';'), 0, 0), entry.section(QLatin1Char(';'), 1, 1)};
}

bool step(const QString& pattern, int& position, bool& matched, QString& buffer, QStringView text)
{
    if (matched && position < kLastPosition)
        ++position;

    if (accepts(pattern, position, text)) {
        if (!text.isEmpty())
            buffer += text;
        matched = true;
    } else {
        rest(position, matched, buffer);
    }

    if (buffer.isEmpty() || buffer.size() != pattern.size())
        return false;
    rest(position, matched, buffer);
    return true;
}

QString hitText(const QString& comment, const QString& pattern)
{
    return comment + u'(' + pattern + u')';
}

Slots::Slots(const QList<Entry>& entries)
{
    for (const Entry& entry : entries) {
        Slot slot;
        slot.pattern = entry.pattern;
        slot.comment = entry.comment;
        slot.hitText = searchslot::hitText(entry.comment, entry.pattern);
        m_slots.push_back(std::move(slot));
    }
}

void Slots::restart()
{
    for (Slot& slot : m_slots)
        rest(slot.position, slot.matched, slot.buffer);
}

}  // namespace searchslot
