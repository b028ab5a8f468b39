// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiagramEditor.h"

#include "Mnemonic.h"
#include "editor/ClipboardText.h"
#include "editor/Editor.h"
#include "engine/AddressMap.h"
#include "engine/ExtendedLine.h"
#include "l10n/Mark.h"

#include <algorithm>

namespace rungbox::ladder {

using editor::kCodeCol;
using editor::kLocationCol;
using editor::kSetValueCol;
using editor::LineCells;

namespace {

// The line a node was read from, found by walking the tree.
bool findLine(const Node& node, int line, Path& path) {
    if (!node.isGroup() && node.line == line) {
        return true;
    }
    for (std::size_t i = 0; i < node.parts.size(); ++i) {
        path.push_back(static_cast<int>(i));
        if (findLine(node.parts[i], line, path)) {
            return true;
        }
        path.pop_back();
    }
    return false;
}

// True when `line` of `grid` writes relay `relay` with a coil (or, extended, KEEP, SET, RSET).
bool writesRelay(const editor::CodeGrid& grid, int line, int relay) {
    const std::string& location = grid.text(line, kLocationCol);
    if (!grid.extended()) {
        const engine::OpCode op = engine::decodeForm(grid.text(line, kCodeCol)).op;
        return (op == engine::OpCode::Out || op == engine::OpCode::OutNot ||
                op == engine::OpCode::Difu) &&
               engine::readNumber(location) == relay;
    }
    const engine::OpCode op =
        engine::decodeForm(grid.text(line, kCodeCol), engine::InstructionSet::Extended).op;
    const auto address = engine::parseBitAddress(location);
    return engine::writesOperand(op) && op != engine::OpCode::Sft && address &&
           *address == engine::BitAddress{engine::Area::Relay, relay};
}

LineCells cellsOf(const editor::CodeGrid& grid, int line) {
    return {grid.text(line, kCodeCol), grid.text(line, kLocationCol),
            grid.text(line, kSetValueCol)};
}

} // namespace

std::vector<LineCells> rungCells(const Node& rung) {
    std::vector<LineCells> cells;
    for (MnemonicLine& line : writeRung(rung)) {
        cells.push_back({std::move(line.code), std::move(line.location), std::move(line.setValue)});
    }
    return cells;
}

DiagramEditor::DiagramEditor(editor::Editor& editor) : m_editor(editor) {
    refresh();
}

void DiagramEditor::refresh() {
    const editor::CodeGrid& grid = m_editor.grid();
    std::vector<LineText> lines;
    for (int r = 1; r < grid.rowCount() && r <= editor::kLastLine; ++r) {
        lines.push_back(
            {grid.text(r, kCodeCol), grid.text(r, kLocationCol), grid.text(r, kSetValueCol)});
    }
    m_program = LadderProgram::read(lines, grid.instructionSet());
}

Place DiagramEditor::placeOfLine(int line) const {
    const int r = m_program.rungOfLine(line);
    if (r < 0) {
        return {};
    }
    const Node& tree = m_program.rungs()[static_cast<std::size_t>(r)].tree;
    // An ADD's or SUB's operand line selects its box: the element drawn for it is the box's.
    const int e = m_program.layout().elementOfLine(line);
    const int drawn =
        e < 0 ? line : m_program.layout().elements()[static_cast<std::size_t>(e)].line;
    Path path;
    if (findLine(tree, drawn, path)) {
        return {r, std::move(path)};
    }
    const std::vector<MnemonicLine> written =
        m_program.rungs()[static_cast<std::size_t>(r)].editable ? writeRung(tree)
                                                                : std::vector<MnemonicLine>{};
    return {r, written.empty() ? Path{} : written.front().path};
}

int DiagramEditor::lineOf(const Place& place) const {
    if (place.rung < 0 || place.rung >= static_cast<int>(m_program.rungs().size())) {
        return 0;
    }
    const Node* node =
        nodeAt(m_program.rungs()[static_cast<std::size_t>(place.rung)].tree, place.path);
    return node == nullptr || node->isGroup() ? 0 : node->line;
}

Outcome DiagramEditor::edit(const Place& place, const RungEdit& change) {
    refresh();
    if (place.rung < 0 || place.rung >= static_cast<int>(m_program.rungs().size())) {
        return {QT_TRANSLATE_NOOP("Ladder", "nothing selected"), 0};
    }
    const ProgramRung& rung = m_program.rungs()[static_cast<std::size_t>(place.rung)];
    if (!rung.editable) {
        return {"this rung is edited in the grid: " + rung.reason, 0};
    }
    Node tree = rung.tree;
    const EditResult result = change(tree, place.path);
    if (!result.done()) {
        return {result.refusal, 0};
    }
    const std::vector<MnemonicLine> lines = writeRung(tree);
    const int count = rung.last - rung.first + 1;
    if (!fits(rung.first, count, static_cast<int>(lines.size()))) {
        return {std::string(kNoRoom), 0};
    }
    int select = rung.first;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!result.selection.empty() && lines[i].path == result.selection) {
            select = rung.first + static_cast<int>(i);
            break; // an ADD's operand line, written with the same path, comes after it
        }
    }
    replaceLines(rung.first, count, rungCells(tree), select);
    return {{}, select};
}

