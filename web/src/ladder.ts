// SPDX-License-Identifier: GPL-3.0-or-later
// The ladder diagram beside the grid, drawn as SVG from the core's layout and power flow
// (src/wasm/Json.h) the way the window's painter draws it: same placement, labels and marks.

interface LadderElement {
    kind: string;
    line: number;
    rung: number;
    cell: [number, number, number, number];
    inNet: number;
    outNet: number;
    problem: number;
    mark?: string;
    label?: string;
    negated?: number;
    coil?: string;
    target?: number;
    targetLine?: number;
    title?: string;
    values?: string;
    pins?: [string, number, number][];
    /** The name of the operand's address, as the window shows it above the element. */
    name?: string;
    /** An ADD's or SUB's operand line (the line below it), drawn as part of its box. */
    operandLine?: number;
}

/** True when `el` is drawn for code line `line`: its own, or its operand line. */
function drawsLine(el: LadderElement, line: number): boolean {
    return line > 0 && (el.line === line || el.operandLine === line);
}

interface LadderRung {
    firstLine: number;
    rows: number;
    elements: number[];
    marks: number[];
    wires: [number, number, number, number, number][];
}

interface LadderPicture {
    columns: number;
    ended: number;
    currentLine: number;
    running: number;
    rungs: LadderRung[];
    elements: LadderElement[];
    nets?: number[];
    active?: number[];
}

const kSvg = "http://www.w3.org/2000/svg";
const kCellWidth = 72;
const kRowHeight = 40;
const kMargin = 44; // left of the left rail: the rungs' line numbers
const kRungGap = 14;
const kInk = "rgb(40,40,40)";
const kPower = "rgb(0,150,60)";
const kMarkInk = "rgb(190,30,30)";
const kCurrent = "rgb(255,236,150)";
const kNameInk = "rgb(20,60,140)"; // names: blue, apart from the black addresses
const kNameRoom = 14; // added to each row when a name is shown
const kNameCharWidth = 6.5; // about the width of a character of the names' 10-pixel font
const kSelection = "rgb(30,90,220)";

class LadderView {
    readonly host: HTMLElement;
    private svg: SVGSVGElement | null = null;
    /** The picture drawn may be old: the diagram was hidden while the program or run changed. */
    private stale = false;
    private picture!: LadderPicture;
    private rungTop: number[] = [];
    /** kRowHeight, with kNameRoom when a name is shown. */
    private rowHeight = kRowHeight;
    /** While stopped, the current line's element is framed as the drawing's selection. */
    framesSelection = false;
    /** Draws over a new picture (the debugger's breakpoint dots and padlocks), given where each
     * element of the picture's JSON lies: [x, y, width, height]. */
    decorate: ((svg: SVGSVGElement, cellOf: (element: number) => [number, number, number, number]) => void) | null = null;

    constructor(private readonly session: WebSession) {
        this.host = document.createElement("section");
        this.host.className = "ladder";
        this.host.setAttribute("aria-label", tr("page.ladder", "Ladder Diagram"));
    }

    /** True while the diagram is shown (View > Ladder Diagram); hidden, it is not drawn. */
    get shown(): boolean {
        return !this.host.hidden;
    }

    /** Shows or hides the diagram; shown again, it is drawn as it is now at the next refresh. */
    setShown(on: boolean): void {
        this.host.hidden = !on;
        this.stale = this.stale || !on;
    }

    /** Draws the diagram again when it is shown and the core says its picture changed. */
    refresh(): void {
        if (this.host.hidden) {
            return;
        }
        const changed = this.session.pollLadder();
        if (!changed && !this.stale) {
            return;
        }
        this.stale = false;
        this.picture = JSON.parse(this.session.ladderJson()) as LadderPicture;
        const svg = this.draw();
        if (this.svg) {
            this.svg.replaceWith(svg);
        } else {
            this.host.append(svg);
        }
        this.svg = svg;
    }

