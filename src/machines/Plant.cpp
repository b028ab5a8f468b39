// SPDX-License-Identifier: GPL-3.0-or-later
#include "Plant.h"

#include "PushButton.h"

namespace rungbox::machines {

std::uint16_t Plant::writeSensors(std::uint16_t inputs) const {
    const std::uint16_t mask = sensorMask();
    return static_cast<std::uint16_t>((inputs & ~mask) | (sensors() & mask));
}

int Plant::faultTotal() const {
    int total = 0;
    for (const FaultCount& fault : faults()) {
        total += fault.count;
    }
    return total;
}

void Plant::appendFaults(std::string& line) const {
    line += " faults=" + std::to_string(faultTotal());
    for (const FaultCount& fault : faults()) {
        line += ' ';
        line += fault.name;
        line += '=' + std::to_string(fault.count);
    }
}

void Plant::operate(std::size_t index, Touch touch) {
    if (index >= controls().size()) {
        return;
    }
    if (PushButton* button = controlButton(index)) {
        switch (touch) {
        case Touch::Press:
            button->press();
            break;
        case Touch::Hold:
            button->hold(true);
            break;
        case Touch::Release:
            button->hold(false);
            break;
        case Touch::On:
        case Touch::Off:
            break;
        }
        return;
    }
    if (touch == Touch::On || touch == Touch::Off) {
        setSwitch(index, touch == Touch::On);
    }
}

bool Plant::controlOn(std::size_t index) const {
    if (index >= controls().size()) {
        return false;
    }
    const PushButton* button = controlButton(index);
    return button != nullptr ? button->down() : switchOn(index);
}

PushButton* Plant::controlButton(std::size_t) {
    return nullptr;
}

const PushButton* Plant::controlButton(std::size_t index) const {
    // The buttons are the plant's own members; looking one up changes nothing.
    return const_cast<Plant*>(this)->controlButton(index);
}

bool Plant::switchOn(std::size_t) const {
    return false;
}

void Plant::setSwitch(std::size_t, bool) {}

} // namespace rungbox::machines
