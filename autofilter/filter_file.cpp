#include "autofilter/filter_file.h"

#include "app/code_page.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace filterfile {

QStringList parse(const QByteArray& bytes)
{
    QStringList entries;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char byte = bytes[i];
        if (byte != '\r' && byte != '\n')
            continue;
        entries << codepage::toText(bytes.mid(start, i - start));
        if (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        entries << codepage::toText(bytes.mid(start));
    return entries;
}

QByteArray serialize(const QStringList& entries)
{
    QByteArray bytes;
    for (const QString& entry : entries) {
        QByteArray line;
        codepage::toBytes(entry, &line);
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

QString unstorableReason(const QString& entry)
{
    for (QChar ch : entry) {
        char byte = 0;
        if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n'))
            return QStringLiteral("Ein Zeilenumbruch kann in Filter4.ini nicht gespeichert werden.");
        if (!codepage::toByte(ch, &byte))
            return QStringLiteral("Das Zeichen \u201E%1\u201C (U+%2) kann in Filter4.ini nicht "
                                  "gespeichert werden.")
                .arg(ch)
                .arg(ch.unicode(), 4, 16, QLatin1Char('0'));
    }
    return {};
}

ReadResult read(const QString& path)
{
    ReadResult result;
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        result.missing = true;
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    result.entries = parse(bytes);
    return result;
}

QString write(const QString& path, const QStringList& entries)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray bytes = serialize(entries);
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

}  // namespace filterfile
