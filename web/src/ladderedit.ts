// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the program in the page's ladder diagram while stopped, as the window's diagram draws
// it: the selection (the element of the grid's current line, framed in blue), the keys of the
// core's keyboard model, a toolbar naming its keys with buttons large enough to touch, the
// address box a new element opens, the rung operations, undo and redo, and the reason of a
// refused edit above the diagram. What each key does is the core's (src/wasm/WebLadderEditor.h);
// this file only forwards the user's keys and taps and shows what the core says.

interface WebLadderEditor {
    active(): boolean;
    /** KeyboardEvent.key with the Shift, Ctrl and Alt bits; true when it was an editing key. */
    key(key: string, mods: number): boolean;
    use(tool: number): void;
    openAddress(): void;
    confirmAddress(address: string, setValue: string): boolean;
    cancelAddress(): void;
    undo(): void;
    redo(): void;
    copyRung(): string;
    pasteRungs(text: string): void;
    moveRung(delta: number): void;
    deleteRung(): void;
    clickLine(line: number): void;
    focus(): void;
    /** {active, status, line, address: null | {address, setValue: number | null}} */
    state(): string;
}

interface RungboxModule {
    WebLadderEditor: {
        new (session: WebSession): WebLadderEditor;
        /** The tools in toolbar order: [{text, tip, key}]. */
        toolsJson(): string;
    };
}

interface LadderEditState {
    active: number;
    status: string;
    line: number;
    /** 1 while the program is extended: the extended set's tools are shown. */
    extended: number;
    address: null | { address: string; setValue: number | null };
}

class LadderEditing implements PageFeature {
    private readonly editor: WebLadderEditor;
    private readonly view: LadderView;
    private readonly bar: HTMLElement;
    private readonly status: HTMLElement;
    private readonly box: HTMLElement;
    private readonly address: HTMLInputElement;
    private readonly setValue: HTMLInputElement;
    private buttons: HTMLButtonElement[] = [];
    /** The extended set's tools (their index in the core's list) and their buttons, shown while
     * the program is extended. */
    private readonly extendedTools: { text: string; tip: string; key: string; index: number }[] = [];
    private extendedButtons: HTMLButtonElement[] = [];
    private addressButton: HTMLButtonElement | null = null;
    private shown = "";
    private shownRunning = false;
    /** The user acted since the last look: the state is read even during a run. */
    private handled = false;
    /** The rungs copied last, for Paste Rungs where the page may not read the clipboard. */
    private copied = "";

    constructor(private readonly context: PageContext) {
        this.editor = new context.core.WebLadderEditor(context.session);
        this.view = context.ladder;
        this.view.framesSelection = true;
        const host = this.view.host;
        host.tabIndex = 0;
        host.classList.add("ladder-drawing");
        this.bar = this.makeToolbar(context.core.WebLadderEditor.toolsJson());
        this.status = document.createElement("p");
        this.status.className = "ladder-status";
        this.status.setAttribute("role", "status");
        this.bar.append(this.status);
        [this.box, this.address, this.setValue] = this.makeAddressBox();
        host.prepend(this.bar);
        host.append(this.box);
        host.addEventListener("keydown", (event) => this.onKey(event));
        host.addEventListener("focus", () => this.act(() => this.editor.focus()));
        host.addEventListener("click", (event) => this.onClick(event, false));
        host.addEventListener("dblclick", (event) => this.onClick(event, true));
        document.addEventListener("copy", (event) => this.onCopy(event));
        document.addEventListener("paste", (event) => this.onPaste(event));
    }

    refresh(): void {
        // During a run the editor is off and its state stands still: it is read again when the
        // run starts or stops and after the user's hands (act), not with every picture.
        const running = this.context.session.running();
        if (running && this.shownRunning && !this.handled) {
            return;
        }
        this.shownRunning = running;
        this.handled = false;
        const text = this.editor.state();
        if (text === this.shown) {
            return;
        }
        this.shown = text;
        const state = JSON.parse(text) as LadderEditState;
        this.showExtendedTools(state.extended === 1);
        for (const button of this.buttons) {
            button.disabled = !state.active;
        }
        this.status.textContent = trDynamic("Ladder", state.status);
        this.status.hidden = state.status === "";
        this.showAddressBox(state);
    }

    testHook(): object {
        return {
            /** The middle of the element of `line` in client pixels, for taps; null when not drawn. */
            ladderPoint: (line: number) => {
                const rect = this.view.rectOfLine(line);
                if (!rect) {
                    return null;
                }
                const host = this.view.host.getBoundingClientRect();
                const [x, y, w, h] = rect;
                return { x: host.left - this.view.host.scrollLeft + x + w / 2, y: host.top - this.view.host.scrollTop + y + h / 2 };
            },
        };
    }

    // --- The toolbar and the address box -------------------------------------------------------

