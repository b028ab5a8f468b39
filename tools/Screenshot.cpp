// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the main window for the README: a small program running, a few switches on, lamps
// lit, a timer and a counter part way. Usage: rungbox_screenshot OUTPUT.png
//
// rungbox_screenshot --ladder OUTPUT.png renders the Ladder Diagram window instead, with a
// program that also joins blocks, during a run.
//
// A leading --language CODE ("de", "zh_CN") renders either in that language, with its
// catalogues installed as the window's language choice installs them.

#include "ToolWindow.h"
#include "support/WindowParts.h"
#include "ui/grid/CodeGridView.h"
#include "ui/ladder/LadderWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QPixmap>

#include <cstdio>
#include <string_view>
#include <vector>

using namespace rungbox::test; // the window's parts, found by name

using rungbox::tools::ToolLine;
using rungbox::tools::ToolWindow;

namespace {

// A motor latch with start (input 0) and stop (input 1), a run-on timer, a part counter on
// input 2 and a two-hand condition on inputs 4 and 5.
const std::vector<ToolLine> kProgram = {
    {"LD", "0", ""},     {"OR", "1000", ""},  {"AND NOT", "1", ""}, {"OUT", "1000", ""},
    {"LD", "1000", ""},  {"TIM", "0", "50"},  {"LD TIM", "0", ""},  {"OUT", "1001", ""},
    {"LD", "2", ""},     {"LD", "3", ""},     {"CNT", "0", "10"},   {"LD", "4", ""},
    {"AND", "5", ""},    {"OUT", "1002", ""}, {"LD", "1000", ""},   {"AND", "5", ""},
    {"OUT", "1005", ""}, {"LD CNT", "0", ""}, {"OUT", "1015", ""},  {"END", "", ""},
};

// The same machine with a guard rung built from blocks: (4 or 6) and (5 or not 7), or the
// key switch 8.
const std::vector<ToolLine> kLadderProgram = {
    {"LD", "0", ""},     {"OR", "1000", ""},  {"AND NOT", "1", ""}, {"OUT", "1000", ""},
    {"LD", "1000", ""},  {"TIM", "0", "50"},  {"LD TIM", "0", ""},  {"OUT", "1001", ""},
    {"LD", "2", ""},     {"LD", "3", ""},     {"CNT", "0", "10"},   {"LD", "4", ""},
    {"OR", "6", ""},     {"LD", "5", ""},     {"OR NOT", "7", ""},  {"AND BLK", "", ""},
    {"LD", "8", ""},     {"OR BLK", "", ""},  {"OUT", "1002", ""},  {"DIFU", "1003", ""},
    {"LD CNT", "0", ""}, {"OUT", "1015", ""}, {"END", "", ""},
};

int ladderShot(const char* path) {
    ToolWindow tool;
    auto& window = tool.window();
    if (!tool.loadAndStart(kLadderProgram)) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    rungbox::ui::LadderWindow* ladder = window.showLadderDiagram();
    const auto flip = [&](int n, bool on) {
        inputSwitch(window, n)->setChecked(on);
        ToolWindow::runFor(40);
    };
    flip(0, true);
    flip(0, false);
    for (int part = 0; part < 3; ++part) {
        flip(2, true);
        flip(2, false);
    }
    flip(4, true);
    flip(5, true);
    // Mark the AND BLK line, as the grid's cursor on it would.
    window.session().grid().setLine(16);
    ToolWindow::runFor(1500);
    // The window just large enough for the whole diagram.
    ladder->resize(ladder->canvas()->size() + QSize(4, 4));
    ToolWindow::runFor(100);
    if (!ladder->grab().save(QString::fromLocal8Bit(path))) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return 1;
    }
    return tool.messages() == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const rungbox::tools::ShotLanguage language(argc, argv);
    if (argc == 3 && std::string_view(argv[1]) == "--ladder") {
        return ladderShot(argv[2]);
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: rungbox_screenshot [--language CODE] [--ladder] OUTPUT.png\n");
        return 2;
    }
    ToolWindow tool;
    auto& window = tool.window();
    if (!tool.loadAndStart(kProgram)) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }

    // Start the motor, count three parts, hold both hands on.
    const auto flip = [&](int n, bool on) {
        inputSwitch(window, n)->setChecked(on);
        ToolWindow::runFor(40);
    };
    flip(0, true);
    flip(0, false);
    for (int part = 0; part < 3; ++part) {
        flip(2, true);
        flip(2, false);
    }
    flip(4, true);
    flip(5, true);
    ToolWindow::runFor(1500);
    // The start's preparation left the cursor below the program; show the program's top.
    gridView(window)->scrollToTop();
    ToolWindow::runFor(20);

    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return tool.messages() == 0 ? 0 : 1;
}
