#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>

#include <deque>
#include <memory>
#include <unordered_map>
#include <vector>

// The entries of a list box, one byte per character in the program's code page, kept as
// compactly as a day of capture needs: finished entries lie one after the other in large
// blocks, each with a one-byte length and, for every 64th entry, where it starts. Lines of
// a STOP-terminated capture are short (about 18 characters), so each costs little more than
// its characters; a bus polled again and again repeats its lines, and a line equal to one
// of the last few thousand distinct ones is kept as a four-byte reference to it. Entries
// are meant to be finished: replacing one rewrites the entries after it.
class LineStore {
public:
    LineStore() = default;
    LineStore(const LineStore&) = delete;
    LineStore& operator=(const LineStore&) = delete;

    qint64 count() const { return m_count; }
    QByteArray line(qint64 row) const;
    // The memory the entries take, in bytes (what a capture is held to).
    qint64 memoryUse() const;

    void append(QByteArrayView line);
    void replace(qint64 row, QByteArrayView line);
    void remove(qint64 row);
    void clear();

private:
    static constexpr qsizetype kBlockSize = 256 * 1024;
    static constexpr int kGroup = 64;
    static constexpr quint8 kRepeat = 254;      // four bytes: how many rows back an equal line is
    static constexpr quint8 kLongLength = 255;  // the length is in m_longLengths
    static constexpr qsizetype kRepeatSize = 4;
    static constexpr qsizetype kShortestRepeated = 8;  // shorter lines cost less as they are
    static constexpr int kRecentLines = 4096;
    static constexpr qint64 kNodeOverhead = 32;  // a hash or map node: about three pointers and a key

    qsizetype storedSize(qint64 row) const;
    qint64 start(qint64 row) const;
    void store(QByteArrayView bytes);
    void pack(QByteArrayView line);
    void forgetRecent();
    QByteArray read(qint64 position, qsizetype length) const;
    // Keeps the first rows entries and frees the rest; returns the ones dropped.
    std::vector<QByteArray> truncate(qint64 rows);

    std::vector<std::unique_ptr<char[]>> m_blocks;
    qint64 m_end = 0;                    // where the next finished entry begins
    std::deque<quint8> m_lengths;        // of every finished entry (no slack of a doubling vector)
    qint64 m_count = 0;                  // m_lengths.size(), asked for with every character
    std::deque<qint64> m_groupStarts;    // where entries 0, 64, 128 ... begin
    std::unordered_map<qint64, qsizetype> m_longLengths;
    QHash<QByteArray, qint64> m_recent;  // distinct lines lately seen -> their row
    qint64 m_recentBytes = 0;            // what m_recent takes, about
};
