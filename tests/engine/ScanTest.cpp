// SPDX-License-Identifier: GPL-3.0-or-later
// The scan: contacts, blocks, outputs, DIFU, SFT, timers, counters, the lines a scan cannot
// execute, the reset and what reaches the panel.

#include "ScriptedController.h"

#include <gtest/gtest.h>

namespace rungbox::test {
namespace {

using engine::Fault;

struct ScanRow {
    const char* name;
    const char* program;
    const char* script;
    const char* trace; ///< the lit output lamps after each scan
};

// SFT programs take input 0 as data, 1 as clock and 2 as reset; their registers lie on output
// relays, so that the lamps show them and their neighbours.
const ScanRow kScanRows[] = {
    {"SelfHoldingRung", "LD 0; OR 1000; AND NOT 1; OUT 1000; END", "0 1 0 2 0", "- 0 0 - -"},
    {"OrBlkOfAndBlocks",
     "LD 0; AND 1; LD 2; AND 3; OR BLK; OUT 1000; LD 0; LD 1; AND BLK; OUT 1001; END",
     "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15", "- - - 01 - - - 01 - - - 01 0 0 0 01"},
    {"NotFormsAndTimersAndCountersNoLineNamesAreDone",
     "LD NOT 0; OUT 1000; LD 0; OUT NOT 1001; LD TIM 3; OUT 1002; LD NOT CNT 2; OUT 1003; END", "0",
     "012"},
    {"OnlyTheStateAtEndIsShown", "LD 0; OUT 1000; LD NOT 0; OUT 1000; END", "1", "-"},
    {"OutToAnInputLastsUntilTheNextInputCopy", "LD NOT 5; OUT 5; LD 5; OUT 1000; END", "0 32",
     "0 -"},
    {"LinesBelowEndNeverRun", "LD NOT 0; END; OUT 1000; XYZ", "0", "-"},
    {"LdLdCntLeavesTheResetInR", "LD 0; LD 1; CNT 0 5; OUT 1000; END", "2 1", "0 -"},
    {"DifuPulsesOneScanPerRisingEdge", "LD 0; DIFU 200; LD 200; OUT 1000; END", "1 1 1 0 1",
     "0 - - - 0"},
    {"DifuMemorySurvivesTheReset", "LD 0; DIFU 200; LD 200; OUT 1000; END", "1 init 1", "0 -"},
    {"DifuOverriddenByALaterOut", "LD 0; DIFU 200; LD 1; OUT 200; LD 200; OUT 1000; END", "1", "-"},
    {"SftTowardsTheFirstAddressAndResetAfterShift", "LD 0; LD 1; LD 2; SFT 1001 1004; END",
     "3 3 2 2 2 3 7", "4 34 23 12 1 4 -"},
    {"SftTowardsHigherAddresses", "LD 0; LD 1; LD 2; SFT 1004 1001; END", "3 2 2", "1 2 3"},
    {"SftEqualAddressesIgnoreDataAndClock", "LD 0; LD 1; LD 2; SFT 1001 1001; END", "3 =1001 2 6",
     "- 1 -"},
    {"SftResetClearsTheWholeRegister", "LD 0; LD 1; LD 2; SFT 1001 1004; END",
     "=1001 =1004 =1005 4", "5"},
    {"SftResetClearsTheWholeRegisterFirstAboveLast", "LD 0; LD 1; LD 2; SFT 1004 1001; END",
     "=1000 =1001 =1004 4", "0"},
    {"WordsAfterAFormAreIgnored", "LD CNT XYZ 2; OUT 1000; TIM ANYTHING 0 5; END OF PROGRAM", "0",
     "0"},
    {"SftClockHasNoEdge", "LD 0; LD 1; LD 2; SFT 1001 1003; END", "=1003 2 2", "2 1"},
};

TEST(Scan, ProgramsLightTheOutputs) {
    for (const ScanRow& row : kScanRows) {
        SCOPED_TRACE(row.name);
        ScriptedController m;
        m.load(row.program);
        EXPECT_EQ(m.run(row.script), row.trace);
        for (std::size_t n = 0; n < 16; ++n) {
            EXPECT_EQ(m.panel.inputLamp[n], (m.panel.switches >> n & 1) != 0) << "input lamp " << n;
        }
    }
}

struct BadRow {
    const char* name;
    std::string program; ///< follows a first line that turns output 1000 on
    int badLine;         ///< counted in `program`; 0 when the scan reaches END
    Fault fault;
};

TEST(Scan, StopsAtALineItCannotExecuteAfterTheLinesAbove) {
    const BadRow rows[] = {
        {"LowerCase", "ld 0; END", 1, Fault::Syntax},
        {"LdBlk", "LD 0; LD BLK; END", 2, Fault::Syntax},
        {"AndNotBlk", "LD 0; LD 1; AND NOT BLK; END", 3, Fault::Syntax},
        {"OutBlk", "LD 0; OUT BLK 1000; END", 2, Fault::Syntax},
        {"TabInsideAWord", "LD\tNOT 0; END", 1, Fault::Syntax},
        {"EmptyCodeBeforeEnd", "LD 0;; END", 2, Fault::Syntax},
        {"MissingEnd", "LD 0", 2, Fault::Syntax},
        {"AndBlkWithNothingPushed", "AND BLK; END", 1, Fault::StackUnderflow},
        {"CntWithOneBlock", "CNT 0 5; END", 1, Fault::StackUnderflow},
        {"SftWithTwoBlocks", "LD 0; SFT 10 12; END", 2, Fault::StackUnderflow},
        {"SftLastAddressTooHigh", "LD 0; LD 1; LD 2; SFT 10 20001", 4, Fault::ShiftRange},
        {"SftLastAddressNegative", "LD 0; LD 1; LD 2; SFT 10 -1", 4, Fault::ShiftRange},
        {"RelayOutOfRange", "OUT 20001; END", 1, Fault::OperandRange},
        {"TimerOutOfRange", "LD TIM 8; END", 1, Fault::OperandRange},
        {"A101stEntryFits", repeat("LD 0; ", 101) + "END", 0, Fault::None},
        {"A102ndEntry", repeat("LD 0; ", 102) + "END", 102, Fault::StackOverflow},
    };
    for (const BadRow& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedController m;
        m.load("OUT NOT 1000; " + row.program);
        EXPECT_EQ(m.plc.scan(), row.badLine == 0 ? 0 : row.badLine + 1);
        EXPECT_TRUE(m.plc.relay(1000)) << "the lines above ran";
        EXPECT_EQ(m.plc.program().steps().back().fault, row.fault);
        EXPECT_EQ(m.panel.outputLamp[0], row.badLine == 0) << "only a whole scan shows the outputs";
    }
}

struct UnitRow {
    const char* name;
    const char* unit; ///< "TIM 0 v" (input 0) or "CNT 0 v" (input 0 counts, 1 resets)
    const char* script;
    const char* trace; ///< "0" after a scan that found unit 0 done, else "-"
    int value;         ///< present value after the script, in timer ticks or counts
    const char* display;
};

TEST(TimerAndCounter, FollowTheirInputs) {
    const UnitRow rows[] = {
        {"TimerCountsDownOnTicks", "TIM 0 600", "1 +1", "-", 599, "59.9"},
        {"TimerDoneExactlyAtZeroAndStays", "TIM 0 30", "1 +29 1 +1 1 +5 1", "- - 0 0", 0, "0.0"},
        {"TimerReloadsAndHoldsWhileOff", "TIM 0 50", "1 +21 0 +10", "- -", 50, "5.0"},
        {"TimerRetainsNoTimeAndDarkensWhenOff", "TIM 0 50", "1 +21 0 1 +49 1 +1 1 0", "- - - - 0 -",
         50, "5.0"},
        {"TimerSetValueZeroIsDoneWhileOff", "TIM 0 0", "0", "0", 0, "0.0"},
        {"TimerNegativeIsNeverDone", "TIM 0 -32768", "1 +100 1", "- -", -32768, "-3276.8"},
        {"CounterCountsRisingEdgesOnly", "CNT 0 3", "1 0 1", "- - -", 1, "1"},
        {"CounterDoneAtZeroAndStays", "CNT 0 3", "1 0 1 0 1 0 1 0", "- - - - 0 0 0 0", 0, "0"},
        {"CounterHeldInputCountsOnce", "CNT 0 3", "1 1 1 1 1", "- - - - -", 2, "2"},
        // Were the count to win, or the input held through the reset to count, this ends at 1.
        {"CounterResetWinsAndAHeldInputIsNoEdge", "CNT 0 3", "1 0 3 1 0 1", "- - - - - -", 2, "2"},
        {"CounterResetHeldNeverCounts", "CNT 0 3", "2 3 2 3 2 3 2", "- - - - - - -", 3, "3"},
        {"CounterNegativeIsNeverCounted", "CNT 0 -3", "1 0 1", "- - -", -3, "-3"},
        {"CounterResetReloadsAfterDone", "CNT 0 1", "1 0 2", "0 0 -", 1, "1"},
    };
    for (const UnitRow& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedController m;
        const bool counter = row.unit[0] == 'C';
        m.load((counter ? "LD 0; LD 1; " : "LD 0; ") + std::string(row.unit) + "; LD " +
               std::string(row.unit, 3) + " 0; OUT 1000; END");
        EXPECT_EQ(m.run(row.script), row.trace);
        EXPECT_EQ(counter ? m.plc.cntValue(0) : m.plc.timValue(0), row.value);
        EXPECT_EQ(counter ? m.panel.counterDisplay[0] : m.panel.timerDisplay[0], row.display);
    }
}

TEST(Reset, ReturnsEverythingToThePowerOnPicture) {
    ScriptedController m;
    m.load("LD 0; OUT 1000; LD 0; TIM 2 40; LD 0; LD 1; CNT 3 5; END");
    m.run("129 +1");
    m.plc.setSimulating(true);
    m.plc.reset();
    EXPECT_EQ(lit(m.panel.inputLamp) + lit(m.panel.outputLamp), "--");
    EXPECT_EQ(m.panel.switches, 0) << "the switches are unchecked";
    EXPECT_FALSE(m.plc.relay(1000));
    EXPECT_TRUE(m.plc.timReset(2) && m.plc.timValue(2) == 0 && m.plc.cntValue(3) == 0);
    EXPECT_EQ(m.panel.timerDisplay[2] + m.panel.counterDisplay[3], "0.00");
    EXPECT_TRUE(m.panel.runLamp && m.plc.simulating()) << "the run lamp shows the run flag";
}

// A stop and a start reset the controller; a count input held on through them is a new edge.
TEST(Reset, ForgetsTheCountersLastInput) {
    const char* program = "LD NOT 0; LD 1; CNT 0 3; END";
    ScriptedController m;
    m.load(program);
    m.run("0");
    m.load(program); // stop, start: reset and the set values loaded again
    m.run("0");
    EXPECT_EQ(m.plc.cntValue(0), 2);
}

} // namespace
} // namespace rungbox::test
