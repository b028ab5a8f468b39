// SPDX-License-Identifier: GPL-3.0-or-later
// Collects the page's translatable texts for lupdate: every call tr("context", "text"),
// tr("context", "text", "comment"), trf("context", "text", ...) and trc("context", "text",
// "comment", ...) in web/src/*.ts becomes a QT_TRANSLATE_NOOP / QT_TRANSLATE_NOOP3 line of one
// C++ file that lupdate reads beside the window's sources. scripts/translations.sh runs it:
//   node build/web-tests/tools/extract-strings.js web/src build/l10n/web_strings.cpp
// A call whose context, text or comment is not a double-quoted literal is an error that names
// its file and line: the catalogues could not know such a text. The one place that passes texts
// on (tr's own helpers calling each other) says so on its line with `// extract-strings: skip`.

import * as fs from "fs";
import * as path from "path";

/// One translatable text of the page: `comment` tells apart two uses of the same English.
export interface PageString {
    context: string;
    source: string;
    comment?: string;
}

/// What one file yields: its texts, and one "FILE:LINE: ..." line per call it could not read.
export interface Extraction {
    strings: PageString[];
    errors: string[];
}

// How many leading arguments of each function must be literals, and whether a third literal
// (tr's optional comment) is the comment.
const kFunctions = new Map([
    ["tr", { literals: 2, optionalComment: true }],
    ["trf", { literals: 2, optionalComment: false }],
    ["trc", { literals: 3, optionalComment: false }],
]);

const isIdentifierChar = (c: string | undefined): boolean => c !== undefined && /[\w$]/.test(c);

/// Reads a double-quoted JavaScript string literal starting at `text[at]` ('"'). Returns its
/// value and the index after its closing quote, or undefined when it is not one.
export function readLiteral(text: string, at: number): { value: string; end: number } | undefined {
    if (text[at] !== '"') return undefined;
    let value = "";
    let i = at + 1;
    while (i < text.length) {
        const c = text[i];
        if (c === '"') return { value, end: i + 1 };
        if (c === "\n" || c === "\r") return undefined;
        if (c !== "\\") {
            value += c;
            i += 1;
            continue;
        }
        const escape = readEscape(text, i + 1);
        if (escape === undefined) return undefined;
        value += escape.value;
        i = escape.end;
    }
    return undefined;
}

const kSimpleEscapes: Record<string, string> = {
    n: "\n", t: "\t", r: "\r", b: "\b", f: "\f", v: "\v", "0": "\0", '"': '"', "'": "'", "\\": "\\",
};

// The escape after a backslash at text[at - 1].
function readEscape(text: string, at: number): { value: string; end: number } | undefined {
    const c = text[at];
    if (c === undefined) return undefined;
    if (c in kSimpleEscapes && !(c === "0" && /[0-9]/.test(text[at + 1] ?? ""))) {
        return { value: kSimpleEscapes[c], end: at + 1 };
    }
    let hex: RegExpMatchArray | null = null;
    if (c === "x") hex = /^x([0-9a-fA-F]{2})/.exec(text.slice(at, at + 3));
    else if (c === "u" && text[at + 1] === "{") hex = /^u\{([0-9a-fA-F]{1,6})\}/.exec(text.slice(at, at + 10));
    else if (c === "u") hex = /^u([0-9a-fA-F]{4})/.exec(text.slice(at, at + 5));
    if (hex !== null) {
        const code = parseInt(hex[1], 16);
        if (code > 0x10ffff) return undefined;
        return { value: String.fromCodePoint(code), end: at + hex[0].length };
    }
    if (c === "\n" || /[0-9]/.test(c)) return undefined; // line continuations, octal
    return { value: c, end: at + 1 };
}

// The index after whitespace and comments from `at`.
function skipSpace(text: string, at: number): number {
    let i = at;
    for (;;) {
        if (/\s/.test(text[i] ?? "")) i += 1;
        else if (text.startsWith("//", i)) i = lineEnd(text, i);
        else if (text.startsWith("/*", i)) i = blockCommentEnd(text, i);
        else return i;
    }
}

const lineEnd = (text: string, at: number): number => {
    const end = text.indexOf("\n", at);
    return end < 0 ? text.length : end;
};
const blockCommentEnd = (text: string, at: number): number => {
    const end = text.indexOf("*/", at + 2);
    return end < 0 ? text.length : end + 2;
};

// The index after a quoted string (', " or `) that starts at text[at]; a template's ${...}
// parts are walked as code (with `visit`, as skipCode does).
function skipQuoted(text: string, at: number, visit?: (start: number) => void): number {
    const quote = text[at];
    let i = at + 1;
    while (i < text.length && text[i] !== quote) {
        if (text[i] === "\\") i += 2;
        else if (quote === "`" && text.startsWith("${", i)) i = skipCode(text, i + 2, "}", visit);
        else if (quote !== "`" && text[i] === "\n") return i;
        else i += 1;
    }
    return i + 1;
}

