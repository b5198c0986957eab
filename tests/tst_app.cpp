// The window's creation state, its keyboard behaviour, the list boxes and the real dialogs.
#include "app/app_icon.h"
#include "app/dialogs.h"
#include "app/fonts.h"
#include "core/line_store.h"
#include "core/list_entries.h"
#include "core/memory_ceiling.h"
#include "core/plain_file.h"
#include "app/translations.h"
#include "scripted_dialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QWheelEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <memory>

class TstApp : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void colours_data();
    void colours();
    void startsEmptyWithCrlfTicked();
    void focusOrderWrapsBothWays_data();
    void focusOrderWrapsBothWays();
    void altNPressesNewLineFromAnywhere();
    void noButtonIsDefaultOrCancel();
    void listsAndChooserKeepFixedPitch();
    void simpleListTogglesOneEntryPerClick();
    void simpleListSpaceTogglesCurrentEntry();
    void simpleListChangesOnlyOnClickOrSpace_data();
    void simpleListChangesOnlyOnClickOrSpace();
    void sixthEntryIsRefusedWhateverTheInput_data();
    void sixthEntryIsRefusedWhateverTheInput();
    void selectedPutRaisesClickBeforeReturning();
    void listIndexReachesViewOncePerPass();
    void removeItemMovesLaterEntriesUp();
    void lineStoreKeepsEveryLine_data();
    void lineStoreKeepsEveryLine();
    void captureCeiling_data();
    void captureCeiling();
    void listsAreReadableByAccessibility();
    void screenReadersHearTheCurrentEntryAndSelectAsByClick();
    void controlsAreNamedForScreenReaders_data();
    void controlsAreNamedForScreenReaders();
    void resultListFollowsItsEndOnly();
    void doubleClickAndF12OnlySelect();
    void realMessageBox_data();
    void realMessageBox();
    void realInputBox();
    void realSaveAsDialog();
    void writesWindowPicture();
    void qtTextsFollowTheDesktopLanguage();
    void iconShowsBothBusLinesAtSixteenPixels();

private:
    void showActive();
    void fillSearchStrings(int count);
    void sendInput(ListBox* list, const QString& input);

    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<TestWindow> m_window;
};

void TstApp::init()
{
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_window = std::make_unique<TestWindow>(*m_dialogs);
}

void TstApp::cleanup()
{
    m_window.reset();
    m_dialogs.reset();
}

