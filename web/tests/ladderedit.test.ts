// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing in the page's ladder diagram: a rung drawn by keys from an empty program and the same
// rung drawn by taps on a touch screen give the bytes Save As writes; a refused edit says why;
// undo and redo; Tab leaves the diagram; during a run the diagram only shows.

import { strict as assert } from "assert";
import { describe, test } from "node:test";
import { KeyInput, Page } from "puppeteer-core";
import { cellText, openPage } from "./harness";

interface DrawingHook {
    programBytes(): string;
    ladderPoint(line: number): { x: number; y: number } | null;
}

/** LD 0 / LD 1 / OR 2 / AND BLK / OUT 1000 / END as Save As writes it: one cell a line. */
const kFirstRung =
    "QZV_RUNGBOX_MAGIC\r\n1.00\r\n" +
    ["LD", "0", "", "LD", "1", "", "OR", "2", "", "AND BLK", "", "", "OUT", "1000", "", "END"].map((cell) => cell + "\r\n").join("");

function programBytes(page: Page): Promise<string> {
    return page.evaluate(() => (rungboxTest as unknown as DrawingHook).programBytes());
}

/** The diagram's code lines as "code location" words, read from the grid. */
async function lines(page: Page, count: number): Promise<string[]> {
    const out: string[] = [];
    for (let line = 1; line <= count; ++line) {
        out.push(`${await cellText(page, line, 1)} ${await cellText(page, line, 2)}`.trim());
    }
    return out;
}

function status(page: Page): Promise<string> {
    return page.$eval(".ladder-status", (p) => ((p as HTMLElement).hidden ? "" : (p.textContent ?? "")));
}

/** Types `address` into the open address box and confirms it with Enter. */
async function typeAddress(page: Page, address: string): Promise<void> {
    await page.waitForSelector('.ladder-address:not([hidden]) input[aria-label="Address"]');
    await page.$eval('input[aria-label="Address"]', (input) => (input as HTMLInputElement).select());
    await page.keyboard.type(address);
    await page.keyboard.press("Enter");
}

async function drawFirstRungByKeys(page: Page): Promise<void> {
    await page.focus('section[aria-label="Ladder Diagram"]');
    for (const [key, address] of [["r", "0"], ["c", "1"], ["p", "2"]] as [KeyInput, string][]) {
        await page.keyboard.press(key);
        await typeAddress(page, address);
    }
}

