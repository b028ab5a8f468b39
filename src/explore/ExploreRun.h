// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tools > Compare With Program... and Tools > Prove Properties... as the window and the page run
// them: the exploration in short chunks, so that the caller stays live between two, its progress
// line, Cancel, and the result as text with the counterexample as a rungbox-sim script and its
// run(s) recorded for a timing diagram.

#include "Comparison.h"
#include "Proof.h"
#include "trace/Recorder.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rungbox::explore {

class ExploreRun {
public:
    /// A counterexample's run for a timing diagram: its caption and its recording.
    using Run = std::pair<std::string, std::unique_ptr<trace::Recorder>>;
    /// The caption of the reference's run; the candidate's is "Candidate".
    static constexpr std::string_view kReferenceRun = "Reference";

    /// Compares `candidate` with `reference`, each started; neither is kept. The names are those
    /// of the result and the script.
    ExploreRun(const engine::Controller& reference, std::string referenceName,
               const engine::Controller& candidate, std::string candidateName);
    /// Proves `properties` (not empty) of the program of `started`, which is not kept.
    ExploreRun(const engine::Controller& started, std::vector<Property> properties);
    ~ExploreRun();
    ExploreRun(const ExploreRun&) = delete;
    ExploreRun& operator=(const ExploreRun&) = delete;

    /// Explores one chunk (some milliseconds of work); answers true while there is more to do.
    /// The result is ready once it answers false.
    bool advance();
    /// Stops the exploration where it is; the result says so. Nothing once finished.
    void cancel();
    bool finished() const { return m_finished; }
    bool cancelled() const { return m_cancelled; }

    /// "N states, every sequence of up to D steps explored".
    std::string progressText() const;
    /// Once finished: "Cancelled." first when cancelled, the names, the summary, and the
    /// counterexample's script when there is one.
    const std::string& resultText() const { return m_result; }
    /// The counterexample as a script; empty without one.
    const std::string& script() const { return m_script; }
    /// The counterexample's runs (the reference's and the candidate's, or the violation's).
    std::vector<Run>& runs() { return m_runs; }

private:
    void begin();
    void finish();
    std::string comparisonResult();
    std::string proofResult();
    const Explorer& explorer() const;

    std::unique_ptr<Comparison> m_comparison;
    std::unique_ptr<Proof> m_proof;
    std::string m_referenceName;
    std::string m_candidateName;
    std::size_t m_budget = 1; // states explored per chunk
    bool m_finished = false;
    bool m_cancelled = false;
    std::string m_result;
    std::string m_script;
    std::vector<Run> m_runs;
};

} // namespace rungbox::explore
