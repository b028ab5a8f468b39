// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What rungbox-sim's run and grade commands read the same way: the usage complaint, the names
// of --names, and the script, refused before anything runs when it cannot be run whole.

#include "names/NameTable.h"
#include "sim/Options.h"
#include "sim/Script.h"

#include <optional>
#include <string>
#include <string_view>

/// Prints "rungbox-sim: WHY" (unless `why` is empty) and `usageLine` on standard error, and
/// answers Exit::Usage.
int usage(const std::string& why, std::string_view usageLine);

/// The names of --names FILE in `names` (nothing without the option). False, with the reason
/// printed, when the file cannot be read.
bool readNamesOption(const rungbox::sim::Options& options,
                     std::optional<rungbox::names::NameTable>& names);

/// Reads the script at `path` (standard input when empty) with `names` into `script`. With
/// `whole` (grade, or a script with tests), a line not understood or a script not read to its
/// end refuses it. False, with the reason printed on standard error, when it cannot be read or
/// is refused.
bool readScriptOperand(const std::string& path, const rungbox::names::NameTable& names, bool whole,
                       rungbox::sim::Script& script);
