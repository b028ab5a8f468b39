// SPDX-License-Identifier: GPL-3.0-or-later
// docs/web.png, the README's picture of the page: the House Gate's program running with its
// machine, a car at the gate and the gate opening (scripts/web.sh --screenshot).

import { clickItem, SceneHook, shoot } from "./shoot";

const [webDir, target] = process.argv.slice(2);

void shoot(webDir, target, { width: 1180, height: 800 }, async (page) => {
    await clickItem(page, "gate.PLC");
    await new Promise((resolve) => setTimeout(resolve, 100));
    await clickItem(page, "House Gate");
    // The run's time moves only by the hook, so the picture is the same every time.
    await page.evaluate(async () => {
        const hook = (window as unknown as { rungboxTest: SceneHook }).rungboxTest;
        document.querySelector<HTMLElement>('[aria-label="Simulation"]')?.click();
        const buttons = Array.from(document.querySelectorAll<HTMLButtonElement>(".machine-buttons button"));
        buttons.find((b) => b.textContent === "Car")?.click();
        const remote = buttons.find((b) => b.textContent === "Remote");
        remote?.dispatchEvent(new PointerEvent("pointerdown"));
        remote?.dispatchEvent(new PointerEvent("pointerup"));
        await hook.advance(3500);
    });
    return page.evaluate(() => {
        const r = document.querySelector(".window")!.getBoundingClientRect();
        const m = document.querySelector(".machine")!.getBoundingClientRect();
        const l = document.querySelector(".ladder")!.getBoundingClientRect();
        return { x: 0, y: 0, width: Math.max(l.right, m.right) + 8, height: Math.max(r.top + 8, m.bottom + 8) };
    });
});
