// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "About.h"
#include "LanguageMenu.h"
#include "SessionSignals.h"
#include "ui/check/CheckTools.h"
#include "ui/common/Artwork.h"
#include "ui/common/UiText.h"
#include "ui/course/PackTools.h"
#include "ui/debug/DebugTools.h"
#include "ui/debug/WatchWindow.h"
#include "ui/explore/ExploreTools.h"
#include "ui/frontpanel/FrontPanel.h"
#include "ui/grid/CodeGridView.h"
#include "ui/grid/GridClipboard.h"
#include "ui/ladder/LadderTools.h"
#include "ui/machines/MachineTools.h"
#include "ui/names/NamesTools.h"
#include "ui/options/OptionsTools.h"
#include "ui/placement/WindowPlaces.h"
#include "ui/print/PrintTools.h"
#include "ui/timing/TimingTools.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QStandardPaths>

namespace rungbox::ui {

MainWindow::MainWindow(platform::MessageBoxes& boxes, platform::FileDialog& dialog, QWidget* parent)
    : QMainWindow(parent), m_panel(std::make_unique<FrontPanel>(this)) {
    setObjectName("MainWindow");
    setWindowTitle(tr("PLC Ladder Code"));
    setWindowIcon(makeAppIcon());
    m_session = std::make_unique<session::Session>(
        session::Ports{*m_panel, *this, boxes, dialog, m_fileSystem, *this});
    m_signals = std::make_unique<SessionSignals>(*m_session);

    buildMenus();
    connectPanel();
    setUpRunClock();
    m_session->setUp();
    addSessionTools();
    addRunKey();
    shareShortcuts();
    m_panel->gridView().gridModel().setNames(&m_session->names());
    connectSession();
    refreshFileDisplay();
}

MainWindow::~MainWindow() = default;

// The menu bar: File, Module, View, Options and Help; the debugging and exploring tools add theirs
// before Help once the session is set up.
void MainWindow::buildMenus() {
    m_fileMenu = menuBar()->addMenu(tr("&File"));
    m_fileMenu->setObjectName("fileMenu");
    addFileItems();
    m_machineTools = std::make_unique<MachineTools>(*m_session, *m_signals, *this, m_places);
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName("viewMenu");
    m_helpMenu = menuBar()->addMenu(tr("&Help"));
    m_helpMenu->setObjectName("helpMenu");
    m_helpMenu->addAction(tr("&About"), this, [this] { showAbout(); })->setObjectName("aboutItem");
    m_optionsTools = std::make_unique<OptionsTools>(*m_session, *m_signals, *this, *m_helpMenu);
    addToolMenus(*view);
    m_languageMenu = std::make_unique<LanguageMenu>(*view, m_session->ports().boxes);
    addRecentItems();
}

void MainWindow::addFileItems() {
    // The captions are marked where they are written and translated here.
    const auto add = [this](const char* caption, const char* name, auto command) {
        QAction* item = m_fileMenu->addAction(tr(caption), this, command);
        item->setObjectName(name);
        return item;
    };
    add(QT_TR_NOOP("&New"), "newItem", [this] {
        m_session->newProgram();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    add(QT_TR_NOOP("&Load"), "loadItem", [this] {
        showOpened(m_session->load());
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    add(QT_TR_NOOP("&Save"), "saveItem", [this] {
        m_session->save();
    })->setShortcut(QKeySequence::Save);
    add(QT_TR_NOOP("Save &As"), "saveAsItem", [this] { m_session->saveAs(); });
}

// Each tool adds its items to the end of the File and View menus, in this order.
void MainWindow::addToolMenus(QMenu& viewMenu) {
    m_ladderTools = std::make_unique<LadderTools>(*m_session, *m_signals, *this, m_places,
                                                  *m_fileMenu, viewMenu);
    m_checkTools = std::make_unique<CheckTools>(*m_session, *this, *m_fileMenu);
    // The work on a pack's exercises is kept beside the user's settings.
    m_packTools = std::make_unique<PackTools>(
        *m_session, *this, *m_fileMenu, viewMenu,
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    m_printTools = std::make_unique<PrintTools>(*m_session, *this, *m_fileMenu,
                                                [this] { return m_packTools->context(); });
    m_timingTools =
        std::make_unique<TimingTools>(*m_session, *m_signals, *this, m_places, viewMenu);
    m_namesTools = std::make_unique<NamesTools>(*m_session, *m_signals, *this, m_places, viewMenu);
    connect(m_namesTools.get(), &NamesTools::namesChanged, this, [this] {
        followNames();
        m_titleTimer.start();
    });
}

// The recent files and Exit end the File menu; the title and the recent files follow the file.
void MainWindow::addRecentItems() {
    m_recentSeparator = m_fileMenu->addSeparator();
    for (QAction*& item : m_recentItems) {
        item = m_fileMenu->addAction(QString());
        item->setObjectName(QString("recentItem%1").arg(&item - m_recentItems.data()));
        item->setVisible(false);
        connect(item, &QAction::triggered, this,
                [this, item] { openFile(item->data().toString()); });
    }
    m_fileMenu->addSeparator();
    // Exit is in the File menu, which a run locks: its key does nothing during a run either.
    m_exitItem = m_fileMenu->addAction(tr("&Exit"), this, [this] {
        if (m_session->fileCommandsOpen()) {
            m_session->files().exit();
        }
    });
    m_exitItem->setObjectName("exitItem");
    m_exitItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    connect(m_fileMenu, &QMenu::aboutToShow, this, &MainWindow::refreshFileDisplay);
    m_titleTimer.setSingleShot(true);
    m_titleTimer.setInterval(0);
    connect(&m_titleTimer, &QTimer::timeout, this, &MainWindow::refreshFileDisplay);
    setAcceptDrops(true);
}

// The front panel is the window's middle: its grid with its clipboard keys, and its run button.
void MainWindow::connectPanel() {
    m_panel->showGrid(m_session->editor(), *m_signals);
    setCentralWidget(m_panel.get());
    // The window opens at the panel's own size and can be enlarged, not made smaller.
    connect(m_panel.get(), &FrontPanel::runButtonClicked, this, [this] { m_session->toggleRun(); });
    new GridClipboard(*m_session, m_panel->gridView(), this);
}

void MainWindow::setUpRunClock() {
    m_runTimer.setObjectName("runTimer");
    m_runTimer.setTimerType(Qt::PreciseTimer);
    m_runTimer.setInterval(kRunTimerMs);
    connect(&m_runTimer, &QTimer::timeout, this, &MainWindow::advanceClock);
    m_realTime.start();
}

// The debugging and exploring tools look at the set-up session; their menus go before Help.
void MainWindow::addSessionTools() {
    m_debugTools =
        std::make_unique<DebugTools>(*m_session, *m_signals, *m_panel, *this, m_helpMenu);
    m_exploreTools = std::make_unique<ExploreTools>(*m_session, *this, m_helpMenu);
    m_places.manage(m_debugTools->watchWindow());
    m_places.manage(m_debugTools->registerPanel());
    m_debugTools->watchWindow()->setNames(&m_session->names());
}

// F5 presses the run/stop lamp-button. It has no menu item: the button is the command.
void MainWindow::addRunKey() {
    auto* run = new QAction(tr("Run or Stop"), this);
    run->setObjectName("runStopItem");
    run->setShortcut(Qt::Key_F5);
    connect(run, &QAction::triggered, this, [this] { m_session->toggleRun(); });
    addAction(run);
}

// The tool windows are windows of their own, so a key pressed in one never reaches the main
// window's menus: every item with a key takes it from whichever Rungbox window is active. A
// modal box still blocks them.
void MainWindow::shareShortcuts() {
    for (QAction* action : findChildren<QAction*>()) {
        if (!action->shortcut().isEmpty()) {
            action->setShortcutContext(Qt::ApplicationShortcut);
        }
    }
}

// The window follows the session: the run timer runs while a run is on and not paused, the title
// follows the file and every edit, and the names a program brings are shown. The tools follow
// the session's frames and files themselves.
void MainWindow::connectSession() {
    connect(m_signals.get(), &SessionSignals::runChanged, this, &MainWindow::followRun);
    connect(m_signals.get(), &SessionSignals::debugChanged, this, &MainWindow::followRun);
    connect(m_signals.get(), &SessionSignals::fileChanged, &m_titleTimer,
            qOverload<>(&QTimer::start));
    // A program loaded, or New, brings its own names.
    connect(m_signals.get(), &SessionSignals::fileChanged, this, [this] {
        if (!(m_session->names() == m_shownNames)) {
            followNames();
        }
    });
    // An edit may make the program differ from its file, or an undo make it equal again.
    connect(m_signals.get(), &SessionSignals::cellChanged, &m_titleTimer,
            qOverload<>(&QTimer::start));
}

void MainWindow::followRun() {
    const bool due = m_session->running() && !m_session->paused();
    if (due && !m_runTimer.isActive()) {
        // The time before a start or during a pause is not owed to the run.
        m_runClock.restart(m_realTime.elapsed());
        m_runTimer.start();
    } else if (!due) {
        m_runTimer.stop();
    }
}

void MainWindow::advanceClock() {
    const std::uint64_t due = m_runClock.due(m_realTime.elapsed());
    m_scanCount += static_cast<std::int64_t>(due);
    m_session->advance(due);
}

void MainWindow::repaintTools() {
    m_ladderTools->showFrame();
    m_timingTools->showFrame();
    m_machineTools->showFrame();
}

// The names changed (edited, or replaced with the program): the tooltips and the tool windows
// that show them follow.
void MainWindow::followNames() {
    const names::NameTable& table = m_session->names();
    m_shownNames = table;
    m_panel->showNames(table);
    m_debugTools->watchWindow()->setNames(&table);
    m_timingTools->setNames(&table);
    repaintTools();
}

void MainWindow::refreshFileDisplay() {
    setWindowTitle(uiText(m_session->files().windowTitleText()));
    const auto& paths = m_session->files().recentFiles().paths();
    for (std::size_t i = 0; i < m_recentItems.size(); ++i) {
        QAction* item = m_recentItems[i];
        if (i < paths.size()) {
            const QString path = QString::fromStdString(paths[i]);
            item->setText(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
            item->setData(path);
            item->setToolTip(path);
            item->setVisible(true);
        } else {
            item->setVisible(false);
        }
    }
    m_recentSeparator->setVisible(!paths.empty());
}

void MainWindow::openFile(const QString& path) {
    showOpened(m_session->open(QFileInfo(path).absoluteFilePath().toStdString()));
}

// A program opened shows its first lines. The cursor stays where the load leaves it, after the
// program's last cell, so the next key still works there.
void MainWindow::showOpened(bool opened) {
    if (opened) {
        m_panel->gridView().scrollToTop();
    }
}

void MainWindow::openWhenShown(const QString& path) {
    if (isVisible()) {
        QTimer::singleShot(0, this, [this, path] { openFile(path); });
    } else {
        m_startFile = path;
    }
}

void MainWindow::setPlaceStore(QSettings* settings) {
    m_places.setStore(settings);
}

void MainWindow::setLanguageStore(QSettings* settings) {
    m_languageMenu->setStore(settings);
}

void MainWindow::setRecentFileStore(platform::RecentFileStore* store) {
    m_session->files().recentFiles().setStore(store);
    refreshFileDisplay();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_startFile.isEmpty()) {
        // Opened from the event loop, so that the window is on the screen behind any message.
        QTimer::singleShot(0, this,
                           [this, path = std::exchange(m_startFile, {})] { openFile(path); });
    }
}

namespace {
// The program file a drag carries: exactly one local file ending in .PLC (any case).
QString droppedProgram(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) {
        return {};
    }
    const QUrl url = data->urls().front();
    if (!url.isLocalFile() || !url.toLocalFile().endsWith(".PLC", Qt::CaseInsensitive)) {
        return {};
    }
    return url.toLocalFile();
}
} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (m_session->fileCommandsOpen() && !droppedProgram(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedProgram(event->mimeData());
    if (path.isEmpty() || !m_session->fileCommandsOpen()) {
        return;
    }
    event->acceptProposedAction();
    // Loaded once the drop is over: the save question must not be asked inside the drop.
    QTimer::singleShot(0, this, [this, path] { openFile(path); });
}

void MainWindow::chooseModule(int index) {
    m_machineTools->chooseModule(index);
}

void MainWindow::showAbout() {
    About about(this);
    about.exec();
}

void MainWindow::showTimingDiagram() {
    m_timingTools->showDiagram();
}

NamesWindow* MainWindow::showNames() {
    return m_namesTools->showWindow();
}

LadderWindow* MainWindow::showLadderDiagram() {
    return m_ladderTools->showDiagram();
}

void MainWindow::exportDiagram() {
    m_ladderTools->exportDiagram();
}

void MainWindow::closeMainWindow() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    m_packTools->keepWork(); // an exercise's work is kept without a question
    if (!m_session->files().confirmClose()) {
        event->ignore();
        return;
    }
    m_runTimer.stop();
    m_places.rememberShown();
    m_ladderTools->closeWindow();
    event->accept();
}

// --- platform::RunWindow ---------------------------------------------------------------------

void MainWindow::setFileMenuEnabled(bool enabled) {
    m_fileMenu->menuAction()->setEnabled(enabled);
}

void MainWindow::setModuleMenuEnabled(bool enabled) {
    m_machineTools->menu()->menuAction()->setEnabled(enabled);
}

void MainWindow::setInputSwitchEnabled(int n, bool enabled) {
    m_panel->setInputSwitchEnabled(n, enabled);
}

void MainWindow::setProgressVisible(bool visible) {
    m_panel->setProgressVisible(visible);
}

void MainWindow::setProgress(int copied, int total) {
    m_panel->setProgress(copied, total);
}

} // namespace rungbox::ui
