// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Properties of one program checked over every input sequence: each property after every scan,
// with the shortest sequence that violates it.

#include "Comparison.h"
#include "Property.h"

#include <optional>

namespace rungbox::explore {

class Proof : private Judge {
public:
    enum class Verdict { Undecided, Holds, Violated, Vacuous };

    /// Checks `properties` on the program of `started` (see TransitionSystem); `options.outputs`
    /// are the relays whose coverage is reported.
    Proof(const engine::Controller& started, std::vector<Property> properties,
          ExploreOptions options);
    ~Proof() override;

    /// Explores up to `budget` more states; answers true while there is more to do.
    bool advance(std::size_t budget);
    void run() { advance(SIZE_MAX); }
    /// Ends the exploration where it is (a cancel): the violations found so far are made ready
    /// as at the end; the other properties stay Undecided.
    void stop() { finish(); }
    const Explorer& explorer() const { return *m_explorer; }
    /// True when the program stopped with a program error (see explorer()).
    bool programError() const { return m_explorer->outcome() == Outcome::ProgramError; }

    const std::vector<Property>& properties() const { return m_properties; }
    /// Property i: Violated when a scan broke it; otherwise Undecided while running or when the
    /// state limit ended the exploration; else Vacuous when a relay it names never changed in
    /// any explored state, else Holds.
    Verdict verdict(std::size_t i) const;
    /// The shortest violation of property i, when Violated.
    const std::optional<Counterexample>& violation(std::size_t i) const { return m_violations[i]; }
    /// The violation of property i as a script whose expect lines read the relays it names as
    /// the violating scan leaves them.
    std::string script(std::size_t i, const std::string& programName);

    TransitionSystem& system() { return *m_system; }
    const Coverage& coverage() const { return m_coverage; }

    /// The result in a few lines of text, one per property, then the coverage.
    std::string summary() const;

private:
    bool judge(const std::vector<TransitionSystem*>& systems, std::uint32_t from,
               const Step& step) override;
    void finish();

    std::unique_ptr<TransitionSystem> m_system;
    std::vector<Property> m_properties;
    Coverage m_coverage;      // the reported relays
    Coverage m_namedCoverage; // every relay a property names, for vacuity
    std::unique_ptr<Explorer> m_explorer;
    std::size_t m_maxStates;
    struct Found {
        std::uint32_t from = 0;
        Step step;
    };
    std::vector<std::optional<Found>> m_found;
    std::vector<std::optional<Counterexample>> m_violations;
    std::size_t m_open = 0; // properties not yet violated
    bool m_finished = false;
};

} // namespace rungbox::explore
