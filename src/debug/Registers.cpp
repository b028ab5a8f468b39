// SPDX-License-Identifier: GPL-3.0-or-later
#include "Registers.h"

#include "engine/Instruction.h"

namespace rungbox::debug {

std::string registerText(const Debugger& debugger) {
    const int line = debugger.currentLine();
    if (line == 0) {
        return "Between scans";
    }
    const engine::LadderLine& next = debugger.controller().ladderTable(line);
    std::string text = "Next line " + std::to_string(line) + ": " + next.code;
    // END and the block combinations take no operand: their LOCATION cell is not shown. An
    // extended program's line shows its LOCATION as typed ("W0.00"), as its set reads it.
    const engine::InstructionSet set = debugger.controller().instructionSet();
    const engine::Form form = engine::decodeForm(next.code, set);
    if (form.op == engine::OpCode::Invalid || form.operand != engine::Operand::None) {
        text += " " + (set == engine::InstructionSet::Extended ? next.locationText
                                                               : std::to_string(next.location));
    }
    text += std::string("\nResult R = ") + (debugger.result() ? "1" : "0") + "\n";
    const std::vector<bool> stack = debugger.blockStack();
    text += "Block stack (" + std::to_string(stack.size()) + ", top first):";
    for (std::size_t k = 0; k < stack.size() && k < kStackEntriesShown; ++k) {
        text += stack[k] ? " 1" : " 0";
    }
    if (stack.size() > kStackEntriesShown) {
        text += " ...";
    }
    return text;
}

} // namespace rungbox::debug
