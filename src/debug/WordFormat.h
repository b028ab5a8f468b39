// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the register panel and the watch table show a word: in hexadecimal, as BCD or in decimal,
// chosen per row; and the reading of a word the user types there.

#include "engine/WordAddress.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rungbox::debug {

/// The format of one word row; Hex unless the user chose another.
enum class WordFormat : unsigned char { Hex, Bcd, Decimal };

/// The formats in the order a row's choice offers them.
inline constexpr WordFormat kWordFormats[] = {WordFormat::Hex, WordFormat::Bcd,
                                              WordFormat::Decimal};

/// The format's short label for the choice: "Hex", "BCD", "Dec".
std::string_view wordFormatLabel(WordFormat format);
/// The format of `label` (wordFormatLabel's text, any case); nothing for other texts.
std::optional<WordFormat> parseWordFormat(std::string_view label);

/// `value` in `format`: Hex "#0042"; BCD its four digits "0042", or "#00FA?" for a word that is
/// no BCD number (a reader sees the bits and that BCD cannot read them); Decimal "66" (0 to
/// 65535).
std::string wordValueText(std::uint16_t value, WordFormat format);

/// A word typed by the user: "#0123" (hexadecimal, 1 to 4 digits) or "&291" (decimal 0 to 65535),
/// blanks around it ignored. Nothing for anything else.
std::optional<std::uint16_t> parseTypedWord(std::string_view text);

/// A word's text in the register panel's and the watch table's rows: engine::wordAddressText,
/// but a channel as "CIO 10", which a relay's "10.00" cannot be taken for.
std::string wordRowText(engine::WordAddress word);

/// True for the words a user may force (Controller::forceWord): every word but the present
/// values of timers and counters.
bool wordForceable(engine::WordAddress word);

} // namespace rungbox::debug
