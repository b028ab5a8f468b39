// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the timing diagram of a recorded rungbox-sim run as a PNG, with the window's own
// painter: the README's picture. Usage:
//   rungbox_timing_picture PROGRAM.PLC SCRIPT OUTPUT.png [SIGNAL...]
// The script runs as `rungbox-sim --vcd` runs it; the picture shows the SIGNALs named (default:
// all recorded ones) over the whole recording, 800 pixels of waveform wide.

#include "sim/Runner.h"
#include "ui/timing/TimingPainter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: rungbox_timing_picture PROGRAM.PLC SCRIPT OUTPUT.png [SIGNAL...]\n");
        return 2;
    }
    std::ifstream script(argv[2]);
    if (!script) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 1;
    }
    rungbox::sim::Runner runner(std::cout, std::cerr);
    if (!runner.load(argv[1])) {
        return 1;
    }
    runner.recordRuns();
    if (runner.run(script) != rungbox::sim::Exit::Ok) {
        return 1;
    }
    rungbox::trace::Recorder& recorder = runner.recorder();
    if (argc > 4) {
        std::vector<rungbox::trace::Signal> wanted;
        for (int i = 4; i < argc; ++i) {
            auto signal = rungbox::trace::parseSignal(argv[i]);
            if (!signal) {
                signal = rungbox::trace::parseWordSignal(argv[i]); // an extended program's word
            }
            if (!signal) {
                std::fprintf(stderr, "not a signal: %s\n", argv[i]);
                return 2;
            }
            wanted.push_back(*signal);
        }
        for (const auto& signal : std::vector(recorder.signalList())) {
            if (std::find(wanted.begin(), wanted.end(), signal) == wanted.end()) {
                recorder.remove(signal);
            }
        }
    }

    constexpr int kWaveformWidth = 800;
    using rungbox::ui::TimingPainter;
    rungbox::ui::TimingFrame frame;
    frame.fromMs = static_cast<double>(recorder.firstMs());
    frame.msPerPixel =
        static_cast<double>(recorder.lastMs() + 1 - recorder.firstMs()) / kWaveformWidth;
    const QSize size =
        TimingPainter::sizeFor(static_cast<int>(recorder.signalList().size()), kWaveformWidth);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    TimingPainter::paint(painter, size, recorder, frame);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
