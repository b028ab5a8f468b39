// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What running a script's tests on one program gave: each test passed or failed, and why, in
// the terms a student can follow (the script line, what was expected, what was read, when).

#include "Script.h"
#include "trace/Signal.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::sim {

/// Why a test failed.
struct Failure {
    int line = 0;              ///< the script line that failed or ended the script; 0 before any
    std::string subject;       ///< what an `expect` read ("out", "relay 1000"); empty otherwise
    std::string expected;      ///< the text it expected; empty when the script ended otherwise
    std::string got;           ///< the text it read
    std::string reason;        ///< one line for a person, such as "expected out 01, got 10"
    std::uint64_t scan = 0;    ///< scans of the run so far
    std::uint64_t clockMs = 0; ///< the run's clock in milliseconds
    std::uint64_t traceMs = 0; ///< the time in the recording (Runner::recordRuns), ms
    /// What the failed `expect` read, as signals of a recording (readSignals); empty otherwise.
    std::vector<trace::Signal> signalsRead;
};

/// The signals `expect` (an Expect command) reads, those that read otherwise than expected
/// first: `got` is what the line read, in its form. The lamps' relays for `in` and `out`, the
/// relay, a timer's or counter's value and done bit; none for a machine's state line.
std::vector<trace::Signal> readSignals(const Command& expect, std::string_view got);

struct TestResult {
    TestInfo info;
    bool passed = false;
    Failure failure; ///< valid when not passed
};

/// The tests of one program, in script order.
struct ProgramResult {
    std::string program; ///< the program file as named on the command line
    int status = 0;      ///< the exit status the run alone would have given (Exit)
    std::vector<TestResult> tests;
    std::string vcd; ///< grade --vcd-dir: the file its run was written to, if any
    /// grade --pack: the feedback on the whole (each exercise's), for the reports that carry
    /// it; empty otherwise.
    std::string output = {};

    std::int64_t score() const;
    std::int64_t maxScore() const;
    /// The first failed test in script order, or nullptr.
    const TestResult* firstFailure() const;
    /// The failure as a report shows it: "expected out X, got Y (line 12, scan 40, 35 ms)", or
    /// only "failed" for a hidden test.
    static std::string describe(const TestResult& test);
};

/// The test a script without `test` lines counts as in grade and the reports: the whole script,
/// named "script", worth 1 point, passed when the script runs to its end.
TestInfo wholeScriptTest();

/// The tests reports name for `script`: its own, or wholeScriptTest() when it declares none.
std::vector<TestInfo> reportedTests(const Script& script);

/// Every reported test of `script` failed for `reason`, as for a program that could not be
/// loaded.
ProgramResult failedProgram(const Script& script, std::string program, int status,
                            const std::string& reason);

} // namespace rungbox::sim
