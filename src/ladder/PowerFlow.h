// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which wires, contacts and coils of a ladder diagram carry power, read from the controller
// between scans, as a monitoring tool shows it.
//
// A contact is closed when its relay, timer or counter done flag is on (off for a NOT contact),
// read after the scan completed. A wire carries power when a path of closed contacts leads to it
// from the left rail. A scan runs its lines in order, so a contact read early in a scan may have
// changed by the scan's end. A coil is energised when power reaches it, OUT NOT included (its
// relay then goes off); an OUT or OUT NOT that is the last line writing its relay reads that
// power back from the relay the scan wrote (energised while an OUT's relay is on, or an OUT
// NOT's relay is off), and any other coil shows the power of the wire feeding it.
//
// In an extended program every operand is read at its workspace byte (engine::workspaceByte):
// a contact's bit or a timer's or counter's done flag (0 to 127), an OUT's bit; a KEEP box is
// active while its bit is on. A word box is active while power reaches it; its operands that are
// words show their values (Controller::word).

#include "Layout.h"
#include "engine/Controller.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace rungbox::ladder {

class PowerFlow {
public:
    PowerFlow() = default;

    /// Power in `layout` for the state of `controller` (read only; not kept).
    static PowerFlow evaluate(const Layout& layout, const engine::Controller& controller);

    /// True when net `n` (0 to layout.netCount() - 1) carries power.
    bool net(int n) const { return m_nets[static_cast<std::size_t>(n)] != 0; }
    /// Contact: closed. Coil: energised, i.e. its input carried power in the scan. KEEP: its
    /// bit is on. IL, JMP: their condition is on (the lines after them run). Else false.
    bool active(int element) const { return m_active[static_cast<std::size_t>(element)] != 0; }
    /// Timer: present value in timer ticks (TIMH: hundredths). Counter: present value in counts.
    /// KEEP: its bit (0 or 1). Else 0.
    int value(int element) const { return m_values[static_cast<std::size_t>(element)]; }
    /// Word boxes (and word set values): the value of word operand `operand` (0 to 2) of
    /// `element`; nothing for a constant, an operand that cannot be read, or no such operand.
    std::optional<std::uint16_t> wordValue(int element, int operand) const;

    /// Equal flows draw the same picture, so a view repaints only when this changes.
    bool operator==(const PowerFlow&) const = default;

private:
    std::vector<std::uint8_t> m_nets;
    std::vector<std::uint8_t> m_active;
    std::vector<int> m_values;
    std::vector<std::array<std::int32_t, 3>> m_words; // per element, -1 where there is no value
};

} // namespace rungbox::ladder
