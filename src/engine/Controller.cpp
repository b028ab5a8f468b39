#include "Controller.h"

#include "LineSyntax.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace rungbox::engine {

namespace {

// A display value no present value can have, so that the first show always reaches the panel.
constexpr int kNothingShown = INT32_MIN;

} // namespace

Controller::Controller(IoPanel& panel) : m_panel(panel) {
    m_timerShown.fill(kNothingShown);
    m_counterShown.fill(kNothingShown);
    // A new controller has every present value at 0: every timer and counter tests as done.
    for (int n = 0; n < kTimerCount; ++n) {
        m_bits[static_cast<std::size_t>(kTimerDoneBit + n)] = 1;
    }
    for (int n = 0; n < kCounterCount; ++n) {
        m_bits[static_cast<std::size_t>(kCounterDoneBit + n)] = 1;
    }
}

void Controller::setCntValue(int n, std::int16_t value) {
    m_cntValue[static_cast<std::size_t>(n)] = value;
    m_bits[static_cast<std::size_t>(kCounterDoneBit + n)] = value == 0;
}

void Controller::setTimValue(int n, std::int16_t value) {
    m_timValue[static_cast<std::size_t>(n)] = value;
    m_bits[static_cast<std::size_t>(kTimerDoneBit + n)] = value == 0;
}

void Controller::setLadderTable(int r, LadderLine line) {
    m_ladderTable[static_cast<std::size_t>(r)] = std::move(line);
    m_programStale = true;
}

void Controller::showTimer(int n, int value) {
    int& shown = m_timerShown[static_cast<std::size_t>(n)];
    if (shown != value) {
        shown = value;
        sendTimerText(n, value);
    }
}

void Controller::showCounter(int n, int value) {
    int& shown = m_counterShown[static_cast<std::size_t>(n)];
    if (shown != value) {
        shown = value;
        sendCounterText(n, value);
    }
}

// The text is built apart from the checks above, which run for every TIM and CNT line.
void Controller::sendTimerText(int n, int value) {
    m_panel.setTimerDisplay(n, timerText(value));
}

void Controller::sendCounterText(int n, int value) {
    m_panel.setCounterDisplay(n, std::to_string(value));
}

void Controller::reset() {
    std::fill_n(m_bits.begin(), kRelayCount, std::uint8_t{0});
    for (int n = 0; n < kCounterCount; ++n) {
        setCntValue(n, 0);
        m_counterShown[static_cast<std::size_t>(n)] = kNothingShown;
        showCounter(n, 0);
        m_cntLast[static_cast<std::size_t>(n)] = false;
    }
    for (int n = 0; n < kTimerCount; ++n) {
        setTimValue(n, 0);
        m_timerShown[static_cast<std::size_t>(n)] = kNothingShown;
        showTimer(n, 0);
        m_timReset[static_cast<std::size_t>(n)] = true;
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
    const std::uint16_t switches = m_panel.inputSwitches();
    for (int n = 0; n < kInputCount; ++n) {
        m_bits[static_cast<std::size_t>(n)] = (switches >> n) & 1U;
    }
    const std::uint16_t changed = switches ^ m_inputLampsShown;
    if (changed != 0) {
        for (int n = 0; n < kInputCount; ++n) {
            if ((changed >> n) & 1U) {
                m_panel.setInputLamp(n, (switches >> n) & 1U);
            }
        }
        m_inputLampsShown = switches;
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
                m_panel.setOutputLamp(n, (outputs >> n) & 1U);
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
    for (int n = 0; n < kTimerCount; ++n) {
        if (m_timReset[static_cast<std::size_t>(n)]) {
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
}

void Controller::compileIfNeeded() {
    if (m_programStale) {
        m_program = Program::decode(m_ladderTable);
        m_fused = FusedProgram::fuse(m_program);
        m_code = ScanCode::generate(m_fused, kTails);
        m_programStale = false;
    }
}

const Program& Controller::program() {
    compileIfNeeded();
    return m_program;
}

int Controller::scanReference() {
    compileIfNeeded();
    readInputs();
    bool result = false;
    std::array<bool, kBlockStackSize> stack{};
    for (const Step& step : m_program.steps()) {
        const auto bit = [&] { return (m_bits[step.operand] != 0) != step.negated; };
        switch (step.op) {
        case OpCode::Ld:
            stack[step.slot] = result;
            result = bit();
            break;
        case OpCode::And:
            result = result && bit();
            break;
        case OpCode::Or:
            result = result || bit();
            break;
        case OpCode::AndBlk:
            result = result && stack[step.slot];
            break;
        case OpCode::OrBlk:
            result = result || stack[step.slot];
            break;
        case OpCode::Out:
            m_bits[step.operand] = result;
            break;
        case OpCode::OutNot:
            m_bits[step.operand] = !result;
            break;
        case OpCode::Tim:
            timerStep(step.operand, result, step.setValue);
            break;
        case OpCode::Cnt:
            counterStep(step.operand, stack[step.slot], result, step.setValue);
            break;
        case OpCode::Difu:
            difuStep(step.operand, result);
            break;
        case OpCode::Sft:
            shiftStep(step.operand, step.setValue, stack[step.slot], stack[step.slot + 1u], result);
            break;
        case OpCode::End:
            showOutputs();
            return 0;
        case OpCode::Invalid:
            return step.line;
        }
    }
    assert(false && "a decoded program ends in END or an invalid step");
    return 0;
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
    } else {
        static_assert(op == OpCode::End, "every kind the table marks as a tail has its step here");
        plc.showOutputs();
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
    if (!m_code.usable()) {
        return scanFused();
    }
    readInputs();
    return m_code.run(m_bits.data(), this);
}

int Controller::scanFused() {
    compileIfNeeded();
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
