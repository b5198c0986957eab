#pragma once

#include "app/dialogs.h"
#include "app/main_window.h"
#include "serial/line_errors.h"

#include <QList>
#include <QQueue>
#include <QString>

#include <functional>
#include <optional>

// Stands in for the real dialogs: records what the logic asked and gives the answers the
// test has queued, so that no test waits on a modal window.
class ScriptedDialogs : public Dialogs {
public:
    struct Message {
        QString text;
        int style;
        QString title;
    };

    void MsgBox(const QString& text, int style, const QString& title = {}) override;
    QString InputBox(const QString& prompt) override;
    bool SaveAs(const SaveAsRequest& request, QString* chosen) override;

    QList<Message> messages;
    QStringList prompts;
    QList<SaveAsRequest> saveRequests;
    QQueue<QString> inputAnswers;                // empty queue: the box is cancelled
    QQueue<std::optional<QString>> saveAnswers;  // nullopt or empty queue: cancelled
    std::function<void()> whileMessageOpen;      // runs while a message box "is open"
    std::function<void()> whileInputOpen;        // runs while the text-input box "is open"
    std::function<void()> whileSaveOpen;         // runs while the Save As dialog "is open"
};

// Line-error counters that the test sets by hand.
class ScriptedLineErrors : public LineErrorSource {
public:
    explicit ScriptedLineErrors(LineErrorCounts* counts) : m_counts(counts) {}
    std::optional<LineErrorCounts> read(qintptr) override { return *m_counts; }

private:
    LineErrorCounts* m_counts;
};

// Fixture files, whole.
QByteArray readBytes(const QString& path);
bool writeBytes(const QString& path, const QByteArray& bytes);

// Gives the tests the window's inner routines, as the window's own code would call them.
class TestWindow : public frmWirelark {
public:
    using frmWirelark::frmWirelark;
    using frmWirelark::RunAutoFilter;
    using frmWirelark::ShowListIndex;

    template <typename Control>
    Control* control(const char* name) { return findChild<Control*>(QLatin1String(name)); }
    ListBox* list(const char* name) { return control<ListBox>(name); }
    QStringList entries(const char* name);
};
