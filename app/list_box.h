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
    qint64 shownCount() const { return m_shown; }
    qint64 shownCurrent() const { return m_shownCurrent; }
    QRect rowRect(qint64 row) const;  // in the viewport's coordinates
    qint64 rowAt(const QPoint& point) const;
    void scrollToRow(qint64 row);

    // An entry chosen as a click on it would choose it (assistive tools' selection).
    void selectAsClick(qint64 row, bool selected);

    const AccessibleRows& accessibleRows() const { return m_accessibleRows; }

    // What a scroll bar says: its range from 0, its value and its page.
    struct BarState {
        int maximum;
        int value;
        int pageStep;
    };

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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ListEntries::Observer
    void entriesChanged(qint64 firstRow) override;
    void entriesRenumbered() override;
    void listIndexSet() override;
    void selectionChanged(qint64 row, bool selected) override;

    void refresh();
    void requestRefresh();
    void showScrollBars();
    void updateScrollBars();
    BarState verticalBar() const;  // what the bars should say now
    BarState horizontalBar() const;
    qint64 rowsPerStep() const;
    void updateRows(qint64 first, qint64 last);
    void fitToFont();
    int rowsFitting() const;
    qint64 lastTop() const;
    bool scrolledToEnd() const;
    qint64 topShowing(qint64 row) const;  // the first entry in view once row is in view
    void moveTop(qint64 top);             // the scroll bars follow at updateScrollBars
    void setCurrentByUser(qint64 row);

    ScreenRefresh& m_refresh;
    qint64 m_shown = 0;            // entries the screen shows
    qint64 m_shownCurrent = -1;    // the current entry the screen shows
    qint64 m_changedFrom = -1;     // first entry changed since the last refresh
    // The first entry in view. The vertical scroll bar counts in int, so past 2^31 entries
    // one of its steps is several entries; the list itself scrolls by single entries.
    qint64 m_top = 0;
    qint64 m_rowsPerStep = 1;
    bool m_movingScrollBar = false;  // the bar follows m_top, not the other way round
    bool m_barsBehind = false;       // the bars look right but say less than they should
    bool m_indexPending = false;   // the logic set ListIndex since the last refresh
    bool m_refreshPending = false;
    static constexpr int kScrollBarRefreshes = 5;  // 5 times a second
    int m_heldRefreshes = 0;       // refreshes since the scroll bars were last brought up to date
    qint64 m_pressedRow = -1;
    int m_rowHeight = 1;

    std::unique_ptr<GlyphText> m_glyphs;
    AccessibleRows m_accessibleRows{*this};
};
