// SPDX-License-Identifier: GPL-3.0-or-later
#include "Registers.h"

#include "engine/AddressMap.h"
#include "engine/BitAddress.h"
#include "engine/ExtendedLine.h"
#include "engine/Instruction.h"
#include "engine/LineSyntax.h"

#include <set>
#include <utility>

namespace rungbox::debug {

namespace {

// "HR: HR1.05 HR2.00": the bits of a channel area that are on.
std::string areaLine(const engine::Controller& plc, engine::Area area, const char* label,
                     int channels) {
    std::string line = label;
    bool any = false;
    for (int c = 0; c < channels; ++c) {
        for (int b = 0; b < engine::kBitsPerChannel; ++b) {
            // TR numbers its relays 0 to 7 without channels: one "channel" of them.
            const engine::BitAddress address{area, c * 100 + b};
            if (address.valid() && plc.bit(engine::workspaceByte(address))) {
                line += " " + engine::bitAddressText(address);
                any = true;
            }
        }
    }
    return any ? line : line + " -";
}

// The timers and counters the program's lines name, in number order.
std::set<std::pair<engine::Operand, int>> unitsInUse(const engine::Controller& plc) {
    std::set<std::pair<engine::Operand, int>> units;
    for (int r = 1; r <= engine::kLastCodeLine; ++r) {
        const engine::LadderLine& line = plc.ladderTable(r);
        const engine::Form form = engine::decodeForm(line.code, engine::InstructionSet::Extended);
        if (form.operand != engine::Operand::Timer && form.operand != engine::Operand::Counter) {
            continue;
        }
        if (const auto n = engine::readTimerNumber(line.locationText, form.operand)) {
            units.insert({form.operand, *n});
        }
    }
    return units;
}

} // namespace

std::string areaText(const engine::Controller& plc) {
    if (plc.instructionSet() != engine::InstructionSet::Extended) {
        return {};
    }
    std::string text = areaLine(plc, engine::Area::Work, "W:", engine::kWorkChannels) + "\n" +
                       areaLine(plc, engine::Area::Holding, "HR:", engine::kHoldingChannels) +
                       "\n" +
                       areaLine(plc, engine::Area::Auxiliary, "AR:", engine::kAuxiliaryChannels) +
                       "\n" + areaLine(plc, engine::Area::Temporary, "TR:", 1);
    text += "\nSpecial:";
    for (const engine::SpecialRelay& relay : engine::specialRelays()) {
        const bool on = plc.bit(engine::workspaceByte({engine::Area::Relay, relay.flat}));
        text += " " + std::string(relay.name) + (on ? " 1" : " 0");
    }
    for (const auto& [operand, n] : unitsInUse(plc)) {
        const bool timer = operand == engine::Operand::Timer;
        text += timer ? "\nTIM " + std::to_string(n) + " = " + engine::timerText(plc.timValue(n))
                      : "\nCNT " + std::to_string(n) + " = " + std::to_string(plc.cntValue(n));
    }
    return text;
}

std::vector<engine::WordAddress> wordsInUse(engine::Controller& plc) {
    if (plc.instructionSet() != engine::InstructionSet::Extended) {
        return {};
    }
    std::set<engine::WordAddress> words;
    const engine::Program& program = plc.program();
    for (int r = 1; r <= engine::kLastCodeLine; ++r) {
        const engine::WordOperands& operands = program.wordOperands(r);
        for (int k = 0; k < operands.count; ++k) {
            const engine::WordOperand& operand = operands.operand[static_cast<std::size_t>(k)];
            if (!operand.constant) {
                words.insert(operand.address);
            }
        }
    }
    return {words.begin(), words.end()};
}

WordFormat RegisterWords::format(engine::WordAddress address) const {
    const auto found = m_formats.find(address);
    return found == m_formats.end() ? WordFormat::Hex : found->second;
}

void RegisterWords::setFormat(engine::WordAddress address, WordFormat format) {
    m_formats[address] = format;
}

std::vector<WordRow> RegisterWords::rows(engine::Controller& plc) const {
    std::vector<WordRow> rows;
    for (const engine::WordAddress address : wordsInUse(plc)) {
        WordRow row;
        row.address = address;
        row.name = wordRowText(address);
        row.value = plc.word(address);
        row.format = format(address);
        row.text = wordValueText(row.value, row.format);
        row.forced = plc.forcedWord(address);
        row.forceable = wordForceable(address);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string registerText(const Debugger& debugger) {
    const std::string areas = areaText(debugger.controller());
    const int line = debugger.currentLine();
    if (line == 0) {
        return areas.empty() ? "Between scans" : "Between scans\n" + areas;
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
    return areas.empty() ? text : text + "\n" + areas;
}

} // namespace rungbox::debug
