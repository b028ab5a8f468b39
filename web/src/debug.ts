// SPDX-License-Identifier: GPL-3.0-or-later
// Debugging on the page, as the window's debugging tools do it: the Debug menu and its keys, the
// next line and the breakpoints marked in the grid and the diagram, the register panel, the watch
// table with its forcing, padlocks on forced lamps and the run lamp blinking while paused.
// Everything shown comes from the core's WebDebugger; this file draws it and forwards clicks.

interface WebDebugger {
    revision(): number;
    clockRevision(): number;
    togglePause(): void;
    /** session::RunEnd as a number. */
    stepScan(): number;
    stepTick(): void;
    stepLine(): number;
    toggleBreakpoint(line: number): void;
    toggleBreakpointAtCursor(): void;
    stateJson(): string;
    diagramMarksJson(): string;
    addEntry(text: string): boolean;
    refusal(): string;
    removeEntry(index: number): void;
    /** 1 on, 0 off, -1 release. */
    forceEntry(index: number, value: number): boolean;
    watchJson(): string;
    setEntryFormat(index: number, label: string): boolean;
    /** "" releases. */
    forceEntryWord(index: number, typed: string): boolean;
    wordsJson(): string;
    setWordFormat(index: number, label: string): boolean;
    forceWord(index: number, typed: string): boolean;
    dmJson(): string;
    setDm(row: number, typed: string): boolean;
}

/** The formats a word row offers (debug::WordFormat's labels). */
const kWordFormats = ["Hex", "BCD", "Dec"];
/** Why `typed` was refused as a word, as the window says it. */
function notAWord(typed: string): string {
    return trf("page.debug", "%1: not a word (#0000 to #FFFF, &0 to &65535)", typed);
}

/** WebDebugger::wordsJson */
interface RegisterWords {
    rows: { name: string; text: string; format: string; forced: string; forceable: number }[];
}

interface RungboxModule {
    WebDebugger: { new (session: WebSession): WebDebugger };
}

/** Milliseconds between two changes of a paused run's blinking run lamp, as the window's. */
const kBlinkMs = 400;

/** WebDebugger::stateJson */
interface DebugState {
    running: number;
    paused: number;
    currentLine: number;
    breakpoints: number[];
    registers: string;
    lockedInputs: number;
    lockedOutputs: number;
}

/** WebDebugger::watchJson */
interface WatchTable {
    hint: string;
    rows: {
        item: string;
        value: string;
        set: string;
        on: number;
        relay: number;
        forced: number;
        /** Word rows only. */
        word?: number;
        format?: string;
        forcedWord?: string;
    }[];
}

/** A <select> of the word formats, labelled `label`, calling `chosen` with the label picked. */
function formatChoice(label: string, chosen: (format: string) => void): HTMLSelectElement {
    const select = document.createElement("select");
    select.setAttribute("aria-label", label);
    for (const format of kWordFormats) {
        const option = document.createElement("option");
        option.textContent = format;
        option.value = format;
        select.append(option);
    }
    select.addEventListener("change", () => chosen(select.value));
    return select;
}

function makeButton(name: string, run: () => void): HTMLButtonElement {
    const button = document.createElement("button");
    button.textContent = name;
    button.addEventListener("click", run);
    return button;
}

/** A padlock drawn in SVG: `fill` is the forced value's colour. */
function padlock(svg: SVGSVGElement, x: number, y: number, fill: string): void {
    const shackle = document.createElementNS(kSvg, "path");
    shackle.setAttribute("d", `M ${x + 2} ${y} v -2 a 3 3 0 0 1 6 0 v 2`);
    shackle.setAttribute("fill", "none");
    shackle.setAttribute("stroke", kInk);
    shackle.setAttribute("stroke-width", "1.4");
    const body = document.createElementNS(kSvg, "rect");
    for (const [name, value] of [["x", x], ["y", y], ["width", 10], ["height", 8]] as const) {
        body.setAttribute(name, String(value));
    }
    body.setAttribute("fill", fill);
    body.setAttribute("stroke", kInk);
    body.setAttribute("stroke-width", "1.4");
    body.setAttribute("class", "padlock");
    svg.append(shackle, body);
}

