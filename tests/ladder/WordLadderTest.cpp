// SPDX-License-Identifier: GPL-3.0-or-later
// Word instructions in the ladder diagram: their boxes (mnemonic, a row per operand, names of
// present values), ADD's and SUB's operand line belonging to the box, the operand words' values
// in a run, and the rung operations of the diagram keeping an operand line with its ADD.

#include "LadderText.h"

#include "editor/Editor.h"
#include "ladder/DiagramEditor.h"
#include "ladder/DrawingModel.h"
#include "ladder/Labels.h"
#include "ladder/PowerFlow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace rungbox::test {
namespace {

using ladder::ElementKind;

ProgramText extended(std::string_view text) {
    ProgramText program(text);
    program.setInstructionSet(engine::InstructionSet::Extended);
    return program;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += (out.empty() ? "" : "/") + line;
    }
    return out;
}

// Each word instruction is one box at the right rail, one row taller than its operands, with
// its input on the first row; ADD's and SUB's operand line is found as the box's line and makes
// no rung of its own.
TEST(WordLadder, BoxesHoldTheirMnemonicAndARowPerOperand) {
    struct Case {
        const char* program; // LD|0.00, the line under test, END
        const char* title;
        const char* lines; // boxText without names or a run, '/' between lines
        int rows;
        int operandLine; // 0: none
    } const cases[] = {
        {"MOV|#0042|DM0100", "MOV", "S #0042/D DM0100", 3, 0},
        {"MOV(21)|&66|D100", "MOV", "S #0042/D DM0100", 3, 0},
        {"@MVN|HR2|W3", "@MVN", "S HR2/D W3", 3, 0},
        {"CMP|CNT 1|#0100", "CMP", "C1 CNT 1/C2 #0100", 3, 0},
        {"@INC|DM0000", "@INC", "Wd DM0000", 2, 0},
        {"CLC", "CLC", "", 2, 0},
        {"ADD|DM0|#0001\n|DM0", "ADD", "Au DM0000/Ad #0001/R DM0000", 4, 3},
        {"@SUB|10|T3\n|  HR0  ", "@SUB", "Mi 10/Su TIM 3/R HR0", 4, 3},
        {"BCD|TIM 0|DM6144", "BCD", "S TIM 0/R DM6144", 3, 0},   // flagged: read only
        {"SUB|DM0|DM1", "SUB", "Mi DM0000/Su DM0001/R ?", 4, 0}, // flagged: no operand line
        {"MOV|DM0|XYZ", "MOV", "S DM0000/D XYZ", 3, 0},          // flagged: no operand
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        const ProgramText program = extended(std::string("LD|0.00\n") + c.program + "\nEND");
        const ladder::Layout layout = program.layout();
        ASSERT_EQ(layout.rungs().size(), 2u) << "the box's rung and END's";
        const int e = layout.elementOfLine(2);
        ASSERT_GE(e, 0);
        const ladder::Element& box = layout.elements()[static_cast<std::size_t>(e)];
        EXPECT_EQ(box.kind, ElementKind::Word);
        EXPECT_EQ(ladder::elementLabel(box), c.title);
        EXPECT_EQ(joined(ladder::boxText(box, e, nullptr, nullptr)), c.lines);
        EXPECT_EQ(box.cell.height, c.rows);
        EXPECT_EQ(box.cell.col, layout.networkColumns());
        EXPECT_EQ(box.pinCount, 1);
        EXPECT_EQ(box.pins[0].row, box.cell.row);
        EXPECT_EQ(box.operandLine, c.operandLine);
        if (c.operandLine > 0) {
            EXPECT_EQ(layout.elementOfLine(c.operandLine), e);
        }
    }
}

