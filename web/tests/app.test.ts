// SPDX-License-Identifier: GPL-3.0-or-later
// The page as an installed app and on small screens: installable, opening without a network after
// one visit, a new build waiting for the next start with the edited program kept, the one-file
// page without a worker; the narrow layout without sideways scrolling, with switches and menus
// worked by touch; the wide layout where it always was.

import { strict as assert } from "assert";
import * as fs from "fs";
import * as os from "os";
import * as path from "path";
import { describe, test } from "node:test";
import { ElementHandle, Page } from "puppeteer-core";
import { serveStatic } from "../tools/serve";
import { base, browser, menu, openPage, showLine, webDir } from "./harness";

interface AppHook {
    offlineWorker(): string;
}

/** A copy of the built page served on its own port: the test may change its files or stop it. */
async function servedCopy(): Promise<{ url: string; dir: string; stop: () => void }> {
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), "rungbox-app-"));
    fs.cpSync(webDir, dir, { recursive: true });
    const server = await serveStatic(dir, 0);
    const url = `http://127.0.0.1:${(server.address() as import("net").AddressInfo).port}/`;
    return {
        url,
        dir,
        stop: () => {
            server.close();
            server.closeAllConnections();
        },
    };
}

/** Opens `url` in `page` and waits until the page is usable and its clock held. */
async function openIn(page: Page, url: string): Promise<void> {
    page.setDefaultTimeout(10000);
    await page.goto(url);
    await page.waitForSelector('body[data-ready="1"]');
    await page.evaluate(() => rungboxTest.holdClock());
}

/** Waits until a service worker serves the page. */
function controlled(page: Page): Promise<unknown> {
    return page.waitForFunction(() => navigator.serviceWorker.controller !== null);
}

/** Keeps what the page's Content-Security-Policy refused, as `violations` on the page. */
async function watchPolicy(page: Page): Promise<Page> {
    await page.evaluateOnNewDocument(() => {
        const seen: string[] = ((window as unknown as { violations: string[] }).violations = []);
        document.addEventListener("securitypolicyviolation", (e) => seen.push(e.violatedDirective + " " + e.blockedURI));
    });
    return page;
}

/** The menu bar's first caption ("File" in English). */
function firstMenu(page: Page): Promise<string | null> {
    return page.$eval("#menubar .menu > button", (button) => button.textContent);
}

function cacheNames(page: Page): Promise<string[]> {
    return page.evaluate(() => caches.keys());
}

describe("installed and offline", () => {
    test("the served page can be installed and opens without a network after one visit", async () => {
        const site = await servedCopy();
        const context = await browser.createBrowserContext();
        const page = await watchPolicy(await context.newPage());
        await openIn(page, site.url);
        await controlled(page);
        const cdp = await page.createCDPSession();
        const manifest = (await cdp.send("Page.getAppManifest")) as { errors: unknown[]; url: string };
        assert.deepEqual(manifest.errors, []);
        assert.equal(manifest.url, site.url + "manifest.webmanifest");
        // A test's browser context is a private one, where no browser offers an install.
        const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
        assert.deepEqual(installabilityErrors.map((e) => e.errorId).filter((id) => id !== "in-incognito"), []);

        await menu(page, "File", "motor_latch.PLC");
        await page.waitForFunction(() => document.title.startsWith("motor_latch.PLC"));
        await page.evaluate(() => rungboxTest.store());
        site.stop();
        await page.setOfflineMode(true);
        for (const fresh of [false, true]) {
            const view = fresh ? await watchPolicy(await context.newPage()) : page;
            await view.setOfflineMode(true);
            await (fresh ? openIn(view, site.url) : view.reload().then(() => openIn(view, site.url)));
            assert.ok((await view.title()).startsWith("motor_latch.PLC"), "the program kept");
            await view.click('button[aria-label="Simulation"]');
            await view.click('input[aria-label="Switch 0"]');
            await view.evaluate(() => rungboxTest.advance(50));
            assert.match(await showLine(view), /^in=1000000000000000 out=10/);
            assert.deepEqual(await view.evaluate(() => (window as unknown as { violations: string[] }).violations), []);
        }
        // The catalogues are kept with the rest: chosen offline, German shows.
        await page.evaluate(() => localStorage.setItem("rungbox.language", "de"));
        await page.reload().then(() => openIn(page, site.url));
        assert.equal(await firstMenu(page), "Datei");
        await context.close();
        fs.rmSync(site.dir, { recursive: true });
    });

    test("a new build waits for the next start, and the program edited meanwhile stays", async () => {
        const site = await servedCopy();
        const context = await browser.createBrowserContext();
        const page = await context.newPage();
        await openIn(page, site.url);
        await controlled(page);
        const [old] = await cacheNames(page);
        assert.match(old, /^rungbox-[0-9a-f]{16}$/);

        // A new build: its worker names a new cache.
        const worker = path.join(site.dir, "service-worker.js");
        fs.writeFileSync(worker, fs.readFileSync(worker, "utf8").replace(old, "rungbox-0000000000000001"));
        await page.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r?.update()));
        const waiting = () => page.evaluate(async () => (await navigator.serviceWorker.getRegistration())?.waiting?.state ?? "none");
        await page.waitForFunction(async () => (await navigator.serviceWorker.getRegistration())?.waiting?.state === "installed");
        assert.match(await page.$eval("#notice", (el) => el.textContent ?? ""), /next time Rungbox starts/);

        // Meanwhile the user edits; a reload is no new start: the old build still serves.
        await menu(page, "File", "one_shot.PLC");
        await page.waitForFunction(() => document.title.startsWith("one_shot.PLC"));
        await page.reload();
        await page.waitForSelector('body[data-ready="1"]');
        assert.equal(await waiting(), "installed");
        assert.deepEqual((await cacheNames(page)).sort(), [old, "rungbox-0000000000000001"].sort());

        // The next start: every page of the old build closed, the page opened again.
        await page.close();
        const next = await context.newPage();
        await openIn(next, site.url);
        await next.waitForFunction(async () => (await caches.keys()).join() === "rungbox-0000000000000001");
        await controlled(next);
        assert.ok((await next.title()).startsWith("one_shot.PLC"), "the edited program kept");
        await context.close();
        site.stop();
        fs.rmSync(site.dir, { recursive: true });
    });

    test("only the served page has a worker; the one-file page from disk has none", async () => {
        for (const [url, state] of [
            ["file://" + path.resolve(webDir, "rungbox.html"), "none"],
            [base, "registered"],
        ]) {
            const page = await openPage(url);
            await page.waitForFunction((s) => (rungboxTest as unknown as AppHook).offlineWorker() === s, {}, state);
            assert.equal(await page.$('link[rel="manifest"]').then((link) => link !== null), state !== "none", url);
            // Both carry the catalogues.
            await page.evaluate(() => localStorage.setItem("rungbox.language", "de"));
            await page.reload();
            await page.waitForSelector('body[data-ready="1"]');
            assert.equal(await firstMenu(page), "Datei", url);
            await page.browserContext().close();
        }
    });
});

