#pragma once

// The main window: the code grid, the I/O panel with its switches, lamps and displays, the
// run/stop lamp-button and the menus. It owns the controller, the grid and the commands that
// work on them, and is the panel, run window and shell they talk to.

#include "Lamp.h"
#include "PictureClip.h"
#include "TickPacer.h"
#include "editor/CodeGrid.h"
#include "editor/Editor.h"
#include "engine/Controller.h"
#include "engine/Platform.h"
#include "files/FileCommands.h"
#include "panel/RunControl.h"
#include "panel/RunWindow.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>

#include <array>
#include <cstdint>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;

namespace rungbox::ui {

class CodeGridView;

class Ladder : public QMainWindow,
               public engine::IoPanel,
               public panel::RunWindow,
               public files::MainWindowShell {
    Q_OBJECT

public:
    /// `boxes` and `dialog` show the window's message boxes and file dialogs and must outlive
    /// it. Creating the window runs Form_Load.
    Ladder(engine::MessageBoxes& boxes, files::FileDialog& dialog, QWidget* parent = nullptr);
    ~Ladder() override;

    // --- Handlers ------------------------------------------------------------------------------

    /// The window's load: sets up the grid, resets the controller, clears the changed flag.
    void Form_Load();
    /// Module > none / House Gate / Conveyor: checks item `index` (0 to 2) and only it.
    void mnuModule_Click(int index);
    /// Help > About: the About box, modal; a running simulation goes on behind it.
    void mnuAbout_Click();

    // --- What the window holds, for tests and the screenshot -----------------------------------

    engine::Controller& controller() { return m_controller; }
    editor::CodeGrid& grid() { return m_grid; }
    editor::Editor& editor() { return m_editor; }
    panel::RunControl& runControl() { return m_runControl; }
    files::FileCommands& fileCommands() { return m_fileCommands; }

    CodeGridView* gridView() const { return m_grdCode; }
    Lamp* ledSimulate() const { return m_ledSimulate; }
    QCheckBox* inputSwitch(int n) const { return m_chkInput[static_cast<std::size_t>(n)]; }
    Lamp* inputLamp(int n) const { return m_ledInput[static_cast<std::size_t>(n)]; }
    Lamp* outputLamp(int n) const { return m_ledOutput[static_cast<std::size_t>(n)]; }
    QLabel* timerDisplay(int n) const { return m_lblTimer[static_cast<std::size_t>(n)]; }
    QLabel* counterDisplay(int n) const { return m_lblCounter[static_cast<std::size_t>(n)]; }
    QLabel* progressLabel() const { return m_lblProgress; }
    QFrame* progressBar() const { return m_shpProgress; }
    QMenu* fileMenu() const { return m_mnuFile; }
    QMenu* moduleMenu() const { return m_mnuModuleMenu; }
    QMenu* helpMenu() const { return m_mnuHelp; }
    QAction* moduleItem(int index) const { return m_mnuModule[static_cast<std::size_t>(index)]; }
    QAction* newItem() const { return m_mnuNew; }
    QAction* loadItem() const { return m_mnuLoad; }
    QAction* saveAsItem() const { return m_mnuSaveAs; }
    QAction* exitItem() const { return m_mnuexit; }
    QAction* aboutItem() const { return m_mnuAbout; }
    bool scanTimerActive() const { return m_tmrPLCexecute.isActive(); }
    bool tickTimerActive() const { return m_tmrTimer.isActive(); }

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

    // --- panel::RunWindow ----------------------------------------------------------------------

    void setScanTimer(bool on) override;
    void setTickTimer(bool on) override;
    void setFileMenuEnabled(bool enabled) override;
    void setModuleMenuEnabled(bool enabled) override;
    void setInputSwitchEnabled(int n, bool enabled) override;
    void setProgressVisible(bool visible) override;
    void setProgressWidth(int twips) override;

    // --- files::MainWindowShell ----------------------------------------------------------------

    void closeMainWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildPanel(QWidget* client);
    void tmrPLCexecute_Timer();
    void tmrTimer_Timer();

    // The pictures come first: the lamps show them.
    PictureClip m_clpRndLED;
    PictureClip m_clpSqrLED;

    files::DiskFileSystem m_fileSystem;
    engine::Controller m_controller;
    editor::CodeGrid m_grid;
    editor::Editor m_editor;
    panel::RunControl m_runControl;
    files::FileCommands m_fileCommands;

    QMenu* m_mnuFile = nullptr;
    QAction* m_mnuNew = nullptr;
    QAction* m_mnuLoad = nullptr;
    QAction* m_mnuSaveAs = nullptr;
    QAction* m_mnuexit = nullptr;
    QMenu* m_mnuModuleMenu = nullptr;
    std::array<QAction*, 3> m_mnuModule{};
    QMenu* m_mnuHelp = nullptr;
    QAction* m_mnuAbout = nullptr;

    CodeGridView* m_grdCode = nullptr;
    Lamp* m_ledSimulate = nullptr;
    QLabel* m_lblProgress = nullptr;
    QFrame* m_shpProgress = nullptr;
    std::array<QCheckBox*, engine::kInputCount> m_chkInput{};
    std::array<Lamp*, engine::kInputCount> m_ledInput{};
    std::array<Lamp*, engine::kOutputCount> m_ledOutput{};
    std::array<QLabel*, engine::kTimerCount> m_lblTimer{};
    std::array<QLabel*, engine::kCounterCount> m_lblCounter{};
    /// The switches as the controller reads them, switch n in bit n.
    std::uint16_t m_switchBits = 0;

    QTimer m_tmrPLCexecute;
    QTimer m_tmrTimer;
    QElapsedTimer m_runClock;
    TickPacer m_scanPacer;
    std::int64_t m_scanCount = 0;
};

} // namespace rungbox::ui
