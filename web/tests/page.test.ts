// SPDX-License-Identifier: GPL-3.0-or-later
// The page in headless Chromium: the examples give the lamps, displays and machine states that
// rungbox-sim prints for the same script; the editor's keys; Load and Save As byte for byte;
// share links; the program kept over a reload; the window's message for a bad file.

import { strict as assert } from "assert";
import { execFileSync } from "child_process";
import * as fs from "fs";
import * as os from "os";
import * as path from "path";
import { describe, test } from "node:test";
import { Page } from "puppeteer-core";
import { answer, base, browser, cellText, dialogText, examplesDir, menu, openPage, showLine, sim, webDir } from "./harness";

// --- The examples against rungbox-sim -------------------------------------------------------------

/**
 * Replays `script` on the page and answers what it saw at each point where the script looks
 * (expect, show, plant) and at its end: the panel line and the machine's state line.
 */
async function replay(page: Page, script: string[]): Promise<string[]> {
    const seen: string[] = [];
    const look = async () => {
        seen.push(await showLine(page));
        const plant = await page.evaluate(() => rungboxTest.plant());
        seen.push(plant === "null" ? "none" : (JSON.parse(plant) as { state: string }).state);
    };
    const click = (selector: string) => page.$eval(selector, (el) => (el as HTMLElement).click());
    const machineButton = (label: string) =>
        page.evaluate((label) => {
            const button = Array.from(document.querySelectorAll<HTMLButtonElement>(".machine-buttons button")).find(
                (b) => b.textContent === label,
            );
            button?.dispatchEvent(new PointerEvent("pointerdown"));
            button?.dispatchEvent(new PointerEvent("pointerup"));
        }, label);
    for (const line of script) {
        const [word, a, b] = line.split(/\s+/);
        if (word === "press") {
            await click('button[aria-label="Simulation"]');
        } else if (word === "in") {
            const selector = `input[aria-label="Switch ${a}"]`;
            const checked = await page.$eval(selector, (el) => (el as HTMLInputElement).checked);
            if (checked !== (b === "1")) {
                await click(selector);
            }
        } else if (word === "scan") {
            await page.evaluate((n) => rungboxTest.scan(n), Number(a ?? 1));
        } else if (word === "wait") {
            await page.evaluate((ms) => rungboxTest.advance(ms), Number(a));
        } else if (word === "module") {
            const titles: Record<string, string> = {
                none: "none",
                gate: "House Gate",
                conveyor: "Conveyor",
                motor: "Motor Starter",
                tank: "Tank and Pumps",
                traffic: "Traffic Intersection",
                carpark: "Car Park",
            };
            await menu(page, "Module", titles[a] ?? a);
        } else if (word === "gate" && a === "car") {
            const present = await page.$eval(".machine-buttons button[aria-pressed]", (el) => el.getAttribute("aria-pressed") === "true");
            if (present !== (b === "1")) {
                await click(".machine-buttons button[aria-pressed]");
            }
        } else if (word === "gate" || word === "conveyor") {
            assert.equal(b, undefined, "only short presses are replayed");
            await machineButton({ button: "Remote", stop: "Stop", start: "Start" }[a] ?? a);
        } else if (["motor", "tank", "traffic", "carpark"].includes(word)) {
            // A control of a machine drawn from a scene, as a hand works its button on the page.
            await page.evaluate(
                (control, state) => {
                    const button = document.querySelector<HTMLButtonElement>(`.machine-buttons button[data-control="${control}"]`);
                    if (!button) {
                        throw new Error("no control " + control);
                    }
                    if (button.hasAttribute("aria-pressed")) {
                        if ((button.getAttribute("aria-pressed") === "true") !== (state === "1")) {
                            button.click();
                        }
                    } else if (state === undefined) {
                        button.dispatchEvent(new PointerEvent("pointerdown"));
                        button.dispatchEvent(new PointerEvent("pointerup"));
                    } else {
                        button.dispatchEvent(new PointerEvent(state === "1" ? "pointerdown" : "pointerup"));
                    }
                },
                a,
                b,
            );
        } else if (["expect", "show", "plant"].includes(word)) {
            await look();
        } else if (word === "test") {
            // a test's name and points: nothing happens to the program
        } else {
            assert.fail("a script line the replay does not know: " + line);
        }
    }
    await look();
    return seen;
}

