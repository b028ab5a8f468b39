// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramStart.h"

#include "Explorable.h"

#include "editor/Editor.h"
#include "files/LadderFile.h"
#include "l10n/Mark.h"
#include "panel/RunStart.h"

namespace rungbox::explore {

StartedController::StartedController()
    : m_panel(std::make_unique<engine::PanelState>()),
      m_plc(std::make_unique<engine::Controller>(*m_panel)) {}

StartedController::~StartedController() = default;

bool StartedController::start(editor::CodeGrid& grid, platform::MessageBoxes& boxes) {
    const panel::StartResult started = panel::startRun(grid, *m_plc, boxes);
    if (started == panel::StartResult::NoEnd) {
        static constexpr l10n::Message kNoEnd = QT_TRANSLATE_NOOP3(
            "Core", "The program has no END line: it cannot start.", "explore.no_end");
        boxes.show(l10n::text(kNoEnd), platform::BoxStyle::Exclamation, platform::kAppTitle);
    }
    if (started != panel::StartResult::Started) {
        return false;
    }
    const l10n::Text refusal = explorationRefusal(*m_plc);
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
        static constexpr l10n::Message kNotProgram =
            QT_TRANSLATE_NOOP3("Core", "%1: not a Rungbox program file", "explore.not_program");
        boxes.show(l10n::text(kNotProgram, path), platform::BoxStyle::Ok, platform::kAppTitle);
        return false;
    }
    editor::CodeGrid grid;
    editor::setUpGrid(grid);
    grid.setInstructionSet(contents.set);
    files::placeFields(grid, contents.fields);
    return start(grid, boxes);
}

} // namespace rungbox::explore
