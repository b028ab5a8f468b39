// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram of extended programs: power flow over scans of a program with KEEP, SET, RSET and
// an IL region, drawing their instructions with the keyboard model, which a classic program
// neither offers nor takes, and random extended rungs read back as written.

#include "LadderText.h"
#include "RandomRung.h"

#include "editor/Editor.h"
#include "ladder/DiagramEditor.h"
#include "ladder/DrawingModel.h"
#include "ladder/Monitor.h"
#include "ladder/PowerFlow.h"

#include <gtest/gtest.h>

namespace rungbox::test {
namespace {

using ladder::DrawingModel;
using ladder::Tool;

constexpr const char* kRegions = "LD|0.00\n" // 1  set
                                 "LD|0.01\n" // 2  reset
                                 "KEEP(11)|W0.00\n"
                                 "LD|0.02\n"  // 4
                                 "IL\n"       // 5  the lines up to ILC run while 0.02 is on
                                 "LD|W0.00\n" // 6
                                 "OUT|10.00\n"
                                 "LD|0.03\n" // 8
                                 "SET|10.01\n"
                                 "ILC\n"     // 10
                                 "LD|0.04\n" // 11
                                 "RSET|10.01\n"
                                 "LD|10.01\n" // 13
                                 "OUT|10.02\n"
                                 "END";

// Scan after scan: KEEP holds its bit between set and reset, the interlock turns its OUT off
// though the contact before it is closed, SET inside it only acts while the interlock is on,
// RSET clears the bit, and a contact on the bit reads it.
TEST(ExtendedPowerFlow, KeepSetResetAndTheInterlockScanAfterScan) {
    ProgramText program(kRegions);
    program.setInstructionSet(engine::InstructionSet::Extended);
    const ladder::Layout layout = program.layout();
    RecordingPanel panel;
    engine::Controller plc(panel);
    program.load(plc);
    struct Case {
        std::vector<int> switches;
        std::vector<int> active; // lines whose element is active after the scan
    };
    const Case scans[] = {
        {{0, 2}, {1, 3, 4, 5, 6, 7}},            // KEEP sets W0.00; the interlock is on
        {{2}, {3, 4, 5, 6, 7}},                  // W0.00 kept
        {{1}, {2}},                              // reset: W0.00 off, the interlock off
        {{0}, {1, 3, 6}},                        // W0.00 on, 10.00 interlocked off
        {{2, 3}, {3, 4, 5, 6, 7, 8, 9, 13, 14}}, // SET 10.01
        {{}, {3, 6, 13, 14}},                    // 10.01 stays set
        {{4}, {3, 6, 11, 12}},                   // RSET
        {{3}, {3, 6, 8, 9}},                     // SET interlocked: 10.01 stays off
    };
    for (std::size_t s = 0; s < std::size(scans); ++s) {
        SCOPED_TRACE("scan " + std::to_string(s + 1));
        for (int n = 0; n < 16; ++n) {
            panel.setSwitch(n, std::find(scans[s].switches.begin(), scans[s].switches.end(), n) !=
                                   scans[s].switches.end());
        }
        ASSERT_EQ(plc.scanReference(), 0);
        const ladder::PowerFlow flow = ladder::PowerFlow::evaluate(layout, plc);
        std::vector<int> active;
        for (int line = 1; line <= program.size(); ++line) {
            const int e = layout.elementOfLine(line);
            if (e >= 0 && flow.active(e)) {
                active.push_back(line);
            }
        }
        EXPECT_EQ(active, scans[s].active);
    }
}

// The same cells read in the other set are another picture: "W0.00" is an address only there.
TEST(ExtendedPowerFlow, AMonitorLaysTheCellsOutAgainWhenTheSetChanges) {
    const ProgramText program("LD|W0.00\nOUT|10.00\nEND");
    ladder::Monitor monitor;
    const auto lines = program.lines();
    ASSERT_TRUE(monitor.refresh(lines, 0, nullptr));
    EXPECT_FALSE(monitor.layout().extended());
    EXPECT_FALSE(monitor.refresh(lines, 0, nullptr));
    EXPECT_TRUE(monitor.refresh(lines, 0, nullptr, engine::InstructionSet::Extended));
    EXPECT_TRUE(monitor.layout().extended());
    EXPECT_EQ(ladder::operandLabel(monitor.layout().elements()[0]), "W0.00");
}

struct Drawing {
    Drawing(std::string_view program, engine::InstructionSet set) {
        editor::setUpGrid(grid);
        grid.setInstructionSet(set);
        ProgramText(program).write(grid);
        grid.setLine(1);
    }

