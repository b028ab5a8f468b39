// SPDX-License-Identifier: GPL-3.0-or-later
#include "RealClock.h"

#include <algorithm>

namespace rungbox::explore {

bool realClockRuns(const std::vector<Step>& steps) {
    int scans = 0; // since the start or the last tick
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
    return true;
}

namespace {

// `steps` at the real clock's pace; stretch i (counted by the ticks of `steps`) is filled at its
// start when atStart(i), else at its end.
template <typename AtStart>
std::vector<Step> paced(const std::vector<Step>& steps, AtStart atStart) {
    std::vector<Step> out;
    std::vector<Step> piece; // the scans since the last tick of `out`
    Step before;             // the scan before `piece`: a run starts with every switch off
    std::size_t stretch = 0;
    const auto endPiece = [&] {
        out.insert(out.end(), piece.begin(), piece.end());
        out.push_back(Step{true, 0});
        before = piece.back();
        piece.clear();
    };
    for (const Step& step : steps) {
        if (!step.tick) {
            if (piece.size() == kScansPerTick) {
                endPiece(); // a long stretch: the clock ticks after its hundredth scan
            }
            piece.push_back(step);
            continue;
        }
        const std::size_t missing = kScansPerTick - piece.size();
        if (atStart(stretch++) || piece.empty()) {
            piece.insert(piece.begin(), missing, before);
        } else {
            piece.insert(piece.end(), missing, piece.back());
        }
        endPiece();
    }
    out.insert(out.end(), piece.begin(), piece.end());
    return out;
}

} // namespace

std::vector<std::vector<Step>> realPacings(const std::vector<Step>& steps, std::size_t most) {
    std::vector<std::vector<Step>> pacings;
    const auto add = [&](std::vector<Step> candidate) {
        if (pacings.size() < most &&
            std::find(pacings.begin(), pacings.end(), candidate) == pacings.end()) {
            pacings.push_back(std::move(candidate));
        }
    };
    add(paced(steps, [](std::size_t) { return false; }));
    add(paced(steps, [](std::size_t) { return true; }));
    const auto ticks = static_cast<std::size_t>(
        std::count_if(steps.begin(), steps.end(), [](const Step& s) { return s.tick; }));
    for (std::size_t i = 0; i < ticks && pacings.size() < most; ++i) {
        add(paced(steps, [i](std::size_t k) { return k == i; }));
    }
    return pacings;
}

} // namespace rungbox::explore
