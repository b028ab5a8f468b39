// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's panel, placed where the window places it (in twips, 15 to the pixel): the
// title, the run/stop lamp-button, sixteen output lamps, the counter and timer displays, and
// sixteen input lamps with their switches. It shows the core's panel port and sends the
// switches' and the button's clicks to the session. The places are CSS properties (--left,
// --top, --width, --height) that the wide layout uses; the narrow layout (style.css) stacks the
// panel's parts instead: the title, the outputs, the grid with the displays, the inputs.

const kTwips = 15;
const kInputCount = 16;
const kDisplayCount = 8;
/** The panel's width (as style.css sizes .client) and the right edge of its frames, in twips. */
const kClientWidth = 9210;
const kFrameRight = 240 + 8775;
/** The left edge of the output and input rows' first number ("00"), in twips. */
const kFirstNumberLeft = 1800 - 45;
/** Twips a fitted label keeps clear of its neighbour (4 px). */
const kLabelGap = 60;

function twoDigits(n: number): string {
    return n < 10 ? "0" + n : String(n);
}

function place(el: HTMLElement, left: number, top: number, width?: number, height?: number): void {
    el.style.setProperty("--left", left / kTwips + "px");
    el.style.setProperty("--top", top / kTwips + "px");
    if (width !== undefined) {
        el.style.setProperty("--width", width / kTwips + "px");
    }
    if (height !== undefined) {
        el.style.setProperty("--height", height / kTwips + "px");
    }
}

// Left edge (twips) of element n of a row of sixteen drawn in two groups of eight.
function rowLeft(n: number, firstGroup: number, secondGroup: number): number {
    const kPitch = 360;
    return n < 8 ? firstGroup + kPitch * n : secondGroup + kPitch * (n - 8);
}

class PanelView {
    readonly runButton: HTMLButtonElement;
    private readonly inputLamps: HTMLElement[] = [];
    private readonly outputLamps: HTMLElement[] = [];
    private readonly switches: HTMLInputElement[] = [];
    private readonly timers: HTMLOutputElement[] = [];
    private readonly counters: HTMLOutputElement[] = [];
    private revision = -1;
    /**
     * Where add() puts elements: the part of the panel or the cell being built. Something added
     * to a lamp later belongs in the lamp's cell (its parentElement), so that it stays beside the
     * lamp in the narrow layout too.
     */
    private into: HTMLElement;

    /** Builds the panel in `client`, with the grid's place left for `gridHost`. */
    constructor(
        private readonly client: HTMLElement,
        gridHost: HTMLElement,
        private readonly session: WebSession,
    ) {
        this.into = this.part("panel-head");
        this.add("div", "title-band", 360, 360, 4815, 615);
        this.label("Rungbox", 300, 180, "title title-shadow").setAttribute("aria-hidden", "true");
        this.label("Rungbox", 240, 120, "title");
        const simulation = this.label(tr("page.panel", "Simulation"), 7440, 120, "simulation-label");
        simulation.setAttribute("aria-hidden", "true");
        fitLabel(simulation, kClientWidth - 7440 - kLabelGap);
        this.runButton = this.add("button", "run-button lamp square", 7560, 480, 1035, 435);
        this.runButton.setAttribute("aria-label", tr("page.panel", "Simulation"));
        this.runButton.title = tr("page.panel", "Start or stop the simulation");
        this.runButton.setAttribute("aria-pressed", "false");
        this.runButton.addEventListener("click", () => {
            session.toggleRun();
            this.client.dispatchEvent(new Event("session-changed"));
        });

        this.into = this.part("panel-outputs");
        this.add("div", "frame", 240, 1320, 8775, 615);
        fitLabel(this.label(tr("page.panel", "OUTPUT"), 360, 1440, "heading"), kFirstNumberLeft - 360 - kLabelGap);
        const outputRow = this.row();
        for (let n = 0; n < kInputCount; ++n) {
            const left = rowLeft(n, 1800, 5220);
            this.cell(outputRow);
            this.outputLamps.push(this.lamp(trf("page.panel", "Output %1", n), left, 1440));
            this.label(twoDigits(n), left - 45, 1680, "number").setAttribute("aria-hidden", "true");
        }

        const middle = this.part("panel-middle");
        this.into = middle;
        this.add("div", "frame", 240, 1920, 8775, 3135);
        place(gridHost, 360, 2040, 4575, 2895);
        gridHost.classList.add("placed");
        this.into.append(gridHost);

        fitLabel(this.label(tr("page.panel", "COUNTER"), 6240, 2040, "heading"), kFrameRight - 6240 - kLabelGap);
        const counterRow = this.row("panel-counters");
        for (let n = 0; n < kDisplayCount; ++n) {
            this.cell(counterRow);
            this.label(twoDigits(n), 5040 + 480 * n, 2400, "number blue", 495);
            this.counters.push(this.display(trf("page.panel", "Counter %1", n), "0", 5040 + 480 * n, 2640, 495));
        }
        this.into = middle;
        fitLabel(this.label(tr("page.panel", "TIMER"), 6480, 3000, "heading"), kFrameRight - 6480 - kLabelGap);
        const timerRow = this.row("panel-timers");
        for (let n = 0; n < kDisplayCount; ++n) {
            this.cell(timerRow);
            const left = 5040 + 960 * (n % 4);
            const row = n < 4 ? 0 : 600;
            this.label(twoDigits(n), left, 3360 + row, "number blue", 975);
            this.timers.push(this.display(trf("page.panel", "Timer %1", n), "0.0", left, 3600 + row, 975));
        }

        this.into = this.part("panel-inputs");
        this.add("div", "frame", 240, 5040, 8775, 855);
        fitLabel(this.label(tr("page.panel", "INPUT"), 420, 5220, "heading"), kFirstNumberLeft - 420 - kLabelGap);
        const inputRow = this.row();
        for (let n = 0; n < kInputCount; ++n) {
            this.cell(inputRow);
            const lampLeft = rowLeft(n, 1800, 5280);
            this.label(twoDigits(n), lampLeft - 45, 5070, "number").setAttribute("aria-hidden", "true");
            this.inputLamps.push(this.lamp(trf("page.panel", "Input %1", n), lampLeft, 5340));
            const check = this.add("input", "switch", rowLeft(n, 1860, 5340) - 60, 5610, 285, 255);
            check.type = "checkbox";
            check.disabled = true;
            check.title = trf("page.panel", "Input %1", twoDigits(n));
            check.setAttribute("aria-label", trf("page.panel", "Switch %1", n));
            check.addEventListener("change", () => {
                session.setSwitch(n, check.checked);
                this.client.dispatchEvent(new Event("session-changed"));
            });
            this.switches.push(check);
        }
    }

