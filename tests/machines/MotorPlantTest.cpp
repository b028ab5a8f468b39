// SPDX-License-Identifier: GPL-3.0-or-later
#include "machines/MotorPlant.h"
#include "PlantRig.h"
#include "machines/Random.h"
#include "machines/Scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace rungbox::machines {
namespace {

using M = MotorPlant;

void run(MotorPlant& motor, std::uint16_t outputs, int ms) {
    for (int k = 0; k < ms; ++k) {
        motor.step(outputs);
    }
}

int count(const MotorPlant& motor, M::Fault fault) {
    return motor.faults()[fault].count;
}

bool active(const MotorPlant& motor, M::Fault fault) {
    return motor.faults()[fault].active;
}

// --- Speed -------------------------------------------------------------------------------------

// Each millisecond the speed goes 1/tau of the way to its target: after one time constant it has
// gone 1 - (1 - 1/tau)^tau = 63.2 % of the way (e^-1 left), after ten it is there.
TEST(MotorPlant, SpeedFollowsAFirstOrderLagForEachWayOfDrivingIt) {
    struct Case {
        const char* what;
        std::uint16_t outputs;
        double startRpm; ///< reached first by running direct on line forward
        int ms;
        double rpm;
    };
    const Case cases[] = {
        {"direct on line, 1 s: 1450 * 0.6323", M::kK1Forward, 0, 1000, 916.8},
        {"delta alone is the same", M::kK1Forward | M::kK4Delta, 0, 1000, 916.8},
        {"reverse turns the other way", M::kK2Reverse, 0, 1000, -916.8},
        {"star, 3 s: 1300 * 0.6322", M::kK1Forward | M::kK3Star, 0, 3000, 821.8},
        {"coasting from 1450, 4 s: 1450 * 0.3678", 0, 1450, 4000, 533.4},
        {"star and delta together drive nothing", M::kK1Forward | M::kK3Star | M::kK4Delta, 1450,
         4000, 533.4},
        {"both directions drive nothing", M::kK1Forward | M::kK2Reverse, 1450, 4000, 533.4},
        {"star or delta without a direction drive nothing", M::kK3Star | M::kK4Delta, 0, 1000, 0},
    };
    for (const Case& c : cases) {
        MotorPlant motor;
        if (c.startRpm > 0) {
            run(motor, M::kK1Forward, 10000);
            ASSERT_EQ(motor.speed(), 1450) << "ten time constants settle on the target";
        }
        run(motor, c.outputs, c.ms);
        EXPECT_NEAR(motor.speed(), c.rpm, 0.1) << c.what;
    }
}

TEST(MotorPlant, TurningInputAboveSixtyRpmAndACoastingMotorStops) {
    MotorPlant motor;
    EXPECT_EQ(motor.sensors(), M::kStopClosed | M::kOverloadOk) << "stop and overload are NC";
    // 1450 * (1 - 0.999^n) passes 60 rpm at n = 43.
    run(motor, M::kK1Forward, 42);
    EXPECT_EQ(motor.sensors() & M::kTurning, 0);
    motor.step(M::kK1Forward);
    EXPECT_NE(motor.sensors() & M::kTurning, 0);
    run(motor, M::kK1Forward, 10000);
    // 1450 * (1 - 1/4000)^n falls below 60 rpm at n = 12739; then it settles on 0.
    run(motor, 0, 12738);
    EXPECT_NE(motor.sensors() & M::kTurning, 0);
    motor.step(0);
    EXPECT_EQ(motor.sensors() & M::kTurning, 0);
    run(motor, 0, 20000);
    EXPECT_EQ(motor.speed(), 0);
    EXPECT_NE(motor.stateLine().find(" speed=0 turning=0 "), std::string::npos);
}

TEST(MotorPlant, ButtonsReachTheInputsAndTheStopIsNormallyClosed) {
    MotorPlant motor;
    motor.operate(M::kForward, Touch::Press);
    motor.operate(M::kStop, Touch::Press);
    EXPECT_EQ(motor.sensors(), M::kForwardButton | M::kOverloadOk);
    motor.step(0);
    motor.operate(M::kReverse, Touch::Hold);
    EXPECT_EQ(motor.sensors(), M::kReverseButton | M::kStopClosed | M::kOverloadOk);
}

TEST(MotorPlant, AStalledShaftStopsWithinAFifthOfASecondWhateverDrivesIt) {
    MotorPlant motor;
    run(motor, M::kK1Forward, 10000);
    motor.operate(M::kStall, Touch::On);
    // 1450 * (1 - 1/50)^200 = 25.5 rpm.
    run(motor, M::kK1Forward, 200);
    EXPECT_NEAR(motor.speed(), 25.5, 0.1);
    EXPECT_EQ(motor.sensors() & M::kTurning, 0);
}

// --- Overload relay ----------------------------------------------------------------------------

TEST(MotorPlant, OverloadTripsAfterFiveSecondsStalledAndResetClosesItAgain) {
    MotorPlant motor;
    motor.operate(M::kStall, Touch::On);
    run(motor, M::kK1Forward, M::kStallTripMs - 1);
    EXPECT_FALSE(motor.tripped());
    motor.step(M::kK1Forward);
    EXPECT_TRUE(motor.tripped());
    EXPECT_EQ(motor.sensors() & M::kOverloadOk, 0);
    run(motor, 0, 1000);
    EXPECT_TRUE(motor.tripped()) << "it stays tripped until the Reset button";
    motor.operate(M::kReset, Touch::Press);
    motor.step(0);
    EXPECT_FALSE(motor.tripped());
    EXPECT_NE(motor.sensors() & M::kOverloadOk, 0);
    EXPECT_EQ(motor.faultTotal(), 0) << "opened at once after the trip: no run-on";
}

TEST(MotorPlant, TheSeventhStartWithinAMinuteTrips) {
    MotorPlant motor;
    const auto start = [&motor] {
        run(motor, M::kK1Forward, 10);
        run(motor, 0, 10);
    };
    for (int k = 0; k < M::kMaxStarts; ++k) {
        start();
    }
    EXPECT_EQ(motor.recentStarts(), 6);
    EXPECT_FALSE(motor.tripped());
    run(motor, 0, M::kStartWindowMs);
    start();
    EXPECT_EQ(motor.recentStarts(), 1) << "starts a minute old are forgotten";
    EXPECT_FALSE(motor.tripped());
    for (int k = 1; k < M::kMaxStarts; ++k) {
        start();
    }
    EXPECT_FALSE(motor.tripped());
    motor.step(M::kK2Reverse); // a start the other way counts as well
    EXPECT_TRUE(motor.tripped());
    EXPECT_EQ(motor.recentStarts(), 7);
    for (int k = 0; k < 20; ++k) {
        start();
    }
    EXPECT_EQ(motor.recentStarts(), 7) << "the relay remembers no more than it needs";
}

// --- Faults ------------------------------------------------------------------------------------

TEST(MotorPlant, ContactorPairsThatShortTheSupplyCountOncePerClosing) {
    const struct {
        std::uint16_t pair;
        M::Fault fault;
    } cases[] = {{M::kK1Forward | M::kK2Reverse, M::kShortCircuit},
                 {M::kK3Star | M::kK4Delta, M::kStarDelta}};
    for (const auto& c : cases) {
        MotorPlant motor;
        run(motor, c.pair, 100);
        EXPECT_EQ(count(motor, c.fault), 1);
        EXPECT_TRUE(active(motor, c.fault));
        run(motor, static_cast<std::uint16_t>(c.pair & (c.pair - 1)), 10); // one of the pair opens
        EXPECT_FALSE(active(motor, c.fault));
        run(motor, c.pair, 1);
        EXPECT_EQ(count(motor, c.fault), 2);
        EXPECT_EQ(motor.faultTotal(), 2);
    }
}

TEST(MotorPlant, ReversingWhileTurningIsASurgeButFromStandstillIsFine) {
    MotorPlant motor;
    run(motor, M::kK1Forward, 10000);
    motor.step(M::kK2Reverse);
    EXPECT_EQ(count(motor, M::kReversal), 1);
    EXPECT_TRUE(active(motor, M::kReversal));
    // Plugged: 1450 rpm towards -1450 with a 1 s lag passes +60 rpm after about 0.64 s.
    run(motor, M::kK2Reverse, 600);
    EXPECT_TRUE(active(motor, M::kReversal));
    EXPECT_EQ(count(motor, M::kReversal), 1) << "a lasting fault counts once";
    run(motor, M::kK2Reverse, 100);
    EXPECT_FALSE(active(motor, M::kReversal));

    // Stopped first: coasting from -1450 rpm below 60 takes 12739 ms.
    run(motor, M::kK2Reverse, 10000);
    run(motor, 0, 12739);
    run(motor, M::kK1Forward, 10000);
    EXPECT_EQ(count(motor, M::kReversal), 1);
    EXPECT_EQ(motor.faultTotal(), 1);
}

TEST(MotorPlant, RunningOnMoreThanTheGraceAfterATripIsAFault) {
    MotorPlant motor;
    motor.operate(M::kStall, Touch::On);
    run(motor, M::kK2Reverse, M::kStallTripMs);
    ASSERT_TRUE(motor.tripped());
    run(motor, M::kK2Reverse, M::kRunOnGraceMs);
    EXPECT_EQ(count(motor, M::kRunOn), 0);
    motor.step(M::kK2Reverse);
    EXPECT_EQ(count(motor, M::kRunOn), 1);
    EXPECT_TRUE(active(motor, M::kRunOn));
    run(motor, M::kK2Reverse, 1000);
    EXPECT_EQ(count(motor, M::kRunOn), 1);
    run(motor, 0, 10);
    EXPECT_FALSE(active(motor, M::kRunOn));
    motor.step(M::kK1Forward);
    EXPECT_EQ(count(motor, M::kRunOn), 2) << "started again while tripped";
    motor.operate(M::kReset, Touch::Press);
    motor.step(M::kK1Forward);
    EXPECT_FALSE(active(motor, M::kRunOn));
}

TEST(MotorPlant, EachActiveFaultIsMarkedWhereItHappens) {
    const struct {
        std::uint16_t outputs;
        const char* words;
    } cases[] = {{M::kK1Forward | M::kK2Reverse, "Short circuit K1 + K2"},
                 {M::kK3Star | M::kK4Delta, "Star and delta closed"}};
    for (const auto& c : cases) {
        MotorPlant motor;
        motor.step(c.outputs);
        const Scene scene = sceneOf(motor, true);
        ASSERT_EQ(scene.faultMarks().size(), 1U);
        EXPECT_EQ(scene.faultMarks()[0].second, c.words);
    }
    MotorPlant motor;
    run(motor, M::kK1Forward, 2000);
    motor.step(M::kK2Reverse);
    ASSERT_EQ(sceneOf(motor, true).faultMarks().size(), 1U);
    EXPECT_EQ(sceneOf(motor, true).faultMarks()[0].second, "Reversed while turning");
}

// --- A solution against busy hands -------------------------------------------------------------

// The example's reversing star-delta starter (examples/motor_reversing.PLC) and the same with one
// safeguard left out.
std::string starter(bool waitForStandstill, bool watchOverload) {
    const std::string still = waitForStandstill ? "AND NOT 4; " : "";
    const std::string overload = watchOverload ? "AND 3; " : "";
    return "LD 0; " + still + "OR 2000; AND 2; " + overload + "AND NOT 2001; OUT 2000; " +
           "LD 1; " + still + "OR 2001; AND 2; " + overload + "AND NOT 2000; OUT 2001; " +
           "LD 2000; AND NOT 1001; OUT 1000; LD 2001; AND NOT 1000; OUT 1001; "
           "LD 2000; OR 2001; TIM 0 30; "
           "LD 2000; OR 2001; AND NOT TIM 0; AND NOT 1003; OUT 1002; "
           "LD TIM 0; AND NOT 1002; OUT 1003; END";
}

// Five simulated minutes of a hand that about once a second presses a button or turns the
// Stall switch on or off, the same hand for every program.
struct BusyRun {
    int faults = 0;
    int trippedMs = 0;
    int turningMs = 0;
    std::string line;
};

BusyRun busyHands(const std::string& program) {
    MotorPlant motor;
    test::PlantRig rig{motor};
    rig.load(program);
    Random random(7);
    BusyRun result;
    for (int second = 0; second < 300; ++second) {
        for (int ms = 0; ms < 1000; ms += 10) {
            if (random.next() % 100 == 0) {
                const std::size_t control = random.next() % M::kControls.size();
                const bool on = random.chance(50);
                motor.operate(control,
                              control == M::kStall ? (on ? Touch::On : Touch::Off) : Touch::Press);
            }
            EXPECT_TRUE(rig.run(10));
            result.trippedMs += motor.tripped() ? 10 : 0;
            result.turningMs += (motor.sensors() & M::kTurning) != 0 ? 10 : 0;
        }
    }
    result.faults = motor.faultTotal();
    result.line = motor.stateLine();
    return result;
}

TEST(MotorPlant, TheExampleStarterNeverFaultsWhateverTheHandsDo) {
    const BusyRun good = busyHands(starter(true, true));
    EXPECT_EQ(good.faults, 0) << good.line;
    EXPECT_GT(good.turningMs, 30'000) << "the hands did start the motor";
    EXPECT_GT(good.trippedMs, 0) << "and stalled it long enough to trip the relay";

    const BusyRun hasty = busyHands(starter(false, true));
    EXPECT_EQ(hasty.line.find(" reversal=0"), std::string::npos) << hasty.line;
    const BusyRun deaf = busyHands(starter(true, false));
    EXPECT_EQ(deaf.line.find(" run-on=0"), std::string::npos) << deaf.line;
}

} // namespace
} // namespace rungbox::machines
