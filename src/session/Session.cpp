// SPDX-License-Identifier: GPL-3.0-or-later
#include "Session.h"

#include "ModuleDriver.h"
#include "trace/SignalRows.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace rungbox::session {

static_assert(panel::kScanIntervalMs == 1, "the run clock runs one scan per millisecond");

Session::Session(const Ports& ports)
    : m_ports(ports), m_moduleDriver(std::make_unique<ModuleDriver>(ports.panel, ports.runWindow)),
      m_controller(*m_moduleDriver), m_editor(m_grid),
      m_runControl(m_controller, m_grid, ports.boxes, ports.runWindow),
      m_files(m_editor, m_controller, ports.fileDialog, ports.boxes, ports.fileSystem, ports.shell),
      m_debugger(m_controller) {
    m_grid.setListener(this);
    m_debugger.addListener(this);
}

Session::~Session() {
    m_grid.setListener(nullptr);
    m_debugger.removeListener(this);
}

void Session::setUp() {
    editor::setUpGrid(m_grid);
    m_controller.reset();
    m_editor.setCodeChanged(false);
    tellFileChanged();
}

// --- Listeners -------------------------------------------------------------------------------

template <typename Call> void Session::tell(Call call) {
    // By index: a listener may remove itself (a window closing) while it is told.
    for (std::size_t i = 0; i < m_listeners.size(); ++i) {
        call(*m_listeners[i]);
    }
}

void Session::addListener(SessionListener* listener) {
    assert(listener != nullptr);
    if (std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end()) {
        m_listeners.push_back(listener);
    }
}

void Session::removeListener(SessionListener* listener) {
    std::erase(m_listeners, listener);
}

void Session::cellChanged(int row, int col) {
    tell([&](SessionListener& l) { l.cellChanged(row, col); });
}

void Session::cursorChanged() {
    tell([](SessionListener& l) { l.cursorChanged(); });
}

void Session::layoutChanged() {
    tell([](SessionListener& l) { l.gridLayoutChanged(); });
}

void Session::instructionSetChanged() {
    tell([](SessionListener& l) { l.instructionSetChanged(); });
}

void Session::debugStateChanged() {
    tell([](SessionListener& l) { l.debugChanged(); });
}

void Session::tellAdvanced() {
    tell([this](SessionListener& l) { l.advanced(m_clockMs); });
}

void Session::tellFileChanged() {
    tell([](SessionListener& l) { l.fileChanged(); });
}

// --- The run ---------------------------------------------------------------------------------

void Session::toggleRun() {
    const bool wasRunning = running();
    m_runControl.toggleRun();
    if (running() == wasRunning) {
        return; // a start refused with its message
    }
    if (!running()) {
        runStopped();
        return;
    }
    m_clockMs = 0;
    m_tickOwed = false;
    m_hundredthOwed = false;
    m_controller.setClockMs(0);
    m_debugger.runStartedOrStopped();
    m_moduleDriver->runStarted();
    // The words an extended program writes are recorded from the start of its run.
    for (const trace::Signal& word : trace::programWords(m_grid)) {
        m_tracing.recorder().add(word);
    }
    m_tracing.runStarted(m_controller);
    tell([](SessionListener& l) { l.runChanged(); });
    tell([](SessionListener& l) { l.moduleChanged(); });
}

void Session::runStopped() {
    m_clockMs = 0;
    m_tickOwed = false;
    m_debugger.runStartedOrStopped();
    m_moduleDriver->runStopped();
    m_tracing.runStopped();
    tell([](SessionListener& l) { l.runChanged(); });
    tell([](SessionListener& l) { l.moduleChanged(); });
}

// One call of the run/stop control's scan: a whole scan, the rest of a paused one, or the part
// up to a breakpoint. Listeners, the machine and the recorder see whole scans only.
RunEnd Session::runScan() {
    const bool resuming = m_controller.midScan();
    m_runControl.onScanTimer();
    if (!running()) {
        runStopped(); // a program error: its message has been shown
        return RunEnd::Stopped;
    }
    if (m_controller.midScan()) {
        m_debugger.setPaused(true); // a breakpoint
        m_debugger.changed();
        return RunEnd::Breakpoint;
    }
    scanEnded();
    if (resuming) {
        m_debugger.changed(); // the marked next line has gone
    }
    return RunEnd::Done;
}

void Session::scanEnded() {
    m_moduleDriver->afterScan(m_controller);
    m_tracing.scanned(m_controller, m_clockMs);
    tell([this](SessionListener& l) { l.scanned(m_clockMs); });
    if (std::exchange(m_hundredthOwed, false)) {
        m_controller.hundredthTick();
    }
    if (std::exchange(m_tickOwed, false)) {
        runTick();
    }
}

void Session::runManualTick() {
    // A tick stands for the timer tick's 100 ms: hundredth timers count ten hundredths in it.
    for (std::uint64_t k = 0; k < panel::kTickIntervalMs / kHundredthMs; ++k) {
        m_controller.hundredthTick();
    }
    runTick();
}

