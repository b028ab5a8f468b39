// SPDX-License-Identifier: GPL-3.0-or-later
// Keys: the virtual key codes the core's editor takes (editor::Key), made from the browser's key
// events as the window's key layer makes them from Qt's, and the page's menu shortcuts.

/** editor::KeyMod */
const KeyMod = { Shift: 1, Ctrl: 2, Alt: 4 };

/** The Shift, Ctrl and Alt state of an event (editor::KeyMod bits). */
function shiftState(event: KeyboardEvent | MouseEvent): number {
    return (
        (event.shiftKey ? KeyMod.Shift : 0) |
        (event.ctrlKey || event.metaKey ? KeyMod.Ctrl : 0) |
        (event.altKey ? KeyMod.Alt : 0)
    );
}

/**
 * A menu shortcut of the page. The browser keeps F5, F11, Ctrl+N, Ctrl+T and Ctrl+W for itself,
 * so the page's keys avoid them; each is shown beside its menu item.
 */
interface Shortcut {
    /** As the menu shows it, e.g. "Ctrl+Alt+N". */
    label: string;
    /** event.code of the key, and the modifiers that must be held (no others). */
    code: string;
    shift: number;
}

function shortcut(label: string): Shortcut {
    const parts = label.split("+");
    const key = parts[parts.length - 1];
    let shift = 0;
    for (const part of parts.slice(0, -1)) {
        shift |= part === "Shift" ? KeyMod.Shift : part === "Ctrl" ? KeyMod.Ctrl : KeyMod.Alt;
    }
    const code = /^[A-Z]$/.test(key) ? "Key" + key : /^[0-9]$/.test(key) ? "Digit" + key : key;
    return { label, code, shift };
}

function matchesShortcut(event: KeyboardEvent, key: Shortcut): boolean {
    return event.code === key.code && shiftState(event) === key.shift;
}
