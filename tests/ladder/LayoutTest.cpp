// SPDX-License-Identifier: GPL-3.0-or-later
// The layout against golden text diagrams (tests/ladder/golden: one program per file, then one
// section per picture: "== stopped", or "== run N..." for the picture after one scan with the
// input switches N... on; header lines "# name: ADDRESS NAME" give the diagram names, and
// "# set: extended" reads the program in the extended set), and the rules every layout keeps.

#include "LadderText.h"

#include "ladder/PowerFlow.h"
#include "ladder/TextDiagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace rungbox::test {
namespace {

namespace fs = std::filesystem;
using ladder::Element;
using ladder::ElementKind;
using ladder::Layout;
using ladder::Problem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

/// Checks what holds for every layout: each line with words, up to the first END, is drawn as
/// exactly one element and no later line is; every element and wire lies inside its rung; nets
/// are set before they are read; a click on an element's cell finds it.
void expectWellFormed(const ProgramText& program, const Layout& layout) {
    std::vector<int> drawn(static_cast<std::size_t>(program.size()) + 2, 0);
    for (const Element& el : layout.elements()) {
        if (el.line > 0) {
            ASSERT_LE(el.line, program.size());
            ++drawn[static_cast<std::size_t>(el.line)];
        }
    }
    bool ended = false;
    for (int line = 1; line <= program.size(); ++line) {
        const engine::Words words = engine::splitWords(program.cells(line)[0]);
        const int expected = !ended && words.count > 0 ? 1 : 0;
        EXPECT_EQ(drawn[static_cast<std::size_t>(line)], expected) << "line " << line;
        ended =
            ended || engine::decodeForm(words, program.instructionSet()).op == engine::OpCode::End;
    }
    EXPECT_EQ(layout.ended(), ended);

    const int columns = layout.columns();
    for (std::size_t r = 0; r < layout.rungs().size(); ++r) {
        const ladder::Rung& rung = layout.rungs()[r];
        for (const int e : rung.elements) {
            const Element& el = layout.elements()[static_cast<std::size_t>(e)];
            EXPECT_EQ(el.rung, static_cast<int>(r));
            EXPECT_GE(el.cell.col, 0);
            EXPECT_LE(el.cell.col + el.cell.width, columns) << "line " << el.line;
            EXPECT_LE(el.cell.row + el.cell.height, rung.totalRows()) << "line " << el.line;
            if (el.kind == ElementKind::Contact || el.kind == ElementKind::Coil ||
                el.kind == ElementKind::Mark) {
                EXPECT_EQ(layout.elementAt(static_cast<int>(r), el.cell.col, el.cell.row), e);
                EXPECT_EQ(layout.elementOfLine(el.line), e);
            }
        }
        for (const ladder::Wire& w : rung.wires) {
            EXPECT_TRUE(w.col0 == w.col1 || w.row0 == w.row1);
            EXPECT_LE(w.col1, columns);
            EXPECT_LT(w.row1, rung.rows);
        }
    }
    std::vector<bool> set(static_cast<std::size_t>(layout.netCount()), false);
    set[0] = true;
    for (const ladder::NetRule& rule : layout.rules()) {
        if (rule.element >= 0) {
            const Element& el = layout.elements()[static_cast<std::size_t>(rule.element)];
            EXPECT_TRUE(set[static_cast<std::size_t>(el.inNet)]);
            if (el.target >= 0) {
                EXPECT_TRUE(set[static_cast<std::size_t>(el.target)]);
            }
        } else {
            EXPECT_TRUE(set[static_cast<std::size_t>(rule.source)]);
        }
        set[static_cast<std::size_t>(rule.net)] = true;
    }
}

std::string picture(const ProgramText& program, const std::string& heading,
                    const names::NameTable& names) {
    const Layout layout = program.layout();
    if (heading == "stopped") {
        return ladder::textDiagram(layout, nullptr, &names);
    }
    EXPECT_EQ(heading.rfind("run", 0), 0u) << heading;
    RecordingPanel panel;
    engine::Controller plc(panel);
    program.load(plc);
    std::istringstream switches(heading.substr(3));
    for (int n = 0; switches >> n;) {
        panel.setSwitch(n, true);
    }
    plc.scanReference();
    const ladder::PowerFlow flow = ladder::PowerFlow::evaluate(layout, plc);
    return ladder::textDiagram(layout, &flow, &names);
}

// The names of a golden file's "# name: ADDRESS NAME" header lines.
names::NameTable namesOf(const std::string& head) {
    names::NameTable table;
    std::istringstream in(head);
    constexpr std::string_view kName = "# name: ";
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(kName)) {
            const std::size_t blank = line.rfind(' ');
            const auto address = names::parseAddress(
                std::string_view(line).substr(kName.size(), blank - kName.size()));
            EXPECT_TRUE(address) << line;
            EXPECT_FALSE(
                table.set({address.value_or(names::Address{}), line.substr(blank + 1), ""}))
                << line;
        }
    }
    return table;
}

