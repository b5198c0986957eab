#include "app/list_box.h"

#include "app/code_page.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QtMath>
#include <QPointer>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

// Stands for a character that has no byte; callers only store text of the code page.
constexpr char kSubstitute = 0x1A;
// Room left of the text, as Qt's own views leave it.
constexpr int kTextMargin = 3;

QByteArray toLine(const QString& text)
{
    QByteArray bytes;
    if (!codepage::toBytes(text, &bytes)) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (!codepage::toByte(text[i], bytes.data() + i))
                bytes[i] = kSubstitute;
        }
    }
    return bytes;
}

// One entry as a screen reader sees it.
class AccessibleRow : public QAccessibleInterface {
public:
    AccessibleRow(ListBox* list, int row) : m_list(list), m_row(row) {}

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
    int row() const { return m_row; }

private:
    QPointer<ListBox> m_list;
    int m_row;
};

class AccessibleList : public QAccessibleWidget {
public:
    explicit AccessibleList(ListBox* list) : QAccessibleWidget(list, QAccessible::List) {}

    int childCount() const override { return list()->shownCount(); }
    QAccessibleInterface* child(int index) const override { return list()->accessibleRow(index); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        int row = -1;
        return list()->isAccessibleRow(child, &row) ? row : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const int row = list()->rowAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
        return row >= 0 ? child(row) : nullptr;
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return list()->accessibleName();
        if (kind == QAccessible::Description)
            return list()->accessibleDescription();
        return QAccessibleWidget::text(kind);
    }

private:
    ListBox* list() const { return static_cast<ListBox*>(widget()); }
};

}  // namespace

QAccessibleInterface* accessibleListBox(QObject* object)
{
    auto* list = qobject_cast<ListBox*>(object);
    return list ? new AccessibleList(list) : nullptr;
}

ListBox::ListBox(SelectionKind kind, ScreenRefresh& screen, QWidget* parent)
    : QAbstractScrollArea(parent), m_kind(kind), m_refresh(screen)
{
    fitToFont();
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setBackgroundRole(QPalette::Base);
    // Each row paints its own background: one large fill of the viewport costs Qt's
    // painter a round through its thread pool.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    connect(&m_refresh, &ScreenRefresh::tick, this, [this] {
        if (m_refreshPending)
            refresh();
    });
}

ListBox::~ListBox()
{
    forgetAccessibleRows();
}

void ListBox::AddItem(const QString& text)
{
    storeLastText();
    m_lines.append(toLine(text));
    if (m_kind == SelectionKind::Simple)
        m_selected.push_back(0);
    widenFor(text.size());
    changed(ListCount() - 1);
}

void ListBox::RemoveItem(int index)
{
    if (index < 0 || index >= ListCount())
        return;
    storeLastText();
    m_lines.remove(index);
    if (m_kind == SelectionKind::Simple)
        m_selected.erase(m_selected.begin() + index);
    if (m_listIndex == index)
        m_listIndex = -1;
    else if (m_listIndex > index)
        --m_listIndex;
    m_indexPending = true;
    countSelected();
    forgetAccessibleRows();
    changed(index);
}

void ListBox::Clear()
{
    m_lines.clear();
    m_lastText.reset();
    std::vector<char>().swap(m_selected);
    m_listIndex = -1;
    m_indexPending = true;
    m_widest = 0;
    countSelected();
    forgetAccessibleRows();
    changed(0);
}

int ListBox::ListCount() const
{
    return m_lines.count();
}

QString ListBox::List(int index) const
{
    if (index < 0 || index >= ListCount())
        return {};
    if (m_lastText && index == ListCount() - 1)
        return *m_lastText;
    return codepage::toText(m_lines.line(index));
}

void ListBox::SetList(int index, const QString& text)
{
    if (index < 0 || index >= ListCount())
        return;
    if (index == ListCount() - 1) {
        // The last line changes with every received character and is read back at once:
        // it is kept as text, and stored as bytes only when it is needed as such.
        m_lastText = text;
    } else {
        storeLastText();
        m_lines.replace(index, toLine(text));
    }
    widenFor(text.size());
    changed(index);
}

int ListBox::ListIndex() const
{
    return m_listIndex;
}

void ListBox::SetListIndex(int index)
{
    m_listIndex = (index >= 0 && index < ListCount()) ? index : -1;
    m_indexPending = true;
    requestRefresh();
}

