// SPDX-License-Identifier: GPL-3.0-or-later
// The page under a dark colour scheme, as the window under a dark desktop palette: every colour
// of the page is chosen for a light look, and a dark scheme shows each with its lightness turned
// over (the same rule as the window's shades), so that what stood out on white stands out alike
// on black. The style sheets' colours get a dark twin inside a prefers-color-scheme rule, the
// SVG pictures' colours are turned as they are drawn, and the machine's canvas through its
// drawing context. Pictures made for a download are never on the page and stay light; the
// panel's lamps and run button and the white title are the window's artwork and stay as they are.

/** Lightness (0 to 255) of the colours that are lifted when turned over: a pure blue or red would
 * stay as dark as it was and not read on a dark background. */
const kMiddleFrom = 100;
const kMiddleTo = 160;
const kLift = 60;

const kDarkQuery = "(prefers-color-scheme: dark)";

/** Rules whose colours are the window's artwork, kept under a dark scheme too. */
const kArtwork = [".lamp", ".run-button", ".title,", ".title ", ".title-shadow", ".about", ".box-icon"];

/** `[r, g, b, a]` (0 to 255, alpha 0 to 1) with its lightness turned over, hue and saturation
 * kept; colours of middle lightness come out lighter. */
function darkShade([r, g, b, a]: number[]): number[] {
    const max = Math.max(r, g, b);
    const min = Math.min(r, g, b);
    const lightness = Math.floor((max + min) / 2);
    let turned = 255 - lightness;
    if (lightness >= kMiddleFrom && lightness <= kMiddleTo) {
        turned = Math.min(255, turned + kLift);
    }
    // The same saturation at the new lightness: the channels keep their places between the
    // lightest and the darkest, the spread scaled to what the new lightness allows.
    const room = (l: number) => 255 - Math.abs(2 * l - 255);
    const scale = max === min || room(lightness) === 0 ? 0 : room(turned) / room(lightness);
    const channel = (c: number) => Math.max(0, Math.min(255, Math.round(turned + (c - (max + min) / 2) * scale)));
    return [channel(r), channel(g), channel(b), a];
}

/** Reads any CSS colour (a name, #hex, rgb(), rgba()) into [r, g, b, a] through a canvas's own
 * reading, or null when it is none (or transparent, which has nothing to turn). */
function readColour(text: string, reader: CanvasRenderingContext2D): number[] | null {
    if (/^(none|transparent|currentcolor|inherit)$/i.test(text.trim()) || text.includes("url(")) {
        return null;
    }
    reader.fillStyle = "#010203";
    reader.fillStyle = text;
    const read = String(reader.fillStyle);
    if (read === "#010203" && !/^#010203$/i.test(text.trim())) {
        return null; // not a colour the canvas knows
    }
    const hex = /^#([0-9a-f]{2})([0-9a-f]{2})([0-9a-f]{2})$/i.exec(read);
    if (hex) {
        return [parseInt(hex[1], 16), parseInt(hex[2], 16), parseInt(hex[3], 16), 1];
    }
    const rgba = /^rgba?\(([\d.]+),\s*([\d.]+),\s*([\d.]+)(?:,\s*([\d.]+))?\)$/.exec(read);
    return rgba ? [Number(rgba[1]), Number(rgba[2]), Number(rgba[3]), rgba[4] === undefined ? 1 : Number(rgba[4])] : null;
}

function writeColour([r, g, b, a]: number[]): string {
    return a >= 1 ? `rgb(${r}, ${g}, ${b})` : `rgba(${r}, ${g}, ${b}, ${a})`;
}

/** The colours of the page under the scheme the browser asks for. */
class PageShades {
    private readonly query = window.matchMedia(kDarkQuery);
    private readonly reader: CanvasRenderingContext2D;
    /** Colours turned so far by their text: the page draws with a few dozen. */
    private readonly turned = new Map<string, string>();
    private readonly observer = new MutationObserver((changes) => this.onChanges(changes));

    constructor() {
        const reader = document.createElement("canvas").getContext("2d");
        if (!reader) {
            throw new Error("no 2D canvas");
        }
        this.reader = reader;
        this.addDarkSheet();
        this.query.addEventListener("change", () => this.shadeAll());
        this.shadeAll();
    }

    /** Drawings added or recoloured are shaded as they come, only under a dark scheme: a light
     * page does not pay for watching its diagrams being drawn 30 times a second. */
    private watch(on: boolean): void {
        if (!on) {
            this.observer.disconnect();
            return;
        }
        this.observer.observe(document.body, {
            subtree: true,
            childList: true,
            attributes: true,
            attributeFilter: ["fill", "stroke"],
        });
    }

    get dark(): boolean {
        return this.query.matches;
    }