// Running: the box is powered as its condition, and each operand that is a word shows the value
// the scan left in it; constants show none.
TEST(WordLadder, ARunShowsTheOperandWordsValues) {
    const ProgramText program =
        extended("LD|0.00\nMOV|#0042|DM0100\nLD|0.01\n@ADD|DM0100|#0001\n|HR3\nEND");
    const ladder::Layout layout = program.layout();
    RecordingPanel panel;
    engine::Controller plc(panel);
    program.load(plc);
    struct Scan {
        std::vector<int> switches;
        bool movPowered, addPowered;
        std::uint16_t hr3;
    } const scans[] = {{{0}, true, false, 0}, {{0, 1}, true, true, 0x43}, {{}, false, false, 0x43}};
    const int mov = layout.elementOfLine(2);
    const int add = layout.elementOfLine(4);
    for (const Scan& scan : scans) {
        for (int n = 0; n < 2; ++n) {
            panel.setSwitch(n, std::find(scan.switches.begin(), scan.switches.end(), n) !=
                                   scan.switches.end());
        }
        ASSERT_EQ(plc.scanReference(), 0);
        const ladder::PowerFlow flow = ladder::PowerFlow::evaluate(layout, plc);
        EXPECT_EQ(flow.active(mov), scan.movPowered);
        EXPECT_EQ(flow.active(add), scan.addPowered);
        EXPECT_EQ(flow.wordValue(mov, 0), std::nullopt) << "a constant has no value";
        EXPECT_EQ(flow.wordValue(mov, 1), 0x42);
        EXPECT_EQ(flow.wordValue(add, 2), scan.hr3);
        EXPECT_EQ(joined(ladder::boxText(layout.elements()[static_cast<std::size_t>(add)], add,
                                         &flow, nullptr)),
                  "Au DM0100/= #0042/Ad #0001/R HR3/= " + engine::hexWordText(scan.hr3));
    }
}

// A word's name stands above its operand: a present value's is its timer's or counter's.
TEST(WordLadder, NamedWordsShowTheirNames) {
    const ProgramText program =
        extended("LD|P_On\nCMP|CNT 1|TIM 2\nMOV|DM0100|W3\nADD|W3|#1\n|W3\nEND");
    const ladder::Layout layout = program.layout();
    names::NameTable names;
    names.setInstructionSet(engine::InstructionSet::Extended);
    ASSERT_FALSE(names.set({names::Address::counter(1), "PARTS", ""}));
    ASSERT_FALSE(names.set(
        {names::Address::of(engine::WordAddress{engine::WordArea::Dm, 100}), "TOTAL", ""}));
    ASSERT_FALSE(names.set(
        {names::Address::of(engine::WordAddress{engine::WordArea::Work, 3}), "STAGE", ""}));
    const auto text = [&](int line) {
        const int e = layout.elementOfLine(line);
        return joined(
            ladder::boxText(layout.elements()[static_cast<std::size_t>(e)], e, nullptr, &names));
    };
    EXPECT_EQ(text(2), "PARTS/C1 CNT 1/C2 TIM 2");
    EXPECT_EQ(text(3), "TOTAL/S DM0100/STAGE/D W3");
    EXPECT_EQ(text(4), "STAGE/Au W3/Ad #0001/STAGE/R W3");
}

constexpr const char* kCourse = "LD|0.00\n"
                                "MOV|#0042|DM0100\n"
                                "LD|0.01\n"
                                "@ADD|DM0000|#0001\n"
                                "|DM0000\n"
                                "LD|P_EQ\n"
                                "OUT|10.00\n"
                                "END";

struct Diagram {
    explicit Diagram(std::string_view program) {
        editor::setUpGrid(grid);
        grid.setInstructionSet(engine::InstructionSet::Extended);
        ProgramText(program).write(grid);
        diagram.refresh();
    }
    std::string text() const { return gridText(grid, editor.lastLineWithText(), ' '); }

    editor::CodeGrid grid;
    editor::Editor editor{grid};
    ladder::DiagramEditor diagram{editor};
};

