#include "Ladder.h"

#include "About.h"
#include "Artwork.h"
#include "CodeGridView.h"
#include "Twips.h"
#include "panel/WindowLoad.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLinearGradient>
#include <QMenuBar>

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

Ladder::Ladder(engine::MessageBoxes& boxes, files::FileDialog& dialog, QWidget* parent)
    : QMainWindow(parent), m_clpRndLED(makeRoundLampClip()), m_clpSqrLED(makeSquareLampClip()),
      m_controller(*this), m_editor(m_grid), m_runControl(m_controller, m_grid, boxes, *this),
      m_fileCommands(m_editor, m_controller, dialog, boxes, m_fileSystem, *this),
      m_scanPacer(panel::kScanIntervalMs, kMaxScansPerTick) {
    setObjectName("Ladder");
    setWindowTitle("PLC Ladder Code");
    setWindowIcon(makeAppIcon());

    buildMenus();
    auto* client = new QWidget(this);
    client->setFixedSize(px(kClientWidth), px(kClientHeight));
    // A panel grey a shade darker than the desktop's, so that the white title stands out.
    client->setAutoFillBackground(true);
    QPalette clientPalette = client->palette();
    clientPalette.setColor(QPalette::Window, kPanelGrey);
    client->setPalette(clientPalette);
    setCentralWidget(client);
    buildPanel(client);
    // The layout is fixed: the window neither grows nor shrinks.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_tmrPLCexecute.setTimerType(Qt::PreciseTimer);
    m_tmrPLCexecute.setInterval(panel::kScanIntervalMs);
    connect(&m_tmrPLCexecute, &QTimer::timeout, this, &Ladder::tmrPLCexecute_Timer);
    m_tmrTimer.setTimerType(Qt::PreciseTimer);
    m_tmrTimer.setInterval(panel::kTickIntervalMs);
    connect(&m_tmrTimer, &QTimer::timeout, this, &Ladder::tmrTimer_Timer);
    m_runClock.start();

    Form_Load();
}

Ladder::~Ladder() {
    m_tmrPLCexecute.stop();
    m_tmrTimer.stop();
    // The controls show the grid and the lamp pictures, which are members: they go first, while
    // what they show still exists (QWidget's destructor would otherwise still ask them to paint
    // and measure after the members are gone).
    delete takeCentralWidget();
}

void Ladder::buildMenus() {
    m_mnuFile = menuBar()->addMenu("&File");
    m_mnuFile->setObjectName("mnuFile");
    m_mnuNew = m_mnuFile->addAction("&New", this, [this] { m_fileCommands.mnuNew_Click(); });
    m_mnuLoad = m_mnuFile->addAction("&Load", this, [this] { m_fileCommands.mnuLoad_Click(); });
    m_mnuSaveAs =
        m_mnuFile->addAction("Save &As", this, [this] { m_fileCommands.mnuSaveAs_Click(); });
    m_mnuexit = m_mnuFile->addAction("&Exit", this, [this] { m_fileCommands.mnuexit_Click(); });

    m_mnuModuleMenu = menuBar()->addMenu("&Module");
    m_mnuModuleMenu->setObjectName("mnuModuleMenu");
    const std::array<QString, 3> modules = {"&none", "&House Gate", "&Conveyor "};
    for (int index = 0; index < static_cast<int>(modules.size()); ++index) {
        QAction* item = m_mnuModuleMenu->addAction(modules[static_cast<std::size_t>(index)]);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, index] { mnuModule_Click(index); });
        m_mnuModule[static_cast<std::size_t>(index)] = item;
    }
    m_mnuModule[0]->setChecked(true);
    // The two training modules are not built: their items stay greyed.
    m_mnuModule[1]->setEnabled(false);
    m_mnuModule[2]->setEnabled(false);

    m_mnuHelp = menuBar()->addMenu("&Help");
    m_mnuHelp->setObjectName("mnuHelp");
    m_mnuAbout = m_mnuHelp->addAction("&About", this, [this] { mnuAbout_Click(); });
}