/** Where the debugger marks the diagram: each element's line (0: none), the elements with a
 * breakpoint, and the forced ones with their value (WebDebugger::diagramMarksJson). */
interface DiagramMarks {
    lines: number[];
    breakpoints: number[];
    forced: [number, number][];
}

/** Makes a section.tool panel with its heading and Close button, hidden until shown. */
function toolPanel(tools: HTMLElement, name: string): HTMLElement {
    const section = document.createElement("section");
    section.className = "tool debug-tool";
    section.setAttribute("aria-label", name);
    section.hidden = true;
    const heading = document.createElement("h2");
    heading.textContent = name;
    const close = document.createElement("button");
    close.textContent = tr("page.debug", "Close");
    close.className = "tool-close";
    close.addEventListener("click", () => (section.hidden = true));
    const head = document.createElement("div");
    head.className = "tool-head";
    head.append(heading, close);
    section.append(head);
    tools.append(section);
    return section;
}

class DebugTools implements PageFeature {
    private readonly core: WebDebugger;
    private readonly registers: HTMLElement;
    private readonly registerText: HTMLElement;
    private readonly watch: WatchPanel;
    private readonly words: RegisterWordsPanel;
    private readonly dm: DmPanel;
    private readonly runItems: MenuItem[];
    private shownRevision = -1;
    private shownClock = -1;
    private marksStamp = "";
    private marks: DiagramMarks = { lines: [], breakpoints: [], forced: [] };
    private shownNext = 0;
    /** The paused run lamp's blinking (a timer id), 0 while it does not blink. */
    private blinkTimer = 0;
    /** The panel's input lamps 0 to 15, then its output lamps 0 to 15. */
    private readonly lamps: HTMLElement[] = [];

    constructor(private readonly context: PageContext) {
        this.core = new context.core.WebDebugger(context.session);
        this.registers = toolPanel(context.tools, tr("page.debug", "Registers"));
        this.registerText = document.createElement("pre");
        this.registerText.className = "register-text";
        this.registerText.setAttribute("aria-label", tr("page.debug", "Register text"));
        this.registers.append(this.registerText);
        this.words = new RegisterWordsPanel(this.core, this.registers, () => this.changed(), () =>
            context.session.running(),
        );
        this.dm = new DmPanel(this.core, toolPanel(context.tools, tr("page.debug", "DM Table")), () => this.changed());
        this.watch = new WatchPanel(this.core, toolPanel(context.tools, tr("page.debug", "Watch")), () => this.changed(), () =>
            context.session.running(),
        );
        context.grid.onBreakpointMargin = (line) => this.toggleBreakpoint(line);
        context.ladder.decorate = (svg, cellOf) => this.decorate(svg, cellOf);
        // F11 is the browser's full screen and seldom reaches a page: the menu offers F8 for Step
        // Instruction, and F11 steps too where the browser lets it through.
        document.addEventListener("keydown", (event) => {
            if (event.code === "F11" && shiftState(event) === 0) {
                event.preventDefault();
                this.step(() => this.core.stepLine(), true);
            }
        });
        this.runItems = [
            { label: tr("page.debug", "Pause"), key: shortcut("F6"), run: () => this.whileRunning(() => this.core.togglePause()) },
            { label: tr("page.debug", "Step Scan"), key: shortcut("F10"), run: () => this.step(() => this.core.stepScan()) },
            { label: tr("page.debug", "Step Tick"), key: shortcut("Shift+F10"), run: () => this.step(() => this.core.stepTick()) },
            { label: tr("page.debug", "Step Instruction"), key: shortcut("F8"), run: () => this.step(() => this.core.stepLine(), true) },
        ];
    }

    menuItems(): { menu: string; items: MenuItem[] }[] {
        return [
            {
                menu: "Debug",
                items: [
                    ...this.runItems,
                    { label: tr("page.debug", "Toggle Breakpoint"), key: shortcut("F9"), run: () => this.act(() => this.core.toggleBreakpointAtCursor()) },
                    { label: tr("page.debug", "Watch Table"), key: shortcut("Ctrl+Alt+W"), run: () => this.watch.show() },
                    { label: tr("page.debug", "Registers"), run: () => this.show(this.registers) },
                    // Data memory exists in extended programs only: a classic program's menu stays.
                    { label: tr("page.debug", "DM Table"), run: () => this.dm.show(), shown: () => this.context.session.extended() },
                ],
            },
        ];
    }

