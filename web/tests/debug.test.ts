// SPDX-License-Identifier: GPL-3.0-or-later
// Debugging on the page: a run paused at a breakpoint set in the grid's margin, the next line
// marked, the registers, steps by the window's keys, the clock standing while paused; a forced
// input with its padlock acting in the run; the watch table's refusals in the window's words.

import { strict as assert } from "assert";
import { describe, test } from "node:test";
import { Page } from "puppeteer-core";
import { menu, openPage, showLine } from "./harness";

// motor_latch.PLC: LD 0 / OR 1000 / AND NOT 1 / OUT 1000 / LD NOT 1000 / OUT 1001 / END

/** The grid's line with the next-line band, or 0. */
function nextLine(page: Page): Promise<number> {
    return page.evaluate(() => Number(document.querySelector(".grid tr[aria-current=step] th")?.textContent ?? 0));
}

/** The run's clock (the page's hook has it; the shared Hook type does not list it). */
function clockMs(page: Page): Promise<number> {
    return page.evaluate(() => (rungboxTest as unknown as { clockMs(): number }).clockMs());
}

function registerText(page: Page): Promise<string> {
    return page.$eval('[aria-label="Register text"]', (el) => el.textContent ?? "");
}

function breakpointsShown(page: Page): Promise<{ grid: number[]; diagram: number[] }> {
    return page.evaluate(() => ({
        grid: Array.from(document.querySelectorAll<HTMLElement>(".grid th[data-breakpoint]")).map((th) => Number(th.dataset.row)),
        diagram: Array.from(document.querySelectorAll('.ladder [role=button][aria-pressed="true"]')).map((spot) =>
            Number(/\d+$/.exec(spot.getAttribute("aria-label") ?? "")?.[0]),
        ),
    }));
}

/** A click in the breakpoint margin at the left of line `line`'s number. */
async function clickMargin(page: Page, line: number): Promise<void> {
    const number = await page.$(`.grid th[data-row="${line}"]`);
    await number?.evaluate((th) => th.scrollIntoView({ block: "nearest" }));
    const box = await number?.boundingBox();
    assert.ok(box);
    await page.mouse.click(box.x + 5, box.y + box.height / 2);
}

function debugMenuLabels(page: Page): Promise<string[]> {
    return page.$$eval('#menubar [role=menu][aria-label="Debug"] button span', (spans) => spans.map((s) => s.textContent ?? ""));
}

async function startMotorLatch(page: Page): Promise<void> {
    await menu(page, "File", "motor_latch.PLC");
    await page.click('button[aria-label="Simulation"]');
}

