// SPDX-License-Identifier: GPL-3.0-or-later
#include "Session.h"

#include "ModuleDriver.h"

#include <algorithm>
#include <cassert>

namespace rungbox::session {

Session::Session(const Ports& ports)
    : m_ports(ports), m_moduleDriver(std::make_unique<ModuleDriver>(ports.panel, ports.runWindow)),
      m_controller(*m_moduleDriver), m_editor(m_grid),
      m_runControl(m_controller, m_grid, ports.boxes, ports.runWindow),
      m_files(m_editor, m_controller, ports.fileDialog, ports.boxes, ports.fileSystem, ports.shell),
      m_debugger(m_controller) {
    addObserver(m_moduleDriver.get());
}

Session::~Session() = default;

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
    return true;
}

void Session::setUp() {
    editor::setUpGrid(m_grid);
    m_controller.reset();
    m_editor.setCodeChanged(false);
}

void Session::toggleRun() {
    const bool wasRunning = running();
    m_runControl.toggleRun();
    m_debugger.runStartedOrStopped();
    if (!wasRunning && running()) {
        m_clockMs = 0;
        m_tracing.runStarted(m_controller);
        for (RunObserver* observer : m_observers) {
            observer->runStarted(m_controller);
        }
    } else if (wasRunning && !running()) {
        notifyStopped();
    }
}

void Session::scan(std::uint64_t clockMs) {
    if (!running() || m_debugger.paused()) {
        return;
    }
    runScan(clockMs);
}

// Observers and the recorder see whole scans: beforeScan when a scan starts, afterScan when it
// has reached END, however many calls it took.
void Session::runScan(std::uint64_t clockMs) {
    m_clockMs = clockMs;
    if (!m_controller.midScan()) {
        for (RunObserver* observer : m_observers) {
            observer->beforeScan(m_controller, clockMs);
        }
    }
    m_runControl.onScanTimer();
    if (!running()) {
        // A program error: its message has been shown and the run stopped.
        m_debugger.runStartedOrStopped();
        notifyStopped();
        return;
    }
    if (m_controller.midScan()) {
        m_debugger.setPaused(true); // a breakpoint
        m_debugger.changed();
        return;
    }
    scanEnded();
}

void Session::scanEnded() {
    m_tracing.scanned(m_controller, m_clockMs);
    for (RunObserver* observer : m_observers) {
        observer->afterScan(m_controller, m_clockMs);
    }
}

void Session::tick() {
    if (!m_debugger.paused()) {
        runTick();
    }
}

void Session::runTick() {
    m_runControl.onTickTimer();
    if (running()) {
        m_tracing.ticked(m_controller, m_clockMs);
    }
}

editor::PasteResult Session::paste(std::string_view text) {
    if (!m_grid.enabled()) {
        return editor::PasteResult::Nothing;
    }
    const editor::PasteResult result = m_editor.paste(text);
    if (result == editor::PasteResult::NoRoom) {
        m_ports.boxes.show(editor::kPasteNoRoom, platform::BoxStyle::Exclamation,
                           platform::kAppTitle);
    }
    return result;
}

void Session::stepScan(std::uint64_t clockMs) {
    if (!running()) {
        return;
    }
    m_debugger.setPaused(true);
    runScan(clockMs);
    m_debugger.changed();
}

void Session::stepTick() {
    if (!running()) {
        return;
    }
    m_debugger.setPaused(true);
    runTick();
    m_debugger.changed();
}

void Session::stepLine() {
    if (!running()) {
        return;
    }
    m_debugger.setPaused(true);
    if (!m_controller.midScan()) {
        for (RunObserver* observer : m_observers) {
            observer->beforeScan(m_controller, m_clockMs);
        }
    }
    m_runControl.stepLine();
    if (!running()) {
        m_debugger.runStartedOrStopped();
        notifyStopped();
        return;
    }
    if (!m_controller.midScan()) {
        scanEnded();
    }
    m_debugger.changed();
}

void Session::newProgram() {
    m_files.newProgram();
    for (int line = 1; line <= engine::kLastCodeLine; ++line) {
        if (!m_grid.text(line, editor::kCodeCol).empty()) {
            return; // the question was cancelled: the program stays, and its breakpoints
        }
    }
    m_debugger.clearBreakpoints();
}

bool Session::load() {
    if (!m_files.load()) {
        return false;
    }
    m_debugger.clearBreakpoints();
    return true;
}

void Session::addObserver(RunObserver* observer) {
    assert(observer != nullptr);
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
        m_observers.push_back(observer);
    }
}

void Session::removeObserver(RunObserver* observer) {
    std::erase(m_observers, observer);
}

void Session::notifyStopped() {
    m_tracing.runStopped();
    for (RunObserver* observer : m_observers) {
        observer->runStopped(m_controller);
    }
}

} // namespace rungbox::session
