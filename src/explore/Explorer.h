// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Breadth-first exploration of the joint states of one or more programs fed the same steps: from
// the start, every vector of the free switches as a scan, and a timer tick where at least one
// scan has run since the last tick (or, on the real clock's pace, a tick right after every
// hundredth scan and only then). The joint state is every program's state and how many scans have
// run since the last tick. Breadth first, the first scan that shows something is the end of
// a shortest step sequence that shows it.

#include "TransitionSystem.h"
#include "StateSet.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace rungbox::explore {

/// Looks at every scan of an exploration.
class Judge {
public:
    virtual ~Judge() = default;
    /// Every system has just run one scan with `step` from state `from`. Answers true to end the
    /// exploration here.
    virtual bool judge(const std::vector<TransitionSystem*>& systems, std::uint32_t from,
                       const Step& step) = 0;
};

enum class Outcome {
    Running,      ///< advance() has more to do
    Complete,     ///< every reachable joint state has been explored
    Stopped,      ///< the judge ended it
    StateLimit,   ///< the state limit was reached first
    ProgramError, ///< a scan stopped with a program error (errorSystem(), errorLine())
};

/// The switches among `relays` (relay n below 16 mirrors switch n), switch n in bit n: those a
/// judge looks at, to be varied whether a program reads them or not.
std::uint16_t switchesAmong(const std::vector<int>& relays);

/// The default state limit: a million joint states take some tens of megabytes.
inline constexpr std::size_t kDefaultMaxStates = 1000000;

/// Where ticks may come between the scans of an exploration.
enum class Clock {
    Free, ///< a tick after any scan: every pace of scans and ticks
    Real, ///< a tick right after every hundredth scan, as the real clock runs (RealClock.h)
};

class Explorer {
public:
    /// Explores `systems` (not owned; they and `judge` must outlive the explorer) with the
    /// switches in `freeInputs` (switch n in bit n) free and the others off, keeping at most
    /// `maxStates` joint states (at least 1). Only switches some program reads are varied, and
    /// ticks are left out when no program has a TIM line, since they could change nothing. The
    /// switches in `alsoVaried` are varied whether read or not (the judge looks at them). With
    /// Clock::Real, the joint state also counts the scans since the last tick.
    Explorer(std::vector<TransitionSystem*> systems, Judge& judge, std::uint16_t freeInputs,
             std::size_t maxStates, std::uint16_t alsoVaried = 0, Clock clock = Clock::Free);

    /// Explores up to `budget` more states. Answers Running while there is more to do.
    Outcome advance(std::size_t budget);
    /// Runs to the end.
    Outcome run() { return advance(SIZE_MAX); }
    Outcome outcome() const { return m_outcome; }

    /// Joint states found so far.
    std::size_t states() const { return m_set.size(); }
    /// Steps (scans and ticks) run so far from explored states.
    std::uint64_t steps() const { return m_steps; }
    /// Every sequence of up to this many steps has been explored.
    std::uint32_t depthDone() const;

    /// The step sequence from the start to state `from`, then `step`.
    std::vector<Step> pathTo(std::uint32_t from, const Step& step) const;

    /// The switches that are varied (bit n for switch n), and whether ticks are explored.
    std::uint16_t variedInputs() const { return m_varied; }
    bool ticks() const { return m_ticks; }

    /// After ProgramError: the index of the system and the line that stopped its scan, and the
    /// steps that led to it.
    std::size_t errorSystem() const { return m_errorSystem; }
    int errorLine() const { return m_errorLine; }
    const std::vector<Step>& errorPath() const { return m_errorPath; }

private:
    bool expand(std::uint32_t index);
    bool scanAll(std::uint32_t index);
    bool scanFrom(std::uint32_t index, std::uint16_t switches);
    bool tickFrom(std::uint32_t index);
    bool reach(std::uint32_t from, const Step& step);

    std::vector<TransitionSystem*> m_systems;
    Judge& m_judge;
    std::vector<std::size_t> m_offsets; // where each system's state starts in a joint state
    std::size_t m_flagByte = 0;         // scans since the last tick: 0 or 1 (Free), 0 to 100 (Real)
    Clock m_clock = Clock::Free;
    std::uint16_t m_varied = 0;
    std::vector<std::uint16_t> m_vectors; // every combination of the varied switches
    bool m_ticks = false;
    std::size_t m_maxStates;
    StateSet m_set;
    std::vector<std::uint8_t> m_from; // the state being explored, copied out of the set
    std::vector<std::uint8_t> m_next; // the state a step reached
    std::uint32_t m_cursor = 0;       // the next state to explore
    std::uint64_t m_steps = 0;
    Outcome m_outcome = Outcome::Running;
    std::size_t m_errorSystem = 0;
    int m_errorLine = 0;
    std::vector<Step> m_errorPath;
};

} // namespace rungbox::explore
