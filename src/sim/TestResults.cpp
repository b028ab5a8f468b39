// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestResults.h"

#include <algorithm>
#include <utility>

namespace rungbox::sim {

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
