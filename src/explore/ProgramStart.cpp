// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramStart.h"

#include "Explorable.h"

#include "editor/Editor.h"
#include "files/LadderFile.h"
#include "panel/RunStart.h"

namespace rungbox::explore {

StartedController::StartedController()
    : m_panel(std::make_unique<engine::PanelState>()),
      m_plc(std::make_unique<engine::Controller>(*m_panel)) {}

StartedController::~StartedController() = default;

bool StartedController::start(editor::CodeGrid& grid, platform::MessageBoxes& boxes) {
    const panel::StartResult started = panel::startRun(grid, *m_plc, boxes);
    if (started == panel::StartResult::NoEnd) {
        boxes.show("The program has no END line: it cannot start.", platform::BoxStyle::Exclamation,
                   platform::kAppTitle);
    }
    if (started != panel::StartResult::Started) {
        return false;
    }
    const std::string refusal = explorationRefusal(*m_plc);
    if (!refusal.empty()) {
        boxes.show(refusal, platform::BoxStyle::Exclamation, platform::kAppTitle);
        return false;
    }
    return true;
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
    grid.setInstructionSet(contents.set);
    files::placeFields(grid, contents.fields);
    return start(grid, boxes);
}

} // namespace rungbox::explore
