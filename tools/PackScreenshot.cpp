// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the README's "Exercise packs in the window": the example pack opened, its House Gate
// exercise chosen with its statement in the pack's panel, and the exercise's printout as a PDF
// (its first page made a picture by the script). The work is kept in Qt's test location, not
// the user's. Usage: rungbox_pack_screenshot PACK_FOLDER OUTPUT.png PRINTOUT.pdf

#include "ToolWindow.h"
#include "ui/check/CheckDialog.h"
#include "ui/course/PackTools.h"
#include "ui/print/PrintTools.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QStandardPaths>

#include <cstdio>

using rungbox::tools::ToolWindow;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr,
                     "usage: rungbox_pack_screenshot PACK_FOLDER OUTPUT.png PRINTOUT.pdf\n");
        return 2;
    }
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/packs")
        .removeRecursively();
    ToolWindow tool;
    auto& window = tool.window();
    rungbox::ui::PackTools& packs = window.packTools();
    if (!packs.openPack(argv[1])) {
        return 1;
    }
    // Some work on the latch (kept when the gate is chosen), so that the states differ.
    window.session().grid().setText(1, rungbox::editor::kCodeCol + 1, "2");
    if (!packs.chooseExercise(4)) {
        return 1;
    }
    packs.check()->close(); // a run of Check on the starter: the state column shows it
    window.resize(window.width() + 520, std::max(window.height(), 660));
    ToolWindow::runFor(200);
    if (!window.grab().save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(argv[3]));
    window.printTools().printTo(printer);
    return tool.messages() == 0 ? 0 : 1;
}
