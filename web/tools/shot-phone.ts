// SPDX-License-Identifier: GPL-3.0-or-later
// docs/web_phone.png, the README's picture of the page on a phone (390 x 844 CSS pixels, drawn
// at twice the pixels): the panel stacked in a column, the traffic light running on its switch.

import { clickItem, SceneHook, shoot } from "./shoot";

const [webDir, target] = process.argv.slice(2);

void shoot(webDir, target, { width: 390, height: 844, deviceScaleFactor: 2 }, async (page) => {
    await clickItem(page, "traffic_light.PLC");
    await page.waitForFunction(() => document.title.startsWith("traffic_light.PLC"));
    await page.evaluate(async () => {
        const hook = (window as unknown as { rungboxTest: SceneHook }).rungboxTest;
        document.querySelector<HTMLElement>('[aria-label="Simulation"]')?.click();
        document.querySelector<HTMLElement>('[aria-label="Switch 0"]')?.click();
        await hook.advance(6300);
    });
    return null;
});
