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
#include <string>
#include <string_view>

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

    /// The run/stop lamp-button. A start sets the run's clock to 0.
    void toggleRun();
    bool running() const { return m_session.running(); }
    /// Lets `ms` milliseconds of run time pass (at most kMaxAdvanceMs; the page calls again for
    /// more): each has one scan, and each that ends a tick interval a timer tick after its scan,
    /// as rungbox-sim's `wait` has them. Stops early when a program error stops the run.
    void advance(std::uint32_t ms);
    /// `count` scans without run time passing, as rungbox-sim's `scan`.
    void scan(std::uint32_t count);
    /// Milliseconds of run time since the run started.
    double clockMs() const { return static_cast<double>(m_clockMs); }
    /// Checks or unchecks input switch n (0 to 15) when the panel lets the user (it is enabled).
    void setSwitch(int n, bool on);

    /// The longest stretch one advance() runs: one second of scans takes the core a few
    /// milliseconds, so a call never holds the page up, and a longer stall is not caught up.
    static constexpr std::uint32_t kMaxAdvanceMs = 1000;

    // --- The grid ---------------------------------------------------------------------------

    /// A key in the grid (editor::Key code, editor::KeyMod bits), as the window's grid takes it.
    void pressKey(int keyCode, int shift);
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
    unsigned gridRevision() const { return m_gridRevision; }

    // --- The File menu (see WebBoxes and WebFiles for how questions and dialogs work) ----------

    /// The answer the next save question gets (platform::BoxAnswer as a number).
    void queueAnswer(int answer);
    void newProgram();
    /// File > Load, with the file the user picked (none yet: the page is asked for one).
    bool load();
    bool offerAndLoad(std::string name, std::string bytes);
    /// File > Save As.
    bool saveAs();
    /// The program as Save As writes it.
    std::string programBytes() const;
    /// Puts back a program the page kept: its file `name` (empty for none) with the file's bytes
    /// `fileBytes`, the program's own bytes as Save As writes them, and its changed flag.
    void restore(std::string name, std::string fileBytes, std::string bytes, bool changed);
    std::string windowTitle() { return m_session.files().windowTitle(); }
    std::string currentFileName();
    bool codeChanged() { return m_session.editor().codeChanged(); }

    WebBoxes& boxes() { return m_boxes; }
    WebFiles& files() { return m_files; }
    const WebPanel& panel() const { return m_panel; }

    // --- Modules and the ladder diagram ------------------------------------------------------

    /// Module menu item `index` (0 none, 1 House Gate, 2 Conveyor); refused during a run.
    bool chooseModule(int index);
    int module() const { return static_cast<int>(m_session.modules().kind()); }
    /// A machine's button pressed (down) or released, as the machine's window takes a mouse.
    void hand(Hand which, bool down);
    /// The House Gate's car: a click arrives or sends away a car.
    void setCar(bool present);
    /// The chosen machine's state as JSON (see MachineJson.h), or "null" with none chosen.
    std::string machineJson() const;
    /// Polls the ladder diagram; true when its picture changed since the last poll.
    bool pollLadder() { return m_diagram.poll(); }
    /// The diagram as of the last poll, as JSON (see LadderJson.h).
    std::string ladderJson() const;

private:
    class GridCounter : public editor::GridListener {
    public:
        explicit GridCounter(unsigned& count) : m_count(count) {}
        void cellChanged(int, int) override { ++m_count; }
        void cursorChanged() override { ++m_count; }
        void layoutChanged() override { ++m_count; }

    private:
        unsigned& m_count;
    };

    WebPanel m_panel;
    WebBoxes m_boxes;
    WebFiles m_files;
    WebShell m_shell;
    session::Session m_session;
    session::LadderDiagram m_diagram;
    unsigned m_gridRevision = 0;
    GridCounter m_gridCounter{m_gridRevision};
    std::uint64_t m_clockMs = 0;
};

} // namespace rungbox::wasm
