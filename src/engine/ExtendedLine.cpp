// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExtendedLine.h"

#include "AddressMap.h"
#include "BitAddress.h"
#include "LineSyntax.h"
#include "Program.h"
#include "WordAddress.h"

#include <cassert>

namespace rungbox::engine {

namespace {

// A plain decimal number of at most `maxDigits` digits, blanks around it ignored.
std::optional<int> plainNumber(std::string_view text, std::size_t maxDigits) {
    return decimalDigits(trimmed(text), maxDigits);
}

bool isContact(OpCode op) {
    return op == OpCode::Ld || op == OpCode::And || op == OpCode::Or;
}

// The byte a contact reads or an output writes, from the LOCATION cell.
std::optional<int> bitOperand(OpCode op, std::string_view cell) {
    const auto address = parseBitAddress(cell);
    if (!address) {
        return std::nullopt;
    }
    if (writesOperand(op) &&
        (address->area == Area::Timer || address->area == Area::Counter || address->special())) {
        return std::nullopt;
    }
    return workspaceByte(*address);
}

// The word operands of a word instruction: LOCATION, "###", then the operand line's LOCATION.
Fault readWordOperands(const Form& form, const LadderLine& line, const LadderLine* operandLine,
                       WordOperands& words) {
    const WordOperandRule rule = wordOperandRule(form.op);
    const std::array<const std::string*, 3> cells{
        &line.locationText, &line.setValueText,
        operandLine != nullptr ? &operandLine->locationText : nullptr};
    for (int i = 0; i < rule.count; ++i) {
        const std::string* cell = cells[static_cast<std::size_t>(i)];
        const auto operand = cell != nullptr ? parseWordOperand(*cell) : std::nullopt;
        const bool writes =
            i == rule.destination || form.op == OpCode::Inc || form.op == OpCode::Dec;
        if (!operand || (writes && (operand->constant || operand->address.readOnly()))) {
            return Fault::Operand;
        }
        words.operand[static_cast<std::size_t>(i)] = *operand;
    }
    words.count = rule.count;
    return Fault::None;
}

// A timer's or counter's set value: a constant, or a word read as BCD when the step runs. A plain
// number is a constant, as in classic programs; a word is written with its area's prefix
// ("DM0010", "HR2", "CIO 5").
Fault readTimerSetValue(Step& step, const LadderLine& line, WordOperands& words) {
    const std::string_view text = trimmed(line.setValueText);
    const bool prefixed = !text.empty() && text.front() >= 'A';
    if (const auto address = prefixed ? parseWordAddress(text) : std::nullopt) {
        step.setValue = kWordSetValue;
        words.operand[0] = WordOperand{false, 0, *address};
        words.count = 1;
        return Fault::None;
    }
    const auto value = readSetValue(line.setValueText);
    if (!value) {
        return Fault::SetValue;
    }
    step.setValue = static_cast<std::int16_t>(*value);
    return Fault::None;
}

// Sets the operand (and the set value) of an extended step; answers why a cell cannot be read.
Fault readOperands(Step& step, const Form& form, const LadderLine& line,
                   const LadderLine* operandLine, WordOperands& words) {
    switch (form.operand) {
    case Operand::Word:
        return readWordOperands(form, line, operandLine, words);
    case Operand::Relay: {
        const auto byte = bitOperand(form.op, line.locationText);
        if (!byte) {
            return Fault::Address;
        }
        step.operand = static_cast<std::uint16_t>(*byte);
        if (form.op == OpCode::Sft) {
            // The register runs from LOCATION to "###" within one area, bit by bit.
            const auto last = bitOperand(form.op, line.setValueText);
            const auto firstArea = addressAtByte(*byte);
            const auto lastArea = last ? addressAtByte(*last) : std::nullopt;
            if (!lastArea || firstArea->area != lastArea->area ||
                (*byte <= kLastRelay) != (*last <= kLastRelay)) {
                return Fault::Address;
            }
            step.setValue = static_cast<std::int16_t>(*last);
        }
        return Fault::None;
    }
    case Operand::Timer:
    case Operand::Counter: {
        const auto n = readTimerNumber(line.locationText, form.operand);
        if (!n) {
            return Fault::Address;
        }
        if (isContact(form.op)) {
            step.operand = static_cast<std::uint16_t>(
                form.operand == Operand::Timer ? timerDoneByte(*n) : counterDoneByte(*n));
            return Fault::None;
        }
        step.operand = static_cast<std::uint16_t>(*n);
        return readTimerSetValue(step, line, words);
    }
    case Operand::Jump: {
        const auto n = readJumpNumber(line.locationText);
        if (!n) {
            return Fault::Address;
        }
        step.operand = static_cast<std::uint16_t>(*n);
        return Fault::None;
    }
    case Operand::None:
        return Fault::None;
    }
    return Fault::Address;
}

// Instructions whose effect IL/ILC and JMP/JME change; the rest only compute the result.
bool guardable(OpCode op) {
    switch (op) {
    case OpCode::Ld:
    case OpCode::And:
    case OpCode::Or:
    case OpCode::AndBlk:
    case OpCode::OrBlk:
    case OpCode::Il:
    case OpCode::Ilc:
    case OpCode::Jmp:
    case OpCode::Jme:
    case OpCode::End:
    case OpCode::Guarded:
    case OpCode::Invalid:
        return false;
    default:
        return true;
    }
}

} // namespace

std::optional<int> readSetValue(std::string_view cell) {
    const std::string_view text = trimmed(cell);
    if (!text.empty() && text.front() == '#') {
        return plainNumber(text.substr(1), 4);
    }
    // A plain number, read as the classic set reads one.
    const int value = readNumber(cell);
    if (value < 0 || value > kMaxExtendedSetValue) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> readTimerNumber(std::string_view cell, Operand kind) {
    assert(kind == Operand::Timer || kind == Operand::Counter);
    if (const auto n = plainNumber(cell, 3); n) {
        return *n < kTimerSlots ? n : std::nullopt;
    }
    const auto address = parseBitAddress(cell);
    const Area area = kind == Operand::Timer ? Area::Timer : Area::Counter;
    if (!address || address->area != area) {
        return std::nullopt;
    }
    return address->number;
}

std::optional<int> readJumpNumber(std::string_view cell) {
    std::string_view text = trimmed(cell);
    if (!text.empty() && text.front() == '#') {
        text.remove_prefix(1);
    }
    const auto n = plainNumber(text, 2);
    return n && *n < kJumpNumbers ? n : std::nullopt;
}

bool writesOperand(OpCode op) {
    switch (op) {
    case OpCode::Out:
    case OpCode::OutNot:
    case OpCode::Keep:
    case OpCode::Difu:
    case OpCode::Difd:
    case OpCode::Set:
    case OpCode::Rset:
    case OpCode::Sft:
        return true;
    default:
        return false;
    }
}

bool usesExtended(std::string_view code, std::string_view location, std::string_view setValue) {
    const Words words = splitWords(code);
    if (words.count == 0) {
        return false;
    }
    const Form classic = decodeForm(words);
    if (classic.op == OpCode::Invalid) {
        // Words the classic set cannot run but the extended set can.
        return decodeForm(words, InstructionSet::Extended).op != OpCode::Invalid;
    }
    // The classic set reads number cells only: anything else in them reads differently.
    const auto classicNumber = [](std::string_view cell) {
        const std::string_view text = trimmed(cell);
        return text.empty() || text.find_first_not_of("+-0123456789") == std::string_view::npos;
    };
    const bool usesSetValue =
        classic.op == OpCode::Tim || classic.op == OpCode::Cnt || classic.op == OpCode::Sft;
    return (classic.operand != Operand::None && !classicNumber(location)) ||
           (usesSetValue && !classicNumber(setValue));
}

bool emptyCode(std::string_view code) {
    return splitWords(code).count == 0;
}

Step decodeExtendedLine(const LadderLine& line, int lineNumber, int& depth, OpenRegions& regions) {
    WordOperands words;
    return decodeExtendedLine(line, nullptr, lineNumber, depth, regions, words);
}

Step decodeExtendedLine(const LadderLine& line, const LadderLine* operandLine, int lineNumber,
                        int& depth, OpenRegions& regions, WordOperands& words) {
    const Form form = decodeForm(line.code, InstructionSet::Extended);
    if (form.op == OpCode::Invalid) {
        return invalidStep(lineNumber, Fault::Syntax);
    }
    Step step;
    step.op = form.op;
    step.negated = form.negated;
    step.differentiated = form.differentiated;
    step.line = static_cast<std::int16_t>(lineNumber);
    if (takesOperandLine(form.op) && (operandLine == nullptr || !emptyCode(operandLine->code))) {
        return invalidStep(lineNumber, Fault::Operand);
    }
    if (const Fault fault = readOperands(step, form, line, operandLine, words);
        fault != Fault::None) {
        return invalidStep(lineNumber, fault);
    }

    // The regions open before this line guard it; IL, ILC, JMP and JME then change them.
    step.interlocked = regions.interlock;
    step.skippable = !regions.jumps.empty();
    if (step.skippable) {
        step.skipByte = static_cast<std::uint16_t>(kJumpByte + regions.jumps.back());
    }
    switch (form.op) {
    case OpCode::Il:
        // A second IL before ILC narrows the interlock: both conditions must be on.
        step.setValue = regions.interlock ? 1 : 0;
        step.operand = static_cast<std::uint16_t>(kInterlockByte);
        regions.interlock = true;
        break;
    case OpCode::Ilc:
        step.operand = static_cast<std::uint16_t>(kInterlockByte);
        regions.interlock = false;
        break;
    case OpCode::Jmp: {
        const int n = step.operand;
        for (const int open : regions.jumps) {
            if (open == n) {
                return invalidStep(lineNumber, Fault::Jump);
            }
        }
        step.operand = static_cast<std::uint16_t>(kJumpByte + n);
        regions.jumps.push_back(n);
        break;
    }
    case OpCode::Jme:
        if (regions.jumps.empty() || regions.jumps.back() != step.operand) {
            return invalidStep(lineNumber, Fault::Jump);
        }
        regions.jumps.pop_back();
        step.operand = static_cast<std::uint16_t>(kJumpByte + step.operand);
        break;
    default:
        break;
    }
    // A timer or counter whose set value is a word runs on the guarded path, which reads it.
    const bool wordSetValue =
        !isContact(step.op) &&
        (form.operand == Operand::Timer || form.operand == Operand::Counter) &&
        step.setValue == kWordSetValue;
    if (guardable(step.op) && (step.interlocked || step.skippable || wordSetValue)) {
        step.inner = step.op;
        step.op = OpCode::Guarded;
    }
    return placeOnStack(step, depth);
}

} // namespace rungbox::engine