void TstApp::showActive()
{
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TstApp::fillSearchStrings(int count)
{
    ListBox* list = m_window->list("lstAutoFilter");
    for (int i = 0; i < count; ++i)
        list->AddItem(QStringLiteral("%1?;entry %2").arg(QChar(u'A' + i)).arg(i));
}

// Input as the user gives it: "click N", "shift-click N", or keys separated by blanks
// ("Up", "Down", "Home", "End", "PgDown", "Space", "Ctrl+A", "Shift+Down", a letter).
void TstApp::sendInput(ListBox* list, const QString& input)
{
    const QStringList words = input.split(u' ');
    if (words[0] == "click" || words[0] == "shift-click") {
        const QRect rect = list->rowRect(words[1].toInt());
        QTest::mouseClick(list->viewport(), Qt::LeftButton,
                          words[0] == "click" ? Qt::NoModifier : Qt::ShiftModifier, rect.center());
        return;
    }
    static const QMap<QString, QPair<int, Qt::KeyboardModifiers>> keys = {
        {"Up", {Qt::Key_Up, Qt::NoModifier}},        {"Down", {Qt::Key_Down, Qt::NoModifier}},
        {"Home", {Qt::Key_Home, Qt::NoModifier}},    {"End", {Qt::Key_End, Qt::NoModifier}},
        {"PgDown", {Qt::Key_PageDown, Qt::NoModifier}}, {"Space", {Qt::Key_Space, Qt::NoModifier}},
        {"Ctrl+A", {Qt::Key_A, Qt::ControlModifier}}, {"Shift+Down", {Qt::Key_Down, Qt::ShiftModifier}},
        {"Shift+Up", {Qt::Key_Up, Qt::ShiftModifier}}};
    for (const QString& word : words) {
        if (keys.contains(word))
            QTest::keyClick(list, Qt::Key(keys[word].first), keys[word].second);
        else
            QTest::keyClicks(list, word);
    }
}

void TstApp::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("toolTip");

    const auto row = [](const char* name, const char* kind, const QString& caption, QRect twips,
                        const QString& family, qreal points, bool bold, const QString& tip = {}) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind) << caption
                            << twips << family << points << bold << tip;
    };
    row("Label5", "QLabel", "ComPort", {117, 156, 1066, 247}, kSansSerif, 10.8, true);
    row("cboPort", "QComboBox", "", {1287, 117, 715, 325}, kCourier, 10.2, false);
    row("cmdPortOpen", "QPushButton", "Öffnen", {2223, 117, 1183, 364}, kSansSerif, 7.8, true);
    row("Label1", "QLabel", "I2C - Rohdaten", {4914, 117, 2236, 364}, kComic, 14.4, false);
    row("lblMonitor", "QLabel", "Monitor inaktiv", {7956, 117, 1885, 364}, kComic, 10.8, false);
    row("cmdClose", "QPushButton", "Exit", {12987, 117, 1300, 377}, kSansSerif, 10.8, true,
        " Programm beenden");
    row("lstMonitor", "ListBox", "", {117, 585, 14170, 2928}, kCourier, 10.8, false,
        "I2C-Monitordaten: Doppelklick zum Übernehmen  /  F12 für CRLF");
    row("cmdClear", "QPushButton", "Clear", {117, 3744, 1300, 364}, kSansSerif, 6.6, true, "Löscht Daten");
    row("cmdNewLine", "QPushButton", "&New Line", {1638, 3744, 1183, 364}, kSansSerif, 6.6, true,
        "Neue Zeile");
    row("cmdSaveMon", "QPushButton", "Save", {3042, 3744, 1183, 364}, kSansSerif, 6.6, true,
        "Speichert Daten");
    row("chkCRLF", "QCheckBox", "CRLF nach STOP", {4563, 3744, 1885, 364}, kSansSerif, 7.8, true);
    row("lblListIndexMonitor", "QLabel", "", {13221, 3809, 364, 247}, kCourier, 10.2, true);
    row("Label3", "QLabel", "Index", {13689, 3809, 598, 247}, kSansSerif, 7.8, true);
    row("Label7", "QLabel", "Suchergebnisse", {1521, 4329, 2119, 364}, kComic, 14.4, false);
    row("cmdClearResultAutoFilter", "QPushButton", "Clear", {4329, 4329, 832, 364}, kSansSerif, 6.6,
        true, "Löscht Suchergebnisse");
    row("lstResult", "ListBox", "", {234, 4797, 4927, 3168}, kCourier, 10.8, false);
    row("cmdDeselectAll", "QPushButton", "Deselect all", {8307, 4329, 1183, 364}, kSansSerif, 6.6,
        true, "Löscht Suchergebnisse");
    row("Label6", "QLabel", "Suchstrings", {9945, 4329, 1651, 364}, kComic, 14.4, false);
    row("Label2", "QLabel", "SelCount", {11817, 4446, 949, 247}, kSansSerif, 7.8, true);
    row("lblSelCount", "QLabel", "", {12753, 4446, 364, 247}, kCourier, 10.2, false);
    row("lstAutoFilter", "ListBox", "", {8307, 4797, 4927, 3168}, kCourier, 10.8, false);
    row("cmdClearAutoFilter", "QPushButton", "Clear", {13455, 4797, 832, 364}, kSansSerif, 6.6, true,
        "Löscht Suchstringdaten");
    row("cmdAddItemAutoFilter", "QPushButton", "Add", {13455, 5382, 832, 364}, kSansSerif, 6.6, true,
        "Filterstring hinzufügen");
    row("cmdRemoveItemAutoFilter", "QPushButton", "Del", {13455, 5967, 832, 364}, kSansSerif, 6.6,
        true, "Filterstring entfernen");
    row("cmdReadFilter", "QPushButton", "Read", {13455, 7137, 832, 364}, kSansSerif, 6.6, true,
        "Liest Suchstrings ein");
    row("cmdSaveFilter", "QPushButton", "Save", {13455, 7722, 832, 364}, kSansSerif, 6.6, true,
        "Speichert Suchstrings");
}

void TstApp::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    QFETCH(QString, toolTip);

    auto* control = m_window->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QVERIFY(control->inherits(kind.toLatin1()));
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        QCOMPARE(button->text(), caption);
    else if (auto* label = qobject_cast<QLabel*>(control))
        QCOMPARE(label->text(), caption);
    // Twips to logical pixels, 15 to one, rounded.
    const QRect pixels(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0),
                       qRound(twips.width() / 15.0), qRound(twips.height() / 15.0));
    QCOMPARE(control->geometry(), pixels);
    QCOMPARE(control->font().family(), family);
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(control->font().bold(), bold);
    QVERIFY(!control->font().italic() && !control->font().underline() && !control->font().strikeOut());
    QCOMPARE(control->toolTip(), toolTip);
}

void TstApp::colours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPalette::ColorRole>("role");
    QTest::addColumn<QColor>("colour");
    const QColor lightYellow(255, 255, 192);
    QTest::newRow("window grey") << "frmWirelark" << QPalette::Window << QColor(192, 192, 192);
    QTest::newRow("lblMonitor red") << "lblMonitor" << QPalette::Window << QColor(255, 0, 0);
    QTest::newRow("index label yellow") << "lblListIndexMonitor" << QPalette::Window << lightYellow;
    QTest::newRow("selcount yellow") << "lblSelCount" << QPalette::Window << lightYellow;
    QTest::newRow("monitor yellow") << "lstMonitor" << QPalette::Base << lightYellow;
    QTest::newRow("results yellow") << "lstResult" << QPalette::Base << lightYellow;
    QTest::newRow("search strings yellow") << "lstAutoFilter" << QPalette::Base << lightYellow;
}

void TstApp::colours()
{
    QFETCH(QString, name);
    QFETCH(QPalette::ColorRole, role);
    QFETCH(QColor, colour);
    QWidget* control = name == QLatin1String("frmWirelark") ? m_window.get()
                                                            : m_window->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->palette().color(role), colour);
    QVERIFY(control->autoFillBackground() || role == QPalette::Base);
}

