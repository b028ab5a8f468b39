// SPDX-License-Identifier: GPL-3.0-or-later
// View > Timing Diagram: the recorded signals as waveforms in a panel of the page, as the window
// of that name shows them. The core (WebTiming) keeps the time in view and works out the picture
// of it; this file only draws that picture as SVG and forwards the user's hands. The same SVG
// is what Export Timing as SVG downloads, and drawn onto a canvas, the PNG.

interface WebTiming {
    setRecording(on: boolean): void;
    recording(): boolean;
    stamp(): string;
    track(width: number): void;
    zoomIn(width: number, cursorMs: number): void;
    zoomOut(width: number, cursorMs: number): void;
    fit(width: number): void;
    showAt(width: number, ms: number): void;
    scrollTo(pixels: number, follow: boolean): void;
    fromMs(): number;
    msPerPixel(): number;
    totalPixels(): number;
    scrollPixels(): number;
    cursorAt(x: number): number;
    clampCursor(ms: number): number;
    addSignal(text: string): boolean;
    removeSignal(text: string): boolean;
    status(cursorMs: number): string;
    pictureJson(width: number, cursorMs: number, timerTicks: boolean): string;
    saveVcd(): boolean;
    exportName(extension: string): string;
    live(): boolean;
    delete(): void;
}

interface RungboxModule {
    WebTiming: {
        new (session: WebSession): WebTiming;
        /** Over the runs of `check`'s latest check. */
        overCheck(session: WebSession, check: WebCheck): WebTiming;
        /** Over scope `index` of the dump `text` (8-bit text); null when it has none. */
        overDump(session: WebSession, text: string, index: number): WebTiming | null;
        /** The dump's scope names as JSON ("null" when it cannot be read). */
        dumpScopes(text: string): string;
    };
}

/** WebTiming.pictureJson: x in pixels from the waveforms' left edge. */
interface TimingPicture {
    empty: boolean;
    rows: {
        name: string;
        label: string;
        number: boolean;
        value: string | null;
        line?: number[];
        high?: number[];
        bus?: [number, number, string | null][];
    }[];
    axis: [number, string, string][];
    dropped: [number, number, string] | null;
    cursor: [number, string, string] | null;
}

/** The diagram's measures and colours, as the window's painter has them (pixels). */
const TimingLayout = {
    nameWidth: 150,
    axisHeight: 40,
    rowHeight: 26,
    rowMargin: 5,
    font: "12px 'DejaVu Sans', sans-serif",
};
const TimingInk = {
    background: "#ffffff",
    names: "#f0f0ec",
    grid: "#e1e1e1",
    text: "#000000",
    faint: "#6e6e6e",
    bit: "#147832",
    bitFill: "rgba(20,120,50,0.157)",
    bus: "#1e3caa",
    busy: "rgba(30,60,170,0.353)",
    dropped: "#c8c8c8",
    cursor: "#dc1e1e",
};

const kSvgNs = "http://www.w3.org/2000/svg";

function svgElement(name: string, attributes: Record<string, string | number>, text?: string): SVGElement {
    const element = document.createElementNS(kSvgNs, name);
    for (const [key, value] of Object.entries(attributes)) {
        element.setAttribute(key, String(value));
    }
    if (text !== undefined) {
        element.textContent = text; // names come from files: text, never markup
    }
    return element;
}

/** Sets `attributes` on `element`. */
function setAttributes(element: Element, attributes: Record<string, string | number>): void {
    for (const [key, value] of Object.entries(attributes)) {
        element.setAttribute(key, String(value));
    }
}

/** An SVG element as a picture wants it: its name, attributes and text. */
type Shape = [name: string, attributes: Record<string, string | number>, text?: string];

/** The timing diagram's layers of waveforms (TimingPanel.paintWaves). */
const kWaveLayers = 5;

/**
 * Makes `group`'s children the `shapes`: a child already drawn as one of them stays untouched,
 * the others go, and the shapes not drawn yet are added. The order is kept only within what is
 * added: shapes of one group must not overlap each other in a way their order would show.
 */
