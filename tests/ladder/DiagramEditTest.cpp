// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the program through the diagram: which rungs the tree holds and how they are written
// back, the edits and their refusals on worked examples, and the new user's first rung run by
// the controller.

#include "LadderText.h"

#include "editor/Editor.h"
#include "ladder/DiagramEditor.h"
#include "ladder/Mnemonic.h"

#include <gtest/gtest.h>

namespace rungbox::test {
namespace {

using engine::OpCode;
using engine::Operand;
using ladder::DiagramEditor;
using ladder::EditResult;
using ladder::Node;
using ladder::Outcome;
using ladder::Path;

/// A set-up grid holding a program, its editor and a diagram editor on it.
struct Drawing {
    explicit Drawing(std::string_view program) {
        editor::setUpGrid(grid);
        ProgramText(program).write(grid);
        diagram.refresh();
    }

    /// Lines 1 to the last used one as "code|location|set value", '\n'-separated.
    std::string text() const { return gridText(grid, editor.lastUsedLine(), '\n'); }

    /// The diagram's rungs: "E" editable, "END", or "-" (edited in the grid).
    std::string rungs() const {
        std::string out;
        for (const ladder::ProgramRung& rung : diagram.program().rungs()) {
            out += std::string(out.empty() ? "" : " ") + (rung.editable ? "E"
                                                          : rung.end    ? "END"
                                                                        : "-");
        }
        return out;
    }

