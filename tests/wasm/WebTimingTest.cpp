// SPDX-License-Identifier: GPL-3.0-or-later
// The page's timing diagram over a session run millisecond by millisecond: the VCD it hands over
// is the one the window writes, the picture shows the program's rows with their values at the
// cursor, and a refused signal says why.

#include "wasm/WebTiming.h"

#include "trace/VcdWriter.h"

#include <gtest/gtest.h>

#include <sstream>

namespace rungbox::wasm {
namespace {

// "switch 0 lights output 0", recorded for 300 ms with switch 0 on from 100 ms.
class WebTimingTest : public ::testing::Test {
protected:
    WebTimingTest() {
        const char* const lines[][2] = {{"LD", "0"}, {"OUT", "1000"}, {"END", ""}};
        for (int line = 0; line < 3; ++line) {
            web.session().grid().setText(line + 1, editor::kCodeCol, lines[line][0]);
            web.session().grid().setText(line + 1, editor::kLocationCol, lines[line][1]);
        }
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

TEST_F(WebTimingTest, ThePictureShowsTheProgramsRowsAndTheirValuesAtTheCursor) {
    timing.track(300); // ten milliseconds a pixel at the start
    EXPECT_DOUBLE_EQ(timing.cursorAt(15), 150);
    EXPECT_DOUBLE_EQ(timing.cursorAt(10000), 300) << "kept within the recording";
    const std::string picture = timing.pictureJson(300, 150, false);
    EXPECT_NE(picture.find("\"empty\":false,\"rows\":[{\"name\":\"in0\",\"label\":\"in0\","
                           "\"number\":false,\"value\":\"1\""),
              std::string::npos)
        << picture;
    EXPECT_NE(picture.find("{\"name\":\"out0\""), std::string::npos);
    EXPECT_EQ(picture.find("\"in1\""), std::string::npos) << "hidden until added";
    EXPECT_NE(picture.find("\"cursor\":[15,\"t = 150 ms\",\"scan 150\"]"), std::string::npos);
    // in0 rises at 101 ms, within column 10, which draws a full stroke.
    EXPECT_NE(picture.find("\"line\":[0,0,10,0,10,1,10,0,10,1,30,1],\"high\":[10,30]"),
              std::string::npos)
        << picture;

    EXPECT_TRUE(timing.addSignal("in1"));
    EXPECT_NE(timing.pictureJson(300, -1, false).find("\"in1\""), std::string::npos);
    EXPECT_FALSE(timing.addSignal("in1"));
    EXPECT_EQ(timing.status(-1), "in1 is shown already.");
    EXPECT_TRUE(timing.removeSignal("in1"));
    EXPECT_EQ(timing.status(150),
              "Recording \xB7 63 signals \xB7 0 to 300 ms, 300 scans \xB7 cursor 150 ms, scan 150");
}

} // namespace
} // namespace rungbox::wasm