    std::string text() const { return gridText(grid, editor.lastUsedLine(), ' '); }

    // Uses `tool` and types `address` (and the set value 10 for a box) into the new element;
    // nullptr types nothing.
    std::string draw(Tool tool, const char* address) {
        const DrawingModel::Step step = model.use(tool);
        if (!step.outcome.done()) {
            return step.outcome.refusal;
        }
        if (!step.created) {
            return {};
        }
        if (address == nullptr) {
            return {}; // the new element keeps the address it was given
        }
        const ladder::AddressForm form = model.addressForm();
        EXPECT_TRUE(form.open);
        return model.confirmAddress(address, form.hasSetValue ? std::optional(10) : std::nullopt)
            .refusal;
    }

    editor::CodeGrid grid;
    editor::Editor editor{grid};
    DrawingModel model{editor};
};

// The extended set's tools write its instructions with its addresses; a classic program refuses
// them and its keys do not name them.
TEST(ExtendedDrawing, ToolsWriteTheExtendedInstructionsOnlyInExtendedPrograms) {
    constexpr auto kExtended = engine::InstructionSet::Extended;
    constexpr auto kClassic = engine::InstructionSet::Classic;
    struct Case {
        const char* program;
        engine::InstructionSet set;
        Tool tool;
        const char* address;
        const char* after;
    };
    const Case cases[] = {
        {"LD|0.00\nOUT|10.00\nEND", kExtended, Tool::Keep, "W0.00",
         "LD|0.00 OUT|10.00 LD|0.00 LD|0.01 KEEP|W0.00 END"},
        {"LD|0.00\nOUT|10.00\nEND", kExtended, Tool::Set, "HR0.05",
         "LD|0.00 OUT|10.00 SET|HR0.05 END"},
        {"LD|0.00\nOUT|10.00\nEND", kExtended, Tool::Rset, "10.00",
         "LD|0.00 OUT|10.00 RSET|10.00 END"},
        {"LD|0.00\nOUT|10.00\nEND", kExtended, Tool::Interlock, "0.03",
         "LD|0.00 OUT|10.00 LD|0.03 IL ILC END"},
        {"LD|0.00\nJMP|0\nJME|0\nEND", kExtended, Tool::Jump, "0.05",
         "LD|0.00 JMP|0 LD|0.05 JMP|1 JME|1 JME|0 END"},
        {"LD|0.00\nOUT|10.00\nEND", kExtended, Tool::Timh, "TIM 12",
         "LD|0.00 OUT|10.00 TIMH|12|#0010 END"},
        {"LD|0.00\nOUT|10.00\nEND", kExtended, Tool::Cntr, "CNT 100",
         "LD|0.00 OUT|10.00 LD|0.00 LD|0.01 LD|0.02 CNTR|100|#0010 END"},
        {"LD|0.00\nOUT|10.00\nEND", kExtended, Tool::Set, "P_On",
         "a special relay cannot be written"},
        // Rungs read back keep their areas and KEEP its set input.
        {"LD|W0.00\nOUT|10.00\nEND", kExtended, Tool::Not, "", "LD NOT|W0.00 OUT|10.00 END"},
        {"LD|0.00\nLD|0.01\nKEEP(11)|W0.00\nEND", kExtended, Tool::Contact, "HR1.00",
         "LD|0.00 AND|HR1.00 LD|0.01 KEEP|W0.00 END"},
        {"LD|W0.15\nOUT|10.00\nEND", kExtended, Tool::Contact, nullptr,
         "LD|W0.15 AND|0.00 OUT|10.00 END"}, // no W0.16: the next bit falls back to 0.00
        {"LD|W0.02\nOUT|10.00\nEND", kExtended, Tool::Contact, nullptr,
         "LD|W0.02 AND|W0.03 OUT|10.00 END"},
        {"", kExtended, Tool::Keep, "W1.00", "LD|0.00 LD|0.01 KEEP|W1.00 END"},
        {"LD|0\nOUT|1000\nEND", kClassic, Tool::Keep, "", ladder::kExtendedOnly.data()},
        {"LD|0\nOUT|1000\nEND", kClassic, Tool::Set, "", ladder::kExtendedOnly.data()},
        {"LD|0\nOUT|1000\nEND", kClassic, Tool::Interlock, "", ladder::kExtendedOnly.data()},
        {"LD|0\nOUT|1000\nEND", kClassic, Tool::Contact, "W0.00",
         ladder::kUnreadableAddress.data()},
    };
    for (const Case& c : cases) {
        Drawing d(c.program, c.set);
        const std::string said = d.draw(c.tool, c.address);
        EXPECT_EQ(said.empty() ? d.text() : said, c.after) << c.program;
    }
}

TEST(ExtendedDrawing, ExtendedToolsAreOfferedAndKeyedForExtendedProgramsOnly) {
    const auto classic = ladder::drawingTools();
    const auto all = ladder::drawingTools(engine::InstructionSet::Extended);
    EXPECT_TRUE(std::none_of(classic.begin(), classic.end(),
                             [](const ladder::ToolInfo& info) { return info.extended; }));
    for (const ladder::ToolInfo& info : all) {
        EXPECT_EQ(ladder::toolOfKey(info.key, engine::InstructionSet::Extended), info.tool);
        EXPECT_EQ(ladder::toolOfKey(info.key).has_value(), !info.extended) << info.key;
        EXPECT_TRUE(info.tip.ends_with("(" + std::string(info.key) + ")")) << info.tip;
    }
    EXPECT_GT(all.size(), classic.size());
}

std::string fourDigits(int n) {
    const std::string digits = std::to_string(n);
    return std::string(4 - digits.size(), '0') + digits;
}

// A word instruction with random operands as the grid writes them: words of every area, and
// constants where the instruction reads them.
Node randomWordBox(RungGenerator& random) {
    using engine::OpCode;
    constexpr OpCode kOps[] = {OpCode::Mov, OpCode::Mvn, OpCode::Cmp, OpCode::Inc,
                               OpCode::Dec, OpCode::Add, OpCode::Sub, OpCode::Clc,
                               OpCode::Stc, OpCode::Bin, OpCode::Bcd};
    const OpCode op = kOps[random.pick(0, 10)];
    const engine::WordOperandRule rule = engine::wordOperandRule(op);
    std::vector<std::string> words;
    for (int i = 0; i < rule.count; ++i) {
        const bool writes = i == rule.destination || op == OpCode::Inc || op == OpCode::Dec;
        const std::string written[] = {
            "DM" + fourDigits(random.pick(0, 1023)), "HR" + std::to_string(random.pick(0, 19)),
            "W" + std::to_string(random.pick(0, 99)), std::to_string(random.pick(10, 19))};
        const std::string read[] = {"#" + fourDigits(random.pick(0, 9999)),
                                    "TIM " + std::to_string(random.pick(0, 127)),
                                    "CNT " + std::to_string(random.pick(0, 127)), "DM6144"};
        words.push_back(writes || random.chance(40) ? written[random.pick(0, 3)]
                                                    : read[random.pick(0, 3)]);
    }
    return Node::wordBox(op, op != OpCode::Cmp && random.chance(30), std::move(words));
}

// A random classic rung made extended: relay operands in every area, the extended coils, TIMH
// and CNTR (given its decrement input), timers and counters up to 127, set values to 9999 or
// in a word, word instructions in place of OUT coils (ADD and SUB with their operand lines).
void makeExtended(Node& node, RungGenerator& random) {
    constexpr engine::Area kAreas[] = {engine::Area::Relay, engine::Area::Work,
                                       engine::Area::Holding, engine::Area::Auxiliary,
                                       engine::Area::Temporary};
    auto relayOperand = [&](Node& n) {
        n.area = kAreas[random.pick(0, 4)];
        n.number = n.area == engine::Area::Temporary ? random.pick(0, 7)
                                                     : random.pick(0, 5) * 100 + random.pick(0, 15);
    };
    using engine::OpCode;
    if (node.kind == NodeKind::Contact) {
        if (node.operand != engine::Operand::Relay) {
            node.number = random.pick(0, 127);
        } else if (random.chance(60)) {
            relayOperand(node);
        }
    } else if (node.kind == NodeKind::Output) {
        if (node.op == OpCode::Out && random.chance(30)) {
            node = randomWordBox(random);
        } else if (node.op == OpCode::Out || node.op == OpCode::OutNot || node.op == OpCode::Difu) {
            constexpr OpCode kCoils[] = {OpCode::Out,  OpCode::OutNot, OpCode::Difu,
                                         OpCode::Difd, OpCode::Set,    OpCode::Rset};
            node.op = kCoils[random.pick(0, 5)];
            relayOperand(node);
        } else if (node.op == OpCode::Tim || node.op == OpCode::Cnt) {
            if (random.chance(50)) {
                node.op = node.op == OpCode::Tim ? OpCode::Timh : OpCode::Cntr;
            }
            if (node.op == OpCode::Cntr) {
                node.parts.push_back(random.condition(1));
            }
            node.number = random.pick(0, 127);
            node.setValue = random.pick(0, 9999);
            if (random.chance(25)) {
                node.setValue = 0;
                node.words = {"DM" + fourDigits(random.pick(0, 1023))}; // a word set value
            }
        }
    }
    for (Node& part : node.parts) {
        makeExtended(part, random);
    }
}

// Random extended rungs written by the diagram read back as the same trees, and writing them
// back again leaves every cell as it was.
TEST(ExtendedDrawing, RandomExtendedRungsReadBackAsWritten) {
    for (std::uint32_t seed = 0; seed < 150; ++seed) {
        SCOPED_TRACE(seed);
        RungGenerator random(seed);
        editor::CodeGrid grid;
        editor::setUpGrid(grid);
        grid.setInstructionSet(engine::InstructionSet::Extended);
        editor::Editor editor(grid);
        std::vector<Node> trees;
        int line = 1;
        for (int n = random.pick(1, 4); n > 0; --n) {
            Node rung = random.rung();
            makeExtended(rung, random);
            rung.set = engine::InstructionSet::Extended;
            ladder::normalize(rung);
            ASSERT_EQ(ladder::rungProblem(rung), "");
            for (const editor::LineCells& cells : ladder::rungCells(rung)) {
                for (int col = 0; col < 3; ++col) {
                    grid.setText(line, editor::kCodeCol + col,
                                 cells[static_cast<std::size_t>(col)]);
                }
                ++line;
            }
            trees.push_back(std::move(rung));
        }
        grid.setText(line, editor::kCodeCol, "END");
        const std::string before = gridText(grid, line, ' ');
        ladder::DiagramEditor diagram(editor);
        const auto& rungs = diagram.program().rungs();
        ASSERT_EQ(rungs.size(), trees.size() + 1) << before;
        for (std::size_t r = 0; r < trees.size(); ++r) {
            ASSERT_TRUE(rungs[r].editable) << rungs[r].reason << "\n" << before;
            ASSERT_TRUE(rungs[r].tree == trees[r]) << before;
            ASSERT_TRUE(diagram
                            .edit({static_cast<int>(r), {}},
                                  [](Node&, const ladder::Path&) { return ladder::EditResult{}; })
                            .done());
        }
        EXPECT_EQ(gridText(grid, line, ' '), before);
    }
}

} // namespace
} // namespace rungbox::test
