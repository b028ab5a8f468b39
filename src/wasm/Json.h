// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the page draws, written as JSON for it: the ladder diagram's layout and power flow, and
// the chosen machine's state. Only written here, never read: the page parses it with the
// browser's own JSON parser.

#include "WebPorts.h"
#include "ladder/Monitor.h"
#include "machines/ModuleHost.h"
#include "machines/Scene.h"
#include "names/NameTable.h"
#include "text/JsonString.h"

#include <string>
#include <string_view>
#include <vector>

namespace rungbox::wasm {

/// Appends `text` (UTF-8) as a JSON string for the page: text::appendJsonString with every
/// character from U+0080 up escaped, as strings cross to the page as 8-bit bytes; JSON.parse
/// then gives the characters themselves ("F\u00f6rderband"), each byte that is not UTF-8 a '?'.
inline void appendJsonString(std::string& out, std::string_view text) {
    text::appendJsonString(out, text, text::JsonChars::Ascii);
}

/// A message box for the page: {"text", "title", "buttons" ("ok", "yesNo", "yesNoCancel"),
/// "icon" ("critical", "question", "exclamation", "none")}.
std::string messageJson(const Message& message);

/// A core text as the page translates it: `{"context", "source", "comment", "args"}` (its
/// message's context, English and id, with its arguments), or `null` for an empty or verbatim
/// text, which the page shows as it stands.
std::string textMessageJson(const l10n::Text& text);

/// `messages` as a JSON array of messageJson().
std::string messagesJson(const std::vector<Message>& messages);

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

/// The chosen machine of `modules` for its picture: {"kind" (machines::moduleWord), "title",
/// "running", "state" (Plant::stateLine), "faults": [{"text", "count", "active"}], and for the
/// gate and the conveyor the dimensions the picture scales by, for the other machines "controls":
/// [{"word", "caption", "toggle", "on"}] and "scene" (sceneJson)}; "null" with none chosen.
std::string machineJson(const machines::ModuleHost& modules, bool running);

/// A machine's picture as JSON: its size `w` and `h`, its `shapes` in painting order and its
/// clickable `spots` (box `b`, control `c`); lengths in scene pixels to a tenth, colours
/// "#rrggbb". The shapes' members are described where they are written.
std::string sceneJson(const machines::Scene& scene);

} // namespace rungbox::wasm
