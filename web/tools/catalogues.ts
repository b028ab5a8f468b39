// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the catalogues (translations/rungbox_CODE.ts) into the page's translations.js, which
// sets globalThis.RUNGBOX_TRANSLATIONS = { CODE: { KEY: TRANSLATION, ... }, ... } with
// KEY = context + "\u0004" + source (+ "\u0004" + comment when the message has one). Only
// finished translations go in: the page shows English for the rest. The texts of the window's
// own classes (contexts "rungbox::ui::...") are left out, and the file writes each key once with
// one list of translations per language, so that ten languages cost the page little to fetch.
// scripts/web.sh runs it:
//   node build/web-tests/tools/catalogues.js translations build/web/translations.js

import * as fs from "fs";
import * as path from "path";
import { CatalogueMessage, readCatalogue } from "./tsfile";

/// The key the page's tr() looks a text up by.
export function messageKey(message: Pick<CatalogueMessage, "context" | "source" | "comment">): string {
    const key = message.context + "\u0004" + message.source;
    return message.comment === "" ? key : key + "\u0004" + message.comment;
}

/// The finished translations of one catalogue's text, by key, in key order.
export function translationTable(xml: string): Record<string, string> {
    const table: Record<string, string> = {};
    const finished = readCatalogue(xml).filter((message) => message.finished);
    for (const message of finished.sort((a, b) => compare(messageKey(a), messageKey(b)))) {
        table[messageKey(message)] = message.translation;
    }
    return table;
}

const compare = (a: string, b: string): number => (a < b ? -1 : a > b ? 1 : 0);

/// The language code of a catalogue's file name (rungbox_pt_BR.ts: "pt_BR"), or undefined for
/// a file that is not one.
export function languageOf(fileName: string): string | undefined {
    return /^rungbox_([a-z]{2,3}(?:_[A-Z]{2})?)\.ts$/.exec(fileName)?.[1];
}

/// translations.js for the catalogues in `folder`, languages in code order.
/** True for a context whose texts only the window shows. */
export function windowOnly(key: string): boolean {
    return key.startsWith("rungbox::ui::");
}

export function translationsScript(folder: string): string {
    const tables: Record<string, Record<string, string>> = {};
    for (const name of fs.readdirSync(folder).sort()) {
        const code = languageOf(name);
        if (code !== undefined) tables[code] = translationTable(fs.readFileSync(path.join(folder, name), "utf8"));
    }
    const keys = [...new Set(Object.values(tables).flatMap((table) => Object.keys(table)))]
        .filter((key) => !windowOnly(key))
        .sort(compare);
    const lists: Record<string, (string | null)[]> = {};
    for (const [code, table] of Object.entries(tables)) lists[code] = keys.map((key) => table[key] ?? null);
    // The keys stand once; each language lists its translations in their order (null: none).
    return (
        "// SPDX-License-Identifier: GPL-3.0-or-later\n" +
        "globalThis.RUNGBOX_TRANSLATIONS = (function (keys, lists) {\n" +
        "    var all = {};\n" +
        "    Object.keys(lists).forEach(function (code) {\n" +
        "        var table = {};\n" +
        "        lists[code].forEach(function (text, i) { if (text !== null) table[keys[i]] = text; });\n" +
        "        all[code] = table;\n" +
        "    });\n" +
        "    return all;\n" +
        "})(" +
        JSON.stringify(keys) +
        ", " +
        JSON.stringify(lists) +
        ");\n"
    );
}

if (require.main === module) {
    if (process.argv.length !== 4) {
        console.error("usage: catalogues.js TRANSLATIONS_FOLDER TARGET.js");
        process.exit(2);
    }
    fs.writeFileSync(process.argv[3], translationsScript(process.argv[2]));
}
