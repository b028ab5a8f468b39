// SPDX-License-Identifier: GPL-3.0-or-later
// The page's debugger: the marks it puts on the diagram, the watch table's forcing and its
// entries by name, and the state the page draws the grid, registers and lamps from.

#include "wasm/WebDebugger.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <utility>

namespace rungbox::wasm {
namespace {

// Input 0 drives output 1000 and 1000 drives 1001; TIM 1 on input 0 is a timer, no relay.
constexpr const char* kProgram = "LD\t0\t\nOUT\t1000\t\nLD\t1000\t\nOUT\t1001\t\n"
                                 "LD\t0\t\nTIM\t1\t10\nEND\t\t\n";

class WebDebuggerTest : public ::testing::Test {
protected:
    WebDebuggerTest() { web.paste(kProgram); }

    // The (line, value) of every element index in `list` ("[3,1],[4,1]" or "3,4"), read from
    // the diagram's layout; value -1 where the list gives none.
    std::set<std::pair<int, int>> linesOf(const std::string& list) {
        std::set<std::pair<int, int>> out;
        const auto& elements = web.diagram().monitor().layout().elements();
        const std::regex item(R"((\[)?(\d+)(?:,(\d+)\])?)");
        for (auto it = std::sregex_iterator(list.begin(), list.end(), item);
             it != std::sregex_iterator(); ++it) {
            const int e = std::stoi((*it)[2]);
            const int value = (*it)[3].matched ? std::stoi((*it)[3]) : -1;
            out.emplace(elements.at(static_cast<std::size_t>(e)).line, value);
        }
        return out;
    }
    // The part of `json` between `key`'s opening bracket and its closing one (no nesting beyond
    // one level of pairs).
    static std::string listOf(const std::string& json, const std::string& key) {
        const std::size_t start = json.find("\"" + key + "\":[") + key.size() + 4;
        std::size_t depth = 1;
        std::size_t end = start;
        for (; depth > 0; ++end) {
            depth += json[end] == '[' ? 1U : json[end] == ']' ? std::size_t(-1) : 0U;
        }
        return json.substr(start, end - 1 - start);
    }

    WebSession web;
    WebDebugger debugger{web};
};

TEST_F(WebDebuggerTest, TheDiagramMarksBreakpointsAndForcedRelaysOnlyWhereTheyAre) {
    debugger.toggleBreakpoint(2);
    debugger.toggleBreakpoint(300); // beyond the code lines: ignored
    web.toggleRun();
    debugger.addEntry("1000");
    debugger.addEntry("0");
    ASSERT_TRUE(debugger.forceEntry(0, 1));
    ASSERT_TRUE(debugger.forceEntry(1, 0));
    web.pollLadder();
    const std::string marks = debugger.diagramMarksJson();
    using Marks = std::set<std::pair<int, int>>;
    EXPECT_EQ(linesOf(listOf(marks, "breakpoints")), (Marks{{2, -1}}));
    EXPECT_EQ(marks.find("{\"lines\":[1,2,3,4,5,6,7],"), 0U) << marks;
    // Relay 1000's coil and contact, input 0's two contacts; not TIM 1 on line 6.
    EXPECT_EQ(linesOf(listOf(marks, "forced")), (Marks{{1, 0}, {2, 1}, {3, 1}, {5, 0}}));
    EXPECT_NE(debugger.stateJson().find("\"breakpoints\":[2],"), std::string::npos);
    EXPECT_NE(debugger.stateJson().find("\"lockedInputs\":1,\"lockedOutputs\":1}"),
              std::string::npos);
}

TEST_F(WebDebuggerTest, StepsPauseTheRunAndTheStateNamesTheNextLine) {
    debugger.stepLine(); // stopped: nothing
    EXPECT_NE(debugger.stateJson().find("\"running\":0,\"paused\":0,\"currentLine\":0"),
              std::string::npos);
    web.toggleRun();
    const unsigned before = debugger.revision();
    debugger.stepLine();
    debugger.stepLine();
    EXPECT_GT(debugger.revision(), before);
    const std::string state = debugger.stateJson();
    EXPECT_NE(state.find("\"paused\":1,\"currentLine\":3"), std::string::npos) << state;
    EXPECT_NE(state.find("Next line 3: LD 1000\\u000aResult R = 0"), std::string::npos) << state;
    web.advance(50); // paused: the clock stands
    EXPECT_EQ(web.clockMs(), 0);
    debugger.togglePause();
    web.advance(50);
    EXPECT_EQ(web.clockMs(), 50);
}

TEST_F(WebDebuggerTest, ForcingNeedsARelayRowAndARunAndEntriesMayBeNames) {
    const std::string program = web.programBytes();
    web.offerNames("0\tSTART\n1001\tLAMP\n");
    web.queueAnswer(static_cast<int>(platform::BoxAnswer::No));
    ASSERT_TRUE(web.offerAndLoad("named.PLC", program));
    struct Case {
        const char* typed;
        bool taken;
        const char* refusal;
    };
    for (const Case& c : {Case{"LAMP", true, ""}, Case{"TIM 1", true, ""},
                          Case{"30000", false, "30000: out of range (relays 0 to 20000)"},
                          Case{"LAMPS", false, "LAMPS: not a relay address, TIM n or CNT n"},
                          Case{" START ", true, ""}}) {
        EXPECT_EQ(debugger.addEntry(c.typed), c.taken) << c.typed;
        EXPECT_EQ(debugger.refusal(), c.refusal) << c.typed;
    }
    EXPECT_FALSE(debugger.forceEntry(0, 1)) << "stopped";
    web.toggleRun();
    EXPECT_FALSE(debugger.forceEntry(1, 1)) << "a timer";
    EXPECT_FALSE(debugger.forceEntry(3, 1)) << "no such row";
    EXPECT_TRUE(debugger.forceEntry(0, 1));
    const std::string rows = debugger.watchJson();
    EXPECT_NE(rows.find("\"item\":\"1001  LAMP\",\"value\":\"1\",\"set\":\"\",\"on\":1,"
                        "\"relay\":1,\"forced\":1}"),
              std::string::npos)
        << rows;
    EXPECT_NE(rows.find("\"item\":\"TIM 1\",\"value\":\"1.0\",\"set\":\"1.0\",\"on\":0,"
                        "\"relay\":0,\"forced\":-1}"),
              std::string::npos)
        << rows;
    EXPECT_TRUE(debugger.forceEntry(0, -1));
    EXPECT_NE(debugger.watchJson().find("\"forced\":-1}"), std::string::npos);
}

} // namespace
} // namespace rungbox::wasm
