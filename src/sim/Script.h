// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A whole rungbox-sim script, read before it runs: its lines as commands and the tests it
// declares, so that reports can name every test, also those a run never reaches, and so that
// one script read once can be run on many programs.

#include "ScriptLine.h"
#include "names/NameTable.h"

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace rungbox::sim {

/// A script line that is not skipped: its number (from 1) and what it reads as.
struct ScriptStep {
    int number = 0;
    ScriptLine line;
    std::string text; ///< the line as written, to read again for an extended program
};

/// A test as its `test` line declares it.
struct TestInfo {
    std::string name; ///< unique within the script
    int points = 1;   ///< 0 to kMaxPoints
    bool hidden = false;
    int line = 0; ///< the `test` line's number
};

struct Script {
    std::vector<ScriptStep> steps; ///< in script order
    std::vector<TestInfo> tests;   ///< in script order; the k-th Test step declares tests[k]
    /// The number of the line at which reading failed (the one after the last line read), 0
    /// when the script was read to its end.
    int unreadableLine = 0;
    /// The instruction set the lines were read for (that of the names given to readScript).
    engine::InstructionSet set = engine::InstructionSet::Classic;

    /// The first line not understood, or nullptr. Scripts with tests, and scripts graded over
    /// many programs, are refused before anything runs when they have one.
    const ScriptStep* firstError() const;
    /// The index in `tests` of the test named `name`, or -1.
    int testIndex(const std::string& name) const;
    /// The sum of every test's points.
    std::int64_t maxScore() const;
};

/// Reads `in` to its end, with the names of `names` allowed in the number places
/// (parseNamedScriptLine). A second `test` line with a name already used is a line not
/// understood. Lines are kept in memory: a script is a hand-written file, and its commands are
/// far smaller than the runs they ask for.
Script readScript(std::istream& in, const names::NameTable& names = {});

/// `script` with its command lines read again with `names` and their instruction set: a script
/// read before its program was loaded, read for an extended program. Test lines stay as read.
Script rereadScript(const Script& script, const names::NameTable& names);

/// True when `fd` is an open folder, which reads as an empty file.
bool isDirectory(int fd);
/// True when `path` names a folder that can be opened.
bool isDirectory(const std::string& path);

/// Reads the script file at `path`, or standard input when `path` is empty. False, with `error`
/// set to the reason (as strerror gives it), when it cannot be opened or is a folder (which
/// would read as an empty script). `names` as for readScript.
bool readScriptFile(const std::string& path, Script& script, std::string& error,
                    const names::NameTable& names = {});

} // namespace rungbox::sim