function reconcile(group: SVGElement, shapes: Shape[]): void {
    const keyOf = (shape: Shape) => JSON.stringify(shape);
    const drawn = new Map<string, Element[]>();
    for (const child of Array.from(group.children)) {
        const key = (child as unknown as { shapeKey: string }).shapeKey;
        drawn.set(key, [...(drawn.get(key) ?? []), child]);
    }
    const added: Element[] = [];
    for (const shape of shapes) {
        const key = keyOf(shape);
        const same = drawn.get(key);
        if (same && same.length > 0) {
            same.pop();
            continue;
        }
        const element = svgElement(...shape);
        (element as unknown as { shapeKey: string }).shapeKey = key;
        added.push(element);
    }
    for (const left of drawn.values()) {
        left.forEach((element) => element.remove());
    }
    group.append(...added);
}

/** One recording the panel draws, in a scroll box of its own with its picture and status line. */
interface TimingRun {
    timing: WebTiming;
    scroller: HTMLElement;
    space: HTMLElement;
    svg: SVGSVGElement;
    status: HTMLElement;
    /** The core's stamp when the time in view last followed the recording. */
    trackedStamp: string;
    /** Everything the picture was last drawn from: an unchanged picture is not drawn again. */
    drawnStamp: string;
}

/**
 * Recordings that are not the session's, shown read-only in a panel of their own (a failed
 * test's run, a counterexample's runs): the panel deletes their WebTimings when it closes.
 */
interface TimingRecordings {
    /** The panel's heading and accessible name. */
    title: string;
    /** Each recording with its caption ("" for none), drawn one below the other. */
    runs: { caption: string; timing: WebTiming }[];
    /** The dump Export Timing as VCD downloads as it is; without it, WebTiming.saveVcd writes one. */
    vcd?: { name: string; text: string };
}

class TimingPanel implements PageFeature {
    private readonly host: HTMLElement;
    private readonly runs: TimingRun[] = [];
    private readonly signalField: HTMLInputElement | null = null;
    private readonly recordButton: HTMLButtonElement | null = null;
    private readonly ticksButton: HTMLButtonElement;
    private readonly measure = document.createElement("canvas").getContext("2d");
    private opened = false;
    /** The cursor, the same time in every recording shown; -1 for none. */
    private cursorMs = -1;
    private ticks = false;

    /** View > Timing Diagram over the session's recording, or a panel over `recordings`. */
    constructor(
        private readonly context: PageContext,
        private readonly recordings?: TimingRecordings,
    ) {
        const title = recordings?.title ?? tr("page.timing", "Timing Diagram");
        this.host = document.createElement("section");
        this.host.className = "tool timing";
        this.host.setAttribute("aria-label", title);
        this.host.hidden = true;
        const heading = document.createElement("h2");
        heading.textContent = title; // a test's name comes from the script: text

        const bar = document.createElement("div");
        bar.className = "timing-bar";
        bar.setAttribute("role", "toolbar");
        bar.setAttribute("aria-label", tr("page.timing", "Timing"));
        const button = (label: string, tip: string, run: () => void): HTMLButtonElement => {
            const b = document.createElement("button");
            b.type = "button";
            b.textContent = label;
            b.title = tip;
            b.addEventListener("click", run);
            bar.append(b);
            return b;
        };
        if (!recordings) {
            this.recordButton = button(tr("page.timing", "Record"), tr("page.timing", "Record the signals while a run goes on"), () => {
                this.timing.setRecording(!this.timing.recording());
                this.context.render();
            });
        }
        button(tr("page.timing", "Zoom In"), tr("page.timing", "Show half the time across the window"), () => this.zoom(true));
        button(tr("page.timing", "Zoom Out"), tr("page.timing", "Show twice the time across the window"), () => this.zoom(false));
        button(tr("page.timing", "Fit"), tr("page.timing", "Show the whole recording across the window"), () => {
            for (const run of this.runs) {
                run.timing.fit(this.waveWidth(run));
            }
            this.draw();
        });
        this.ticksButton = button(tr("page.timing", "Ticks"), tr("page.timing", "Timers' values in ticks instead of seconds"), () => {
            this.ticks = !this.ticks;
            this.draw();
        });
        if (!recordings) {
            const field = document.createElement("input");
            field.type = "text";
            field.placeholder = tr("page.timing", "signal, e.g. 2000 or tim0");
            field.setAttribute("aria-label", tr("page.timing", "Signal"));
            field.title = trf(
                "page.timing",
                "The signal to add or remove: a relay address (0 to 20000) or a name: %1",
                "in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done",
            );
            field.addEventListener("keydown", (event) => {
                if (event.key === "Enter") {
                    event.preventDefault();
                    this.changeSignals(true);
                }
            });
            bar.append(field);
            this.signalField = field;
            button(tr("page.timing", "Add"), tr("page.timing", "Show this signal"), () => this.changeSignals(true));
            button(tr("page.timing", "Remove"), tr("page.timing", "Stop recording this signal"), () => this.changeSignals(false));
        }
        button(tr("page.timing", "Export Timing as VCD"), tr("page.timing", "Download the recording as a value change dump"), () => void this.exportVcd());
        button(tr("page.timing", "Export Timing as PNG"), tr("page.timing", "Download the diagram as a PNG picture"), () => void this.exportPicture("png"));
        button(tr("page.timing", "Export Timing as SVG"), tr("page.timing", "Download the diagram as an SVG picture"), () => void this.exportPicture("svg"));
        button(tr("page.timing", "Close"), tr("page.timing", "Close the timing diagram"), () => this.close());
        this.host.append(heading, bar);
        for (const { caption, timing } of recordings?.runs ?? [{ caption: "", timing: new context.core.WebTiming(context.session) }]) {
            this.addRun(caption, timing);
        }
        context.tools.append(this.host);
    }