    /**
     * The diagram as the program is now, a picture a rung, for a printed page: each an SVG of
     * its rung's part of the drawing, so that no rung is cut across two sheets. Drawn whether
     * or not the diagram is shown, without changing what it shows.
     */
    rungPictures(): SVGSVGElement[] {
        const saved = {
            picture: this.picture,
            rungTop: this.rungTop,
            rowHeight: this.rowHeight,
            decorate: this.decorate,
            framesSelection: this.framesSelection,
        };
        // The poll is taken here: the diagram shown is drawn again at its next refresh.
        this.stale = this.session.pollLadder() || this.stale;
        // The program only, on paper: no current line, selection, power flow or debugger's marks.
        const picture = JSON.parse(this.session.ladderJson()) as LadderPicture;
        this.picture = { ...picture, currentLine: 0, running: 0, nets: undefined, active: undefined };
        this.decorate = null;
        this.framesSelection = false;
        const whole = this.draw();
        const width = whole.getAttribute("width") ?? "0";
        const pictures = this.picture.rungs.map((rung, r) => {
            const top = this.rungTop[r] - kRungGap / 2;
            const height = (rung.rows + rung.marks.length) * this.rowHeight + kRungGap;
            const svg = whole.cloneNode(true) as SVGSVGElement;
            svg.setAttribute("viewBox", `0 ${top} ${width} ${height}`);
            svg.setAttribute("height", String(height));
            svg.setAttribute("aria-label", trf("page.ladder", "Rung %1", r + 1));
            return svg;
        });
        Object.assign(this, saved);
        return pictures;
    }

    /** The line of the element drawn at a point of the page (client pixels), 0 where none. */
    lineAt(clientX: number, clientY: number): number {
        if (!this.svg) {
            return 0;
        }
        const box = this.svg.getBoundingClientRect();
        const [x, y] = [clientX - box.left, clientY - box.top];
        let best = 0;
        let bestArea = Infinity;
        for (const el of this.picture.elements) {
            const [ex, ey, ew, eh] = this.cellRect(el);
            // Where blocks nest, the innermost element wins.
            if (el.line > 0 && x >= ex && x < ex + ew && y >= ey && y < ey + eh && ew * eh < bestArea) {
                best = el.line;
                bestArea = ew * eh;
            }
        }
        return best;
    }

    /** Where the element of `line` is drawn, in pixels of the diagram's scrolled content. */
    rectOfLine(line: number): [number, number, number, number] | null {
        const el = this.svg ? this.picture.elements.find((e) => drawsLine(e, line) && e.kind !== "mark") : undefined;
        if (!el || !this.svg) {
            return null;
        }
        const [x, y, w, h] = this.cellRect(el);
        const svg = this.svg.getBoundingClientRect();
        const host = this.host.getBoundingClientRect();
        return [svg.left - host.left + this.host.scrollLeft + x, svg.top - host.top + this.host.scrollTop + y, w, h];
    }

    private x(col: number): number {
        return kMargin + kCellWidth * col;
    }

    private wireY(rung: number, row: number): number {
        // The name room is above the label: the wire keeps its place in the row's lower part.
        return this.rungTop[rung] + row * this.rowHeight + (this.rowHeight - kRowHeight) + 0.62 * kRowHeight;
    }

    private powered(net: number): boolean {
        return this.picture.nets !== undefined && this.picture.nets[net] === 1;
    }

    private draw(): SVGSVGElement {
        const p = this.picture;
        this.rungTop = [];
        this.rowHeight = p.elements.some((e) => e.name) ? kRowHeight + kNameRoom : kRowHeight;
        let y = kRungGap;
        let width = this.x(p.columns) + kMargin / 2;
        for (const rung of p.rungs) {
            this.rungTop.push(y);
            y += (rung.rows + rung.marks.length) * this.rowHeight + kRungGap;
            for (const e of rung.marks) {
                width = Math.max(width, this.x(0) + 6 + 7 * (p.elements[e].mark ?? "").length + kMargin / 2);
            }
        }
        const height = Math.max(y, 60);
        const svg = document.createElementNS(kSvg, "svg");
        svg.setAttribute("width", String(Math.ceil(width)));
        svg.setAttribute("height", String(Math.ceil(height)));
        svg.setAttribute("viewBox", `0 0 ${Math.ceil(width)} ${Math.ceil(height)}`);
        svg.setAttribute("role", "img");
        svg.setAttribute("aria-label", p.running ? tr("page.ladder", "Ladder diagram with power flow") : tr("page.ladder", "Ladder diagram"));
        svg.setAttribute("font-family", "DejaVu Sans, sans-serif");
        svg.setAttribute("font-size", "12");
        p.rungs.forEach((rung, r) => this.drawRung(svg, rung, r, width));
        if (!p.ended) {
            this.text(svg, "(no END)", this.x(0), height - 4, "start", kMarkInk);
        }
        this.decorate?.(svg, (e) => this.cellRect(p.elements[e]));
        return svg;
    }

