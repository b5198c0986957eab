#include "app/list_box_accessible.h"

#include "app/list_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QScrollBar>

#include <algorithm>
#include <limits>

namespace {

// One entry as a screen reader sees it: a list item, and a cell of the list's one column.
class AccessibleRow : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    AccessibleRow(ListBox* list, qint64 row) : m_list(list), m_row(row) {}

    bool isValid() const override { return m_list && m_row < m_list->shownCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_list ? m_list->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_list); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && isValid() ? m_list->List(m_row) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = m_list->rowRect(m_row);
        return QRect(m_list->viewport()->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.selectable = true;
        state.focusable = true;
        state.selected = m_list->Selected(m_row);
        state.focused = m_list->hasFocus() && m_list->shownCurrent() == m_row;
        state.invisible = !m_list->viewport()->rect().intersects(m_list->rowRect(m_row));
        state.offscreen = state.invisible;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return isValid() && m_list->Selected(m_row); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return 0; }
    int rowIndex() const override { return m_list ? m_list->accessibleRows().indexOfRow(m_row) : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    qint64 row() const { return m_row; }

private:
    QPointer<ListBox> m_list;
    qint64 m_row;
};

// The list: its entries as children, the current one as the focused child, and the
// selection as table rows (the way Qt's own list views offer it to assistive tools).
// Selecting or deselecting a row there is a click on it, under the same rules.
class AccessibleList : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit AccessibleList(ListBox* list) : QAccessibleWidget(list, QAccessible::List) {}

    int childCount() const override { return offered(); }
    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 ? rows().row(rows().firstOffered() + index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return rows().indexOfRow(rows().rowOf(child));
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        return rows().row(list()->rowAt(list()->viewport()->mapFromGlobal(QPoint(x, y))));
    }
    QAccessibleInterface* focusChild() const override
    {
        return list()->hasFocus() ? rows().row(list()->shownCurrent()) : nullptr;
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return list()->accessibleName();
        if (kind == QAccessible::Description)
            return list()->accessibleDescription();
        return QAccessibleWidget::text(kind);
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // QAccessibleTableInterface: one column, a row per entry.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override { return column == 0 ? child(row) : nullptr; }
    int selectedCellCount() const override { return selectedRowCount(); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> cells;
        for (int index : selectedRows())
            cells << child(index);
        return cells;
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
    int columnCount() const override { return 1; }
    int rowCount() const override { return offered(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override
    {
        QList<int> indexes;
        if (list()->selectionKind() == ListEntries::SelectionKind::Single) {
            if (rows().indexOfRow(list()->shownCurrent()) >= 0)
                indexes << rows().indexOfRow(list()->shownCurrent());
            return indexes;
        }
        for (int index = 0; index < offered(); ++index) {
            if (list()->Selected(rows().firstOffered() + index))
                indexes << index;
        }
        return indexes;
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int index) const override
    {
        return index >= 0 && list()->Selected(rows().firstOffered() + index);
    }
    bool selectRow(int index) override { return choose(index, true); }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int index) override { return choose(index, false); }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    ListBox* list() const { return static_cast<ListBox*>(widget()); }
    const AccessibleRows& rows() const { return list()->accessibleRows(); }
    int offered() const { return static_cast<int>(list()->shownCount() - rows().firstOffered()); }
    // Queued: the click's handler may open a modal box (the refusal of a sixth search
    // string), and the assistive tool's call must be answered before it, not after.
    bool choose(int index, bool selected)
    {
        if (index < 0 || index >= offered())
            return false;
        const qint64 row = rows().firstOffered() + index;
        const QPointer<ListBox> target = list();
        QMetaObject::invokeMethod(
            target, [target, row, selected] {
                if (target)
                    target->selectAsClick(row, selected);
            },
            Qt::QueuedConnection);
        return true;
    }
};

}  // namespace

AccessibleRows::~AccessibleRows()
{
    forget();
}

qint64 AccessibleRows::firstOffered() const
{
    return std::max<qint64>(0, m_list.shownCount() - std::numeric_limits<int>::max());
}

int AccessibleRows::indexOfRow(qint64 row) const
{
    if (row < firstOffered() || row >= m_list.shownCount())
        return -1;
    return static_cast<int>(row - firstOffered());
}

QAccessibleInterface* AccessibleRows::row(qint64 row) const
{
    if (indexOfRow(row) < 0)
        return nullptr;
    auto known = m_ids.find(row);
    if (known == m_ids.end()) {
        forgetOldest();
        auto* created = new AccessibleRow(&m_list, row);
        known = m_ids.emplace(row, QAccessible::registerAccessibleInterface(created)).first;
        m_made.push_back(row);
    }
    return QAccessible::accessibleInterface(known->second);
}

void AccessibleRows::forgetOldest() const
{
    while (m_made.size() >= kKeptRows) {
        const qint64 oldest = m_made.front();
        m_made.pop_front();
        // A reader that still holds it finds it gone, as a line scrolled away; asked for
        // again, the entry gets a new one.
        const auto known = m_ids.find(oldest);
        QAccessible::deleteAccessibleInterface(known->second);
        m_ids.erase(known);
    }
}

qint64 AccessibleRows::rowOf(const QAccessibleInterface* row) const
{
    const auto* entry = dynamic_cast<const AccessibleRow*>(row);
    if (!entry || this->row(entry->row()) != row)
        return -1;
    return entry->row();
}

void AccessibleRows::forget()
{
    // Entries that are only appended keep theirs.
    for (const auto& [row, id] : m_ids)
        QAccessible::deleteAccessibleInterface(id);
    m_ids.clear();
    m_made.clear();
}

void AccessibleRows::tell(int event, qint64 row) const
{
    if (!QAccessible::isActive() || indexOfRow(row) < 0)
        return;
    if (event == QAccessible::Focus && !m_list.hasFocus())
        return;
    QAccessibleEvent told(&m_list, static_cast<QAccessible::Event>(event));
    told.setChild(indexOfRow(row));
    QAccessible::updateAccessibility(&told);
}

QAccessibleInterface* accessibleListBox(QObject* object)
{
    auto* list = qobject_cast<ListBox*>(object);
    return list ? new AccessibleList(list) : nullptr;
}
