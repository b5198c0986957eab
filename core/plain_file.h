#pragma once

#include <QFile>
#include <QString>

// The files the user names (Filter4.ini, a monitor log) are read and written only when they
// are plain files: a pipe, a device, a socket or a folder of that name is refused at once
// instead of blocking the window for ever. Every failure is told with the system's own
// reason, in the user's language where the system has it. Opening differs between the
// systems: plain_open_posix.cpp and plain_open_win.cpp know how.
namespace plainfile {

// Opens an existing plain file for reading. False, with the reason, otherwise.
bool openForReading(QFile& file, QString* reason);

// Creates a plain file or truncates it, for writing. Writes go to the system at once, so
// that a full disk is seen at the write that meets it. False, with the reason, otherwise.
bool openForWriting(QFile& file, QString* reason);

// Writes every byte. A short write (the disk filled up during it) carries no reason, so the
// rest is written again until it goes through or fails with the system's reason. written,
// when given, tells how many bytes reached the file also when it failed.
bool writeAll(QFile& file, const QByteArray& bytes, QString* reason, qsizetype* written = nullptr);

// Why an existing path is not a plain file; empty for a plain file or a missing path.
QString notPlainReason(const QString& path);

// Whether the last failed open was refused for want of rights (not for a full disk or a
// missing folder), as the system tells it.
bool lastOpenRefusedByRights();

// The reason of a file operation's last failure, in the user's language.
QString reasonOf(const QFileDevice& file);

}  // namespace plainfile
