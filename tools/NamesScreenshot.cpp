// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the README's "Names for addresses": the House Gate's program loaded with its names
// file, the View > Names editor beside the main window, and the Ladder Diagram window with the
// names above the addresses. Usage: rungbox_names_screenshot PROGRAM.PLC OUTPUT.png LADDER.png

#include "ToolWindow.h"
#include "support/WindowParts.h"
#include "ui/ladder/LadderWindow.h"
#include "ui/names/NamesWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QTableWidget>

#include <cstdio>

using namespace rungbox::test; // the window's parts, found by name

using rungbox::tools::ToolWindow;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: rungbox_names_screenshot PROGRAM.PLC OUTPUT.png LADDER.png\n");
        return 2;
    }
    ToolWindow tool;
    auto& window = tool.window();
    window.openFile(QString::fromLocal8Bit(argv[1]));
    if (window.session().names().size() == 0) {
        std::fprintf(stderr, "no names were read beside %s\n", argv[1]);
        return 1;
    }
    window.session().toggleRun();
    inputSwitch(window, 2)->setChecked(true); // the gate is closed
    ToolWindow::runFor(300);

    rungbox::ui::NamesWindow* names = window.showNames();
    names->resize(560, 420);
    names->table()->setCurrentCell(5, rungbox::ui::NamesWindow::kNameColumn);
    ToolWindow::runFor(100);
    const QPixmap main = window.grab();
    const QPixmap table = names->grab();
    const int gap = 8;
    QPixmap shot(main.width() + gap + table.width(), std::max(main.height(), table.height()));
    shot.fill(QColor(90, 90, 90));
    QPainter p(&shot);
    p.drawPixmap(0, 0, main);
    p.drawPixmap(main.width() + gap, 0, table);
    p.end();
    if (!shot.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }

    if (!tool.saveLadder(argv[3])) {
        return 1;
    }
    return tool.messages() == 0 ? 0 : 1;
}