// --- Small screens ------------------------------------------------------------------------------

/** A fresh page at `size`, touch-driven when `touch`, with its clock held. */
async function openAt(size: { width: number; height: number }, touch: boolean): Promise<Page> {
    const page = await (await browser.createBrowserContext()).newPage();
    page.on("pageerror", (error) => assert.fail("page error: " + String(error)));
    await page.setViewport({ ...size, hasTouch: touch, isMobile: touch });
    await openIn(page, base);
    return page;
}

/** Taps the centre of the element `selector` (or a button with that text), as a finger would. */
async function tap(page: Page, selector: string): Promise<void> {
    const byText = (text: string) => Array.from(document.querySelectorAll("button")).find((b) => b.textContent === text) ?? null;
    const handle = (await page.$(selector)) ?? ((await page.evaluateHandle(byText, selector)).asElement() as ElementHandle | null);
    assert.ok(handle, "no " + selector);
    await handle.scrollIntoView();
    const box = await handle.boundingBox();
    assert.ok(box, "not shown: " + selector);
    await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
}

describe("small screens", () => {
    test("a phone (390 x 844) and a window at 200 % (640 wide): nothing scrolls sideways", async () => {
        for (const size of [
            { width: 390, height: 844 },
            { width: 640, height: 400 },
        ]) {
            const page = await openAt(size, true);
            await menu(page, "File", "conveyor.PLC");
            await menu(page, "Module", "Conveyor");
            // A tool panel with content wider than any phone, as the tools may have.
            await page.evaluate(() => {
                const tool = document.createElement("section");
                tool.className = "tool";
                tool.setAttribute("aria-label", "Wide tool");
                const wide = document.createElement("div");
                wide.style.width = "1500px";
                wide.textContent = "wide";
                tool.append(wide);
                document.getElementById("tools")?.append(tool);
            });
            const sideways = await page.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);
            assert.equal(sideways, 0, `${size.width} wide`);
            for (const part of ["#client", ".ladder", ".machine", 'section[aria-label="Wide tool"]']) {
                const right = await page.$eval(part, (el) => el.getBoundingClientRect().right);
                assert.ok(right <= size.width, `${part} ends at ${right} in ${size.width}`);
            }
            await page.browserContext().close();
        }
    });

    test("on a phone each machine drawn from a scene fits, and a tap on its picture works its controls", async () => {
        for (const title of ["Motor Starter", "Tank and Pumps", "Traffic Intersection", "Car Park"]) {
            const page = await openAt({ width: 390, height: 844 }, true);
            await menu(page, "File", "motor_latch.PLC");
            await menu(page, "Module", title);
            await tap(page, 'button[aria-label="Simulation"]');
            // The machine's box fits the phone; its picture keeps its own size (its text stays
            // readable) and scrolls sideways inside the box.
            const box = await page.$eval(".machine", (el) => ({ ...el.getBoundingClientRect().toJSON(), scrolls: el.scrollWidth > el.clientWidth }));
            assert.ok(box.left >= 0 && box.right <= 390 && box.scrolls, `${title}: ${JSON.stringify(box)}`);
            const sideways = await page.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);
            assert.equal(sideways, 0, title);
            for (const target of await page.$$eval(".machine-buttons button", (els) => els.map((el) => el.getBoundingClientRect().toJSON()))) {
                assert.ok(target.height >= 44 && target.right <= 390, `${title}: ${JSON.stringify(target)}`);
            }
            // The first control's place on the picture, scrolled into the box's view.
            const machine = JSON.parse(await page.evaluate(() => rungboxTest.plant())) as {
                scene: { w: number; spots: { b: number[]; c: number }[] };
            };
            const spot = machine.scene.spots.find((s) => s.c === 0);
            assert.ok(spot, title + " draws no place for its first control");
            await page.$eval(".machine canvas", (el) => el.scrollIntoView());
            await page.$eval(".machine", (el, x) => (el.scrollLeft = x), Math.max(0, spot.b[0] - 20));
            const frame = await page.$eval(".machine canvas", (el) => el.getBoundingClientRect().toJSON());
            const scale = frame.width / machine.scene.w;
            const at = { x: frame.x + (spot.b[0] + spot.b[2] / 2) * scale, y: frame.y + (spot.b[1] + spot.b[3] / 2) * scale };
            assert.ok(at.x > 0 && at.x < 390, `${title}: the control is in view at ${at.x}`);
            await page.touchscreen.tap(at.x, at.y);
            const after = JSON.parse(await page.evaluate(() => rungboxTest.plant())) as { controls: { on: number }[] };
            assert.equal(after.controls[0].on, 1, `${title}: the tap reached the first control`);
            await page.browserContext().close();
        }
    });

    test("on a phone the switches are 44 px targets, and touch works them and the menus", async () => {
        const page = await openAt({ width: 390, height: 844 }, true);
        for (const name of ["Help", "View", "File"]) {
            await tap(page, name);
            const list = await page.$eval(`[role="menu"][aria-label="${name}"]`, (el) => {
                const r = el.getBoundingClientRect();
                return { left: r.left, right: r.right, hidden: (el as HTMLElement).hidden };
            });
            const fits = list.left >= 0 && list.right <= 390 && list.right - list.left >= 240;
            assert.ok(!list.hidden && fits, name + " " + JSON.stringify(list));
        }
        await tap(page, "motor_latch.PLC");
        await page.waitForFunction(() => document.title.startsWith("motor_latch.PLC"));

        const targets = await page.$$eval('input[aria-label^="Switch "]', (els) =>
            els.map((el) => {
                const r = el.getBoundingClientRect();
                return { width: r.width, height: r.height, right: r.right };
            }),
        );
        assert.equal(targets.length, 16);
        for (const t of targets) {
            assert.ok(t.width >= 44 && t.height >= 44 && t.right <= 390, JSON.stringify(t));
        }
        await tap(page, 'button[aria-label="Simulation"]');
        await tap(page, 'input[aria-label="Switch 0"]');
        await page.evaluate(() => rungboxTest.advance(50));
        assert.match(await showLine(page), /^in=1000000000000000 out=10/);
        await tap(page, 'input[aria-label="Switch 0"]');
        await tap(page, 'input[aria-label="Switch 1"]');
        await page.evaluate(() => rungboxTest.advance(50));
        assert.match(await showLine(page), /^in=0100000000000000 out=01/);
        await page.browserContext().close();
    });

    test("on a wide screen the panel's parts are where the window has them", async () => {
        // A window no taller than the panel: no room for the grid to grow into (frames.test.ts).
        const page = await openAt({ width: 1180, height: 500 }, false);
        // x, y, width, height in CSS pixels, as the window places them (twips / 15).
        const expected: [string, number[]][] = [
            ["#client", [8, 32, 616, 407]],
            ['button[aria-label="Simulation"]', [513, 65, 69, 29]],
            ['[aria-label="Output 0"]', [129, 129, 17, 17]],
            ['[aria-label="Output 15"]', [525, 129, 17, 17]],
            ['[aria-label="Input 9"]', [385, 389, 17, 17]],
            ['input[aria-label="Switch 15"]', [529, 407, 19, 17]],
            [".grid-host", [33, 169, 305, 193]],
            ['[aria-label="Counter 3"]', [441, 209, 33, 17]],
            ['[aria-label="Timer 7"]', [537, 313, 65, 17]],
            // The diagram's size follows its toolbar and program; where it starts is the window's.
            [".ladder", [632, 32]],
        ];
        for (const [selector, box] of expected) {
            const seen = await page.$eval(selector, (el) => {
                const r = el.getBoundingClientRect();
                return [r.x, r.y, r.width, r.height].map(Math.round);
            });
            assert.deepEqual(seen.slice(0, box.length), box, selector);
        }
        await page.browserContext().close();
    });
});