void TstApp::startsEmptyWithCrlfTicked()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Wirelark"));
    QCOMPARE(m_window->size(), QSize(966, 549));
    QCOMPARE(m_window->control<CheckBox>("chkCRLF")->Value(), 1);
    QCOMPARE(m_window->control<CommandButton>("cmdPortOpen")->BackColor(), 65280);
    QCOMPARE(m_window->control<CommandButton>("cmdClose")->BackColor(), rgbValue(255, 128, 128));
    for (const char* name : {"lstMonitor", "lstResult", "lstAutoFilter"})
        QCOMPARE(m_window->list(name)->ListCount(), 0);
    QCOMPARE(m_window->control<ComboBox>("cboPort")->ListCount(), 0);
    QCOMPARE(m_window->control<ComboBox>("cboPort")->currentText(), QString());
    QCOMPARE(m_window->control<QLabel>("lblSelCount")->text(), QString());
    QCOMPARE(m_window->control<QLabel>("lblListIndexMonitor")->text(), QString());
    for (int pos : m_window->FilterPos)
        QCOMPARE(pos, 1);
}

void TstApp::focusOrderWrapsBothWays_data()
{
    QTest::addColumn<bool>("filled");
    QTest::newRow("empty lists") << false;
    QTest::newRow("every list with entries") << true;
}

void TstApp::focusOrderWrapsBothWays()
{
    QFETCH(bool, filled);
    if (filled) {
        // A table view walks its cells on Tab; a list box must hand the focus on.
        fillSearchStrings(8);
        m_window->list("lstAutoFilter")->SetListIndex(0);
        for (int i = 0; i < 30; ++i)
            m_window->list("lstMonitor")->AddItem(QStringLiteral("s90a00ap"));
        m_window->list("lstMonitor")->SetListIndex(0);
        for (int i = 0; i < 30; ++i)
            m_window->list("lstResult")->AddItem(QStringLiteral("Sensor(A?C)"));
    }
    const QStringList order = {
        "cmdClose", "lstMonitor", "cmdClear", "cmdNewLine", "cmdSaveMon", "chkCRLF",
        "cmdPortOpen", "cboPort", "lstResult", "cmdClearResultAutoFilter", "lstAutoFilter",
        "cmdReadFilter", "cmdSaveFilter", "cmdClearAutoFilter", "cmdRemoveItemAutoFilter",
        "cmdAddItemAutoFilter", "cmdDeselectAll"};
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    const auto focusName = [] {
        QWidget* focus = QApplication::focusWidget();
        // The chooser's text field stands for the chooser.
        if (focus && qobject_cast<QComboBox*>(focus->parentWidget()))
            focus = focus->parentWidget();
        return focus ? focus->objectName() : QString();
    };
    QCOMPARE(focusName(), order.first());
    for (int step = 1; step <= order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusName(), order[step % order.size()]);
    }
    for (int step = order.size() - 1; step >= 0; --step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focusName(), order[step]);
    }
}

void TstApp::altNPressesNewLineFromAnywhere()
{
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QSignalSpy pressed(m_window->control<QPushButton>("cmdNewLine"), &QPushButton::clicked);
    int presses = 0;
    for (const char* name : {"cmdClose", "lstAutoFilter", "cboPort", "lstMonitor"}) {
        m_window->findChild<QWidget*>(QLatin1String(name))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
        // An access key presses the button as a click would be seen: after a short animation.
        ++presses;
        QTRY_COMPARE(pressed.count(), presses);
    }
}

void TstApp::noButtonIsDefaultOrCancel()
{
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    int clicks = 0;
    for (QPushButton* button : m_window->findChildren<QPushButton*>()) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
        connect(button, &QPushButton::clicked, this, [&clicks] { ++clicks; });
    }
    m_window->list("lstResult")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(clicks, 0);
    QVERIFY(m_window->isVisible());
}

void TstApp::listsAndChooserKeepFixedPitch()
{
    for (const char* name : {"lstMonitor", "lstResult", "lstAutoFilter", "cboPort"}) {
        auto* control = m_window->findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(QFontInfo(control->font()).fixedPitch(), name);
    }
}

void TstApp::simpleListTogglesOneEntryPerClick()
{
    ListBox* list = m_window->list("lstAutoFilter");
    for (const char* entry : {"A;a", "B;b", "C;c"})
        list->AddItem(QString::fromLatin1(entry));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QSignalSpy clicks(list, &ListBox::Click);
    const auto clickEntry = [list](int row) {
        const QRect rect = list->rowRect(row);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    };

    clickEntry(0);
    clickEntry(2);
    QVERIFY(list->Selected(0) && !list->Selected(1) && list->Selected(2));
    QCOMPARE(list->SelCount(), 2);
    clickEntry(0);
    QVERIFY(!list->Selected(0) && !list->Selected(1) && list->Selected(2));
    QCOMPARE(list->ListIndex(), 0);  // the clicked entry, although the click deselected it
    QCOMPARE(list->SelCount(), 1);
    QCOMPARE(clicks.count(), 3);
}

