// SPDX-License-Identifier: GPL-3.0-or-later
// Exercise packs on the page: a published pack opened from a file and from the page's own site
// ("#pack="), its exercises listed and a statement drawn; each exercise's work kept apart over
// a reload, Check changing its state, Reset Exercise, the hand-in downloaded and read back, the
// page's own program back when the pack closes; hostile packs refused or shown as text; the
// printed sheet; the panel on a desktop and on a phone.

import { strict as assert } from "assert";
import * as fs from "fs";
import * as os from "os";
import * as path from "path";
import { after, describe, test } from "node:test";
import { Page } from "puppeteer-core";
import { spawnSync } from "child_process";
import { answer, base, browser, cellText, dialogText, examplesDir, menu, openPage, sim, webDir } from "./harness";

interface PackHook {
    packAddressOfFragment(hash: string): string | null | undefined;
    currentExercise(): string;
    programBytes(): string;
}

const tmp = fs.mkdtempSync(path.join(os.tmpdir(), "rungbox-pack-"));
/** Where the served page's site holds the published pack, taken away after the tests. */
const siteDir = path.join(webDir, "packs", path.basename(tmp));
const shots = process.env.RUNGBOX_SHOTS ?? tmp;

after(() => fs.rmSync(siteDir, { recursive: true, force: true }));

/** A `.rbxpack` of `files`, as the core writes one. */
function packFile(files: Record<string, Buffer | string>): string {
    const encoded = Object.fromEntries(Object.entries(files).map(([name, bytes]) => [name, Buffer.from(bytes).toString("base64")]));
    return JSON.stringify({ format: "rungbox-pack-file", version: 1, files: encoded });
}

/** examples/pack as its students get it: without the model solutions and hidden tests. */
function published(): Record<string, Buffer> {
    const dir = path.join(examplesDir, "pack");
    const names = fs.readdirSync(dir).filter((name) => !/\.(solution\.PLC|hidden\.script)$/.test(name));
    return Object.fromEntries(names.map((name) => [name, fs.readFileSync(path.join(dir, name))]));
}

function writeFile(name: string, text: string): string {
    const file = path.join(tmp, name);
    fs.writeFileSync(file, text);
    return file;
}

const region = 'section[aria-label="Exercises"]';

async function openFromFile(page: Page, file: string): Promise<void> {
    const [chooser] = await Promise.all([page.waitForFileChooser(), menu(page, "File", "Open Exercise Pack...")]);
    await chooser.accept([file]);
}

/** The exercises listed: title, state, and whether it is the one shown. */
function exercises(page: Page): Promise<string[]> {
    return page.$$eval(`${region} [aria-label="Exercise list"] button`, (buttons) =>
        buttons.map((b) => {
            const [title, state] = Array.from(b.querySelectorAll("span")).map((s) => s.textContent);
            return `${b.getAttribute("aria-current") === "true" ? "*" : " "}${title}: ${state}`;
        }),
    );
}

async function choose(page: Page, title: string): Promise<void> {
    const buttons = await page.$$(`${region} [aria-label="Exercise list"] button`);
    for (const button of buttons) {
        if ((await button.evaluate((b) => b.querySelector("span")?.textContent)) === title) {
            await button.click();
            return;
        }
    }
    assert.fail("no exercise " + title);
}

async function press(page: Page, label: string): Promise<void> {
    const buttons = await page.$$(`${region} button`);
    for (const button of buttons) {
        if ((await button.evaluate((b) => b.textContent)) === label) {
            await button.click();
            return;
        }
    }
    assert.fail("no button " + label);
}

/** Types `text` from cell (line, col) on, each cell emptied first; Enter goes to the next. */
async function typeAt(page: Page, line: number, col: number, text: string): Promise<void> {
    await page.click(`#cell-${line}-${col}`);
    for (const cell of text.split("\n").slice(0, -1)) {
        await page.keyboard.press("Delete");
        await page.keyboard.type(cell + "\n");
    }
}

async function reload(page: Page): Promise<void> {
    await page.reload();
    await page.waitForSelector('body[data-ready="1"]');
    await page.evaluate(() => rungboxTest.holdClock());
}

function hook<T>(page: Page, call: (h: PackHook) => T): Promise<T> {
    return page.evaluate(`(${call.toString()})(rungboxTest)`) as Promise<T>;
}

/** The latch's model solution, typed cell by cell from line 1. */
const kLatchSolution = "LD\n0\n\nOR\n1000\n\nAND NOT\n1\n\nOUT\n1000\n\nLD NOT\n1000\n\nOUT\n1001\n\nEND\n";

