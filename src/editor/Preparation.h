// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Program preparation: the walk over the program that checks every operand and set value before
// a run and loads the timers and counters with their set values.

#include "CodeGrid.h"
#include "engine/Controller.h"
#include "platform/Platform.h"

#include <string>

namespace rungbox::editor {

/// Walks the program in `grid` from line 1 to the first line whose code cell holds nothing but
/// blanks (that line included), checking each line's operand and set value. Loads the present
/// value and display of every TIM and CNT line into `controller`. Answers true when every line
/// passed; at the first bad line selects that whole line and shows its warning through `boxes`
/// and answers false.
bool prepareProgram(CodeGrid& grid, engine::Controller& controller, platform::MessageBoxes& boxes);

/// A preparation's warning about `line` (1 to 299): selects and marks that whole line, then shows
/// `text` (the line number as %1, `detail` as %2; two lines) in an exclamation box titled `title`.
void warnAtLine(platform::MessageBoxes& boxes, CodeGrid& grid, int line, const l10n::Message& text,
                const l10n::Message& title, std::string detail = {});

} // namespace rungbox::editor
