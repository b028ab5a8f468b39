// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "About.h"
#include "SessionSignals.h"
#include "session/LadderDiagram.h"
#include "ui/check/CheckDialog.h"
#include "ui/common/Artwork.h"
#include "ui/common/CellText.h"
#include "ui/debug/DebugTools.h"
#include "ui/debug/WatchWindow.h"
#include "ui/explore/ExploreTools.h"
#include "ui/frontpanel/FrontPanel.h"
#include "ui/frontpanel/Lamp.h"
#include "ui/grid/CodeGridView.h"
#include "ui/ladder/LadderWindow.h"
#include "ui/machines/ConveyorWindow.h"
#include "ui/machines/GateWindow.h"
#include "ui/names/NamesWindow.h"
#include "ui/placement/WindowPlaces.h"
#include "ui/timing/TimingWindow.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>

namespace rungbox::ui {

MainWindow::MainWindow(platform::MessageBoxes& boxes, platform::FileDialog& dialog, QWidget* parent)
    : QMainWindow(parent), m_panel(std::make_unique<FrontPanel>(this)) {
    setObjectName("MainWindow");
    setWindowTitle("PLC Ladder Code");
    setWindowIcon(makeAppIcon());
    m_session = std::make_unique<session::Session>(
        session::Ports{*m_panel, *this, boxes, dialog, m_fileSystem, *this});
    m_signals = std::make_unique<SessionSignals>(*m_session);

    buildFileMenu();
    buildModuleMenu();
    buildViewMenu();
    m_helpMenu = menuBar()->addMenu("&Help");
    m_helpMenu->setObjectName("helpMenu");
    m_helpMenu->addAction("&About", this, [this] { showAbout(); })->setObjectName("aboutItem");

    m_panel->showGrid(m_session->editor(), *m_signals);
    setCentralWidget(m_panel.get());
    // The window opens at the panel's own size and can be enlarged, not made smaller.
    connect(m_panel.get(), &FrontPanel::runButtonClicked, this, [this] { m_session->toggleRun(); });
    connect(&m_panel->gridView(), &CodeGridView::copyRequested, this, &MainWindow::copyLines);
    connect(&m_panel->gridView(), &CodeGridView::cutRequested, this, &MainWindow::cutLines);
    connect(&m_panel->gridView(), &CodeGridView::pasteRequested, this, &MainWindow::pasteClipboard);

    m_runTimer.setObjectName("runTimer");
    m_runTimer.setTimerType(Qt::PreciseTimer);
    m_runTimer.setInterval(kRunTimerMs);
    connect(&m_runTimer, &QTimer::timeout, this, &MainWindow::advanceClock);
    m_realTime.start();

    m_session->setUp();
    m_debugTools =
        std::make_unique<DebugTools>(*m_session, *m_signals, *m_panel, *this, m_helpMenu);
    m_exploreTools = std::make_unique<ExploreTools>(*m_session, *this, m_helpMenu);
    addRunKey();
    shareShortcuts();
    m_places.manage(m_debugTools->watchWindow());
    m_places.manage(m_debugTools->registerPanel());
    m_panel->gridView().gridModel().setNames(&m_session->names());
    m_debugTools->watchWindow()->setNames(&m_session->names());
    connectSession();
    refreshFileDisplay();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildFileMenu() {
    m_fileMenu = menuBar()->addMenu("&File");
    m_fileMenu->setObjectName("fileMenu");
    const auto add = [this](const char* text, const char* name, auto command) {
        QAction* item = m_fileMenu->addAction(text, this, command);
        item->setObjectName(name);
        return item;
    };
    add("&New", "newItem", [this] {
        m_session->newProgram();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    add("&Load", "loadItem", [this] {
        m_session->load();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    add("&Save", "saveItem", [this] { m_session->save(); })->setShortcut(QKeySequence::Save);
    add("Save &As", "saveAsItem", [this] { m_session->saveAs(); });
    add("Export &Diagram...", "exportDiagramItem", [this] { exportDiagram(); });
    add("&Check With Script...", "checkWithScriptItem",
        [this] { CheckDialog::askAndCheck(*m_session, this); });
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
    m_exitItem = add("&Exit", "exitItem", [this] {
        if (m_session->fileCommandsOpen()) {
            m_session->files().exit();
        }
    });
    m_exitItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    connect(m_fileMenu, &QMenu::aboutToShow, this, &MainWindow::refreshFileDisplay);
    m_titleTimer.setSingleShot(true);
    m_titleTimer.setInterval(0);
    connect(&m_titleTimer, &QTimer::timeout, this, &MainWindow::refreshFileDisplay);
    setAcceptDrops(true);
}

void MainWindow::buildModuleMenu() {
    m_moduleMenu = menuBar()->addMenu("&Module");
    m_moduleMenu->setObjectName("moduleMenu");
    const std::array<QString, 3> modules = {"&none", "&House Gate", "&Conveyor "};
    for (int index = 0; index < static_cast<int>(modules.size()); ++index) {
        QAction* item = m_moduleMenu->addAction(modules[static_cast<std::size_t>(index)]);
        item->setObjectName(QString("moduleItem%1").arg(index));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, index] { chooseModule(index); });
        m_moduleItems[static_cast<std::size_t>(index)] = item;
    }
    m_moduleItems[0]->setChecked(true);
}

void MainWindow::buildViewMenu() {
    QMenu* view = menuBar()->addMenu("&View");
    view->setObjectName("viewMenu");
    QAction* ladder = view->addAction("&Ladder Diagram", this, [this] { showLadderDiagram(); });
    ladder->setObjectName("ladderItem");
    ladder->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    view->addAction("&Timing Diagram", this, [this] { showTimingDiagram(); })
        ->setObjectName("timingItem");
    view->addAction("&Names", this, [this] { showNames(); })->setObjectName("namesItem");
}

// F5 presses the run/stop lamp-button. It has no menu item: the button is the command.
void MainWindow::addRunKey() {
    auto* run = new QAction("Run or Stop", this);
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
// follows the file and every edit, and the tool windows shown repaint on each frame.
void MainWindow::connectSession() {
    connect(m_signals.get(), &SessionSignals::runChanged, this, &MainWindow::followRun);
    connect(m_signals.get(), &SessionSignals::debugChanged, this, &MainWindow::followRun);
    connect(m_signals.get(), &SessionSignals::fileChanged, &m_titleTimer,
            qOverload<>(&QTimer::start));
    // A program loaded, or New, brings its own names.
    connect(m_signals.get(), &SessionSignals::fileChanged, this, [this] {
        if (m_namesWindow) {
            m_namesWindow->refresh();
        }
        if (m_timingWindow) {
            m_timingWindow->refresh(); // a new program's recording starts empty
        }
        if (!(m_session->names() == m_shownNames)) {
            followNames();
        }
    });
    // An edit may make the program differ from its file, or an undo make it equal again.
    connect(m_signals.get(), &SessionSignals::cellChanged, &m_titleTimer,
            qOverload<>(&QTimer::start));
    connect(m_signals.get(), &SessionSignals::frame, this, &MainWindow::showFrame);
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

void MainWindow::showFrame() {
    if (m_ladderWindow && m_ladderWindow->isVisible()) {
        m_ladderWindow->poll();
    }
    if (m_timingWindow && m_timingWindow->isVisible()) {
        m_timingWindow->refresh();
    }
    for (const auto& window : m_moduleWindows) {
        if (window) {
            window->refresh();
        }
    }
}

// The names changed (edited, or replaced with the program): the tooltips and the tool windows
// that show them follow.
void MainWindow::followNames() {
    const names::NameTable& table = m_session->names();
    m_shownNames = table;
    m_panel->showNames(table);
    m_debugTools->watchWindow()->setNames(&table);
    if (m_timingWindow) {
        m_timingWindow->setNames(&table);
    }
    showFrame();
}

void MainWindow::refreshFileDisplay() {
    setWindowTitle(QString::fromStdString(m_session->files().windowTitle()));
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
    m_session->open(QFileInfo(path).absoluteFilePath().toStdString());
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

void MainWindow::setRecentFileStore(platform::RecentFileStore* store) {
    m_session->files().recentFiles().setStore(store);
    refreshFileDisplay();
}

void MainWindow::copyLines() {
    if (const auto text = m_session->editor().copyLines()) {
        QGuiApplication::clipboard()->setText(shownText(*text));
    }
}

void MainWindow::cutLines() {
    if (const auto text = m_session->editor().cutLines()) {
        QGuiApplication::clipboard()->setText(shownText(*text));
    }
}

void MainWindow::pasteClipboard() {
    // Cells hold 8-bit text, shown as Latin-1; a character beyond it arrives as '?'.
    m_session->paste(QGuiApplication::clipboard()->text().toLatin1().toStdString());
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
    for (QAction* item : m_moduleItems) {
        item->setChecked(false);
    }
    if (index < 0 || index >= static_cast<int>(m_moduleItems.size())) {
        return;
    }
    const auto slot = static_cast<std::size_t>(index);
    m_moduleItems[slot]->setChecked(true);
    if (!m_session->chooseModule(static_cast<machines::ModuleKind>(index))) {
        return;
    }
    const auto running = [this] { return m_session->running(); };
    if (!m_moduleWindows[slot] && index == 1) {
        m_moduleWindows[slot] =
            std::make_unique<GateWindow>(m_session->modules().gate(), running, this);
    } else if (!m_moduleWindows[slot] && index == 2) {
        m_moduleWindows[slot] =
            std::make_unique<ConveyorWindow>(m_session->modules().conveyor(), running, this);
    }
    if (m_moduleWindows[slot]) {
        m_places.manage(m_moduleWindows[slot].get()); // again is harmless: one filter a window
    }
    for (const auto& window : m_moduleWindows) {
        if (window && window != m_moduleWindows[slot]) {
            window->hide();
        }
    }
    if (ModuleWindow* window = m_moduleWindows[slot].get()) {
        window->show();
        window->raise();
    }
}

void MainWindow::showAbout() {
    About about(this);
    about.exec();
}

void MainWindow::showTimingDiagram() {
    if (!m_timingWindow) {
        m_timingWindow = std::make_unique<TimingWindow>(*m_session, this);
        m_timingWindow->recordItem()->setChecked(true);
        m_places.manage(m_timingWindow.get());
    }
    m_timingWindow->show();
    m_timingWindow->raise();
    m_timingWindow->activateWindow();
}

NamesWindow* MainWindow::showNames() {
    if (!m_namesWindow) {
        m_namesWindow = std::make_unique<NamesWindow>(m_session->editor(), this);
        m_namesWindow->setObjectName("namesWindow");
        m_places.manage(m_namesWindow.get());
        connect(m_namesWindow.get(), &NamesWindow::namesChanged, this, [this] {
            followNames();
            m_titleTimer.start();
        });
    }
    m_namesWindow->show();
    m_namesWindow->raise();
    m_namesWindow->activateWindow();
    m_namesWindow->refresh();
    return m_namesWindow.get();
}

LadderWindow* MainWindow::showLadderDiagram() {
    if (!m_ladderWindow) {
        m_ladderWindow = std::make_unique<LadderWindow>(*m_session, this);
        m_places.manage(m_ladderWindow.get());
    }
    m_ladderWindow->show();
    m_ladderWindow->raise();
    m_ladderWindow->activateWindow();
    return m_ladderWindow.get();
}

void MainWindow::exportDiagram() {
    const auto path = m_session->ports().fileDialog.askSavePath(
        "diagram.svg", "SVG or PNG picture (*.svg *.png)|*.svg;*.png");
    if (!path) {
        return;
    }
    session::LadderDiagram diagram(*m_session);
    diagram.poll();
    const ladder::Monitor& shown = diagram.monitor();
    platform::FileError error;
    if (!exportLadder(shown.layout(), shown.flow(), 0, m_fileSystem, *path, error)) {
        m_session->ports().boxes.show("The diagram could not be written to " + *path + ".",
                                      platform::BoxStyle::Exclamation, "Export Diagram");
    }
}

void MainWindow::closeMainWindow() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_session->files().confirmClose()) {
        event->ignore();
        return;
    }
    m_runTimer.stop();
    m_places.rememberShown();
    if (m_ladderWindow) {
        m_ladderWindow->close();
    }
    event->accept();
}

// --- platform::RunWindow ---------------------------------------------------------------------

void MainWindow::setFileMenuEnabled(bool enabled) {
    m_fileMenu->menuAction()->setEnabled(enabled);
}

void MainWindow::setModuleMenuEnabled(bool enabled) {
    m_moduleMenu->menuAction()->setEnabled(enabled);
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
