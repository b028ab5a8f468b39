// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What decides a program's future: the part of the controller a scan reads before it writes it.
// A relay that the scan's first access to writes unconditionally (an OUT before any line reads
// it) is not state; one read first, or written only by DIFU or SFT, is. Timer present values and
// their hold flags, counter present values and count-edge memories and DIFU edge memories are
// state for the timers, counters and DIFU lines the program has. The block stack and result
// register start afresh each scan and are not state. Input relays 0 to 15 are copied from the
// switches at the start of every scan, so they are inputs, never state.
//
// A timer or counter that only contacts read is state too: no line before END changes it, but
// the start of a run may have loaded its set value from a TIM or CNT line after END, and the
// contacts read its done flag.
//
// Extended programs name their bits by workspace byte (BitAddress.h); the same rule makes a bit of
// any area state (W, HR, AR, TR alike). A line that writes only on a condition (KEEP, SET, RSET,
// a line JMP can skip) leaves the bit as it was otherwise, so it reads it: KEEP's memory is the
// bit itself. DIFD edge memories, a CNTR's decrement-edge memory and its done flag (which does not
// follow its value) and the first-cycle flag, when the program reads P_First_Cycle, are state too.
// The scan writes P_On, P_Off and P_First_Cycle before any line, so they are not.

#include "engine/Controller.h"
#include "engine/Program.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace rungbox::explore {

struct StateLayout {
    /// State relays, ascending addresses (extended programs: workspace bytes of bits).
    std::vector<std::uint16_t> relays;
    std::vector<std::uint16_t> difus; ///< relays whose DIFU edge memory is state, ascending
    std::vector<std::uint16_t> difds; ///< bytes whose DIFD edge memory is state, ascending
    /// Timer numbers (0 to 7; extended 0 to 127) of the TIM lines and the timer contacts,
    /// ascending.
    std::vector<std::uint8_t> timers;
    /// Counter numbers (0 to 7; extended 0 to 127) of the counter lines and the counter
    /// contacts, ascending.
    std::vector<std::uint8_t> counters;
    /// Counters of CNTR lines, ascending: their decrement-edge memory and done flag are state.
    std::vector<std::uint8_t> reversible;
    /// The program reads the first-cycle relay: the controller's first-cycle flag is state.
    bool firstCycle = false;
    /// The program has a TIM line: only its step lets a timer run, so without one a timer tick
    /// changes nothing.
    bool timed = false;
    /// Relays the scan writes that are not state (outputs written before any line reads them).
    std::vector<std::uint16_t> written;
    /// Switch n (bit n) is read by the scan before anything writes relay n.
    std::uint16_t inputsRead = 0;

    /// The layout of `program`.
    static StateLayout of(const engine::Program& program);

    /// Bytes of a packed state: one bit per relay, DIFU and DIFD memory, timer hold flag,
    /// count-edge memory, CNTR decrement-edge memory and done flag and the first-cycle flag, then
    /// two bytes per timer and counter present value.
    std::size_t bytes() const;

    /// Packs the state of `plc` into `out` (bytes() bytes).
    void save(const engine::Controller& plc, std::uint8_t* out) const;
    /// Puts the packed state `in` into `plc`; the rest of `plc` is left alone.
    void restore(engine::Controller& plc, const std::uint8_t* in) const;

private:
    std::size_t bitCount() const;
};

} // namespace rungbox::explore
