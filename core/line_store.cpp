#include "core/line_store.h"

#include <algorithm>
#include <cstring>
#include <limits>

QByteArray LineStore::line(qint64 row) const
{
    if (row < 0 || row >= count())
        return {};
    const QByteArray stored = read(start(row), storedSize(row));
    if (m_lengths[static_cast<std::size_t>(row)] != kRepeat)
        return stored;
    quint32 back = 0;
    std::memcpy(&back, stored.constData(), sizeof back);
    return line(row - back);
}

qint64 LineStore::memoryUse() const
{
    return qint64(m_blocks.size()) * kBlockSize + m_count + (m_count + kGroup - 1) / kGroup * qint64(sizeof(qint64)) +
           qint64(m_longLengths.size()) * (qint64(sizeof(qint64) + sizeof(qsizetype)) + kNodeOverhead) + m_recentBytes;
}

qsizetype LineStore::storedSize(qint64 row) const
{
    const quint8 stored = m_lengths[static_cast<std::size_t>(row)];
    if (stored == kRepeat)
        return kRepeatSize;
    return stored == kLongLength ? m_longLengths.at(row) : stored;
}

qint64 LineStore::start(qint64 row) const
{
    qint64 position = m_groupStarts[static_cast<std::size_t>(row / kGroup)];
    for (qint64 before = row - row % kGroup; before < row; ++before)
        position += storedSize(before);
    return position;
}

QByteArray LineStore::read(qint64 position, qsizetype length) const
{
    QByteArray bytes(length, Qt::Uninitialized);
    qsizetype done = 0;
    while (done < length) {
        const qint64 at = position + done;
        const qsizetype inBlock = std::min<qsizetype>(length - done, kBlockSize - at % kBlockSize);
        std::memcpy(bytes.data() + done, m_blocks[static_cast<std::size_t>(at / kBlockSize)].get() + at % kBlockSize,
                    static_cast<std::size_t>(inBlock));
        done += inBlock;
    }
    return bytes;
}

void LineStore::pack(QByteArrayView line)
{
    const qint64 row = count();
    if (row % kGroup == 0)
        m_groupStarts.push_back(m_end);
    const bool repeatable = line.size() >= kShortestRepeated && line.size() < kRepeat;
    if (repeatable) {
        const QByteArray bytes = line.toByteArray();
        const auto seen = m_recent.constFind(bytes);
        // A line repeated again and again stays in the table for good: one last seen
        // further back than four bytes can count is kept in full once more.
        if (seen != m_recent.constEnd() && row - *seen <= std::numeric_limits<quint32>::max()) {
            const quint32 back = static_cast<quint32>(row - *seen);
            store(QByteArrayView(reinterpret_cast<const char*>(&back), kRepeatSize));
            m_lengths.push_back(kRepeat);
            ++m_count;
            return;
        }
        if (seen == m_recent.constEnd()) {
            if (m_recent.size() >= kRecentLines)
                forgetRecent();
            m_recentBytes += bytes.size() + kNodeOverhead;
        }
        m_recent.insert(bytes, row);
    }
    store(line);
    if (line.size() < kRepeat) {
        m_lengths.push_back(static_cast<quint8>(line.size()));
    } else {
        m_lengths.push_back(kLongLength);
        m_longLengths[row] = line.size();
    }
    ++m_count;
}

void LineStore::forgetRecent()
{
    m_recent.clear();
    m_recentBytes = 0;
}

void LineStore::store(QByteArrayView line)
{
    qsizetype done = 0;
    while (done < line.size()) {
        if (m_end / kBlockSize >= static_cast<qint64>(m_blocks.size()))
            m_blocks.push_back(std::make_unique<char[]>(static_cast<std::size_t>(kBlockSize)));
        const qsizetype inBlock = std::min<qsizetype>(line.size() - done, kBlockSize - m_end % kBlockSize);
        std::memcpy(m_blocks.back().get() + m_end % kBlockSize, line.data() + done, static_cast<std::size_t>(inBlock));
        done += inBlock;
        m_end += inBlock;
    }
}

void LineStore::append(QByteArrayView line)
{
    pack(line);
}

std::vector<QByteArray> LineStore::truncate(qint64 rows)
{
    forgetRecent();  // rows move: the lines to refer to are found anew
    std::vector<QByteArray> dropped;
    for (qint64 row = rows; row < count(); ++row)
        dropped.push_back(line(row));
    m_end = rows < count() ? start(rows) : m_end;
    m_lengths.resize(static_cast<std::size_t>(rows));
    m_count = rows;
    m_groupStarts.resize(static_cast<std::size_t>((rows + kGroup - 1) / kGroup));
    for (auto it = m_longLengths.begin(); it != m_longLengths.end();)
        it = it->first >= rows ? m_longLengths.erase(it) : std::next(it);
    m_blocks.resize(static_cast<std::size_t>((m_end + kBlockSize - 1) / kBlockSize));
    return dropped;
}

void LineStore::replace(qint64 row, QByteArrayView line)
{
    if (row < 0 || row >= count())
        return;
    std::vector<QByteArray> after = truncate(row);
    pack(line);
    for (std::size_t i = 1; i < after.size(); ++i)
        pack(after[i]);
}

void LineStore::remove(qint64 row)
{
    if (row < 0 || row >= count())
        return;
    std::vector<QByteArray> after = truncate(row);
    for (std::size_t i = 1; i < after.size(); ++i)
        pack(after[i]);
}

void LineStore::clear()
{
    // Swapped with empty ones, so that Clear gives the memory back.
    std::vector<std::unique_ptr<char[]>>().swap(m_blocks);
    std::deque<quint8>().swap(m_lengths);
    m_count = 0;
    std::deque<qint64>().swap(m_groupStarts);
    m_longLengths.clear();
    m_recent = QHash<QByteArray, qint64>();
    m_recentBytes = 0;
    m_end = 0;
}
