// SPDX-License-Identifier: GPL-3.0-or-later
// The extended instruction set on the page: Options > Extended Instruction Set switches it as one
// undoable edit, the notice line shows an extended program, its cells take addresses and marks,
// a refusal is a message, files of version 2.00 load and save with it, storage keeps it, and a
// classic program stopped by a line of the extended set is told how to switch beside the message,
// and word instructions are boxes in the diagram tall enough for their operand rows.

import { strict as assert } from "assert";
import * as fs from "fs";
import * as os from "os";
import * as path from "path";
import { describe, test } from "node:test";
import { Page } from "puppeteer-core";
import { answer, cellText, dialogText, menu, openPage } from "./harness";

const kItem = '::-p-aria([name="Extended Instruction Set"][role="menuitemcheckbox"])';

/** The check item's state as the Options menu shows it when opened; the menu is closed again. */
async function checked(page: Page): Promise<string | null> {
    const options = '::-p-aria([name="Options"][role="menuitem"])';
    await page.click(options);
    // The accessibility tree follows the opened menu a moment later: wait for the item there.
    const item = await page.waitForSelector(kItem);
    const state = (await item?.evaluate((el) => el.getAttribute("aria-checked"))) ?? null;
    await page.click(options);
    return state;
}

function notice(page: Page): Promise<string> {
    return page.$eval("#notice", (el) => el.textContent ?? "");
}

/** A program file's bytes with version line `version` and `cells`, one a line. */
function programFile(version: string, cells: string[]): string {
    return ["QZV_RUNGBOX_MAGIC", version, ...cells].map((c) => c + "\r\n").join("");
}

async function loadFile(page: Page, name: string, bytes: string): Promise<void> {
    const file = path.join(os.tmpdir(), `rungbox-${process.pid}-${name}`);
    fs.writeFileSync(file, Buffer.from(bytes, "latin1"));
    const [chooser] = await Promise.all([page.waitForFileChooser(), menu(page, "File", "Load")]);
    await chooser.accept([file]);
    await page.waitForFunction((name) => document.title.startsWith(name), {}, path.basename(file));
    fs.unlinkSync(file);
}

const kKeep = ["LD", "0.00", "", "LD", "0.01", "", "KEEP(11)", "10.00", "", "END"];

