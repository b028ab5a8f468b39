// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tools > Compare With Program... and Tools > Prove Properties... for the page, run by a worker
// of its own (or by the page itself, chunk by chunk, where it cannot have one): the programs
// arrive as their files' bytes, the exploration goes a chunk at a time (explore::ExploreRun) so
// that progress can be shown and Cancel heard between two, and the result is the window's text.

#include "WebPorts.h"
#include "explore/ExploreRun.h"
#include "explore/ProgramStart.h"

#include <memory>
#include <string>

namespace rungbox::wasm {

class WebExplore {
public:
    WebExplore() = default;

    /// Starts comparing the program file `candidateBytes` (the page's program as Save As writes
    /// it) with the reference file `referenceName`, whose bytes are `referenceBytes`. False when
    /// either cannot start: takeMessages() says why, as the window's message boxes do.
    bool compare(const std::string& referenceName, const std::string& referenceBytes,
                 const std::string& candidateBytes);
    /// Starts proving `properties` (one a line) of the program file `programBytes`; they may use
    /// the names of the names file `namesBytes` (the page's, as Save As writes it). False when
    /// they cannot be read or the program cannot start: resultText() says why.
    bool prove(const std::string& programBytes, const std::string& properties,
               const std::string& namesBytes);

    /// One chunk of the exploration (some milliseconds); true while there is more to do.
    bool advance() { return m_run && m_run->advance(); }
    /// Stops the exploration where it is; the result says so.
    void cancel();
    /// "N states, every sequence of up to D steps explored"; empty before a start.
    std::string progressText() const { return m_run ? m_run->progressText() : std::string(); }
    bool cancelled() const { return m_run && m_run->cancelled(); }
    /// The result once finished (or why nothing was explored).
    std::string resultText() const { return m_run ? m_run->resultText() : m_refusal; }
    /// The counterexample as a rungbox-sim script; empty without one.
    std::string script() const { return m_run ? m_run->script() : std::string(); }
    /// The counterexample's runs (ExploreRun::runs) as one dump (trace::VcdWriter, one scope a
    /// run: "reference" and "candidate", or "violation"), for the page's timing diagram and to
    /// download; empty without a counterexample.
    std::string runsVcd() const;
    /// The runs' captions as the window's diagram shows them ("Reference", "Candidate", or
    /// "Violation of ..."), as a JSON array of strings in the dump's scope order.
    std::string runNames() const;
    /// The message boxes shown since the last call, as a JSON array of {text, title, buttons,
    /// icon}.
    std::string takeMessages();

private:
    /// Starts the program file `bytes` named `name` on `into`; false with a message shown.
    bool start(explore::StartedController& into, const std::string& name, const std::string& bytes);

    WebBoxes m_boxes;
    WebFiles m_files;
    std::unique_ptr<explore::ExploreRun> m_run;
    std::string m_refusal;
};

} // namespace rungbox::wasm