void TstApp::simpleListSpaceTogglesCurrentEntry()
{
    ListBox* list = m_window->list("lstAutoFilter");
    list->AddItem(QStringLiteral("A;a"));
    list->AddItem(QStringLiteral("B;b"));
    list->SetListIndex(1);
    QCOMPARE(list->SelCount(), 0);  // setting the current entry selects nothing
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    list->setFocus();
    QSignalSpy clicks(list, &ListBox::Click);
    QTest::keyClick(list, Qt::Key_Space);
    QVERIFY(!list->Selected(0) && list->Selected(1));
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Space);
    QVERIFY(list->Selected(0) && list->Selected(1));
    QCOMPARE(list->ListIndex(), 0);
    QCOMPARE(clicks.count(), 2);
}

void TstApp::simpleListChangesOnlyOnClickOrSpace_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("listIndex");
    QTest::newRow("letter key") << "C" << QList<int>{} << 1;
    QTest::newRow("letters after Up") << "Up Be" << QList<int>{} << 0;
    QTest::newRow("Ctrl+A") << "Ctrl+A" << QList<int>{} << 1;
    QTest::newRow("Shift+arrows") << "Shift+Down Shift+Down Shift+Up" << QList<int>{} << 2;
    QTest::newRow("arrows, Home, End, Page Down only move") << "Down Home End PgDown Up" << QList<int>{} << 6;
    QTest::newRow("Down then space toggles the new current entry") << "Down Space" << QList<int>{2} << 2;
    QTest::newRow("space twice toggles back") << "Space Space" << QList<int>{} << 1;
    QTest::newRow("click") << "click 3" << QList<int>{3} << 3;
    QTest::newRow("Shift+click") << "shift-click 4" << QList<int>{} << 4;
}

void TstApp::simpleListChangesOnlyOnClickOrSpace()
{
    QFETCH(QString, input);
    QFETCH(QList<int>, selected);
    QFETCH(int, listIndex);
    ListBox* list = m_window->list("lstAutoFilter");
    fillSearchStrings(8);
    list->SetListIndex(1);
    showActive();
    list->setFocus();
    QSignalSpy clicks(list, &ListBox::Click);
    sendInput(list, input);
    QList<int> found;
    for (int i = 0; i < list->ListCount(); ++i) {
        if (list->Selected(i))
            found << i;
    }
    QCOMPARE(found, selected);
    QCOMPARE(list->ListIndex(), listIndex);
    QCOMPARE(clicks.count(), int(input.count(QStringLiteral("Space")) + input.count(QStringLiteral("click "))
                                 - input.count(QStringLiteral("shift-click"))));
}

void TstApp::sixthEntryIsRefusedWhateverTheInput_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("patterns");  // slots 0 to 4 afterwards
    const QStringList firstFive = {"A?", "B?", "C?", "D?", "E?"};
    QTest::newRow("click") << "click 6" << firstFive;
    QTest::newRow("space") << "End Space" << firstFive;
    QTest::newRow("Up, then a letter") << "Up G" << firstFive;
    QTest::newRow("Ctrl+A") << "Ctrl+A" << firstFive;
    QTest::newRow("Shift+click over a range") << "shift-click 7" << firstFive;
    QTest::newRow("click above the selected ones") << "click 0" << firstFive;
}

void TstApp::sixthEntryIsRefusedWhateverTheInput()
{
    QFETCH(QString, input);
    QFETCH(QStringList, patterns);
    ListBox* list = m_window->list("lstAutoFilter");
    fillSearchStrings(8);
    const bool aboveTheOthers = input == "click 0";
    for (int i = aboveTheOthers ? 1 : 0; i < (aboveTheOthers ? 6 : 5); ++i)
        list->SetSelected(i, true);
    const QStringList expected = aboveTheOthers ? QStringList{"B?", "C?", "D?", "E?", "F?"} : patterns;
    list->SetListIndex(5);
    showActive();
    list->setFocus();

    sendInput(list, input);

    QCOMPARE(list->SelCount(), 5);
    QCOMPARE(m_window->control<QLabel>("lblSelCount")->text(), QStringLiteral("5"));
    for (int j = 0; j < 5; ++j)
        QCOMPARE(m_window->FilterString[std::size_t(j)], expected[j]);
    QVERIFY(m_dialogs->messages.size() <= 1);  // one warning for one refused entry, if any
    for (const ScriptedDialogs::Message& message : m_dialogs->messages)
        QCOMPARE(message.text, QStringLiteral("Nur 5 Suchstrings erlaubt"));
}

void TstApp::selectedPutRaisesClickBeforeReturning()
{
    ListBox* list = m_window->list("lstAutoFilter");
    list->AddItem(QStringLiteral("A"));
    int seenSelCount = -1;
    int clicks = 0;
    connect(list, &ListBox::Click, this, [&] { ++clicks; seenSelCount = list->SelCount(); });
    list->SetSelected(0, true);
    QCOMPARE(clicks, 1);
    QCOMPARE(seenSelCount, 1);
    list->SetSelected(0, true);  // no change, no event
    QCOMPARE(clicks, 1);
    list->SetSelected(0, false);
    QCOMPARE(clicks, 2);
    QCOMPARE(seenSelCount, 0);
}

