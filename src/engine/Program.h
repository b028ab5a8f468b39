// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The decoded form of a program. When a run starts, each line of the program table is decoded
// once into a Step that behaves exactly as its text would; scans then run the steps and never
// split text again.

#include "AddressMap.h"
#include "Instruction.h"
#include "WordAddress.h"

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace rungbox::engine {

/// One record of the program table: the three cells of a code line as a run sees them.
struct LadderLine {
    LadderLine() = default;
    LadderLine(std::string codeCell, std::int16_t locationNumber, std::int16_t setValueNumber)
        : code(std::move(codeCell)), location(locationNumber), setValue(setValueNumber) {}

    std::string code;          ///< the LADDER CODE cell exactly as typed, not trimmed
    std::int16_t location = 0; ///< the LOCATION number (readNumber)
    std::int16_t setValue = 0; ///< the "###" number (readNumber)
    /// Extended programs: the LOCATION and "###" cells as typed, which the extended set reads
    /// (channel.bit addresses, "#" set values). Classic programs leave them empty.
    std::string locationText;
    std::string setValueText;

    bool operator==(const LadderLine&) const = default;
};

/// Why a line cannot be executed.
enum class Fault : std::uint8_t {
    None,
    Syntax,         ///< the words are no instruction (empty cell, lower case, LD BLK, ...)
    StackOverflow,  ///< an LD would push a 102nd block-stack entry
    StackUnderflow, ///< a BLK, CNT or SFT pops more entries than the scan has pushed
    OperandRange,   ///< LOCATION outside its range (preparation normally rejects these first)
    ShiftRange,     ///< the last address of an SFT lies outside 0 to 20000
    // Extended programs (preparation normally rejects these first):
    Address,  ///< LOCATION is no address of the kind the instruction takes, or a read-only one
    SetValue, ///< the set value is not #0000 to #9999 or 0 to 9999, nor a word
    Operand,  ///< a word operand is neither word nor constant, or writes a read-only word
    Jump,     ///< JMP N while region N is open, or JME N that closes no open region
};

/// One decoded line.
struct Step {
    OpCode op = OpCode::Invalid; ///< Invalid: the scan stops here and reports `line`
    bool negated = false;        ///< contacts: the condition is inverted
    Fault fault = Fault::None;   ///< why an Invalid step cannot execute
    /// Block-stack entry used: LD pushes into it; AND BLK, OR BLK and CNT pop it; SFT pops it
    /// (data) and the one above it (clock). The depth of the stack at every line is the same in
    /// every scan, since a scan has no jumps, so the entry is fixed when the line is decoded.
    std::uint8_t slot = 0;
    /// Contacts: the byte read (a relay address or a timer or counter done flag, AddressMap.h).
    /// OUT, OUT NOT, DIFU, SFT: the relay address. TIM, CNT: the timer or counter number.
    std::uint16_t operand = 0;
    /// TIM, CNT: set value (extended programs: kWordSetValue when a word holds it); SFT: last
    /// address of the register.
    std::int16_t setValue = 0;
    std::int16_t line = 0; ///< the code line (program table record) the step came from

    // Extended programs: IL/ILC and JMP/JME regions. A step inside a region whose effect they
    // change runs as OpCode::Guarded and keeps what it is in `inner`; contacts and block
    // combinations inside run as they are, since they only change the result and the stack.
    OpCode inner = OpCode::Invalid; ///< Guarded: the instruction
    bool interlocked = false;       ///< inside IL/ILC: runs interlocked while kInterlockByte is 0
    bool skippable = false;         ///< inside JMP/JME: skipped while `skipByte` is 0
    bool differentiated = false;    ///< "@" word instructions: run once when the result rises
    std::uint16_t skipByte = 0;     ///< the innermost region's byte (kJumpByte + N)

    /// What the line does: `inner` for a guarded step, else `op`.
    OpCode kind() const { return op == OpCode::Guarded ? inner : op; }
};
// Steps are copied into the fused program's segments and walked by every scan: keep them small.
static_assert(sizeof(Step) <= 16, "a step fits in 16 bytes");

/// The set value of a timer or counter step whose set value is a word: the word is the first of
/// the line's word operands (Program::wordOperands), read as BCD whenever the step runs.
inline constexpr std::int16_t kWordSetValue = -1;

/// The word operands of one line (Instruction.h: wordOperandRule), or of a timer or counter
/// whose set value is a word (its one operand).
struct WordOperands {
    std::array<WordOperand, 3> operand{};
    int count = 0;
};

/// A decoded program: the steps of lines 1 up to and including the first END or the first line
/// that cannot be executed, whichever comes first. A scan runs the steps in order.
class Program {
public:
    Program() = default;

    /// Decodes `table` (records 0 to 301; record 0 is not used) from line 1 on, in `set`.
    static Program decode(std::span<const LadderLine> table,
                          InstructionSet set = InstructionSet::Classic);

    const std::vector<Step>& steps() const { return m_steps; }
    /// The word operands of code line `line` (1 to 301); count 0 for lines without any.
    const WordOperands& wordOperands(int line) const;
    /// The deepest the block stack gets in a scan; at most kBlockStackSize.
    int maxDepth() const { return m_maxDepth; }

private:
    std::vector<Step> m_steps;
    std::vector<WordOperands> m_words; // by code line; empty for programs without words
    int m_maxDepth = 0;
};

/// Decodes one line of a classic program, given the block-stack depth before it; updates `depth`
/// to the depth after it. A line that cannot execute gives an Invalid step with its Fault and
/// leaves `depth` alone.
Step decodeLine(const LadderLine& line, int lineNumber, int& depth);

/// The regions open at a line of an extended program: the IL before it (until ILC) and the JMP
/// numbers not yet closed by their JME, innermost last.
struct OpenRegions {
    bool interlock = false;
    std::vector<int> jumps;
};

/// Decodes line `lineNumber` of an extended program, as decodeLine does, with the regions open
/// before it; updates `regions` to those open after it. The line's word operands, if any, go to
/// `words`; an ADD's or SUB's third comes from `operandLine`, the line below it (nullptr when
/// there is none, which makes the step invalid).
Step decodeExtendedLine(const LadderLine& line, const LadderLine* operandLine, int lineNumber,
                        int& depth, OpenRegions& regions, WordOperands& words);
/// The same for a line whose word operands are not wanted.
Step decodeExtendedLine(const LadderLine& line, int lineNumber, int& depth, OpenRegions& regions);

/// True when code cell `code` holds nothing but blanks: below an ADD or SUB such a line is its
/// operand line (takesOperandLine); anywhere else it cannot be executed.
bool emptyCode(std::string_view code);

/// A step that cannot execute, for `lineNumber`, with its reason.
Step invalidStep(int lineNumber, Fault fault);

/// The block-stack bookkeeping of a decoded `step` (by its kind): sets its slot, checks the
/// stack's limits and updates `depth`; answers the step, or an Invalid one with its Fault.
Step placeOnStack(Step step, int& depth);

} // namespace rungbox::engine
