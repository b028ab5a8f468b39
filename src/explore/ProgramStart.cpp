// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramStart.h"

#include "editor/Editor.h"
#include "editor/Preparation.h"
#include "engine/LineSyntax.h"
#include "files/LadderFile.h"

namespace rungbox::explore {

StartedController::StartedController()
    : m_panel(std::make_unique<engine::QuietPanel>()),
      m_plc(std::make_unique<engine::Controller>(*m_panel)) {}

StartedController::~StartedController() = default;

bool StartedController::start(editor::CodeGrid& grid, platform::MessageBoxes& boxes) {
    m_plc->reset();
    if (!editor::prepareProgram(grid, *m_plc, boxes)) {
        return false;
    }
    // The lines down to the first END, as the run/stop button copies them.
    for (int i = 1; i <= engine::kLastCodeLine; ++i) {
        engine::LadderLine line;
        line.code = grid.text(i, editor::kCodeCol);
        line.location = engine::readNumber(grid.text(i, editor::kLocationCol));
        line.setValue = engine::readNumber(grid.text(i, editor::kSetValueCol));
        const bool isEnd = line.code == "END";
        m_plc->setLadderTable(i, std::move(line));
        if (isEnd) {
            return true;
        }
    }
    boxes.show("The program has no END line: it cannot start.", platform::BoxStyle::Exclamation,
               platform::kAppTitle);
    return false;
}

bool StartedController::start(const std::string& path, platform::FileSystem& files,
                              platform::MessageBoxes& boxes) {
    std::string bytes;
    platform::FileError error;
    if (!files.readAll(path, bytes, error)) {
        boxes.show(path + ": " + error.description, platform::BoxStyle::Ok, platform::kAppTitle);
        return false;
    }
    const files::LadderFileContents contents = files::readLadderFile(bytes);
    if (contents.status != files::ReadStatus::Ok) {
        boxes.show(path + ": not a Rungbox program file", platform::BoxStyle::Ok,
                   platform::kAppTitle);
        return false;
    }
    editor::CodeGrid grid;
    editor::setUpGrid(grid);
    files::placeFields(grid, contents.fields);
    return start(grid, boxes);
}

} // namespace rungbox::explore
