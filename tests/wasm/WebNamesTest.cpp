// SPDX-License-Identifier: GPL-3.0-or-later
#include "wasm/WebNames.h"

#include "files/FileCommands.h"
#include "names/NamesFile.h"

#include <gtest/gtest.h>

namespace rungbox::wasm {
namespace {

// LD 0 / OUT 1000 / END as its file holds it.
std::string program() {
    std::string bytes = "QZV_RUNGBOX_MAGIC\r\n1.00\r\n";
    for (const char* cell : {"LD", "0", "", "OUT", "1000", "", "END", "", ""}) {
        bytes += std::string(cell) + "\r\n";
    }
    return bytes;
}

class WebNamesTest : public ::testing::Test {
protected:
    WebNamesTest() { web.offerAndLoad("motor.PLC", program()); }

    WebSession web;
    WebNames names{web};
};

TEST_F(WebNamesTest, EditsAreCheckedMarkTheProgramAndUndo) {
    EXPECT_EQ(names.rows(), R"([["0","",""],["1000","",""]])") << "the program's addresses";
    EXPECT_EQ(names.setName("1000", "in3"),
              "\"in3\" already means something in a program or a script.");
    EXPECT_FALSE(web.codeChanged()) << "a refused name changes nothing";
    EXPECT_EQ(names.setName("1000", "MOTOR"), "");
    EXPECT_EQ(names.setComment("1000", "belt \xC3\xBC"), "");
    EXPECT_EQ(names.addAddress(" tim 2"), "");
    EXPECT_EQ(names.addAddress("TIM 9"), names::kNotAnAddress);
    EXPECT_EQ(names.problemOf("0", "motor"), "\"MOTOR\" already names 1000.");
    EXPECT_EQ(names.rows(),
              R"([["1000","MOTOR","belt \u00c3\u00bc"],["0","",""],["TIM 2","",""]])");
    EXPECT_TRUE(web.codeChanged());
    EXPECT_EQ(web.windowTitle(), "motor.PLC* - PLC Ladder Code");
    EXPECT_TRUE(web.pollLadder()) << "the diagram follows the names";
    EXPECT_NE(web.ladderJson().find(R"("name":"MOTOR")"), std::string::npos);

    ASSERT_TRUE(names.undo());
    ASSERT_TRUE(names.undo());
    EXPECT_FALSE(names.undo());
    EXPECT_EQ(web.namesBytes(), "");
    EXPECT_TRUE(names.redo());
    EXPECT_EQ(web.namesBytes(), "1000\tMOTOR\n");

    // A program loaded brings its own names and forgets the steps and the added addresses.
    const unsigned before = names.revision();
    web.queueAnswer(static_cast<int>(platform::BoxAnswer::No));
    web.offerBeside("motor.names", "0\tSTART\n");
    web.offerAndLoad("motor.PLC", program());
    EXPECT_NE(names.revision(), before);
    EXPECT_FALSE(names.canUndo());
    EXPECT_EQ(names.rows(), R"([["0","START",""],["1000","",""]])");
}

TEST_F(WebNamesTest, SaveAsHandsOverBothFilesAndLoadReadsOnlyTheNamesBesideIt) {
    names.setName("0", "START");
    names.setComment("0", "green");
    ASSERT_TRUE(web.saveAs());
    const auto program = web.files().takeSaved();
    const auto saved = names.takeSaved();
    ASSERT_TRUE(program && saved);
    EXPECT_EQ(program->first, "motor.PLC");
    EXPECT_EQ(saved->first, "motor.names");
    EXPECT_EQ(saved->second, "0\tSTART\tgreen\n");

    // Names picked with the program are read when their file is the one beside it.
    for (const auto& [file, kept] :
         {std::pair{"motor.names", "0\tSTART\tgreen\n"}, std::pair{"other.names", ""}}) {
        web.newProgram();
        web.offerBeside(file, saved->second);
        ASSERT_TRUE(web.offerAndLoad(program->first, program->second));
        EXPECT_EQ(web.namesBytes(), kept) << file;
    }
    // Without names, a save writes no names file.
    ASSERT_TRUE(web.saveAs());
    EXPECT_TRUE(web.files().takeSaved());
    EXPECT_FALSE(names.takeSaved());
}

TEST_F(WebNamesTest, APageKeepsTheNamesOfAProgramNeverSaved) {
    WebSession again;
    again.restore("", "", program(), true);
    again.restoreNames("0\tSTART\n");
    EXPECT_EQ(again.namesBytes(), "0\tSTART\n");
    WebNames tips(again);
    EXPECT_EQ(tips.lineTips().substr(0, 7), std::string("START\0\0", 7));
}

} // namespace
} // namespace rungbox::wasm
