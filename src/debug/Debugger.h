// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The debugging state of a run that front ends show: whether the run is paused, the breakpoints,
// the forced relays and the line a paused scan executes next. The scan itself keeps its position
// in the controller; this class adds the pause and tells its listeners of every change, so that
// the code grid, a diagram, a register panel and the watch table can follow.

#include "engine/Controller.h"

#include <vector>

namespace rungbox::debug {

/// Told whenever anything a debugging view shows may have changed. Listeners must not change
/// the debugger's state from the call.
class DebugListener {
public:
    virtual ~DebugListener() = default;
    virtual void debugStateChanged() = 0;
};

class Debugger {
public:
    /// `controller` must outlive the debugger; it is not owned.
    explicit Debugger(engine::Controller& controller);

    Debugger(const Debugger&) = delete;
    Debugger& operator=(const Debugger&) = delete;

    /// True while a running program is paused: no scans and no timer ticks until it resumes or
    /// steps. Always false while stopped.
    bool paused() const { return m_paused; }
    /// Pauses or resumes a run; ignored while stopped.
    void setPaused(bool on);

    /// The code line (1 to 301) a paused scan executes next, or 0 when no scan is paused
    /// between two lines.
    int currentLine() const;
    /// The paused scan's result register and block stack (top first); see Controller.
    bool result() const { return m_controller.result(); }
    std::vector<bool> blockStack() const { return m_controller.blockStack(); }

    /// Breakpoints on code lines 1 to 299. They may be set while stopped and last until
    /// clearBreakpoints() (a new or loaded program).
    bool breakpoint(int line) const { return m_controller.breakpoint(line); }
    void setBreakpoint(int line, bool on);
    void toggleBreakpoint(int line) { setBreakpoint(line, !breakpoint(line)); }
    void clearBreakpoints();
    /// The lines with a breakpoint, ascending.
    std::vector<int> breakpointLines() const;

    /// Forces relay `address` (0 to 20000; extended programs: the workspace byte of any bit,
    /// engine::workspaceByte) on or off while running; see Controller::force. Refused (false)
    /// while stopped.
    bool force(int address, bool on);
    void unforce(int address);
    /// Forces word `address` to `value` while running (Controller::forceWord); refused (false)
    /// while stopped and for the words wordForceable() refuses.
    bool forceWord(engine::WordAddress address, std::uint16_t value);
    void unforceWord(engine::WordAddress address);

    /// The run has started or stopped (the controller has been reset: no forces, no paused
    /// scan): the pause ends.
    void runStartedOrStopped();
    /// Something the views show has changed (a step, a scan that paused at a breakpoint).
    void changed();

    /// `listener` is told of every change from now on; it must outlive the debugger or be
    /// removed.
    void addListener(DebugListener* listener);
    void removeListener(DebugListener* listener);

    engine::Controller& controller() { return m_controller; }
    const engine::Controller& controller() const { return m_controller; }

private:
    engine::Controller& m_controller;
    bool m_paused = false;
    std::vector<DebugListener*> m_listeners;
};

} // namespace rungbox::debug
