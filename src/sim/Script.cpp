// SPDX-License-Identifier: GPL-3.0-or-later
#include "Script.h"

#include "ScriptNames.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rungbox::sim {

const ScriptStep* Script::firstError() const {
    const auto found = std::find_if(steps.begin(), steps.end(), [](const ScriptStep& step) {
        return step.line.kind == ScriptLine::Kind::Error;
    });
    return found == steps.end() ? nullptr : &*found;
}

int Script::testIndex(const std::string& name) const {
    const auto found = std::find_if(tests.begin(), tests.end(),
                                    [&name](const TestInfo& test) { return test.name == name; });
    return found == tests.end() ? -1 : static_cast<int>(found - tests.begin());
}

std::int64_t Script::maxScore() const {
    std::int64_t sum = 0;
    for (const TestInfo& test : tests) {
        sum += test.points;
    }
    return sum;
}

Script readScript(std::istream& in, const names::NameTable& names) {
    Script script;
    script.set = names.instructionSet();
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        ScriptStep step{number, parseNamedScriptLine(text, names), text};
        if (step.line.kind == ScriptLine::Kind::Skip) {
            continue;
        }
        const Command& c = step.line.command;
        if (step.line.kind == ScriptLine::Kind::Command && c.kind == CommandKind::Test) {
            const int earlier = script.testIndex(c.name);
            if (earlier >= 0) {
                step.line = ScriptLine{
                    ScriptLine::Kind::Error,
                    {},
                    "test " + c.name + " is already named at line " +
                        std::to_string(script.tests[static_cast<std::size_t>(earlier)].line)};
            } else {
                script.tests.push_back({c.name, static_cast<int>(c.count), c.hidden, number});
            }
        }
        script.steps.push_back(std::move(step));
    }
    if (in.bad()) {
        script.unreadableLine = number + 1;
    }
    return script;
}

Script rereadScript(const Script& script, const names::NameTable& names) {
    Script again = script;
    again.set = names.instructionSet();
    for (ScriptStep& step : again.steps) {
        const bool test = step.line.kind == ScriptLine::Kind::Command &&
                          step.line.command.kind == CommandKind::Test;
        if (test) {
            continue;
        }
        ScriptLine line = parseNamedScriptLine(step.text, names);
        // A test line keeps what the first reading made of it: it alone knows the tests declared
        // before (a repeated name is refused there), and the set does not change a test line.
        if (line.kind != ScriptLine::Kind::Command || line.command.kind != CommandKind::Test) {
            step.line = std::move(line);
        }
    }
    return again;
}

bool isDirectory(int fd) {
    struct stat info {};
    return fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
}

bool isDirectory(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const bool folder = fd >= 0 && isDirectory(fd);
    if (fd >= 0) {
        close(fd);
    }
    return folder;
}

bool readScriptFile(const std::string& path, Script& script, std::string& error,
                    const names::NameTable& names) {
    if (path.empty()) {
        if (isDirectory(STDIN_FILENO)) {
            error = std::strerror(EISDIR);
            return false;
        }
        script = readScript(std::cin, names);
        return true;
    }
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    const bool folder = isDirectory(fd);
    close(fd);
    if (folder) {
        error = std::strerror(EISDIR);
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = std::strerror(errno);
        return false;
    }
    script = readScript(file, names);
    return true;
}

} // namespace rungbox::sim
