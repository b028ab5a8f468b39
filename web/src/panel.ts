// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's panel, placed where the window places it (in twips, 15 to the pixel): the
// title, the run/stop lamp-button, sixteen output lamps, the counter and timer displays, and
// sixteen input lamps with their switches. It shows the core's panel port and sends the
// switches' and the button's clicks to the session.

const kTwips = 15;
const kInputCount = 16;
const kDisplayCount = 8;

function twoDigits(n: number): string {
    return n < 10 ? "0" + n : String(n);
}

function place(el: HTMLElement, left: number, top: number, width?: number, height?: number): void {
    el.style.left = left / kTwips + "px";
    el.style.top = top / kTwips + "px";
    if (width !== undefined) {
        el.style.width = width / kTwips + "px";
    }
    if (height !== undefined) {
        el.style.height = height / kTwips + "px";
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

    /** Builds the panel in `client`, with the grid's place left for `gridHost`. */
    constructor(
        private readonly client: HTMLElement,
        gridHost: HTMLElement,
        private readonly session: WebSession,
    ) {
        for (const [left, top, width, height, name] of [
            [360, 360, 4815, 615, "title-band"],
            [240, 1320, 8775, 615, "frame"],
            [240, 1920, 8775, 3135, "frame"],
            [240, 5040, 8775, 855, "frame"],
        ] as const) {
            this.add("div", name, left, top, width, height);
        }
        this.label("Rungbox", 300, 180, "title title-shadow").setAttribute("aria-hidden", "true");
        this.label("Rungbox", 240, 120, "title");
        this.label("Simulation", 7440, 120, "simulation-label").setAttribute("aria-hidden", "true");
        this.runButton = this.add("button", "run-button lamp square", 7560, 480, 1035, 435);
        this.runButton.setAttribute("aria-label", "Simulation");
        this.runButton.title = "Start or stop the simulation";
        this.runButton.setAttribute("aria-pressed", "false");
        this.runButton.addEventListener("click", () => {
            session.toggleRun();
            this.client.dispatchEvent(new Event("session-changed"));
        });

        this.label("OUTPUT", 360, 1440, "heading");
        for (let n = 0; n < kInputCount; ++n) {
            const left = rowLeft(n, 1800, 5220);
            this.outputLamps.push(this.lamp("Output " + n, left, 1440));
            this.label(twoDigits(n), left - 45, 1680, "number").setAttribute("aria-hidden", "true");
        }

        place(gridHost, 360, 2040, 4575, 2895);
        gridHost.classList.add("placed");
        client.append(gridHost);

        this.label("COUNTER", 6240, 2040, "heading");
        for (let n = 0; n < kDisplayCount; ++n) {
            this.label(twoDigits(n), 5040 + 480 * n, 2400, "number blue", 495);
            this.counters.push(this.display("Counter " + n, "0", 5040 + 480 * n, 2640, 495));
        }
        this.label("TIMER", 6480, 3000, "heading");
        for (let n = 0; n < kDisplayCount; ++n) {
            const left = 5040 + 960 * (n % 4);
            const row = n < 4 ? 0 : 600;
            this.label(twoDigits(n), left, 3360 + row, "number blue", 975);
            this.timers.push(this.display("Timer " + n, "0.0", left, 3600 + row, 975));
        }

        this.label("INPUT", 420, 5220, "heading");
        for (let n = 0; n < kInputCount; ++n) {
            const lampLeft = rowLeft(n, 1800, 5280);
            this.label(twoDigits(n), lampLeft - 45, 5070, "number").setAttribute("aria-hidden", "true");
            this.inputLamps.push(this.lamp("Input " + n, lampLeft, 5340));
            const check = this.add("input", "switch", rowLeft(n, 1860, 5340) - 60, 5610, 285, 255);
            check.type = "checkbox";
            check.disabled = true;
            check.title = "Input " + twoDigits(n);
            check.setAttribute("aria-label", "Switch " + n);
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
        this.client.append(el);
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
