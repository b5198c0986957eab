#pragma once

#include "core/search_slot.h"

#include <QByteArray>
#include <QHash>
#include <QList>

#include <array>
#include <bitset>
#include <vector>

// The slots of a list of entries compiled for scanning saved logs: the same steps as
// searchslot::step, one byte per received character, as a table built while the traffic
// needs it. Each state of the table says where every slot stands (how many characters of
// its pattern the attempt has accepted) and which slots hit on the way there, so that a
// byte costs one lookup whatever the number of entries.
class CompiledSlots {
public:
    using State = quint32;
    static constexpr State kAtRest = 0;  // every slot at rest: the start of a log

    explicit CompiledSlots(const QList<searchslot::Entry>& entries);

    // Steps through received characters from at up to end, stopping early before a CR (which
    // the caller decides on: a line end or a received character) and before the probe's "!"
    // (lost input: the caller reports it, and every slot rests after it). For each hit, in
    // slot order on one character: hit(position of that character, slot). Returns where it
    // stopped.
    template <typename Hit>
    const char* run(const char* at, const char* end, State& state, Hit&& hit)
    {
        const quint32* table = m_table.data();
        const bool* starts = m_starts.data();
        const bool skips = m_skipsAtRest;
        State current = state;  // a local: the table's reads cannot alias it
        while (at != end) {
            // At rest, only a pattern's first character (or a CR) changes anything: the
            // characters between are passed over without the table's chain of lookups.
            if (current == kAtRest && skips) {
                while (at != end && !starts[static_cast<uchar>(*at)])
                    ++at;
                if (at == end)
                    break;
            }
            const quint32 next = table[(std::size_t(current) << 8) | static_cast<uchar>(*at)];
            if (Q_LIKELY(!(next & kMarked))) {
                current = next >> 1;
                ++at;
                continue;
            }
            if (*at == '\r' || *at == kDropped)
                break;
            current = follow(current, static_cast<uchar>(*at));
            table = m_table.data();
            reportHits(current, at, hit);
            ++at;
        }
        state = current;
        return at;
    }
    // The probe's mark of dropped input: no attempt goes on across it.
    static constexpr char kDropped = '!';

    // No entry with a pattern: nothing can hit.
    bool empty() const { return m_patterns.empty(); }

    // One received character, a CR among them.
    template <typename Hit>
    void step(State& state, uchar byte, const char* at, Hit&& hit)
    {
        state = follow(state, byte);
        reportHits(state, at, hit);
    }

    // Where every slot stands in a state (for another table of the same entries), and the
    // state of this table that stands so.
    std::vector<int> standing(State state) const;
    State stateStanding(const std::vector<int>& standing) { return stateFor(standing, {}); }

private:
    // A transition's low bit: the target has hits, or is not built yet, or the byte is CR.
    static constexpr quint32 kMarked = 1;
    static constexpr quint32 kUnbuilt = ~quint32(0);
    // The table's limit: 4096 states of 1 KiB. Traffic with more combinations of attempts
    // (several long patterns of "?" alone) starts the table afresh when it is full.
    static constexpr int kMaxStates = 4096;

    struct Pattern {
        int slot;                               // the entry's index, for the hit
        std::vector<std::bitset<256>> accepts;  // per position: the bytes it accepts
    };

    template <typename Hit>
    void reportHits(State state, const char* at, Hit&& hit) const
    {
        const StateInfo& info = m_states[state];
        for (int i = info.firstHit; i < info.firstHit + info.hitCount; ++i)
            hit(at, m_hitSlots[static_cast<std::size_t>(i)]);
    }

    State follow(State& state, uchar byte);
    State stateFor(const std::vector<int>& standing, const std::vector<int>& hits);
    void startAfresh(State& keep);

    struct StateInfo {
        int firstHit = 0;
        int hitCount = 0;
    };
    std::vector<Pattern> m_patterns;  // entries with an empty pattern never hit: left out
    std::array<bool, 256> m_starts{};  // bytes that begin an attempt, and CR
    bool m_skipsAtRest = true;         // false when a pattern begins with "?"
    std::vector<quint32> m_table;     // 256 transitions per state
    std::vector<StateInfo> m_states;
    std::vector<int> m_standings;     // per state, one position per pattern
    std::vector<int> m_hitSlots;
    std::vector<State> m_afterCr;     // a lone CR's transition per state, or kUnbuilt
    QHash<QByteArray, State> m_known;
};
