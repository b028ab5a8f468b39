// SPDX-License-Identifier: GPL-3.0-or-later
// The page's explorations from files' bytes, where memory matters: refused, run in chunks to the
// window's result with the run kept between two calls, or cancelled between two chunks.

#include "wasm/WebExplore.h"

#include "support/ProgramLines.h"

#include <gtest/gtest.h>

#include <string>

namespace rungbox::wasm {
namespace {

// Switch 0 lights lamp 0 while on; the latch keeps it lit after.
const std::string kFollow = test::programFile("LD 0; OUT 1000; END");
const std::string kLatch = test::programFile("LD 0; OR 1000; OUT 1000; END");

TEST(WebExploreTest, RefusalsGiveTheWindowsReasons) {
    struct Case {
        const char* what;
        bool (*start)(WebExplore&);
        std::string result;   // the start of the result text
        std::string messages; // a part of the message boxes' JSON
    };
    const Case cases[] = {
        {"no property", [](WebExplore& e) { return e.prove(kFollow, "# none\n"); }, "No property.",
         "[]"},
        {"a program that cannot start",
         [](WebExplore& e) { return e.prove("not a program", "never 1000\n"); },
         "The program cannot start.", "the program: not a Rungbox program file"},
        {"a reference that is no program",
         [](WebExplore& e) { return e.compare("ref.PLC", "junk", kLatch); }, "",
         "ref.PLC: not a Rungbox program file"},
    };
    for (const Case& c : cases) {
        WebExplore explore;
        EXPECT_FALSE(c.start(explore)) << c.what;
        EXPECT_EQ(explore.resultText().rfind(c.result, 0), 0U)
            << c.what << ": " << explore.resultText();
        EXPECT_NE(explore.takeMessages().find(c.messages), std::string::npos) << c.what;
        EXPECT_FALSE(explore.advance()) << c.what;
    }
}

TEST(WebExploreTest, ComparisonsRunInChunksToTheWindowsResult) {
    WebExplore explore;
    ASSERT_TRUE(explore.compare("ref.PLC", kLatch, kFollow));
    int chunks = 0;
    while (explore.advance()) {
        ++chunks;
        ASSERT_LT(chunks, 1000) << "the exploration ends";
    }
    const std::string head = "Reference: ref.PLC\nCandidate: the program in the grid\n\n";
    EXPECT_EQ(explore.resultText().rfind(head + "Different: relay 1000", 0), 0U);
    EXPECT_NE(explore.resultText().find("rungbox-sim script:\n" + explore.script()),
              std::string::npos)
        << "the result shows the script";
}

TEST(WebExploreTest, ACancelStopsBetweenTwoChunks) {
    WebExplore explore;
    ASSERT_TRUE(explore.compare("ref.PLC", kLatch, kFollow));
    explore.cancel();
    EXPECT_TRUE(explore.cancelled());
    EXPECT_FALSE(explore.advance()) << "nothing more after a cancel";
    EXPECT_EQ(explore.resultText().rfind("Cancelled.\nReference: ref.PLC\n", 0), 0U);
    EXPECT_EQ(explore.script(), "") << "no counterexample from a cancelled exploration";
}

} // namespace
} // namespace rungbox::wasm
