// SPDX-License-Identifier: GPL-3.0-or-later
// Phones, tablets and dark desktops: a program typed on a phone's on-screen keyboard (text, a
// word composed and corrected, Enter and Backspace without key names) gives the cells and the
// file a real keyboard gives; under a dark scheme the panel, the diagram and the machine turn
// dark while a downloaded picture stays light; on a phone the drawing toolbar folds to one button.

import { strict as assert } from "assert";
import { describe, test } from "node:test";
import { CDPSession, Page } from "puppeteer-core";
import { base, browser, cellText, menu, openPage } from "./harness";

interface TouchHook {
    programBytes(): string;
}

function hook(page: Page): Promise<string> {
    return page.evaluate(() => (rungboxTest as unknown as TouchHook).programBytes());
}

async function openPhone(): Promise<Page> {
    const page = await (await browser.createBrowserContext()).newPage();
    page.on("pageerror", (error) => assert.fail("page error: " + String(error)));
    await page.setViewport({ width: 390, height: 844, hasTouch: true, isMobile: true });
    await page.goto(base);
    await page.waitForSelector('body[data-ready="1"]');
    await page.evaluate(() => rungboxTest.holdClock());
    return page;
}

async function tapOn(page: Page, selector: string): Promise<void> {
    const handle = await page.$(selector);
    assert.ok(handle, "no " + selector);
    await handle.scrollIntoView();
    const box = await handle.boundingBox();
    assert.ok(box, "not shown: " + selector);
    await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
}

/** What an on-screen keyboard does, as Chromium receives it from Android: text committed or
 * composed, and Enter and Backspace as keys without a place on the keyboard. */
function onScreenKeyboard(cdp: CDPSession) {
    const key = (key: string, keyCode: number) =>
        cdp.send("Input.dispatchKeyEvent", { type: "rawKeyDown", key, code: "", windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode });
    return {
        commit: (text: string) => cdp.send("Input.insertText", { text }),
        compose: (text: string) => cdp.send("Input.imeSetComposition", { text, selectionStart: text.length, selectionEnd: text.length }),
        enter: () => key("Enter", 13),
        backspace: () => key("Backspace", 8),
        /** A keyboard that names no key and deletes as an editing command. */
        deleteUnnamed: () =>
            cdp.send("Input.dispatchKeyEvent", { type: "rawKeyDown", key: "Unidentified", code: "", windowsVirtualKeyCode: 229, commands: ["deleteBackward"] }),
    };
}

async function cells(page: Page, lines: number): Promise<string[]> {
    const all: string[] = [];
    for (let line = 1; line <= lines; ++line) {
        all.push((await Promise.all([1, 2, 3].map((col) => cellText(page, line, col)))).join("|"));
    }
    return all;
}

/** The colour an element shows, as the browser computes it. */
function computed(page: Page, selector: string, property: string): Promise<string> {
    return page.$eval(selector, (el, property) => getComputedStyle(el).getPropertyValue(property), property);
}