    private makeToolbar(toolsJson: string): HTMLElement {
        const bar = document.createElement("div");
        bar.className = "ladder-toolbar";
        bar.setAttribute("role", "toolbar");
        bar.setAttribute("aria-label", tr("page.ladderedit", "Draw"));
        const tools = JSON.parse(toolsJson) as { text: string; tip: string; key: string; extended: number }[];
        const group = (label: string): HTMLElement => {
            const row = document.createElement("div");
            row.className = "ladder-tools";
            row.setAttribute("role", "group");
            row.setAttribute("aria-label", label);
            bar.append(row);
            return row;
        };
        const elements = group(tr("page.ladderedit", "Elements"));
        tools.forEach((tool, index) => {
            if (tool.extended === 1) {
                // The extended set's instructions: added while the program is extended.
                this.extendedTools.push({ text: trDynamic("Ladder", tool.text), tip: trDynamic("Ladder", tool.tip), key: tool.key, index });
            } else {
                elements.append(this.button(trDynamic("Ladder", tool.text), tool.key, trDynamic("Ladder", tool.tip), () => this.editor.use(index)));
            }
        });
        this.addressButton = this.button(tr("page.ladderedit", "Address..."), "Enter", tr("page.ladderedit", "Edit the selection's address (Enter)"), () => this.editor.openAddress());
        elements.append(this.addressButton);
        const rungs = group(tr("page.ladderedit", "Rungs"));
        rungs.append(
            this.button(tr("page.ladderedit", "Undo"), "Ctrl+Z", tr("page.ladderedit", "Undo (Ctrl+Z)"), () => this.editor.undo()),
            this.button(tr("page.ladderedit", "Redo"), "Ctrl+Y", tr("page.ladderedit", "Redo (Ctrl+Y)"), () => this.editor.redo()),
            this.button(tr("page.ladderedit", "Move Rung Up"), "", tr("page.ladderedit", "Move the selection's rung up"), () => this.editor.moveRung(-1)),
            this.button(tr("page.ladderedit", "Move Rung Down"), "", tr("page.ladderedit", "Move the selection's rung down"), () => this.editor.moveRung(1)),
            this.button(tr("page.ladderedit", "Delete Rung"), "", tr("page.ladderedit", "Delete the selection's rung"), () => this.editor.deleteRung()),
            this.button(tr("page.ladderedit", "Copy Rung"), "Ctrl+C", tr("page.ladderedit", "Copy the selection's rung (Ctrl+C)"), () => void this.copyRung()),
            this.button(
                tr("page.ladderedit", "Paste Rungs"),
                "Ctrl+V",
                tr("page.ladderedit", "Paste rungs after the selection's rung (Ctrl+V)"),
                () => void this.pasteFromClipboard(),
            ),
        );
        return bar;
    }

    /** Adds the extended set's tools before "Address..." while the program is extended, and takes
     * them away again while it is classic, so that a classic program's toolbar stays as it was. */
    private showExtendedTools(on: boolean): void {
        if (on && this.extendedButtons.length === 0) {
            for (const tool of this.extendedTools) {
                const button = this.button(tool.text, tool.key, tool.tip, () => this.editor.use(tool.index));
                this.addressButton?.before(button);
                this.extendedButtons.push(button);
            }
        } else if (!on && this.extendedButtons.length > 0) {
            for (const button of this.extendedButtons) {
                button.remove();
            }
            this.buttons = this.buttons.filter((button) => !this.extendedButtons.includes(button));
            this.extendedButtons = [];
        }
    }

    private button(text: string, key: string, tip: string, run: () => void): HTMLButtonElement {
        const button = document.createElement("button");
        button.type = "button";
        button.textContent = text;
        button.title = tip;
        if (key) {
            const kbd = document.createElement("kbd");
            kbd.textContent = key === "Delete" ? "Del" : key;
            button.append(kbd);
            button.setAttribute("aria-keyshortcuts", key === "/" ? "Slash" : key);
            // The name says the key apart from the word ("Contact (C)"), not run into it.
            button.setAttribute("aria-label", `${text} (${kbd.textContent})`);
        }
        // A tap acts without taking the diagram's focus away from the keys.
        button.addEventListener("click", (event) => {
            event.stopPropagation();
            this.act(run);
        });
        this.buttons.push(button);
        return button;
    }

