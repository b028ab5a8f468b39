// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the page draws, written as JSON for it: the ladder diagram's layout and power flow, and
// the chosen machine's state. Only written here, never read: the page parses it with the
// browser's own JSON parser.

#include "ladder/Monitor.h"
#include "machines/ModuleHost.h"
#include "names/NameTable.h"

#include <string>
#include <string_view>

namespace rungbox::wasm {

/// Appends `text` as a JSON string. Bytes from 128 up are written as \u00XX: cells hold 8-bit
/// text shown as Latin-1, so the page sees the character the window shows.
void appendJsonString(std::string& out, std::string_view text);

/// The diagram of `monitor` as of its last refresh:
///   {"columns", "networkColumns", "ended", "currentLine", "running",
///    "rungs": [{"firstLine", "rows", "elements": [index], "marks": [index],
///               "wires": [[col0, row0, col1, row1, net]]}],
///    "elements": [{"kind", "line", "rung", "cell": [col, row, width, height], "inNet",
///                  "outNet", "label", "negated", "coil" ("out", "not", "difu"), "problem",
///                  "mark" (the text of a problem row), "targetLine", "title", "values",
///                  "pins": [[name, row, net]], "name" (of the operand's address in `names`,
///                  for contacts, coils, timers and counters that have one)}],
///    "nets": [0 or 1] and "active": [0 or 1] during a run}
/// Labels and texts are the window's (ladder::operandLabel, problemText, the box captions).
std::string ladderJson(const ladder::Monitor& monitor, const names::NameTable* names = nullptr);

/// The chosen machine of `modules` for its picture: {"kind" ("gate" or "conveyor"), "running",
/// "state" (Plant::stateLine), "faults": [{"text", "count", "active"}], and the dimensions the
/// picture scales by}; "null" with none chosen.
std::string machineJson(const machines::ModuleHost& modules, bool running);

} // namespace rungbox::wasm
