#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A capture saved while it arrives, in the format of the monitor's Save: the received
// characters one byte each in the program's code page, every monitor line followed by
// CR LF. Characters are collected and handed to the system at each flush, and to the disk
// at each sync, so that after a crash the file holds everything up to the last flush, and
// after a power cut everything up to the last sync, the open line without its CR LF.
class CaptureFile {
public:
    // Creates the file (after close(), the next one); an existing one is replaced only when
    // overwrite is true. Refuses anything but a plain file. False, with the reason in
    // errorString, otherwise.
    bool create(const QString& path, bool overwrite);
    // Where the next character goes, in bytes from the start of the file.
    qint64 offset() const { return m_offset; }
    // Bytes collected and not yet handed to the system.
    qsizetype pending() const { return m_pending.size(); }
    void append(QStringView text);
    void endLine();
    // The open line ends as the monitor's Save ends it: with its CR LF unless the file is empty.
    void endOpenLine();
    // Hands everything collected to the system. False on failure (errorString says why);
    // what did not reach the file stays collected, in order, for the next flush.
    bool flush();
    // Hands what was flushed to the disk.
    bool sync();
    // True when the last failure came from the file system having no room for what waits.
    bool outOfSpace() const;
    // Flushes, syncs and closes; false when what waited could not all be written.
    bool close();
    QString errorString() const { return m_error; }
    // Characters are collected at most this long, and flushed sooner when this many wait.
    static constexpr int kFlushIntervalMs = 1000;
    static constexpr qsizetype kFlushBytes = 64 * 1024;

private:
    QString m_path;  // a file opened from a descriptor may not keep its name
    QFile m_file;
    QByteArray m_pending;
    qint64 m_offset = 0;
    QString m_error;
};
