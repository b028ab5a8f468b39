// SPDX-License-Identifier: GPL-3.0-or-later
// The Module menu's machines, drawn on a canvas from the core's machine state (src/wasm/Json.h),
// with the machines' buttons as real buttons so that the keyboard reaches them.

/** The kind of a scene's text shape (the others: rectangle, ellipse, line, polygon). */
const kTextShape = 4;

/** One shape of a machine's scene (sceneJson in src/wasm/Json.h). */
interface SceneShape {
    k: number;
    b?: number[];
    p?: number[];
    t?: string;
    f?: string;
    s?: string;
    lw?: number;
    r?: number;
    z?: number;
    bold?: number;
    dash?: number;
    a?: number;
}

interface Scene {
    w: number;
    h: number;
    shapes: SceneShape[];
    spots: { b: number[]; c: number }[];
}

interface SceneControl {
    word: string;
    caption: string;
    toggle: number;
    on: number;
}

/** The touches of src/machines/Control.h. */
const enum HandTouch {
    Press = 0,
    Hold = 1,
    Release = 2,
    On = 3,
    Off = 4,
}

interface MachineState {
    kind: string;
    title?: string;
    running: number;
    controls?: SceneControl[];
    scene?: Scene;
    state: string;
    faults: { text: string; count: number; active: number }[];
    travel?: number;
    beltLength?: number;
    boxLength?: number;
    faceStart?: number;
    faceEnd?: number;
    stroke?: number;
}

/** The words of a machine's state line ("key=value") by key. */
function stateWords(line: string): Map<string, string> {
    const words = new Map<string, string>();
    for (const word of line.split(" ")) {
        const at = word.indexOf("=");
        if (at > 0) {
            words.set(word.slice(0, at), word.slice(at + 1));
        }
    }
    return words;
}

/** The gate leaf's and the belt's length on the canvas, in pixels. */
const kGateLeaf = 140;
const kBeltPixels = 380;

/**
 * The width (pixels) a translated scene text may take: the part of its box, on the side its
 * alignment grows to, that no other text's box covers (labels placed close together), less what
 * a right-aligned text sharing the box takes (a fault's count beside its name); never less than
 * its English's width (the scene was laid out for the English). `g` has the text's font; the
 * text is `shapes[index]`.
 */
function textRoom(g: CanvasRenderingContext2D, shapes: readonly SceneShape[], index: number): number {
    const shape = shapes[index];
    const box = shape.b ?? [0, 0, 0, 0];
    const same = (other: SceneShape) => other.b?.every((v, n) => v === box[n]) ?? false;
    const anchor = shape.a === 0 ? box[0] : shape.a === 2 ? box[0] + box[2] : box[0] + box[2] / 2;
    let [from, to] = [box[0], box[0] + box[2]];
    for (const other of shapes) {
        const b = other.b ?? [];
        if (other !== shape && other.k === kTextShape && !same(other) && overlaps(box, b)) {
            [from, to] = b[0] > anchor ? [from, Math.min(to, b[0])] : b[0] + b[2] < anchor ? [Math.max(from, b[0] + b[2]), to] : [anchor, anchor];
        }
    }
    const next = shapes[index + 1];
    const kGap = 8;
    const reserved = next && next.k === kTextShape && next.a === 2 && same(next) ? g.measureText(next.t ?? "").width + kGap : 0;
    const room = shape.a === 0 ? to - anchor - reserved : shape.a === 2 ? anchor - from : 2 * Math.min(anchor - from, to - anchor);
    return Math.max(room, g.measureText(shape.t ?? "").width);
}

/** Whether boxes `a` and `b` (x, y, width, height) share more than a hairline. */
function overlaps(a: readonly number[], b: readonly number[]): boolean {
    const kHairline = 0.5;
    return Math.min(a[0] + a[2], b[0] + b[2]) - Math.max(a[0], b[0]) > kHairline && Math.min(a[1] + a[3], b[1] + b[3]) - Math.max(a[1], b[1]) > kHairline;
}

