// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// File > Check With Script... for the page: a script the page read from the user's computer or
// a share link, run on a copy of the page's program in a session of its own, as the window's
// Check dialog runs it (sim::ScriptCheck); the page's own run, grid and forces are not touched.

#include "WebSession.h"
#include "sim/ScriptCheck.h"

#include <string>
#include <vector>

namespace rungbox::wasm {

class WebCheck {
public:
    /// Checks the program of `web`, which must outlive the check.
    explicit WebCheck(WebSession& web) : m_web(web) {}

    /// Runs the script `bytes` (a .script file's bytes) on the page's program as it is now and
    /// answers the list as JSON:
    ///   {"score": "N of M points", "message": why nothing is listed or "",
    ///    "tests": [{"name", "passed", "hidden", "points", "expected", "got", "when",
    ///               "failureMs" (a failed test's time in the recording, when it can be shown)}]}
    /// A hidden test carries only its name, result and points.
    std::string check(const std::string& bytes);

    /// The recording of the last check's runs; null before the first check. It is replaced by
    /// the next check: runs() tells them apart.
    const trace::Recorder* recording() {
        return m_check.runner() ? &m_check.runner()->recorder() : nullptr;
    }
    /// Counts the checks made, from 0.
    unsigned runs() const { return m_runs; }

    /// Readies the recording to show the failure of test `index` (ScriptCheck::focus): the
    /// signals its failed line read first. False when its run cannot be shown.
    bool focus(unsigned index);
    /// The signals the last focus() put first, for a diagram to show whether or not the
    /// program uses them.
    const std::vector<trace::Signal>& focused() const { return m_focused; }

private:
    WebSession& m_web;
    sim::ScriptCheck m_check;
    unsigned m_runs = 0;
    std::vector<trace::Signal> m_focused;
};

/// The check's list as WebCheck::check answers it.
std::string checkJson(const sim::ScriptCheck& check);

} // namespace rungbox::wasm
