// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrontPanel.h"

#include "Lamp.h"
#include "PanelStretch.h"
#include "names/NameTips.h"
#include "ui/common/Artwork.h"
#include "ui/common/CellText.h"
#include "ui/common/Shades.h"
#include "ui/common/Twips.h"
#include "ui/grid/CodeGridView.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <algorithm>
#include <cassert>

namespace rungbox::ui {

namespace {

// The client area below the menu bar: 9210 x 6075 twips.
constexpr int kClientWidth = 9210;
constexpr int kClientHeight = 6075;

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
    // The white title stands out on either panel; the other texts follow the palette.
    palette.setColor(QPalette::WindowText, colour == kWhite ? colour : shade(palette, colour));
    label->setPalette(palette);
    label->setAlignment(align);
    return label;
}

// A caption longer than its place, as a translation may be, first spreads into the free `room`
// (pixels) about its centre, then shrinks its font by up to a quarter, and at last is shortened
// with "…", its whole text kept in its tooltip and its screen reader name. A caption that fits
// is left exactly as it is.
void fitCaption(QLabel* label, const QRect& room) {
    const QString whole = label->text();
    const auto needed = [&] { return label->fontMetrics().horizontalAdvance(whole); };
    if (needed() <= label->contentsRect().width()) {
        return;
    }
    QRect place = label->geometry();
    const int centre = place.center().x();
    place.setWidth(std::min(needed(), room.width()));
    place.moveLeft(
        std::clamp(centre - place.width() / 2, room.left(), room.right() - place.width()));
    label->setGeometry(place);
    QFont font = label->font();
    const double smallest = font.pointSizeF() * 0.75;
    while (needed() > label->contentsRect().width() && font.pointSizeF() - 0.5 >= smallest) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        label->setFont(font);
    }
    if (needed() > label->contentsRect().width()) {
        label->setText(
            label->fontMetrics().elidedText(whole, Qt::ElideRight, label->contentsRect().width()));
        label->setToolTip(whole);
        label->setAccessibleName(whole);
    }
}

// Accents stacked on a capital (Vietnamese "Ầ", "Ế") rise above the font's ascent: the label
// grows upwards over them by as much, its text staying where it is.
void fitAccents(QLabel* label) {
    const QFontMetrics metrics = label->fontMetrics();
    const int rise = -(metrics.ascent() + metrics.tightBoundingRect(label->text()).top());
    if (rise > 0) {
        label->setGeometry(label->geometry().adjusted(0, -rise, 0, 0));
        label->setContentsMargins(0, rise, 0, 0);
    }
}

// A heading of the panel, fitted into the free `room` (twips) around its place.
QLabel* makeHeading(QWidget* parent, const QString& text, const QRect& place, const QRect& room,
                    const QFont& font, const QColor& colour) {
    QLabel* label = makeLabel(parent, text, place, font, colour);
    fitCaption(label, room);
    fitAccents(label);
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
    palette.setColor(QPalette::Window, shade(parent->palette(), kWhite));
    palette.setColor(QPalette::WindowText, shade(parent->palette(), kBlack));
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

// What a control shows, before a program names its address: "Output 02: relay 1002".
QString plainTip(names::PanelControl control, int n) {
    return QString::fromStdString(names::panelTip({}, control, n));
}

} // namespace

FrontPanel::FrontPanel(QWidget* parent)
    : QWidget(parent), m_roundLamps(makeRoundLampStrip()), m_squareLamps(makeSquareLampStrip()) {
    setObjectName("frontPanel");
    setMinimumSize(px(kClientWidth), px(kClientHeight));
    // A panel grey a shade darker than the desktop's, so that the white title stands out.
    setAutoFillBackground(true);
    QPalette clientPalette = palette();
    clientPalette.setColor(QPalette::Window, shade(clientPalette, kPanelGrey));
    setPalette(clientPalette);
    buildFrames();
    buildOutputs();
    buildDisplays();
    buildInputs();
}

