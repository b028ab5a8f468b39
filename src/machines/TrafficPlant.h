// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Traffic Intersection: a north-south road crossing an east-west road, a three-lamp head
// for each approach (the north and south heads show the north-south lamps, the east and west
// heads the east-west lamps), and a pedestrian crossing over the east-west road on its west
// arm, with a push-button and walk / don't walk lamps.
//
//   inputs   0  pedestrian push-button (momentary)
//            1  car waiting north (the loop before the north stop line: the queue is not empty)
//            2  car waiting south
//            3  car waiting east
//            4  car waiting west
//   outputs  1000 north-south red, 1001 north-south amber, 1002 north-south green
//            1003 east-west red,   1004 east-west amber,   1005 east-west green
//            1006 walk, 1007 don't walk
//
// Cars arrive at random but seeded, each approach at its own rate (the north-south road is the
// main road), queue at the stop line and leave one every kHeadwayMs while their road shows green
// (amber and red hold them). Each car's wait is counted from its arrival; a car waiting over
// kLongWaitMs is a warning (waits=N in the state line, an amber mark on its queue), not a fault.
// A press of the push-button puts a pedestrian at the kerb, who crosses when the walk lamp
// lights; with the Pedestrians switch on, pedestrians also come and press it at random.
//
// Faults: conflicting greens (the north-south green or amber lit together with the east-west
// green or amber; counted once while it lasts); a head that goes from green to red without at
// least kMinAmberMs of amber between (counted at the red); the walk lamp lit while the east-west
// road, which the crossing spans, shows green or amber (counted once while it lasts).

#include "Plant.h"
#include "PushButton.h"
#include "Random.h"
#include "l10n/Mark.h"

#include <array>
#include <cstdint>
#include <deque>

namespace rungbox::machines {

class TrafficPlant final : public Plant {
public:
    static constexpr std::array<Control, 2> kControls = {{
        {"walk", QT_TRANSLATE_NOOP("Machines", "Walk"), ControlKind::Button},
        {"peds", QT_TRANSLATE_NOOP("Machines", "Pedestrians"), ControlKind::Switch},
    }};

    // Inputs: bit n is input n.
    static constexpr std::uint16_t kWalkButton = 1U << 0;
    static constexpr std::uint16_t kCarNorth = 1U << 1;
    static constexpr std::uint16_t kCarSouth = 1U << 2;
    static constexpr std::uint16_t kCarEast = 1U << 3;
    static constexpr std::uint16_t kCarWest = 1U << 4;
    // Outputs: bit n is output relay 1000 + n.
    static constexpr std::uint16_t kNsRed = 1U << 0;
    static constexpr std::uint16_t kNsAmber = 1U << 1;
    static constexpr std::uint16_t kNsGreen = 1U << 2;
    static constexpr std::uint16_t kEwRed = 1U << 3;
    static constexpr std::uint16_t kEwAmber = 1U << 4;
    static constexpr std::uint16_t kEwGreen = 1U << 5;
    static constexpr std::uint16_t kWalk = 1U << 6;
    static constexpr std::uint16_t kDontWalk = 1U << 7;

    /// The four approaches, as indexes; north and south obey the north-south lamps.
    enum Approach : std::size_t { kNorth, kSouth, kEast, kWest, kApproaches };
    /// The two roads, as indexes: their heads' lamps are the outputs from kNsRed on, three each.
    enum Road : std::size_t { kNorthSouth, kEastWest, kRoads };

    /// Mean time (ms) between two arrivals at each approach: the north-south road is the main
    /// road, busier than the side road, but every approach stays well below what a fair cycle
    /// clears (one car per kHeadwayMs of green).
    static constexpr std::array<std::uint64_t, kApproaches> kMeanArrivalMs = {10000, 14000, 18000,
                                                                              24000};
    /// A queue holds at most this many cars; more arriving drive elsewhere. Ten minutes of red
    /// at the busiest approach brings about 60, so a stuck program still shows a full queue.
    static constexpr std::size_t kMaxQueue = 60;
    /// While its road is green, the first car of a queue leaves this long (ms) after the car
    /// before it, or after the green began: a usual saturation headway.
    static constexpr int kHeadwayMs = 2000;
    /// A car waiting longer than this (ms) is a warning: two minutes is more than any sensible
    /// cycle keeps a driver at red.
    static constexpr std::int64_t kLongWaitMs = 120000;
    /// A green must be followed by at least this much amber (ms) before its red: the shortest
    /// amber that lets a driver at the stop line decide to stop.
    static constexpr int kMinAmberMs = 2000;
    /// A pedestrian takes this long (ms) to walk across the east-west road.
    static constexpr int kCrossMs = 6000;
    /// With the Pedestrians switch on, the mean time (ms) until the next pedestrian comes.
    static constexpr std::uint64_t kMeanPedestrianMs = 40000;
    /// How long (ms) a green-to-red fault, which happens at an instant, shows as active.
    static constexpr int kFaultShowMs = 1000;
    static constexpr std::uint64_t kSeed = 27;

