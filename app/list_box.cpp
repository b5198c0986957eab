#include "app/list_box.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QtMath>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyleOptionSlider>
#include <QTimer>

#include <cstdlib>
#include <limits>

namespace {

// Room left of the text, as Qt's own views leave it.
constexpr int kTextMargin = 3;

QRect sliderRect(const QScrollBar* bar, const ListBox::BarState& state)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    option.minimum = 0;
    option.maximum = state.maximum;
    option.sliderPosition = state.value;
    option.sliderValue = state.value;
    option.singleStep = bar->singleStep();
    option.pageStep = state.pageStep;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
}

// Whether a bar set to state would look different: shown or hidden, or its slider elsewhere.
bool looksDifferent(const QScrollBar* bar, const ListBox::BarState& state)
{
    if ((state.maximum > 0) != (bar->maximum() > 0))
        return true;
    return sliderRect(bar, state) != sliderRect(bar, {bar->maximum(), bar->value(), bar->pageStep()});
}

}  // namespace

ListBox::ListBox(SelectionKind kind, ScreenRefresh& screen, QWidget* parent)
    : QAbstractScrollArea(parent), ListEntries(kind, this), m_refresh(screen)
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
    verticalScrollBar()->installEventFilter(this);
    horizontalScrollBar()->installEventFilter(this);
}

void ListBox::entriesChanged(qint64 firstRow)
{
    m_changedFrom = m_changedFrom < 0 ? firstRow : std::min(m_changedFrom, firstRow);
    requestRefresh();
}

void ListBox::entriesRenumbered()
{
    m_accessibleRows.forget();
}

void ListBox::listIndexSet()
{
    m_indexPending = true;
    requestRefresh();
}

void ListBox::selectionChanged(qint64 row, bool selected)
{
    updateRows(row, row);
    m_accessibleRows.tell(selected ? QAccessible::SelectionAdd : QAccessible::SelectionRemove, row);
    emit Click();
}

void ListBox::selectAsClick(qint64 row, bool selected)
{
    if (row < 0 || row >= m_shown)
        return;
    setCurrentByUser(row);
    if (Selected(row) != selected)
        toggle(row);
}

void ListBox::requestRefresh()
{
    // The search-string list is small and clicked on: its screen follows at once.
    if (selectionKind() == SelectionKind::Simple) {
        refresh();
        return;
    }
    m_refreshPending = true;
    m_refresh.request();
}

void ListBox::refresh()
{
    m_refreshPending = false;
    // A list scrolled to its end follows new entries, like a terminal; scrolled up to read,
    // it stays where the user put it.
    const bool follow = scrolledToEnd();
    const qint64 previousCurrent = m_shownCurrent;
    m_shown = ListCount();

    // Scroll first (what stays in view is moved), then repaint what changed where it is now.
    const bool currentMoved = m_indexPending && ListIndex() != previousCurrent;
    if (m_indexPending) {
        m_indexPending = false;
        m_shownCurrent = ListIndex();
    }
    if (currentMoved && m_shownCurrent >= 0)
        moveTop(topShowing(m_shownCurrent));
    else
        moveTop(follow ? lastTop() : m_top);

    if (m_changedFrom >= 0) {
        updateRows(m_changedFrom, m_shown);
        m_changedFrom = -1;
    }
    if (currentMoved) {
        updateRows(previousCurrent, previousCurrent);
        updateRows(m_shownCurrent, m_shownCurrent);
        m_accessibleRows.tell(QAccessible::Focus, m_shownCurrent);
    }
    showScrollBars();
}