/** What rungbox-sim prints at the same points: `show` and `plant` in place of each look. */
function simulate(program: string, script: string[]): string[] {
    const looks = script.flatMap((line) => (/^(expect|show|plant)\b/.test(line) ? ["show", "plant"] : [line]));
    const file = path.join(os.tmpdir(), `rungbox-web-${process.pid}.script`);
    fs.writeFileSync(file, [...looks, "show", "plant", ""].join("\n"));
    const out = execFileSync(sim, [program, file], { encoding: "utf8" });
    fs.unlinkSync(file);
    return out.split("\n").filter((line) => line !== "" && !line.startsWith("message"));
}

describe("examples give what rungbox-sim prints", () => {
    for (const name of fs.readdirSync(examplesDir).filter((f) => f.endsWith(".script"))) {
        const script = fs
            .readFileSync(path.join(examplesDir, name), "utf8")
            .split("\n")
            .map((line) => line.trim())
            .filter((line) => line !== "" && !line.startsWith("#"));
        // A script that loads data words (`set dm`, `set word`) asks for what the page's panel
        // has no control for; Check With Script runs it on the page as rungbox-sim does.
        const skip = script.some((line) => /^set\s/.test(line)) ? "the script loads data words" : false;
        test(name, { skip }, async () => {
            const program = path.join(examplesDir, name.replace(/\.script$/, ".PLC"));
            const expected = simulate(program, script);
            const page = await openPage();
            await menu(page, "File", path.basename(program));
            await page.waitForFunction((title) => document.title.startsWith(title), {}, path.basename(program));
            assert.deepEqual(await replay(page, script), expected);
            await page.browserContext().close();
        });
    }
});

// --- Editing, files and links ------------------------------------------------------------------