    refresh(): void {
        // A run going on moves only the watch table's values (when it is shown); the marks in
        // the grid, the panel and the diagram change with the debugger's own revision.
        const clock = this.core.clockRevision();
        if (clock !== this.shownClock) {
            this.shownClock = clock;
            this.watch.refresh();
            this.dm.refresh();
            this.words.refresh(this.registers.hidden);
        }
        const revision = this.core.revision();
        if (revision === this.shownRevision) {
            return;
        }
        this.shownRevision = revision;
        const state = JSON.parse(this.core.stateJson()) as DebugState;
        setText(this.registerText, state.registers);
        this.markGrid(state);
        this.markPanel(state);
        this.markMenu(state);
        this.watch.refresh();
        this.dm.refresh();
        this.words.refresh(false);
    }

    testHook(): object {
        return {
            /** The debugger's state as the core gives it (WebDebugger::stateJson). */
            debugState: () => this.core.stateJson(),
        };
    }

    private show(panel: HTMLElement): void {
        panel.hidden = false;
        if (panel === this.registers) {
            this.words.refresh(false); // its values were left alone while it was hidden
        }
        panel.scrollIntoView({ block: "nearest" });
    }

    private act(command: () => void): void {
        command();
        this.changed();
    }

    /** Shows a change at once, and the message boxes it brought (a step's program error). */
    private changed(): void {
        this.context.render();
        void this.context.showMessages();
    }

    private whileRunning(command: () => void): void {
        if (this.context.session.running()) {
            this.act(command);
        }
    }

    /** A step: runs and draws at once; Step Instruction also shows the registers, as the window's. */
    private step(command: () => void, showRegisters = false): void {
        this.whileRunning(command);
        if (showRegisters && this.context.session.running()) {
            this.show(this.registers);
        }
    }

    private toggleBreakpoint(line: number): void {
        this.act(() => this.core.toggleBreakpoint(line));
    }

    /** The next line's band, the breakpoints' dots in the line numbers' margin. */
    private markGrid(state: DebugState): void {
        const host = this.context.grid.host;
        const breakpoints = new Set(state.breakpoints);
        for (const row of host.querySelectorAll<HTMLTableRowElement>("tbody tr")) {
            const number = row.cells[0];
            const line = Number(number.dataset.row);
            const next = line === state.currentLine;
            if (row.classList.contains("next-line") !== next) {
                row.classList.toggle("next-line", next);
                next ? row.setAttribute("aria-current", "step") : row.removeAttribute("aria-current");
            }
            const dot = breakpoints.has(line);
            if ((number.dataset.breakpoint === "1") !== dot) {
                dot ? (number.dataset.breakpoint = "1") : delete number.dataset.breakpoint;
                number.title = dot ? tr("page.debug", "Breakpoint (click the dot to clear it)") : "";
            }
        }
        if (state.currentLine !== this.shownNext) {
            this.shownNext = state.currentLine;
            if (state.currentLine !== 0) {
                this.context.grid.scrollToLine(state.currentLine);
            }
        }
    }

    /** Padlocks on the lamps of forced relays; the run lamp blinks while paused. */
    private markPanel(state: DebugState): void {
        if (this.lamps.length === 0) {
            for (const lamp of [(n: number) => trf("page.panel", "Input %1", n), (n: number) => trf("page.panel", "Output %1", n)]) {
                for (let n = 0; n < kInputCount; ++n) {
                    this.lamps.push(document.querySelector<HTMLElement>(`[aria-label="${lamp(n)}"][role=img]`)!);
                }
            }
        }
        this.lamps.forEach((lamp, k) => {
            const bits = k < kInputCount ? state.lockedInputs : state.lockedOutputs;
            const locked = ((bits >> k % kInputCount) & 1) !== 0;
            if ((lamp.dataset.locked === "1") !== locked) {
                locked ? (lamp.dataset.locked = "1") : delete lamp.dataset.locked;
            }
        });
        this.context.panel.runButton.classList.toggle("paused", state.paused === 1);
        this.blink(state.paused === 1);
    }