/**
 * Draws `text` at `x`, `y` as `g` aligns it, squeezed sideways where it is wider than `room`
 * pixels or would run past the canvas's edges (a translation longer than the English a scene
 * was laid out for). A text that fits is drawn as it is.
 */
function fillTextInside(g: CanvasRenderingContext2D, text: string, x: number, y: number, room: number): void {
    const kMargin = 2; // pixels kept clear at the canvas's edge
    const width = g.canvas.width;
    const align = g.textAlign;
    const edges = (align === "right" || align === "end" ? x : align === "center" ? 2 * Math.min(x, width - x) : width - x) - kMargin;
    const fit = Math.min(room, edges);
    if (g.measureText(text).width > fit) {
        g.fillText(text, x, y, Math.max(fit, 1));
    } else {
        g.fillText(text, x, y);
    }
}

class MachineView {
    readonly host: HTMLElement;
    private readonly title: HTMLElement;
    private readonly canvas: HTMLCanvasElement;
    private readonly buttons: HTMLElement;
    private shown = "";
    private picture = "";
    private kind = "";
    /** The scene last drawn, for clicks on it; null for the machines drawn here. */
    private scene: Scene | null = null;
    /** The scene control the pointer holds down on the canvas. */
    private held: number | null = null;

    constructor(private readonly session: WebSession, private readonly changed: () => void) {
        this.host = document.createElement("section");
        this.host.className = "machine";
        this.host.hidden = true;
        this.title = document.createElement("h2");
        this.canvas = document.createElement("canvas");
        this.canvas.width = 680;
        this.canvas.height = 300;
        this.canvas.setAttribute("role", "img");
        this.buttons = document.createElement("div");
        this.buttons.className = "machine-buttons";
        this.host.append(this.title, this.canvas, this.buttons);
        this.canvas.addEventListener("pointerdown", (event) => this.pointScene(event));
        const release = (): void => {
            if (this.held !== null) {
                this.session.operate(this.held, HandTouch.Release);
                this.held = null;
                this.changed();
            }
        };
        this.canvas.addEventListener("pointerup", release);
        this.canvas.addEventListener("pointerleave", release);
    }

    /** A click on the scene: a button held while the pointer is down, a switch turned over. */
    private pointScene(event: PointerEvent): void {
        const scene = this.scene;
        if (!scene) {
            return;
        }
        const frame = this.canvas.getBoundingClientRect();
        const x = ((event.clientX - frame.left) * scene.w) / frame.width;
        const y = ((event.clientY - frame.top) * scene.h) / frame.height;
        const spot = [...scene.spots].reverse().find(({ b }) => x >= b[0] && x < b[0] + b[2] && y >= b[1] && y < b[1] + b[3]);
        if (spot) {
            this.touchControl(spot.c, true);
        }
    }

    /** Control `index` pressed (`down`) or let go, as a mouse works it. */
    private touchControl(index: number, down: boolean): void {
        const button = this.buttons.querySelector<HTMLButtonElement>(`button[data-index="${index}"]`);
        if (button?.hasAttribute("aria-pressed")) {
            if (down) {
                this.session.operate(index, button.getAttribute("aria-pressed") === "true" ? HandTouch.Off : HandTouch.On);
            }
        } else if (down) {
            // A click shorter than a scan still reaches one scan; holding keeps it down.
            this.session.operate(index, HandTouch.Press);
            this.session.operate(index, HandTouch.Hold);
            this.held = index;
        } else {
            this.session.operate(index, HandTouch.Release);
            this.held = null;
        }
        this.changed();
    }