describe("the page", () => {
    test("editor keys: typing, Enter, Backspace, undo and redo, lines, copy and paste", async () => {
        const page = await openPage();
        await page.click("#cell-1-1");
        await page.keyboard.type("LD NOT");
        await page.keyboard.press("Enter");
        await page.keyboard.type("105");
        await page.keyboard.press("Backspace");
        assert.deepEqual([await cellText(page, 1, 1), await cellText(page, 1, 2)], ["LD NOT", "10"]);
        await page.keyboard.down("Control");
        await page.keyboard.press("KeyZ");
        await page.keyboard.up("Control");
        assert.equal(await cellText(page, 1, 2), "", "one undo takes back the typed number");
        await page.keyboard.down("Control");
        await page.keyboard.press("KeyY");
        await page.keyboard.up("Control");
        assert.equal(await cellText(page, 1, 2), "10");
        // With line 1 selected, Insert puts a line before it and Delete takes it away again.
        await page.click("tbody tr:nth-child(1) th");
        await page.keyboard.press("Insert");
        assert.deepEqual([await cellText(page, 1, 1), await cellText(page, 2, 1)], ["", "LD NOT"]);
        await page.click("tbody tr:nth-child(1) th");
        await page.keyboard.press("Delete");
        assert.equal(await cellText(page, 1, 1), "LD NOT");
        // Copy line 1 as the clipboard's lines and paste them before line 3.
        await page.click("tbody tr:nth-child(1) th");
        const copied = await page.evaluate(() => {
            const data = new DataTransfer();
            document.dispatchEvent(new ClipboardEvent("copy", { clipboardData: data }));
            return data.getData("text/plain");
        });
        assert.equal(copied, "LD NOT\t10\t\n");
        await page.click("#cell-3-1");
        await page.evaluate((text) => {
            const data = new DataTransfer();
            data.setData("text/plain", text);
            document.dispatchEvent(new ClipboardEvent("paste", { clipboardData: data }));
        }, copied);
        assert.deepEqual([await cellText(page, 3, 1), await cellText(page, 3, 2)], ["LD NOT", "10"]);
        await page.keyboard.press("ArrowDown");
        assert.match((await page.$eval("[role=grid]", (g) => g.getAttribute("aria-activedescendant"))) ?? "", /^cell-\d+-1$/);
        await page.browserContext().close();
    });

    test("Load and Save As give back the file's bytes, as rungbox-sim saves them", async () => {
        const page = await openPage();
        const dir = fs.mkdtempSync(path.join(os.tmpdir(), "rungbox-web-"));
        const source = path.join(examplesDir, "traffic_light.PLC");
        const [chooser] = await Promise.all([page.waitForFileChooser(), menu(page, "File", "Load")]);
        await chooser.accept([source]);
        await page.waitForFunction(() => document.title.startsWith("traffic_light.PLC"));

        const cdp = await browser.target().createCDPSession();
        await cdp.send("Browser.setDownloadBehavior", {
            behavior: "allow",
            downloadPath: dir,
            eventsEnabled: true,
            browserContextId: (page.browserContext() as unknown as { id: string }).id,
        });
        const done = new Promise<void>((resolve) =>
            cdp.on("Browser.downloadProgress", (event) => event.state === "completed" && resolve()),
        );
        await menu(page, "File", "Save As");
        await done;
        const saved = fs.readFileSync(path.join(dir, "traffic_light.PLC"));
        execFileSync(sim, [source], { input: `save ${dir}/native.PLC\n` });
        assert.ok(saved.equals(fs.readFileSync(path.join(dir, "native.PLC"))));
        assert.ok(saved.equals(fs.readFileSync(source)));
        fs.rmSync(dir, { recursive: true });
        await cdp.detach();
        await page.browserContext().close();
    });

    test("a bad file gives the window's message, and the program stays", async () => {
        const page = await openPage();
        await menu(page, "File", "motor_latch.PLC");
        const bad = path.join(os.tmpdir(), `rungbox-bad-${process.pid}.PLC`);
        fs.writeFileSync(bad, "not a ladder program\r\n");
        const [chooser] = await Promise.all([page.waitForFileChooser(), menu(page, "File", "Load")]);
        await chooser.accept([bad]);
        await page.waitForSelector("dialog[open]");
        assert.deepEqual(await dialogText(page), { title: "rungbox", text: "Invalid Rungbox File" });
        await answer(page, "OK");
        assert.equal(await cellText(page, 1, 1), "LD");
        fs.unlinkSync(bad);
        await page.browserContext().close();
    });

    test("an edited program asks the save question before New; No empties the grid", async () => {
        const page = await openPage();
        await page.click("#cell-1-1");
        await page.keyboard.type("LD");
        await menu(page, "File", "New");
        await page.waitForSelector("dialog[open]");
        assert.deepEqual(await dialogText(page), {
            title: "rungbox",
            text: "The ladder code has changed.\nDo you want to save the ladder code?",
        });
        await answer(page, "Cancel");
        assert.equal(await cellText(page, 1, 1), "LD");
        await menu(page, "File", "New");
        await answer(page, "No");
        await page.waitForFunction(() => document.querySelector("#cell-1-1")?.textContent === "");
        await page.browserContext().close();
    });

    test("a share link opens its program, then leaves the address; a reload keeps the edits", async () => {
        const bytes = fs.readFileSync(path.join(examplesDir, "one_shot.PLC"));
        const context = await browser.createBrowserContext();
        const page = await context.newPage();
        await page.goto(`${base}#p=${bytes.toString("base64url")}`);
        await page.waitForFunction(() => document.title.startsWith("shared.PLC"));
        assert.equal(await page.evaluate(() => location.hash), "");
        assert.equal(await cellText(page, 1, 1), "LD");
        const located = await cellText(page, 1, 2);
        await page.click("#cell-1-2");
        await page.keyboard.type("7");
        await page.evaluate(() => rungboxTest.store());
        await page.reload();
        await page.waitForSelector('body[data-ready="1"]');
        assert.equal(await cellText(page, 1, 2), located + "7");
        assert.equal(await page.evaluate(() => document.title), "shared.PLC* - PLC Ladder Code");
        await context.close();
    });

    test("a share link carries the names file: opened, kept over a reload, copied; none without", async () => {
        const program = fs.readFileSync(path.join(examplesDir, "one_shot.PLC")).toString("base64url");
        const names = Buffer.from("0\tSTART\t<b>T\u00fcr</b>\n1000\tMOTOR\n").toString("base64url");
        const context = await browser.createBrowserContext();
        const page = await context.newPage();
        await page.goto(`${base}#p=${program}&n=${names}`);
        await page.waitForFunction(() => document.title.startsWith("shared.PLC"));
        assert.equal(await page.evaluate(() => rungboxTest.names()), names);
        await page.reload();
        await page.waitForSelector('body[data-ready="1"]');
        assert.equal(await page.evaluate(() => rungboxTest.names()), names);
        assert.equal(await page.evaluate(() => document.title), "shared.PLC - PLC Ladder Code");
        assert.equal(await page.evaluate(() => rungboxTest.shareLink()), `${base}#p=${program}&n=${names}`);
        // Without names, or with names that are no base64url, the program opens with none.
        for (const fragment of [`#p=${program}`, `#p=${program}&n=%3Cb%3E`]) {
            await page.goto(`${base}${fragment}`);
            await page.waitForFunction(() => location.hash === "");
            assert.equal(await page.evaluate(() => rungboxTest.names()), "", fragment);
            assert.equal(await page.evaluate(() => rungboxTest.shareLink()), `${base}#p=${program}`);
        }
        await context.close();
    });

    test("share fragments: padding optional, anything else is refused", async () => {
        const page = await openPage();
        const results = await page.evaluate(() => {
            const decode = (hash: string) => {
                const bytes = rungboxTest.programOfFragment(hash);
                return bytes === undefined ? "none" : bytes === null ? "bad" : Array.from(bytes).join(",");
            };
            const all = new Uint8Array(256).map((_, k) => k);
            const roundTrip = rungboxTest.programOfFragment("#p=" + rungboxTest.encodeBase64Url(all));
            return {
                cases: ["#p=QUJD", "#p=QUI", "#p=QUI=", "#p=QQ", "#p=QQ==", "#p=", "#x=QUJD", "",
                        "#p=QQ=", "#p=Q", "#p=QUJD=", "#p=QU+D", "#p=QU/D", "#p=Q!JD", "#p=QR", "#p=QUJ\u00e9"].map(decode),
                roundTrip: roundTrip ? Array.from(roundTrip).every((b, k) => b === k) && roundTrip.length === 256 : false,
            };
        });
        assert.deepEqual(results.cases, ["65,66,67", "65,66", "65,66", "65", "65", "", "none", "none",
                                         "bad", "bad", "bad", "bad", "bad", "bad", "bad", "bad"]);
        assert.ok(results.roundTrip);
        // A link that is no program gives the message of a bad file.
        await page.goto(`${base}#p=%3Cb%3Ehi`);
        await page.waitForSelector("dialog[open]");
        assert.deepEqual(await dialogText(page), { title: "rungbox", text: "Invalid Rungbox File" });
        await page.browserContext().close();
    });

    test("controls carry their names; the run locks the menus and enables the switches", async () => {
        const page = await openPage();
        const names = await page.evaluate(() => ({
            lamps: document.querySelectorAll('[role=img][aria-label^="Input "][data-on], [role=img][aria-label^="Output "][data-on]').length,
            switches: document.querySelectorAll('input[type=checkbox][aria-label^="Switch "]').length,
            displays: document.querySelectorAll('output[aria-label^="Timer "], output[aria-label^="Counter "]').length,
            grids: document.querySelectorAll("[role=grid]").length,
            timer: document.querySelector('[aria-label="Timer 7"]')?.textContent,
        }));
        assert.deepEqual(names, { lamps: 32, switches: 16, displays: 16, grids: 1, timer: "0.0" });
        await menu(page, "File", "motor_latch.PLC");
        const button = 'button[aria-label="Simulation"]';
        await page.focus(button);
        await page.keyboard.press("Space");
        const running = await page.evaluate(() => ({
            pressed: document.querySelector('[aria-label="Simulation"]')?.getAttribute("aria-pressed"),
            file: document.querySelector("#menubar .menu button")?.getAttribute("aria-disabled"),
            switchOn: !(document.querySelector('[aria-label="Switch 0"]') as HTMLInputElement).disabled,
        }));
        assert.deepEqual(running, { pressed: "true", file: "true", switchOn: true });
        await page.browserContext().close();
    });

    test("a run that was hidden says so when the page comes back", async () => {
        const page = await openPage();
        await menu(page, "File", "motor_latch.PLC");
        await page.click('button[aria-label="Simulation"]');
        const notice = await page.evaluate(() => {
            const show = (hidden: boolean) => {
                Object.defineProperty(document, "hidden", { value: hidden, configurable: true });
                document.dispatchEvent(new Event("visibilitychange"));
            };
            show(true);
            show(false);
            return document.querySelector("#notice")?.textContent;
        });
        assert.equal(notice, "The run was paused while the page was hidden.");
        await page.browserContext().close();
    });

    test("the one-file page works opened from disk", async () => {
        const file = path.resolve(webDir, "rungbox.html");
        const page = await openPage("file://" + file);
        assert.equal(await page.title(), "PLC Ladder Code");
        await menu(page, "File", "chaser.PLC");
        await page.waitForFunction(() => document.title.startsWith("chaser.PLC"));
        await page.browserContext().close();
    });
});
