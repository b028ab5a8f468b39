// SPDX-License-Identifier: GPL-3.0-or-later
// Every language's captions fit: with the built catalogues, on a phone and on a desktop, no
// visible button, menu item, label or heading of the menus and the main panels is cut by its box
// or spills out of the box that holds it, and no two of them overlap. A caption that a fixed
// place cannot hold may end in an ellipsis when its title carries the whole text.

import { strict as assert } from "assert";
import { describe, test } from "node:test";
import { Page } from "puppeteer-core";
import { base, browser } from "./harness";

const kLanguages = ["en", "es", "pt_BR", "fr", "de", "it", "tr", "pl", "id", "vi", "zh_CN"];
const kSizes = [
    { name: "phone", width: 390, height: 844, isMobile: true, hasTouch: true, machines: false },
    // The machines' pictures are the same at any size: they are checked once, here.
    { name: "desktop", width: 1180, height: 800, machines: true },
];

/**
 * What does not fit on the page as it is shown now, one line each. With `menu` given, only that
 * open menu's items (the menu lies over the page by design); else everything outside the menus.
 */
function misfits(page: Page, menu: string | null): Promise<string[]> {
    return page.evaluate((menu) => {
        const kSelector = "button, [role=tab], label, .label, h1, h2, h3, h4, .heading, .menu-group, .lamp, .display, .switch";
        const scope = menu === null ? document : document.querySelector("#menubar [aria-expanded=true] + [role=menu]");
        if (!scope) {
            return [`menu ${menu} does not open`];
        }
        const shown = (el: Element) =>
            el.getClientRects().length > 0 && getComputedStyle(el).visibility !== "hidden" && (menu !== null || !el.closest("[role=menu]"));
        // The title's shadow is a second copy of the title, drawn under it on purpose.
        const all = Array.from(scope.querySelectorAll(kSelector))
            .filter((el) => shown(el) && !el.matches(".title-shadow")) as HTMLElement[];
        const name = (el: HTMLElement) => `${el.tagName.toLowerCase()}.${el.className} "${(el.textContent ?? "").trim().slice(0, 40)}"`;
        const problems: string[] = [];
        const inside = (a: DOMRect, b: DOMRect) => a.left >= b.left - 1 && a.right <= b.right + 1 && a.top >= b.top - 1 && a.bottom <= b.bottom + 1;
        const clips = (style: CSSStyleDeclaration) => /hidden|clip/.test(style.overflowX + style.overflowY);
        const scrolls = (style: CSSStyleDeclaration) => /auto|scroll/.test(style.overflowX + style.overflowY);
        const viewport = document.documentElement.clientWidth;
        for (const el of all) {
            const box = el.getBoundingClientRect();
            const style = getComputedStyle(el);
            const text = (el.textContent ?? "").trim();
            if (box.left < -1 || box.right > viewport + 1) {
                problems.push(`${name(el)} leaves the page`);
            }
            if (!text) {
                continue;
            }
            const cut = el.scrollWidth > el.clientWidth + 1 || el.scrollHeight > el.clientHeight + 1;
            const ellipsis = style.textOverflow === "ellipsis" && el.title === text;
            if (clips(style) && cut && !ellipsis) {
                problems.push(`${name(el)} is cut (${el.scrollWidth}x${el.scrollHeight} in ${el.clientWidth}x${el.clientHeight})`);
            }
            const range = document.createRange();
            range.selectNodeContents(el);
            if (!clips(style) && !inside(range.getBoundingClientRect(), box)) {
                problems.push(`${name(el)} spills out of its box`);
            }
            let holder = el.parentElement;
            while (holder && getComputedStyle(holder).display === "contents") {
                holder = holder.parentElement;
            }
            if (holder && !scrolls(getComputedStyle(holder)) && !inside(box, holder.getBoundingClientRect())) {
                problems.push(`${name(el)} spills out of ${holder.tagName.toLowerCase()}.${holder.className}`);
            }
        }
        for (let i = 0; i < all.length; ++i) {
            for (let j = i + 1; j < all.length; ++j) {
                const [a, b] = [all[i], all[j]];
                if (a.contains(b) || b.contains(a)) {
                    continue;
                }
                const [p, q] = [a.getBoundingClientRect(), b.getBoundingClientRect()];
                const width = Math.min(p.right, q.right) - Math.max(p.left, q.left);
                const height = Math.min(p.bottom, q.bottom) - Math.max(p.top, q.top);
                if (width > 1 && height > 1) {
                    problems.push(`${name(a)} overlaps ${name(b)}`);
                }
            }
        }
        return problems;
    }, menu);
}

