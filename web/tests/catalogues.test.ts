// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue tools without a browser: the page's texts found in its code (and the calls the
// catalogues could not know refused with their line), the catalogue reader on odd and broken
// input, the page's translation table, and the stable order of messages.

import { strict as assert } from "assert";
import { describe, test } from "node:test";
import { messageKey, translationTable, languageOf, translationsScript } from "../tools/catalogues";
import * as fs from "fs";
import * as os from "os";
import * as path from "path";
import * as vm from "vm";
import { cppLiteral, extractStrings, marksFile } from "../tools/extract-strings";
import { decodeEntities, readCatalogue, sortMessages } from "../tools/tsfile";

describe("the page's texts", () => {
    test("tr, trf and trc calls give their context, text and comment", () => {
        const code = [
            'const a = tr("page.grid", "Line");',
            'b = trf( "page.debug" , "Paused at line %1", line);',
            'c = trc("page.panel", "Run", "verb", x);',
            'd = tr("page.panel", "Run", "noun");',
            'e = `${tr("page.grid", "Say \\"hi\\"\\n\\u00e9\\u{1F600}")} and ${n}`;',
        ].join("\n");
        assert.deepEqual(extractStrings(code, "x.ts"), {
            strings: [
                { context: "page.grid", source: "Line" },
                { context: "page.debug", source: "Paused at line %1" },
                { context: "page.panel", source: "Run", comment: "verb" },
                { context: "page.panel", source: "Run", comment: "noun" },
                { context: "page.grid", source: 'Say "hi"\n\u00e9\u{1F600}' },
            ],
            errors: [],
        });
    });

    test("comments, strings, methods and the functions' own declarations are not calls", () => {
        const code = [
            '// tr(name, "x")',
            '/* trf(a) */ const s = "tr(a, b)"; const t = \'trc(x)\';',
            'obj.tr(x, y); mytr(x); trx(y);',
            "function tr(context: string, source: string): string { return lookup(context, source); }",
            "const trf = (c: string, s: string, ...a: unknown[]) => fill(tr(c, s), a); // extract-strings: skip",
        ].join("\n");
        assert.deepEqual(extractStrings(code, "x.ts"), { strings: [], errors: [] });
    });

    test("a call the catalogues could not know is an error with its file and line", () => {
        const cases: [string, RegExp][] = [
            ["tr(kContext, \"Line\")", /^f\.ts:2: tr\(\) needs 2/],
            ['tr("page.grid", name)', /^f\.ts:2: tr\(\) needs 2/],
            ['tr("page.grid", "Line " + n)', /^f\.ts:2: tr\(\) needs 2/],
            ["tr('page.grid', 'Line')", /^f\.ts:2: tr\(\) needs 2/],
            ['tr("page.grid", "Line", why)', /^f\.ts:2: tr\(\)'s third argument/],
            ['trc("page.grid", "Run", n)', /^f\.ts:2: trc\(\) needs 3/],
            ['trf("page.grid")', /^f\.ts:2: trf\(\) needs 2/],
        ];
        for (const [call, error] of cases) {
            const found = extractStrings(`let x = 1;\nconst y = ${call};\n`, "f.ts");
            assert.equal(found.errors.length, 1, call);
            assert.match(found.errors[0], error, call);
        }
    });

    test("the marks file escapes for C++ and lists each text once, sorted", () => {
        assert.equal(cppLiteral('a"b\\c\nd\te\u0001f\u00e9'), '"a\\"b\\\\c\\nd\\te\\001f\u00e9"');
        const file = marksFile([
            { context: "page.b", source: "Two" },
            { context: "page.a", source: "One", comment: "verb" },
            { context: "page.b", source: "Two" },
        ]);
        assert.deepEqual(file.split("\n").slice(2), [
            'QT_TRANSLATE_NOOP("page.b", "Two")',
            'QT_TRANSLATE_NOOP3("page.a", "One", "verb")',
            "",
        ]);
    });
});

const catalogue = (body: string) =>
    `<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n<TS version="2.1" language="de" sourcelanguage="en">\n${body}</TS>\n`;

describe("the catalogue reader", () => {
    test("entities: the five named, decimal and hex references; the rest stays", () => {
        assert.equal(decodeEntities("&lt;b&gt; &amp;amp; &quot;&apos; &#65;&#x42;&#X43;"), "<b> &amp; \"' ABC");
        assert.equal(decodeEntities("&nbsp; &#xD800; &#x110000; &#; & amp;"), "&nbsp; &#xD800; &#x110000; &#; & amp;");
    });

    test("only finished, non-empty translations reach the page's table, keyed with their comment", () => {
        const xml = catalogue(`<context>
    <name>page.grid</name>
    <message>
        <location filename="x.cpp" line="3"/>
        <source>&lt;Line&gt;</source>
        <translation>&lt;Zeile&gt;</translation>
    </message>
    <message><source>Run</source><comment>verb</comment><translation>Starten</translation></message>
    <message><source>Stop</source><translation type="unfinished">Halt</translation></message>
    <message><source>Gone</source><translation type="vanished">Weg</translation></message>
    <message><source>Old</source><translation type="obsolete">Alt</translation></message>
    <message><source>Empty</source><translation></translation></message>
    <message><source><![CDATA[a<b]]></source><!-- note --><translation>a&lt;b<byte value="x9"/>c</translation></message>
</context>
<context><name>page.debug</name><message><source>Line</source><translation>Zeile</translation></message></context>
`);
        assert.deepEqual(translationTable(xml), {
            "page.debug\u0004Line": "Zeile",
            "page.grid\u0004<Line>": "<Zeile>",
            "page.grid\u0004Run\u0004verb": "Starten",
            "page.grid\u0004a<b": "a<b\tc",
        });
        assert.equal(messageKey({ context: "c", source: "s", comment: "" }), "c\u0004s");
    });

    test("translations.js gives each language its table, the window's own texts left out", () => {
        const folder = fs.mkdtempSync(path.join(os.tmpdir(), "catalogues-"));
        const catalogue = (code: string, grid: string, core: string | null, window: string) =>
            `<TS language="${code}"><context><name>page.grid</name>` +
            `<message><source>Line</source><translation>${grid}</translation></message></context>` +
            `<context><name>Core</name><message><source>Error at line %1</source><comment>run.error</comment>` +
            (core === null ? '<translation type="unfinished"></translation>' : `<translation>${core}</translation>`) +
            `</message></context><context><name>rungbox::ui::MainWindow</name>` +
            `<message><source>&amp;File</source><translation>${window}</translation></message></context></TS>`;
        fs.writeFileSync(path.join(folder, "rungbox_de.ts"), catalogue("de", "Zeile", "Fehler in Zeile %1", "&amp;Datei"));
        fs.writeFileSync(path.join(folder, "rungbox_pt_BR.ts"), catalogue("pt_BR", "Linha", null, "&amp;Arquivo"));
        fs.writeFileSync(path.join(folder, "notes.txt"), "not a catalogue");
        const sandbox: { globalThis?: unknown; RUNGBOX_TRANSLATIONS?: unknown } = {};
        sandbox.globalThis = sandbox;
        vm.runInNewContext(translationsScript(folder), sandbox);
        assert.deepEqual(JSON.parse(JSON.stringify(sandbox.RUNGBOX_TRANSLATIONS)), {
            de: { "Core\u0004Error at line %1\u0004run.error": "Fehler in Zeile %1", "page.grid\u0004Line": "Zeile" },
            pt_BR: { "page.grid\u0004Line": "Linha" },
        });
        fs.rmSync(folder, { recursive: true });
    });

    test("broken, truncated and random input never throws", () => {
        const pieces = ["<context>", "</context>", "<name>", "</name>", "<message>", "</message>", "<source>",
            "</source>", "<translation>", '<translation type="unfinished">', "</translation>", "<comment>",
            "&amp;", "&#x41;", "&#99999999;", "<!--", "-->", "<![CDATA[", "]]>", "<", ">", "&", "text", "\n",
            '<byte value="xZZ"/>', "<?xml", "<!DOCTYPE", "/>", '"'];
        let seed = 12345;
        const next = () => (seed = (seed * 1103515245 + 12345) % 2147483648);
        for (let round = 0; round < 2000; round += 1) {
            const length = next() % 40;
            const xml = Array.from({ length }, () => pieces[next() % pieces.length]).join("");
            for (const message of readCatalogue(xml)) {
                assert.equal(typeof message.source, "string");
                assert.equal(typeof message.translation, "string");
            }
            assert.doesNotThrow(() => sortMessages(xml));
        }
        const whole = catalogue("<context><name>c</name><message><source>A</source><translation>B</translation></message></context>");
        for (let cut = 0; cut < whole.length; cut += 1) {
            assert.doesNotThrow(() => translationTable(whole.slice(0, cut)));
        }
    });

    test("catalogue file names give their language", () => {
        assert.equal(languageOf("rungbox_pt_BR.ts"), "pt_BR");
        assert.equal(languageOf("rungbox_de.ts"), "de");
        assert.equal(languageOf("rungbox_de.ts.orig"), undefined);
        assert.equal(languageOf("README.md"), undefined);
    });
});

describe("the catalogues' order", () => {
    const message = (source: string) => `    <message>\n        <source>${source}</source>\n        <translation type="unfinished"></translation>\n    </message>\n`;

    test("messages are sorted within each context, and sorting again changes nothing", () => {
        const xml = catalogue(`<context>\n    <name>b</name>\n${message("Zed")}${message("Alpha")}</context>\n` +
            `<context>\n    <name>a</name>\n${message("Two")}${message("One")}</context>\n`);
        const sorted = sortMessages(xml);
        assert.equal(sorted, catalogue(`<context>\n    <name>b</name>\n${message("Alpha")}${message("Zed")}</context>\n` +
            `<context>\n    <name>a</name>\n${message("One")}${message("Two")}</context>\n`));
        assert.equal(sortMessages(sorted), sorted);
    });

    test("a context laid out otherwise than lupdate writes is left as it is", () => {
        const odd = catalogue(`<context>\n    <name>b</name>\n${message("Zed")}  stray text\n${message("Alpha")}</context>\n`);
        assert.equal(sortMessages(odd), odd);
    });
});
