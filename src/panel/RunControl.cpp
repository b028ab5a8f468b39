// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunControl.h"

#include "RunStart.h"
#include "engine/ExtendedLine.h"
#include "engine/Instruction.h"
#include "engine/LineSyntax.h"
#include "l10n/Mark.h"

namespace rungbox::panel {

namespace {

constexpr l10n::Message kNoEnd =
    QT_TRANSLATE_NOOP3("Core", "Not END encountered. Error starting SIMULATION ...", "run.no_end");

constexpr l10n::Message kErrorAtLine = QT_TRANSLATE_NOOP3("Core", "Error at line %1", "run.error");

constexpr l10n::Message kBelongsToExtended = QT_TRANSLATE_NOOP3(
    "Core",
    "%1 belongs to the extended instruction set: turn on Extended Instruction Set in the Options "
    "menu.",
    "run.extended_instruction");

constexpr l10n::Message kWrittenForExtended = QT_TRANSLATE_NOOP3(
    "Core",
    "Line %1 is written for the extended instruction set: turn on Extended Instruction Set in the "
    "Options menu.",
    "run.extended_line");

} // namespace

l10n::Text extendedSetHint(const editor::CodeGrid& grid, int line) {
    const std::string& code = grid.text(line, editor::kCodeCol);
    if (grid.extended() || !engine::usesExtended(code, grid.text(line, editor::kLocationCol),
                                                 grid.text(line, editor::kSetValueCol))) {
        return {};
    }
    // The instruction is named when the classic set does not know its mnemonic at all (KEEP,
    // CNTR); a classic instruction written with a function code or an extended operand is not.
    const engine::Words words = engine::splitWords(code);
    const std::string_view name = engine::mnemonic(words[0]);
    const bool extendedOnly =
        engine::decodeForm(words, engine::InstructionSet::Extended).op != engine::OpCode::Invalid &&
        engine::decodeForm(name).op == engine::OpCode::Invalid;
    if (extendedOnly) {
        return l10n::text(kBelongsToExtended, std::string(name));
    }
    return l10n::text(kWrittenForExtended, std::to_string(line));
}

RunControl::RunControl(engine::Controller& controller, editor::CodeGrid& grid,
                       platform::MessageBoxes& boxes, platform::RunWindow& window)
    : m_controller(controller), m_grid(grid), m_boxes(boxes), m_window(window) {}

void RunControl::toggleRun() {
    if (!m_controller.simulating()) {
        if (!startSequence()) { // the start has reset the controller, whatever came of it
            return;
        }
    } else {
        m_controller.reset();
        stopSequence();
    }
    m_controller.setSimulating(!m_controller.simulating());
    m_controller.showRunLamp();
}

bool RunControl::startSequence() {
    m_errorHint = {};
    const StartResult started = startRun(m_grid, m_controller, m_boxes, &m_window);
    if (started == StartResult::NoEnd) {
        m_boxes.show(l10n::text(kNoEnd), platform::BoxStyle::Exclamation, platform::kAppTitle);
    }
    if (started != StartResult::Started) {
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
    m_errorHint = extendedSetHint(m_grid, badLine);
    m_boxes.show(l10n::text(kErrorAtLine, engine::numberText(badLine)), platform::BoxStyle::Ok,
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