    /** The machine's controls as real buttons, so that the keyboard and a screen reader reach them. */
    private makeControls(title: string, controls: SceneControl[]): void {
        this.title.textContent = title;
        this.buttons.replaceChildren();
        controls.forEach((control, index) => {
            const button = document.createElement("button");
            button.textContent = trDynamic("Machines", control.caption);
            button.dataset.control = control.word;
            button.dataset.index = String(index);
            if (control.toggle) {
                button.setAttribute("aria-pressed", "false");
                button.addEventListener("click", () => this.touchControl(index, true));
            } else {
                button.addEventListener("pointerdown", () => this.touchControl(index, true));
                button.addEventListener("pointerup", () => this.touchControl(index, false));
                button.addEventListener("pointerleave", () => {
                    if (this.held === index) {
                        this.touchControl(index, false);
                    }
                });
                button.addEventListener("keydown", (event) => {
                    if ((event.key === " " || event.key === "Enter") && !event.repeat) {
                        this.touchControl(index, true);
                    }
                });
                button.addEventListener("keyup", (event) => {
                    if (event.key === " " || event.key === "Enter") {
                        this.touchControl(index, false);
                    }
                });
            }
            this.buttons.append(button);
        });
    }

    /** The switches' buttons show whether each switch is on. */
    private showControls(controls: SceneControl[]): void {
        controls.forEach((control, index) => {
            if (control.toggle) {
                this.buttons.querySelector(`button[data-index="${index}"]`)?.setAttribute("aria-pressed", control.on ? "true" : "false");
            }
        });
    }

    /** Paints a scene as the window's ScenePainter does. */
    private drawScene(scene: Scene): void {
        if (this.canvas.width !== scene.w || this.canvas.height !== scene.h) {
            this.canvas.width = scene.w;
            this.canvas.height = scene.h;
        }
        const g = this.canvas.getContext("2d");
        if (!g) {
            return;
        }
        g.lineCap = "butt";
        scene.shapes.forEach((shape, index) => {
            g.setLineDash(shape.dash ? [4 * (shape.lw ?? 1), 2 * (shape.lw ?? 1)] : []);
            g.lineWidth = shape.lw ?? 1;
            g.beginPath();
            const b = shape.b ?? [0, 0, 0, 0];
            if (shape.k === 0) {
                g.roundRect(b[0], b[1], b[2], b[3], shape.r ?? 0);
            } else if (shape.k === 1) {
                g.ellipse(b[0] + b[2] / 2, b[1] + b[3] / 2, b[2] / 2, b[3] / 2, 0, 0, 2 * Math.PI);
            } else if (shape.k === 2 || shape.k === 3) {
                const p = shape.p ?? [];
                for (let i = 0; i + 1 < p.length; i += 2) {
                    if (i === 0) {
                        g.moveTo(p[i], p[i + 1]);
                    } else {
                        g.lineTo(p[i], p[i + 1]);
                    }
                }
                if (shape.k === 3) {
                    g.closePath();
                }
            } else {
                g.font = `${shape.bold ? "bold " : ""}${shape.z ?? 12}px DejaVu Sans, sans-serif`;
                g.fillStyle = shape.f ?? "#000000";
                g.textBaseline = "middle";
                g.textAlign = shape.a === 0 ? "left" : shape.a === 2 ? "right" : "center";
                const x = shape.a === 0 ? b[0] : shape.a === 2 ? b[0] + b[2] : b[0] + b[2] / 2;
                const text = trDynamic("Machines", shape.t ?? "");
                if (text === shape.t) {
                    g.fillText(text, x, b[1] + b[3] / 2); // the English, as the scene was laid out
                } else {
                    fillTextInside(g, text, x, b[1] + b[3] / 2, textRoom(g, scene.shapes, index));
                }
                return;
            }
            if (shape.f && shape.k !== 2) {
                g.fillStyle = shape.f;
                g.fill();
            }
            if (shape.s) {
                g.strokeStyle = shape.s;
                g.stroke();
            }
        });
        g.setLineDash([]);
    }

