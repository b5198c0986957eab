// The search strings: Filter4.ini, the list commands, the selection and the matcher.
#include "core/filter_file.h"
#include "scripted_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TstAutofilter : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // Filter4.ini
    void parse_data();
    void parse();
    void readAndSaveAreByteExact();
    void readMissingFileGivesEmptyListSilently();
    void readFolderTellsUserAndGoesOn();
    void refusedSaveKeepsOldFileAndTellsUser_data();
    void refusedSaveKeepsOldFileAndTellsUser();
    void saveWritesCrLfLinesInListOrder();

    // The list commands
    void addAppendsAsTypedAndMakesItCurrent();
    void addCancelledChangesNothing();
    void addRefusesTextFilterFileCannotHold_data();
    void addRefusesTextFilterFileCannotHold();
    void delRemovesCurrentEntry();
    void delWithoutCurrentEntryWarns();
    void readWithEmptyMiddleLine();
    void clearThenSaveEmptiesFileAndReadRestores();
    void listCommandsKeepSelCountTrue();

    // The matcher
    void matcher_data();
    void matcher();
    void attemptSurvivesSelectionChange();
    void positionStaysInRangeAfterManyEmptyTexts();
    void slotsBeyondSelectedCountAreNotExamined();

    // The selection
    void selectingOneEntryFillsSlotZero();
    void sixthEntryIsRefused_data();
    void sixthEntryIsRefused();
    void deselectingOneOfThreeKeepsSlotTwo();
    void deselectAllStopsMatching();
    void entriesAreSplitAtSemicolons_data();
    void entriesAreSplitAtSemicolons();
    void clearResultsLeavesAttemptRunning();

private:
    void addEntries(const QStringList& entries);
    void clickEntry(int row);
    void feed(const QStringList& texts);

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<TestWindow> m_window;
    ListBox* m_list = nullptr;
};

void TstAutofilter::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(m_folder->path()));
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_window = std::make_unique<TestWindow>(*m_dialogs);
    m_list = m_window->list("lstAutoFilter");
}

void TstAutofilter::cleanup()
{
    m_window.reset();
    m_dialogs.reset();
    QDir::setCurrent(QDir::tempPath());
    m_folder.reset();
}

void TstAutofilter::addEntries(const QStringList& entries)
{
    for (const QString& entry : entries)
        m_list->AddItem(entry);
}

void TstAutofilter::clickEntry(int row)
{
    if (!m_window->isVisible()) {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    m_list->scrollToRow(row);
    const QRect rect = m_list->rowRect(row);
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

void TstAutofilter::feed(const QStringList& texts)
{
    for (const QString& text : texts)
        m_window->RunAutoFilter(text);
}

void TstAutofilter::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("crlf lines") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("last line without line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("lone cr") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("lone lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("mixed line ends") << QByteArray("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("cr then crlf") << QByteArray("\r\r\n") << QStringList{"", ""};
    QTest::newRow("blanks kept") << QByteArray(" A?C ; x \r\n") << QStringList{" A?C ; x "};
    QTest::newRow("code page bytes") << QByteArray("\x80\x81\xA4\xFF") << QStringList{"\u20AC\u0081\u00A4\u00FF"};
}

void TstAutofilter::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    QCOMPARE(filterfile::parse(bytes), entries);
}

void TstAutofilter::readAndSaveAreByteExact()
{
    QByteArray bytes;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte == '\r' || byte == '\n')
            continue;
        bytes += char(byte);
        if (byte % 32 == 31)
            bytes += "\r\n";
    }
    bytes += "\r\n\r\nA?C;Sensor\r\n";  // an empty line in the middle, then an ordinary entry
    QVERIFY(writeBytes(filterfile::kFileName, bytes));

    m_window->cmdReadFilter_Click();
    QCOMPARE(m_list->ListCount(), 11);
    QCOMPARE(m_list->List(9), QString());
    QFile::remove(filterfile::kFileName);
    m_window->cmdSaveFilter_Click();
    QCOMPARE(readBytes(filterfile::kFileName), bytes);
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TstAutofilter::readMissingFileGivesEmptyListSilently()
{
    addEntries({"old"});
    m_window->cmdReadFilter_Click();
    QCOMPARE(m_list->ListCount(), 0);
    QCOMPARE(m_list->ListIndex(), -1);
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TstAutofilter::readFolderTellsUserAndGoesOn()
{
    QVERIFY(QDir().mkdir(filterfile::kFileName));
    addEntries({"old"});
    m_window->cmdReadFilter_Click();
    QCOMPARE(m_list->ListCount(), 0);
    QCOMPARE(m_dialogs->messages.size(), 1);
    QVERIFY(m_dialogs->messages[0].text.startsWith("Filter4.ini kann nicht gelesen werden"));
    QCOMPARE(m_dialogs->messages[0].style, int(kExclamation));
}

void TstAutofilter::refusedSaveKeepsOldFileAndTellsUser_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("Filter4.ini is a folder") << "folder";
    // On Windows QFile::link makes a shortcut, a plain file of that name: no obstacle there.
#ifndef Q_OS_WIN
    QTest::newRow("Filter4.ini links into a missing folder") << "dangling link";
#endif
}

void TstAutofilter::refusedSaveKeepsOldFileAndTellsUser()
{
    QFETCH(QString, obstacle);
    if (obstacle == "folder")
        QVERIFY(QDir().mkdir(filterfile::kFileName));
    else
        QVERIFY(QFile::link(m_folder->filePath("missing/Filter4.ini"), filterfile::kFileName));
    addEntries({"A;a"});

    m_window->cmdSaveFilter_Click();

    QCOMPARE(m_dialogs->messages.size(), 1);
    QVERIFY(m_dialogs->messages[0].text.startsWith(
        "Die Suchstrings konnten nicht in Filter4.ini gespeichert werden"));
    QCOMPARE(m_dialogs->messages[0].style, int(kCritical));
    QCOMPARE(QFileInfo(filterfile::kFileName).isDir(), obstacle == "folder");
    QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden).size(), 0);  // no temporary left
    QCOMPARE(m_list->ListCount(), 1);
}

