// SPDX-License-Identifier: GPL-3.0-or-later
#include "Labels.h"

#include "engine/LineSyntax.h"

namespace rungbox::ladder {

namespace {

using engine::OpCode;

// A timer's or counter's number in its box's title; as typed when out of range.
std::string unitNumber(const Element& element) {
    return element.problem == Problem::OperandRange ? element.operand
                                                    : std::to_string(element.number);
}

// The labels of the extended set's elements, whose operands are shown as the set writes them.
std::string extendedLabel(const Element& element) {
    const OpCode op = element.form.op;
    switch (element.kind) {
    case ElementKind::Contact:
        return operandLabel(element);
    case ElementKind::Coil:
        return (op == OpCode::Difu   ? "DIFU "
                : op == OpCode::Difd ? "DIFD "
                                     : "") +
               operandLabel(element);
    case ElementKind::Timer:
        return (op == OpCode::Timh ? "TIMH " : "TIM ") + unitNumber(element);
    case ElementKind::Counter:
        return (op == OpCode::Cntr ? "CNTR " : "CNT ") + unitNumber(element);
    case ElementKind::Shift:
        return "SFT";
    case ElementKind::Keep:
        return "KEEP";
    case ElementKind::Word:
        return wordMnemonic(op, element.form.differentiated);
    case ElementKind::Control:
        return op == OpCode::Il    ? "IL"
               : op == OpCode::Ilc ? "ILC"
               : op == OpCode::Jmp ? "JMP " + operandLabel(element)
                                   : "JME " + operandLabel(element);
    default:
        return {};
    }
}

// Hundredths of a second as seconds with two decimals: 150 is "1.50".
std::string hundredthsText(int value) {
    const int cents = value % 100;
    return std::to_string(value / 100) + (cents < 10 ? ".0" : ".") + std::to_string(cents);
}

std::vector<std::string> extendedBoxLines(const Element& element, std::optional<int> present) {
    std::vector<std::string> lines;
    switch (element.kind) {
    case ElementKind::Timer:
    case ElementKind::Counter:
        lines.push_back(element.wordCount > 0 ? element.words[0].text
                                              : "#" + std::to_string(element.setValue));
        if (present) {
            lines.push_back(element.kind == ElementKind::Counter ? std::to_string(*present)
                            : element.form.op == OpCode::Timh    ? hundredthsText(*present)
                                                                 : engine::timerText(*present));
        }
        break;
    case ElementKind::Shift:
        lines = {element.address ? engine::bitAddressText(*element.address) : element.operand,
                 "to " + (element.lastAddress ? engine::bitAddressText(*element.lastAddress)
                                              : std::string("?"))};
        break;
    case ElementKind::Keep:
        lines.push_back(operandLabel(element));
        if (present) {
            lines.push_back(*present != 0 ? "ON" : "OFF");
        }
        break;
    default:
        break;
    }
    return lines;
}

} // namespace

std::string wordMnemonic(OpCode op, bool differentiated) {
    std::string name(engine::opInfo(op).name); // "Mov"
    for (char& c : name) {
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return (differentiated ? "@" : "") + name;
}

std::string elementLabel(const Element& element) {
    if (element.extended) {
        return extendedLabel(element);
    }
    switch (element.kind) {
    case ElementKind::Contact:
        return operandLabel(element);
    case ElementKind::Coil:
        return (element.form.op == engine::OpCode::Difu ? "DIFU " : "") + operandLabel(element);
    case ElementKind::Timer:
        return "TIM " + std::to_string(element.number);
    case ElementKind::Counter:
        return "CNT " + std::to_string(element.number);
    case ElementKind::Shift:
        return "SFT";
    default:
        return {};
    }
}

std::string shownLabel(const Element& element) {
    return (element.problem != Problem::None ? "!" : "") + elementLabel(element);
}

std::vector<std::string> boxLines(const Element& element, std::optional<int> present) {
    if (element.extended) {
        return extendedBoxLines(element, present);
    }
    std::vector<std::string> lines;
    switch (element.kind) {
    case ElementKind::Timer:
    case ElementKind::Counter:
        lines.push_back("#" + std::to_string(element.setValue));
        if (present) {
            lines.push_back(element.kind == ElementKind::Timer ? engine::timerText(*present)
                                                               : std::to_string(*present));
        }
        break;
    case ElementKind::Shift:
        lines = {std::to_string(element.number), "to " + std::to_string(element.setValue)};
        break;
    default:
        break;
    }
    return lines;
}

std::vector<std::string> boxText(const Element& element, int index, const PowerFlow* flow,
                                 const names::NameTable* names) {
    if (element.kind != ElementKind::Word) {
        return boxLines(element,
                        flow != nullptr ? std::optional(flow->value(index)) : std::nullopt);
    }
    std::vector<std::string> lines;
    for (int i = 0; i < element.wordCount; ++i) {
        const WordCell& cell = element.words[i];
        if (const auto address = names != nullptr ? wordNameAddress(cell) : std::nullopt) {
            if (std::string name = names->nameOf(*address); !name.empty()) {
                lines.push_back(std::move(name));
            }
        }
        lines.push_back(std::string(cell.role) + " " + (cell.text.empty() ? "?" : cell.text));
        if (const auto value = flow != nullptr ? flow->wordValue(index, i) : std::nullopt) {
            lines.push_back("= " + engine::hexWordText(*value));
        }
    }
    return lines;
}

std::string markLine(const Element& element) {
    return "! line " + std::to_string(element.line) + " \"" + element.code +
           "\": " + problemText(element);
}

} // namespace rungbox::ladder
