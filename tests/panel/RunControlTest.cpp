// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/RunControl.h"
#include "editor/GridText.h"
#include "support/Recorders.h"

#include <functional>
#include <set>
#include <tuple>

namespace rungbox::panel {
namespace {

// Logs the window's calls in order, "+" for on and "-" for off; the input switches log once, at
// the last of the sixteen, and are counted apart.
struct RecordingWindow : platform::RunWindow {
    std::string log;
    std::set<int> switchesOn;
    void add(const std::string& what) { log += (log.empty() ? "" : " ") + what; }
    void setFileMenuEnabled(bool on) override { add(on ? "file+" : "file-"); }
    void setModuleMenuEnabled(bool on) override { add(on ? "module+" : "module-"); }
    void setInputSwitchEnabled(int n, bool on) override {
        switchesOn.erase(n);
        if (on) {
            switchesOn.insert(n);
        }
        if (n == 15) {
            add(on ? "switches+" : "switches-");
        }
    }
    void setProgressVisible(bool on) override { add(on ? "progress+" : "progress-"); }
    void setProgress(int copied, int total) override {
        add(std::to_string(copied) + "/" + std::to_string(total));
    }
};

// Message boxes that run `during` once while the box is open, as ticks arriving then would.
struct Boxes : test::RecordingBoxes {
    std::function<void()> during;
    using platform::MessageBoxes::show;
    platform::BoxAnswer show(const l10n::Text& text, platform::BoxStyle style,
                             const l10n::Text& title) override {
        const auto answer = test::RecordingBoxes::show(text, style, title);
        if (const auto hook = std::exchange(during, nullptr)) {
            hook();
        }
        return answer;
    }
};

struct Run : testing::Test {
    Run() { editor::setUpGrid(grid); }
    test::RecordingPanel panel;
    engine::Controller controller{panel};
    editor::CodeGrid grid;
    Boxes boxes;
    RecordingWindow window;
    RunControl run{controller, grid, boxes, window};
};

TEST_F(Run, StartArrangesTheWindowAndStopResetsEverything) {
    editor::test::write(grid, 1, {{"LD", "0"}, {"OUT", "1000"}, {"TIM", "1", "50"}, {"END"}});
    run.toggleRun();
    EXPECT_EQ(window.log,
              "0/300 progress+ 1/300 2/300 3/300 300/300 progress- file- module- switches+");
    EXPECT_TRUE(run.simulating());
    EXPECT_TRUE(panel.runLamp);
    EXPECT_FALSE(grid.enabled());
    EXPECT_EQ(window.switchesOn.size(), 16U);

    panel.setSwitch(0, true);
    run.onScanTimer();
    ASSERT_TRUE(panel.outputLamp[0]);
    window.log.clear();
    run.toggleRun();
    EXPECT_EQ(window.log, "file+ module+ switches-");
    EXPECT_FALSE(run.simulating());
    EXPECT_FALSE(panel.runLamp);
    EXPECT_TRUE(grid.enabled());
    EXPECT_TRUE(window.switchesOn.empty());
    EXPECT_EQ(panel.switches, 0);
    EXPECT_FALSE(panel.outputLamp[0]);
    EXPECT_EQ(panel.timerDisplay[1], "0.0");
}

TEST_F(Run, RangeWarningOrNoExactEndRefusesTheStart) {
    editor::test::write(grid, 1, {{"TIM", "9"}, {"END"}});
    grid.select(5, 3, 5, 3);
    run.toggleRun();
    ASSERT_EQ(boxes.shown.size(), 1U);
    EXPECT_EQ(boxes.shown[0].title, "TIMER Range");
    // The line the warning names is selected, so that the grid shows it.
    EXPECT_EQ(std::tuple(grid.line(), grid.column(), grid.selectionLine(), grid.selectionColumn()),
              std::tuple(1, editor::kCodeCol, 1, editor::kSetValueCol));
    EXPECT_EQ(window.log, "") << "no progress display";

    for (const char* end : {"END ", "end"}) {
        editor::test::write(grid, 1, {{"LD", "0"}, {end}});
        boxes.shown.clear();
        window.log.clear();
        run.toggleRun();
        ASSERT_EQ(boxes.shown.size(), 1U) << end;
        EXPECT_EQ(boxes.shown[0].text, "Not END encountered. Error starting SIMULATION ...");
        EXPECT_EQ(boxes.shown[0].title, platform::kAppTitle);
        EXPECT_EQ(boxes.shown[0].style, platform::BoxStyle::Exclamation);
        EXPECT_TRUE(window.log.starts_with("0/300 progress+ 1/300 2/300 "));
        EXPECT_TRUE(window.log.ends_with(" 298/300 299/300 300/300 progress-"))
            << "every row is copied";
        EXPECT_FALSE(run.simulating());
        EXPECT_FALSE(panel.runLamp);
        EXPECT_TRUE(window.switchesOn.empty());
    }
}

TEST_F(Run, ProgramErrorGivesOneMessageAndOneStopWhateverTicksArriveMeanwhile) {
    editor::test::write(grid, 1, {{"LD NOT", "0"}, {"TIM", "0", "50"}, {"XYZ", "1"}, {"END"}});
    run.toggleRun();
    window.log.clear();
    int timerDuringBox = -1;
    boxes.during = [&] {
        run.onScanTimer();
        run.onTickTimer();
        timerDuringBox = controller.timValue(0);
    };
    run.onScanTimer();
    ASSERT_EQ(boxes.shown.size(), 1U);
    EXPECT_EQ(boxes.shown[0].text, "Error at line  3");
    EXPECT_EQ(boxes.shown[0].style, platform::BoxStyle::Ok);
    EXPECT_EQ(boxes.shown[0].title, platform::kAppTitle);
    EXPECT_EQ(timerDuringBox, 50) << "timer 0 runs from line 2, but no tick may count it down";
    EXPECT_EQ(std::tuple(grid.line(), grid.column(), grid.selectionLine(), grid.selectionColumn()),
              std::tuple(3, editor::kCodeCol, 3, editor::kSetValueCol));
    EXPECT_EQ(window.log, "file+ module+ switches-");
    EXPECT_FALSE(run.simulating());
}

} // namespace
} // namespace rungbox::panel
