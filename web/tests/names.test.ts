// SPDX-License-Identifier: GPL-3.0-or-later
// View > Names on the page: names typed into the table checked with the window's reasons, shown
// on the lamps and in the diagram, kept over a reload, saved as the window saves NAME.names
// beside NAME.PLC and read back from both files picked together; the examples bring theirs.

import { strict as assert } from "assert";
import { execFileSync } from "child_process";
import * as fs from "fs";
import * as os from "os";
import * as path from "path";
import { describe, test } from "node:test";
import { Page } from "puppeteer-core";
import { answer, browser, dialogText, examplesDir, menu, openPage, sim } from "./harness";

/** Types `text` into the field named `label` and enters it (Enter commits, as in the window). */
async function enter(page: Page, label: string, text: string): Promise<void> {
    const selector = `section[aria-label="Names"] input[aria-label="${label}"]`;
    await page.click(selector, { count: 3 });
    await page.keyboard.press("Backspace");
    await page.keyboard.type(text);
    await page.keyboard.press("Enter");
}

function problem(page: Page): Promise<string> {
    return page.$eval('section[aria-label="Names"] [role=status]', (p) => p.textContent ?? "");
}

function rows(page: Page): Promise<[string, string, string][]> {
    return page.evaluate(() =>
        Array.from(document.querySelectorAll('section[aria-label="Names"] tbody tr')).map((tr) => {
            const inputs = Array.from(tr.querySelectorAll("input")).map((i) => i.value);
            const head = tr.querySelector("th")?.textContent;
            return (head !== undefined && head !== null ? [head, ...inputs] : ["", inputs[0], ""]) as [string, string, string];
        }),
    );
}

function title(page: Page, selector: string): Promise<string> {
    return page.$eval(selector, (el) => el.getAttribute("title") ?? "");
}

function diagramNames(page: Page): Promise<string[]> {
    return page.$$eval(".ladder svg text.name", (texts) => texts.map((t) => t.textContent ?? ""));
}

/** Files the page downloads into a new folder, until `count` completed. */
async function downloads(page: Page, count: number, action: () => Promise<void>): Promise<string> {
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), "rungbox-names-"));
    const cdp = await browser.target().createCDPSession();
    await cdp.send("Browser.setDownloadBehavior", {
        behavior: "allow",
        downloadPath: dir,
        eventsEnabled: true,
        browserContextId: (page.browserContext() as unknown as { id: string }).id,
    });
    let done = 0;
    const all = new Promise<void>((resolve) =>
        cdp.on("Browser.downloadProgress", (event) => event.state === "completed" && ++done === count && resolve()),
    );
    await action();
    await all;
    await cdp.detach();
    return dir;
}

