// SPDX-License-Identifier: GPL-3.0-or-later
// docs/web.png, the README's picture of the page: the House Gate's program running with its
// machine, a car at the gate and the gate opening (scripts/web.sh --screenshot).

import { gateScene, shoot } from "./shoot";

const [webDir, target] = process.argv.slice(2);

void shoot(webDir, target, { width: 1180, height: 800 }, async (page) => {
    await gateScene(page);
    return page.evaluate(() => {
        const r = document.querySelector(".window")!.getBoundingClientRect();
        const m = document.querySelector(".machine")!.getBoundingClientRect();
        const l = document.querySelector(".ladder")!.getBoundingClientRect();
        return { x: 0, y: 0, width: Math.max(l.right, m.right) + 8, height: Math.max(r.top + 8, m.bottom + 8) };
    });
});