    /** The session's recording (the live panel's only one). */
    private get timing(): WebTiming {
        return this.runs[0].timing;
    }

    private addRun(caption: string, timing: WebTiming): void {
        if (caption !== "") {
            const title = document.createElement("h3");
            title.className = "timing-caption";
            title.textContent = caption; // a property's text: text
            this.host.append(title);
        }
        const scroller = document.createElement("div");
        scroller.className = "timing-scroll";
        scroller.tabIndex = 0;
        scroller.setAttribute("role", "group");
        scroller.setAttribute("aria-label", caption === "" ? tr("page.timing", "Waveforms") : trf("page.timing", "Waveforms: %1", caption));
        const space = document.createElement("div");
        space.className = "timing-space";
        const svg = svgElement("svg", { role: "img", "aria-label": caption === "" ? tr("page.timing", "Timing diagram") : trf("page.timing", "Timing diagram: %1", caption) }) as SVGSVGElement;
        space.append(svg);
        scroller.append(space);
        const status = document.createElement("div");
        status.className = "timing-status";
        status.setAttribute("role", "status");
        this.host.append(scroller, status);
        const run: TimingRun = { timing, scroller, space, svg, status, trackedStamp: "", drawnStamp: "" };
        this.runs.push(run);
        scroller.addEventListener("scroll", () => this.onScroll(run));
        scroller.addEventListener("keydown", (event) => this.onKey(event));
        svg.addEventListener("pointerdown", (event) => this.onPointer(run, event, true));
        svg.addEventListener("pointermove", (event) => this.onPointer(run, event, false));
        new ResizeObserver(() => this.draw()).observe(scroller);
    }

    menuItems(): { menu: string; items: MenuItem[] }[] {
        return [{ menu: "View", items: [{ label: tr("page.timing", "Timing Diagram"), run: () => this.show() }] }];
    }

    refresh(): void {
        const recording = String(this.timing.recording());
        if (this.recordButton && this.recordButton.getAttribute("aria-pressed") !== recording) {
            this.recordButton.setAttribute("aria-pressed", recording);
        }
        if (!this.host.hidden) {
            this.draw();
        }
    }

    testHook(): object {
        return {
            /** The time the cursor stands at, or -1. */
            timingCursor: () => this.cursorMs,
            /** Milliseconds per pixel of the diagram. */
            timingZoom: () => this.timing.msPerPixel(),
        };
    }

    /** As the window: the first opening switches Record on. */
    private show(): void {
        if (!this.opened) {
            this.opened = true;
            this.timing.setRecording(true);
        }
        this.host.hidden = false;
        this.host.scrollIntoView({ block: "nearest" });
        this.context.render();
        this.draw();
    }

