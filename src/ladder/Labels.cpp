// SPDX-License-Identifier: GPL-3.0-or-later
#include "Labels.h"

#include "engine/LineSyntax.h"

namespace rungbox::ladder {

std::string elementLabel(const Element& element) {
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

std::string markLine(const Element& element) {
    return "! line " + std::to_string(element.line) + " \"" + element.code +
           "\": " + problemText(element);
}

} // namespace rungbox::ladder
