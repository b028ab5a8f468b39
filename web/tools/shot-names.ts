// SPDX-License-Identifier: GPL-3.0-or-later
// docs/web_names.png: the House Gate's program with its names, in the diagram and in View > Names,
// a name being typed that the table refuses with its reason (scripts/web.sh --screenshot).

import { clickItem, shoot } from "./shoot";

const [webDir, target] = process.argv.slice(2);

void shoot(webDir, target, { width: 1180, height: 1000 }, async (page) => {
    await clickItem(page, "gate.PLC");
    await page.waitForFunction(() => document.title.startsWith("gate.PLC"));
    await clickItem(page, "Names");
    await page.click('section[aria-label="Names"] input[aria-label="Name of 2000"]', { count: 3 });
    await page.keyboard.type("STOP_LATCH");
    await page.keyboard.press("Enter");
    await page.click('section[aria-label="Names"] input[aria-label="Name of 1002"]', { count: 3 });
    await page.keyboard.type("out2");
    return page.evaluate(() => {
        const l = document.querySelector(".ladder")!.getBoundingClientRect();
        const t = document.querySelector('section[aria-label="Names"]')!.getBoundingClientRect();
        return { x: 0, y: 0, width: Math.max(l.right, t.right) + 8, height: t.bottom + 8 };
    });
});
