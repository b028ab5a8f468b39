// SPDX-License-Identifier: GPL-3.0-or-later
// docs/web_check.png: a motor latch that forgot its self-holding contact, checked with the
// example's script (one test hidden) from a share link, and compared with the example's own
// latch, the counterexample shown as a script (scripts/web.sh --screenshot).

import * as fs from "fs";
import * as os from "os";
import * as path from "path";
import { shoot } from "./shoot";

const [webDir, target] = process.argv.slice(2);
const examples = path.resolve(__dirname, "../../../examples");

const cells = [["LD", "0", ""], ["AND NOT", "1", ""], ["OUT", "1000", ""], ["LD NOT", "1000", ""], ["OUT", "1001", ""], ["END", "", ""]];
const program = "QZV_RUNGBOX_MAGIC\r\n1.00\r\n" + cells.flat().map((cell) => cell + "\r\n").join("");
const script = fs.readFileSync(path.join(examples, "motor_latch.script"), "latin1") +
    "test held_off_when_idle 2 hidden\nin 0 0\nin 1 0\nscan 5\nexpect relay 1000 1\n";

void shoot(webDir, target, { width: 1440, height: 900 }, async (page) => {
    const link = "#p=" + Buffer.from(program, "latin1").toString("base64url") +
        "&s=" + Buffer.from(script, "latin1").toString("base64url");
    await page.evaluate((hash) => (location.hash = hash), link);
    await page.waitForSelector('section[aria-label="Check With Script"]:not([hidden]):not([aria-busy])');
    const reference = path.join(fs.mkdtempSync(path.join(os.tmpdir(), "rungbox-shot-")), "motor_latch.PLC");
    fs.copyFileSync(path.join(examples, "motor_latch.PLC"), reference);
    const [chooser] = await Promise.all([
        page.waitForFileChooser(),
        page.evaluate(() =>
            Array.from(document.querySelectorAll<HTMLElement>("[role=menu] button"))
                .find((b) => b.querySelector("span")?.textContent === "Compare With Program...")
                ?.click(),
        ),
    ]);
    await chooser.accept([reference]);
    await page.waitForFunction(() => document.querySelector('section[aria-label="Explore"] [role=status]')?.textContent === "Done.");
    return page.evaluate(() => {
        const tools = document.getElementById("tools")!.getBoundingClientRect();
        const menu = document.getElementById("menubar")!.getBoundingClientRect();
        return { x: 0, y: menu.top, width: document.documentElement.clientWidth, height: tools.bottom + 8 - menu.top };
    });
});
