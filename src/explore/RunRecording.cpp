// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunRecording.h"

namespace rungbox::explore {

namespace {

std::vector<trace::Signal> runSignals(const TransitionSystem& system, std::uint16_t inputs,
                                      const std::vector<int>& relays) {
    std::vector<trace::Signal> signals;
    for (int n = 0; n < engine::kInputCount; ++n) {
        if (((static_cast<unsigned>(inputs) >> n) & 1U) != 0) {
            signals.push_back({trace::SignalKind::Relay, n});
        }
    }
    for (const int a : relays) {
        signals.push_back({trace::SignalKind::Relay, a});
    }
    // A timer or counter as the timing window shows it by default: its done bit, then its value.
    for (const int n : system.layout().timers) {
        signals.push_back({trace::SignalKind::TimerDone, n});
    }
    for (const int n : system.layout().counters) {
        signals.push_back({trace::SignalKind::CounterDone, n});
    }
    for (const int n : system.layout().timers) {
        signals.push_back({trace::SignalKind::TimerValue, n});
    }
    for (const int n : system.layout().counters) {
        signals.push_back({trace::SignalKind::CounterValue, n});
    }
    return signals;
}

} // namespace

std::unique_ptr<trace::Recorder> recordRun(TransitionSystem& system, const std::vector<Step>& steps,
                                           std::uint16_t inputs, const std::vector<int>& relays) {
    auto recorder = std::make_unique<trace::Recorder>(runSignals(system, inputs, relays));
    system.restart();
    recorder->sample(system.controller(), 0, 0);
    std::uint64_t scans = 0;
    for (const Step& step : steps) {
        system.run(step);
        scans += step.tick ? 0U : 1U;
        // The real clock's time: scan k at millisecond k, a tick in the millisecond of its scan.
        recorder->sample(system.controller(), scans, scans);
    }
    return recorder;
}

} // namespace rungbox::explore