describe("exercise packs", () => {
    const packPath = writeFile("first-week.rbxpack", packFile(published()));

    test("a pack from a file lists its exercises and draws the statement; the panel on a desktop and a phone", async () => {
        const page = await openPage();
        await page.setViewport({ width: 1280, height: 800 });
        await openFromFile(page, packPath);
        await page.waitForSelector(`${region}:not([hidden])`);
        assert.deepEqual(await exercises(page), [
            "*1. A motor latch: not started",
            " 2. One button, on and off: not started",
            " 3. Five parts to a box: not started",
            " 4. A traffic light: not started",
            " 5. The House Gate: not started",
        ]);
        const statement = await page.$eval(`${region} article[aria-label="Statement"]`, (el) => ({
            headings: Array.from(el.querySelectorAll("h3")).map((h) => h.textContent),
            header: Array.from(el.querySelectorAll("table th")).map((th) => th.textContent),
            strong: el.querySelector("strong")?.textContent,
        }));
        assert.deepEqual(statement, { headings: ["1. A motor latch", "A motor latch"], header: ["terminal", "what it is"], strong: "start" });
        // The starter is the program, with its names.
        assert.deepEqual([await cellText(page, 1, 1), await cellText(page, 2, 2)], ["LD", "1000"]);
        assert.equal(await page.title(), "latch.PLC - PLC Ladder Code");
        await page.screenshot({ path: path.join(shots, "pack-desktop.png") });
        await page.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true });
        await page.$eval(region, (el) => el.scrollIntoView());
        await page.screenshot({ path: path.join(shots, "pack-phone.png") });
        const box = await page.$eval(region, (el) => el.getBoundingClientRect().width);
        assert.ok(box <= 390, "the panel fits the phone's width: " + box);
        await page.browserContext().close();
    });

    test("work is kept per exercise over a reload; Check, Reset Exercise and Hand In; the page's program comes back", async () => {
        fs.mkdirSync(siteDir, { recursive: true });
        fs.copyFileSync(packPath, path.join(siteDir, "pack.rbxpack"));
        const page = await openPage();
        await typeAt(page, 1, 1, "LD\n3\n");
        await page.evaluate(() => rungboxTest.store());
        await page.goto(`${base}#pack=packs/${path.basename(siteDir)}/`);
        await page.waitForSelector(`${region}:not([hidden])`);

        await typeAt(page, 1, 1, kLatchSolution);
        await press(page, "Check");
        await page.waitForFunction(
            (r) => document.querySelector(`${r} [aria-current="true"] .course-state`)?.textContent === "all visible tests pass",
            {},
            region,
        );
        const latch = await hook(page, (h) => h.programBytes());
        await choose(page, "2. One button, on and off");
        await typeAt(page, 12, 1, "LD\n5\n");
        await press(page, "Check");
        await page.waitForFunction(
            (r) => /of \d+ visible tests pass$/.test(document.querySelector(`${r} [aria-current="true"] .course-state`)?.textContent ?? ""),
            {},
            region,
        );
        const oneShot = await hook(page, (h) => h.programBytes());
        const oneShotState = (await exercises(page))[1];
        await choose(page, "3. Five parts to a box");
        await typeAt(page, 12, 1, "LD\n6\n");

        // Offline, or gone from the site: the copy kept opens.
        fs.rmSync(path.join(siteDir, "pack.rbxpack"));
        await reload(page);
        assert.equal(await hook(page, (h) => h.currentExercise()), "counter");
        assert.deepEqual([await cellText(page, 12, 1), await cellText(page, 12, 2)], ["LD", "6"]);
        const states = await exercises(page);
        assert.deepEqual(states.slice(0, 3), [" 1. A motor latch: all visible tests pass", oneShotState.replace("*", " "), "*3. Five parts to a box: edited"]);
        await choose(page, "1. A motor latch");
        assert.equal(await hook(page, (h) => h.programBytes()), latch);

        // The hand-in: every exercise, the work as typed, the checks made.
        const dir = fs.mkdtempSync(path.join(tmp, "download-"));
        const cdp = await browser.target().createCDPSession();
        await cdp.send("Browser.setDownloadBehavior", {
            behavior: "allow",
            downloadPath: dir,
            eventsEnabled: true,
            browserContextId: (page.browserContext() as unknown as { id: string }).id,
        });
        const done = new Promise<void>((resolve) => cdp.on("Browser.downloadProgress", (e) => e.state === "completed" && resolve()));
        await press(page, "Hand In");
        await done;
        await cdp.detach();
        const handin = JSON.parse(fs.readFileSync(path.join(dir, "first-week.rbxsub"), "utf8"));
        assert.deepEqual([handin.format, handin.version, handin.pack], ["rungbox-handin", 1, { id: "first-week", title: "A first week of ladder logic" }]);
        assert.deepEqual(Object.keys(handin.exercises).sort(), ["counter", "gate", "latch", "one_shot", "traffic"]);
        const program = (id: string) => Buffer.from(handin.exercises[id].program, "base64").toString("latin1");
        assert.equal(program("latch"), latch);
        assert.equal(program("one_shot"), oneShot);
        assert.equal(program("traffic"), fs.readFileSync(path.join(examplesDir, "pack", "traffic.PLC"), "latin1"));
        assert.deepEqual(handin.exercises.latch.checks, { runs: 1, passed: 2, tests: 2 });
        const [, passed, tests] = /(\d+) of (\d+)/.exec(oneShotState) ?? [];
        assert.deepEqual(handin.exercises.one_shot.checks, { runs: 1, passed: Number(passed), tests: Number(tests) });
        assert.equal(Buffer.from(handin.exercises.gate.names, "base64").toString(), fs.readFileSync(path.join(examplesDir, "pack", "gate.names"), "utf8"));
        // The teacher grades it with one command: the latch typed whole earns every point, the
        // gate left at its starter only its visible test's.
        const graded = spawnSync(sim, ["grade", "--pack", path.join(examplesDir, "pack"), path.join(dir, "first-week.rbxsub")], { encoding: "utf8" });
        assert.equal(graded.status, 4, graded.stderr);
        assert.match(graded.stdout, /^ {2}latch: 6\/6 points$/m);
        assert.match(graded.stdout, /^ {2}gate: 2\/6 points$/m);

        // Reset Exercise asks, then puts the starter back; No leaves the work.
        await press(page, "Reset Exercise");
        assert.equal((await dialogText(page))?.title, "Reset Exercise");
        await answer(page, "No");
        assert.equal(await cellText(page, 2, 1), "OR");
        await press(page, "Reset Exercise");
        await answer(page, "Yes");
        assert.equal(await cellText(page, 2, 1), "OUT");
        assert.equal((await exercises(page))[0], "*1. A motor latch: not started");

        // Closing the pack brings back the page's own program.
        await menu(page, "File", "Close Exercise Pack");
        assert.equal(await page.$eval(region, (el) => (el as HTMLElement).hidden), true);
        assert.deepEqual([await cellText(page, 1, 1), await cellText(page, 1, 2)], ["LD", "3"]);
        await reload(page);
        assert.equal(await page.$eval(region, (el) => (el as HTMLElement).hidden), true);
        await page.browserContext().close();
    });

    test("a hostile pack is refused or shown as text: no script runs, no element of its markup exists", async () => {
        const files = published();
        files["latch.md"] = Buffer.from(
            "# Hostile <b>bold</b> F\u00f6rderband \u2713\n\n<script>window.pwned = 1</script>\n\n<img src=x onerror=\"window.pwned = 2\">\n\n" +
                "[click](javascript:window.pwned=3) [mail](mailto:t@example.org) [web](https://example.org)\n\n" +
                "![secret](../secret.png) ![plain](pic.png)\n",
        );
        files["pic.png"] = fs.readFileSync(path.join(webDir, "icon-192.png"));
        const page = await openPage();
        await openFromFile(page, writeFile("hostile.rbxpack", packFile(files)));
        await page.waitForSelector(`${region}:not([hidden])`);
        const seen = await page.$eval(`${region} article`, (el) => ({
            pwned: (window as unknown as { pwned?: number }).pwned ?? 0,
            markup: el.querySelectorAll("b, script, [onerror], a[href^=javascript]").length,
            links: Array.from(el.querySelectorAll("a")).map((a) => `${a.getAttribute("href")} ${a.rel} ${a.target}`),
            images: Array.from(el.querySelectorAll("img")).map((i) => `${i.alt} ${i.src.slice(0, 5)}`),
            text: el.textContent ?? "",
        }));
        assert.equal(seen.pwned, 0);
        assert.equal(seen.markup, 0);
        assert.deepEqual(seen.links, ["mailto:t@example.org noopener noreferrer _blank", "https://example.org noopener noreferrer _blank"]);
        assert.deepEqual(seen.images, ["plain blob:"]);
        assert.ok(seen.text.includes("<script>window.pwned = 1</script>") && seen.text.includes("Hostile <b>bold</b> F\u00f6rderband \u2713"), seen.text);

        // What is no pack is refused with the core's reason; the pack open stays.
        const escape = JSON.stringify({ format: "rungbox-pack-file", version: 1, files: { "../pack.json": "e30=" } });
        const huge = { ...published(), "big.png": Buffer.alloc(5 << 20) };
        for (const [name, text, why] of [
            ["broken.rbxpack", "{not json", "not JSON"],
            ["escape.rbxpack", escape, "../pack.json"],
            ["huge.rbxpack", packFile(huge), "big.png"],
        ]) {
            await openFromFile(page, writeFile(name, text));
            await page.waitForSelector("dialog[open]");
            const box = await dialogText(page);
            assert.equal(box?.title, "Open Exercise Pack");
            assert.ok(box?.text.startsWith("This exercise pack cannot be opened") && box.text.includes(why), box?.text);
            await answer(page, "OK");
        }
        assert.equal(await page.$eval(`${region} h2`, (h) => h.textContent), "A first week of ladder logic");

        // Only the page's own site: a relative path without "..", "//" or a scheme.
        const addresses = await hook(page, (h) =>
            ["#pack=packs/w3/", "#pack=packs/w3", "#pack=w3/first.rbxpack", "#pack=https://evil.example/", "#pack=//evil.example/p/",
                "#pack=../p/", "#pack=p/../../x/", "#pack=/abs/", "#pack=javascript:alert(1)", "#p=abc"].map((f) => h.packAddressOfFragment(f) ?? String(h.packAddressOfFragment(f))),
        );
        assert.deepEqual(addresses, ["packs/w3/pack.rbxpack", "packs/w3/pack.rbxpack", "w3/first.rbxpack", ...Array(6).fill("null"), "undefined"]);
        await page.goto(`${base}#pack=https://evil.example/`);
        await page.waitForSelector("dialog[open]");
        assert.equal((await dialogText(page))?.title, "Open Exercise Pack");
        await page.browserContext().close();
    });

    test("the printed sheet: the file, the exercise, the listing, the rungs and the names; nothing of the page", async () => {
        const page = await openPage();
        await page.setViewport({ width: 1000, height: 1400 });
        await openFromFile(page, packPath);
        await page.waitForSelector(`${region}:not([hidden])`);
        await typeAt(page, 1, 1, kLatchSolution);
        // File > Print makes the sheet and asks the browser to print.
        await page.evaluate(() => (window.print = () => document.body.setAttribute("data-printed", "1")));
        await menu(page, "File", "Print");
        assert.equal(await page.$eval("body", (b) => [b.dataset.printed, document.querySelector(".print-sheet h1")?.textContent].join()), "1,latch.PLC");
        await page.evaluate(() => document.querySelector(".print-sheet")?.replaceChildren());
        await page.emulateMediaType("print");
        await page.waitForSelector(".print-sheet h1");
        const sheet = await page.evaluate(() => {
            const sheet = document.querySelector(".print-sheet") as HTMLElement;
            const shown = (selector: string) => getComputedStyle(document.querySelector(selector) as HTMLElement).display !== "none";
            return {
                shown: [shown(".print-sheet"), shown(".window")],
                title: sheet.querySelector("h1")?.textContent,
                caption: sheet.querySelector("header p")?.textContent?.split(" \u2014 ")[0],
                listing: Array.from(sheet.querySelectorAll('table[aria-label="Listing"] tbody tr')).map((tr) =>
                    Array.from(tr.querySelectorAll("td")).map((td) => td.textContent).join("|"),
                ),
                rungs: sheet.querySelectorAll(".print-rung svg").length,
                breaks: getComputedStyle(sheet.querySelector(".print-rung") as HTMLElement).breakInside,
                names: Array.from(sheet.querySelectorAll('table[aria-label="Names"] tbody tr')).length,
            };
        });
        assert.deepEqual(sheet.shown, [true, false]);
        assert.equal(sheet.title, "latch.PLC");
        assert.equal(sheet.caption, "A first week of ladder logic: 1. A motor latch");
        assert.equal(sheet.listing.length, 7);
        assert.match(sheet.listing[0], /^1\|LD\|0\|\|.*START/);
        assert.equal(sheet.rungs, 3);
        assert.equal(sheet.breaks, "avoid");
        assert.ok(sheet.names >= 3);
        await page.screenshot({ path: path.join(shots, "pack-print.png"), fullPage: true });
        await page.browserContext().close();
    });
});
