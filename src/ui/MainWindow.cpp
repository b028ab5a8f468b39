// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "About.h"
#include "Artwork.h"
#include "CellText.h"
#include "CodeGridView.h"
#include "ConveyorWindow.h"
#include "DebugTools.h"
#include "GateWindow.h"
#include "LadderWindow.h"
#include "Twips.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLinearGradient>
#include <QMenuBar>
#include <QMimeData>

namespace rungbox::ui {

namespace {

// The client area below the menu bar: 9210 x 6075 twips.
constexpr int kClientWidth = 9210;
constexpr int kClientHeight = 6075;

// The scan timer asks for the shortest interval there is; a tick runs the scans the run's
// elapsed time is owed, at most this many, so a stall of the event loop never turns into a burst
// of scans.
constexpr int kMaxScansPerTick = 5;

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGrey(128, 128, 128);
const QColor kBlack(0, 0, 0);
const QColor kPanelGrey(212, 208, 200);

// Arial Black is drawn with DejaVu Sans in bold, Arial Narrow with DejaVu Sans Condensed in
// bold: the Debian fonts closest to them.
QFont blackFont(double points) {
    QFont font("DejaVu Sans");
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QFont narrowFont(double points) {
    QFont font("DejaVu Sans Condensed");
    font.setPointSizeF(points);
    font.setStretch(QFont::Condensed);
    font.setBold(true);
    return font;
}

QLabel* makeLabel(QWidget* parent, const QString& text, const QRect& place, const QFont& font,
                  const QColor& colour, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(align);
    return label;
}

// A decorative rectangle: a thin etched border around a group of controls.
QFrame* makeShape(QWidget* parent, const QRect& place, const QString& name) {
    auto* shape = new QFrame(parent);
    shape->setObjectName(name);
    shape->setGeometry(place);
    shape->setFrameShape(QFrame::Box);
    shape->setFrameShadow(QFrame::Sunken);
    return shape;
}

// A timer or counter display: a small white window with its value centred.
QLabel* makeDisplay(QWidget* parent, const QString& text, const QRect& place, const QString& name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kWhite);
    palette.setColor(QPalette::WindowText, kBlack);
    label->setPalette(palette);
    QFont font("DejaVu Sans Mono");
    font.setPointSizeF(8.25);
    font.setBold(true);
    label->setFont(font);
    return label;
}

QString twoDigits(int n) {
    return QString::asprintf("%02d", n);
}

// Left edge (twips) of element n of a row of sixteen drawn in two groups of eight.
int rowLeft(int n, int firstGroup, int secondGroup) {
    constexpr int kPitch = 360;
    return n < 8 ? firstGroup + kPitch * n : secondGroup + kPitch * (n - 8);
}

} // namespace

MainWindow::MainWindow(platform::MessageBoxes& boxes, platform::FileDialog& dialog, QWidget* parent)
    : QMainWindow(parent), m_roundLamps(makeRoundLampStrip()), m_squareLamps(makeSquareLampStrip()),
      m_session(session::Ports{*this, *this, boxes, dialog, m_fileSystem, *this}),
      m_scanPacer(panel::kScanIntervalMs, kMaxScansPerTick) {
    setObjectName("MainWindow");
    setWindowTitle("PLC Ladder Code");
    setWindowIcon(makeAppIcon());

    buildMenus();
    addFileItems();
    auto* client = new QWidget(this);
    client->setFixedSize(px(kClientWidth), px(kClientHeight));
    // A panel grey a shade darker than the desktop's, so that the white title stands out.
    client->setAutoFillBackground(true);
    QPalette clientPalette = client->palette();
    clientPalette.setColor(QPalette::Window, kPanelGrey);
    client->setPalette(clientPalette);
    setCentralWidget(client);
    buildPanel(client);
    connectEditing();
    // The layout is fixed: the window neither grows nor shrinks.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_scanTimer.setTimerType(Qt::PreciseTimer);
    m_scanTimer.setInterval(panel::kScanIntervalMs);
    connect(&m_scanTimer, &QTimer::timeout, this, &MainWindow::onScanTimer);
    m_tickTimer.setTimerType(Qt::PreciseTimer);
    m_tickTimer.setInterval(panel::kTickIntervalMs);
    connect(&m_tickTimer, &QTimer::timeout, this, &MainWindow::onTickTimer);
    m_runClock.start();

    m_session.setUp();
    refreshFileDisplay();
    m_debugTools = std::make_unique<DebugTools>(*this);
}

MainWindow::~MainWindow() {
    m_scanTimer.stop();
    m_tickTimer.stop();
    delete m_ladderWindow; // it reads the session, which goes before the window's children
    delete m_timingWindow; // it shows the session's recording: it goes before the session
    // The module windows show machines the session owns.
    for (ModuleWindow*& window : m_moduleWindows) {
        delete window;
        window = nullptr;
    }
    // The controls show the grid and the lamp pictures, which are members: they go first, while
    // what they show still exists (QWidget's destructor would otherwise still ask them to paint
    // and measure after the members are gone).
    delete takeCentralWidget();
}

void MainWindow::buildMenus() {
    m_fileMenu = menuBar()->addMenu("&File");
    m_fileMenu->setObjectName("fileMenu");
    m_newItem = m_fileMenu->addAction("&New", this, [this] { m_session.newProgram(); });
    m_loadItem = m_fileMenu->addAction("&Load", this, [this] { m_session.load(); });
    m_saveAsItem = m_fileMenu->addAction("Save &As", this, [this] { m_session.files().saveAs(); });
    m_exportDiagramItem =
        m_fileMenu->addAction("Export &Diagram...", this, [this] { exportDiagram(); });
    m_exitItem = m_fileMenu->addAction("&Exit", this, [this] { m_session.files().exit(); });

    m_moduleMenu = menuBar()->addMenu("&Module");
    m_moduleMenu->setObjectName("moduleMenu");
    const std::array<QString, 3> modules = {"&none", "&House Gate", "&Conveyor "};
    for (int index = 0; index < static_cast<int>(modules.size()); ++index) {
        QAction* item = m_moduleMenu->addAction(modules[static_cast<std::size_t>(index)]);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, index] { chooseModule(index); });
        m_moduleItems[static_cast<std::size_t>(index)] = item;
    }
    m_moduleItems[0]->setChecked(true);

    m_viewMenu = menuBar()->addMenu("&View");
    m_viewMenu->setObjectName("viewMenu");
    m_ladderItem = m_viewMenu->addAction("&Ladder Diagram", this, [this] { showLadderDiagram(); });
    m_ladderItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    m_timingItem = m_viewMenu->addAction("&Timing Diagram", this, [this] { showTimingDiagram(); });

    m_helpMenu = menuBar()->addMenu("&Help");
    m_helpMenu->setObjectName("helpMenu");
    m_aboutItem = m_helpMenu->addAction("&About", this, [this] { showAbout(); });
}