    /// Fault kinds, as indexes into faults().
    enum Fault : std::size_t { kConflict, kNoAmber, kWalkConflict, kFaultKinds };

    /// A car in a queue: its number (every car has its own) and when it arrived (ms).
    struct Car {
        int id = 0;
        std::int64_t arrivedMs = 0;
    };

    /// Where the pedestrian is.
    enum class Pedestrian { None, Waiting, Crossing };

    /// The road whose lamps hold `approach`'s cars.
    static constexpr Road roadOf(Approach approach) {
        return approach == kNorth || approach == kSouth ? kNorthSouth : kEastWest;
    }
    /// A head's lit lamps (see lamps()) as the state line writes them: "R", "A", "G" in that
    /// order, "-" for none.
    static std::string lampWord(unsigned lamps);
    /// "none", "waiting" or "crossing".
    static std::string_view pedestrianWord(Pedestrian pedestrian);

    TrafficPlant();

    std::string_view name() const override { return "traffic"; }
    void reset() override;
    std::uint16_t sensorMask() const override { return 0x001F; }
    std::uint16_t sensors() const override;
    void step(std::uint16_t outputs) override;
    std::string stateLine() const override;
    std::span<const FaultCount> faults() const override { return m_faults; }
    std::span<const Control> controls() const override { return kControls; }
    SceneLayout sceneLayout() const override;
    void drawScene(Scene& scene) const override;
    std::string invariantBreach() const override;

    // --- Hands, for tests ------------------------------------------------------------------------

    /// Random arrivals of cars (on by default); tests turn them off and add cars by hand.
    void setRandomArrivals(bool on) { m_randomArrivals = on; }
    /// A car arrives at `approach` now (nothing when its queue is full).
    void addCar(Approach approach);
    PushButton& walkButton() { return m_button; }

    // --- State ---------------------------------------------------------------------------------

    const std::deque<Car>& queue(Approach approach) const { return m_queues[approach]; }
    /// The lamps of `road`'s heads: bit 0 red, bit 1 amber, bit 2 green.
    unsigned lamps(Road road) const { return (m_outputs >> (3 * road)) & 7U; }
    bool walkLit() const { return (m_outputs & kWalk) != 0; }
    bool dontWalkLit() const { return (m_outputs & kDontWalk) != 0; }
    /// Cars that have come to `approach`'s queue since the reset.
    int arrivals(Approach approach) const { return m_arrived[approach]; }
    /// Cars that have driven through the junction since the reset.
    int passed() const;
    /// Cars that have waited over kLongWaitMs since the reset: the warning.
    int longWaits() const { return m_longWaits; }
    /// The longest wait (ms) of a car queued now; 0 with no car queued.
    std::int64_t longestWaitMs() const;
    Pedestrian pedestrian() const { return m_pedestrian; }
    /// Milliseconds since the reset.
    std::int64_t nowMs() const { return m_nowMs; }

protected:
    PushButton* controlButton(std::size_t index) override;
    bool switchOn(std::size_t index) const override;
    void setSwitch(std::size_t index, bool on) override;

private:
    /// What tells a head's skipped amber: since its last green, how much amber it showed.
    struct HeadWatch {
        bool armed = false; ///< green was lit since the last red
        int amberMs = 0;    ///< amber lit (green off) since green was last lit
    };

    void setFault(Fault fault, bool condition);
    void arrive();
    void depart();
    void watchHeads();
    void movePedestrian();
    void countLongWaits();
    bool longWaitAt(Approach approach) const;
    bool carInTwoPlaces() const;

    // The picture, in TrafficScene.cpp.
    void drawRoads(Scene& scene) const;
    void drawQueues(Scene& scene) const;
    void drawArmLabels(Scene& scene) const;
    void drawHeads(Scene& scene) const;
    void drawCrossing(Scene& scene) const;
    void drawPanel(Scene& scene) const;
    void markFaults(Scene& scene) const;

    std::array<std::deque<Car>, kApproaches> m_queues;
    std::array<int, kApproaches> m_headwayMs{}; // green time since the last car left
    std::array<int, kApproaches> m_arrived{};   // cars that joined the queue
    std::array<int, kApproaches> m_left{};      // cars that drove through the junction
    // How many cars at the front of each queue have had their long wait counted: the first
    // cars have waited longest, so they are always the ones counted.
    std::array<std::size_t, kApproaches> m_warned{};
    std::array<HeadWatch, kRoads> m_heads{};
    Random m_random{kSeed};
    bool m_randomArrivals = true;
    std::uint16_t m_outputs = 0;
    std::int64_t m_nowMs = 0; // 64 bits: a run may outlast the 24 days of 32
    int m_nextId = 0;
    int m_longWaits = 0;
    Pedestrian m_pedestrian = Pedestrian::None;
    int m_crossedMs = 0; // how far the crossing pedestrian has walked
    bool m_pedestriansOn = false;
    int m_noAmberAgeMs = kFaultShowMs;
    std::array<bool, kRoads> m_skipped{}; // which road's head skipped its amber last
    PushButton m_button;
    std::array<FaultCount, kFaultKinds> m_faults;
};

} // namespace rungbox::machines