// The rung operations treat an ADD's operand line as part of its rung: an edit writes it back
// below the ADD, moving, deleting and copying the rung take it along.
TEST(WordLadder, RungOperationsKeepTheOperandLineWithItsAdd) {
    using Op = std::function<ladder::Outcome(ladder::DiagramEditor&)>;
    const auto noChange = [](ladder::Node&, const ladder::Path&) { return ladder::EditResult{}; };
    const struct Case {
        const char* name;
        Op op;
        const char* after;
    } cases[] = {
        {"rewrite",
         [&](auto& d) {
             return d.edit({1, {}}, noChange);
         },
         "LD|0.00 MOV|#0042|DM0100 LD|0.01 @ADD|DM0000|#0001 |DM0000 LD|P_EQ OUT|10.00 END"},
        {"NOT on its contact",
         [](auto& d) {
             return d.edit({1, {0}}, ladder::toggleNot);
         },
         "LD|0.00 MOV|#0042|DM0100 LD NOT|0.01 @ADD|DM0000|#0001 |DM0000 LD|P_EQ OUT|10.00 END"},
        {"move up", [](auto& d) { return d.moveRung(1, -1); },
         "LD|0.01 @ADD|DM0000|#0001 |DM0000 LD|0.00 MOV|#0042|DM0100 LD|P_EQ OUT|10.00 END"},
        {"move down", [](auto& d) { return d.moveRung(1, 1); },
         "LD|0.00 MOV|#0042|DM0100 LD|P_EQ OUT|10.00 LD|0.01 @ADD|DM0000|#0001 |DM0000 END"},
        {"delete", [](auto& d) { return d.deleteRung(1); },
         "LD|0.00 MOV|#0042|DM0100 LD|P_EQ OUT|10.00 END"},
        {"copy and paste", [](auto& d) { return d.pasteRungs(0, d.copyRung(1).value_or("")); },
         "LD|0.00 MOV|#0042|DM0100 LD|0.01 @ADD|DM0000|#0001 |DM0000 LD|0.01 "
         "@ADD|DM0000|#0001 |DM0000 LD|P_EQ OUT|10.00 END"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Diagram d(kCourse);
        ASSERT_EQ(d.diagram.program().rungs().size(), 4u);
        EXPECT_EQ(d.diagram.program().rungs()[1].last, 5) << "the operand line is the rung's";
        EXPECT_EQ(d.diagram.program().rungOfLine(5), 1);
        ASSERT_TRUE(c.op(d.diagram).done());
        EXPECT_EQ(d.text(), c.after);
    }
}

// The address box refuses a word box (its operands are typed in the grid); a timer's set value
// typed as a number replaces the word that held it.
TEST(WordLadder, AddressesAndSetValuesOfWordsAreTypedInTheGrid) {
    Diagram d("LD|0.00\nMOV|#0042|DM0100\nLD|0.01\nTIM|2|DM0010\nEND");
    ladder::DrawingModel model(d.editor);
    d.grid.setLine(2);
    const ladder::AddressForm form = model.addressForm();
    EXPECT_FALSE(form.open);
    EXPECT_EQ(form.refusal, ladder::kWordOperandsInGrid);
    EXPECT_EQ(model.confirmAddress("W5.00", std::nullopt).refusal, ladder::kWordOperandsInGrid);
    d.grid.setLine(4);
    ASSERT_TRUE(model.confirmAddress("3", 25).done());
    // On an ADD's operand line the selection is the ADD's box.
    Diagram add("LD|0.00\nADD|DM0|#0001\n|DM0\nEND");
    add.grid.setLine(3);
    EXPECT_EQ(add.diagram.placeOfLine(3).path, add.diagram.placeOfLine(2).path);
    EXPECT_EQ(add.diagram.lineOf(add.diagram.placeOfLine(3)), 2);
    EXPECT_EQ(d.text(), "LD|0.00 MOV|#0042|DM0100 LD|0.01 TIM|3|#0025 END");
}

} // namespace
} // namespace rungbox::test