    refresh(): void {
        const json = this.session.machineJson();
        if (json === this.shown) {
            return;
        }
        this.shown = json;
        const state = JSON.parse(json) as MachineState | null;
        this.host.hidden = state === null;
        if (!state) {
            this.kind = "";
            return;
        }
        if (state.kind !== this.kind) {
            this.kind = state.kind;
            if (state.controls) {
                this.makeControls(trDynamic("Machines", state.title ?? state.kind), state.controls);
            } else {
                this.makeButtons(state.kind);
            }
        }
        this.canvas.setAttribute("aria-label", state.state);
        if (state.scene) {
            this.showControls(state.controls ?? []);
            this.scene = state.scene;
            this.drawScene(state.scene);
            return;
        }
        this.scene = null;
        const words = stateWords(state.state);
        // Positions move every millisecond but the picture only every few pixels: it is drawn
        // again only when something it shows changed, as the window repaints.
        const picture = this.pictureKey(state, words);
        if (picture === this.picture) {
            return;
        }
        this.picture = picture;
        const g = this.canvas.getContext("2d");
        if (!g) {
            return;
        }
        g.fillStyle = "rgb(236,236,232)";
        g.fillRect(0, 0, this.canvas.width, this.canvas.height);
        g.font = "12px DejaVu Sans, sans-serif";
        if (state.kind === "gate") {
            this.drawGate(g, state, words);
        } else {
            this.drawConveyor(g, state, words);
        }
        this.drawFaults(g, state);
        if (!state.running) {
            g.fillStyle = "rgb(150,30,30)";
            g.fillText(tr("page.machines", "Stopped: start the run to work the machine."), 10, this.canvas.height - 10);
        }
    }

    /** The state as the picture shows it: positions in whole pixels, everything else as is. */
    private pictureKey(state: MachineState, words: Map<string, string>): string {
        const scaled = new Map(words);
        if (state.kind === "gate") {
            const pos = Number(words.get("pos") ?? 0);
            scaled.set("pos", `${Math.round((kGateLeaf * pos) / (state.travel ?? 1))}/${Math.floor((pos * 100) / (state.travel ?? 1))}`);
        } else {
            const scale = kBeltPixels / (state.beltLength ?? 1);
            scaled.set("pusher", String(Math.round((Number(words.get("pusher") ?? 0) * 40) / (state.stroke ?? 1))));
            scaled.set("boxes", (words.get("boxes") ?? "").replace(/\d+/g, (n) => String(Math.round(Number(n) * scale))));
        }
        return JSON.stringify([state.running, [...scaled], state.faults]);
    }

    private makeButtons(kind: string): void {
        this.title.textContent = kind === "gate" ? tr("page.machines", "House Gate") : tr("page.machines", "Conveyor");
        this.buttons.replaceChildren();
        const hands: [string, number][] =
            kind === "gate"
                ? [[tr("page.machines", "Remote"), 0], [tr("page.machines", "Stop"), 1]]
                : [[tr("page.machines", "Start"), 2], [tr("page.machines", "Stop"), 3]];
        for (const [label, hand] of hands) {
            const button = document.createElement("button");
            button.textContent = label;
            const down = (on: boolean): void => {
                this.session.hand(hand, on);
                this.changed();
            };
            button.addEventListener("pointerdown", () => down(true));
            button.addEventListener("pointerup", () => down(false));
            button.addEventListener("pointerleave", () => down(false));
            button.addEventListener("keydown", (event) => {
                if ((event.key === " " || event.key === "Enter") && !event.repeat) {
                    down(true);
                }
            });
            button.addEventListener("keyup", (event) => {
                if (event.key === " " || event.key === "Enter") {
                    down(false);
                }
            });
            this.buttons.append(button);
        }
        if (kind === "gate") {
            const car = document.createElement("button");
            car.textContent = tr("page.machines", "Car");
            car.title = tr("page.machines", "A car arrives, or drives on");
            car.setAttribute("aria-pressed", "false");
            car.addEventListener("click", () => {
                const present = car.getAttribute("aria-pressed") !== "true";
                this.session.setCar(present);
                this.changed();
            });
            this.buttons.append(car);
        }
    }