    private drawRung(svg: SVGSVGElement, rung: LadderRung, r: number, width: number): void {
        const p = this.picture;
        const top = this.rungTop[r];
        for (const e of rung.elements) {
            const el = p.elements[e];
            if (drawsLine(el, p.currentLine)) {
                const [cx, cy, cw, ch] = this.cellRect(el);
                this.rect(svg, cx + 1, cy + 1, cw - 2, ch - 2, kCurrent);
                if (this.framesSelection && !p.running) {
                    const frame = this.rect(svg, cx + 1, cy + 1, cw - 2, ch - 2, "none");
                    frame.setAttribute("stroke", kSelection);
                    frame.setAttribute("stroke-width", "2");
                    frame.setAttribute("class", "selection");
                }
            }
        }
        rung.marks.forEach((e, k) => {
            if (p.elements[e].line === p.currentLine) {
                this.rect(svg, this.x(0), top + (rung.rows + k) * this.rowHeight, width - this.x(0) - kMargin / 2, this.rowHeight, kCurrent);
            }
        });
        if (rung.rows > 0) {
            this.line(svg, this.x(0), top, this.x(0), top + rung.rows * this.rowHeight, p.running === 1, 2.5);
            const right = this.x(p.columns);
            this.line(svg, right, top, right, top + rung.rows * this.rowHeight, false, 2.5);
            this.text(svg, String(rung.firstLine), kMargin - 8, this.wireY(r, 0) + 4, "end", kInk);
        }
        for (const [c0, r0, c1, r1, net] of rung.wires) {
            this.line(svg, this.x(c0), this.wireY(r, r0), this.x(c1), this.wireY(r, r1), this.powered(net));
        }
        for (const e of rung.elements) {
            this.drawElement(svg, p.elements[e], e);
        }
        rung.marks.forEach((e, k) => {
            const y = top + (rung.rows + k + 0.5) * this.rowHeight + 4;
            this.text(svg, p.elements[e].mark ?? "", this.x(0) + 6, y, "start", kMarkInk);
        });
    }

    private cellRect(el: LadderElement): [number, number, number, number] {
        const [col, row, w, h] = el.cell;
        return [this.x(col), this.rungTop[el.rung] + row * this.rowHeight, w * kCellWidth, h * this.rowHeight];
    }

    private drawElement(svg: SVGSVGElement, el: LadderElement, index: number): void {
        const active = this.picture.active !== undefined && this.picture.active[index] === 1;
        switch (el.kind) {
            case "contact":
                this.contact(svg, el, active);
                break;
            case "coil":
                this.coil(svg, el, active);
                break;
            case "link":
                this.link(svg, el);
                break;
            case "timer":
            case "counter":
            case "shift":
            case "keep":
            case "word":
                this.box(svg, el);
                break;
            case "end":
                this.end(svg, el);
                break;
            case "control":
                this.control(svg, el);
                break;
        }
    }

    private contact(svg: SVGSVGElement, el: LadderElement, closed: boolean): void {
        const [left, , w] = this.cellRect(el);
        const y = this.wireY(el.rung, el.cell[1]);
        const cx = left + w / 2;
        const half = 7;
        this.line(svg, left, y, cx - half, y, this.powered(el.inNet));
        this.line(svg, cx + half, y, left + w, y, this.powered(el.outNet));
        this.line(svg, cx - half, y - 10, cx - half, y + 10, closed, 2);
        this.line(svg, cx + half, y - 10, cx + half, y + 10, closed, 2);
        if (el.negated) {
            this.line(svg, cx - half - 3, y + 10, cx + half + 3, y - 10, closed, 2);
        }
        this.label(svg, el, cx, y - 14);
    }