void TstApp::listIndexReachesViewOncePerPass()
{
    ListBox* list = m_window->list("lstMonitor");
    for (int i = 0; i < 1000; ++i) {
        list->AddItem(QString::number(i));
        list->SetListIndex(i);
        QCOMPARE(list->ListIndex(), i);  // the logic sees its own index at once
    }
    QTRY_COMPARE(list->shownCurrent(), 999);
    QVERIFY(list->Selected(999));
    list->Clear();
    QCOMPARE(list->ListIndex(), -1);
    QTRY_COMPARE(list->shownCurrent(), -1);
}

void TstApp::lineStoreKeepsEveryLine_data()
{
    QTest::addColumn<QList<int>>("lengths");  // of the lines appended
    QTest::addColumn<QString>("change");      // then: "replace N", "remove N" or nothing
    QList<int> capture;  // short lines over several blocks of 256 KiB
    for (int i = 0; i < 40000; ++i)
        capture << 1 + (i * 7) % 23;
    QTest::newRow("short lines across blocks") << capture << "";
    QTest::newRow("lines of 254, 255, 256 and 100,000 characters")
        << QList<int>{254, 255, 256, 0, 100000, 3, 300000, 1} << "";
    QTest::newRow("an early line replaced") << capture << "replace 70";
    QTest::newRow("the last line replaced") << capture << "replace 39999";
    QTest::newRow("an early line removed") << capture << "remove 3";
    QTest::newRow("the last line removed") << capture << "remove 39999";
    QTest::newRow("a long line removed") << QList<int>{10, 300, 5, 400, 7} << "remove 1";
}

void TstApp::lineStoreKeepsEveryLine()
{
    QFETCH(QList<int>, lengths);
    QFETCH(QString, change);
    LineStore store;
    QList<QByteArray> lines;
    for (int i = 0; i < lengths.size(); ++i) {
        QByteArray line(lengths[i], Qt::Uninitialized);
        for (int k = 0; k < line.size(); ++k)
            line[k] = char('a' + (i + k) % 26);
        lines << line;
        store.append(line);
    }
    const int row = change.section(u' ', 1).toInt();
    if (change.startsWith(QStringLiteral("replace"))) {
        lines[row] = QByteArray(300, 'R');  // longer than a one-byte length
        store.replace(row, lines[row]);
    } else if (change.startsWith(QStringLiteral("remove"))) {
        lines.removeAt(row);
        store.remove(row);
    }
    QCOMPARE(store.count(), int(lines.size()));
    for (int i = 0; i < lines.size(); ++i) {
        if (store.line(i) != lines[i])
            QFAIL(qPrintable(QStringLiteral("line %1 differs").arg(i)));
    }
    store.append("next");
    QCOMPARE(store.line(int(lines.size())), QByteArray("next"));
    QCOMPARE(store.line(int(lines.size()) - 1), lines.last());
}

void TstApp::captureCeiling_data()
{
    constexpr qint64 G = qint64(1) << 30;
    QTest::addColumn<QString>("variable");
    QTest::addColumn<qint64>("physical");
    QTest::addColumn<qint64>("available");
    QTest::addColumn<qint64>("held");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("problem");
    QTest::newRow("half the machine") << "" << 8 * G << 6 * G << qint64(0) << 4 * G << false;
    QTest::newRow("no more than is free") << "" << 8 * G << G << qint64(0) << G << false;
    QTest::newRow("what the capture holds counts as free") << "" << 8 * G << G << 2 * G << 3 * G << false;
    QTest::newRow("nothing known of the machine") << "" << qint64(0) << qint64(0) << qint64(0) << G << false;
    QTest::newRow("set in bytes") << "1048576" << 8 * G << G << qint64(0) << qint64(1 << 20) << false;
    QTest::newRow("set with K") << "64k" << 8 * G << G << qint64(0) << qint64(64 << 10) << false;
    QTest::newRow("set with G, above what is free") << "12G" << 8 * G << G << qint64(0) << 12 * G << false;
    QTest::newRow("zero is no size") << "0" << 8 * G << 6 * G << qint64(0) << 4 * G << true;
    QTest::newRow("negative") << "-5M" << 8 * G << 6 * G << qint64(0) << 4 * G << true;
    QTest::newRow("fraction") << "1.5G" << 8 * G << 6 * G << qint64(0) << 4 * G << true;
    QTest::newRow("overflow") << "99999999999G" << 8 * G << 6 * G << qint64(0) << 4 * G << true;
    QTest::newRow("words") << "lots" << 8 * G << 6 * G << qint64(0) << 4 * G << true;
}

void TstApp::captureCeiling()
{
    QFETCH(QString, variable);
    QFETCH(qint64, physical);
    QFETCH(qint64, available);
    QFETCH(qint64, held);
    QFETCH(qint64, limit);
    QFETCH(bool, problem);
    QString told;
    QCOMPARE(memoryceiling::captureLimit(held, {physical, available}, variable, &told), limit);
    QCOMPARE(!told.isEmpty(), problem);
    if (problem)
        QVERIFY(told.contains(QLatin1String(memoryceiling::kVariable)));
}

