// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the main window's scan rate and the process's CPU use while a 298-line program runs
// with four input switches on. Usage: rungbox_scan_rate [--ladder] [--paused|--stopped] [seconds];
// with --ladder the Ladder Diagram window is open beside the main window during the run; with
// --paused the run is paused, with --stopped stopped, before the measurement (a window that shows
// a still picture should use no CPU). Prints the figures; asserts nothing.

#include "ToolWindow.h"
#include "support/WindowParts.h"
#include "ui/ladder/LadderWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace rungbox::test; // the window's parts, found by name

using rungbox::tools::ToolLine;
using rungbox::tools::ToolWindow;

namespace {

// 297 instruction lines and END on line 298: a timer, a counter, and latching rungs over
// inputs, internal relays and outputs.
std::vector<ToolLine> benchmarkProgram() {
    std::vector<ToolLine> lines = {
        {"LD", "0", ""},     {"TIM", "0", "50"},  {"LD", "1", ""},
        {"LD", "2", ""},     {"CNT", "0", "100"}, {"LD TIM", "0", ""},
        {"OUT", "1014", ""}, {"LD CNT", "0", ""}, {"OUT", "1015", ""},
    };
    const auto line = [](const char* code, int location) {
        return ToolLine{code, std::to_string(location), ""};
    };
    for (int k = 0; lines.size() + 6 <= 297; ++k) {
        const int relay = 2000 + k;
        lines.push_back(line("LD", k % 16));
        lines.push_back(line("OR", relay));
        lines.push_back(line("AND NOT", (k + 7) % 16));
        lines.push_back(line("OUT", relay));
        lines.push_back(line("LD", relay));
        lines.push_back(line("OUT", 1000 + k % 14));
    }
    while (lines.size() < 297) {
        lines.push_back(line("LD", 3));
    }
    lines.push_back({"END", "", ""});
    return lines;
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    bool ladder = false;
    bool paused = false;
    bool stopped = false;
    double seconds = 10.0;
    for (int arg = 1; arg < argc; ++arg) {
        const std::string word = argv[arg];
        ladder = ladder || word == "--ladder";
        paused = paused || word == "--paused";
        stopped = stopped || word == "--stopped";
        if (word[0] != '-') {
            seconds = std::atof(word.c_str());
        }
    }

    ToolWindow tool;
    auto& window = tool.window();
    const std::vector<ToolLine> program = benchmarkProgram();
    if (!tool.loadAndStart(program)) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    for (int n : {0, 1, 3, 5}) {
        inputSwitch(window, n)->setChecked(true);
    }
    rungbox::ui::LadderWindow* diagram = ladder ? window.showLadderDiagram() : nullptr;

    // Let the run settle, then measure while the event loop runs as it does in the application.
    ToolWindow::runFor(500);
    if (paused) {
        window.session().debugger().setPaused(true);
    } else if (stopped) {
        window.session().toggleRun();
    }
    ToolWindow::runFor(200);
    const std::int64_t scans0 = window.scanCount();
    const int paints0 = diagram != nullptr ? diagram->paintCount() : 0;
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    ToolWindow::runFor(static_cast<int>(seconds * 1000));
    const double elapsed = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpu0;
    const std::int64_t scans = window.scanCount() - scans0;

    std::printf("platform:          %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("program:           %zu lines, inputs 0, 1, 3, 5 on, %s\n", program.size(),
                paused    ? "paused"
                : stopped ? "stopped"
                          : "running");
    std::printf("measured:          %.2f s\n", elapsed);
    std::printf("scans:             %lld\n", static_cast<long long>(scans));
    std::printf("scans per second:  %.1f\n", static_cast<double>(scans) / elapsed);
    std::printf("process CPU:       %.1f %% of one core\n", 100.0 * cpu / elapsed);
    if (diagram != nullptr) {
        std::printf("ladder diagram:    open, %.1f pictures per second\n",
                    (diagram->paintCount() - paints0) / elapsed);
    }
    std::printf("messages shown:    %d\n", tool.messages());
    return tool.messages() == 0 ? 0 : 1;
}