bool ListBox::Selected(int index) const
{
    if (index < 0 || index >= ListCount())
        return false;
    if (m_kind == SelectionKind::Single)
        return index == m_listIndex;
    return m_selected[static_cast<std::size_t>(index)] != 0;
}

void ListBox::SetSelected(int index, bool selected)
{
    if (index < 0 || index >= ListCount() || Selected(index) == selected)
        return;
    if (m_kind == SelectionKind::Single) {
        SetListIndex(selected ? index : -1);
        return;
    }
    m_selected[static_cast<std::size_t>(index)] = selected ? 1 : 0;
    countSelected();
    updateRows(index, index);
    tellAccessibility(selected ? QAccessible::SelectionAdd : QAccessible::SelectionRemove, index);
    emit Click();
}

int ListBox::SelCount() const
{
    if (m_kind == SelectionKind::Single)
        return m_listIndex >= 0 ? 1 : 0;
    return m_selCount;
}

void ListBox::storeLastText()
{
    if (!m_lastText)
        return;
    m_lines.replace(m_lines.count() - 1, toLine(*m_lastText));
    m_lastText.reset();
}

QByteArray ListBox::lineBytes(int row) const
{
    if (m_lastText && row == ListCount() - 1)
        return toLine(*m_lastText);
    return m_lines.line(row);
}

void ListBox::countSelected()
{
    // Counted once per change, since the matcher asks for it with every received character.
    m_selCount = static_cast<int>(std::count(m_selected.begin(), m_selected.end(), 1));
}

void ListBox::widenFor(qsizetype characters)
{
    if (characters > m_widest) {
        m_widest = characters;
        if (m_kind == SelectionKind::Simple)
            updateScrollBars();
    }
}

void ListBox::changed(int firstRow)
{
    m_changedFrom = m_changedFrom < 0 ? firstRow : std::min(m_changedFrom, firstRow);
    requestRefresh();
}

void ListBox::requestRefresh()
{
    // The search-string list is small and clicked on: its screen follows at once.
    if (m_kind == SelectionKind::Simple) {
        refresh();
        return;
    }
    m_refreshPending = true;
    m_refresh.request();
}

void ListBox::refresh()
{
    m_refreshPending = false;
    holdScrollBars();
    // A list scrolled to its end follows new entries, like a terminal; scrolled up to read,
    // it stays where the user put it.
    const bool follow = scrolledToEnd();
    const int previousCurrent = m_shownCurrent;
    m_shown = ListCount();
    updateScrollBars();

    // Scroll first (what stays in view is moved), then repaint what changed where it is now.
    const bool currentMoved = m_indexPending && m_listIndex != previousCurrent;
    if (m_indexPending) {
        m_indexPending = false;
        m_shownCurrent = m_listIndex;
    }
    if (currentMoved && m_shownCurrent >= 0)
        scrollToRow(m_shownCurrent);
    else if (follow)
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());

    if (m_changedFrom >= 0) {
        updateRows(m_changedFrom, m_shown);
        m_changedFrom = -1;
    }
    if (currentMoved) {
        updateRows(previousCurrent, previousCurrent);
        updateRows(m_shownCurrent, m_shownCurrent);
        tellAccessibility(QAccessible::Focus, m_shownCurrent);
    }
    releaseScrollBars();
}

// Repainting the scroll bars was a good part of every refresh. A list that changes with
// every received character shows their newest state every few refreshes, and at every one
// while the mouse is on them; a refresh that leaves them behind asks for one more.
void ListBox::holdScrollBars()
{
    const bool inUse = verticalScrollBar()->underMouse() || horizontalScrollBar()->underMouse()
                       || verticalScrollBar()->isSliderDown() || horizontalScrollBar()->isSliderDown();
    if (m_kind == SelectionKind::Simple || inUse) {
        m_heldRefreshes = 0;
        return;
    }
    verticalScrollBar()->setUpdatesEnabled(false);
    horizontalScrollBar()->setUpdatesEnabled(false);
}

void ListBox::releaseScrollBars()
{
    if (verticalScrollBar()->updatesEnabled())
        return;
    if (++m_heldRefreshes < kScrollBarRefreshes) {
        m_refreshPending = true;
        m_refresh.request();
        return;
    }
    m_heldRefreshes = 0;
    verticalScrollBar()->setUpdatesEnabled(true);
    horizontalScrollBar()->setUpdatesEnabled(true);
}

