// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// File > Check With Script... for the page: a script the page read from the user's computer or
// a share link, run on a copy of the page's program in a session of its own, as the window's
// Check dialog runs it (sim::ScriptCheck), at most sim::kCheckWorkLimit of simulated time. It
// runs where explorations run (a worker with a core of its own, or the page's thread where no
// worker can be had), so it needs no session: the program arrives as its grid's cells, and the
// runs it recorded go back to the page as a dump, for a timing diagram of a failed test.

#include "sim/ScriptCheck.h"
#include "trace/Recorder.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace rungbox::wasm {

class WebCheck {
public:
    WebCheck() = default;

    /// Runs the script `bytes` (a .script file's bytes) on the program whose code cells are
    /// `cells` (three a line from line 1, as WebSession::restoreCells takes them) in the extended
    /// instruction set when `extended` (WebSession::extended), with the names
    /// of the names file `namesBytes` (WebSession::namesBytes) as rungbox-sim reads a script
    /// beside the program's names, and answers
    /// the list as JSON:
    ///   {"score": "N of M points", "message": why nothing is listed or "",
    ///    "tests": [{"name", "passed", "hidden", "points", "expected", "got", "when",
    ///               "failureMs" (a failed test's time in the recording, when it can be shown)}]}
    /// A hidden test carries only its name, result and points. `progress`, if any, is told the
    /// simulated milliseconds made so far during long waits.
    std::string check(const std::vector<std::string>& cells, bool extended, const std::string& bytes,
                      const std::string& namesBytes,
                      std::function<void(std::uint64_t)> progress = {});

    /// The last check's recorded runs as a dump (trace::VcdWriter), to carry them to the page;
    /// empty before a check.
    std::string runsVcd();
    /// Shows the runs of the dump `bytes` (runsVcd of a check made elsewhere) as this check's
    /// runs, replacing the last ones as a new check does; nothing shows when it cannot be read.
    void showRuns(const std::string& bytes);

    /// The runs shown: the last check's, or the dump shown since; null before either. Replaced
    /// by the next check or dump: runs() tells them apart.
    const trace::Recorder* recording();
    /// Counts the checks made and dumps shown, from 0.
    unsigned runs() const { return m_runs; }

    /// Readies the runs shown to show a failure: the signals named in `signalNames`
    /// (space-separated, as the list's "signals" of a failed test gives them, read by its failed
    /// line) first. False when no runs are shown or no name is a signal.
    bool focus(const std::string& signalNames);
    /// The signals the last focus() put first, for a diagram to show whether or not the
    /// program uses them.
    const std::vector<trace::Signal>& focused() const { return m_focused; }

private:
    sim::ScriptCheck m_check;
    std::unique_ptr<trace::Recorder> m_shown; ///< the dump shown, if it came last
    unsigned m_runs = 0;
    std::vector<trace::Signal> m_focused;
};

/// The check's list as WebCheck::check answers it.
std::string checkJson(const sim::ScriptCheck& check);

} // namespace rungbox::wasm
