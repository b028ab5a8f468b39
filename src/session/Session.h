// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application's session of work: one controller, one code grid with its editor, the run/stop
// control and the file commands, built and wired together once. The main window and rungbox-sim
// each build one Session and give it their ports; neither wires the core itself.

#include "SessionListener.h"
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

class ModuleDriver;

/// How a call that runs the program ended.
enum class RunEnd {
    Done,       ///< it ran all it was asked to (or there was nothing to run: stopped or paused)
    Breakpoint, ///< a scan paused before a line with a breakpoint; the run is paused there
    Stopped,    ///< a program error stopped the run (its message has been shown)
};

/// Longest stall of a front end's real clock that the run catches up on: beyond it the run
/// loses the time rather than race through a backlog of scans. A quarter of a second is longer
/// than any hiccup of a desktop's event loop and still short enough that a machine's travel
/// visibly pauses instead of jumping.
inline constexpr std::uint64_t kMaxCatchUpMs = 250;

/// Turns readings of a front end's real clock (milliseconds, any origin) into the run time the
/// session is owed, for Session::advance: what elapsed since the last reading, at most
/// kMaxCatchUpMs (the rest is dropped, not owed later).
class RealTimeClock {
public:
    /// Starts counting from `nowMs`.
    void restart(std::int64_t nowMs) { m_lastMs = nowMs; }
    /// Milliseconds owed since the last reading, 0 to kMaxCatchUpMs.
    std::uint64_t due(std::int64_t nowMs) {
        const std::int64_t elapsed = nowMs - m_lastMs;
        m_lastMs = nowMs;
        if (elapsed <= 0) {
            return 0;
        }
        const auto owed = static_cast<std::uint64_t>(elapsed);
        return owed < kMaxCatchUpMs ? owed : kMaxCatchUpMs;
    }

private:
    std::int64_t m_lastMs = 0;
};

class Session : private editor::GridListener, private debug::DebugListener {
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
    ~Session() override;

    engine::Controller& controller() { return m_controller; }
    const engine::Controller& controller() const { return m_controller; }
    editor::CodeGrid& grid() { return m_grid; }
    const editor::CodeGrid& grid() const { return m_grid; }
    editor::Editor& editor() { return m_editor; }
    const editor::Editor& editor() const { return m_editor; }
    /// The names of the program's addresses (the editor's, read with the program).
    const names::NameTable& names() const { return m_editor.names(); }
    files::FileCommands& files() { return m_files; }
    const files::FileCommands& files() const { return m_files; }
    const Ports& ports() const { return m_ports; }

    // --- The run -------------------------------------------------------------------------------

    /// The words beside the "Error at line " N message that stopped the last run, telling how to
    /// switch to the extended instruction set (panel::extendedSetHint); empty for none.
    const l10n::Text& errorHint() const { return m_runControl.errorHint(); }

    /// Switches the program's instruction set (Editor::setInstructionSet, one undo step). A
    /// refusal is shown in a message box titled editor::kInstructionSetTitle. Answers true when
    /// the program is in `set` afterwards; false while a run is on or when refused.
    bool setInstructionSet(engine::InstructionSet set);

    /// True while a run is on.
    bool running() const { return m_controller.simulating(); }
    /// True while a run is on and paused (Debugger::paused).
    bool paused() const { return m_debugger.paused(); }
    /// The run's clock: milliseconds of run time since the run started (0 while stopped).
    std::uint64_t clockMs() const { return m_clockMs; }

    /// The run/stop lamp-button: starts a stopped run (clock at 0) or stops a running one.
    void toggleRun();

    /// Runs `elapsedMs` milliseconds of run time: for each millisecond one scan, the machine's
    /// millisecond on the outputs that scan left, and a timer tick after the scan of every
    /// millisecond that is a multiple of 100. A scan interrupted by a breakpoint is finished
    /// first (with its millisecond's tick). Stops early at a breakpoint or a program error.
    /// Does nothing while stopped or paused. The window calls it with the real time elapsed
    /// (RealTimeClock), rungbox-sim's `wait` with the simulated time.
    RunEnd advance(std::uint64_t elapsedMs);

