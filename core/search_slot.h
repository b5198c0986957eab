#pragma once

#include <QString>
#include <QStringView>
#include <QList>

#include <vector>

// What the window's matcher and the log scanner share: how a search-string entry splits into
// pattern and comment, how one slot meets one incoming text, and how a hit is written.
namespace searchslot {

// The matcher's active slots: at most this many search strings are watched at once.
constexpr int kSlotCount = 5;
// A pattern character that accepts any one character.
constexpr char16_t kWildcard = u'?';

struct Entry {
    QString pattern;
    QString comment;
};

// The pattern is the text before the first ";", the comment the text after it up to a second
// ";". An entry without ";" is all pattern; an empty entry gives an empty pattern.
Entry split(const QString& entry);

// One slot meets one incoming text (one character, or the empty text), in the matcher's
// steps: move on after an accepted text, compare with the pattern character ("?" accepts
// anything), accept or drop the attempt, then test for a hit. Returns true on a hit; the slot
// is then at rest again.
bool step(const QString& pattern, int& position, bool& matched, QString& buffer, QStringView text);

// The result line of a hit: comment, "(", pattern, ")".
QString hitText(const QString& comment, const QString& pattern);

// Slots for a list of entries, one each in the order given, all at rest at first: what a
// tool without a window runs. Every text meets every slot, once, in slot order.
class Slots {
public:
    explicit Slots(const QList<Entry>& entries);

    // The slot (index into the entries) of each hit on this text, in slot order.
    template <typename Sink>
    void feed(QStringView text, Sink&& hit)
    {
        for (std::size_t i = 0; i < m_slots.size(); ++i) {
            Slot& slot = m_slots[i];
            if (step(slot.pattern, slot.position, slot.matched, slot.buffer, text))
                hit(static_cast<int>(i));
        }
    }
    void restart();
    const QString& hitText(int slot) const { return m_slots[static_cast<std::size_t>(slot)].hitText; }
    const QString& pattern(int slot) const { return m_slots[static_cast<std::size_t>(slot)].pattern; }
    const QString& comment(int slot) const { return m_slots[static_cast<std::size_t>(slot)].comment; }

private:
    struct Slot {
        QString pattern;
        QString comment;
        QString hitText;
        int position = 1;
        bool matched = false;
        QString buffer;
    };
    std::vector<Slot> m_slots;
};

}  // namespace searchslot
