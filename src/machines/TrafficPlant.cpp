// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrafficPlant.h"
#include "l10n/Mark.h"

#include <algorithm>
#include <string>

namespace rungbox::machines {

namespace {

constexpr unsigned kRedLamp = 1U;
constexpr unsigned kAmberLamp = 2U;
constexpr unsigned kGreenLamp = 4U;

} // namespace

std::string TrafficPlant::lampWord(unsigned lamps) {
    std::string word;
    word += (lamps & kRedLamp) != 0 ? "R" : "";
    word += (lamps & kAmberLamp) != 0 ? "A" : "";
    word += (lamps & kGreenLamp) != 0 ? "G" : "";
    return word.empty() ? "-" : word;
}

std::string_view TrafficPlant::pedestrianWord(Pedestrian pedestrian) {
    switch (pedestrian) {
    case Pedestrian::None:
        return "none";
    case Pedestrian::Waiting:
        return "waiting";
    case Pedestrian::Crossing:
        return "crossing";
    }
    return "?";
}

TrafficPlant::TrafficPlant() {
    reset();
}

void TrafficPlant::reset() {
    for (auto& queue : m_queues) {
        queue.clear();
    }
    m_headwayMs.fill(0);
    m_arrived.fill(0);
    m_left.fill(0);
    m_warned.fill(0);
    m_heads.fill({});
    m_random = Random(kSeed);
    m_randomArrivals = true;
    m_outputs = 0;
    m_nowMs = 0;
    m_nextId = 0;
    m_longWaits = 0;
    m_pedestrian = Pedestrian::None;
    m_crossedMs = 0;
    m_pedestriansOn = false;
    m_noAmberAgeMs = kFaultShowMs;
    m_skipped.fill(false);
    m_button.release();
    m_faults = {{
        {"conflict", QT_TRANSLATE_NOOP("Machines", "Conflicting greens"), 0, false},
        {"no-amber", QT_TRANSLATE_NOOP("Machines", "Green to red without amber"), 0, false},
        {"walk-conflict", QT_TRANSLATE_NOOP("Machines", "Walk on a conflicting green"), 0, false},
    }};
}

std::uint16_t TrafficPlant::sensors() const {
    unsigned bits = m_button.down() ? kWalkButton : 0U;
    for (std::size_t a = 0; a < kApproaches; ++a) {
        bits |= m_queues[a].empty() ? 0U : unsigned{kCarNorth} << a;
    }
    return static_cast<std::uint16_t>(bits);
}

int TrafficPlant::passed() const {
    int total = 0;
    for (const int left : m_left) {
        total += left;
    }
    return total;
}

std::int64_t TrafficPlant::longestWaitMs() const {
    std::int64_t longest = 0;
    for (const auto& queue : m_queues) {
        if (!queue.empty()) {
            longest = std::max(longest, m_nowMs - queue.front().arrivedMs);
        }
    }
    return longest;
}

// A fault counts when its condition begins and stays active while it holds.
void TrafficPlant::setFault(Fault fault, bool condition) {
    FaultCount& entry = m_faults[fault];
    if (condition && !entry.active) {
        ++entry.count;
    }
    entry.active = condition;
}

void TrafficPlant::addCar(Approach approach) {
    auto& queue = m_queues[approach];
    if (queue.size() >= kMaxQueue) {
        return;
    }
    queue.push_back({m_nextId++, m_nowMs});
    ++m_arrived[approach];
}

void TrafficPlant::step(std::uint16_t outputs) {
    m_outputs = outputs;
    ++m_nowMs;
    const bool nsGo = (lamps(kNorthSouth) & (kAmberLamp | kGreenLamp)) != 0;
    const bool ewGo = (lamps(kEastWest) & (kAmberLamp | kGreenLamp)) != 0;
    setFault(kConflict, nsGo && ewGo);
    setFault(kWalkConflict, walkLit() && ewGo);
    watchHeads();
    arrive();
    depart();
    movePedestrian();
    countLongWaits();
    m_button.scanned();
    // A pedestrian who comes now presses the button for the next scan.
    if (m_pedestriansOn && m_random.next() % kMeanPedestrianMs == 0) {
        m_button.press();
    }
}

// A head that lit its red after a green with less than kMinAmberMs of amber between skipped
// its amber: counted at the red, shown for kFaultShowMs.
void TrafficPlant::watchHeads() {
    m_noAmberAgeMs = std::min(m_noAmberAgeMs + 1, kFaultShowMs);
    for (std::size_t r = 0; r < kRoads; ++r) {
        const unsigned lit = lamps(static_cast<Road>(r));
        HeadWatch& head = m_heads[r];
        if ((lit & kGreenLamp) != 0) {
            head = {true, 0};
            continue;
        }
        if ((lit & kAmberLamp) != 0) {
            head.amberMs = std::min(head.amberMs + 1, kMinAmberMs);
        }
        if ((lit & kRedLamp) != 0 && head.armed) {
            head.armed = false;
            if (head.amberMs < kMinAmberMs) {
                ++m_faults[kNoAmber].count;
                m_noAmberAgeMs = 0;
                m_skipped.fill(false);
                m_skipped[r] = true;
            }
        }
    }
    m_faults[kNoAmber].active = m_noAmberAgeMs < kFaultShowMs;
    if (!m_faults[kNoAmber].active) {
        m_skipped.fill(false);
    }
}

// Each approach has a car arrive in a millisecond with the chance 1 / kMeanArrivalMs.
void TrafficPlant::arrive() {
    if (!m_randomArrivals) {
        return;
    }
    for (std::size_t a = 0; a < kApproaches; ++a) {
        if (m_random.next() % kMeanArrivalMs[a] == 0) {
            addCar(static_cast<Approach>(a));
        }
    }
}

// While its road is green, a queue lets its first car go kHeadwayMs after the car before (or
// after the green began); a car arriving at a green that has lasted that long drives on at once.
void TrafficPlant::depart() {
    for (std::size_t a = 0; a < kApproaches; ++a) {
        const auto approach = static_cast<Approach>(a);
        if ((lamps(roadOf(approach)) & kGreenLamp) == 0) {
            m_headwayMs[a] = 0;
            continue;
        }
        m_headwayMs[a] = std::min(m_headwayMs[a] + 1, kHeadwayMs);
        if (!m_queues[a].empty() && m_headwayMs[a] >= kHeadwayMs) {
            m_queues[a].pop_front();
            ++m_left[a];
            if (m_warned[a] > 0) {
                --m_warned[a];
            }
            m_headwayMs[a] = 0;
        }
    }
}

// The button brings a pedestrian to the kerb, who starts across when the walk lamp lights and
// finishes crossing whatever the lamps do then.
void TrafficPlant::movePedestrian() {
    if (m_button.down() && m_pedestrian == Pedestrian::None) {
        m_pedestrian = Pedestrian::Waiting;
    }
    if (m_pedestrian == Pedestrian::Waiting && walkLit()) {
        m_pedestrian = Pedestrian::Crossing;
        m_crossedMs = 0;
    } else if (m_pedestrian == Pedestrian::Crossing && ++m_crossedMs >= kCrossMs) {
        m_pedestrian = Pedestrian::None;
        m_crossedMs = 0;
    }
}

// Each car counts once when its wait passes kLongWaitMs; a queue's first car has waited longest.
void TrafficPlant::countLongWaits() {
    for (std::size_t a = 0; a < kApproaches; ++a) {
        const auto& queue = m_queues[a];
        while (m_warned[a] < queue.size() && m_nowMs - queue[m_warned[a]].arrivedMs > kLongWaitMs) {
            ++m_warned[a];
            ++m_longWaits;
        }
    }
}

bool TrafficPlant::longWaitAt(Approach approach) const {
    const auto& queue = m_queues[approach];
    return !queue.empty() && m_nowMs - queue.front().arrivedMs > kLongWaitMs;
}

std::string TrafficPlant::stateLine() const {
    const auto bit = [](bool on) { return std::string(on ? "1" : "0"); };
    std::string line = "traffic ns=" + lampWord(lamps(kNorthSouth)) +
                       " ew=" + lampWord(lamps(kEastWest)) + " walk=" + bit(walkLit()) +
                       " dontwalk=" + bit(dontWalkLit());
    constexpr std::array<std::string_view, kApproaches> kQueueWords = {"qn", "qs", "qe", "qw"};
    for (std::size_t a = 0; a < kApproaches; ++a) {
        line += ' ';
        line += kQueueWords[a];
        line += '=' + std::to_string(m_queues[a].size());
    }
    line += " passed=" + std::to_string(passed());
    line += " longest=" + std::to_string(longestWaitMs() / 1000);
    line += " waits=" + std::to_string(m_longWaits);
    line += " ped=";
    line += pedestrianWord(m_pedestrian);
    line += " button=" + bit(m_button.down()) + " peds=" + bit(m_pedestriansOn);
    appendFaults(line);
    return line;
}

std::string TrafficPlant::invariantBreach() const {
    for (std::size_t a = 0; a < kApproaches; ++a) {
        const auto& queue = m_queues[a];
        if (queue.size() > kMaxQueue) {
            return "a queue longer than its road";
        }
        if (m_arrived[a] != m_left[a] + static_cast<int>(queue.size())) {
            return "a car lost or made from nothing";
        }
        if (m_warned[a] > queue.size()) {
            return "a long wait counted for a car not there";
        }
        const Car* before = nullptr;
        for (const Car& car : queue) {
            if (car.arrivedMs > m_nowMs || car.id < 0 || car.id >= m_nextId) {
                return "a car that never arrived";
            }
            // Cars are numbered as they come, and a queue keeps the order they came in.
            if (before != nullptr && (car.id <= before->id || car.arrivedMs < before->arrivedMs)) {
                return "a queue out of its order of arrival";
            }
            before = &car;
        }
    }
    if (carInTwoPlaces()) {
        return "a car in two places";
    }
    if (m_crossedMs < 0 || m_crossedMs >= kCrossMs) {
        return "a pedestrian off the crossing";
    }
    return {};
}

// With each queue's numbers rising, merging the queues in order of their numbers meets any car
// that stands in two of them twice in a row.
bool TrafficPlant::carInTwoPlaces() const {
    std::array<std::deque<Car>::const_iterator, kApproaches> at;
    for (std::size_t a = 0; a < kApproaches; ++a) {
        at[a] = m_queues[a].begin();
    }
    int previous = -1;
    for (;;) {
        std::size_t next = kApproaches;
        for (std::size_t a = 0; a < kApproaches; ++a) {
            if (at[a] != m_queues[a].end() && (next == kApproaches || at[a]->id < at[next]->id)) {
                next = a;
            }
        }
        if (next == kApproaches) {
            return false;
        }
        const int id = (at[next]++)->id;
        if (id == previous) {
            return true;
        }
        previous = id;
    }
}

PushButton* TrafficPlant::controlButton(std::size_t index) {
    return index == 0 ? &m_button : nullptr;
}

bool TrafficPlant::switchOn(std::size_t index) const {
    return index == 1 && m_pedestriansOn;
}

void TrafficPlant::setSwitch(std::size_t index, bool on) {
    if (index == 1) {
        m_pedestriansOn = on;
    }
}

} // namespace rungbox::machines