void TstAutofilter::saveWritesCrLfLinesInListOrder()
{
    addEntries({"A?C;Sensor", "", "no semicolon"});
    m_window->cmdSaveFilter_Click();
    QCOMPARE(readBytes(filterfile::kFileName), QByteArray("A?C;Sensor\r\n\r\nno semicolon\r\n"));
    QCOMPARE(m_list->ListIndex(), 2);
    m_window->cmdReadFilter_Click();
    QCOMPARE(m_window->entries("lstAutoFilter"), QStringList({"A?C;Sensor", "", "no semicolon"}));
}

void TstAutofilter::addAppendsAsTypedAndMakesItCurrent()
{
    addEntries({"first"});
    m_dialogs->inputAnswers << " A?C;Sensor " << "no semicolon";
    m_window->cmdAddItemAutoFilter_Click();
    m_window->cmdAddItemAutoFilter_Click();
    QCOMPARE(m_dialogs->prompts.value(0), QStringLiteral("Geben Sie einen neuen AutoFilter-String ein:"));
    QCOMPARE(m_window->entries("lstAutoFilter"), QStringList({"first", " A?C;Sensor ", "no semicolon"}));
    QCOMPARE(m_list->ListIndex(), 2);
}

void TstAutofilter::addCancelledChangesNothing()
{
    addEntries({"first"});
    m_window->cmdAddItemAutoFilter_Click();  // no answer queued: cancelled
    QCOMPARE(m_window->entries("lstAutoFilter"), QStringList{"first"});
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TstAutofilter::addRefusesTextFilterFileCannotHold_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("greek omega") << QStringLiteral("A\u03A9C;Ohm");
    QTest::newRow("emoji") << QStringLiteral("A\U0001F600;x");
    QTest::newRow("line feed") << QStringLiteral("A\nB;x");
    QTest::newRow("C1 control that the code page maps elsewhere") << QStringLiteral("\u0080;x");
}

void TstAutofilter::addRefusesTextFilterFileCannotHold()
{
    QFETCH(QString, answer);
    m_dialogs->inputAnswers << answer;
    m_window->cmdAddItemAutoFilter_Click();
    QCOMPARE(m_list->ListCount(), 0);
    QCOMPARE(m_dialogs->messages.size(), 1);
    QVERIFY(m_dialogs->messages[0].text.startsWith("Der Suchstring wurde nicht hinzugefügt."));

    // What the code page does hold goes in, and comes back from the file unchanged.
    m_dialogs->inputAnswers << QStringLiteral("\u20AC\u00E4\u00DF?;Gr\u00FC\u00DFe");
    m_window->cmdAddItemAutoFilter_Click();
    m_window->cmdSaveFilter_Click();
    m_window->cmdReadFilter_Click();
    QCOMPARE(m_window->entries("lstAutoFilter"), QStringList{"\u20AC\u00E4\u00DF?;Gr\u00FC\u00DFe"});
}