    private coil(svg: SVGSVGElement, el: LadderElement, on: boolean): void {
        const [left, , w] = this.cellRect(el);
        const y = this.wireY(el.rung, el.cell[1]);
        const cx = left + w / 2;
        const r = 11;
        this.line(svg, left, y, cx - r, y, this.powered(el.inNet));
        this.line(svg, cx + r, y, left + w, y, on);
        // Two arcs, as ( ): 120 degrees each, left and right.
        const s = Math.sin(Math.PI / 3) * r;
        const c = Math.cos(Math.PI / 3) * r;
        const style = on ? kPower : kInk;
        const width = on ? 4 : 2;
        this.path(svg, `M ${cx - c} ${y - s} A ${r} ${r} 0 0 0 ${cx - c} ${y + s}`, style, width);
        this.path(svg, `M ${cx + c} ${y - s} A ${r} ${r} 0 0 1 ${cx + c} ${y + s}`, style, width);
        if (el.coil === "not") {
            this.line(svg, cx - 5, y + 8, cx + 5, y - 8, on, 2);
        } else if (el.coil === "difu") {
            this.line(svg, cx, y + 6, cx, y - 6, on, 2);
            this.line(svg, cx - 4, y - 2, cx, y - 6, on, 2);
            this.line(svg, cx + 4, y - 2, cx, y - 6, on, 2);
        } else if (el.coil === "difd") {
            this.line(svg, cx, y - 6, cx, y + 6, on, 2);
            this.line(svg, cx - 4, y + 2, cx, y + 6, on, 2);
            this.line(svg, cx + 4, y + 2, cx, y + 6, on, 2);
        } else if (el.coil === "set" || el.coil === "reset") {
            const mark = this.text(svg, el.coil === "set" ? "S" : "R", cx, y + 4, "middle", style);
            mark.setAttribute("font-weight", "bold");
        }
        this.label(svg, el, cx, y - 14);
    }

    private link(svg: SVGSVGElement, el: LadderElement): void {
        if ((el.target ?? -1) < 0) {
            return; // nothing before it: the wire starts nowhere
        }
        const [left, , w] = this.cellRect(el);
        const y = this.wireY(el.rung, el.cell[1]);
        const cx = left + w / 2;
        this.line(svg, left, y, cx - 20, y, this.powered(el.inNet));
        this.line(svg, cx + 20, y, left + w, y, this.powered(el.outNet));
        const tag = this.rect(svg, cx - 20, y - 9, 40, 18, "none");
        tag.setAttribute("rx", "8");
        tag.setAttribute("stroke", this.powered(el.outNet) ? kPower : kInk);
        tag.setAttribute("stroke-width", "1.5");
        this.text(svg, String(el.targetLine), cx, y + 4, "middle", kInk);
    }

    private box(svg: SVGSVGElement, el: LadderElement): void {
        const [left, top, w, h] = this.cellRect(el);
        const bx = left + 18;
        const by = top + this.rowHeight - kRowHeight * 0.7;
        const bw = w - 36;
        const bh = h - (this.rowHeight - kRowHeight * 0.7) - kRowHeight * 0.2;
        const frame = this.rect(svg, bx, by, bw, bh, "rgb(250,250,246)");
        frame.setAttribute("stroke", kInk);
        frame.setAttribute("stroke-width", "1.5");
        this.name(svg, el, left + w / 2, by - 4, w);
        for (const [name, row, net] of el.pins ?? []) {
            const y = this.wireY(el.rung, row);
            this.line(svg, left, y, bx, y, this.powered(net));
            this.text(svg, name, bx + 4, y + 4, "start", kInk);
        }
        const title = this.text(svg, (el.problem ? "!" : "") + (el.title ?? ""), bx + bw / 2, by + 15, "middle", el.problem ? kMarkInk : kInk);
        title.setAttribute("font-weight", "bold");
        // A word box's operand lines use its whole width: its input has no name beside them.
        const word = el.kind === "word";
        (el.values ?? "").split("\n").forEach((value, k) => {
            this.text(svg, value, word ? bx + 6 : bx + bw - 6, by + 32 + 14 * k, word ? "start" : "end", kInk);
        });
    }

