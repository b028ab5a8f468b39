// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a paused run for the README's "Debugging a run": the main window stopped at a
// breakpoint after a few steps, an output forced off, with the register panel and the watch
// table beside it. Usage: rungbox_debug_screenshot OUTPUT.png [LADDER.png]; with LADDER.png, the
// Ladder Diagram window of the same paused run too, with its breakpoints and padlock.

#include "ToolWindow.h"
#include "support/WindowParts.h"
#include "ui/debug/DebugTools.h"
#include "ui/debug/WatchWindow.h"
#include "ui/grid/CodeGridView.h"
#include "ui/ladder/LadderWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QPainter>
#include <QPixmap>
#include <QTableWidget>

#include <cstdio>
#include <vector>

using namespace rungbox::test; // the window's parts, found by name

using rungbox::tools::ToolLine;
using rungbox::tools::ToolWindow;

namespace {

// Two blocks ORed together, a latch and a timer: enough for the block stack to hold entries.
const std::vector<ToolLine> kProgram = {
    {"LD", "0", ""},      {"AND", "1", ""},    {"LD", "2", ""},    {"AND NOT", "3", ""},
    {"OR BLK", "", ""},   {"OUT", "1000", ""}, {"LD", "1000", ""}, {"OR", "1001", ""},
    {"AND NOT", "4", ""}, {"OUT", "1001", ""}, {"LD", "1001", ""}, {"TIM", "0", "50"},
    {"LD TIM", "0", ""},  {"OUT", "1002", ""}, {"END", "", ""},
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: rungbox_debug_screenshot OUTPUT.png [LADDER.png]\n");
        return 2;
    }
    ToolWindow tool;
    auto& window = tool.window();
    if (!tool.loadAndStart(kProgram)) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    auto& session = window.session();
    auto& tools = *debugTools(window);
    inputSwitch(window, 0)->setChecked(true);
    inputSwitch(window, 1)->setChecked(true);
    ToolWindow::runFor(700);
    session.debugger().force(1002, false);
    session.debugger().setBreakpoint(5, true);
    session.debugger().setBreakpoint(11, true);
    ToolWindow::runFor(50);          // the run meets line 5's breakpoint and pauses
    session.stepLine();              // OR BLK
    session.stepLine();              // OUT 1000
    tools.stepLineItem()->trigger(); // LD 1000: the register panel opens
    gridView(window)->scrollToTop();

    auto* watch = tools.watchWindow();
    for (const char* entry : {"0", "1", "1000", "1001", "1002", "TIM 0"}) {
        watch->addEntry(entry);
    }
    watch->table()->setCurrentCell(4, 0);
    watch->show();
    ToolWindow::runFor(100);

    // The main window, then the register panel and the watch table to its right.
    const QPixmap main = window.grab();
    const QPixmap registers = tools.registerPanel()->grab();
    const QPixmap table = watch->grab();
    const int gap = 8;
    QPixmap shot(main.width() + gap + std::max(registers.width(), table.width()),
                 std::max(main.height(), registers.height() + gap + table.height()));
    shot.fill(QColor(90, 90, 90));
    QPainter p(&shot);
    p.drawPixmap(0, 0, main);
    p.drawPixmap(main.width() + gap, 0, registers);
    p.drawPixmap(main.width() + gap, registers.height() + gap, table);
    p.end();
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    if (argc > 2 && !tool.saveLadder(argv[2])) {
        return 1;
    }
    return tool.messages() == 0 ? 0 : 1;
}