describe("the extended instruction set", () => {
    test("the Options item switches the set as one undoable edit; only then do cells take addresses", async () => {
        const page = await openPage();
        assert.equal(await checked(page), "false");
        assert.equal(await notice(page), "");
        await page.click("#cell-1-2");
        await page.keyboard.type("HR0.05");
        assert.equal(await cellText(page, 1, 2), "005", "a classic cell takes digits only");
        await page.keyboard.press("Delete");

        await menu(page, "Options", "Extended Instruction Set");
        assert.equal(await checked(page), "true");
        assert.match(await notice(page), /Extended instruction set/);
        await page.click("#cell-1-1");
        await page.keyboard.type("OUT\nHR0.05");
        assert.equal(await cellText(page, 1, 2), "HR0.05");

        // Back to classic is refused while a line is written for the extended set.
        await menu(page, "Options", "Extended Instruction Set");
        await page.waitForSelector("dialog[open]");
        assert.deepEqual(await dialogText(page), {
            title: "Extended Instruction Set",
            text: "Line 1 uses the extended instruction set; the program stays extended.",
        });
        await answer(page, "OK");
        assert.equal(await checked(page), "true");
        if (process.env.RUNGBOX_EXTENDED_SHOT) {
            await page.screenshot({ path: process.env.RUNGBOX_EXTENDED_SHOT });
        }

        // Undo takes back the typing (the address, the code), then the switch.
        await page.click("#cell-1-2");
        for (let k = 0; k < 3; ++k) {
            await page.keyboard.down("Control");
            await page.keyboard.press("KeyZ");
            await page.keyboard.up("Control");
        }
        assert.deepEqual([await cellText(page, 1, 1), await cellText(page, 1, 2)], ["", ""]);
        assert.equal(await checked(page), "false");
        assert.equal(await notice(page), "");
        await page.browserContext().close();
    });

    test("a 2.00 file loads extended, saves as 2.00 and stays extended over a reload", async () => {
        const page = await openPage();
        const bytes = programFile("2.00", kKeep);
        await loadFile(page, "keep.PLC", bytes);
        assert.equal(await checked(page), "true");
        assert.equal(await page.evaluate(() => rungboxTest.programBytes()), bytes);
        await page.evaluate(() => rungboxTest.store());
        const kept = JSON.parse((await page.evaluate(() => localStorage.getItem("rungbox.program"))) ?? "{}");
        assert.equal(kept.extended, true);
        await page.reload();
        await page.waitForSelector('body[data-ready="1"]');
        assert.equal(await checked(page), "true");
        assert.equal(await cellText(page, 3, 1), "KEEP(11)");
        // New makes the program classic, and so does a classic file.
        await loadFile(page, "classic.PLC", programFile("1.00", ["LD", "0", "", "END"]));
        assert.equal(await checked(page), "false");
        await page.browserContext().close();
    });

    test("a classic program stopped by KEEP keeps its message; the notice line tells how to switch", async () => {
        const page = await openPage();
        await loadFile(page, "classic_keep.PLC", programFile("1.00", ["LD", "0", "", "LD", "1", "", "KEEP", "1000", "", "END"]));
        await page.click('button[aria-label="Simulation"]');
        // The run's message waits for its answer: the hook's promise is not awaited.
        await page.evaluate(() => void rungboxTest.advance(5));
        await page.waitForSelector("dialog[open]");
        assert.deepEqual(await dialogText(page), { title: "rungbox", text: "Error at line  3" });
        assert.equal(
            await notice(page),
            "KEEP belongs to the extended instruction set: turn on Extended Instruction Set in the Options menu.",
        );
        await answer(page, "OK");
        await menu(page, "Options", "Extended Instruction Set");
        assert.equal(await notice(page), "Extended instruction set");
        await page.browserContext().close();
    });
    test("word instructions are boxes in the diagram, an ADD's operand line inside its box", async () => {
        const page = await openPage();
        const press = ["LD", "P_On", "", "MOV(21)", "#0042", "DM0100", "LD", "0.00", "", "@ADD", "DM0000", "#0001",
            "", "DM0000", "", "LD", "P_On", "", "CMP", "DM0000", "#0003", "LD", "P_EQ", "", "OUT", "10.00", "", "END"];
        await loadFile(page, "press.PLC", programFile("2.00", press));
        const diagram = 'section[aria-label="Ladder Diagram"] svg';
        await page.waitForFunction((sel) => Array.from(document.querySelectorAll(`${sel} text`)).some((t) => t.textContent === "@ADD"), {}, diagram);
        // Every text of a word box lies inside its frame: the box is tall enough for its rows.
        const boxes = await page.$$eval(`${diagram} rect`, (rects) =>
            rects.map((r) => (r as SVGGraphicsElement).getBBox()).map((b) => [b.x, b.y, b.width, b.height]));
        const texts = await page.$$eval(`${diagram} text`, (ts) =>
            ts.map((t) => [t.textContent ?? "", (t as SVGGraphicsElement).getBBox()] as const)
                .map(([text, b]) => ({ text, x: b.x, y: b.y, bottom: b.y + b.height })));
        for (const shown of ["MOV", "S #0042", "D DM0100", "Au DM0000", "Ad #0001", "R DM0000", "CMP", "C1 DM0000", "C2 #0003"]) {
            const text = texts.find((t) => t.text === shown);
            assert.ok(text, shown);
            assert.ok(boxes.some(([x, y, w, h]) => text.x >= x && text.x <= x + w && text.y >= y && text.bottom <= y + h),
                `${shown} inside a box`);
        }
        if (process.env.RUNGBOX_WORDS_SHOT) {
            await page.screenshot({ path: process.env.RUNGBOX_WORDS_SHOT });
        }
        await page.browserContext().close();
    });
});