// Save, the recent files, the window title and dropped files: what a desktop editor's File menu
// and title do.
void MainWindow::addFileItems() {
    m_saveItem = new QAction("&Save", this);
    m_saveItem->setShortcut(QKeySequence::Save);
    connect(m_saveItem, &QAction::triggered, this, [this] {
        // The shortcut works while the menu is closed; during a run the menu is locked.
        if (m_fileMenu->menuAction()->isEnabled()) {
            m_session.files().save();
        }
    });
    m_fileMenu->insertAction(m_saveAsItem, m_saveItem);

    m_recentSeparator = m_fileMenu->insertSeparator(m_exitItem);
    for (std::size_t i = 0; i < m_recentItems.size(); ++i) {
        auto* item = new QAction(this);
        item->setVisible(false);
        connect(item, &QAction::triggered, this,
                [this, item] { openFile(item->data().toString()); });
        m_fileMenu->insertAction(m_exitItem, item);
        m_recentItems[i] = item;
    }
    m_fileMenu->insertSeparator(m_exitItem);

    // Any file command may change the current file; the title follows once it is done.
    connect(m_fileMenu, &QMenu::triggered, this, [this] { m_titleTimer.start(); });
    connect(m_fileMenu, &QMenu::aboutToShow, this, &MainWindow::refreshFileDisplay);
    m_titleTimer.setSingleShot(true);
    m_titleTimer.setInterval(0);
    connect(&m_titleTimer, &QTimer::timeout, this, &MainWindow::refreshFileDisplay);
    setAcceptDrops(true);
}

