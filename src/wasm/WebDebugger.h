// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The page's debugger: the Debug menu's commands, the register panel, the breakpoints and next
// line the grid and the diagram mark, the padlocks of forced lamps and the watch table, all
// read from the session's debug::Debugger as the window's debugging tools read it. The page
// only draws what these calls answer and forwards the user's clicks.

#include "WebSession.h"
#include "debug/Registers.h"
#include "debug/WatchList.h"

#include <string>

namespace rungbox::wasm {

class WebDebugger : private session::SessionListener {
public:
    /// Follows `web`'s session from now on; `web` must outlive the debugger.
    explicit WebDebugger(WebSession& web);
    ~WebDebugger() override;
    WebDebugger(const WebDebugger&) = delete;
    WebDebugger& operator=(const WebDebugger&) = delete;

    /// Counts every change the debugging marks may show: a step, a pause, a breakpoint, a force,
    /// a run starting or stopping, a program loaded (its names). Not the clock: a run going on
    /// leaves the marks alone.
    unsigned revision() const { return m_revision; }
    /// Counts the moves of the run's clock (and steps): the watch table's values may have changed.
    unsigned clockRevision() const { return m_clockRevision; }

    // --- The Debug menu (stepping does nothing while stopped, as in the window) ---------------

    /// Pause or Resume.
    void togglePause();
    /// Step Scan, Step Tick and Step Instruction; the run is paused after each. The first and
    /// last answer how the step ended (session::RunEnd as a number).
    int stepScan() { return static_cast<int>(m_session.stepScan()); }
    void stepTick() { m_session.stepTick(); }
    int stepLine() { return static_cast<int>(m_session.stepLine()); }
    /// Toggles the breakpoint of code line `line` (1 to 299; others are ignored): a click in the
    /// grid's breakpoint margin or on a diagram element's breakpoint dot.
    void toggleBreakpoint(int line);
    /// Toggle Breakpoint: on the grid's current line.
    void toggleBreakpointAtCursor() { toggleBreakpoint(m_session.grid().line()); }

    /// What the views show, as JSON: {"running", "paused" (0 or 1), "currentLine" (the line a
    /// paused scan executes next, 0 for none), "breakpoints": [lines], "registers" (the register
    /// panel's text), "lockedInputs", "lockedOutputs" (bit n: lamp n's relay is forced)}.
    std::string stateJson() const;
    /// The debug marks of the ladder diagram as last polled, by element index in its JSON:
    /// {"lines": [the line of each element that can carry a breakpoint dot, else 0],
    /// "breakpoints": [element], "forced": [[element, forced value 0 or 1]]}. A breakpoint dot
    /// goes on every element of its line; a padlock on every contact or coil of a forced relay.
    std::string diagramMarksJson() const;

    // --- The watch table ----------------------------------------------------------------------

    /// Adds the entry typed as `text` ("1000", "TIM 3", "CNT 2" or a name of the program's);
    /// false when it names nothing, and then refusal() says why in the window's words.
    bool addEntry(const std::string& text);
    /// Why the last entry typed was refused; empty when it was taken.
    std::string refusal() const { return m_refusal; }
    /// Removes row `index` (ignored when there is none).
    void removeEntry(int index);
    /// Forces the relay of row `index` on (1) or off (0), or releases it (-1). False when the row
    /// is no relay's or the run is stopped: nothing is forced then.
    bool forceEntry(int index, int value);
    /// The table as JSON: {"hint" (the empty entry's placeholder), "rows": [{"item", "value",
    /// "set", "on" (0 or 1), "relay" (0 or 1), "forced" (-1 not forced, 0 or 1)}]}.
    /// Word rows also carry "word" (1), "format" (a word row's "Hex", "BCD" or "Dec") and
    /// "forcedWord" (a forced word's value "#0042", else "").
    std::string watchJson() const;
    /// Shows word row `index` in the format labelled `label` ("Hex", "BCD", "Dec"); false for
    /// other rows or labels.
    bool setEntryFormat(int index, const std::string& label);
    /// Forces the word of row `index` to `typed` ("#0123", "&291"), or releases it (`typed`
    /// empty). False when the row is no word's, the text no word, or the run stopped.
    bool forceEntryWord(int index, const std::string& typed);

    // --- The register panel's words and the DM table (extended programs) ----------------------

    /// The words the program uses as JSON: {"rows": [{"name", "text" (in the row's format),
    /// "format", "forced" ("#0042" or ""), "forceable" (0 or 1)}]}; no rows for classic programs.
    std::string wordsJson();
    /// Register word row `index` in format `label`; false for no such row or label.
    bool setWordFormat(int index, const std::string& label);
    /// Forces register word row `index` to `typed`, or releases it (empty); as forceEntryWord.
    bool forceWord(int index, const std::string& typed);
    /// The DM table's values as JSON, one number per row: DM0000 to DM1023, then DM6144 to
    /// DM6599 (engine::dmNumber of the row).
    std::string dmJson() const;
    /// Writes `typed` ("#0123", "&291") to the DM word of table row `row`, as a user
    /// (Controller::setWord; the read-only words too). False when it is no word or no row.
    bool setDm(int row, const std::string& typed);

private:
    void runChanged() override { ++m_revision; }
    void advanced(std::uint64_t) override { ++m_clockRevision; }
    void debugChanged() override { ++m_revision; }
    void fileChanged() override { ++m_revision; }

    WebSession& m_web;
    session::Session& m_session;
    debug::WatchList m_watch;
    debug::RegisterWords m_words;
    std::string m_refusal;
    unsigned m_revision = 0;
    unsigned m_clockRevision = 0;
};

} // namespace rungbox::wasm
