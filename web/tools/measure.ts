// SPDX-License-Identifier: GPL-3.0-or-later
// The README's figures for the page (scripts/web.sh --bench): the 298-line scan in the browser,
// the CPU the page takes at the wide layout (stopped, running, paused, with a machine, with the
// timing diagram; beside a bare reference page measured in the same run, since the machine may
// be busy), the transfer size and the time to a usable page.
// Measurements, not tests: they read the wall clock and print what they see.

import * as fs from "fs";
import * as path from "path";
import * as zlib from "zlib";
import puppeteer, { Browser, Page } from "puppeteer-core";
import { serveStatic } from "./serve";
import { clickItem } from "./shoot";

const [webDir, benchScript] = process.argv.slice(2);
const sleep = (ms: number) => new Promise((resolve) => setTimeout(resolve, ms));

/** CPU seconds used so far by the browser's process `root` and all its descendants. */
function cpuSeconds(root: number): number {
    const stats = fs
        .readdirSync("/proc")
        .filter((name) => /^\d+$/.test(name))
        .map((pid) => {
            try {
                // Fields after the command's closing parenthesis: state ppid ... utime(12) stime(13).
                const text = fs.readFileSync(`/proc/${pid}/stat`, "utf8");
                const fields = text.slice(text.lastIndexOf(")") + 2).split(" ");
                return { pid: Number(pid), ppid: Number(fields[1]), ticks: Number(fields[11]) + Number(fields[12]) };
            } catch {
                return null; // the process has gone
            }
        })
        .filter((stat): stat is { pid: number; ppid: number; ticks: number } => stat !== null);
    const inTree = new Set([root]);
    for (let grown = true; grown; ) {
        grown = false;
        for (const stat of stats) {
            if (!inTree.has(stat.pid) && inTree.has(stat.ppid)) {
                inTree.add(stat.pid);
                grown = true;
            }
        }
    }
    const hz = 100; // USER_HZ on Linux
    return stats.filter((stat) => inTree.has(stat.pid)).reduce((sum, stat) => sum + stat.ticks, 0) / hz;
}

async function scanBench(browser: Browser): Promise<void> {
    const page = await browser.newPage();
    const line = new Promise<string>((resolve) =>
        page.on("console", (message) => message.text().startsWith("browser scan") && resolve(message.text())),
    );
    await page.addScriptTag({ path: path.resolve(benchScript) });
    console.log(await line);
    await page.close();
}

/** The wide layout, where the ladder diagram stands beside the panel (a common laptop screen). */
const kWide = { width: 1366, height: 768 };

/**
 * CPU over 10 s of a page at the wide layout, after `setUp` (which may start a run): the page's
 * own main thread (the renderer's task time, which holds the core's scans, the drawing and the
 * layout) and all the browser's processes together (compositing and the browser's own work too).
 */
async function cpu(browser: Browser, name: string, open: (page: Page) => Promise<void>, setUp: (page: Page) => Promise<void>): Promise<void> {
    const page: Page = await browser.newPage();
    await page.setViewport(kWide);
    await open(page);
    await setUp(page);
    const clock = () =>
        page.evaluate(() => (window as unknown as { rungboxTest?: { clockMs(): number } }).rungboxTest?.clockMs() ?? 0);
    const task = async () => (await page.metrics()).TaskDuration ?? 0;
    await sleep(2000);
    const pid = browser.process()?.pid ?? 0;
    const [all0, task0, clock0, wall0] = [cpuSeconds(pid), await task(), await clock(), Date.now()];
    await sleep(10000);
    const [all1, task1, clock1, wall1] = [cpuSeconds(pid), await task(), await clock(), Date.now()];
    const seconds = (wall1 - wall0) / 1000;
    const percent = (used: number) => ((used / seconds) * 100).toFixed(1) + " %";
    console.log(
        `${name}: page ${percent(task1 - task0)}, all browser processes ${percent(all1 - all0)} of a core, ` +
            `${((clock1 - clock0) / seconds).toFixed(0)} scans a second`,
    );
    await page.close();
}

/** Opens the page at `base` and clicks the menu items `items` (by their labels) in turn. */
function openWith(base: string, ...items: string[]): (page: Page) => Promise<void> {
    return async (page) => {
        await page.goto(base);
        await page.waitForSelector('body[data-ready="1"]');
        for (const label of items) {
            await clickItem(page, label);
        }
        await sleep(300);
    };
}

/** The reference for the page's figures: a bare page that changes one text node a frame. */
async function barePage(page: Page): Promise<void> {
    await page.setContent(
        "<!doctype html><p id=t>0</p><script>let n = 0; const t = document.getElementById('t');" +
            "(function f() { t.textContent = String(++n); requestAnimationFrame(f); })();</script>",
    );
}

const nothing = async (): Promise<void> => {};
const startRun = async (page: Page): Promise<void> => {
    await page.click('button[aria-label="Simulation"]');
};
/** Starts the run and pauses it at once (Debug > Pause): the run lamp blinks. */
const startPaused = async (page: Page): Promise<void> => {
    await startRun(page);
    await clickItem(page, "Pause");
};

async function readyTime(browser: Browser, base: string): Promise<void> {
    const times: number[] = [];
    for (let k = 0; k < 5; ++k) {
        const context = await browser.createBrowserContext();
        const page = await context.newPage();
        await page.setCacheEnabled(false);
        await page.goto(base);
        await page.waitForSelector('body[data-ready="1"]');
        times.push(Number(await page.evaluate(() => document.body.dataset.readyMs)));
        await context.close();
    }
    times.sort((a, b) => a - b);
    console.log(`usable after ${times[2]} ms (median of 5 loads on localhost, cache off)`);
}

function transferSize(): void {
    const files = ["index.html", "style.css", "examples.js", "translations.js", "rungbox-web.js", "rungbox-web.wasm", "rungbox.js"];
    let raw = 0;
    let gzip = 0;
    for (const file of files) {
        const bytes = fs.readFileSync(path.join(webDir, file));
        raw += bytes.length;
        gzip += zlib.gzipSync(bytes, { level: 9 }).length;
    }
    const single = fs.statSync(path.join(webDir, "rungbox.html")).size;
    const kb = (n: number) => (n / 1024).toFixed(0) + " KB";
    console.log(`transfer: ${kb(raw)} (${kb(gzip)} gzipped) in ${files.length} files; one-file form ${kb(single)}`);
}

(async () => {
    const server = await serveStatic(webDir, 0);
    const base = `http://127.0.0.1:${(server.address() as import("net").AddressInfo).port}/`;
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
        args: ["--no-sandbox", "--disable-gpu"],
    });
    try {
        transferSize();
        await scanBench(browser);
        await readyTime(browser, base);
        // All at the wide layout, the ladder diagram shown beside the panel.
        const light = openWith(base, "traffic_light.PLC");
        await cpu(browser, "bare page changing one text node a frame (reference)", barePage, nothing);
        await cpu(browser, "stopped traffic_light.PLC", light, nothing);
        await cpu(browser, "running traffic_light.PLC", light, startRun);
        await cpu(browser, "paused traffic_light.PLC", light, startPaused);
        await cpu(browser, "running conveyor.PLC with the Conveyor", openWith(base, "conveyor.PLC", "Conveyor"), startRun);
        await cpu(browser, "running traffic_light.PLC, Timing Diagram open", openWith(base, "traffic_light.PLC", "Timing Diagram"), startRun);
    } finally {
        await browser.close();
        server.close();
    }
})();
