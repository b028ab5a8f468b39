// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExploreCommandLine.h"

#include "engine/AddressMap.h"
#include "explore/Explorable.h"
#include "explore/RunRecording.h"
#include "files/DiskFileSystem.h"
#include "trace/Recorder.h"
#include "trace/VcdWriter.h"

#include <charconv>
#include <sstream>

namespace rungbox::sim {

namespace {

// A plain decimal: digits only, no sign, no leading zero, at most `high`.
std::optional<long long> readNumber(std::string_view text, long long high) {
    if (text.empty() || (text.size() > 1 && text[0] == '0') || text.size() > 12) {
        return std::nullopt;
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value > high) {
        return std::nullopt;
    }
    return value;
}

std::uint16_t switchMask(const std::vector<int>& inputs) {
    std::uint16_t mask = 0;
    for (const int n : inputs) {
        mask = static_cast<std::uint16_t>(mask | (1U << n));
    }
    return mask;
}

} // namespace

std::optional<std::vector<int>> parseRelayList(std::string_view text, int low, int high) {
    std::vector<int> list;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        const std::size_t dash = item.find('-');
        const auto first = readNumber(item.substr(0, dash), high);
        const auto last =
            dash == std::string_view::npos ? first : readNumber(item.substr(dash + 1), high);
        if (!first || !last || *first < low || *last < *first) {
            return std::nullopt;
        }
        for (long long a = *first; a <= *last; ++a) {
            list.push_back(static_cast<int>(a));
        }
        if (comma == std::string_view::npos) {
            return list;
        }
        text.remove_prefix(comma + 1);
    }
}

std::optional<ExploreCommandLine> ExploreCommandLine::parse(const std::vector<std::string>& args,
                                                            std::ostream& err) {
    ExploreCommandLine line;
    const auto complain = [&](const std::string& why) {
        err << "rungbox-sim: " << why << '\n';
        return std::nullopt;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help") {
            line.help = true;
            return line;
        }
        if (!arg.starts_with("--")) {
            line.files.push_back(arg);
            continue;
        }
        if (i + 1 == args.size()) {
            return complain(arg + " needs a value");
        }
        const std::string& value = args[++i];
        if (arg == "--outputs") {
            const auto list = parseRelayList(value, 0, engine::kLastRelay);
            if (!list) {
                return complain("--outputs: relay numbers (0 to 20000) expected, e.g. 1000-1003");
            }
            line.options.outputs = *list;
        } else if (arg == "--inputs") {
            const auto list = parseRelayList(value, 0, engine::kInputCount - 1);
            if (!list) {
                return complain("--inputs: switch numbers (0 to 15) expected, e.g. 0,2-4");
            }
            line.options.freeInputs = switchMask(*list);
        } else if (arg == "--max-states") {
            const auto n = readNumber(value, static_cast<long long>(kMaxStatesLimit));
            if (!n || *n == 0) {
                return complain("--max-states: a number from 1 to 100000000 expected");
            }
            line.options.maxStates = static_cast<std::size_t>(*n);
        } else if (arg == "--script") {
            line.scriptPath = value;
        } else if (arg == "--vcd") {
            line.vcdPath = value;
        } else {
            return complain("unknown option " + arg);
        }
    }
    return line;
}

StartedProgram startProgram(const std::string& path, std::ostream& err) {
    StartedProgram started;
    started.runner = std::make_unique<Runner>(err, err);
    if (!started.runner->load(path)) {
        err << "rungbox-sim: " << path << " cannot be loaded\n";
        started.status = Exit::Usage;
        return started;
    }
    Command press;
    press.kind = CommandKind::Press;
    if (started.runner->execute(press, 0) != Exit::Ok) {
        err << "rungbox-sim: " << path << " cannot start\n";
        started.status = Exit::StartRefused;
        return started;
    }
    const std::string refusal =
        l10n::english(explore::explorationRefusal(started.runner->controller()));
    if (!refusal.empty()) {
        err << "rungbox-sim: " << path << ": " << refusal << '\n';
        started.status = Exit::StartRefused;
    }
    return started;
}

bool writeTextFile(const std::string& path, const std::string& text, std::ostream& err) {
    files::DiskFileSystem fileSystem;
    platform::FileError error;
    auto file = fileSystem.beginSave(path, error);
    if (!file || !file->write(text, error) || !file->commit(error)) {
        err << "rungbox-sim: cannot write " << path << ": " << error.description << '\n';
        return false;
    }
    return true;
}

bool writeRunsVcd(const std::string& path,
                  const std::vector<std::pair<std::string, explore::TransitionSystem*>>& systems,
                  const std::vector<explore::Step>& steps, std::uint16_t inputs,
                  const std::vector<int>& relays, std::ostream& err) {
    std::vector<std::unique_ptr<trace::Recorder>> recorders;
    std::vector<trace::VcdWriter::Part> parts;
    for (const auto& [scope, system] : systems) {
        recorders.push_back(explore::recordRun(*system, steps, inputs, relays));
        parts.push_back({scope, recorders.back().get()});
    }
    std::ostringstream text;
    trace::VcdWriter(text).write(parts);
    return writeTextFile(path, text.str(), err);
}

} // namespace rungbox::sim
