// SPDX-License-Identifier: GPL-3.0-or-later
#include "UsedAddresses.h"

#include "engine/BitAddress.h"
#include "engine/ExtendedLine.h"
#include "engine/Instruction.h"
#include "engine/LineSyntax.h"

#include <algorithm>

namespace rungbox::editor {

namespace {

// The address of an extended program's line: its operand in any spelling of the notation.
std::optional<names::Address> extendedAddressOfLine(const CodeGrid& grid, int line) {
    const engine::Form form =
        engine::decodeForm(grid.text(line, kCodeCol), engine::InstructionSet::Extended);
    const std::string& location = grid.text(line, kLocationCol);
    if (form.operand == engine::Operand::Timer || form.operand == engine::Operand::Counter) {
        const auto n = engine::readTimerNumber(location, form.operand);
        if (!n) {
            return std::nullopt;
        }
        return form.operand == engine::Operand::Timer ? names::Address::timer(*n)
                                                      : names::Address::counter(*n);
    }
    const auto bit =
        form.operand == engine::Operand::Relay ? engine::parseBitAddress(location) : std::nullopt;
    return bit ? std::optional(names::Address::of(*bit)) : std::nullopt;
}

} // namespace

std::optional<names::Address> addressOfLine(const CodeGrid& grid, int line) {
    if (grid.extended()) {
        return extendedAddressOfLine(grid, line);
    }
    const engine::Form form = engine::decodeForm(grid.text(line, kCodeCol));
    const std::string& location = grid.text(line, kLocationCol);
    if (location.empty()) {
        return std::nullopt;
    }
    const int number = engine::readNumber(location);
    names::Address address;
    switch (form.operand) {
    case engine::Operand::Relay:
        address = names::Address::relay(number);
        break;
    case engine::Operand::Timer:
        address = names::Address::timer(number);
        break;
    case engine::Operand::Counter:
        address = names::Address::counter(number);
        break;
    case engine::Operand::None:
    case engine::Operand::Jump:
    case engine::Operand::Word: // classic programs have no words
        return std::nullopt;
    }
    return address.valid() ? std::optional<names::Address>(address) : std::nullopt;
}

std::vector<names::Address> addressesUsed(const CodeGrid& grid) {
    std::vector<names::Address> used;
    for (int line = 1; line <= kLastLine; ++line) {
        if (engine::decodeForm(grid.text(line, kCodeCol), grid.instructionSet()).op ==
            engine::OpCode::End) {
            break;
        }
        if (const auto address = addressOfLine(grid, line)) {
            used.push_back(*address);
        }
    }
    std::sort(used.begin(), used.end());
    used.erase(std::unique(used.begin(), used.end()), used.end());
    return used;
}

} // namespace rungbox::editor
