// SPDX-License-Identifier: GPL-3.0-or-later
// Diagram editing as properties over many random programs and trees (fixed seeds): canonical
// programs read back as written; every other drawable program, written back, runs as before
// (same relays, timers and counters after every scan); every edit gives a valid tree whose lines
// run as the tree says; a refused edit leaves the grid alone; undoing any sequence of edits
// gives back the starting grid.

#include "LadderText.h"
#include "RandomRung.h"
#include "engine/RandomProgram.h"

#include "editor/Editor.h"
#include "ladder/DiagramEditor.h"
#include "ladder/Mnemonic.h"

#include <gtest/gtest.h>

namespace rungbox::test {
namespace {

using ladder::DiagramEditor;
using ladder::EditResult;
using ladder::Path;

constexpr std::uint32_t kSeeds = 300;

struct Grid {
    Grid() { editor::setUpGrid(grid); }

    void write(int first, const std::vector<editor::LineCells>& lines) {
        for (const editor::LineCells& line : lines) {
            for (int col = 0; col < 3; ++col) {
                grid.setText(first, editor::kCodeCol + col, line[static_cast<std::size_t>(col)]);
            }
            ++first;
        }
    }
    std::vector<std::string> cells() const {
        std::vector<std::string> all;
        for (int line = 1; line <= editor::kLastLine; ++line) {
            for (int col = editor::kCodeCol; col <= editor::kSetValueCol; ++col) {
                all.push_back(grid.text(line, col));
            }
        }
        return all;
    }
    ProgramText program() const {
        ProgramText text;
        for (int line = 1; line <= editor.lastUsedLine(); ++line) {
            text.add(grid.text(line, editor::kCodeCol) + "|" +
                     grid.text(line, editor::kLocationCol) + "|" +
                     grid.text(line, editor::kSetValueCol));
        }
        return text;
    }