void TstApp::removeItemMovesLaterEntriesUp()
{
    // The entries and their rules, without a widget.
    ListEntries list(ListEntries::SelectionKind::Simple);
    for (const char* entry : {"a", "b", "c", "d"})
        list.AddItem(QString::fromLatin1(entry));
    list.SetSelected(2, true);
    list.SetListIndex(3);
    list.RemoveItem(1);
    QCOMPARE(list.ListCount(), 3);
    QCOMPARE(list.List(1), QStringLiteral("c"));
    QCOMPARE(list.ListIndex(), 2);  // still "d"
    QVERIFY(list.Selected(1));      // "c" kept its selection
    QCOMPARE(list.SelCount(), 1);
    list.RemoveItem(1);
    QCOMPARE(list.SelCount(), 0);  // the removed entry took its selection with it

    // The last entry removed: the one before becomes the last and grows on.
    list.RemoveItem(1);
    QCOMPARE(list.ListIndex(), -1);
    list.SetList(0, list.List(0) + QStringLiteral("+"));
    list.AddItem(QStringLiteral("e"));
    QCOMPARE(list.ListCount(), 2);
    QCOMPARE(list.List(0), QStringLiteral("a+"));
    QCOMPARE(list.lineBytes(0), QByteArray("a+"));
    QCOMPARE(list.List(1), QStringLiteral("e"));
}

void TstApp::listsAreReadableByAccessibility()
{
    ListBox* monitor = m_window->list("lstMonitor");
    m_window->AddChar(QStringLiteral("s"));
    m_window->AddChar(QStringLiteral("p"));
    m_window->AddChar(QStringLiteral("9"));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_COMPARE(monitor->shownCount(), 2);  // the view has caught up
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(monitor);
    QVERIFY(list);
    QCOMPARE(list->role(), QAccessible::List);
    QCOMPARE(list->childCount(), 2);
    QCOMPARE(list->child(0)->text(QAccessible::Name), QStringLiteral("sp"));
    QCOMPARE(list->child(1)->text(QAccessible::Name), QStringLiteral("9"));
    QCOMPARE(list->child(1)->role(), QAccessible::ListItem);
    QCOMPARE(list->indexOfChild(list->child(1)), 1);
    QVERIFY(list->child(1)->state().selected);  // the monitor's newest line is selected
    QCOMPARE(list->child(1)->parent(), list);

    // A reader that follows a long capture keeps a bounded number of rows, each still right.
    m_window->cmdClear_Click();
    for (int line = 0; line < 3000; ++line) {
        for (const QChar c : QStringLiteral("%1p").arg(line))
            m_window->AddChar(QString(c));
    }
    QTRY_COMPARE(monitor->shownCount(), 3001);
    for (int row = 0; row < 3000; ++row) {
        const QAccessibleInterface* child = list->child(row);
        if (child->text(QAccessible::Name) != QStringLiteral("%1p").arg(row) || list->indexOfChild(child) != row)
            QFAIL(qPrintable(QStringLiteral("row %1 differs").arg(row)));
    }
    const QAccessible::Id first = QAccessible::uniqueId(list->child(0));
    QVERIFY(QAccessible::accessibleInterface(first));
    for (int row = 1; row < 3000; ++row)
        list->child(row);
    QCOMPARE(QAccessible::accessibleInterface(first), nullptr);  // given back long ago
    QCOMPARE(list->child(0)->text(QAccessible::Name), QStringLiteral("0p"));
}

void TstApp::screenReadersHearTheCurrentEntryAndSelectAsByClick()
{
    fillSearchStrings(7);
    ListBox* list = m_window->list("lstAutoFilter");
    list->SetListIndex(2);
    showActive();
    // Tabbing in: the current entry is the list's focused child (and is told as focused,
    // which only a desktop's accessibility bridge receives).
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(list);
    QCOMPARE(accessible->focusChild(), nullptr);
    list->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(list->hasFocus());
    QCOMPARE(accessible->focusChild(), accessible->child(2));

    // Selecting through the accessible table is a click: the sixth is refused.
    QAccessibleTableInterface* table = accessible->tableInterface();
    QVERIFY(table);
    for (int row = 0; row < 6; ++row)
        QVERIFY(table->selectRow(row));
    QTRY_COMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(list->SelCount(), 5);
    QVERIFY(!table->isRowSelected(5));
    QCOMPARE(table->selectedRows(), QList<int>({0, 1, 2, 3, 4}));
    QCOMPARE(m_dialogs->messages.size(), 1);
    QVERIFY(table->unselectRow(0));
    QTRY_COMPARE(list->SelCount(), 4);
    QCOMPARE(m_window->control<NumberLabel>("lblSelCount")->Caption(), QStringLiteral("4"));
}

void TstApp::controlsAreNamedForScreenReaders_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("value");
    QTest::newRow("monitor") << "lstMonitor" << "I2C - Rohdaten"
                             << "I2C-Monitordaten: Doppelklick zum Übernehmen  /  F12 für CRLF" << "";
    QTest::newRow("results") << "lstResult" << "Suchergebnisse" << "" << "";
    QTest::newRow("search strings") << "lstAutoFilter" << "Suchstrings" << "" << "";
    QTest::newRow("port chooser") << "cboPort" << "ComPort" << "" << "";
    QTest::newRow("index") << "lblListIndexMonitor" << "Index" << "" << "0";
    QTest::newRow("selection count") << "lblSelCount" << "SelCount" << "" << "1";
    QTest::newRow("exit") << "cmdClose" << "Exit" << " Programm beenden" << "";
    QTest::newRow("deselect all") << "cmdDeselectAll" << "Deselect all" << "Löscht Suchergebnisse" << "";
}

