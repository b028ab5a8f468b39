// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ladder diagram as plain text, for rungbox-sim and for the layout's golden tests.
//
// Every grid cell is 8 characters wide and every row 2 lines high: a label line, then the wire
// line. Each rung starts with its first code line number, right-aligned in 3 characters, then
// the left rail `|`; the right rail `|` closes every line. On the wire line:
//
//   --| |--   contact (LD, AND, OR)              --|/|--   NOT contact
//   --( )--   OUT coil                           --(/)--   OUT NOT coil
//   --(^)--   DIFU coil (labelled "DIFU n")      --<12>-   the branch ending at line 12, drawn
//   [END]     END                                          in an earlier rung
//   --(v)--   DIFD coil (labelled "DIFD n")      --(S)--, --(R)--   SET, RSET coils
//   [IL] [ILC] [JMP 2] [JME 2]   the interlock and jump instructions (extended programs); during
//             a run "[*IL]" and "[*JMP 2]" while their condition lets the lines after them run
//   +         a branch point; vertical wires are `|`
//
// Labels stand above their symbol: a relay address, "TIM n" or "CNT n", "?" for a blank
// LOCATION. With names, a rung in which an address has a name is 3 lines a row: the names stand
// above the labels, and inside a TIM or CNT box on its first line. A name longer than its room
// (7 characters above a contact, 15 above a coil, 11 in a box) is cut to its first characters
// and ends in `~` (kCutMark): "CONVEYOR_START" above a contact reads "CONVEY~". TIM, CNT and SFT
// are boxes with their name on the top border, their inputs (IN; CP and R; IN, CP and R) at the
// left, their set value ("#n") or register range inside. Extended programs add TIMH and CNTR
// (inputs II, DI and R) boxes and the KEEP box (inputs S and R) with its bit inside. A gap in a
// wire is a branch that starts with nothing (no LD before it).
//
// Below a rung, one line per problem: `! line N "CODE": why`. A label starting with `!` is an
// element drawn in place despite its problem. A diagram without END ends with "(no END)".
//
// During a run, horizontal wires that carry power are drawn with `=` instead of `-`, a label
// starting with `*` marks a closed contact or a coil that power reaches (PowerFlow::active; an
// OUT NOT coil so marked has switched its relay off), before any `!` ("*!?"), and the boxes
// show their present values (timers in seconds as the timer display shows them, counters in
// counts).

#include "Layout.h"
#include "PowerFlow.h"
#include "names/NameTable.h"

#include <string>

namespace rungbox::ladder {

/// The mark that ends a name cut short. Names hold no `~`, so it never reads as part of one.
inline constexpr char kCutMark = '~';

/// The diagram of `layout` as lines ending in '\n', no line with trailing blanks. With `flow`
/// (not owned, may be null) it is marked as during a run; with `names` (not owned, may be null)
/// the named addresses show their names.
std::string textDiagram(const Layout& layout, const PowerFlow* flow = nullptr,
                        const names::NameTable* names = nullptr);

} // namespace rungbox::ladder
