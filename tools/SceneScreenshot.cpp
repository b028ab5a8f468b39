// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the picture of a machine drawn from a scene, as its window and the page paint it, at
// the point a script leaves it:
//   rungbox_scene_screenshot PROGRAM.PLC SCRIPT OUTPUT.png [SCALE]
// The script runs as rungbox-sim runs it (it chooses the module, presses the run and works the
// machine); the picture is its chosen machine's scene after the last line, SCALE times its own
// size (default 1).

#include "machines/Scene.h"
#include "sim/Runner.h"
#include "ui/machines/ScenePainter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: rungbox_scene_screenshot PROGRAM.PLC SCRIPT OUT.png [SCALE]\n");
        return 2;
    }
    std::ostringstream printed;
    rungbox::sim::Runner runner(printed, std::cerr);
    if (!runner.load(argv[1])) {
        std::fprintf(stderr, "cannot load %s\n", argv[1]);
        return 1;
    }
    std::ifstream script(argv[2]);
    if (!script || runner.run(script) != 0) {
        std::fprintf(stderr, "the script %s did not run to its end\n", argv[2]);
        return 1;
    }
    const rungbox::machines::Plant* plant = runner.session().modules().plant();
    if (plant == nullptr || plant->sceneLayout().width <= 0) {
        std::fprintf(stderr, "the script leaves no machine drawn from a scene chosen\n");
        return 1;
    }
    const double scale = argc == 5 ? std::stod(argv[4]) : 1.0;
    const auto scene = rungbox::machines::sceneOf(*plant, runner.session().running());
    QImage image(static_cast<int>(scene.width() * scale), static_cast<int>(scene.height() * scale),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    rungbox::ui::paintScene(painter, scene);
    painter.end();
    return image.save(argv[3]) ? 0 : 1;
}
