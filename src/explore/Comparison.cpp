// SPDX-License-Identifier: GPL-3.0-or-later
#include "Comparison.h"

#include "engine/AddressMap.h"

namespace rungbox::explore {

std::vector<int> outputRelays() {
    std::vector<int> relays;
    for (int n = 0; n < engine::kOutputCount; ++n) {
        relays.push_back(engine::kFirstOutputRelay + n);
    }
    return relays;
}

Comparison::Comparison(const engine::Controller& reference, const engine::Controller& candidate,
                       ExploreOptions options)
    : m_outputs(options.outputs.empty() ? outputRelays() : options.outputs),
      m_maxStates(options.maxStates) {
    m_systems.push_back(std::make_unique<TransitionSystem>(reference, options.path));
    m_systems.push_back(std::make_unique<TransitionSystem>(candidate, options.path));
    m_coverage.assign(2, Coverage(m_outputs));
    // A switch that only a compared relay shows must be varied although no program reads it.
    const auto echoed = static_cast<std::uint16_t>(switchesAmong(m_outputs) & options.freeInputs);
    std::vector<TransitionSystem*> systems{m_systems[0].get(), m_systems[1].get()};
    Judge& judge = *this;
    m_explorer =
        std::make_unique<Explorer>(systems, judge, options.freeInputs, options.maxStates, echoed);
}

Comparison::~Comparison() = default;

bool Comparison::differs() const {
    for (const int a : m_outputs) {
        if (m_systems[0]->relay(a) != m_systems[1]->relay(a)) {
            return true;
        }
    }
    return false;
}

bool Comparison::judge(const std::vector<TransitionSystem*>& systems, std::uint32_t from,
                       const Step& step) {
    m_coverage[0].note(*systems[0]);
    m_coverage[1].note(*systems[1]);
    if (!differs()) {
        return false;
    }
    m_from = from;
    m_step = step;
    return true;
}

bool Comparison::advance(std::size_t budget) {
    if (m_explorer->advance(budget) == Outcome::Running) {
        return true;
    }
    finish();
    return false;
}

void Comparison::finish() {
    if (m_finished || m_explorer->outcome() != Outcome::Stopped) {
        m_finished = true;
        return;
    }
    m_finished = true;
    std::vector<TransitionSystem*> systems{m_systems[0].get(), m_systems[1].get()};
    m_shortest = m_explorer->pathTo(m_from, m_step);
    m_counterexample = atRealPace(
        systems, m_shortest, [this] { return differs(); }, m_explorer->variedInputs(),
        m_maxStates);
    // The systems are left as the sequence leaves them: name the first relay that differs.
    replay(systems, m_counterexample.steps, [] { return false; });
    for (const int a : m_outputs) {
        if (m_systems[0]->relay(a) != m_systems[1]->relay(a)) {
            m_relay = a;
            m_referenceValue = m_systems[0]->relay(a);
            break;
        }
    }
}

Comparison::Verdict Comparison::verdict() const {
    switch (m_explorer->outcome()) {
    case Outcome::Complete:
        return Verdict::Equivalent;
    case Outcome::Stopped:
        return Verdict::Different;
    case Outcome::ProgramError:
        return Verdict::ProgramError;
    case Outcome::Running:
    case Outcome::StateLimit:
        break;
    }
    return Verdict::Undecided;
}

std::string Comparison::script(const std::string& referenceName,
                               const std::string& candidateName) const {
    std::vector<std::string> comments{"The shortest input sequence after which " + candidateName +
                                      " differs from " + referenceName + " (" +
                                      stepCount(m_counterexample.steps.size()) + ")."};
    if (m_counterexample.pace != Pace::Real) {
        comments.push_back(paceNote(m_counterexample.pace));
    }
    comments.push_back(referenceName + " passes this script; " + candidateName + " fails it.");
    const std::vector<std::string> expects{"expect relay " + std::to_string(m_relay) + ' ' +
                                           (m_referenceValue ? '1' : '0')};
    return scriptText(m_counterexample.steps, comments, expects);
}

std::string Comparison::summary() const {
    const Explorer& e = *m_explorer;
    const std::string counts =
        std::to_string(e.states()) + " states, " + std::to_string(e.steps()) + " steps";
    std::string text;
    switch (verdict()) {
    case Verdict::Equivalent:
        text = "Equivalent: every reachable joint state visited (" + counts + ").\n";
        break;
    case Verdict::Different:
        text = "Different: relay " + std::to_string(m_relay) + " reads " +
               (m_referenceValue ? "1" : "0") + " in the reference and " +
               (m_referenceValue ? "0" : "1") + " in the candidate after " +
               stepCount(m_counterexample.steps.size()) + " (" + counts + " explored).\n";
        if (m_counterexample.pace != Pace::Real) {
            text += paceNote(m_counterexample.pace) + '\n';
        }
        break;
    case Verdict::Undecided:
        text = "Not decided: every input sequence of up to " + std::to_string(e.depthDone()) +
               " steps is alike (" + counts + ").\n";
        break;
    case Verdict::ProgramError:
        text = std::string(e.errorSystem() == 0 ? "The reference" : "The candidate") +
               " stops with an error at line " + std::to_string(e.errorLine()) + ".\n";
        break;
    }
    // Coverage is told for what was explored to the end: a search that stopped at a difference
    // does not know what the programs never do.
    const bool complete = e.outcome() == Outcome::Complete;
    text += "Reference outputs " + m_coverage[0].text(complete) + ".\n";
    text += "Candidate outputs " + m_coverage[1].text(complete) + ".\n";
    return text;
}

} // namespace rungbox::explore
