// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Translation of Qt's key events into the keys and modifiers the editing keys act on.

#include "editor/KeyPress.h"

class QKeyEvent;

namespace rungbox::ui {

/// The key of a key event. Letters are letters whatever Shift and Caps Lock; the digits of the
/// main keyboard are digits, also with Shift held; keypad digits are keypad digits; Return and
/// the keypad's Enter are Enter, Alt Gr is Alt; keys the editor does not name are Other.
///
/// `byScanCode` says that the event's native scan code is an X11 key code (the xcb platform).
/// A shifted digit then reports its symbol as the key ('#' for Shift+3) and only the key code
/// tells which digit key it was: X key codes 10 to 19 are the digit row 1 to 9, 0. Where there is
/// no such code (other platforms, synthetic events), the US shifted symbols !@#$%^&*() stand for
/// the digits 1 to 0.
editor::KeyPress translateKey(const QKeyEvent& event, bool byScanCode);

/// translateKey() with `byScanCode` set when the application runs on the xcb platform.
editor::KeyPress translateKey(const QKeyEvent& event);

/// The key as an `extended` program's cells take it: a key whose text is a mark ('.', '#',
/// '(' ...; editor::KeyPress::isMark) types that mark, other keys are translateKey's. A classic
/// program gets translateKey's key for every key.
editor::KeyPress translateKey(const QKeyEvent& event, bool byScanCode, bool extended);

/// translateKey() for a program `extended` or not, on this application's platform.
editor::KeyPress translateCellKey(const QKeyEvent& event, bool extended);

/// The Shift, Ctrl and Alt modifiers held in a key event.
editor::KeyMods translateModifiers(const QKeyEvent& event);

} // namespace rungbox::ui
