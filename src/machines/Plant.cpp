// SPDX-License-Identifier: GPL-3.0-or-later
#include "Plant.h"

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

} // namespace rungbox::machines
