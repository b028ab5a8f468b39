// SPDX-License-Identifier: GPL-3.0-or-later
// The conveyor example running on the controller with its plant, and broken programs that give
// the faults a student should learn from. The gate example's cars, beam and stop button are played
// to the millisecond by the sim case gate_solution.

#include "PlantRig.h"
#include "machines/ConveyorPlant.h"
#include "machines/GatePlant.h"

namespace rungbox::test {
namespace {

using C = machines::ConveyorPlant;
using G = machines::GatePlant;
constexpr long kTwoMinutes = 120'000;

// Ten minutes of it run in the sim case conveyor_solution; here two, then the stop and a restart.
TEST(ConveyorSolution, SortsEveryBoxAndStopsCleanly) {
    C conveyor;
    PlantRig rig{conveyor};
    rig.loadExample("conveyor.PLC");
    conveyor.startButton().press();
    ASSERT_TRUE(rig.run(kTwoMinutes));
    const C::Bins& bins = conveyor.bins();
    EXPECT_EQ(conveyor.faultTotal(), 0);
    EXPECT_EQ(bins.sideShort, 0);
    EXPECT_EQ(bins.endTall, 0);
    EXPECT_GT(bins.sideTall, 20);
    EXPECT_GT(bins.endShort, 40);
    EXPECT_TRUE(conveyor.beltRunning());

    // Stop just after a box was fed: it has the whole belt still to travel.
    // (The belt carries a box 1 mm in the millisecond it is dropped.)
    for (int ms = 0; conveyor.boxes().empty() || conveyor.boxes().back().x > 1; ++ms) {
        ASSERT_LT(ms, 10'000);
        ASSERT_TRUE(rig.run(1));
    }
    conveyor.stopButton().press();
    ASSERT_TRUE(rig.run(2));
    EXPECT_FALSE(conveyor.feederOn());
    ASSERT_TRUE(rig.run(20'000));
    EXPECT_FALSE(conveyor.beltRunning());
    EXPECT_TRUE(conveyor.boxes().empty()) << "the belt runs until it is empty";
    EXPECT_EQ(conveyor.fed(), bins.sideTall + bins.endShort);
    EXPECT_EQ(conveyor.faultTotal(), 0);

    conveyor.startButton().press();
    ASSERT_TRUE(rig.run(2));
    EXPECT_TRUE(conveyor.beltRunning());
}

// Broken programs and the faults they earn.
struct BrokenCase {
    const char* name;
    bool gate;
    std::string program;
    long ms;
    std::string faults; // the fault words of the state line
};

TEST(BrokenPrograms, GiveTheExpectedFaults) {
    const std::vector<BrokenCase> cases = {
        {"both motors on", true, "LD 0; OR 1000; OUT 1000; OUT 1001; END", 100,
         "faults=1 both-ways=1 against-limit=0 onto-car=0"},
        {"opening past the limit", true, "LD 0; OR 1000; OUT 1000; END", 9100,
         "faults=1 both-ways=0 against-limit=1 onto-car=0"},
        {"pusher fired with the belt running", false,
         "LD 0; OR 1000; OUT 1000; LD 3; OUT 1002; LD 1000; AND NOT 2; OUT 1001; END", 10'000,
         "faults=9 jam-pusher=9 jam-entry=0"},
        {"feeding onto a stopped belt", false, "LD 0; OR 1001; OUT 1001; END", 600,
         "faults=1 jam-pusher=0 jam-entry=1"},
    };
    for (const BrokenCase& c : cases) {
        SCOPED_TRACE(c.name);
        G gate;
        C conveyor;
        machines::Plant& plant = c.gate ? static_cast<machines::Plant&>(gate) : conveyor;
        PlantRig rig{plant};
        rig.load(c.program);
        (c.gate ? gate.remote() : conveyor.startButton()).press();
        ASSERT_TRUE(rig.run(c.ms));
        const std::string line = plant.stateLine();
        EXPECT_EQ(line.substr(line.find(" faults=") + 1), c.faults);
    }
}

} // namespace
} // namespace rungbox::test
