// SPDX-License-Identifier: GPL-3.0-or-later
#include "GatePlant.h"
#include "l10n/Mark.h"

#include <cassert>

namespace rungbox::machines {

namespace {

constexpr std::string_view motorWord(GatePlant::Motor motor) {
    switch (motor) {
    case GatePlant::Motor::Off:
        return "off";
    case GatePlant::Motor::Opening:
        return "open";
    case GatePlant::Motor::Closing:
        return "close";
    case GatePlant::Motor::Both:
        return "both";
    }
    return "?";
}

constexpr std::string_view carWord(GatePlant::Car car) {
    switch (car) {
    case GatePlant::Car::Away:
        return "away";
    case GatePlant::Car::Waiting:
        return "waiting";
    case GatePlant::Car::InGateway:
        return "in";
    }
    return "?";
}

} // namespace

GatePlant::GatePlant() {
    reset();
}

void GatePlant::reset() {
    m_position = 0;
    m_car = Car::Away;
    m_motor = Motor::Off;
    m_light = false;
    m_stallMs = 0;
    m_remote.release();
    m_stop.release();
    m_faults = {{
        {"both-ways", QT_TRANSLATE_NOOP("Machines", "Motor driven both ways"), 0, false},
        {"against-limit", QT_TRANSLATE_NOOP("Machines", "Motor against a closed limit over 1 s"), 0,
         false},
        {"onto-car", QT_TRANSLATE_NOOP("Machines", "Gate closed onto the car"), 0, false},
    }};
}

std::uint16_t GatePlant::sensors() const {
    unsigned bits = 0;
    bits |= m_remote.down() ? kRemote : 0U;
    bits |= openLimit() ? kOpenLimit : 0U;
    bits |= closedLimit() ? kClosedLimit : 0U;
    bits |= m_car == Car::InGateway ? kPhotoEye : 0U;
    bits |= m_stop.down() ? kStop : 0U;
    return static_cast<std::uint16_t>(bits);
}

void GatePlant::setCar(bool wanted) {
    if (!wanted) {
        m_car = Car::Away;
    } else if (m_car == Car::Away) {
        m_car = m_position >= kCarClearance ? Car::InGateway : Car::Waiting;
    }
}

// A fault counts when its condition begins and stays active while it holds.
void GatePlant::setFault(Fault fault, bool condition) {
    FaultCount& entry = m_faults[fault];
    if (condition && !entry.active) {
        ++entry.count;
    }
    entry.active = condition;
}

void GatePlant::step(std::uint16_t outputs) {
    const bool open = (outputs & kMotorOpen) != 0;
    const bool close = (outputs & kMotorClose) != 0;
    m_light = (outputs & kWarningLight) != 0;
    m_motor = open && close ? Motor::Both
              : open        ? Motor::Opening
              : close       ? Motor::Closing
                            : Motor::Off;
    setFault(kBothWays, m_motor == Motor::Both);

    // Against a limit already closed at the start of this millisecond, the motor stalls.
    const bool stalled =
        (m_motor == Motor::Opening && openLimit()) || (m_motor == Motor::Closing && closedLimit());
    m_stallMs = stalled ? m_stallMs + 1 : 0;
    setFault(kAgainstLimit, m_stallMs > kLimitStallMs);

    const bool againstCar =
        m_motor == Motor::Closing && m_car == Car::InGateway && m_position <= kCarClearance;
    setFault(kOntoCar, againstCar);

    if (m_motor == Motor::Opening && !openLimit()) {
        ++m_position;
    } else if (m_motor == Motor::Closing && !closedLimit() && !againstCar) {
        --m_position;
    }
    if (m_car == Car::Waiting && m_position >= kCarClearance) {
        m_car = Car::InGateway;
    }
    assert(m_position >= 0 && m_position <= kTravelMs);
    assert(m_car != Car::InGateway || m_position >= kCarClearance);

    m_remote.scanned();
    m_stop.scanned();
}

std::string GatePlant::stateLine() const {
    std::string line = "gate pos=" + std::to_string(m_position);
    line += " motor=";
    line += motorWord(m_motor);
    line += " light=" + std::to_string(m_light ? 1 : 0);
    line += " car=";
    line += carWord(m_car);
    line += " open=" + std::to_string(openLimit() ? 1 : 0);
    line += " closed=" + std::to_string(closedLimit() ? 1 : 0);
    line += " eye=" + std::to_string(m_car == Car::InGateway ? 1 : 0);
    line += " remote=" + std::to_string(m_remote.down() ? 1 : 0);
    line += " stop=" + std::to_string(m_stop.down() ? 1 : 0);
    appendFaults(line);
    return line;
}

} // namespace rungbox::machines