/** A text drawn on a canvas: its box in the canvas's pixels, and the canvas's width. */
interface CanvasText {
    text: string;
    left: number;
    right: number;
    top: number;
    bottom: number;
    width: number;
}

/**
 * Runs in the page before its scripts: keeps the box of every text a canvas draws in
 * `rungboxCanvasTexts` (the machines draw their labels on canvases).
 */
function recordCanvasTexts(): void {
    const texts: CanvasText[] = [];
    Object.assign(globalThis, { rungboxCanvasTexts: texts });
    const fillText = CanvasRenderingContext2D.prototype.fillText;
    CanvasRenderingContext2D.prototype.fillText = function (this: CanvasRenderingContext2D, text: string, x: number, y: number, maxWidth?: number) {
        const metrics = this.measureText(text);
        const width = Math.min(metrics.width, maxWidth ?? Infinity);
        const left = this.textAlign === "center" ? x - width / 2 : this.textAlign === "right" || this.textAlign === "end" ? x - width : x;
        const [top, bottom] = [y - metrics.actualBoundingBoxAscent, y + metrics.actualBoundingBoxDescent];
        texts.push({ text, left, right: left + width, top, bottom, width: this.canvas.width });
        fillText.call(this, text, x, y, maxWidth);
    };
}

/** The texts of each module's machine that leave its canvas or overlap, each module chosen in turn. */
async function machineMisfits(page: Page): Promise<string[]> {
    const found: string[] = [];
    const modules = await page.$$eval("#menubar .menu:nth-child(2) [role=menu] button", (items) => items.length);
    for (let n = 1; n < modules; ++n) {
        const misfits = await page.evaluate(async (n) => {
            const texts = (globalThis as unknown as { rungboxCanvasTexts: CanvasText[] }).rungboxCanvasTexts;
            texts.length = 0;
            document.querySelectorAll<HTMLElement>("#menubar .menu:nth-child(2) [role=menu] button")[n].click();
            await new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)));
            const drawn = [...new Map(texts.filter((t) => t.text.trim()).map((t) => [JSON.stringify(t), t])).values()];
            const problems: string[] = [];
            for (const [i, t] of drawn.entries()) {
                if (t.left < -1 || t.right > t.width + 1) {
                    problems.push(`"${t.text}" leaves its canvas (${Math.round(t.left)} to ${Math.round(t.right)} of ${t.width})`);
                }
                for (const u of drawn.slice(i + 1)) {
                    if (Math.min(t.right, u.right) - Math.max(t.left, u.left) > 1 && Math.min(t.bottom, u.bottom) - Math.max(t.top, u.top) > 1) {
                        problems.push(`"${t.text}" overlaps "${u.text}"`);
                    }
                }
            }
            return [...new Set(problems)];
        }, n);
        found.push(...misfits.map((line) => `machine ${n}: ${line}`));
    }
    return found;
}

/** The captions of the menu bar's menus, as they read in the page's language. */
function menuCaptions(page: Page): Promise<string[]> {
    return page.$$eval("#menubar .menu > button", (buttons) => buttons.map((b) => b.textContent ?? ""));
}

function toggleMenu(page: Page, caption: string): Promise<void> {
    return page.evaluate((caption) => {
        Array.from(document.querySelectorAll<HTMLElement>("#menubar .menu > button"))
            .find((b) => b.textContent === caption)
            ?.click();
    }, caption);
}

/** Everything that does not fit in the page with its panels, then in each open menu. */
async function misfitsEverywhere(page: Page): Promise<string[]> {
    const found = (await misfits(page, null)).map((line) => "page: " + line);
    for (const caption of await menuCaptions(page)) {
        await toggleMenu(page, caption);
        found.push(...(await misfits(page, caption)).map((line) => `menu ${caption}: ${line}`));
        await toggleMenu(page, caption);
    }
    return found;
}

