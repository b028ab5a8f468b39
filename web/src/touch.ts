// SPDX-License-Identifier: GPL-3.0-or-later
// Phones, tablets and dark desktops: typing the program on an on-screen keyboard, the page's
// colours under a dark scheme (shades.ts), and the drawing toolbar folded on narrow screens.

interface WebSession {
    /** Characters typed on an on-screen keyboard (Latin-1), each as the key that types it. */
    typeText(text: string): void;
}

/** Text a touch screen's keyboard types into: a text box over the grid's current cell, focused
 * by a tap on the grid, so that the on-screen keyboard comes up. Such keyboards name no keys
 * (key "Unidentified", code ""): what they type arrives as the box's text and goes to the core
 * as characters (WebSession.typeText), Backspace and Enter as those keys, so that every rule of
 * the grid stays the core's. A real keyboard's keys pass on to the grid as from the table. */
class GridTyping {
    readonly box: HTMLInputElement;
    /** The box's text as last handed to the core; what an input event changed is the rest. */
    private sent = "";
    private touched = false;

    constructor(private readonly context: PageContext) {
        const grid = context.grid;
        const box = document.createElement("input");
        box.type = "text";
        box.className = "grid-typing";
        box.tabIndex = -1; // the keyboard's Tab reaches the table, as before
        box.setAttribute("aria-label", tr("page.touch", "Type into the cell"));
        box.setAttribute("autocapitalize", "characters");
        box.setAttribute("autocomplete", "off");
        box.setAttribute("autocorrect", "off");
        box.setAttribute("enterkeyhint", "next");
        box.spellcheck = false;
        this.box = box;
        grid.host.append(box);

        // A finger or a pen on the grid sends the keys into the box; a mouse into the table.
        grid.host.addEventListener("pointerdown", (event) => (this.touched = event.pointerType !== "mouse"), true);
        const table = grid.focusKeys;
        grid.focusKeys = () => (this.touched && this.enabled() ? this.focusBox() : table());
        // A browser that did not let the tap's mousedown bring the keyboard up lets its click.
        grid.host.addEventListener("click", (event) => {
            if (this.touched && this.enabled() && document.activeElement !== box && (event.target as Element).closest("td")) {
                this.focusBox();
            }
        });
        box.addEventListener("keydown", (event) => this.onKey(event));
        box.addEventListener("input", (event) => this.onInput(event as InputEvent));
        box.addEventListener("compositionend", () => this.clear());
        box.addEventListener("blur", () => this.clear());
    }

    /** Keeps the box over the current cell; a run locking the grid puts the keyboard away. */
    refresh(): void {
        if (document.activeElement !== this.box) {
            return;
        }
        if (!this.enabled()) {
            this.box.blur();
            return;
        }
        const cell = this.context.grid.host.querySelector<HTMLElement>("td.current");
        if (cell) {
            const host = this.context.grid.host;
            const at = cell.getBoundingClientRect();
            const origin = host.getBoundingClientRect();
            this.box.style.left = `${at.left - origin.left + host.scrollLeft - host.clientLeft}px`;
            this.box.style.top = `${at.top - origin.top + host.scrollTop - host.clientTop}px`;
            this.box.style.width = `${at.width}px`;
            this.box.style.height = `${at.height}px`;
        }
    }

    private enabled(): boolean {
        return this.context.session.cursor()[4] !== 0;
    }

    private focusBox(): void {
        this.clear();
        this.box.focus({ preventScroll: true });
        this.refresh();
    }

    private clear(): void {
        this.box.value = "";
        this.sent = "";
    }

    private onKey(event: KeyboardEvent): void {
        // An on-screen keyboard names no key; its text comes as input events. Enter and
        // Backspace may still come as keys without a place on a keyboard.
        if (event.isComposing || event.keyCode === 229 || event.code === "" || event.code === "Unidentified") {
            event.stopPropagation();
            const code = event.key === "Enter" || event.key === "Backspace" ? event.key : "";
            if (code !== "" && !event.isComposing) {
                event.preventDefault();
                this.context.session.pressKey(code, 0);
                this.context.render();
            }
        }
        // Any other key goes on to the grid, which takes it as from the table.
    }

    /** Hands the core what the box's text gained or lost since the last look: a word being
     * composed comes letter by letter and a correction as Backspaces and the new letters. */
    private onInput(event: InputEvent): void {
        const text = this.box.value;
        let same = 0;
        while (same < text.length && same < this.sent.length && text[same] === this.sent[same]) {
            ++same;
        }
        for (let k = same; k < this.sent.length; ++k) {
            this.context.session.pressKey("Backspace", 0);
        }
        const typed = text.slice(same);
        if (typed !== "") {
            this.context.session.typeText(toLatin1(typed));
        }
        this.sent = text;
        if (!event.isComposing) {
            this.clear();
        }
        this.context.render();
    }
}

/** On a phone the drawing toolbar's two rows of 44-pixel buttons would fill half the screen:
 * there it folds behind one Draw button, opened with a tap while the program is stopped and
 * folded again when a run starts, when none of its tools can be used. */
class FoldingToolbar {
    private readonly narrow = window.matchMedia("(max-width: 600px)");
    private bar: HTMLElement | null = null;
    private fold: HTMLButtonElement | null = null;
    private wasRunning = false;

    constructor(private readonly context: PageContext) {}

    refresh(): void {
        const bar = this.bar ?? this.makeFold();
        if (!bar || !this.fold) {
            return;
        }
        const running = this.context.session.running();
        if (running && !this.wasRunning) {
            this.setOpen(false);
        }
        this.wasRunning = running;
        this.fold.disabled = running;
        this.fold.title = running ? tr("page.touch", "Stop the run to draw") : tr("page.touch", "Show the drawing tools");
    }

    private makeFold(): HTMLElement | null {
        const bar = this.context.ladder.host.querySelector<HTMLElement>(".ladder-toolbar");
        if (!bar) {
            return null;
        }
        const fold = document.createElement("button");
        fold.type = "button";
        fold.className = "ladder-fold";
        fold.textContent = tr("page.touch", "Draw");
        fold.addEventListener("click", (event) => {
            event.stopPropagation(); // not a click on the diagram
            this.setOpen(!bar.classList.contains("open"));
        });
        this.bar = bar;
        this.fold = fold;
        // Only a narrow screen has the button; a wide one keeps the toolbar as it was.
        const place = () => {
            if (this.narrow.matches) {
                bar.prepend(fold);
            } else {
                fold.remove();
            }
            this.setOpen(false);
        };
        this.narrow.addEventListener("change", place);
        place();
        return bar;
    }

    private setOpen(open: boolean): void {
        this.bar?.classList.toggle("open", open);
        this.fold?.setAttribute("aria-expanded", String(open));
    }
}

class TouchFeature implements PageFeature {
    private readonly typing: GridTyping;
    private readonly toolbar: FoldingToolbar;
    private readonly shades = new PageShades();

    constructor(context: PageContext) {
        this.typing = new GridTyping(context);
        this.toolbar = new FoldingToolbar(context);
        const machine = document.querySelector<HTMLCanvasElement>(".machine canvas")?.getContext("2d");
        if (machine) {
            this.shades.follow(machine);
        }
    }

    refresh(): void {
        this.typing.refresh();
        this.toolbar.refresh();
    }
}
