#pragma once

#include "core/line_store.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The entries of a list box with their selection and current entry: the operations the
// window's logic calls, with their rules, and nothing that draws. Counts and indexes start
// at 0; -1 stands for no entry. They are 64-bit: a monitor left running for weeks passes
// 2^31 lines. A view shows them and is told of every change.
//
// Finished entries are kept compactly, one byte per character in the program's code page;
// the last entry, which grows with every received character and is read back at once, is
// kept as text until the next entry follows.
class ListEntries {
public:
    enum class SelectionKind {
        Single,  // one selected entry, the current one
        Simple,  // each click or space bar toggles one entry, no Ctrl or Shift needed
    };

    // What a view of the entries is told, as it happens.
    class Observer {
    public:
        virtual ~Observer() = default;
        // Entries from firstRow on were changed, added or removed.
        virtual void entriesChanged(qint64 firstRow) = 0;
        // Entries moved or went away: anything kept per row is stale.
        virtual void entriesRenumbered() = 0;
        // The logic set ListIndex (also when an entry before it went away).
        virtual void listIndexSet() = 0;
        // An entry's selected state changed; told before the change's caller returns.
        virtual void selectionChanged(qint64 row, bool selected) = 0;
    };

    explicit ListEntries(SelectionKind kind, Observer* observer = nullptr);
    ListEntries(const ListEntries&) = delete;
    ListEntries& operator=(const ListEntries&) = delete;
    virtual ~ListEntries() = default;

    void AddItem(const QString& text);
    void RemoveItem(qint64 index);
    void Clear();
    qint64 ListCount() const;
    QString List(qint64 index) const;
    void SetList(qint64 index, const QString& text);
    qint64 ListIndex() const { return m_listIndex; }
    void SetListIndex(qint64 index);
    bool Selected(qint64 index) const;
    void SetSelected(qint64 index, bool selected);
    qint64 SelCount() const;

    SelectionKind selectionKind() const { return m_kind; }
    // The user moved the current entry (arrow keys, a click): no listIndexSet is told.
    void moveCurrentByUser(qint64 row);
    // A click or the space bar on an entry of a simple list: its selected state flips.
    void toggle(qint64 row);
    // An entry in the code page's bytes, as it is drawn.
    QByteArray lineBytes(qint64 row) const;
    // The memory the entries take, in bytes.
    qint64 memoryUse() const
    {
        return m_finished.memoryUse() + m_last.capacity() * qint64(sizeof(QChar)) + qint64(m_selected.size());
    }
    // The most characters an entry has held since the last Clear.
    qsizetype widest() const { return m_widest; }

private:
    bool hasRow(qint64 index) const { return index >= 0 && index < ListCount(); }
    void setSelectedFlag(qint64 row, bool selected);
    void widenFor(qsizetype characters);

    SelectionKind m_kind;
    Observer* m_observer;
    LineStore m_finished;          // every entry but the last
    QString m_last;                // the last entry, when there is one
    bool m_hasLast = false;
    std::vector<char> m_selected;  // Simple lists only: one flag per entry
    qint64 m_selCount = 0;
    qint64 m_listIndex = -1;
    qsizetype m_widest = 0;
};
