// SPDX-License-Identifier: GPL-3.0-or-later
// The program kept in the browser's storage for the next visit: its grid cell by cell (lines
// after END too), its file and its names. A tab writes only what it changed itself, so that a
// tab left open does not put back an older program when it closes; of two tabs that both changed
// theirs, the last to change wins and the other says so. An entry that cannot be read is set
// aside, never written over, and a full storage is told.

/** Where the program is kept; the same key as ever, so that an update finds the program. */
const kStorageKey = "rungbox.program";
/** Where an entry that could not be read is set aside, for the user to rescue. */
const kAsideKey = "rungbox.program.unreadable";
/** The entry's form: 2 keeps the cells. Entries without it are the earlier form, whose program is
 * only the file form (`data`), which ends at END; they are read as ever. */
const kKeptFormat = 2;

/** A program as kept: bytes as 8-bit text. */
interface KeptProgram {
    /** The current file's name, "" for none. */
    name: string;
    /** The current file's bytes as loaded or saved, and its names file's. */
    file: string;
    fileNames: string;
    /** The names as edited since, as their file's bytes. */
    names: string;
    /** The grid's code cells, three a line from line 1; null in the earlier form. */
    cells: string[] | null;
    /** The program as Save As writes it: the earlier form's program, written still for pages of
     * an earlier build (an installed page not updated yet). */
    data: string;
    changed: boolean;
    /** The program's instruction set: true for extended (entries without it are classic). */
    extended: boolean;
}

/** The most cells a grid has: three a line, 299 lines. */
const kMaxKeptCells = 3 * 299;

/** Only characters the core's 8-bit strings hold. */
function isByteText(text: unknown): text is string {
    return typeof text === "string" && !/[^\u0000-\u00ff]/.test(text);
}

/** Base64url of an entry as bytes, "" when missing; null when it is there and cannot be read. */
function keptBytes(value: unknown): string | null {
    if (value === undefined) {
        return "";
    }
    const bytes = typeof value === "string" ? decodeBase64Url(value) : null;
    return bytes ? bytesToText(bytes) : null;
}

/**
 * The program an entry of the storage holds, or null when it cannot be read. Another tab, another
 * build or anything else with the page's address may have written it: every field is checked.
 */
function parseKept(text: string): KeptProgram | null {
    let value: unknown;
    try {
        value = JSON.parse(text);
    } catch {
        return null;
    }
    if (typeof value !== "object" || value === null || Array.isArray(value)) {
        return null;
    }
    const v = value as Record<string, unknown>;
    const file = keptBytes(v.file);
    const data = keptBytes(v.data);
    const names = keptBytes(v.names);
    // The file's names go with the file; without them, the names as edited are the file's.
    const fileNames = v.fileNames === undefined ? names : keptBytes(v.fileNames);
    if (v.extended !== undefined && typeof v.extended !== "boolean") {
        return null;
    }
    if (!isByteText(v.name) || typeof v.changed !== "boolean" || file === null || data === null || names === null || fileNames === null) {
        return null;
    }
    let cells: string[] | null = null;
    if (v.format !== undefined) {
        const c = v.cells;
        if (v.format !== kKeptFormat || !Array.isArray(c) || c.length > kMaxKeptCells || !c.every(isByteText)) {
            return null;
        }
        cells = c as string[];
    } else if (typeof v.data !== "string") {
        return null; // the earlier form always had its program
    }
    return { name: v.name, file, fileNames, names, cells, data, changed: v.changed, extended: v.extended === true };
}

/** An entry's text for `program`; the same program always gives the same text. */
function keptText(program: KeptProgram): string {
    const base64 = (text: string) => encodeBase64Url(textToBytes(text));
    let cells = program.cells ?? [];
    // Empty cells at the end are left out: they come back empty.
    let used = cells.length;
    while (used > 0 && cells[used - 1] === "") {
        --used;
    }
    cells = cells.slice(0, used);
    return JSON.stringify({
        format: kKeptFormat,
        name: program.name,
        file: base64(program.file),
        data: base64(program.data),
        names: base64(program.names),
        fileNames: base64(program.fileNames),
        changed: program.changed,
        cells,
        // Written only for an extended program, so that a classic entry stays as it was.
        ...(program.extended ? { extended: true } : {}),
    });
}

/** Says a thing about the storage in the page's notice line; "" takes it away. */
function storageNotice(text: string): void {
    showNotice("storage", text);
}

/** The entry kept under `key`, parsed; null without one, or when it cannot be read. */
function keptAt(key: string): KeptProgram | null {
    try {
        const raw = localStorage.getItem(key);
        return raw === null ? null : parseKept(raw);
    } catch {
        return null;
    }
}

