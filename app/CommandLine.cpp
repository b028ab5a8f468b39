// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "sim/Runner.h"
#include "sim/ScriptNames.h"

#include <iostream>

namespace sim = rungbox::sim;

int usage(const std::string& why, std::string_view usageLine) {
    if (!why.empty()) {
        std::cerr << "rungbox-sim: " << why << '\n';
    }
    std::cerr << usageLine;
    return sim::Exit::Usage;
}

bool readNamesOption(const sim::Options& options, std::optional<rungbox::names::NameTable>& names) {
    if (options.namesPath.empty()) {
        return true;
    }
    names = sim::readNamesOption(options.namesPath, std::cerr);
    return names.has_value();
}

bool readScriptOperand(const std::string& path, const rungbox::names::NameTable& names, bool whole,
                       sim::Script& script) {
    std::string error;
    if (!sim::readScriptFile(path, script, error, names)) {
        std::cerr << "rungbox-sim: cannot read " << (path.empty() ? "the script" : path) << ": "
                  << error << '\n';
        return false;
    }
    whole = whole || !script.tests.empty();
    if (const sim::ScriptStep* bad = whole ? script.firstError() : nullptr) {
        std::cerr << "rungbox-sim: line " << bad->number << ": " << bad->line.error << '\n';
        return false;
    }
    if (whole && script.unreadableLine != 0) {
        std::cerr << "rungbox-sim: line " << script.unreadableLine
                  << ": the script could not be read\n";
        return false;
    }
    return true;
}