void TstAutofilter::delRemovesCurrentEntry()
{
    QVERIFY(writeBytes(filterfile::kFileName, "a\r\nb\r\nc\r\n"));
    m_window->cmdReadFilter_Click();
    m_window->cmdRemoveItemAutoFilter_Click();  // Read made the last entry current
    QCOMPARE(m_window->entries("lstAutoFilter"), QStringList({"a", "b"}));
    QCOMPARE(m_list->ListIndex(), 1);

    clickEntry(0);  // selects it
    clickEntry(0);  // deselects it: still the current entry
    m_window->cmdRemoveItemAutoFilter_Click();
    QCOMPARE(m_window->entries("lstAutoFilter"), QStringList({"b"}));
    m_window->cmdRemoveItemAutoFilter_Click();
    QCOMPARE(m_list->ListCount(), 0);
    QCOMPARE(m_list->ListIndex(), -1);
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TstAutofilter::delWithoutCurrentEntryWarns()
{
    m_window->cmdRemoveItemAutoFilter_Click();
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages[0].text, QStringLiteral("Kein Eintrag markiert!"));
    QCOMPARE(m_dialogs->messages[0].title, QStringLiteral("Fehler"));
    QCOMPARE(m_dialogs->messages[0].style, int(kExclamation));
}

void TstAutofilter::readWithEmptyMiddleLine()
{
    QVERIFY(writeBytes(filterfile::kFileName, "one\r\n\r\nthree"));
    m_window->cmdReadFilter_Click();
    QCOMPARE(m_window->entries("lstAutoFilter"), QStringList({"one", "", "three"}));
    QCOMPARE(m_list->ListIndex(), 2);
}

void TstAutofilter::clearThenSaveEmptiesFileAndReadRestores()
{
    QVERIFY(writeBytes(filterfile::kFileName, "a\r\nb\r\n"));
    m_window->cmdReadFilter_Click();
    m_window->cmdClearAutoFilter_Click();
    QCOMPARE(m_list->ListCount(), 0);
    QCOMPARE(readBytes(filterfile::kFileName), QByteArray("a\r\nb\r\n"));  // Clear leaves the file
    m_window->cmdReadFilter_Click();
    QCOMPARE(m_window->entries("lstAutoFilter"), QStringList({"a", "b"}));
    m_window->cmdClearAutoFilter_Click();
    m_window->cmdSaveFilter_Click();
    QCOMPARE(readBytes(filterfile::kFileName), QByteArray());
}

void TstAutofilter::listCommandsKeepSelCountTrue()
{
    auto* label = m_window->control<QLabel>("lblSelCount");
    addEntries({"a", "b", "c"});
    for (int i = 0; i < 3; ++i)
        m_list->SetSelected(i, true);
    QCOMPARE(label->text(), QStringLiteral("3"));
    m_list->SetListIndex(1);
    m_window->cmdRemoveItemAutoFilter_Click();
    QCOMPARE(label->text(), QStringLiteral("2"));
    QCOMPARE(m_window->FilterString[1], QStringLiteral("c"));
    m_window->cmdClearAutoFilter_Click();
    QCOMPARE(label->text(), QStringLiteral("0"));
    m_list->AddItem("x");
    m_list->SetSelected(0, true);
    m_window->cmdReadFilter_Click();  // no file: an empty list
    QCOMPARE(label->text(), QStringLiteral("0"));
}