    /** Shows the panel port's state when it changed since the last call. */
    refresh(): void {
        const revision = this.session.panelRevision();
        if (revision === this.revision) {
            return;
        }
        this.revision = revision;
        const [inputs, outputs, switches, enabled, run] = this.session.panelBits();
        for (let n = 0; n < kInputCount; ++n) {
            setLamp(this.inputLamps[n], ((inputs >> n) & 1) !== 0);
            setLamp(this.outputLamps[n], ((outputs >> n) & 1) !== 0);
            this.switches[n].checked = ((switches >> n) & 1) !== 0;
            this.switches[n].disabled = ((enabled >> n) & 1) === 0;
        }
        for (let n = 0; n < kDisplayCount; ++n) {
            setText(this.timers[n], this.session.timerText(n));
            setText(this.counters[n], this.session.counterText(n));
        }
        setLamp(this.runButton, run !== 0);
        this.runButton.setAttribute("aria-pressed", run !== 0 ? "true" : "false");
    }

    /**
     * Starts a part of the panel (a div of class "panel-part `name`"): the wide layout places its
     * contents (the part itself has no box there), the narrow one stacks the parts.
     */
    private part(name: string): HTMLElement {
        const part = document.createElement("div");
        part.className = "panel-part " + name;
        this.client.append(part);
        return part;
    }

    /** A row of cells in the current part: lamps or displays, in rows of their own when narrow. */
    private row(name = ""): HTMLElement {
        const row = document.createElement("div");
        row.className = ("panel-row " + name).trim();
        this.into.append(row);
        return row;
    }

    /** Starts a cell of `row`: one lamp or display with its number (and switch), kept together. */
    private cell(row: HTMLElement): void {
        this.into = document.createElement("div");
        this.into.className = "panel-cell";
        row.append(this.into);
    }

    private add<K extends keyof HTMLElementTagNameMap>(
        tag: K,
        className: string,
        left: number,
        top: number,
        width?: number,
        height?: number,
    ): HTMLElementTagNameMap[K] {
        const el = document.createElement(tag);
        el.className = className;
        place(el, left, top, width, height);
        this.into.append(el);
        return el;
    }

    private label(text: string, left: number, top: number, className: string, width?: number): HTMLElement {
        const el = this.add("div", "label " + className, left, top, width);
        el.textContent = text;
        return el;
    }

    private lamp(name: string, left: number, top: number): HTMLElement {
        const lamp = this.add("div", "lamp round", left, top, 255, 255);
        lamp.setAttribute("role", "img");
        lamp.setAttribute("aria-label", name);
        setLamp(lamp, false);
        return lamp;
    }

    private display(name: string, text: string, left: number, top: number, width: number): HTMLOutputElement {
        const out = this.add("output", "display", left, top, width, 255);
        out.setAttribute("aria-label", name);
        out.textContent = text;
        return out;
    }
}

/**
 * Fits a label of the wide layout into `room` twips right of its place (a translation may be
 * longer than the English it stands for): condensed when its text is wider, and cut with an
 * ellipsis, the whole text in its title and name, when it is wider still. A label that fits
 * stays as it is. The narrow layout has room for the whole text (style.css).
 */
function fitLabel(label: HTMLElement, room: number): void {
    const px = room / kTwips;
    label.style.setProperty("--room", px + "px");
    if (textWidth(label) <= px) {
        return;
    }
    label.classList.add("condensed");
    if (textWidth(label) > px) {
        const text = label.textContent ?? "";
        label.classList.add("clipped");
        label.title = text;
        label.setAttribute("aria-label", text);
    }
}

/** The width (CSS pixels) of `el`'s text in its own font, whatever layout is shown. */
function textWidth(el: HTMLElement): number {
    const g = document.createElement("canvas").getContext("2d");
    if (!g) {
        return 0;
    }
    const style = getComputedStyle(el);
    g.font = `${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
    g.fontStretch = style.fontStretch === "75%" ? "condensed" : "normal";
    return g.measureText(el.textContent ?? "").width;
}

function setLamp(lamp: HTMLElement, on: boolean): void {
    const value = on ? "1" : "0";
    if (lamp.dataset.on !== value) {
        lamp.dataset.on = value;
    }
}

function setText(el: HTMLElement, text: string): void {
    if (el.textContent !== text) {
        el.textContent = text;
    }
}
