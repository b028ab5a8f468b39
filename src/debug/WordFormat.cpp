// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordFormat.h"

#include "engine/Bcd.h"
#include "engine/BitAddress.h"
#include "engine/WordAddress.h"

namespace rungbox::debug {

std::string_view wordFormatLabel(WordFormat format) {
    switch (format) {
    case WordFormat::Bcd:
        return "BCD";
    case WordFormat::Decimal:
        return "Dec";
    case WordFormat::Hex:
        break;
    }
    return "Hex";
}

std::optional<WordFormat> parseWordFormat(std::string_view label) {
    for (const WordFormat format : kWordFormats) {
        if (engine::equalNoCase(label, wordFormatLabel(format))) {
            return format;
        }
    }
    return std::nullopt;
}

std::string wordValueText(std::uint16_t value, WordFormat format) {
    switch (format) {
    case WordFormat::Bcd:
        return engine::isBcd(value) ? engine::hexWordText(value).substr(1)
                                    : engine::hexWordText(value) + "?";
    case WordFormat::Decimal:
        return std::to_string(value);
    case WordFormat::Hex:
        break;
    }
    return engine::hexWordText(value);
}

std::optional<std::uint16_t> parseTypedWord(std::string_view text) {
    const auto operand = engine::parseWordOperand(engine::trimmed(text));
    if (!operand || !operand->constant) {
        return std::nullopt;
    }
    return operand->value;
}

std::string wordRowText(engine::WordAddress word) {
    const std::string text = engine::wordAddressText(word);
    return word.area == engine::WordArea::Channel ? "CIO " + text : text;
}

bool wordForceable(engine::WordAddress word) {
    return word.area != engine::WordArea::TimerValue && word.area != engine::WordArea::CounterValue;
}

} // namespace rungbox::debug
