// SPDX-License-Identifier: GPL-3.0-or-later
// The page at rest and its small controls: no animation frames of its own while paused, stopped
// or running with nothing to show; the diagram closed and opened at the wide layout; the drawing
// toolbar's names with their keys apart; the menus' keys; a program opened at its first lines.

import { strict as assert } from "assert";
import { describe, test } from "node:test";
import { KeyInput, Page } from "puppeteer-core";
import { base, browser, menu, openPage } from "./harness";

/** Counts the page's requestAnimationFrame calls from now on, as `window.frameRequests`. */
async function countFrames(page: Page): Promise<void> {
    await page.evaluate(() => {
        const w = window as unknown as { frameRequests: number };
        w.frameRequests = 0;
        const request = window.requestAnimationFrame.bind(window);
        window.requestAnimationFrame = (callback) => {
            ++w.frameRequests;
            return request(callback);
        };
    });
}

/** The frames requested since countFrames, after `ms` of run time and a turn of the page's timers. */
async function framesAfter(page: Page, ms: number): Promise<number> {
    await page.evaluate((ms) => rungboxTest.advance(ms), ms);
    return page.evaluate(async () => {
        await new Promise((resolve) => setTimeout(resolve, 100));
        return (window as unknown as { frameRequests: number }).frameRequests;
    });
}

async function openWide(): Promise<Page> {
    const page = await (await browser.createBrowserContext()).newPage();
    await page.setViewport({ width: 1366, height: 768 });
    page.setDefaultTimeout(10000);
    await page.goto(base);
    await page.waitForSelector('body[data-ready="1"]');
    return page;
}

/** The open menu's label and the text of its focused item ("" when none is open). */
function menuFocus(page: Page): Promise<[string, string]> {
    return page.evaluate(() => {
        const open = document.querySelector<HTMLElement>('#menubar [role=menu]:not([hidden])');
        const focused = document.activeElement;
        const text = focused?.querySelector("span")?.textContent ?? focused?.textContent ?? "";
        return [open?.getAttribute("aria-label") ?? "", text] as [string, string];
    });
}

describe("frames", () => {
    test("the page asks for no animation frames: running with nothing changing, paused, stopped", async () => {
        const page = await openPage();
        await menu(page, "File", "motor_latch.PLC");
        await countFrames(page);
        await page.click('button[aria-label="Simulation"]');
        assert.equal(await framesAfter(page, 2000), 0, "running, the motor off");
        await menu(page, "Debug", "Pause");
        // The lamp blinks: its picture changes from off to on again on the page's timer.
        for (const off of [true, false]) {
            await page.waitForFunction((off) => document.querySelector('button[aria-label="Simulation"].paused')?.classList.contains("blink-off") === off, { polling: 50 }, off);
        }
        assert.equal(await framesAfter(page, 2000), 0, "paused (the lamp blinks by itself)");
        await page.click('button[aria-label="Simulation"]');
        assert.equal(await framesAfter(page, 2000), 0, "stopped");
        await page.browserContext().close();
    });

    test("the run's clock goes on without frames, and stands still while paused", async () => {
        const page = await openWide();
        await menu(page, "File", "traffic_light.PLC");
        await countFrames(page);
        await page.click('button[aria-label="Simulation"]');
        await page.waitForFunction(() => (rungboxTest as unknown as { clockMs(): number }).clockMs() >= 300, { polling: 50 });
        await menu(page, "Debug", "Pause");
        const clock = () => page.evaluate(() => (rungboxTest as unknown as { clockMs(): number }).clockMs());
        const paused = await clock();
        await page.evaluate(() => new Promise((resolve) => setTimeout(resolve, 200)));
        assert.equal(await clock(), paused);
        assert.equal(await page.evaluate(() => (window as unknown as { frameRequests: number }).frameRequests), 0);
        await page.browserContext().close();
    });
});

