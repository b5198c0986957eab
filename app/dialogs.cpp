#include "app/dialogs.h"

#include "wirelark_version.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

namespace {

QString titleOrApplication(const QString& title)
{
    return title.isEmpty() ? QString::fromLatin1(kProductName) : title;
}

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case kCritical:
        return QMessageBox::Critical;
    case kExclamation:
        return QMessageBox::Warning;
    default:
        return QMessageBox::NoIcon;
    }
}

}  // namespace

void QtDialogs::MsgBox(const QString& text, int style, const QString& title)
{
    QMessageBox box(iconOf(style), titleOrApplication(title), text, QMessageBox::Ok, m_parent);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

QString QtDialogs::InputBox(const QString& prompt)
{
    QInputDialog box(m_parent);
    box.setWindowTitle(titleOrApplication({}));
    box.setLabelText(prompt);
    box.setTextValue(QString());
    if (box.exec() != QDialog::Accepted)
        return {};
    return box.textValue();
}

bool QtDialogs::SaveAs(const SaveAsRequest& request, QString* chosen)
{
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = toQtFilter(request.filter).split(QStringLiteral(";;"));
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    *chosen = dialog.selectedFiles().constFirst();
    return true;
}

bool CommonDialog::ShowSave()
{
    QString chosen;
    if (!m_dialogs.SaveAs({Filter, FilterIndex, FileName}, &chosen))
        return !CancelError;
    FileName = chosen;
    return true;
}

QString toQtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString pattern = parts[i + 1].trimmed();
        // "Monitor Log Files (*.log)" already names its pattern; don't show it twice.
        if (description.trimmed().endsWith(QStringLiteral("(%1)").arg(pattern)))
            filters << description.trimmed();
        else
            filters << QStringLiteral("%1 (%2)").arg(description.trimmed(), pattern);
    }
    return filters.join(QStringLiteral(";;"));
}
