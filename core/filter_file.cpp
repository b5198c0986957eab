#include "core/filter_file.h"

#include "core/code_page.h"
#include "core/plain_file.h"

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
    if (!QFileInfo::exists(path)) {
        result.missing = true;
        return result;
    }
    QFile file(path);
    if (!plainfile::openForReading(file, &result.error))
        return result;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = plainfile::reasonOf(file);
        return result;
    }
    result.entries = parse(bytes);
    return result;
}

namespace {

// Where the folder does not let us put a new file beside the old one but the file itself is
// writable (a shared folder, a file an administrator prepared), it is written in place.
WriteResult writeInPlace(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QString reason;
    if (!plainfile::openForWriting(file, &reason))
        return {reason, true};
    if (!plainfile::writeAll(file, bytes, &reason))
        return {reason, false};
    return {};
}

}  // namespace

WriteResult write(const QString& path, const QStringList& entries)
{
    // A pipe or a device of that name is neither waited on nor replaced by a plain file.
    const QString notPlain = plainfile::notPlainReason(path);
    if (!notPlain.isEmpty())
        return {notPlain, true};
    const QByteArray bytes = serialize(entries);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // Only a refused new file means "write in place": on a full disk writing in place
        // would destroy the old file.
        const bool refusedBeside = plainfile::lastOpenRefusedByRights();
        const QString reason = plainfile::reasonOf(file);
        if (!refusedBeside || !QFileInfo(path).isFile())
            return {reason, true};
        return writeInPlace(path, bytes);
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = plainfile::reasonOf(file);
        file.cancelWriting();
        return {reason, true};
    }
    if (!file.commit())
        return {plainfile::reasonOf(file), true};
    return {};
}

}  // namespace filterfile
