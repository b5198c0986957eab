#include "scripted_dialogs.h"

#include <QFile>

void ScriptedDialogs::MsgBox(const QString& text, int style, const QString& title)
{
    messages.append({text, style, title});
    if (whileMessageOpen)
        whileMessageOpen();
}

QString ScriptedDialogs::InputBox(const QString& prompt)
{
    prompts << prompt;
    if (whileInputOpen)
        whileInputOpen();
    return inputAnswers.isEmpty() ? QString() : inputAnswers.dequeue();
}

bool ScriptedDialogs::SaveAs(const SaveAsRequest& request, QString* chosen)
{
    saveRequests << request;
    if (whileSaveOpen)
        whileSaveOpen();
    const std::optional<QString> answer = saveAnswers.isEmpty() ? std::nullopt : saveAnswers.dequeue();
    if (!answer)
        return false;
    *chosen = *answer;
    return true;
}

QStringList TestWindow::entries(const char* name)
{
    QStringList lines;
    ListBox* box = list(name);
    for (int i = 0; i < box->ListCount(); ++i)
        lines << box->List(i);
    return lines;
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
