// SPDX-License-Identifier: GPL-3.0-or-later
#include "StateLayout.h"

#include "engine/AddressMap.h"
#include "engine/BitAddress.h"

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

// The constant and first-cycle relays, which the scan writes before its first line
// (BitAddress.h): a line reads them as the scan set them, never as state. (The scan writes the
// clock pulses too, but programs that read them are not explored: Explorable.h.)
bool writtenByScan(int byte) {
    return byte == engine::flatRelayByte(engine::kAlwaysOn) ||
           byte == engine::flatRelayByte(engine::kAlwaysOff) ||
           byte == engine::flatRelayByte(engine::kFirstCycle);
}

// A contact reads a relay, or the done flag of a timer or counter: that unit's present value is
// state even when no TIM or CNT line before END steps it, for preparation may have loaded it
// from a line after END.
void readContact(StateLayout& layout, std::vector<Access>& first, int operand) {
    if (operand >= engine::kRelayCount) { // a done flag, or a bit of an extended area
        const auto address = engine::addressAtByte(operand);
        if (address && address->area == engine::Area::Timer) {
            addOnce(layout.timers, address->number);
            return;
        }
        if (address && address->area == engine::Area::Counter) {
            addOnce(layout.counters, address->number);
            return;
        }
    }
    if (operand == engine::flatRelayByte(engine::kFirstCycle)) {
        layout.firstCycle = true;
    }
    if (!writtenByScan(operand)) {
        read(first, operand);
    }
}

// A line that writes its bit on every scan, or only on some (then the bit keeps its value on the
// others, so the line reads it).
void writeAlways(std::vector<Access>& first, int address, bool always) {
    if (always) {
        write(first, address);
    } else {
        read(first, address);
    }
}

// What `step` reads and writes, in the order a scan does.
void visit(StateLayout& layout, std::vector<Access>& first, const engine::Step& step) {
    const bool guarded = step.skippable || step.interlocked;
    switch (step.kind()) {
    case OpCode::Ld:
    case OpCode::And:
    case OpCode::Or:
        readContact(layout, first, step.operand);
        break;
    case OpCode::Out:
    case OpCode::OutNot: // an interlocked OUT writes off; a skipped one writes nothing
        writeAlways(first, step.operand, !step.skippable);
        break;
    case OpCode::Difu: // writes only on an edge: the relay keeps its value otherwise
        read(first, step.operand);
        addOnce(layout.difus, step.operand);
        break;
    case OpCode::Difd: // writes every scan unless an interlock or a jump holds it
        writeAlways(first, step.operand, !guarded);
        addOnce(layout.difds, step.operand);
        break;
    case OpCode::Keep: // KEEP's memory is its bit
    case OpCode::Set:
    case OpCode::Rset:
        read(first, step.operand);
        break;
    case OpCode::Sft: // every bit moves: each is read
        for (int a = std::min<int>(step.operand, step.setValue);
             a <= std::max<int>(step.operand, step.setValue); ++a) {
            read(first, a);
        }
        break;
    case OpCode::Tim:
    case OpCode::Timh:
        addOnce(layout.timers, step.operand);
        layout.timed = true;
        break;
    case OpCode::Cnt:
        addOnce(layout.counters, step.operand);
        break;
    case OpCode::Cntr:
        addOnce(layout.counters, step.operand);
        addOnce(layout.reversible, step.operand);
        break;
    default:
        break;
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
    std::vector<Access> first(engine::kWorkspaceSize, Access::None);
    for (const engine::Step& step : program.steps()) {
        visit(layout, first, step);
    }
    for (int a = 0; a < engine::kWorkspaceSize; ++a) {
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
    return relays.size() + difus.size() + difds.size() + timers.size() + counters.size() +
           2 * reversible.size() + (firstCycle ? 1 : 0);
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
    for (const std::uint16_t a : difds) {
        setBit(out, k++, plc.difdLast(a));
    }
    for (const std::uint8_t n : timers) {
        setBit(out, k++, plc.timReset(n));
    }
    for (const std::uint8_t n : counters) {
        setBit(out, k++, plc.cntLast(n));
    }
    for (const std::uint8_t n : reversible) {
        setBit(out, k++, plc.cntrDownLast(n));
        setBit(out, k++, plc.bit(engine::counterDoneByte(n)));
    }
    if (firstCycle) {
        setBit(out, k++, plc.firstCycle());
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
    for (const std::uint16_t a : difds) {
        plc.setDifdLast(a, bitAt(in, k++));
    }
    for (const std::uint8_t n : timers) {
        plc.setTimReset(n, bitAt(in, k++));
    }
    for (const std::uint8_t n : counters) {
        plc.setCntLast(n, bitAt(in, k++));
    }
    const std::size_t reversibleBits = k; // their done flags go in after the values
    k += 2 * reversible.size();
    if (firstCycle) {
        plc.setFirstCycle(bitAt(in, k++));
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
    // A CNTR's done flag does not follow its value: it goes in after the value set it.
    k = reversibleBits;
    for (const std::uint8_t n : reversible) {
        plc.setCntrDownLast(n, bitAt(in, k++));
        plc.setCounterDone(n, bitAt(in, k++));
    }
}

} // namespace rungbox::explore
