// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Motor Starter: a three-phase motor on a reversing starter with star-delta contactors, an
// overload relay, and the panel's push-buttons.
//
//   inputs   0  forward push-button (momentary, normally open)
//            1  reverse push-button (momentary, normally open)
//            2  STOP PUSH-BUTTON, WIRED NORMALLY CLOSED: input 2 is ON while stop is NOT
//               pressed and goes off when it is pressed (a broken wire stops the motor)
//            3  OVERLOAD RELAY CONTACT, NORMALLY CLOSED (95-96): input 3 is ON while the relay
//               is healthy and goes off when it trips, until the Reset button
//            4  motor turning: the shaft turns faster than kTurningRpm either way
//   outputs  1000 K1 forward contactor, 1001 K2 reverse contactor (swaps two phases),
//            1002 K3 star contactor, 1003 K4 delta contactor, 1004 running lamp,
//            1005 overload lamp
//
// The motor turns while exactly one direction contactor is closed. Its windings run in star
// while K3 alone is closed and in delta while K4 alone is; with neither closed the motor runs
// direct on line (its terminal box bridged in delta), so a plain start/stop or reversing program
// needs only K1 and K2. Speed (rpm, positive forward) follows a first-order lag towards its
// target: kRatedRpm with time constant kDeltaTauMs in delta or direct on line, the lower
// kStarRpm with the slower kStarTauMs in star (a third of the torque against the same load), and
// 0 with kCoastTauMs when nothing drives it. Held stalled (the Stall switch), the shaft stops
// within a fraction of a second whatever drives it.
//
// The overload relay trips when the motor is powered while turning no faster than kTurningRpm
// for kStallTripMs on end (a stalled or locked rotor), or on the start that makes more than
// kMaxStarts starts within kStartWindowMs. The Reset button closes its contact again and clears
// what it remembers. The relay's own contact is not in the contactors' coil circuit: the program
// must open the contactors.
//
// Faults: K1 and K2 closed together (a short circuit between two phases; the motor is not
// driven), K3 and K4 closed together (star and delta short the supply), a direction contactor
// closed against a rotation faster than kTurningRpm (reversing without stopping: a current
// surge; it counts once and lasts while the motor is driven against its rotation), and a
// direction contactor still closed more than kRunOnGraceMs after a trip (or closed again while
// tripped).

#include "Plant.h"
#include "PushButton.h"
#include "l10n/Mark.h"

#include <array>
#include <cstdint>

namespace rungbox::machines {

class MotorPlant final : public Plant {
public:
    // Inputs: bit n is input n.
    static constexpr std::uint16_t kForwardButton = 1U << 0;
    static constexpr std::uint16_t kReverseButton = 1U << 1;
    static constexpr std::uint16_t kStopClosed = 1U << 2; ///< on while stop is NOT pressed
    static constexpr std::uint16_t kOverloadOk = 1U << 3; ///< on while the relay is not tripped
    static constexpr std::uint16_t kTurning = 1U << 4;
    // Outputs: bit n is output relay 1000 + n.
    static constexpr std::uint16_t kK1Forward = 1U << 0;
    static constexpr std::uint16_t kK2Reverse = 1U << 1;
    static constexpr std::uint16_t kK3Star = 1U << 2;
    static constexpr std::uint16_t kK4Delta = 1U << 3;
    static constexpr std::uint16_t kRunLamp = 1U << 4;
    static constexpr std::uint16_t kOverloadLamp = 1U << 5;

