// SPDX-License-Identifier: GPL-3.0-or-later
// The README's figures for the page (scripts/web.sh --bench): the 298-line scan in the browser,
// the CPU the page takes while a run goes on, the transfer size and the time to a usable page.
// Measurements, not tests: they read the wall clock and print what they see.

import * as fs from "fs";
import * as path from "path";
import * as zlib from "zlib";
import puppeteer, { Browser, Page } from "puppeteer-core";
import { serveStatic } from "./serve";

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

/**
 * CPU over 10 s with `example` loaded (and `module` chosen), running or stopped: the page's own
 * main thread (the renderer's task time, which holds the core's scans, the drawing and the
 * layout) and all the browser's processes together (compositing and the browser's own work too).
 */
async function cpu(browser: Browser, base: string, example: string, running: boolean, module?: string): Promise<void> {
    const page: Page = await browser.newPage();
    await page.goto(base);
    await page.waitForSelector('body[data-ready="1"]');
    await page.evaluate(
        (example, module) => {
            const item = (label: string) =>
                Array.from(document.querySelectorAll<HTMLElement>("[role=menu] button")).find(
                    (b) => b.querySelector("span")?.textContent === label,
                );
            item(example)?.click();
            if (module) {
                item(module)?.click();
            }
        },
        example,
        module ?? "",
    );
    await sleep(300);
    if (running) {
        await page.click('button[aria-label="Simulation"]');
    }
    const clock = () => page.evaluate(() => (window as unknown as { rungboxTest: { clockMs(): number } }).rungboxTest.clockMs());
    const task = async () => (await page.metrics()).TaskDuration ?? 0;
    await sleep(2000);
    const pid = browser.process()?.pid ?? 0;
    const [all0, task0, clock0, wall0] = [cpuSeconds(pid), await task(), await clock(), Date.now()];
    await sleep(10000);
    const [all1, task1, clock1, wall1] = [cpuSeconds(pid), await task(), await clock(), Date.now()];
    const seconds = (wall1 - wall0) / 1000;
    const percent = (used: number) => ((used / seconds) * 100).toFixed(1) + " %";
    console.log(
        `${running ? "running" : "stopped"} ${example}${module ? " with " + module : ""}: ` +
            `page ${percent(task1 - task0)}, all browser processes ${percent(all1 - all0)} of a core, ` +
            `${((clock1 - clock0) / seconds).toFixed(0)} scans a second`,
    );
    await page.close();
}

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
    const files = ["index.html", "style.css", "examples.js", "rungbox-web.js", "rungbox-web.wasm", "rungbox.js"];
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
        await cpu(browser, base, "traffic_light.PLC", false);
        await cpu(browser, base, "traffic_light.PLC", true);
        await cpu(browser, base, "conveyor.PLC", true, "Conveyor");
    } finally {
        await browser.close();
        server.close();
    }
})();
