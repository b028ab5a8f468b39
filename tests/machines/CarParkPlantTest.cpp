// SPDX-License-Identifier: GPL-3.0-or-later
#include "machines/CarParkPlant.h"

#include "machines/Scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace rungbox::machines {
namespace {

using C = CarParkPlant;
using Lane = C::Lane;

void run(C& park, std::uint16_t outputs, int ms) {
    for (int k = 0; k < ms; ++k) {
        park.step(outputs);
    }
}

int count(const C& park, C::Fault fault) {
    return park.faults()[fault].count;
}

// `ms` milliseconds of `outputs`, with the FULL sign lit exactly while twelve or more are inside
// when `sign` (as a correct program lights it, a scan late).
void runSigned(C& park, std::uint16_t outputs, int ms, bool sign) {
    for (int k = 0; k < ms; ++k) {
        const bool full = sign && park.inside() >= C::kPlaces;
        park.step(static_cast<std::uint16_t>(outputs | (full ? C::kFullSign : 0U)));
    }
}

// One car onto the entry loop (a new one, or the first of the queue the seeded arrivals made)
// and in: the barrier raised until it reaches the passed loop (kTravelMs + kUnderMs), lowered
// while it stands there (kPassedMs); it has parked when this returns.
void bringToPassedLoop(C& park, bool sign = false) {
    if (park.entry().lane == Lane::Empty && park.queue() == 0) {
        park.sendCar();
    }
    runSigned(park, 0, 1, sign);
    ASSERT_EQ(park.entry().lane, Lane::Waiting);
    runSigned(park, C::kRaiseEntry, C::kTravelMs + C::kUnderMs, sign);
    ASSERT_EQ(park.entry().lane, Lane::Passed);
}

void admit(C& park, bool sign = false) {
    bringToPassedLoop(park, sign);
    runSigned(park, 0, C::kPassedMs, sign);
}

TEST(CarParkPlant, BarrierTravelsTwoSecondsBetweenItsLimits) {
    C park;
    EXPECT_EQ(park.sensors(), C::kEntryDown | C::kExitDown);
    park.step(C::kRaiseEntry | C::kRaiseExit);
    EXPECT_EQ(park.sensors(), 0) << "the down limits open as soon as the arms move";
    run(park, C::kRaiseEntry | C::kRaiseExit, C::kTravelMs - 2);
    EXPECT_EQ(park.entry().position, C::kTravelMs - 1);
    park.step(C::kRaiseEntry);
    EXPECT_EQ(park.sensors(), C::kEntryUp) << "the exit arm has begun to fall";
    run(park, C::kRaiseEntry, 5000);
    EXPECT_EQ(park.entry().position, C::kTravelMs) << "held up while raised";
    run(park, 0, C::kTravelMs);
    constexpr std::uint16_t kLimits = C::kEntryUp | C::kEntryDown | C::kExitUp | C::kExitDown;
    EXPECT_EQ(park.sensors() & kLimits, C::kEntryDown | C::kExitDown);
}

// Hand-worked: a car at the entry waits for the arm fully up (2 s), spends 1.5 s under it on
// the approach loop, 2 s on the passed loop (counted inside from there), then parks in bay 1.
TEST(CarParkPlant, CarDrivesInOnlyUnderAFullyRaisedArm) {
    C park;
    park.sendCar();
    EXPECT_EQ(park.sensors() & (C::kEntryLoop | C::kEntryPassed), C::kEntryLoop);
    run(park, 0, 500);
    EXPECT_EQ(park.entry().lane, Lane::Waiting) << "the arm is down";
    run(park, C::kRaiseEntry, C::kTravelMs - 1);
    EXPECT_EQ(park.entry().lane, Lane::Waiting) << "the arm is not fully up yet";
    park.step(C::kRaiseEntry);
    EXPECT_EQ(park.entry().lane, Lane::Under);
    run(park, C::kRaiseEntry, C::kUnderMs - 1);
    EXPECT_EQ(park.sensors() & (C::kEntryLoop | C::kEntryPassed), C::kEntryLoop);
    EXPECT_EQ(park.inside(), 0);
    park.step(C::kRaiseEntry);
    EXPECT_EQ(park.sensors() & (C::kEntryLoop | C::kEntryPassed), C::kEntryPassed);
    EXPECT_EQ(park.inside(), 1);
    run(park, 0, C::kPassedMs);
    EXPECT_EQ(park.entry().lane, Lane::Empty);
    ASSERT_EQ(park.parked().size(), 1U);
    EXPECT_EQ(park.parked()[0].bay, 0);
    EXPECT_EQ(park.inside(), 1);
    EXPECT_EQ(park.entry().position, 0) << "lowered while the car stood on the passed loop";
    EXPECT_EQ(park.faultTotal(), 0);
}

TEST(CarParkPlant, CarsLeaveThroughTheExitAndAreCountedOutOnItsPassedLoop) {
    C park;
    admit(park);
    admit(park);
    park.callCarOut();
    park.step(0);
    EXPECT_EQ(park.exit().lane, Lane::Waiting);
    EXPECT_EQ(park.sensors() & C::kExitLoop, C::kExitLoop);
    EXPECT_EQ(park.inside(), 2) << "still inside on the exit loop";
    run(park, C::kRaiseExit, C::kTravelMs + C::kUnderMs);
    EXPECT_EQ(park.sensors() & (C::kExitLoop | C::kExitPassed), C::kExitPassed);
    EXPECT_EQ(park.inside(), 1);
    run(park, 0, C::kPassedMs);
    EXPECT_EQ(park.exit().lane, Lane::Empty);
    EXPECT_EQ(park.parked().size(), 1U);
}

// The driver presses 1 to 4 s after reaching the loop for 0.3 s, and again every 6 s while the
// barrier does not rise; never while FULL is lit.
TEST(CarParkPlant, DriverPressesTheTicketButtonUnlessFull) {
    C park;
    park.sendCar();
    std::vector<int> presses; // the ms each press began
    int pressedMs = 0;
    for (int ms = 0; ms < C::kTicketMaxMs + 2 * C::kRepressMs; ++ms) {
        const bool before = (park.sensors() & C::kTicket) != 0;
        park.step(0);
        const bool now = (park.sensors() & C::kTicket) != 0;
        if (now && !before) {
            presses.push_back(ms);
        }
        pressedMs += now ? 1 : 0;
    }
    ASSERT_EQ(presses.size(), 3U);
    EXPECT_GE(presses[0], C::kTicketMinMs - 1);
    EXPECT_LE(presses[0], C::kTicketMaxMs);
    EXPECT_EQ(presses[1] - presses[0], C::kRepressMs);
    EXPECT_EQ(presses[2] - presses[1], C::kRepressMs);
    EXPECT_EQ(pressedMs, 3 * C::kPressMs);

    C full;
    full.sendCar();
    for (int ms = 0; ms < 20000; ++ms) {
        full.step(C::kFullSign);
        ASSERT_EQ(full.sensors() & C::kTicket, 0) << ms;
    }
}

TEST(CarParkPlant, ArrivalsQueueInTheStreetAndTheRestDriveOn) {
    C park;
    for (int k = 0; k < 6; ++k) {
        park.sendCar();
    }
    EXPECT_EQ(park.entry().lane, Lane::Waiting);
    EXPECT_EQ(park.queue(), C::kQueueMax);
    admit(park);
    EXPECT_EQ(park.parked().size(), 1U);
    park.step(0);
    EXPECT_EQ(park.entry().lane, Lane::Waiting) << "the next car moves up to the loop";
    EXPECT_EQ(park.queue(), C::kQueueMax - 1);
}

TEST(CarParkPlant, ArmLoweredOntoACarStopsOnItsRoofAndCountsOnce) {
    C park;
    park.sendCar();
    run(park, C::kRaiseEntry, C::kTravelMs + 100);
    ASSERT_EQ(park.entry().lane, Lane::Under);
    run(park, 0, 1000);
    EXPECT_EQ(park.entry().position, C::kRoofMs);
    EXPECT_TRUE(park.faults()[C::kOntoCar].active);
    EXPECT_EQ(sceneOf(park, true).faultMarks().size(), 1U);
    run(park, 0, 450);
    EXPECT_EQ(park.entry().lane, Lane::Passed) << "the car drives on from under the arm";
    EXPECT_FALSE(park.faults()[C::kOntoCar].active);
    EXPECT_EQ(count(park, C::kOntoCar), 1);
    run(park, 0, C::kRoofMs);
    EXPECT_TRUE(park.entry().down());
}

// One car held at the exit loop (its barrier never rises) keeps the others in their bays.
TEST(CarParkPlant, ThirteenthCarIsOneTooManyAndTheAisleBoundsTheCount) {
    C park;
    admit(park);
    park.callCarOut();
    park.step(0);
    while (park.inside() < C::kPlaces) {
        admit(park, true);
    }
    EXPECT_EQ(park.faultTotal(), 0) << "FULL lit at twelve, within the second";
    admit(park, true);
    EXPECT_EQ(count(park, C::kOverFull), 1);
    EXPECT_TRUE(park.faults()[C::kOverFull].active);
    ASSERT_EQ(sceneOf(park, true).faultMarks().size(), 1U);
    EXPECT_EQ(sceneOf(park, true).faultMarks()[0].second, "more cars than places");
    while (park.parked().size() < std::size_t{C::kPlaces + C::kAisle}) {
        admit(park, true);
    }
    EXPECT_EQ(park.parked().back().bay, C::kPlaces + C::kAisle - 1) << "the last in the aisle";
    runSigned(park, C::kRaiseEntry, 10000, true);
    EXPECT_EQ(park.entry().lane, Lane::Waiting) << "nobody gets in through a full aisle";
    EXPECT_EQ(count(park, C::kOverFull), 1) << "one lasting fault";
}

// The sign may disagree with the count for 1000 ms; the 1001st is a fault.
TEST(CarParkPlant, FullSignWrongForOverASecond) {
    C lit;
    run(lit, C::kFullSign, C::kSignGraceMs);
    EXPECT_EQ(count(lit, C::kSignWrong), 0);
    lit.step(C::kFullSign);
    EXPECT_EQ(count(lit, C::kSignWrong), 1);
    EXPECT_TRUE(lit.faults()[C::kSignWrong].active);
    ASSERT_EQ(sceneOf(lit, true).faultMarks().size(), 1U);
    EXPECT_EQ(sceneOf(lit, true).faultMarks()[0].second, "sign wrong");
    lit.step(0);
    EXPECT_FALSE(lit.faults()[C::kSignWrong].active);

    C dark;
    for (int k = 0; k < C::kPlaces - 1; ++k) {
        admit(dark);
    }
    bringToPassedLoop(dark);
    ASSERT_EQ(dark.inside(), C::kPlaces);
    run(dark, 0, C::kSignGraceMs - 1);
    EXPECT_EQ(count(dark, C::kSignWrong), 0);
    dark.step(0);
    EXPECT_EQ(count(dark, C::kSignWrong), 1) << "dark while full";
}

TEST(CarParkPlant, ShowsTheWatchedCounterBesideTheRealCount) {
    C park;
    EXPECT_EQ(park.watchedCounter(), 0);
    EXPECT_NE(park.stateLine().find(" inside=0 program=- "), std::string::npos);
    park.watchCounter(5);
    EXPECT_NE(park.stateLine().find(" inside=0 program=5 "), std::string::npos);
    park.reset();
    EXPECT_EQ(park.programCount(), -1);
}

TEST(CarParkPlant, CarOutCallsTheCarThatWouldLeaveSoonest) {
    C park;
    admit(park);
    admit(park);
    admit(park);
    const auto soonest =
        std::min_element(park.parked().begin(), park.parked().end(),
                         [](const C::Car& a, const C::Car& b) { return a.stayMs < b.stayMs; });
    const int bay = soonest->bay;
    park.callCarOut();
    park.step(0);
    EXPECT_EQ(park.exit().car.bay, bay);
    EXPECT_EQ(park.parked().size(), 2U);
}

} // namespace
} // namespace rungbox::machines
