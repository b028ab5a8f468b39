// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Tank and Pumps: a pumping station's sump. Water flows in at a varying rate; two pumps
// pump it out; a small drain valve empties it slowly for maintenance (below low-low, where the
// pumps must not run). Four float switches tell the level, each on while the water stands at or
// above it; each pump reports that it runs and that it has tripped.
//
//   inputs   0  level low-low   (on at 200 mm and above)
//            1  level low       (on at 400 mm and above)
//            2  level high      (on at 1400 mm and above)
//            3  level high-high (on at 1700 mm and above)
//            4  pump 1 running (feedback)
//            5  pump 1 tripped (its motor protection; the user's Trip 1 switch)
//            6  pump 2 running (feedback)
//            7  pump 2 tripped (the user's Trip 2 switch)
//            8  alarm acknowledge push-button (momentary)
//   outputs  1000 pump 1, 1001 pump 2, 1002 drain valve open, 1003 alarm lamp
//
// Units: the level is kept in micrometres from the tank's floor (0 to 2000 mm) and flows in
// millimetres of level per second, which is micrometres per millisecond, so each simulated
// millisecond adds or takes whole micrometres. The inflow walks at random but seeded between
// 20 and 140 mm/s, one step of -10, 0 or +10 mm/s each second; a pump takes out 100 mm/s, so at
// a high inflow one pump falls behind and the second is needed. A pump's running feedback
// follows its command half a second later (run-up and run-down); a tripped pump stops at once
// and stays stopped while tripped.
//
// The exercise is duty/standby with lead/lag alternation: at High the lead pump starts, at
// High-High the lag pump joins, both stop at Low, the lead alternates every cycle, and a tripped
// pump hands its work to the other.
//
// Faults: the tank overflowing (the water at the top; it spills, the level stays there); a pump
// running while the level is below low-low (running dry); both pumps started within a second of
// each other (a surge on the supply); a tripped pump still commanded more than a second after
// the trip. Each counts once per occurrence; a surge shows as active for a second.

#include "Plant.h"
#include "PushButton.h"
#include "Random.h"
#include "l10n/Mark.h"

#include <array>

namespace rungbox::machines {

class TankPlant final : public Plant {
public:
    static constexpr std::array<Control, 3> kControls = {{
        {"trip1", QT_TRANSLATE_NOOP("Machines", "Trip 1"), ControlKind::Switch},
        {"trip2", QT_TRANSLATE_NOOP("Machines", "Trip 2"), ControlKind::Switch},
        {"ack", QT_TRANSLATE_NOOP("Machines", "Acknowledge"), ControlKind::Button},
    }};
    enum ControlIndex : std::size_t { kTrip1Control, kTrip2Control, kAckControl };

    // Inputs: bit n is input n.
    static constexpr std::uint16_t kLowLow = 1U << 0;
    static constexpr std::uint16_t kLow = 1U << 1;
    static constexpr std::uint16_t kHigh = 1U << 2;
    static constexpr std::uint16_t kHighHigh = 1U << 3;
    static constexpr std::uint16_t kRunning1 = 1U << 4;
    static constexpr std::uint16_t kTripped1 = 1U << 5;
    static constexpr std::uint16_t kRunning2 = 1U << 6;
    static constexpr std::uint16_t kTripped2 = 1U << 7;
    static constexpr std::uint16_t kAcknowledge = 1U << 8;
    // Outputs: bit n is output relay 1000 + n.
    static constexpr std::uint16_t kPump1 = 1U << 0;
    static constexpr std::uint16_t kPump2 = 1U << 1;
    static constexpr std::uint16_t kDrainValve = 1U << 2;
    static constexpr std::uint16_t kAlarmLamp = 1U << 3;