// Walks code from `at` until the `close` character at depth zero (or the end), calling `visit`
// at each identifier. Returns the index after `close`.
function skipCode(text: string, at: number, close: string, visit?: (start: number) => void): number {
    let depth = 0;
    let i = at;
    while (i < text.length) {
        const c = text[i];
        if (c === "/" && (text[i + 1] === "/" || text[i + 1] === "*")) i = skipSpace(text, i);
        else if (c === '"' || c === "'" || c === "`") i = skipQuoted(text, i, visit);
        else if (c === "{") (depth += 1), (i += 1);
        else if (c === close && depth === 0) return i + 1;
        else if (c === "}") (depth -= 1), (i += 1);
        else if (isIdentifierChar(c) && !isIdentifierChar(text[i - 1])) {
            visit?.(i);
            i += 1;
            while (isIdentifierChar(text[i])) i += 1;
        } else i += 1;
    }
    return i;
}

const lineOf = (text: string, at: number): number => text.slice(0, at).split("\n").length;
const lineAt = (text: string, at: number): string => text.slice(text.lastIndexOf("\n", at) + 1, lineEnd(text, at));

/// Calls on a line with this comment are passed over (the translation helpers' own code).
export const kSkipMark = "// extract-strings: skip";

/// Finds the page's tr/trf/trc calls in one file's text. `file` names the file in errors.
/// Regular expression literals are not told from division; the page's code keeps quotes out
/// of them.
export function extractStrings(text: string, file: string): Extraction {
    const result: Extraction = { strings: [], errors: [] };
    skipCode(text, 0, "\u0000", (start) => {
        const name = /^[\w$]+/.exec(text.slice(start, start + 40))?.[0] ?? "";
        const kind = kFunctions.get(name);
        if (kind === undefined || text[start - 1] === ".") return;
        const open = skipSpace(text, start + name.length);
        if (text[open] !== "(" || /\bfunction\s*$/.test(text.slice(Math.max(0, start - 20), start))) return;
        const call = readCall(text, open + 1, kind.literals + (kind.optionalComment ? 1 : 0));
        if (lineAt(text, start).includes(kSkipMark)) return;
        const where = `${file}:${lineOf(text, start)}`;
        if (call.literals.length < kind.literals) {
            result.errors.push(`${where}: ${name}() needs ${kind.literals} double-quoted literals first`);
            return;
        }
        if (kind.optionalComment && call.more && call.literals.length < 3) {
            result.errors.push(`${where}: tr()'s third argument (the comment) must be a double-quoted literal`);
            return;
        }
        const [context, source, comment] = call.literals;
        result.strings.push(comment === undefined ? { context, source } : { context, source, comment });
    });
    return result;
}

// Reads up to `count` literal arguments of a call from `at` (after its "("): the literals read
// before the first argument that is not one, and whether another argument follows them.
function readCall(text: string, at: number, count: number): { literals: string[]; more: boolean } {
    const literals: string[] = [];
    let i = skipSpace(text, at);
    while (literals.length < count) {
        const literal = readLiteral(text, i);
        if (literal === undefined) return { literals, more: text[i] !== ")" };
        const next = skipSpace(text, literal.end);
        if (text[next] !== "," && text[next] !== ")") return { literals, more: true };
        literals.push(literal.value);
        if (text[next] === ")") return { literals, more: false };
        i = skipSpace(text, next + 1);
    }
    return { literals, more: text[i] !== ")" };
}

/// A C++ string literal of `value` (UTF-8 bytes as they are, quotes, backslashes and control
/// characters escaped; octal escapes, which never swallow a following digit past three).
export function cppLiteral(value: string): string {
    let out = '"';
    for (const c of value) {
        const code = c.codePointAt(0) ?? 0;
        if (c === '"' || c === "\\") out += "\\" + c;
        else if (c === "\n") out += "\\n";
        else if (c === "\t") out += "\\t";
        else if (code < 0x20 || code === 0x7f) out += "\\" + code.toString(8).padStart(3, "0");
        else out += c;
    }
    return out + '"';
}

/// The C++ file lupdate reads: one mark per distinct text, sorted, so that it changes only when
/// the texts do.
export function marksFile(strings: PageString[]): string {
    const lines = strings.map((s) =>
        s.comment === undefined
            ? `QT_TRANSLATE_NOOP(${cppLiteral(s.context)}, ${cppLiteral(s.source)})`
            : `QT_TRANSLATE_NOOP3(${cppLiteral(s.context)}, ${cppLiteral(s.source)}, ${cppLiteral(s.comment)})`,
    );
    const unique = [...new Set(lines)].sort();
    return (
        "// SPDX-License-Identifier: GPL-3.0-or-later\n" +
        "// Generated by web/tools/extract-strings.ts: the page's texts, for lupdate only.\n" +
        unique.map((line) => line + "\n").join("")
    );
}

function main(folder: string, target: string): number {
    const files = fs.readdirSync(folder).filter((name) => name.endsWith(".ts")).sort();
    const all: Extraction = { strings: [], errors: [] };
    for (const name of files) {
        const file = path.join(folder, name);
        const found = extractStrings(fs.readFileSync(file, "utf8"), file);
        all.strings.push(...found.strings);
        all.errors.push(...found.errors);
    }
    if (all.errors.length > 0) {
        for (const error of all.errors) console.error(error);
        return 1;
    }
    fs.mkdirSync(path.dirname(target), { recursive: true });
    fs.writeFileSync(target, marksFile(all.strings));
    return 0;
}

if (require.main === module) {
    if (process.argv.length !== 4) {
        console.error("usage: extract-strings.js SOURCE_FOLDER TARGET.cpp");
        process.exit(2);
    }
    process.exit(main(process.argv[2], process.argv[3]));
}
