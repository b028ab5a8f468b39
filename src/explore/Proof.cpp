// SPDX-License-Identifier: GPL-3.0-or-later
#include "Proof.h"

#include "engine/AddressMap.h"

#include <algorithm>

namespace rungbox::explore {

namespace {

std::vector<int> namedRelays(const std::vector<Property>& properties) {
    std::vector<int> relays;
    for (const Property& p : properties) {
        relays.insert(relays.end(), p.relays().begin(), p.relays().end());
    }
    std::sort(relays.begin(), relays.end());
    relays.erase(std::unique(relays.begin(), relays.end()), relays.end());
    return relays;
}

} // namespace

Proof::Proof(const engine::Controller& started, std::vector<Property> properties,
             ExploreOptions options)
    : m_system(std::make_unique<TransitionSystem>(started, options.path)),
      m_properties(std::move(properties)),
      m_coverage(options.outputs.empty() ? outputRelays() : options.outputs),
      m_namedCoverage(namedRelays(m_properties)), m_maxStates(options.maxStates),
      m_found(m_properties.size()), m_violations(m_properties.size()), m_open(m_properties.size()) {
    // A switch a property names is varied although the program may not read it.
    const auto named =
        static_cast<std::uint16_t>(switchesAmong(m_namedCoverage.relays()) & options.freeInputs);
    Judge& judge = *this;
    m_explorer = std::make_unique<Explorer>(std::vector<TransitionSystem*>{m_system.get()}, judge,
                                            options.freeInputs, options.maxStates, named);
}

Proof::~Proof() = default;

bool Proof::judge(const std::vector<TransitionSystem*>& systems, std::uint32_t from, const Step& step) {
    const TransitionSystem& m = *systems[0];
    m_coverage.note(m);
    m_namedCoverage.note(m);
    const auto relay = [&m](int address) { return m.relay(address); };
    for (std::size_t i = 0; i < m_properties.size(); ++i) {
        if (!m_found[i] && !m_properties[i].holds(relay)) {
            m_found[i] = Found{from, step};
            --m_open;
        }
    }
    return m_open == 0 && !m_properties.empty();
}

bool Proof::advance(std::size_t budget) {
    if (m_explorer->advance(budget) == Outcome::Running) {
        return true;
    }
    finish();
    return false;
}

void Proof::finish() {
    if (m_finished) {
        return;
    }
    m_finished = true;
    const std::vector<TransitionSystem*> systems{m_system.get()};
    for (std::size_t i = 0; i < m_properties.size(); ++i) {
        if (!m_found[i]) {
            continue;
        }
        const Property& p = m_properties[i];
        const TransitionSystem& m = *m_system;
        m_violations[i] = atRealPace(
            systems, m_explorer->pathTo(m_found[i]->from, m_found[i]->step),
            [&] { return !p.holds([&m](int a) { return m.relay(a); }); },
            m_explorer->variedInputs(), m_maxStates);
    }
}

Proof::Verdict Proof::verdict(std::size_t i) const {
    if (m_found[i]) {
        return Verdict::Violated;
    }
    const Outcome outcome = m_explorer->outcome();
    if (outcome != Outcome::Complete && outcome != Outcome::Stopped) {
        return Verdict::Undecided;
    }
    const std::vector<int>& relays = m_properties[i].relays();
    const bool tested = std::all_of(relays.begin(), relays.end(),
                                    [this](int a) { return m_namedCoverage.changes(a); });
    return tested ? Verdict::Holds : Verdict::Vacuous;
}

std::string Proof::script(std::size_t i, const std::string& programName) {
    const Counterexample& found = *m_violations[i];
    const Property& p = m_properties[i];
    std::vector<std::string> comments{"The shortest input sequence after which " + programName +
                                      " violates: " + p.text() + " (" +
                                      stepCount(found.steps.size()) + ")."};
    if (found.pace != Pace::Real) {
        comments.push_back(paceNote(found.pace));
    }
    comments.emplace_back("The expect lines read the relays as the violation leaves them.");
    replay({m_system.get()}, found.steps, [] { return false; });
    std::vector<std::string> expects;
    for (const int a : p.relays()) {
        expects.push_back("expect relay " + std::to_string(a) + ' ' +
                          (m_system->relay(a) ? '1' : '0'));
    }
    return scriptText(found.steps, comments, expects);
}

std::string Proof::summary() const {
    const Explorer& e = *m_explorer;
    std::string text;
    if (programError()) {
        text = "The program stops with an error at line " + std::to_string(e.errorLine()) + ".\n";
    }
    for (std::size_t i = 0; i < m_properties.size(); ++i) {
        const std::string& p = m_properties[i].text();
        switch (verdict(i)) {
        case Verdict::Holds:
            text += "Holds: " + p + "\n";
            break;
        case Verdict::Vacuous:
            text += "Vacuous: " + p + " (a relay it names never changes)\n";
            break;
        case Verdict::Violated:
            text += "Violated: " + p + " after " +
                    stepCount(m_violations[i] ? m_violations[i]->steps.size() : 0) +
                    (m_violations[i] && m_violations[i]->pace != Pace::Real
                         ? " (not at the real clock's pace)"
                         : "") +
                    "\n";
            break;
        case Verdict::Undecided:
            text += "Not decided: " + p + " (holds for every sequence of up to " +
                    std::to_string(e.depthDone()) + " steps)\n";
            break;
        }
    }
    text +=
        std::to_string(e.states()) + " states, " + std::to_string(e.steps()) + " steps explored.\n";
    text += "Outputs " + m_coverage.text(e.outcome() == Outcome::Complete) + ".\n";
    return text;
}

} // namespace rungbox::explore
