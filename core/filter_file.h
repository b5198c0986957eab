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
    QString error;         // the file exists but could not be read (or is no plain file)
};
ReadResult read(const QString& path);

// Replaces the file atomically where its folder allows a new file beside it (on failure the
// old file stays as it was), and writes it in place where only the file itself is writable.
// Refuses anything but a plain file.
struct WriteResult {
    QString error;            // empty when the file was written
    bool oldFileKept = true;  // on failure: the file is as it was before
};
WriteResult write(const QString& path, const QStringList& entries);

}  // namespace filterfile
