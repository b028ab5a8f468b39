// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the extended set reads the LOCATION and "###" cells of a line: addresses in every
// spelling (BitAddress.h), timer, counter and jump numbers, and set values.

#include "Instruction.h"

#include <optional>
#include <string_view>

namespace rungbox::engine {

/// A set value: "#0000" to "#9999" (one to four BCD digits after "#") or a plain number cell
/// as the classic set reads it (readNumber), 0 to 9999. Nothing otherwise.
std::optional<int> readSetValue(std::string_view cell);

/// The number of a TIM, TIMH, CNT or CNTR line, or of a contact written "LD TIM" / "LD CNT":
/// a plain number, or the same with its area's prefix ("TIM 3", "T3"; "CNT 3", "C3").
/// 0 to 127; nothing otherwise.
std::optional<int> readTimerNumber(std::string_view cell, Operand kind);

/// The number of a JMP or JME line: a plain number 0 to 49 (or "#" and one); nothing otherwise.
std::optional<int> readJumpNumber(std::string_view cell);

/// True when the instruction writes its operand (OUT, OUT NOT, KEEP, DIFU, DIFD, SET, RSET, SFT):
/// it may not name a timer, a counter or a special relay.
bool writesOperand(OpCode op);

/// True when a line with this code, LOCATION and "###" reads differently in the two sets, so
/// that a program holding it must stay extended: an instruction only the extended set knows, a
/// function code, an address or set value the classic set cannot read as written.
bool usesExtended(std::string_view code, std::string_view location, std::string_view setValue);

} // namespace rungbox::engine
