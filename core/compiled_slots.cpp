#include "core/compiled_slots.h"

#include "core/code_page.h"

CompiledSlots::CompiledSlots(const QList<searchslot::Entry>& entries)
{
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString& pattern = entries[i].pattern;
        if (pattern.isEmpty())
            continue;
        Pattern compiled{static_cast<int>(i), std::vector<std::bitset<256>>(static_cast<std::size_t>(pattern.size()))};
        for (qsizetype k = 0; k < pattern.size(); ++k) {
            for (int byte = 0; byte < 256; ++byte) {
                compiled.accepts[static_cast<std::size_t>(k)][static_cast<std::size_t>(byte)] =
                    pattern[k] == searchslot::kWildcard || codepage::toChar(static_cast<uchar>(byte)) == pattern[k];
            }
        }
        for (int byte = 0; byte < 256; ++byte)
            m_starts[static_cast<std::size_t>(byte)] |= compiled.accepts.front()[static_cast<std::size_t>(byte)];
        m_skipsAtRest = m_skipsAtRest && pattern.front() != searchslot::kWildcard;
        m_patterns.push_back(std::move(compiled));
    }
    m_starts['\r'] = true;
    m_starts[uchar(kDropped)] = true;  // stops the scan: lost input
    State rest = 0;
    startAfresh(rest);
}

void CompiledSlots::startAfresh(State& keep)
{
    const std::vector<int> kept = m_states.empty() ? std::vector<int>(m_patterns.size(), 0) : standing(keep);
    m_table.clear();
    m_states.clear();
    m_standings.clear();
    m_hitSlots.clear();
    m_afterCr.clear();
    m_known.clear();
    stateFor(std::vector<int>(m_patterns.size(), 0), {});  // kAtRest
    keep = stateFor(kept, {});
}

CompiledSlots::State CompiledSlots::stateFor(const std::vector<int>& standing, const std::vector<int>& hits)
{
    QByteArray key(reinterpret_cast<const char*>(standing.data()), qsizetype(standing.size() * sizeof(int)));
    key.append(reinterpret_cast<const char*>(hits.data()), qsizetype(hits.size() * sizeof(int)));
    const auto found = m_known.constFind(key);
    if (found != m_known.constEnd())
        return found.value();
    const State state = static_cast<State>(m_states.size());
    m_states.push_back({static_cast<int>(m_hitSlots.size()), static_cast<int>(hits.size())});
    m_hitSlots.insert(m_hitSlots.end(), hits.begin(), hits.end());
    m_standings.insert(m_standings.end(), standing.begin(), standing.end());
    m_table.resize(m_table.size() + 256, kUnbuilt);
    m_afterCr.push_back(kUnbuilt);
    m_known.insert(key, state);
    return state;
}

CompiledSlots::State CompiledSlots::follow(State& state, uchar byte)
{
    const bool carriageReturn = byte == '\r';
    quint32 known = carriageReturn ? m_afterCr[state] : m_table[(std::size_t(state) << 8) | byte];
    if (known != kUnbuilt)
        return carriageReturn ? known : known >> 1;
    if (m_states.size() >= kMaxStates)
        startAfresh(state);

    // Each slot's step: an accepted character moves the attempt on (a hit when it completes
    // the pattern, and the slot rests again); any other character ends the attempt.
    std::vector<int> positions = standing(state);
    std::vector<int> hits;
    for (std::size_t i = 0; i < m_patterns.size(); ++i) {
        const Pattern& pattern = m_patterns[i];
        int& position = positions[i];
        if (!pattern.accepts[static_cast<std::size_t>(position)][byte]) {
            position = 0;
        } else if (++position == static_cast<int>(pattern.accepts.size())) {
            position = 0;
            hits.push_back(pattern.slot);
        }
    }
    const State next = stateFor(positions, hits);
    if (carriageReturn) {
        m_afterCr[state] = next;
    } else {
        m_table[(std::size_t(state) << 8) | byte] = (next << 1) | (hits.empty() ? 0 : kMarked);
    }
    // A CR or a "!" always stops the scan (the caller takes them), so their columns in the
    // table stay marked.
    return next;
}

std::vector<int> CompiledSlots::standing(State state) const
{
    const std::size_t count = m_patterns.size();
    return std::vector<int>(m_standings.begin() + std::ptrdiff_t(state * count),
                            m_standings.begin() + std::ptrdiff_t((state + 1) * count));
}
