// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExploreRun.h"

#include "RunRecording.h"

#include <algorithm>
#include <bit>

namespace rungbox::explore {

namespace {

// Scans per chunk of exploration: some milliseconds of work, so that the caller answers at once.
constexpr std::size_t kScansPerChunk = 20000;

// The compared relays worth drawing: those either program turned on somewhere, and the one that
// differs.
std::vector<int> drawnOutputs(const Comparison& comparison) {
    std::vector<int> shown;
    const std::vector<int>& outputs = comparison.outputs();
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        if (comparison.coverage(0).everOn(i) || comparison.coverage(1).everOn(i) ||
            outputs[i] == comparison.differingRelay()) {
            shown.push_back(outputs[i]);
        }
    }
    return shown;
}

} // namespace

ExploreRun::ExploreRun(const engine::Controller& reference, std::string referenceName,
                       const engine::Controller& candidate, std::string candidateName)
    : m_comparison(std::make_unique<Comparison>(reference, candidate, ExploreOptions{})),
      m_referenceName(std::move(referenceName)), m_candidateName(std::move(candidateName)) {
    begin();
}

ExploreRun::ExploreRun(const engine::Controller& started, std::vector<Property> properties)
    : m_proof(std::make_unique<Proof>(started, std::move(properties), ExploreOptions{})),
      m_candidateName("the program") {
    begin();
}

ExploreRun::~ExploreRun() = default;

const Explorer& ExploreRun::explorer() const {
    return m_comparison ? m_comparison->explorer() : m_proof->explorer();
}

void ExploreRun::begin() {
    // Each state is tried with every vector of the varied switches: a chunk explores as many
    // states as make kScansPerChunk scans.
    const std::size_t vectors = std::size_t{1} << std::popcount(explorer().variedInputs());
    m_budget = std::max<std::size_t>(1, kScansPerChunk / vectors);
}

bool ExploreRun::advance() {
    if (m_finished) {
        return false;
    }
    const bool more = m_comparison ? m_comparison->advance(m_budget) : m_proof->advance(m_budget);
    if (!more) {
        finish();
    }
    return more;
}

void ExploreRun::cancel() {
    if (!m_finished) {
        m_cancelled = true;
        if (m_proof) {
            m_proof->stop(); // what was found so far is told as found
        }
        finish();
    }
}

std::string ExploreRun::progressText() const {
    return std::to_string(explorer().states()) + " states, every sequence of up to " +
           std::to_string(explorer().depthDone()) + " steps explored";
}

void ExploreRun::finish() {
    m_finished = true;
    m_result = m_cancelled ? "Cancelled.\n" : "";
    m_result += m_comparison ? comparisonResult() : proofResult();
    if (!m_script.empty()) {
        m_result += "\nThe counterexample as a rungbox-sim script:\n" + m_script;
    }
}

std::string ExploreRun::comparisonResult() {
    Comparison& c = *m_comparison;
    if (!m_cancelled && c.verdict() == Comparison::Verdict::Different) {
        m_script = c.script(m_referenceName, m_candidateName);
        const auto& steps = c.counterexample().steps;
        const std::uint16_t inputs = c.explorer().variedInputs();
        const std::vector<int> shown = drawnOutputs(c);
        m_runs.emplace_back(kReferenceRun, recordRun(c.system(0), steps, inputs, shown));
        m_runs.emplace_back("Candidate", recordRun(c.system(1), steps, inputs, shown));
    }
    return "Reference: " + m_referenceName + "\nCandidate: " + m_candidateName + "\n\n" +
           c.summary();
}

std::string ExploreRun::proofResult() {
    Proof& p = *m_proof;
    for (std::size_t i = 0; i < p.properties().size(); ++i) {
        if (p.verdict(i) == Proof::Verdict::Violated) {
            const Property& property = p.properties()[i];
            m_script = p.script(i, m_candidateName);
            m_runs.emplace_back("Violation of " + property.text(),
                                recordRun(p.system(), p.violation(i)->steps,
                                          p.explorer().variedInputs(), property.relays()));
            break;
        }
    }
    return p.summary();
}

} // namespace rungbox::explore
