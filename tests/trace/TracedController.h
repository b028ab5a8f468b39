// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A controller on a recording panel with a recorder beside it, driven in simulated time: each
// millisecond one scan, and one timer tick right after the scan of every hundredth millisecond,
// the recorder sampling after each.
//   script: "s5" sets the switches to 5 (seen by the next scan), "w12" runs 12 milliseconds.

#include "engine/ScriptedController.h"
#include "trace/Recorder.h"
#include "trace/VcdWriter.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace rungbox::test {

struct TracedController {
    ScriptedController m;
    trace::Recorder recorder;
    std::uint64_t ms = 0;
    std::uint64_t scans = 0;

    TracedController(const std::string& program, const std::vector<trace::Signal>& signals)
        : recorder(signals) {
        m.load(program);
        recorder.sample(m.plc, ms, scans);
    }

    void run(const std::string& script) {
        for (const std::string& token : split(script, ' ')) {
            const int number = std::stoi(token.substr(1));
            if (token[0] == 's') {
                m.panel.switches = static_cast<std::uint16_t>(number);
                continue;
            }
            for (int k = 0; k < number; ++k) {
                ++ms;
                ++scans;
                EXPECT_EQ(m.plc.scan(), 0);
                recorder.sample(m.plc, ms, scans);
                if (ms % 100 == 0) {
                    m.plc.tick();
                    recorder.sample(m.plc, ms, scans);
                }
            }
        }
    }

    std::string vcd() const {
        std::ostringstream out;
        trace::VcdWriter(out).write(recorder);
        return out.str();
    }
};

/// The signals that `names` lists, separated by blanks.
inline std::vector<trace::Signal> signalsNamed(const std::string& names) {
    std::vector<trace::Signal> signals;
    for (const std::string& name : split(names, ' ')) {
        signals.push_back(trace::parseSignal(name).value());
    }
    return signals;
}

} // namespace rungbox::test
