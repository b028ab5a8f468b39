// The pacing of the scan and tick timers: runs owed by the elapsed time, bounded per tick.

#include "ui/TickPacer.h"

#include <gtest/gtest.h>

namespace rungbox::ui {
namespace {

TEST(TickPacer, OwesOneRunPerPeriodElapsed) {
    TickPacer pacer(100, 3);
    pacer.start(1000);
    EXPECT_EQ(pacer.due(1000), 0);
    EXPECT_EQ(pacer.due(1099), 0);
    EXPECT_EQ(pacer.due(1100), 1);
    EXPECT_EQ(pacer.due(1150), 0) << "the run for 1100 was already made";
    EXPECT_EQ(pacer.due(1300), 2) << "a late tick catches up";
}

TEST(TickPacer, ATickEverySoOftenStillGetsTheFullRate) {
    // Ticks that come every 3 ms still make one scan per millisecond on average.
    TickPacer pacer(1, 5);
    pacer.start(0);
    int runs = 0;
    for (int now = 0; now <= 999; now += 3) {
        runs += pacer.due(now);
    }
    EXPECT_EQ(runs, 999);
}

TEST(TickPacer, AStallIsForgivenNotBurst) {
    TickPacer pacer(1, 5);
    pacer.start(0);
    EXPECT_EQ(pacer.due(2), 2);
    EXPECT_EQ(pacer.due(500), 5) << "at most five on one tick";
    EXPECT_EQ(pacer.due(501), 1) << "the rest of the stall is dropped";
}

TEST(TickPacer, RestartForgetsWhatWasOwed) {
    TickPacer pacer(100, 3);
    pacer.start(0);
    pacer.start(5000);
    EXPECT_EQ(pacer.due(5050), 0);
    EXPECT_EQ(pacer.due(5100), 1);
    EXPECT_EQ(pacer.due(4000), 0) << "a clock reading before the start owes nothing";
}

TEST(TickPacer, NonsenseLimitsAreBroughtToOne) {
    TickPacer pacer(0, 0);
    EXPECT_EQ(pacer.periodMs(), 1);
    EXPECT_EQ(pacer.maxPerTick(), 1);
}

} // namespace
} // namespace rungbox::ui
