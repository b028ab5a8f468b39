// Rungbox: shows the splash window, which opens the main window two seconds later.
//
//   rungbox [FILE.PLC]
//
// A program file named on the command line (as the desktop entry passes a double-clicked file)
// is loaded once the main window is open, as File > Load would load it.

#include "platform/Platform.h"
#include "ui/MainWindow.h"
#include "ui/QtFileDialog.h"
#include "ui/QtMessageBoxes.h"
#include "ui/Splash.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>

#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

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

// The first open dialog answers the file named on the command line; every later one, and every
// save dialog, is the real one.
class StartFileDialog : public rungbox::platform::FileDialog {
public:
    StartFileDialog(rungbox::platform::FileDialog& real, std::optional<std::string> first)
        : m_real(real), m_first(std::move(first)) {}

    std::optional<std::string> askSavePath(std::string_view defaultName,
                                           std::string_view filter) override {
        return m_real.askSavePath(defaultName, filter);
    }
    std::optional<std::string> askOpenPath(std::string_view filter) override {
        if (m_first) {
            std::optional<std::string> path = std::move(m_first);
            m_first.reset();
            return path;
        }
        return m_real.askOpenPath(filter);
    }

private:
    rungbox::platform::FileDialog& m_real;
    std::optional<std::string> m_first;
};

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
    std::optional<std::string> startFile;
    if (args.size() == 1) {
        startFile = args.front().toStdString();
    }

    rungbox::ui::QtMessageBoxes boxes;
    rungbox::ui::QtFileDialog qtDialog;
    StartFileDialog dialog(qtDialog, startFile);
    std::unique_ptr<rungbox::ui::MainWindow> ladder;

    rungbox::ui::Splash splash([&]() -> QWidget* {
        if (!ladder) {
            ladder = std::make_unique<rungbox::ui::MainWindow>(boxes, dialog);
            boxes.setParentWidget(ladder.get());
            qtDialog.setParentWidget(ladder.get());
            if (startFile) {
                // After the splash has shown the window, so that a message about the file
                // appears over it.
                QTimer::singleShot(0, ladder.get(), [&ladder] { ladder->fileCommands().load(); });
            }
        }
        return ladder.get();
    });
    splash.show();
    return QApplication::exec();
}
