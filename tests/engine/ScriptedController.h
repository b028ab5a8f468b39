// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A controller on a recording panel, and a short text form of programs and of what the user does:
//   program: lines separated by ';', each its code then its numbers: "LD 0; SFT 100 103; END"
//   script:  "5" sets the switches to 5 and scans, "+3" gives three timer ticks, "=100" turns
//            relay 100 on, "init" resets the controller as a stop and start do.

#include "engine/Controller.h"
#include "support/Recorders.h"

#include <cctype>
#include <ranges>
#include <string>
#include <vector>

namespace rungbox::test {

/// The parts of `text` between `separator`s, empty ones included.
inline std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    for (const auto part : std::views::split(text, separator)) {
        parts.emplace_back(part.begin(), part.end());
    }
    return parts;
}

inline std::string repeat(const std::string& text, int times) {
    return times == 0 ? "" : text + repeat(text, times - 1);
}

/// The lines of `text`; a part without words is an empty code cell. Only blanks separate words.
inline std::vector<engine::LadderLine> parseProgram(const std::string& text) {
    std::vector<engine::LadderLine> lines;
    for (const std::string& part : split(text, ';')) {
        engine::LadderLine& line = lines.emplace_back();
        int numbers = 0;
        for (const std::string& word : split(part, ' ')) {
            if (!word.empty() && std::isdigit(static_cast<unsigned char>(word.back()))) {
                (numbers++ == 0 ? line.location : line.setValue) =
                    static_cast<std::int16_t>(std::stoi(word));
            } else if (!word.empty()) {
                line.code += (line.code.empty() ? "" : " ") + word;
            }
        }
    }
    return lines;
}

/// Writes `lines` into records 1 on, empties the rest, and loads the set values of the TIM and
/// CNT lines with a unit number in range, as a run's preparation does.
inline void loadProgram(engine::Controller& plc, const std::vector<engine::LadderLine>& lines) {
    plc.reset();
    for (int r = 1; r < engine::kLadderTableSize; ++r) {
        const auto i = static_cast<std::size_t>(r - 1);
        plc.setLadderTable(r, i < lines.size() ? lines[i] : engine::LadderLine{});
    }
    for (const engine::LadderLine& line : lines) {
        if (line.location >= 0 && line.location < 8 && line.code == "TIM") {
            plc.setTimValue(line.location, line.setValue);
        } else if (line.location >= 0 && line.location < 8 && line.code == "CNT") {
            plc.setCntValue(line.location, line.setValue);
        }
    }
}

/// Sixteen lamps as the hex digits of the lit ones, "-" when all are dark.
inline std::string lit(const std::array<bool, 16>& lamps) {
    std::string digits;
    for (std::size_t n = 0; n < 16; ++n) {
        digits += lamps[n] ? std::string(1, "0123456789abcdef"[n]) : "";
    }
    return digits.empty() ? "-" : digits;
}

struct ScriptedController {
    RecordingPanel panel;
    engine::Controller plc{panel};

    void load(const std::string& program) { loadProgram(plc, parseProgram(program)); }

    /// Plays `script`. Returns for each scan, separated by blanks, the lit output lamps or, when
    /// the scan stopped at line n, "!n".
    std::string run(const std::string& script) {
        std::string trace;
        for (const std::string& token : split(script, ' ')) {
            if (token == "init") {
                plc.reset();
            } else if (token[0] == '+') {
                for (int i = std::stoi(token.substr(1)); i > 0; --i) {
                    plc.tick();
                }
            } else if (token[0] == '=') {
                plc.setRelay(std::stoi(token.substr(1)), true);
            } else {
                panel.switches = static_cast<std::uint16_t>(std::stoi(token));
                const int bad = plc.scan();
                trace += (trace.empty() ? "" : " ") +
                         (bad == 0 ? lit(panel.outputLamp) : "!" + std::to_string(bad));
            }
        }
        return trace;
    }
};

} // namespace rungbox::test
