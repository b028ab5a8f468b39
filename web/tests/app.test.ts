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
import { Page } from "puppeteer-core";
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
            await page.browserContext().close();
        }
    });
});
