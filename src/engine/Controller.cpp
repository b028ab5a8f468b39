// SPDX-License-Identifier: GPL-3.0-or-later
#include "Controller.h"

#include "BitAddress.h"
#include "LineSyntax.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace rungbox::engine {

namespace {

// A display value no present value can have, so that the first show always reaches the panel.
constexpr int kNothingShown = INT32_MIN;

// `lamps` (lamp n in bit n) with lamp `n` set to `on`.
std::uint16_t withBit(std::uint16_t lamps, int n, bool on) {
    const auto bit = static_cast<std::uint16_t>(1U << n);
    return static_cast<std::uint16_t>(on ? lamps | bit : lamps & ~bit);
}

} // namespace

Controller::Controller(IoPanel& panel) : m_panel(panel) {
    m_timerShown.fill(kNothingShown);
    m_counterShown.fill(kNothingShown);
    // A new controller has every present value at 0: every timer and counter tests as done.
    for (int n = 0; n < kTimerSlots; ++n) {
        m_bits[static_cast<std::size_t>(timerDoneByte(n))] = 1;
        m_bits[static_cast<std::size_t>(counterDoneByte(n))] = 1;
    }
}

void Controller::setCntValue(int n, std::int16_t value) {
    m_cntValue[static_cast<std::size_t>(n)] = value;
    m_bits[static_cast<std::size_t>(counterDoneByte(n))] = value == 0;
}

void Controller::setTimValue(int n, std::int16_t value) {
    m_timValue[static_cast<std::size_t>(n)] = value;
    m_bits[static_cast<std::size_t>(timerDoneByte(n))] = value == 0;
}

void Controller::setLadderTable(int r, LadderLine line) {
    m_ladderTable[static_cast<std::size_t>(r)] = std::move(line);
    m_programStale = true;
}

void Controller::showTimer(int n, int value) {
    if (n >= kTimerCount) {
        return; // the panel shows timers 0 to 7
    }
    int& shown = m_timerShown[static_cast<std::size_t>(n)];
    if (shown != value) {
        shown = value;
        sendTimerText(n, value);
    }
}

void Controller::showCounter(int n, int value) {
    if (n >= kCounterCount) {
        return; // the panel shows counters 0 to 7
    }
    int& shown = m_counterShown[static_cast<std::size_t>(n)];
    if (shown != value) {
        shown = value;
        sendCounterText(n, value);
    }
}

// The text is built apart from the checks above, which run for every TIM and CNT line.
void Controller::sendTimerText(int n, int value) {
    m_panel.setTimerDisplay(n, m_timHundredths[static_cast<std::size_t>(n)] ? hundredthsText(value)
                                                                            : timerText(value));
}

void Controller::sendCounterText(int n, int value) {
    m_panel.setCounterDisplay(n, std::to_string(value));
}

void Controller::reset() {
    releaseForces();
    m_midScan = false;
    std::fill_n(m_bits.begin(), kRelayCount, std::uint8_t{0});
    // The extended areas, all but the holding relays.
    std::fill(m_bits.begin() + kHighRelayByte, m_bits.begin() + kHoldingByte, std::uint8_t{0});
    std::fill(m_bits.begin() + kAuxiliaryByte, m_bits.end(), std::uint8_t{0});
    m_difdLast.fill(0);
    m_cntrDownLast.fill(false);
    m_timHundredths.fill(false);
    m_lineEdge.reset();
    m_firstCycle = true;
    for (int n = 0; n < kTimerSlots; ++n) {
        setCntValue(n, 0);
        m_cntLast[static_cast<std::size_t>(n)] = false;
        setTimValue(n, 0);
        m_timReset[static_cast<std::size_t>(n)] = true;
    }
    for (int n = 0; n < kCounterCount; ++n) {
        m_counterShown[static_cast<std::size_t>(n)] = kNothingShown;
        showCounter(n, 0);
    }
    for (int n = 0; n < kTimerCount; ++n) {
        m_timerShown[static_cast<std::size_t>(n)] = kNothingShown;
        showTimer(n, 0);
    }
    for (int n = 0; n < kInputCount; ++n) {
        m_panel.setOutputLamp(n, false);
        m_panel.setInputLamp(n, false);
        m_panel.uncheckInputSwitch(n);
    }
    m_inputLampsShown = 0;
    m_outputLampsShown = 0;
    m_panel.setRunLamp(m_simulating);
}

