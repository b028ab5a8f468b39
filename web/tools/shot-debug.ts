// SPDX-License-Identifier: GPL-3.0-or-later
// docs/web_debug.png, the README's picture of debugging on the page: the motor latch paused at
// a breakpoint with its start input forced on, the next line marked in the grid and the diagram,
// the Registers and Watch panels open (scripts/web.sh --screenshot).

import { clickItem, SceneHook, shoot } from "./shoot";

const [webDir, target] = process.argv.slice(2);

void shoot(webDir, target, { width: 1180, height: 860 }, async (page) => {
    await clickItem(page, "motor_latch.PLC");
    // A breakpoint on line 4, clicked in the margin of its number.
    const box = await (await page.$('.grid th[data-row="4"]'))!.boundingBox();
    await page.mouse.click(box!.x + 5, box!.y + box!.height / 2);
    await page.click('[aria-label="Simulation"]');
    await clickItem(page, "Watch Table");
    for (const item of ["0", "1000", "1001"]) {
        await page.type('input[aria-label="Watch:"]', item);
        await page.keyboard.press("Enter");
    }
    await page.click(".watch-table tbody tr:first-child");
    await page.click("xpath/.//button[text()='Force on']");
    await clickItem(page, "Registers");
    // The run's time moves only by the hook: the first scan stops before line 4.
    await page.evaluate(() => (window as unknown as { rungboxTest: SceneHook }).rungboxTest.advance(5));
    await page.mouse.move(0, 0);
    return page.evaluate(() => {
        const l = document.querySelector(".ladder")!.getBoundingClientRect();
        const t = document.querySelector("#tools")!.getBoundingClientRect();
        return { x: 0, y: 0, width: Math.max(l.right, t.right) + 8, height: t.bottom + 8 };
    });
});
