// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The clipboard's form of code lines: one code line a line of text, its three cells (code,
// location, set value) separated by tabs, each line ended by a line feed. It pastes into a
// spreadsheet as three columns and into a text editor as readable lines, and comes back as it went.

#include "CodeGrid.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::editor {

/// The text of grid lines `first` to `last` (inclusive, 1 to 299, first <= last).
std::string linesToText(const CodeGrid& grid, int first, int last);

/// The code lines in `text`, when every line of it holds exactly three tab-separated cells.
/// Lines may end in LF or CR LF; the last line needs no line end. Text of any other form (no
/// line at all, a line with fewer or more tabs) answers nullopt.
std::optional<std::vector<LineCells>> textToLines(std::string_view text);

/// What typing `text` into a cell of column `col` would type: in the code column letters (as
/// capitals) and blanks, in the others digits; everything else is dropped.
std::string typedText(std::string_view text, int col);

} // namespace rungbox::editor
