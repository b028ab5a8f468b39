// SPDX-License-Identifier: GPL-3.0-or-later
// Checking and proving on the page: a script's tests listed as rungbox-sim reports them for the
// same program, a hidden test showing only its result, a script carried by a share link (and
// forgotten with its program), a long one checked in the worker within its bound and cancelled,
// the page's own run untouched; Compare With Program finding a difference (whose script rungbox-sim
// replays: the reference passes, the candidate fails) and finding none; Prove Properties; a
// Cancel; and the one-file page from disk exploring too.

import { strict as assert } from "assert";
import { spawnSync } from "child_process";
import * as fs from "fs";
import * as os from "os";
import * as path from "path";
import { describe, test } from "node:test";
import { Page } from "puppeteer-core";
import { examplesDir, menu, openPage, showLine, sim, webDir } from "./harness";

interface CheckHook {
    explorePaced(): void;
    exploreOnPage(): void;
    exploreMode(): string;
    checkMode(): string;
    shareLink(): string;
    clockMs(): number;
    encodeBase64Url(bytes: Uint8Array): string;
}

interface Row {
    name: string;
    result: string;
    points: string;
    expected: string;
    got: string;
    when: string;
    title: string;
}

const tmp = fs.mkdtempSync(path.join(os.tmpdir(), "rungbox-check-"));

function writeScript(name: string, text: string): string {
    const file = path.join(tmp, name);
    fs.writeFileSync(file, text);
    return file;
}

/** Opens `file` with the browser's picker that menu item `top` > `item` shows. */
async function pick(page: Page, top: string, item: string, file: string): Promise<void> {
    const [chooser] = await Promise.all([page.waitForFileChooser(), menu(page, top, item)]);
    await chooser.accept([file]);
}

/** Waits for the check under way to list its tests. */
async function checked(page: Page): Promise<void> {
    await page.waitForSelector('section[aria-label="Check With Script"]:not([hidden]):not([aria-busy])');
}

function rows(page: Page): Promise<Row[]> {
    return page.$$eval('section[aria-label="Check With Script"] table[aria-label="Tests"] tbody tr', (trs) =>
        trs.map((tr) => {
            const [name, result, points, expected, got, when] = Array.from(tr.querySelectorAll("td")).map((td) => td.textContent ?? "");
            return { name, result, points, expected, got, when, title: tr.querySelector("td")?.title ?? "" };
        }),
    );
}

function checkText(page: Page, selector: string): Promise<string> {
    return page.$eval(`section[aria-label="Check With Script"] ${selector}`, (el) =>
        (el as HTMLElement).hidden ? "" : el.textContent ?? "",
    );
}

/** What a check must leave as it was: the panel, the switches, the clock, the program. */
async function pageState(page: Page): Promise<string[]> {
    const switches = await page.$$eval('input[aria-label^="Switch "]', (boxes) =>
        boxes.map((b) => ((b as HTMLInputElement).checked ? "1" : "0")).join(""),
    );
    const hook = await page.evaluate(() => {
        const h = rungboxTest as unknown as CheckHook & { programBytes(): string };
        return [String(h.clockMs()), h.programBytes()];
    });
    return [await showLine(page), switches, ...hook];
}

/** The tests rungbox-sim's JSON report gives for `program` and `script`. */
function simTests(program: string, script: string): { name: string; score: number; max_score: number; status: string; output: string }[] {
    const run = spawnSync(sim, ["--json", "-", program, script], { encoding: "utf8" });
    return JSON.parse(run.stdout).tests;
}

