#pragma once

#include "app/controls.h"
#include "app/dialogs.h"
#include "app/list_box.h"
#include "app/screen_refresh.h"
#include "core/search_slot.h"
#include "serial/comm_port.h"

#include <QFrame>
#include <QString>
#include <QWidget>

#include <array>
#include <limits>
#include <memory>

// The one window of Wirelark. All of the program's logic lives here, as the handlers of its
// controls and a few routines; their definitions live in the folder of their subsystem.
class frmWirelark : public QWidget {
    Q_OBJECT
public:
    // The serial-port component is made from this system's port list unless one is given.
    explicit frmWirelark(Dialogs& dialogs, std::unique_ptr<MSComm> port = nullptr,
                         QWidget* parent = nullptr);

    // Application lifetime (app/lifetime.cpp)
    bool Load();  // Form_Load, then shows the window; false when start-up ended the program
    bool isUnloaded() const { return m_unloaded; }
    void Form_Load();
    void cmdClose_Click();

    // Serial capture: port discovery, the monitor switch, the receive handler (serial/)
    bool PortTest(qint16& COMPortNummer);
    void cmdPortOpen_Click();
    void MSComm1_OnComm();

    // Monitor list: line assembly and the monitor commands (monitor/)
    void AddChar(const QString& ch);
    void cmdNewLine_Click();
    void cmdClear_Click();
    void cmdSaveMon_Click();

    // Search strings, list and file (autofilter/filter_list.cpp)
    void cmdAddItemAutoFilter_Click();
    void cmdRemoveItemAutoFilter_Click();
    void cmdClearAutoFilter_Click();
    void cmdReadFilter_Click();
    void cmdSaveFilter_Click();

    // Search strings, selection of the active ones (autofilter/selection.cpp)
    void lstAutoFilter_Click();
    void cmdDeselectAll_Click();
    void cmdClearResultAutoFilter_Click();

    // The matcher's five active slots (index 0 to 4) and the raw selected entries (0 to 5):
    // one more than the slots, so that a sixth selected entry can be seen and refused.
    static constexpr std::size_t kSlots = searchslot::kSlotCount;
    std::array<QString, kSlots> FilterString;
    std::array<QString, kSlots> FilterComment;
    std::array<int, kSlots> FilterPos;  // 1-based: 1 at rest (set at construction and start-up)
    std::array<bool, kSlots> FilterMatched{};
    std::array<QString, kSlots> FilterBuffer;
    std::array<QString, kSlots + 1> SelectedFilter;

protected:
    // Shows the monitor's selected index (monitor/line_assembly.cpp)
    void ShowListIndex();

    // Port discovery (serial/port_discovery.cpp)
    void FillPortList();
    // The device went away while the monitor was on (serial/monitor_switch.cpp)
    void portLost();
    void showSwitchOff();
    // The capture has reached its memory ceiling: the monitor stops (serial/monitor_switch.cpp)
    void setCaptureLimit();
    qint64 captureMemory() const;  // what the monitor and the result list hold
    bool captureIsFull() const;
    void stopFullCapture();

    // The streaming matcher (autofilter/matcher.cpp)
    void RunAutoFilter(const QString& text);

    // Saves lstAutoFilter to Filter4.ini; false (after telling the user) when it could not.
    bool saveSearchStrings();
    // The Exit command's save: never over a file that the start-up read or the last Read could
    // not read; false (after telling the user) when the window must stay open.
    bool saveSearchStringsOnExit();

    // Port and status bar
    Label* Label5;
    ComboBox* cboPort;
    CommandButton* cmdPortOpen;
    Label* Label1;
    Label* lblMonitor;
    CommandButton* cmdClose;

    // Raw-data monitor
    ListBox* lstMonitor;
    CommandButton* cmdClear;
    CommandButton* cmdNewLine;
    CommandButton* cmdSaveMon;
    CheckBox* chkCRLF;
    NumberLabel* lblListIndexMonitor;
    Label* Label3;
    QFrame* Line1;

    // Search results
    Label* Label7;
    CommandButton* cmdClearResultAutoFilter;
    ListBox* lstResult;

    // Search strings
    CommandButton* cmdDeselectAll;
    Label* Label6;
    Label* Label2;
    NumberLabel* lblSelCount;
    ListBox* lstAutoFilter;
    CommandButton* cmdClearAutoFilter;
    CommandButton* cmdAddItemAutoFilter;
    CommandButton* cmdRemoveItemAutoFilter;
    CommandButton* cmdReadFilter;
    CommandButton* cmdSaveFilter;

    Dialogs& m_dialogs;

    // Components not visible at run time
    MSComm* MSComm1;
    CommonDialog CommonDialog1;

    // What changes with every received character reaches the screen at its ticks.
    ScreenRefresh m_screenRefresh;

private:
    void createControls();
    void setFocusOrder();
    void connectHandlers();
    void Unload();

    // Bytes the lists may hold; set when the monitor goes on.
    qint64 m_captureLimit = std::numeric_limits<qint64>::max();
    bool m_searchStringsRead = false;  // the start-up read has run: Exit may save the list
    bool m_filterFileUnread = false;    // the last Read failed: only Save may replace the file
    bool m_unloaded = false;
};
