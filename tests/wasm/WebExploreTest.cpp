// SPDX-License-Identifier: GPL-3.0-or-later
// The page's explorations from files' bytes, where memory matters: refused, run in chunks to the
// window's result with the run kept between two calls, or cancelled between two chunks; and the
// runs of a check or a counterexample shown in timing diagrams of their own.

#include "wasm/WebExplore.h"
#include "editor/CodeGrid.h"
#include "wasm/WebCheck.h"
#include "wasm/WebTiming.h"

#include "names/NamesFile.h"
#include "support/ProgramLines.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

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
        {"no property", [](WebExplore& e) { return e.prove(kFollow, "# none\n", ""); },
         "No property.", "[]"},
        {"a program that cannot start",
         [](WebExplore& e) { return e.prove("not a program", "never 1000\n", ""); },
         "The program cannot start.", "the program: not a Rungbox program file"},
        {"a name the page's names file does not have",
         [](WebExplore& e) { return e.prove(kFollow, "never LAMP\n", ""); },
         "line 1: unknown name \"LAMP\"", "[]"},
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

TEST(WebExploreTest, PropertiesTakeThePagesNames) {
    names::NameTable table;
    table.set({names::Address::relay(1000), "LAMP", ""});
    table.set({names::Address::relay(0), "SWITCH", ""});
    WebExplore explore;
    ASSERT_TRUE(
        explore.prove(kFollow, "never LAMP & !SWITCH\nnever LAMP\n", names::namesFileText(table)))
        << explore.resultText();
    while (explore.advance()) {
    }
    EXPECT_EQ(explore.resultText().rfind(
                  "Holds: never LAMP & !SWITCH\nViolated: never LAMP after 1 step", 0),
              0U)
        << explore.resultText();
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

// The page's program as the page hands it to a check: its cells, three a line.
std::vector<std::string> cellsOf(const WebSession& web) {
    std::vector<std::string> cells;
    for (int line = 1; line < web.grid().rowCount(); ++line) {
        for (int col = editor::kCodeCol; col <= editor::kSetValueCol; ++col) {
            cells.push_back(web.grid().text(line, col));
        }
    }
    return cells;
}

// A failed test's run, checked where the worker checks and carried to the page as a dump, shown
// read-only at its failure with the value it got there, until the next check replaces the runs.
TEST(WebRunsTest, AFailedTestsRunIsShownAtItsFailure) {
    WebSession web;
    ASSERT_TRUE(web.offerAndLoad("follow.PLC", kFollow));
    WebCheck worker;
    const std::string json = worker.check(cellsOf(web), false,
                                          "press\nscan\nwait 30\nin 0 1\nwait 20\n"
                                          "test dark\nexpect relay 1000 0\n",
                                          "");
    const std::size_t at = json.find("\"failureMs\":");
    ASSERT_NE(at, std::string::npos) << json;
    const double failureMs = std::stod(json.substr(at + 12));
    EXPECT_GE(failureMs, 50);
    WebCheck check;
    check.showRuns(worker.runsVcd());
    // The signals the failed line read come in the list and go first in the runs shown.
    EXPECT_NE(json.find(R"("signals":"out0")"), std::string::npos) << json;
    EXPECT_TRUE(check.focus("out0"));
    EXPECT_EQ(check.recording()->signalList().front(),
              (trace::Signal{trace::SignalKind::Relay, 1000}));
    const auto timing = WebTiming::overCheck(web, check);
    EXPECT_FALSE(timing->live());
    timing->setRecording(true);
    EXPECT_FALSE(web.session().tracing().on()) << "the page's own recording is not touched";
    EXPECT_FALSE(timing->addSignal("in1"));
    timing->fit(400);
    timing->showAt(400, failureMs);
    const std::string picture = timing->pictureJson(400, failureMs, false);
    EXPECT_NE(picture.find("{\"name\":\"out0\",\"label\":\"out0\",\"number\":false,"
                           "\"value\":\"1\""),
              std::string::npos)
        << picture;
    EXPECT_NE(picture.find("\"t = " + std::to_string(static_cast<int>(failureMs)) + " ms\""),
              std::string::npos);

    check.check(cellsOf(web), false, "press\nscan\ntest none\nexpect relay 1000 0\n", "");
    EXPECT_NE(timing->pictureJson(400, failureMs, false).find("\"empty\":true"), std::string::npos)
        << "the runs it showed are gone";
}

// A check simulates at most sim::kCheckWorkLimit: a line that would pass it ends the script at
// once with the reason, counted over the check's lines together; a long wait tells its progress.
TEST(WebRunsTest, ACheckIsBoundedAndTellsItsProgress) {
    WebSession web;
    ASSERT_TRUE(web.offerAndLoad("follow.PLC", kFollow));
    const std::string why = "a check may simulate at most 3600000 ms (a scan or a tick counts as "
                            "1 ms); this line would pass that";
    struct Case {
        const char* script;
        std::string part; // of the answer
    };
    const Case cases[] = {
        {"press\nwait 100000000\n", "stopped: rungbox-sim: line 2: wait: " + why},
        {"press\nscan 3600001\n", "line 2: scan: " + why},
        {"press\ntick 3600001\n", "line 2: tick: " + why},
        {"wait 3000000\ntest late\nwait 600001\nexpect relay 1000 0\n",
         "\"got\":\"the script ended at line 3: wait: " + why},
    };
    for (const Case& c : cases) {
        WebCheck check;
        const std::string json = check.check(cellsOf(web), false, c.script, "");
        EXPECT_NE(json.find(c.part), std::string::npos) << json;
    }
    std::vector<std::uint64_t> told;
    WebCheck check;
    check.check(cellsOf(web), false, "press\nwait 250000\n", "",
                [&](std::uint64_t ms) { told.push_back(ms); });
    EXPECT_EQ(told, (std::vector<std::uint64_t>{100000, 200000}));
}

// A comparison's counterexample comes as one dump, a scope a run, each read back as its own
// diagram; what is no dump gives none.
TEST(WebRunsTest, ACounterexamplesRunsTravelAsOneDump) {
    WebExplore explore;
    ASSERT_TRUE(explore.compare("latch.PLC", kLatch, kFollow));
    while (explore.advance()) {
    }
    const std::string vcd = explore.runsVcd();
    EXPECT_EQ(explore.runNames(), R"(["Reference","Candidate"])");
    EXPECT_EQ(WebTiming::dumpScopes(vcd), R"(["reference","candidate"])");
    WebSession web;
    const auto reference = WebTiming::overDump(web, vcd, 0);
    const auto candidate = WebTiming::overDump(web, vcd, 1);
    ASSERT_TRUE(reference && candidate);
    EXPECT_FALSE(WebTiming::overDump(web, vcd, 2));
    // At the last step the latch holds lamp 0 and the follower has let it go.
    const double end = reference->clampCursor(1e9);
    EXPECT_NE(reference->pictureJson(300, end, false).find(R"("out0","number":false,"value":"1")"),
              std::string::npos);
    EXPECT_NE(candidate->pictureJson(300, end, false).find(R"("out0","number":false,"value":"0")"),
              std::string::npos);
    EXPECT_EQ(WebTiming::dumpScopes("#0 1!"), "null");
    EXPECT_FALSE(WebTiming::overDump(web, "#0 1!", 0));
}

} // namespace
} // namespace rungbox::wasm
