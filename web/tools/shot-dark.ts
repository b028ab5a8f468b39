// SPDX-License-Identifier: GPL-3.0-or-later
// docs/web_dark.png, the README's picture of the page under a dark colour scheme: the House
// Gate's program running with its machine, a car at the gate and the gate opening, the timing
// diagram recording below (scripts/web.sh --screenshot).

import { clickItem, SceneHook, shoot } from "./shoot";

const [webDir, target] = process.argv.slice(2);

void shoot(webDir, target, { width: 1180, height: 1100 }, async (page) => {
    await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: "dark" }]);
    await clickItem(page, "gate.PLC");
    await page.waitForFunction(() => document.title.startsWith("gate.PLC"));
    await clickItem(page, "House Gate");
    await clickItem(page, "Timing Diagram");
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
    await page.mouse.move(0, 0);
    return page.evaluate(() => {
        const l = document.querySelector(".ladder")!.getBoundingClientRect();
        const m = document.querySelector(".machine")!.getBoundingClientRect();
        const t = document.querySelector("#tools")!.getBoundingClientRect();
        return { x: 0, y: 0, width: Math.max(l.right, m.right) + 8, height: t.bottom + 8 };
    });
});
