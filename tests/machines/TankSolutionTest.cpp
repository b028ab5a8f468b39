// SPDX-License-Identifier: GPL-3.0-or-later
// Broken lead/lag programs on the controller with the Tank and Pumps, each earning the fault a
// student should learn from. The example solution runs in examples.pump_lead_lag.

#include "PlantRig.h"
#include "machines/TankPlant.h"

namespace rungbox::test {
namespace {

using T = machines::TankPlant;

struct BrokenTankCase {
    const char* name;
    std::string program;
    long tripAfterMs;   // pump 1 trips after this long (0: never)
    std::string faults; // the fault words of the state line after five minutes of the seeded
                        // inflow: a surge and a dry run in every cycle, one overflow that lasts
};

TEST(BrokenTankPrograms, GiveTheExpectedFaults) {
    const std::vector<BrokenTankCase> cases = {
        {"no pump at all", "LD 1000; OUT 1000; END", 0,
         "faults=1 overflow=1 dry-run=0 surge=0 trip-commanded=0"},
        {"both pumps started together at high", "LD 2; OR 1000; AND 1; OUT 1000; OUT 1001; END", 0,
         "faults=11 overflow=0 dry-run=0 surge=11 trip-commanded=0"},
        {"stopping at low-low: the run-down runs dry", "LD 2; OR 1000; AND 0; OUT 1000; END", 0,
         "faults=3 overflow=0 dry-run=3 surge=0 trip-commanded=0"},
        {"a trip ignored", "LD 2; OR 1000; AND 1; OUT 1000; END", 60'000,
         "faults=2 overflow=1 dry-run=0 surge=0 trip-commanded=1"},
    };
    for (const BrokenTankCase& c : cases) {
        SCOPED_TRACE(c.name);
        T tank;
        PlantRig rig{tank};
        rig.load(c.program);
        const long first = c.tripAfterMs > 0 ? c.tripAfterMs : 300'000;
        ASSERT_TRUE(rig.run(first));
        tank.setTripped(0, c.tripAfterMs > 0);
        ASSERT_TRUE(rig.run(300'000 - first));
        const std::string line = tank.stateLine();
        EXPECT_EQ(line.substr(line.find(" faults=") + 1), c.faults);
    }
}

} // namespace
} // namespace rungbox::test
