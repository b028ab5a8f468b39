// SPDX-License-Identifier: GPL-3.0-or-later
#include "FusedProgram.h"

#include <cassert>
#include <optional>

namespace rungbox::engine {

namespace {

std::uint16_t stackByte(int slot) {
    return static_cast<std::uint16_t>(kStackByte + slot);
}

// Which LD steps push an entry that a later BLK, CNT or SFT pops. The depth of the stack at every
// line is fixed, so the entry a pop reads is the one the last LD into that slot pushed.
std::vector<bool> livePushes(const std::vector<Step>& steps) {
    std::vector<bool> live(steps.size(), false);
    std::array<std::optional<std::size_t>, kBlockStackSize + 1> pushedBy{};
    const auto popped = [&](int slot) {
        if (const auto& ld = pushedBy[static_cast<std::size_t>(slot)]) {
            live[*ld] = true;
        }
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        const OpInfo& info = opInfo(step.kind());
        for (int k = 0; k < info.pops; ++k) {
            popped(step.slot + k);
        }
        if (info.pushes > 0) {
            assert(info.pushes == 1); // one entry per line: `slot` names it
            pushedBy[step.slot] = i;
        }
    }
    return live;
}

} // namespace

std::array<std::uint8_t, 2> fusedLogic(Combine combine, bool negated) {
    std::array<std::uint8_t, 2> logic{};
    for (unsigned b = 0; b < 2; ++b) {
        const bool condition = (b != 0) != negated;
        bool keep = false;
        bool set = false;
        switch (combine) {
        case Combine::Load:
            set = condition;
            break;
        case Combine::And:
            keep = condition;
            break;
        case Combine::Or:
            keep = true;
            set = condition;
            break;
        case Combine::Keep:
            keep = true;
            break;
        }
        logic[b] = static_cast<std::uint8_t>((keep ? 1 : 0) | (set ? 2 : 0));
    }
    return logic;
}

FusedProgram FusedProgram::fuse(const Program& program, const ForcedRelays& forced) {
    FusedProgram fused;
    auto& ops = fused.m_ops;
    const std::vector<Step>& steps = program.steps();
    const std::vector<bool> live = livePushes(steps);

    // An OUT, OUT NOT or push whose write waits for the next contact, which does it first.
    std::optional<FusedOp> pending;
    const auto flush = [&] {
        if (pending) {
            ops.push_back(*pending);
            pending.reset();
        }
    };
    const auto write = [&](std::uint16_t address, bool invert) {
        flush();
        pending = FusedOp{};
        pending->write = address;
        pending->invert = invert ? 1 : 0;
    };
    const auto contact = [&](std::uint16_t read, Combine combine, bool negated) {
        FusedOp op = pending.value_or(FusedOp{});
        pending.reset();
        op.read = read;
        op.logic = fusedLogic(combine, negated);
        op.kind = static_cast<std::uint8_t>(static_cast<unsigned>(combine) |
                                            (negated ? kNegatedKind : 0U));
        ops.push_back(op);
    };

    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        if (opInfo(step.op).tail || step.op == OpCode::Invalid) {
            // The step may read what an output wrote (DIFU, SFT, the lamps at END).
            flush();
            fused.m_segments.push_back({static_cast<std::uint32_t>(ops.size()), step});
            continue;
        }
        switch (step.op) {
        case OpCode::Ld:
            if (live[i]) {
                // The push stores the result before the LD loads its condition.
                write(stackByte(step.slot), false);
            }
            contact(step.operand, Combine::Load, step.negated);
            break;
        case OpCode::And:
            contact(step.operand, Combine::And, step.negated);
            break;
        case OpCode::Or:
            contact(step.operand, Combine::Or, step.negated);
            break;
        case OpCode::AndBlk:
            contact(stackByte(step.slot), Combine::And, false);
            break;
        case OpCode::OrBlk:
            contact(stackByte(step.slot), Combine::Or, false);
            break;
        case OpCode::Out:
        case OpCode::OutNot:
            // A forced relay keeps its value: the write is left out.
            if (!forced || !forced(step.operand)) {
                write(step.operand, step.op == OpCode::OutNot);
            }
            break;
        default:
            assert(false && "every kind of step that is not a tail is fused above");
            break;
        }
    }
    assert(!fused.m_segments.empty() && ops.size() == fused.m_segments.back().opEnd);
    assert(fused.m_segments.back().tail.op == OpCode::End ||
           fused.m_segments.back().tail.op == OpCode::Invalid);
    return fused;
}

} // namespace rungbox::engine
