// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The file the program in the grid belongs to, and the main window's title that names it.

#include "editor/CodeGrid.h"
#include "l10n/Mark.h"
#include "l10n/Text.h"
#include "names/NameTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace rungbox::files {

/// The main window's title when no file is open, and the part that follows the file's name.
inline constexpr std::string_view kWindowTitle = "PLC Ladder Code";

/// The last component of `path` (after the last '/').
std::string fileName(std::string_view path);

/// The main window's title with a file: its name (an asterisk after it while edited), " - " and
/// kWindowTitle.
inline constexpr l10n::Message kFileWindowTitle =
    QT_TRANSLATE_NOOP3("Core", "%1 - PLC Ladder Code", "file.window_title");
/// The main window's title with no file: kWindowTitle.
inline constexpr l10n::Message kEmptyWindowTitle =
    QT_TRANSLATE_NOOP3("Core", "PLC Ladder Code", "file.window_title_empty");

/// The main window's title: kWindowTitle with no file (`path` empty); otherwise the file's name,
/// an asterisk after it while `edited`, " - " and kWindowTitle ("motor.PLC* - PLC Ladder Code").
l10n::Text windowTitle(std::string_view path, bool edited);

/// The current file: the path last loaded or saved (none after New or at the start) and the
/// program's cells as they were then, to tell whether the program now differs from the file.
class CurrentFile {
public:
    /// The path; empty when there is no current file.
    const std::string& path() const { return m_path; }
    bool hasPath() const { return !m_path.empty(); }

    /// `grid` and its `names` were loaded from or saved to `path` (empty: a new program without
    /// a file). The file holds the first `cellsInFile` cells in file order (code, location, set
    /// value, then the next line); cells after them count as empty, as the next load leaves them.
    void set(std::string path, const editor::CodeGrid& grid, const names::NameTable& names = {},
             int cellsInFile = 3 * editor::kLastLine);

    /// True when a code line's cells in `grid`, its instruction set, or the `names`, differ from
    /// what was loaded or saved.
    bool differs(const editor::CodeGrid& grid, const names::NameTable& names = {}) const;

    /// windowTitle() for this file, `grid` and `names`.
    l10n::Text title(const editor::CodeGrid& grid, const names::NameTable& names = {}) const;

private:
    std::string m_path;
    /// The cells of lines 1 to 299, three to a line, as loaded or saved.
    std::vector<std::string> m_cells;
    engine::InstructionSet m_set = engine::InstructionSet::Classic;
    names::NameTable m_names;
};

} // namespace rungbox::files
