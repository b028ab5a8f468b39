// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One program as a transition system: a controller of its own, on a panel whose switches the
// explorer sets, with the program's state layout to save and restore exactly the state the
// program touches.

#include "StateLayout.h"

#include "engine/Controller.h"
#include "engine/PanelState.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace rungbox::explore {

/// Which of the engine's scans runs the program. All three behave alike; the fast one is the
/// default and the others serve as its check.
enum class ScanPath { Fast, Fused, Reference };

/// A step of an input sequence: one scan with the switches `switches` (switch n in bit n), or
/// one timer tick.
struct Step {
    bool tick = false;
    std::uint16_t switches = 0; ///< scans only

    friend bool operator==(const Step&, const Step&) = default;
};

class TransitionSystem {
public:
    /// Takes the program table of `started` and the state it holds now as the start: the picture
    /// of a controller on which panel::startRun has just started a run. Every part of that
    /// picture a scan or a tick can read or change is in the layout's state, so restart() and
    /// restore() bring all of it back. Debugging forces and breakpoints of `started` are not
    /// taken.
    explicit TransitionSystem(const engine::Controller& started, ScanPath path = ScanPath::Fast);
    ~TransitionSystem();

    TransitionSystem(const TransitionSystem&) = delete;
    TransitionSystem& operator=(const TransitionSystem&) = delete;

    const StateLayout& layout() const { return m_layout; }
    /// Bytes of a packed state.
    std::size_t stateBytes() const { return m_bytes; }
    /// Packs the present state into `out` (stateBytes() bytes).
    void save(std::uint8_t* out) const { m_layout.save(*m_plc, out); }
    /// Makes the packed state `in` the present one.
    void restore(const std::uint8_t* in) { m_layout.restore(*m_plc, in); }
    /// The packed start state.
    const std::vector<std::uint8_t>& start() const { return m_start; }
    /// Returns to the start: the start state, and every other relay the program uses as the
    /// started controller held it, so that the relays read as at the start of a run.
    void restart();

    /// One scan with the switches `switches`. Returns 0, or the line that stopped the scan with
    /// a program error.
    int scan(std::uint16_t switches);
    /// One timer tick.
    void tick() { m_plc->tick(); }
    /// Runs `step`; as scan() (a tick always answers 0).
    int run(const Step& step);

    bool relay(int address) const { return m_plc->relay(address); }
    const engine::Controller& controller() const { return *m_plc; }

private:
    std::unique_ptr<engine::PanelState> m_panel; // the explorer sets the switches of each scan
    std::unique_ptr<engine::Controller> m_plc;
    ScanPath m_path;
    StateLayout m_layout;
    std::size_t m_bytes = 0;
    std::vector<std::uint8_t> m_start;
    std::vector<std::pair<std::uint16_t, bool>> m_startRelays; // inputs and written relays
};

} // namespace rungbox::explore