    private lamp(g: CanvasRenderingContext2D, x: number, y: number, r: number, on: boolean, colour = "rgb(255,60,40)"): void {
        g.beginPath();
        g.arc(x, y, r, 0, 2 * Math.PI);
        g.fillStyle = on ? colour : "rgb(90,90,90)";
        g.fill();
        g.strokeStyle = "rgb(30,30,30)";
        g.stroke();
    }

    private drawGate(g: CanvasRenderingContext2D, state: MachineState, w: Map<string, string>): void {
        const travel = state.travel ?? 1;
        const pos = Number(w.get("pos") ?? 0);
        const percent = Math.floor((pos * 100) / travel);
        const car = this.buttons.querySelector("button[aria-pressed]");
        car?.setAttribute("aria-pressed", w.get("car") !== "away" ? "true" : "false");
        // The road, the gateway and the gate leaf sliding open to the right.
        g.fillStyle = "rgb(170,170,165)";
        g.fillRect(60, 60, 140, 230);
        const gateLeft = 60;
        const gateY = 150;
        const leaf = kGateLeaf;
        g.fillStyle = "rgb(200,160,60)";
        g.fillRect(gateLeft + (leaf * pos) / travel, gateY - 8, leaf, 16);
        this.lamp(g, gateLeft - 7, gateY - 28, 7, w.get("closed") === "1", "rgb(60,220,60)");
        this.lamp(g, gateLeft + 2 * leaf + 7, gateY - 28, 7, w.get("open") === "1", "rgb(60,220,60)");
        g.fillStyle = "rgb(30,30,30)";
        g.fillText(tr("page.machines", "closed"), gateLeft - 30, gateY - 44);
        g.fillText(tr("page.machines", "open"), gateLeft + 2 * leaf - 10, gateY - 44);
        this.lamp(g, 30, 30, 14, w.get("light") === "1", "rgb(255,170,0)");
        g.fillStyle = "rgb(30,30,30)";
        g.fillText(tr("page.machines", "warning"), 8, 60);
        if (w.get("car") !== "away") {
            g.fillStyle = "rgb(40,80,170)";
            const y = w.get("car") === "waiting" ? 200 : 120;
            g.fillRect(100, y, 60, 80);
        }
        const motor: Record<string, string> = {
            off: tr("page.machines", "Motor off"),
            open: tr("page.machines", "Motor opening"),
            close: tr("page.machines", "Motor closing"),
            both: tr("page.machines", "Motor driven BOTH ways"),
        };
        const x = 400;
        g.fillStyle = "rgb(30,30,30)";
        g.font = "14px DejaVu Sans, sans-serif";
        g.fillText(trf("page.machines", "Gate %1 % open", percent), x, 24);
        g.fillText(motor[w.get("motor") ?? "off"] ?? "", x, 46);
        g.font = "12px DejaVu Sans, sans-serif";
        const sensors: [string, string][] = [
            ["remote", tr("page.machines", "0 remote")],
            ["open", tr("page.machines", "1 open limit")],
            ["closed", tr("page.machines", "2 closed")],
            ["eye", tr("page.machines", "3 photo-eye")],
            ["stop", tr("page.machines", "4 stop")],
        ];
        sensors.forEach(([key, name], k) => {
            this.lamp(g, x + 6, 72 + 20 * k, 5, w.get(key) === "1", "rgb(60,220,60)");
            g.fillStyle = "rgb(30,30,30)";
            g.fillText(name, x + 16, 76 + 20 * k);
        });
    }

