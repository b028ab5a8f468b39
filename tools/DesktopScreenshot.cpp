// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the whole screen with the main window and the tool windows where they open, for
// checking the window on a dark palette, a small screen and a scale factor by eye.
// Usage: rungbox_desktop_screenshot [--dark] [--machine] OUTPUT.png
//   --dark     a dark palette (Fusion's colours turned dark) before any window is made
//   --machine  the House Gate's window instead of the timing and ladder diagrams
// The screen's size and scale come from the display (xvfb-run, QT_SCALE_FACTOR).

#include "ToolWindow.h"
#include "support/WindowParts.h"
#include "ui/debug/DebugTools.h"

#include <QApplication>
#include <QCheckBox>
#include <QPixmap>
#include <QScreen>
#include <QStyleFactory>

#include <cstdio>
#include <cstring>
#include <vector>

using namespace rungbox::test; // the window's parts, found by name

using rungbox::tools::ToolLine;
using rungbox::tools::ToolWindow;

namespace {

// The motor latch: start (input 0), stop (input 1), a run-on timer lighting output 1 and a
// counter; a breakpoint pauses it so that the next line's mark shows.
const std::vector<ToolLine> kProgram = {
    {"LD", "0", ""},    {"OR", "1000", ""}, {"AND NOT", "1", ""}, {"OUT", "1000", ""},
    {"LD", "1000", ""}, {"TIM", "0", "50"}, {"LD TIM", "0", ""},  {"OUT", "1001", ""},
    {"LD", "2", ""},    {"CNT", "0", "5"},  {"END", "", ""},
};

QPalette darkPalette() {
    QPalette palette;
    const QColor window(45, 45, 48);
    const QColor base(30, 30, 32);
    const QColor text(225, 225, 225);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Highlight, QColor(60, 110, 190));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    return palette;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    bool dark = false;
    bool machine = false;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--dark") == 0) {
            dark = true;
        } else if (std::strcmp(argv[i], "--machine") == 0) {
            machine = true;
        } else {
            path = argv[i];
        }
    }
    if (path == nullptr) {
        std::fprintf(stderr, "usage: rungbox_desktop_screenshot [--dark] [--machine] OUTPUT.png\n");
        return 2;
    }
    if (dark) {
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        QApplication::setPalette(darkPalette());
    }
    ToolWindow tool;
    auto& window = tool.window();
    if (machine) {
        window.chooseModule(1);
    }
    if (!tool.loadAndStart(kProgram)) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    if (!machine) {
        window.showTimingDiagram();
        window.showLadderDiagram();
    }
    inputSwitch(window, 0)->setChecked(true);
    ToolWindow::runFor(300);
    inputSwitch(window, 0)->setChecked(false);
    ToolWindow::runFor(1200);                           // the timer runs out
    window.session().debugger().setBreakpoint(8, true); // the next scan pauses before line 8
    window.activateWindow();
    ToolWindow::runFor(300);
    const QPixmap screen = window.screen()->grabWindow(0);
    if (!screen.save(QString::fromLocal8Bit(path))) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return 1;
    }
    return 0;
}