describe("drawing in the ladder diagram", () => {
    test("keys draw a rung from an empty program; Ctrl+Z and Ctrl+Y take it back and again", async () => {
        const page = await openPage();
        await drawFirstRungByKeys(page);
        assert.equal(await programBytes(page), kFirstRung);
        // The address box closed and gave the keys back to the diagram.
        assert.equal(await page.$eval(".ladder-address", (box) => (box as HTMLElement).hidden), true);
        assert.equal(await page.evaluate(() => document.activeElement?.getAttribute("aria-label")), "Ladder Diagram");

        await page.keyboard.down("Control");
        await page.keyboard.press("z");
        await page.keyboard.up("Control");
        assert.deepEqual(await lines(page, 4), ["LD 0", "AND 1", "OUT 1000", "END"]);
        await page.keyboard.down("Control");
        await page.keyboard.press("y");
        await page.keyboard.up("Control");
        assert.equal(await programBytes(page), kFirstRung);

        // Esc in the address box takes a new element away again; Tab leaves the diagram.
        await page.keyboard.press("c");
        await page.waitForSelector(".ladder-address:not([hidden])");
        await page.keyboard.press("Escape");
        assert.equal(await programBytes(page), kFirstRung);
        await page.keyboard.press("Tab");
        assert.notEqual(await page.evaluate(() => document.activeElement?.getAttribute("aria-label")), "Ladder Diagram");
    });

    test("taps on a touch screen draw the same rung with buttons large enough to touch", async () => {
        const page = await openPage();
        // A touch screen (a coarse pointer): the page loads again with it, and its clock is held
        // again. (A phone's emulation pans the view to a focused field, which moves the taps.)
        await page.setViewport({ width: 1180, height: 820, hasTouch: true });
        await page.waitForSelector('body[data-ready="1"]');
        await page.evaluate(() => rungboxTest.holdClock());
        const tapButton = async (label: string) => {
            const button = await page.evaluateHandle(
                (label) => Array.from(document.querySelectorAll<HTMLButtonElement>(".ladder-toolbar button")).find((b) => b.firstChild?.textContent === label),
                label,
            );
            await (button.asElement() as import("puppeteer-core").ElementHandle<HTMLButtonElement>).tap();
        };
        const tapElement = async (line: number) => {
            const at = await page.evaluate((line) => (rungboxTest as unknown as DrawingHook).ladderPoint(line), line);
            assert.ok(at, `line ${line} is drawn`);
            await page.touchscreen.tap(at.x, at.y);
        };
        const confirm = async (address: string) => {
            await page.waitForSelector('.ladder-address:not([hidden]) input[aria-label="Address"]');
            await page.$eval('input[aria-label="Address"]', (input, address) => ((input as HTMLInputElement).value = address), address);
            const ok = await page.$(".ladder-address button");
            await ok?.tap();
        };
        const heights = await page.$$eval(".ladder-toolbar button", (buttons) => buttons.map((b) => b.getBoundingClientRect().height));
        assert.ok(heights.length >= 10 && heights.every((h) => h >= 44), `toolbar buttons ${heights.join(", ")} px high`);

        await tapButton("Rung");
        await confirm("0");
        await tapButton("Contact");
        await confirm("1");
        // The selection follows the taps: contact 0, then contact 1.
        const current = () => page.$eval(".grid td.current", (td) => Number(td.id.split("-")[1]));
        await tapElement(1);
        assert.equal(await current(), 1);
        await tapElement(2);
        assert.equal(await current(), 2);
        await tapButton("Parallel");
        await confirm("2");
        assert.equal(await programBytes(page), kFirstRung);
    });

    test("rungs are copied, pasted, moved and deleted", async () => {
        const page = await openPage();
        await drawFirstRungByKeys(page);
        const copied = await page.evaluate(() => {
            const data = new DataTransfer();
            document.dispatchEvent(new ClipboardEvent("copy", { clipboardData: data }));
            document.dispatchEvent(new ClipboardEvent("paste", { clipboardData: data }));
            return data.getData("text/plain");
        });
        assert.ok(copied.includes("AND BLK"), copied);
        // The pasted rung is selected: its first contact gets address 5, then it moves up.
        await page.keyboard.press("Enter");
        await typeAddress(page, "5");
        const click = (label: string) =>
            page.evaluate((label) => Array.from(document.querySelectorAll<HTMLButtonElement>(".ladder-toolbar button")).find((b) => b.firstChild?.textContent === label)?.click(), label);
        await click("Move Rung Up");
        assert.deepEqual(await lines(page, 6), ["LD 5", "LD 1", "OR 2", "AND BLK", "OUT 1000", "LD 0"]);
        await click("Delete Rung");
        assert.equal(await programBytes(page), kFirstRung);
    });

    test("a refused edit says the core's reason and leaves the program alone", async () => {
        const page = await openPage();
        await drawFirstRungByKeys(page);
        const cases: { keys: KeyInput[]; address?: string; reason: string }[] = [
            // The coil is the rung's only output.
            { keys: ["ArrowRight", "ArrowRight", "Delete"], reason: "a rung without an output" },
            { keys: ["Enter"], address: "NOBODY", reason: "An address is a number, TIM or CNT and a number, or a name." },
            { keys: ["Enter"], address: "30000", reason: "relay out of range (0 to 20000)" },
        ];
        for (const c of cases) {
            await page.focus('section[aria-label="Ladder Diagram"]');
            for (const key of c.keys) {
                await page.keyboard.press(key);
            }
            if (c.address) {
                await typeAddress(page, c.address);
                await page.keyboard.press("Escape");
            }
            assert.equal(await status(page), c.reason, c.keys.join(" "));
            assert.equal(await programBytes(page), kFirstRung, c.keys.join(" "));
        }
    });

    test("during a run the diagram only shows", async () => {
        const page = await openPage();
        await drawFirstRungByKeys(page);
        await page.$eval('button[aria-label="Simulation"]', (b) => (b as HTMLElement).click());
        await page.focus('section[aria-label="Ladder Diagram"]');
        for (const key of ["c", "/", "Delete", "Enter"] as KeyInput[]) {
            await page.keyboard.press(key);
        }
        const enabled = await page.$$eval(".ladder-toolbar button", (buttons) => buttons.filter((b) => !(b as HTMLButtonElement).disabled).length);
        assert.equal(enabled, 0, "the toolbar is off");
        assert.equal(await page.$eval(".ladder-address", (box) => (box as HTMLElement).hidden), true);
        await page.$eval('button[aria-label="Simulation"]', (b) => (b as HTMLElement).click());
        assert.equal(await programBytes(page), kFirstRung);
    });
});
