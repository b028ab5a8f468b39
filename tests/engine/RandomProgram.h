// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reproducible random programs over every instruction form, and a panel that logs every call,
// for the tests that run the scan paths side by side.

#include "ScriptedController.h"
#include "engine/Instruction.h"

#include <algorithm>
#include <random>

namespace rungbox::test {

using engine::LadderLine;

inline engine::LadderLine lineOf(std::string code, int location, int setValue = 0) {
    return {std::move(code), static_cast<std::int16_t>(location),
            static_cast<std::int16_t>(setValue)};
}

/// A recording panel that also writes down, in order, every call a scan or a tick can make.
struct LoggingPanel : RecordingPanel {
    std::string log;

    void note(const char* what, int n, std::string_view text) {
        log += std::string(what) + ' ' + std::to_string(n) + ' ' + std::string(text) + '\n';
    }
    void setInputLamp(int n, bool on) override { note("in", n, on ? "on" : "off"); }
    void setOutputLamp(int n, bool on) override { note("out", n, on ? "on" : "off"); }
    void setTimerDisplay(int n, std::string_view text) override { note("tim", n, text); }
    void setCounterDisplay(int n, std::string_view text) override { note("cnt", n, text); }
};

/// Reproducible random programs. Addresses come from small pools so that lines meet each other's
/// relays; in some programs a few lines are invalid.
struct Generator {
    explicit Generator(std::uint32_t seed) : random(seed) {}

    int pick(int first, int last) {
        return std::uniform_int_distribution<int>(first, last)(random);
    }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    int relay() { // inputs, outputs and internal relays from small pools; either end of the range
        static constexpr int kPools[] = {0, 0, 0, 1000, 1000, 100, 100, 100, 100, -1};
        const int pool = kPools[pick(0, 9)];
        return pool < 0 ? 20000 * pick(0, 1) : pool + pick(0, 20);
    }
    LadderLine line() {
        // Lines a scan cannot execute: unknown words, numbers out of range.
        static const std::vector<LadderLine> kInvalid =
            parseProgram("ld 0; LD BLK; ; XYZ 1; OUT BLK; AND NOT BLK; OUT TIM 1; LD NOT NOT 2; "
                         "OUT 20001; AND TIM 8; LD CNT 8; TIM 8 3; SFT 100 20001; SFT 100 -1");
        static const char* const kContacts[] = {"LD", "AND", "OR"};
        static const char* const kOperands[] = {"", " TIM", " CNT"};
        const int kind = pick(0, 99), operand = pick(0, 2), a = 100 + pick(0, 20);
        LadderLine line;
        if (invalid && chance(4)) {
            line = kInvalid[static_cast<std::size_t>(pick(0, 13))];
        } else if (kind < 50) { // every form of LD, AND and OR
            line = lineOf(std::string(kContacts[pick(0, 2)]) + (chance(50) ? " NOT" : "") +
                              kOperands[operand],
                          operand == 0 ? relay() : pick(0, 7));
        } else if (kind < 58) {
            line = lineOf(chance(50) ? "AND BLK" : "OR BLK", 0);
        } else if (kind < 72) {
            line = lineOf(chance(70) ? "OUT" : "OUT NOT", relay());
        } else if (kind < 84) {
            line = lineOf(kind < 78 ? "TIM" : "CNT", pick(0, 7), chance(5) ? -3 : pick(0, 6));
        } else if (kind < 92) {
            line = lineOf("DIFU", relay());
        } else {
            line = lineOf("SFT", a, a + pick(-5, 5));
        }
        if (chance(5)) {
            line.code = "  " + line.code + " "; // blanks around the words change nothing
        }
        return line;
    }

    /// Up to `maxLines` lines, most ending in END. Lines that would pop an empty block stack or
    /// push a 102nd entry stop the scan, so they are mostly replaced.
    std::vector<LadderLine> program(int maxLines) {
        invalid = chance(40);
        std::vector<LadderLine> lines;
        int depth = 0;
        for (int n = pick(1, maxLines); n > 0; --n) {
            LadderLine next = line();
            const int after = depth + depthChange(next);
            if ((after < 0 || after > 101) && !(invalid && chance(10))) {
                next = lineOf(after < 0 ? "LD" : "OUT", relay());
            }
            depth = std::max(depth + depthChange(next), 0);
            lines.push_back(next);
        }
        if (chance(90)) {
            lines.push_back(lineOf("END", 0));
        }
        return lines;
    }

    static int depthChange(const LadderLine& line) { // entries pushed minus entries popped
        const engine::OpInfo& info = engine::opInfo(engine::decodeForm(line.code).op);
        return info.pushes - info.pops;
    }

    std::mt19937 random;
    bool invalid = false; ///< whether lines of the program may be invalid
};

} // namespace rungbox::test
