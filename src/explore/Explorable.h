// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which programs compare and prove explore exactly. Their steps are scans and timer ticks (tenths
// of a second); a program whose behaviour follows the session's clock in finer steps cannot be
// explored that way: one that reads a clock-pulse relay (P_0_02s, P_0_1s, P_0_2s, P_1s, P_1min)
// or has a TIMH timer (hundredths of a second). Nor are programs that work data words (MOV, CMP,
// INC, ADD ..., CLC and STC, or a timer or counter whose set value a word holds): their state
// would hold DM words, the arithmetic flags and the "@" edge memories, and a count in a word
// alone has ten thousand values. Every other program, classic or extended, is explored exactly
// (StateLayout.h).

#include "engine/Controller.h"
#include "engine/Program.h"

#include "l10n/Text.h"

#include <string>

namespace rungbox::explore {

/// Why compare and prove cannot explore `program` exactly, as a sentence for the person; empty
/// when they can.
l10n::Text explorationRefusal(const engine::Program& program);

/// The same for the program of `started` (a controller on which a run has started).
l10n::Text explorationRefusal(const engine::Controller& started);

} // namespace rungbox::explore
