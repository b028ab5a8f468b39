// SPDX-License-Identifier: GPL-3.0-or-later
#include "Base64.h"

#include <array>
#include <cstdint>

namespace rungbox::text {

namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Each character's six bits, or -1.
constexpr std::array<int, 256> kValues = [] {
    std::array<int, 256> values{};
    values.fill(-1);
    for (std::size_t k = 0; k < kAlphabet.size(); ++k) {
        values[static_cast<unsigned char>(kAlphabet[k])] = static_cast<int>(k);
    }
    return values;
}();

} // namespace

std::string base64(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t at = 0; at < bytes.size(); at += 3) {
        const std::size_t left = bytes.size() - at;
        std::uint32_t group = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) << 16;
        if (left > 1) {
            group |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
        }
        if (left > 2) {
            group |= static_cast<unsigned char>(bytes[at + 2]);
        }
        out += kAlphabet[(group >> 18) & 0x3FU];
        out += kAlphabet[(group >> 12) & 0x3FU];
        out += left > 1 ? kAlphabet[(group >> 6) & 0x3FU] : '=';
        out += left > 2 ? kAlphabet[group & 0x3FU] : '=';
    }
    return out;
}

std::optional<std::string> fromBase64(std::string_view text) {
    if (text.size() % 4 != 0) {
        return std::nullopt;
    }
    std::string out;
    out.reserve(text.size() / 4 * 3);
    for (std::size_t at = 0; at < text.size(); at += 4) {
        const bool last = at + 4 == text.size();
        const std::size_t padding = !last ? 0 : text[at + 3] != '=' ? 0 : text[at + 2] != '=' ? 1 : 2;
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const int value = k >= 4 - padding ? 0 : kValues[static_cast<unsigned char>(text[at + k])];
            if (value < 0) {
                return std::nullopt;
            }
            group = (group << 6) | static_cast<std::uint32_t>(value);
        }
        // The bits padding leaves unused must be zero: one text for each byte string.
        if ((padding == 1 && (group & 0xFFU) != 0) || (padding == 2 && (group & 0xFFFFU) != 0)) {
            return std::nullopt;
        }
        out += static_cast<char>((group >> 16) & 0xFFU);
        if (padding < 2) {
            out += static_cast<char>((group >> 8) & 0xFFU);
        }
        if (padding < 1) {
            out += static_cast<char>(group & 0xFFU);
        }
    }
    return out;
}

} // namespace rungbox::text
