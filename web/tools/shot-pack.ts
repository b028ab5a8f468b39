// SPDX-License-Identifier: GPL-3.0-or-later
// docs/web_pack.png: examples/pack opened on the page from its site ("#pack="), its first exercise
// checked with the model solution typed in, the second one edited (scripts/web.sh --screenshot).

import * as fs from "fs";
import * as path from "path";
import { shoot } from "./shoot";

const [webDir, target] = process.argv.slice(2);
const packDir = "examples/pack";
const siteDir = path.join(webDir, "packs", "first-week");

// The students' copy as one .rbxpack: without the model solutions and hidden tests.
const files = Object.fromEntries(
    fs.readdirSync(packDir)
        .filter((name) => !/\.(solution\.PLC|hidden\.script)$/.test(name))
        .map((name) => [name, fs.readFileSync(path.join(packDir, name)).toString("base64")]),
);
fs.mkdirSync(siteDir, { recursive: true });
fs.writeFileSync(path.join(siteDir, "pack.rbxpack"), JSON.stringify({ format: "rungbox-pack-file", version: 1, files }));

void shoot(webDir, target, { width: 1280, height: 760 }, async (page) => {
    await page.goto(page.url() + "#pack=packs/first-week/");
    await page.waitForSelector('section[aria-label="Exercises"]:not([hidden])');
    await page.click("#cell-1-1");
    const cells = ["LD", "0", "", "OR", "1000", "", "AND NOT", "1", "", "OUT", "1000", "", "LD NOT", "1000", "", "OUT", "1001", "", "END"];
    for (const cell of cells) {
        await page.keyboard.press("Delete");
        await page.keyboard.type(cell + "\n");
    }
    await page.evaluate(() => {
        Array.from(document.querySelectorAll<HTMLButtonElement>('section[aria-label="Exercises"] button'))
            .find((b) => b.textContent === "Check")
            ?.click();
    });
    await page.waitForFunction(
        () => document.querySelector('[aria-current="true"] .course-state')?.textContent === "all visible tests pass",
    );
    await page.evaluate(() => window.scrollTo(0, 0));
    return null;
}).finally(() => fs.rmSync(siteDir, { recursive: true, force: true }));