int DiagramEditor::insertionLine(int after) const {
    const std::vector<ProgramRung>& rungs = m_program.rungs();
    if (rungs.empty()) {
        return 1;
    }
    if (after < 0) {
        return rungs.front().first;
    }
    const ProgramRung& rung = rungs[static_cast<std::size_t>(
        std::min<std::size_t>(static_cast<std::size_t>(after), rungs.size() - 1))];
    return rung.end ? rung.first : rung.last + 1;
}

bool DiagramEditor::fits(int line, int removed, int added) const {
    const int last = std::max(m_editor.lastLineWithText(), line + removed - 1);
    return last - removed + added <= editor::kLastLine;
}

Outcome DiagramEditor::addRung(int after, Node rung) {
    return addRungs(after, {std::move(rung)});
}

Outcome DiagramEditor::addRungs(int after, std::vector<Node> rungs) {
    refresh();
    std::vector<LineCells> cells;
    for (Node& rung : rungs) {
        rung.set = m_editor.grid().instructionSet();
        normalize(rung);
        if (std::string problem = rungProblem(rung); !problem.empty()) {
            return {std::move(problem), 0};
        }
        std::vector<LineCells> written = rungCells(rung);
        cells.insert(cells.end(), written.begin(), written.end());
    }
    if (m_editor.lastUsedLine() == 0) {
        cells.push_back({"END", "", ""});
    }
    const int line = insertionLine(after);
    if (!fits(line, 0, static_cast<int>(cells.size()))) {
        return {std::string(kNoRoom), 0};
    }
    replaceLines(line, 0, cells, line);
    return {{}, line};
}

Outcome DiagramEditor::deleteRung(int index) {
    refresh();
    if (index < 0 || index >= static_cast<int>(m_program.rungs().size())) {
        return {QT_TRANSLATE_NOOP("Ladder", "nothing selected"), 0};
    }
    const ProgramRung& rung = m_program.rungs()[static_cast<std::size_t>(index)];
    if (rung.end) {
        return {QT_TRANSLATE_NOOP("Ladder", "END stays: a program ends with it"), 0};
    }
    if (!rung.editable) {
        return {"this rung is edited in the grid: " + rung.reason, 0};
    }
    const int first = rung.first; // replaceLines reads the program afresh
    replaceLines(first, rung.last - first + 1, {}, first);
    return {{}, first};
}

Outcome DiagramEditor::moveRung(int index, int delta) {
    refresh();
    const int other = index + delta;
    const int count = static_cast<int>(m_program.rungs().size());
    if (index < 0 || index >= count || other < 0 || other >= count || delta == 0) {
        return {QT_TRANSLATE_NOOP("Ladder", "no rung to swap with"), 0};
    }
    const ProgramRung& a = m_program.rungs()[static_cast<std::size_t>(std::min(index, other))];
    const ProgramRung& b = m_program.rungs()[static_cast<std::size_t>(std::max(index, other))];
    for (const ProgramRung* rung : {&a, &b}) {
        if (rung->end) {
            return {QT_TRANSLATE_NOOP("Ladder", "END stays last"), 0};
        }
        if (!rung->editable) {
            return {"a rung edited in the grid stays where it is: " + rung->reason, 0};
        }
    }
    const editor::CodeGrid& grid = m_editor.grid();
    std::vector<LineCells> cells;
    for (int line = b.first; line <= b.last; ++line) {
        cells.push_back(cellsOf(grid, line));
    }
    for (int line = a.last + 1; line < b.first; ++line) {
        cells.push_back(cellsOf(grid, line));
    }
    for (int line = a.first; line <= a.last; ++line) {
        cells.push_back(cellsOf(grid, line));
    }
    const int select = delta < 0 ? a.first : a.first + (b.last - a.last);
    replaceLines(a.first, b.last - a.first + 1, cells, select);
    return {{}, select};
}

