#pragma once

#include <QtGlobal>

#include <unordered_map>

class ListBox;
class QAccessibleInterface;
class QObject;

// The accessible interfaces of a list box's entries: one per entry a screen reader asked
// for, made when it asks, so that a long capture costs nothing here.
class AccessibleRows {
public:
    explicit AccessibleRows(ListBox& list) : m_list(list) {}
    AccessibleRows(const AccessibleRows&) = delete;
    AccessibleRows& operator=(const AccessibleRows&) = delete;
    ~AccessibleRows();

    QAccessibleInterface* row(int row) const;
    // The entry of an interface handed out here; -1 for any other.
    int indexOf(const QAccessibleInterface* row) const;
    // Entries moved or went away: interfaces handed out for them are withdrawn.
    void forget();
    // Tells screen readers of an event (QAccessible::Event) on an entry.
    void tell(int event, int row) const;

private:
    ListBox& m_list;
    mutable std::unordered_map<int, unsigned> m_ids;  // entry -> QAccessible::Id
};

// The accessible interface of a list box (for the accessibility factory): role List, its
// entries as ListItem children, their selection readable and settable as table rows.
QAccessibleInterface* accessibleListBox(QObject* object);