void Ladder::buildPanel(QWidget* client) {
    // Rectangles first, so that everything else lies on top of them.
    // The title's rectangle fades from the panel into a steel blue band.
    auto* shape1 = makeShape(client, twipsRect(360, 360, 4815, 615), "Shape1");
    QLinearGradient band(0.0, 0.0, 1.0, 0.0);
    band.setCoordinateMode(QGradient::ObjectBoundingMode);
    band.setColorAt(0.0, kPanelGrey);
    band.setColorAt(0.45, kPanelGrey);
    band.setColorAt(1.0, QColor(70, 95, 150));
    QPalette bandPalette = shape1->palette();
    bandPalette.setBrush(QPalette::Window, QBrush(band));
    shape1->setPalette(bandPalette);
    shape1->setAutoFillBackground(true);
    makeShape(client, twipsRect(240, 1320, 8775, 615), "Shape3");
    makeShape(client, twipsRect(240, 1920, 8775, 3135), "Shape2");
    makeShape(client, twipsRect(240, 5040, 8775, 855), "Shape4");

    // The title, a grey copy behind a white one.
    const QFont titleFont = blackFont(20.25);
    makeLabel(client, "Rungbox", twipsRect(300, 180, 3375, 495), titleFont, kGrey)
        ->setObjectName("lblTitleShadow");
    makeLabel(client, "Rungbox", twipsRect(240, 120, 3615, 495), titleFont, kWhite)
        ->setObjectName("lblTitle");

    makeLabel(client, "Simulation", twipsRect(7440, 120, 1455, 255), blackFont(9.75), kRed);
    m_ledSimulate = new Lamp(m_clpSqrLED, client);
    m_ledSimulate->setObjectName("ledSimulate");
    m_ledSimulate->setGeometry(twipsRect(7560, 480, 1035, 435));
    m_ledSimulate->setCursor(Qt::PointingHandCursor);
    m_ledSimulate->setToolTip("Start or stop the simulation");
    connect(m_ledSimulate, &Lamp::clicked, this, [this] { m_runControl.ledSimulate_Click(); });

    m_lblProgress = makeLabel(client, "Loading ", twipsRect(6480, 960, 735, 255), font(), kBlack);
    m_lblProgress->setObjectName("lblProgress");
    m_lblProgress->hide();
    m_shpProgress = new QFrame(client);
    m_shpProgress->setObjectName("shpProgress");
    m_shpProgress->setGeometry(twipsRect(7200, 960, 0, 255));
    m_shpProgress->setAutoFillBackground(true);
    QPalette barPalette = m_shpProgress->palette();
    barPalette.setColor(QPalette::Window, QColor(0, 0, 160));
    m_shpProgress->setPalette(barPalette);
    m_shpProgress->hide();

    const QFont headingFont = blackFont(12);
    const QFont numberFont = narrowFont(9.75);
    const QFont smallNumberFont = narrowFont(8.25);

    // Outputs.
    makeLabel(client, "OUTPUT", twipsRect(360, 1440, 1335, 375), headingFont, kBlue);
    for (int n = 0; n < engine::kOutputCount; ++n) {
        const int left = rowLeft(n, 1800, 5220);
        auto* lamp = new Lamp(m_clpRndLED, client);
        lamp->setObjectName(QString("LedOutput%1").arg(n));
        lamp->setGeometry(twipsRect(left, 1440, 255, 255));
        m_ledOutput[static_cast<std::size_t>(n)] = lamp;
        makeLabel(client, twoDigits(n), twipsRect(left - 45, 1680, 345, 240), smallNumberFont,
                  kBlack, Qt::AlignHCenter | Qt::AlignTop);
    }

    // The grid.
    m_grdCode = new CodeGridView(m_editor, client);
    m_grdCode->setObjectName("grdCode");
    m_grdCode->setGeometry(twipsRect(360, 2040, 4575, 2895));

    // Counters.
    makeLabel(client, "COUNTER", twipsRect(6240, 2040, 1695, 375), headingFont, kBlue);
    for (int n = 0; n < engine::kCounterCount; ++n) {
        makeLabel(client, twoDigits(n), twipsRect(5040 + 480 * n, 2400, 495, 255), numberFont,
                  kBlue, Qt::AlignHCenter | Qt::AlignTop);
        m_lblCounter[static_cast<std::size_t>(n)] = makeDisplay(
            client, "0", twipsRect(5040 + 480 * n, 2640, 495, 255), QString("lblCounter%1").arg(n));
    }

    // Timers.
    makeLabel(client, "TIMER", twipsRect(6480, 3000, 1215, 375), headingFont, kBlue);
    for (int n = 0; n < engine::kTimerCount; ++n) {
        const int left = 5040 + 960 * (n % 4);
        const int row = n < 4 ? 0 : 600;
        makeLabel(client, twoDigits(n), twipsRect(left, 3360 + row, 975, 255), numberFont, kBlue,
                  Qt::AlignHCenter | Qt::AlignTop);
        m_lblTimer[static_cast<std::size_t>(n)] = makeDisplay(
            client, "0.0", twipsRect(left, 3600 + row, 975, 255), QString("lblTimer%1").arg(n));
    }

    // Inputs.
    makeLabel(client, "INPUT", twipsRect(420, 5220, 1335, 375), headingFont, kBlue);
    for (int n = 0; n < engine::kInputCount; ++n) {
        const int lampLeft = rowLeft(n, 1800, 5280);
        const int left = rowLeft(n, 1860, 5340);
        makeLabel(client, twoDigits(n), twipsRect(lampLeft - 45, 5070, 345, 240), smallNumberFont,
                  kBlack, Qt::AlignHCenter | Qt::AlignTop);
        auto* lamp = new Lamp(m_clpRndLED, client);
        lamp->setObjectName(QString("LedInput%1").arg(n));
        lamp->setGeometry(twipsRect(lampLeft, 5340, 255, 255));
        m_ledInput[static_cast<std::size_t>(n)] = lamp;

        auto* check = new QCheckBox("Check1", client);
        check->setObjectName(QString("chkInput%1").arg(n));
        check->setGeometry(twipsRect(left - 60, 5610, 285, 255));
        check->setEnabled(false);
        check->setToolTip(QString("Input %1").arg(twoDigits(n)));
        connect(check, &QCheckBox::toggled, this, [this, n](bool on) {
            const auto bit = static_cast<std::uint16_t>(1U << n);
            m_switchBits =
                static_cast<std::uint16_t>(on ? m_switchBits | bit : m_switchBits & ~bit);
        });
        m_chkInput[static_cast<std::size_t>(n)] = check;
    }
}