// Bringing the scroll bars up to date was a good part of every refresh: a bar repaints, and a
// new range makes Qt repaint the list's frame and the window behind it. A list that changes
// with every received character looks at its bars every few refreshes and touches them only
// when they would look different (a long list that follows its end keeps its slider where it
// is); while the mouse is on them they follow every refresh. Bars left behind are brought up
// to date before the user scrolls with them.
void ListBox::showScrollBars()
{
    const bool inUse = verticalScrollBar()->underMouse() || horizontalScrollBar()->underMouse()
                       || verticalScrollBar()->isSliderDown() || horizontalScrollBar()->isSliderDown();
    if (selectionKind() == SelectionKind::Simple || inUse) {
        m_heldRefreshes = 0;
        updateScrollBars();
        return;
    }
    m_barsBehind = true;
    if (++m_heldRefreshes < kScrollBarRefreshes) {
        m_refreshPending = true;  // a refresh that leaves them behind asks for one more
        m_refresh.request();
        return;
    }
    m_heldRefreshes = 0;
    if (looksDifferent(verticalScrollBar(), verticalBar()) || looksDifferent(horizontalScrollBar(), horizontalBar()))
        updateScrollBars();
}

int ListBox::rowsFitting() const
{
    return std::max(1, viewport()->height() / m_rowHeight);
}

qint64 ListBox::lastTop() const
{
    return std::max<qint64>(0, m_shown - rowsFitting());
}

qint64 ListBox::rowsPerStep() const
{
    return lastTop() / std::numeric_limits<int>::max() + 1;
}

ListBox::BarState ListBox::verticalBar() const
{
    const qint64 perStep = rowsPerStep();
    const int maximum = static_cast<int>(lastTop() / perStep);
    return {maximum, m_top >= lastTop() ? maximum : static_cast<int>(m_top / perStep),
            static_cast<int>(std::max<qint64>(1, rowsFitting() / perStep))};
}

ListBox::BarState ListBox::horizontalBar() const
{
    const int width = qCeil(widest() * m_glyphs->advance()) + 2 * kTextMargin + 2;
    const int maximum = std::max(0, width - viewport()->width());
    return {maximum, std::min(horizontalScrollBar()->value(), maximum), viewport()->width()};
}

void ListBox::updateScrollBars()
{
    moveTop(m_top);  // within the entries, after a resize as well
    const BarState vertical = verticalBar();
    m_rowsPerStep = rowsPerStep();
    m_movingScrollBar = true;
    verticalScrollBar()->setRange(0, vertical.maximum);
    verticalScrollBar()->setPageStep(vertical.pageStep);
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setValue(vertical.value);
    m_movingScrollBar = false;
    const BarState horizontal = horizontalBar();
    horizontalScrollBar()->setRange(0, horizontal.maximum);
    horizontalScrollBar()->setPageStep(horizontal.pageStep);
    horizontalScrollBar()->setSingleStep(std::max(1, qRound(m_glyphs->advance())));
    m_barsBehind = false;
}

bool ListBox::eventFilter(QObject* watched, QEvent* event)
{
    // The wheel over the list reaches the vertical bar as well.
    const bool aboutToScroll = event->type() == QEvent::Enter || event->type() == QEvent::MouseButtonPress
                               || event->type() == QEvent::Wheel;
    if (aboutToScroll && m_barsBehind)
        updateScrollBars();
    return QAbstractScrollArea::eventFilter(watched, event);
}

bool ListBox::scrolledToEnd() const
{
    return m_top >= lastTop();
}

void ListBox::moveTop(qint64 top)
{
    top = std::clamp<qint64>(top, 0, lastTop());
    const qint64 by = m_top - top;
    m_top = top;
    // Rows scroll by whole rows; what stays in view is moved, not painted again.
    if (by != 0 && std::abs(by) < rowsFitting())
        viewport()->scroll(0, static_cast<int>(by) * m_rowHeight);
    else if (by != 0)
        viewport()->update();
}

void ListBox::scrollContentsBy(int dx, int dy)
{
    if (dx != 0)
        viewport()->scroll(dx, 0);
    if (dy == 0 || m_movingScrollBar)
        return;
    // The user moved the bar.
    const QScrollBar* vertical = verticalScrollBar();
    moveTop(vertical->value() >= vertical->maximum() ? lastTop() : vertical->value() * m_rowsPerStep);
}

QRect ListBox::rowRect(qint64 row) const
{
    // Far out of view, a row is placed just beyond the viewport, within what int can hold.
    const qint64 away = std::clamp<qint64>(row - m_top, -1, rowsFitting() + 1);
    return QRect(0, static_cast<int>(away) * m_rowHeight, viewport()->width(), m_rowHeight);
}

