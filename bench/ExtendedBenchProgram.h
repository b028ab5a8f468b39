// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The scan benchmark's second program: 298 lines in the extended instruction set, the same size
// as the classic one (BenchProgram.h) and driven the same way. Each group keeps a work bit sealed
// in, a holding bit in KEEP, a timer and a hundredths timer, a reversible counter, a work bit
// between SET and RSET with its falling edge (DIFD), a rung inside IL/ILC and one inside
// JMP/JME, all in channel.bit addresses; the groups are followed by a few lines of data words
// (INC, CLC, ADD with its operand line, MOV, CMP).

#include "BenchProgram.h"

#include <string>
#include <vector>

namespace rungbox::bench {

constexpr int kExtendedGroupLines = 36;
constexpr int kExtendedProgramLines = kGroups * kExtendedGroupLines + 9 + 1;
static_assert(kExtendedProgramLines == kProgramLines);

/// Input bit k of group g ("0.05"): the classic program's switch in(g, k).
inline std::string inputBit(int g, int k) {
    const int n = in(g, k);
    return std::string("0.") + (n < 10 ? "0" : "") + std::to_string(n);
}

inline std::vector<LadderLine> extendedBenchProgram() {
    std::vector<LadderLine> lines;
    const auto add = [&](const char* code, std::string location = {}, std::string setValue = {}) {
        LadderLine& line = lines.emplace_back();
        line.code = code;
        line.locationText = std::move(location);
        line.setValueText = std::move(setValue);
    };
    for (int g = 0; g < kGroups; ++g) {
        const std::string w = "W" + std::to_string(g) + ".";
        const std::string hold = "HR" + std::to_string(g) + ".00";
        const std::string timer = std::to_string(g);         // TIM 0-7
        const std::string fastTimer = std::to_string(8 + g); // TIMH 8-15
        const std::string counter = std::to_string(16 + g);  // CNTR 16-23
        const std::string out = "10.";
        // Self-holding rung in a work bit; a holding bit in KEEP.
        add("LD", inputBit(g, 0));
        add("AND NOT", inputBit(g, 1));
        add("OR", w + "00");
        add("OUT", w + "00");
        add("LD", inputBit(g, 2));
        add("LD", inputBit(g, 3));
        add("KEEP(11)", hold);
        // A timer and a hundredths timer.
        add("LD NOT", inputBit(g, 2));
        add("AND", inputBit(g, 3));
        add("TIM", timer, "#0001");
        add("LD", inputBit(g, 4));
        add("AND", hold);
        add("TIMH(15)", fastTimer, "#000" + std::to_string(1 + g % 3));
        // Reversible counter: increment, decrement, reset.
        add("LD", inputBit(g, 3));
        add("LD", inputBit(g, 4));
        add("LD", inputBit(g, 5));
        add("CNTR(12)", counter, "#0005");
        // SET and RSET, and the falling edge of their bit.
        add("LD", inputBit(g, 5));
        add("SET", w + "02");
        add("LD", inputBit(g, 6));
        add("RSET", w + "02");
        add("LD", w + "02");
        add("DIFD(14)", w + "03");
        // An interlocked rung and a jumped one.
        add("LD", w + "00");
        add("IL(02)");
        add("LD", "TIM " + fastTimer);
        add("OR", w + "03");
        add("AND NOT", "TIM " + timer);
        add("OUT", out + (2 * g < 10 ? "0" : "") + std::to_string(2 * g));
        add("ILC(03)");
        add("LD", inputBit(g, 1));
        add("JMP(04)", std::to_string(g));
        add("LD", "CNT " + counter);
        add("AND NOT", hold);
        add("OUT", out + (2 * g + 1 < 10 ? "0" : "") + std::to_string(2 * g + 1));
        add("JME(05)", std::to_string(g));
    }
    // Data words: a BCD count of the scans input 0.00 is on, a sum with the carry cleared
    // before, the input channel copied to DM, and a comparison whose flag lights 10.15.
    add("LD", "0.00");
    add("@INC(38)", "DM0000");
    add("CLC(41)");
    add("ADD(30)", "DM0000", "#0005");
    add("", "DM0001");
    add("MOV(21)", "0", "DM0002");
    add("CMP(20)", "DM0001", "#0100");
    add("LD", "P_GT");
    add("OUT", "10.15");
    add("END(01)");
    return lines;
}

/// Loads the extended program into `plc` as a run's preparation does: the set, reset, program
/// table, and the present values (TIM and TIMH at their set value, CNTR at 0 with its flag off).
inline void loadExtendedProgram(Controller& plc) {
    plc.setInstructionSet(InstructionSet::Extended);
    plc.reset();
    const std::vector<LadderLine> lines = extendedBenchProgram();
    for (int r = 1; r < kLadderTableSize; ++r) {
        const auto i = static_cast<std::size_t>(r - 1);
        plc.setLadderTable(r, i < lines.size() ? lines[i] : LadderLine{});
    }
    for (const Step& step : plc.program().steps()) {
        if (step.kind() == OpCode::Tim || step.kind() == OpCode::Timh) {
            plc.setTimValue(step.operand, step.setValue);
        } else if (step.kind() == OpCode::Cntr) {
            plc.setCntValue(step.operand, 0);
            plc.setCounterDone(step.operand, false);
        }
    }
}

} // namespace rungbox::bench
