#pragma once

#include <QString>

class QWidget;

// Message box styles as the window's logic names them.
enum MsgBoxStyle : int {
    kOkOnly = 0,
    kCritical = 16,     // OK button and the stop/error icon
    kExclamation = 48,  // OK button and the exclamation icon
};

// What the Save As dialog is asked, in the form the logic sets it.
struct SaveAsRequest {
    QString filter;        // "description|pattern|description|pattern..."
    int filterIndex = 1;   // 1-based
    QString fileName;      // offered name: the one chosen last time
};

// The one seam through which the logic opens modal dialogs: the program shows the real Qt
// dialogs, tests put a scripted stand-in in its place.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A box without a title of its own shows the application title.
    virtual void MsgBox(const QString& text, int style, const QString& title = {}) = 0;
    // The text typed, or the empty text when the user cancels.
    virtual QString InputBox(const QString& prompt) = 0;
    // False when the user cancels; otherwise *chosen holds the path.
    virtual bool SaveAs(const SaveAsRequest& request, QString* chosen) = 0;
};

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void MsgBox(const QString& text, int style, const QString& title = {}) override;
    QString InputBox(const QString& prompt) override;
    bool SaveAs(const SaveAsRequest& request, QString* chosen) override;

private:
    QWidget* m_parent;
};

// The file dialog component: keeps its last FileName between uses, as the logic relies on.
class CommonDialog {
public:
    explicit CommonDialog(Dialogs& dialogs) : m_dialogs(dialogs) {}

    QString Filter;
    int FilterIndex = 1;
    bool CancelError = false;
    QString FileName;

    // False when the user cancelled and CancelError asks for cancel to count as a failure.
    bool ShowSave();

private:
    Dialogs& m_dialogs;
};

// "Desc|*.a|Other|*.b" in the form Qt's file dialogs take: "Desc (*.a);;Other (*.b)".
QString toQtFilter(const QString& filter);
