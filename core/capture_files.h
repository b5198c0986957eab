#pragma once

#include "core/capture_file.h"

#include <QDateTime>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

// The capture that wirelark-scan --save writes while it arrives: one file, or with rotation a
// new file whenever the current one reaches a size or a time. Every file is a complete
// monitor log on its own: a file ends only at the end of a monitor line, so it scans and
// decodes alone, and the files one after the other hold exactly what one file would.
//
// A rig runs for months, restarts and meets full disks: the capture's files are known by
// their name, whichever run wrote them; a name is never used twice; with --keep the files
// are a ring that makes room for the newest when the disk is full.
class CaptureFiles {
public:
    struct Rotation {
        qint64 bytes = 0;    // a new file once the current one holds this many; 0: no limit
        qint64 seconds = 0;  // a new file at every multiple of this on the wall clock (UTC); 0: none
        int keep = 0;        // the newest files of this name that stay, of every run; 0: all
        bool rotating() const { return bytes > 0 || seconds > 0; }
    };

    CaptureFiles(const QString& path, bool overwrite, const Rotation& rotation);

    // Told of every file deleted to make room on a full disk (not of those --keep deletes).
    void onMadeRoom(std::function<void(const QString& path)> told) { m_madeRoom = std::move(told); }

    // The first file. Rotating, every file is named after the time it begins, so that names
    // sort in time order and never change: board.log -> board-20261209T013000Z.log.
    bool start(const QDateTime& now);
    void append(QStringView text) { m_file.append(text); }
    enum class LineEnd { SameFile, NewFile, Failed };
    // A monitor line ended; when a rule says so, the next file begins here.
    LineEnd endLine(const QDateTime& now);
    // Hands what waits to the system; with --keep, a full disk gives up the oldest files.
    bool flush();
    // flush(), then on to the disk: what a power cut cannot take any more.
    bool sync();
    // The open line ends as the monitor's Save ends it (also an empty one that a new file
    // began with); the file is closed.
    bool finish();

    const QString& path() const { return m_path; }  // the file being written
    qint64 offset() const { return m_file.offset(); }
    qsizetype pending() const { return m_file.pending(); }
    QString errorString() const { return m_file.errorString(); }

    // The name of the file that begins at `at`.
    static QString nameAt(const QString& path, const QDateTime& at);

private:
    bool begin(const QDateTime& now);
    void findEarlierFiles();
    QString freeNameFrom(const QDateTime& now) const;
    bool due(const QDateTime& now) const;
    void alignBoundary(const QDateTime& now);
    void remove(const QString& path);
    bool makeRoom();
    template <typename Write>
    bool withRoom(Write write);

    QString m_base;
    bool m_overwrite;
    Rotation m_rotation;
    CaptureFile m_file;
    QString m_path;
    qint64 m_nextBoundary = 0;  // seconds since 1970 (UTC) at which the next file is due
    QStringList m_files;        // the capture's files, oldest first: earlier runs', then this run's
    QSet<QString> m_used;       // names that exist or existed: never given to a new file
    bool m_continued = false;   // the file being written began at a line end of the one before
    std::function<void(const QString&)> m_madeRoom;
};
