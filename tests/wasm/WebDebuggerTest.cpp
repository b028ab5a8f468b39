// SPDX-License-Identifier: GPL-3.0-or-later
// The page's debugger outliving the program it was made for: entries by name and forcing after
// another program was loaded under it.

#include "wasm/WebDebugger.h"

#include "engine/BitAddress.h"

#include <gtest/gtest.h>

namespace rungbox::wasm {
namespace {

// Input 0 drives output 1000 and 1000 drives 1001; TIM 1 on input 0 is a timer, no relay.
constexpr const char* kProgram = "LD\t0\t\nOUT\t1000\t\nLD\t1000\t\nOUT\t1001\t\n"
                                 "LD\t0\t\nTIM\t1\t10\nEND\t\t\n";

class WebDebuggerTest : public ::testing::Test {
protected:
    WebDebuggerTest() { web.paste(kProgram); }

    WebSession web;
    WebDebugger debugger{web};
};

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

// An extended program's forced bit is found at its workspace byte: the contact and the coil on
// W0.00 carry the padlock, the contact on 0.00 (relay 0, the byte a flat number would give) none.
TEST(WebDebuggerExtended, ForcedBitsAreMarkedOnTheElementsOfTheirAddress) {
    WebSession web;
    web.session().grid().setInstructionSet(engine::InstructionSet::Extended);
    web.paste("LD\t0.00\t\nOUT\tW0.00\t\nLD\tW0.00\t\nOUT\t10.00\t\nEND\t\t\n");
    WebDebugger debugger(web);
    web.toggleRun();
    ASSERT_TRUE(web.running());
    const int byte = engine::workspaceByte(*engine::parseBitAddress("W0.00"));
    ASSERT_TRUE(web.session().debugger().force(byte, true));
    web.pollLadder();
    const std::string marks = debugger.diagramMarksJson();
    EXPECT_NE(marks.find("\"forced\":[[1,1],[2,1]]"), std::string::npos) << marks;
}

TEST(WebDebuggerExtended, WordsOfTheWatchTheRegistersAndTheDmTable) {
    WebSession web;
    web.session().grid().setInstructionSet(engine::InstructionSet::Extended);
    web.paste("LD\t253.13\t\nMOV\tDM6144\tDM0100\nEND\t\t\n");
    WebDebugger debugger(web);
    web.toggleRun();
    ASSERT_TRUE(web.running());
    EXPECT_TRUE(debugger.setDm(1024, "&291")); // DM6144, loaded by the user
    EXPECT_FALSE(debugger.setDm(1024, "291"));
    EXPECT_FALSE(debugger.setDm(1480, "#1"));
    web.session().scan();
    EXPECT_TRUE(debugger.dmJson().starts_with("[0,")) << debugger.dmJson().substr(0, 20);
    EXPECT_NE(debugger.dmJson().find(",291,"), std::string::npos);

    ASSERT_TRUE(debugger.addEntry("DM0100"));
    ASSERT_TRUE(debugger.setEntryFormat(0, "Dec"));
    EXPECT_NE(debugger.watchJson().find("\"item\":\"DM0100\",\"value\":\"291\""), std::string::npos)
        << debugger.watchJson();
    EXPECT_TRUE(debugger.forceEntryWord(0, "#0042"));
    EXPECT_NE(debugger.watchJson().find("\"forcedWord\":\"#0042\""), std::string::npos);

    EXPECT_EQ(debugger.wordsJson(),
              "{\"rows\":[{\"name\":\"DM0100\",\"text\":\"#0042\",\"format\":\"Hex\","
              "\"forced\":\"#0042\",\"forceable\":1},{\"name\":\"DM6144\",\"text\":\"#0123\","
              "\"format\":\"Hex\",\"forced\":\"\",\"forceable\":1}]}");
    EXPECT_TRUE(debugger.setWordFormat(1, "BCD"));
    EXPECT_TRUE(debugger.forceWord(0, ""));
    EXPECT_NE(debugger.wordsJson().find("\"text\":\"0123\""), std::string::npos);
    EXPECT_NE(debugger.wordsJson().find("\"forced\":\"\""), std::string::npos);
}

} // namespace
} // namespace rungbox::wasm
