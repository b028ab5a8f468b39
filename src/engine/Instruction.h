#pragma once

// The instruction set, written down once. Every other piece of the engine (the decoder, the
// scan, the benchmarks' generators) follows from the table in Instruction.cpp.

#include "LineSyntax.h"

#include <cstdint>

namespace rungbox::engine {

/// What a line does when a scan executes it.
enum class OpCode : std::uint8_t {
    Ld,     ///< push the result register, then load a condition into it
    And,    ///< result = result and condition
    Or,     ///< result = result or condition
    AndBlk, ///< pop an entry E; result = result and E
    OrBlk,  ///< pop an entry E; result = result or E
    Out,    ///< relay = result
    OutNot, ///< relay = not result
    Tim,    ///< timer step with the result as input
    Cnt,    ///< pop the count input; counter step with the result as reset input
    Difu,   ///< rising-edge step: the relay is on for one scan when the result rises
    Sft,    ///< pop data and clock; shift the register LOCATION..###, the result resets it
    End,    ///< show the outputs; the scan ends
    Invalid ///< not an instruction: the scan stops with "Error at line " N
};

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