void TstApp::controlsAreNamedForScreenReaders()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QFETCH(QString, description);
    QFETCH(QString, value);
    m_window->control<QComboBox>("cboPort")->addItem(QStringLiteral(" 1"));
    m_window->AddChar(QStringLiteral("s"));
    fillSearchStrings(2);
    m_window->list("lstAutoFilter")->SetSelected(1, true);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QAccessibleInterface* control =
        QAccessible::queryAccessibleInterface(m_window->findChild<QWidget*>(name));
    QVERIFY(control);
    // A control labelled by another is spoken by that label's name (Qt's way for a combo box).
    const auto labels = control->relations(QAccessible::Label);
    QCOMPARE(labels.isEmpty() ? control->text(QAccessible::Name) : labels.first().first->text(QAccessible::Name),
             accessibleName);
    QCOMPARE(control->text(QAccessible::Description), description);
    if (!value.isEmpty()) {
        QCOMPARE(control->text(QAccessible::Value), value);
        QVERIFY(control->valueInterface());
        QCOMPARE(control->valueInterface()->currentValue().toString(), value);
    }
}

void TstApp::resultListFollowsItsEndOnly()
{
    ListBox* results = m_window->list("lstResult");
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QScrollBar* bar = results->verticalScrollBar();
    for (int i = 0; i < 50; ++i)
        results->AddItem(QStringLiteral("hit %1").arg(i));
    QTRY_COMPARE(results->shownCount(), 50);
    QVERIFY(results->viewport()->rect().contains(results->rowRect(49)));  // at its end: it follows
    QTRY_VERIFY(bar->maximum() > 0);  // the bar catches up within a few refreshes
    QTRY_COMPARE(bar->value(), bar->maximum());

    bar->setValue(3);  // the user scrolls up to read
    for (int i = 50; i < 100; ++i)
        results->AddItem(QStringLiteral("hit %1").arg(i));
    QTRY_COMPARE(results->shownCount(), 100);
    QCOMPARE(results->rowAt(QPoint(0, 0)), 3);  // it stays where the user put it
    QTRY_VERIFY(bar->maximum() > 50);
    QCOMPARE(bar->value(), 3);

    bar->setValue(bar->maximum());  // back at the end: it follows again
    results->AddItem(QStringLiteral("hit 100"));
    QTRY_COMPARE(results->shownCount(), 101);
    QVERIFY(results->viewport()->rect().contains(results->rowRect(100)));
    QTRY_COMPARE(bar->value(), bar->maximum());
    const int fitting = bar->pageStep();
    QCOMPARE(results->rowAt(QPoint(0, 0)), 101 - fitting);

    // The wheel right after new entries, while the bar may still say fewer: three lines up
    // from the true end.
    for (int i = 101; i < 300; ++i)
        results->AddItem(QStringLiteral("hit %1").arg(i));
    QTRY_COMPARE(results->shownCount(), 300);
    const QPoint inside = results->viewport()->rect().center();
    QWheelEvent wheel(inside, results->viewport()->mapToGlobal(inside), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(results->viewport(), &wheel);
    QCOMPARE(results->rowAt(QPoint(0, 0)), 300 - fitting - QApplication::wheelScrollLines());
}

void TstApp::doubleClickAndF12OnlySelect()
{
    ListBox* monitor = m_window->list("lstMonitor");
    for (const char* line : {"s90a00ap", "s91a19an", ""})
        monitor->AddItem(QString::fromLatin1(line));
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTRY_COMPARE(monitor->shownCount(), 3);
    const QRect second = monitor->rowRect(1);
    QTest::mouseDClick(monitor->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    QTest::keyClick(monitor, Qt::Key_F12);
    QCOMPARE(monitor->ListIndex(), 1);
    QCOMPARE(m_window->control<CheckBox>("chkCRLF")->Value(), 1);  // F12 does not untick it
    QCOMPARE(m_window->entries("lstMonitor"), QStringList({"s90a00ap", "s91a19an", ""}));
}

void TstApp::realMessageBox_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shownTitle");
    QTest::addColumn<int>("icon");
    QTest::newRow("style 0, application title") << 0 << QString() << "Wirelark" << int(QMessageBox::NoIcon);
    QTest::newRow("style 16, own title") << 16 << "COM-Port" << "COM-Port" << int(QMessageBox::Critical);
    QTest::newRow("style 48, own title") << 48 << "Info" << "Info" << int(QMessageBox::Warning);
}

void TstApp::realMessageBox()
{
    QFETCH(int, style);
    QFETCH(QString, title);
    QFETCH(QString, shownTitle);
    QFETCH(int, icon);
    QtDialogs dialogs(m_window.get());
    QString seenTitle, seenText;
    int seenIcon = -1;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seenTitle = box->windowTitle();
        seenText = box->text();
        seenIcon = box->icon();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    dialogs.MsgBox(QStringLiteral("Datenverlust!"), style, title);
    QCOMPARE(seenTitle, shownTitle);
    QCOMPARE(seenText, QStringLiteral("Datenverlust!"));
    QCOMPARE(seenIcon, icon);
}

void TstApp::realInputBox()
{
    QtDialogs dialogs(m_window.get());
    QString seenTitle, seenLabel;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seenTitle = box->windowTitle();
        seenLabel = box->labelText();
        QTest::keyClicks(box->findChild<QLineEdit*>(), QStringLiteral("A?C;Sensor"));
        QTest::keyClick(box->findChild<QLineEdit*>(), Qt::Key_Return);
    });
    QCOMPARE(dialogs.InputBox(QStringLiteral("Prompt:")), QStringLiteral("A?C;Sensor"));
    QCOMPARE(seenTitle, QStringLiteral("Wirelark"));
    QCOMPARE(seenLabel, QStringLiteral("Prompt:"));

    QTimer::singleShot(0, this, [] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QTest::keyClicks(box->findChild<QLineEdit*>(), QStringLiteral("typed"));
        box->reject();
    });
    QCOMPARE(dialogs.InputBox(QStringLiteral("Prompt:")), QString());
}

