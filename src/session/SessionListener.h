// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one way out of the core: what a front end (the window, the page, rungbox-sim) is told when
// something it shows has changed. Every call has an empty default, so a listener overrides only
// what it shows. Listeners are told after the change, from inside the session's call; they read
// the session to show it and must not start, stop or advance the run from the call.

#include <cstdint>

namespace rungbox::session {

class SessionListener {
public:
    virtual ~SessionListener() = default;

    // --- The program -------------------------------------------------------------------------

    /// Cell (`row`, `col`) of the code grid has new text.
    virtual void cellChanged(int /*row*/, int /*col*/) {}
    /// The grid's current cell or selection moved.
    virtual void cursorChanged() {}
    /// The grid's row count, a column width or its enabled state changed.
    virtual void gridLayoutChanged() {}
    /// The program's instruction set changed (a switch, its undo or redo, New or Load): read
    /// Session::grid().instructionSet().
    virtual void instructionSetChanged() {}
    /// A file command went through: the current file, the recent files or the edit mark may
    /// have changed (an edit of a cell may change the edit mark too: see cellChanged).
    virtual void fileChanged() {}

    // --- The run -----------------------------------------------------------------------------

    /// A run has started (its first scan is due at run time 0) or stopped (the run/stop button
    /// or a program error); read Session::running().
    virtual void runChanged() {}
    /// A whole scan has ended at `clockMs` milliseconds of run time. Told for every scan, up to
    /// a thousand a second: a front end that only shows the run waits for advanced().
    virtual void scanned(std::uint64_t /*clockMs*/) {}
    /// The run's clock moved or a step ran: scans and ticks have run in one call of the session
    /// (advance, a step, a scan or tick command), and the run now stands at `clockMs`. The
    /// moment for a front end to show the run.
    virtual void advanced(std::uint64_t /*clockMs*/) {}
    /// The pause, the next line of a paused scan, a breakpoint or a force changed.
    virtual void debugChanged() {}

    // --- What the run drives and records -----------------------------------------------------

    /// The Module menu's choice changed, or its machine was put in its starting state.
    virtual void moduleChanged() {}
    /// Recording was switched on or off, or the recording was cleared.
    virtual void recordingChanged() {}
};

} // namespace rungbox::session
