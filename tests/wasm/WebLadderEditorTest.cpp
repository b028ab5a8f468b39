// SPDX-License-Identifier: GPL-3.0-or-later
// The page's diagram drawing natively, under the sanitizers too: a run leaves the program alone
// and refuses the copy, paste and delete of rungs.

#include "wasm/WebLadderEditor.h"

#include "editor/Editor.h"

#include <gtest/gtest.h>

namespace rungbox::wasm {
namespace {

struct Page {
    std::string lines() const {
        std::string out;
        for (int line = 1; line <= web.session().editor().lastUsedLine(); ++line) {
            out += (line == 1 ? "" : " ") + web.grid().text(line, editor::kCodeCol);
            if (const std::string& location = web.grid().text(line, editor::kLocationCol);
                !location.empty()) {
                out += "|" + location;
            }
        }
        return out;
    }

    WebSession web;
    WebLadderEditor ladder{web};
};

TEST(WebLadderEditor, DuringARunTheDiagramOnlyShows) {
    Page p;
    p.ladder.key("r", 0);
    ASSERT_TRUE(p.ladder.confirmAddress("0", ""));
    p.web.toggleRun();
    ASSERT_TRUE(p.web.running());
    EXPECT_FALSE(p.ladder.key("c", 0));
    p.ladder.use(static_cast<int>(ladder::Tool::Not));
    p.ladder.deleteRung();
    p.ladder.pasteRungs(p.ladder.copyRung());
    EXPECT_EQ(p.ladder.copyRung(), "");
    EXPECT_NE(p.ladder.state().find("\"active\":0"), std::string::npos);
    p.web.toggleRun();
    EXPECT_EQ(p.lines(), "LD|0 OUT|1000 END");
}

// An extended program: the extended tools are keyed and offered, KEEP drawn by its key lands in
// the grid with its area, and the page's picture holds the KEEP box and the IL tag with the
// addresses as the extended set writes them. A classic program's keys do not reach them.
TEST(WebLadderEditor, ExtendedProgramsDrawAndShowTheirInstructions) {
    Page p;
    EXPECT_FALSE(p.ladder.key("e", 0));
    EXPECT_NE(p.ladder.state().find("\"extended\":0"), std::string::npos);
    p.web.session().grid().setInstructionSet(engine::InstructionSet::Extended);
    EXPECT_NE(p.ladder.state().find("\"extended\":1"), std::string::npos);
    p.ladder.key("r", 0);
    ASSERT_TRUE(p.ladder.confirmAddress("0.01", ""));
    ASSERT_TRUE(p.ladder.key("e", 0));
    ASSERT_TRUE(p.ladder.confirmAddress("W0.03", ""));
    ASSERT_TRUE(p.ladder.key("i", 0));
    ASSERT_TRUE(p.ladder.confirmAddress("HR0.00", ""));
    EXPECT_EQ(p.lines(), "LD|0.01 OUT|10.00 LD|0.00 LD|0.01 KEEP|W0.03 LD|HR0.00 IL ILC END");
    p.web.pollLadder();
    const std::string picture = p.web.ladderJson();
    for (const char* part : {"\"kind\":\"keep\"", "\"title\":\"KEEP\"", "\"values\":\"W0.03\"",
                             "\"label\":\"IL\"", "\"label\":\"HR0.00\"", "[\"S\","}) {
        EXPECT_NE(picture.find(part), std::string::npos) << part;
    }
    const std::string tools = WebLadderEditor::toolsJson();
    EXPECT_NE(tools.find("\"text\":\"KEEP\",\"tip\""), std::string::npos);
    EXPECT_NE(tools.find("\"key\":\"C\",\"extended\":0"), std::string::npos);
}

// The page's picture of word instructions: a box of kind "word" with its mnemonic and operand
// lines, and an ADD's operand line named so that the page highlights the box on it.
TEST(WebLadderEditor, WordBoxesAndTheirOperandLinesReachThePicture) {
    Page p;
    editor::CodeGrid& grid = p.web.session().grid();
    grid.setInstructionSet(engine::InstructionSet::Extended);
    const char* cells[][3] = {{"LD", "0.00", ""}, {"@ADD", "DM0", "#0001"},  {"", "HR2", ""},
                              {"LD", "P_On", ""}, {"CMP", "CNT 1", "#0100"}, {"END", "", ""}};
    for (int line = 1; line <= 6; ++line) {
        for (int col = 0; col < 3; ++col) {
            grid.setText(line, editor::kCodeCol + col, cells[line - 1][col]);
        }
    }
    p.web.pollLadder();
    const std::string picture = p.web.ladderJson();
    for (const char* part :
         {"\"kind\":\"word\"", "\"title\":\"@ADD\"",
          "\"values\":\"Au DM0000\\u000aAd #0001\\u000aR HR2\"", "\"operandLine\":3",
          "\"title\":\"CMP\"", "\"values\":\"C1 CNT 1\\u000aC2 #0100\""}) {
        EXPECT_NE(picture.find(part), std::string::npos) << part << "\n" << picture;
    }
}

} // namespace
} // namespace rungbox::wasm