    /**
     * Blinks the run lamp while `on`, as the window's: its picture changes every kBlinkMs, two
     * and a half pictures a second (a CSS animation of the lamp would have the browser draw
     * every frame). Under reduced motion the lamp does not blink; style.css marks it instead.
     */
    private blink(on: boolean): void {
        const lamp = this.context.panel.runButton;
        const wanted = on && !matchMedia("(prefers-reduced-motion: reduce)").matches;
        if (wanted && this.blinkTimer === 0) {
            this.blinkTimer = window.setInterval(() => lamp.classList.toggle("blink-off"), kBlinkMs);
        } else if (!wanted && this.blinkTimer !== 0) {
            clearInterval(this.blinkTimer);
            this.blinkTimer = 0;
            lamp.classList.remove("blink-off");
        }
    }

    /** Pause reads Resume while paused; pausing and stepping only during a run, as the window's. */
    private markMenu(state: DebugState): void {
        const list = document.querySelector(`#menubar [role=menu][aria-label="${menuCaption("Debug")}"]`);
        for (const entry of list?.querySelectorAll<HTMLButtonElement>("button") ?? []) {
            const item = (entry as unknown as { menuItem: MenuItem }).menuItem;
            if (!this.runItems.includes(item)) {
                continue;
            }
            entry.setAttribute("aria-disabled", state.running ? "false" : "true");
            if (item === this.runItems[0]) {
                setText(entry.querySelector("span") as HTMLElement, state.paused ? tr("page.debug", "Resume") : tr("page.debug", "Pause"));
            }
        }
    }

    /** The breakpoint dots (clickable spots on every element with a line) and the padlocks. */
    private decorate(svg: SVGSVGElement, cellOf: (element: number) => [number, number, number, number]): void {
        // The diagram is drawn again with each change of its power flow during a run; the marks
        // change only with the program and the debugger, so they are read once for each.
        const stamp = `${this.core.revision()}/${this.context.session.gridRevision()}`;
        if (stamp !== this.marksStamp) {
            this.marksStamp = stamp;
            this.marks = JSON.parse(this.core.diagramMarksJson()) as DiagramMarks;
        }
        const marks = this.marks;
        const set = new Set(marks.breakpoints);
        marks.lines.forEach((line, e) => {
            if (line === 0) {
                return;
            }
            const [x, y] = cellOf(e);
            const spot = document.createElementNS(kSvg, "circle");
            spot.setAttribute("cx", String(x + 7));
            spot.setAttribute("cy", String(y + 7));
            spot.setAttribute("r", "5");
            spot.setAttribute("class", set.has(e) ? "breakpoint-spot set" : "breakpoint-spot");
            spot.setAttribute("role", "button");
            spot.setAttribute("aria-label", trf("page.debug", "Breakpoint on line %1", line));
            spot.setAttribute("aria-pressed", set.has(e) ? "true" : "false");
            spot.addEventListener("mousedown", (event) => event.stopPropagation());
            spot.addEventListener("click", (event) => {
                event.stopPropagation();
                this.toggleBreakpoint(line);
            });
            svg.append(spot);
        });
        for (const [e, value] of marks.forced) {
            const [x, y, w] = cellOf(e);
            padlock(svg, x + w - 15, y + 8, value ? "rgb(0,160,60)" : "rgb(200,200,200)");
        }
    }
}

/** The watch table: items added by address or name, live values, forcing. */
class WatchPanel {
    private readonly body: HTMLTableSectionElement;
    private readonly entry: HTMLInputElement;
    private readonly refusal: HTMLElement;
    private readonly forceButtons: HTMLButtonElement[] = [];
    private readonly removeButton: HTMLButtonElement;
    private readonly wordRow: HTMLElement;
    private readonly format: HTMLSelectElement;
    private readonly wordValue: HTMLInputElement;
    private readonly forceWordButton: HTMLButtonElement;
    private selected = -1;
    private table: WatchTable = { hint: "", rows: [] };

