// SPDX-License-Identifier: GPL-3.0-or-later
// The monitor answers "changed" exactly when the picture would change: a cell, the current line,
// the start or end of a run, or the power during a run.

#include "LadderText.h"

#include "ladder/Monitor.h"

#include <gtest/gtest.h>

namespace rungbox::test {
namespace {

TEST(MonitorTest, ChangedOnlyWhenThePictureChanges) {
    ProgramText program("LD|0\nOUT|1000\nEND");
    RecordingPanel panel;
    engine::Controller plc(panel);
    program.load(plc);
    ladder::Monitor monitor;

    EXPECT_TRUE(monitor.refresh(program.lines(), 1, nullptr));
    EXPECT_FALSE(monitor.refresh(program.lines(), 1, nullptr));
    EXPECT_EQ(monitor.layout().rungs().size(), 2u);

    EXPECT_TRUE(monitor.refresh(program.lines(), 2, nullptr)); // the cursor moved
    EXPECT_FALSE(monitor.refresh(program.lines(), 2, nullptr));

    ProgramText edited("LD|0\nOUT|1001\nEND");
    EXPECT_TRUE(monitor.refresh(edited.lines(), 2, nullptr)); // a cell changed
    EXPECT_EQ(monitor.layout().elements()[1].number, 1001);
    EXPECT_FALSE(monitor.refresh(edited.lines(), 2, nullptr));

    plc.scanReference();
    EXPECT_TRUE(monitor.refresh(edited.lines(), 2, &plc)); // the run started
    ASSERT_NE(monitor.flow(), nullptr);
    EXPECT_FALSE(monitor.flow()->net(1));
    plc.scanReference();
    EXPECT_FALSE(monitor.refresh(edited.lines(), 2, &plc)); // nothing moved
    panel.setSwitch(0, true);
    plc.scanReference();
    EXPECT_TRUE(monitor.refresh(edited.lines(), 2, &plc)); // power flows
    EXPECT_TRUE(monitor.flow()->net(1));
    EXPECT_TRUE(monitor.refresh(edited.lines(), 2, nullptr)); // the run stopped
    EXPECT_EQ(monitor.flow(), nullptr);
}

} // namespace
} // namespace rungbox::test
