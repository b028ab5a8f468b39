// Rungbox: shows the splash window, which opens the main window two seconds later. A program
// file named on the command line is loaded once the main window is there.

#include "ui/MainWindow.h"
#include "ui/QtFileDialog.h"
#include "ui/QtMessageBoxes.h"
#include "ui/SettingsRecentFileStore.h"
#include "ui/Splash.h"

#include <QApplication>
#include <QCommandLineParser>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("rungbox");

    QCommandLineParser parser;
    parser.setApplicationDescription("Rungbox, a simulator of a small ladder-logic PLC.");
    parser.addHelpOption();
    parser.addPositionalArgument("program", "A .PLC program file to open.", "[program]");
    parser.process(app);
    const QString program = parser.positionalArguments().value(0);

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
            if (!program.isEmpty()) {
                ladder->openWhenShown(program);
            }
        }
        return ladder.get();
    });
    splash.show();
    return QApplication::exec();
}
