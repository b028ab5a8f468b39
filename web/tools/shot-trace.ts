// SPDX-License-Identifier: GPL-3.0-or-later
// docs/web_trace.png: the traffic light checked with a script whose second test expects yellow a
// second too early; its row double-clicked opens the run's timing diagram with the cursor at the
// failure (scripts/web.sh --screenshot).

import * as fs from "fs";
import * as path from "path";
import { shoot } from "./shoot";

const [webDir, target] = process.argv.slice(2);
const examples = path.resolve(__dirname, "../../../examples");

const program = fs.readFileSync(path.join(examples, "traffic_light.PLC"));
const script =
    "press\nin 0 1\nscan\nwait 4999\ntest red_five_seconds\nexpect out 1000000000000000\n" +
    "test yellow_after_six 2\nwait 1000\nexpect out 0100000000000000\n";

void shoot(webDir, target, { width: 1440, height: 900 }, async (page) => {
    const link = "#p=" + program.toString("base64url") + "&s=" + Buffer.from(script, "latin1").toString("base64url");
    await page.evaluate((hash) => (location.hash = hash), link);
    await page.waitForSelector('section[aria-label="Check With Script"]:not([hidden]):not([aria-busy])');
    await page.evaluate(() => {
        const rows = Array.from(document.querySelectorAll('section[aria-label="Check With Script"] tbody tr'));
        rows.find((r) => r.querySelector("td")?.textContent === "yellow_after_six")?.dispatchEvent(new MouseEvent("dblclick", { bubbles: true }));
    });
    await page.waitForSelector('section[aria-label="Timing Diagram: yellow_after_six failed"]');
    return page.evaluate(() => {
        const check = document.querySelector('section[aria-label="Check With Script"]')!.getBoundingClientRect();
        const diagram = document.querySelector('section[aria-label="Timing Diagram: yellow_after_six failed"]')!.getBoundingClientRect();
        const top = Math.min(check.top, diagram.top) - 8;
        return { x: 0, y: top, width: document.documentElement.clientWidth, height: Math.max(check.bottom, diagram.bottom) + 8 - top };
    });
});