    /**
     * Shows the recordings whole, then, when `ms` is 0 or more, that time in the middle with the
     * cursor on it, as the window shows a failed test's run; `cursorMs` alone puts the cursor.
     */
    openAt(ms: number, cursorMs = ms): void {
        this.host.hidden = false;
        for (const run of this.runs) {
            run.timing.fit(this.waveWidth(run));
            run.timing.showAt(this.waveWidth(run), ms);
        }
        this.cursorMs = cursorMs >= 0 ? this.timing.clampCursor(cursorMs) : -1;
        this.host.scrollIntoView({ block: "nearest" });
        this.draw();
    }

    /** Hides the session's panel; a panel over other recordings goes, with its WebTimings. */
    close(): void {
        this.host.hidden = true;
        if (this.recordings) {
            this.host.remove();
            for (const run of this.runs.splice(0)) {
                run.timing.delete();
            }
        }
    }

    private waveWidth(run: TimingRun): number {
        return Math.max(1, run.scroller.clientWidth - TimingLayout.nameWidth);
    }

    private zoom(closer: boolean): void {
        for (const run of this.runs) {
            (closer ? run.timing.zoomIn : run.timing.zoomOut).call(run.timing, this.waveWidth(run), this.cursorMs);
        }
        this.draw();
    }

    private moveCursor(ms: number): void {
        this.cursorMs = this.timing.clampCursor(ms);
        this.draw();
    }

    private changeSignals(add: boolean): void {
        const text = toLatin1((this.signalField?.value ?? "").trim());
        if (add) {
            this.timing.addSignal(text);
        } else {
            this.timing.removeSignal(text);
        }
        this.draw();
    }

    /** The user scrolled: sideways through time (the core keeps it), or down through the rows. */
    private onScroll(run: TimingRun): void {
        const left = run.scroller.scrollLeft;
        if (Math.abs(left - Math.round(run.timing.scrollPixels())) >= 1) {
            const end = run.scroller.scrollWidth - run.scroller.clientWidth;
            run.timing.scrollTo(left, left >= end - 1);
        }
        this.draw();
    }

    private onKey(event: KeyboardEvent): void {
        if (event.key === "+" || event.key === "=") {
            this.zoom(true);
        } else if (event.key === "-") {
            this.zoom(false);
        } else if ((event.key === "ArrowLeft" || event.key === "ArrowRight") && this.cursorMs >= 0) {
            this.moveCursor(Math.max(0, this.cursorMs + (event.key === "ArrowLeft" ? -1 : 1)));
        } else {
            return;
        }
        event.preventDefault();
    }

    /** A press on the waveforms puts the cursor there, a drag moves it; a name goes into the field. */
    private onPointer(run: TimingRun, event: PointerEvent, down: boolean): void {
        const box = run.svg.getBoundingClientRect();
        const x = event.clientX - box.left;
        const y = event.clientY - box.top;
        if (!down && (event.buttons & 1) === 0) {
            return;
        }
        if (x >= TimingLayout.nameWidth) {
            if (down) {
                run.svg.setPointerCapture?.(event.pointerId);
            }
            this.cursorMs = run.timing.cursorAt(x - TimingLayout.nameWidth);
            this.draw();
        } else if (down && y >= TimingLayout.axisHeight && this.signalField) {
            const row = run.svg.querySelectorAll(".timing-row")[Math.floor((y - TimingLayout.axisHeight) / TimingLayout.rowHeight)];
            if (row) {
                this.signalField.value = row.getAttribute("data-name") ?? "";
            }
        }
    }

    // --- Drawing -------------------------------------------------------------------------------

    /**
     * Draws the picture when anything it is drawn from changed since the last time: the rows that
     * fit the panel's height from the first one scrolled to, the axis staying on top, as the
     * window's view does.
     */
    private draw(): void {
        if (this.host.hidden) {
            return;
        }
        this.ticksButton.setAttribute("aria-pressed", String(this.ticks));
        if (!this.recordings && this.cursorMs >= 0) {
            this.cursorMs = this.timing.clampCursor(this.cursorMs);
        }
        for (const run of this.runs) {
            this.drawRun(run);
        }
    }

