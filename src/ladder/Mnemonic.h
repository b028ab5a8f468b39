// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The canonical mnemonic of a rung tree: its elements in the order drawn (nothing is reordered to
// save a block), LD, AND and OR with their NOT, TIM and CNT forms, AND BLK and OR BLK only where
// a branch holds more than one element in series, a box's inputs before it, top first. An
// extended rung writes its relay operands as their areas do ("W0.00") and its set values as "#"
// and four digits. No Qt.

#include "RungTree.h"

#include <string>
#include <vector>

namespace rungbox::ladder {

/// One written line: its three cells as the grid holds them, and the element it writes.
struct MnemonicLine {
    std::string code;     ///< words separated by one blank: "LD NOT TIM", "AND BLK", "OUT"
    std::string location; ///< the number, empty for AND BLK, OR BLK and END
    std::string setValue; ///< TIM, CNT, SFT: the number; otherwise empty
    Path path;            ///< the element written; empty for AND BLK and OR BLK

    bool operator==(const MnemonicLine&) const = default;
};

/// The lines of `rung`, which must be valid (rungProblem is empty) and in normal form.
std::vector<MnemonicLine> writeRung(const Node& rung);

} // namespace rungbox::ladder