void Controller::readInputs() {
    std::uint16_t switches = m_panel.inputSwitches();
    for (int n = 0; n < kInputCount; ++n) {
        m_bits[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>((switches >> n) & 1);
    }
    if (!m_forces.empty()) [[unlikely]] {
        // A forced input ignores its switch; its lamp shows the forced value.
        applyForces();
        switches = 0;
        for (int n = 0; n < kInputCount; ++n) {
            switches |= static_cast<std::uint16_t>(m_bits[static_cast<std::size_t>(n)] << n);
        }
    }
    const std::uint16_t changed = switches ^ m_inputLampsShown;
    if (changed != 0) {
        for (int n = 0; n < kInputCount; ++n) {
            if ((changed >> n) & 1U) {
                m_panel.setInputLamp(n, ((switches >> n) & 1) != 0);
            }
        }
        m_inputLampsShown = switches;
    }
    if (m_set != InstructionSet::Classic) [[unlikely]] {
        beginExtendedScan();
    }
}

void Controller::showOutputs() {
    std::uint16_t outputs = 0;
    for (int n = 0; n < kOutputCount; ++n) {
        outputs |= static_cast<std::uint16_t>(
            m_bits[static_cast<std::size_t>(kFirstOutputRelay + n)] << n);
    }
    const std::uint16_t changed = outputs ^ m_outputLampsShown;
    if (changed != 0) {
        for (int n = 0; n < kOutputCount; ++n) {
            if ((changed >> n) & 1U) {
                m_panel.setOutputLamp(n, ((outputs >> n) & 1) != 0);
            }
        }
        m_outputLampsShown = outputs;
    }
}

void Controller::timerStep(int n, bool input, std::int16_t setValue) {
    if (input) {
        m_timReset[static_cast<std::size_t>(n)] = false;
        return;
    }
    m_timReset[static_cast<std::size_t>(n)] = true;
    setTimValue(n, setValue);
    showTimer(n, setValue);
}

void Controller::counterStep(int n, bool count, bool reset, std::int16_t setValue) {
    bool& last = m_cntLast[static_cast<std::size_t>(n)];
    if (!last && count) {
        if (cntValue(n) > 0) {
            setCntValue(n, static_cast<std::int16_t>(cntValue(n) - 1));
        }
        last = true;
    } else if (last && !count) {
        last = false;
    }
    if (reset) {
        setCntValue(n, setValue);
    }
    showCounter(n, cntValue(n));
}

void Controller::tick() {
    for (int n = 0; n < m_timersInUse; ++n) {
        if (m_timReset[static_cast<std::size_t>(n)] ||
            m_timHundredths[static_cast<std::size_t>(n)]) {
            continue;
        }
        if (timValue(n) > 0) {
            setTimValue(n, static_cast<std::int16_t>(timValue(n) - 1));
        }
        showTimer(n, timValue(n));
    }
}

void Controller::difuStep(int address, bool input) {
    auto& last = m_difuLast[static_cast<std::size_t>(address)];
    auto& out = m_bits[static_cast<std::size_t>(address)];
    if (!last) {
        if (input) {
            out = 1;
            last = 1;
        }
    } else {
        out = 0;
        if (!input) {
            last = 0;
        }
    }
    if (!m_forces.empty()) [[unlikely]] {
        applyForces();
    }
}

void Controller::shiftStep(int first, int last, bool data, bool clock, bool reset) {
    auto* r = m_bits.data();
    if (clock && first != last) {
        // Every bit moves one address towards `first`; the data enters at `last`.
        if (first < last) {
            std::copy(r + first + 1, r + last + 1, r + first);
        } else {
            std::copy_backward(r + last, r + first, r + first + 1);
        }
        r[last] = data;
    }
    if (reset) {
        std::fill(r + std::min(first, last), r + std::max(first, last) + 1, std::uint8_t{0});
    }
    if (!m_forces.empty()) [[unlikely]] {
        applyForces();
    }
}

void Controller::compileIfNeeded() {
    if (m_programStale) {
        m_program = Program::decode(m_ladderTable, m_set);
        m_midScan = false; // the position named a line of the old program
        m_fuseStale = true;
        m_breakpointsStale = true;
        m_programStale = false;
    }
    if (m_fuseStale) {
        m_fused = m_forces.empty() ? FusedProgram::fuse(m_program)
                                   : FusedProgram::fuse(m_program, [this](int address) {
                                         return m_forces.contains(address);
                                     });
        m_code = ScanCode::generate(m_fused, kTails);
        m_fuseStale = false;
    }
    if (m_breakpointsStale) {
        m_breakInProgram = std::any_of(m_program.steps().begin(), m_program.steps().end(),
                                       [this](const Step& step) { return breakpoint(step.line); });
        m_breakpointsStale = false;
    }
}

const Program& Controller::program() {
    compileIfNeeded();
    return m_program;
}

int Controller::scanReference() {
    return runLines(false);
}

int Controller::stepLine() {
    return runLines(true);
}

int Controller::runLines(bool oneLine) {
    compileIfNeeded();
    const bool resuming = m_midScan;
    if (!m_midScan) {
        readInputs();
        m_midScan = true;
        m_position = 0;
        m_result = false;
        m_depth = 0;
    }
    const std::vector<Step>& steps = m_program.steps();
    for (bool first = true;; first = false) {
        assert(m_position < steps.size() && "a decoded program ends in END or an invalid step");
        const Step& step = steps[m_position];
        // A scan that resumes executes the line it paused before, breakpoint or not.
        if (!oneLine && !(first && resuming) && breakpoint(step.line)) {
            return 0;
        }
        if (step.op == OpCode::Invalid) {
            m_midScan = false;
            return step.line;
        }
        executeStep(step);
        if (step.op == OpCode::End) {
            m_midScan = false;
            return 0;
        }
        ++m_position;
        if (oneLine) {
            return 0;
        }
    }
}

void Controller::executeStep(const Step& step) {
    const auto bit = [&] { return (m_bits[step.operand] != 0) != step.negated; };
    const auto slot = static_cast<std::size_t>(step.slot);
    switch (step.op) {
    case OpCode::Ld:
        m_stack[slot] = m_result;
        m_result = bit();
        break;
    case OpCode::And:
        m_result = m_result && bit();
        break;
    case OpCode::Or:
        m_result = m_result || bit();
        break;
    case OpCode::AndBlk:
        m_result = m_result && m_stack[slot];
        break;
    case OpCode::OrBlk:
        m_result = m_result || m_stack[slot];
        break;
    case OpCode::Out:
    case OpCode::OutNot:
        if (!forced(step.operand)) {
            m_bits[step.operand] = m_result != (step.op == OpCode::OutNot);
        }
        break;
    case OpCode::Tim:
        timerStep(step.operand, m_result, step.setValue);
        break;
    case OpCode::Cnt:
        counterStep(step.operand, m_stack[slot], m_result, step.setValue);
        break;
    case OpCode::Difu:
        difuStep(step.operand, m_result);
        break;
    case OpCode::Sft:
        shiftStep(step.operand, step.setValue, m_stack[slot], m_stack[slot + 1], m_result);
        break;
    case OpCode::End:
        showOutputs();
        break;
    case OpCode::Invalid:
        assert(false && "an invalid step is never executed");
        break;
    default: {
        const int pops = opInfo(step.kind()).pops;
        extendedStep(step, m_result, pops > 0 && m_stack[slot], pops > 1 && m_stack[slot + 1]);
        break;
    }
    }
    const OpInfo& info = opInfo(step.kind());
    m_depth = m_depth - info.pops + info.pushes;
    assert(m_depth >= 0 && m_depth <= kBlockStackSize);
}

int Controller::nextLine() {
    compileIfNeeded();
    return m_midScan ? m_program.steps()[m_position].line : 0;
}

std::vector<bool> Controller::blockStack() const {
    std::vector<bool> entries;
    for (int k = m_midScan ? m_depth : 0; k > 0; --k) {
        entries.push_back(m_stack[static_cast<std::size_t>(k - 1)]);
    }
    return entries;
}

void Controller::force(int address, bool on) {
    assert(addressAtByte(address).has_value());
    const auto [it, added] = m_forces.insert_or_assign(address, on);
    (void)it;
    m_bits[static_cast<std::size_t>(address)] = on;
    if (added) {
        m_fuseStale = true; // the fused program leaves the relay's writes out
    }
    // The lamp shows the forced value at once, not at the next scan: the run may be paused. Only
    // that lamp changes: the others keep what the last END showed, whatever a paused scan wrote.
    if (address < kInputCount) {
        m_inputLampsShown = withBit(m_inputLampsShown, address, on);
        m_panel.setInputLamp(address, on);
    } else if (address >= kFirstOutputRelay && address < kFirstOutputRelay + kOutputCount) {
        const int n = address - kFirstOutputRelay;
        m_outputLampsShown = withBit(m_outputLampsShown, n, on);
        m_panel.setOutputLamp(n, on);
    }
}

void Controller::unforce(int address) {
    if (m_forces.erase(address) != 0) {
        m_fuseStale = true;
    }
}

std::optional<bool> Controller::forcedValue(int address) const {
    const auto it = m_forces.find(address);
    return it == m_forces.end() ? std::nullopt : std::optional<bool>(it->second);
}

void Controller::releaseForces() {
    m_dmForces.clear();
    if (!m_forces.empty()) {
        m_forces.clear();
        m_fuseStale = true;
    }
}

void Controller::applyForces() {
    for (const auto& [address, on] : m_forces) {
        m_bits[static_cast<std::size_t>(address)] = on;
    }
}

void Controller::setBreakpoint(int line, bool on) {
    assert(line >= 0 && line < kLadderTableSize);
    m_breakpoints.set(static_cast<std::size_t>(line), on);
    m_breakpointsStale = true;
}

void Controller::clearBreakpoints() {
    m_breakpoints.reset();
    m_breakpointsStale = true;
}

const FusedProgram& Controller::fusedProgram() {
    compileIfNeeded();
    return m_fused;
}

bool Controller::runsMachineCode() {
    compileIfNeeded();
    return m_code.usable();
}

template <OpCode op> void Controller::tail(void* self, const Step* step, unsigned result) noexcept {
    auto& plc = *static_cast<Controller*>(self);
    const std::uint8_t* stack = plc.m_bits.data() + kStackByte + step->slot;
    if constexpr (op == OpCode::Tim) {
        plc.timerStep(step->operand, result != 0, step->setValue);
    } else if constexpr (op == OpCode::Cnt) {
        plc.counterStep(step->operand, stack[0] != 0, result != 0, step->setValue);
    } else if constexpr (op == OpCode::Difu) {
        plc.difuStep(step->operand, result != 0);
    } else if constexpr (op == OpCode::Sft) {
        plc.shiftStep(step->operand, step->setValue, stack[0] != 0, stack[1] != 0, result != 0);
    } else if constexpr (op == OpCode::End) {
        plc.showOutputs();
    } else {
        // The extended set's steps: the stack entries they pop lie in the workspace.
        const int pops = opInfo(step->kind()).pops;
        plc.extendedStep(*step, result != 0, pops > 0 && stack[0] != 0, pops > 1 && stack[1] != 0);
    }
}

namespace {

// The tail functions of every kind the instruction table marks as a tail, indexed by OpCode.
template <std::size_t... I>
constexpr ScanCode::Tails tailTable(std::index_sequence<I...>, auto tailOf) {
    return {{tailOf(std::integral_constant<OpCode, static_cast<OpCode>(I)>{})...}};
}

} // namespace

const ScanCode::Tails Controller::kTails = tailTable(
    std::make_index_sequence<kOpCodeCount>{}, []<OpCode op>(std::integral_constant<OpCode, op>) {
        if constexpr (opInfo(op).tail) {
            return ScanCode::TailFn{&Controller::tail<op>};
        } else {
            return ScanCode::TailFn{nullptr};
        }
    });

void Controller::runTail(const Step& step, unsigned result) {
    const ScanCode::TailFn fn = kTails[static_cast<std::size_t>(step.op)];
    assert(fn != nullptr && "only tail steps come here");
    fn(this, &step, result);
}

int Controller::scan() {
    compileIfNeeded();
    if (m_midScan || m_breakInProgram) {
        return scanReference();
    }
    if (!m_code.usable()) {
        return scanFused();
    }
    readInputs();
    return m_code.run(m_bits.data(), this);
}

int Controller::scanFused() {
    compileIfNeeded();
    if (m_midScan || m_breakInProgram) {
        return scanReference();
    }
    readInputs();
    std::uint8_t* const mem = m_bits.data();
    const FusedOp* op = m_fused.ops().data();
    unsigned result = 0;
    for (const FusedSegment& segment : m_fused.segments()) {
        // The run: the same few instructions for every operation, no branch but the loop's.
        for (const FusedOp* const end = m_fused.ops().data() + segment.opEnd; op != end; ++op) {
            mem[op->write] = static_cast<std::uint8_t>(result ^ op->invert);
            const unsigned logic = op->logic[mem[op->read]];
            result = (result & logic) | (logic >> 1);
        }
        const Step& step = segment.tail;
        if (step.op == OpCode::Invalid) {
            return step.line;
        }
        runTail(step, result);
        if (step.op == OpCode::End) {
            return 0;
        }
    }
    assert(false && "the last segment ends in END or an invalid step");
    return 0;
}

} // namespace rungbox::engine
