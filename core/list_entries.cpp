#include "core/list_entries.h"

#include "core/code_page.h"

#include <algorithm>

namespace {

QByteArray toLine(const QString& text)
{
    QByteArray bytes;
    codepage::appendBytes(text, &bytes);
    return bytes;
}

// Entries without a view are told to no one.
class NoObserver : public ListEntries::Observer {
public:
    void entriesChanged(qint64) override {}
    void entriesRenumbered() override {}
    void listIndexSet() override {}
    void selectionChanged(qint64, bool) override {}
};

ListEntries::Observer* noObserver()
{
    static NoObserver none;
    return &none;
}

}  // namespace

ListEntries::ListEntries(SelectionKind kind, Observer* observer)
    : m_kind(kind), m_observer(observer ? observer : noObserver())
{
}

void ListEntries::AddItem(const QString& text)
{
    if (m_hasLast)
        m_finished.append(toLine(m_last));
    m_last = text;
    m_hasLast = true;
    if (m_kind == SelectionKind::Simple)
        m_selected.push_back(0);
    widenFor(text.size());
    m_observer->entriesChanged(ListCount() - 1);
}

void ListEntries::RemoveItem(qint64 index)
{
    if (!hasRow(index))
        return;
    if (index == ListCount() - 1) {
        // The entry before becomes the last one.
        const qint64 before = index - 1;
        m_last = before >= 0 ? codepage::toText(m_finished.line(before)) : QString();
        m_hasLast = before >= 0;
        if (before >= 0)
            m_finished.remove(before);
    } else {
        m_finished.remove(index);
    }
    if (m_kind == SelectionKind::Simple) {
        m_selCount -= m_selected[static_cast<std::size_t>(index)];
        m_selected.erase(m_selected.begin() + static_cast<std::ptrdiff_t>(index));
    }
    if (m_listIndex == index)
        m_listIndex = -1;
    else if (m_listIndex > index)
        --m_listIndex;
    m_observer->entriesRenumbered();
    m_observer->listIndexSet();
    m_observer->entriesChanged(index);
}

void ListEntries::Clear()
{
    m_finished.clear();
    m_last = QString();
    m_hasLast = false;
    std::vector<char>().swap(m_selected);  // gives the memory back
    m_selCount = 0;
    m_listIndex = -1;
    m_widest = 0;
    m_observer->entriesRenumbered();
    m_observer->listIndexSet();
    m_observer->entriesChanged(0);
}

qint64 ListEntries::ListCount() const
{
    return m_finished.count() + (m_hasLast ? 1 : 0);
}

QString ListEntries::List(qint64 index) const
{
    if (!hasRow(index))
        return {};
    if (index == ListCount() - 1)
        return m_last;
    return codepage::toText(m_finished.line(index));
}

void ListEntries::SetList(qint64 index, const QString& text)
{
    if (!hasRow(index))
        return;
    if (index == ListCount() - 1)
        m_last = text;
    else
        m_finished.replace(index, toLine(text));
    widenFor(text.size());
    m_observer->entriesChanged(index);
}

void ListEntries::SetListIndex(qint64 index)
{
    m_listIndex = hasRow(index) ? index : -1;
    m_observer->listIndexSet();
}

bool ListEntries::Selected(qint64 index) const
{
    if (!hasRow(index))
        return false;
    if (m_kind == SelectionKind::Single)
        return index == m_listIndex;
    return m_selected[static_cast<std::size_t>(index)] != 0;
}

void ListEntries::SetSelected(qint64 index, bool selected)
{
    if (!hasRow(index) || Selected(index) == selected)
        return;
    if (m_kind == SelectionKind::Single) {
        SetListIndex(selected ? index : -1);
        return;
    }
    setSelectedFlag(index, selected);
}

qint64 ListEntries::SelCount() const
{
    if (m_kind == SelectionKind::Single)
        return m_listIndex >= 0 ? 1 : 0;
    return m_selCount;
}

void ListEntries::moveCurrentByUser(qint64 row)
{
    m_listIndex = hasRow(row) ? row : -1;
}

void ListEntries::toggle(qint64 row)
{
    if (m_kind == SelectionKind::Simple && hasRow(row))
        setSelectedFlag(row, !Selected(row));
}

QByteArray ListEntries::lineBytes(qint64 row) const
{
    if (!hasRow(row))
        return {};
    if (row == ListCount() - 1)
        return toLine(m_last);
    return m_finished.line(row);
}

void ListEntries::setSelectedFlag(qint64 row, bool selected)
{
    // Counted at each change, since the matcher asks for the count with every received character.
    m_selected[static_cast<std::size_t>(row)] = selected ? 1 : 0;
    m_selCount += selected ? 1 : -1;
    m_observer->selectionChanged(row, selected);
}

void ListEntries::widenFor(qsizetype characters)
{
    m_widest = std::max(m_widest, characters);
}
