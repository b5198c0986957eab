#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Filter4.ini: one search-string entry per line, one byte per character in the program's
// code page, every line ended by CR LF.
namespace filterfile {

inline const QString kFileName = QStringLiteral("Filter4.ini");

// Lines end at CR, CR LF or a lone LF (files edited on Linux); a last line without a line
// end is an entry, a line end at the very end gives no extra one.
QStringList parse(const QByteArray& bytes);
QByteArray serialize(const QStringList& entries);

// Why an entry cannot be stored: empty when it can; otherwise a German reason.
QString unstorableReason(const QString& entry);

struct ReadResult {
    QStringList entries;
    bool missing = false;  // no such file: the normal first start
    QString error;         // the file exists but could not be read
};
ReadResult read(const QString& path);

// Replaces the file atomically: on failure the old file stays as it was. Returns the
// reason of a failure, or an empty text.
QString write(const QString& path, const QStringList& entries);

}  // namespace filterfile
