// SPDX-License-Identifier: GPL-3.0-or-later
// Rungbox: shows the splash window, which opens the main window two seconds later.
//
//   rungbox [FILE.PLC]
//
// A program file named on the command line (as the desktop entry passes a double-clicked file)
// is loaded once the main window is open, as File > Load would load it.

#include "ui/app/LanguageChoice.h"
#include "ui/app/MainWindow.h"
#include "ui/app/Splash.h"
#include "ui/ports/QtFileDialog.h"
#include "ui/ports/QtMessageBoxes.h"
#include "ui/ports/SettingsRecentFileStore.h"

#include <QApplication>
#include <QSettings>
#include <QStringList>

#include <cstring>
#include <iostream>
#include <memory>

namespace {

constexpr const char* kUsage = "Usage: rungbox [FILE.PLC]\n";

void printHelp() {
    std::cout << kUsage
              << "Rungbox simulates a small programmable logic controller with the OMRON-style\n"
                 "ladder instruction set: type a ladder program, press the run/stop button, flip\n"
                 "the input switches and watch the lamps, timers and counters.\n"
                 "\n"
                 "FILE.PLC, when given, is loaded once the main window is open.\n"
                 "\n"
                 "Options:\n"
                 "  --help      show this help and exit\n"
                 "  --version   show the version and exit\n"
                 "\n"
                 "Standard Qt options (-platform, -style, ...) are accepted too.\n"
                 "See rungbox(1); rungbox-sim(1) runs programs without the window.\n";
}

} // namespace

int main(int argc, char* argv[]) {
    // --help and --version are answered before Qt starts, so they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            printHelp();
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "rungbox " << RUNGBOX_VERSION << '\n';
            return 0;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("rungbox");
    QApplication::setApplicationVersion(RUNGBOX_VERSION);

    // Qt has taken its own options out; what is left is at most one program file.
    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() > 1 || (args.size() == 1 && args.front().startsWith('-'))) {
        std::cerr << kUsage << "Try 'rungbox --help' for more information.\n";
        return 1;
    }
    const QString program = args.value(0);

    // The settings keep where the tool windows were and the language chosen in View > Language,
    // which is installed before any window is built.
    QSettings settings(QStringLiteral("rungbox"), QStringLiteral("rungbox"));
    const rungbox::ui::LanguageChoice language(settings);

    rungbox::ui::QtMessageBoxes boxes;
    rungbox::ui::QtFileDialog dialog;
    rungbox::ui::SettingsRecentFileStore recentFiles;
    std::unique_ptr<rungbox::ui::MainWindow> ladder;

    rungbox::ui::Splash splash([&]() -> QWidget* {
        if (!ladder) {
            ladder = std::make_unique<rungbox::ui::MainWindow>(boxes, dialog);
            boxes.setParentWidget(ladder.get());
            dialog.setParentWidget(ladder.get());
            ladder->setRecentFileStore(&recentFiles);
            ladder->setPlaceStore(&settings);
            ladder->setLanguageStore(&settings);
            if (!program.isEmpty()) {
                // Once the splash has shown the window, so that a message about the file appears
                // over it.
                ladder->openWhenShown(program);
            }
        }
        return ladder.get();
    });
    splash.show();
    return QApplication::exec();
}
