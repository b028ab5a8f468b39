// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The recorder as a session drives it: switched on or off, told when a run starts, after each
// scan and after each timer tick, with the run's millisecond clock. It turns the run's clock
// into the recording's time and counts the scans. Every scan gets a millisecond of its own in
// the recording: one that did not move the run's clock (a script's `scan`, a scan stepped
// through in a pause) is put one millisecond after the scan before it, and the rest of the run
// follows a millisecond later, so that each scan can be seen and found in a diagram.

#include "Recorder.h"

#include "engine/Controller.h"

#include <cstdint>

namespace rungbox::trace {

class Tracing {
public:
    /// What a new run does to the recording: the window shows the latest run alone; rungbox-sim
    /// writes every run of its script into one file, each run starting one millisecond after the
    /// last sample of the one before.
    enum class Runs { Latest, All };

    explicit Tracing(Runs runs = Runs::Latest) : m_runs(runs) {}

    Runs runs() const { return m_runs; }
    void setRuns(Runs runs) { m_runs = runs; }

    Recorder& recorder() { return m_recorder; }
    const Recorder& recorder() const { return m_recorder; }

    /// While off, the hooks below return at once and the recorder is never called, so that a
    /// run that records nothing pays nothing. Switching off keeps what was recorded.
    bool on() const { return m_on; }
    /// Switched on again during a run, recording begins afresh at the next scan (in Runs::All,
    /// one millisecond after the last sample), so that no gap passes for unchanged values.
    void setOn(bool on) {
        m_on = on;
        m_begun = m_begun && on;
    }

    /// A run has started (its preparation done, its clock at 0): samples the starting state.
    void runStarted(const engine::Controller& plc) {
        m_begun = false;
        if (m_on) {
            begin(plc, 0);
        }
    }
    /// A scan of the run has ended at `runMs` milliseconds of the run's clock. Recording
    /// switched on during a run begins here.
    void scanned(const engine::Controller& plc, std::uint64_t runMs) {
        if (m_on) {
            if (!m_begun) {
                begin(plc, runMs);
                m_nextScanMs = m_offset + runMs; // the scan's state is the first sample
            }
            ++m_scans;
            if (m_offset + runMs < m_nextScanMs) {
                m_offset = m_nextScanMs - runMs;
            }
            m_nextScanMs = m_offset + runMs + 1;
            m_recorder.sample(plc, m_offset + runMs, m_scans);
        }
    }
    /// A timer tick of the run has been served at `runMs`.
    void ticked(const engine::Controller& plc, std::uint64_t runMs) {
        if (m_on && m_begun) {
            m_recorder.sample(plc, m_offset + runMs, m_scans);
        }
    }

    /// The run has stopped; nothing more is sampled until the next run starts.
    void runStopped() { m_begun = false; }

private:
    void begin(const engine::Controller& plc, std::uint64_t runMs);

    Runs m_runs;
    bool m_on = false;
    Recorder m_recorder;
    std::uint64_t m_offset = 0;     // recording time at the run's clock 0
    std::uint64_t m_nextScanMs = 0; // the earliest recording time of the next scan
    std::uint64_t m_scans = 0;      // scans counted in the recording
    bool m_begun = false;           // the current run has its first sample
};

} // namespace rungbox::trace
