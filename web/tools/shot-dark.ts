// SPDX-License-Identifier: GPL-3.0-or-later
// docs/web_dark.png, the README's picture of the page under a dark colour scheme: the House
// Gate's program running with its machine, a car at the gate and the gate opening, the timing
// diagram recording below (scripts/web.sh --screenshot).

import { gateScene, shoot } from "./shoot";

const [webDir, target] = process.argv.slice(2);

void shoot(webDir, target, { width: 1180, height: 1100 }, async (page) => {
    await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: "dark" }]);
    await gateScene(page, ["Timing Diagram"]);
    await page.mouse.move(0, 0);
    return page.evaluate(() => {
        const l = document.querySelector(".ladder")!.getBoundingClientRect();
        const m = document.querySelector(".machine")!.getBoundingClientRect();
        const t = document.querySelector("#tools")!.getBoundingClientRect();
        return { x: 0, y: 0, width: Math.max(l.right, m.right) + 8, height: t.bottom + 8 };
    });
});
