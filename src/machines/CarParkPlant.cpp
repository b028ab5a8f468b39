// SPDX-License-Identifier: GPL-3.0-or-later
#include "CarParkPlant.h"
#include "l10n/Mark.h"

#include <algorithm>

namespace rungbox::machines {

namespace {

constexpr std::string_view laneWord(CarParkPlant::Lane lane) {
    switch (lane) {
    case CarParkPlant::Lane::Empty:
        return "none";
    case CarParkPlant::Lane::Waiting:
        return "waiting";
    case CarParkPlant::Lane::Under:
        return "under";
    case CarParkPlant::Lane::Passed:
        return "passed";
    }
    return "?";
}

bool onApproach(const CarParkPlant::Gate& gate) {
    return gate.lane == CarParkPlant::Lane::Waiting || gate.lane == CarParkPlant::Lane::Under;
}

} // namespace

CarParkPlant::CarParkPlant() {
    reset();
}

void CarParkPlant::reset() {
    m_random = Random(kSeed);
    m_entry = {};
    m_exit = {};
    m_parked.clear();
    m_street.clear();
    m_arriveMs = between(kArriveMinMs, kArriveMaxMs);
    m_ticketMs = 0;
    m_pressMs = 0;
    m_signWrongMs = 0;
    m_full = false;
    m_programCount = -1;
    m_ticket.release();
    m_carIn.release();
    m_carOut.release();
    m_carInHeld = m_carOutHeld = false;
    m_faults = {{
        {"onto-car", QT_TRANSLATE_NOOP("Machines", "Barrier lowered onto a car"), 0, false},
        {"over-full", QT_TRANSLATE_NOOP("Machines", "More cars inside than places"), 0, false},
        {"sign-wrong", QT_TRANSLATE_NOOP("Machines", "FULL sign wrong for over 1 s"), 0, false},
    }};
}

int CarParkPlant::between(int low, int high) {
    const auto span = static_cast<std::uint64_t>(high - low + 1);
    return low + static_cast<int>(m_random.next() % span);
}

CarParkPlant::Car CarParkPlant::newCar() {
    Car car;
    car.stayMs = between(kStayMinMs, kStayMaxMs);
    car.paint = between(0, kPaints - 1);
    return car;
}

int CarParkPlant::inside() const {
    return static_cast<int>(m_parked.size()) + (m_entry.lane == Lane::Passed ? 1 : 0) +
           (onApproach(m_exit) ? 1 : 0);
}

std::uint16_t CarParkPlant::sensors() const {
    unsigned bits = 0;
    bits |= onApproach(m_entry) ? kEntryLoop : 0U;
    bits |= m_ticket.down() || m_pressMs > 0 ? kTicket : 0U;
    bits |= m_entry.lane == Lane::Passed ? kEntryPassed : 0U;
    bits |= onApproach(m_exit) ? kExitLoop : 0U;
    bits |= m_exit.lane == Lane::Passed ? kExitPassed : 0U;
    bits |= m_entry.up() ? kEntryUp : 0U;
    bits |= m_entry.down() ? kEntryDown : 0U;
    bits |= m_exit.up() ? kExitUp : 0U;
    bits |= m_exit.down() ? kExitDown : 0U;
    return static_cast<std::uint16_t>(bits);
}

void CarParkPlant::sendCar() {
    arrive(newCar());
}

void CarParkPlant::callCarOut() {
    const auto soonest =
        std::min_element(m_parked.begin(), m_parked.end(), [](const Car& a, const Car& b) {
            // Cars already wanting out (0) sort last: the call is for one more car.
            return (a.stayMs > 0 ? a.stayMs : kStayMaxMs + 1) <
                   (b.stayMs > 0 ? b.stayMs : kStayMaxMs + 1);
        });
    if (soonest != m_parked.end()) {
        soonest->stayMs = 0;
    }
}

// A new car drives onto a free entry loop, or queues in the street, or drives on when the
// queue is long.
void CarParkPlant::arrive(const Car& car) {
    if (m_entry.lane == Lane::Empty && m_street.empty()) {
        driveOntoLoop(car);
    } else if (static_cast<int>(m_street.size()) < kQueueMax) {
        m_street.push_back(car);
    }
}

void CarParkPlant::driveOntoLoop(const Car& car) {
    m_entry.lane = Lane::Waiting;
    m_entry.laneMs = 0;
    m_entry.car = car;
    m_ticketMs = between(kTicketMinMs, kTicketMaxMs);
}

// A short press acts once; a held button acts when it goes down.
void CarParkPlant::handsStep() {
    if (m_carIn.held() ? !m_carInHeld : m_carIn.down()) {
        sendCar();
    }
    if (m_carOut.held() ? !m_carOutHeld : m_carOut.down()) {
        callCarOut();
    }
    m_carInHeld = m_carIn.held();
    m_carOutHeld = m_carOut.held();
}

// The driver on the entry loop presses the ticket button when the delay is over, unless the
// FULL sign is lit or the barrier is already rising, and tries again later.
void CarParkPlant::driverStep() {
    if (m_entry.lane != Lane::Waiting) {
        m_pressMs = 0;
        return;
    }
    if (m_pressMs > 0) {
        --m_pressMs;
    }
    if (--m_ticketMs > 0) {
        return;
    }
    if (!m_full && !m_entry.raise) {
        m_pressMs = kPressMs;
    }
    m_ticketMs = kRepressMs;
}

// The arm follows its output; lowered onto a car under it, it stops on the roof.
void CarParkPlant::moveArm(Gate& gate) {
    if (gate.raise) {
        gate.position = std::min(gate.position + 1, kTravelMs);
    } else if (gate.lane != Lane::Under || gate.position > kRoofMs) {
        gate.position = std::max(gate.position - 1, 0);
    }
}

void CarParkPlant::park() {
    int bay = 0;
    while (std::any_of(m_parked.begin(), m_parked.end(),
                       [bay](const Car& car) { return car.bay == bay; })) {
        ++bay;
    }
    m_entry.car.bay = bay;
    m_parked.push_back(m_entry.car);
}

// One millisecond of the car in `gate`'s lane: a waiting car drives under the arm once it is
// fully up (and `room` lets it), passes beneath it, then over the passed loop. True in the
// millisecond it leaves the passed loop, when the lane is empty again.
bool CarParkPlant::advanceLane(Gate& gate, bool room) {
    switch (gate.lane) {
    case Lane::Empty:
        return false;
    case Lane::Waiting:
        if (gate.up() && room) {
            gate.lane = Lane::Under;
            gate.laneMs = 0;
        }
        return false;
    case Lane::Under:
        if (++gate.laneMs >= kUnderMs) {
            gate.lane = Lane::Passed;
            gate.laneMs = 0;
        }
        return false;
    case Lane::Passed:
        if (++gate.laneMs < kPassedMs) {
            return false;
        }
        gate.lane = Lane::Empty;
        gate.laneMs = 0;
        return true;
    }
    return false;
}

void CarParkPlant::moveEntry() {
    if (m_entry.lane == Lane::Empty && !m_street.empty()) {
        driveOntoLoop(m_street.front());
        m_street.erase(m_street.begin());
        return;
    }
    // With the aisle full too, nobody can drive in.
    const bool room = static_cast<int>(m_parked.size()) < kPlaces + kAisle;
    if (advanceLane(m_entry, room)) {
        park();
    }
}

// Stays run out; the first car whose stay is over drives to a free exit loop.
void CarParkPlant::leaveBays() {
    for (Car& car : m_parked) {
        car.stayMs = std::max(car.stayMs - 1, 0);
    }
    if (m_exit.lane != Lane::Empty) {
        return;
    }
    const auto leaving = std::find_if(m_parked.begin(), m_parked.end(),
                                      [](const Car& car) { return car.stayMs == 0; });
    if (leaving != m_parked.end()) {
        m_exit.car = *leaving;
        m_exit.lane = Lane::Waiting;
        m_exit.laneMs = 0;
        m_parked.erase(leaving);
    }
}

void CarParkPlant::moveExit() {
    advanceLane(m_exit, true);
}

// A fault counts when its condition begins and stays active while it holds.
void CarParkPlant::setFault(Fault fault, bool condition) {
    FaultCount& entry = m_faults[fault];
    if (condition && !entry.active) {
        ++entry.count;
    }
    entry.active = condition;
}

void CarParkPlant::step(std::uint16_t outputs) {
    m_entry.raise = (outputs & kRaiseEntry) != 0;
    m_exit.raise = (outputs & kRaiseExit) != 0;
    m_full = (outputs & kFullSign) != 0;
    handsStep();
    if (--m_arriveMs <= 0) {
        sendCar();
        m_arriveMs = between(kArriveMinMs, kArriveMaxMs);
    }

    const auto ontoCar = [](const Gate& gate) { return gate.lane == Lane::Under && !gate.raise; };
    setFault(kOntoCar, ontoCar(m_entry) || ontoCar(m_exit));
    moveArm(m_entry);
    moveArm(m_exit);
    moveEntry();
    driverStep();
    leaveBays();
    moveExit();

    const bool full = inside() >= kPlaces;
    m_signWrongMs = m_full != full ? m_signWrongMs + 1 : 0;
    setFault(kSignWrong, m_signWrongMs > kSignGraceMs);
    setFault(kOverFull, inside() > kPlaces);

    m_ticket.scanned();
    m_carIn.scanned();
    m_carOut.scanned();
}

std::string CarParkPlant::stateLine() const {
    const auto gateWords = [](std::string& line, std::string_view name, const Gate& gate) {
        line += " " + std::string(name) + "-arm=" + std::to_string(gate.position);
        line += " " + std::string(name) + "-car=";
        line += laneWord(gate.lane);
    };
    std::string line = "carpark";
    gateWords(line, "entry", m_entry);
    gateWords(line, "exit", m_exit);
    line += " queue=" + std::to_string(m_street.size());
    line += " inside=" + std::to_string(inside());
    line += " program=" + (m_programCount < 0 ? std::string("-") : std::to_string(m_programCount));
    line += " full=" + std::to_string(m_full ? 1 : 0);
    line += " ticket=" + std::to_string((sensors() & kTicket) != 0 ? 1 : 0);
    appendFaults(line);
    return line;
}

std::string CarParkPlant::invariantBreach() const {
    for (const Gate* gate : {&m_entry, &m_exit}) {
        if (gate->position < 0 || gate->position > kTravelMs) {
            return "a barrier beyond its travel";
        }
        if (gate->lane == Lane::Under && gate->position < kRoofMs) {
            return "a barrier arm through a car";
        }
        if (gate->laneMs < 0 || gate->laneMs > std::max(kUnderMs, kPassedMs)) {
            return "a car too long on a loop";
        }
    }
    if (static_cast<int>(m_parked.size()) > kPlaces + kAisle) {
        return "more cars parked than bays and aisle hold";
    }
    if (static_cast<int>(m_street.size()) > kQueueMax) {
        return "a queue longer than the street holds";
    }
    for (std::size_t k = 0; k < m_parked.size(); ++k) {
        const Car& car = m_parked[k];
        if (car.bay < 0 || car.bay >= kPlaces + kAisle || car.stayMs < 0) {
            return "a car parked nowhere";
        }
        for (std::size_t j = 0; j < k; ++j) {
            if (m_parked[j].bay == car.bay) {
                return "two cars in one bay";
            }
        }
    }
    if (inside() < 0 || m_signWrongMs < 0) {
        return "a count below zero";
    }
    return {};
}

PushButton* CarParkPlant::controlButton(std::size_t index) {
    switch (index) {
    case kTicketControl:
        return &m_ticket;
    case kCarInControl:
        return &m_carIn;
    case kCarOutControl:
        return &m_carOut;
    default:
        return nullptr;
    }
}

} // namespace rungbox::machines