    private drawRun(run: TimingRun): void {
        const { timing, scroller, space, svg, status } = run;
        const width = this.waveWidth(run);
        const recording = timing.stamp();
        if (recording !== run.trackedStamp) {
            run.trackedStamp = recording;
            if (!this.recordings) {
                timing.track(width); // only the session's recording grows
            }
        }
        const cursorMs = this.cursorMs >= 0 ? timing.clampCursor(this.cursorMs) : -1;
        const firstRow = Math.floor(scroller.scrollTop / TimingLayout.rowHeight);
        // Read before the picture changes, so that the browser lays the page out once, not twice.
        const scrolled = scroller.scrollLeft;
        const view = [width, scroller.clientHeight, firstRow, cursorMs, this.ticks, timing.fromMs(), timing.msPerPixel()];
        const stamp = [recording, ...view].join("|");
        if (stamp === run.drawnStamp) {
            return;
        }
        run.drawnStamp = stamp;
        const picture = JSON.parse(timing.pictureJson(width, cursorMs, this.ticks)) as TimingPicture;
        const height = TimingLayout.axisHeight + picture.rows.length * TimingLayout.rowHeight;
        space.style.width = `${TimingLayout.nameWidth + Math.ceil(Math.max(width, timing.totalPixels()))}px`;
        space.style.height = `${height}px`;
        const shown = Math.min(height, scroller.clientHeight || height);
        this.paint(svg, picture, TimingLayout.nameWidth + width, shown, firstRow, timing.scrollPixels());
        const offset = Math.round(timing.scrollPixels());
        if (Math.abs(scrolled - offset) >= 1) {
            scroller.scrollLeft = offset;
        }
        setText(status, trDynamic("Trace", timing.status(cursorMs)));
    }

    private fits(text: string, room: number): boolean {
        if (!this.measure) {
            return text.length * 7 + 6 < room;
        }
        this.measure.font = TimingLayout.font;
        return this.measure.measureText(text).width + 6 < room;
    }

