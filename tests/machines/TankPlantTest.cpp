// SPDX-License-Identifier: GPL-3.0-or-later
#include "machines/TankPlant.h"
#include "machines/Scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace rungbox::machines {
namespace {

using T = TankPlant;

void run(TankPlant& tank, std::uint16_t outputs, int ms) {
    for (int k = 0; k < ms; ++k) {
        tank.step(outputs);
    }
}

// A tank whose inflow is held at `inflow` mm/s, started from its starting level.
TankPlant steady(int inflow) {
    TankPlant tank;
    tank.holdInflow(inflow);
    return tank;
}

TEST(TankPlant, LevelFollowsInflowPumpsAndDrain) {
    // At 60 mm/s in and nothing out, 10 s raise 600 mm to 1200 mm.
    TankPlant tank = steady(60);
    EXPECT_EQ(tank.sensors(), T::kLowLow | T::kLow);
    run(tank, 0, 10000);
    EXPECT_EQ(tank.levelMm(), 1200);
    // One pump: its feedback comes after 500 ms, then it takes 100 mm/s; 10.5 s in all lower
    // 1200 by 0.5 s * 60 mm/s up and 10 s * 40 mm/s down: 1230 - 400 = 830 mm.
    run(tank, T::kPump1, 10500);
    EXPECT_EQ(tank.levelMm(), 830);
    EXPECT_EQ(tank.pump(0).starts, 1);
    // Both pumps and the drain: pump 2 runs after 500 ms; 60 - 100 - 20 = -60 mm/s for 0.5 s,
    // then -160 mm/s for 4 s: 830 - 30 - 640 = 160 mm.
    run(tank, T::kPump1 | T::kPump2 | T::kDrainValve, 4500);
    EXPECT_EQ(tank.levelMm(), 160);
    EXPECT_EQ(tank.sensors() & (T::kLowLow | T::kRunning1 | T::kRunning2),
              T::kRunning1 | T::kRunning2);
}

TEST(TankPlant, SwitchesCloseAtTheirHeights) {
    TankPlant tank = steady(100);
    // 600 mm to 1400 mm at 100 mm/s takes 8 s: high closes in the 8000th millisecond.
    run(tank, 0, 7999);
    EXPECT_EQ(tank.sensors() & T::kHigh, 0);
    tank.step(0);
    EXPECT_EQ(tank.sensors() & T::kHigh, T::kHigh);
    run(tank, 0, 3000);
    EXPECT_EQ(tank.sensors() & 0x0F, T::kLowLow | T::kLow | T::kHigh | T::kHighHigh);
}

TEST(TankPlant, FeedbackFollowsTheCommandHalfASecondLaterAndTripStopsAtOnce) {
    TankPlant tank = steady(60);
    run(tank, T::kPump2, T::kFeedbackDelayMs - 1);
    EXPECT_FALSE(tank.pump(1).running);
    tank.step(T::kPump2);
    EXPECT_TRUE(tank.pump(1).running);
    run(tank, 0, T::kFeedbackDelayMs - 1);
    EXPECT_TRUE(tank.pump(1).running) << "runs down for half a second";
    tank.step(0);
    EXPECT_FALSE(tank.pump(1).running);
    run(tank, T::kPump2, T::kFeedbackDelayMs);
    tank.operate(T::kTrip2Control, Touch::On);
    EXPECT_EQ(tank.sensors() & (T::kRunning2 | T::kTripped2), T::kTripped2);
    run(tank, T::kPump2, 5000);
    EXPECT_FALSE(tank.pump(1).running) << "a tripped pump stays stopped";
    tank.operate(T::kTrip2Control, Touch::Off);
    run(tank, T::kPump2, T::kFeedbackDelayMs);
    EXPECT_TRUE(tank.pump(1).running) << "reset, it starts again";
    EXPECT_EQ(tank.pump(1).starts, 3);
}

// Each row works the tank through phases of (outputs, ms, trip pump 1 before the phase) at a
// steady inflow and expects the fault counts afterwards.
struct Phase {
    std::uint16_t outputs;
    int ms;
    bool trip1 = false;
};
struct FaultCase {
    const char* name;
    int inflow;
    std::vector<Phase> phases;
    int overflow, dryRun, surge, tripCommanded;
};

TEST(TankPlant, FaultsCountOncePerOccurrence) {
    constexpr std::uint16_t kP1 = T::kPump1, kP2 = T::kPump2;
    const std::vector<FaultCase> cases = {
        // 600 to 2000 mm at 140 mm/s: 10 s to the top; the spilling lasts but counts once.
        {"filled to the top", 140, {{0, 9999}}, 0, 0, 0, 0},
        {"overflowing", 140, {{0, 10000}}, 1, 0, 0, 0},
        {"overflowing for long", 140, {{0, 30000}}, 1, 0, 0, 0},
        {"overflowing twice",
         140,
         {{0, 10000}, {kP1, 1000}, {kP1 | kP2, 2000}, {0, 2000}},
         2,
         0,
         0,
         0},
        // One pump at 20 mm/s in takes 80 mm/s from 600 mm once it runs (500 ms), and pump 2
        // joins a second later: 180 mm/s. Below 200 mm after about 3.3 s, on the floor at 4.4 s.
        {"pumped below low-low", 20, {{kP1, 1000}, {kP1 | kP2, 4000}}, 0, 1, 0, 0},
        // Stopped on the floor, the pump runs down for 500 ms, then 20 mm/s refill 10 mm in
        // 0.5 s: a restart runs dry again.
        {"running dry twice", 20, {{kP1, 10000}, {0, 1000}, {kP1, 2000}}, 0, 2, 0, 0},
        {"drain alone below low-low", 20, {{T::kDrainValve, 60000}}, 0, 0, 0, 0},
        {"both at once", 60, {{kP1 | kP2, 100}}, 0, 0, 1, 0},
        {"second within 1 s", 60, {{kP1, 999}, {kP1 | kP2, 100}}, 0, 0, 1, 0},
        {"second after 1 s", 60, {{kP1, 1000}, {kP1 | kP2, 100}}, 0, 0, 0, 0},
        {"restart of the same pump", 60, {{kP1, 100}, {0, 100}, {kP1, 100}}, 0, 0, 0, 0},
        {"tripped, dropped within 1 s", 60, {{kP1, 1000}, {kP1, 1000, true}, {0, 100}}, 0, 0, 0, 0},
        {"tripped, commanded over 1 s", 60, {{kP1, 1000}, {kP1, 1001, true}}, 0, 0, 0, 1},
        {"tripped, commanded for long", 60, {{kP1, 1000}, {kP1, 9000, true}}, 0, 0, 0, 1},
    };
    for (const FaultCase& c : cases) {
        TankPlant tank = steady(c.inflow);
        for (const Phase& phase : c.phases) {
            if (phase.trip1) {
                tank.setTripped(0, true);
            }
            run(tank, phase.outputs, phase.ms);
        }
        const auto f = tank.faults();
        EXPECT_EQ(f[T::kOverflow].count, c.overflow) << c.name;
        EXPECT_EQ(f[T::kDryRun].count, c.dryRun) << c.name;
        EXPECT_EQ(f[T::kSurge].count, c.surge) << c.name;
        EXPECT_EQ(f[T::kTripCommanded].count, c.tripCommanded) << c.name;
        EXPECT_TRUE(tank.invariantBreach().empty()) << c.name << ": " << tank.invariantBreach();
    }
}

TEST(TankPlant, LevelStaysInTheTankAndFaultsAreMarkedWhereTheyHappen) {
    TankPlant tank = steady(140);
    run(tank, 0, 20000);
    EXPECT_EQ(tank.levelMm(), T::kTopMm) << "the surplus spills";
    EXPECT_TRUE(tank.faults()[T::kOverflow].active);
    tank.setTripped(1, true);
    run(tank, T::kPump2, 1500);
    const Scene scene = sceneOf(tank, true);
    std::vector<std::string> words;
    for (const auto& [box, text] : scene.faultMarks()) {
        words.push_back(text);
    }
    EXPECT_EQ(words, (std::vector<std::string>{"overflow", "tripped, commanded"}));
    // Pumps against a trickle empty the tank to the floor and no further.
    TankPlant low = steady(20);
    run(low, T::kPump1 | T::kPump2, 10000);
    EXPECT_EQ(low.levelUm(), 0);
    EXPECT_TRUE(low.faults()[T::kDryRun].active);
    EXPECT_EQ(sceneOf(low, true).faultMarks().size(), 2U) << "both pumps run dry";
}

TEST(TankPlant, InflowWalksWithinItsRangeOneStepASecond) {
    TankPlant tank;
    int previous = tank.inflow();
    int changes = 0;
    for (int second = 0; second < 600; ++second) {
        run(tank, T::kPump1, 999);
        EXPECT_EQ(tank.inflow(), previous) << "steady within the second";
        tank.step(T::kPump1);
        const int step = tank.inflow() - previous;
        EXPECT_TRUE(step == 0 || step == T::kInflowStep || step == -T::kInflowStep) << step;
        changes += step != 0 ? 1 : 0;
        previous = tank.inflow();
    }
    EXPECT_GT(changes, 200) << "it does walk";
}

} // namespace
} // namespace rungbox::machines