    constructor(
        private readonly core: WebDebugger,
        private readonly section: HTMLElement,
        private readonly changed: () => void,
        private readonly running: () => boolean,
    ) {
        const scroller = document.createElement("div");
        scroller.className = "watch-scroll";
        const table = document.createElement("table");
        table.className = "watch-table";
        table.setAttribute("aria-label", tr("page.debug", "Watch table"));
        const head = table.createTHead().insertRow();
        for (const title of [tr("page.debug", "Item"), tr("page.debug", "Value"), tr("page.debug", "Set"), tr("page.debug", "On/Done"), tr("page.debug", "Forced")]) {
            const th = document.createElement("th");
            th.textContent = title;
            head.append(th);
        }
        this.body = table.createTBody();
        scroller.append(table);

        const entryRow = document.createElement("div");
        entryRow.className = "watch-row";
        const label = document.createElement("label");
        label.textContent = tr("page.debug", "Watch:");
        this.entry = document.createElement("input");
        this.entry.type = "text";
        this.entry.setAttribute("aria-label", tr("page.debug", "Watch:"));
        label.append(this.entry);
        const add = this.button(tr("page.debug", "Add"), () => this.add());
        this.removeButton = this.button(tr("page.debug", "Remove"), () => this.remove());
        entryRow.append(label, add, this.removeButton);
        this.entry.addEventListener("keydown", (event) => {
            if (event.key === "Enter") {
                event.preventDefault();
                this.add();
            }
        });
        this.entry.addEventListener("input", () => setText(this.refusal, ""));
        // Why the last entry typed was refused; empty otherwise.
        this.refusal = document.createElement("p");
        this.refusal.className = "watch-refusal";
        this.refusal.setAttribute("role", "status");
        const forceRow = document.createElement("div");
        forceRow.className = "watch-row";
        const forces = [
            [tr("page.debug", "Force on"), 1],
            [tr("page.debug", "Force off"), 0],
            [tr("page.debug", "Release"), -1],
        ] as const;
        for (const [name, value] of forces) {
            const button = this.button(name, () => {
                if (value < 0 && this.table.rows[this.selected]?.word === 1) {
                    this.core.forceEntryWord(this.selected, "");
                } else {
                    this.core.forceEntry(this.selected, value);
                }
                this.changed();
            });
            this.forceButtons.push(button);
            forceRow.append(button);
        }
        // A word row's format and forcing: shown while the selected row is a word's.
        this.wordRow = document.createElement("div");
        this.wordRow.className = "watch-row";
        this.format = formatChoice(tr("page.debug", "Format"), (format) => {
            this.core.setEntryFormat(this.selected, format);
            this.changed();
        });
        this.wordValue = document.createElement("input");
        this.wordValue.type = "text";
        this.wordValue.placeholder = "#0000, &0";
        this.wordValue.setAttribute("aria-label", tr("page.debug", "Word value"));
        this.forceWordButton = makeButton(tr("page.debug", "Force word"), () => {
            const typed = toLatin1(this.wordValue.value);
            if (!this.core.forceEntryWord(this.selected, typed)) {
                setText(this.refusal, notAWord(typed));
            }
            this.changed();
        });
        this.wordRow.append(this.format, this.wordValue, this.forceWordButton);
        this.wordRow.hidden = true;
        section.append(scroller, entryRow, this.refusal, forceRow, this.wordRow);
    }

    show(): void {
        this.section.hidden = false;
        this.refresh();
        this.section.scrollIntoView({ block: "nearest" });
        this.entry.focus();
    }

    refresh(): void {
        if (this.section.hidden) {
            return;
        }
        this.table = JSON.parse(this.core.watchJson()) as WatchTable;
        if (this.entry.placeholder !== this.table.hint) {
            this.entry.placeholder = this.table.hint;
        }
        const rows = this.table.rows;
        while (this.body.rows.length > rows.length) {
            this.body.deleteRow(-1);
        }
        rows.forEach((row, index) => {
            const tableRow = this.body.rows[index] ?? this.newRow(index);
            const forced = row.forcedWord ? row.forcedWord : row.forced < 0 ? "" : row.forced ? "on" : "off";
            const texts = [row.item, row.value, row.set, row.on ? "on" : "off", forced];
            texts.forEach((text, c) => setText(tableRow.cells[c], text));
            tableRow.cells[4].classList.toggle("forced", forced !== "");
            tableRow.setAttribute("aria-selected", index === this.selected ? "true" : "false");
        });
        const relay = rows[this.selected]?.relay === 1;
        const word = rows[this.selected]?.word === 1;
        this.forceButtons.forEach((button, k) => {
            // Release (the last) releases a word too.
            button.disabled = !(relay || (word && k === this.forceButtons.length - 1)) || !this.running();
        });
        this.wordRow.hidden = !word;
        if (word && this.format.value !== rows[this.selected].format) {
            this.format.value = rows[this.selected].format ?? "Hex";
        }
        this.forceWordButton.disabled = !this.running();
        this.removeButton.disabled = this.selected < 0;
    }

