// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptCheck.h"

namespace rungbox::sim {

std::string lastLine(const std::string& printed) {
    std::size_t end = printed.size();
    while (end > 0 && (printed[end - 1] == '\n' || printed[end - 1] == '\r')) {
        --end;
    }
    const std::size_t start = printed.find_last_of('\n', end == 0 ? 0 : end - 1);
    const std::size_t from = start == std::string::npos ? 0 : start + 1;
    return end > from ? printed.substr(from, end - from) : std::string();
}

ScriptCheck::ScriptCheck() = default;
ScriptCheck::~ScriptCheck() = default;

void ScriptCheck::run(const Script& script, const editor::CodeGrid& grid,
                      const names::NameTable& names, bool record,
                      std::function<void(std::uint64_t)> progress) {
    m_printed.str({});
    m_complaints.str({});
    m_rows.clear();
    m_message = {};
    m_runner = std::make_unique<Runner>(m_printed, m_complaints);
    m_runner->loadProgram(grid);
    m_runner->useNames(names);
    m_runner->limitWork(kCheckWorkLimit);
    m_runner->onProgress(std::move(progress));
    if (record) {
        m_runner->recordRuns();
        // The relays the tests read are recorded from the start, to be shown at a failure.
        for (const ScriptStep& step : script.steps) {
            const Command& command = step.line.command;
            if (step.line.kind == ScriptLine::Kind::Command &&
                command.kind == CommandKind::Expect && command.observed == Observed::Relay) {
                m_runner->recorder().add({trace::SignalKind::Relay, command.number});
            }
        }
    }
    const int status = m_runner->run(script);
    if (script.tests.empty()) {
        m_message = status == Exit::Ok ? l10n::text(kCheckNoTests)
                                       : l10n::text(kCheckNoTestsStopped,
                                                    lastLine(m_complaints.str() + m_printed.str()));
    } else if (m_runner->results().empty()) {
        m_message = l10n::text(kCheckRefused, lastLine(m_complaints.str()));
    }
    m_score = 0;
    m_maxScore = 0;
    for (const TestResult& test : m_runner->results()) {
        m_rows.push_back(row(test));
        m_score += test.passed ? test.info.points : 0;
        m_maxScore += test.info.points;
    }
}

std::optional<std::uint64_t> ScriptCheck::focus(std::size_t row) {
    if (row >= m_rows.size() || !m_rows[row].failureMs) {
        return std::nullopt;
    }
    m_runner->recorder().putFirst(m_runner->results()[row].failure.signalsRead);
    return m_rows[row].failureMs;
}

l10n::Text ScriptCheck::scoreText() const {
    if (m_rows.empty()) {
        return {}; // the message says why nothing is scored
    }
    return l10n::text(kCheckScore, std::to_string(m_score), std::to_string(m_maxScore));
}

CheckRow ScriptCheck::row(const TestResult& test) const {
    CheckRow out;
    const int points = test.info.points;
    out.name = test.info.name;
    out.passed = test.passed;
    out.hidden = test.info.hidden;
    out.points = std::to_string(test.passed ? points : 0) + '/' + std::to_string(points);
    if (test.passed || test.info.hidden) {
        return out;
    }
    const Failure& f = test.failure;
    if (!f.subject.empty()) {
        out.expected = f.subject + ' ' + f.expected;
        out.got = f.got;
    } else {
        out.got = f.reason;
    }
    if (f.line != 0) {
        out.when = "line " + std::to_string(f.line) + ", scan " + std::to_string(f.scan) + ", " +
                   std::to_string(f.clockMs) + " ms";
        if (!m_runner->recorder().empty()) {
            out.failureMs = f.traceMs;
        }
    }
    return out;
}

} // namespace rungbox::sim
