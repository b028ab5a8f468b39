// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A controller wired to a plant, paced as a run is: every millisecond the sensors go to the
// inputs, one scan runs, the outputs go to the plant and it steps; every 100th millisecond a
// timer tick follows.

#include "engine/ScriptedController.h"
#include "machines/Plant.h"

#include <gtest/gtest.h>

namespace rungbox::test {

struct PlantRig {
    explicit PlantRig(machines::Plant& controlled) : plant(controlled) { plant.reset(); }

    machines::Plant& plant;
    ScriptedController controller;
    long clockMs = 0;

    void load(const std::string& program) { controller.load(program); }

    /// Runs `ms` milliseconds; false when a scan met a program error.
    bool run(long ms) {
        for (long k = 0; k < ms; ++k) {
            controller.panel.switches = plant.writeSensors(controller.panel.switches);
            if (controller.plc.scan() != 0) {
                return false;
            }
            std::uint16_t outputs = 0;
            for (int n = 0; n < engine::kOutputCount; ++n) {
                outputs = static_cast<std::uint16_t>(
                    outputs | (controller.plc.relay(engine::kFirstOutputRelay + n) ? 1U << n : 0U));
            }
            plant.step(outputs);
            if (++clockMs % 100 == 0) {
                controller.plc.tick();
            }
        }
        return true;
    }
};

} // namespace rungbox::test