    editor::CodeGrid grid;
    editor::Editor editor{grid};
    DiagramEditor diagram{editor};
};

Node relay(int number, bool negated = false) {
    return Node::contact(Operand::Relay, negated, number);
}

TEST(DiagramRead, RungsTheTreeHoldsAndTheirCanonicalLines) {
    struct Case {
        const char* program;
        const char* rungs;
        const char* canonical; // after rewriting every editable rung; nullptr: as it was
    };
    const Case cases[] = {
        // Canonical rungs of every kind read back as written in DiagramProperties; a branch going
        // on past its outputs is one rung.
        {"LD|0\nOUT|1000\nAND|1\nOUT|1001\nAND NOT|2\nOUT NOT|1002\nEND", "E END", nullptr},
        // Drawable, written back in canonical form.
        {"LD|0\nLD|1\nOR BLK\nOUT|1000\nEND", "E END", "LD|0\nOR|1\nOUT|1000\nEND"},
        {"LD|0\nLD|1\nLD|2\nOR BLK\nOR BLK\nOUT|1000\nEND", "E END",
         "LD|0\nOR|1\nOR|2\nOUT|1000\nEND"},
        {"  LD  TIM |3\nOUT|  1000\nEND", "E END", "LD TIM|3\nOUT|1000\nEND"},
        // Not held: the value fed an output and is used again, a dangling branch, a problem.
        {"LD|0\nOUT|1000\nOR|1\nOUT|1001\nEND", "- - END", nullptr},
        {"LD|0\nAND|1\nLD|2\nOUT|1000\nEND", "- E END", nullptr},
        {"LD|0\nOUT|20001\nEND", "- END", nullptr},
        {"LD|0\nLD|1\nOUT|1000\nAND BLK\nOUT|1001\nEND", "- - END", nullptr},
        {"", "", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        Drawing drawing(c.program);
        EXPECT_EQ(drawing.rungs(), c.rungs);
        for (std::size_t r = drawing.diagram.program().rungs().size(); r-- > 0;) {
            if (drawing.diagram.program().rungs()[r].editable) {
                drawing.diagram.edit({static_cast<int>(r), {}},
                                     [](Node&, const Path&) { return EditResult{}; });
            }
        }
        EXPECT_EQ(drawing.text(), c.canonical != nullptr ? c.canonical : c.program);
    }
}

// The new user's rung: contact 1 in series after contact 0, contact 2 in parallel with it.
TEST(DiagramEdit, FirstRungDrawnWithTheKeysRunsAsDrawn) {
    Drawing drawing("LD|0\nOUT|1000\nEND");
    DiagramEditor& diagram = drawing.diagram;
    Outcome step = diagram.edit(diagram.placeOfLine(1), [](Node& rung, const Path& at) {
        return ladder::insertSeries(rung, at, relay(1), true);
    });
    ASSERT_TRUE(step.done()) << step.refusal;
    EXPECT_EQ(step.line, 2);
    step = diagram.edit(diagram.placeOfLine(step.line), [](Node& rung, const Path& at) {
        return ladder::insertParallel(rung, at, at.back(), relay(2));
    });
    ASSERT_TRUE(step.done()) << step.refusal;
    EXPECT_EQ(step.line, 3);
    EXPECT_EQ(drawing.text(), "LD|0\nLD|1\nOR|2\nAND BLK\nOUT|1000\nEND");

    const ProgramText program(drawing.text());
    RecordingPanel panel;
    engine::Controller plc(panel);
    program.load(plc);
    for (unsigned inputs = 0; inputs < 8; ++inputs) {
        panel.switches = static_cast<std::uint16_t>(inputs);
        ASSERT_EQ(plc.scan(), 0);
        EXPECT_EQ(plc.relay(1000), (inputs & 1) != 0 && (inputs & 6) != 0) << inputs;
    }
    // Both edits are one undo step each.
    EXPECT_TRUE(drawing.editor.undo());
    EXPECT_TRUE(drawing.editor.undo());
    EXPECT_EQ(drawing.text(), "LD|0\nOUT|1000\nEND");
}

TEST(DiagramEdit, ElementEditsGiveTheseLines) {
    using Edit = std::function<EditResult(Node&, const Path&)>;
    struct Case {
        const char* program;
        int line; // the element edited
        Edit edit;
        const char* after;
        int selected; // line selected afterwards
    };
    const Case cases[] = {
        {"LD|0\nOUT|1000\nEND", 1,
         [](Node& r, const Path& at) { return ladder::insertSeries(r, at, relay(5), false); },
         "LD|5\nAND|0\nOUT|1000\nEND", 1},
        {"LD|0\nOUT|1000\nEND", 2,
         [](Node& r, const Path& at) { return ladder::insertSeries(r, at, relay(5), false); },
         "LD|0\nAND|5\nOUT|1000\nEND", 2},
        {"LD|0\nAND|1\nOUT|1000\nEND", 1,
         [](Node& r, const Path& at) { return ladder::insertParallel(r, at, 1, relay(5)); },
         "LD|0\nAND|1\nOR|5\nOUT|1000\nEND", 3},
        {"LD|0\nOUT|1000\nEND", 2,
         [](Node& r, const Path& at) {
             return ladder::addOutput(r, at, Node::output(OpCode::Tim, 2, 50));
         },
         "LD|0\nOUT|1000\nTIM|2|50\nEND", 3},
        // A coil given a contact of its own moves below the other coils and goes on from there.
        {"LD|0\nOUT|1000\nOUT|1001\nEND", 2,
         [](Node& r, const Path& at) { return ladder::insertSeries(r, at, relay(5), false); },
         "LD|0\nOUT|1001\nAND|5\nOUT|1000\nEND", 3},
        {"LD|0\nOUT|1000\nAND|1\nOUT|1001\nEND", 3,
         [](Node& r, const Path& at) { return ladder::removeElement(r, at); },
         "LD|0\nOUT|1000\nOUT|1001\nEND", 3},
        {"LD|0\nLD|1\nOR|2\nAND BLK\nOUT|1000\nEND", 3,
         [](Node& r, const Path& at) { return ladder::removeElement(r, at); },
         "LD|0\nAND|1\nOUT|1000\nEND", 2},
        {"LD|0\nOUT|1000\nEND", 1, [](Node& r, const Path& at) { return ladder::toggleNot(r, at); },
         "LD NOT|0\nOUT|1000\nEND", 1},
        {"LD|0\nOUT|1000\nEND", 2, [](Node& r, const Path& at) { return ladder::toggleNot(r, at); },
         "LD|0\nOUT NOT|1000\nEND", 2},
        {"LD|0\nOUT|1000\nEND", 1,
         [](Node& r, const Path& at) { return ladder::setAddress(r, at, Operand::Timer, 3); },
         "LD TIM|3\nOUT|1000\nEND", 1},
        {"LD|0\nTIM|1|5\nEND", 2,
         [](Node& r, const Path& at) { return ladder::setSetValue(r, at, 600); },
         "LD|0\nTIM|1|600\nEND", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.program) + " @" + std::to_string(c.line));
        Drawing drawing(c.program);
        const Outcome outcome = drawing.diagram.edit(drawing.diagram.placeOfLine(c.line), c.edit);
        ASSERT_TRUE(outcome.done()) << outcome.refusal;
        EXPECT_EQ(drawing.text(), c.after);
        EXPECT_EQ(outcome.line, c.selected);
        EXPECT_EQ(drawing.grid.line(), c.selected);
        EXPECT_TRUE(drawing.editor.codeChanged());
    }
}

TEST(DiagramEdit, RefusedEditsSayWhyAndChangeNothing) {
    using Edit = std::function<EditResult(Node&, const Path&)>;
    struct Case {
        const char* program;
        int line;
        Edit edit;
        const char* reason;
    };
    const Case cases[] = {
        {"LD|0\nOUT|1000\nEND", 2,
         [](Node& r, const Path& at) { return ladder::insertSeries(r, at, relay(5), true); },
         "a contact after an output on the same branch"},
        {"LD|0\nOUT|1000\nEND", 2,
         [](Node& r, const Path& at) { return ladder::insertParallel(r, at, at.back(), relay(5)); },
         "a bridge between branches"},
        {"LD|0\nOUT|1000\nEND", 2,
         [](Node& r, const Path& at) { return ladder::removeElement(r, at); },
         "a rung without an output"},
        {"LD|0\nOUT|1000\nEND", 1,
         [](Node& r, const Path& at) { return ladder::removeElement(r, at); },
         "a rung needs a contact before its outputs"},
        {"LD|0\nOUT|1000\nAND|1\nOUT|1001\nEND", 4,
         [](Node& r, const Path& at) { return ladder::removeElement(r, at); },
         "a branch that feeds no output"},
        {"LD|0\nOUT|1000\nEND", 1,
         [](Node& r, const Path& at) { return ladder::setAddress(r, at, Operand::Relay, 20001); },
         "relay out of range (0 to 20000)"},
        {"LD|0\nTIM|1|5\nEND", 2,
         [](Node& r, const Path& at) { return ladder::setSetValue(r, at, 601); },
         "set value out of range (#0 to #600)"},
        {"LD|0\nDIFU|1000\nEND", 2,
         [](Node& r, const Path& at) { return ladder::toggleNot(r, at); },
         "only a contact or an OUT coil has a NOT form"},
        {"LD|0\nOUT|1000\nEND", 2,
         [](Node& r, const Path& at) {
             Node box = Node::output(OpCode::Cnt, 0, 5);
             box.parts.push_back(relay(1));
             return ladder::addOutput(r, at, box);
         },
         "a counter or shift register must be the first output"},
        {"LD|0\nOUT|1000\nOR|1\nOUT|1001\nEND", 3,
         [](Node& r, const Path& at) { return ladder::toggleNot(r, at); },
         "this rung is edited in the grid"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        Drawing drawing(c.program);
        const Outcome outcome = drawing.diagram.edit(drawing.diagram.placeOfLine(c.line), c.edit);
        EXPECT_NE(outcome.refusal.find(c.reason), std::string::npos) << outcome.refusal;
        EXPECT_EQ(drawing.text(), c.program);
        EXPECT_FALSE(drawing.editor.history().canUndo());
    }
}

TEST(DiagramEdit, TextBelowTheProgramMovesAlong) {
    Drawing drawing("LD|0\nOUT|1000\nEND\n\n|7");
    ASSERT_TRUE(drawing.diagram
                    .edit(drawing.diagram.placeOfLine(1),
                          [](Node& r, const Path& at) {
                              return ladder::insertSeries(r, at, relay(1), true);
                          })
                    .done());
    EXPECT_EQ(drawing.grid.text(6, editor::kLocationCol), "7");
    ASSERT_TRUE(drawing.diagram.deleteRung(0).done());
    EXPECT_EQ(drawing.grid.text(3, editor::kLocationCol), "7");
}

TEST(DiagramEdit, RungsAreAddedMovedCopiedAndDeleted) {
    Drawing drawing("");
    // A program drawn from nothing gets its END.
    ASSERT_TRUE(drawing.diagram.addRung(-1, ladder::simpleRung(0, 1000)).done());
    EXPECT_EQ(drawing.text(), "LD|0\nOUT|1000\nEND");
    EXPECT_EQ(drawing.diagram.freeCoil(), 1001);
    // Never after END.
    ASSERT_TRUE(drawing.diagram.addRung(1, ladder::boxRung(OpCode::Cnt, 2, 10)).done());
    EXPECT_EQ(drawing.text(), "LD|0\nOUT|1000\nLD|0\nLD|1\nCNT|2|10\nEND");
    ASSERT_TRUE(drawing.diagram.moveRung(1, -1).done());
    EXPECT_EQ(drawing.text(), "LD|0\nLD|1\nCNT|2|10\nLD|0\nOUT|1000\nEND");
    EXPECT_FALSE(drawing.diagram.moveRung(1, 1).done()); // END stays last
    const std::optional<std::string> copied = drawing.diagram.copyRung(1);
    ASSERT_TRUE(copied.has_value());
    ASSERT_TRUE(drawing.diagram.pasteRungs(0, *copied).done());
    EXPECT_EQ(drawing.text(), "LD|0\nLD|1\nCNT|2|10\nLD|0\nOUT|1000\nLD|0\nOUT|1000\nEND");
    EXPECT_FALSE(drawing.diagram.pasteRungs(0, "LD\t0\t\n").done()); // no output
    ASSERT_TRUE(drawing.diagram.deleteRung(0).done());
    EXPECT_EQ(drawing.text(), "LD|0\nOUT|1000\nLD|0\nOUT|1000\nEND");
    EXPECT_FALSE(drawing.diagram.deleteRung(2).done()); // END
    for (int steps = 5; steps > 0; --steps) {
        EXPECT_TRUE(drawing.editor.undo());
    }
    EXPECT_EQ(drawing.text(), "");
}

} // namespace
} // namespace rungbox::test
