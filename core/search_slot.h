#pragma once

#include <QString>
#include <QStringView>

// What the window's matcher and the log scanner share: how a search-string entry splits into
// pattern and comment, how one slot meets one incoming text, and how a hit is written.
namespace searchslot {

// The matcher's active slots: at most this many search strings are watched at once.
constexpr int kSlotCount = 5;

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

}  // namespace searchslot
