// SPDX-License-Identifier: GPL-3.0-or-later
// View > Timing Diagram on the page: a recording made with given inputs downloads as the VCD
// rungbox-sim writes for the same script; zoom, and the cursor reading each row's value as the
// VCD has it; a signal removed and added back; the PNG and SVG downloads; the panel kept
// within a phone's width; and an extended program's data words drawn as buses.

import { strict as assert } from "assert";
import { execFileSync } from "child_process";
import * as fs from "fs";
import * as os from "os";
import * as path from "path";
import { describe, test } from "node:test";
import { Page } from "puppeteer-core";
import { browser, examplesDir, menu, openPage, sim } from "./harness";

interface TimingHook {
    timingCursor(): number;
    timingZoom(): number;
}
/** A call of the page's test hook that the timing diagram adds (timing.ts, testHook). */
function hook(page: Page, name: keyof TimingHook): Promise<number> {
    return page.evaluate((name) => (window as unknown as { rungboxTest: TimingHook }).rungboxTest[name](), name);
}

/** The traffic light run for 12.5 s: switch 0 on at the start, off at 12 s, then stopped. */
const script = ["press", "in 0 1", "wait 12000", "in 0 0", "wait 500", "press"];

/** Downloads into a folder of their own; `take(name)` waits for the file and answers its bytes. */
async function downloads(page: Page): Promise<{ take(name: string, click: () => Promise<void>): Promise<Buffer>; done(): Promise<void> }> {
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), "rungbox-timing-"));
    const cdp = await browser.target().createCDPSession();
    await cdp.send("Browser.setDownloadBehavior", {
        behavior: "allow",
        downloadPath: dir,
        eventsEnabled: true,
        browserContextId: (page.browserContext() as unknown as { id: string }).id,
    });
    return {
        async take(name, click) {
            const done = new Promise<void>((resolve) =>
                cdp.on("Browser.downloadProgress", (event) => event.state === "completed" && resolve()),
            );
            await click();
            await done;
            return fs.readFileSync(path.join(dir, name));
        },
        async done() {
            await cdp.detach();
            fs.rmSync(dir, { recursive: true });
        },
    };
}

function clickButton(page: Page, label: string): Promise<void> {
    return page.evaluate((label) => {
        const panel = document.querySelector('section[aria-label="Timing Diagram"]');
        Array.from(panel?.querySelectorAll("button") ?? []).find((b) => b.textContent === label)?.click();
    }, label);
}

/** Plays `lines` (press, in N V, wait MS: rungbox-sim's script words) on the page. */
async function play(page: Page, lines: string[]): Promise<void> {
    for (const line of lines) {
        const [word, a, b] = line.split(" ");
        if (word === "press") {
            await page.$eval('button[aria-label="Simulation"]', (el) => (el as HTMLElement).click());
        } else if (word === "in") {
            const selector = `input[aria-label="Switch ${a}"]`;
            if ((await page.$eval(selector, (el) => (el as HTMLInputElement).checked)) !== (b === "1")) {
                await page.$eval(selector, (el) => (el as HTMLElement).click());
            }
        } else if (word === "wait") {
            await page.evaluate((ms) => rungboxTest.advance(ms), Number(a));
        }
    }
}

/** Opens the traffic light, the timing diagram (which switches Record on) and plays `script`. */
async function recordTrafficLight(): Promise<Page> {
    const page = await openPage();
    await menu(page, "File", "traffic_light.PLC");
    await page.waitForFunction(() => document.title.startsWith("traffic_light.PLC"));
    await menu(page, "View", "Timing Diagram");
    await play(page, script);
    return page;
}

/** Each signal's value at `ms` as a VCD file has it, by name (bits 0/1, numbers as decimal). */
function vcdValues(vcd: string, ms: number): Map<string, string> {
    const names = new Map<string, string[]>();
    const values = new Map<string, string>();
    let time = 0;
    for (const line of vcd.split("\n")) {
        const declared = /^\$var \w+ \d+ (\S+) (\S+)/.exec(line);
        if (declared) {
            names.set(declared[1], [...(names.get(declared[1]) ?? []), declared[2]]);
        } else if (line.startsWith("#")) {
            time = Number(line.slice(1));
        } else if (time <= ms && /^[01x]\S+$/.test(line)) {
            values.set(line.slice(1), line[0]);
        } else if (time <= ms && line.startsWith("b")) {
            const [bits, code] = line.slice(1).split(" ");
            values.set(code, String(parseInt(bits, 2)));
        }
    }
    const byName = new Map<string, string>();
    for (const [code, list] of names) {
        list.forEach((name) => byName.set(name, values.get(code) ?? "x"));
    }
    return byName;
}

