// SPDX-License-Identifier: GPL-3.0-or-later
#include "TankPlant.h"
#include "l10n/Mark.h"

#include <algorithm>

namespace rungbox::machines {

TankPlant::TankPlant() {
    reset();
}

void TankPlant::reset() {
    m_levelUm = kStartLevelMm * kUmPerMm;
    m_inflow = kStartInflow;
    m_inflowHeld = false;
    m_walkMs = 0;
    m_pumps = {};
    m_drain = false;
    m_alarm = false;
    m_surgeAgeMs = kSurgeShowMs;
    m_random = Random(kSeed);
    m_ack.release();
    m_faults = {{
        {"overflow", QT_TRANSLATE_NOOP("Machines", "Tank overflowed"), 0, false},
        {"dry-run", QT_TRANSLATE_NOOP("Machines", "Pump ran dry below low-low"), 0, false},
        {"surge", QT_TRANSLATE_NOOP("Machines", "Both pumps started within 1 s"), 0, false},
        {"trip-commanded", QT_TRANSLATE_NOOP("Machines", "Tripped pump left commanded"), 0, false},
    }};
}

bool TankPlant::levelSwitch(int index) const {
    return m_levelUm >= kSwitchMm.at(static_cast<std::size_t>(index)) * kUmPerMm;
}

std::uint16_t TankPlant::sensors() const {
    unsigned bits = 0;
    bits |= levelSwitch(0) ? kLowLow : 0U;
    bits |= levelSwitch(1) ? kLow : 0U;
    bits |= levelSwitch(2) ? kHigh : 0U;
    bits |= levelSwitch(3) ? kHighHigh : 0U;
    bits |= m_pumps[0].running ? kRunning1 : 0U;
    bits |= m_pumps[0].tripped ? kTripped1 : 0U;
    bits |= m_pumps[1].running ? kRunning2 : 0U;
    bits |= m_pumps[1].tripped ? kTripped2 : 0U;
    bits |= m_ack.down() ? kAcknowledge : 0U;
    return static_cast<std::uint16_t>(bits);
}

void TankPlant::setTripped(std::size_t index, bool tripped) {
    Pump& pump = m_pumps.at(index);
    pump.tripped = tripped;
    if (tripped) {
        pump.running = false; // the motor protection opens the contactor at once
        pump.changeMs = 0;
    }
}

void TankPlant::holdInflow(int mmPerSecond) {
    m_inflow = std::clamp(mmPerSecond, kInflowMin, kInflowMax);
    m_inflowHeld = true;
}

// A fault counts when its condition begins and stays active while it holds.
void TankPlant::setFault(Fault fault, bool condition) {
    FaultCount& entry = m_faults[fault];
    if (condition && !entry.active) {
        ++entry.count;
    }
    entry.active = condition;
}

void TankPlant::step(std::uint16_t outputs) {
    m_drain = (outputs & kDrainValve) != 0;
    m_alarm = (outputs & kAlarmLamp) != 0;
    commandPumps(outputs);
    flow(); // with the pumps as they ran during this millisecond
    runPumps();
    walkInflow();
    m_ack.scanned();
}

// The pumps' commands; a command that rises within the surge window of the other pump's start
// is a surge (both rising in the same millisecond included).
void TankPlant::commandPumps(std::uint16_t outputs) {
    const std::array<bool, 2> wanted = {(outputs & kPump1) != 0, (outputs & kPump2) != 0};
    bool surge = false;
    for (Pump& pump : m_pumps) {
        pump.sinceStartMs = std::min(pump.sinceStartMs + 1, kSurgeWindowMs);
    }
    for (std::size_t k = 0; k < m_pumps.size(); ++k) {
        Pump& pump = m_pumps[k];
        if (wanted[k] && !pump.commanded) {
            pump.sinceStartMs = 0;
            surge = surge || m_pumps[1 - k].sinceStartMs < kSurgeWindowMs;
        }
        pump.commanded = wanted[k];
    }
    m_surgeAgeMs = surge ? 0 : std::min(m_surgeAgeMs + 1, kSurgeShowMs);
    if (surge) {
        ++m_faults[kSurge].count;
    }
    m_faults[kSurge].active = m_surgeAgeMs < kSurgeShowMs;
}

// Each pump's feedback follows its command once the two have differed for the feedback delay;
// a tripped pump stays stopped. A tripped pump still commanded after the grace is a fault.
void TankPlant::runPumps() {
    bool trippedCommanded = false;
    for (Pump& pump : m_pumps) {
        const bool trippedAndCommanded = pump.tripped && pump.commanded;
        pump.trippedCommandedMs = trippedAndCommanded ? pump.trippedCommandedMs + 1 : 0;
        trippedCommanded = trippedCommanded || pump.trippedCommandedMs > kTripGraceMs;
        if (pump.tripped || pump.commanded == pump.running) {
            pump.changeMs = 0;
            continue;
        }
        if (++pump.changeMs >= kFeedbackDelayMs) {
            pump.running = pump.commanded;
            pump.changeMs = 0;
            pump.starts += pump.running ? 1 : 0;
        }
    }
    setFault(kTripCommanded, trippedCommanded);
}

// One millisecond of water: the inflow in, the running pumps and the open drain out. The level
// stays between the floor and the top, where the surplus spills over the rim.
void TankPlant::flow() {
    int delta = m_inflow; // mm/s is µm per ms
    for (const Pump& pump : m_pumps) {
        delta -= pump.running ? kPumpFlow : 0;
    }
    delta -= m_drain ? kDrainFlow : 0;
    m_levelUm = std::clamp(m_levelUm + delta, 0, kTopMm * kUmPerMm);
    setFault(kOverflow, m_levelUm >= kTopMm * kUmPerMm);
    const bool dry = !levelSwitch(0) && (m_pumps[0].running || m_pumps[1].running);
    setFault(kDryRun, dry);
}

// Once a second the inflow steps by -1, 0 or +1 kInflowStep within its range, unless held. The
// step is drawn while held too, so the sequence stays where a free run would have it.
void TankPlant::walkInflow() {
    if (++m_walkMs < kInflowPeriodMs) {
        return;
    }
    m_walkMs = 0;
    const int step = static_cast<int>(m_random.next() % 3) - 1;
    if (!m_inflowHeld) {
        m_inflow = std::clamp(m_inflow + step * kInflowStep, kInflowMin, kInflowMax);
    }
}

std::string TankPlant::stateLine() const {
    const auto bit = [](bool on) { return on ? std::string("1") : std::string("0"); };
    std::string line = "tank level=" + std::to_string(levelMm());
    line += " inflow=" + std::to_string(m_inflow);
    line += " ll=" + bit(levelSwitch(0)) + " l=" + bit(levelSwitch(1)) +
            " h=" + bit(levelSwitch(2)) + " hh=" + bit(levelSwitch(3));
    for (std::size_t k = 0; k < m_pumps.size(); ++k) {
        const std::string n = std::to_string(k + 1);
        const Pump& pump = m_pumps[k];
        line += " cmd" + n + '=' + bit(pump.commanded) + " run" + n + '=' + bit(pump.running) +
                " trip" + n + '=' + bit(pump.tripped) + " starts" + n + '=' +
                std::to_string(pump.starts);
    }
    line += " drain=" + bit(m_drain) + " alarm=" + bit(m_alarm) + " ack=" + bit(m_ack.down());
    appendFaults(line);
    return line;
}

std::string TankPlant::invariantBreach() const {
    if (m_levelUm < 0) {
        return "level below the floor";
    }
    if (m_levelUm > kTopMm * kUmPerMm) {
        return "level above the top of the tank";
    }
    if (m_inflow < kInflowMin || m_inflow > kInflowMax) {
        return "inflow outside its range";
    }
    for (const Pump& pump : m_pumps) {
        if (pump.tripped && pump.running) {
            return "a tripped pump running";
        }
        if (pump.changeMs < 0 || pump.changeMs >= kFeedbackDelayMs) {
            return "a pump's feedback delay out of range";
        }
    }
    if (m_faults[kOverflow].active != (m_levelUm >= kTopMm * kUmPerMm)) {
        return "overflow shown without the tank full";
    }
    return {};
}

PushButton* TankPlant::controlButton(std::size_t index) {
    return index == kAckControl ? &m_ack : nullptr;
}

bool TankPlant::switchOn(std::size_t index) const {
    return index < m_pumps.size() && m_pumps[index].tripped;
}

void TankPlant::setSwitch(std::size_t index, bool on) {
    if (index < m_pumps.size()) {
        setTripped(index, on);
    }
}

} // namespace rungbox::machines
