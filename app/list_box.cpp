#include "app/list_box.h"

#include "app/code_page.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

// Stands for a character that has no byte; callers only store text of the code page.
constexpr char kSubstitute = 0x1A;

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

}  // namespace

int ListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_published;
}

QVariant ListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_published)
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return codepage::toText(line(index.row()));
    return {};
}

QByteArrayView ListModel::line(int row) const
{
    if (row == count() - 1)
        return m_open;
    const Packed& packed = m_lines[static_cast<std::size_t>(row)];
    return QByteArrayView(packed.data, packed.size);
}

ListModel::Packed ListModel::pack(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {nullptr, 0};
    if (bytes.size() > kBlockSize - m_blockUsed) {
        // A new block; a line longer than a block gets one of its own.
        const qsizetype size = std::max(kBlockSize, bytes.size());
        m_blocks.push_back(std::make_unique<char[]>(static_cast<std::size_t>(size)));
        m_blockUsed = size == kBlockSize ? 0 : size;
        if (size != kBlockSize) {
            std::copy(bytes.begin(), bytes.end(), m_blocks.back().get());
            return {m_blocks.back().get(), bytes.size()};
        }
    }
    char* at = m_blocks.back().get() + m_blockUsed;
    std::copy(bytes.begin(), bytes.end(), at);
    m_blockUsed += bytes.size();
    return {at, bytes.size()};
}

void ListModel::append(QByteArray line)
{
    if (!m_lines.empty())
        m_lines.back() = pack(m_open);
    m_lines.push_back({nullptr, 0});
    m_open = std::move(line);
}

void ListModel::replace(int row, QByteArray line)
{
    if (row == count() - 1)
        m_open = std::move(line);
    else
        m_lines[static_cast<std::size_t>(row)] = pack(line);
    if (row >= m_published)
        return;  // the views will see it when it is published
    m_firstChanged = m_firstChanged < 0 ? row : std::min(m_firstChanged, row);
    m_lastChanged = std::max(m_lastChanged, row);
}

void ListModel::remove(int row)
{
    publish();
    beginRemoveRows({}, row, row);
    if (row == count() - 1 && row > 0)
        m_open = line(row - 1).toByteArray();  // the entry before becomes the last one
    m_lines.erase(m_lines.begin() + row);
    if (m_lines.empty())
        m_open.clear();
    --m_published;
    endRemoveRows();
}

void ListModel::clear()
{
    beginResetModel();
    m_lines.clear();
    m_lines.shrink_to_fit();
    m_blocks.clear();
    m_blockUsed = kBlockSize;
    m_open.clear();
    m_published = 0;
    m_firstChanged = m_lastChanged = -1;
    endResetModel();
}

void ListModel::publish()
{
    if (m_firstChanged >= 0) {
        const int first = m_firstChanged, last = m_lastChanged;
        m_firstChanged = m_lastChanged = -1;
        emit dataChanged(index(first), index(last), {Qt::DisplayRole});
    }
    if (m_published < count()) {
        beginInsertRows({}, m_published, count() - 1);
        m_published = count();
        endInsertRows();
    }
}

void LineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(QPalette::Highlight));
    const QString text = index.data(Qt::DisplayRole).toString();
    auto cached = m_shaped.find(index.row());
    if (cached == m_shaped.end() || cached->second.text != text) {
        if (m_shaped.size() >= kCachedLines)
            m_shaped.clear();
        QStaticText shaped(text);
        shaped.setTextFormat(Qt::PlainText);
        shaped.prepare(QTransform(), option.font);
        cached = m_shaped.insert_or_assign(index.row(), Shaped{text, shaped}).first;
    }
    painter->save();
    painter->setFont(option.font);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QSizeF size = cached->second.shaped.size();
    painter->drawStaticText(QPointF(option.rect.left() + 3, option.rect.top() + (option.rect.height() - size.height()) / 2),
                            cached->second.shaped);
    painter->restore();
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.backgroundColor = option.palette.color(selected ? QPalette::Highlight : QPalette::Base);
        const QWidget* view = option.widget;
        (view ? view->style() : QApplication::style())->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, view);
    }
}

