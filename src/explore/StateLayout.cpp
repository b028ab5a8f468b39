// SPDX-License-Identifier: GPL-3.0-or-later
#include "StateLayout.h"

#include "engine/AddressMap.h"

#include <algorithm>
#include <cstring>

namespace rungbox::explore {

namespace {

using engine::OpCode;

enum class Access : std::uint8_t { None, ReadFirst, WrittenFirst };

void read(std::vector<Access>& first, int address) {
    auto& a = first[static_cast<std::size_t>(address)];
    if (a == Access::None) {
        a = Access::ReadFirst;
    }
}

void write(std::vector<Access>& first, int address) {
    auto& a = first[static_cast<std::size_t>(address)];
    if (a == Access::None) {
        a = Access::WrittenFirst;
    }
}

template <typename T> void addOnce(std::vector<T>& list, int value) {
    const auto v = static_cast<T>(value);
    if (std::find(list.begin(), list.end(), v) == list.end()) {
        list.insert(std::upper_bound(list.begin(), list.end(), v), v);
    }
}

// A contact reads a relay, or the done flag of a timer or counter: that unit's present value is
// state even when no TIM or CNT line before END steps it, for preparation may have loaded it
// from a line after END.
void readContact(StateLayout& layout, std::vector<Access>& first, int operand) {
    if (operand < engine::kRelayCount) {
        read(first, operand);
    } else if (operand < engine::kCounterDoneBit) {
        addOnce(layout.timers, operand - engine::kTimerDoneBit);
    } else {
        addOnce(layout.counters, operand - engine::kCounterDoneBit);
    }
}

// Bit `k` of `bytes`.
bool bitAt(const std::uint8_t* bytes, std::size_t k) {
    return ((static_cast<unsigned>(bytes[k / 8]) >> (k % 8)) & 1U) != 0;
}

void setBit(std::uint8_t* bytes, std::size_t k, bool on) {
    if (on) {
        bytes[k / 8] = static_cast<std::uint8_t>(bytes[k / 8] | (1U << (k % 8)));
    }
}

} // namespace

StateLayout StateLayout::of(const engine::Program& program) {
    StateLayout layout;
    std::vector<Access> first(engine::kRelayCount, Access::None);
    for (const engine::Step& step : program.steps()) {
        switch (step.op) {
        case OpCode::Ld:
        case OpCode::And:
        case OpCode::Or:
            readContact(layout, first, step.operand);
            break;
        case OpCode::Out:
        case OpCode::OutNot:
            write(first, step.operand);
            break;
        case OpCode::Difu: // writes only on an edge: the relay keeps its value otherwise
            read(first, step.operand);
            addOnce(layout.difus, step.operand);
            break;
        case OpCode::Sft: // every bit moves: each is read
            for (int a = std::min<int>(step.operand, step.setValue);
                 a <= std::max<int>(step.operand, step.setValue); ++a) {
                read(first, a);
            }
            break;
        case OpCode::Tim:
            addOnce(layout.timers, step.operand);
            layout.timed = true;
            break;
        case OpCode::Cnt:
            addOnce(layout.counters, step.operand);
            break;
        default:
            break;
        }
    }
    for (int a = 0; a < engine::kRelayCount; ++a) {
        if (first[static_cast<std::size_t>(a)] == Access::WrittenFirst) {
            layout.written.push_back(static_cast<std::uint16_t>(a));
        }
        if (first[static_cast<std::size_t>(a)] != Access::ReadFirst) {
            continue;
        }
        if (a < engine::kInputCount) {
            layout.inputsRead = static_cast<std::uint16_t>(layout.inputsRead | (1U << a));
        } else {
            layout.relays.push_back(static_cast<std::uint16_t>(a));
        }
    }
    return layout;
}

std::size_t StateLayout::bitCount() const {
    return relays.size() + difus.size() + timers.size() + counters.size();
}

std::size_t StateLayout::bytes() const {
    return (bitCount() + 7) / 8 + 2 * (timers.size() + counters.size());
}

void StateLayout::save(const engine::Controller& plc, std::uint8_t* out) const {
    const std::size_t bitBytes = (bitCount() + 7) / 8;
    std::fill_n(out, bitBytes, std::uint8_t{0}); // `out` may be null for a stateless program
    std::size_t k = 0;
    for (const std::uint16_t a : relays) {
        setBit(out, k++, plc.relay(a));
    }
    for (const std::uint16_t a : difus) {
        setBit(out, k++, plc.difuLast(a));
    }
    for (const std::uint8_t n : timers) {
        setBit(out, k++, plc.timReset(n));
    }
    for (const std::uint8_t n : counters) {
        setBit(out, k++, plc.cntLast(n));
    }
    std::uint8_t* values = out + bitBytes;
    const auto put = [&](std::int16_t value) {
        std::memcpy(values, &value, sizeof value);
        values += sizeof value;
    };
    for (const std::uint8_t n : timers) {
        put(plc.timValue(n));
    }
    for (const std::uint8_t n : counters) {
        put(plc.cntValue(n));
    }
}

void StateLayout::restore(engine::Controller& plc, const std::uint8_t* in) const {
    std::size_t k = 0;
    for (const std::uint16_t a : relays) {
        plc.setRelay(a, bitAt(in, k++));
    }
    for (const std::uint16_t a : difus) {
        plc.setDifuLast(a, bitAt(in, k++));
    }
    for (const std::uint8_t n : timers) {
        plc.setTimReset(n, bitAt(in, k++));
    }
    for (const std::uint8_t n : counters) {
        plc.setCntLast(n, bitAt(in, k++));
    }
    const std::uint8_t* values = in + (bitCount() + 7) / 8;
    const auto get = [&] {
        std::int16_t value = 0;
        std::memcpy(&value, values, sizeof value);
        values += sizeof value;
        return value;
    };
    for (const std::uint8_t n : timers) {
        plc.setTimValue(n, get());
    }
    for (const std::uint8_t n : counters) {
        plc.setCntValue(n, get());
    }
}

} // namespace rungbox::explore
