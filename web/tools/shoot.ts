// SPDX-License-Identifier: GPL-3.0-or-later
// What the README's pictures of the page share (scripts/web.sh --screenshot): the page served,
// headless Chromium at a given size, the page opened with its clock held, a scene set by the
// caller and the part of the page it names photographed into the target file.

import puppeteer, { Page } from "puppeteer-core";
import { serveStatic } from "./serve";

/** The page's test hook, as far as scenes use it (app.ts, testHook). */
export interface SceneHook {
    holdClock(): void;
    advance(ms: number): Promise<void>;
}

/**
 * Opens the page at `width` × `height`, lets `scene` set it up and answer the rectangle to keep
 * (null: the whole viewport), and writes it to `target` as PNG.
 */
export async function shoot(
    webDir: string,
    target: string,
    size: { width: number; height: number; deviceScaleFactor?: number },
    scene: (page: Page) => Promise<{ x: number; y: number; width: number; height: number } | null>,
): Promise<void> {
    const server = await serveStatic(webDir, 0);
    const base = `http://127.0.0.1:${(server.address() as import("net").AddressInfo).port}/`;
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
        args: ["--no-sandbox", "--disable-gpu", "--font-render-hinting=none"],
    });
    try {
        const page = await browser.newPage();
        await page.setViewport(size);
        await page.goto(base);
        await page.waitForSelector('body[data-ready="1"]');
        await page.evaluate(() => (window as unknown as { rungboxTest: SceneHook }).rungboxTest.holdClock());
        const clip = await scene(page);
        await page.screenshot({ path: target, ...(clip ? { clip } : {}) });
    } finally {
        await browser.close();
        server.close();
    }
}

/** Clicks menu item `label` (any menu), as a user would after opening its menu. */
export async function clickItem(page: Page, label: string): Promise<void> {
    await page.evaluate((label) => {
        Array.from(document.querySelectorAll<HTMLElement>("[role=menu] button"))
            .find((b) => b.querySelector("span")?.textContent === label)
            ?.click();
    }, label);
}

/** The House Gate's program running with its machine, a car at the gate and the gate opening
 * after 3.5 s of run time (moved by the hook, so the picture is the same every time). The menu
 * items `open` are chosen before the run starts (Timing Diagram, say). */
export async function gateScene(page: Page, open: string[] = []): Promise<void> {
    await clickItem(page, "gate.PLC");
    await page.waitForFunction(() => document.title.startsWith("gate.PLC"));
    for (const item of ["House Gate", ...open]) {
        await clickItem(page, item);
    }
    await page.evaluate(async () => {
        const hook = (window as unknown as { rungboxTest: SceneHook }).rungboxTest;
        document.querySelector<HTMLElement>('[aria-label="Simulation"]')?.click();
        const buttons = Array.from(document.querySelectorAll<HTMLButtonElement>(".machine-buttons button"));
        buttons.find((b) => b.textContent === "Car")?.click();
        const remote = buttons.find((b) => b.textContent === "Remote");
        remote?.dispatchEvent(new PointerEvent("pointerdown"));
        remote?.dispatchEvent(new PointerEvent("pointerup"));
        await hook.advance(3500);
    });
}
