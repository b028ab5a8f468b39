// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The register panel's text: what a paused scan holds between two lines, as the window's and
// the page's register panels show it.

#include "Debugger.h"
#include "WordFormat.h"

#include <map>
#include <optional>
#include <vector>

#include <string>

namespace rungbox::debug {

/// The register panel shows this many block-stack entries from the top; deeper ones are summed
/// up as "...", since a stack of a hundred entries would not be read anyway.
inline constexpr std::size_t kStackEntriesShown = 12;

/// "Between scans" when no scan is paused; else three lines: "Next line N: CODE LOCATION"
/// (without the LOCATION for END, AND BLK and OR BLK, which take no operand),
/// "Result R = r" and "Block stack (depth, top first): 1 0 ...".
/// Extended programs add areaText's lines after these.
std::string registerText(const Debugger& debugger);

/// The extended areas of `plc` as the register panel lists them, one line each: the bits that
/// are on in W, HR, AR and TR ("HR: HR1.05 HR2.00", "-" when none), the special relays by name
/// and state ("Special: P_On 1 P_Off 0 ..."), and the present values of the timers and counters
/// the program's lines use ("TIM 12 = 4.5", "CNT 3 = 7"). Empty for classic programs.
std::string areaText(const engine::Controller& plc);

/// The words the program's lines use: every word operand of its code lines up to END
/// (Program::wordOperands; constants left out), each once, in address order. Empty for classic
/// programs. Decodes the program if it changed (Controller::program).
std::vector<engine::WordAddress> wordsInUse(engine::Controller& plc);

/// One word row of the register panel.
struct WordRow {
    engine::WordAddress address;
    std::string name;                    ///< wordRowText: "DM0100", "CIO 10", "TIM 3"
    std::uint16_t value = 0;             ///< Controller::word
    std::string text;                    ///< `value` in the row's format
    WordFormat format = WordFormat::Hex; ///< the row's format
    std::optional<std::uint16_t> forced; ///< the forced value
    bool forceable = false;              ///< wordForceable

    bool operator==(const WordRow&) const = default;
};

/// The register panel's words with the format the user chose for each row (Hex until chosen).
/// Formats are kept by address, so a row keeps its format while the program changes around it.
class RegisterWords {
public:
    WordFormat format(engine::WordAddress address) const;
    void setFormat(engine::WordAddress address, WordFormat format);

    /// A row for each of wordsInUse(plc), as `plc` has the words now.
    std::vector<WordRow> rows(engine::Controller& plc) const;

private:
    std::map<engine::WordAddress, WordFormat> m_formats;
};

} // namespace rungbox::debug