    /// Micrometres in a millimetre: the level's unit is the µm, so that flows in mm/s move it by
    /// whole units each millisecond.
    static constexpr int kUmPerMm = 1000;
    /// The tank's height (mm): the water spills over the top.
    static constexpr int kTopMm = 2000;
    /// The float switches' heights (mm). Low-low is the lowest level a pump may run at (its
    /// suction must stay covered); low and high bound a pumping cycle with room between them for
    /// a cycle of some seconds; high-high leaves 300 mm below the top for the lag pump to catch
    /// up at the fastest inflow.
    static constexpr std::array<int, 4> kSwitchMm = {200, 400, 1400, 1700};
    /// The level at the start (mm): between low and high, so no pump is wanted yet.
    static constexpr int kStartLevelMm = 600;
    /// The inflow's range and its step each second (mm/s): the low end still fills the tank, the
    /// high end is more than one pump takes out and less than two.
    static constexpr int kInflowMin = 20;
    static constexpr int kInflowMax = 140;
    static constexpr int kInflowStep = 10;
    static constexpr int kStartInflow = 60;
    /// How often (ms) the inflow takes its random step.
    static constexpr int kInflowPeriodMs = 1000;
    /// What a running pump takes out (mm/s), and what the open drain valve lets out (mm/s): the
    /// drain is slow, for emptying the tank below low-low, not for keeping up with the inflow.
    static constexpr int kPumpFlow = 100;
    static constexpr int kDrainFlow = 20;
    /// A pump's running feedback follows its command after this long (ms): run-up and run-down.
    static constexpr int kFeedbackDelayMs = 500;
    /// Two pump starts closer together than this (ms) are a surge on the supply.
    static constexpr int kSurgeWindowMs = 1000;
    /// A tripped pump may stay commanded this long (ms): a program sees the trip one scan late,
    /// and may wait a little for the contactor to drop.
    static constexpr int kTripGraceMs = 1000;
    /// How long (ms) a surge, which happens in a moment, shows as active.
    static constexpr int kSurgeShowMs = 1000;
    static constexpr std::uint64_t kSeed = 31;

    /// One pump, as the plant sees it.
    struct Pump {
        bool commanded = false;            ///< its output relay, as the last scan left it
        bool running = false;              ///< the running feedback
        bool tripped = false;              ///< its motor protection has tripped (the user's switch)
        int changeMs = 0;                  ///< how long the command has differed from the feedback
        int sinceStartMs = kSurgeWindowMs; ///< since its command last rose, up to the window
        int trippedCommandedMs = 0;        ///< how long it has been tripped and commanded
        int starts = 0;                    ///< times its feedback came on since the reset
    };

    enum Fault : std::size_t { kOverflow, kDryRun, kSurge, kTripCommanded, kFaultKinds };

    TankPlant();

    std::string_view name() const override { return "tank"; }
    void reset() override;
    std::uint16_t sensorMask() const override { return 0x01FF; }
    std::uint16_t sensors() const override;
    void step(std::uint16_t outputs) override;
    std::string stateLine() const override;
    std::span<const FaultCount> faults() const override { return m_faults; }
    std::span<const Control> controls() const override { return kControls; }
    SceneLayout sceneLayout() const override;
    void drawScene(Scene& scene) const override;
    std::string invariantBreach() const override;

    // --- The user's hands ----------------------------------------------------------------------

    /// Trips pump `index` (0 or 1), or resets its trip.
    void setTripped(std::size_t index, bool tripped);
    PushButton& acknowledge() { return m_ack; }
    /// Keeps the inflow at `mmPerSecond` (clamped to its range) until the reset: a steady
    /// inflow for timelines worked out by hand.
    void holdInflow(int mmPerSecond);

    // --- State ---------------------------------------------------------------------------------

    /// The level in micrometres from the floor, 0 to kTopMm * kUmPerMm.
    int levelUm() const { return m_levelUm; }
    /// The level in whole millimetres (rounded down).
    int levelMm() const { return m_levelUm / kUmPerMm; }
    /// The inflow now (mm/s).
    int inflow() const { return m_inflow; }
    /// Pump `index`, 0 (pump 1) or 1 (pump 2).
    const Pump& pump(std::size_t index) const { return m_pumps.at(index); }
    bool drainOpen() const { return m_drain; }
    bool alarmLamp() const { return m_alarm; }
    /// True while the water stands at or above switch `index` (0 low-low to 3 high-high).
    bool levelSwitch(int index) const;

protected:
    PushButton* controlButton(std::size_t index) override;
    bool switchOn(std::size_t index) const override;
    void setSwitch(std::size_t index, bool on) override;

private:
    void setFault(Fault fault, bool condition);
    void commandPumps(std::uint16_t outputs);
    void runPumps();
    void flow();
    void walkInflow();

    int m_levelUm = 0;
    int m_inflow = 0;
    bool m_inflowHeld = false;
    int m_walkMs = 0; // into the inflow's present second
    std::array<Pump, 2> m_pumps{};
    bool m_drain = false;
    bool m_alarm = false;
    int m_surgeAgeMs = kSurgeShowMs; // since the last surge
    Random m_random{kSeed};
    PushButton m_ack;
    std::array<FaultCount, kFaultKinds> m_faults;
};

} // namespace rungbox::machines