    private newRow(index: number): HTMLTableRowElement {
        const tableRow = this.body.insertRow();
        tableRow.tabIndex = 0;
        for (let c = 0; c < 5; ++c) {
            tableRow.insertCell();
        }
        const choose = (): void => {
            this.selected = index;
            this.refresh();
        };
        tableRow.addEventListener("click", choose);
        tableRow.addEventListener("keydown", (event) => {
            if (event.key === "Enter" || event.key === " ") {
                event.preventDefault();
                choose();
            }
        });
        return tableRow;
    }

    private button(name: string, run: () => void): HTMLButtonElement {
        const button = document.createElement("button");
        button.textContent = name;
        button.addEventListener("click", run);
        return button;
    }

    private add(): void {
        const before = this.table.rows.length;
        const taken = this.core.addEntry(toLatin1(this.entry.value));
        setText(this.refusal, this.core.refusal());
        if (taken) {
            this.entry.value = "";
            this.changed();
            if (this.table.rows.length > before) {
                this.selected = this.table.rows.length - 1; // the new row, as the window selects it
                this.refresh();
            }
        }
    }

    private remove(): void {
        if (this.selected >= 0) {
            this.core.removeEntry(this.selected);
            this.selected = -1;
            this.changed();
        }
    }
}

/** The register panel's words: the program's words, a format choice per row, forcing. */
class RegisterWordsPanel {
    private readonly table: HTMLTableElement;
    private readonly body: HTMLTableSectionElement;
    private readonly value: HTMLInputElement;
    private readonly forceRow: HTMLElement;
    private readonly status: HTMLElement;
    private selected = -1;
    private shown = "";

    constructor(
        private readonly core: WebDebugger,
        section: HTMLElement,
        private readonly changed: () => void,
        private readonly running: () => boolean,
    ) {
        this.table = document.createElement("table");
        this.table.className = "watch-table";
        this.table.setAttribute("aria-label", tr("page.debug", "Register words"));
        const head = this.table.createTHead().insertRow();
        for (const title of [tr("page.debug", "Word"), tr("page.debug", "Value"), tr("page.debug", "Format"), tr("page.debug", "Forced")]) {
            const th = document.createElement("th");
            th.textContent = title;
            head.append(th);
        }
        this.body = this.table.createTBody();
        this.value = document.createElement("input");
        this.value.type = "text";
        this.value.placeholder = "#0000, &0";
        this.value.setAttribute("aria-label", tr("page.debug", "Register word value"));
        this.forceRow = document.createElement("div");
        this.forceRow.className = "watch-row";
        this.forceRow.append(
            this.value,
            makeButton(tr("page.debug", "Force word"), () => this.force(toLatin1(this.value.value))),
            makeButton(tr("page.debug", "Release word"), () => this.force("")),
        );
        this.status = document.createElement("p");
        this.status.className = "word-refusal";
        this.status.setAttribute("role", "status");
        this.table.hidden = true;
        this.forceRow.hidden = true;
        section.append(this.table, this.forceRow, this.status);
    }

    /** Reads the words again unless `hidden` (the panel is not shown); writes only what changed. */
    refresh(hidden: boolean): void {
        if (hidden) {
            return;
        }
        const json = this.core.wordsJson();
        if (json === this.shown) {
            return;
        }
        this.shown = json;
        const rows = (JSON.parse(json) as RegisterWords).rows;
        this.table.hidden = rows.length === 0;
        this.forceRow.hidden = rows.length === 0;
        while (this.body.rows.length > rows.length) {
            this.body.deleteRow(-1);
        }
        rows.forEach((row, index) => {
            const tableRow = this.body.rows[index] ?? this.newRow(index);
            setText(tableRow.cells[0], row.name);
            setText(tableRow.cells[1], row.text);
            const select = tableRow.cells[2].firstElementChild as HTMLSelectElement;
            select.setAttribute("aria-label", trf("page.debug", "Format of %1", row.name));
            if (select.value !== row.format) {
                select.value = row.format;
            }
            setText(tableRow.cells[3], row.forced);
            tableRow.cells[3].classList.toggle("forced", row.forced !== "");
            tableRow.setAttribute("aria-selected", index === this.selected ? "true" : "false");
        });
        for (const button of this.forceRow.querySelectorAll("button")) {
            button.disabled = rows[this.selected]?.forceable !== 1 || !this.running();
        }
    }

