// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ladder program file (.PLC): a header of two lines, then one text line per cell of each
// code line, in the order code cell, location cell, set-value cell. The writer turns the grid
// into the file's bytes; the reader checks the header and yields the cell fields, which
// placeFields then puts into the grid. Neither touches a file: the commands do.

#include "editor/CodeGrid.h"

#include <string>
#include <string_view>
#include <vector>

namespace rungbox::files {

/// The first line of every ladder program file.
inline constexpr std::string_view kMagic = "QZV_RUNGBOX_MAGIC";
/// The second line of a classic program's file.
inline constexpr std::string_view kVersion = "1.00";
/// The second line of an extended program's file; every other line is as in a classic file.
inline constexpr std::string_view kExtendedVersion = "2.00";

/// The version line for a program written in `set`: kVersion or kExtendedVersion.
std::string_view versionLine(engine::InstructionSet set);
/// A cell whose text is exactly this ends the program in the file (case and blanks count).
inline constexpr std::string_view kEndCell = "END";
/// Three cells per code line, 299 code lines: a file never places more fields than this.
inline constexpr int kMaxCellFields = 3 * editor::kLastLine;

/// A cell of the code grid: code line (1 to 299) and column (1 to 3).
struct CellPos {
    int row = 1;
    int col = 1;
    friend bool operator==(const CellPos&, const CellPos&) = default;
};

/// The lines of the file for the program in `grid`, without line ends: the magic, the version
/// line of the grid's instruction set (versionLine),
/// then each cell from code line 1, column 1 onward, up to and including the first cell that is
/// exactly "END", or through the set-value cell of line 299. Each cell is one line, cellLine.
std::vector<std::string> ladderFileLines(const editor::CodeGrid& grid);

/// The file line for a cell holding `text`: the text unchanged when readLadderFile gives that
/// line back as exactly `text` (every typed cell without leading blanks), otherwise the text in
/// double quotes, so that a comma or leading blanks survive the next load. A quoted field cannot
/// hold a double quote or a line end; those are left out of a quoted line (no cell that a load
/// fills needs it).
std::string cellLine(const std::string& text);

/// The whole file for the program in `grid`: ladderFileLines, each line ended by CR LF.
std::string writeLadderFile(const editor::CodeGrid& grid);

/// How many cells ladderFileLines writes for `grid` (1 to kMaxCellFields).
int savedCellCount(const editor::CodeGrid& grid);

/// True when a cell after the ones ladderFileLines writes holds text: a save leaves it out of the
/// file, so the next load would not bring it back.
bool holdsTextAfterEnd(const editor::CodeGrid& grid);

/// Where the walk of a save leaves the grid's current cell: on the cell after the first "END"
/// cell, or on the set-value cell of line 299.
CellPos cellAfterSave(const editor::CodeGrid& grid);

/// What the reader made of a file.
enum class ReadStatus {
    Ok,                 ///< header good; `fields` holds every cell field of the file
    BadMagic,           ///< the first field is not exactly kMagic
    BadVersion,         ///< the second field is neither kVersion nor kExtendedVersion
    EndedBeforeVersion, ///< the file ends before its second field (an empty file included)
};

struct LadderFileContents {
    ReadStatus status = ReadStatus::Ok;
    /// The program's instruction set, told by the version line: kVersion is classic,
    /// kExtendedVersion extended. Classic unless status is Ok.
    engine::InstructionSet set = engine::InstructionSet::Classic;
    /// The cell fields after the header, in file order, at most kMaxCellFields of them (the rest
    /// of a longer file is ignored). Empty unless status is Ok.
    std::vector<std::string> fields;
};

/// Reads a whole file (8-bit text; bytes above 127 are kept as they are). The file is read as
/// fields:
/// - a field ends at a comma or at a line end; CR LF, a lone LF and a lone CR each end a line,
///   and a line end at the very end of the file does not start another field;
/// - blanks (spaces) before a field's first other character are dropped; blanks at the end of
///   an unquoted field are kept, so that "END " stays distinct from "END";
/// - a field whose first other character is a double quote runs to the next double quote on its
///   line (to the line end when there is none); the quotes are not part of it, commas between
///   them belong to it, and anything after the closing quote up to the next comma or line end
///   is dropped.
/// The first two fields are the header; the rest are the cell fields.
/// `extendedAccepted` false reads as a reader that knows only kVersion does: an extended file is
/// then BadVersion.
LadderFileContents readLadderFile(std::string_view bytes, bool extendedAccepted = true);

/// Puts `fields` into the cells of `grid` from code line 1, column 1 onward (column 1, 2, 3,
/// then the next line), stopping after the set-value cell of line 299. Cells not reached are
/// left as they are. Afterwards the current cell rests on the cell after the last one filled,
/// or on the set-value cell of line 299 when that was the last one filled (on line 1, column 1
/// when `fields` is empty).
void placeFields(editor::CodeGrid& grid, const std::vector<std::string>& fields);

} // namespace rungbox::files
