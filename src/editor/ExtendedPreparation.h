// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Preparation of an extended program: the same walk as a classic program's, reading the cells
// as the extended set does (addresses in channel.bit and the areas' notation, "#" set values,
// jump numbers, the IL and JMP regions).

#include "CodeGrid.h"
#include "engine/Controller.h"
#include "platform/Platform.h"

namespace rungbox::editor {

/// prepareProgram for a grid whose program is extended. Lines whose words are no instruction,
/// and block-stack faults, are left to the run, which stops at them as in a classic program.
bool prepareExtendedProgram(CodeGrid& grid, engine::Controller& controller,
                            platform::MessageBoxes& boxes);

/// The first line (1 to 299) of the program in `grid`, down to its first END, that only the
/// extended set reads as written (engine::usesExtended); 0 when there is none, so the program
/// can become classic.
int firstExtendedLine(const CodeGrid& grid);

} // namespace rungbox::editor
