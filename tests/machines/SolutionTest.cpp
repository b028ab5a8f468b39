// SPDX-License-Identifier: GPL-3.0-or-later
// Broken programs on the controller with a plant, giving the faults a student should learn from.
// The examples themselves run in the sim cases gate_solution and conveyor_solution (every box in
// its bin, a clean stop), and both motors on in module_both_ways.

#include "PlantRig.h"
#include "machines/ConveyorPlant.h"
#include "machines/GatePlant.h"

namespace rungbox::test {
namespace {

using C = machines::ConveyorPlant;
using G = machines::GatePlant;

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
