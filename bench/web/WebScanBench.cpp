// SPDX-License-Identifier: GPL-3.0-or-later
// The scan benchmark in the browser: the 298-line program of the native benchmark, driven the
// same way (a switch flipping every scan, a tick every 16th), scanned by the controller as the
// WebAssembly build has it (the fused interpreter: no machine code is generated there). Prints
// the best time per scan of several runs; scripts/web.sh --bench runs it in headless Chromium
// beside the native figures.

#include "../BenchProgram.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdio>

namespace {

using namespace rungbox::bench;

// Enough scans that one run takes a good part of a second, as the native benchmark's runs do.
constexpr std::uint32_t kScansPerRun = 400000;
constexpr int kRuns = 5;

double nsPerScan(Controller& plc, CheapPanel& panel) {
    std::uint16_t switches = 0;
    const double start = emscripten_get_now();
    for (std::uint32_t i = 0; i < kScansPerRun; ++i) {
        switches = nextSwitches(switches, i);
        panel.switches = switches;
        plc.scan();
        if (i % kTickEvery == 0) {
            plc.tick();
        }
    }
    return (emscripten_get_now() - start) * 1e6 / kScansPerRun;
}

} // namespace

int main() {
    CheapPanel panel;
    Controller plc(panel);
    loadProgram(plc);
    double best = nsPerScan(plc, panel); // the first run also warms the engine's compiler up
    for (int run = 1; run < kRuns; ++run) {
        best = std::min(best, nsPerScan(plc, panel));
    }
    std::printf("browser scan of the %d-line program: %.1f ns (%s, best of %d runs)\n",
                kProgramLines, best,
                plc.runsMachineCode() ? "generated machine code" : "fused interpreter", kRuns);
    return 0;
}
