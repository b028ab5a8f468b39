#include "editor/Preparation.h"
#include "GridText.h"
#include "engine/Controller.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

#include <memory>

namespace rungbox::editor::test {
namespace {

using rungbox::test::RecordingBoxes;
using rungbox::test::RecordingPanel;

class Preparation : public testing::Test {
protected:
    Preparation() {
        prepare(grid);
        controller->initPLC();
    }

    bool run() { return init_ladder(grid, *controller, boxes); }

    CodeGrid grid;
    RecordingPanel panel;
    std::unique_ptr<engine::Controller> controller = std::make_unique<engine::Controller>(panel);
    RecordingBoxes boxes;
};

// --- The warnings -------------------------------------------------------------------------------

struct WarningRow {
    const char* name;
    std::vector<Cells> program; // from line 1
    int line;                   // the line reported and left current
    const char* text;
    const char* title;
};

class Warning : public Preparation, public testing::WithParamInterface<WarningRow> {};

TEST_P(Warning, ReportsTheFirstBadLineOnce) {
    const WarningRow& row = GetParam();
    write(grid, 1, row.program);
    EXPECT_FALSE(run());
    ASSERT_EQ(boxes.shown.size(), 1U);
    EXPECT_EQ(boxes.shown[0].text, row.text);
    EXPECT_EQ(boxes.shown[0].title, row.title);
    EXPECT_EQ(boxes.shown[0].style, engine::MsgStyle::Exclamation);
    EXPECT_EQ(grid.Row(), row.line);
}

const Cells kLd{"LD", "0", ""};

INSTANTIATE_TEST_SUITE_P(
    Lines, Warning,
    testing::Values(
        WarningRow{"CounterContactExtraBlanks",
                   {kLd, kLd, {"LD   NOT  CNT", "8", ""}},
                   3,
                   "Counter out of range at line  3.\r\nValid Range: 0 to  7",
                   "COUNTER Range"},
        WarningRow{"CounterNumberBeforeSetValue",
                   {{"CNT", "9", "10000"}},
                   1,
                   "Counter out of range at line  1.\r\nValid Range: 0 to  7",
                   "COUNTER Range"},
        WarningRow{"CounterNumberBeforeTimerNumber",
                   {{"TIM CNT", "8", ""}},
                   1,
                   "Counter out of range at line  1.\r\nValid Range: 0 to  7",
                   "COUNTER Range"},
        WarningRow{"TimerNumberBeforeSetValue",
                   {{"TIM", "8", "9999"}},
                   1,
                   "Timer out of range at line  1.\r\nValid Range: 0 to  7",
                   "TIMER Range"},
        WarningRow{"TimerContactNegative",
                   {{"LD TIM", "-1", ""}},
                   1,
                   "Timer out of range at line  1.\r\nValid Range: 0 to  7",
                   "TIMER Range"},
        WarningRow{"TimerNumberOverflow",
                   {kLd, {"TIM", "70000", "5"}},
                   2,
                   "Timer out of range at line  2.\r\nValid Range: 0 to  7",
                   "TIMER Range"},
        WarningRow{"TimerSetValue",
                   {{"TIM", "0", "601"}},
                   1,
                   "Timer set-value is too high at line  1.\r\nValid Range: #0 to #600",
                   "TIMER Set-value"},
        WarningRow{"TimerSetValueOverflow",
                   {{"TIM", "7", "99999999"}},
                   1,
                   "Timer set-value is too high at line  1.\r\nValid Range: #0 to #600",
                   "TIMER Set-value"},
        WarningRow{"CounterSetValue",
                   {{"CNT", "7", "10000"}},
                   1,
                   "Counter set-value is too high at line  1.\r\nValid Range: #0 to #9999",
                   "COUNTER Set-value"},
        WarningRow{"CounterSetValueOverflow",
                   {{"CNT", "0", "40000"}},
                   1,
                   "Counter set-value is too high at line  1.\r\nValid Range: #0 to #9999",
                   "COUNTER Set-value"},
        WarningRow{"RelayAbove",
                   {{"OUT", "20001", ""}},
                   1,
                   "Relay out of range at line  1.\r\nValid Range: 0 to  20000",
                   "RELAY Range"},
        WarningRow{"RelayNegative",
                   {{"LD", "-1", ""}},
                   1,
                   "Relay out of range at line  1.\r\nValid Range: 0 to  20000",
                   "RELAY Range"},
        WarningRow{"RelayOverflowBelow",
                   {{"LD", "-99999", ""}},
                   1,
                   "Relay out of range at line  1.\r\nValid Range: 0 to  20000",
                   "RELAY Range"},
        WarningRow{"LowerCaseTimIsARelayLine",
                   {{"tim", "30000", "5"}},
                   1,
                   "Relay out of range at line  1.\r\nValid Range: 0 to  20000",
                   "RELAY Range"},
        WarningRow{"UnknownWords",
                   {{"XYZ", "20001", ""}},
                   1,
                   "Relay out of range at line  1.\r\nValid Range: 0 to  20000",
                   "RELAY Range"},
        WarningRow{"EmptyRowEndingTheWalk",
                   {kLd, kLd, {"", "30000", ""}, {"OUT", "99999", ""}},
                   3,
                   "Relay out of range at line  3.\r\nValid Range: 0 to  20000",
                   "RELAY Range"},
        WarningRow{"BlankRowOne",
                   {{"   ", "30000", ""}},
                   1,
                   "Relay out of range at line  1.\r\nValid Range: 0 to  20000",
                   "RELAY Range"},
        WarningRow{"OnlyTheFirstIsReported",
                   {kLd,
                    kLd,
                    kLd,
                    kLd,
                    kLd,
                    kLd,
                    kLd,
                    kLd,
                    kLd,
                    kLd,
                    kLd,
                    {"CNT", "1", "10000"},
                    {"OUT", "20001", ""}},
                   12,
                   "Counter set-value is too high at line  12.\r\nValid Range: #0 to #9999",
                   "COUNTER Set-value"}),
    [](const testing::TestParamInfo<WarningRow>& info) { return info.param.name; });

TEST_F(Preparation, BadLineOn299IsReported) {
    for (int row = 1; row < kLastLine; ++row) {
        write(grid, row, {kLd});
    }
    write(grid, kLastLine, {{"OUT", "20001", ""}});
    EXPECT_FALSE(run());
    ASSERT_EQ(boxes.shown.size(), 1U);
    EXPECT_EQ(boxes.shown[0].text, "Relay out of range at line  299.\r\nValid Range: 0 to  20000");
    EXPECT_EQ(grid.Row(), 299);
}

// --- The walk -----------------------------------------------------------------------------------

TEST_F(Preparation, EmptyGridPassesAtOnce) {
    grid.setTextMatrix(1, kLocationCol, "30000"); // not looked at: row 1's code cell is empty
    grid.setRow(50);
    const int displayCalls = panel.displayCalls;
    EXPECT_TRUE(run());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(panel.displayCalls, displayCalls);
}

TEST_F(Preparation, BlankRowOneIsTestedThenEndsTheWalk) {
    write(grid, 1, {{"  ", "20000", ""}, {"OUT", "99999", ""}});
    EXPECT_TRUE(run());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(grid.Row(), 2);
}

TEST_F(Preparation, WalkEndsAtTheFirstEmptyRow) {
    write(grid, 1,
          {{"LD", "0", "junk 99999"},
           {"OUT", "1000", "-5"},
           {"END", "", ""},
           {"", "", ""},
           {"OUT", "20001", ""},
           {"TIM", "9", "999"}});
    EXPECT_TRUE(run()) << "lines below the empty row are not looked at";
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(grid.Row(), 5) << "the row below the one that ended the walk";
}

TEST_F(Preparation, WalkRunsToLine299) {
    for (int row = 1; row <= kLastLine; ++row) {
        write(grid, row, {{"AND NOT", std::to_string(row * 60), ""}});
    }
    EXPECT_TRUE(run());
    EXPECT_EQ(grid.Row(), 299);
}

// --- Loading timers and counters ---------------------------------------------------------------

struct LoadRow {
    const char* setValue;
    int value;
    const char* display;
};

class TimerLoad : public Preparation, public testing::WithParamInterface<LoadRow> {};

TEST_P(TimerLoad, LoadsAndShowsTheSetValue) {
    write(grid, 1, {{"LD", "0", ""}, {"TIM", "4", GetParam().setValue}, {"END", "", ""}});
    EXPECT_TRUE(run());
    EXPECT_EQ(controller->timValue(4), GetParam().value);
    EXPECT_EQ(panel.timerDisplay[4], GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(SetValues, TimerLoad,
                         testing::Values(LoadRow{"", 0, "0.0"}, LoadRow{"5", 5, "0.5"},
                                         LoadRow{"55", 55, "5.5"}, LoadRow{"600", 600, "60.0"},
                                         LoadRow{"12.5", 12, "1.2"}, LoadRow{"0599.5", 600, "60.0"},
                                         LoadRow{"-5", -5, "-0.5"}));

class CounterLoad : public Preparation, public testing::WithParamInterface<LoadRow> {};

TEST_P(CounterLoad, LoadsAndShowsTheSetValue) {
    write(grid, 1, {{"LD", "0", ""}, {"LD", "1", ""}, {"CNT", "3", GetParam().setValue}});
    EXPECT_TRUE(run());
    EXPECT_EQ(controller->cntValue(3), GetParam().value);
    EXPECT_EQ(panel.counterDisplay[3], GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(SetValues, CounterLoad,
                         testing::Values(LoadRow{"10", 10, "10"}, LoadRow{"", 0, "0"},
                                         LoadRow{"9999", 9999, "9999"}, LoadRow{"007", 7, "7"}));

TEST_F(Preparation, LastLineProgrammingATimerWins) {
    write(grid, 1, {{"TIM", "2", "50"}, {"CNT", "6", "3"}, {"TIM", "2", "70"}, {"CNT", "6", "4"}});
    EXPECT_TRUE(run());
    EXPECT_EQ(controller->timValue(2), 70);
    EXPECT_EQ(panel.timerDisplay[2], "7.0");
    EXPECT_EQ(controller->cntValue(6), 4);
    EXPECT_EQ(panel.counterDisplay[6], "4");
    // Timers and counters no line programs keep the reset picture.
    EXPECT_EQ(controller->timValue(0), 0);
    EXPECT_EQ(panel.timerDisplay[0], "0.0");
    EXPECT_EQ(panel.counterDisplay[0], "0");
}

TEST_F(Preparation, ContactsLoadNothing) {
    write(grid, 1, {{"LD TIM", "1", "500"}, {"AND NOT CNT", "2", "500"}});
    EXPECT_TRUE(run());
    EXPECT_EQ(controller->timValue(1), 0);
    EXPECT_EQ(controller->cntValue(2), 0);
}

TEST_F(Preparation, ValuesAboveABadLineStayLoaded) {
    write(grid, 1, {{"TIM", "1", "30"}, {"OUT", "20001", ""}});
    EXPECT_FALSE(run());
    EXPECT_EQ(controller->timValue(1), 30);
    EXPECT_EQ(panel.timerDisplay[1], "3.0");
}

TEST_F(Preparation, DisplaysGoThroughTheController) {
    // The controller remembers what each display shows; a later show of the reset value must
    // still reach the panel.
    write(grid, 1, {{"TIM", "1", "50"}, {"CNT", "1", "8"}});
    EXPECT_TRUE(run());
    controller->showTimer(1, 0);
    controller->showCounter(1, 0);
    EXPECT_EQ(panel.timerDisplay[1], "0.0");
    EXPECT_EQ(panel.counterDisplay[1], "0");
}

} // namespace
} // namespace rungbox::editor::test
