// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program.h"

#include <cassert>

namespace rungbox::engine {

Step invalidStep(int lineNumber, Fault fault) {
    Step step;
    step.fault = fault;
    step.line = static_cast<std::int16_t>(lineNumber);
    return step;
}

namespace {

Step invalid(int lineNumber, Fault fault) {
    return invalidStep(lineNumber, fault);
}

bool inRange(int value, int first, int last) {
    return value >= first && value <= last;
}

} // namespace

Step decodeLine(const LadderLine& line, int lineNumber, int& depth) {
    const Form form = decodeForm(line.code);
    if (form.op == OpCode::Invalid) {
        return invalid(lineNumber, Fault::Syntax);
    }

    Step step;
    step.op = form.op;
    step.negated = form.negated;
    step.line = static_cast<std::int16_t>(lineNumber);
    step.setValue = line.setValue;

    // The operand, checked against its range so that no step can reach outside its array.
    const int n = line.location;
    switch (form.operand) {
    case Operand::Relay:
        if (!inRange(n, 0, kLastRelay)) {
            return invalid(lineNumber, Fault::OperandRange);
        }
        step.operand = static_cast<std::uint16_t>(n);
        break;
    case Operand::Timer:
        if (!inRange(n, 0, kTimerCount - 1)) {
            return invalid(lineNumber, Fault::OperandRange);
        }
        step.operand = static_cast<std::uint16_t>(form.op == OpCode::Tim ? n : kTimerDoneBit + n);
        break;
    case Operand::Counter:
        if (!inRange(n, 0, kCounterCount - 1)) {
            return invalid(lineNumber, Fault::OperandRange);
        }
        step.operand = static_cast<std::uint16_t>(form.op == OpCode::Cnt ? n : kCounterDoneBit + n);
        break;
    case Operand::None:
    case Operand::Jump: // the classic table has no jumps nor words
    case Operand::Word:
        break;
    }
    if (form.op == OpCode::Sft && !inRange(line.setValue, 0, kLastRelay)) {
        return invalid(lineNumber, Fault::ShiftRange);
    }
    return placeOnStack(step, depth);
}

Step placeOnStack(Step step, int& depth) {
    // The block stack, as the instruction table gives it: the pops take the top entries, the
    // push goes on top of what is left. `slot` is the lowest entry the line touches.
    const OpInfo& info = opInfo(step.kind());
    if (depth < info.pops) {
        return invalid(step.line, Fault::StackUnderflow);
    }
    if (depth - info.pops + info.pushes > kBlockStackSize) {
        return invalid(step.line, Fault::StackOverflow);
    }
    depth -= info.pops;
    if (info.pops + info.pushes > 0) {
        step.slot = static_cast<std::uint8_t>(depth);
    }
    depth += info.pushes;
    assert(depth >= 0 && depth <= kBlockStackSize);
    return step;
}

const WordOperands& Program::wordOperands(int line) const {
    static const WordOperands kNone;
    const auto r = static_cast<std::size_t>(line);
    return r < m_words.size() ? m_words[r] : kNone;
}

Program Program::decode(std::span<const LadderLine> table, InstructionSet set) {
    Program program;
    int depth = 0;
    OpenRegions regions;
    const int size = static_cast<int>(table.size());
    for (int r = 1; r < size; ++r) {
        const LadderLine& line = table[static_cast<std::size_t>(r)];
        Step step;
        if (set == InstructionSet::Classic) {
            step = decodeLine(line, r, depth);
        } else {
            const LadderLine* below =
                r + 1 < size ? &table[static_cast<std::size_t>(r + 1)] : nullptr;
            WordOperands words;
            step = decodeExtendedLine(line, below, r, depth, regions, words);
            if (words.count > 0) {
                program.m_words.resize(table.size());
                program.m_words[static_cast<std::size_t>(r)] = words;
            }
            if (takesOperandLine(step.kind())) {
                ++r; // the operand line is part of this step
            }
        }
        program.m_steps.push_back(step);
        if (depth > program.m_maxDepth) {
            program.m_maxDepth = depth;
        }
        if (step.op == OpCode::Invalid || step.op == OpCode::End) {
            return program;
        }
    }
    // Past the last record: the scan meets nothing it can execute.
    program.m_steps.push_back(invalid(static_cast<int>(table.size()), Fault::Syntax));
    return program;
}

} // namespace rungbox::engine
