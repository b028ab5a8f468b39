// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestResults.h"

#include "engine/AddressMap.h"

#include <algorithm>
#include <utility>

namespace rungbox::sim {

std::vector<trace::Signal> readSignals(const Command& expect, std::string_view got) {
    using trace::SignalKind;
    const int n = expect.number;
    switch (expect.observed) {
    case Observed::Relay:
        return {{SignalKind::Relay, n}};
    case Observed::Timer:
        return {{SignalKind::TimerValue, n}, {SignalKind::TimerDone, n}};
    case Observed::Counter:
        return {{SignalKind::CounterValue, n}, {SignalKind::CounterDone, n}};
    case Observed::Plant:
    case Observed::Word:
        return {};
    case Observed::Inputs:
    case Observed::Outputs:
        break;
    }
    // Lamp k is digit k; the lamps that read otherwise come first.
    const int first = expect.observed == Observed::Inputs ? 0 : engine::kFirstOutputRelay;
    std::vector<trace::Signal> lamps;
    for (const bool differing : {true, false}) {
        for (int k = 0; k < engine::kOutputCount; ++k) {
            const auto at = static_cast<std::size_t>(k);
            const bool differs =
                at >= got.size() || at >= expect.expected.size() || got[at] != expect.expected[at];
            if (differs == differing) {
                lamps.push_back({SignalKind::Relay, first + k});
            }
        }
    }
    return lamps;
}

std::int64_t ProgramResult::score() const {
    std::int64_t sum = 0;
    for (const TestResult& test : tests) {
        sum += test.passed ? test.info.points : 0;
    }
    return sum;
}

std::int64_t ProgramResult::maxScore() const {
    std::int64_t sum = 0;
    for (const TestResult& test : tests) {
        sum += test.info.points;
    }
    return sum;
}

const TestResult* ProgramResult::firstFailure() const {
    const auto found = std::find_if(tests.begin(), tests.end(),
                                    [](const TestResult& test) { return !test.passed; });
    return found == tests.end() ? nullptr : &*found;
}

std::string ProgramResult::describe(const TestResult& test) {
    if (test.passed) {
        return "passed";
    }
    if (test.info.hidden) {
        return "failed";
    }
    const Failure& f = test.failure;
    if (f.line == 0) {
        return f.reason;
    }
    return f.reason + " (line " + std::to_string(f.line) + ", scan " + std::to_string(f.scan) +
           ", " + std::to_string(f.clockMs) + " ms)";
}

TestInfo wholeScriptTest() {
    return {"script", 1, false, 0};
}

std::vector<TestInfo> reportedTests(const Script& script) {
    return script.tests.empty() ? std::vector<TestInfo>{wholeScriptTest()} : script.tests;
}

ProgramResult failedProgram(const Script& script, std::string program, int status,
                            const std::string& reason) {
    ProgramResult result{std::move(program), status, {}, {}};
    for (const TestInfo& info : reportedTests(script)) {
        TestResult test{info, false, {}};
        test.failure.reason = reason;
        result.tests.push_back(std::move(test));
    }
    return result;
}

} // namespace rungbox::sim
