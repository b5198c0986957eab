#pragma once

#include "app/glyph_text.h"
#include "app/list_box_accessible.h"
#include "app/screen_refresh.h"
#include "core/list_entries.h"

#include <QAbstractScrollArea>

#include <memory>

// A list box: the entries with the operations the window's logic uses (ListEntries), shown
// by a view that paints them itself, one line of text each, so that a list of millions of
// lines costs little more than their characters (Qt's item views keep per-row data of their
// own and relayout on inserts). Its accessible interfaces are in list_box_accessible.
//
// Lists that change with every received character (the monitor, the results) reach the
// screen at the window's refresh ticks: new and changed entries and the logic's ListIndex
// (selection and scrolling) 25 times a second, however often the logic changes them. The
// search-string list, small and clicked on, shows every change at once.
class ListBox : public QAbstractScrollArea, public ListEntries, private ListEntries::Observer {
    Q_OBJECT
public:
    ListBox(SelectionKind kind, ScreenRefresh& screen, QWidget* parent = nullptr);

    // What the screen shows: the entries and the current entry as of the last refresh.
    int shownCount() const { return m_shown; }
    int shownCurrent() const { return m_shownCurrent; }
    QRect rowRect(int row) const;  // in the viewport's coordinates
    int rowAt(const QPoint& point) const;
    void scrollToRow(int row);

    // An entry chosen as a click on it would choose it (assistive tools' selection).
    void selectAsClick(int row, bool selected);

    const AccessibleRows& accessibleRows() const { return m_accessibleRows; }

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
    // ListEntries::Observer
    void entriesChanged(int firstRow) override;
    void entriesRenumbered() override;
    void listIndexSet() override;
    void selectionChanged(int row, bool selected) override;

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

    ScreenRefresh& m_refresh;
    int m_shown = 0;               // entries the screen shows
    int m_shownCurrent = -1;       // the current entry the screen shows
    int m_changedFrom = -1;        // first entry changed since the last refresh
    bool m_indexPending = false;   // the logic set ListIndex since the last refresh
    bool m_refreshPending = false;
    static constexpr int kScrollBarRefreshes = 5;  // 5 times a second
    int m_heldRefreshes = 0;
    int m_pressedRow = -1;
    int m_rowHeight = 1;

    std::unique_ptr<GlyphText> m_glyphs;
    AccessibleRows m_accessibleRows{*this};
};
