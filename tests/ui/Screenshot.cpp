// Renders the main window for the README: a small program running, a few switches on, lamps
// lit, a timer and a counter part way. Usage: ui_screenshot OUTPUT.png

#include "UiTestSupport.h"
#include "support/Recorders.h"
#include "ui/CodeGridView.h"
#include "ui/Ladder.h"

#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Line {
    const char* code;
    const char* location;
    const char* setValue;
};

// A motor latch with start (input 0) and stop (input 1), a run-on timer, a part counter on
// input 2 and a two-hand condition on inputs 4 and 5.
const std::vector<Line> kProgram = {
    {"LD", "0", ""},     {"OR", "1000", ""},  {"AND NOT", "1", ""}, {"OUT", "1000", ""},
    {"LD", "1000", ""},  {"TIM", "0", "50"},  {"LD TIM", "0", ""},  {"OUT", "1001", ""},
    {"LD", "2", ""},     {"LD", "3", ""},     {"CNT", "0", "10"},   {"LD", "4", ""},
    {"AND", "5", ""},    {"OUT", "1002", ""}, {"LD", "1000", ""},   {"AND", "5", ""},
    {"OUT", "1005", ""}, {"LD CNT", "0", ""}, {"OUT", "1015", ""},  {"END", "", ""},
};

void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: ui_screenshot OUTPUT.png\n");
        return 2;
    }
    rungbox::test::RecordingBoxes boxes;
    rungbox::test::RecordingFileDialog dialog;
    rungbox::ui::Ladder window(boxes, dialog);
    window.show();

    auto& grid = window.grid();
    for (std::size_t i = 0; i < kProgram.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        grid.setTextMatrix(row, 1, kProgram[i].code);
        grid.setTextMatrix(row, 2, kProgram[i].location);
        grid.setTextMatrix(row, 3, kProgram[i].setValue);
    }
    window.runControl().ledSimulate_Click();
    if (!window.runControl().simulating()) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }

    // Start the motor, count three parts, hold both hands on.
    const auto flip = [&](int n, bool on) {
        window.inputSwitch(n)->setChecked(on);
        runFor(40);
    };
    flip(0, true);
    flip(0, false);
    for (int part = 0; part < 3; ++part) {
        flip(2, true);
        flip(2, false);
    }
    flip(4, true);
    flip(5, true);
    runFor(1500);
    // The start's preparation left the cursor below the program; show the program's top.
    window.gridView()->scrollToTop();
    runFor(20);

    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return boxes.shown.empty() ? 0 : 1;
}
