// SPDX-License-Identifier: GPL-3.0-or-later
// docs/web.png, the README's picture of the page: the House Gate's program running with its
// machine, a car at the gate and the gate opening (scripts/web.sh --screenshot).

import puppeteer from "puppeteer-core";
import { serveStatic } from "./serve";

const [webDir, target] = process.argv.slice(2);

(async () => {
    const server = await serveStatic(webDir, 0);
    const base = `http://127.0.0.1:${(server.address() as import("net").AddressInfo).port}/`;
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
        args: ["--no-sandbox", "--disable-gpu", "--font-render-hinting=none"],
    });
    try {
        const page = await browser.newPage();
        await page.setViewport({ width: 1180, height: 800 });
        await page.goto(base);
        await page.waitForSelector('body[data-ready="1"]');
        // The run's time moves only by the hook, so the picture is the same every time.
        await page.evaluate(async () => {
            const hook = (window as unknown as { rungboxTest: { holdClock(): void; advance(ms: number): Promise<void> } }).rungboxTest;
            hook.holdClock();
            const item = (label: string) =>
                Array.from(document.querySelectorAll<HTMLElement>("[role=menu] button")).find(
                    (b) => b.querySelector("span")?.textContent === label,
                );
            item("gate.PLC")?.click();
            await new Promise((resolve) => setTimeout(resolve, 100));
            item("House Gate")?.click();
            document.querySelector<HTMLElement>('[aria-label="Simulation"]')?.click();
            const buttons = Array.from(document.querySelectorAll<HTMLButtonElement>(".machine-buttons button"));
            buttons.find((b) => b.textContent === "Car")?.click();
            const remote = buttons.find((b) => b.textContent === "Remote");
            remote?.dispatchEvent(new PointerEvent("pointerdown"));
            remote?.dispatchEvent(new PointerEvent("pointerup"));
            await hook.advance(3500);
        });
        const box = await page.evaluate(() => {
            const r = document.querySelector(".window")!.getBoundingClientRect();
            const m = document.querySelector(".machine")!.getBoundingClientRect();
            const l = document.querySelector(".ladder")!.getBoundingClientRect();
            return { width: Math.max(l.right, m.right) + 8, height: Math.max(r.top + 8, m.bottom + 8) };
        });
        await page.screenshot({ path: target, clip: { x: 0, y: 0, width: box.width, height: box.height } });
    } finally {
        await browser.close();
        server.close();
    }
})();