describe("Check With Script", () => {
    // Programs checked with their own scripts and with another's (failures with details).
    const cases = [
        { program: "motor_latch.PLC", script: "motor_latch.script" },
        { program: "one_shot.PLC", script: "one_shot.script" },
        { program: "motor_latch.PLC", script: "one_shot.script" },
        { program: "traffic_light.PLC", script: "traffic_light.script" },
        { program: "car_park_words.PLC", script: "car_park_words.script" },
    ];
    for (const { program, script } of cases) {
        test(`${program} with ${script} lists what rungbox-sim reports`, async () => {
            const page = await openPage();
            await menu(page, "File", program);
            const before = await pageState(page);
            await pick(page, "File", "Check With Script...", path.join(examplesDir, script));
            await checked(page);
            const expected = simTests(path.join(examplesDir, program), path.join(examplesDir, script));
            const listed = await rows(page);
            assert.deepEqual(
                listed.map((r) => ({
                    name: r.name,
                    points: r.points,
                    status: r.result,
                    output: r.result === "passed" ? "passed" : `expected ${r.expected}, got ${r.got} (${r.when})`,
                })),
                expected.map((t) => ({ name: t.name, points: `${t.score}/${t.max_score}`, status: t.status, output: t.output })),
            );
            const score = expected.reduce((sum, t) => sum + t.score, 0);
            const most = expected.reduce((sum, t) => sum + t.max_score, 0);
            assert.equal(await checkText(page, ".check-score"), `${score} of ${most} points`);
            assert.equal(await checkText(page, "h2"), `Check With Script: ${script}`);
            // The check ran in a session of its own: the page's panel and clock are as they were.
            assert.deepEqual(await pageState(page), before);
            await page.browserContext().close();
        });
    }

    test("a hidden test shows only passed or failed; scripts without tests and refused ones say so", async () => {
        const page = await openPage();
        // On the page's thread, as where no worker can be had: the same list.
        await page.evaluate(() => (rungboxTest as unknown as CheckHook).exploreOnPage());
        await menu(page, "File", "motor_latch.PLC");
        const hidden = writeScript(
            "hidden.script",
            "press\nscan\ntest shown 2\nexpect out 1000000000000000\ntest secret 3 hidden\nexpect out 0000000000000000\n" +
                "test kept hidden\nexpect out 0100000000000000\n",
        );
        await pick(page, "File", "Check With Script...", hidden);
        await checked(page);
        const listed = await rows(page);
        assert.deepEqual(
            listed.map((r) => [r.name, r.result, r.points, r.expected, r.got, r.when]),
            [
                ["shown", "failed", "0/2", "out 1000000000000000", "0100000000000000", "line 4, scan 1, 0 ms"],
                ["secret", "failed", "0/3", "", "", ""],
                ["kept", "passed", "1/1", "", "", ""],
            ],
        );
        assert.equal(listed[1].title, "A hidden test: only its result shows");
        assert.equal(await checkText(page, ".check-score"), "1 of 6 points");
        assert.equal(await checkText(page, ".check-message"), "");

        const messages = [
            { text: "press\nscan\n", message: "The script has no tests, and ran to its end." },
            { text: "press\nwobble\ntest a\n", message: "The script was refused: rungbox-sim: line 2: " },
        ];
        for (const { text, message } of messages) {
            await pick(page, "File", "Check With Script...", writeScript("other.script", text));
            await page.waitForFunction(
                (m) => document.querySelector('section[aria-label="Check With Script"] .check-message')?.textContent?.startsWith(m),
                {},
                message,
            );
        }
        assert.deepEqual(await rows(page), []);
        assert.equal(await page.evaluate(() => (rungboxTest as unknown as CheckHook).checkMode()), "page");
        await page.browserContext().close();
    });

    test("a share link carries the script beside the program, and Copy Share Link keeps it", async () => {
        const program = fs.readFileSync(path.join(examplesDir, "motor_latch.PLC"));
        const script = fs.readFileSync(path.join(examplesDir, "motor_latch.script"));
        const first = await openPage();
        const link = await first.evaluate(
            (p, s) => {
                const bytes = (b: number[]) => rungboxTest.encodeBase64Url(new Uint8Array(b));
                return `${location.href.replace(/#.*$/, "")}#p=${bytes(p)}&s=${bytes(s)}`;
            },
            Array.from(program),
            Array.from(script),
        );
        await first.browserContext().close();
        const page = await openPage(link);
        await checked(page);
        assert.equal(await checkText(page, "h2"), "Check With Script: shared.script");
        assert.equal(await checkText(page, ".check-score"), "6 of 6 points");
        // The link of the page now carries the script it checked with.
        const again = await page.evaluate(() => rungboxTest.shareLink());
        assert.equal(again.split("#")[1], link.split("#")[1]);
        // Another program: the list was about the one before.
        await menu(page, "File", "New");
        await page.waitForSelector('section[aria-label="Check With Script"][hidden]');
        assert.deepEqual(await rows(page), []);
        await page.browserContext().close();
    });

    test("a share link's long script checks in the worker: bounded with a message, with progress and Cancel", async () => {
        const first = await openPage();
        const linkOf = (script: string) =>
            first.evaluate((s) => {
                const bytes = (text: string) => rungboxTest.encodeBase64Url(new Uint8Array(Array.from(text, (c) => c.charCodeAt(0))));
                return `${location.href.replace(/#.*$/, "")}#p=${bytes("QZV_RUNGBOX_MAGIC\r\n1.00\r\nEND\r\n")}&s=${bytes(s)}`;
            }, script);
        const [bounded, long] = [await linkOf("press\nwait 100000000\n"), await linkOf("press\nwait 3500000\n")];
        await first.browserContext().close();

        const page = await openPage(bounded);
        await checked(page);
        assert.equal(
            await checkText(page, ".check-message"),
            "The script has no tests, and stopped: rungbox-sim: line 2: wait: a check may simulate at most 3600000 ms " +
                "(a scan or a tick counts as 1 ms); this line would pass that",
        );
        await page.browserContext().close();

        // A long check goes in the worker: the page's own clock and hook answer meanwhile.
        const busy = await openPage(long);
        assert.equal(await busy.evaluate(() => (rungboxTest as unknown as CheckHook).clockMs()), 0);
        await checked(busy);
        assert.equal(await checkText(busy, ".check-message"), "The script has no tests, and ran to its end.");
        assert.equal(await checkText(busy, ".explore-progress"), "", "the progress line goes with the check");
        assert.equal(await busy.evaluate(() => (rungboxTest as unknown as CheckHook).checkMode()), "worker");
        await busy.browserContext().close();

        // Cancel ends the check under way (paced, it waits in its worker for the Cancel).
        const page2 = await openPage();
        await page2.evaluate(() => (rungboxTest as unknown as CheckHook).explorePaced());
        await pick(page2, "File", "Check With Script...", writeScript("long.script", "press\nwait 3500000\n"));
        await page2.waitForFunction(
            () => document.querySelector('section[aria-label="Check With Script"] [role=status]')?.textContent === "Checking: 0 ms of simulated time",
        );
        await page2.$$eval('section[aria-label="Check With Script"] button', (buttons) => buttons.find((b) => b.textContent === "Cancel")?.click());
        assert.equal(await checkText(page2, "[role=status]"), "Cancelled.");
        assert.equal(await page2.$eval('section[aria-label="Check With Script"]', (s) => s.getAttribute("aria-busy")), null);
        assert.deepEqual(await rows(page2), []);
        await page2.browserContext().close();
    });
});

