#include "machines/ModuleHost.h"

#include <gtest/gtest.h>

namespace rungbox::machines {
namespace {

TEST(ModuleHost, NoneLeavesTheInputsToTheSwitches) {
    ModuleHost host;
    EXPECT_EQ(host.kind(), ModuleKind::None);
    EXPECT_EQ(host.plant(), nullptr);
    EXPECT_EQ(host.sensorMask(), 0);
    EXPECT_EQ(host.inputs(0xA5F3), 0xA5F3);
    host.afterScan(0xFFFF);
    EXPECT_EQ(host.gate().position(), 0);
}

TEST(ModuleHost, TheChosenMachineDrivesItsInputsAndSteps) {
    ModuleHost host;
    host.choose(ModuleKind::Gate);
    EXPECT_EQ(host.plant(), &host.gate());
    EXPECT_EQ(host.sensorMask(), 0x1F);
    EXPECT_EQ(host.inputs(0xFFFF), 0xFFE0 | GatePlant::kClosedLimit);
    host.afterScan(GatePlant::kMotorOpen);
    EXPECT_EQ(host.gate().position(), 1);
    EXPECT_EQ(host.inputs(0), 0);

    host.choose(ModuleKind::Conveyor);
    EXPECT_EQ(host.inputs(0xFF00), 0xFF00 | ConveyorPlant::kRetracted);
    host.afterScan(ConveyorPlant::kFeeder);
    EXPECT_EQ(host.conveyor().fed(), 1);
    EXPECT_EQ(host.gate().position(), 1) << "only the chosen machine steps";
    host.reset();
    EXPECT_EQ(host.conveyor().fed(), 0);
    host.choose(ModuleKind::Gate);
    EXPECT_EQ(host.gate().position(), 0) << "choosing starts the machine afresh";
}

TEST(ModuleHost, Words) {
    for (const auto kind : {ModuleKind::None, ModuleKind::Gate, ModuleKind::Conveyor}) {
        EXPECT_EQ(moduleKindNamed(moduleWord(kind)), kind);
    }
    EXPECT_EQ(moduleWord(ModuleKind::Conveyor), "conveyor");
    EXPECT_EQ(moduleKindNamed("Gate"), std::nullopt);
    EXPECT_EQ(moduleKindNamed(""), std::nullopt);
}

} // namespace
} // namespace rungbox::machines
