// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Checking a program with a script, as File > Check With Script... shows it in the window and on
// the page: the script run on a copy of the program in a session of its own (the user's own run
// is not touched), then its tests as rows of text (name, result, points, expected, got, when)
// with the score, and a message when the script has no tests or was refused.

#include "Runner.h"
#include "Script.h"
#include "l10n/Mark.h"
#include "l10n/Text.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace rungbox::sim {

/// One test of a check as the list shows it. A hidden test, and one that passed, leave
/// expected, got and when empty.
struct CheckRow {
    std::string name;
    bool passed = false;
    bool hidden = false;
    std::string points;   ///< the points given of the test's points: "2/2", "0/3"
    std::string expected; ///< what the failed `expect` wanted: "out 1000000000000000"
    std::string got;      ///< what it read, or why the script ended early
    std::string when;     ///< "line 10, scan 12, 10 ms"; empty before any line ran
    /// Where a timing diagram shows the failure: its time in the recording of the check's runs
    /// (ms). Only for a failed test that is not hidden, once a line ran and the runs were
    /// recorded; a hidden test's run would tell what it tries.
    std::optional<std::uint64_t> failureMs;
};

/// The most work a check makes (Runner::limitWork): an hour of simulated time at a scan a
/// millisecond, enough to wait out a timer's longest setting (999.9 s) three times over, and a
/// few seconds of a computer's time. A script asking for more ends with a complaint that says so,
/// so that no `wait` freezes the window or the page.
inline constexpr std::uint64_t kCheckWorkLimit = 3600000;

/// The score of a check: %1 points given of %2.
inline constexpr l10n::Message kCheckScore =
    QT_TRANSLATE_NOOP3("Core", "%1 of %2 points", "check.score");
/// A script without tests that ran to its end.
inline constexpr l10n::Message kCheckNoTests =
    QT_TRANSLATE_NOOP3("Core", "The script has no tests, and ran to its end.", "check.no_tests");
/// A script without tests that stopped early: %1 the complaint that stopped it.
inline constexpr l10n::Message kCheckNoTestsStopped =
    QT_TRANSLATE_NOOP3("Core", "The script has no tests, and stopped: %1", "check.stopped");
/// A script refused before any test ran: %1 the complaint.
inline constexpr l10n::Message kCheckRefused =
    QT_TRANSLATE_NOOP3("Core", "The script was refused: %1", "check.refused");

class ScriptCheck {
public:
    ScriptCheck();
    ~ScriptCheck();
    ScriptCheck(const ScriptCheck&) = delete;
    ScriptCheck& operator=(const ScriptCheck&) = delete;

    /// Runs `script` on a copy of `grid`'s program with the program's `names` in a fresh session,
    /// at most kCheckWorkLimit of work; with `record`, the runs are recorded for a timing diagram
    /// of a failure (runner().tracing()). The script must have been read with the same names
    /// (readScript), as rungbox-sim reads it with the names beside the program. `progress`, if
    /// any, is told the work made during long waits (Runner::onProgress).
    void run(const Script& script, const editor::CodeGrid& grid, const names::NameTable& names,
             bool record, std::function<void(std::uint64_t)> progress = {});

    /// The tests in script order (empty before run() and for a script without tests).
    const std::vector<CheckRow>& rows() const { return m_rows; }
    /// "N of M points" (kCheckScore); empty when no test ran (message() says why).
    l10n::Text scoreText() const;
    /// Why there are no tests to list ("The script has no tests, and ran to its end.", ...);
    /// empty when the tests ran.
    const l10n::Text& message() const { return m_message; }
    /// The session the script ran in; null before run().
    Runner* runner() { return m_runner.get(); }
    const Runner* runner() const { return m_runner.get(); }

    /// Readies the recording to show the failure of test `row` (in rows() order): the signals
    /// its failed `expect` read go first in the recording's list, those that read otherwise
    /// than expected at the top. Answers where the failure lies (CheckRow::failureMs), nothing
    /// when the test's run cannot be shown.
    std::optional<std::uint64_t> focus(std::size_t row);

private:
    CheckRow row(const TestResult& test) const;

    // What the script printed: its messages and complaints, kept for the message.
    std::ostringstream m_printed;
    std::ostringstream m_complaints;
    std::unique_ptr<Runner> m_runner;
    std::vector<CheckRow> m_rows;
    l10n::Text m_message;
    std::int64_t m_score = 0;
    std::int64_t m_maxScore = 0;
};

/// The last line of `printed` that is not empty: the complaint that ended a script early.
std::string lastLine(const std::string& printed);

} // namespace rungbox::sim
