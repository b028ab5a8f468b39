// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The House Gate: a driveway gate whose motor opens or closes it in 8 s of travel, with a
// limit switch at each end, a photo-eye across the gateway and two push-buttons.
//
//   inputs   0  remote push-button (momentary)
//            1  gate fully open (limit switch)
//            2  gate fully closed (limit switch)
//            3  photo-eye: beam broken by a car in the gateway
//            4  stop push-button (momentary)
//   outputs  1000 motor open, 1001 motor close, 1002 warning light
//
// The car is the user's: it arrives (setCar(true)), waits in front of the gate until the gate
// is open far enough to let it in (kCarClearance), stands in the gateway breaking the beam, and
// drives away (setCar(false)). A gate closing onto it stops against it.
//
// Faults, counted once per occurrence: the motor driven both ways at once; the motor driven
// against a limit switch that is already closed for more than a second; the gate closing onto
// the car.

#include "Plant.h"
#include "PushButton.h"

#include <array>

namespace rungbox::machines {

class GatePlant final : public Plant {
public:
    // Inputs: bit n is input n.
    static constexpr std::uint16_t kRemote = 1U << 0;
    static constexpr std::uint16_t kOpenLimit = 1U << 1;
    static constexpr std::uint16_t kClosedLimit = 1U << 2;
    static constexpr std::uint16_t kPhotoEye = 1U << 3;
    static constexpr std::uint16_t kStop = 1U << 4;
    // Outputs: bit n is output relay 1000 + n.
    static constexpr std::uint16_t kMotorOpen = 1U << 0;
    static constexpr std::uint16_t kMotorClose = 1U << 1;
    static constexpr std::uint16_t kWarningLight = 1U << 2;

    /// Milliseconds of motor travel from fully closed to fully open; the position counts them.
    static constexpr int kTravelMs = 8000;
    /// How open (in travel milliseconds) the gate must be for the car to pass: a closing gate
    /// meets a car in the gateway here.
    static constexpr int kCarClearance = 6000;
    /// A motor may push against a closed limit switch this long (ms) before it is a fault: a
    /// program sees the limit one scan late, and a real gate tolerates a short stall.
    static constexpr int kLimitStallMs = 1000;

    /// Where the car is.
    enum class Car { Away, Waiting, InGateway };
    /// What the motor is doing this millisecond.
    enum class Motor { Off, Opening, Closing, Both };

    /// Fault kinds, as indexes into faults().
    enum Fault : std::size_t { kBothWays, kAgainstLimit, kOntoCar, kFaultKinds };

    GatePlant();

    std::string_view name() const override { return "gate"; }
    void reset() override;
    std::uint16_t sensorMask() const override {
        return kRemote | kOpenLimit | kClosedLimit | kPhotoEye | kStop;
    }
    std::uint16_t sensors() const override;
    void step(std::uint16_t outputs) override;
    std::string stateLine() const override;
    std::span<const FaultCount> faults() const override { return m_faults; }

    // --- The user's hands ----------------------------------------------------------------------

    PushButton& remote() { return m_remote; }
    PushButton& stopButton() { return m_stop; }
    /// A car arrives (true) or drives away (false).
    void setCar(bool wanted);

    // --- State ---------------------------------------------------------------------------------

    /// Travel milliseconds from closed: 0 (closed) to kTravelMs (open).
    int position() const { return m_position; }
    bool openLimit() const { return m_position >= kTravelMs; }
    bool closedLimit() const { return m_position <= 0; }
    Car car() const { return m_car; }
    Motor motor() const { return m_motor; }
    bool warningLight() const { return m_light; }
    const PushButton& remote() const { return m_remote; }
    const PushButton& stopButton() const { return m_stop; }

private:
    void setFault(Fault fault, bool condition);

    int m_position = 0;
    Car m_car = Car::Away;
    Motor m_motor = Motor::Off;
    bool m_light = false;
    int m_stallMs = 0; // consecutive ms the motor has pushed against a closed limit
    PushButton m_remote;
    PushButton m_stop;
    std::array<FaultCount, kFaultKinds> m_faults;
};

} // namespace rungbox::machines
