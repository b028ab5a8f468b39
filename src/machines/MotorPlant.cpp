// SPDX-License-Identifier: GPL-3.0-or-later
#include "MotorPlant.h"
#include "l10n/Mark.h"

#include <algorithm>
#include <cmath>

namespace rungbox::machines {

MotorPlant::MotorPlant() {
    reset();
}

void MotorPlant::reset() {
    for (PushButton& button : m_buttons) {
        button.release();
    }
    m_stall = false;
    m_outputs = 0;
    m_speed = 0;
    m_angle = 0;
    m_tripped = false;
    m_msSinceTrip = 0;
    m_stalledMs = 0;
    m_clockMs = 0;
    m_starts.fill(0);
    m_startCount = 0;
    m_faults = {{
        {"short-circuit", QT_TRANSLATE_NOOP("Machines", "Short circuit: K1 and K2 both closed"), 0,
         false},
        {"star-delta", QT_TRANSLATE_NOOP("Machines", "Star and delta both closed"), 0, false},
        {"reversal", QT_TRANSLATE_NOOP("Machines", "Reversed while turning"), 0, false},
        {"run-on", QT_TRANSLATE_NOOP("Machines", "Running on after an overload trip"), 0, false},
    }};
}

std::uint16_t MotorPlant::sensors() const {
    unsigned bits = 0;
    bits |= m_buttons[kForward].down() ? kForwardButton : 0U;
    bits |= m_buttons[kReverse].down() ? kReverseButton : 0U;
    bits |= m_buttons[kStop].down() ? 0U : kStopClosed;
    bits |= m_tripped ? 0U : kOverloadOk;
    bits |= std::abs(m_speed) > kTurningRpm ? kTurning : 0U;
    return static_cast<std::uint16_t>(bits);
}

int MotorPlant::drive() const {
    const bool forward = (m_outputs & kK1Forward) != 0;
    const bool reverse = (m_outputs & kK2Reverse) != 0;
    if (forward == reverse) {
        return 0;
    }
    return forward ? 1 : -1;
}

void MotorPlant::step(std::uint16_t outputs) {
    const std::uint16_t previous = m_outputs;
    m_outputs = outputs;
    ++m_clockMs;
    if (m_buttons[kReset].down()) {
        m_tripped = false;
        m_startCount = 0;
        m_stalledMs = 0;
    }
    if (m_tripped) {
        m_msSinceTrip = std::min<long>(m_msSinceTrip + 1, kRunOnGraceMs + 1);
    }
    watchFaults();
    watchOverload(previous);
    moveShaft();
    for (PushButton& button : m_buttons) {
        button.scanned();
    }
}

// Each fault as the outputs leave the motor now, before the shaft moves: a direction contactor
// closing against the rotation meets the speed the motor still has.
void MotorPlant::watchFaults() {
    const bool forward = (m_outputs & kK1Forward) != 0;
    const bool reverse = (m_outputs & kK2Reverse) != 0;
    holdFault(kShortCircuit, forward && reverse);
    holdFault(kStarDelta, (m_outputs & kK3Star) != 0 && (m_outputs & kK4Delta) != 0);
    const int d = drive();
    holdFault(kReversal, d != 0 && d * m_speed < -kTurningRpm);
    holdFault(kRunOn, m_tripped && (forward || reverse) && m_msSinceTrip > kRunOnGraceMs);
}

void MotorPlant::holdFault(Fault fault, bool now) {
    FaultCount& entry = m_faults[fault];
    if (now && !entry.active) {
        ++entry.count;
    }
    entry.active = now;
}

// The relay's two ways to trip: a start that makes too many within the window, and a powered
// rotor that stays (nearly) still for too long.
void MotorPlant::watchOverload(std::uint16_t previous) {
    const unsigned closing = static_cast<unsigned>(m_outputs) & ~static_cast<unsigned>(previous) &
                             static_cast<unsigned>(kK1Forward | kK2Reverse);
    if (closing != 0) {
        recordStart();
    }
    const bool stalledPowered = drive() != 0 && std::abs(m_speed) <= kTurningRpm;
    m_stalledMs = stalledPowered ? m_stalledMs + 1 : 0;
    if (m_stalledMs >= kStallTripMs) {
        trip();
        m_stalledMs = kStallTripMs;
    }
}

// Forgets the starts that left the window, then remembers this one (the oldest goes when the
// ring is full: it cannot matter any more once the relay has tripped).
void MotorPlant::recordStart() {
    const auto kept =
        std::remove_if(m_starts.begin(), m_starts.begin() + m_startCount,
                       [this](std::int64_t at) { return m_clockMs - at >= kStartWindowMs; });
    m_startCount = static_cast<int>(kept - m_starts.begin());
    if (m_startCount == static_cast<int>(m_starts.size())) {
        std::rotate(m_starts.begin(), m_starts.begin() + 1, m_starts.end());
        --m_startCount;
    }
    m_starts[static_cast<std::size_t>(m_startCount++)] = m_clockMs;
    if (m_startCount > kMaxStarts) {
        trip();
    }
}

void MotorPlant::trip() {
    if (!m_tripped) {
        m_tripped = true;
        m_msSinceTrip = 0;
    }
}

// One millisecond of the first-order lag towards the speed the drive gives, and the shaft's
// angle for the picture.
void MotorPlant::moveShaft() {
    double target = 0;
    double tau = kCoastTauMs;
    const bool star = (m_outputs & kK3Star) != 0;
    const bool delta = (m_outputs & kK4Delta) != 0;
    if (m_stall) {
        tau = kStallTauMs;
    } else if (drive() != 0 && !(star && delta)) {
        target = drive() * (star ? kStarRpm : kRatedRpm);
        tau = star ? kStarTauMs : kDeltaTauMs;
    }
    m_speed += (target - m_speed) / tau;
    if (std::abs(target - m_speed) < kSettleRpm) {
        m_speed = target;
    }
    m_angle += m_speed * 360.0 / 60000.0;
    if (m_angle >= 360) {
        m_angle -= 360;
    } else if (m_angle < 0) {
        m_angle += 360;
    }
}

std::string MotorPlant::stateLine() const {
    const auto bit = [](bool on) { return on ? std::string("1") : std::string("0"); };
    const auto out = [&](std::uint16_t mask) { return bit((m_outputs & mask) != 0); };
    std::string line = "motor k1=" + out(kK1Forward) + " k2=" + out(kK2Reverse) +
                       " k3=" + out(kK3Star) + " k4=" + out(kK4Delta);
    line += " speed=" + std::to_string(std::lround(m_speed));
    line += " turning=" + bit(std::abs(m_speed) > kTurningRpm);
    line += " overload=" + bit(m_tripped) + " starts=" + std::to_string(m_startCount);
    line += " stall=" + bit(m_stall);
    line += " run-lamp=" + out(kRunLamp) + " overload-lamp=" + out(kOverloadLamp);
    line += " forward=" + bit(m_buttons[kForward].down()) +
            " reverse=" + bit(m_buttons[kReverse].down()) +
            " stop=" + bit(m_buttons[kStop].down()) + " reset=" + bit(m_buttons[kReset].down());
    appendFaults(line);
    return line;
}

std::string MotorPlant::invariantBreach() const {
    if (!std::isfinite(m_speed) || std::abs(m_speed) > kSyncRpm) {
        return "speed above its maximum";
    }
    if (!(m_angle >= 0 && m_angle < 360)) {
        return "shaft angle outside a turn";
    }
    if (m_startCount < 0 || m_startCount > static_cast<int>(m_starts.size())) {
        return "more starts remembered than the relay holds";
    }
    return {};
}

PushButton* MotorPlant::controlButton(std::size_t index) {
    return index < m_buttons.size() ? &m_buttons[index] : nullptr;
}

bool MotorPlant::switchOn(std::size_t index) const {
    return index == kStall && m_stall;
}

void MotorPlant::setSwitch(std::size_t index, bool on) {
    if (index == kStall) {
        m_stall = on;
    }
}

} // namespace rungbox::machines