    /// Synchronous speed of a four-pole motor on 50 Hz (rpm): no drive can turn it faster.
    static constexpr double kSyncRpm = 1500;
    /// Speed at rated load in delta or direct on line (rpm): the slip of a small motor.
    static constexpr double kRatedRpm = 1450;
    /// Speed the same load leaves in star (rpm): a third of the torque means more slip.
    static constexpr double kStarRpm = 1300;
    /// Time constants (ms) of the speed's first-order lag: running up in delta (a small motor
    /// with its load is up to speed in a few seconds), in star (a third of the torque, three
    /// times slower), coasting down (friction and load only), and held stalled (the jam stops
    /// the shaft at once).
    static constexpr double kDeltaTauMs = 1000;
    static constexpr double kStarTauMs = 3000;
    static constexpr double kCoastTauMs = 4000;
    static constexpr double kStallTauMs = 50;
    /// A speed this close to its target (rpm) settles on it, so that a coasting motor stops.
    static constexpr double kSettleRpm = 0.5;
    /// Above this speed either way (rpm) the motor counts as turning (input 4), reversing it is
    /// a fault, and powered below it for long the overload relay sees a stalled rotor. A start
    /// passes it within a fifth of a second.
    static constexpr double kTurningRpm = 60;
    /// How long (ms) a powered rotor may stay below kTurningRpm before the relay trips: long
    /// enough for any start, short enough to save the windings.
    static constexpr int kStallTripMs = 5000;
    /// More than kMaxStarts starts within kStartWindowMs (ms) trip the relay: each start heats
    /// the windings with six times the rated current.
    static constexpr int kMaxStarts = 6;
    static constexpr int kStartWindowMs = 60000;
    /// After a trip the program has this long (ms) to open the direction contactors: a few
    /// scans and a contactor's drop-out time.
    static constexpr int kRunOnGraceMs = 200;

    enum Fault : std::size_t { kShortCircuit, kStarDelta, kReversal, kRunOn, kFaultKinds };

    static constexpr std::array<Control, 5> kControls = {{
        {"forward", QT_TRANSLATE_NOOP("Machines", "Forward"), ControlKind::Button},
        {"reverse", QT_TRANSLATE_NOOP("Machines", "Reverse"), ControlKind::Button},
        {"stop", QT_TRANSLATE_NOOP("Machines", "Stop"), ControlKind::Button},
        {"reset", QT_TRANSLATE_NOOP("Machines", "Reset"), ControlKind::Button},
        {"stall", QT_TRANSLATE_NOOP("Machines", "Stall"), ControlKind::Switch},
    }};
    enum ControlIndex : std::size_t { kForward, kReverse, kStop, kReset, kStall };

    MotorPlant();

    std::string_view name() const override { return "motor"; }
    void reset() override;
    std::uint16_t sensorMask() const override { return 0x1F; }
    std::uint16_t sensors() const override;
    void step(std::uint16_t outputs) override;
    std::string stateLine() const override;
    std::span<const FaultCount> faults() const override { return m_faults; }
    std::span<const Control> controls() const override { return kControls; }
    SceneLayout sceneLayout() const override;
    void drawScene(Scene& scene) const override;
    std::string invariantBreach() const override;

    // --- State ---------------------------------------------------------------------------------

    /// Shaft speed (rpm): positive forward, negative reverse, within +-kSyncRpm.
    double speed() const { return m_speed; }
    /// The shaft's angle (degrees, 0 to 360), for the rotating marker.
    double angle() const { return m_angle; }
    bool tripped() const { return m_tripped; }
    bool stalled() const { return m_stall; }
    /// The outputs as the last step saw them.
    std::uint16_t outputs() const { return m_outputs; }
    /// Starts the overload relay remembers (within the last kStartWindowMs).
    int recentStarts() const { return m_startCount; }

protected:
    PushButton* controlButton(std::size_t index) override;
    bool switchOn(std::size_t index) const override;
    void setSwitch(std::size_t index, bool on) override;

private:
    /// +1 driven forward, -1 in reverse, 0 not driven (no direction, or both).
    int drive() const;
    void moveShaft();
    void watchOverload(std::uint16_t previous);
    void watchFaults();
    /// Counts `fault` when `now` begins to hold, and marks it active while it does.
    void holdFault(Fault fault, bool now);
    void recordStart();
    void trip();

    std::array<PushButton, 4> m_buttons;
    bool m_stall = false;
    std::uint16_t m_outputs = 0;
    double m_speed = 0;
    double m_angle = 0;
    bool m_tripped = false;
    long m_msSinceTrip = 0;
    long m_stalledMs = 0;       // powered below kTurningRpm, on end
    std::int64_t m_clockMs = 0; // ms since the reset: 64 bits, to outlast any run
    std::array<std::int64_t, kMaxStarts + 1> m_starts{}; // the clock at the last starts
    int m_startCount = 0;
    std::array<FaultCount, kFaultKinds> m_faults;
};

} // namespace rungbox::machines
