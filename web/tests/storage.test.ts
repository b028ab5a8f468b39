// SPDX-License-Identifier: GPL-3.0-or-later
// The program kept in the browser's storage: the whole grid over a reload (lines after END, a
// NUL in a cell) and the earlier form still read; two tabs sharing the storage (a tab that
// changed nothing writes nothing, the last change wins and the other tab says so); an
// unreadable entry set aside; a full storage told. And a NUL byte in a loaded cell shown in its
// own cell.

import { strict as assert } from "assert";
import * as fs from "fs";
import * as os from "os";
import * as path from "path";
import { describe, test } from "node:test";
import { BrowserContext, Page } from "puppeteer-core";
import { base, browser, cellText, menu, openPage } from "./harness";

interface StoreHook {
    kept(): { name: string; cells: string[] | null } | null;
}

/** A tab of `context` on the page, usable, its clock held. */
async function tab(context: BrowserContext): Promise<Page> {
    const page = await context.newPage();
    page.setDefaultTimeout(10000);
    page.on("pageerror", (error) => assert.fail("page error: " + String(error)));
    await page.goto(base);
    await page.waitForSelector('body[data-ready="1"]');
    await page.evaluate(() => rungboxTest.holdClock());
    return page;
}

async function reload(page: Page): Promise<void> {
    await page.reload();
    await page.waitForSelector('body[data-ready="1"]');
}

/** Types `text` from cell (line, col) on; Enter goes to the next cell. The tab comes to the
 * front first: a tab behind draws nothing, where a click waits for a picture. */
async function typeAt(page: Page, line: number, col: number, text: string): Promise<void> {
    await page.bringToFront();
    await page.click(`#cell-${line}-${col}`);
    await page.keyboard.type(text);
}

function notice(page: Page): Promise<string> {
    return page.$eval("#notice", (el) => el.textContent ?? "");
}

/** Waits for a tab, perhaps one behind (which draws no frames), to say another kept its program. */
async function toldOfAnother(page: Page): Promise<void> {
    await page.waitForFunction(
        () => (document.querySelector("#notice")?.textContent ?? "").startsWith("Another Rungbox tab kept its program"),
        { polling: "mutation" },
    );
}

function kept(page: Page): Promise<string | null> {
    return page.evaluate(() => localStorage.getItem("rungbox.program"));
}

/** A program file's bytes with `cells`, one a line. */
function programFile(cells: string[]): Buffer {
    return Buffer.from(["QZV_RUNGBOX_MAGIC", "1.00", ...cells].map((c) => c + "\r\n").join(""), "latin1");
}