TEST(LayoutTest, GoldenDiagrams) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(RUNGBOX_LADDER_GOLDEN_DIR)) {
        files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty());
    const bool update = std::getenv("RUNGBOX_UPDATE_GOLDEN") != nullptr;
    for (const fs::path& path : files) {
        SCOPED_TRACE(path.filename().string());
        const std::string text = readFile(path);
        // Header comments, the program, then the sections.
        std::istringstream in(text);
        std::string line;
        std::string head;
        std::string programText;
        std::vector<std::pair<std::string, std::string>> sections;
        while (std::getline(in, line)) {
            if (line.rfind("==", 0) == 0) {
                sections.emplace_back(line.substr(3), "");
            } else if (!sections.empty()) {
                sections.back().second += line + "\n";
            } else if (line.rfind("#", 0) == 0 && programText.empty()) {
                head += line + "\n";
            } else {
                programText += line + "\n";
            }
        }
        ASSERT_FALSE(sections.empty());
        ProgramText program(programText);
        if (head.find("# set: extended\n") != std::string::npos) {
            program.setInstructionSet(engine::InstructionSet::Extended);
        }
        expectWellFormed(program, program.layout());
        std::string rewritten = head + programText;
        const names::NameTable names = namesOf(head);
        for (const auto& [heading, expected] : sections) {
            const std::string actual = picture(program, heading, names);
            EXPECT_EQ(actual, expected) << "== " << heading;
            rewritten += "== " + heading + "\n" + actual;
        }
        if (update) {
            std::ofstream(path, std::ios::binary) << rewritten;
        }
    }
}

// A click finds the innermost element: a contact before the block around it, the block's own
// wires select the BLK line, a mark row selects the marked line.
TEST(LayoutTest, ClicksFindTheInnermostElement) {
    const ProgramText program("LD|0\nLD|1\nOR|2\nAND BLK\nOUT|1000\nFOO\nEND");
    const Layout layout = program.layout();
    ASSERT_EQ(layout.rungs().size(), 2u);
    struct Case {
        int col, row, line;
    } const cases[] = {
        {0, 0, 1},            // LD 0
        {1, 0, 2},            // LD 1
        {1, 1, 3},            // OR 2
        {0, 1, 4},            // below LD 0, inside the AND BLK block
        {2, 0, 5},            // the coil
        {3, 0, 5}, {0, 2, 6}, // the mark row below the rung
        {3, 2, 6},
    };
    for (const Case& c : cases) {
        const int e = layout.elementAt(0, c.col, c.row);
        ASSERT_GE(e, 0) << c.col << "," << c.row;
        EXPECT_EQ(layout.elements()[static_cast<std::size_t>(e)].line, c.line)
            << c.col << "," << c.row;
    }
    EXPECT_EQ(layout.elementAt(0, 0, 3), -1);
    EXPECT_EQ(layout.elementAt(2, 0, 0), -1);
}