    /**
     * Draws `picture` into `svg`, `width` × `height` pixels, as the window's painter does: the
     * axis, then the rows from `firstRow` on that fit. The waveforms are drawn `shift` pixels
     * to the right and moved back as a whole (`shift` is where the time in view starts, in pixels
     * from the recording's start): a shape that stays where it was in the recording is kept as
     * drawn, so that a growing recording gets only its new columns drawn, the rest of the picture
     * (names, axis, cursor) being redrawn whole.
     */
    private paint(svg: SVGElement, whole: TimingPicture, width: number, height: number, firstRow: number, shift = 0): void {
        const L = TimingLayout;
        const picture = { ...whole, rows: whole.rows.slice(firstRow, firstRow + Math.ceil((height - L.axisHeight) / L.rowHeight)) };
        svg.setAttribute("width", String(width));
        svg.setAttribute("height", String(height));
        svg.setAttribute("viewBox", `0 0 ${width} ${height}`);
        svg.setAttribute("font-family", "DejaVu Sans, sans-serif");
        svg.setAttribute("font-size", "12");
        // The background, the waveforms' own area (kept between pictures) and the rest on top.
        if (svg.childElementCount !== 3) {
            const layers = [svgElement("rect", {}), svgElement("svg", { class: "timing-waves", overflow: "hidden" }), svgElement("g", {})];
            const moved = svgElement("g", {});
            moved.append(...Array.from({ length: kWaveLayers }, () => svgElement("g", {})));
            layers[1].append(moved);
            svg.replaceChildren(...layers);
        }
        const [background, waves, over] = Array.from(svg.children) as SVGElement[];
        setAttributes(background, { width, height, fill: TimingInk.background });
        setAttributes(waves, { x: L.nameWidth, y: 0, width: width - L.nameWidth, height });
        const moved = waves.firstElementChild as SVGElement;
        moved.setAttribute("transform", `translate(${-shift},0)`);
        this.paintWaves(Array.from(moved.children) as SVGElement[], picture, height, shift);
        over.replaceChildren();

        // Names, with the values at the cursor, and the row lines.
        over.append(svgElement("rect", { width: L.nameWidth, height, fill: TimingInk.names }));
        picture.rows.forEach((row, r) => {
            const top = L.axisHeight + r * L.rowHeight;
            const group = svgElement("g", { class: "timing-row", role: "row", "data-name": row.name, "aria-label": row.label });
            group.append(svgElement("text", { x: 6, y: top + 17, fill: TimingInk.text, class: "timing-label" }, row.label));
            if (row.value !== null) {
                group.append(svgElement("text", { x: L.nameWidth - 6, y: top + 17, "text-anchor": "end", fill: TimingInk.cursor, class: "timing-value" }, row.value));
            }
            group.append(svgElement("line", { x1: 0, y1: top + L.rowHeight, x2: width, y2: top + L.rowHeight, stroke: TimingInk.grid }));
            over.append(group);
        });

        // The axis, and where the cursor stands.
        const axis = svgElement("svg", { x: L.nameWidth, y: 0, width: width - L.nameWidth, height, overflow: "hidden" });
        axis.append(svgElement("rect", { width: width - L.nameWidth, height: L.axisHeight, fill: TimingInk.background }));
        for (const [x, time, scan] of picture.axis) {
            axis.append(svgElement("line", { x1: x, y1: L.axisHeight - 6, x2: x, y2: L.axisHeight, stroke: TimingInk.faint }));
            axis.append(svgElement("text", { x: x + 3, y: 15, fill: TimingInk.text }, time));
            axis.append(svgElement("text", { x: x + 3, y: 30, fill: TimingInk.faint }, scan));
        }
        axis.append(svgElement("line", { x1: 0, y1: L.axisHeight, x2: width, y2: L.axisHeight, stroke: TimingInk.faint }));
        if (picture.cursor) {
            axis.append(svgElement("line", { x1: picture.cursor[0], y1: 0, x2: picture.cursor[0], y2: height, stroke: TimingInk.cursor }));
        }
        over.append(axis);
        if (picture.cursor) {
            over.append(svgElement("text", { x: 6, y: 15, fill: TimingInk.cursor, class: "timing-time" }, picture.cursor[1]));
            over.append(svgElement("text", { x: 6, y: 30, fill: TimingInk.cursor }, picture.cursor[2]));
        } else if (picture.empty) {
            over.append(svgElement("text", { x: 6, y: 15, fill: TimingInk.text }, "nothing recorded"));
        }
        over.append(svgElement("line", { x1: L.nameWidth, y1: 0, x2: L.nameWidth, y2: height, stroke: TimingInk.faint }));
    }

    /**
     * The waveforms of `picture` into `layers` (the grid, fills, lines, buses, texts, in the
     * order they overlap), each x `shift` pixels to the right. Shapes already drawn are kept.
     */
    private paintWaves(layers: SVGElement[], picture: TimingPicture, height: number, shift: number): void {
        const L = TimingLayout;
        const at = (x: number) => Math.round((x + shift) * 100) / 100;
        const [grid, fills, lines, buses, texts]: Shape[][] = [[], [], [], [], []];
        for (const [x] of picture.axis) {
            grid.push(["line", { x1: at(x), y1: L.axisHeight - 6, x2: at(x), y2: height, stroke: TimingInk.grid }]);
        }
        if (picture.dropped) {
            const [x0, x1, text] = picture.dropped;
            grid.push(["rect", { x: at(x0), y: L.axisHeight, width: x1 - x0, height, fill: TimingInk.dropped }]);
            grid.push(["text", { x: at(x0) + 4, y: L.axisHeight + 16, fill: TimingInk.faint }, text]);
        }
        picture.rows.forEach((row, r) => {
            const top = L.axisHeight + r * L.rowHeight;
            const high = top + L.rowMargin;
            const low = top + L.rowHeight - L.rowMargin;
            for (let i = 0; i + 1 < (row.high?.length ?? 0); i += 2) {
                const [x0, x1] = [at(row.high![i]), at(row.high![i + 1])];
                fills.push(["rect", { x: x0, y: high, width: Math.round((x1 - x0) * 100) / 100, height: low - high, fill: TimingInk.bitFill }]);
            }
            // The level line in pieces from one point to the next: a new column adds pieces.
            const line = row.line ?? [];
            for (let i = 0; i + 3 < line.length; i += 2) {
                const points = `${at(line[i])},${line[i + 1] ? high : low} ${at(line[i + 2])},${line[i + 3] ? high : low}`;
                lines.push(["polyline", { points, fill: "none", stroke: TimingInk.bit, "stroke-width": 1.5, "stroke-linecap": "square" }]);
            }
            for (const [x0, x1, text] of row.bus ?? []) {
                if (text === null) {
                    buses.push(["rect", { x: at(x0), y: high, width: x1 - x0, height: low - high, fill: TimingInk.busy }]);
                    continue;
                }
                const slant = Math.min(3, (x1 - x0) / 2);
                const middle = (high + low) / 2;
                const corners = [[x0, middle], [x0 + slant, high], [x1 - slant, high], [x1, middle], [x1 - slant, low], [x0 + slant, low], [x0, middle]];
                buses.push(["polyline", { points: corners.map(([x, y]) => `${at(x)},${y}`).join(" "), fill: "none", stroke: TimingInk.bus, "stroke-width": 1.2 }]);
                if (this.fits(text, x1 - x0)) {
                    texts.push(["text", { x: at((x0 + x1) / 2), y: middle + 4, "text-anchor": "middle", fill: TimingInk.text }, text]);
                }
            }
        });
        [grid, fills, lines, buses, texts].forEach((shapes, k) => reconcile(layers[k], shapes));
    }