describe("debugging", () => {
    test("a run pauses at a breakpoint, shows its next line and registers, and steps from there", async () => {
        const page = await openPage();
        await menu(page, "File", "motor_latch.PLC");
        // Set in the margin before the run (a click on the rest of the number still selects).
        await clickMargin(page, 4);
        assert.deepEqual(await breakpointsShown(page), { grid: [4], diagram: [4] });
        await page.click('button[aria-label="Simulation"]');
        await page.evaluate(() => rungboxTest.advance(20));
        assert.equal(await clockMs(page), 1, "paused in the scan of the first millisecond");
        assert.equal(await nextLine(page), 4);
        assert.deepEqual((await debugMenuLabels(page)).slice(0, 4), ["Resume", "Step Scan", "Step Tick", "Step Instruction"]);
        await menu(page, "Debug", "Registers");
        assert.equal(await registerText(page), "Next line 4: OUT 1000\nResult R = 0\nBlock stack (1, top first): 0");

        // The clock stands while paused; the window's keys step and show at once.
        await page.evaluate(() => rungboxTest.advance(500));
        assert.equal(await clockMs(page), 1);
        await page.keyboard.press("F8");
        assert.equal(await nextLine(page), 5);
        assert.match(await registerText(page), /^Next line 5: LD NOT 1000\n/);
        await page.keyboard.press("F10"); // the rest of the scan
        assert.equal(await nextLine(page), 0);
        assert.equal(await registerText(page), "Between scans");
        assert.match(await showLine(page), /out=0100000000000000/);
        await page.keyboard.press("F10"); // a whole scan: stopped again at the breakpoint
        assert.equal(await nextLine(page), 4);

        // Cleared on the diagram, the run resumes with F6 and its clock moves again.
        await page.click('.ladder [aria-label="Breakpoint on line 4"]');
        assert.deepEqual(await breakpointsShown(page), { grid: [], diagram: [] });
        await page.keyboard.press("F6");
        assert.equal((await debugMenuLabels(page))[0], "Pause");
        await page.evaluate(() => rungboxTest.advance(30));
        assert.equal(await clockMs(page), 31);
        assert.equal(await nextLine(page), 0);

        // Toggle Breakpoint (F9) marks the grid's current line; stopped, stepping does nothing.
        await page.click('button[aria-label="Simulation"]');
        await page.click("#cell-2-1");
        await page.keyboard.press("F9");
        assert.deepEqual(await breakpointsShown(page), { grid: [2], diagram: [2] });
        await page.keyboard.press("F10");
        assert.equal(await nextLine(page), 0);
        await page.close();
    });

    test("a forced input carries a padlock, in the panel, the table and the diagram, and acts in the run", async () => {
        const page = await openPage();
        await startMotorLatch(page);
        await menu(page, "Debug", "Watch Table");
        await page.type('input[aria-label="Watch:"]', "0");
        await page.keyboard.press("Enter");
        const row = () => page.$$eval(".watch-table tbody td", (tds) => tds.map((td) => td.textContent).join("|"));
        const locks = () =>
            page.evaluate(() => ({
                lamps: Array.from(document.querySelectorAll<HTMLElement>(".lamp[data-locked]")).map((l) => l.getAttribute("aria-label")),
                diagram: document.querySelectorAll(".ladder .padlock").length,
            }));
        assert.equal(await row(), "0|0||off|");
        await page.click("xpath/.//button[text()='Force on']");
        assert.equal(await row(), "0|1||on|on");
        assert.deepEqual(await locks(), { lamps: ["Input 0"], diagram: 1 });
        await page.evaluate(() => rungboxTest.scan(1));
        assert.match(await showLine(page), /in=1000000000000000 out=1000000000000000/);

        // Released, the latch holds the motor; forcing the stop switch drops it.
        await page.click("xpath/.//button[text()='Release']");
        assert.deepEqual(await locks(), { lamps: [], diagram: 0 });
        await page.type('input[aria-label="Watch:"]', "1");
        await page.keyboard.press("Enter");
        await page.click("xpath/.//button[text()='Force on']");
        await page.evaluate(() => rungboxTest.scan(1));
        assert.match(await showLine(page), /in=0100000000000000 out=0100000000000000/);
        assert.deepEqual((await locks()).lamps, ["Input 1"]);

        // A stop ends every force; the force buttons wait for the next run.
        await page.click('button[aria-label="Simulation"]');
        assert.deepEqual(await locks(), { lamps: [], diagram: 0 });
        assert.equal(await page.$eval("xpath/.//button[text()='Force on']", (b) => (b as HTMLButtonElement).disabled), true);
        await page.close();
    });

    test("a refused watch entry says why, as text", async () => {
        const page = await openPage();
        await menu(page, "Debug", "Watch Table");
        const cases: [string, string][] = [
            ["30000", "30000: out of range (relays 0 to 20000)"],
            ["tim 9", "TIM 9: no such timer (TIM 0 to TIM 7)"],
            ["<b>x</b>", "<B>X</B>: not a relay address, TIM n or CNT n"],
            ["", "Type a relay address, TIM n or CNT n"],
        ];
        for (const [typed, why] of cases) {
            await page.$eval('input[aria-label="Watch:"]', (input) => ((input as HTMLInputElement).value = ""));
            await page.type('input[aria-label="Watch:"]', typed);
            await page.click("xpath/.//section[@aria-label='Watch']//button[text()='Add']");
            assert.equal(await page.$eval(".watch-refusal", (el) => el.textContent), why, typed);
        }
        assert.equal(await page.$$eval(".watch-refusal *", (els) => els.length), 0, "no markup from the entry");
        assert.equal(await page.$$eval(".watch-table tbody tr", (rows) => rows.length), 0);
        await page.close();
    });
});
