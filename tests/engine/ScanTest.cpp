// The scan: contacts, blocks, outputs, DIFU, SFT and the lines a scan cannot execute.

#include "Machine.h"

#include <gtest/gtest.h>

namespace rungbox::test {
namespace {

using engine::Fault;

TEST(Scan, OutputLampFollowsInputSwitch) {
    Machine m;
    m.load({{"LD", 0}, {"OUT", 1000}, {"END"}});
    m.scan();
    EXPECT_FALSE(m.out(0));
    m.press(0, true);
    m.scan();
    EXPECT_TRUE(m.out(0));
    EXPECT_TRUE(m.panel.inputLamp[0]);
}

TEST(Scan, SelfHoldingRungLatchesUntilStopIsPressed) {
    Machine m;
    m.load({{"LD", 0}, {"OR", 1000}, {"AND NOT", 1}, {"OUT", 1000}, {"END"}});
    m.scan();
    EXPECT_FALSE(m.out(0));
    m.press(0, true);
    m.scan();
    EXPECT_TRUE(m.out(0));
    m.press(0, false);
    m.scan();
    EXPECT_TRUE(m.out(0)) << "the rung holds itself";
    m.press(1, true);
    m.scan();
    EXPECT_FALSE(m.out(0));
    m.press(1, false);
    m.scan();
    EXPECT_FALSE(m.out(0));
}

TEST(Scan, OrBlkCombinesTwoAndBlocks) {
    // (a and b) or (c and d) over all sixteen input combinations.
    Machine m;
    m.load({{"LD", 0},
            {"AND", 1},
            {"LD", 2},
            {"AND", 3},
            {"OR BLK"},
            {"OUT", 1000},
            {"LD", 0},
            {"LD", 1},
            {"AND BLK"},
            {"OUT", 1001},
            {"END"}});
    for (int bits = 0; bits < 16; ++bits) {
        m.panel.switches = static_cast<std::uint16_t>(bits);
        m.scan();
        const bool a = bits & 1, b = bits & 2, c = bits & 4, d = bits & 8;
        EXPECT_EQ(m.out(0), (a && b) || (c && d)) << bits;
        EXPECT_EQ(m.out(1), a && b) << bits;
    }
}

TEST(Scan, NotFormsInvertConditionsAndOutNotInvertsTheResult) {
    Machine m;
    m.load({{"LD NOT", 0},
            {"OUT", 1000},
            {"LD", 0},
            {"OUT NOT", 1001},
            {"LD TIM", 3},
            {"OUT", 1002},
            {"LD NOT CNT", 2},
            {"OUT", 1003},
            {"END"}});
    m.scan();
    EXPECT_TRUE(m.out(0));
    EXPECT_TRUE(m.out(1));
    EXPECT_TRUE(m.out(2)) << "a timer no TIM line names is done";
    EXPECT_FALSE(m.out(3)) << "a counter no CNT line names is done";
}

TEST(Scan, OnlyTheStateAtEndReachesTheLamps) {
    Machine m;
    m.load({{"LD", 0}, {"OUT", 1000}, {"LD NOT", 0}, {"OUT", 1000}, {"END"}});
    m.press(0, true);
    m.scan();
    EXPECT_FALSE(m.out(0));
}

TEST(Scan, OutToAnInputIsSeenLaterInTheScanAndReplacedByTheSwitchNextScan) {
    Machine m;
    m.load({{"LD NOT", 5}, {"OUT", 5}, {"LD", 5}, {"OUT", 1000}, {"END"}});
    m.scan();
    EXPECT_TRUE(m.out(0));
    EXPECT_FALSE(m.panel.inputLamp[5]) << "an OUT never shows on an input lamp";
    m.press(5, true);
    m.scan();
    EXPECT_FALSE(m.out(0));
}

TEST(Scan, LinesBelowEndAreNeverRun) {
    Machine m;
    m.load({{"LD NOT", 0}, {"END"}, {"OUT", 1000}, {"XYZ"}});
    m.scan();
    EXPECT_FALSE(m.out(0));
}

TEST(Difu, GivesAOneScanPulseOnARisingInput) {
    Machine m;
    m.load({{"LD", 0}, {"DIFU", 200}, {"LD", 200}, {"OUT", 1000}, {"END"}});
    m.press(0, true);
    m.scan();
    EXPECT_TRUE(m.out(0));
    m.scan();
    EXPECT_FALSE(m.out(0));
    m.scan();
    EXPECT_FALSE(m.out(0)) << "a held input pulses once";
    m.press(0, false);
    m.scan();
    m.press(0, true);
    m.scan();
    EXPECT_TRUE(m.out(0)) << "pulses again after the input was seen off";
}

TEST(Difu, AnOutLaterInTheScanOverridesThePulse) {
    Machine m;
    m.load(
        {{"LD", 0}, {"DIFU", 200}, {"LD", 1}, {"OUT", 200}, {"LD", 200}, {"OUT", 1000}, {"END"}});
    m.press(0, true);
    m.scan();
    EXPECT_FALSE(m.out(0));
}

TEST(Difu, MemorySurvivesTheReset) {
    Machine m;
    m.load({{"LD", 0}, {"DIFU", 200}, {"LD", 200}, {"OUT", 1000}, {"END"}});
    m.press(0, true);
    m.scan();
    EXPECT_TRUE(m.out(0));
    m.plc.initPLC(); // a stop, then a start
    EXPECT_TRUE(m.plc.difuLast(200));
    m.press(0, true);
    m.scan();
    EXPECT_FALSE(m.out(0)) << "the input was already on before the restart: no pulse";
}

class Shift : public testing::Test {
protected:
    // Inputs: 0 data, 1 clock, 2 reset.
    void loadShift(int a, int b) {
        m.load({{"LD", 0}, {"LD", 1}, {"LD", 2}, {"SFT", a, b}, {"END"}});
    }
    Machine m;
};

TEST_F(Shift, TowardsLowerAddressesDataEntersAtTheLastAddress) {
    loadShift(100, 103);
    m.press(0, true);
    m.press(1, true);
    m.scan();
    m.scan();
    EXPECT_FALSE(m.plc.relay(100));
    EXPECT_FALSE(m.plc.relay(101));
    EXPECT_TRUE(m.plc.relay(102));
    EXPECT_TRUE(m.plc.relay(103));
    m.press(0, false);
    m.scan();
    m.scan();
    EXPECT_TRUE(m.plc.relay(100));
    EXPECT_TRUE(m.plc.relay(101));
    EXPECT_FALSE(m.plc.relay(102));
    m.scan();
    EXPECT_TRUE(m.plc.relay(100));
    EXPECT_FALSE(m.plc.relay(101));
    EXPECT_FALSE(m.plc.relay(99)) << "nothing outside the register is written";
    EXPECT_FALSE(m.plc.relay(104));
}

TEST_F(Shift, TowardsHigherAddressesDataEntersAtTheLastAddress) {
    loadShift(103, 100);
    m.press(0, true);
    m.press(1, true);
    m.scan();
    m.press(0, false);
    m.scan();
    m.scan();
    EXPECT_TRUE(m.plc.relay(102));
    EXPECT_FALSE(m.plc.relay(101));
    EXPECT_FALSE(m.plc.relay(100));
    EXPECT_FALSE(m.plc.relay(104));
}

TEST_F(Shift, EqualAddressesIgnoreTheClockAndResetClearsTheRelay) {
    loadShift(100, 100);
    m.plc.setRelay(100, true);
    m.press(1, true);
    m.scan();
    EXPECT_TRUE(m.plc.relay(100));
    m.press(2, true);
    m.scan();
    EXPECT_FALSE(m.plc.relay(100));
}

TEST_F(Shift, ResetClearsTheWholeRangeAfterAShiftInTheSameScan) {
    loadShift(100, 103);
    m.press(0, true);
    m.press(1, true);
    m.press(2, true);
    m.scan();
    for (int a = 100; a <= 103; ++a) {
        EXPECT_FALSE(m.plc.relay(a)) << a;
    }
}

TEST_F(Shift, ClockWithoutDataShiftsEveryScanWithoutEdgeDetection) {
    loadShift(100, 102);
    m.plc.setRelay(102, true);
    m.press(1, true);
    m.scan();
    EXPECT_TRUE(m.plc.relay(101));
    m.scan();
    EXPECT_TRUE(m.plc.relay(100));
    EXPECT_FALSE(m.plc.relay(101));
}

struct BadProgramRow {
    const char* name;
    std::vector<Line> lines;
    int badLine;
    Fault fault;
};

class BadLine : public testing::TestWithParam<BadProgramRow> {};

TEST_P(BadLine, StopsTheScanAtThatLineAfterTheLinesAbove) {
    Machine m;
    m.plc.initPLC();
    int r = 1;
    // Line 1 marks that the lines above the bad one ran; it pushes nothing.
    m.plc.setLadderTable(r++, {"OUT NOT", 500, 0});
    for (const Line& line : GetParam().lines) {
        m.plc.setLadderTable(r++, {line.code, static_cast<std::int16_t>(line.location),
                                   static_cast<std::int16_t>(line.setValue)});
    }
    EXPECT_EQ(m.plc.PLC(), GetParam().badLine + 1);
    EXPECT_TRUE(m.plc.relay(500));
    EXPECT_EQ(m.plc.program().steps().back().fault, GetParam().fault);
    EXPECT_FALSE(m.panel.outputLamp[0]);
}

std::vector<Line> manyLds(int count) {
    std::vector<Line> lines(static_cast<std::size_t>(count), Line{"LD", 0});
    lines.push_back({"END"});
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Programs, BadLine,
    testing::Values(
        BadProgramRow{"LowerCase", {{"ld", 0}, {"END"}}, 1, Fault::Syntax},
        BadProgramRow{"LdBlk", {{"LD", 0}, {"LD BLK"}, {"END"}}, 2, Fault::Syntax},
        BadProgramRow{
            "AndNotBlk", {{"LD", 0}, {"LD", 1}, {"AND NOT BLK"}, {"END"}}, 3, Fault::Syntax},
        BadProgramRow{"OutBlk", {{"LD", 0}, {"OUT BLK", 1000}, {"END"}}, 2, Fault::Syntax},
        BadProgramRow{"TabInsideAWord", {{"LD\tNOT", 0}, {"END"}}, 1, Fault::Syntax},
        BadProgramRow{"EmptyCodeBeforeEnd", {{"LD", 0}, {""}, {"END"}}, 2, Fault::Syntax},
        BadProgramRow{"MissingEnd", {{"LD", 0}}, 2, Fault::Syntax},
        BadProgramRow{"AndBlkWithNothingPushed", {{"AND BLK"}, {"END"}}, 1, Fault::StackUnderflow},
        BadProgramRow{"CntWithOneBlock", {{"CNT", 0, 5}, {"END"}}, 1, Fault::StackUnderflow},
        BadProgramRow{
            "SftWithTwoBlocks", {{"LD", 0}, {"SFT", 10, 12}, {"END"}}, 2, Fault::StackUnderflow},
        BadProgramRow{"SftLastAddressTooHigh",
                      {{"LD", 0}, {"LD", 1}, {"LD", 2}, {"SFT", 10, 20001}},
                      4,
                      Fault::ShiftRange},
        BadProgramRow{"SftLastAddressNegative",
                      {{"LD", 0}, {"LD", 1}, {"LD", 2}, {"SFT", 10, -1}},
                      4,
                      Fault::ShiftRange},
        BadProgramRow{"RelayOutOfRange", {{"OUT", 20001}, {"END"}}, 1, Fault::OperandRange},
        BadProgramRow{"TimerOutOfRange", {{"LD TIM", 8}, {"END"}}, 1, Fault::OperandRange},
        BadProgramRow{"A102ndEntry", manyLds(102), 102, Fault::StackOverflow}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Scan, ExactlyAHundredAndOneEntriesFit) {
    Machine m;
    m.plc.initPLC();
    for (int r = 1; r <= 101; ++r) {
        m.plc.setLadderTable(r, {"LD", 0, 0});
    }
    m.plc.setLadderTable(102, {"END", 0, 0});
    EXPECT_EQ(m.plc.PLC(), 0);
    EXPECT_EQ(m.plc.program().maxDepth(), 101);
}

TEST(Scan, LdLdCntLeavesTheResetInputInTheResultRegister) {
    Machine m;
    m.load({{"LD", 0}, {"LD", 1}, {"CNT", 0, 5}, {"OUT", 1000}, {"END"}});
    m.press(1, true);
    m.scan();
    EXPECT_TRUE(m.out(0));
    m.press(1, false);
    m.press(0, true);
    m.scan();
    EXPECT_FALSE(m.out(0));
    EXPECT_EQ(m.plc.cntValue(0), 4);
}

} // namespace
} // namespace rungbox::test
