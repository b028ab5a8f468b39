// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineSyntax.h"

#include <algorithm>
#include <cstdint>

namespace rungbox::engine {

Words splitWords(std::string_view code) {
    Words words;
    std::size_t i = 0;
    const std::size_t n = code.size();
    while (i < n && words.count < kMaxWords) {
        while (i < n && code[i] == ' ') {
            ++i;
        }
        if (i == n) {
            break;
        }
        const std::size_t start = i;
        while (i < n && code[i] != ' ') {
            ++i;
        }
        words.word[static_cast<std::size_t>(words.count++)] = code.substr(start, i - start);
    }
    return words;
}

namespace {

bool isSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(int c) {
    return c >= '0' && c <= '9';
}

// Anything above 32767 saturates; capping the magnitude here keeps the arithmetic small however
// many digits a cell holds.
constexpr std::int32_t kMagnitudeCap = 1'000'000;

} // namespace

std::int16_t readNumber(std::string_view cell) {
    std::size_t i = 0;
    const std::size_t n = cell.size();
    auto peek = [&]() -> int {
        while (i < n && isSkipped(cell[i])) {
            ++i;
        }
        return i < n ? static_cast<unsigned char>(cell[i]) : -1;
    };

    int c = peek();
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        ++i;
        c = peek();
    }

    std::int32_t whole = 0;
    while (isDigit(c)) {
        whole = std::min(whole * 10 + (c - '0'), kMagnitudeCap);
        ++i;
        c = peek();
    }

    // Round half to even, decided exactly from the digits rather than through a double.
    if (c == '.') {
        ++i;
        c = peek();
        if (isDigit(c)) {
            const int first = c - '0';
            bool restNonZero = false;
            ++i;
            c = peek();
            while (isDigit(c)) {
                restNonZero = restNonZero || c != '0';
                ++i;
                c = peek();
            }
            const bool up = first > 5 || (first == 5 && (restNonZero || whole % 2 == 1));
            if (up) {
                whole = std::min(whole + 1, kMagnitudeCap);
            }
        }
    }

    const std::int32_t value = negative ? -whole : whole;
    return static_cast<std::int16_t>(std::clamp<std::int32_t>(value, INT16_MIN, INT16_MAX));
}

std::string numberText(int value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string timerText(int value) {
    const int magnitude = value < 0 ? -value : value;
    std::string text = value < 0 ? "-" : "";
    text += std::to_string(magnitude / 10);
    text += '.';
    text += static_cast<char>('0' + magnitude % 10);
    return text;
}

std::string hundredthsText(int value) {
    const int magnitude = value < 0 ? -value : value;
    std::string text = value < 0 ? "-" : "";
    text += std::to_string(magnitude / 100);
    text += '.';
    text += static_cast<char>('0' + magnitude / 10 % 10);
    text += static_cast<char>('0' + magnitude % 10);
    return text;
}

} // namespace rungbox::engine