void Session::runTick() {
    m_runControl.onTickTimer();
    if (running()) {
        m_tracing.ticked(m_controller, m_clockMs);
    }
}

RunEnd Session::advance(std::uint64_t elapsedMs) {
    if (!running() || paused()) {
        return RunEnd::Done;
    }
    RunEnd end = m_controller.midScan() ? runScan() : RunEnd::Done;
    for (std::uint64_t k = 0; k < elapsedMs && end == RunEnd::Done; ++k) {
        ++m_clockMs;
        m_tickOwed = m_clockMs % panel::kTickIntervalMs == 0;
        m_hundredthOwed = m_clockMs % kHundredthMs == 0;
        m_controller.setClockMs(m_clockMs);
        end = runScan();
    }
    tellAdvanced();
    return end;
}

RunEnd Session::scan() {
    if (!running()) {
        return RunEnd::Done;
    }
    m_debugger.setPaused(false);
    const RunEnd end = runScan();
    tellAdvanced();
    return end;
}

void Session::tick() {
    if (!running()) {
        return;
    }
    m_debugger.setPaused(false);
    runManualTick();
    tellAdvanced();
}

RunEnd Session::stepScan() {
    if (!running()) {
        return RunEnd::Done;
    }
    m_debugger.setPaused(true);
    const RunEnd end = runScan();
    m_debugger.changed();
    tellAdvanced();
    return end;
}

void Session::stepTick() {
    if (!running()) {
        return;
    }
    m_debugger.setPaused(true);
    runManualTick();
    m_debugger.changed();
    tellAdvanced();
}

RunEnd Session::stepLine() {
    if (!running()) {
        return RunEnd::Done;
    }
    m_debugger.setPaused(true);
    m_runControl.stepLine();
    if (!running()) {
        runStopped();
        return RunEnd::Stopped;
    }
    if (!m_controller.midScan()) {
        scanEnded();
    }
    m_debugger.changed();
    tellAdvanced();
    return RunEnd::Done;
}

void Session::setRecording(bool on) {
    m_tracing.setOn(on);
    tell([](SessionListener& l) { l.recordingChanged(); });
}

void Session::clearRecording() {
    m_tracing.recorder().clear();
    tell([](SessionListener& l) { l.recordingChanged(); });
}

// --- Commands locked while a run is on -------------------------------------------------------

machines::ModuleHost& Session::modules() {
    return m_moduleDriver->host();
}

const machines::ModuleHost& Session::modules() const {
    return m_moduleDriver->host();
}

bool Session::chooseModule(machines::ModuleKind kind) {
    if (running()) {
        return false;
    }
    m_moduleDriver->host().choose(kind);
    tell([](SessionListener& l) { l.moduleChanged(); });
    return true;
}

bool Session::newProgram() {
    if (running() || !m_files.newProgram()) {
        return false;
    }
    programReplaced();
    tellFileChanged();
    return true;
}

bool Session::load() {
    if (running() || !m_files.load()) {
        tellFileChanged(); // a failed load may have dropped a recent file
        return false;
    }
    programReplaced();
    tellFileChanged();
    return true;
}

bool Session::open(const std::string& path) {
    if (running()) {
        return false;
    }
    const bool opened = m_files.open(path);
    if (opened) {
        programReplaced();
    }
    tellFileChanged();
    return opened;
}

// The program has gone: its breakpoints, the recording of its runs, which a diagram would
// show under the new program's names, and the holding relays it kept across its runs.
void Session::programReplaced() {
    m_controller.clearRetained();
    m_debugger.clearBreakpoints();
    m_tracing.recorder().clear();
}

bool Session::save() {
    if (running()) {
        return false;
    }
    const bool saved = m_files.save();
    tellFileChanged();
    return saved;
}

bool Session::saveAs() {
    if (running()) {
        return false;
    }
    const bool saved = m_files.saveAs();
    tellFileChanged();
    return saved;
}

bool Session::setInstructionSet(engine::InstructionSet set) {
    if (running()) {
        return false;
    }
    const l10n::Text refusal = m_editor.setInstructionSet(set);
    if (!refusal.empty()) {
        m_ports.boxes.show(refusal, platform::BoxStyle::Exclamation,
                           l10n::text(editor::kInstructionSetTitle));
        return false;
    }
    tellFileChanged(); // the edit mark
    return true;
}

editor::PasteResult Session::paste(std::string_view text) {
    if (running()) {
        return editor::PasteResult::Nothing;
    }
    const editor::PasteResult result = m_editor.paste(text);
    if (result == editor::PasteResult::NoRoom) {
        m_ports.boxes.show(l10n::text(editor::kPasteNoRoom), platform::BoxStyle::Exclamation,
                           platform::kAppTitle);
    }
    return result;
}

} // namespace rungbox::session