describe("wide layout", () => {
    test("at 1366 x 768 View > Ladder Diagram closes the diagram and opens it as it is now", async () => {
        const page = await openWide();
        const shown = () => page.$eval(".ladder", (el) => el.getBoundingClientRect().width > 0);
        const checked = async () => {
            await page.click("#menubar .menu:nth-child(3) > button");
            const state = await page.$eval('[role=menuitemcheckbox]', (el) => el.getAttribute("aria-checked"));
            await page.keyboard.press("Escape");
            return state;
        };
        assert.equal(await shown(), true);
        assert.equal(await checked(), "true");
        await menu(page, "View", "Ladder Diagram");
        assert.equal(await shown(), false);
        assert.equal(await checked(), "false");
        await menu(page, "File", "motor_latch.PLC"); // while closed
        await page.keyboard.down("Control");
        await page.keyboard.press("KeyL");
        await page.keyboard.up("Control");
        assert.equal(await shown(), true);
        const words = await page.$eval(".ladder svg", (svg) => Array.from(svg.querySelectorAll("text"), (t) => t.textContent));
        assert.ok(words.includes("END"), words.join(" "));
        await page.browserContext().close();
    });

    test("a tall window's room goes to the grid; a program opens at its first lines", async () => {
        const page = await openWide();
        await menu(page, "File", "conveyor.PLC");
        const view = () =>
            page.evaluate(() => {
                const host = document.querySelector(".grid-host") as HTMLElement;
                const line1 = document.getElementById("cell-1-1") as HTMLElement;
                const rows = host.clientHeight / line1.getBoundingClientRect().height;
                const inputs = document.querySelector('[aria-label="Input 0"]')?.getBoundingClientRect().bottom ?? 0;
                return { top: host.scrollTop, rows: Math.floor(rows), inputsShown: inputs <= innerHeight };
            });
        const opened = await view();
        assert.equal(opened.top, 0, "line 1 in view after an example");
        assert.ok(opened.rows >= 25 && opened.inputsShown, JSON.stringify(opened));
        await page.reload();
        await page.waitForSelector('body[data-ready="1"]');
        assert.equal((await view()).top, 0, "line 1 in view after a reload");
        await page.browserContext().close();
    });
});

describe("small controls", () => {
    test("the drawing toolbar's names say the key apart from the word", async () => {
        const page = await openPage();
        const names = await page.$$eval('[role=toolbar][aria-label="Draw"] button:has(kbd)', (buttons) =>
            buttons.map((b) => [b.firstChild?.textContent ?? "", b.querySelector("kbd")?.textContent ?? "", b.getAttribute("aria-label")]),
        );
        assert.ok(names.length >= 10);
        for (const [word, key, name] of names) {
            assert.equal(name, `${word} (${key})`);
        }
        const tree = await page.accessibility.snapshot({ interestingOnly: true });
        const all: string[] = [];
        const walk = (node: { name?: string; children?: unknown[] } | null) => {
            all.push(node?.name ?? "");
            node?.children?.forEach((child) => walk(child as { name?: string; children?: unknown[] }));
        };
        walk(tree);
        assert.ok(all.includes("Contact (C)") && all.includes("Undo (Ctrl+Z)"), all.filter((n) => n.includes("Contact")).join(", "));
        await page.browserContext().close();
    });

    test("menus: Right and Left go to the next menu open, Home and End to the first and last item", async () => {
        const page = await openPage();
        await page.focus("#menubar .menu > button");
        await page.keyboard.press("ArrowDown");
        assert.deepEqual(await menuFocus(page), ["File", "New"]);
        const last = await page.$eval('[role=menu][aria-label="File"] button:last-of-type span', (span) => span.textContent ?? "");
        const steps: [KeyInput, [string, string]][] = [
            ["End", ["File", last]],
            ["Home", ["File", "New"]],
            ["ArrowRight", ["Module", "none"]],
            ["ArrowLeft", ["File", "New"]],
            ["ArrowLeft", ["Help", "About"]],
            ["ArrowRight", ["File", "New"]],
        ];
        for (const [key, expected] of steps) {
            await page.keyboard.press(key);
            assert.deepEqual(await menuFocus(page), expected, key);
        }
        await page.keyboard.press("Escape");
        await page.keyboard.press("End");
        assert.deepEqual(await menuFocus(page), ["", "Help"], "End on the bar");
        await page.keyboard.press("Home");
        assert.deepEqual(await menuFocus(page), ["", "File"], "Home on the bar");
        await page.browserContext().close();
    });
});
