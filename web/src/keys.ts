// SPDX-License-Identifier: GPL-3.0-or-later
// Keys: the virtual key codes the core's editor takes (editor::Key), made from the browser's key
// events as the window's key layer makes them from Qt's, and the page's menu shortcuts.

/** editor::KeyMod */
const KeyMod = { Shift: 1, Ctrl: 2, Alt: 4 };

const kNamedKeys: Record<string, number> = {
    Backspace: 8,
    Tab: 9,
    Enter: 13,
    NumpadEnter: 13,
    ShiftLeft: 16,
    ShiftRight: 16,
    ControlLeft: 17,
    ControlRight: 17,
    AltLeft: 18,
    AltRight: 18,
    Escape: 27,
    Space: 32,
    PageUp: 33,
    PageDown: 34,
    End: 35,
    Home: 36,
    ArrowLeft: 37,
    ArrowUp: 38,
    ArrowRight: 39,
    ArrowDown: 40,
    Insert: 45,
    Delete: 46,
};

/**
 * The virtual key code of a key event: by the key's place on the keyboard (event.code), so that
 * Shift+1 is the 1 key and a letter is its upper-case code whatever Shift and Caps Lock, as in
 * the window. Keypad digits are 96 to 105. Other keys are 0, as the window delivers them.
 */
function virtualKeyCode(event: KeyboardEvent): number {
    const code = event.code;
    let match = /^Digit([0-9])$/.exec(code);
    if (match) {
        return 48 + Number(match[1]);
    }
    match = /^Numpad([0-9])$/.exec(code);
    if (match) {
        return 96 + Number(match[1]);
    }
    match = /^Key([A-Z])$/.exec(code);
    if (match) {
        return match[1].charCodeAt(0);
    }
    match = /^F([0-9]{1,2})$/.exec(code);
    if (match && Number(match[1]) >= 1 && Number(match[1]) <= 12) {
        return 111 + Number(match[1]);
    }
    return kNamedKeys[code] ?? 0;
}

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