    private end(svg: SVGSVGElement, el: LadderElement): void {
        const [left, , w] = this.cellRect(el);
        const y = this.wireY(el.rung, el.cell[1]);
        const cx = left + w / 2;
        this.line(svg, left, y, cx - 26, y, this.powered(el.inNet));
        this.line(svg, cx + 26, y, left + w, y, this.powered(el.inNet));
        const tag = this.rect(svg, cx - 26, y - 11, 52, 22, "none");
        tag.setAttribute("stroke", kInk);
        tag.setAttribute("stroke-width", "1.5");
        this.text(svg, "END", cx, y + 4, "middle", kInk);
    }

    /** IL, ILC, JMP and JME: a tag on the wire, as END's, with the instruction and its number. */
    private control(svg: SVGSVGElement, el: LadderElement): void {
        const [left, , w] = this.cellRect(el);
        const y = this.wireY(el.rung, el.cell[1]);
        const cx = left + w / 2;
        this.line(svg, left, y, cx - 30, y, this.powered(el.inNet));
        this.line(svg, cx + 30, y, left + w, y, this.powered(el.inNet));
        const tag = this.rect(svg, cx - 30, y - 11, 60, 22, "none");
        tag.setAttribute("stroke", kInk);
        tag.setAttribute("stroke-width", "1.5");
        tag.setAttribute("class", "control");
        const text = (el.problem ? "!" : "") + (el.label ?? "");
        this.text(svg, text, cx, y + 4, "middle", el.problem ? kMarkInk : kInk);
    }

    private label(svg: SVGSVGElement, el: LadderElement, cx: number, baseline: number): void {
        const text = (el.problem ? "!" : "") + (el.label ?? "");
        this.text(svg, text, cx, baseline, "middle", el.problem ? kMarkInk : kInk);
        this.name(svg, el, cx, baseline - 12, el.cell[2] * kCellWidth);
    }

    /** The element's name above its label, in a smaller size, cut with an ellipsis to `width`. */
    private name(svg: SVGSVGElement, el: LadderElement, cx: number, baseline: number, width: number): void {
        if (!el.name) {
            return;
        }
        const room = Math.max(1, Math.floor((width - 4) / kNameCharWidth));
        const shown = el.name.length > room ? el.name.slice(0, room - 1) + "\u2026" : el.name;
        const text = this.text(svg, shown, cx, baseline, "middle", kNameInk);
        text.setAttribute("font-size", "10");
        text.setAttribute("class", "name");
    }

    private line(svg: SVGSVGElement, x0: number, y0: number, x1: number, y1: number, on: boolean, width = 1.5): void {
        const line = document.createElementNS(kSvg, "line");
        line.setAttribute("x1", String(x0));
        line.setAttribute("y1", String(y0));
        line.setAttribute("x2", String(x1));
        line.setAttribute("y2", String(y1));
        line.setAttribute("stroke", on ? kPower : kInk);
        line.setAttribute("stroke-width", String(on ? 4 : width));
        if (on) {
            line.setAttribute("class", "power");
        }
        svg.append(line);
    }

    private path(svg: SVGSVGElement, d: string, stroke: string, width: number): void {
        const path = document.createElementNS(kSvg, "path");
        path.setAttribute("d", d);
        path.setAttribute("fill", "none");
        path.setAttribute("stroke", stroke);
        path.setAttribute("stroke-width", String(width));
        svg.append(path);
    }

    private rect(svg: SVGSVGElement, x: number, y: number, w: number, h: number, fill: string): SVGRectElement {
        const rect = document.createElementNS(kSvg, "rect");
        rect.setAttribute("x", String(x));
        rect.setAttribute("y", String(y));
        rect.setAttribute("width", String(w));
        rect.setAttribute("height", String(h));
        rect.setAttribute("fill", fill);
        svg.append(rect);
        return rect;
    }

    private text(svg: SVGSVGElement, text: string, x: number, y: number, anchor: string, fill: string): SVGTextElement {
        const el = document.createElementNS(kSvg, "text");
        el.setAttribute("x", String(x));
        el.setAttribute("y", String(y));
        el.setAttribute("text-anchor", anchor);
        el.setAttribute("fill", fill);
        el.textContent = text;
        svg.append(el);
        return el;
    }
}
