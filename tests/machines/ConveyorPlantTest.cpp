// SPDX-License-Identifier: GPL-3.0-or-later
#include "machines/ConveyorPlant.h"

#include <gtest/gtest.h>

namespace rungbox::machines {
namespace {

using C = ConveyorPlant;

void run(ConveyorPlant& conveyor, std::uint16_t outputs, int ms) {
    for (int k = 0; k < ms; ++k) {
        conveyor.step(outputs);
    }
}

// Runs the belt until the foremost box's front reaches the pusher's eye, then stops it.
void bringToPusher(ConveyorPlant& conveyor) {
    while ((conveyor.sensors() & C::kAtPusher) == 0) {
        conveyor.step(C::kBelt);
    }
}

int count(const ConveyorPlant& conveyor, C::Fault fault) {
    return conveyor.faults()[fault].count;
}

TEST(ConveyorPlant, BoxesRideTheBeltPastTheSensorsIntoTheEndBin) {
    ConveyorPlant conveyor;
    EXPECT_EQ(conveyor.sensors(), C::kRetracted);
    conveyor.step(C::kFeeder);
    ASSERT_EQ(conveyor.boxes().size(), 1U);
    EXPECT_EQ(conveyor.sensors(), C::kRetracted | C::kAtEntry);
    run(conveyor, 0, 1000);
    EXPECT_EQ(conveyor.boxes()[0].x, 0) << "a stopped belt carries nothing";
    run(conveyor, C::kBelt, C::kEntryZone - 1);
    EXPECT_NE(conveyor.sensors() & C::kAtEntry, 0);
    conveyor.step(C::kBelt);
    EXPECT_EQ(conveyor.sensors() & C::kAtEntry, 0);

    bringToPusher(conveyor);
    EXPECT_EQ(conveyor.boxes()[0].x + C::kBoxLength - 1, C::kPusherEye);
    EXPECT_EQ((conveyor.sensors() & C::kTall) != 0, conveyor.boxes()[0].tall);
    run(conveyor, C::kBelt, C::kBoxLength - 1);
    EXPECT_NE(conveyor.sensors() & C::kAtPusher, 0) << "until the box's back passes the eye";
    conveyor.step(C::kBelt);
    EXPECT_EQ(conveyor.sensors() & C::kAtPusher, 0);
    run(conveyor, C::kBelt, C::kEndEye - C::kPusherEye - C::kBoxLength);
    EXPECT_EQ(conveyor.sensors() & (C::kAtPusher | C::kTall), 0);
    EXPECT_NE(conveyor.sensors() & C::kAtEnd, 0);

    // The box falls once its middle passes the end: 5800 ms of travel after the drop.
    const int left = C::kBeltLength - C::kBoxLength / 2 - conveyor.boxes()[0].x;
    run(conveyor, C::kBelt, left - 1);
    EXPECT_EQ(conveyor.boxes().size(), 1U);
    conveyor.step(C::kBelt);
    EXPECT_TRUE(conveyor.boxes().empty());
    const C::Bins bins = conveyor.bins();
    EXPECT_EQ(bins.endTall + bins.endShort, 1);
    EXPECT_EQ(bins.sideTall + bins.sideShort, 0);
    EXPECT_EQ(conveyor.faultTotal(), 0);
}

TEST(ConveyorPlant, TheFeederDropsABoxEveryCycleWhileOn) {
    ConveyorPlant conveyor;
    run(conveyor, C::kBelt | C::kFeeder, 2 * C::kFeedCycleMs + 1);
    EXPECT_EQ(conveyor.fed(), 3);
    EXPECT_EQ(conveyor.faultTotal(), 0) << "with the belt running they land apart";
    run(conveyor, C::kBelt, 10);
    run(conveyor, C::kBelt | C::kFeeder, 1);
    EXPECT_EQ(conveyor.fed(), 3) << "the feeder is still reloading";
}

TEST(ConveyorPlant, TheMixIsSeededAndAboutFortyPercentTall) {
    ConveyorPlant a;
    ConveyorPlant b;
    auto kinds = [](ConveyorPlant& conveyor) {
        std::string text;
        for (int k = 0; k < 200; ++k) {
            conveyor.step(C::kFeeder);
            text += conveyor.boxes().back().tall ? 'T' : 'S';
            run(conveyor, C::kBelt, C::kFeedCycleMs);
        }
        return text;
    };
    const std::string first = kinds(a);
    EXPECT_EQ(first, kinds(b));
    a.reset();
    EXPECT_EQ(first, kinds(a)) << "reset starts the sequence again";
    const auto tall = std::count(first.begin(), first.end(), 'T');
    EXPECT_GT(tall, 60);
    EXPECT_LT(tall, 100);
    EXPECT_NE(first.find("TS"), std::string::npos);
}

TEST(ConveyorPlant, ThePusherSortsABoxFromAStoppedBelt) {
    ConveyorPlant conveyor;
    conveyor.step(C::kFeeder);
    const bool tall = conveyor.boxes()[0].tall;
    bringToPusher(conveyor);
    run(conveyor, C::kPusherOut, C::kPusherStroke - 1);
    EXPECT_EQ(conveyor.boxes()[0].side, C::kPusherStroke - 1);
    EXPECT_EQ(conveyor.sensors() & (C::kExtended | C::kRetracted), 0);
    conveyor.step(C::kPusherOut);
    EXPECT_TRUE(conveyor.boxes().empty());
    EXPECT_EQ(conveyor.sensors(), C::kExtended);
    EXPECT_EQ(conveyor.bins().sideTall, tall ? 1 : 0);
    EXPECT_EQ(conveyor.bins().sideShort, tall ? 0 : 1);
    run(conveyor, 0, C::kPusherStroke);
    EXPECT_EQ(conveyor.sensors(), C::kRetracted);
    EXPECT_EQ(conveyor.faultTotal(), 0);
}

// Each row places one box with its front at the pusher's eye, moved on by `offset` mm, then
// plays phases of (outputs, ms) and expects the jams that follow.
struct JamCase {
    const char* name;
    int offset;
    std::vector<std::pair<std::uint16_t, int>> phases;
    int jamPusher;
    int boxesLeft;
};

TEST(ConveyorPlant, JamsAtThePusher) {
    constexpr std::uint16_t kBelt = C::kBelt, kOut = C::kPusherOut;
    // The box's front is at the eye; it stands wholly in the face for 50 mm more of travel.
    constexpr int kFaceSlack = C::kFaceEnd - C::kPusherEye - 1;
    const std::vector<JamCase> cases = {
        {"pushed while the belt moves", 0, {{kBelt | kOut, 1}}, 1, 0},
        {"belt started during the push", 0, {{kOut, 100}, {kBelt | kOut, 1}}, 1, 0},
        {"box pushed 1 mm, then carried", 0, {{kOut, 1}, {kBelt, 1}}, 1, 0},
        {"box carried into the pusher when out", -500, {{kOut, 10}, {kBelt | kOut, 200}}, 1, 0},
        {"box not wholly in front", kFaceSlack + 1, {{kOut, 1}}, 1, 0},
        {"box just wholly in front", kFaceSlack, {{kOut, C::kPusherStroke}}, 0, 0},
        {"pusher out with no box in front", -600, {{kOut, 600}, {0, 600}, {kBelt, 300}}, 0, 1},
    };
    for (const JamCase& c : cases) {
        SCOPED_TRACE(c.name);
        ConveyorPlant conveyor;
        conveyor.step(C::kFeeder);
        run(conveyor, kBelt, C::kPusherEye - C::kBoxLength + 1 + c.offset);
        for (const auto& [outputs, ms] : c.phases) {
            run(conveyor, outputs, ms);
        }
        EXPECT_EQ(count(conveyor, C::kJamPusher), c.jamPusher);
        EXPECT_EQ(conveyor.faults()[C::kJamPusher].active, c.jamPusher > 0);
        EXPECT_EQ(static_cast<int>(conveyor.boxes().size()), c.boxesLeft);
    }
}

TEST(ConveyorPlant, ABoxFedOntoAnotherJamsAtTheEntry) {
    for (const int before : {C::kBoxLength - 1, C::kBoxLength}) {
        SCOPED_TRACE(before);
        const bool jams = before < C::kBoxLength;
        ConveyorPlant conveyor;
        conveyor.step(C::kFeeder);
        run(conveyor, C::kBelt, before);
        run(conveyor, 0, C::kFeedCycleMs - before - 1);
        conveyor.step(C::kFeeder);
        EXPECT_EQ(conveyor.fed(), 2);
        EXPECT_EQ(count(conveyor, C::kJamEntry), jams ? 1 : 0);
        EXPECT_EQ(conveyor.faults()[C::kJamEntry].active, jams);
        EXPECT_EQ(conveyor.boxes().size(), jams ? 1U : 2U) << "a jammed box is taken off";
        run(conveyor, 0, C::kJamShowMs);
        EXPECT_FALSE(conveyor.faults()[C::kJamEntry].active);
        EXPECT_EQ(count(conveyor, C::kJamEntry), jams ? 1 : 0);
    }
}

TEST(ConveyorPlant, ResetAndStateLine) {
    ConveyorPlant conveyor;
    conveyor.startButton().press();
    EXPECT_EQ(conveyor.stateLine(),
              "conveyor belt=0 feeder=0 pusher=0 boxes=- fed=0 side-tall=0 side-short=0 "
              "end-tall=0 end-short=0 entry=0 front=0 tall=0 at-end=0 start=1 stop=0 faults=0 "
              "jam-pusher=0 jam-entry=0");
    conveyor.step(C::kFeeder);
    run(conveyor, C::kBelt, C::kEntryZone);
    conveyor.step(C::kFeeder | C::kBelt);
    run(conveyor, C::kPusherOut, 3);
    EXPECT_EQ(conveyor.stateLine(),
              "conveyor belt=0 feeder=0 pusher=3 boxes=T801,S1 fed=2 side-tall=0 side-short=0 "
              "end-tall=0 end-short=0 entry=1 front=0 tall=0 at-end=0 start=0 stop=0 faults=0 "
              "jam-pusher=0 jam-entry=0");
    conveyor.reset();
    EXPECT_EQ(conveyor.boxes().size(), 0U);
    EXPECT_EQ(conveyor.fed(), 0);
    EXPECT_EQ(conveyor.sensors(), C::kRetracted);
}

} // namespace
} // namespace rungbox::machines