std::optional<std::string> DiagramEditor::copyRung(int index) const {
    if (index < 0 || index >= static_cast<int>(m_program.rungs().size()) ||
        m_program.rungs()[static_cast<std::size_t>(index)].end) {
        return std::nullopt;
    }
    const ProgramRung& rung = m_program.rungs()[static_cast<std::size_t>(index)];
    return editor::linesToText(m_editor.grid(), rung.first, rung.last);
}

Outcome DiagramEditor::pasteRungs(int after, std::string_view text) {
    refresh();
    const std::optional<std::vector<LineCells>> cells = editor::textToLines(text);
    if (!cells || cells->size() > static_cast<std::size_t>(editor::kLastLine)) {
        return {QT_TRANSLATE_NOOP("Ladder", "the clipboard holds no code lines"), 0};
    }
    std::vector<LineText> lines;
    for (const LineCells& line : *cells) {
        lines.push_back({line[0], line[1], line[2]});
    }
    const LadderProgram pasted = LadderProgram::read(lines, m_editor.grid().instructionSet());
    const bool drawable = !pasted.rungs().empty() &&
                          std::all_of(pasted.rungs().begin(), pasted.rungs().end(),
                                      [](const ProgramRung& rung) { return rung.editable; }) &&
                          pasted.rungs().front().first == 1 &&
                          pasted.rungs().back().last == static_cast<int>(lines.size());
    if (!drawable) {
        return {QT_TRANSLATE_NOOP("Ladder", "the clipboard holds no rungs the diagram can draw"),
                0};
    }
    const int line = insertionLine(after);
    if (!fits(line, 0, static_cast<int>(cells->size()))) {
        return {std::string(kNoRoom), 0};
    }
    replaceLines(line, 0, *cells, line);
    return {{}, line};
}

int DiagramEditor::freeCoil() const {
    const editor::CodeGrid& grid = m_editor.grid();
    for (int coil = engine::kFirstOutputRelay;
         coil < engine::kFirstOutputRelay + engine::kOutputCount; ++coil) {
        bool used = false;
        for (int line = 1; line <= editor::kLastLine && !used; ++line) {
            used = writesRelay(grid, line, coil);
        }
        if (!used) {
            return coil;
        }
    }
    return engine::kFirstOutputRelay;
}

// Replaces `removed` lines from `line` on by `added`, moving the lines below up or down, as one
// step of the undo history; the grid's current line goes to `select`.
void DiagramEditor::replaceLines(int line, int removed, const std::vector<LineCells>& added,
                                 int select) {
    editor::CodeGrid& grid = m_editor.grid();
    const int delta = static_cast<int>(added.size()) - removed;
    // Text below the program (a location typed ahead) moves along with the lines.
    const int last = std::max(m_editor.lastLineWithText(), line + removed - 1);
    auto write = [&](int to, const LineCells& cells) {
        grid.setText(to, kCodeCol, cells[0]);
        grid.setText(to, kLocationCol, cells[1]);
        grid.setText(to, kSetValueCol, cells[2]);
    };
    m_editor.history().begin(grid);
    if (delta > 0) {
        for (int from = last; from >= line + removed; --from) {
            write(from + delta, cellsOf(grid, from));
        }
    } else if (delta < 0) {
        for (int from = line + removed; from <= last; ++from) {
            write(from + delta, cellsOf(grid, from));
        }
        for (int from = last + delta + 1; from <= last; ++from) {
            write(from, {});
        }
    }
    for (std::size_t i = 0; i < added.size(); ++i) {
        write(line + static_cast<int>(i), added[i]);
    }
    grid.setLine(select);
    if (m_editor.history().commit(grid)) {
        m_editor.setCodeChanged(true);
    }
    refresh();
}

} // namespace rungbox::ladder
