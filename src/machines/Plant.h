// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A machine the program controls instead of the switches and lamps: a plant model stepped in
// simulated milliseconds. Each millisecond of a run goes
//   sensors -> input relays, one scan, output relays -> step(outputs)
// so the plant runs the same in the window, in rungbox-sim and in tests. A plant owns all of its
// state; there is no global state and no randomness other than its own seeded sequence.

#include "Control.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace rungbox::machines {

class PushButton;
class Scene;

/// The frame of a machine's picture, in scene pixels.
struct SceneLayout {
    float width = 0;
    float height = 0;
    /// Where the list of faults with their counts goes: its top left corner and width.
    float faultsX = 0;
    float faultsY = 0;
    float faultsWidth = 0;
};

/// One kind of fault a plant can suffer, and how often it happened since the last reset.
struct FaultCount {
    /// Short name without blanks, as the state line prints it ("both-ways").
    std::string_view name;
    /// What happened, for the fault list ("Motor driven both ways"), marked under "Machines".
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

    // --- Hands and picture (machines drawn from a Scene) ---------------------------------------

    /// The push-buttons and switches the user works, in the order the page lists them.
    virtual std::span<const Control> controls() const { return {}; }
    /// Does `touch` to control `index` (below controls().size(); others are ignored).
    void operate(std::size_t index, Touch touch);
    /// True while control `index` is down (a button) or on (a switch).
    bool controlOn(std::size_t index) const;

    /// The size of the machine's picture and where its fault list goes, in scene pixels; a
    /// width of 0 for a plant whose front ends draw it themselves.
    virtual SceneLayout sceneLayout() const { return {}; }
    /// Draws the machine into `scene` (of sceneLayout()'s size), its buttons and fault marks
    /// included; sceneOf() adds the fault list.
    virtual void drawScene(Scene& scene) const { (void)scene; }

    /// A counter (0 to 7) whose present value the machine shows beside its own state (the car
    /// park's count as the program keeps it), or -1 for none.
    virtual int watchedCounter() const { return -1; }
    /// The watched counter's present value (counts), after each scan of a run.
    virtual void watchCounter(int presentValue) { (void)presentValue; }

    /// What is impossible about the state now ("level below zero"), or empty when nothing is:
    /// a plant's state must stay possible whatever its inputs do. Checked by the plant tests.
    virtual std::string invariantBreach() const { return {}; }

protected:
    /// Control `index`'s button, or nullptr for a switch (or no such control).
    virtual PushButton* controlButton(std::size_t index);
    const PushButton* controlButton(std::size_t index) const;
    /// Switch `index`'s state, and setting it.
    virtual bool switchOn(std::size_t index) const;
    virtual void setSwitch(std::size_t index, bool on);

    /// Appends " name=count" for every fault kind, after " faults=" and the total.
    void appendFaults(std::string& line) const;
};

} // namespace rungbox::machines