void FrontPanel::showGrid(editor::Editor& editor, const SessionSignals& sessionSignals) {
    assert(m_gridView == nullptr);
    m_gridView = new CodeGridView(editor, sessionSignals, this);
    m_gridView->setObjectName("codeGrid");
    m_gridView->setAccessibleName(tr("Ladder code"));
    m_gridView->setGeometry(twipsRect(360, 2040, 4575, 2895));
    m_gridView->show();
    new PanelStretch(*this, *m_gridView, minimumSize());
}

// The controls show the lamp pictures, which are members: they go first, while what they show
// still exists.
FrontPanel::~FrontPanel() {
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void FrontPanel::buildFrames() {

    // Rectangles first, so that everything else lies on top of them.
    // The title's rectangle fades from the panel into a steel blue band.
    auto* titleBand = makeShape(this, twipsRect(360, 360, 4815, 615), "titleBand");
    QLinearGradient band(0.0, 0.0, 1.0, 0.0);
    band.setCoordinateMode(QGradient::ObjectBoundingMode);
    band.setColorAt(0.0, palette().color(QPalette::Window));
    band.setColorAt(0.45, palette().color(QPalette::Window));
    band.setColorAt(1.0, QColor(70, 95, 150));
    QPalette bandPalette = titleBand->palette();
    bandPalette.setBrush(QPalette::Window, QBrush(band));
    titleBand->setPalette(bandPalette);
    titleBand->setAutoFillBackground(true);
    makeShape(this, twipsRect(240, 1320, 8775, 615), "outputFrame");
    makeShape(this, twipsRect(240, 1920, 8775, 3135), "middleFrame");
    makeShape(this, twipsRect(240, 5040, 8775, 855), "inputFrame");

    // The title, a grey copy behind a white one.
    const QFont titleFont = blackFont(20.25);
    makeLabel(this, "Rungbox", twipsRect(300, 180, 3375, 495), titleFont, kGrey)
        ->setObjectName("titleShadow");
    makeLabel(this, "Rungbox", twipsRect(240, 120, 3615, 495), titleFont, kWhite)
        ->setObjectName("title");

    makeHeading(this, tr("Simulation"), twipsRect(7440, 120, 1455, 255),
                twipsRect(7260, 120, 1890, 255), blackFont(9.75), kRed);
    m_runButton = new Lamp(m_squareLamps, this);
    m_runButton->setObjectName("runButton");
    m_runButton->setGeometry(twipsRect(7560, 480, 1035, 435));
    m_runButton->setCursor(Qt::PointingHandCursor);
    m_runButton->setToolTip(tr("Start or stop the simulation (F5)"));
    m_runButton->setAccessibleName(tr("Simulation"));
    m_runButton->setAccessibleDescription(tr("Start or stop the simulation"));
    connect(m_runButton, &Lamp::clicked, this, &FrontPanel::runButtonClicked);

    m_progressLabel =
        makeLabel(this, tr("Loading "), twipsRect(6480, 960, 735, 255), font(), kBlack);
    m_progressLabel->setObjectName("progressLabel");
    m_progressLabel->hide();
    m_progressBar = new QFrame(this);
    m_progressBar->setObjectName("progressBar");
    m_progressBar->setGeometry(twipsRect(7200, 960, 0, 255));
    m_progressBar->setAutoFillBackground(true);
    QPalette barPalette = m_progressBar->palette();
    barPalette.setColor(QPalette::Window, QColor(0, 0, 160));
    m_progressBar->setPalette(barPalette);
    m_progressBar->hide();
}

void FrontPanel::buildOutputs() {
    const QFont headingFont = blackFont(12);
    const QFont numberFont = narrowFont(9.75);
    // Outputs.
    makeHeading(this, tr("OUTPUT"), twipsRect(360, 1440, 1335, 375),
                twipsRect(300, 1440, 1470, 375), headingFont, kBlue);
    for (int n = 0; n < engine::kOutputCount; ++n) {
        const int left = rowLeft(n, 1800, 5220);
        auto* lamp = new Lamp(m_roundLamps, this);
        lamp->setObjectName(QString("outputLamp%1").arg(n));
        lamp->setAccessibleName(tr("Output %1").arg(n));
        lamp->setToolTip(plainTip(names::PanelControl::OutputLamp, n));
        lamp->setAccessibleDescription(tr("Lamp"));
        lamp->setGeometry(twipsRect(left, 1440, 255, 255));
        m_outputLamps[static_cast<std::size_t>(n)] = lamp;
        makeLabel(this, twoDigits(n), twipsRect(left - 45, 1680, 345, 240), numberFont, kBlack,
                  Qt::AlignHCenter | Qt::AlignTop);
    }
}

void FrontPanel::buildDisplays() {
    const QFont headingFont = blackFont(12);
    const QFont numberFont = narrowFont(9.75);
    // Counters.
    makeHeading(this, tr("COUNTER"), twipsRect(6240, 2040, 1695, 375),
                twipsRect(5040, 2040, 3840, 375), headingFont, kBlue);
    for (int n = 0; n < engine::kCounterCount; ++n) {
        makeLabel(this, twoDigits(n), twipsRect(5040 + 480 * n, 2400, 495, 255), numberFont, kBlue,
                  Qt::AlignHCenter | Qt::AlignTop);
        m_counterDisplays[static_cast<std::size_t>(n)] =
            makeDisplay(this, "0", twipsRect(5040 + 480 * n, 2640, 495, 255),
                        QString("counterDisplay%1").arg(n));
        m_counterDisplays[static_cast<std::size_t>(n)]->setAccessibleName(tr("Counter %1").arg(n));
        m_counterDisplays[static_cast<std::size_t>(n)]->setToolTip(
            plainTip(names::PanelControl::CounterDisplay, n));
    }

    // Timers.
    makeHeading(this, tr("TIMER"), twipsRect(6480, 3000, 1215, 375),
                twipsRect(5040, 3000, 3840, 375), headingFont, kBlue);
    for (int n = 0; n < engine::kTimerCount; ++n) {
        const int left = 5040 + 960 * (n % 4);
        const int row = n < 4 ? 0 : 600;
        makeLabel(this, twoDigits(n), twipsRect(left, 3360 + row, 975, 255), numberFont, kBlue,
                  Qt::AlignHCenter | Qt::AlignTop);
        m_timerDisplays[static_cast<std::size_t>(n)] = makeDisplay(
            this, "0.0", twipsRect(left, 3600 + row, 975, 255), QString("timerDisplay%1").arg(n));
        m_timerDisplays[static_cast<std::size_t>(n)]->setAccessibleName(tr("Timer %1").arg(n));
        m_timerDisplays[static_cast<std::size_t>(n)]->setToolTip(
            plainTip(names::PanelControl::TimerDisplay, n));
    }
}

void FrontPanel::buildInputs() {
    const QFont headingFont = blackFont(12);
    const QFont numberFont = narrowFont(9.75);
    // Inputs.
    makeHeading(this, tr("INPUT"), twipsRect(420, 5220, 1335, 375), twipsRect(300, 5220, 1470, 375),
                headingFont, kBlue);
    for (int n = 0; n < engine::kInputCount; ++n) {
        const int lampLeft = rowLeft(n, 1800, 5280);
        const int left = rowLeft(n, 1860, 5340);
        makeLabel(this, twoDigits(n), twipsRect(lampLeft - 45, 5070, 345, 240), numberFont, kBlack,
                  Qt::AlignHCenter | Qt::AlignTop);
        auto* lamp = new Lamp(m_roundLamps, this);
        lamp->setObjectName(QString("inputLamp%1").arg(n));
        lamp->setAccessibleName(tr("Input %1").arg(n));
        lamp->setToolTip(plainTip(names::PanelControl::InputLamp, n));
        lamp->setAccessibleDescription(tr("Lamp"));
        lamp->setGeometry(twipsRect(lampLeft, 5340, 255, 255));
        m_inputLamps[static_cast<std::size_t>(n)] = lamp;

        auto* check = new QCheckBox("Check1", this);
        check->setObjectName(QString("inputSwitch%1").arg(n));
        check->setGeometry(twipsRect(left - 60, 5610, 285, 255));
        check->setEnabled(false);
        check->setToolTip(plainTip(names::PanelControl::InputSwitch, n));
        check->setAccessibleName(tr("Switch %1").arg(n));
        check->setAccessibleDescription(tr("Input switch"));
        connect(check, &QCheckBox::toggled, this, [this, n](bool on) {
            const auto bit = static_cast<std::uint16_t>(1U << n);
            m_switchBits =
                static_cast<std::uint16_t>(on ? m_switchBits | bit : m_switchBits & ~bit);
        });
        m_inputSwitches[static_cast<std::size_t>(n)] = check;
    }
}

void FrontPanel::uncheckInputSwitch(int n) {
    m_inputSwitches[static_cast<std::size_t>(n)]->setChecked(false);
}

void FrontPanel::setInputLamp(int n, bool on) {
    m_inputLamps[static_cast<std::size_t>(n)]->setOn(on);
}

void FrontPanel::setOutputLamp(int n, bool on) {
    m_outputLamps[static_cast<std::size_t>(n)]->setOn(on);
}

void FrontPanel::setTimerDisplay(int n, std::string_view text) {
    QLabel* label = m_timerDisplays[static_cast<std::size_t>(n)];
    const QString caption = shownText(text);
    if (label->text() != caption) {
        label->setText(caption);
    }
}

void FrontPanel::setCounterDisplay(int n, std::string_view text) {
    QLabel* label = m_counterDisplays[static_cast<std::size_t>(n)];
    const QString caption = shownText(text);
    if (label->text() != caption) {
        label->setText(caption);
    }
}

void FrontPanel::setRunLamp(bool on) {
    m_runButton->setOn(on);
}

void FrontPanel::setInputSwitchEnabled(int n, bool enabled) {
    m_inputSwitches[static_cast<std::size_t>(n)]->setEnabled(enabled);
}

void FrontPanel::setProgressVisible(bool visible) {
    m_progressLabel->setVisible(visible);
    m_progressBar->setVisible(visible);
}

void FrontPanel::setProgress(int copied, int total) {
    // The bar's full width: 1800 twips, so 6 twips for each of the grid's 300 rows.
    constexpr int kFullTwips = 1800;
    const int twips = total > 0 ? kFullTwips * qBound(0, copied, total) / total : 0;
    m_progressBar->resize(px(twips), m_progressBar->height());
}

void FrontPanel::showNames(const names::NameTable& table) {
    using names::PanelControl;
    const auto tip = [&table](PanelControl control, int n) {
        return QString::fromStdString(names::panelTip(table, control, n));
    };
    for (int n = 0; n < engine::kInputCount; ++n) {
        const auto at = static_cast<std::size_t>(n);
        m_inputLamps[at]->setToolTip(tip(PanelControl::InputLamp, n));
        m_inputSwitches[at]->setToolTip(tip(PanelControl::InputSwitch, n));
    }
    for (int n = 0; n < engine::kOutputCount; ++n) {
        m_outputLamps[static_cast<std::size_t>(n)]->setToolTip(tip(PanelControl::OutputLamp, n));
    }
    for (int n = 0; n < engine::kTimerCount; ++n) {
        m_timerDisplays[static_cast<std::size_t>(n)]->setToolTip(
            tip(PanelControl::TimerDisplay, n));
    }
    for (int n = 0; n < engine::kCounterCount; ++n) {
        m_counterDisplays[static_cast<std::size_t>(n)]->setToolTip(
            tip(PanelControl::CounterDisplay, n));
    }
}

} // namespace rungbox::ui
