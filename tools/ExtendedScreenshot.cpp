// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the README's "The extended instruction set": the car park example (an extended
// program) running after three cars have come in, the main window with its status line, and
// the Ladder Diagram window with its CNTR and KEEP boxes. Also used for the press counter
// example's diagram of word instructions: any extended program with input 0.00 pressed three
// times.
// Usage: rungbox_extended_screenshot PROGRAM.PLC OUTPUT.png LADDER.png

#include "ToolWindow.h"
#include "support/WindowParts.h"
#include "ui/ladder/LadderWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QPixmap>

#include <cstdio>

using namespace rungbox::test; // the window's parts, found by name

using rungbox::tools::ToolWindow;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr,
                     "usage: rungbox_extended_screenshot PROGRAM.PLC OUTPUT.png LADDER.png\n");
        return 2;
    }
    ToolWindow tool;
    auto& window = tool.window();
    window.openFile(QString::fromLocal8Bit(argv[1]));
    window.session().toggleRun();
    ToolWindow::runFor(100);
    for (int car = 0; car < 3; ++car) {
        inputSwitch(window, 0)->setChecked(true);
        ToolWindow::runFor(80);
        inputSwitch(window, 0)->setChecked(false);
        ToolWindow::runFor(80);
    }
    ToolWindow::runFor(100);
    if (!window.grab().save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    if (!tool.saveLadder(argv[3])) {
        return 1;
    }
    return tool.messages() == 0 ? 0 : 1;
}
