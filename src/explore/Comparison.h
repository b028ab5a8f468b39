// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A candidate program compared with a reference over every input sequence: the output relays
// are compared after every scan of both, fed the same steps from their start.

#include "Counterexample.h"
#include "Coverage.h"
#include "Explorer.h"
#include "TransitionSystem.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace rungbox::explore {

/// What is explored and how far; shared by comparisons and proofs.
struct ExploreOptions {
    std::vector<int> outputs;          ///< relays compared; empty means 1000 to 1015
    std::uint16_t freeInputs = 0xFFFF; ///< switches that may be used (switch n in bit n)
    std::size_t maxStates = kDefaultMaxStates;
    ScanPath path = ScanPath::Fast;
};

/// Relays 1000 to 1015.
std::vector<int> outputRelays();

class Comparison : private Judge {
public:
    enum class Verdict { Undecided, Equivalent, Different, ProgramError };

    /// Compares the programs of `reference` and `candidate`, each as a started run holds it
    /// (see TransitionSystem); neither is kept.
    Comparison(const engine::Controller& reference, const engine::Controller& candidate,
               ExploreOptions options);
    ~Comparison() override;

    /// Explores up to `budget` more states; answers true while there is more to do.
    bool advance(std::size_t budget);
    void run() { advance(SIZE_MAX); }
    /// Undecided while running or when the state limit was reached.
    Verdict verdict() const;
    const Explorer& explorer() const { return *m_explorer; }

    /// When Different: the shortest sequence, then the first compared relay that differs after
    /// its last scan and the reference's value of it.
    const Counterexample& counterexample() const { return m_counterexample; }
    /// The sequence as the exploration found it, before padding to the real clock's pace.
    const std::vector<Step>& shortest() const { return m_shortest; }
    int differingRelay() const { return m_relay; }
    bool referenceValue() const { return m_referenceValue; }
    /// The counterexample as a script that the reference passes and the candidate fails.
    std::string script(const std::string& referenceName, const std::string& candidateName) const;

    /// TransitionSystem 0 is the reference, 1 the candidate.
    TransitionSystem& system(std::size_t k) { return *m_systems[k]; }
    const Coverage& coverage(std::size_t k) const { return m_coverage[k]; }
    const std::vector<int>& outputs() const { return m_outputs; }

    /// The result in a few lines of text, for rungbox-sim and the window.
    std::string summary() const;

private:
    bool judge(const std::vector<TransitionSystem*>& systems, std::uint32_t from,
               const Step& step) override;
    bool differs() const;
    void finish();

    std::vector<std::unique_ptr<TransitionSystem>> m_systems;
    std::vector<int> m_outputs;
    std::vector<Coverage> m_coverage;
    std::unique_ptr<Explorer> m_explorer;
    std::size_t m_maxStates;
    std::uint32_t m_from = 0;
    Step m_step;
    Counterexample m_counterexample;
    std::vector<Step> m_shortest;
    int m_relay = 0;
    bool m_referenceValue = false;
    bool m_finished = false;
};

} // namespace rungbox::explore
