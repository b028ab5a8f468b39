// SPDX-License-Identifier: GPL-3.0-or-later
// Runs that are not the page's own in a timing diagram: a failed test's row of Check With Script
// opens its run with the cursor at the failure, reading what the test got there (a hidden test's
// row opens nothing); a counterexample of Compare With Program opens both runs, which differ at
// the end, and downloads the dump they were drawn from.

import { strict as assert } from "assert";
import * as fs from "fs";
import * as os from "os";
import * as path from "path";
import { describe, test } from "node:test";
import { Page } from "puppeteer-core";
import { examplesDir, menu, openPage } from "./harness";

const tmp = fs.mkdtempSync(path.join(os.tmpdir(), "rungbox-trace-"));

async function pick(page: Page, top: string, item: string, file: string): Promise<void> {
    const [chooser] = await Promise.all([page.waitForFileChooser(), menu(page, top, item)]);
    await chooser.accept([file]);
}

/** What a diagram panel shows: its time at the cursor, and each row's label and value there. */
interface Diagram {
    captions: string[];
    buttons: string[];
    /** Per recording: the cursor's time and scan texts and the rows. */
    runs: { time: string; scan: string; rows: Record<string, string> }[];
}

function diagram(page: Page, title: string): Promise<Diagram | null> {
    return page.evaluate((title) => {
        const panel = document.querySelector(`section[aria-label="${title}"]`) as HTMLElement | null;
        if (!panel || panel.hidden) {
            return null;
        }
        const runs = Array.from(panel.querySelectorAll('svg[role="img"]')).map((svg) => ({
            time: svg.querySelector(".timing-time")?.textContent ?? "",
            scan: svg.querySelector(".timing-time")?.nextElementSibling?.textContent ?? "",
            rows: Object.fromEntries(
                Array.from(svg.querySelectorAll(".timing-row")).map((g) => [g.getAttribute("aria-label") ?? "", g.querySelector(".timing-value")?.textContent ?? ""]),
            ),
        }));
        return {
            captions: Array.from(panel.querySelectorAll(".timing-caption")).map((h) => h.textContent ?? ""),
            buttons: Array.from(panel.querySelectorAll("button")).map((b) => b.textContent ?? ""),
            runs,
        };
    }, title);
}

function testRow(page: Page, name: string): Promise<string> {
    return page.evaluate((name) => {
        const rows = Array.from(document.querySelectorAll('section[aria-label="Check With Script"] tbody tr'));
        const index = rows.findIndex((r) => r.querySelector("td")?.textContent === name);
        return `section[aria-label="Check With Script"] tbody tr:nth-child(${index + 1})`;
    }, name);
}

function clickIn(page: Page, section: string, label: string): Promise<void> {
    return page.evaluate(
        (section, label) => {
            const panel = document.querySelector(`section[aria-label="${section}"]`);
            Array.from(panel?.querySelectorAll("button") ?? []).find((b) => b.textContent === label)?.click();
        },
        section,
        label,
    );
}

