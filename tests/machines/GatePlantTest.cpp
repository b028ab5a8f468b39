// SPDX-License-Identifier: GPL-3.0-or-later
#include "machines/GatePlant.h"

#include <gtest/gtest.h>

namespace rungbox::machines {
namespace {

using G = GatePlant;

void run(GatePlant& gate, std::uint16_t outputs, int ms) {
    for (int k = 0; k < ms; ++k) {
        gate.step(outputs);
    }
}

int count(const GatePlant& gate, G::Fault fault) {
    return gate.faults()[fault].count;
}

TEST(GatePlant, TravelTakesEightSecondsBetweenTheLimits) {
    GatePlant gate;
    EXPECT_EQ(gate.sensors(), G::kClosedLimit);
    gate.step(G::kMotorOpen);
    EXPECT_EQ(gate.sensors(), 0) << "the closed limit opens as soon as the gate moves";
    run(gate, G::kMotorOpen, G::kTravelMs - 2);
    EXPECT_EQ(gate.position(), G::kTravelMs - 1);
    EXPECT_FALSE(gate.openLimit());
    gate.step(G::kMotorOpen);
    EXPECT_EQ(gate.sensors(), G::kOpenLimit);
    run(gate, G::kMotorClose, G::kTravelMs - 1);
    EXPECT_FALSE(gate.closedLimit());
    gate.step(G::kMotorClose);
    EXPECT_EQ(gate.sensors(), G::kClosedLimit);
    EXPECT_EQ(gate.faultTotal(), 0);
}

// Each row drives the motor through phases of (outputs, ms) from closed and expects the fault
// counts afterwards.
struct FaultCase {
    const char* name;
    std::vector<std::pair<std::uint16_t, int>> phases;
    bool car;
    int bothWays, againstLimit, ontoCar;
};

TEST(GatePlant, FaultsCountOncePerOccurrence) {
    constexpr std::uint16_t kOpen = G::kMotorOpen, kClose = G::kMotorClose;
    const std::vector<FaultCase> cases = {
        {"both ways, twice", {{kOpen | kClose, 5}, {0, 1}, {kOpen | kClose, 300}}, false, 2, 0, 0},
        {"closing at the closed limit for 1 s", {{kClose, G::kLimitStallMs}}, false, 0, 0, 0},
        {"closing at the closed limit over 1 s", {{kClose, G::kLimitStallMs + 1}}, false, 0, 1, 0},
        {"stall restarts after a pause", {{kClose, 900}, {0, 1}, {kClose, 900}}, false, 0, 0, 0},
        {"opening at the open limit, twice",
         {{kOpen, G::kTravelMs + 1500}, {0, 1}, {kOpen, 1500}},
         false,
         0,
         2,
         0},
        {"closing onto the car", {{kOpen, G::kTravelMs}, {kClose, 3000}}, true, 0, 0, 1},
        {"closing onto the car, twice",
         {{kOpen, G::kTravelMs}, {kClose, 3000}, {0, 1}, {kClose, 10}},
         true,
         0,
         0,
         2},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        GatePlant gate;
        gate.setCar(c.car);
        for (const auto& [outputs, ms] : c.phases) {
            run(gate, outputs, ms);
        }
        EXPECT_EQ(count(gate, G::kBothWays), c.bothWays);
        EXPECT_EQ(count(gate, G::kAgainstLimit), c.againstLimit);
        EXPECT_EQ(count(gate, G::kOntoCar), c.ontoCar);
        EXPECT_EQ(gate.faultTotal(), c.bothWays + c.againstLimit + c.ontoCar);
    }
}

TEST(GatePlant, TheCarWaitsForTheGateAndStopsItClosing) {
    GatePlant gate;
    gate.setCar(true);
    EXPECT_EQ(gate.car(), G::Car::Waiting);
    run(gate, G::kMotorOpen, G::kCarClearance - 1);
    EXPECT_EQ(gate.car(), G::Car::Waiting);
    EXPECT_EQ(gate.sensors() & G::kPhotoEye, 0);
    gate.step(G::kMotorOpen);
    EXPECT_EQ(gate.car(), G::Car::InGateway);
    EXPECT_NE(gate.sensors() & G::kPhotoEye, 0);

    run(gate, G::kMotorClose, 100);
    EXPECT_EQ(gate.position(), G::kCarClearance);
    EXPECT_TRUE(gate.faults()[G::kOntoCar].active);
    gate.setCar(false);
    EXPECT_EQ(gate.sensors() & G::kPhotoEye, 0);
    gate.step(G::kMotorClose);
    EXPECT_EQ(gate.position(), G::kCarClearance - 1);
    EXPECT_FALSE(gate.faults()[G::kOntoCar].active);
}

TEST(GatePlant, APressLastsOneStepAndAHoldUntilReleased) {
    GatePlant gate;
    gate.remote().press();
    EXPECT_NE(gate.sensors() & G::kRemote, 0);
    gate.step(0);
    EXPECT_EQ(gate.sensors() & G::kRemote, 0);

    gate.stopButton().hold(true);
    run(gate, 0, 3);
    EXPECT_NE(gate.sensors() & G::kStop, 0);
    gate.stopButton().press();
    gate.stopButton().hold(false);
    EXPECT_NE(gate.sensors() & G::kStop, 0) << "a click shorter than a scan still counts";
    gate.step(0);
    EXPECT_EQ(gate.sensors() & G::kStop, 0);
}

TEST(GatePlant, ResetAndStateLine) {
    GatePlant gate;
    gate.setCar(true);
    gate.remote().hold(true);
    run(gate, G::kMotorOpen | G::kWarningLight, G::kTravelMs);
    run(gate, G::kMotorOpen | G::kMotorClose, 1);
    EXPECT_EQ(gate.stateLine(),
              "gate pos=8000 motor=both light=0 car=in open=1 closed=0 eye=1 remote=1 stop=0 "
              "faults=1 both-ways=1 against-limit=0 onto-car=0");
    gate.reset();
    EXPECT_EQ(gate.stateLine(),
              "gate pos=0 motor=off light=0 car=away open=0 closed=1 eye=0 remote=0 stop=0 "
              "faults=0 both-ways=0 against-limit=0 onto-car=0");
    EXPECT_EQ(gate.writeSensors(0xFFFF),
              0xFFFF & ~(G::kRemote | G::kOpenLimit | G::kPhotoEye | G::kStop));
}

} // namespace
} // namespace rungbox::machines
