// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The benchmarks' program: 298 lines that use every instruction form, a panel that costs next to
// nothing, and the way the benchmarks drive them (switches flipping one per scan, a timer tick
// every 16th scan). Shared by the scan benchmark, the recording benchmark and the recorder's
// memory test.

#include "engine/Controller.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace rungbox::bench {

using namespace rungbox::engine;

// --- The program -----------------------------------------------------------------------------

// Eight groups of eight rungs (36 lines each), a closing rung of nine lines and END: 298 lines.
// Every rung leaves its first LD's entry on the block stack, so a scan ends with 65 entries of
// the 101 the controller holds.
constexpr int kGroups = 8;
constexpr int kGroupLines = 36;
constexpr int kProgramLines = kGroups * kGroupLines + 9 + 1;
static_assert(kProgramLines == 298);

// Group g uses timer g, counter g, input switches g to g+6 (wrapping), internal relays from
// base(g) and output relays 1000 + 2g and 1001 + 2g.
constexpr int base(int g) {
    return 100 + 40 * g;
}
constexpr int in(int g, int k) {
    return (g + k) % kInputCount;
}
constexpr int outA(int g) {
    return kFirstOutputRelay + 2 * g;
}
constexpr int outB(int g) {
    return kFirstOutputRelay + 2 * g + 1;
}
constexpr int timerSet(int g) {
    return 20 + g;
}
constexpr int kCounterSet = 5;

inline std::vector<LadderLine> benchProgram() {
    std::vector<LadderLine> lines;
    const auto add = [&](const char* code, int location = 0, int setValue = 0) {
        lines.push_back(
            {code, static_cast<std::int16_t>(location), static_cast<std::int16_t>(setValue)});
    };
    for (int g = 0; g < kGroups; ++g) {
        const int a = base(g);
        // Self-holding rung.
        add("LD", in(g, 0));
        add("AND NOT", in(g, 1));
        add("OR", a);
        add("OUT", a);
        // Done flags in a contact run, inverted output.
        add("LD", a);
        add("AND TIM", g);
        add("OR NOT CNT", g);
        add("OR NOT", a + 5);
        add("OUT NOT", a + 1);
        // Timer.
        add("LD NOT", in(g, 2));
        add("AND", in(g, 3));
        add("TIM", g, timerSet(g));
        // Counter: count block, reset block.
        add("LD", in(g, 3));
        add("AND NOT CNT", g);
        add("LD", in(g, 4));
        add("CNT", g, kCounterSet);
        // Three blocks joined by OR BLK and AND BLK.
        add("LD NOT TIM", g);
        add("AND CNT", g);
        add("LD", a);
        add("OR NOT TIM", g);
        add("OR BLK");
        add("LD NOT CNT", g);
        add("OR TIM", g);
        add("AND BLK");
        add("OUT", outA(g));
        // Rising edge.
        add("LD CNT", g);
        add("AND NOT TIM", g);
        add("OR CNT", g);
        add("DIFU", a + 2);
        // Shift register a+10..a+13: data, clock, reset.
        add("LD", a + 2);
        add("LD", in(g, 5));
        add("LD", in(g, 6));
        add("SFT", a + 10, a + 13);
        // Timer done and the register's last bit.
        add("LD TIM", g);
        add("AND", a + 13);
        add("OUT", outB(g));
    }
    add("LD", 0);
    add("AND", 1);
    add("AND", 2);
    add("AND", 3);
    add("OR", 4);
    add("AND NOT", 5);
    add("OR", 6);
    add("OR", kFirstOutputRelay);
    add("OUT", kFirstOutputRelay + 15);
    add("END");
    return lines;
}

// --- A panel that costs next to nothing --------------------------------------------------------

class CheapPanel final : public IoPanel {
public:
    std::uint16_t switches = 0;
    int lampCalls = 0;
    int displayCalls = 0;

    std::uint16_t inputSwitches() const override { return switches; }
    void uncheckInputSwitch(int n) override {
        switches = static_cast<std::uint16_t>(switches & ~(1U << n));
    }
    void setInputLamp(int, bool) override { ++lampCalls; }
    void setOutputLamp(int, bool) override { ++lampCalls; }
    void setTimerDisplay(int, std::string_view) override { ++displayCalls; }
    void setCounterDisplay(int, std::string_view) override { ++displayCalls; }
    void setRunLamp(bool) override {}
};

// --- Driving the controller --------------------------------------------------------------------

// The switches flip one at a time in a pseudo-random order, and the timer tick comes every 16th
// scan, so that timers run out, counters count and registers shift while the benchmark runs.
inline std::uint16_t nextSwitches(std::uint16_t switches, std::uint32_t scan) {
    const std::uint32_t mixed = scan * 2654435761U;
    return static_cast<std::uint16_t>(switches ^ (1U << (mixed >> 28)));
}
constexpr std::uint32_t kTickEvery = 16;

/// Loads the program into `plc` as a run's preparation does: reset, program table, set values.
inline void loadProgram(Controller& plc) {
    plc.reset();
    const std::vector<LadderLine> lines = benchProgram();
    for (int r = 1; r < kLadderTableSize; ++r) {
        const auto i = static_cast<std::size_t>(r - 1);
        plc.setLadderTable(r, i < lines.size() ? lines[i] : LadderLine{});
    }
    for (const LadderLine& line : lines) {
        if (line.code == "TIM") {
            plc.setTimValue(line.location, line.setValue);
        } else if (line.code == "CNT") {
            plc.setCntValue(line.location, line.setValue);
        }
    }
}

} // namespace rungbox::bench
