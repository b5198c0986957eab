#pragma once

#include <QtGlobal>

#include <deque>
#include <unordered_map>

class ListBox;
class QAccessibleInterface;
class QObject;

// The accessible interfaces of a list box's entries: one per entry a screen reader asked
// for, made when it asks, so that a long capture costs nothing here. Only the latest few
// hundred are kept: a reader that follows the newest lines of a capture for days would
// otherwise fill the registry (and every table behind it) with one interface per line.
class AccessibleRows {
public:
    explicit AccessibleRows(ListBox& list) : m_list(list) {}
    AccessibleRows(const AccessibleRows&) = delete;
    AccessibleRows& operator=(const AccessibleRows&) = delete;
    ~AccessibleRows();

    // Assistive tools count children in int: past 2^31 entries they are offered the newest
    // 2^31 - 1, the entry at index 0 being the one given here.
    qint64 firstOffered() const;
    int indexOfRow(qint64 row) const;  // -1 for an entry not offered

    QAccessibleInterface* row(qint64 row) const;
    // The entry of an interface handed out here; -1 for any other.
    qint64 rowOf(const QAccessibleInterface* row) const;
    // Entries moved or went away: interfaces handed out for them are withdrawn.
    void forget();
    // Tells screen readers of an event (QAccessible::Event) on an entry.
    void tell(int event, qint64 row) const;

private:
    // More than a screen shows many times over, so that what a reader just walked through
    // keeps its interfaces.
    static constexpr std::size_t kKeptRows = 512;
    void forgetOldest() const;

    ListBox& m_list;
    mutable std::unordered_map<qint64, unsigned> m_ids;  // entry -> QAccessible::Id
    mutable std::deque<qint64> m_made;                   // entries of m_ids, oldest first
};

// The accessible interface of a list box (for the accessibility factory): role List, its
// entries as ListItem children, their selection readable and settable as table rows.
QAccessibleInterface* accessibleListBox(QObject* object);
