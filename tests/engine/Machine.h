#pragma once

// A controller on a recording panel, with a short way to write a program into its table.

#include "engine/Controller.h"
#include "support/Recorders.h"

#include <initializer_list>
#include <stdexcept>
#include <string>

namespace rungbox::test {

struct Line {
    std::string code;
    int location = 0;
    int setValue = 0;
};

struct Machine {
    RecordingPanel panel;
    engine::Controller plc{panel};

    /// Writes `lines` into table records 1 on, clears the records below, and loads the set value
    /// of every TIM and CNT line as a run's preparation does.
    void load(std::initializer_list<Line> lines) {
        plc.initPLC();
        int r = 1;
        for (const Line& line : lines) {
            plc.setLadderTable(r++, {line.code, static_cast<std::int16_t>(line.location),
                                     static_cast<std::int16_t>(line.setValue)});
            if (line.code == "TIM") {
                plc.setTimValue(line.location, static_cast<std::int16_t>(line.setValue));
            } else if (line.code == "CNT") {
                plc.setCntValue(line.location, static_cast<std::int16_t>(line.setValue));
            }
        }
        for (; r < engine::kLadderTableSize; ++r) {
            plc.setLadderTable(r, {});
        }
    }

    /// One scan that must reach END.
    void scan() {
        const int bad = plc.PLC();
        if (bad != 0) {
            throw std::runtime_error("scan stopped at line " + std::to_string(bad));
        }
    }

    void press(int input, bool on) { panel.setSwitch(input, on); }
    bool out(int n) const { return panel.outputLamp[static_cast<std::size_t>(n)]; }
};

} // namespace rungbox::test
