// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words a ladder diagram writes beside its symbols, the same in every picture of it: the
// window's and its exports' (drawn with Qt) and rungbox-sim's text diagram.

#include "Layout.h"
#include "PowerFlow.h"
#include "names/NameTable.h"

#include <optional>
#include <string>
#include <vector>

namespace rungbox::ladder {

/// The name above a contact or coil, or a box's title, without marks: the operand ("1000",
/// "TIM 3", "CNT 0"; "?" for a blank LOCATION) of a contact, OUT or OUT NOT; "DIFU 1000";
/// "TIM 3", "CNT 0" and "SFT" for the boxes. Extended programs add "DIFD W0.00", "TIMH 3",
/// "CNTR 5", "KEEP", and "IL", "ILC", "JMP 2", "JME 2" for the tags, and the word boxes' mnemonic
/// ("MOV", "@MOV", "ADD"). Empty for any other element.
std::string elementLabel(const Element& element);

/// A word instruction's mnemonic as the grid and the pictures write it: "MOV", "@MOV", "ADD".
std::string wordMnemonic(engine::OpCode op, bool differentiated);

/// elementLabel with "!" before it when the element is drawn in place despite a problem.
std::string shownLabel(const Element& element);

/// The lines a box shows below its title: TIM and CNT their set value ("#30") and, given
/// `present`, the present value (timer ticks shown in seconds as the timer display shows
/// them, "3.0"; counts as they are); SFT its first and last register ("200", "to 207").
/// Extended programs: TIMH's present value in hundredths shown in seconds ("1.50"), KEEP its
/// bit ("W0.00") and, given `present` (the bit), "ON" or "OFF". Empty for any other element.
std::vector<std::string> boxLines(const Element& element, std::optional<int> present);

/// The lines of box `index` of a layout below its title as every picture shows them: boxLines,
/// given the run's `flow` its present value. A word box has a line per operand, its role and
/// text ("S #0042", "D DM0100"), with the operand's name above it when `names` holds one
/// (wordNameAddress) and, given `flow`, the word's value below it ("= #0042"; a constant has
/// none). A timer's or counter's set value held in a word shows the word ("DM0010").
std::vector<std::string> boxText(const Element& element, int index, const PowerFlow* flow,
                                 const names::NameTable* names);

/// The line under a rung that explains a marked element: `! line 7 "LDX": unknown instruction`.
std::string markLine(const Element& element);

} // namespace rungbox::ladder
