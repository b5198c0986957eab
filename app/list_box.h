#pragma once

#include "app/screen_refresh.h"

#include <QAbstractListModel>
#include <QByteArray>
#include <QByteArrayView>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QTableView>

#include <memory>
#include <unordered_map>
#include <vector>

// The entries of a list box, one byte per character in the program's code page: a
// 101-character monitor line costs little more than 101 bytes however long a capture runs.
// New entries and changed ones reach the views when they are published, so that a list
// that changes with every received character is repainted only a few dozen times a second.
class ListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    int count() const { return static_cast<int>(m_lines.size()); }
    QByteArrayView line(int row) const;
    void append(QByteArray line);
    void replace(int row, QByteArray line);
    void remove(int row);
    void clear();

    // Tells the views of every entry added or changed since the last call.
    void publish();
    bool hasUnpublished() const { return m_published < count() || m_firstChanged >= 0; }

private:
    // Finished entries are packed one after the other into large blocks; the last entry, the
    // one that grows with every received character, is kept apart until the next one follows.
    struct Packed {
        const char* data;
        qsizetype size;
    };
    Packed pack(QByteArrayView bytes);

    static constexpr qsizetype kBlockSize = 256 * 1024;
    std::vector<std::unique_ptr<char[]>> m_blocks;
    qsizetype m_blockUsed = kBlockSize;
    std::vector<Packed> m_lines;  // the last one's storage is m_open
    QByteArray m_open;
    int m_published = 0;      // entries the views know of
    int m_firstChanged = -1;  // changed entries the views were not told of yet
    int m_lastChanged = -1;
};

// Paints one line of a list box: its text in the list's font, no elision, no icons. A line's
// shaped text is kept while the line is unchanged, so a refresh reshapes only what changed.
class LineDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    void forget() { m_shaped.clear(); }

private:
    struct Shaped {
        QString text;
        QStaticText shaped;
    };
    // Enough for the visible lines of a list many times over.
    static constexpr int kCachedLines = 256;
    mutable std::unordered_map<int, Shaped> m_shaped;
};

// A list box with the operations the window's logic uses: counts and indexes start at 0,
// -1 stands for no entry. The logic's ListIndex is kept here and reaches the view (selection
// and scrolling) once per pass of the event loop, so a list that is re-selected for every
// received character costs the same at a million lines as at ten. It is a one-column table
// view without headers: QListView lays out every row again on each insert.
class ListBox : public QTableView {
    Q_OBJECT
public:
    enum class SelectionKind {
        Single,  // one selected entry, the current one
        Simple,  // each click or space bar toggles one entry, no Ctrl or Shift needed
    };

    ListBox(SelectionKind kind, ScreenRefresh& refresh, QWidget* parent = nullptr);

    void AddItem(const QString& text);
    void RemoveItem(int index);
    void Clear();
    int ListCount() const;
    QString List(int index) const;
    void SetList(int index, const QString& text);
    int ListIndex() const;
    void SetListIndex(int index);
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);
    int SelCount() const;

signals:
    // After every change of the selection: a click, a key, or a SetSelected that changed an
    // entry's state (raised before SetSelected returns).
    void Click();

public:
    // Typing a letter neither jumps nor selects: in a list of search strings it would change
    // the active ones unnoticed, and in a monitor of a million lines it would search them all.
    void keyboardSearch(const QString&) override {}
    // Ctrl+A selects nothing: the search strings are chosen one by one, five at most.
    void selectAll() override;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void onCurrentChanged(const QModelIndex& current);
    void onSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void countSelected();
    void scheduleViewSync();
    void requestRefresh();
    void syncView();
    void changed();
    void publishEntries();
    bool scrolledToEnd() const;
    void widenFor(const QString& text);
    void fitColumn();

    SelectionKind m_kind;
    ListModel m_model;
    LineDelegate m_delegate;
    int m_listIndex = -1;
    int m_selCount = 0;
    int m_widestLine = 0;  // in characters; the face is fixed-pitch
    bool m_viewSyncPending = false;
    ScreenRefresh& m_refresh;  // publishes the entries and syncs the view at its ticks
    bool m_refreshPending = false;
    bool m_changingView = false;  // our own changes of the view, not the user's
};
