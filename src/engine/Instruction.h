// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The instruction set, written down once. Every other piece of the engine (the decoder, the
// scan, the benchmarks' generators) follows from the table in Instruction.cpp.

#include "LineSyntax.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace rungbox::engine {

// Every opcode with its properties, written once; everything else about the kinds of step (the
// decoder's block-stack bookkeeping, the fused program's liveness, the tail dispatch of the fast
// scans) is derived from this list.
//   X(name, pops, pushes, tail)
//   pops, pushes: block-stack entries a line of this kind takes off and puts on, in that order
//   tail: the step has effects beyond the relay array (timers, counters, edge memories, a shift,
//         the lamps), so the fast scans call the controller for it instead of fusing it
#define RUNGBOX_OPCODES(X)                                                                         \
    X(Ld, 0, 1, false)      /* push the result register, then load a condition into it */          \
    X(And, 0, 0, false)     /* result = result and condition */                                    \
    X(Or, 0, 0, false)      /* result = result or condition */                                     \
    X(AndBlk, 1, 0, false)  /* pop an entry E; result = result and E */                            \
    X(OrBlk, 1, 0, false)   /* pop an entry E; result = result or E */                             \
    X(Out, 0, 0, false)     /* relay = result */                                                   \
    X(OutNot, 0, 0, false)  /* relay = not result */                                               \
    X(Tim, 0, 0, true)      /* timer step with the result as input */                              \
    X(Cnt, 1, 0, true)      /* pop the count input; counter step, the result resets */             \
    X(Difu, 0, 0, true)     /* relay on for one scan when the result rises */                      \
    X(Sft, 2, 0, true)      /* pop data and clock; shift LOCATION..###, the result resets it */    \
    X(End, 0, 0, true)      /* show the outputs; the scan ends */                                  \
    X(Invalid, 0, 0, false) /* not an instruction: the scan stops with "Error at line " N */

/// What a line does when a scan executes it (RUNGBOX_OPCODES).
enum class OpCode : std::uint8_t {
#define RUNGBOX_OPCODE_ENUM(name, pops, pushes, tail) name,
    RUNGBOX_OPCODES(RUNGBOX_OPCODE_ENUM)
#undef RUNGBOX_OPCODE_ENUM
};

/// The number of opcodes; OpCode values run from 0 to kOpCodeCount - 1.
inline constexpr std::size_t kOpCodeCount = 0
#define RUNGBOX_OPCODE_COUNT(name, pops, pushes, tail) +1
    RUNGBOX_OPCODES(RUNGBOX_OPCODE_COUNT)
#undef RUNGBOX_OPCODE_COUNT
    ;

/// The properties of one opcode, as RUNGBOX_OPCODES lists them.
struct OpInfo {
    std::string_view name; ///< the enumerator's name, for messages
    int pops = 0;          ///< block-stack entries popped (0 to 2)
    int pushes = 0;        ///< block-stack entries pushed after the pops (0 or 1)
    bool tail = false;     ///< the fast scans call the controller for this step
};

inline constexpr std::array<OpInfo, kOpCodeCount> kOpInfo{{
#define RUNGBOX_OPCODE_INFO(name, pops, pushes, tail) {#name, pops, pushes, tail},
    RUNGBOX_OPCODES(RUNGBOX_OPCODE_INFO)
#undef RUNGBOX_OPCODE_INFO
}};

/// The properties of `op`.
constexpr const OpInfo& opInfo(OpCode op) {
    return kOpInfo[static_cast<std::size_t>(op)];
}

/// What the LOCATION number of a line names.
enum class Operand : std::uint8_t {
    None,    ///< not used
    Relay,   ///< a relay address, 0 to 20000
    Timer,   ///< a timer number, 0 to 7
    Counter, ///< a counter number, 0 to 7
};

/// An instruction form: the meaning of a code cell's words.
struct Form {
    OpCode op = OpCode::Invalid;
    Operand operand = Operand::None;
    bool negated = false; ///< the condition of LD, AND or OR is inverted (NOT)

    bool operator==(const Form&) const = default;
};

/// The form of a line with these words. Words are compared exactly and with case; words the
/// form does not examine are ignored. Anything the table does not list is OpCode::Invalid.
Form decodeForm(const Words& words);

/// Shorthand: the form of a code cell's text.
inline Form decodeForm(std::string_view code) {
    return decodeForm(splitWords(code));
}

} // namespace rungbox::engine
