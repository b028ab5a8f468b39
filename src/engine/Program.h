// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The decoded form of a program. When a run starts, each line of the program table is decoded
// once into a Step that behaves exactly as its text would; scans then run the steps and never
// split text again.

#include "AddressMap.h"
#include "Instruction.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace rungbox::engine {

/// One record of the program table: the three cells of a code line as a run sees them.
struct LadderLine {
    std::string code;          ///< the LADDER CODE cell exactly as typed, not trimmed
    std::int16_t location = 0; ///< the LOCATION number (readNumber)
    std::int16_t setValue = 0; ///< the "###" number (readNumber)

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
    std::int16_t setValue = 0; ///< TIM, CNT: set value; SFT: last address of the register
    std::int16_t line = 0;     ///< the code line (program table record) the step came from
};

/// A decoded program: the steps of lines 1 up to and including the first END or the first line
/// that cannot be executed, whichever comes first. A scan runs the steps in order.
class Program {
public:
    Program() = default;

    /// Decodes `table` (records 0 to 301; record 0 is not used) from line 1 on.
    static Program decode(std::span<const LadderLine> table);

    const std::vector<Step>& steps() const { return m_steps; }
    /// The deepest the block stack gets in a scan; at most kBlockStackSize.
    int maxDepth() const { return m_maxDepth; }

private:
    std::vector<Step> m_steps;
    int m_maxDepth = 0;
};

/// Decodes one line, given the block-stack depth before it; updates `depth` to the depth after
/// it. A line that cannot execute gives an Invalid step with its Fault and leaves `depth` alone.
Step decodeLine(const LadderLine& line, int lineNumber, int& depth);

} // namespace rungbox::engine
