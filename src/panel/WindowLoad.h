#pragma once

// What the main window does when it loads, shared by the window and rungbox-sim.

#include "editor/Editor.h"
#include "engine/Controller.h"

namespace rungbox::panel {

/// Lays out the grid (headings, 299 empty code lines, line numbers, column widths), resets the
/// controller and its panel, and marks the (empty) program unchanged.
void setUpSession(editor::Editor& editor, engine::Controller& controller);

} // namespace rungbox::panel