// Lines that cannot be placed are marks with their reason; lines that can are flagged in place.
TEST(LayoutTest, ProblemsByLine) {
    struct Case {
        const char* program;
        int line;
        ElementKind kind;
        Problem problem;
    } const cases[] = {
        {"ldx|3", 1, ElementKind::Mark, Problem::UnknownInstruction},
        {"LD BLK", 1, ElementKind::Mark, Problem::UnknownInstruction},
        {"AND BLK", 1, ElementKind::Mark, Problem::NothingToJoin},
        {"LD|0\nOR BLK", 2, ElementKind::Join, Problem::NothingToJoin},
        {"LD|0\nCNT|1|5", 2, ElementKind::Counter, Problem::MissingBranches},
        {"CNT|1|5", 1, ElementKind::Mark, Problem::MissingBranches},
        {"LD|0\nSFT|100|103", 2, ElementKind::Mark, Problem::MissingBranches},
        {"LD|0\nLD|1\nSFT|100|103", 3, ElementKind::Shift, Problem::MissingBranches},
        {"OUT|1000", 1, ElementKind::Coil, Problem::NoCondition},
        {"AND|3", 1, ElementKind::Contact, Problem::NoCondition},
        {"LD", 1, ElementKind::Contact, Problem::MissingOperand},
        {"LD|  ", 1, ElementKind::Contact, Problem::MissingOperand},
        {"LD|0\nTIM|1", 2, ElementKind::Timer, Problem::MissingSetValue},
        {"LD|30000", 1, ElementKind::Contact, Problem::OperandRange},
        {"LD TIM|8", 1, ElementKind::Contact, Problem::OperandRange},
        {"LD|0\nLD|1\nCNT|-1|5", 3, ElementKind::Counter, Problem::OperandRange},
        {"LD|0\nLD|1\nLD|2\nSFT|100|20001", 4, ElementKind::Shift, Problem::ShiftRange},
        {"LD|0\nTIM|1|601", 2, ElementKind::Timer, Problem::SetValueRange},
        {"LD|0\nTIM|1|600", 2, ElementKind::Timer, Problem::None},
        {"LD|0\nLD|1\nCNT|1|10000", 3, ElementKind::Counter, Problem::SetValueRange},
        {"END|40000", 1, ElementKind::End, Problem::OperandRange},
        {"END|20000", 1, ElementKind::End, Problem::None},
        {"LD|0\nLD|1\nCNT|1|9999", 3, ElementKind::Counter, Problem::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        const ProgramText program(c.program);
        const Layout layout = program.layout();
        const int e = layout.elementOfLine(c.line);
        ASSERT_GE(e, 0);
        const Element& el = layout.elements()[static_cast<std::size_t>(e)];
        EXPECT_EQ(el.kind, c.kind);
        EXPECT_EQ(el.problem, c.problem);
        expectWellFormed(program, layout);
    }
    // 102 LDs: the last would open a 102nd branch.
    ProgramText deep;
    for (int i = 0; i < engine::kBlockStackSize + 1; ++i) {
        deep.add("LD|0");
    }
    const Layout layout = deep.layout();
    const Element& last = layout.elements()[static_cast<std::size_t>(layout.elementOfLine(102))];
    EXPECT_EQ(last.kind, ElementKind::Mark);
    EXPECT_EQ(last.problem, Problem::TooManyBranches);
    EXPECT_EQ(layout.elements()[static_cast<std::size_t>(layout.elementOfLine(101))].kind,
              ElementKind::Contact);

    // Line 299 is the last line drawn.
    ProgramText longest;
    for (int i = 1; i < engine::kLastCodeLine; ++i) {
        longest.add("");
    }
    longest.add("END");
    EXPECT_TRUE(longest.layout().ended());
}

} // namespace
} // namespace rungbox::test