/** Waits for the exploration's end and answers its result text. */
async function exploreResult(page: Page): Promise<string> {
    await page.waitForFunction(() => {
        const status = document.querySelector('section[aria-label="Explore"] [role=status]')?.textContent ?? "";
        return status === "Done." || status === "Cancelled.";
    });
    return page.$eval('section[aria-label="Explore"] pre[aria-label="Result"]', (pre) => pre.textContent ?? "");
}

/** The counterexample script at the end of a result. */
function scriptOf(result: string): string {
    const marker = "The counterexample as a rungbox-sim script:\n";
    assert.ok(result.includes(marker), result);
    return result.slice(result.indexOf(marker) + marker.length);
}

async function compareWith(page: Page, reference: string): Promise<void> {
    await pick(page, "Tools", "Compare With Program...", path.join(examplesDir, reference));
}

describe("Compare With Program and Prove Properties", () => {
    // In a worker of its own, and on the page's thread where no worker can be had.
    for (const mode of ["worker", "page"]) {
        test(`a difference found (${mode}) comes with a script the reference passes and the candidate fails`, async () => {
            const page = await openPage();
            if (mode === "page") {
                await page.evaluate(() => (rungboxTest as unknown as CheckHook).exploreOnPage());
            }
            await menu(page, "File", "motor_latch.PLC");
            await compareWith(page, "one_shot.PLC");
            const result = await exploreResult(page);
            assert.match(result, /^Reference: one_shot\.PLC\nCandidate: the program in the grid\n\nDifferent: relay 10\d\d /);
            const file = writeScript(`counterexample-${mode}.script`, scriptOf(result));
            const replay = (program: string) => spawnSync(sim, [path.join(examplesDir, program), file]).status;
            assert.deepEqual([replay("one_shot.PLC"), replay("motor_latch.PLC")], [0, 4]);
            const saveEnabled = await page.$$eval('section[aria-label="Explore"] button', (buttons) =>
                buttons.some((b) => b.textContent === "Save Script..." && !(b as HTMLButtonElement).disabled),
            );
            assert.ok(saveEnabled);
            assert.equal(await page.evaluate(() => (rungboxTest as unknown as CheckHook).exploreMode()), mode);
            await page.browserContext().close();
        });
    }

    test("the same program is equivalent, without a script", async () => {
        const page = await openPage();
        await menu(page, "File", "traffic_light.PLC");
        await compareWith(page, "traffic_light.PLC");
        const result = await exploreResult(page);
        assert.match(result, /\n\nEquivalent: every reachable joint state visited/);
        assert.ok(!result.includes("rungbox-sim script"));
        await page.browserContext().close();
    });

    test("a property that fails comes with its counterexample; one that holds says so", async () => {
        const page = await openPage();
        await menu(page, "File", "motor_latch.PLC");
        await menu(page, "Tools", "Prove Properties...");
        await page.$eval('textarea[aria-label="Properties"]', (area) => ((area as HTMLTextAreaElement).value = "never 1000 & 1001\nnever 1000\n"));
        await page.$$eval('section[aria-label="Explore"] button', (buttons) => buttons.find((b) => b.textContent === "Prove")?.click());
        const result = await exploreResult(page);
        assert.match(result, /^Holds: never 1000 & 1001\nViolated: never 1000 after /);
        const file = writeScript("violation.script", scriptOf(result));
        assert.equal(spawnSync(sim, [path.join(examplesDir, "motor_latch.PLC"), file]).status, 0);
        // Properties refused: the reason is the result, and nothing was explored.
        for (const [typed, reason] of [["# none\n", "No property."], ["never 1000\nsometimes 1000\n", "line 2: "]]) {
            await page.$eval('textarea[aria-label="Properties"]', (area, t) => ((area as HTMLTextAreaElement).value = t), typed);
            await page.$$eval('section[aria-label="Explore"] button', (buttons) => buttons.find((b) => b.textContent === "Prove")?.click());
            await page.waitForFunction(
                (r) => document.querySelector('section[aria-label="Explore"] pre[aria-label="Result"]')?.textContent?.startsWith(r),
                {},
                reason,
            );
            assert.equal(
                await page.$eval('section[aria-label="Explore"] [role=status]', (s) => s.textContent),
                "Refused.",
            );
        }
        await page.browserContext().close();
    });

    test("properties take the program's names", async () => {
        const page = await openPage();
        await menu(page, "File", "gate.PLC"); // with gate.names
        await menu(page, "Tools", "Prove Properties...");
        await page.$eval('textarea[aria-label="Properties"]', (area) => ((area as HTMLTextAreaElement).value = "never MOTOR_OPEN & MOTOR_CLOSE\n"));
        await page.$$eval('section[aria-label="Explore"] button', (buttons) => buttons.find((b) => b.textContent === "Prove")?.click());
        assert.match(await exploreResult(page), /^Holds: never MOTOR_OPEN & MOTOR_CLOSE\n/);
        await page.browserContext().close();
    });

    test("Cancel stops the exploration between two chunks", async () => {
        const page = await openPage();
        await menu(page, "File", "traffic_light.PLC");
        await page.evaluate(() => (rungboxTest as unknown as CheckHook).explorePaced());
        await compareWith(page, "chaser.PLC");
        // Paced, the exploration waits after its start: the Cancel comes between two chunks.
        await page.waitForFunction(() =>
            /^\d+ states, every sequence/.test(document.querySelector('section[aria-label="Explore"] [role=status]')?.textContent ?? ""),
        );
        await page.$$eval('section[aria-label="Explore"] button', (buttons) => buttons.find((b) => b.textContent === "Cancel")?.click());
        const result = await exploreResult(page);
        assert.match(result, /^Cancelled\.\nReference: chaser\.PLC\n/);
        assert.ok(!result.includes("rungbox-sim script"));
        await page.browserContext().close();
    });

    const single = path.resolve(webDir, "rungbox.html");
    test("the one-file page opened from disk explores in a worker of its own", { skip: !fs.existsSync(single) }, async () => {
        const page = await openPage("file://" + single);
        await menu(page, "File", "motor_latch.PLC");
        await compareWith(page, "one_shot.PLC");
        assert.match(await exploreResult(page), /\n\nDifferent: /);
        assert.equal(await page.evaluate(() => (rungboxTest as unknown as CheckHook).exploreMode()), "worker");
        await page.browserContext().close();
    });
});
