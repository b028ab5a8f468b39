// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Starting and stopping a run: the run/stop lamp-button's click, and the ticks of the scan timer
// and the timer-tick timer that drive a running program.

#include "editor/CodeGrid.h"
#include "engine/Controller.h"
#include "platform/Platform.h"

#include <string>

namespace rungbox::panel {

/// Milliseconds between two scans and between two timer ticks. A tick is a tenth of a second,
/// as the timer displays read it ("5.0" runs out five seconds later).
inline constexpr int kScanIntervalMs = 1;
inline constexpr int kTickIntervalMs = 100;

/// The words beside "Error at line " N for a classic program whose line `line` (1 to 299) only
/// the extended instruction set reads (engine::usesExtended): how to switch the set, naming the
/// line's instruction when the classic set does not know it ("KEEP belongs to the extended
/// instruction set: turn on Extended Instruction Set in the Options menu."). Empty for an
/// extended program or any other line. Front ends show it beside the message, never in it.
l10n::Text extendedSetHint(const editor::CodeGrid& grid, int line);

/// The run/stop control of one main window. Holds references only; everything it is given must
/// outlive it.
class RunControl {
public:
    RunControl(engine::Controller& controller, editor::CodeGrid& grid,
               platform::MessageBoxes& boxes, platform::RunWindow& window);

    /// The run/stop lamp-button: resets the controller, then starts a stopped run (preparation,
    /// the copy down to the first exact "END", timers on, menus and grid locked, switches free)
    /// or stops a running one.
    void toggleRun();

    /// One tick of the scan timer: one scan. A program error shows "Error at line " N and stops
    /// the run. Does nothing while stopped or while a scan's error message is open.
    void onScanTimer();

    /// Executes the next code line of the current scan (Controller::stepLine); a program error
    /// is reported and stops the run as in onScanTimer().
    void stepLine();

    /// One tick of the timer-tick timer. Does nothing while stopped or while a scan's error
    /// message is open.
    void onTickTimer();

    bool simulating() const { return m_controller.simulating(); }

    /// extendedSetHint for the line of the program error that stopped the last run; empty when
    /// there is none or after a new start.
    const l10n::Text& errorHint() const { return m_errorHint; }

private:
    bool startSequence();
    void stopSequence();
    void report(int badLine);

    engine::Controller& m_controller;
    editor::CodeGrid& m_grid;
    platform::MessageBoxes& m_boxes;
    platform::RunWindow& m_window;
    bool m_reportingError = false;
    l10n::Text m_errorHint;
};

} // namespace rungbox::panel
