// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConveyorPlant.h"
#include "l10n/Mark.h"

#include <algorithm>
#include <cassert>

namespace rungbox::machines {

ConveyorPlant::ConveyorPlant() {
    reset();
}

void ConveyorPlant::reset() {
    m_boxes.clear();
    m_random = Random(kSeed);
    m_pusher = 0;
    m_beltPhase = 0;
    m_feedWaitMs = 0;
    m_belt = m_feeder = m_pusherOut = false;
    m_bins = {};
    m_fed = 0;
    m_start.release();
    m_stop.release();
    m_faults = {{
        {"jam-pusher", QT_TRANSLATE_NOOP("Machines", "Box jammed at the pusher"), 0, false},
        {"jam-entry", QT_TRANSLATE_NOOP("Machines", "Box fed onto a box"), 0, false},
    }};
    m_faultAgeMs.fill(kJamShowMs);
}

const ConveyorPlant::Box* ConveyorPlant::boxAt(int at) const {
    const auto found = std::find_if(m_boxes.begin(), m_boxes.end(), [at](const Box& box) {
        return covers(box, at) && box.side < kPusherStroke;
    });
    return found == m_boxes.end() ? nullptr : &*found;
}

std::uint16_t ConveyorPlant::sensors() const {
    unsigned bits = 0;
    bits |= m_start.down() ? kStart : 0U;
    bits |= m_stop.down() ? kStop : 0U;
    const bool entry = std::any_of(m_boxes.begin(), m_boxes.end(),
                                   [](const Box& box) { return box.x < kEntryZone; });
    bits |= entry ? kAtEntry : 0U;
    const Box* front = boxAt(kPusherEye);
    bits |= front != nullptr ? kAtPusher : 0U;
    bits |= front != nullptr && front->tall ? kTall : 0U;
    bits |= m_pusher >= kPusherStroke ? kExtended : 0U;
    bits |= m_pusher <= 0 ? kRetracted : 0U;
    bits |= boxAt(kEndEye) != nullptr ? kAtEnd : 0U;
    return static_cast<std::uint16_t>(bits);
}

void ConveyorPlant::jam(Fault fault) {
    ++m_faults[fault].count;
    m_faultAgeMs[fault] = 0;
}

void ConveyorPlant::step(std::uint16_t outputs) {
    m_belt = (outputs & kBelt) != 0;
    m_feeder = (outputs & kFeeder) != 0;
    m_pusherOut = (outputs & kPusherOut) != 0;
    for (int& age : m_faultAgeMs) {
        age = std::min(age + 1, kJamShowMs);
    }

    feed();
    movePusher();
    moveBelt();
    dropOff();

    for (std::size_t k = 0; k < kFaultKinds; ++k) {
        m_faults[k].active = m_faultAgeMs[k] < kJamShowMs;
    }
    assert(m_pusher >= 0 && m_pusher <= kPusherStroke);
    m_start.scanned();
    m_stop.scanned();
}

// While on, the feeder drops a box at the entry every kFeedCycleMs; one dropped onto a box
// still lying in the drop place jams.
void ConveyorPlant::feed() {
    if (m_feedWaitMs > 0) {
        --m_feedWaitMs;
    }
    if (!m_feeder || m_feedWaitMs > 0) {
        return;
    }
    m_feedWaitMs = kFeedCycleMs;
    ++m_fed;
    const Box box{0, 0, m_random.chance(kTallPercent)};
    const bool occupied = std::any_of(m_boxes.begin(), m_boxes.end(),
                                      [](const Box& other) { return other.x < kBoxLength; });
    if (occupied) {
        jam(kJamEntry);
        return;
    }
    m_boxes.push_back(box);
}

// The pusher moves 1 mm per ms. Moving out, it takes along a box wholly in front of it; a box
// only partly in front jams. (A belt that moves under a box being pushed jams it in moveBelt.)
void ConveyorPlant::movePusher() {
    if (m_pusherOut && m_pusher < kPusherStroke) {
        ++m_pusher;
    } else if (!m_pusherOut && m_pusher > 0) {
        --m_pusher;
        return;
    } else {
        return;
    }
    std::erase_if(m_boxes, [this](Box& box) {
        if (!inFace(box) || box.side >= m_pusher) {
            return false;
        }
        if (!whollyInFace(box)) {
            jam(kJamPusher);
            return true;
        }
        box.side = m_pusher;
        return false;
    });
}

// The belt carries the boxes lying on it 1 mm per ms. A box partly pushed off twists and jams;
// a box carried into the pusher's face while the pusher is out jams.
void ConveyorPlant::moveBelt() {
    if (!m_belt) {
        return;
    }
    m_beltPhase = (m_beltPhase + 1) % kBeltPhaseMm;
    std::erase_if(m_boxes, [this](Box& box) {
        if (box.side > 0) {
            jam(kJamPusher);
            return true;
        }
        ++box.x;
        if (m_pusher > 0 && inFace(box)) {
            jam(kJamPusher);
            return true;
        }
        return false;
    });
}

// A box pushed the whole stroke falls into the side bin; a box whose middle passes the end of
// the belt falls into the end bin.
void ConveyorPlant::dropOff() {
    std::erase_if(m_boxes, [this](const Box& box) {
        if (box.side >= kPusherStroke) {
            ++(box.tall ? m_bins.sideTall : m_bins.sideShort);
            return true;
        }
        if (box.x + kBoxLength / 2 >= kBeltLength) {
            ++(box.tall ? m_bins.endTall : m_bins.endShort);
            return true;
        }
        return false;
    });
}

std::string ConveyorPlant::stateLine() const {
    const auto bit = [](bool on) { return on ? std::string("1") : std::string("0"); };
    const std::uint16_t in = sensors();
    std::string line = "conveyor belt=" + bit(m_belt) + " feeder=" + bit(m_feeder) +
                       " pusher=" + std::to_string(m_pusher) + " boxes=";
    if (m_boxes.empty()) {
        line += '-';
    }
    for (std::size_t k = 0; k < m_boxes.size(); ++k) {
        line += (k == 0 ? "" : ",") + std::string(m_boxes[k].tall ? "T" : "S") +
                std::to_string(m_boxes[k].x);
        if (m_boxes[k].side > 0) {
            line += '+' + std::to_string(m_boxes[k].side);
        }
    }
    line += " fed=" + std::to_string(m_fed);
    line += " side-tall=" + std::to_string(m_bins.sideTall);
    line += " side-short=" + std::to_string(m_bins.sideShort);
    line += " end-tall=" + std::to_string(m_bins.endTall);
    line += " end-short=" + std::to_string(m_bins.endShort);
    line += " entry=" + bit(in & kAtEntry) + " front=" + bit(in & kAtPusher) +
            " tall=" + bit(in & kTall) + " at-end=" + bit(in & kAtEnd);
    line += " start=" + bit(m_start.down()) + " stop=" + bit(m_stop.down());
    appendFaults(line);
    return line;
}

} // namespace rungbox::machines
