// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A machine the program controls instead of the switches and lamps: a plant model stepped in
// simulated milliseconds. Each millisecond of a run goes
//   sensors -> input relays, one scan, output relays -> step(outputs)
// so the plant runs the same in the window, in rungbox-sim and in tests. A plant owns all of its
// state; there is no global state and no randomness other than its own seeded sequence.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace rungbox::machines {

/// One kind of fault a plant can suffer, and how often it happened since the last reset.
struct FaultCount {
    /// Short name without blanks, as the state line prints it ("both-ways").
    std::string_view name;
    /// What happened, for the module's window ("Motor driven both ways").
    std::string_view text;
    /// Occurrences since the last reset; a fault that lasts counts once.
    int count = 0;
    /// True while the fault's condition holds (for a jam: during the second after it).
    bool active = false;
};

class Plant {
public:
    virtual ~Plant() = default;

    /// The module's short name as rungbox-sim knows it ("gate", "conveyor").
    virtual std::string_view name() const = 0;

    /// Back to the starting state: what a new plant is, and what stopping a run leaves.
    virtual void reset() = 0;

    /// The input relays (bit n = input n, 0 to 15) whose values the plant drives.
    virtual std::uint16_t sensorMask() const = 0;
    /// The plant's sensors as input bits; only bits of sensorMask() are ever set.
    virtual std::uint16_t sensors() const = 0;
    /// `inputs` (bit n = input n) with the bits of sensorMask() replaced by the sensors: what
    /// the next scan reads. The other inputs stay as given (the manual switches).
    std::uint16_t writeSensors(std::uint16_t inputs) const;

    /// One simulated millisecond, with `outputs` (bit n = output relay 1000 + n) as the scan
    /// just before left them. Also ends the short presses that scan has seen.
    virtual void step(std::uint16_t outputs) = 0;

    /// The whole state on one line of `key=value` words, starting with name(). Its form is
    /// stable: scripts compare it.
    virtual std::string stateLine() const = 0;

    /// Every fault kind of this plant with its count, in a fixed order.
    virtual std::span<const FaultCount> faults() const = 0;
    /// The sum of all fault counts.
    int faultTotal() const;

protected:
    /// Appends " name=count" for every fault kind, after " faults=" and the total.
    void appendFaults(std::string& line) const;
};

} // namespace rungbox::machines
