// SPDX-License-Identifier: GPL-3.0-or-later
// The page in the user's language: chosen from the browser's languages by the core's rule, or
// from View > Language, kept across a reload; texts without a translation stay English. A small
// German catalogue stands in for the built ones.

import { strict as assert } from "assert";
import { describe, test } from "node:test";
import { Page } from "puppeteer-core";
import { answer, base, browser, cellText, dialogText, menu } from "./harness";

const kGerman: Record<string, string> = {
    "page.app\u0004File": "Datei",
    "page.app\u0004View": "Ansicht",
    "page.app\u0004New": "Neu",
    "page.app\u0004Language": "Sprache",
    "page.app\u0004System language": "Systemsprache",
    "page.dialogs\u0004Yes": "Ja",
    "page.dialogs\u0004No": "Nein",
    "page.dialogs\u0004Cancel": "Abbrechen",
    "page.dialogs\u0004OK": "OK",
    "Check\u0004Line %1 of %2 failed": "%2: Zeile %1 fehlgeschlagen",
    "Grid\u0004LOCATION": "ADRESSE",
    "Ladder\u0004Contact": "Kontakt",
    "Ladder\u0004Contact in series after the selection (C)": "Kontakt in Reihe zur Auswahl (C)",
    "Core\u0004PLC Ladder Code\u0004file.window_title_empty": "SPS-Kontaktplan",
};
/** Every catalogue the page may pick, each with one entry, so that a wrong pick shows. */
const kCatalogues: Record<string, Record<string, string>> = {
    de: kGerman,
    zh_CN: { "page.app\u0004File": "文件" },
    pt_BR: { "page.app\u0004File": "Arquivo" },
    fr: { "page.app\u0004File": "Fichier" },
};

/**
 * A fresh page whose browser prefers `languages`, with the catalogues above in place of the
 * built ones (which assign theirs to the same global, ignored here).
 */
async function openIn(languages: string[]): Promise<Page> {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    page.setDefaultTimeout(10000);
    page.on("pageerror", (error) => assert.fail("page error: " + String(error)));
    await page.evaluateOnNewDocument(
        (languages, catalogues) => {
            Object.defineProperty(navigator, "languages", { get: () => languages });
            Object.defineProperty(globalThis, "RUNGBOX_TRANSLATIONS", { get: () => catalogues, set: () => undefined });
        },
        languages,
        kCatalogues,
    );
    await page.goto(base);
    await page.waitForSelector('body[data-ready="1"]');
    return page;
}

function menuCaptions(page: Page): Promise<string[]> {
    return page.$$eval("#menubar .menu > button", (buttons) => buttons.map((b) => b.textContent ?? ""));
}

function documentLanguage(page: Page): Promise<string> {
    return page.evaluate(() => document.documentElement.lang);
}

describe("the page's language", () => {
    test("the browser's languages pick a catalogue by the core's rule, else English", async () => {
        const cases: [string[], string, string][] = [
            [["de-DE", "en"], "de", "Datei"],
            [["de-AT"], "de", "Datei"],
            [["pt-BR"], "pt-BR", "Arquivo"],
            [["zh-Hans-CN"], "zh-CN", "文件"],
            [["zh-TW", "ja"], "en", "File"],
            [["ja", "fr-CA", "de"], "fr", "Fichier"],
        ];
        for (const [languages, lang, file] of cases) {
            const page = await openIn(languages);
            assert.equal(await documentLanguage(page), lang, languages.join());
            assert.equal((await menuCaptions(page))[0], file, languages.join());
            await page.browserContext().close();
        }
    });

    test("menus and the core's message boxes in German; untranslated texts stay English", async () => {
        const page = await openIn(["de-DE"]);
        const captions = await menuCaptions(page);
        assert.deepEqual(captions.slice(0, 3), ["Datei", "Module", "Ansicht"]);
        await page.click("#cell-1-1");
        await page.keyboard.type("LD\n001");
        await menu(page, "Datei", "Neu");
        await page.waitForSelector("dialog[open]");
        const buttons = await page.$$eval("dialog[open] button", (list) => list.map((b) => b.textContent));
        assert.deepEqual(buttons, ["Ja", "Nein", "Abbrechen"]);
        await answer(page, "Abbrechen");
        assert.equal(await cellText(page, 1, 1), "LD");

        // A core text with its arguments: the translation orders them; without one, the English.
        const shown = await page.evaluate(async () => {
            const texts: { title: string; text: string }[] = [];
            const box = (source: string) => ({
                text: "Line 3 of 7 failed",
                title: "Check",
                textMessage: { context: "Check", source, args: ["3", "7"] },
                buttons: "ok",
                icon: "none",
            });
            for (const source of ["Line %1 of %2 failed", "Line %1 of %2 untranslated"]) {
                const answered = showMessage(box(source));
                const dialog = document.querySelector("dialog[open]") as HTMLElement;
                texts.push({ title: dialog.querySelector(".box-title")?.textContent ?? "", text: dialog.querySelector(".box-text")?.textContent ?? "" });
                (dialog.querySelector("button") as HTMLButtonElement).click();
                await answered;
            }
            return texts;
        });
        assert.deepEqual(shown, [
            { title: "Check", text: "7: Zeile 3 fehlgeschlagen" },
            { title: "Check", text: "Line 3 of 7 untranslated" },
        ]);
        assert.equal(await dialogText(page), null);
        await page.browserContext().close();
    });

    test("the core's fixed texts in German: the grid's headings, a drawing tool, the title", async () => {
        const page = await openIn(["de-DE"]);
        const headings = await page.$$eval("table.grid thead th", (cells) => cells.map((c) => c.textContent));
        assert.deepEqual(headings.slice(1), ["LADDER CODE", "ADRESSE", "###"]);
        const tool = await page.$eval(".ladder-toolbar button", (b) => ({ text: b.firstChild?.textContent, tip: (b as HTMLElement).title }));
        assert.deepEqual(tool, { text: "Kontakt", tip: "Kontakt in Reihe zur Auswahl (C)" });
        assert.equal(await page.evaluate(() => document.title), "SPS-Kontaktplan");
        await page.browserContext().close();
    });

    test("View > Language is kept across a reload, with the program; System language goes back", async () => {
        const page = await openIn(["en-US"]);
        await page.click("#cell-1-1");
        await page.keyboard.type("LD\n001");
        await Promise.all([page.waitForNavigation(), menu(page, "View", "Deutsch")]);
        await page.waitForSelector('body[data-ready="1"]');
        assert.equal((await menuCaptions(page))[0], "Datei");
        assert.equal(await documentLanguage(page), "de");
        assert.equal(await cellText(page, 1, 1), "LD");
        assert.equal(await cellText(page, 1, 2), "001");
        await page.reload();
        await page.waitForSelector('body[data-ready="1"]');
        assert.equal((await menuCaptions(page))[0], "Datei");

        await Promise.all([page.waitForNavigation(), menu(page, "Ansicht", "Systemsprache")]);
        await page.waitForSelector('body[data-ready="1"]');
        assert.equal((await menuCaptions(page))[0], "File");
        assert.equal(await page.evaluate(() => localStorage.getItem("rungbox.language")), null);
        await page.browserContext().close();
    });
});

declare function showMessage(message: object): Promise<number>;
