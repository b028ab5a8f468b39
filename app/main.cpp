// Rungbox: shows the splash window, which opens the main window two seconds later.

#include "ui/MainWindow.h"
#include "ui/QtFileDialog.h"
#include "ui/QtMessageBoxes.h"
#include "ui/Splash.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("rungbox");

    rungbox::ui::QtMessageBoxes boxes;
    rungbox::ui::QtFileDialog dialog;
    std::unique_ptr<rungbox::ui::MainWindow> ladder;

    rungbox::ui::Splash splash([&]() -> QWidget* {
        if (!ladder) {
            ladder = std::make_unique<rungbox::ui::MainWindow>(boxes, dialog);
            boxes.setParentWidget(ladder.get());
            dialog.setParentWidget(ladder.get());
        }
        return ladder.get();
    });
    splash.show();
    return QApplication::exec();
}
