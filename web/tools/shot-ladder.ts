// SPDX-License-Identifier: GPL-3.0-or-later
// docs/web_ladder.png, the README's picture of drawing in the page's ladder diagram: a rung drawn
// with the keys from an empty program, contact 2 just put in parallel with contact 1 and its
// address being typed (scripts/web.sh --screenshot).

import { shoot } from "./shoot";

const [webDir, target] = process.argv.slice(2);

void shoot(webDir, target, { width: 1180, height: 800 }, async (page) => {
    await page.focus('section[aria-label="Ladder Diagram"]');
    const typed = async (address: string) => {
        await page.waitForSelector(".ladder-address:not([hidden])");
        await page.$eval('input[aria-label="Address"]', (input) => (input as HTMLInputElement).select());
        await page.keyboard.type(address);
    };
    for (const [key, address] of [
        ["r", "0"],
        ["c", "1"],
        ["o", "1001"],
    ] as const) {
        await page.keyboard.press(key);
        await typed(address);
        await page.keyboard.press("Enter");
    }
    // Back to contact 1, and a contact in parallel with it, its address being typed.
    await page.keyboard.press("ArrowLeft");
    await page.keyboard.press("p");
    await typed("2");
    return page.evaluate(() => {
        const r = document.querySelector(".ladder")!.getBoundingClientRect();
        return { x: r.left - 4, y: r.top - 4, width: r.width + 8, height: r.height + 8 };
    });
});
