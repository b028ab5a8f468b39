// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a machine's window for the README while it runs its solution program:
//   rungbox_module_screenshot [--language CODE] gate|conveyor PROGRAM.PLC OUTPUT.png
// The gate opens on the remote with a car waiting, which drives into the gateway; the conveyor
// runs for a while, sorting boxes into its bins.

#include "ToolWindow.h"
#include "files/LadderFile.h"
#include "support/WindowParts.h"
#include "ui/machines/ModuleWindow.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace rungbox::test; // the window's parts, found by name

using rungbox::tools::ToolLine;
using rungbox::tools::ToolWindow;

namespace {

// The program of the .PLC file at `path` as grid lines; empty when it cannot be read.
std::vector<ToolLine> readProgram(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const auto contents = rungbox::files::readLadderFile(bytes.str());
    std::vector<ToolLine> lines;
    if (contents.status != rungbox::files::ReadStatus::Ok) {
        return lines;
    }
    for (std::size_t k = 0; k < contents.fields.size(); k += 3) {
        ToolLine line;
        for (std::size_t j = 0; j < 3 && k + j < contents.fields.size(); ++j) {
            line[j] = contents.fields[k + j];
        }
        lines.push_back(line);
    }
    return lines;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const rungbox::tools::ShotLanguage language(argc, argv);
    const std::string module = argc == 4 ? argv[1] : "";
    if (module != "gate" && module != "conveyor") {
        std::fprintf(stderr,
                     "usage: rungbox_module_screenshot gate|conveyor PROGRAM.PLC OUT.png\n");
        return 2;
    }
    const std::vector<ToolLine> program = readProgram(argv[2]);
    if (program.empty()) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 1;
    }
    ToolWindow tool;
    auto& window = tool.window();
    window.chooseModule(module == "gate" ? 1 : 2);
    if (!tool.loadAndStart(program)) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    auto& machines = window.session().modules();
    if (module == "gate") {
        machines.gate().setCar(true);
        machines.gate().remote().press();
        ToolWindow::runFor(7000);
    } else {
        machines.conveyor().startButton().press();
        ToolWindow::runFor(12000);
        // Wait for a push half done, so that the picture shows the pusher at work.
        const auto pushing = [&] {
            for (const auto& box : machines.conveyor().boxes()) {
                if (box.side >= rungbox::machines::ConveyorPlant::kPusherStroke / 2) {
                    return true;
                }
            }
            return false;
        };
        for (int k = 0; k < 2000 && !pushing(); ++k) {
            ToolWindow::runFor(5);
        }
    }
    rungbox::ui::ModuleWindow* shown = moduleWindow(window);
    shown->raise();
    if (!shown->grab().save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[3]);
        return 1;
    }
    return tool.messages() == 0 ? 0 : 1;
}