qint64 ListBox::rowAt(const QPoint& point) const
{
    if (point.y() < 0)
        return -1;
    const qint64 row = m_top + point.y() / m_rowHeight;
    return row < m_shown ? row : -1;
}

qint64 ListBox::topShowing(qint64 row) const
{
    const int fitting = rowsFitting();
    if (row < m_top)
        return row;
    if (row >= m_top + fitting)
        return row - fitting + 1;
    return m_top;
}

void ListBox::scrollToRow(qint64 row)
{
    if (row < 0)
        return;
    moveTop(topShowing(row));
    updateScrollBars();
}

void ListBox::updateRows(qint64 first, qint64 last)
{
    if (first < 0)
        return;
    const qint64 bottom = m_top + rowsFitting();
    first = std::max(first, m_top);
    last = std::min(last, bottom);
    if (first > last)
        return;
    viewport()->update(QRect(0, static_cast<int>(first - m_top) * m_rowHeight, viewport()->width(),
                             static_cast<int>(last - first + 1) * m_rowHeight));
}

void ListBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const qint64 first = m_top + std::max(0, event->rect().top()) / m_rowHeight;
    const qint64 last = std::min(m_shown - 1, m_top + event->rect().bottom() / m_rowHeight);
    // Only the characters in view are drawn: a line can be far wider than the list.
    const int scrolled = horizontalScrollBar()->value();
    const qreal advance = std::max<qreal>(1, m_glyphs->advance());
    const qsizetype firstChar = static_cast<qsizetype>(std::max(0, scrolled - kTextMargin) / advance);
    const qsizetype charsInView = static_cast<qsizetype>(viewport()->width() / advance) + 2;
    const qreal left = kTextMargin - scrolled + firstChar * advance;
    const QPalette& colors = palette();
    for (qint64 row = first; row <= last; ++row) {
        const QRect rect = rowRect(row);
        const bool selected = selectionKind() == SelectionKind::Single ? row == m_shownCurrent : Selected(row);
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
    const QRect below = event->rect().intersected(QRect(0, static_cast<int>(last + 1 - m_top) * m_rowHeight, viewport()->width(),
                                                        viewport()->height()));
    for (int y = below.top(); y <= below.bottom(); y += m_rowHeight)
        painter.fillRect(QRect(below.left(), y, below.width(), std::min(m_rowHeight, below.bottom() - y + 1)),
                         colors.brush(QPalette::Base));
}

void ListBox::setCurrentByUser(qint64 row)
{
    // The user moved the current entry; that overrides any index the logic set before.
    const qint64 previous = m_shownCurrent;
    moveCurrentByUser(row);
    m_shownCurrent = row;
    m_indexPending = false;
    scrollToRow(row);
    updateRows(previous, previous);
    updateRows(row, row);
    m_accessibleRows.tell(QAccessible::Focus, row);
}

void ListBox::mousePressEvent(QMouseEvent* event)
{
    const qint64 row = rowAt(event->position().toPoint());
    m_pressedRow = row;
    if (event->button() != Qt::LeftButton || row < 0)
        return;
    setCurrentByUser(row);
    // One click, one entry; Shift with a click only moves the current entry.
    if (selectionKind() == SelectionKind::Simple && !(event->modifiers() & Qt::ShiftModifier))
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
    const qint64 last = m_shown - 1;
    const qint64 current = m_shownCurrent;
    qint64 target = -2;
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
        if (selectionKind() == SelectionKind::Simple && current >= 0 && !(event->modifiers() & Qt::ShiftModifier))
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
        setCurrentByUser(std::clamp<qint64>(target, 0, last));
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
    // Screen readers speak on events: the current entry is told as focused once the list's
    // own focus event has gone out, so that tabbing in names the entry, not only the list.
    QTimer::singleShot(0, this, [this] { m_accessibleRows.tell(QAccessible::Focus, m_shownCurrent); });
}

void ListBox::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    updateRows(m_shownCurrent, m_shownCurrent);
}
