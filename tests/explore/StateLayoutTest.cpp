// SPDX-License-Identifier: GPL-3.0-or-later
// What a program's state is (the relays read before they are written, edge memories, timers and
// counters), and that a packed state restores exactly.

#include "explore/StateLayout.h"
#include "ExtendedPrograms.h"
#include "engine/BitAddress.h"
#include "engine/ScriptedController.h"

#include <gtest/gtest.h>

namespace rungbox::explore {
namespace {

engine::Program decoded(const std::string& text) {
    std::vector<engine::LadderLine> table(engine::kLadderTableSize);
    const std::vector<engine::LadderLine> lines = test::parseProgram(text);
    std::copy(lines.begin(), lines.end(), table.begin() + 1);
    return engine::Program::decode(table);
}

TEST(StateLayout, StateIsWhatAScanReadsBeforeWritingIt) {
    struct Case {
        const char* program;
        std::vector<std::uint16_t> relays;
        std::uint16_t inputs;
        std::vector<std::uint16_t> difus = {};
    };
    const Case cases[] = {
        {"LD 0; OUT 1000; END", {}, 0x1},                             // combinational: no state
        {"LD 0; OR 1000; AND NOT 1; OUT 1000; END", {1000}, 0x3},     // a latch reads its output
        {"LD 2000; OUT 1000; LD 0; OUT 2000; END", {2000}, 0x1},      // read, written later
        {"LD 0; OUT 2000; LD 2000; OUT 1000; END", {}, 0x1},          // written first
        {"LD 0; DIFU 1000; END", {1000}, 0x1, {1000}},                // DIFU writes on edges only
        {"LD 1; LD 2; LD 3; SFT 100 102; END", {100, 101, 102}, 0xE}, // every bit shifts
        {"LD 0; OUT 3; LD 3; OUT 1000; END", {}, 0x1},                // input 3 overwritten first
        {"LD 0; OUT 1000; END; LD 2000; OUT 2000", {}, 0x1},          // nothing after END
    };
    for (const Case& c : cases) {
        const StateLayout layout = StateLayout::of(decoded(c.program));
        EXPECT_EQ(layout.relays, c.relays) << c.program;
        EXPECT_EQ(layout.inputsRead, c.inputs) << c.program;
        EXPECT_EQ(layout.difus, c.difus) << c.program;
    }
}

TEST(StateLayout, TimersAndCountersAreStateWhenAScanStepsOrReadsThem) {
    struct Case {
        const char* program;
        std::vector<std::uint8_t> timers;
        std::vector<std::uint8_t> counters;
        bool timed; ///< ticks can change something
    };
    const Case cases[] = {
        {"LD TIM 1; OUT 1000; LD 0; TIM 1 5; LD 1; LD 2; CNT 2 3; LD 0; TIM 1 5; END",
         {1},
         {2},
         true},
        // only contacts read them: their values come from lines after END, and stay
        {"LD TIM 4; AND NOT CNT 6; OUT 1000; END; TIM 4 5; CNT 6 2", {4}, {6}, false},
        {"LD 0; LD 1; CNT 3 2; LD TIM 7; OUT 1000; END", {7}, {3}, false},
        {"LD 0; OUT 1000; END; TIM 0 5", {}, {}, false}, // nothing reads timer 0
    };
    for (const Case& c : cases) {
        const StateLayout layout = StateLayout::of(decoded(c.program));
        EXPECT_EQ(layout.timers, c.timers) << c.program;
        EXPECT_EQ(layout.counters, c.counters) << c.program;
        EXPECT_EQ(layout.timed, c.timed) << c.program;
        EXPECT_TRUE(layout.relays.empty()) << c.program;
    }
}

TEST(StateLayout, APackedStateRestoresExactly) {
    test::ScriptedController a;
    a.load("LD 0; OR 1000; OUT 1000; LD 1; DIFU 2000; LD 0; TIM 3 40; LD 1; LD 2; CNT 5 9; "
           "LD 0; LD 1; LD 2; SFT 100 104; END");
    const StateLayout layout = StateLayout::of(a.plc.program());
    a.plc.setRelay(1000, true);
    a.plc.setRelay(102, true);
    a.plc.setDifuLast(2000, true);
    a.plc.setTimValue(3, 17);
    a.plc.setTimReset(3, false);
    a.plc.setCntValue(5, 4);
    a.plc.setCntLast(5, true);
    std::vector<std::uint8_t> packed(layout.bytes());
    layout.save(a.plc, packed.data());

    test::ScriptedController b;
    b.load("END");
    layout.restore(b.plc, packed.data());
    std::vector<std::uint8_t> again(layout.bytes());
    layout.save(b.plc, again.data());
    EXPECT_EQ(packed, again);
    EXPECT_TRUE(b.plc.relay(1000) && b.plc.relay(102) && !b.plc.relay(101));
    EXPECT_TRUE(b.plc.difuLast(2000) && b.plc.cntLast(5) && !b.plc.timReset(3));
    EXPECT_EQ(b.plc.timValue(3), 17);
    EXPECT_EQ(b.plc.cntValue(5), 4);
}

// The workspace byte of `address` ("HR0.00").
std::uint16_t byteOf(const char* address) {
    return static_cast<std::uint16_t>(engine::workspaceByte(*engine::parseBitAddress(address)));
}

TEST(StateLayout, ExtendedBitsAreStateWhenALineMayLeaveThemAsTheyWere) {
    struct Case {
        const char* program;
        std::vector<const char*> relays;
        std::vector<const char*> difds = {};
        bool firstCycle = false;
    };
    const Case cases[] = {
        {"LD|0.00; LD|0.01; KEEP|HR0.00; END", {"HR0.00"}}, // KEEP's memory
        {"LD|0.00; SET|W3.15; LD|0.01; RSET|AR1.00; END", {"W3.15", "AR1.00"}},
        {"LD|0.00; OUT|TR0; LD|TR0; OUT|HR2.00; END", {}},             // written first
        {"LD|0.01; JMP|0; LD|0.00; OUT|10.00; JME|0; END", {"10.00"}}, // a skipped OUT holds
        {"LD|0.01; IL; LD|0.00; OUT|10.00; ILC; END", {}},             // an interlocked one writes
        {"LD|0.00; DIFD|10.00; END", {}, {"10.00"}},
        {"LD|0.01; IL; LD|0.00; DIFD|10.00; ILC; END", {"10.00"}, {"10.00"}},
        {"LD|P_On; AND NOT|P_Off; AND|P_First_Cycle; OUT|10.00; END", {}, {}, true},
    };
    for (const Case& c : cases) {
        const StateLayout layout = StateLayout::of(test::decodedExtended(c.program));
        std::vector<std::uint16_t> relays;
        for (const char* a : c.relays) {
            relays.push_back(byteOf(a));
        }
        std::vector<std::uint16_t> difds;
        for (const char* a : c.difds) {
            difds.push_back(byteOf(a));
        }
        EXPECT_EQ(layout.relays, relays) << c.program;
        EXPECT_EQ(layout.difds, difds) << c.program;
        EXPECT_EQ(layout.firstCycle, c.firstCycle) << c.program;
    }
}

TEST(StateLayout, AnExtendedPackedStateRestoresExactly) {
    const engine::Program program = test::decodedExtended(
        "LD|0.00; LD|0.01; LD|0.02; CNTR|100|#5; LD|CNT 100; AND|P_First_Cycle; KEEP|HR0.00; "
        "LD|0.00; DIFD|W0.00; LD|TIM 20; OUT|10.00; END");
    const StateLayout layout = StateLayout::of(program);
    EXPECT_EQ(layout.timers, std::vector<std::uint8_t>{20});
    EXPECT_EQ(layout.counters, std::vector<std::uint8_t>{100});
    EXPECT_EQ(layout.reversible, std::vector<std::uint8_t>{100});
    test::ScriptedController a;
    a.plc.setCntValue(100, 5);
    a.plc.setCounterDone(100, true); // wrapped down to the set value: done apart from the value
    a.plc.setCntLast(100, true);
    a.plc.setCntrDownLast(100, true);
    a.plc.setTimValue(20, 7);
    a.plc.setBit(byteOf("HR0.00"), true);
    a.plc.setDifdLast(byteOf("W0.00"), true);
    a.plc.setFirstCycle(false);
    std::vector<std::uint8_t> packed(layout.bytes());
    layout.save(a.plc, packed.data());

    test::ScriptedController b;
    layout.restore(b.plc, packed.data());
    EXPECT_EQ(b.plc.cntValue(100), 5);
    EXPECT_TRUE(b.plc.bit(engine::counterDoneByte(100)));
    EXPECT_TRUE(b.plc.cntLast(100) && b.plc.cntrDownLast(100));
    EXPECT_EQ(b.plc.timValue(20), 7);
    EXPECT_TRUE(b.plc.bit(byteOf("HR0.00")) && b.plc.difdLast(byteOf("W0.00")));
    EXPECT_FALSE(b.plc.firstCycle());
}

} // namespace
} // namespace rungbox::explore
