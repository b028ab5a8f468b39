// SPDX-License-Identifier: GPL-3.0-or-later
// The core as the page sees it: the WebSession class that src/wasm/Bindings.cpp binds, and the
// module factory emscripten's loader defines. Strings cross as 8-bit text: a character of a
// string is one byte of the core's (Latin-1), so nothing beyond U+00FF may be passed in.

interface WebSession {
    toggleRun(): void;
    running(): boolean;
    /** A run is on and paused: no run time passes until it resumes. */
    paused(): boolean;
    /** Run time passes (Session::advance): a scan a millisecond, a tick every 100 ms. */
    advance(ms: number): void;
    /** Scans without run time passing (rungbox-sim's `scan`). */
    scan(count: number): void;
    clockMs(): number;
    setSwitch(n: number, on: boolean): void;
    pressKey(code: string, mods: number): void;
    /** Characters as typed on a keyboard that names no keys. */
    typeText(text: string): void;
    select(row: number, col: number, rowSel: number, colSel: number): void;
    selectLine(line: number): void;
    copyLines(): string;
    cutLines(): string;
    paste(text: string): void;
    gridRevision(): number;
    fileRevision(): number;
    queueAnswer(answer: number): void;
    newProgram(): void;
    load(): boolean;
    offerAndLoad(name: string, bytes: Uint8Array): boolean;
    /** The names file that goes with the next program offered or restored (WebSession.h). */
    offerNames(bytes: Uint8Array): void;
    /** A file picked with the program, read when the load looks for that name beside it. */
    offerBeside(name: string, bytes: Uint8Array): void;
    /** The names file's bytes as 8-bit text; empty without names. */
    namesBytes(): string;
    saveAs(): boolean;
    programBytes(): string;
    /** The form pages kept before they kept the grid: false when `bytes` are no program file. */
    restore(name: string, fileBytes: Uint8Array, bytes: Uint8Array, changed: boolean): boolean;
    /** A kept program with its grid's code cells, three a line from line 1, each as it was. */
    restoreCells(name: string, fileBytes: Uint8Array, cells: string[], changed: boolean, extended: boolean): void;
    /** The names the restored program has now, as their file's bytes (after restore). */
    restoreNames(bytes: Uint8Array): void;
    windowTitle(): string;
    windowTitleMessage(): string;
    currentFileName(): string;
    codeChanged(): boolean;
    /** The program's instruction set: true for extended. */
    extended(): boolean;
    /** Options > Extended Instruction Set: one undoable edit; a refusal is a message. */
    setExtended(on: boolean): boolean;
    /** How to switch the set, beside the message of the error that stopped the last run. */
    errorHint(): string;
    /** The same hint as a core text for trMessage (JSON), "null" for none. */
    errorHintMessage(): string;
    chooseModule(index: number): boolean;
    module(): number;
    setCar(present: boolean): void;
    /** Control `control` of a machine drawn from a scene gets `touch`: 0 press, 1 hold, 2 release, 3 on, 4 off. */
    operate(control: number, touch: number): void;
    machineJson(): string;
    pollLadder(): boolean;
    ladderJson(): string;
    cell(row: number, col: number): string;
    /** The code lines' cells, three to a line, each whole (a cell may hold any byte). */
    codeCells(): string[];
    /** [line, column, selectionLine, selectionColumn, enabled, rows] */
    cursor(): number[];
    columnWidth(col: number): number;
    /** [input lamps, output lamps, switches, enabled switches, run lamp, File on, Module on] */
    panelBits(): number[];
    panelRevision(): number;
    timerText(n: number): string;
    counterText(n: number): string;
    takeMessages(): string;
    takeQuestion(): string;
    takeOpenWanted(): boolean;
    takeSaved(): { name: string; bytes: Uint8Array<ArrayBuffer> } | null;
    hand(which: number, down: boolean): void;
}

interface RungboxModule {
    WebSession: {
        new (): WebSession;
        /** The longest stall of the page's clock the run catches up on (session::kMaxCatchUpMs). */
        maxCatchUpMs(): number;
    };
    /** The languages the page offers, English first: a JSON array of {code, endonym}. */
    languagesJson(): string;
    /** The code of the language that best fits a locale tag ("de-AT" -> "de"), "" for none. */
    bestLanguage(tag: string): string;
}

declare function createRungbox(options?: object): Promise<RungboxModule>;

/** A message box the core showed (platform::MessageBoxes). */
interface CoreMessage {
    /** The text and title in English, and, when the core says which texts they are, the same
     * for lookup in the catalogues. */
    text: string;
    title: string;
    textMessage?: CoreText;
    titleMessage?: CoreText;
    /** The buttons: "ok", "yesNo" or "yesNoCancel". */
    buttons: string;
    /** The icon: "none", "critical", "question" or "exclamation". */
    icon: string;
}

/** platform::BoxAnswer, as its order in the core. */
const BoxAnswer = { Dismissed: 0, Ok: 1, Cancel: 2, Yes: 3, No: 4 };

/** Bytes as the 8-bit text the core's strings hold, and back. */
function bytesToText(bytes: Uint8Array): string {
    let text = "";
    for (let i = 0; i < bytes.length; i += 8192) {
        text += String.fromCharCode(...bytes.subarray(i, i + 8192));
    }
    return text;
}

function textToBytes(text: string): Uint8Array {
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) {
        bytes[i] = text.charCodeAt(i) & 0xff;
    }
    return bytes;
}

/**
 * The core's 8-bit text holding UTF-8 (file names, names, messages) as the text it is, and back:
 * text goes into the core as UTF-8 and comes out of it decoded once (its JSON is decoded already).
 */
function fromUtf8(text: string): string {
    return new TextDecoder().decode(textToBytes(text));
}

function toUtf8(text: string): string {
    return bytesToText(new TextEncoder().encode(text));
}

/** Text from outside (the clipboard) as the core's 8-bit text: beyond Latin-1 becomes '?'. */
function toLatin1(text: string): string {
    return text.replace(/[^\u0000-\u00ff]/g, "?");
}