int ListBox::rowsFitting() const
{
    return std::max(1, viewport()->height() / m_rowHeight);
}

void ListBox::updateScrollBars()
{
    QScrollBar* vertical = verticalScrollBar();
    const int fitting = rowsFitting();
    vertical->setRange(0, std::max(0, m_shown - fitting));
    vertical->setPageStep(fitting);
    vertical->setSingleStep(1);
    QScrollBar* horizontal = horizontalScrollBar();
    const qreal advance = m_glyphs->advance();
    const int width = qCeil(m_widest * advance) + 2 * kTextMargin + 2;
    horizontal->setRange(0, std::max(0, width - viewport()->width()));
    horizontal->setPageStep(viewport()->width());
    horizontal->setSingleStep(std::max(1, qRound(advance)));
}

bool ListBox::scrolledToEnd() const
{
    return verticalScrollBar()->value() == verticalScrollBar()->maximum();
}

QRect ListBox::rowRect(int row) const
{
    const int top = (row - verticalScrollBar()->value()) * m_rowHeight;
    return QRect(0, top, viewport()->width(), m_rowHeight);
}

int ListBox::rowAt(const QPoint& point) const
{
    if (point.y() < 0)
        return -1;
    const int row = verticalScrollBar()->value() + point.y() / m_rowHeight;
    return row < m_shown ? row : -1;
}

void ListBox::scrollToRow(int row)
{
    if (row < 0)
        return;
    QScrollBar* vertical = verticalScrollBar();
    const int fitting = rowsFitting();
    if (row < vertical->value())
        vertical->setValue(row);
    else if (row >= vertical->value() + fitting)
        vertical->setValue(row - fitting + 1);
}

void ListBox::updateRows(int first, int last)
{
    if (first < 0)
        return;
    const int top = verticalScrollBar()->value();
    const int bottom = top + rowsFitting();
    first = std::max(first, top);
    last = std::min(last, bottom);
    if (first > last)
        return;
    viewport()->update(QRect(0, (first - top) * m_rowHeight, viewport()->width(), (last - first + 1) * m_rowHeight));
}

void ListBox::scrollContentsBy(int dx, int dy)
{
    // Rows scroll by whole rows; what stays in view is moved, not painted again.
    viewport()->scroll(dx, dy * m_rowHeight);
}

void ListBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const int top = verticalScrollBar()->value();
    const int first = top + std::max(0, event->rect().top()) / m_rowHeight;
    const int last = std::min(m_shown - 1, top + event->rect().bottom() / m_rowHeight);
    // Only the characters in view are drawn: a line can be far wider than the list.
    const int scrolled = horizontalScrollBar()->value();
    const qreal advance = std::max<qreal>(1, m_glyphs->advance());
    const qsizetype firstChar = static_cast<qsizetype>(std::max(0, scrolled - kTextMargin) / advance);
    const qsizetype charsInView = static_cast<qsizetype>(viewport()->width() / advance) + 2;
    const qreal left = kTextMargin - scrolled + firstChar * advance;
    const QPalette& colors = palette();
    for (int row = first; row <= last; ++row) {
        const QRect rect = rowRect(row);
        const bool selected = m_kind == SelectionKind::Single ? row == m_shownCurrent : Selected(row);
        painter.fillRect(rect, colors.brush(selected ? QPalette::Highlight : QPalette::Base));
        painter.setPen(colors.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QByteArray line = lineBytes(row);
        const qsizetype from = std::min(firstChar, line.size());
        m_glyphs->draw(painter, QPointF(left, rect.top() + (rect.height() - m_glyphs->height()) / 2),
                       QByteArrayView(line).sliced(from, std::min(charsInView, line.size() - from)));
        if (row == m_shownCurrent && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect;
            focus.backgroundColor = colors.color(selected ? QPalette::Highlight : QPalette::Base);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
    // Below the last entry, row by row as well.
    const QRect below = event->rect().intersected(QRect(0, (last + 1 - top) * m_rowHeight, viewport()->width(),
                                                        viewport()->height()));
    for (int y = below.top(); y <= below.bottom(); y += m_rowHeight)
        painter.fillRect(QRect(below.left(), y, below.width(), std::min(m_rowHeight, below.bottom() - y + 1)),
                         colors.brush(QPalette::Base));
}

void ListBox::setCurrentByUser(int row)
{
    // The user moved the current entry; that overrides any index the logic set before.
    const int previous = m_shownCurrent;
    m_listIndex = row;
    m_shownCurrent = row;
    m_indexPending = false;
    scrollToRow(row);
    updateRows(previous, previous);
    updateRows(row, row);
    tellAccessibility(QAccessible::Focus, row);
}

void ListBox::toggle(int row)
{
    m_selected[static_cast<std::size_t>(row)] ^= 1;
    countSelected();
    updateRows(row, row);
    tellAccessibility(m_selected[static_cast<std::size_t>(row)] ? QAccessible::SelectionAdd
                                                                : QAccessible::SelectionRemove, row);
    emit Click();
}

void ListBox::mousePressEvent(QMouseEvent* event)
{
    const int row = rowAt(event->position().toPoint());
    m_pressedRow = row;
    if (event->button() != Qt::LeftButton || row < 0)
        return;
    setCurrentByUser(row);
    // One click, one entry; Shift with a click only moves the current entry.
    if (m_kind == SelectionKind::Simple && !(event->modifiers() & Qt::ShiftModifier))
        toggle(row);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The first press of a double click did all a click does; the second changes nothing.
    if (rowAt(event->position().toPoint()) != m_pressedRow)
        mousePressEvent(event);
}

void ListBox::mouseMoveEvent(QMouseEvent*)
{
    // Dragging selects nothing: one click, one entry.
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    const int last = m_shown - 1;
    const int current = m_shownCurrent;
    int target = -2;
    switch (event->key()) {
    case Qt::Key_Up:
        target = current < 0 ? 0 : current - 1;
        break;
    case Qt::Key_Down:
        target = current + 1;
        break;
    case Qt::Key_PageUp:
        target = current - rowsFitting();
        break;
    case Qt::Key_PageDown:
        target = current < 0 ? rowsFitting() - 1 : current + rowsFitting();
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = last;
        break;
    case Qt::Key_Space:
    case Qt::Key_Select:
        // The space bar toggles the current entry of a simple list, and nothing else does.
        if (m_kind == SelectionKind::Simple && current >= 0 && !(event->modifiers() & Qt::ShiftModifier))
            toggle(current);
        event->accept();
        return;
    default:
        // Letters, Ctrl+A, F12 and the rest change nothing here.
        event->ignore();
        return;
    }
    event->accept();
    if (last >= 0)
        setCurrentByUser(std::clamp(target, 0, last));
}

void ListBox::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void ListBox::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fitToFont();
        updateScrollBars();
    }
}

void ListBox::fitToFont()
{
    // Rows are as high as one line of the font; the face is fixed-pitch.
    m_rowHeight = fontMetrics().height() + 2;
    m_glyphs = std::make_unique<GlyphText>(font());
}

void ListBox::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    updateRows(m_shownCurrent, m_shownCurrent);
}

void ListBox::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    updateRows(m_shownCurrent, m_shownCurrent);
}

QAccessibleInterface* ListBox::accessibleRow(int row) const
{
    if (row < 0 || row >= m_shown)
        return nullptr;
    auto known = m_accessibleRows.find(row);
    if (known == m_accessibleRows.end()) {
        auto* created = new AccessibleRow(const_cast<ListBox*>(this), row);
        known = m_accessibleRows.emplace(row, QAccessible::registerAccessibleInterface(created)).first;
    }
    return QAccessible::accessibleInterface(known->second);
}

bool ListBox::isAccessibleRow(const QAccessibleInterface* row, int* index) const
{
    const auto* entry = dynamic_cast<const AccessibleRow*>(row);
    if (!entry || accessibleRow(entry->row()) != row)
        return false;
    *index = entry->row();
    return true;
}

void ListBox::forgetAccessibleRows()
{
    // Entries moved or went away: interfaces handed out for them are withdrawn. Entries
    // that are only appended keep theirs, so a long capture costs nothing here.
    for (const auto& [row, id] : m_accessibleRows)
        QAccessible::deleteAccessibleInterface(id);
    m_accessibleRows.clear();
}

void ListBox::tellAccessibility(int event, int row) const
{
    if (!QAccessible::isActive() || row < 0 || row >= m_shown)
        return;
    if (event == QAccessible::Focus && !hasFocus())
        return;
    QAccessibleEvent told(const_cast<ListBox*>(this), static_cast<QAccessible::Event>(event));
    told.setChild(row);
    QAccessible::updateAccessibility(&told);
}
