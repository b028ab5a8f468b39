// SPDX-License-Identifier: GPL-3.0-or-later
// The extended set's instructions against timing charts worked by hand from the makers' manuals:
// each case is a program and, scan by scan, the switches and the lamps that must be lit.

#include "ExtendedRun.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

namespace rungbox::test {
namespace {

/// Sixteen lamps as the hex digits of the lit ones, "-" when all are dark.
std::string litLamps(const std::array<bool, 16>& lamps) {
    std::string digits;
    for (std::size_t n = 0; n < 16; ++n) {
        digits += lamps[n] ? std::string(1, "0123456789abcdef"[n]) : "";
    }
    return digits.empty() ? "-" : digits;
}

struct Chart {
    const char* name;
    const char* program;
    std::vector<std::pair<unsigned, const char*>> scans; // switches, lamps lit after the scan
};

const Chart kCharts[] = {
    {"KEEP: set, hold, reset wins", "LD|0.00; LD|0.01; KEEP(11)|10.00; END(01)",
     {{0, "-"}, {1, "0"}, {0, "0"}, {2, "-"}, {0, "-"}, {1, "0"}, {3, "-"}, {1, "0"}}},
    {"DIFD: one scan on the falling edge", "LD|0.00; DIFD(14)|10.00; END",
     {{0, "-"}, {1, "-"}, {1, "-"}, {0, "0"}, {0, "-"}, {1, "-"}, {0, "0"}}},
    {"DIFU and DIFD side by side", "LD|0.00; DIFU(13)|10.00; LD|0.00; DIFD(14)|10.01; END",
     {{1, "0"}, {1, "-"}, {0, "1"}, {0, "-"}, {1, "0"}}},
    {"SET and RSET: the later line wins", "LD|0.00; SET|10.00; LD|0.01; RSET|10.00; END",
     {{1, "0"}, {0, "0"}, {2, "-"}, {3, "-"}, {1, "0"}, {0, "0"}}},
    {"TR keeps a branch point", "LD|0.00; OUT|TR0; AND|0.01; OUT|10.00; LD|TR0; AND|0.02; OUT|10.01; END",
     {{1, "-"}, {3, "0"}, {5, "1"}, {7, "01"}, {6, "-"}}},
    {"IL/ILC: OUT and OUT NOT off, SET holds",
     "LD|0.00; IL(02); LD|0.01; OUT|10.00; LD|0.01; OUT NOT|10.01; LD|0.02; SET|10.02; ILC(03); "
     "LD|0.01; OUT|10.03; END",
     {{3, "03"}, {2, "3"}, {5, "12"}, {0, "2"}, {1, "12"}}},
    {"IL twice before ILC: both conditions needed",
     "LD|0.00; IL; LD|P_On; OUT|10.00; LD|0.01; IL; LD|P_On; OUT|10.01; ILC; END",
     {{3, "01"}, {1, "0"}, {2, "-"}, {0, "-"}}},
    {"JMP/JME: skipped lines hold their outputs",
     "LD|0.00; JMP(04)|1; LD|0.01; OUT|10.00; JME(05)|1; LD|0.01; OUT|10.01; END",
     {{3, "01"}, {2, "01"}, {0, "0"}, {1, "-"}, {2, "1"}}},
    {"JMP inside JMP: the outer condition rules",
     "LD|0.00; JMP|1; LD|0.01; JMP|2; LD|0.02; OUT|10.00; JME|2; JME|1; END",
     {{7, "0"}, {6, "0"}, {1, "0"}, {3, "-"}, {7, "0"}, {5, "0"}}},
    {"special relays: always on and off, first cycle",
     "LD|P_On; OUT|10.00; LD|253.14; OUT|10.01; LD|P_First_Cycle; OUT|10.02; END",
     {{0, "02"}, {0, "0"}, {0, "0"}}},
    {"every spelling of a relay is the one relay",
     "LD|00000; OUT|1000; LD|IR10.00; OUT|W0.00; LD|CIO 0.01; OUT|10.01; LD|W 0; OUT|HR0.02; "
     "LD|H0.02; OUT|10.02; END",
     {{0, "-"}, {1, "02"}, {2, "1"}}},
};

TEST(ExtendedInstructions, FollowTheirTimingCharts) {
    for (const Chart& chart : kCharts) {
        SCOPED_TRACE(chart.name);
        ExtendedRun run(chart.program);
        ASSERT_EQ(run.started, panel::StartResult::Started);
        std::string lamps;
        std::string expected;
        for (const auto& [switches, lit] : chart.scans) {
            ASSERT_EQ(run.scan(switches), 0);
            lamps += litLamps(run.panel.outputLamp) + " ";
            expected += std::string(lit) + " ";
        }
        EXPECT_EQ(lamps, expected);
    }
}

// CNTR with set value 3: up from 3 wraps to 0 with the done flag on; down from 0 wraps to 3 with
// the flag on; any other count turns it off; reset gives 0 with the flag off and stops counting.
TEST(ExtendedInstructions, ReversibleCounterWrapsBothWays) {
    ExtendedRun run("LD|0.00; LD|0.01; LD|0.02; CNTR(12)|5|#0003; LD|CNT 5; OUT|10.00; END");
    ASSERT_EQ(run.started, panel::StartResult::Started);
    EXPECT_EQ(run.plc.cntValue(5), 0);
    EXPECT_FALSE(run.bit("C5"));
    // switches, present value and done flag after the scan
    const std::tuple<unsigned, int, bool> steps[] = {
        {1, 1, false}, {0, 1, false}, {1, 2, false}, {0, 2, false}, {1, 3, false}, {0, 3, false},
        {1, 0, true},  {0, 0, true},  {1, 1, false}, {2, 0, false}, {0, 0, false}, {2, 3, true},
        {0, 3, true},  {3, 3, true},  {0, 3, true},  {5, 0, false}, {1, 0, false}, {0, 0, false},
        {1, 1, false},
    };
    for (const auto& [switches, value, done] : steps) {
        SCOPED_TRACE(testing::Message() << "switches " << switches << " value " << value);
        ASSERT_EQ(run.scan(switches), 0);
        EXPECT_EQ(run.plc.cntValue(5), value);
        EXPECT_EQ(run.bit("CNT 5"), done);
        EXPECT_EQ(run.panel.outputLamp[0], done); // the lamp follows one scan later at most
    }
}

// TIMH #0050 is half a second in hundredths: its done flag is on after the 50th hundredth tick of
// the clock (at 500 ms), and the scan after it lights the lamp. TIM #0010 needs ten 100 ms ticks.
TEST(ExtendedInstructions, TimersCountInTheirUnits) {
    ExtendedRun run("LD|0.00; TIMH(15)|2|#0050; LD|TIM 2; OUT|10.00; LD|0.00; TIM|100|#0010; "
                    "LD|T100; OUT|10.01; END");
    ASSERT_EQ(run.started, panel::StartResult::Started);
    EXPECT_EQ(run.panel.timerDisplay[2], "0.50");
    for (int ms = 1; ms <= 500; ++ms) {
        ASSERT_EQ(run.millisecond(1), 0);
        ASSERT_FALSE(run.panel.outputLamp[0]) << "at " << ms << " ms";
    }
    EXPECT_EQ(run.plc.timValue(2), 0);
    EXPECT_EQ(run.panel.timerDisplay[2], "0.00"); // hundredths, as the timer counts them
    EXPECT_EQ(run.panel.timerDisplay[1], "0.0");
    run.millisecond(1);
    EXPECT_TRUE(run.panel.outputLamp[0]);
    EXPECT_EQ(run.plc.timValue(100), 5); // five ticks of the ten
    for (int ms = 502; ms <= 1000; ++ms) {
        run.millisecond(1);
    }
    EXPECT_FALSE(run.panel.outputLamp[1]);
    run.millisecond(1);
    EXPECT_TRUE(run.panel.outputLamp[1]);
    run.millisecond(0);
    EXPECT_EQ(run.plc.timValue(2), 50);
    EXPECT_EQ(run.plc.timValue(100), 10);
}

// The clock pulses follow the session's clock from the start of the run: off for the first half
// of each period, on for the second.
TEST(ExtendedInstructions, ClockPulsesFollowTheSessionClock) {
    ExtendedRun run("LD|P_0_02s; OUT|10.00; LD|P_0_1s; OUT|10.01; LD|255.02; OUT|10.02; END");
    std::string edges;
    bool last[3]{};
    for (int ms = 1; ms <= 1000; ++ms) {
        run.millisecond(0);
        for (int n = 0; n < 3; ++n) {
            if (run.panel.outputLamp[static_cast<std::size_t>(n)] != last[n]) {
                last[n] = !last[n];
                if (ms <= 60 || n > 0) {
                    edges += std::to_string(n) + (last[n] ? "+" : "-") + std::to_string(ms) + " ";
                }
            }
        }
    }
    EXPECT_EQ(edges, "0+10 0-20 0+30 0-40 0+50 1+50 0-60 1-100 1+150 1-200 1+250 1-300 1+350 "
                     "1-400 1+450 1-500 2+500 1+550 1-600 1+650 1-700 1+750 1-800 1+850 1-900 "
                     "1+950 1-1000 2-1000 ");
}

// In an interlocked region timers are reset and counters hold; outside, they run as usual.
TEST(ExtendedInstructions, InterlockResetsTimersAndHoldsCounters) {
    ExtendedRun run("LD|0.00; IL; LD|0.01; TIM|3|#0001; LD|0.02; LD|0.03; CNT|4|#0002; ILC; "
                    "LD|TIM 3; OUT|10.00; LD|CNT4; OUT|10.01; END");
    run.scan(0b0011);
    run.plc.tick();
    run.scan(0b0011);
    EXPECT_TRUE(run.panel.outputLamp[0]);
    run.scan(0b0010); // interlocked: the timer is reset
    EXPECT_FALSE(run.panel.outputLamp[0]);
    run.scan(0b0101);
    run.scan(0b0001);
    run.scan(0b0101);
    EXPECT_TRUE(run.panel.outputLamp[1]);
    run.scan(0b1000); // interlocked with the reset on: the counter holds
    EXPECT_TRUE(run.panel.outputLamp[1]);
    EXPECT_EQ(run.plc.cntValue(4), 0);
    run.scan(0b1001);
    EXPECT_FALSE(run.panel.outputLamp[1]);
}

// HR keeps its state across a stop and a new start; W does not; clearRetained (New, Load) clears.
TEST(ExtendedInstructions, HoldingRelaysSurviveARestart) {
    ExtendedRun run("LD|0.00; OR|HR0.00; OUT|HR0.00; LD|0.00; OR|W0.00; OUT|W0.00; END");
    run.scan(1);
    run.scan(0);
    ASSERT_TRUE(run.bit("HR0.00"));
    ASSERT_TRUE(run.bit("W0.00"));
    ASSERT_EQ(panel::startRun(run.grid, run.plc, run.boxes), panel::StartResult::Started);
    EXPECT_TRUE(run.bit("HR0.00"));
    EXPECT_FALSE(run.bit("W0.00"));
    run.scan(0);
    EXPECT_TRUE(run.bit("HR0.00"));
    run.plc.clearRetained();
    EXPECT_FALSE(run.bit("HR0.00"));
}

// Forces hold on the new areas through every instruction that writes them.
TEST(ExtendedInstructions, ForcesHoldOnEveryArea) {
    ExtendedRun run("LD|0.00; OUT|W0.00; SET|HR0.01; LD|0.00; LD|0.01; KEEP|TR1; LD|W0.00; "
                    "OUT|10.00; LD|HR0.01; OUT|10.01; LD|TR1; OUT|10.02; END");
    for (const char* address : {"W0.00", "HR0.01", "TR1"}) {
        run.plc.force(engine::workspaceByte(*engine::parseBitAddress(address)), false);
    }
    for (auto scan : {&engine::Controller::scan, &engine::Controller::scanFused,
                      &engine::Controller::scanReference}) {
        run.panel.switches = 1;
        ASSERT_EQ((run.plc.*scan)(), 0);
        EXPECT_FALSE(run.bit("W0.00") || run.bit("HR0.01") || run.bit("TR1"));
    }
}

} // namespace
} // namespace rungbox::test
