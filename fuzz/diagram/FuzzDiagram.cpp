// SPDX-License-Identifier: GPL-3.0-or-later
// Any program and any sequence of diagram edits: a refused edit changes no cell and records no
// step, a made edit records at most one step and leaves the rung it edited one the diagram can
// edit, and undoing every step gives back the starting grid.
//
// Input: program lines "code|location|set value" separated by '\n' (after a first line
// "EXTENDED" read in the extended set), then a NUL byte, then the
// edits, four bytes each: what, which rung, which element, a number.

#include "FuzzSupport.h"

#include "editor/Editor.h"
#include "ladder/DiagramEditor.h"
#include "ladder/Mnemonic.h"

#include <string_view>
#include <vector>

using namespace rungbox;
using ladder::Node;
using ladder::Path;

namespace {

void writeProgram(editor::CodeGrid& grid, std::string_view text) {
    int line = 1;
    std::size_t pos = 0;
    while (pos < text.size() && line <= editor::kLastLine) {
        std::size_t end = text.find('\n', pos);
        end = end == std::string_view::npos ? text.size() : end;
        std::string_view row = text.substr(pos, end - pos);
        for (int col = editor::kCodeCol; col <= editor::kSetValueCol; ++col) {
            const std::size_t bar = row.find('|');
            grid.setText(line, col, std::string(row.substr(0, bar)));
            row = bar == std::string_view::npos ? std::string_view{} : row.substr(bar + 1);
        }
        ++line;
        pos = end + 1;
    }
}

std::vector<std::string> cells(const editor::CodeGrid& grid) {
    std::vector<std::string> all;
    for (int line = 1; line <= editor::kLastLine; ++line) {
        for (int col = editor::kCodeCol; col <= editor::kSetValueCol; ++col) {
            all.push_back(grid.text(line, col));
        }
    }
    return all;
}

Node contact(std::uint8_t value) {
    const auto operand = value % 5 == 3   ? engine::Operand::Timer
                         : value % 5 == 4 ? engine::Operand::Counter
                                          : engine::Operand::Relay;
    return Node::contact(operand, value & 0x80,
                         operand == engine::Operand::Relay ? value : value % 8);
}

ladder::EditResult elementEdit(std::uint8_t what, std::uint8_t value, Node& rung, const Path& at) {
    switch (what % 8) {
    case 0:
        return ladder::insertSeries(rung, at, contact(value), (value & 1) != 0);
    case 1:
        return ladder::insertParallel(rung, at, at.back() + value % 3, contact(value));
    case 2: {
        static constexpr engine::OpCode kOps[] = {engine::OpCode::Out, engine::OpCode::OutNot,
                                                  engine::OpCode::Difu, engine::OpCode::Tim,
                                                  engine::OpCode::Cnt};
        Node output =
            Node::output(kOps[value % 5], value % 5 >= 3 ? value % 9 : 1000 + value % 16, value);
        if (output.op == engine::OpCode::Cnt) {
            output.parts.push_back(contact(value));
        }
        return ladder::addOutput(rung, at, std::move(output));
    }
    case 3:
        return ladder::toggleNot(rung, at);
    case 4:
        return ladder::setAddress(rung, at, static_cast<engine::Operand>(value % 4), value * 97);
    case 5:
        return ladder::setSetValue(rung, at, value * 5);
    default:
        return ladder::removeElement(rung, at);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(input.find('\0'), input.size());
    editor::CodeGrid grid;
    editor::setUpGrid(grid);
    std::string_view program = input.substr(0, split);
    constexpr std::string_view kExtended = "EXTENDED\n";
    if (program.starts_with(kExtended)) {
        // Word instructions, ADD's operand lines and the other extended lines are edited too.
        grid.setInstructionSet(engine::InstructionSet::Extended);
        program.remove_prefix(kExtended.size());
    }
    writeProgram(grid, program);
    editor::Editor editor(grid);
    ladder::DiagramEditor diagram(editor);
    const std::vector<std::string> start = cells(grid);

    // Edits: at most 64, so that one input stays quick.
    std::string_view edits = input.substr(std::min(split + 1, input.size()));
    for (int n = 0; edits.size() >= 4 && n < 64; ++n, edits.remove_prefix(4)) {
        const auto what = static_cast<std::uint8_t>(edits[0]);
        const auto value = static_cast<std::uint8_t>(edits[3]);
        const auto& rungs = diagram.program().rungs();
        const int rung = rungs.empty()
                             ? -1
                             : static_cast<std::uint8_t>(edits[1]) % static_cast<int>(rungs.size());
        const std::vector<std::string> before = cells(grid);
        const std::size_t steps = editor.history().undoCount();
        ladder::Outcome outcome;
        bool elementEdited = false;
        if (what < 160 && rung >= 0 && rungs[static_cast<std::size_t>(rung)].editable) {
            std::vector<Path> paths;
            for (const ladder::MnemonicLine& line :
                 ladder::writeRung(rungs[static_cast<std::size_t>(rung)].tree)) {
                if (!line.path.empty()) {
                    paths.push_back(line.path);
                }
            }
            const Path at = paths[static_cast<std::uint8_t>(edits[2]) % paths.size()];
            outcome = diagram.edit({rung, at}, [&](Node& tree, const Path& path) {
                return elementEdit(what, value, tree, path);
            });
            elementEdited = true;
        } else if (what < 192) {
            outcome = diagram.addRung(rung, ladder::simpleRung(value, 1000 + value % 16));
        } else if (what < 208) {
            outcome = diagram.deleteRung(rung);
        } else if (what < 240) {
            outcome = diagram.moveRung(rung, (value & 1) != 0 ? 1 : -1);
        } else {
            outcome = diagram.pasteRungs(rung, diagram.copyRung(rung).value_or(""));
        }
        fuzz::requireGridShape(grid);
        if (!outcome.done()) {
            fuzz::require(cells(grid) == before, "a refused edit changes no cell");
            fuzz::require(editor.history().undoCount() == steps, "a refused edit records nothing");
            continue;
        }
        fuzz::require(editor.history().undoCount() <= steps + 1, "an edit is one step");
        if (elementEdited) {
            const int edited = diagram.program().rungOfLine(outcome.line);
            fuzz::require(edited >= 0 &&
                              diagram.program().rungs()[static_cast<std::size_t>(edited)].editable,
                          "an edited rung stays editable");
        }
    }
    while (editor.history().canUndo()) {
        editor.undo();
    }
    fuzz::require(cells(grid) == start, "undo gives back the starting grid");
    return 0;
}