    private makeAddressBox(): [HTMLElement, HTMLInputElement, HTMLInputElement] {
        const box = document.createElement("div");
        box.className = "ladder-address";
        box.setAttribute("role", "group");
        box.setAttribute("aria-label", tr("page.ladderedit", "Address"));
        box.hidden = true;
        const field = (label: string, placeholder: string): HTMLInputElement => {
            const input = document.createElement("input");
            input.setAttribute("aria-label", label);
            input.placeholder = placeholder;
            input.autocomplete = "off";
            input.spellcheck = false;
            input.addEventListener("keydown", (event) => this.onAddressKey(event));
            box.append(input);
            return input;
        };
        const address = field(tr("page.ladderedit", "Address"), tr("page.ladderedit", "address"));
        const setValue = field(tr("page.ladderedit", "Set value"), "###");
        setValue.inputMode = "numeric";
        setValue.size = 5;
        address.size = 10;
        const ok = document.createElement("button");
        ok.type = "button";
        ok.textContent = tr("page.dialogs", "OK");
        ok.addEventListener("click", (event) => {
            event.stopPropagation();
            this.confirmAddress();
        });
        const cancel = document.createElement("button");
        cancel.type = "button";
        cancel.textContent = tr("page.dialogs", "Cancel");
        cancel.addEventListener("click", (event) => {
            event.stopPropagation();
            this.act(() => this.editor.cancelAddress(), true);
        });
        box.append(ok, cancel);
        box.addEventListener("click", (event) => event.stopPropagation());
        box.addEventListener("dblclick", (event) => event.stopPropagation());
        return [box, address, setValue];
    }

    private showAddressBox(state: LadderEditState): void {
        const form = state.address;
        if (!form) {
            this.box.hidden = true;
            return;
        }
        const opening = this.box.hidden;
        this.box.hidden = false;
        const rect = this.view.rectOfLine(state.line);
        const [x, y, , h] = rect ?? [0, 0, 0, 0];
        this.box.style.left = `${Math.max(0, x)}px`;
        this.box.style.top = `${y + h}px`;
        if (opening) {
            this.address.value = form.address;
            this.setValue.value = form.setValue === null ? "" : String(form.setValue);
            this.setValue.hidden = form.setValue === null;
            this.address.focus();
            this.address.select();
            this.box.scrollIntoView({ block: "nearest", inline: "nearest" });
        }
    }

    private onAddressKey(event: KeyboardEvent): void {
        if (event.key === "Enter") {
            event.preventDefault();
            this.confirmAddress();
        } else if (event.key === "Escape") {
            event.preventDefault();
            this.act(() => this.editor.cancelAddress(), true);
        }
        event.stopPropagation();
    }

    private confirmAddress(): void {
        let taken = false;
        this.act(() => (taken = this.editor.confirmAddress(toLatin1(this.address.value), toLatin1(this.setValue.value))));
        if (taken) {
            this.view.host.focus({ preventScroll: true });
        }
    }

    // --- The user's hands -----------------------------------------------------------------------

    /** Runs an edit and shows what it did; `refocus` gives the keys back to the diagram. */
    private act(edit: () => void, refocus = false): void {
        edit();
        this.handled = true;
        this.context.render();
        if (refocus) {
            this.view.host.focus({ preventScroll: true });
        }
    }

    private onKey(event: KeyboardEvent): void {
        // Keys typed into the address box or on a toolbar button are theirs; Tab always leaves.
        if (event.target !== this.view.host || event.key === "Tab") {
            return;
        }
        let taken = false;
        this.act(() => (taken = this.editor.key(event.key, shiftState(event))));
        if (taken) {
            event.preventDefault();
            event.stopPropagation();
        }
    }

    private onClick(event: MouseEvent, twice: boolean): void {
        const line = this.view.lineAt(event.clientX, event.clientY);
        if (line <= 0) {
            return;
        }
        this.act(() => {
            this.editor.clickLine(line);
            if (twice) {
                this.editor.openAddress();
            }
        });
    }

    private onCopy(event: ClipboardEvent): void {
        if (document.activeElement !== this.view.host || !event.clipboardData) {
            return;
        }
        event.preventDefault();
        const text = this.editor.copyRung();
        if (text) {
            this.copied = text;
            event.clipboardData.setData("text/plain", text);
        }
    }

    private onPaste(event: ClipboardEvent): void {
        if (document.activeElement !== this.view.host || !event.clipboardData) {
            return;
        }
        event.preventDefault();
        const text = toLatin1(event.clipboardData.getData("text/plain"));
        this.act(() => this.editor.pasteRungs(text));
    }

    /** Copy Rung: onto the clipboard where the page may write it, and kept for Paste Rungs. */
    private async copyRung(): Promise<void> {
        const text = this.editor.copyRung();
        if (!text) {
            return;
        }
        this.copied = text;
        try {
            await navigator.clipboard.writeText(text);
        } catch {
            // No clipboard for the page (opened from disk, say): Paste Rungs takes the copy kept.
        }
    }

    /** Paste Rungs: the clipboard's text where the page may read it, else the rungs copied last. */
    private async pasteFromClipboard(): Promise<void> {
        let text = this.copied;
        try {
            text = (await navigator.clipboard.readText()) || this.copied;
        } catch {
            // Reading refused: the copy kept.
        }
        this.act(() => this.editor.pasteRungs(toLatin1(text)));
    }
}