void TstAutofilter::matcher_data()
{
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("results");
    const QStringList none;
    QTest::newRow("worked example") << QStringList{"A?C;Sensor"} << QStringList{"x", "A", "b", "C"}
                                    << QStringList{"Sensor(A?C)", ""};
    QTest::newRow("failed attempt is not restarted at the failing text")
        << QStringList{"AB;x"} << QStringList{"A", "A", "B"} << none;
    QTest::newRow("hits do not overlap") << QStringList{"AA;two"} << QStringList{"A", "A", "A"}
                                         << QStringList{"two(AA)", ""};
    QTest::newRow("third A begins a new attempt") << QStringList{"AA;two"} << QStringList{"A", "A", "A", "A"}
                                                  << QStringList{"two(AA)", "two(AA)", ""};
    QTest::newRow("wildcard accepts a blank") << QStringList{"A?;w"} << QStringList{"A", " "}
                                              << QStringList{"w(A?)", ""};
    QTest::newRow("wildcard accepts a question mark") << QStringList{"A?;w"} << QStringList{"A", "?"}
                                                      << QStringList{"w(A?)", ""};
    QTest::newRow("empty text at a wildcard does not lengthen the buffer")
        << QStringList{"A?C;w"} << QStringList{"A", "", "C"} << none;
    QTest::newRow("empty text ends an attempt at an ordinary character")
        << QStringList{"AB;x"} << QStringList{"A", "", "B"} << none;
    QTest::newRow("comparisons are case-sensitive") << QStringList{"a;x"} << QStringList{"A"} << none;
    QTest::newRow("empty pattern never hits") << QStringList{";empty"} << QStringList{"", "x", ";"} << none;
    QTest::newRow("empty comment") << QStringList{"AB;"} << QStringList{"A", "B"} << QStringList{"(AB)", ""};
    QTest::newRow("two slots, same pattern, slot order")
        << QStringList{"AB;one", "AB;two"} << QStringList{"A", "B"} << QStringList{"one(AB)", "two(AB)", ""};
    QTest::newRow("match runs across the stop marker")
        << QStringList{"ap?;stop"} << QStringList{"a", "p", "s"} << QStringList{"stop(ap?)", ""};
    QTest::newRow("nothing selected") << QStringList{} << QStringList{"A", "B"} << none;
    QTest::newRow("wildcard only") << QStringList{"?;any"} << QStringList{"x"} << QStringList{"any(?)", ""};
    QTest::newRow("empty text moves a lone wildcard past its end")
        << QStringList{"?;any"} << QStringList{"", "x"} << none;
    QTest::newRow("entry without semicolon is all pattern")
        << QStringList{"AB"} << QStringList{"A", "B"} << QStringList{"(AB)", ""};
    const QString longPattern = QString(39999, u'x') + u'y';
    QStringList longTexts(39999, QStringLiteral("x"));
    QTest::newRow("pattern longer than 32,767 characters hits")
        << QStringList{longPattern + ";long"} << (longTexts + QStringList{"y"})
        << QStringList{"long(" + longPattern + ")", ""};
    QTest::newRow("pattern longer than 32,767 characters refuses a wrong last character")
        << QStringList{longPattern + ";long"} << (longTexts + QStringList{"x"}) << none;
    QTest::newRow("empty entry never hits") << QStringList{""} << QStringList{"", "A"} << none;
}

void TstAutofilter::matcher()
{
    QFETCH(QStringList, selected);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, results);
    addEntries(selected);
    for (int i = 0; i < selected.size(); ++i)
        m_list->SetSelected(i, true);
    feed(texts);
    QCOMPARE(m_window->entries("lstResult"), results);
}

void TstAutofilter::attemptSurvivesSelectionChange()
{
    addEntries({"ABCD;old", "XYZ;new"});
    m_list->SetSelected(0, true);
    feed({"A", "B"});
    m_list->SetSelected(0, false);
    m_list->SetSelected(1, true);
    QCOMPARE(m_window->FilterString[0], QStringLiteral("XYZ"));
    QCOMPARE(m_window->FilterPos[0], 2);
    feed({"Z"});  // the third accepted text completes the new three-character pattern
    QCOMPARE(m_window->entries("lstResult"), QStringList({"new(XYZ)", ""}));
}

void TstAutofilter::positionStaysInRangeAfterManyEmptyTexts()
{
    addEntries({"A?;w"});
    m_list->SetSelected(0, true);
    feed({"A"});
    for (int i = 0; i < 40000; ++i)
        m_window->RunAutoFilter(QString());
    QVERIFY(m_window->FilterPos[0] > 32767);  // past the 16-bit range, without overflow
    feed({"B", "A", "x"});  // refused at the end, then an ordinary hit
    QCOMPARE(m_window->entries("lstResult"), QStringList({"w(A?)", ""}));
}

void TstAutofilter::slotsBeyondSelectedCountAreNotExamined()
{
    addEntries({"A;one", "A;two"});
    m_list->SetSelected(0, true);
    m_list->SetSelected(1, true);
    m_list->SetSelected(1, false);  // slot 1 still holds "A", but is not active
    feed({"A"});
    QCOMPARE(m_window->entries("lstResult"), QStringList({"one(A)", ""}));
}

void TstAutofilter::selectingOneEntryFillsSlotZero()
{
    addEntries({"x;y", "A?C;Sensor"});
    clickEntry(1);
    QCOMPARE(m_window->control<QLabel>("lblSelCount")->text(), QStringLiteral("1"));
    QCOMPARE(m_window->FilterString[0], QStringLiteral("A?C"));
    QCOMPARE(m_window->FilterComment[0], QStringLiteral("Sensor"));
    QCOMPARE(m_window->SelectedFilter[0], QStringLiteral("A?C;Sensor"));
}

void TstAutofilter::sixthEntryIsRefused_data()
{
    QTest::addColumn<int>("refused");
    QTest::newRow("refused entry first in the list") << 0;
    QTest::newRow("refused entry in the middle") << 3;
    QTest::newRow("refused entry last") << 5;
}

