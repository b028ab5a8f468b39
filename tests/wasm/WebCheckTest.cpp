// SPDX-License-Identifier: GPL-3.0-or-later
// The page's checks: a script's tests as the page lists them (a hidden test without details), and
// explorations from files' bytes: refused with the window's reasons, run in chunks to the
// window's result, or cancelled between two chunks.

#include "wasm/WebCheck.h"
#include "wasm/WebExplore.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace rungbox::wasm {
namespace {

// A program file of `lines`, each three cells: code, location, set value.
std::string programFile(std::initializer_list<std::initializer_list<const char*>> lines) {
    std::string bytes = "QZV_RUNGBOX_MAGIC\r\n1.00\r\n";
    for (const auto& line : lines) {
        for (const char* cell : line) {
            bytes += std::string(cell) + "\r\n";
        }
    }
    return bytes;
}

// Switch 0 lights lamp 0 while on; the latch keeps it lit after.
const std::string kFollow = programFile({{"LD", "0", ""}, {"OUT", "1000", ""}, {"END", "", ""}});
const std::string kLatch =
    programFile({{"LD", "0", ""}, {"OR", "1000", ""}, {"OUT", "1000", ""}, {"END", "", ""}});

TEST(WebCheckTest, AHiddenTestCarriesOnlyItsResult) {
    WebSession web;
    ASSERT_TRUE(web.offerAndLoad("follow.PLC", kFollow));
    WebCheck check(web);
    const std::string json = check.check("press\nin 0 1\nscan\ntest lit 2\nexpect out "
                                         "0000000000000000\ntest secret 3 hidden\nexpect out "
                                         "0000000000000000\ntest on\nexpect relay 1000 1\n");
    EXPECT_EQ(json, R"({"score":"1 of 6 points","message":"","tests":[)"
                    R"({"name":"lit","passed":false,"hidden":false,"points":"0/2",)"
                    R"("expected":"out 0000000000000000","got":"1000000000000000",)"
                    R"("when":"line 5, scan 1, 0 ms"},)"
                    R"({"name":"secret","passed":false,"hidden":true,"points":"0/3",)"
                    R"("expected":"","got":"","when":""},)"
                    R"({"name":"on","passed":true,"hidden":false,"points":"1/1",)"
                    R"("expected":"","got":"","when":""}]})");
    EXPECT_FALSE(web.running()) << "the page's own session did not run";
}

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
        {"a line not understood",
         [](WebExplore& e) { return e.prove(kFollow, "never 1000\nsometimes 1000\n"); }, "line 2",
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
    struct Case {
        const std::string* reference;
        std::string verdict;
        bool script;
    };
    for (const Case& c :
         {Case{&kLatch, "Different: relay 1000", true}, Case{&kFollow, "Equivalent: ", false}}) {
        WebExplore explore;
        ASSERT_TRUE(explore.compare("ref.PLC", *c.reference, kFollow));
        int chunks = 0;
        while (explore.advance()) {
            ++chunks;
            ASSERT_LT(chunks, 1000) << "the exploration ends";
        }
        EXPECT_NE(explore.progressText().find(" states, every sequence of up to "),
                  std::string::npos);
        const std::string head = "Reference: ref.PLC\nCandidate: the program in the grid\n\n";
        EXPECT_EQ(explore.resultText().substr(0, head.size() + c.verdict.size()), head + c.verdict);
        EXPECT_EQ(!explore.script().empty(), c.script) << c.verdict;
        EXPECT_EQ(explore.resultText().find("rungbox-sim script:\n" + explore.script()) !=
                      std::string::npos,
                  c.script)
            << "the result shows the script";
        EXPECT_FALSE(explore.cancelled());
    }
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
