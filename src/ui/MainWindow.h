// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window: the code grid, the I/O panel with its switches, lamps and displays, the
// run/stop lamp-button and the menus. It owns the session of work (controller, grid, editor,
// run control, file commands) and is the panel, run window and shell the session talks to.

#include "Lamp.h"
#include "LampStrip.h"
#include "TickPacer.h"
#include "TimingWindow.h"
#include "files/DiskFileSystem.h"
#include "files/RecentFiles.h"
#include "platform/Platform.h"
#include "session/Session.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <cstdint>
#include <memory>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;

namespace rungbox::ui {

class CodeGridView;
class LadderWindow;
class ModuleWindow;
class DebugTools;
class ExploreTools;

class MainWindow : public QMainWindow,
                   public engine::IoPanel,
                   public platform::RunWindow,
                   public platform::MainWindowShell {
    Q_OBJECT

public:
    /// `boxes` and `dialog` show the window's message boxes and file dialogs and must outlive
    /// it. The window builds its session of work on them and on itself (panel, run window,
    /// shell).
    MainWindow(platform::MessageBoxes& boxes, platform::FileDialog& dialog,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // --- Handlers ------------------------------------------------------------------------------

    /// Module > none / House Gate / Conveyor: checks item `index` (0 to 2) and only it, puts
    /// that machine on the terminals, and shows its window (none: hides the module window).
    void chooseModule(int index);
    /// View > Timing Diagram: opens the timing window (once made, the same one again) and
    /// switches recording on the first time.
    void showTimingDiagram();
    /// Help > About: the About box, modal; a running simulation goes on behind it.
    void showAbout();
    /// View > Ladder Diagram: opens the diagram window beside the main window (made on first
    /// use, kept afterwards) and brings it to the front.
    LadderWindow* showLadderDiagram();
    /// File > Export Diagram: asks for a file and writes the diagram there, SVG or PNG by the
    /// name's extension. A failure is reported in a message box.
    void exportDiagram();

    /// Loads the program file at `path` (relative to the working directory, or absolute) as
    /// File > Load does, save question first; does nothing during a run. For the recent files,
    /// a dropped file and the command line.
    void openFile(const QString& path);
    /// openFile(`path`) once the window has been shown: the program named on the command line
    /// is loaded after the splash, with the window already there for Load's messages.
    void openWhenShown(const QString& path);
    /// Remembers the recent files in `store` from now on (taking the list it holds); nullptr
    /// for the session only. Not owned; must outlive the window or be replaced.
    void setRecentFileStore(platform::RecentFileStore* store);
    /// Shows the current file and its edit mark in the title, and the recent files in the File
    /// menu. The window does it by itself after every change; for tests.
    void refreshFileDisplay();
    /// The clipboard commands of the grid (Ctrl+C, Ctrl+X, Ctrl+V).
    void copyLines();
    void cutLines();
    void pasteClipboard();

    // --- What the window holds, for tests and the screenshot -----------------------------------

    session::Session& session() { return m_session; }
    engine::Controller& controller() { return m_session.controller(); }
    editor::CodeGrid& grid() { return m_session.grid(); }
    editor::Editor& editor() { return m_session.editor(); }
    panel::RunControl& runControl() { return m_session.runControl(); }
    files::FileCommands& fileCommands() { return m_session.files(); }

    CodeGridView* gridView() const { return m_gridView; }
    Lamp* runButton() const { return m_runButton; }
    QCheckBox* inputSwitch(int n) const { return m_inputSwitches[static_cast<std::size_t>(n)]; }
    Lamp* inputLamp(int n) const { return m_inputLamps[static_cast<std::size_t>(n)]; }
    Lamp* outputLamp(int n) const { return m_outputLamps[static_cast<std::size_t>(n)]; }
    QLabel* timerDisplay(int n) const { return m_timerDisplays[static_cast<std::size_t>(n)]; }
    QLabel* counterDisplay(int n) const { return m_counterDisplays[static_cast<std::size_t>(n)]; }
    QLabel* progressLabel() const { return m_progressLabel; }
    QFrame* progressBar() const { return m_progressBar; }
    QMenu* fileMenu() const { return m_fileMenu; }
    QMenu* moduleMenu() const { return m_moduleMenu; }
    QMenu* helpMenu() const { return m_helpMenu; }
    QMenu* viewMenu() const { return m_viewMenu; }
    QAction* ladderItem() const { return m_ladderItem; }
    QAction* exportDiagramItem() const { return m_exportDiagramItem; }
    /// The diagram window; nullptr until first shown.
    LadderWindow* ladderWindow() const { return m_ladderWindow; }
    QAction* moduleItem(int index) const { return m_moduleItems[static_cast<std::size_t>(index)]; }
    /// The window of the chosen machine, or nullptr with none chosen.
    ModuleWindow* moduleWindow() const;
    QAction* newItem() const { return m_newItem; }
    QAction* loadItem() const { return m_loadItem; }
    QAction* saveAsItem() const { return m_saveAsItem; }
    QAction* saveItem() const { return m_saveItem; }
    /// The File menu's recent file items, most recent first; hidden when not in use.
    QAction* recentFileItem(int index) const {
        return m_recentItems[static_cast<std::size_t>(index)];
    }
    QAction* exitItem() const { return m_exitItem; }
    QAction* aboutItem() const { return m_aboutItem; }
    QAction* timingItem() const { return m_timingItem; }
    TimingWindow* timingWindow() const { return m_timingWindow; }
    bool scanTimerActive() const { return m_scanTimer.isActive(); }
    bool tickTimerActive() const { return m_tickTimer.isActive(); }

    /// The Debug menu, the register panel and the watch table.
    DebugTools& debugTools() const { return *m_debugTools; }
    ExploreTools& exploreTools() const { return *m_exploreTools; }
    /// Milliseconds since the current run started.
    std::uint64_t runTimeMs() const;

    /// Scans run since the window was created; for measuring the scan rate.
    std::int64_t scanCount() const { return m_scanCount; }

    // --- engine::IoPanel -----------------------------------------------------------------------

    std::uint16_t inputSwitches() const override { return m_switchBits; }
    void uncheckInputSwitch(int n) override;
    void setInputLamp(int n, bool on) override;
    void setOutputLamp(int n, bool on) override;
    void setTimerDisplay(int n, std::string_view text) override;
    void setCounterDisplay(int n, std::string_view text) override;
    void setRunLamp(bool on) override;

    // --- platform::RunWindow
    // ----------------------------------------------------------------------

    void setScanTimer(bool on) override;
    void setTickTimer(bool on) override;
    void setFileMenuEnabled(bool enabled) override;
    void setModuleMenuEnabled(bool enabled) override;
    void setInputSwitchEnabled(int n, bool enabled) override;
    void setProgressVisible(bool visible) override;
    void setProgressWidth(int twips) override;

    // --- platform::MainWindowShell
    // ----------------------------------------------------------------

    void closeMainWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void addFileItems();
    void connectEditing();
    void buildPanel(QWidget* client);
    void onScanTimer();
    void onTickTimer();

    // The pictures come first: the lamps show them.
    LampStrip m_roundLamps;
    LampStrip m_squareLamps;

    files::DiskFileSystem m_fileSystem;
    session::Session m_session;

    QMenu* m_fileMenu = nullptr;
    QAction* m_newItem = nullptr;
    QAction* m_loadItem = nullptr;
    QAction* m_saveAsItem = nullptr;
    QAction* m_exitItem = nullptr;
    QAction* m_saveItem = nullptr;
    std::array<QAction*, files::RecentFiles::kMaxFiles> m_recentItems{};
    QAction* m_recentSeparator = nullptr;
    /// Coalesces the title updates that cell changes ask for into one.
    QTimer m_titleTimer;
    /// The program file to open once the window shows; empty when none.
    QString m_startFile;
    QMenu* m_moduleMenu = nullptr;
    std::array<QAction*, 3> m_moduleItems{};
    QMenu* m_viewMenu = nullptr;
    QAction* m_ladderItem = nullptr;
    QAction* m_exportDiagramItem = nullptr;
    LadderWindow* m_ladderWindow = nullptr;
    /// The machines' windows by Module item (none has none), made when first chosen.
    std::array<ModuleWindow*, 3> m_moduleWindows{};
    QMenu* m_helpMenu = nullptr;
    QAction* m_aboutItem = nullptr;
    QAction* m_timingItem = nullptr;
    QPointer<TimingWindow> m_timingWindow;

    CodeGridView* m_gridView = nullptr;
    Lamp* m_runButton = nullptr;
    QLabel* m_progressLabel = nullptr;
    QFrame* m_progressBar = nullptr;
    std::array<QCheckBox*, engine::kInputCount> m_inputSwitches{};
    std::array<Lamp*, engine::kInputCount> m_inputLamps{};
    std::array<Lamp*, engine::kOutputCount> m_outputLamps{};
    std::array<QLabel*, engine::kTimerCount> m_timerDisplays{};
    std::array<QLabel*, engine::kCounterCount> m_counterDisplays{};
    /// The switches as the controller reads them, switch n in bit n.
    std::uint16_t m_switchBits = 0;

    QTimer m_scanTimer;
    QTimer m_tickTimer;
    QElapsedTimer m_runClock;
    TickPacer m_scanPacer;
    std::int64_t m_scanCount = 0;
    /// m_runClock's reading when the current run started, in milliseconds.
    std::int64_t m_runStartMs = 0;
    std::unique_ptr<DebugTools> m_debugTools;
    std::unique_ptr<ExploreTools> m_exploreTools;
};

} // namespace rungbox::ui
