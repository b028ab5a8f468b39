// SPDX-License-Identifier: GPL-3.0-or-later
// What every test file of the page shares: the page served and one headless Chromium for the
// file, a fresh page with its clock held, the menus, the panel read as rungbox-sim prints it, the
// open message box. Time moves only through the page's test hook, never with the wall clock.
//
// Needs RUNGBOX_WEB_DIR (the built page), RUNGBOX_SIM (a native rungbox-sim) and Chromium at
// /usr/bin/chromium (or CHROMIUM).

import { strict as assert } from "assert";
import { after, before } from "node:test";
import puppeteer, { Browser, Page } from "puppeteer-core";
import { serveStatic } from "../tools/serve";

import * as path from "path";

export const webDir = process.env.RUNGBOX_WEB_DIR ?? "build/web";
export const sim = process.env.RUNGBOX_SIM ?? "build/release/app/rungbox-sim";
export const examplesDir = path.resolve(__dirname, "../../../examples");

export let browser: Browser;
let server: import("http").Server;
export let base = "";

before(async () => {
    server = await serveStatic(webDir, 0);
    const address = server.address() as import("net").AddressInfo;
    base = `http://127.0.0.1:${address.port}/`;
    browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
        // English whatever the machine's locale: the tests find the page's parts by their English
        // texts (language.test.ts opens it in other languages).
        args: ["--no-sandbox", "--disable-gpu", "--lang=en-US"],
    });
});

after(async () => {
    await browser?.close();
    server?.close();
});

/** A fresh page (its own storage) with the page's clock held: only the hook moves time. */
export async function openPage(url = base): Promise<Page> {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setExtraHTTPHeaders({ "Accept-Language": "en-US,en" });
    // Headless Chromium may answer the machine's locale whatever --lang says: the page picks its
    // language from these, so they are pinned too.
    await page.evaluateOnNewDocument(() => Object.defineProperty(navigator, "languages", { get: () => ["en-US", "en"] }));
    page.setDefaultTimeout(10000);
    page.on("pageerror", (error) => assert.fail("page error: " + String(error)));
    await page.goto(url);
    await page.waitForSelector('body[data-ready="1"]');
    await page.evaluate(() => rungboxTest.holdClock());
    return page;
}

// The hook as the page defines it (app.ts, testHook).
export interface Hook {
    holdClock(): void;
    advance(ms: number): Promise<void>;
    scan(count: number): Promise<void>;
    plant(): string;
    programBytes(): string;
    store(): void;
    /** The names file in base64url. */
    names(): string;
    shareLink(): string;
    programOfFragment(hash: string): Uint8Array | null | undefined;
    encodeBase64Url(bytes: Uint8Array): string;
}
declare global {
    const rungboxTest: Hook;
}

export async function menu(page: Page, top: string, item: string): Promise<void> {
    await page.evaluate(
        (top, item) => {
            const menus = Array.from(document.querySelectorAll<HTMLElement>("#menubar .menu"));
            const menu = menus.find((m) => m.querySelector("button")?.textContent === top);
            const entry = Array.from(menu?.querySelectorAll<HTMLElement>("[role=menu] button") ?? []).find(
                (b) => b.querySelector("span")?.textContent === item,
            );
            if (!entry) {
                throw new Error(`no item ${top} > ${item}`);
            }
            entry.click();
        },
        top,
        item,
    );
}

/** The panel as rungbox-sim's `show` prints it, read from the lamps' and displays' names. */
export function showLine(page: Page): Promise<string> {
    return page.evaluate(() => {
        const lamps = (kind: string) =>
            Array.from({ length: 16 }, (_, n) => document.querySelector<HTMLElement>(`[aria-label="${kind} ${n}"][role=img]`)?.dataset.on).join("");
        const displays = (kind: string) =>
            Array.from({ length: 8 }, (_, n) => document.querySelector(`[aria-label="${kind} ${n}"]`)?.textContent).join(",");
        return `in=${lamps("Input")} out=${lamps("Output")} tim=${displays("Timer")} cnt=${displays("Counter")}`;
    });
}

/** The open dialog's title and text, or null when none is open. */
export function dialogText(page: Page): Promise<{ title: string; text: string } | null> {
    return page.evaluate(() => {
        const box = document.querySelector("dialog[open]");
        return box
            ? { title: box.querySelector(".box-title")?.textContent ?? "", text: box.querySelector(".box-text")?.textContent ?? "" }
            : null;
    });
}

export async function answer(page: Page, button: string): Promise<void> {
    await page.waitForSelector("dialog[open]");
    await page.evaluate((label) => {
        Array.from(document.querySelectorAll<HTMLButtonElement>("dialog[open] button"))
            .find((b) => b.textContent === label)
            ?.click();
    }, button);
}

export function cellText(page: Page, line: number, col: number): Promise<string> {
    return page.$eval(`#cell-${line}-${col}`, (td) => td.textContent ?? "");
}

