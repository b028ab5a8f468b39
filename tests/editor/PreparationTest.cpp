// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/Preparation.h"
#include "GridText.h"
#include "engine/Controller.h"
#include "support/Recorders.h"

#include <tuple>

namespace rungbox::editor::test {
namespace {

struct Rig {
    Rig() { setUpGrid(grid); }
    bool run() { return prepareProgram(grid, controller, boxes); }
    CodeGrid grid;
    rungbox::test::RecordingPanel panel;
    engine::Controller controller{panel};
    rungbox::test::RecordingBoxes boxes;
};

// A warning's text is `before`, the line number with its leading blank, ".\r\n" and `range`.
struct Warning {
    const char* before;
    const char* range;
    const char* title;
};
const Warning kCntRange{"Counter out of range at line ", "Valid Range: 0 to  7", "COUNTER Range"};
const Warning kTimRange{"Timer out of range at line ", "Valid Range: 0 to  7", "TIMER Range"};
const Warning kCntSet{"Counter set-value is too high at line ", "Valid Range: #0 to #9999",
                      "COUNTER Set-value"};
const Warning kTimSet{"Timer set-value is too high at line ", "Valid Range: #0 to #600",
                      "TIMER Set-value"};
const Warning kRelay{"Relay out of range at line ", "Valid Range: 0 to  20000", "RELAY Range"};

TEST(Preparation, WarnsOfTheFirstBadLineOnly) {
    // Within a line the counter number is checked first, then the timer number, then what the
    // first word asks for. A number past 16 bits fails whichever check applies, never wraps.
    for (const auto& [line, bad, warning] : std::initializer_list<std::tuple<int, Cells, Warning>>{
             {3, {"LD   NOT  CNT", "8"}, kCntRange},
             {1, {"CNT", "9", "10000"}, kCntRange},
             {1, {"TIM CNT", "8"}, kCntRange},
             {1, {"TIM", "8", "9999"}, kTimRange},
             {1, {"LD TIM", "-1"}, kTimRange},
             {2, {"TIM", "70000", "5"}, kTimRange},
             {1, {"TIM", "0", "601"}, kTimSet},
             {12, {"CNT", "7", "10000"}, kCntSet},
             {1, {"CNT", "0", "40000"}, kCntSet},
             {299, {"OUT", "20001"}, kRelay},
             {1, {"LD", "-99999"}, kRelay},
             // Lower case is no timer word; the empty row ending the walk and a blank row 1
             // are tested as relay lines.
             {1, {"tim", "30000", "5"}, kRelay},
             {3, {"", "30000"}, kRelay},
             {1, {"   ", "30000"}, kRelay}}) {
        Rig rig; // the lines above the bad one read "LD 0", the one below is bad too
        for (int r = 1; r < line; ++r) {
            write(rig.grid, r, {{"LD", "0"}});
        }
        write(rig.grid, line, {bad, {"OUT", "20001"}});
        EXPECT_FALSE(rig.run());
        ASSERT_EQ(rig.boxes.shown.size(), 1U) << bad;
        EXPECT_EQ(rig.boxes.shown[0].text,
                  warning.before + (" " + std::to_string(line)) + ".\r\n" + warning.range);
        EXPECT_EQ(rig.boxes.shown[0].title, warning.title);
        EXPECT_EQ(rig.boxes.shown[0].style, platform::BoxStyle::Exclamation);
        EXPECT_EQ(rig.grid.line(), line);
    }
}

TEST(Preparation, WalkStopsAfterTheFirstRowWithoutWords) {
    struct Walk {
        std::vector<Cells> program;
        int rowAfter;
    };
    for (const auto& [program, rowAfter] :
         {Walk{{{"", "30000"}}, 1}, // row 1 empty: not even its location is looked at
          Walk{{{"  ", "20000"}, {"OUT", "99999"}}, 2},
          // Relay lines ignore their set values; lines below the empty row are not looked at.
          Walk{{{"LD", "0", "junk 99999"}, {"OUT", "1000", "-5"}, {"END"}, {}, {"TIM", "9"}}, 5}}) {
        Rig rig;
        write(rig.grid, 1, program);
        rig.grid.setLine(50);
        EXPECT_TRUE(rig.run());
        EXPECT_TRUE(rig.boxes.shown.empty());
        EXPECT_EQ(rig.grid.line(), rowAfter);
    }
}

TEST(Preparation, LastLineProgrammingATimerOrCounterWins) {
    Rig rig;
    write(rig.grid, 1,
          {{"TIM", "2", "50"},
           {"CNT", "6", "3"},
           {"TIM", "2", "12.5"},
           {"CNT", "6", "007"},
           {"LD TIM", "1", "500"},
           {"AND NOT CNT", "1", "500"},
           {"TIM", "5", "-5"},
           {"TIM", "3", "600"},
           {"CNT", "3", "9999"}});
    EXPECT_TRUE(rig.run());
    EXPECT_EQ(rig.controller.timValue(2), 12);
    EXPECT_EQ(rig.controller.cntValue(6), 7);
    // Timers 2, 3 and 5, counters 6 and 3; a negative set value is loaded as it is.
    const auto& p = rig.panel;
    EXPECT_EQ(p.timerDisplay[2] + " " + p.timerDisplay[3] + " " + p.timerDisplay[5] + " " +
                  p.counterDisplay[6] + " " + p.counterDisplay[3],
              "1.2 60.0 -0.5 7 9999");
    EXPECT_EQ(rig.controller.timValue(1) + rig.controller.cntValue(1), 0)
        << "contacts load nothing";
    // The displays go through the controller, so a later show of the reset value still shows.
    rig.controller.showTimer(2, 0);
    rig.controller.showCounter(6, 0);
    EXPECT_EQ(rig.panel.timerDisplay[2], "0.0");
    EXPECT_EQ(rig.panel.counterDisplay[6], "0");
}

} // namespace
} // namespace rungbox::editor::test