    private drawConveyor(g: CanvasRenderingContext2D, state: MachineState, w: Map<string, string>): void {
        const length = state.beltLength ?? 6000;
        const scale = kBeltPixels / length;
        const beltX = 40;
        const beltTop = 120;
        g.fillStyle = w.get("belt") === "1" ? "rgb(90,90,90)" : "rgb(130,130,130)";
        g.fillRect(beltX, beltTop, length * scale, 40);
        g.fillStyle = "rgb(30,30,30)";
        g.fillText(tr("page.machines", "belt"), beltX - 30, beltTop + 55);
        g.fillText(tr("page.machines", "feeder"), 4, beltTop + 24);
        // The pusher at the side of the belt, out by its stroke.
        const pusher = Number(w.get("pusher") ?? 0);
        const face = (state.faceStart ?? 0) * scale + beltX;
        const faceWidth = ((state.faceEnd ?? 0) - (state.faceStart ?? 0)) * scale;
        g.fillStyle = "rgb(200,120,40)";
        g.fillRect(face, beltTop - 30 + (pusher * 40) / (state.stroke ?? 1), faceWidth, 10);
        // The boxes: "T1200" or "S800+250" (tall or short, position, pushed aside by).
        for (const box of (w.get("boxes") ?? "-").split(",")) {
            const match = /^([TS])(\d+)(?:\+(\d+))?$/.exec(box);
            if (!match) {
                continue;
            }
            const x = beltX + Number(match[2]) * scale;
            const side = (Number(match[3] ?? 0) * 40) / (state.stroke ?? 1);
            const tall = match[1] === "T";
            g.fillStyle = tall ? "rgb(150,100,50)" : "rgb(200,160,100)";
            g.fillRect(x, beltTop + 6 + side, (state.boxLength ?? 0) * scale, 28);
            g.fillStyle = "rgb(30,30,30)";
            g.fillText(tall ? tr("page.machines", "tall") : tr("page.machines", "short"), x, beltTop + 24 + side);
        }
        g.fillStyle = "rgb(30,30,30)";
        g.fillText(trf("page.machines", "side bin: tall %1, short %2", w.get("side-tall"), w.get("side-short")), 40, 210);
        g.fillText(trf("page.machines", "end bin: tall %1, short %2", w.get("end-tall"), w.get("end-short")), 40, 228);
        g.fillText(trf("page.machines", "Boxes fed %1", w.get("fed")), 40, 246);
        const inputs: [string, string][] = [
            ["start", tr("page.machines", "0 start")],
            ["stop", tr("page.machines", "1 stop")],
            ["entry", tr("page.machines", "2 entry")],
            ["front", tr("page.machines", "3 at pusher")],
            ["tall", tr("page.machines", "4 tall")],
            ["at-end", tr("page.machines", "7 at end")],
        ];
        inputs.forEach(([key, name], k) => {
            this.lamp(g, 480, 20 + 18 * k, 5, w.get(key) === "1", "rgb(60,220,60)");
            g.fillStyle = "rgb(30,30,30)";
            g.fillText(name, 490, 24 + 18 * k);
        });
        const outputs: [string, string][] = [
            ["belt", tr("page.machines", "1000 belt")],
            ["feeder", tr("page.machines", "1001 feeder")],
        ];
        outputs.forEach(([key, name], k) => {
            this.lamp(g, 480, 140 + 18 * k, 5, w.get(key) === "1");
            g.fillStyle = "rgb(30,30,30)";
            g.fillText(name, 490, 144 + 18 * k);
        });
    }

    private drawFaults(g: CanvasRenderingContext2D, state: MachineState): void {
        g.fillStyle = "rgb(30,30,30)";
        g.fillText(tr("page.machines", "Faults"), 400, 190);
        state.faults.forEach((fault, k) => {
            g.fillStyle = fault.active ? "rgb(200,30,30)" : "rgb(30,30,30)";
            g.fillText(`${trDynamic("Machines", fault.text)}: ${fault.count}`, 400, 208 + 16 * k);
        });
    }
}
