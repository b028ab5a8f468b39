// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The start of a run from a grid, the one way every front end starts one: the window's and the
// page's run/stop button, rungbox-sim's `press`, a check with a script and the explorer.

#include "editor/CodeGrid.h"
#include "engine/Controller.h"
#include "platform/Platform.h"

namespace rungbox::panel {

/// How a start ended.
enum class StartResult {
    Started, ///< the program is on the controller, ready for its first scan
    Refused, ///< preparation found a bad line (selected in the grid, its warning shown)
    NoEnd,   ///< no line reads exactly "END"; nothing has been shown, the caller says so
};

/// Starts a run of the program in `grid` on `plc`:
///  - resets `plc` (Controller::reset): relays off, every timer held at 0, every counter at 0
///    with its count edge cleared, every force released; the DIFU edge memories stay;
///  - prepares the program (editor::prepareProgram), which checks every line down to the first
///    one without words and loads the set value of every TIM and CNT line it passes, lines after
///    END included;
///  - copies the lines from 1 down to the first exact "END" into the program table.
/// With `progress`, the copy shows its progress there: the bar counts the grid's rows, heading
/// included, is shown at 0 before the first line and hidden, full, after the copy.
StartResult startRun(editor::CodeGrid& grid, engine::Controller& plc, platform::MessageBoxes& boxes,
                     platform::RunWindow* progress = nullptr);

} // namespace rungbox::panel
