#pragma once

#include "core/search_slot.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>
#include <vector>

// Runs the window's matcher over a saved monitor log. The log holds the monitor lines, each
// followed by CR LF; those pairs are taken out, so the slots see the received characters in
// the order they came, one text per character, as they did live. A log is fed in pieces of
// any size, so memory does not grow with its length.
class LogScanner {
public:
    struct Hit {
        qint64 line;    // number of the monitor line, the first being 1 (as grep -n and editors count)
        qint64 column;  // 1-based column of the character that completed the hit
        const QString& text;  // comment, "(", pattern, ")"
    };
    using HitSink = std::function<void(const Hit&)>;
    // Each received character with its place, before the matcher meets it (for a decoder).
    using CharacterHook = std::function<void(QChar ch, qint64 line, qint64 column)>;

    // One slot per entry, in the order given (the window's slot order is list order).
    explicit LogScanner(const QList<searchslot::Entry>& entries);

    // Every slot at rest, at the start of line 1: for the next log.
    void restart();
    void setCharacterHook(CharacterHook hook) { m_characterHook = std::move(hook); }
    // The next bytes of the log; hits reach the sink in order, several on one character in
    // slot order.
    void feed(QByteArrayView bytes, const HitSink& sink);
    // The end of the log: a CR it ended with was a received character.
    void finish(const HitSink& sink);

private:
    void received(char byte, const HitSink& sink);

    searchslot::Slots m_slots;
    CharacterHook m_characterHook;
    qint64 m_line = 1;
    qint64 m_column = 0;
    bool m_carriageReturn = false;  // a CR waits: a line end if LF follows
};
