// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunControl.h"

#include "editor/Preparation.h"
#include "engine/LineSyntax.h"

namespace rungbox::panel {

namespace {

// The progress counts the grid's rows, its heading included: after the last line the bar is
// still one row short of full, and only the end of the copy fills it.
constexpr int kProgressRows = editor::kGridRows;

constexpr std::string_view kNoEnd = "Not END encountered. Error starting SIMULATION ...";

} // namespace

RunControl::RunControl(engine::Controller& controller, editor::CodeGrid& grid,
                       platform::MessageBoxes& boxes, platform::RunWindow& window)
    : m_controller(controller), m_grid(grid), m_boxes(boxes), m_window(window) {}

void RunControl::toggleRun() {
    m_controller.reset();
    if (!m_controller.simulating()) {
        if (!startSequence()) {
            return;
        }
    } else {
        stopSequence();
    }
    m_controller.setSimulating(!m_controller.simulating());
    m_controller.showRunLamp();
}

bool RunControl::startSequence() {
    if (!editor::prepareProgram(m_grid, m_controller, m_boxes)) {
        return false;
    }

    m_window.setProgress(0, kProgressRows);
    m_window.setProgressVisible(true);
    bool endFound = false;
    for (int i = 1; i <= engine::kLastCodeLine; ++i) {
        engine::LadderLine line;
        line.code = m_grid.text(i, editor::kCodeCol);
        line.location = engine::readNumber(m_grid.text(i, editor::kLocationCol));
        line.setValue = engine::readNumber(m_grid.text(i, editor::kSetValueCol));
        const bool isEnd = line.code == "END";
        m_controller.setLadderTable(i, std::move(line));
        if (isEnd) {
            endFound = true;
            break;
        }
        m_window.setProgress(i, kProgressRows);
    }
    m_window.setProgress(kProgressRows, kProgressRows);
    m_window.setProgressVisible(false);

    if (!endFound) {
        m_boxes.show(kNoEnd, platform::BoxStyle::Exclamation, platform::kAppTitle);
        return false;
    }

    m_grid.markLine(0); // the program starts: no line stands in its way any more
    m_window.setFileMenuEnabled(false);
    m_window.setModuleMenuEnabled(false);
    m_grid.setEnabled(false);
    for (int n = 0; n < engine::kInputCount; ++n) {
        m_window.setInputSwitchEnabled(n, true);
    }
    return true;
}

void RunControl::stopSequence() {
    m_window.setFileMenuEnabled(true);
    m_window.setModuleMenuEnabled(true);
    m_grid.setEnabled(true);
    for (int n = 0; n < engine::kInputCount; ++n) {
        m_window.setInputSwitchEnabled(n, false);
    }
}

void RunControl::onScanTimer() {
    if (!m_controller.simulating() || m_reportingError) {
        return;
    }
    report(m_controller.scan());
}

void RunControl::stepLine() {
    if (!m_controller.simulating() || m_reportingError) {
        return;
    }
    report(m_controller.stepLine());
}

void RunControl::report(int badLine) {
    if (badLine == 0) {
        return;
    }
    // Ticks that arrive while the message is open must not scan again: one program error gives
    // one message and one stop.
    m_reportingError = true;
    // The line the message names is selected and marked, so that the grid shows it behind the
    // message and after it.
    m_grid.select(badLine, editor::kCodeCol, badLine, editor::kSetValueCol);
    m_grid.markLine(badLine);
    m_boxes.show("Error at line " + engine::numberText(badLine), platform::BoxStyle::Ok,
                 platform::kAppTitle);
    m_reportingError = false;
    toggleRun();
}

void RunControl::onTickTimer() {
    if (!m_controller.simulating() || m_reportingError) {
        return;
    }
    m_controller.tick();
}

} // namespace rungbox::panel
