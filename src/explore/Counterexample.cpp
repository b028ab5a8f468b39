// SPDX-License-Identifier: GPL-3.0-or-later
#include "Counterexample.h"

#include "engine/AddressMap.h"

#include <algorithm>
#include <sstream>

namespace rungbox::explore {

std::vector<Step> padToClock(const std::vector<Step>& steps) {
    std::vector<Step> padded;
    int scans = 0;
    for (const Step& step : steps) {
        if (step.tick) {
            // A tick follows at least one scan, whose switches the padding repeats.
            const Step last = padded.empty() ? Step{} : padded.back();
            for (; scans < kScansPerTick; ++scans) {
                padded.push_back(last);
            }
            scans = 0;
        } else {
            ++scans;
        }
        padded.push_back(step);
    }
    return padded;
}

std::optional<std::size_t> replay(const std::vector<TransitionSystem*>& systems,
                                  const std::vector<Step>& steps,
                                  const std::function<bool()>& shows) {
    for (TransitionSystem* m : systems) {
        m->restart();
    }
    for (std::size_t i = 0; i < steps.size(); ++i) {
        for (TransitionSystem* m : systems) {
            if (m->run(steps[i]) != 0) {
                return std::nullopt;
            }
        }
        if (!steps[i].tick && shows()) {
            return i + 1;
        }
    }
    return std::nullopt;
}

Counterexample atRealPace(const std::vector<TransitionSystem*>& systems,
                          const std::vector<Step>& shortest, const std::function<bool()>& shows) {
    std::vector<Step> padded = padToClock(shortest);
    if (padded.size() == shortest.size()) {
        return {shortest, true};
    }
    if (const auto length = replay(systems, padded, shows)) {
        padded.resize(*length);
        return {padded, true};
    }
    return {shortest, false};
}

namespace {

// Consecutive equal steps as "scan K" or "tick K".
void writeRun(std::ostream& out, const Step& step, int count) {
    out << (step.tick ? "tick" : "scan");
    if (count > 1) {
        out << ' ' << count;
    }
    out << '\n';
}

} // namespace

std::string stepCount(std::size_t steps) {
    return std::to_string(steps) + (steps == 1 ? " step" : " steps");
}

namespace {

// True when `steps` is what the real clock runs: every tick right after the hundredth scan since
// the last tick (or the start), and fewer than a hundred scans after the last tick.
bool atClockPace(const std::vector<Step>& steps) {
    int scans = 0;
    for (const Step& step : steps) {
        if (step.tick) {
            if (scans != kScansPerTick) {
                return false;
            }
            scans = 0;
        } else if (++scans > kScansPerTick) {
            return false;
        }
    }
    return scans < kScansPerTick;
}

// "in N 0|1" for every switch that differs between `from` and `to`.
void writeSwitches(std::ostream& out, std::uint16_t from, std::uint16_t to) {
    for (int n = 0; n < engine::kInputCount; ++n) {
        const unsigned bit = 1U << n;
        if (((from ^ to) & bit) != 0) {
            out << "in " << n << ' ' << ((to & bit) != 0 ? 1 : 0) << '\n';
        }
    }
}

// At the clock's pace the script waits: a scan each millisecond and the ticks where the clock
// puts them, so that the script reads as the run it stands for.
void writeWaits(std::ostream& out, const std::vector<Step>& steps) {
    std::uint16_t switches = 0; // a run starts with every switch off
    std::int64_t scans = 0;
    for (const Step& step : steps) {
        if (step.tick) {
            continue;
        }
        if (step.switches != switches) {
            if (scans > 0) {
                out << "wait " << scans << '\n';
            }
            writeSwitches(out, switches, step.switches);
            switches = step.switches;
            scans = 0;
        }
        ++scans;
    }
    if (scans > 0) {
        out << "wait " << scans << '\n';
    }
}

void writeSteps(std::ostream& out, const std::vector<Step>& steps) {
    std::uint16_t switches = 0;
    for (std::size_t i = 0; i < steps.size();) {
        const Step& step = steps[i];
        if (!step.tick && step.switches != switches) {
            writeSwitches(out, switches, step.switches);
            switches = step.switches;
        }
        std::size_t j = i + 1;
        while (j < steps.size() && steps[j] == step) {
            ++j;
        }
        writeRun(out, step, static_cast<int>(j - i));
        i = j;
    }
}

} // namespace

std::string scriptText(const std::vector<Step>& steps, const std::vector<std::string>& comments,
                       const std::vector<std::string>& expects) {
    std::ostringstream out;
    for (const std::string& comment : comments) {
        out << "# " << comment << '\n';
    }
    out << "press\n";
    const bool ticks =
        std::any_of(steps.begin(), steps.end(), [](const Step& step) { return step.tick; });
    if (ticks && atClockPace(steps)) {
        writeWaits(out, steps);
    } else {
        writeSteps(out, steps);
    }
    for (const std::string& expect : expects) {
        out << expect << '\n';
    }
    return out.str();
}

} // namespace rungbox::explore
