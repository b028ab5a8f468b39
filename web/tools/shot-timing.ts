// SPDX-License-Identifier: GPL-3.0-or-later
// docs/web_timing.png: View > Timing Diagram on the page, the traffic light's first cycle and a
// half recorded and fitted, the cursor in the green phase reading every signal
// (scripts/web.sh --screenshot).

import { clickItem, SceneHook, shoot } from "./shoot";

const [webDir, target] = process.argv.slice(2);

void shoot(webDir, target, { width: 1180, height: 1000 }, async (page) => {
    await clickItem(page, "traffic_light.PLC");
    await page.waitForFunction(() => document.title.startsWith("traffic_light.PLC"));
    await clickItem(page, "Timing Diagram");
    // The run's time moves only by the hook, so the picture is the same every time.
    await page.evaluate(async () => {
        const hook = (window as unknown as { rungboxTest: SceneHook }).rungboxTest;
        document.querySelector<HTMLElement>('[aria-label="Simulation"]')?.click();
        document.querySelector<HTMLElement>('input[aria-label="Switch 0"]')?.click();
        await hook.advance(16000);
        const panel = document.querySelector('section[aria-label="Timing Diagram"]');
        Array.from(panel?.querySelectorAll("button") ?? []).find((b) => b.textContent === "Fit")?.click();
    });
    const svg = await page.$('svg[aria-label="Timing diagram"]');
    const box = await svg!.boundingBox();
    const msPerPixel = await page.evaluate(() => (window as unknown as { rungboxTest: { timingZoom(): number } }).rungboxTest.timingZoom());
    await page.mouse.click(box!.x + 150 + 7250 / msPerPixel, box!.y + 60);
    return page.evaluate(() => {
        const r = document.querySelector('section[aria-label="Timing Diagram"]')!.getBoundingClientRect();
        return { x: r.x - 8, y: r.y - 8, width: r.width + 16, height: r.height + 16 };
    });
});