    private newRow(index: number): HTMLTableRowElement {
        const tableRow = this.body.insertRow();
        tableRow.tabIndex = 0;
        for (let c = 0; c < 4; ++c) {
            tableRow.insertCell();
        }
        tableRow.cells[2].append(
            formatChoice(tr("page.debug", "Format"), (format) => {
                this.core.setWordFormat(index, format);
                this.changed();
            }),
        );
        tableRow.addEventListener("click", () => {
            this.selected = index;
            this.shown = "";
            this.refresh(false);
        });
        return tableRow;
    }

    private force(typed: string): void {
        const done = this.core.forceWord(this.selected, typed);
        setText(this.status, done || typed === "" ? "" : notAWord(typed));
        this.shown = "";
        this.changed();
    }
}

/** The DM table: DM0000 to DM1023 and the read-only DM6144 to DM6599, values typed in. */
class DmPanel {
    private readonly body: HTMLTableSectionElement;
    private readonly inputs: HTMLInputElement[] = [];
    private readonly status: HTMLElement;
    private values: number[] = [];

    constructor(
        private readonly core: WebDebugger,
        private readonly section: HTMLElement,
        private readonly changed: () => void,
    ) {
        const scroller = document.createElement("div");
        scroller.className = "watch-scroll";
        const table = document.createElement("table");
        table.className = "watch-table dm-table";
        table.setAttribute("aria-label", tr("page.debug", "DM table"));
        const head = table.createTHead().insertRow();
        for (const title of ["DM", tr("page.debug", "Value")]) {
            const th = document.createElement("th");
            th.textContent = title;
            head.append(th);
        }
        this.body = table.createTBody();
        scroller.append(table);
        this.status = document.createElement("p");
        this.status.className = "word-refusal";
        this.status.setAttribute("role", "status");
        section.append(scroller, this.status);
    }

    show(): void {
        this.section.hidden = false;
        if (this.inputs.length === 0) {
            this.build();
        }
        this.refresh();
        this.section.scrollIntoView({ block: "nearest" });
    }

    /** Writes the values that changed since the last refresh; nothing while hidden. */
    refresh(): void {
        if (this.section.hidden || this.inputs.length === 0) {
            return;
        }
        const values = JSON.parse(this.core.dmJson()) as number[];
        values.forEach((value, row) => {
            if (value !== this.values[row] && document.activeElement !== this.inputs[row]) {
                this.inputs[row].value = hexWord(value);
                this.values[row] = value;
            }
        });
    }

    private build(): void {
        const rows = (JSON.parse(this.core.dmJson()) as number[]).length;
        for (let row = 0; row < rows; ++row) {
            const number = row < 1024 ? row : 6144 + (row - 1024);
            const name = "DM" + String(number).padStart(4, "0");
            const tableRow = this.body.insertRow();
            setText(tableRow.insertCell(), name);
            const input = document.createElement("input");
            input.type = "text";
            input.setAttribute("aria-label", name);
            input.addEventListener("change", () => this.write(row, input));
            input.addEventListener("keydown", (event) => {
                if (event.key === "Enter") {
                    input.blur();
                }
            });
            tableRow.insertCell().append(input);
            this.inputs.push(input);
        }
        this.values = [];
    }

    private write(row: number, input: HTMLInputElement): void {
        const typed = toLatin1(input.value.trim());
        const done = this.core.setDm(row, typed);
        setText(this.status, done ? "" : notAWord(typed));
        delete this.values[row]; // shows the word's value again, taken or not
        this.refresh();
        this.changed();
    }
}

/** `value` as the manuals write a word: "#00FF". */
function hexWord(value: number): string {
    return "#" + value.toString(16).toUpperCase().padStart(4, "0");
}
