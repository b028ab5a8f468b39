// SPDX-License-Identifier: GPL-3.0-or-later
// Reads Qt's translation catalogues (translations/rungbox_CODE.ts) without an XML library: a
// small tolerant reader for the parts of the format the catalogues use (contexts, messages with
// source, comment and translation), and a sorter that keeps the files in one stable order.
// scripts/translations.sh sorts the files after lupdate with:
//   node build/l10n/tools/tsfile.js sort FILE.ts...

import * as fs from "fs";

/// One message of a catalogue. `finished` is false for a translation marked unfinished,
/// vanished or obsolete (lupdate's marks), and for an empty one.
export interface CatalogueMessage {
    context: string;
    source: string;
    comment: string;
    translation: string;
    finished: boolean;
}

const kEntities: Record<string, string> = { lt: "<", gt: ">", amp: "&", quot: '"', apos: "'" };

/// Replaces the five named entities and numeric references (&#65; &#x41;); anything else that
/// looks like an entity, or names no character, stays as it stands.
export function decodeEntities(text: string): string {
    return text.replace(/&(#[xX][0-9a-fA-F]{1,6}|#[0-9]{1,7}|[a-zA-Z]+);/g, (whole, name: string) => {
        if (name[0] !== "#") return kEntities[name] ?? whole;
        const code = name[1] === "x" || name[1] === "X" ? parseInt(name.slice(2), 16) : parseInt(name.slice(1), 10);
        const valid = code <= 0x10ffff && !(code >= 0xd800 && code <= 0xdfff);
        return valid ? String.fromCodePoint(code) : whole;
    });
}

// The value of attribute `name` in a tag's attribute text, decoded.
function attribute(attributes: string, name: string): string | undefined {
    const match = new RegExp(`(?:^|\\s)${name}\\s*=\\s*("([^"]*)"|'([^']*)')`).exec(attributes);
    return match === null ? undefined : decodeEntities(match[2] ?? match[3]);
}

// A tag, comment, processing instruction, declaration or CDATA section.
const kMarkup = /<!--[\s\S]*?(?:-->|$)|<!\[CDATA\[([\s\S]*?)(?:\]\]>|$)|<[?!][^>]*>?|<(\/?)([A-Za-z_][\w.:-]*)([^>]*?)(\/?)>/g;

// The elements whose text the reader keeps, inside a message.
const kFields = new Set(["source", "comment", "translation", "name"]);

/// Reads every message of a catalogue's text. Broken or unexpected markup is skipped, never
/// thrown on: a message missing its source is left out.
export function readCatalogue(xml: string): CatalogueMessage[] {
    const messages: CatalogueMessage[] = [];
    const open: string[] = [];
    let context = "";
    let message: Partial<CatalogueMessage> | undefined;
    let field: string | undefined;
    let text = "";
    let last = 0;
    const keepText = (raw: string, decode: boolean) => {
        if (field !== undefined) text += decode ? decodeEntities(raw) : raw;
    };
    for (const match of xml.matchAll(kMarkup)) {
        keepText(xml.slice(last, match.index), true);
        last = (match.index ?? 0) + match[0].length;
        const [, cdata, closing, name, attributes, selfClosing] = match;
        if (cdata !== undefined) keepText(cdata, false);
        if (name === undefined) continue;
        if (closing === "/") {
            const depth = open.lastIndexOf(name);
            if (depth < 0) continue;
            open.length = depth;
            if (name === field) {
                if (name === "name" && message === undefined) context = text;
                else if (message !== undefined && name !== "name") message[name as "source"] = text;
                field = undefined;
            }
            if (name === "message" && message?.source !== undefined) {
                messages.push({
                    context,
                    source: message.source,
                    comment: message.comment ?? "",
                    translation: message.translation ?? "",
                    finished: message.finished === true && (message.translation ?? "") !== "",
                });
            }
            if (name === "message") message = undefined;
            if (name === "context") context = "";
            continue;
        }
        if (name === "byte" && field !== undefined) {
            const value = attribute(attributes, "value") ?? "";
            const code = parseInt(value.replace(/^x/i, ""), /^x/i.test(value) ? 16 : 10);
            if (code >= 0 && code < 0x110000) text += String.fromCodePoint(code);
        }
        if (selfClosing === "/") continue;
        open.push(name);
        if (name === "message") message = { finished: true };
        if (kFields.has(name) && field === undefined) {
            field = name;
            text = "";
        }
        if (name === "translation" && message !== undefined) {
            const type = attribute(attributes, "type");
            message.finished = type === undefined || !["unfinished", "vanished", "obsolete"].includes(type);
        }
    }
    return messages;
}

/// The same catalogue text with the messages of each context in a fixed order (by their own
/// text, which begins with the source). lupdate appends new messages after the old ones, so two
/// histories that reach the same texts would otherwise give different files.
export function sortMessages(xml: string): string {
    return xml.replace(/(<context>[\s\S]*?<\/name>\n)([\s\S]*?)(<\/context>)/g, (_whole, head: string, body: string, tail: string) => {
        const blocks = body.match(/[ \t]*<message[\s>][\s\S]*?<\/message>\n/g);
        if (blocks === null || blocks.join("") !== body) return head + body + tail;
        return head + [...blocks].sort().join("") + tail;
    });
}

if (require.main === module) {
    const [command, ...files] = process.argv.slice(2);
    if (command !== "sort") {
        console.error("usage: tsfile.js sort FILE.ts...");
        process.exit(2);
    }
    for (const file of files) {
        const text = fs.readFileSync(file, "utf8");
        const sorted = sortMessages(text);
        if (sorted !== text) fs.writeFileSync(file, sorted);
    }
}