void MainWindow::connectEditing() {
    connect(m_gridView, &CodeGridView::copyRequested, this, &MainWindow::copyLines);
    connect(m_gridView, &CodeGridView::cutRequested, this, &MainWindow::cutLines);
    connect(m_gridView, &CodeGridView::pasteRequested, this, &MainWindow::pasteClipboard);
    // An edit may make the program differ from its file, or an undo make it equal again.
    connect(&m_gridView->gridModel(), &QAbstractItemModel::dataChanged, &m_titleTimer,
            qOverload<>(&QTimer::start));
}

void MainWindow::refreshFileDisplay() {
    setWindowTitle(QString::fromStdString(m_session.files().windowTitle()));
    const auto& paths = m_session.files().recentFiles().paths();
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
    if (!m_fileMenu->menuAction()->isEnabled()) {
        return;
    }
    m_session.files().open(QFileInfo(path).absoluteFilePath().toStdString());
    refreshFileDisplay();
}

void MainWindow::openWhenShown(const QString& path) {
    if (isVisible()) {
        QTimer::singleShot(0, this, [this, path] { openFile(path); });
    } else {
        m_startFile = path;
    }
}

void MainWindow::setRecentFileStore(platform::RecentFileStore* store) {
    m_session.files().recentFiles().setStore(store);
    refreshFileDisplay();
}

void MainWindow::copyLines() {
    if (const auto text = m_session.editor().copyLines()) {
        QGuiApplication::clipboard()->setText(shownText(*text));
    }
}

void MainWindow::cutLines() {
    if (const auto text = m_session.editor().cutLines()) {
        QGuiApplication::clipboard()->setText(shownText(*text));
    }
}

