// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunStart.h"

#include "editor/Preparation.h"
#include "engine/LineSyntax.h"

namespace rungbox::panel {

namespace {

// The progress counts the grid's rows, its heading included: after the last line the bar is
// still one row short of full, and only the end of the copy fills it.
constexpr int kProgressRows = editor::kGridRows;

// Copies the lines down to the first exact "END"; answers whether there was one.
bool copyProgram(const editor::CodeGrid& grid, engine::Controller& plc,
                 platform::RunWindow* progress) {
    for (int i = 1; i <= engine::kLastCodeLine; ++i) {
        engine::LadderLine line;
        line.code = grid.text(i, editor::kCodeCol);
        line.location = engine::readNumber(grid.text(i, editor::kLocationCol));
        line.setValue = engine::readNumber(grid.text(i, editor::kSetValueCol));
        bool isEnd = line.code == "END";
        if (grid.extended()) {
            // The extended set reads the cells' text, and its END may carry a function code.
            line.locationText = grid.text(i, editor::kLocationCol);
            line.setValueText = grid.text(i, editor::kSetValueCol);
            isEnd = engine::decodeForm(line.code, engine::InstructionSet::Extended).op ==
                    engine::OpCode::End;
        }
        plc.setLadderTable(i, std::move(line));
        if (isEnd) {
            return true;
        }
        if (progress != nullptr) {
            progress->setProgress(i, kProgressRows);
        }
    }
    return false;
}

} // namespace

StartResult startRun(editor::CodeGrid& grid, engine::Controller& plc, platform::MessageBoxes& boxes,
                     platform::RunWindow* progress) {
    plc.setInstructionSet(grid.instructionSet());
    plc.reset();
    if (!editor::prepareProgram(grid, plc, boxes)) {
        return StartResult::Refused;
    }
    if (progress != nullptr) {
        progress->setProgress(0, kProgressRows);
        progress->setProgressVisible(true);
    }
    const bool endFound = copyProgram(grid, plc, progress);
    if (progress != nullptr) {
        progress->setProgress(kProgressRows, kProgressRows);
        progress->setProgressVisible(false);
    }
    return endFound ? StartResult::Started : StartResult::NoEnd;
}

} // namespace rungbox::panel