void Ladder::Form_Load() {
    panel::Form_Load(m_editor, m_controller);
}

void Ladder::mnuModule_Click(int index) {
    for (QAction* item : m_mnuModule) {
        item->setChecked(false);
    }
    if (index >= 0 && index < static_cast<int>(m_mnuModule.size())) {
        m_mnuModule[static_cast<std::size_t>(index)]->setChecked(true);
    }
}

void Ladder::mnuAbout_Click() {
    About about(this);
    about.exec();
}

void Ladder::uncheckInputSwitch(int n) {
    m_chkInput[static_cast<std::size_t>(n)]->setChecked(false);
}

void Ladder::setInputLamp(int n, bool on) {
    m_ledInput[static_cast<std::size_t>(n)]->setOn(on);
}

void Ladder::setOutputLamp(int n, bool on) {
    m_ledOutput[static_cast<std::size_t>(n)]->setOn(on);
}

void Ladder::setTimerDisplay(int n, std::string_view text) {
    QLabel* label = m_lblTimer[static_cast<std::size_t>(n)];
    const QString caption = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (label->text() != caption) {
        label->setText(caption);
    }
}

void Ladder::setCounterDisplay(int n, std::string_view text) {
    QLabel* label = m_lblCounter[static_cast<std::size_t>(n)];
    const QString caption = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (label->text() != caption) {
        label->setText(caption);
    }
}

void Ladder::setRunLamp(bool on) {
    m_ledSimulate->setOn(on);
}

void Ladder::setScanTimer(bool on) {
    if (on) {
        m_scanPacer.start(m_runClock.elapsed());
        m_tmrPLCexecute.start();
    } else {
        m_tmrPLCexecute.stop();
    }
}

void Ladder::setTickTimer(bool on) {
    if (on) {
        m_tmrTimer.start();
    } else {
        m_tmrTimer.stop();
    }
}

void Ladder::setFileMenuEnabled(bool enabled) {
    m_mnuFile->menuAction()->setEnabled(enabled);
}

void Ladder::setModuleMenuEnabled(bool enabled) {
    m_mnuModuleMenu->menuAction()->setEnabled(enabled);
}

void Ladder::setInputSwitchEnabled(int n, bool enabled) {
    m_chkInput[static_cast<std::size_t>(n)]->setEnabled(enabled);
}

void Ladder::setProgressVisible(bool visible) {
    m_lblProgress->setVisible(visible);
    m_shpProgress->setVisible(visible);
}

void Ladder::setProgressWidth(int twips) {
    m_shpProgress->resize(px(twips), m_shpProgress->height());
}

void Ladder::closeMainWindow() {
    close();
}

void Ladder::closeEvent(QCloseEvent* event) {
    if (!m_fileCommands.Form_Unload()) {
        event->ignore();
        return;
    }
    m_tmrPLCexecute.stop();
    m_tmrTimer.stop();
    event->accept();
}

void Ladder::tmrPLCexecute_Timer() {
    const int due = m_scanPacer.due(m_runClock.elapsed());
    // A scan that meets a bad line stops the run (and this timer) before it returns.
    for (int i = 0; i < due && m_tmrPLCexecute.isActive(); ++i) {
        ++m_scanCount;
        m_runControl.tmrPLCexecute_Timer();
    }
}

void Ladder::tmrTimer_Timer() {
    // Each served tick counts exactly one step: a late tick is not counted up. The 100 ms timer
    // keeps time well enough that a timer showing 5.0 runs out five seconds later.
    m_runControl.tmrTimer_Timer();
}

} // namespace rungbox::ui