void MainWindow::pasteClipboard() {
    // Cells hold 8-bit text, shown as Latin-1; a character beyond it arrives as '?'.
    m_session.paste(QGuiApplication::clipboard()->text().toLatin1().toStdString());
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
    if (m_fileMenu->menuAction()->isEnabled() && !droppedProgram(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedProgram(event->mimeData());
    if (path.isEmpty() || !m_fileMenu->menuAction()->isEnabled()) {
        return;
    }
    event->acceptProposedAction();
    // Loaded once the drop is over: the save question must not be asked inside the drop.
    QTimer::singleShot(0, this, [this, path] { openFile(path); });
}

void MainWindow::buildPanel(QWidget* client) {
    // Rectangles first, so that everything else lies on top of them.
    // The title's rectangle fades from the panel into a steel blue band.
    auto* titleBand = makeShape(client, twipsRect(360, 360, 4815, 615), "titleBand");
    QLinearGradient band(0.0, 0.0, 1.0, 0.0);
    band.setCoordinateMode(QGradient::ObjectBoundingMode);
    band.setColorAt(0.0, kPanelGrey);
    band.setColorAt(0.45, kPanelGrey);
    band.setColorAt(1.0, QColor(70, 95, 150));
    QPalette bandPalette = titleBand->palette();
    bandPalette.setBrush(QPalette::Window, QBrush(band));
    titleBand->setPalette(bandPalette);
    titleBand->setAutoFillBackground(true);
    makeShape(client, twipsRect(240, 1320, 8775, 615), "outputFrame");
    makeShape(client, twipsRect(240, 1920, 8775, 3135), "middleFrame");
    makeShape(client, twipsRect(240, 5040, 8775, 855), "inputFrame");

    // The title, a grey copy behind a white one.
    const QFont titleFont = blackFont(20.25);
    makeLabel(client, "Rungbox", twipsRect(300, 180, 3375, 495), titleFont, kGrey)
        ->setObjectName("titleShadow");
    makeLabel(client, "Rungbox", twipsRect(240, 120, 3615, 495), titleFont, kWhite)
        ->setObjectName("title");

    makeLabel(client, "Simulation", twipsRect(7440, 120, 1455, 255), blackFont(9.75), kRed);
    m_runButton = new Lamp(m_squareLamps, client);
    m_runButton->setObjectName("runButton");
    m_runButton->setGeometry(twipsRect(7560, 480, 1035, 435));
    m_runButton->setCursor(Qt::PointingHandCursor);
    m_runButton->setToolTip("Start or stop the simulation");
    m_runButton->setAccessibleName("Simulation");
    m_runButton->setAccessibleDescription("Start or stop the simulation");
    connect(m_runButton, &Lamp::clicked, this, [this] { m_session.toggleRun(); });

    m_progressLabel = makeLabel(client, "Loading ", twipsRect(6480, 960, 735, 255), font(), kBlack);
    m_progressLabel->setObjectName("progressLabel");
    m_progressLabel->hide();
    m_progressBar = new QFrame(client);
    m_progressBar->setObjectName("progressBar");
    m_progressBar->setGeometry(twipsRect(7200, 960, 0, 255));
    m_progressBar->setAutoFillBackground(true);
    QPalette barPalette = m_progressBar->palette();
    barPalette.setColor(QPalette::Window, QColor(0, 0, 160));
    m_progressBar->setPalette(barPalette);
    m_progressBar->hide();

    const QFont headingFont = blackFont(12);
    const QFont numberFont = narrowFont(9.75);

    // Outputs.
    makeLabel(client, "OUTPUT", twipsRect(360, 1440, 1335, 375), headingFont, kBlue);
    for (int n = 0; n < engine::kOutputCount; ++n) {
        const int left = rowLeft(n, 1800, 5220);
        auto* lamp = new Lamp(m_roundLamps, client);
        lamp->setObjectName(QString("outputLamp%1").arg(n));
        lamp->setAccessibleName(QString("Output %1").arg(n));
        lamp->setAccessibleDescription("Lamp");
        lamp->setGeometry(twipsRect(left, 1440, 255, 255));
        m_outputLamps[static_cast<std::size_t>(n)] = lamp;
        makeLabel(client, twoDigits(n), twipsRect(left - 45, 1680, 345, 240), numberFont, kBlack,
                  Qt::AlignHCenter | Qt::AlignTop);
    }

    // The grid.
    m_gridView = new CodeGridView(m_session.editor(), client);
    m_gridView->setObjectName("codeGrid");
    m_gridView->setAccessibleName("Ladder code");
    m_gridView->setGeometry(twipsRect(360, 2040, 4575, 2895));

    // Counters.
    makeLabel(client, "COUNTER", twipsRect(6240, 2040, 1695, 375), headingFont, kBlue);
    for (int n = 0; n < engine::kCounterCount; ++n) {
        makeLabel(client, twoDigits(n), twipsRect(5040 + 480 * n, 2400, 495, 255), numberFont,
                  kBlue, Qt::AlignHCenter | Qt::AlignTop);
        m_counterDisplays[static_cast<std::size_t>(n)] =
            makeDisplay(client, "0", twipsRect(5040 + 480 * n, 2640, 495, 255),
                        QString("counterDisplay%1").arg(n));
        m_counterDisplays[static_cast<std::size_t>(n)]->setAccessibleName(
            QString("Counter %1").arg(n));
    }

    // Timers.
    makeLabel(client, "TIMER", twipsRect(6480, 3000, 1215, 375), headingFont, kBlue);
    for (int n = 0; n < engine::kTimerCount; ++n) {
        const int left = 5040 + 960 * (n % 4);
        const int row = n < 4 ? 0 : 600;
        makeLabel(client, twoDigits(n), twipsRect(left, 3360 + row, 975, 255), numberFont, kBlue,
                  Qt::AlignHCenter | Qt::AlignTop);
        m_timerDisplays[static_cast<std::size_t>(n)] = makeDisplay(
            client, "0.0", twipsRect(left, 3600 + row, 975, 255), QString("timerDisplay%1").arg(n));
        m_timerDisplays[static_cast<std::size_t>(n)]->setAccessibleName(QString("Timer %1").arg(n));
    }

    // Inputs.
    makeLabel(client, "INPUT", twipsRect(420, 5220, 1335, 375), headingFont, kBlue);
    for (int n = 0; n < engine::kInputCount; ++n) {
        const int lampLeft = rowLeft(n, 1800, 5280);
        const int left = rowLeft(n, 1860, 5340);
        makeLabel(client, twoDigits(n), twipsRect(lampLeft - 45, 5070, 345, 240), numberFont,
                  kBlack, Qt::AlignHCenter | Qt::AlignTop);
        auto* lamp = new Lamp(m_roundLamps, client);
        lamp->setObjectName(QString("inputLamp%1").arg(n));
        lamp->setAccessibleName(QString("Input %1").arg(n));
        lamp->setAccessibleDescription("Lamp");
        lamp->setGeometry(twipsRect(lampLeft, 5340, 255, 255));
        m_inputLamps[static_cast<std::size_t>(n)] = lamp;

        auto* check = new QCheckBox("Check1", client);
        check->setObjectName(QString("inputSwitch%1").arg(n));
        check->setGeometry(twipsRect(left - 60, 5610, 285, 255));
        check->setEnabled(false);
        check->setToolTip(QString("Input %1").arg(twoDigits(n)));
        check->setAccessibleName(QString("Input %1").arg(n));
        check->setAccessibleDescription("Switch");
        connect(check, &QCheckBox::toggled, this, [this, n](bool on) {
            const auto bit = static_cast<std::uint16_t>(1U << n);
            m_switchBits =
                static_cast<std::uint16_t>(on ? m_switchBits | bit : m_switchBits & ~bit);
        });
        m_inputSwitches[static_cast<std::size_t>(n)] = check;
    }
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
    if (!m_session.chooseModule(static_cast<machines::ModuleKind>(index))) {
        return;
    }
    const auto running = [this] { return m_session.running(); };
    if (m_moduleWindows[slot] == nullptr && index == 1) {
        m_moduleWindows[slot] = new GateWindow(m_session.modules().gate(), running, this);
    } else if (m_moduleWindows[slot] == nullptr && index == 2) {
        m_moduleWindows[slot] = new ConveyorWindow(m_session.modules().conveyor(), running, this);
    }
    for (ModuleWindow* window : m_moduleWindows) {
        if (window != nullptr && window != m_moduleWindows[slot]) {
            window->hide();
        }
    }
    if (ModuleWindow* window = m_moduleWindows[slot]) {
        window->show();
        window->raise();
    }
}

ModuleWindow* MainWindow::moduleWindow() const {
    return m_moduleWindows[static_cast<std::size_t>(m_session.modules().kind())];
}

void MainWindow::showAbout() {
    About about(this);
    about.exec();
}

void MainWindow::uncheckInputSwitch(int n) {
    m_inputSwitches[static_cast<std::size_t>(n)]->setChecked(false);
}

void MainWindow::setInputLamp(int n, bool on) {
    m_inputLamps[static_cast<std::size_t>(n)]->setOn(on);
}

void MainWindow::setOutputLamp(int n, bool on) {
    m_outputLamps[static_cast<std::size_t>(n)]->setOn(on);
}

void MainWindow::setTimerDisplay(int n, std::string_view text) {
    QLabel* label = m_timerDisplays[static_cast<std::size_t>(n)];
    const QString caption = shownText(text);
    if (label->text() != caption) {
        label->setText(caption);
    }
}

void MainWindow::setCounterDisplay(int n, std::string_view text) {
    QLabel* label = m_counterDisplays[static_cast<std::size_t>(n)];
    const QString caption = shownText(text);
    if (label->text() != caption) {
        label->setText(caption);
    }
}

void MainWindow::setRunLamp(bool on) {
    m_runButton->setOn(on);
}

void MainWindow::setScanTimer(bool on) {
    if (on) {
        m_runStartMs = m_runClock.elapsed();
        m_scanPacer.start(m_runStartMs);
        m_scanTimer.start();
    } else {
        m_scanTimer.stop();
    }
}

void MainWindow::setTickTimer(bool on) {
    if (on) {
        m_tickTimer.start();
    } else {
        m_tickTimer.stop();
    }
}

void MainWindow::setFileMenuEnabled(bool enabled) {
    m_fileMenu->menuAction()->setEnabled(enabled);
}

void MainWindow::setModuleMenuEnabled(bool enabled) {
    m_moduleMenu->menuAction()->setEnabled(enabled);
}

void MainWindow::setInputSwitchEnabled(int n, bool enabled) {
    m_inputSwitches[static_cast<std::size_t>(n)]->setEnabled(enabled);
}

void MainWindow::setProgressVisible(bool visible) {
    m_progressLabel->setVisible(visible);
    m_progressBar->setVisible(visible);
}

void MainWindow::setProgressWidth(int twips) {
    m_progressBar->resize(px(twips), m_progressBar->height());
}

void MainWindow::showTimingDiagram() {
    if (m_timingWindow == nullptr) {
        const session::Ports& ports = m_session.ports();
        m_timingWindow = new TimingWindow(m_session.tracing(), ports.fileDialog, ports.boxes,
                                          ports.fileSystem, this);
        m_timingWindow->recordItem()->setChecked(true);
    }
    m_timingWindow->show();
    m_timingWindow->raise();
    m_timingWindow->activateWindow();
}

void MainWindow::closeMainWindow() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_session.files().confirmClose()) {
        event->ignore();
        return;
    }
    m_scanTimer.stop();
    m_tickTimer.stop();
    if (m_ladderWindow != nullptr) {
        m_ladderWindow->close();
    }
    event->accept();
}

