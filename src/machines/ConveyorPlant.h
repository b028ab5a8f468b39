// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Conveyor: a belt carrying boxes from a feeder past a pusher, which sorts the tall ones
// into a side bin; the rest fall off the end into the end bin.
//
//   inputs   0  start push-button (momentary)
//            1  stop push-button (momentary)
//            2  box at the entry (a box anywhere in the first kEntryZone mm of the belt)
//            3  box in front of the pusher (photo-eye at kPusherEye)
//            4  box is tall (height sensor at the same place)
//            5  pusher extended
//            6  pusher retracted
//            7  box at the end (photo-eye at kEndEye)
//   outputs  1000 belt motor, 1001 feeder (drops the next box while on), 1002 pusher out
//
// Distances are in millimetres along the belt from the entry; the belt runs at 1 m/s, one
// millimetre per millisecond. Boxes come in a random but seeded mix of tall and short.
//
// Faults, counted once per box: a box jams at the pusher when the pusher meets a box that is
// not wholly in front of it or while the belt moves, when the belt moves a box the pusher has
// begun to push, or when the belt carries a box into the pusher while it is out; a box fed onto
// a box still lying in the drop place jams at the entry. A jammed box is taken off the belt.

#include "Plant.h"
#include "PushButton.h"
#include "Random.h"

#include <array>
#include <vector>

namespace rungbox::machines {

class ConveyorPlant final : public Plant {
public:
    // Inputs: bit n is input n.
    static constexpr std::uint16_t kStart = 1U << 0;
    static constexpr std::uint16_t kStop = 1U << 1;
    static constexpr std::uint16_t kAtEntry = 1U << 2;
    static constexpr std::uint16_t kAtPusher = 1U << 3;
    static constexpr std::uint16_t kTall = 1U << 4;
    static constexpr std::uint16_t kExtended = 1U << 5;
    static constexpr std::uint16_t kRetracted = 1U << 6;
    static constexpr std::uint16_t kAtEnd = 1U << 7;
    // Outputs: bit n is output relay 1000 + n.
    static constexpr std::uint16_t kBelt = 1U << 0;
    static constexpr std::uint16_t kFeeder = 1U << 1;
    static constexpr std::uint16_t kPusherOut = 1U << 2;

    // The layout, in mm from the entry. The sensing zone at the entry is twice a box long so
    // that a program that feeds whenever it is clear leaves a box's length between boxes, and
    // the pusher's face is only a little longer than a box, so that one box at a time fits.
    static constexpr int kBeltLength = 6000;
    static constexpr int kBoxLength = 400;
    static constexpr int kEntryZone = 800;
    static constexpr int kFaceStart = 2850; ///< the pusher's face spans kFaceStart to kFaceEnd
    static constexpr int kFaceEnd = 3350;
    static constexpr int kPusherEye = 3300; ///< a box's front reaching it stands in the face
    static constexpr int kEndEye = 5700;
    /// The pusher's stroke across the belt (mm); it moves 1 mm/ms, and a box pushed the whole
    /// stroke falls into the side bin.
    static constexpr int kPusherStroke = 500;
    /// The feeder drops a box at most this often (ms) while it is on.
    static constexpr int kFeedCycleMs = 500;
    /// How many boxes in a hundred are tall.
    static constexpr unsigned kTallPercent = 40;
    /// How long (ms) a jam shows as active.
    static constexpr int kJamShowMs = 1000;
    static constexpr std::uint64_t kSeed = 14;
    /// The belt's ribs repeat every this many mm; drawing needs the belt's travel only modulo it.
    static constexpr int kBeltPhaseMm = 100;

    struct Box {
        int x = 0;    ///< the box's back edge; it covers x to x + kBoxLength
        int side = 0; ///< how far (mm) the pusher has moved it across the belt
        bool tall = false;
        friend bool operator==(const Box&, const Box&) = default;
    };

    /// Boxes that left the belt, by bin and kind.
    struct Bins {
        int sideTall = 0;
        int sideShort = 0;
        int endTall = 0;
        int endShort = 0;
    };

    enum Fault : std::size_t { kJamPusher, kJamEntry, kFaultKinds };

    ConveyorPlant();

    std::string_view name() const override { return "conveyor"; }
    void reset() override;
    std::uint16_t sensorMask() const override { return 0xFF; }
    std::uint16_t sensors() const override;
    void step(std::uint16_t outputs) override;
    std::string stateLine() const override;
    std::span<const FaultCount> faults() const override { return m_faults; }

    // --- The user's hands ----------------------------------------------------------------------

    PushButton& startButton() { return m_start; }
    PushButton& stopButton() { return m_stop; }

    // --- State ---------------------------------------------------------------------------------

    /// The boxes on the belt, the foremost first.
    const std::vector<Box>& boxes() const { return m_boxes; }
    /// Pusher position: 0 (retracted) to kPusherStroke (extended).
    int pusher() const { return m_pusher; }
    bool beltRunning() const { return m_belt; }
    /// How far the belt has run (mm), modulo kBeltPhaseMm: the phase of its drawn ribs.
    int beltPhase() const { return m_beltPhase; }
    bool feederOn() const { return m_feeder; }
    bool pusherOut() const { return m_pusherOut; }
    const Bins& bins() const { return m_bins; }
    /// Boxes the feeder has dropped, jammed ones included.
    int fed() const { return m_fed; }
    const PushButton& startButton() const { return m_start; }
    const PushButton& stopButton() const { return m_stop; }

private:
    static bool covers(const Box& box, int at) { return box.x <= at && at < box.x + kBoxLength; }
    static bool inFace(const Box& box) {
        return box.x + kBoxLength > kFaceStart && box.x < kFaceEnd;
    }
    static bool whollyInFace(const Box& box) {
        return box.x >= kFaceStart && box.x + kBoxLength <= kFaceEnd;
    }
    const Box* boxAt(int at) const;
    void feed();
    void movePusher();
    void moveBelt();
    void dropOff();
    void jam(Fault fault);

    std::vector<Box> m_boxes;
    Random m_random{kSeed};
    int m_pusher = 0;
    int m_beltPhase = 0;
    int m_feedWaitMs = 0; // until the feeder can drop the next box
    bool m_belt = false;
    bool m_feeder = false;
    bool m_pusherOut = false;
    Bins m_bins;
    int m_fed = 0;
    PushButton m_start;
    PushButton m_stop;
    std::array<FaultCount, kFaultKinds> m_faults;
    std::array<int, kFaultKinds> m_faultAgeMs{}; // since each fault kind last happened
};

} // namespace rungbox::machines
