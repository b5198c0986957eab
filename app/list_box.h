#pragma once

#include "app/glyph_text.h"
#include "app/line_store.h"
#include "app/screen_refresh.h"

#include <QAbstractScrollArea>

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class QAccessibleInterface;

// A list box with the operations the window's logic uses: counts and indexes start at 0,
// -1 stands for no entry. It paints its entries itself, one line of text each, so that a
// list of millions of lines costs little more than their characters (Qt's item views keep
// per-row data of their own and relayout on inserts).
//
// Lists that change with every received character (the monitor, the results) reach the
// screen at the window's refresh ticks: new and changed entries and the logic's ListIndex
// (selection and scrolling) 25 times a second, however often the logic changes them. The
// search-string list, small and clicked on, shows every change at once.
class ListBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class SelectionKind {
        Single,  // one selected entry, the current one
        Simple,  // each click or space bar toggles one entry, no Ctrl or Shift needed
    };

    ListBox(SelectionKind kind, ScreenRefresh& screen, QWidget* parent = nullptr);
    ~ListBox() override;

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

    // What the screen shows: the entries and the current entry as of the last refresh.
    int shownCount() const { return m_shown; }
    int shownCurrent() const { return m_shownCurrent; }
    QRect rowRect(int row) const;  // in the viewport's coordinates
    int rowAt(const QPoint& point) const;
    void scrollToRow(int row);

    // Accessibility: one interface per entry a screen reader asked for.
    QAccessibleInterface* accessibleRow(int row) const;
    bool isAccessibleRow(const QAccessibleInterface* row, int* index) const;

signals:
    // After every change of the selection: a click, the space bar, or a SetSelected that
    // changed an entry's state (raised before SetSelected returns).
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void changed(int firstRow);
    void refresh();
    void requestRefresh();
    void holdScrollBars();
    void releaseScrollBars();
    void updateScrollBars();
    void updateRows(int first, int last);
    void fitToFont();
    int rowsFitting() const;
    bool scrolledToEnd() const;
    void setCurrentByUser(int row);
    void toggle(int row);
    void countSelected();
    void storeLastText();
    QByteArray lineBytes(int row) const;
    void widenFor(qsizetype characters);
    void forgetAccessibleRows();
    void tellAccessibility(int event, int row) const;

    SelectionKind m_kind;
    ScreenRefresh& m_refresh;
    LineStore m_lines;
    std::optional<QString> m_lastText;  // the last line, newer than its bytes in m_lines
    std::vector<char> m_selected;  // Simple lists only: one flag per entry
    int m_selCount = 0;
    int m_listIndex = -1;          // the logic's current entry
    int m_shown = 0;               // entries the screen shows
    int m_shownCurrent = -1;       // the current entry the screen shows
    int m_changedFrom = -1;        // first entry changed since the last refresh
    bool m_indexPending = false;   // the logic set ListIndex since the last refresh
    bool m_refreshPending = false;
    static constexpr int kScrollBarRefreshes = 5;  // 5 times a second
    int m_heldRefreshes = 0;
    int m_pressedRow = -1;
    int m_rowHeight = 1;
    qsizetype m_widest = 0;        // in characters

    std::unique_ptr<GlyphText> m_glyphs;
    mutable std::unordered_map<int, unsigned> m_accessibleRows;  // entry -> QAccessible::Id
};

// The accessible interface of a list box (for the accessibility factory).
QAccessibleInterface* accessibleListBox(QObject* object);