describe("names", () => {
    test("a typed name is refused with its reason or taken, then shown on the lamp and in the diagram", async () => {
        const page = await openPage();
        await menu(page, "File", "motor_latch.PLC");
        await menu(page, "View", "Names");
        assert.deepEqual(await rows(page), [
            ["0", "", ""],
            ["1", "", ""],
            ["1000", "", ""],
            ["1001", "", ""],
            ["", "", ""],
        ]);
        // Checked as typed; entered, the refused name goes and its reason stays.
        const cases: [string, string][] = [
            ["in3", `"in3" already means something: a signal's name in the timing diagram.`],
            ["1ST", "A name holds letters, digits and _ only, and starts with a letter."],
        ];
        for (const [name, reason] of cases) {
            await page.click('input[aria-label="Name of 1000"]');
            await page.keyboard.type(name);
            assert.equal(await problem(page), reason, name);
            await page.keyboard.press("Enter");
            assert.equal(await page.$eval('input[aria-label="Name of 1000"]', (i) => (i as HTMLInputElement).value), "");
            assert.equal(await problem(page), reason, name);
        }
        assert.equal(await page.evaluate(() => document.title), "motor_latch.PLC - PLC Ladder Code");

        await enter(page, "Name of 1000", "MOTOR");
        await enter(page, "Comment of 1000", "<b>Tür</b>");
        await enter(page, "Name of 0", "motor");
        assert.equal(await problem(page), '"MOTOR" already names 1000.');
        assert.equal(await title(page, '[role=img][aria-label="Output 0"]'), "Output 00: relay 1000; MOTOR (1000): <b>Tür</b>");
        assert.equal(await title(page, "#cell-2-2"), "MOTOR: <b>Tür</b>", "the OR 1000 line");
        assert.equal(await title(page, '[role=img][aria-label="Output 1"]'), "Output 01: relay 1001");
        assert.deepEqual(await diagramNames(page), ["MOTOR", "MOTOR", "MOTOR"]);
        assert.equal(await page.evaluate(() => document.title), "motor_latch.PLC* - PLC Ladder Code");
        assert.equal(await page.$$eval("section[aria-label=Names] b", (b) => b.length), 0, "text, not HTML");

        // Its own undo: the comment by the button, the name by Ctrl+Z; Ctrl+Y takes both again.
        await page.evaluate(() =>
            Array.from(document.querySelectorAll<HTMLButtonElement>("section[aria-label=Names] button"))
                .find((b) => b.textContent === "Undo")
                ?.click(),
        );
        assert.deepEqual((await rows(page))[0], ["1000", "MOTOR", ""]);
        await page.click('input[aria-label="Name of 1001"]');
        await page.keyboard.down("Control");
        await page.keyboard.press("KeyZ");
        await page.keyboard.up("Control");
        assert.deepEqual(await diagramNames(page), []);
        assert.equal(await title(page, '[role=img][aria-label="Output 0"]'), "Output 00: relay 1000");
        await page.keyboard.down("Control");
        await page.keyboard.press("KeyY");
        await page.keyboard.press("KeyY");
        await page.keyboard.up("Control");
        assert.deepEqual((await rows(page))[0], ["1000", "MOTOR", "<b>Tür</b>"]);
        await page.browserContext().close();
    });

    test("names are kept over a reload, saved as the window saves them and loaded with the program", async () => {
        const page = await openPage();
        const gate = path.join(examplesDir, "gate.PLC");
        const gateNames = path.join(examplesDir, "gate.names");
        const [chooser] = await Promise.all([page.waitForFileChooser(), menu(page, "File", "Load")]);
        await chooser.accept([gateNames, gate]);
        await page.waitForFunction(() => document.title.startsWith("gate.PLC"));
        await menu(page, "View", "Names");
        assert.deepEqual((await rows(page))[0], ["0", "REMOTE", "remote push-button (momentary)"]);
        await enter(page, "Address to name", "2001");
        await enter(page, "Name of 2001", "SPARE");
        await enter(page, "Comment of 2001", "Tür");

        await page.evaluate(() => rungboxTest.store());
        await page.reload();
        await page.waitForSelector('body[data-ready="1"]');
        await page.evaluate(() => rungboxTest.holdClock());
        assert.equal(await page.evaluate(() => document.title), "gate.PLC* - PLC Ladder Code");
        const expected = Buffer.concat([fs.readFileSync(gateNames), Buffer.from("2001\tSPARE\tTür\n")]);
        assert.equal(await page.evaluate(() => rungboxTest.names()), expected.toString("base64url"));

        const dir = await downloads(page, 2, () => menu(page, "File", "Save As"));
        assert.deepEqual(fs.readdirSync(dir).sort(), ["gate.PLC", "gate.names"]);
        assert.ok(fs.readFileSync(path.join(dir, "gate.names")).equals(expected));
        // rungbox-sim reads the two files back and writes them again byte for byte.
        execFileSync(sim, [path.join(dir, "gate.PLC")], { input: `save ${dir}/native.PLC\n` });
        assert.ok(fs.readFileSync(path.join(dir, "native.PLC")).equals(fs.readFileSync(path.join(dir, "gate.PLC"))));
        assert.ok(fs.readFileSync(path.join(dir, "native.names")).equals(expected));
        assert.ok(fs.readFileSync(path.join(dir, "gate.PLC")).equals(fs.readFileSync(gate)));

        // Bad lines of the names file picked with the program: the window's message.
        fs.writeFileSync(path.join(dir, "gate.names"), "0\tSTART\n5\tin3\n");
        const [again] = await Promise.all([page.waitForFileChooser(), menu(page, "File", "Load")]);
        await again.accept([path.join(dir, "gate.PLC"), path.join(dir, "gate.names")]);
        await page.waitForSelector("dialog[open]");
        assert.deepEqual(await dialogText(page), {
            title: "rungbox",
            text:
                "These lines of gate.names were skipped; saving the program leaves that file as it is:\n" +
                `gate.names line 2: "in3" already means something: a signal's name in the timing diagram.`,
        });
        await answer(page, "OK");
        assert.equal(await page.evaluate(() => rungboxTest.names()), Buffer.from("0\tSTART\n").toString("base64url"));
        fs.rmSync(dir, { recursive: true });
        await page.browserContext().close();
    });

    test("a file name and names in UTF-8 reach the message, the title and the table as they are", async () => {
        const page = await openPage();
        const dir = fs.mkdtempSync(path.join(os.tmpdir(), "rungbox-utf8-"));
        fs.copyFileSync(path.join(examplesDir, "gate.PLC"), path.join(dir, "F\u00f6rderband.PLC"));
        fs.writeFileSync(path.join(dir, "F\u00f6rderband.names"), "0\tREMOTE\tT\u00fcr \u20ac\n5\tin3\n");
        const [chooser] = await Promise.all([page.waitForFileChooser(), menu(page, "File", "Load")]);
        await chooser.accept([path.join(dir, "F\u00f6rderband.PLC"), path.join(dir, "F\u00f6rderband.names")]);
        await page.waitForSelector("dialog[open]");
        assert.deepEqual(await dialogText(page), {
            title: "rungbox",
            text:
                "These lines of F\u00f6rderband.names were skipped; saving the program leaves that file as it is:\n" +
                `F\u00f6rderband.names line 2: "in3" already means something: a signal's name in the timing diagram.`,
        });
        await answer(page, "OK");
        await page.waitForFunction(() => document.title.startsWith("F\u00f6rderband.PLC"));
        await menu(page, "View", "Names");
        assert.deepEqual((await rows(page))[0], ["0", "REMOTE", "T\u00fcr \u20ac"]);
        fs.rmSync(dir, { recursive: true });
        await page.browserContext().close();
    });

    test("the gate example brings its names", async () => {
        const page = await openPage();
        await menu(page, "File", "gate.PLC");
        assert.equal(await page.evaluate(() => rungboxTest.names()), fs.readFileSync(path.join(examplesDir, "gate.names")).toString("base64url"));
        assert.equal(await title(page, 'input[aria-label="Switch 0"]'), "Input 00: REMOTE (0): remote push-button (momentary)");
        assert.equal(await title(page, 'output[aria-label="Timer 0"]'), "Timer 0 (TIM 0): seconds left; HOLD_OPEN (TIM 0): 10 s at the open limit with the gateway clear, then the gate closes");
        assert.ok((await diagramNames(page)).includes("REMOTE"));
        await page.browserContext().close();
    });
});