describe("the program kept in storage", () => {
    test("lines after END and every byte of a cell come back after a reload; the earlier form still reads", async () => {
        const page = await openPage();
        // END halfway, to try the first rungs: the lines after it are the student's too.
        await typeAt(page, 1, 1, "LD\n0\n\nEND\n\n\nOUT\n1000\n");
        await page.evaluate(() => rungboxTest.store());
        await reload(page);
        assert.deepEqual([await cellText(page, 2, 1), await cellText(page, 3, 1), await cellText(page, 3, 2)], ["END", "OUT", "1000"]);

        // The form pages kept before: the file form with its name; an update still opens it.
        const file = programFile(["LD", "0", "", "OUT", "1000", "", "END"]).toString("base64url");
        await page.evaluate((file) => {
            localStorage.setItem("rungbox.program", JSON.stringify({ name: "old.PLC", file, data: file, names: "", fileNames: "", changed: false }));
        }, file);
        await reload(page);
        assert.equal(await page.title(), "old.PLC - PLC Ladder Code");
        assert.deepEqual([await cellText(page, 2, 1), await cellText(page, 2, 2)], ["OUT", "1000"]);
        assert.equal(await notice(page), "");
        await page.browserContext().close();
    });

    test("a NUL byte in a loaded cell stays in its cell, on the page and over a reload", async () => {
        const page = await openPage();
        const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), "rungbox-nul-")), "nul.PLC");
        fs.writeFileSync(file, programFile(["LD\0 0", "", "5", "OUT", "1000", "", "END"]));
        // Clicked as a mouse clicks, which moves the focus to the menu.
        await page.click("#menubar .menu > button");
        const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#menubar [role=menu][aria-label="File"] ::-p-text(Load)')]);
        await chooser.accept([file]);
        await page.waitForFunction(() => document.title.startsWith("nul.PLC"));
        const grid = async () => Promise.all([[1, 1], [1, 3], [2, 1], [2, 2], [3, 1]].map(([l, c]) => cellText(page, l, c)));
        const expected = ["LD\0 0", "5", "OUT", "1000", "END"];
        assert.deepEqual(await grid(), expected);
        // Loading left the keys with the grid, not on the page's body.
        assert.equal(await page.evaluate(() => document.activeElement?.getAttribute("role")), "grid");
        await page.evaluate(() => rungboxTest.store());
        await reload(page);
        assert.deepEqual(await grid(), expected);
        await page.browserContext().close();
    });

    test("two tabs: one that changed nothing writes nothing; the last change wins, and the other tab says so", async () => {
        const context = await browser.createBrowserContext();
        const first = await tab(context);
        await menu(first, "File", "motor_latch.PLC");
        await first.waitForFunction(() => document.title.startsWith("motor_latch.PLC"), { polling: "mutation" });
        await first.evaluate(() => rungboxTest.store());
        const second = await tab(context);
        const located = await cellText(second, 1, 2);

        await typeAt(first, 1, 2, "7");
        await first.evaluate(() => rungboxTest.store());
        await toldOfAnother(second);
        // The second tab is hidden or closed without a change of its own: the edit stays kept.
        await second.evaluate(() => rungboxTest.store());
        const third = await tab(context);
        assert.equal(await cellText(third, 1, 2), located + "7");
        await third.close();

        // Now the second tab changes its program: it is kept, and the first tab is told.
        await typeAt(second, 1, 2, "5");
        await second.evaluate(() => rungboxTest.store());
        await toldOfAnother(first);
        assert.equal(await second.$eval("#notice", (el) => el.textContent), "");
        await first.evaluate(() => rungboxTest.store());
        const cells = await first.evaluate(() => (rungboxTest as unknown as StoreHook).kept()?.cells);
        assert.equal(cells?.[1], located + "5");
        await context.close();
    });

    test("an unreadable entry is set aside, never written over; a full storage is told", async () => {
        const unreadable = [
            "{not json",
            JSON.stringify({ format: 2, name: "", file: "", data: "", names: "", fileNames: "", changed: false, cells: [1] }),
            JSON.stringify({ name: "x.PLC", file: "", data: "!!", changed: false }),
            JSON.stringify({ name: "x.PLC", file: "", data: "bm90IGEgcHJvZ3JhbQ", changed: false }), // "not a program"
            "null",
        ];
        const page = await openPage();
        for (const entry of unreadable) {
            await page.evaluate((entry) => {
                localStorage.removeItem("rungbox.program.unreadable");
                localStorage.setItem("rungbox.program", entry);
            }, entry);
            await reload(page);
            assert.match(await notice(page), /^The program kept from an earlier visit could not be read\./, entry);
            assert.equal(await page.evaluate(() => localStorage.getItem("rungbox.program.unreadable")), entry);
            assert.equal(await page.title(), "PLC Ladder Code");
            await page.evaluate(() => rungboxTest.store()); // hidden without a change
            assert.equal(await kept(page), entry, "left where it was");
        }
        await typeAt(page, 1, 1, "LD");
        await page.evaluate(() => rungboxTest.store());
        assert.notEqual(await kept(page), unreadable[unreadable.length - 1], "a change is kept again");
        assert.equal(await notice(page), "", "the notice goes once the program is kept");

        await page.evaluate(() => {
            Storage.prototype.setItem = () => {
                throw new DOMException("The quota has been exceeded.", "QuotaExceededError");
            };
        });
        await typeAt(page, 1, 2, "0");
        await page.evaluate(() => rungboxTest.store());
        assert.equal(
            await notice(page),
            "The browser's storage is full: this program is not kept for the next visit. Save it with File > Save As.",
        );
        await page.browserContext().close();
    });
});
