// SPDX-License-Identifier: GPL-3.0-or-later
// The page's texts in the user's language. Every text a user reads is written in English in the
// code, marked with tr/trf/trc (whose context, source and comment are string literals, so that
// the catalogue tools find them), and looked up in the catalogue of the chosen language, which
// translations.js defines. A text without a translation, or a page without catalogues, stays
// English.

/** The catalogues by language code: key -> translation (translations.js). */
declare const RUNGBOX_TRANSLATIONS: Record<string, Record<string, string>> | undefined;

/** Where the page keeps the user's choice of language ("" or absent: the system's). */
const kLanguageKey = "rungbox.language";

/** A language the page offers: its catalogue's code ("pt_BR") and its name in itself. */
interface Language {
    code: string;
    endonym: string;
}

/** A core text as the core's message JSON names it, for lookup in the catalogues. */
interface CoreText {
    context: string;
    source: string;
    comment?: string;
    args?: string[];
}

/** The catalogue in use: null for English. */
let catalogue: Record<string, string> | null = null;
let languageCode = "en";

function catalogues(): Record<string, Record<string, string>> {
    return typeof RUNGBOX_TRANSLATIONS === "object" && RUNGBOX_TRANSLATIONS !== null ? RUNGBOX_TRANSLATIONS : {};
}

/** A catalogue's key for a text: context, source and, when given, the disambiguating comment. */
function catalogueKey(context: string, source: string, comment?: string): string {
    return context + "\u0004" + source + (comment ? "\u0004" + comment : "");
}

/** Fills %1 to %9 in `pattern` with `args` in order; a placeholder without its argument stays. */
function fillArgs(pattern: string, args: readonly unknown[]): string {
    return pattern.replace(/%([1-9])/g, (whole, digit: string) => {
        const index = Number(digit) - 1;
        return index < args.length ? String(args[index]) : whole;
    });
}

/** The text in the current language. The catalogue tools collect every call. */
function tr(context: string, source: string, comment?: string): string {
    return trDynamic(context, source, comment);
}

/** tr with %1..%9 filled by `args`, so that a translation may put them in any order. */
function trf(context: string, source: string, ...args: unknown[]): string {
    return fillArgs(trDynamic(context, source), args);
}

/** trf for a text that needs a disambiguating comment. */
function trc(context: string, source: string, comment: string, ...args: unknown[]): string {
    return fillArgs(trDynamic(context, source, comment), args);
}

/**
 * The lookup of a text that is not marked here but elsewhere (the core's machine labels, the
 * core's messages): the catalogue tools do not collect these calls.
 */
function trDynamic(context: string, source: string, comment?: string): string {
    return catalogue?.[catalogueKey(context, source, comment)] || source;
}

/** A message of the core in the current language; `english` (the core's own text) when the
 * message does not say which text it is. */
function trMessage(message: CoreText | undefined | null, english: string): string {
    if (!message || typeof message.context !== "string" || typeof message.source !== "string") {
        return english;
    }
    return fillArgs(trDynamic(message.context, message.source, message.comment), message.args ?? []);
}

/** The code of the language in use ("en" for English). */
function currentLanguage(): string {
    return languageCode;
}

/** Uses the catalogue of `code` from now on ("en", or a code without catalogue: English) and
 * tells the document its language. */
function setLanguage(code: string): void {
    const found = code !== "en" ? catalogues()[code] : undefined;
    catalogue = found ?? null;
    languageCode = found ? code : "en";
    document.documentElement.lang = languageCode.replace("_", "-");
}

/**
 * The language to use: the stored choice when it is one of `offered`, else the first of the
 * browser's languages that `best` matches (the core's rule: de-AT -> de, zh-TW -> none), else
 * English.
 */
function languageFor(
    stored: string | null,
    navigatorLanguages: readonly string[],
    offered: readonly Language[],
    best: (tag: string) => string,
): string {
    if (stored && offered.some((language) => language.code === stored)) {
        return stored;
    }
    for (const tag of navigatorLanguages) {
        const code = best(tag);
        if (code) {
            return code;
        }
    }
    return "en";
}

/** The user's stored choice of language, or null for the system's. */
function storedLanguage(): string | null {
    try {
        return localStorage.getItem(kLanguageKey) || null;
    } catch {
        return null; // storage refused (a private window): the system's language
    }
}

/** Keeps `code` as the user's choice (null: the system's language from now on). */
function storeLanguage(code: string | null): void {
    try {
        if (code) {
            localStorage.setItem(kLanguageKey, code);
        } else {
            localStorage.removeItem(kLanguageKey);
        }
    } catch {
        // Without storage the choice lasts until the page is left.
    }
}
