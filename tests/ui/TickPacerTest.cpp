// SPDX-License-Identifier: GPL-3.0-or-later
// The pacing of the scan and tick timers: runs owed by the elapsed time, capped per tick.

#include "ui/TickPacer.h"

#include <gtest/gtest.h>

namespace rungbox::ui {
namespace {

TEST(TickPacer, OwesOneRunPerPeriodElapsedAndCatchesUpALateTick) {
    TickPacer pacer(100, 3);
    pacer.start(1000);
    EXPECT_EQ(pacer.due(1099), 0);
    EXPECT_EQ(pacer.due(1100), 1);
    EXPECT_EQ(pacer.due(1150), 0) << "the run for 1100 was already made";
    EXPECT_EQ(pacer.due(1300), 2) << "a late tick catches up";
    pacer.start(5000);
    EXPECT_EQ(pacer.due(5050), 0) << "a restart forgets what was owed";
    EXPECT_EQ(pacer.due(5100), 1);
    EXPECT_EQ(pacer.due(4000), 0) << "a clock reading before the start owes nothing";
}

TEST(TickPacer, ATickEverySoOftenStillGetsTheFullRate) {
    TickPacer pacer(1, 5);
    pacer.start(0);
    int runs = 0;
    for (int now = 0; now <= 999; now += 3) {
        runs += pacer.due(now);
    }
    EXPECT_EQ(runs, 999);
}

TEST(TickPacer, OwedRunsAreCappedAndAStallIsForgiven) {
    TickPacer pacer(1, 5);
    pacer.start(0);
    EXPECT_EQ(pacer.due(500), 5) << "at most five on one tick";
    EXPECT_EQ(pacer.due(501), 1) << "the rest of the stall is dropped";
}

} // namespace
} // namespace rungbox::ui
