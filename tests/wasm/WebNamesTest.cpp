// SPDX-License-Identifier: GPL-3.0-or-later
// The page's names where its own tests cannot look: a handle that outlives the program it was
// made for, and names restored for a program never saved.

#include "wasm/WebNames.h"
#include "wasm/Json.h"
#include "wasm/WebCheck.h"
#include "editor/CodeGrid.h"

#include "support/ProgramLines.h"

#include <gtest/gtest.h>

namespace rungbox::wasm {
namespace {

// LD 0 / OUT 1000 / END as its file holds it.
std::string program() {
    return test::programFile("LD 0; OUT 1000; END");
}

class WebNamesTest : public ::testing::Test {
protected:
    WebNamesTest() { web.offerAndLoad("motor.PLC", program()); }

    WebSession web;
    WebNames names{web};
};

// A program loaded under the names' handle brings its own names and forgets the steps.
TEST_F(WebNamesTest, ALoadedProgramReplacesTheNamesAndTheirSteps) {
    EXPECT_EQ(names.setName("1000", "MOTOR"), "");
    EXPECT_EQ(names.addAddress(" tim 2"), "");
    EXPECT_EQ(names.rows(), R"([["1000","MOTOR",""],["0","",""],["TIM 2","",""]])");
    EXPECT_TRUE(web.codeChanged());
    EXPECT_TRUE(web.pollLadder()) << "the diagram follows the names";
    EXPECT_NE(web.ladderJson().find(R"("name":"MOTOR")"), std::string::npos);

    const unsigned before = names.revision();
    web.queueAnswer(static_cast<int>(platform::BoxAnswer::No));
    web.offerBeside("motor.names", "0\tSTART\n");
    web.offerAndLoad("motor.PLC", program());
    EXPECT_NE(names.revision(), before);
    EXPECT_FALSE(names.canUndo());
    EXPECT_EQ(names.rows(), R"([["0","START",""],["1000","",""]])");
}

// An extended program's names view names words too, written as its names file writes them.
TEST(WebNamesWords, WordsTakeNamesAndShowInTheFilesSpelling) {
    WebSession web;
    web.session().grid().setInstructionSet(engine::InstructionSet::Extended);
    WebNames names{web};
    EXPECT_EQ(names.setName("DM0100", "TOTAL"), "");
    EXPECT_EQ(names.addAddress("ch hr2"), "");
    EXPECT_EQ(names.rows(), R"([["DM0100","TOTAL",""],["CH HR2","",""]])");
    EXPECT_EQ(names.setName("CH HR2", "STATE"), "");
    EXPECT_EQ(web.namesBytes(), "DM0100\tTOTAL\nCH HR2\tSTATE\n");
}

TEST_F(WebNamesTest, APageKeepsTheNamesOfAProgramNeverSaved) {
    WebSession again;
    again.restore("", "", program(), true);
    again.restoreNames("0\tSTART\n");
    EXPECT_EQ(again.namesBytes(), "0\tSTART\n");
    WebNames tips(again);
    EXPECT_EQ(tips.lineTips().substr(0, 7), std::string("START\0\0", 7));
}

// Check With Script reads the script with the program's names, as rungbox-sim does; the text the
// page is given is read as UTF-8 once, so a name's comment and a file's name arrive as they are.
TEST(WebNamesTextTest, TheCheckTakesTheProgramsNamesAndTextCrossesOnce) {
    WebSession web;
    web.offerBeside("F\xC3\xB6rderband.names", "0\tREMOTE\tT\xC3\xBCr\n");
    ASSERT_TRUE(web.offerAndLoad("F\xC3\xB6rderband.PLC", program()));
    std::vector<std::string> cells;
    for (int line = 1; line < web.grid().rowCount(); ++line) {
        for (int col = editor::kCodeCol; col <= editor::kSetValueCol; ++col) {
            cells.push_back(web.grid().text(line, col));
        }
    }
    WebCheck check;
    const std::string json = check.check(
        cells, false, "press\ntest remote\nin REMOTE 1\nscan\nexpect relay 1000 1\n",
        web.namesBytes());
    EXPECT_NE(json.find(R"("name":"remote","passed":true)"), std::string::npos) << json;

    EXPECT_EQ(WebNames(web).rows(), R"([["0","REMOTE","T\u00fcr"],["1000","",""]])");
    const Message question{"F\xC3\xB6rderband.names \xF0\x9F\x98\x80 \xFF",
                           "Rungbox",
                           {platform::BoxButtons::YesNo, platform::BoxIcon::Question},
                           {},
                           {}};
    EXPECT_EQ(messageJson(question),
              R"({"text":"F\u00f6rderband.names \ud83d\ude00 ?","title":"Rungbox",)"
              R"("textMessage":null,"titleMessage":null,"buttons":"yesNo","icon":"question"})");
}

// A core message crosses to the page with its id and arguments, for the page to translate; a
// verbatim text (a file name, the title "rungbox") crosses as its English only.
TEST(WebBoxes, CoreMessagesCarryTheirIdAndArguments) {
    static constexpr l10n::Message kAt = {"Error at \"%1\" line %2", "test.at"};
    WebBoxes boxes;
    boxes.show(l10n::text(kAt, "a\xC3\xA9.PLC", "7"), platform::BoxStyle::Ok, "rungbox");
    const std::vector<Message> shown = boxes.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(messageJson(shown[0]),
              R"({"text":"Error at \"a\u00e9.PLC\" line 7","title":"rungbox",)"
              R"("textMessage":{"context":"Core","source":"Error at \"%1\" line %2",)"
              R"("comment":"test.at","args":["a\u00e9.PLC","7"]},"titleMessage":null,)"
              R"("buttons":"ok","icon":"none"})");
}

} // namespace
} // namespace rungbox::wasm
