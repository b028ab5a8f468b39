// SPDX-License-Identifier: GPL-3.0-or-later
// The one start of a run from a grid: what it loads and resets, and why a program cannot start;
// then the main window held as state (the panel's switches on a reset, what counts as a change).

#include "panel/RunStart.h"
#include "editor/GridText.h"
#include "panel/WindowState.h"
#include "support/Recorders.h"

namespace rungbox::panel {
namespace {

TEST(StartRun, LoadsSetValuesAfterEndAndStartsEveryUnitAfresh) {
    editor::CodeGrid grid;
    editor::setUpGrid(grid);
    editor::test::write(
        grid, 1, {{"LD TIM", "0"}, {"OUT", "1000"}, {"END"}, {"TIM", "0", "5"}, {"CNT", "3", "7"}});
    engine::PanelState panel;
    engine::Controller plc(panel);
    // What a run before this one may have left.
    plc.setRelay(2000, true);
    plc.setTimReset(2, false);
    plc.setCntLast(1, true);
    plc.setDifuLast(1000, true);
    test::RecordingBoxes boxes;
    ASSERT_EQ(startRun(grid, plc, boxes), StartResult::Started);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(plc.timValue(0), 5);
    EXPECT_EQ(plc.cntValue(3), 7);
    EXPECT_EQ(panel.timerDisplay(0), "0.5");
    for (int n = 0; n < engine::kTimerCount; ++n) {
        EXPECT_TRUE(plc.timReset(n)) << "timer " << n << " is held until its TIM line runs";
        EXPECT_FALSE(plc.cntLast(n)) << "counter " << n;
    }
    EXPECT_FALSE(plc.relay(2000));
    EXPECT_TRUE(plc.difuLast(1000)) << "the DIFU memories stay from run to run";
    EXPECT_EQ(plc.ladderTable(3).code, "END");
    EXPECT_EQ(plc.ladderTable(4).code, "") << "nothing after END is copied";
}

TEST(StartRun, TellsWhyAProgramCannotStart) {
    struct Case {
        std::vector<editor::test::Cells> lines;
        StartResult result;
        const char* boxTitle; ///< the warning preparation shows, "" for none
    };
    const Case cases[] = {
        {{{"LD", "0"}, {"OUT", "1000"}, {"END"}}, StartResult::Started, ""},
        {{{"LD", "0"}, {"OUT", "1000"}}, StartResult::NoEnd, ""}, // the caller says so
        {{{"LD", "0"}, {"END "}}, StartResult::NoEnd, ""},        // END exactly
        {{{"TIM", "9"}, {"END"}}, StartResult::Refused, "TIMER Range"},
        {{{"END"}, {"CNT", "1", "10000"}}, StartResult::Refused, "COUNTER Set-value"},
    };
    for (const Case& c : cases) {
        editor::CodeGrid grid;
        editor::setUpGrid(grid);
        editor::test::write(grid, 1, c.lines);
        engine::PanelState panel;
        engine::Controller plc(panel);
        test::RecordingBoxes boxes;
        EXPECT_EQ(startRun(grid, plc, boxes), c.result) << c.lines[0].code;
        EXPECT_EQ(boxes.shown.empty() ? "" : boxes.shown[0].title, c.boxTitle);
    }
}

TEST(PanelState, ResetUnchecksTheSwitchesUnlessTheirOwnerSetsThem) {
    for (const auto switches : {engine::PanelState::Switches::UncheckedByReset,
                                engine::PanelState::Switches::SetByOwner}) {
        engine::PanelState panel(switches);
        engine::Controller plc(panel);
        panel.setSwitches(0b101);
        plc.reset();
        EXPECT_EQ(panel.inputSwitches(),
                  switches == engine::PanelState::Switches::SetByOwner ? 0b101 : 0);
    }
}

TEST(WindowState, EveryChangeButTheProgressDisplayCountsForARedraw) {
    WindowState window;
    const auto counts = [&window](const std::function<void()>& change) {
        const unsigned before = window.revision();
        change();
        return window.revision() != before;
    };
    EXPECT_TRUE(counts([&] { window.setInputSwitch(3, true); }));
    EXPECT_TRUE(counts([&] { window.setOutputLamp(3, true); }));
    EXPECT_TRUE(counts([&] { window.setTimerDisplay(1, "2.5"); }));
    EXPECT_TRUE(counts([&] { window.setRunLamp(true); }));
    EXPECT_TRUE(counts([&] { window.setFileMenuEnabled(false); }));
    EXPECT_TRUE(counts([&] { window.setInputSwitchEnabled(3, true); }));
    EXPECT_FALSE(counts([&] { window.setProgress(5, 300); }));
    EXPECT_FALSE(counts([&] { window.setProgressVisible(true); }));
    EXPECT_EQ(window.inputSwitches(), 0b1000);
    EXPECT_EQ(window.outputLampBits(), 0b1000);
    EXPECT_EQ(window.timerDisplay(1), "2.5");
    EXPECT_EQ(window.counterDisplay(1), "0");
    EXPECT_TRUE(window.inputSwitchEnabled(3) && !window.inputSwitchEnabled(2));
    EXPECT_FALSE(window.fileMenuEnabled());
}

} // namespace
} // namespace rungbox::panel
