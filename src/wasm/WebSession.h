// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The session as a web page drives it: the core's own Session on the page's ports, with calls
// the page makes for the user's hands (keys, clicks, switches, menu items) and reads for what it
// draws. It holds no rules of its own: what is locked while a run is on, what a key does and
// which message a bad file gives are the session's.

#include "WebPorts.h"
#include "machines/ModuleHost.h"
#include "session/LadderDiagram.h"
#include "session/Session.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::wasm {

/// The hands of the machines' windows, as the page numbers them.
enum class Hand { GateRemote = 0, GateStop = 1, ConveyorStart = 2, ConveyorStop = 3 };

class WebSession {
public:
    /// Laid out as the main window is at start-up: empty grid, controller reset.
    WebSession();
    WebSession(const WebSession&) = delete;
    WebSession& operator=(const WebSession&) = delete;

    // --- The run ---------------------------------------------------------------------------

    /// The run/stop lamp-button (Session::toggleRun).
    void toggleRun() { m_session.toggleRun(); }
    bool running() const { return m_session.running(); }
    /// True while a run is on and paused: its time stands still until it resumes.
    bool paused() const { return m_session.paused(); }
    /// Lets `ms` milliseconds of run time pass (Session::advance). The page passes the real time
    /// elapsed, at most maxCatchUpMs().
    void advance(double ms);
    /// `count` scans without run time passing, as rungbox-sim's `scan`.
    void scan(std::uint32_t count);
    /// Milliseconds of run time since the run started (Session::clockMs).
    double clockMs() const { return static_cast<double>(m_session.clockMs()); }
    /// The longest stall of the page's clock that the run catches up on (session::kMaxCatchUpMs).
    static double maxCatchUpMs() { return static_cast<double>(session::kMaxCatchUpMs); }
    /// Checks or unchecks input switch n (0 to 15) when the panel lets the user (it is enabled).
    void setSwitch(int n, bool on);

    // --- The grid ---------------------------------------------------------------------------

    /// A key in the grid: `code` as a browser's KeyboardEvent.code names it ("KeyA", "Digit1",
    /// "Numpad1", "Enter", "ArrowUp", ...; an unknown one is a key that types nothing) with the
    /// Shift, Ctrl and Alt bits (1, 2, 4) of `mods`, as the window's grid takes a key.
    void pressKey(const std::string& code, int mods);
    /// Characters typed on an on-screen keyboard (bytes as Latin-1), which names no keys: each
    /// goes to the grid as the key that types it on a keyboard, without Shift (see
    /// editor::keysOfText), so that the cells take them by the same rules.
    void typeText(const std::string& text);
    /// A click on cell (row, col) and a drag to (rowSel, colSel); ignored while the grid is off.
    void select(int row, int col, int rowSel, int colSel);
    /// A click on line number `line`: selects the line.
    void selectLine(int line);
    /// Ctrl+C and Ctrl+X: the selected lines as clipboard text; empty without whole lines.
    std::string copyLines();
    std::string cutLines();
    /// Ctrl+V with the clipboard's `text` (bytes, shown as Latin-1).
    void paste(const std::string& text);
    const editor::CodeGrid& grid() const { return m_session.grid(); }
    /// Counts every change of a cell, the cursor, the selection or the grid's enabled state.
    unsigned gridRevision() const { return m_changes.grid; }
    /// Counts the file commands that went through and the runs' starts and stops: the window
    /// title and the menus may have changed.
    unsigned fileRevision() const { return m_changes.file; }

    // --- The File menu (see WebBoxes and WebFiles for how questions and dialogs work) ----------

