// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the page's icon (web/icons/icon.svg) to the PNG sizes the web app manifest names, for
// browsers that offer an install only with PNG icons. Run once after changing the drawing:
//   scripts/web.sh && NODE_PATH=web/node_modules node build/web-tests/tools/icons.js web/icons

import * as fs from "fs";
import * as path from "path";
import puppeteer from "puppeteer-core";

const kSizes = [192, 512];

async function render(folder: string): Promise<void> {
    const svg = fs.readFileSync(path.join(folder, "icon.svg")).toString("base64");
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
        args: ["--no-sandbox", "--disable-gpu"],
    });
    try {
        const page = await browser.newPage();
        for (const size of kSizes) {
            await page.setViewport({ width: size, height: size });
            await page.setContent(
                `<body style="margin:0"><img src="data:image/svg+xml;base64,${svg}" width="${size}" height="${size}"></body>`,
            );
            await page.waitForFunction(() => document.images[0].complete);
            const target = path.join(folder, `icon-${size}.png`);
            await page.screenshot({ path: target, omitBackground: true, clip: { x: 0, y: 0, width: size, height: size } });
            console.log("Rendered " + target);
        }
    } finally {
        await browser.close();
    }
}

void render(process.argv[2] ?? "web/icons");
