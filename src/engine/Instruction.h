// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The instruction set, written down once. Every other piece of the engine (the decoder, the
// scan, the benchmarks' generators) follows from the table in Instruction.cpp.

#include "InstructionSet.h"
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
    X(Ld, 0, 1, false)     /* push the result register, then load a condition into it */           \
    X(And, 0, 0, false)    /* result = result and condition */                                     \
    X(Or, 0, 0, false)     /* result = result or condition */                                      \
    X(AndBlk, 1, 0, false) /* pop an entry E; result = result and E */                             \
    X(OrBlk, 1, 0, false)  /* pop an entry E; result = result or E */                              \
    X(Out, 0, 0, false)    /* relay = result */                                                    \
    X(OutNot, 0, 0, false) /* relay = not result */                                                \
    X(Tim, 0, 0, true)     /* timer step with the result as input */                               \
    X(Cnt, 1, 0, true)     /* pop the count input; counter step, the result resets */              \
    X(Difu, 0, 0, true)    /* relay on for one scan when the result rises */                       \
    X(Sft, 2, 0, true)     /* pop data and clock; shift LOCATION..###, the result resets it */     \
    X(End, 0, 0, true)     /* show the outputs; the scan ends */                                   \
    /* The extended set's bit instructions (extended programs only). */                            \
    X(Keep, 1, 0, true) /* pop the set input; the result resets; the relay keeps otherwise */      \
    X(Difd, 0, 0, true) /* relay on for one scan when the result falls */                          \
    X(Set, 0, 0, true)  /* relay on while the result is on */                                      \
    X(Rset, 0, 0, true) /* relay off while the result is on */                                     \
    X(Il, 0, 0, true)   /* interlock: the lines up to ILC run interlocked while it is off */       \
    X(Ilc, 0, 0, true)  /* ends the interlocked lines */                                           \
    X(Jmp, 0, 0, true)  /* the lines up to JME N are skipped while the result is off */            \
    X(Jme, 0, 0, true)  /* ends the skipped lines of JMP N */                                      \
    X(Cntr, 2, 0, true) /* pop increment and decrement; reversible counter, result resets */       \
    X(Timh, 0, 0, true) /* timer step in hundredths of a second */                                 \
    /* The extended set's word instructions (WordSteps.cpp), operands in wordOperands(). */        \
    X(Mov, 0, 0, true) /* copy a word */                                                           \
    X(Mvn, 0, 0, true) /* copy a word's complement */                                              \
    X(Cmp, 0, 0, true) /* compare two words: the greater, equal and less flags */                  \
    X(Inc, 0, 0, true) /* add 1 to a BCD word */                                                   \
    X(Dec, 0, 0, true) /* take 1 from a BCD word */                                                \
    X(Add, 0, 0, true) /* BCD sum with the carry */                                                \
    X(Sub, 0, 0, true) /* BCD difference with the carry */                                         \
    X(Clc, 0, 0, true) /* carry off */                                                             \
    X(Stc, 0, 0, true) /* carry on */                                                              \
    X(Bin, 0, 0, true) /* BCD to binary */                                                         \
    X(Bcd, 0, 0, true) /* binary to BCD */                                                         \
    /* A step inside IL/ILC or JMP/JME whose effect depends on them; Step::kind says what it is.   \
     */                                                                                            \
    X(Guarded, 0, 0, true)                                                                         \
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
    Counter, ///< a counter number, 0 to 7 (extended programs: 0 to 127)
    Jump,    ///< a JMP/JME number, 0 to 49 (extended programs)
    Word,    ///< word operands (wordOperands): LOCATION, "###" and the operand line below
};

/// An instruction form: the meaning of a code cell's words.
struct Form {
    OpCode op = OpCode::Invalid;
    Operand operand = Operand::None;
    bool negated = false; ///< the condition of LD, AND or OR is inverted (NOT)
    /// The "@" form of a word instruction: it runs once when its condition rises.
    bool differentiated = false;

    bool operator==(const Form&) const = default;
};

/// The form of a line with these words. Words are compared exactly and with case; words the
/// form does not examine are ignored. Anything the table does not list is OpCode::Invalid.
Form decodeForm(const Words& words);

/// The form of a line with these words in `set`. The extended set reads every classic form as
/// the classic set does, and more: its own instructions, and a function code after the first
/// word ("KEEP(11)", "END(01)"), which it ignores.
Form decodeForm(const Words& words, InstructionSet set);

/// Shorthand: the form of a code cell's text.
inline Form decodeForm(std::string_view code, InstructionSet set = InstructionSet::Classic) {
    return decodeForm(splitWords(code), set);
}

/// The word operands of a word instruction, in the order the manuals list them.
struct WordOperandRule {
    int count = 0;        ///< 0 to 3: LOCATION, "###", then LOCATION of the operand line below
    int destination = -1; ///< the operand the instruction writes, or -1
    bool bcd = false;     ///< the sources are read as BCD (a non-BCD one sets the error flag)
};

/// The operands of `op`; {0, -1, false} for every instruction that is no word instruction.
constexpr WordOperandRule wordOperandRule(OpCode op) {
    switch (op) {
    case OpCode::Mov:
    case OpCode::Mvn:
        return {2, 1, false};
    case OpCode::Cmp:
        return {2, -1, false};
    case OpCode::Inc:
    case OpCode::Dec:
        return {1, 0, true};
    case OpCode::Add:
    case OpCode::Sub:
        return {3, 2, true};
    case OpCode::Bin:
        return {2, 1, true};
    case OpCode::Bcd:
        return {2, 1, false};
    default:
        return {};
    }
}

/// True for the word instructions (WordSteps.cpp): those with word operands, and CLC and STC.
constexpr bool isWordInstruction(OpCode op) {
    return wordOperandRule(op).count > 0 || op == OpCode::Clc || op == OpCode::Stc;
}

/// True for the instructions whose third operand stands on the line below (ADD, SUB): that
/// line's code cell is empty and its LOCATION cell holds the operand.
constexpr bool takesOperandLine(OpCode op) {
    return wordOperandRule(op).count > 2;
}

/// The first word of `code` without its function code ("KEEP(11)" gives "KEEP"), as the
/// extended set reads it.
std::string_view mnemonic(std::string_view word);

} // namespace rungbox::engine
