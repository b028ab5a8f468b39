// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The names file (NAME.names beside NAME.PLC): UTF-8 text, one line per entry,
//
//     address<TAB>name<TAB>comment
//
// the address as "1000", "TIM 2" or "CNT 0" (extended programs' files also "W0.00", "HR1.05",
// "TR0", "253.13", "TIM 12", and read every spelling of engine::parseBitAddress; and words:
// "DM0100", and channel words marked "CH": "CH 10", "CH W3", "CH HR2", "CH AR3"), the comment
// optional (the line then ends after the name). Lines whose first character other than blanks and
// tabs is '#', and blank lines, are remarks: kept as written, meaning nothing. A bad line is
// reported with its number and skipped; it never makes the rest of the file unreadable.
//
// The written form: every line ends with LF; an entry without a comment has no second tab. A
// file in that form is written back byte for byte as it was read. Others are read the same way
// and written in that form: CRs before the LF and a UTF-8 byte order mark at the start are
// dropped, a missing LF at the end is added, "address<TAB>name<TAB>" loses its last tab.

#include "NameTable.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::names {

/// The largest names file read, in bytes. Every address named with the longest name and comment
/// takes under 5 MiB; anything much larger is not a names file.
inline constexpr std::size_t kMaxFileBytes = std::size_t{8} << 20;

/// Bad lines kept for the report; more are counted only. A message box or a console shows a
/// few dozen lines usefully, and a file of garbage must not make a report of millions.
inline constexpr std::size_t kMaxReportedLines = 20;

/// A line that was skipped, and why.
struct BadLine {
    int line = 0; ///< 1 for the first line; 0 for the file as a whole
    std::string why;

    friend bool operator==(const BadLine&, const BadLine&) = default;
};

struct NamesFileContents {
    NameTable table;
    std::vector<BadLine> badLines; ///< the first kMaxReportedLines bad lines, in file order
    std::size_t badLineCount = 0;  ///< every bad line, reported or not
};

/// Reads the bytes of a names file. Never fails as a whole: what cannot be read is reported.
/// The addresses are those of programs of `set` (parseAddress); the table names them.
NamesFileContents readNamesFile(std::string_view bytes,
                                engine::InstructionSet set = engine::InstructionSet::Classic);

/// The bytes of the names file for `table`, in the written form.
std::string namesFileText(const NameTable& table);

/// The names file beside the program file at `programPath`: its last extension (after the
/// last '.' of its file name, if the name does not start there) replaced by ".names", or
/// ".names" added when it has none ("motors/gate.PLC" gives "motors/gate.names").
std::string namesPathFor(std::string_view programPath);

/// The report of `contents`' bad lines, one line each ("gate.names line 3: why"), joined by
/// `lineEnd`, with a last line counting those left out of the list. Empty when there are none.
std::string badLinesReport(const NamesFileContents& contents, std::string_view fileName,
                           std::string_view lineEnd);

} // namespace rungbox::names