    // --- Exports -------------------------------------------------------------------------------

    /**
     * The same bytes the window's Export Timing as VCD writes (trace::saveVcd), or the dump the
     * recordings were read from.
     */
    private async exportVcd(): Promise<void> {
        const dump = this.recordings?.vcd;
        if (dump) {
            offerDownload(dump.name, new Blob([textToBytes(dump.text).buffer as ArrayBuffer], { type: "application/octet-stream" }));
            return;
        }
        if (this.timing.saveVcd()) {
            const saved = this.context.session.takeSaved();
            if (saved) {
                offerDownload(saved.name, new Blob([saved.bytes], { type: "application/octet-stream" }));
            }
        }
        await this.context.showMessages();
    }

    /**
     * The diagram as it is in view, with every signal: the SVG itself (the recordings one below
     * the other), or drawn onto a canvas.
     */
    private async exportPicture(extension: "png" | "svg"): Promise<void> {
        const all = svgElement("svg", {});
        let top = 0;
        let widest = 0;
        for (const run of this.runs) {
            const width = this.waveWidth(run);
            const cursorMs = this.cursorMs >= 0 ? run.timing.clampCursor(this.cursorMs) : -1;
            const picture = JSON.parse(run.timing.pictureJson(width, cursorMs, this.ticks)) as TimingPicture;
            const height = TimingLayout.axisHeight + picture.rows.length * TimingLayout.rowHeight;
            const part = svgElement("svg", { x: 0, y: top });
            this.paint(part, picture, TimingLayout.nameWidth + width, height, 0);
            all.append(part);
            top += height;
            widest = Math.max(widest, TimingLayout.nameWidth + width);
        }
        all.setAttribute("width", String(widest));
        all.setAttribute("height", String(top));
        all.setAttribute("viewBox", `0 0 ${widest} ${top}`);
        const text = new XMLSerializer().serializeToString(all);
        const svg = new Blob(['<?xml version="1.0" encoding="UTF-8"?>\n', text], { type: "image/svg+xml" });
        const name = this.recordings?.vcd ? this.recordings.vcd.name.replace(/\.vcd$/, "." + extension) : fromUtf8(this.timing.exportName(extension));
        if (extension === "svg") {
            offerDownload(name, svg);
            return;
        }
        const url = URL.createObjectURL(svg);
        try {
            const image = new Image();
            image.src = url;
            await image.decode();
            const canvas = document.createElement("canvas");
            canvas.width = widest;
            canvas.height = top;
            canvas.getContext("2d")?.drawImage(image, 0, 0);
            const png = await new Promise<Blob | null>((resolve) => canvas.toBlob(resolve, "image/png"));
            if (png) {
                offerDownload(name, png);
            }
        } finally {
            URL.revokeObjectURL(url);
        }
    }
}
