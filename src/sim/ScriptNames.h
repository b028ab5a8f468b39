// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names in rungbox-sim scripts: wherever a command takes an input, relay, timer or counter
// number, a name of the program's names table may stand instead. The names are turned into their
// numbers here, before the line is read, so that every command reads numbers only.

#include "ScriptLine.h"
#include "names/NameTable.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace rungbox::sim {

/// Reads one script line as parseScriptLine does, with the names of `names` allowed in the
/// number places: `in NAME 0|1` (an input 0 to 15), `relay`, `trace`, `force`, `unforce` and
/// `expect relay` (a relay), `expect tim` (a timer) and `expect cnt` (a counter). A word there
/// that could be a name but is none of `names` is an error, and so is a name of another kind of
/// address. With no names at all, the line is read exactly as parseScriptLine reads it.
ScriptLine parseNamedScriptLine(std::string_view text, const names::NameTable& names);

/// The names of the names file at `path` (--names). Its bad lines are printed on `err` and
/// skipped. Nothing, with the reason printed on `err`, when the file cannot be read.
std::optional<names::NameTable> readNamesOption(const std::string& path, std::ostream& err);

/// The names of the names file beside the program file at `programPath`, read without a word:
/// loading the program reads them again and reports their problems. Empty when there is none or
/// it cannot be read. The table is of the program's instruction set (programInstructionSet), so
/// that a script read with it before the program is loaded reads an extended program's words.
names::NameTable namesBeside(const std::string& programPath);

/// The instruction set the version line of the program file at `programPath` tells; classic
/// when the file cannot be read or its header is bad (the load then says why).
engine::InstructionSet programInstructionSet(const std::string& programPath);

} // namespace rungbox::sim
