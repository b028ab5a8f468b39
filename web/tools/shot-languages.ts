// SPDX-License-Identifier: GPL-3.0-or-later
// docs/languages/page_CODE.png, the page on a phone (390 x 844 CSS pixels, drawn at twice the
// pixels) in English and in each language of the built catalogues: the traffic light running on
// its switch, as in docs/web_phone.png, so that a translator sees their texts in place.
//
//   node shot-languages.js WEBDIR FOLDER

import * as path from "path";
import puppeteer from "puppeteer-core";
import { clickItem, SceneHook } from "./shoot";
import { serveStatic } from "./serve";

const kLanguages = ["en", "es", "pt_BR", "fr", "de", "it", "tr", "pl", "id", "vi", "zh_CN"];

const [webDir, folder] = process.argv.slice(2);

/** The example's file name: the same in every language, unlike the menu's captions. */
const kExample = "traffic_light.PLC";

async function main(): Promise<void> {
    const server = await serveStatic(webDir, 0);
    const base = `http://127.0.0.1:${(server.address() as import("net").AddressInfo).port}/`;
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
        args: ["--no-sandbox", "--disable-gpu", "--font-render-hinting=none"],
    });
    try {
        const page = await browser.newPage();
        await page.setViewport({ width: 390, height: 844, deviceScaleFactor: 2 });
        await page.goto(base);
        for (const code of kLanguages) {
            // "en" is no catalogue: the page falls back to English, whatever the browser says.
            await page.evaluate((code) => {
                localStorage.clear();
                localStorage.setItem("rungbox.language", code);
            }, code);
            await page.reload();
            await page.waitForSelector('body[data-ready="1"]');
            await page.evaluate(() => (window as unknown as { rungboxTest: SceneHook }).rungboxTest.holdClock());
            await clickItem(page, kExample);
            await page.waitForFunction((name) => document.title.startsWith(name), {}, kExample);
            await page.evaluate(async () => {
                const hook = (window as unknown as { rungboxTest: SceneHook }).rungboxTest;
                document.querySelector<HTMLElement>(".run-button")?.click();
                document.querySelectorAll<HTMLElement>(".switch")[0]?.click();
                await hook.advance(6300);
            });
            const target = path.join(folder, `page_${code}.png`);
            await page.screenshot({ path: target });
            console.log("Rendered " + target);
        }
    } finally {
        await browser.close();
        server.close();
    }
}

void main();