/** Chooses the first item of the menus whose caption in the page's language is `item`'s. */
function clickItem(page: Page, item: string): Promise<void> {
    return page.evaluate((item) => {
        Array.from(document.querySelectorAll<HTMLElement>("[role=menu] button"))
            .find((b) => b.querySelector("span")?.textContent === item)
            ?.click();
    }, item);
}

describe("captions in every language", () => {
    for (const size of kSizes) {
        test(`fit on a ${size.name} (${size.width} x ${size.height})`, async () => {
            const page = await (await browser.createBrowserContext()).newPage();
            page.setDefaultTimeout(10000);
            page.on("pageerror", (error) => assert.fail("page error: " + String(error)));
            await page.setViewport({ width: size.width, height: size.height, isMobile: size.isMobile, hasTouch: size.hasTouch });
            await page.evaluateOnNewDocument(recordCanvasTexts);
            await page.goto(base);
            const found: string[] = [];
            for (const code of kLanguages) {
                await page.evaluate((code) => {
                    localStorage.clear();
                    localStorage.setItem("rungbox.language", code);
                }, code);
                await page.reload();
                await page.waitForSelector('body[data-ready="1"]');
                assert.equal(await page.evaluate(() => document.documentElement.lang), code.replace("_", "-"));
                // The names of a module and of the diagram, read in this language from the menus.
                const [module, diagram] = await page.evaluate(() =>
                    ["House Gate", "Ladder Diagram"].map((english) => (globalThis as unknown as { tr(c: string, s: string): string }).tr("page.app", english)),
                );
                found.push(...(await misfitsEverywhere(page)).map((line) => `${code}: ${line}`));
                await clickItem(page, module);
                if (await page.$eval(".ladder", (ladder) => (ladder as HTMLElement).hidden)) {
                    await clickItem(page, diagram);
                }
                // On a phone the drawing tools fold behind one button: unfolded, they are checked too.
                await page.evaluate(() => document.querySelector<HTMLElement>(".ladder-toolbar:not(.open) .ladder-fold")?.click());
                await page.waitForSelector(".machine:not([hidden])");
                found.push(...(await misfits(page, null)).map((line) => `${code} with machine and diagram: ${line}`));
                if (size.machines) {
                    found.push(...(await machineMisfits(page)).map((line) => `${code}: ${line}`));
                }
            }
            assert.deepEqual(found, []);
            await page.browserContext().close();
        });
    }

    test("a caption longer than its place in the panel ends in an ellipsis, its whole text in its title", async () => {
        const page = await (await browser.createBrowserContext()).newPage();
        page.on("pageerror", (error) => assert.fail("page error: " + String(error)));
        await page.setViewport({ width: 1180, height: 800 });
        const catalogues = { de: { "page.panel\u0004OUTPUT": "AUSGANGSSIGNALE", "page.panel\u0004INPUT": "EINGÄNGE" } };
        await page.evaluateOnNewDocument((catalogues) => {
            Object.defineProperty(navigator, "languages", { get: () => ["de"] });
            Object.defineProperty(globalThis, "RUNGBOX_TRANSLATIONS", { get: () => catalogues, set: () => undefined });
        }, catalogues);
        await page.goto(base);
        await page.waitForSelector('body[data-ready="1"]');
        const heading = (text: string) =>
            page.evaluate((text) => {
                const el = Array.from(document.querySelectorAll<HTMLElement>(".heading")).find((h) => h.textContent === text);
                return el && { className: el.className, title: el.title, name: el.getAttribute("aria-label"), cut: el.scrollWidth > el.clientWidth };
            }, text);
        assert.deepEqual(await heading("AUSGANGSSIGNALE"), {
            className: "label heading condensed clipped",
            title: "AUSGANGSSIGNALE",
            name: "AUSGANGSSIGNALE",
            cut: true,
        });
        // Condensed, a little longer than the English still fits whole.
        assert.deepEqual(await heading("EINGÄNGE"), { className: "label heading condensed", title: "", name: null, cut: false });
        assert.deepEqual(await misfits(page, null), []);

        // Drawn at full length the caption runs into the lamps, and the check says so.
        await page.evaluate(() => document.querySelector(".heading.clipped")?.classList.remove("clipped", "condensed"));
        assert.ok((await misfits(page, null)).some((line) => line.startsWith('div.label heading "AUSGANGSSIGNALE" overlaps div.lamp')));
        await page.browserContext().close();
    });
});