void TstApp::realSaveAsDialog()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("capture.log"));
    QtDialogs dialogs(m_window.get());
    CommonDialog dialog(dialogs);
    dialog.Filter = QStringLiteral("Monitor Log Files (*.log)|*.log");
    dialog.FilterIndex = 1;
    dialog.CancelError = true;
    QStringList seenFilters;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seenFilters = box->nameFilters();
        box->selectFile(path);
        QMetaObject::invokeMethod(box, "accept");
    });
    QVERIFY(dialog.ShowSave());
    QCOMPARE(dialog.FileName, path);
    QCOMPARE(seenFilters, QStringList{QStringLiteral("Monitor Log Files (*.log)")});

    QString offered;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        offered = box->selectedFiles().value(0);
        box->reject();
    });
    QVERIFY(!dialog.ShowSave());            // cancel reported as a failure
    QCOMPARE(QFileInfo(offered).fileName(), QStringLiteral("capture.log"));
    QCOMPARE(dialog.FileName, path);        // kept for the next Save
}

void TstApp::writesWindowPicture()
{
    m_window->list("lstAutoFilter")->AddItem(QStringLiteral("s90a;Temperatursensor"));
    m_window->list("lstMonitor")->AddItem(QStringLiteral("s90a00as91a19a40ap"));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const QString folder = qEnvironmentVariable("WIRELARK_BUILD_DIR", QDir::currentPath());
    const QString path = QDir(folder).filePath(QStringLiteral("wirelark-window.png"));
    const QImage picture = m_window->grab().toImage();
    QVERIFY(picture.save(path));
    // Each list paints its entry: its first row holds pixels of the text's colour, the row
    // below none; the monitor's selected line is highlighted.
    for (const char* name : {"lstMonitor", "lstAutoFilter"}) {
        ListBox* list = m_window->list(name);
        QTRY_COMPARE(list->shownCount(), 1);
        const auto inkIn = [&](const QRect& rowRect) {
            const QRect rect(list->viewport()->mapTo(m_window.get(), rowRect.topLeft()), rowRect.size());
            const QImage row = m_window->grab(rect).toImage();
            const QColor base = row.pixelColor(0, row.height() / 2);
            int ink = 0;
            for (int y = 0; y < row.height(); ++y)
                for (int x = 0; x < row.width(); ++x)
                    ink += row.pixelColor(x, y) != base;
            return ink;
        };
        QVERIFY2(inkIn(list->rowRect(0)) > 20, name);
        QCOMPARE(inkIn(list->rowRect(1)), 0);
    }
}

void TstApp::qtTextsFollowTheDesktopLanguage()
{
    // Qt words file errors itself, in English; on a German desktop the reasons the program
    // shows must arrive German.
    QTranslator german;
    QVERIFY2(loadQtTranslations(german, QLocale(QLocale::German, QLocale::Germany)),
             "Qt's translations (qt6-translations-l10n) are not installed");
    QTemporaryDir folder;
    QFile missing(folder.filePath(QStringLiteral("Filter4.ini")));
    QVERIFY(!missing.open(QIODevice::ReadOnly));
    const QString english = missing.errorString();
    QCoreApplication::installTranslator(&german);
    const QString shown = plainfile::reasonOf(missing);
    QCoreApplication::removeTranslator(&german);
#ifdef Q_OS_WIN
    // Windows words file errors itself, already in the language of its desktop: shown as told.
    QCOMPARE(shown, english);
#else
    QVERIFY2(!shown.isEmpty() && shown != english, qPrintable(shown));
#endif
}

void TstApp::iconShowsBothBusLinesAtSixteenPixels()
{
    QVERIFY(!m_window->windowIcon().pixmap(16).isNull());
    // At the smallest size each bus line must still have pixels of its own colour.
    const QImage small = appicon::image(16);
    int clock = 0, data = 0;
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
            const QColor pixel = small.pixelColor(x, y);
            clock += pixel.red() > 200 && pixel.green() > 150 && pixel.blue() < 120;
            data += pixel.green() > 180 && pixel.blue() > 120 && pixel.red() < 160;
        }
    }
    QVERIFY2(clock >= 8 && data >= 8, qPrintable(QStringLiteral("%1 %2").arg(clock).arg(data)));
    const QString svg = appicon::svg();
    QVERIFY(svg.startsWith(QStringLiteral("<svg")) && svg.count(QStringLiteral("<polyline")) == 2);
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TstApp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_app.moc"
