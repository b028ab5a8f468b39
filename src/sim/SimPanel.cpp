// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimPanel.h"

namespace rungbox::sim {

namespace {

void appendLamps(std::string& out, std::uint16_t lamps) {
    for (int n = 0; n < engine::kInputCount; ++n) {
        out += ((lamps >> n) & 1) != 0 ? '1' : '0';
    }
}

// The displays `display(0)` to `display(count - 1)`, separated by commas.
template <typename Display> void appendDisplays(std::string& out, int count, Display display) {
    for (int n = 0; n < count; ++n) {
        if (n > 0) {
            out += ',';
        }
        out += display(n);
    }
}

} // namespace

std::string SimPanel::showLine() const {
    std::string out = "in=";
    appendLamps(out, inputLampBits());
    out += " out=";
    appendLamps(out, outputLampBits());
    out += " tim=";
    appendDisplays(out, engine::kTimerCount,
                   [this](int n) -> const std::string& { return timerDisplay(n); });
    out += " cnt=";
    appendDisplays(out, engine::kCounterCount,
                   [this](int n) -> const std::string& { return counterDisplay(n); });
    return out;
}

std::string SimPanel::inputLampDigits() const {
    std::string out;
    appendLamps(out, inputLampBits());
    return out;
}

std::string SimPanel::outputLampDigits() const {
    std::string out;
    appendLamps(out, outputLampBits());
    return out;
}

} // namespace rungbox::sim
