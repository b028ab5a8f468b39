// SPDX-License-Identifier: GPL-3.0-or-later
// Data words on the page: the watch table follows a DM word that a running program's MOV writes,
// in the format chosen for its row; the DM table shows it and takes a typed value; the register
// panel lists the program's words.

import { strict as assert } from "assert";
import * as fs from "fs";
import * as os from "os";
import * as path from "path";
import { describe, test } from "node:test";
import { Page } from "puppeteer-core";
import { menu, openPage } from "./harness";

async function loadProgram(page: Page, cells: string[]): Promise<void> {
    const file = path.join(os.tmpdir(), `rungbox-${process.pid}-words.PLC`);
    const bytes = ["QZV_RUNGBOX_MAGIC", "2.00", ...cells].map((c) => c + "\r\n").join("");
    fs.writeFileSync(file, Buffer.from(bytes, "latin1"));
    const [chooser] = await Promise.all([page.waitForFileChooser(), menu(page, "File", "Load")]);
    await chooser.accept([file]);
    await page.waitForFunction(() => document.title.startsWith("rungbox-"));
    fs.unlinkSync(file);
}

function watchRow(page: Page): Promise<string> {
    return page.$eval('::-p-aria([name="Watch table"])', (table) =>
        Array.from(table.querySelectorAll("tbody td"))
            .map((td) => td.textContent)
            .join("|"),
    );
}

describe("data words", () => {
    test("the watch table follows a DM word a running MOV writes; the DM table shows and loads words", async () => {
        const page = await openPage();
        await loadProgram(page, ["LD", "253.13", "", "MOV", "#0042", "DM0100", "MOV", "DM6144", "DM0101", "END"]);
        await page.click('button[aria-label="Simulation"]');
        await menu(page, "Debug", "Watch Table");
        await page.type('::-p-aria([name="Watch:"])', "DM0100");
        await page.keyboard.press("Enter");
        assert.equal(await watchRow(page), "DM0100|#0000||off|");
        await page.evaluate(() => rungboxTest.advance(5));
        assert.equal(await watchRow(page), "DM0100|#0042||on|");
        await page.select('::-p-aria([name="Format"])', "Dec");
        assert.equal(await watchRow(page), "DM0100|66||on|");

        // The DM table: the word the program wrote, and a read-only word loaded by typing.
        await menu(page, "Debug", "DM Table");
        // The words' inputs, named by their words (the watch table's cell "DM0100" is named so too).
        const field = (name: string) => `section[aria-label="DM Table"] input[aria-label="${name}"]`;
        const dm = (name: string) => page.$eval(field(name), (input) => (input as HTMLInputElement).value);
        assert.equal(await dm("DM0100"), "#0042");
        await page.click(field("DM6144"), { count: 3 });
        await page.keyboard.type("&291\n");
        await page.evaluate(() => rungboxTest.advance(5));
        assert.equal(await dm("DM0101"), "#0123");
        await page.click(field("DM0005"), { count: 3 });
        await page.keyboard.type("<b>x</b>\n");
        const status = await page.$eval('section[aria-label="DM Table"] [role="status"]', (p) => p.innerHTML);
        assert.equal(status, "&lt;b&gt;x&lt;/b&gt;: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)");

        // The register panel lists the program's words.
        await menu(page, "Debug", "Registers");
        const words = await page.$eval('::-p-aria([name="Register words"])', (table) =>
            Array.from(table.querySelectorAll<HTMLTableRowElement>("tbody tr")).map((tr) => tr.cells[0].textContent + "=" + tr.cells[1].textContent),
        );
        assert.deepEqual(words, ["DM0100=#0042", "DM0101=#0123", "DM6144=#0123"]);
        if (process.env.RUNGBOX_WORDS_SHOT) {
            await page.screenshot({ path: process.env.RUNGBOX_WORDS_SHOT, fullPage: true });
        }
        await page.browserContext().close();
    });
});