    editor::CodeGrid grid;
    editor::Editor editor{grid};
};

std::vector<editor::LineCells> canonicalProgram(RungGenerator& random, std::vector<Node>& rungs) {
    std::vector<editor::LineCells> lines;
    for (int n = random.pick(1, 5); n > 0; --n) {
        rungs.push_back(random.rung());
        for (editor::LineCells& line : ladder::rungCells(rungs.back())) {
            lines.push_back(std::move(line));
        }
    }
    lines.push_back({"END", "", ""});
    return lines;
}

TEST(DiagramProperties, CanonicalProgramsReadBackAsWritten) {
    for (std::uint32_t seed = 0; seed < kSeeds; ++seed) {
        SCOPED_TRACE(seed);
        RungGenerator random(seed);
        std::vector<Node> trees;
        const std::vector<editor::LineCells> lines = canonicalProgram(random, trees);
        Grid g;
        g.write(1, lines);
        DiagramEditor diagram(g.editor);
        const auto& rungs = diagram.program().rungs();
        ASSERT_EQ(rungs.size(), trees.size() + 1);
        for (std::size_t r = 0; r < trees.size(); ++r) {
            ASSERT_TRUE(rungs[r].editable) << rungs[r].reason;
            ASSERT_TRUE(rungs[r].tree == trees[r]);
        }
        const std::vector<std::string> before = g.cells();
        for (std::size_t r = 0; r < trees.size(); ++r) {
            diagram.edit({static_cast<int>(r), {}},
                         [](Node&, const Path&) { return EditResult{}; });
        }
        ASSERT_EQ(g.cells(), before);
    }
}

// Runs two programs side by side on the same switches and ticks; answers the first difference.
std::string runSideBySide(const ProgramText& a, const ProgramText& b, std::uint32_t seed) {
    RecordingPanel panelA, panelB;
    engine::Controller plcA(panelA), plcB(panelB);
    a.load(plcA);
    b.load(plcB);
    std::mt19937 random(seed);
    for (int scan = 0; scan < 24; ++scan) {
        panelA.switches = panelB.switches = static_cast<std::uint16_t>(random());
        if ((plcA.scan() != 0) != (plcB.scan() != 0)) {
            return "one scan stopped, scan " + std::to_string(scan);
        }
        for (int address = 0; address <= engine::kLastRelay; ++address) {
            if (plcA.relay(address) != plcB.relay(address)) {
                return "relay " + std::to_string(address) + ", scan " + std::to_string(scan);
            }
        }
        for (int n = 0; n < engine::kTimerCount; ++n) {
            if (plcA.timValue(n) != plcB.timValue(n) || plcA.cntValue(n) != plcB.cntValue(n)) {
                return "timer or counter " + std::to_string(n) + ", scan " + std::to_string(scan);
            }
        }
        for (auto ticks = random() % 4; ticks > 0; --ticks) {
            plcA.tick();
            plcB.tick();
        }
    }
    return {};
}

// The lines of random rungs written in other forms that the tree reads alike: a contact joined
// as a block of its own (LD c / AND BLK for AND c), blanks around the words and numbers.
std::vector<editor::LineCells> uncanonicalRungs(RungGenerator& random) {
    std::vector<Node> trees;
    std::vector<editor::LineCells> lines;
    for (editor::LineCells& line : canonicalProgram(random, trees)) {
        const engine::Words words = engine::splitWords(line[0]);
        if ((words[0] == "AND" || words[0] == "OR") && words[1] != "BLK" && random.chance(30)) {
            const std::string join = std::string(words[0]) + " BLK";
            line[0].replace(0, words[0].size(), "LD");
            lines.push_back(std::move(line));
            lines.push_back({join, "", ""});
            continue;
        }
        if (random.chance(10)) {
            line = {" " + line[0] + "  ", " " + line[1], line[2] + " "};
        }
        lines.push_back(std::move(line));
    }
    lines.pop_back(); // END: the random program that follows brings its own
    return lines;
}

TEST(DiagramProperties, DrawableProgramsWrittenBackRunAsBefore) {
    int rewritten = 0;
    for (std::uint32_t seed = 0; seed < kSeeds; ++seed) {
        SCOPED_TRACE(seed);
        Generator generator(seed);
        RungGenerator random(seed);
        Grid g;
        std::vector<editor::LineCells> lines = uncanonicalRungs(random);
        g.write(1, lines);
        int line = static_cast<int>(lines.size()) + 1;
        for (const engine::LadderLine& l : generator.program(30)) {
            g.write(line++, {{l.code, std::to_string(l.location), std::to_string(l.setValue)}});
        }
        const ProgramText before = g.program();
        DiagramEditor diagram(g.editor);
        for (std::size_t r = diagram.program().rungs().size(); r-- > 0;) {
            if (diagram.program().rungs()[r].editable) {
                ASSERT_TRUE(diagram
                                .edit({static_cast<int>(r), {}},
                                      [](Node&, const Path&) { return EditResult{}; })
                                .done());
                ++rewritten;
            }
        }
        EXPECT_EQ(runSideBySide(before, g.program(), seed), "");
    }
    EXPECT_GT(rewritten, static_cast<int>(kSeeds) * 2);
}

// A random edit of the element at `at`, with new elements of `random`'s kind.
EditResult randomEdit(RungGenerator& random, Node& rung, const Path& at) {
    switch (random.pick(0, 7)) {
    case 0:
    case 1:
        return ladder::insertSeries(rung, at, random.contact(), random.chance(50));
    case 2: {
        const ladder::Node* parent = ladder::nodeAt(rung, Path(at.begin(), at.end() - 1));
        const int last =
            std::min(at.back() + random.pick(0, 2), static_cast<int>(parent->parts.size()) - 1);
        return ladder::insertParallel(rung, at, last,
                                      random.chance(70) ? random.contact() : random.condition(1));
    }
    case 3:
        return ladder::addOutput(rung, at, random.coil());
    case 4:
        return ladder::toggleNot(rung, at);
    case 5:
        return ladder::setAddress(rung, at, engine::Operand::Relay, random.pick(0, 15));
    case 6:
        return ladder::setSetValue(rung, at, random.pick(0, 700));
    default:
        return ladder::removeElement(rung, at);
    }
}

Path randomElement(RungGenerator& random, const Node& rung) {
    const std::vector<ladder::MnemonicLine> lines = ladder::writeRung(rung);
    std::vector<Path> paths;
    for (const ladder::MnemonicLine& line : lines) {
        if (!line.path.empty()) {
            paths.push_back(line.path);
        }
    }
    return paths[static_cast<std::size_t>(random.pick(0, static_cast<int>(paths.size()) - 1))];
}

TEST(DiagramProperties, EditsGiveValidTreesThatRunAsDrawn) {
    int done = 0;
    for (std::uint32_t seed = 0; seed < kSeeds; ++seed) {
        SCOPED_TRACE(seed);
        RungGenerator random(seed);
        random.plain = true;
        Node rung = random.rung();
        for (int step = 0; step < 12; ++step) {
            const Node before = rung;
            const EditResult result = randomEdit(random, rung, randomElement(random, rung));
            if (!result.done()) {
                ASSERT_TRUE(rung == before);
                continue;
            }
            ++done;
            ASSERT_EQ(ladder::rungProblem(rung), "");
            ASSERT_NE(ladder::nodeAt(rung, result.selection), nullptr);
            // The written lines read back as the tree and run as it says.
            Grid g;
            std::vector<editor::LineCells> lines = ladder::rungCells(rung);
            lines.push_back({"END", "", ""});
            g.write(1, lines);
            DiagramEditor diagram(g.editor);
            ASSERT_TRUE(diagram.program().rungs().front().tree == rung);
            RecordingPanel panel;
            engine::Controller plc(panel);
            g.program().load(plc);
            std::vector<bool> relays(engine::kOutputCount + engine::kFirstOutputRelay, false);
            for (int scan = 0; scan < 8; ++scan) {
                panel.switches = static_cast<std::uint16_t>(random.pick(0, 0xffff));
                for (int n = 0; n < 16; ++n) {
                    relays[static_cast<std::size_t>(n)] = ((panel.switches >> n) & 1) != 0;
                }
                runTree(rung, true, relays);
                ASSERT_EQ(plc.scan(), 0);
                for (int coil = 1000; coil < 1016; ++coil) {
                    ASSERT_EQ(plc.relay(coil), relays[static_cast<std::size_t>(coil)]) << coil;
                }
            }
        }
    }
    EXPECT_GT(done, static_cast<int>(kSeeds) * 4);
}

TEST(DiagramProperties, RefusedEditsKeepTheGridAndUndoGivesItBack) {
    for (std::uint32_t seed = 0; seed < kSeeds; ++seed) {
        SCOPED_TRACE(seed);
        RungGenerator random(seed);
        std::vector<Node> trees;
        Grid g;
        g.write(1, canonicalProgram(random, trees));
        const std::vector<std::string> start = g.cells();
        DiagramEditor diagram(g.editor);
        std::size_t steps = 0;
        for (int step = 0; step < 15; ++step) {
            const auto& rungs = diagram.program().rungs();
            const int r = random.pick(0, static_cast<int>(rungs.size()) - 1);
            const std::vector<std::string> before = g.cells();
            const std::size_t undoBefore = g.editor.history().undoCount();
            ladder::Outcome outcome;
            const int kind = random.pick(0, 9);
            if (kind < 6 && rungs[static_cast<std::size_t>(r)].editable) {
                const Path at = randomElement(random, rungs[static_cast<std::size_t>(r)].tree);
                outcome = diagram.edit({r, at}, [&](Node& rung, const Path& path) {
                    return randomEdit(random, rung, path);
                });
            } else if (kind == 6) {
                outcome = diagram.addRung(r, random.rung());
            } else if (kind == 7) {
                outcome = diagram.deleteRung(r);
            } else if (kind == 8) {
                outcome = diagram.moveRung(r, random.chance(50) ? 1 : -1);
            } else {
                outcome = diagram.pasteRungs(r, diagram.copyRung(r).value_or("END\t\t\n"));
            }
            if (!outcome.done()) {
                ASSERT_EQ(g.cells(), before) << outcome.refusal;
                ASSERT_EQ(g.editor.history().undoCount(), undoBefore);
            } else {
                ASSERT_LE(g.editor.history().undoCount(), undoBefore + 1);
                steps = g.editor.history().undoCount();
            }
        }
        for (; steps > 0; --steps) {
            ASSERT_TRUE(g.editor.undo());
        }
        ASSERT_EQ(g.cells(), start);
    }
}

} // namespace
} // namespace rungbox::test
