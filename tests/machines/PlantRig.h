// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A controller wired to a plant, paced as a run is: every millisecond the sensors go to the
// inputs, one scan runs, the outputs go to the plant and it steps; every 100th millisecond a
// timer tick follows.

#include "engine/Machine.h"
#include "files/LadderFile.h"
#include "machines/Plant.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace rungbox::test {

/// The program of the .PLC file at `path` in the text form of engine/Machine.h.
inline std::string programFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const files::LadderFileContents contents = files::readLadderFile(bytes.str());
    EXPECT_EQ(contents.status, files::ReadStatus::Ok) << path;
    std::string program;
    for (std::size_t k = 0; k < contents.fields.size(); k += 3) {
        program += (k == 0 ? "" : ";") + contents.fields[k];
        for (std::size_t j = k + 1; j < k + 3 && j < contents.fields.size(); ++j) {
            program += " " + contents.fields[j];
        }
    }
    return program;
}

struct PlantRig {
    explicit PlantRig(machines::Plant& controlled) : plant(controlled) { plant.reset(); }

    machines::Plant& plant;
    Machine machine;
    long clockMs = 0;

    void load(const std::string& program) { machine.load(program); }
    void loadExample(const std::string& name) {
        load(programFile(std::string(RUNGBOX_EXAMPLES_DIR) + "/" + name));
    }

    /// Runs `ms` milliseconds; false when a scan met a program error.
    bool run(long ms) {
        for (long k = 0; k < ms; ++k) {
            machine.panel.switches = plant.writeSensors(machine.panel.switches);
            if (machine.plc.scan() != 0) {
                return false;
            }
            std::uint16_t outputs = 0;
            for (int n = 0; n < engine::kOutputCount; ++n) {
                outputs = static_cast<std::uint16_t>(
                    outputs | (machine.plc.relay(engine::kFirstOutputRelay + n) ? 1U << n : 0U));
            }
            plant.step(outputs);
            if (++clockMs % 100 == 0) {
                machine.plc.tick();
            }
        }
        return true;
    }
};

} // namespace rungbox::test