void TstAutofilter::sixthEntryIsRefused()
{
    QFETCH(int, refused);
    const QStringList entries = {"a;0", "b;1", "c;2", "d;3", "e;4", "f;5"};
    addEntries(entries);
    for (int i = 0; i < entries.size(); ++i) {
        if (i != refused)
            clickEntry(i);
    }
    int selectedWhileOpen = -1;
    m_dialogs->whileMessageOpen = [&] {
        selectedWhileOpen = m_list->SelCount();
        m_window->RunAutoFilter(QStringLiteral("a"));  // never more than five slots examined
    };
    clickEntry(refused);

    QCOMPARE(selectedWhileOpen, 6);
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages[0].text, QStringLiteral("Nur 5 Suchstrings erlaubt"));
    QCOMPARE(m_dialogs->messages[0].title, QStringLiteral("Suchstrings"));
    QCOMPARE(m_dialogs->messages[0].style, int(kExclamation));
    QVERIFY(!m_list->Selected(refused));
    QCOMPARE(m_list->SelCount(), 5);
    QCOMPARE(m_window->control<QLabel>("lblSelCount")->text(), QStringLiteral("5"));
    QStringList remaining = entries;
    remaining.removeAt(refused);
    for (int j = 0; j < 5; ++j)
        QCOMPARE(m_window->FilterString[j] + ";" + m_window->FilterComment[j], remaining[j]);
}

void TstAutofilter::deselectingOneOfThreeKeepsSlotTwo()
{
    addEntries({"a;0", "b;1", "c;2"});
    for (int i = 0; i < 3; ++i)
        clickEntry(i);
    clickEntry(1);
    QCOMPARE(m_window->control<QLabel>("lblSelCount")->text(), QStringLiteral("2"));
    QCOMPARE(m_window->FilterString[0], QStringLiteral("a"));
    QCOMPARE(m_window->FilterString[1], QStringLiteral("c"));
    QCOMPARE(m_window->FilterString[2], QStringLiteral("c"));  // kept what it held
    QCOMPARE(m_window->FilterComment[2], QStringLiteral("2"));
}

void TstAutofilter::deselectAllStopsMatching()
{
    addEntries({"a;0", "b;1", "c;2"});
    for (int i = 0; i < 3; ++i)
        m_list->SetSelected(i, true);
    m_window->cmdDeselectAll_Click();
    QCOMPARE(m_list->SelCount(), 0);
    QCOMPARE(m_window->control<QLabel>("lblSelCount")->text(), QStringLiteral("0"));
    feed({"a", "b", "c"});
    QCOMPARE(m_list->ListCount(), 3);
    QCOMPARE(m_window->list("lstResult")->ListCount(), 0);
    m_list->SetSelected(2, true);
    QCOMPARE(m_window->FilterString[0], QStringLiteral("c"));
    feed({"c"});
    QCOMPARE(m_window->entries("lstResult"), QStringList({"2(c)", ""}));
}

void TstAutofilter::entriesAreSplitAtSemicolons_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("comment");
    QTest::newRow("pattern and comment") << "A?C;Sensor" << "A?C" << "Sensor";
    QTest::newRow("second semicolon drops the rest") << "AB;Kommentar;Rest" << "AB" << "Kommentar";
    QTest::newRow("leading semicolon: empty pattern") << ";nur Kommentar" << "" << "nur Kommentar";
    QTest::newRow("nothing after the semicolon") << "AB;" << "AB" << "";
    QTest::newRow("no semicolon") << "AB" << "AB" << "";
    QTest::newRow("empty entry") << "" << "" << "";
}

void TstAutofilter::entriesAreSplitAtSemicolons()
{
    QFETCH(QString, entry);
    QFETCH(QString, pattern);
    QFETCH(QString, comment);
    addEntries({entry});
    m_list->SetSelected(0, true);
    QCOMPARE(m_window->FilterString[0], pattern);
    QCOMPARE(m_window->FilterComment[0], comment);
}

void TstAutofilter::clearResultsLeavesAttemptRunning()
{
    addEntries({"ABC;x"});
    m_list->SetSelected(0, true);
    feed({"A", "B", "C", "A", "B"});
    m_window->cmdClearResultAutoFilter_Click();
    QCOMPARE(m_window->list("lstResult")->ListCount(), 0);
    QVERIFY(m_list->Selected(0));
    feed({"C"});
    QCOMPARE(m_window->entries("lstResult"), QStringList({"x(ABC)", ""}));
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TstAutofilter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_autofilter.moc"