    /// The answer the next save question gets (platform::BoxAnswer as a number).
    void queueAnswer(int answer);
    void newProgram();
    /// File > Load: with the file the page offered (offerAndLoad), or none yet: the page is
    /// then asked for one (WebFiles::takeOpenWanted).
    bool load();
    bool offerAndLoad(std::string name, std::string bytes);
    /// The names file (NamesFile.h) of the program the page offers or restores next: read with
    /// it as the window reads NAME.names beside NAME.PLC, so it replaces the names and its bad
    /// lines are reported in the same message box. Without it, that program has no names.
    void offerNames(std::string bytes) { m_names = std::move(bytes); }
    /// A further file the user picked with the program (its names file, say): read when the
    /// next load asks for a file of that `name` beside the program, as the window finds it.
    void offerBeside(std::string name, std::string bytes) {
        m_files.offerBeside(std::move(name), std::move(bytes));
    }
    /// The names as their file holds them; empty when there are none.
    std::string namesBytes() const;
    /// File > Save As.
    bool saveAs();
    /// The program as Save As writes it.
    std::string programBytes() const;
    /// Puts back a program the page kept: its file `name` (empty for none) with the file's bytes
    /// `fileBytes`, the program's own bytes as Save As writes them, and its changed flag. The
    /// names offered before (offerNames) go with the file; a program without a file has none.
    /// The form pages kept before they kept the grid (restoreCells): what follows END is not in
    /// it. False, with nothing restored (nor the names offered), when `bytes` are no program
    /// file.
    bool restore(std::string name, std::string fileBytes, std::string bytes, bool changed);
    /// As restore(), with the program as the grid's code cells, three a line from line 1 (code,
    /// location, set value; files::placeFields), each exactly as it was, so that lines after
    /// END and any byte of a cell come back. Cells past line 299 are ignored. `extended` is the
    /// program's instruction set.
    void restoreCells(std::string name, std::string fileBytes,
                      const std::vector<std::string>& cells, bool changed, bool extended = false);
    /// The program's instruction set: true for extended.
    bool extended() const { return m_session.grid().extended(); }
    /// Options > Extended Instruction Set (Session::setInstructionSet): one undoable edit; a
    /// refusal is a message box. Answers true when the program is in the set asked for.
    bool setExtended(bool on);
    /// The hint beside the message of the program error that stopped the last run
    /// (Session::errorHint); empty for none.
    std::string errorHint() const { return l10n::english(m_session.errorHint()); }
    /// The same hint with its message id and arguments, as the message boxes' textMessage
    /// (messageJson) writes it, for the page to translate; "null" for none.
    std::string errorHintMessage() const;

    /// Puts back the names the restored program had, edited since its file or without one (the
    /// bytes of their names file); after restore(), so that the title tells whether they differ.
    void restoreNames(const std::string& bytes);
    std::string windowTitle() const { return m_session.files().windowTitle(); }
    /// windowTitle() as textMessageJson, for the page to show in its language.
    std::string windowTitleMessage() const;
    std::string currentFileName();
    bool codeChanged() const { return m_session.editor().codeChanged(); }

    /// The core's session, for the page's other handles (the debugger, the recorder, the ladder
    /// editor, the checks): classes of their own over it, told its changes as its listeners.
    session::Session& session() { return m_session; }
    const session::Session& session() const { return m_session; }
    WebBoxes& boxes() { return m_boxes; }
    WebFiles& files() { return m_files; }
    const WebPanel& panel() const { return m_panel; }

    // --- Modules and the ladder diagram ------------------------------------------------------

    /// Module menu item `index` (a machines::ModuleKind: 0 none, 1 House Gate, 2 Conveyor, 3
    /// Motor Starter, 4 Tank and Pumps, 5 Traffic Intersection, 6 Car Park); refused during a run.
    bool chooseModule(int index);
    int module() const { return static_cast<int>(m_session.modules().kind()); }
    /// A machine's button pressed (down) or released, as the machine's window takes a mouse.
    void hand(Hand which, bool down);
    /// The House Gate's car: a click arrives or sends away a car.
    void setCar(bool present);
    /// Control `control` of the chosen machine drawn from a scene gets `touch` (a
    /// machines::Touch); nothing outside a run, as the machine's picture says.
    void operate(int control, int touch);
    /// The chosen machine's state as JSON (see MachineJson.h), or "null" with none chosen.
    std::string machineJson() const;
    /// Polls the ladder diagram; true when its picture changed since the last poll.
    bool pollLadder() { return m_diagram.poll(); }
    /// The diagram as of the last poll, as JSON (see LadderJson.h).
    std::string ladderJson() const;
    /// The diagram as of the last poll, for the page's other handles (the debugger's marks).
    const session::LadderDiagram& diagram() const { return m_diagram; }

private:
    /// Offers the file `name` with `bytes`, and the names offered for it beside it.
    void offerFiles(std::string name, std::string bytes);
    /// The first part of a restore: the kept file `name` opened, if any, for the window title.
    void restoreFile(std::string name, std::string fileBytes);
    /// The last part: `cells` in the emptied grid, the edit history forgotten, `changed` set.
    void restoreGrid(const std::vector<std::string>& cells, bool changed,
                     engine::InstructionSet set);

    // The session's notifications as counters the page compares between two frames.
    struct Changes : session::SessionListener {
        void cellChanged(int, int) override { ++grid; }
        void cursorChanged() override { ++grid; }
        void gridLayoutChanged() override { ++grid; }
        void fileChanged() override { ++file; }
        // The set is kept with the grid and shown in the title and the menus.
        void instructionSetChanged() override {
            ++grid;
            ++file;
        }
        void runChanged() override { ++file; }
        unsigned grid = 0;
        unsigned file = 0;
    };

    Changes m_changes; // first: it outlives the session that tells it
    WebPanel m_panel;
    WebBoxes m_boxes;
    WebFiles m_files;
    WebShell m_shell;
    session::Session m_session;
    session::LadderDiagram m_diagram;
    std::optional<std::string> m_names; ///< for the next program offered (offerNames)
};

} // namespace rungbox::wasm
