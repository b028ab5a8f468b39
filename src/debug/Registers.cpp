// SPDX-License-Identifier: GPL-3.0-or-later
#include "Registers.h"

namespace rungbox::debug {

std::string registerText(const Debugger& debugger) {
    const int line = debugger.currentLine();
    if (line == 0) {
        return "Between scans";
    }
    const engine::LadderLine& next = debugger.controller().ladderTable(line);
    std::string text = "Next line " + std::to_string(line) + ": " + next.code + " " +
                       std::to_string(next.location) +
                       "\nResult R = " + (debugger.result() ? "1" : "0") + "\n";
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