describe("Timing diagrams of other runs", () => {
    test("a failed test's row opens its run at the failure, reading what the test got; a hidden one opens nothing", async () => {
        const page = await openPage();
        await menu(page, "File", "motor_latch.PLC");
        const script = path.join(tmp, "latch.script");
        // The start button latches the motor at 30 ms; the tests expect it off 20 ms later.
        fs.writeFileSync(
            script,
            "press\nscan\nwait 30\nin 0 1\nscan\nin 0 0\nwait 20\ntest held 2\nexpect out 0100000000000000\n" +
                "test secret 1 hidden\nexpect out 0000000000000000\ntest fine\nexpect relay 1000 1\n",
        );
        await pick(page, "File", "Check With Script...", script);
        await page.waitForSelector('section[aria-label="Check With Script"]:not([hidden]):not([aria-busy])');
        const [got, when] = await page.$eval(await testRow(page, "held"), (tr) => [(tr as HTMLTableRowElement).cells[4].textContent ?? "", (tr as HTMLTableRowElement).cells[5].textContent ?? ""]);
        const failedAt = /, (\d+) ms$/.exec(when)?.[1];
        assert.ok(failedAt && Number(failedAt) >= 50, when);
        // The recording gives each scan a millisecond of its own: the cursor is on the failing scan.
        const failedScan = /scan (\d+)/.exec(when)?.[1];

        // Opened by a double-click, by Enter on the row, and by the button for the row chosen.
        const title = "Timing Diagram: held failed";
        const opens = [
            async () => page.click(await testRow(page, "held"), { clickCount: 2 }),
            async () => {
                await page.focus(await testRow(page, "held"));
                await page.keyboard.press("Enter");
            },
            async () => {
                await page.click(await testRow(page, "held"));
                await clickIn(page, "Check With Script", "Timing Diagram");
            },
        ];
        for (const open of opens) {
            await open();
            const shown = await diagram(page, title);
            assert.ok(shown, "the diagram opened");
            assert.equal(shown.runs[0].scan, `scan ${failedScan}`);
            // The lamps' rows read at the cursor what the test got.
            assert.deepEqual([shown.runs[0].rows.out0, shown.runs[0].rows.out1], [got[0], got[1]]);
            assert.ok(!shown.buttons.includes("Record") && !shown.buttons.includes("Add"), "read-only");
            await clickIn(page, title, "Close");
            assert.equal(await diagram(page, title), null);
        }

        // A hidden test's run would tell what it tries: its row opens nothing.
        await page.click(await testRow(page, "secret"), { clickCount: 2 });
        await page.click(await testRow(page, "fine"), { clickCount: 2 });
        assert.equal(await diagram(page, "Timing Diagram: secret failed"), null);
        assert.equal(await diagram(page, "Timing Diagram: fine failed"), null);
        assert.equal(await page.$eval(await testRow(page, "secret"), (tr) => (tr as HTMLElement).tabIndex), -1);
        const disabled = await page.$$eval('section[aria-label="Check With Script"] button', (bs) =>
            bs.find((b) => b.textContent === "Timing Diagram")?.hasAttribute("disabled"),
        );
        assert.equal(disabled, true);
        // The page's own run is not recorded by looking at the check's.
        assert.equal(await page.$('section[aria-label="Timing Diagram"]:not([hidden])'), null);
        await page.browserContext().close();
    });

    for (const mode of ["worker", "page"]) {
        test(`a counterexample (${mode}) opens both runs, differing at the end, and downloads their dump`, async () => {
            const page = await openPage();
            if (mode === "page") {
                await page.evaluate(() => (rungboxTest as unknown as { exploreOnPage(): void }).exploreOnPage());
            }
            await menu(page, "File", "motor_latch.PLC");
            await pick(page, "Tools", "Compare With Program...", path.join(examplesDir, "one_shot.PLC"));
            await page.waitForFunction(() => document.querySelector('section[aria-label="Explore"] [role=status]')?.textContent === "Done.");
            const result = await page.$eval('section[aria-label="Explore"] pre', (pre) => pre.textContent ?? "");
            const relay = Number(/Different: relay (\d+)/.exec(result)?.[1]);
            assert.ok(relay >= 1000 && relay < 1016, result);
            await clickIn(page, "Explore", "Timing Diagram");
            const title = "Counterexample (a scan a millisecond)";
            const shown = await diagram(page, title);
            assert.ok(shown);
            assert.deepEqual(shown.captions, ["Reference", "Candidate"]);
            const [reference, candidate] = shown.runs;
            const lamp = `out${relay - 1000}`;
            assert.equal(reference.time, candidate.time, "one cursor for both");
            assert.ok(reference.time !== "", "the cursor is on the last step");
            assert.notEqual(reference.rows[lamp], candidate.rows[lamp], `${lamp} differs at ${reference.time}`);
            assert.deepEqual([reference.rows[lamp], candidate.rows[lamp]].sort(), ["0", "1"]);

            const vcd = await page.evaluate(async (title) => {
                let saved: Promise<string> | null = null;
                const w = window as unknown as { offerDownload: (name: string, blob: Blob) => void };
                w.offerDownload = (name, blob) => (saved = blob.text().then((text) => name + "\n" + text));
                const panel = document.querySelector(`section[aria-label="${title}"]`);
                Array.from(panel?.querySelectorAll("button") ?? []).find((b) => b.textContent === "Export Timing as VCD")?.click();
                return saved ?? "";
            }, title);
            assert.match(vcd, /^counterexample\.vcd\n\$version rungbox \$end\n/);
            assert.ok(vcd.includes("$scope module reference $end") && vcd.includes("$scope module candidate $end"));
            assert.ok(vcd.includes(` ${lamp} $end`));
            await page.browserContext().close();
        });
    }
});
