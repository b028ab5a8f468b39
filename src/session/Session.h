// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application's session of work: one controller, one code grid with its editor, the run/stop
// control and the file commands, built and wired together once. The main window and rungbox-sim
// each build one Session and give it their ports; neither wires the core itself.

#include "debug/Debugger.h"
#include "editor/CodeGrid.h"
#include "editor/Editor.h"
#include "engine/Controller.h"
#include "files/FileCommands.h"
#include "machines/ModuleHost.h"
#include "panel/RunControl.h"
#include "platform/Platform.h"
#include "trace/Tracing.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace rungbox::session {

/// Everything a front end provides. Not owned: each must outlive the session.
struct Ports {
    engine::IoPanel& panel;
    platform::RunWindow& runWindow;
    platform::MessageBoxes& boxes;
    platform::FileDialog& fileDialog;
    platform::FileSystem& fileSystem;
    platform::MainWindowShell& shell;
};

/// Told of a run's life, scan by scan: the place where parts that follow a run (a machine to
/// control, a recorder, a live view) hook in, the same way for both front ends. The defaults do
/// nothing. Observers must not start or stop the run themselves.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    /// A run has started: the program is loaded and the first scan is due.
    virtual void runStarted(engine::Controller& /*controller*/) {}
    /// A scan is about to run at `clockMs` milliseconds of run time (see Session::scan).
    virtual void beforeScan(engine::Controller& /*controller*/, std::uint64_t /*clockMs*/) {}
    /// A scan has run to END at `clockMs` milliseconds of run time.
    virtual void afterScan(engine::Controller& /*controller*/, std::uint64_t /*clockMs*/) {}
    /// The run has stopped (the run/stop button, or a program error); the controller is reset.
    virtual void runStopped(engine::Controller& /*controller*/) {}
};

class ModuleDriver;

class Session {
public:
    /// Builds and wires the core on `ports`. Nothing is sent to the ports yet, so a front end
    /// may build its session before its own controls exist; it then calls setUp().
    explicit Session(const Ports& ports);

    /// What the main window does when it loads: lays out the grid (headings, 299 empty code
    /// lines, line numbers, column widths), resets the controller and its panel, and marks the
    /// (empty) program unchanged.
    void setUp();

    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session();

    engine::Controller& controller() { return m_controller; }
    const engine::Controller& controller() const { return m_controller; }
    editor::CodeGrid& grid() { return m_grid; }
    const editor::CodeGrid& grid() const { return m_grid; }
    editor::Editor& editor() { return m_editor; }
    const editor::Editor& editor() const { return m_editor; }
    /// The names of the program's addresses (the editor's, read with the program).
    const names::NameTable& names() const { return m_editor.names(); }
    panel::RunControl& runControl() { return m_runControl; }
    files::FileCommands& files() { return m_files; }
    const Ports& ports() const { return m_ports; }

    /// True while a run is on.
    bool running() const { return m_controller.simulating(); }

    /// The run/stop lamp-button: starts a stopped run or stops a running one (RunControl), and
    /// tells the observers.
    void toggleRun();

    /// One tick of the scan timer: one scan of the running program at `clockMs` milliseconds of
    /// run time (the window's elapsed time since the start; rungbox-sim's simulated time). A
    /// program error reports its line and stops the run. A scan that meets a breakpoint pauses
    /// the run before that line; a paused scan goes on from there. Does nothing while stopped or
    /// paused.
    void scan(std::uint64_t clockMs);

    /// One tick of the timer-tick timer (100 ms). Does nothing while stopped or paused.
    void tick();

    /// The timing recorder of the runs: off until switched on. While on, it samples the start of
    /// each run, every scan at its run time, and every tick at the time of the scan before it.
    trace::Tracing& tracing() { return m_tracing; }
    const trace::Tracing& tracing() const { return m_tracing; }

    /// The Module menu's choice and its machine, which drives its inputs during a run.
    machines::ModuleHost& modules();
    const machines::ModuleHost& modules() const;
    /// Module menu: chooses `kind` and puts its machine in its starting state. Refused (false)
    /// while a run is on, as the menu is locked then. Nothing else changes.
    bool chooseModule(machines::ModuleKind kind);

    /// Pastes the clipboard's `text` into the grid (Editor::paste). A paste of lines refused
    /// for want of room says so in a message box; nothing is pasted while a run is on.
    editor::PasteResult paste(std::string_view text);

    debug::Debugger& debugger() { return m_debugger; }
    const debug::Debugger& debugger() const { return m_debugger; }

    // Stepping a running program (each does nothing while stopped). The run is paused after
    // each; a program error reports its line and stops the run, as a scan does.
    /// The rest of the paused scan, or one whole scan (stopping early at a breakpoint).
    void stepScan(std::uint64_t clockMs);
    /// One timer tick.
    void stepTick();
    /// The next code line of the scan (starting a scan when none is paused). The observers see
    /// the scan start and end at the run time of the last scan.
    void stepLine();

    /// File > New and File > Load (FileCommands) for the window: a program that is cleared or
    /// replaced loses its breakpoints. load() answers whether a program was loaded.
    void newProgram();
    bool load();

    /// `observer` is told of every run from now on; it must outlive the session or be removed.
    void addObserver(RunObserver* observer);
    void removeObserver(RunObserver* observer);

private:
    void notifyStopped();
    void runScan(std::uint64_t clockMs);
    void scanEnded();
    void runTick();

    Ports m_ports;
    // Between the controller and the front end's panel: built first, observes every run.
    std::unique_ptr<ModuleDriver> m_moduleDriver;
    engine::Controller m_controller;
    editor::CodeGrid m_grid;
    editor::Editor m_editor;
    panel::RunControl m_runControl;
    files::FileCommands m_files;
    debug::Debugger m_debugger;
    std::vector<RunObserver*> m_observers;
    trace::Tracing m_tracing;
    std::uint64_t m_clockMs = 0; // run time of the last scan; stepLine()'s scans run at it
};

} // namespace rungbox::session
