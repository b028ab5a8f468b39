// SPDX-License-Identifier: GPL-3.0-or-later
#include "About.h"

#include "ui/common/Artwork.h"
#include "ui/common/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <array>

namespace rungbox::ui {

namespace {

// The client area: 6060 x 5490 twips.
constexpr int kClientWidth = 6060;
constexpr int kClientHeight = 5490;
// The text lines end inside the frame, whose right edge is at 5895 twips.
constexpr int kTextRight = 5895;

struct TextLine {
    int left;
    int top;
    const char* text;
};

constexpr std::array<TextLine, 7> kTextLines = {{
    {420, 1680, "PLC Model Supported: OMRON PLC"},
    {420, 1920, "Ladder Code: LD, NOT, AND, OR, BLK, TMR, CNT, DIFU, SFT"},
    {480, 2160, "Input Range: 00 to 15"},
    {480, 2400, "Output Range: 1000 to 1015"},
    {480, 2640, "Timer Range: 00 to 07 (0.1s to 60 seconds)"},
    {480, 2880, "Counter Range: 00 to 07 (0 to 9999)"},
    {480, 3120, "Internal Relay: 0000 to 20000"},
}};

QLabel* makeTitle(QWidget* parent, const QRect& place, const QColor& colour) {
    auto* label = new QLabel("Rungbox 1.0", parent);
    label->setGeometry(place);
    QFont font("DejaVu Sans");
    font.setPointSizeF(20.25);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

About::About(QWidget* parent) : QDialog(parent) {
    setObjectName("About");
    setWindowTitle("Form1");
    setWindowIcon(makeAppIcon());
    setModal(true);
    setFixedSize(px(kClientWidth), px(kClientHeight));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(255, 0, 0));
    setPalette(palette);

    auto* frame = new QFrame(this);
    frame->setObjectName("Label1");
    frame->setGeometry(twipsRect(120, 180, 5775, 5175));
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);

    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setGeometry(twipsRect(420, 420, 855, 975));
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(drawIconPixmap(32));

    makeTitle(this, twipsRect(1620, 420, 4035, 495), QColor(128, 128, 128))
        ->setObjectName("titleShadow");
    makeTitle(this, twipsRect(1560, 360, 4095, 495), QColor(255, 255, 255))->setObjectName("title");

    // The window's default font, a little condensed so that the longest line fits the frame.
    QFont textFont("DejaVu Sans Condensed");
    textFont.setStretch(QFont::Condensed);
    textFont.setPointSizeF(8.25);
    for (const TextLine& line : kTextLines) {
        auto* label = new QLabel(line.text, this);
        label->setFont(textFont);
        label->setGeometry(twipsRect(line.left, line.top, kTextRight - line.left, 255));
    }

    auto* rule = new QFrame(this);
    rule->setObjectName("Line1");
    rule->setGeometry(px(360), px(3540), px(5760 - 360), 1);
    rule->setFrameStyle(QFrame::HLine | QFrame::Plain);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("okButton");
    ok->setGeometry(twipsRect(4440, 2940, 1095, 375));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &About::closeBox);
}

void About::closeBox() {
    accept();
}

} // namespace rungbox::ui
