// SPDX-License-Identifier: GPL-3.0-or-later
// The word instructions of the extended set, with the behaviour of the makers' programming
// manuals for the CPM1A/CP1E class: they run while their condition is on ("@" forms once, when
// it rises); an operand that is no BCD where BCD is read sets the error flag P_ER and leaves
// every word as it was; a run never stops on data. Each instruction that can fail turns P_ER
// off when it succeeds, so the flag tells about the last such instruction.

#include "Bcd.h"
#include "BitAddress.h"
#include "Controller.h"

#include <cassert>

namespace rungbox::engine {

std::uint16_t Controller::word(WordAddress address) const {
    assert(address.valid());
    switch (address.area) {
    case WordArea::Dm:
        return m_dm[static_cast<std::size_t>(dmSlot(address.number))];
    case WordArea::TimerValue:
        return toBcd(timValue(address.number));
    case WordArea::CounterValue:
        return toBcd(cntValue(address.number));
    default:
        break;
    }
    unsigned value = 0;
    for (int b = 0; b < kBitsPerChannel; ++b) {
        value |= static_cast<unsigned>(bit(workspaceByte(address.bitOf(b))) ? 1 : 0) << b;
    }
    return static_cast<std::uint16_t>(value);
}

void Controller::writeWord(WordAddress address, std::uint16_t value) {
    assert(address.valid());
    switch (address.area) {
    case WordArea::Dm:
        if (!m_dmForces.contains(address.number)) {
            m_dm[static_cast<std::size_t>(dmSlot(address.number))] = value;
        }
        return;
    case WordArea::TimerValue:
        if (const auto pv = fromBcd(value)) {
            setTimValue(address.number, static_cast<std::int16_t>(*pv));
        }
        return;
    case WordArea::CounterValue:
        if (const auto pv = fromBcd(value)) {
            setCntValue(address.number, static_cast<std::int16_t>(*pv));
        }
        return;
    default:
        break;
    }
    for (int b = 0; b < kBitsPerChannel; ++b) {
        writeBit(workspaceByte(address.bitOf(b)), ((value >> b) & 1) != 0);
    }
}

void Controller::setWord(WordAddress address, std::uint16_t value) {
    writeWord(address, value);
}

void Controller::forceWord(WordAddress address, std::uint16_t value) {
    assert(address.valid());
    if (address.area == WordArea::Dm) {
        m_dmForces[address.number] = value;
        m_dm[static_cast<std::size_t>(dmSlot(address.number))] = value;
        return;
    }
    if (address.ofBits()) {
        for (int b = 0; b < kBitsPerChannel; ++b) {
            force(workspaceByte(address.bitOf(b)), ((value >> b) & 1) != 0);
        }
    }
}

void Controller::unforceWord(WordAddress address) {
    if (address.area == WordArea::Dm) {
        m_dmForces.erase(address.number);
        return;
    }
    if (address.ofBits()) {
        for (int b = 0; b < kBitsPerChannel; ++b) {
            unforce(workspaceByte(address.bitOf(b)));
        }
    }
}

std::optional<std::uint16_t> Controller::forcedWord(WordAddress address) const {
    if (address.area == WordArea::Dm) {
        const auto it = m_dmForces.find(address.number);
        return it == m_dmForces.end() ? std::nullopt : std::optional(it->second);
    }
    if (!address.ofBits()) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (int b = 0; b < kBitsPerChannel; ++b) {
        const auto on = forcedValue(workspaceByte(address.bitOf(b)));
        if (!on) {
            return std::nullopt;
        }
        value |= static_cast<unsigned>(*on ? 1 : 0) << b;
    }
    return static_cast<std::uint16_t>(value);
}

std::uint16_t Controller::read(const WordOperand& operand) const {
    return operand.constant ? operand.value : word(operand.address);
}

void Controller::writeFlag(int flat, bool on) {
    writeBit(flatRelayByte(flat), on);
}

// A timer's or counter's set value: the constant, or the BCD word that holds it. A word that is
// no BCD sets P_ER and the step does not run this scan.
std::optional<std::int16_t> Controller::setValueOf(const Step& step) {
    if (step.setValue != kWordSetValue) {
        return step.setValue;
    }
    const auto value = fromBcd(read(m_program.wordOperands(step.line).operand[0]));
    writeFlag(kErrorFlag, !value);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(*value);
}

void Controller::wordStep(OpCode kind, const Step& step, bool result) {
    if (step.differentiated) {
        const auto line = static_cast<std::size_t>(step.line);
        const bool rose = result && !m_lineEdge[line];
        m_lineEdge[line] = result;
        if (!rose) {
            return;
        }
    } else if (!result) {
        return;
    }
    const WordOperands& words = m_program.wordOperands(step.line);
    const auto source = [&](int i) { return read(words.operand[static_cast<std::size_t>(i)]); };
    const auto destination = [&](int i) {
        return words.operand[static_cast<std::size_t>(i)].address;
    };
    // Writes a result word with the equal flag; P_ER off, since the instruction succeeded.
    const auto put = [&](WordAddress to, std::uint16_t value) {
        writeWord(to, value);
        writeFlag(kEqualFlag, value == 0);
        writeFlag(kErrorFlag, false);
    };
    const auto bcd = [&](int i) { return fromBcd(source(i)); };
    const bool carry = bit(flatRelayByte(kCarryFlag));
    switch (kind) {
    case OpCode::Mov:
        put(destination(1), source(0));
        break;
    case OpCode::Mvn:
        put(destination(1), static_cast<std::uint16_t>(~source(0)));
        break;
    case OpCode::Cmp: {
        const std::uint16_t a = source(0);
        const std::uint16_t b = source(1);
        writeFlag(kGreaterFlag, a > b);
        writeFlag(kEqualFlag, a == b);
        writeFlag(kLessFlag, a < b);
        writeFlag(kErrorFlag, false);
        break;
    }
    case OpCode::Inc:
    case OpCode::Dec: {
        const auto value = bcd(0);
        if (!value) {
            writeFlag(kErrorFlag, true);
            break;
        }
        // 9999 + 1 gives 0000 and 0000 - 1 gives 9999; the carry is not touched.
        const int next = kind == OpCode::Inc ? (*value + 1) % 10000 : (*value + 9999) % 10000;
        put(destination(0), toBcd(next));
        break;
    }
    case OpCode::Add:
    case OpCode::Sub: {
        const auto a = bcd(0);
        const auto b = bcd(1);
        if (!a || !b) {
            writeFlag(kErrorFlag, true);
            break;
        }
        // The carry takes part: ADD gives a + b + CY, SUB a - b - CY. A sum above 9999 keeps
        // its last four digits with CY on; a negative difference gives its ten's complement
        // (10000 + difference) with CY on.
        const int value =
            kind == OpCode::Add ? *a + *b + (carry ? 1 : 0) : *a - *b - (carry ? 1 : 0);
        const bool out = value > 9999 || value < 0;
        put(destination(2), toBcd((value + 10000) % 10000));
        writeFlag(kCarryFlag, out);
        break;
    }
    case OpCode::Clc:
        writeFlag(kCarryFlag, false);
        break;
    case OpCode::Stc:
        writeFlag(kCarryFlag, true);
        break;
    case OpCode::Bin: {
        const auto value = bcd(0);
        if (!value) {
            writeFlag(kErrorFlag, true);
            break;
        }
        put(destination(1), static_cast<std::uint16_t>(*value));
        break;
    }
    case OpCode::Bcd: {
        const std::uint16_t value = source(0);
        if (value > 9999) {
            writeFlag(kErrorFlag, true);
            break;
        }
        put(destination(1), toBcd(value));
        break;
    }
    default:
        assert(false && "only word instructions come here");
        break;
    }
}

} // namespace rungbox::engine
