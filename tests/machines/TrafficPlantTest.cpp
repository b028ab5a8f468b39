// SPDX-License-Identifier: GPL-3.0-or-later
#include "machines/TrafficPlant.h"
#include "machines/Random.h"
#include "machines/Scene.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace rungbox::machines {
namespace {

using T = TrafficPlant;

void run(TrafficPlant& plant, std::uint16_t outputs, long ms) {
    for (long k = 0; k < ms; ++k) {
        plant.step(outputs);
    }
}

// A plant without random arrivals: the cars are the test's.
TrafficPlant quiet() {
    TrafficPlant plant;
    plant.setRandomArrivals(false);
    return plant;
}

constexpr std::uint16_t kAllRed = T::kNsRed | T::kEwRed | T::kDontWalk;
constexpr std::uint16_t kNsGo = T::kNsGreen | T::kEwRed | T::kDontWalk;

TEST(TrafficPlant, QueuedCarsLeaveEveryTwoSecondsOfTheirGreen) {
    TrafficPlant plant = quiet();
    EXPECT_EQ(plant.sensors(), 0);
    for (int k = 0; k < 3; ++k) {
        plant.addCar(T::kNorth);
    }
    plant.addCar(T::kEast);
    EXPECT_EQ(plant.sensors(), T::kCarNorth | T::kCarEast);
    run(plant, kAllRed, 5000);
    EXPECT_EQ(plant.queue(T::kNorth).size(), 3U) << "red holds them";
    run(plant, kNsGo, T::kHeadwayMs - 1);
    EXPECT_EQ(plant.queue(T::kNorth).size(), 3U);
    plant.step(kNsGo);
    EXPECT_EQ(plant.queue(T::kNorth).size(), 2U) << "the first leaves 2 s into the green";
    run(plant, T::kNsAmber | T::kEwRed | T::kDontWalk, 10000);
    EXPECT_EQ(plant.queue(T::kNorth).size(), 2U) << "amber holds them too";
    run(plant, kNsGo, 2 * T::kHeadwayMs);
    EXPECT_EQ(plant.queue(T::kNorth).size(), 0U);
    EXPECT_EQ(plant.sensors(), T::kCarEast) << "the east car waits for its own green";
    EXPECT_EQ(plant.passed(), 3);
    EXPECT_EQ(plant.longestWaitMs(), 5000 + 2000 + 10000 + 4000);
    // A car coming to a green that has lasted a headway drives straight through.
    run(plant, kNsGo, 5000);
    plant.addCar(T::kSouth);
    plant.step(kNsGo);
    EXPECT_TRUE(plant.queue(T::kSouth).empty());
    EXPECT_EQ(plant.faultTotal(), 0);
}

// Each row drives the lamps through phases of (outputs, ms) and expects the fault counts.
struct FaultCase {
    const char* name;
    std::vector<std::pair<std::uint16_t, int>> phases;
    int conflict, noAmber, walkConflict;
};

TEST(TrafficPlant, FaultsCountAsTheyHappen) {
    constexpr std::uint16_t kNsG = T::kNsGreen, kNsA = T::kNsAmber, kNsR = T::kNsRed;
    constexpr std::uint16_t kEwG = T::kEwGreen, kEwA = T::kEwAmber, kEwR = T::kEwRed;
    constexpr std::uint16_t kWalk = T::kWalk;
    const std::vector<FaultCase> cases = {
        {"a clean cycle with a walk",
         {{kNsG | kEwR, 20000},
          {kNsA | kEwR, 3000},
          {kNsR | kEwR, 2000},
          {kNsR | kEwG, 12000},
          {kNsR | kEwA, 3000},
          {kNsR | kEwR | kWalk, 8000},
          {kNsG | kEwR, 100}},
         0,
         0,
         0},
        {"both greens, twice", {{kNsG | kEwG, 10}, {kNsG, 1}, {kNsA | kEwG, 500}}, 2, 0, 0},
        {"amber against green conflicts", {{kNsA | kEwA, 3}}, 1, 0, 0},
        {"green straight to red", {{kNsG, 1000}, {kNsR, 10}}, 0, 1, 0},
        {"amber too short", {{kEwG, 1000}, {kEwA, T::kMinAmberMs - 1}, {kEwR, 10}}, 0, 1, 0},
        {"amber just long enough", {{kEwG, 1000}, {kEwA, T::kMinAmberMs}, {kEwR, 10}}, 0, 0, 0},
        {"green, dark, red", {{kNsG, 1000}, {0, 5000}, {kNsR, 10}}, 0, 1, 0},
        {"red at power-up is no skip", {{kNsR | kEwR, 10}}, 0, 0, 0},
        {"each road skips once",
         {{kNsG | kEwR, 500}, {kNsR | kEwR, 500}, {kNsR | kEwG, 500}, {kNsR | kEwR, 500}},
         0,
         2,
         0},
        {"walk on the crossed road's green", {{kEwG | kWalk, 100}}, 0, 0, 1},
        {"walk on the crossed road's amber, twice",
         {{kEwA | kWalk, 100}, {kEwA, 1}, {kEwA | kWalk, 1}},
         0,
         0,
         2},
        {"walk on the other road's green", {{kNsG | kEwR | kWalk, 100}}, 0, 0, 0},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        TrafficPlant plant = quiet();
        for (const auto& [outputs, ms] : c.phases) {
            run(plant, outputs, ms);
        }
        EXPECT_EQ(plant.faults()[T::kConflict].count, c.conflict);
        EXPECT_EQ(plant.faults()[T::kNoAmber].count, c.noAmber);
        EXPECT_EQ(plant.faults()[T::kWalkConflict].count, c.walkConflict);
        EXPECT_EQ(plant.longWaits(), 0);
    }
}

TEST(TrafficPlant, ASkippedAmberShowsOneSecondOnItsHead) {
    TrafficPlant plant = quiet();
    run(plant, T::kEwGreen, 100);
    plant.step(T::kEwRed);
    EXPECT_TRUE(plant.faults()[T::kNoAmber].active);
    const Scene scene = sceneOf(plant, true);
    ASSERT_EQ(scene.faultMarks().size(), 1U);
    EXPECT_EQ(scene.faultMarks()[0].second, "no amber");
    run(plant, T::kEwRed, T::kFaultShowMs - 1);
    EXPECT_TRUE(plant.faults()[T::kNoAmber].active) << "shown for a second";
    plant.step(T::kEwRed);
    EXPECT_FALSE(plant.faults()[T::kNoAmber].active);
    EXPECT_TRUE(sceneOf(plant, true).faultMarks().empty());
}

TEST(TrafficPlant, ConflictingGreensMarkBothRoadsHeads) {
    TrafficPlant plant = quiet();
    plant.step(T::kNsGreen | T::kEwAmber);
    const Scene scene = sceneOf(plant, true);
    ASSERT_EQ(scene.faultMarks().size(), 2U);
    EXPECT_NE(scene.faultMarks()[0].first, scene.faultMarks()[1].first);
}

TEST(TrafficPlant, ACarWaitingOverTwoMinutesIsAWarningNotAFault) {
    TrafficPlant plant = quiet();
    plant.addCar(T::kWest);
    run(plant, kNsGo, 10000);
    plant.addCar(T::kWest);
    run(plant, kNsGo, T::kLongWaitMs - 10000);
    EXPECT_EQ(plant.longWaits(), 0) << "two minutes exactly is not yet over";
    plant.step(kNsGo);
    EXPECT_EQ(plant.longWaits(), 1);
    run(plant, kNsGo, 9999);
    EXPECT_EQ(plant.longWaits(), 1) << "each car counts once";
    plant.step(kNsGo);
    EXPECT_EQ(plant.longWaits(), 2);
    EXPECT_EQ(plant.faultTotal(), 0);
    const std::string line = plant.stateLine();
    EXPECT_NE(line.find(" longest=130 waits=2 "), std::string::npos) << line;
    const Scene scene = sceneOf(plant, true);
    EXPECT_TRUE(scene.faultMarks().empty()) << "the warning is marked apart from the faults";
    // The queue leaves on its green; the count stays.
    run(plant, T::kNsRed | T::kEwGreen, 2 * T::kHeadwayMs);
    EXPECT_TRUE(plant.queue(T::kWest).empty());
    EXPECT_EQ(plant.longWaits(), 2);
}

TEST(TrafficPlant, APedestrianWaitsForTheWalkLampAndCrosses) {
    TrafficPlant plant = quiet();
    plant.walkButton().press();
    EXPECT_EQ(plant.sensors(), T::kWalkButton);
    plant.step(kNsGo);
    EXPECT_EQ(plant.sensors(), 0) << "a press lasts one scan";
    EXPECT_EQ(plant.pedestrian(), T::Pedestrian::Waiting);
    run(plant, kNsGo, 30000);
    EXPECT_EQ(plant.pedestrian(), T::Pedestrian::Waiting);
    plant.step(kAllRed | T::kWalk);
    EXPECT_EQ(plant.pedestrian(), T::Pedestrian::Crossing);
    run(plant, kAllRed, T::kCrossMs - 1);
    EXPECT_EQ(plant.pedestrian(), T::Pedestrian::Crossing) << "once started, they go on";
    plant.step(kAllRed);
    EXPECT_EQ(plant.pedestrian(), T::Pedestrian::None);
}

TEST(TrafficPlant, SeededArrivalsComeAtEachApproachsRate) {
    TrafficPlant plant;
    // An hour in which every car goes on as it comes (both roads green: faults aside).
    constexpr long kHourMs = 3600000;
    run(plant, T::kNsGreen | T::kEwGreen, kHourMs);
    for (std::size_t a = 0; a < T::kApproaches; ++a) {
        SCOPED_TRACE(a);
        const double expected =
            static_cast<double>(kHourMs) / static_cast<double>(T::kMeanArrivalMs[a]);
        EXPECT_NEAR(plant.arrivals(static_cast<T::Approach>(a)), expected, expected * 0.25);
    }
    EXPECT_GT(plant.arrivals(T::kNorth), plant.arrivals(T::kWest)) << "the main road is busier";
}

// The scene plants' common test changes the lamps too often for a car ever to leave; here they
// hold for half a minute or so, so that cars come and go, wait long and get counted on every path.
TEST(TrafficPlant, StateStaysPossibleWhileCarsComeAndGo) {
    TrafficPlant plant;
    Random random(3);
    std::uint16_t outputs = 0;
    for (long ms = 0; ms < 1200000; ++ms) {
        if (random.next() % 40000 == 0) {
            outputs = static_cast<std::uint16_t>(random.next());
        }
        plant.step(outputs);
        const std::string breach = plant.invariantBreach();
        ASSERT_TRUE(breach.empty()) << breach << " at " << ms << " ms\n" << plant.stateLine();
    }
    EXPECT_GT(plant.passed(), 100);
    EXPECT_GT(plant.longWaits(), 0);
}

TEST(TrafficPlant, StateLineAndReset) {
    TrafficPlant plant;
    const std::string fresh = plant.stateLine();
    EXPECT_EQ(fresh, "traffic ns=- ew=- walk=0 dontwalk=0 qn=0 qs=0 qe=0 qw=0 passed=0 longest=0 "
                     "waits=0 ped=none button=0 peds=0 faults=0 conflict=0 no-amber=0 "
                     "walk-conflict=0");
    plant.operate(1, Touch::On);
    run(plant, kNsGo | T::kEwAmber, 300000);
    EXPECT_NE(plant.stateLine(), fresh);
    EXPECT_EQ(plant.lamps(T::kNorthSouth), 4U);
    plant.reset();
    EXPECT_EQ(plant.stateLine(), fresh);
}

} // namespace
} // namespace rungbox::machines