    /// One scan at the current run time, the clock standing still (rungbox-sim's `scan`); a
    /// paused scan goes on from its line. Does nothing while stopped; resumes a paused run.
    RunEnd scan();
    /// One timer tick at the current run time, the clock standing still (rungbox-sim's
    /// `tick`). Does nothing while stopped; resumes a paused run.
    void tick();

    // Stepping a running program (each does nothing while stopped). The run is paused after
    // each; a program error reports its line and stops the run, as a scan does.
    /// The rest of the paused scan, or one whole scan (stopping early at a breakpoint).
    RunEnd stepScan();
    /// One timer tick.
    void stepTick();
    /// The next code line of the scan (starting a scan when none is paused).
    RunEnd stepLine();

    debug::Debugger& debugger() { return m_debugger; }
    const debug::Debugger& debugger() const { return m_debugger; }

    /// The timing recorder of the runs: off until switched on. While on, it samples the start of
    /// each run, every scan at its run time, and every tick at the time of the scan before it.
    trace::Tracing& tracing() { return m_tracing; }
    const trace::Tracing& tracing() const { return m_tracing; }
    /// Switches recording on or off (Tracing::setOn) and tells the listeners.
    void setRecording(bool on);
    /// Empties the recording (Recorder::clear) and tells the listeners.
    void clearRecording();

    // --- Commands locked while a run is on -----------------------------------------------------
    // Each answers whether it went through: false while a run is on (nothing happens), when the
    // user cancelled, or when it failed (its message has been shown).

    /// File > New: a program that is cleared loses its breakpoints.
    bool newProgram();
    /// File > Load: a program that is replaced loses its breakpoints.
    bool load();
    /// Opens the program file at `path` as Load does (command line, drop, recent files).
    bool open(const std::string& path);
    /// File > Save and File > Save As.
    bool save();
    bool saveAs();
    /// Module menu: chooses `kind` and puts its machine in its starting state.
    bool chooseModule(machines::ModuleKind kind);
    /// True when the commands above may run: no run is on.
    bool fileCommandsOpen() const { return !running(); }

    /// Pastes the clipboard's `text` into the grid (Editor::paste). A paste of lines refused
    /// for want of room says so in a message box; nothing is pasted while a run is on.
    editor::PasteResult paste(std::string_view text);

    /// The Module menu's choice and its machine, which drives its inputs during a run.
    machines::ModuleHost& modules();
    const machines::ModuleHost& modules() const;

    // --- Listeners -----------------------------------------------------------------------------

    /// `listener` is told of every change from now on; it must outlive the session or be
    /// removed. Adding one twice has no effect.
    void addListener(SessionListener* listener);
    void removeListener(SessionListener* listener);

private:
    // editor::GridListener and debug::DebugListener: passed on to the listeners.
    void cellChanged(int row, int col) override;
    void cursorChanged() override;
    void layoutChanged() override;
    void instructionSetChanged() override;
    void debugStateChanged() override;

    RunEnd runScan();
    RunEnd finishInterruptedScan();
    void scanEnded();
    void runTick();
    void runManualTick();
    void runStopped();
    void programReplaced();
    RunEnd resumeWith(RunEnd end);
    void tellAdvanced();
    void tellFileChanged();
    template <typename Call> void tell(Call call);

    Ports m_ports;
    // Between the controller and the front end's panel: built first, drives the chosen machine.
    std::unique_ptr<ModuleDriver> m_moduleDriver;
    engine::Controller m_controller;
    editor::CodeGrid m_grid;
    editor::Editor m_editor;
    panel::RunControl m_runControl;
    files::FileCommands m_files;
    debug::Debugger m_debugger;
    trace::Tracing m_tracing;
    std::vector<SessionListener*> m_listeners;
    std::uint64_t m_clockMs = 0;  // run time of the current millisecond
    bool m_hundredthOwed = false; // a hundredth tick follows the scan (TIMH)
    // Hundredth timers (TIMH) count one every 10 ms of the clock.
    static constexpr std::uint64_t kHundredthMs = 10;
    // The scan of the current millisecond was interrupted at a breakpoint before its tick, which
    // then follows when that scan ends, however it is finished. Belongs to its run: a stop or a
    // start forgets it.
    bool m_tickOwed = false;
};

} // namespace rungbox::session