ListBox::ListBox(SelectionKind kind, ScreenRefresh& refresh, QWidget* parent)
    : QTableView(parent), m_kind(kind), m_model(this), m_refresh(refresh)
{
    setModel(&m_model);
    setItemDelegate(&m_delegate);
    connect(&m_model, &QAbstractItemModel::modelReset, this, [this] { m_delegate.forget(); });
    connect(&m_model, &QAbstractItemModel::rowsRemoved, this, [this] { m_delegate.forget(); });
    connect(&m_refresh, &ScreenRefresh::tick, this, [this] {
        if (m_refreshPending)
            syncView();
    });
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setShowGrid(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionMode(kind == SelectionKind::Simple ? QAbstractItemView::MultiSelection
                                                   : QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list for the next control, as in every list box; a table moves its cell.
    setTabKeyNavigation(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { onCurrentChanged(current); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                onSelectionChanged(selected, deselected);
            });
}

void ListBox::AddItem(const QString& text)
{
    m_model.append(toLine(text));
    widenFor(text);
    changed();
}

void ListBox::RemoveItem(int index)
{
    if (index < 0 || index >= ListCount())
        return;
    m_changingView = true;
    m_model.remove(index);
    m_changingView = false;
    if (m_listIndex == index)
        m_listIndex = -1;
    else if (m_listIndex > index)
        --m_listIndex;
    countSelected();
    scheduleViewSync();
}

void ListBox::Clear()
{
    m_changingView = true;
    m_model.clear();
    m_changingView = false;
    m_listIndex = -1;
    m_widestLine = 0;
    countSelected();
    scheduleViewSync();
}

int ListBox::ListCount() const
{
    return m_model.count();
}

QString ListBox::List(int index) const
{
    if (index < 0 || index >= ListCount())
        return {};
    return codepage::toText(m_model.line(index));
}

void ListBox::SetList(int index, const QString& text)
{
    if (index < 0 || index >= ListCount())
        return;
    m_model.replace(index, toLine(text));
    widenFor(text);
    changed();
}

int ListBox::ListIndex() const
{
    return m_listIndex;
}

void ListBox::SetListIndex(int index)
{
    m_listIndex = (index >= 0 && index < ListCount()) ? index : -1;
    scheduleViewSync();
}

bool ListBox::Selected(int index) const
{
    if (index < 0 || index >= ListCount())
        return false;
    return selectionModel()->isSelected(m_model.index(index));
}

void ListBox::SetSelected(int index, bool selected)
{
    if (index < 0 || index >= ListCount() || Selected(index) == selected)
        return;
    // The selection model reports the change synchronously, so Click runs before we return.
    selectionModel()->select(m_model.index(index), selected ? QItemSelectionModel::Select
                                                            : QItemSelectionModel::Deselect);
}

int ListBox::SelCount() const
{
    if (m_kind == SelectionKind::Single)
        return m_listIndex >= 0 ? 1 : 0;
    return m_selCount;
}

void ListBox::selectAll()
{
    if (m_kind == SelectionKind::Single)
        QTableView::selectAll();
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const
{
    if (m_kind == SelectionKind::Single)
        return QTableView::selectionCommand(index, event);
    // A simple list changes its selection on a click and on the space bar, one entry at a
    // time, and on nothing else: not on moving the current entry (arrow keys, Home, End, the
    // logic's ListIndex), not on Shift with a click, which would toggle a whole range.
    const auto toggle = QItemSelectionModel::Toggle | QItemSelectionModel::Rows;
    if (!event)
        return QItemSelectionModel::NoUpdate;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const bool space = key->key() == Qt::Key_Space || key->key() == Qt::Key_Select;
        return space && !(key->modifiers() & Qt::ShiftModifier) ? toggle : QItemSelectionModel::NoUpdate;
    }
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        const bool click = mouse->button() == Qt::LeftButton && !(mouse->modifiers() & Qt::ShiftModifier);
        return click ? toggle : QItemSelectionModel::NoUpdate;
    }
    default:
        return QItemSelectionModel::NoUpdate;
    }
}

void ListBox::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging over a simple list would toggle every entry passed; one click, one entry.
    if (m_kind == SelectionKind::Simple && event->buttons() != Qt::NoButton)
        return;
    QTableView::mouseMoveEvent(event);
}

void ListBox::onCurrentChanged(const QModelIndex& current)
{
    if (m_changingView)
        return;
    // The user moved the current entry; that overrides any index the logic set before.
    m_listIndex = current.isValid() ? current.row() : -1;
    m_viewSyncPending = false;
}

void ListBox::onSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    countSelected();
    if (m_changingView)
        return;
    // The entry the user toggled is the current one, whatever input toggled it, so that the
    // handler's refusal of a sixth entry deselects that very entry.
    const QModelIndexList changed = selected.indexes() + deselected.indexes();
    if (changed.size() == 1)
        m_listIndex = changed.first().row();
    emit Click();
}

void ListBox::countSelected()
{
    // Counted once per change, since the matcher asks for it with every received character.
    if (m_kind == SelectionKind::Simple)
        m_selCount = static_cast<int>(selectionModel()->selectedRows().size());
}

void ListBox::changed()
{
    // The search-string list is small and clicked on: its views know every entry at once.
    if (m_kind == SelectionKind::Simple)
        publishEntries();
    else
        requestRefresh();
}

void ListBox::requestRefresh()
{
    m_refreshPending = true;
    m_refresh.request();
}

void ListBox::scheduleViewSync()
{
    m_viewSyncPending = true;
    if (m_kind == SelectionKind::Simple)
        syncView();
    else
        requestRefresh();
}

void ListBox::widenFor(const QString& text)
{
    if (text.size() > m_widestLine) {
        m_widestLine = static_cast<int>(text.size());
        fitColumn();
    }
}

void ListBox::fitColumn()
{
    const int width = m_widestLine * fontMetrics().horizontalAdvance(QLatin1Char('0')) + 8;
    setColumnWidth(0, std::max(width, viewport()->width()));
}

void ListBox::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        // Rows are as high as one line of the font; set once, since it touches every row.
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
        fitColumn();
    }
}

void ListBox::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    fitColumn();
}

bool ListBox::scrolledToEnd() const
{
    return verticalScrollBar()->value() == verticalScrollBar()->maximum();
}

void ListBox::publishEntries()
{
    if (!m_model.hasUnpublished())
        return;
    // A list scrolled to its end follows new entries, like a terminal; scrolled up to read,
    // it stays where the user put it.
    const bool follow = scrolledToEnd();
    m_changingView = true;
    m_model.publish();
    m_changingView = false;
    if (follow)
        scrollToBottom();
}

void ListBox::syncView()
{
    m_refreshPending = false;
    publishEntries();
    if (!m_viewSyncPending)
        return;
    m_viewSyncPending = false;
    m_changingView = true;
    const QModelIndex current = m_model.index(m_listIndex);
    const auto command = m_kind == SelectionKind::Single ? QItemSelectionModel::ClearAndSelect
                                                         : QItemSelectionModel::NoUpdate;
    selectionModel()->setCurrentIndex(current, current.isValid() ? command
                                                                 : QItemSelectionModel::NoUpdate);
    if (current.isValid())
        scrollTo(current);
    else if (m_kind == SelectionKind::Single)
        selectionModel()->clearSelection();
    m_changingView = false;
}
