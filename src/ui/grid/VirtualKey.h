// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Translation of Qt's key events into the virtual key codes the editing keys act on.

class QKeyEvent;

namespace rungbox::ui {

/// The virtual key code of a key event. Letters give 65 to 90 whatever Shift and Caps Lock;
/// digits of the main keyboard 48 to 57, also with Shift held; keypad digits 96 to 105; Backspace
/// 8, Tab 9, Enter 13, Shift 16, Ctrl 17, Alt 18, Escape 27, Space 32, Page Up 33, Page Down 34,
/// End 35, Home 36, arrows 37 to 40, Insert 45, Delete 46, F1 to F12 112 to 123; any other key 0.
///
/// `byScanCode` says that the event's native scan code is an X11 key code (the xcb platform).
/// A shifted digit then reports its symbol as the key ('#' for Shift+3) and only the key code
/// tells which digit key it was: X key codes 10 to 19 are the digit row 1 to 9, 0. Where there is
/// no such code (other platforms, synthetic events), the US shifted symbols !@#$%^&*() stand for
/// the digits 1 to 0.
int virtualKeyCode(const QKeyEvent& event, bool byScanCode);

/// virtualKeyCode() with `byScanCode` set when the application runs on the xcb platform.
int virtualKeyCode(const QKeyEvent& event);

/// The Shift argument of a key event: editor::KeyMod bits for the modifiers held.
int shiftState(const QKeyEvent& event);

} // namespace rungbox::ui
