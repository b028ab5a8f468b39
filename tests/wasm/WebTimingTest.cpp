// SPDX-License-Identifier: GPL-3.0-or-later
// The page's timing diagram over a session run millisecond by millisecond, natively and under the
// sanitizers: the VCD it hands over is the one the window writes.

#include "wasm/WebTiming.h"

#include "support/ProgramLines.h"

#include "trace/VcdWriter.h"

#include <gtest/gtest.h>

#include <sstream>

namespace rungbox::wasm {
namespace {

// "switch 0 lights output 0", recorded for 300 ms with switch 0 on from 100 ms.
class WebTimingTest : public ::testing::Test {
protected:
    WebTimingTest() {
        test::writeProgram(web.session().grid(), "LD 0; OUT 1000; END");
        timing.setRecording(true);
        web.toggleRun();
        web.advance(100);
        web.setSwitch(0, true);
        web.advance(200);
    }

    WebSession web;
    WebTiming timing{web};
};

TEST_F(WebTimingTest, TheVcdIsTheOneTheWindowWrites) {
    ASSERT_TRUE(timing.saveVcd());
    const auto saved = web.files().takeSaved();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->first, "timing.vcd");
    std::ostringstream expected;
    trace::VcdWriter(expected).write(web.session().tracing().recorder(), &web.session().names());
    EXPECT_EQ(saved->second, expected.str());
}

} // namespace
} // namespace rungbox::wasm
