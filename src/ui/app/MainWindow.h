// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window: its own menus (File's program and recent-file items, Help), the window's own
// management (title, drops, closing) and the run, around the front panel (lamps, switches,
// displays and the code grid). Each tool (ladder, check, packs, printing, timing, names,
// machines, debug, explore) adds its own menu items in its folder and owns its windows; the window
// owns the tools and places their windows. It owns the session of work and drives its run clock
// from one timer with the real elapsed time; everything else it shows, it learns from the session's
// signals.

#include "files/DiskFileSystem.h"
#include "files/RecentFiles.h"
#include "platform/Platform.h"
#include "session/Session.h"
#include "ui/placement/WindowPlaces.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>

#include <array>
#include <memory>

class QAction;
class QMenu;
class QSettings;

namespace rungbox::ui {

class CheckTools;
class OptionsTools;
class DebugTools;
class ExploreTools;
class FrontPanel;
class LadderTools;
class LadderWindow;
class LanguageMenu;
class MachineTools;
class NamesTools;
class NamesWindow;
class PackTools;
class PrintTools;
class SessionSignals;
class TimingTools;

class MainWindow : public QMainWindow,
                   private platform::RunWindow,
                   private platform::MainWindowShell {
    Q_OBJECT

public:
    /// Milliseconds between two advances of a running program's clock. Each advance runs the
    /// scans and ticks the real time since the last one is owed (one scan a millisecond), so the
    /// period sets only how fresh the lamps are, not how many scans run: a hundredth of a second
    /// is below what an eye or a hand on a switch can tell.
    static constexpr int kRunTimerMs = 10;

    /// `boxes` and `dialog` show the window's message boxes and file dialogs and must outlive
    /// it. The window builds its session of work on them and on its front panel.
    MainWindow(platform::MessageBoxes& boxes, platform::FileDialog& dialog,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    session::Session& session() { return *m_session; }
    SessionSignals& sessionSignals() const { return *m_signals; }

    // --- Commands, as the menus give them (the tools' own, passed on to them) -------------------

    /// Module > none / House Gate / ...: checks item `index` (a machines::ModuleKind) and only it,
    /// puts that machine on the terminals, and shows its window (none: hides the module window).
    void chooseModule(int index);
    /// View > Timing Diagram: opens the timing window (once made, the same one again) and
    /// switches recording on the first time.
    void showTimingDiagram();
    /// Help > About: the About box, modal; a running simulation goes on behind it.
    void showAbout();
    /// View > Names: opens the names editor (made on first use, kept afterwards) and brings it
    /// to the front.
    NamesWindow* showNames();
    /// View > Ladder Diagram: opens the diagram window beside the main window (made on first
    /// use, kept afterwards) and brings it to the front.
    LadderWindow* showLadderDiagram();
    /// The exercise packs' tools and panel.
    PackTools& packTools() const { return *m_packTools; }
    /// File > Print... and File > Export PDF...
    PrintTools& printTools() const { return *m_printTools; }
    /// File > Export Diagram: asks for a file and writes the diagram there, SVG or PNG by the
    /// name's extension. A failure is reported in a message box.
    void exportDiagram();
    /// Loads the program file at `path` (relative to the working directory, or absolute) as
    /// File > Load does, save question first; refused during a run. For the recent files, a
    /// dropped file and the command line.
    void openFile(const QString& path);
    /// openFile(`path`) once the window has been shown: the program named on the command line
    /// is loaded after the splash, with the window already there for Load's messages.
    void openWhenShown(const QString& path);
    /// Remembers the recent files in `store` from now on (taking the list it holds); nullptr
    /// for the session only. Not owned; must outlive the window or be replaced.
    void setRecentFileStore(platform::RecentFileStore* store);
    /// Remembers where the tool windows were in `settings` from now on, and opens them there;
    /// nullptr for this session only. Not owned; must outlive the window or be replaced.
    void setPlaceStore(QSettings* settings);
    /// Keeps the language chosen in View > Language in `settings` from now on; nullptr for
    /// this session only. Not owned; must outlive the window or be replaced.
    void setLanguageStore(QSettings* settings);

    /// Runs the clock now as the run timer does: the real time owed since the last advance.
    void advanceClock();
    /// Scans run since the window was created; for measuring the scan rate.
    std::int64_t scanCount() const { return m_scanCount; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void addFileItems();
    void addRecentItems();
    void addToolMenus(QMenu& viewMenu);
    void connectPanel();
    void setUpRunClock();
    void addSessionTools();
    void addRunKey();
    void shareShortcuts();
    void connectSession();
    void refreshFileDisplay();
    void followRun();
    /// Scrolls the grid to its first line when `opened` (a load or open went through).
    void showOpened(bool opened);
    void repaintTools();
    void followNames();

    // --- platform::RunWindow and platform::MainWindowShell -------------------------------------
    void setFileMenuEnabled(bool enabled) override;
    void setModuleMenuEnabled(bool enabled) override;
    void setInputSwitchEnabled(int n, bool enabled) override;
    void setProgressVisible(bool visible) override;
    void setProgress(int copied, int total) override;
    void closeMainWindow() override;

    // Destroyed in reverse order: the tool windows and the front panel, which show the session,
    // go before it. The panel is made first (it is the session's I/O panel) and is the window's
    // central widget; its owner here deletes it, which takes it out of the window's layout.
    files::DiskFileSystem m_fileSystem;
    std::unique_ptr<session::Session> m_session;
    std::unique_ptr<SessionSignals> m_signals;
    std::unique_ptr<FrontPanel> m_panel;
    // Made before the tool windows it places, so that it outlives them.
    WindowPlaces m_places{*this};
    // The tools, each with its menu items and windows.
    std::unique_ptr<MachineTools> m_machineTools;
    std::unique_ptr<LadderTools> m_ladderTools;
    std::unique_ptr<CheckTools> m_checkTools;
    std::unique_ptr<PackTools> m_packTools;
    std::unique_ptr<PrintTools> m_printTools;
    std::unique_ptr<OptionsTools> m_optionsTools;
    std::unique_ptr<TimingTools> m_timingTools;
    std::unique_ptr<NamesTools> m_namesTools;
    std::unique_ptr<DebugTools> m_debugTools;
    std::unique_ptr<ExploreTools> m_exploreTools;
    std::unique_ptr<LanguageMenu> m_languageMenu;

    QMenu* m_fileMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QAction* m_exitItem = nullptr;
    std::array<QAction*, files::RecentFiles::kMaxFiles> m_recentItems{};
    QAction* m_recentSeparator = nullptr;
    /// Coalesces the title updates that cell changes ask for into one.
    QTimer m_titleTimer;
    /// The names the front panel's tooltips and the tool windows show.
    names::NameTable m_shownNames;
    /// The program file to open once the window shows; empty when none.
    QString m_startFile;

    QTimer m_runTimer{this};
    QElapsedTimer m_realTime;
    session::RealTimeClock m_runClock;
    std::int64_t m_scanCount = 0;
};

} // namespace rungbox::ui