    /** `colour` as the page shows it: itself under a light scheme, turned over under a dark one;
     * what is no colour stays as it is. */
    shade(colour: string): string {
        if (!this.dark) {
            return colour;
        }
        let turned = this.turned.get(colour);
        if (turned === undefined) {
            const read = readColour(colour, this.reader);
            turned = read ? writeColour(darkShade(read)) : colour;
            this.turned.set(colour, turned);
        }
        return turned;
    }

    /** Lets a canvas's drawing follow the scheme: the colours its code sets are shaded. */
    follow(g: CanvasRenderingContext2D): void {
        for (const name of ["fillStyle", "strokeStyle"] as const) {
            const own = Object.getOwnPropertyDescriptor(CanvasRenderingContext2D.prototype, name);
            if (!own?.get || !own.set) {
                continue;
            }
            const { get, set } = own;
            Object.defineProperty(g, name, {
                configurable: true,
                get: () => get.call(g),
                set: (value: unknown) => set.call(g, typeof value === "string" ? this.shade(value) : value),
            });
        }
    }

    // --- The style sheets ------------------------------------------------------------------

    /** A sheet holding every colour rule of the page's sheets again with turned colours, inside
     * a dark-scheme rule: the browser switches between the two looks by itself. */
    private addDarkSheet(): void {
        const text: string[] = [":root { color-scheme: dark; }"];
        for (const sheet of Array.from(document.styleSheets)) {
            try {
                this.darkRules(sheet.cssRules, text);
            } catch {
                // A sheet from elsewhere cannot be read; the page has none.
            }
        }
        const dark = new CSSStyleSheet();
        dark.replaceSync(`@media ${kDarkQuery} {\n${text.join("\n")}\n}`);
        document.adoptedStyleSheets = [...document.adoptedStyleSheets, dark];
    }

    private darkRules(rules: CSSRuleList, out: string[]): void {
        for (const rule of Array.from(rules)) {
            if (rule instanceof CSSMediaRule) {
                const inner: string[] = [];
                this.darkRules(rule.cssRules, inner);
                if (inner.length > 0) {
                    out.push(`@media ${rule.conditionText} {\n${inner.join("\n")}\n}`);
                }
            } else if (rule instanceof CSSStyleRule) {
                const selector = rule.selectorText + " ";
                if (kArtwork.some((art) => selector.includes(art))) {
                    continue;
                }
                const declarations: string[] = [];
                for (const name of Array.from(rule.style)) {
                    const value = rule.style.getPropertyValue(name);
                    const turned = this.shadeValue(value);
                    if (turned !== value) {
                        declarations.push(`${name}: ${turned};`);
                    }
                }
                if (declarations.length > 0) {
                    out.push(`${rule.selectorText} { ${declarations.join(" ")} }`);
                }
            }
        }
    }

    /** A declaration's value with every colour in it turned over (a gradient's, a border's). */
    private shadeValue(value: string): string {
        if (value.includes("url(")) {
            return value; // pictures drawn in the sheet (the padlocks) keep their colours
        }
        return value.replace(/rgba?\([^)]*\)|#[0-9a-fA-F]{3,8}\b|\b(?:black|white|red|blue|green|yellow|gray|grey|silver|navy|orange)\b/g, (colour) => {
            const read = readColour(colour, this.reader);
            return read ? writeColour(darkShade(read)) : colour;
        });
    }

    // --- The pictures ------------------------------------------------------------------------

    private onChanges(changes: MutationRecord[]): void {
        if (!this.dark) {
            return;
        }
        for (const change of changes) {
            if (change.type === "attributes") {
                this.shadeElement(change.target as Element);
            } else {
                change.addedNodes.forEach((node) => node instanceof Element && this.shadeTree(node));
            }
        }
    }

    private shadeAll(): void {
        this.watch(this.dark);
        if (this.dark) {
            this.shadeTree(document.body);
            return;
        }
        // The page itself sets no SVG colours as styles, only as attributes.
        document.querySelectorAll<SVGElement>("svg[fill], svg [fill], svg[stroke], svg [stroke]").forEach((element) => {
            element.style.removeProperty("fill");
            element.style.removeProperty("stroke");
        });
    }

    private shadeTree(root: Element): void {
        this.shadeElement(root);
        root.querySelectorAll("[fill], [stroke]").forEach((element) => this.shadeElement(element));
    }

    /** An SVG element's fill and stroke as the scheme shows them; its attributes (what a
     * download would carry) stay as drawn. */
    private shadeElement(element: Element): void {
        if (!(element instanceof SVGElement)) {
            return;
        }
        for (const name of ["fill", "stroke"] as const) {
            const drawn = element.getAttribute(name);
            if (drawn !== null) {
                element.style.setProperty(name, this.shade(drawn));
            }
        }
    }
}