/** The rows of the diagram: [name, value at the cursor (or "")]. */
function rows(page: Page): Promise<[string, string][]> {
    return page.$$eval(".timing-row", (groups) =>
        groups.map((g) => [g.getAttribute("data-name") ?? "", g.querySelector(".timing-value")?.textContent ?? ""] as [string, string]),
    );
}

describe("the timing diagram", () => {
    test("a recording on the page downloads as the VCD rungbox-sim writes for the same script", async () => {
        const page = await recordTrafficLight();
        const files = await downloads(page);
        const vcd = await files.take("traffic_light_timing.vcd", () => clickButton(page, "Export Timing as VCD"));
        await files.done();

        const dir = fs.mkdtempSync(path.join(os.tmpdir(), "rungbox-sim-"));
        fs.writeFileSync(path.join(dir, "run.script"), script.join("\n") + "\n");
        execFileSync(sim, ["--vcd", path.join(dir, "native.vcd"), path.join(examplesDir, "traffic_light.PLC"), path.join(dir, "run.script")]);
        const native = fs.readFileSync(path.join(dir, "native.vcd"));
        fs.rmSync(dir, { recursive: true });
        assert.ok(vcd.length > 1000, "the VCD holds the run");
        assert.equal(vcd.toString("latin1"), native.toString("latin1"));
        await page.browserContext().close();
    });

    test("zoom, and the cursor reads every row's value as the VCD has it", async () => {
        const page = await recordTrafficLight();
        const files = await downloads(page);
        const vcd = (await files.take("traffic_light_timing.vcd", () => clickButton(page, "Export Timing as VCD"))).toString("latin1");
        await files.done();

        // The program's signals come first: in0, the three lamps and the three timers.
        const shown = (await rows(page)).map(([name]) => name);
        assert.deepEqual(shown, ["in0", "out0", "out1", "out2", "tim0_done", "tim1_done", "tim2_done", "tim0", "tim1", "tim2"]);

        await clickButton(page, "Fit");
        const fitted = await hook(page, "timingZoom");
        assert.ok(fitted * ((await page.$eval(".timing-scroll", (s) => s.clientWidth)) - 150) >= 12500, "Fit shows the whole run");
        await clickButton(page, "Zoom In");
        await clickButton(page, "Zoom In");
        assert.equal(await hook(page, "timingZoom"), fitted / 4);
        await clickButton(page, "Zoom Out");
        assert.equal(await hook(page, "timingZoom"), fitted / 2);
        await clickButton(page, "Fit");

        // A click in the waveforms puts the cursor there; the arrow keys move it a millisecond.
        const box = (await (await page.$('svg[aria-label="Timing diagram"]'))!.boundingBox())!;
        await page.mouse.click(box.x + 150 + 7000 / fitted, box.y + 60);
        const clicked = await hook(page, "timingCursor");
        assert.ok(Math.abs(clicked - 7000) <= fitted + 1, `cursor at ${clicked} ms`);
        await page.focus(".timing-scroll");
        await page.keyboard.press("ArrowRight");
        await page.keyboard.press("ArrowRight");
        const cursor = await hook(page, "timingCursor");
        assert.equal(cursor, clicked + 2);
        assert.equal(await page.$eval(".timing-time", (t) => t.textContent), `t = ${cursor} ms`);
        // Seconds for timers, as their displays; the rest as the VCD has them.
        const expected = vcdValues(vcd, cursor);
        for (const [name, value] of await rows(page)) {
            const raw = expected.get(name) ?? "?";
            assert.equal(value, /^tim\d$/.test(name) ? (Number(raw) / 10).toFixed(1) : raw, name);
        }
        // In ticks on request.
        await clickButton(page, "Ticks");
        const tim0 = (await rows(page)).find(([name]) => name === "tim0")?.[1];
        assert.equal(tim0, expected.get("tim0"));
        await page.browserContext().close();
    });

    test("a signal removed and added back, a refusal that says why, and Record off", async () => {
        const page = await recordTrafficLight();
        const signal = async (text: string, button: string) => {
            await page.$eval('input[aria-label="Signal"]', (el, text) => ((el as HTMLInputElement).value = text), text);
            await clickButton(page, button);
            return page.$eval(".timing-status", (s) => s.textContent ?? "");
        };
        const names = async () => (await rows(page)).map(([name]) => name);
        await signal("out1", "Remove");
        assert.ok(!(await names()).includes("out1"));
        assert.match(await signal("out1", "Remove"), /^Not shown: "out1"\.$/);
        await signal("1001", "Add");
        assert.ok((await names()).includes("out1"), "added back, by its address");
        assert.match(await signal("in7", "Add"), /^Recording/);
        assert.equal((await names()).slice(-1)[0], "in7", "a signal the program does not use comes after its own");
        assert.match(await signal("in7", "Add"), /in7 is shown already\./);
        assert.match(await signal("<b>x</b>", "Add"), /^Not a signal: "<b>x<\/b>"/);
        assert.equal(await page.$$eval(".timing-status b", (b) => b.length), 0, "shown as text");
        // Clicking a name puts it into the field, ready to remove.
        const box = (await (await page.$('svg[aria-label="Timing diagram"]'))!.boundingBox())!;
        await page.mouse.click(box.x + 20, box.y + 40 + 26 + 10);
        assert.equal(await page.$eval('input[aria-label="Signal"]', (el) => (el as HTMLInputElement).value), "out0");

        // Record off: a new run leaves the recording as it was.
        assert.match(await signal("in7", "Remove"), /^Recording/);
        await clickButton(page, "Record");
        assert.equal(await page.$eval(".timing-bar button", (b) => b.getAttribute("aria-pressed")), "false");
        await page.$eval('button[aria-label="Simulation"]', (el) => (el as HTMLElement).click());
        await page.evaluate(() => rungboxTest.advance(1000));
        assert.match(await page.$eval(".timing-status", (s) => s.textContent ?? ""), /^Not recording · \d+ signals · 0 to 12500 ms, 12500 scans$/);
        await page.browserContext().close();
    });

    test("the picture downloads as well-formed PNG and SVG of the diagram's size", async () => {
        const page = await recordTrafficLight();
        const size = await page.$eval('svg[aria-label="Timing diagram"]', (s) => [Number(s.getAttribute("width")), Number(s.getAttribute("height"))]);
        assert.equal(size[1], 40 + 10 * 26, "the axis and the program's ten rows");
        const files = await downloads(page);
        const png = await files.take("traffic_light_timing.png", () => clickButton(page, "Export Timing as PNG"));
        const svg = (await files.take("traffic_light_timing.svg", () => clickButton(page, "Export Timing as SVG"))).toString("utf8");
        await files.done();
        assert.ok(png.subarray(0, 8).equals(Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a])), "PNG signature");
        assert.equal(png.toString("latin1", 12, 16), "IHDR");
        assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], size);
        assert.ok(png.length > 2000, "a picture with something in it");
        const parsed = await page.evaluate((text) => {
            const doc = new DOMParser().parseFromString(text, "image/svg+xml");
            const root = doc.documentElement;
            return {
                error: doc.getElementsByTagName("parsererror").length,
                root: root.localName,
                namespace: root.namespaceURI,
                labels: Array.from(root.querySelectorAll(".timing-label")).map((t) => t.textContent),
            };
        }, svg);
        assert.deepEqual(parsed.error, 0);
        assert.equal(parsed.root, "svg");
        assert.equal(parsed.namespace, "http://www.w3.org/2000/svg");
        assert.equal(parsed.labels.length, 10);
        await page.browserContext().close();
    });

    test("with every signal shown, the rows scroll under an axis that stays", async () => {
        const page = await openPage(); // nothing typed: all 64 signals are rows
        await menu(page, "View", "Timing Diagram");
        const seen = () =>
            page.evaluate(() => {
                const scroller = document.querySelector(".timing-scroll") as HTMLElement;
                const svg = document.querySelector('svg[aria-label="Timing diagram"]') as SVGElement;
                return {
                    first: document.querySelector(".timing-row")?.getAttribute("data-name"),
                    drawn: document.querySelectorAll(".timing-row").length,
                    axisAtTop: Math.abs(svg.getBoundingClientRect().top - scroller.getBoundingClientRect().top) < 2,
                };
            });
        const top = await seen();
        assert.equal(top.first, "in0");
        assert.ok(top.drawn < 64, `only the rows that fit are drawn (${top.drawn})`);
        await page.$eval(".timing-scroll", (s) => s.scrollBy(0, 10 * 26));
        await page.waitForFunction(() => document.querySelector(".timing-row")?.getAttribute("data-name") !== "in0");
        assert.deepEqual(await seen(), { ...top, first: "in10" });
        await page.browserContext().close();
    });

    test("on a phone's width the waveforms scroll inside the panel, never widening the page", async () => {
        const page = await recordTrafficLight();
        await page.setViewport({ width: 390, height: 844 });
        const pageWidth = () => page.evaluate(() => document.documentElement.scrollWidth);
        const before = await pageWidth();
        for (let k = 0; k < 4; ++k) {
            await clickButton(page, "Zoom In");
        }
        const widths = await page.evaluate(() => {
            const scroller = document.querySelector(".timing-scroll") as HTMLElement;
            const panel = document.querySelector('section[aria-label="Timing Diagram"]') as HTMLElement;
            return { room: (document.getElementById("tools") as HTMLElement).clientWidth, panel: panel.getBoundingClientRect().width, inner: scroller.scrollWidth, shown: scroller.clientWidth };
        });
        assert.ok(widths.panel <= widths.room, `panel ${widths.panel} px wide in ${widths.room}`);
        assert.ok(widths.inner > 4 * widths.shown, "the waveforms are wider than the panel and scroll in it");
        assert.equal(await pageWidth(), before);
        await page.browserContext().close();
    });

    test("an extended program's words are buses with their values, each written within its segment", async () => {
        const page = await openPage();
        const file = path.resolve(examplesDir, "../docs/words_timing.PLC");
        const [chooser] = await Promise.all([page.waitForFileChooser(), menu(page, "File", "Load")]);
        await chooser.accept([file]);
        await page.waitForFunction(() => document.title.startsWith("words_timing.PLC"));
        await menu(page, "View", "Timing Diagram");
        const lines = fs.readFileSync(file.replace(/\.PLC$/, ".script"), "latin1").split("\n");
        await play(page, lines.filter((line) => !line.startsWith("#")));
        await clickButton(page, "Fit");

        // The words the program writes are rows of their own, named by their words.
        const names = (await rows(page)).map(([name]) => name);
        assert.ok(names.includes("DM0100") && names.includes("HR2_word"), names.join(" "));
        assert.ok(await page.$('g.timing-row[aria-label="DM0100"]'), "the row's accessible name");
        if (process.env.RUNGBOX_WORDS_SHOT) {
            await (await page.$('section[aria-label="Timing Diagram"]'))!.screenshot({ path: process.env.RUNGBOX_WORDS_SHOT });
        }
        // Every value the count took is written on the bus, in hexadecimal, inside its segment.
        const drawn = await page.evaluate(() => {
            const waves = document.querySelector(".timing-waves") as SVGSVGElement;
            const buses = Array.from(waves.querySelectorAll("polyline"))
                .map((p) => (p.getAttribute("points") ?? "").split(" ").map((xy) => xy.split(",").map(Number)))
                .filter((points) => points.length === 7)
                .map((points) => ({ x0: points[0][0], x1: points[3][0], high: points[1][1], low: points[4][1] }));
            return Array.from(waves.querySelectorAll("text")).map((t) => {
                const box = (t as SVGTextElement).getBBox();
                const middle = box.y + box.height / 2;
                const bus = buses.find((b) => b.x0 <= box.x + box.width / 2 && box.x + box.width / 2 <= b.x1 && b.high <= middle && middle <= b.low);
                return { text: t.textContent ?? "", inside: bus !== undefined && bus.x0 <= box.x && box.x + box.width <= bus.x1 };
            });
        });
        const texts = drawn.map((d) => d.text);
        for (const value of ["#0000", "#0001", "#0005", "#0006", "#0105"]) {
            assert.ok(texts.includes(value), `${value} among ${texts.join(" ")}`);
        }
        assert.deepEqual(
            drawn.filter((d) => !d.inside),
            [],
            "every value lies within its segment",
        );

        // A segment too narrow for its value shows none rather than one that spills over.
        for (let k = 0; k < 6; ++k) {
            await clickButton(page, "Zoom Out");
        }
        const spilled = await page.evaluate(() => Array.from(document.querySelectorAll(".timing-waves text")).map((t) => t.textContent));
        assert.ok(!spilled.includes("#0003"), "zoomed out, the short counts are not written");
        await page.browserContext().close();
    });
});