class ProgramStore {
    /** The entry as this tab last read or wrote it: what it has not changed since. */
    private lastKept: string | null = null;
    /** An unreadable entry could not be set aside: this tab writes nothing over it. */
    private blocked = false;
    /** Where the program is kept: the page's own program, or an exercise's work (course.ts). */
    private key = kStorageKey;

    constructor(private readonly session: WebSession) {
        window.addEventListener("storage", (event) => this.onOtherTab(event));
    }

    /**
     * Keeps the program under `key` from now on (null: the page's own program, kStorageKey);
     * restore() then puts back what is kept there.
     */
    useKey(key: string | null): void {
        this.key = key ?? kStorageKey;
        this.lastKept = null;
        this.blocked = false;
    }

    /**
     * Puts back the kept program, if any; answers its file's bytes and names as loaded or saved
     * ("" without), which the page keeps as the program unchanged, and whether a program was
     * put back (`found`: the session is left as it was when not).
     */
    restore(): { file: string; fileNames: string; found: boolean } {
        let raw: string | null = null;
        try {
            raw = localStorage.getItem(this.key);
        } catch {
            // Storage blocked: the page starts empty, and says so when it tries to keep.
        }
        let kept = raw === null ? null : parseKept(raw);
        if (kept && !this.put(kept)) {
            kept = null;
        }
        if (raw !== null && !kept) {
            this.setAside(raw);
        }
        this.lastKept = keptText(this.current(kept?.file ?? "", kept?.fileNames ?? ""));
        return { file: kept?.file ?? "", fileNames: kept?.fileNames ?? "", found: kept !== null };
    }

    /**
     * Keeps the program when this tab changed it since it last kept or read it. `file` and
     * `fileNames` are the current file's bytes and names as last loaded or saved.
     */
    store(file: string, fileNames: string): void {
        const text = keptText(this.current(file, fileNames));
        if (text === this.lastKept || this.blocked) {
            return;
        }
        try {
            localStorage.setItem(this.key, text);
        } catch (error) {
            const full = error instanceof DOMException && (error.name === "QuotaExceededError" || error.code === 22);
            storageNotice(
                full
                    ? tr("page.storage", "The browser's storage is full: this program is not kept for the next visit. Save it with File > Save As.")
                    : tr("page.storage", "The browser keeps nothing for this page: this program is not kept for the next visit. Save it with File > Save As."),
            );
            return; // tried again at the next change or hide
        }
        this.lastKept = text;
        storageNotice("");
    }

    /** Tests: the entry kept, parsed, or null. */
    kept(): KeptProgram | null {
        return keptAt(this.key);
    }

    private current(file: string, fileNames: string): KeptProgram {
        const s = this.session;
        return {
            name: s.currentFileName(),
            file,
            fileNames,
            names: s.namesBytes(),
            cells: s.codeCells(),
            data: s.programBytes(),
            changed: s.codeChanged(),
            extended: s.extended(),
        };
    }

    /** Puts `kept` into the session; false when its program cannot be read. */
    private put(kept: KeptProgram): boolean {
        const s = this.session;
        s.offerNames(textToBytes(kept.fileNames));
        const file = textToBytes(kept.file);
        if (kept.cells) {
            s.restoreCells(kept.name, file, kept.cells, kept.changed, kept.extended);
        } else if (!s.restore(kept.name, file, textToBytes(kept.data), kept.changed)) {
            return false; // nothing restored
        }
        s.restoreNames(textToBytes(kept.names));
        return true;
    }

    /** Keeps an unreadable entry under kAsideKey; where that fails, leaves it where it is. */
    private setAside(raw: string): void {
        try {
            const aside = this.key === kStorageKey ? kAsideKey : this.key + ".unreadable";
            localStorage.setItem(aside, raw);
            storageNotice(
                trf(
                    "page.storage",
                    "The program kept from an earlier visit could not be read. It is set aside in the browser's storage as \"%1\"; this page starts with an empty program.",
                    aside,
                ),
            );
        } catch {
            this.blocked = true;
            storageNotice(tr("page.storage", "The program kept from an earlier visit could not be read, and there is no room to set it aside: this tab keeps nothing over it."));
        }
    }

    /** Another tab kept its program: newest wins, and this tab says that its own is not kept. */
    private onOtherTab(event: StorageEvent): void {
        if (event.key !== this.key || event.newValue === null || event.newValue === this.lastKept) {
            return;
        }
        // This tab's program stays as it last kept it, so that only its next change is kept.
        storageNotice(tr("page.storage", "Another Rungbox tab kept its program for the next visit. This tab's program is kept again when you change it."));
    }
}