LadderWindow* MainWindow::showLadderDiagram() {
    if (m_ladderWindow == nullptr) {
        m_ladderWindow = new LadderWindow(m_session, this);
        m_ladderWindow->addAction(m_saveItem); // Ctrl+S saves from the diagram as from the grid
        // Beside the main window, as tall as the screen allows.
        const QRect frame = frameGeometry();
        m_ladderWindow->move(frame.right() + 8, frame.top());
    }
    m_ladderWindow->show();
    m_ladderWindow->raise();
    m_ladderWindow->activateWindow();
    return m_ladderWindow;
}

void MainWindow::exportDiagram() {
    const auto path = m_session.ports().fileDialog.askSavePath(
        "diagram.svg", "SVG or PNG picture (*.svg *.png)|*.svg;*.png");
    if (!path) {
        return;
    }
    session::LadderDiagram diagram(m_session);
    diagram.poll();
    const ladder::Monitor& shown = diagram.monitor();
    if (!exportLadder(shown.layout(), shown.flow(), 0, QString::fromStdString(*path))) {
        m_session.ports().boxes.show("The diagram could not be written to " + *path + ".",
                                     platform::BoxStyle::Exclamation, "Export Diagram");
    }
}

std::uint64_t MainWindow::runTimeMs() const {
    return static_cast<std::uint64_t>(m_runClock.elapsed() - m_runStartMs);
}

void MainWindow::onScanTimer() {
    const int due = m_scanPacer.due(m_runClock.elapsed());
    if (m_session.debugger().paused()) {
        return; // the scans a pause skips are not caught up
    }
    // A scan that meets a bad line stops the run (and this timer) before it returns.
    for (int i = 0; i < due && m_scanTimer.isActive(); ++i) {
        ++m_scanCount;
        m_session.scan(runTimeMs());
    }
}

void MainWindow::onTickTimer() {
    // Each served tick counts exactly one step: a late tick is not counted up. The 100 ms timer
    // keeps time well enough that a timer showing 5.0 runs out five seconds later.
    m_session.tick();
}

} // namespace rungbox::ui