describe("touch screens and dark schemes", () => {
    test("a program typed on a phone's keyboard gives the cells and the file of typed keys", async () => {
        const keys = await openPage();
        await keys.click("#cell-1-1");
        for (const step of ["LD", "Enter", "0", "Enter", "Enter", "AND NOT", "Enter", "1", "Enter", "Enter", "OUT", "Enter", "100", "Enter", "Enter", "END"]) {
            await (step === "Enter" ? keys.keyboard.press("Enter") : keys.keyboard.type(step));
        }
        const expected = await cells(keys, 5);
        assert.deepEqual(expected.slice(0, 4), ["LD|0|", "AND NOT|1|", "OUT|100|", "END||"]);

        const phone = await openPhone();
        // The grid keeps its place in the phone's column with the text box inside it.
        const [grid, counters] = await phone.evaluate(() =>
            [document.querySelector(".grid-host")!, document.querySelectorAll(".heading")[1]].map((e) => e.getBoundingClientRect().toJSON()),
        );
        assert.ok(grid.left >= 0 && grid.right <= 390 && grid.bottom <= counters.top + 1, JSON.stringify([grid, counters]));
        await tapOn(phone, "#cell-1-1");
        assert.equal(await phone.evaluate(() => document.activeElement?.getAttribute("aria-label")), "Type into the cell");
        const cdp = await phone.createCDPSession();
        const board = onScreenKeyboard(cdp);
        await board.commit("ld");
        await board.enter();
        await board.commit("0");
        await board.enter();
        await board.enter();
        // A word composed letter by letter and corrected before it is committed.
        await board.compose("a");
        await board.compose("an");
        assert.equal(await cellText(phone, 2, 1), "AN", "composed letters show at once");
        await board.compose("am");
        await board.compose("and");
        await board.commit("and");
        await board.commit(" not-");
        await board.enter();
        await board.commit("1");
        await board.enter();
        await board.enter();
        await board.commit("Outt");
        await board.backspace();
        await board.enter();
        await board.commit("1000");
        await board.compose("x");
        await board.deleteUnnamed();
        await board.enter();
        await board.enter();
        await board.commit("End");
        assert.deepEqual(await cells(phone, 5), expected);
        assert.equal(await hook(phone), await hook(keys), "Save As writes the same bytes");
        // The box follows the current cell, and a run puts the keyboard away.
        const [box, cell] = await phone.evaluate(() =>
            [document.querySelector(".grid-typing"), document.querySelector("td.current")].map((e) => {
                const r = e!.getBoundingClientRect();
                return [Math.round(r.left), Math.round(r.top)];
            }),
        );
        assert.deepEqual(box, cell);
        await phone.$eval('button[aria-label="Simulation"]', (el) => (el as HTMLElement).click());
        assert.notEqual(await phone.evaluate(() => document.activeElement?.getAttribute("aria-label")), "Type into the cell");
        await cdp.detach();
        await keys.browserContext().close();
        await phone.browserContext().close();
    });

    test("under a dark scheme the page, the diagram and the machine turn dark; a downloaded picture stays light", async () => {
        const page = await openPage();
        await menu(page, "File", "gate.PLC");
        await page.waitForFunction(() => document.title.startsWith("gate.PLC"));
        const look = async () => ({
            body: await computed(page, "body", "background-color"),
            display: await computed(page, '[aria-label="Timer 0"]', "background-color"),
            heading: await computed(page, ".heading", "color"),
            lamp: await computed(page, '[aria-label="Output 0"][role=img]', "background-image"),
            ink: await computed(page, '.ladder svg [stroke="rgb(40,40,40)"]', "stroke"),
        });
        const light = await look();
        assert.deepEqual([light.body, light.display, light.heading, light.ink], ["rgb(200, 200, 196)", "rgb(255, 255, 255)", "rgb(0, 0, 255)", "rgb(40, 40, 40)"]);
        await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: "dark" }]);
        const dark = await look();
        // Lightness turned over, a middle one (the headings' blue) lifted so that it reads.
        assert.deepEqual([dark.body, dark.display, dark.heading, dark.ink], ["rgb(59, 59, 55)", "rgb(0, 0, 0)", "rgb(121, 121, 255)", "rgb(215, 215, 215)"]);
        assert.equal(dark.lamp, light.lamp, "the lamps are the window's artwork");
        // The machine drawn under the dark scheme: its background and its grey (unlit) lamp turned.
        await menu(page, "Module", "House Gate");
        const pixel = (x: number, y: number) =>
            page.$eval(".machine canvas", (c, x, y) => Array.from((c as HTMLCanvasElement).getContext("2d")!.getImageData(x, y, 1, 1).data.slice(0, 3)), x, y);
        assert.deepEqual(await pixel(2, 2), [23, 23, 19]);
        assert.deepEqual(await pixel(30, 30), [165, 165, 165], "the warning lamp, unlit");
        // The timing diagram on the page is dark; its PNG download is drawn light.
        await menu(page, "View", "Timing Diagram");
        await page.$eval('button[aria-label="Simulation"]', (el) => (el as HTMLElement).click());
        await page.evaluate(() => rungboxTest.advance(500));
        assert.equal(await computed(page, 'svg[aria-label="Timing diagram"] > rect', "fill"), "rgb(0, 0, 0)");
        const corner = await page.evaluate(async () => {
            const caught = new Promise<Blob>((resolve) => ((window as unknown as { offerDownload: (n: string, b: Blob) => void }).offerDownload = (_n, b) => resolve(b)));
            const panel = document.querySelector('section[aria-label="Timing Diagram"]');
            Array.from(panel?.querySelectorAll("button") ?? []).find((b) => b.textContent === "Export Timing as PNG")?.click();
            const picture = await createImageBitmap(await caught);
            const canvas = new OffscreenCanvas(picture.width, picture.height);
            const g = canvas.getContext("2d")!;
            g.drawImage(picture, 0, 0);
            return Array.from(g.getImageData(picture.width - 2, 2, 1, 1).data.slice(0, 3));
        });
        assert.deepEqual(corner, [255, 255, 255], "the download keeps the light background");
        // Back to a light scheme: the diagram's colours come back as drawn.
        await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: "light" }]);
        assert.deepEqual([await computed(page, "body", "background-color"), await computed(page, '.ladder svg [stroke="rgb(40,40,40)"]', "stroke")], [light.body, light.ink]);
        await page.browserContext().close();
    });

    test("on a phone the drawing toolbar folds behind Draw, open while stopped, folded during a run", async () => {
        const page = await openPhone();
        await menu(page, "File", "motor_latch.PLC");
        await page.waitForFunction(() => document.title.startsWith("motor_latch.PLC"));
        const bar = () => page.$eval('[role=toolbar][aria-label="Draw"]', (b) => b.getBoundingClientRect().height);
        const tools = () =>
            page.$$eval('[role=toolbar][aria-label="Draw"] [role=group] button', (buttons) =>
                buttons.map((b) => {
                    const r = b.getBoundingClientRect();
                    return { text: b.textContent, shown: r.height >= 44 && r.width >= 44 && r.left >= 0 && r.right <= innerWidth, enabled: !(b as HTMLButtonElement).disabled };
                }),
            );
        assert.ok((await bar()) <= 56, "folded: one row");
        await tapOn(page, "button.ladder-fold");
        const open = await tools();
        assert.equal(open.length, 18);
        assert.deepEqual(open.filter((t) => !t.shown || !t.enabled), [], "every tool at hand");
        assert.ok((await bar()) > 100);
        await tapOn(page, 'button[aria-label="Simulation"]');
        await page.evaluate(() => rungboxTest.advance(100));
        assert.ok((await bar()) <= 56, "a run folds it");
        assert.equal(await page.$eval("button.ladder-fold", (b) => (b as HTMLButtonElement).disabled), true);
        await page.browserContext().close();
    });
});
