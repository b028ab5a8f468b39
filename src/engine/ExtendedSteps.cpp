// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of the extended instruction set, with the behaviour of the makers' programming
// manuals for the CPM1A/CP1E class. Where the manuals of the class differ, the choice is said at
// the step.

#include "BitAddress.h"
#include "Controller.h"

#include <cassert>

namespace rungbox::engine {

namespace {

// The clock-pulse relays: flat relay and half period in milliseconds. Each is off for the first
// half of its period and on for the second, counted from the start of the run, so a script's
// `wait` meets every edge at the same moment in every run.
struct ClockPulse {
    int flat;
    std::uint64_t halfPeriodMs;
};
constexpr std::array kClockPulses{
    ClockPulse{kClock20ms, 10}, ClockPulse{kClock100ms, 50},   ClockPulse{kClock200ms, 100},
    ClockPulse{kClock1s, 500},  ClockPulse{kClock1min, 30000},
};

} // namespace

void Controller::setInstructionSet(InstructionSet set) {
    if (set != m_set) {
        m_set = set;
        m_timersInUse = set == InstructionSet::Classic ? kTimerCount : kTimerSlots;
        m_programStale = true;
    }
}

void Controller::clearRetained() {
    std::fill(m_bits.begin() + kHoldingByte, m_bits.begin() + kAuxiliaryByte, std::uint8_t{0});
    m_dm.fill(0);
}

void Controller::beginExtendedScan() {
    const auto put = [this](int flat, bool on) {
        const int byte = flatRelayByte(flat);
        if (!forced(byte)) {
            m_bits[static_cast<std::size_t>(byte)] = on ? 1 : 0;
        }
    };
    put(kAlwaysOn, true);
    put(kAlwaysOff, false);
    put(kFirstCycle, m_firstCycle);
    m_firstCycle = false;
    for (const ClockPulse& pulse : kClockPulses) {
        put(pulse.flat, (m_clockMs / pulse.halfPeriodMs) % 2 == 1);
    }
    // Lines outside every IL region run as if interlocked by an "on" condition.
    m_bits[kInterlockByte] = 1;
}

void Controller::hundredthTick() {
    if (m_set == InstructionSet::Classic) {
        return;
    }
    for (int n = 0; n < kTimerSlots; ++n) {
        const auto i = static_cast<std::size_t>(n);
        if (!m_timHundredths[i] || m_timReset[i]) {
            continue;
        }
        if (timValue(n) > 0) {
            setTimValue(n, static_cast<std::int16_t>(timValue(n) - 1));
        }
        showTimer(n, timValue(n));
    }
}

void Controller::writeBit(int byte, bool on) {
    if (!forced(byte)) {
        m_bits[static_cast<std::size_t>(byte)] = on ? 1 : 0;
    }
}

// CNTR: counts up on a rising increment input and down on a rising decrement input (both at
// once: no count), between 0 and the set value. Counting up from the set value wraps to 0 and
// counting down from 0 wraps to the set value; the done flag is on exactly after such a wrap and
// goes off with the next count. The reset input sets 0 with the flag off and stops counting
// while it is on.
void Controller::reversibleCount(int n, bool up, bool down, bool reset, std::int16_t setValue) {
    const auto i = static_cast<std::size_t>(n);
    const bool rose = up && !m_cntLast[i];
    const bool fell = down && !m_cntrDownLast[i];
    m_cntLast[i] = up;
    m_cntrDownLast[i] = down;
    if (reset) {
        setCntValue(n, 0);
        setCounterDone(n, false);
    } else if (rose != fell) {
        const int value = cntValue(n);
        bool wrapped = false;
        int next = 0;
        if (rose) {
            wrapped = value >= setValue;
            next = wrapped ? 0 : value + 1;
        } else {
            wrapped = value <= 0;
            next = wrapped ? setValue : value - 1;
        }
        setCntValue(n, static_cast<std::int16_t>(next));
        setCounterDone(n, wrapped);
    }
    showCounter(n, cntValue(n));
}

void Controller::extendedStep(const Step& step, bool result, bool s0, bool s1) {
    if (step.op != OpCode::Guarded) {
        effect(step.op, step, result, s0, s1);
        return;
    }
    // JMP/JME: a skipped line does nothing; what it wrote before holds.
    if (step.skippable && m_bits[step.skipByte] == 0) {
        return;
    }
    if (step.interlocked && m_bits[kInterlockByte] == 0) {
        interlockedEffect(step.inner, step);
        return;
    }
    effect(step.inner, step, result, s0, s1);
}

// An interlocked line (IL's condition off), as the manuals of the class give it: OUT and OUT NOT
// write off, timers are reset; counters, KEEP, SET, RSET, shift registers and the edge steps
// (DIFU, DIFD, whose edge memories also hold) are not executed and keep their state.
void Controller::interlockedEffect(OpCode kind, const Step& step) {
    switch (kind) {
    case OpCode::Out:
    case OpCode::OutNot:
        writeBit(step.operand, false);
        break;
    case OpCode::Tim:
    case OpCode::Timh:
        effect(kind, step, false, false, false);
        break;
    default:
        break;
    }
}

void Controller::effect(OpCode kind, const Step& step, bool result, bool s0, bool s1) {
    if (isWordInstruction(kind)) {
        wordStep(kind, step, result);
        return;
    }
    const int address = step.operand;
    switch (kind) {
    case OpCode::Out:
    case OpCode::OutNot:
        writeBit(address, result != (kind == OpCode::OutNot));
        break;
    case OpCode::Tim:
    case OpCode::Timh:
        if (const auto setValue = setValueOf(step)) {
            m_timHundredths[step.operand] = kind == OpCode::Timh;
            timerStep(address, result, *setValue);
        }
        break;
    case OpCode::Cnt:
        if (const auto setValue = setValueOf(step)) {
            counterStep(address, s0, result, *setValue);
        }
        break;
    case OpCode::Cntr:
        if (const auto setValue = setValueOf(step)) {
            reversibleCount(address, s0, s1, result, *setValue);
        }
        break;
    case OpCode::Difu:
        difuStep(address, result);
        break;
    case OpCode::Sft:
        shiftStep(address, step.setValue, s0, s1, result);
        break;
    case OpCode::Keep:
        // The reset input wins when both are on.
        if (result) {
            writeBit(address, false);
        } else if (s0) {
            writeBit(address, true);
        }
        break;
    case OpCode::Difd: {
        const bool last = difdLast(address);
        setDifdLast(address, result);
        writeBit(address, last && !result);
        break;
    }
    case OpCode::Set:
        if (result) {
            writeBit(address, true);
        }
        break;
    case OpCode::Rset:
        if (result) {
            writeBit(address, false);
        }
        break;
    case OpCode::Il:
        m_bits[kInterlockByte] = (step.setValue == 0 || m_bits[kInterlockByte] != 0) && result;
        break;
    case OpCode::Ilc:
        m_bits[kInterlockByte] = 1;
        break;
    case OpCode::Jmp:
        m_bits[step.operand] = (!step.skippable || m_bits[step.skipByte] != 0) && result;
        break;
    case OpCode::Jme:
        break;
    default:
        assert(false && "classic kinds outside regions run on their own paths");
        break;
    }
}

} // namespace rungbox::engine
