// SPDX-License-Identifier: GPL-3.0-or-later
// Exercise packs on the page: a published pack opened from the page's own web space
// ("#pack=packs/week3/") or from a file (File > Open Exercise Pack...), its exercises listed in a
// side panel with their state, the chosen one's statement drawn from the core's blocks (as text,
// never as markup), its work kept in storage apart from every other exercise's and from the
// page's own program, its visible tests checked with the Check With Script list, and one hand-in
// of every exercise downloaded. The core reads the pack and writes the hand-in (WebCourse).

interface WebCourse {
    /** Opens the `.rbxpack` bytes (8-bit text); "" when opened, else why not (UTF-8). */
    open(bytes: string): string;
    isOpen(): boolean;
    packId(): string;
    packTitle(): string;
    /** [{id, title, starter, tests}] as JSON. */
    exercisesJson(): string;
    /** The statement's blocks as JSON (StatementBlock[]). */
    statementJson(id: string): string;
    /** A pack file's bytes as 8-bit text; "" for a path that is no file of the pack. */
    file(path: string): string;
    starter(id: string): string;
    starterNames(id: string): string;
    tests(id: string): string;
    setWork(id: string, program: string, names: string, runs: number, passed: number, tests: number): boolean;
    clearWork(): void;
    /** Closes the pack: none is open after. */
    close(): void;
    handinText(): string;
}

interface RungboxModule {
    WebCourse: { new (): WebCourse };
}

interface CourseExercise {
    id: string;
    title: string;
    starter: string;
    tests: string;
}

/** A run of a statement's text, as course::markdownJson writes it. */
interface StatementSpan {
    text: string;
    strong?: boolean;
    emphasis?: boolean;
    code?: boolean;
    br?: boolean;
    link?: string;
    picture?: string;
}

interface StatementBlock {
    kind: "heading" | "paragraph" | "bullets" | "numbers" | "code" | "table" | "quote" | "rule";
    level?: number;
    items?: StatementSpan[][];
    code?: string;
    rows?: StatementSpan[][][];
}

/** What a check of an exercise's visible tests gave: the hand-in's summary. */
interface ExerciseChecks {
    runs: number;
    passed: number;
    tests: number;
}

/** What the page keeps of a pack besides each exercise's work. */
interface PackState {
    /** The exercise shown. */
    current: string;
    checks: Record<string, ExerciseChecks>;
    /** A digest of each exercise's starter as the page put it in: its work is edited when it
     * differs. */
    starters: Record<string, string>;
}

/** Where the page keeps the pack open (to open it again on the next visit) and each pack's
 * state and work. */
const kOpenPackKey = "rungbox.course.open";
const kCourseKeyPrefix = "rungbox.course.";
/** The largest `.rbxpack` read: the core's own limit (32 MB of files in base64) and room. */
const kMaxPackFileBytes = 48 << 20;
/** The largest pack kept in storage to open again on the next visit (as 8-bit text). */
const kMaxKeptPackChars = 1 << 20;
const kPictureTypes: Record<string, string> = {
    png: "image/png",
    jpg: "image/jpeg",
    jpeg: "image/jpeg",
    gif: "image/gif",
    webp: "image/webp",
    svg: "image/svg+xml",
};

/**
 * The address of the pack a fragment names ("#pack=packs/week3/"): its `pack.rbxpack`, or the
 * `.rbxpack` file named. Undefined when the fragment names no pack, null when the path is not
 * one of the page's own web space: a relative path of letters, digits, '.', '_' and '-' between
 * single slashes, no scheme, no "//", no "." or ".." segment.
 */
function packAddressOfFragment(hash: string): string | null | undefined {
    const fragment = hash.startsWith("#") ? hash.slice(1) : hash;
    if (!fragment.startsWith("pack=")) {
        return undefined;
    }
    let path: string;
    try {
        path = decodeURIComponent(fragment.slice("pack=".length).split("&")[0]);
    } catch {
        return null;
    }
    const segments = path.replace(/\/$/, "").split("/");
    if (path.length > 200 || !segments.every((s) => /^[A-Za-z0-9._-]+$/.test(s) && s !== "." && s !== "..")) {
        return null;
    }
    return /\.rbxpack$/i.test(path) ? path : path.replace(/\/?$/, "/") + "pack.rbxpack";
}

/** A short digest of a text (FNV-1a, 32 bits): enough to tell a starter from an edit. */
function digest(text: string): string {
    let hash = 0x811c9dc5;
    for (let i = 0; i < text.length; ++i) {
        hash = Math.imul(hash ^ text.charCodeAt(i), 0x01000193) >>> 0;
    }
    return hash.toString(16) + ":" + text.length;
}

/** The digest of a program's work: its grid's cells (without the empty ones at its end, as
 * storage keeps them; lines after END are work too) and its names file. */
function workDigest(cells: string[], names: string): string {
    let used = cells.length;
    while (used > 0 && cells[used - 1] === "") {
        --used;
    }
    return digest(cells.slice(0, used).join("\u0001") + "\u0000" + names);
}

/** The text of storage entry `key`, or null (none, or storage blocked). */
function storedText(key: string): string | null {
    try {
        return localStorage.getItem(key);
    } catch {
        return null;
    }
}

function storeText(key: string, text: string | null): boolean {
    try {
        if (text === null) {
            localStorage.removeItem(key);
        } else {
            localStorage.setItem(key, text);
        }
        return true;
    } catch {
        return false;
    }
}

/** Draws a statement's blocks with DOM elements and text only; `picture` gives a picture's
 * address by its pack path, or "" when the pack has no such picture. */
class StatementView {
    constructor(private readonly picture: (path: string) => string) {}

    draw(blocks: StatementBlock[]): DocumentFragment {
        const out = document.createDocumentFragment();
        for (const block of blocks) {
            out.append(this.block(block));
        }
        return out;
    }

    private block(block: StatementBlock): HTMLElement {
        const items = block.items ?? [];
        switch (block.kind) {
            case "heading":
                // The panel's own heading is an h2: a statement's headings go below it.
                return this.spans(`h${Math.min(6, Math.max(1, block.level ?? 1) + 2)}`, items[0]);
            case "paragraph":
                return this.spans("p", items[0]);
            case "quote": {
                const quote = document.createElement("blockquote");
                quote.append(this.spans("p", items[0]));
                return quote;
            }
            case "bullets":
            case "numbers": {
                const list = document.createElement(block.kind === "bullets" ? "ul" : "ol");
                if (block.kind === "numbers" && block.level !== undefined && block.level !== 1) {
                    (list as HTMLOListElement).start = block.level;
                }
                for (const item of items) {
                    list.append(this.spans("li", item));
                }
                return list;
            }
            case "code": {
                const pre = document.createElement("pre");
                const code = document.createElement("code");
                code.textContent = block.code ?? "";
                pre.append(code);
                return pre;
            }
            case "table":
                return this.table(block.rows ?? []);
            case "rule":
                return document.createElement("hr");
        }
        return this.spans("p", []);
    }

    private table(rows: StatementSpan[][][]): HTMLElement {
        const scroll = document.createElement("div");
        scroll.className = "statement-table";
        const table = document.createElement("table");
        rows.forEach((row, index) => {
            const tableRow = index === 0 ? table.createTHead().insertRow() : (table.tBodies[0] ?? table.createTBody()).insertRow();
            for (const cell of row) {
                tableRow.append(this.spans(index === 0 ? "th" : "td", cell));
            }
        });
        scroll.append(table);
        return scroll;
    }

    private spans(tag: string, spans: StatementSpan[] | undefined): HTMLElement {
        const host = document.createElement(tag);
        for (const span of spans ?? []) {
            if (span.br) {
                host.append(document.createElement("br"));
            }
            host.append(this.span(span));
        }
        return host;
    }

    private span(span: StatementSpan): Node {
        let node: Node;
        if (span.picture) {
            const address = this.picture(span.picture);
            if (address) {
                const img = document.createElement("img");
                img.alt = span.text;
                img.src = address;
                node = img;
            } else {
                node = document.createTextNode(span.text);
            }
        } else {
            node = document.createTextNode(span.text);
        }
        for (const [on, tag] of [[span.code, "code"], [span.emphasis, "em"], [span.strong, "strong"]] as const) {
            if (on) {
                const wrap = document.createElement(tag);
                wrap.append(node);
                node = wrap;
            }
        }
        // Only the web's addresses, as the core gives them: nothing else becomes a link.
        if (span.link && /^(https?:\/\/|mailto:)/i.test(span.link)) {
            const link = document.createElement("a");
            link.href = span.link;
            link.rel = "noopener noreferrer";
            link.target = "_blank";
            link.append(node);
            node = link;
        }
        return node;
    }
}

class CourseFeature implements PageFeature {
    private readonly course: WebCourse;
    private readonly host: HTMLElement;
    private readonly heading: HTMLElement;
    private readonly list: HTMLOListElement;
    private readonly statement: HTMLElement;
    private readonly status: HTMLElement;
    private readonly buttons: HTMLButtonElement[];
    private exercises: CourseExercise[] = [];
    private state: PackState = { current: "", checks: {}, starters: {} };
    /** The pictures' blob: addresses of the statement shown, taken back when it goes. */
    private pictures: string[] = [];
    /** The session's state when the current exercise's state was last worked out. */
    private shownStamp = "";
    /** Whether the panel's buttons were last shown locked (a run on). */
    private lockedShown = false;
    /** The fragment the page was opened with: a share link's program is not replaced by the
     * pack open on the last visit. */
    private readonly openedHash = location.hash;
    private busy = false;

    constructor(private readonly context: PageContext, private readonly checks: CheckFeature) {
        this.course = new context.core.WebCourse();
        this.host = document.createElement("section");
        this.host.className = "course";
        this.host.setAttribute("aria-label", tr("page.course", "Exercises"));
        this.host.hidden = true;
        const head = document.createElement("div");
        head.className = "course-head";
        this.heading = document.createElement("h2");
        head.append(this.heading, toolButton(tr("page.course", "Close Pack"), () => void this.close()));
        this.list = document.createElement("ol");
        this.list.className = "course-list";
        this.list.setAttribute("aria-label", tr("page.course", "Exercise list"));
        const bar = document.createElement("div");
        bar.className = "tool-buttons course-buttons";
        this.buttons = [
            toolButton(tr("page.course", "Check"), () => this.check()),
            toolButton(tr("page.course", "Reset Exercise"), () => void this.reset()),
            toolButton(tr("page.course", "Hand In"), () => this.handIn()),
        ];
        this.buttons[0].title = tr("page.course", "Run this exercise's visible tests on your program");
        this.buttons[2].title = tr("page.course", "Download one file with your work on every exercise, to hand in");
        bar.append(...this.buttons);
        this.status = document.createElement("p");
        this.status.className = "course-status";
        this.status.setAttribute("role", "status");
        this.statement = document.createElement("article");
        this.statement.className = "statement";
        this.statement.setAttribute("aria-label", tr("page.course", "Statement"));
        this.host.append(head, this.list, bar, this.status, this.statement);
        document.getElementById("workspace")?.append(this.host);
        window.addEventListener("hashchange", () => void this.openFragment());
    }

    menuItems(): { menu: string; items: MenuItem[] }[] {
        return [
            {
                menu: "File",
                items: [
                    { label: tr("page.course", "Open Exercise Pack..."), run: () => void this.askAndOpen() },
                    { label: tr("page.course", "Close Exercise Pack"), run: () => void this.close(), shown: () => this.course.isOpen() },
                ],
            },
        ];
    }

    /** Opens the pack the fragment names, or else the pack open on the last visit. */
    async start(): Promise<void> {
        if (await this.openFragment()) {
            return;
        }
        const kept = this.keptPack();
        if (sharedOfFragment(this.openedHash) !== undefined) {
            return;
        }
        // The site's pack as it is now; offline, or where the site has it no more, the copy kept.
        if (kept.link !== undefined && (await this.openLink(kept.link, false))) {
            return;
        }
        if (kept.file !== undefined) {
            await this.openBytes(kept.file, kept.link ?? null, false);
        }
    }

    /** The pack kept open from the last visit: its link, its copy, either or neither. */
    private keptPack(): { link?: string; file?: string } {
        let open: { link?: unknown; file?: unknown } = {};
        try {
            open = JSON.parse(storedText(kOpenPackKey) ?? "{}") as typeof open;
        } catch {
            // Not ours: nothing to open.
        }
        return {
            link: typeof open.link === "string" ? open.link : undefined,
            file: typeof open.file === "string" && isByteText(open.file) ? open.file : undefined,
        };
    }

    refresh(): void {
        if (!this.course.isOpen()) {
            return;
        }
        const session = this.context.session;
        const locked = this.locked();
        if (locked !== this.lockedShown) {
            this.lockedShown = locked;
            for (const button of this.host.querySelectorAll<HTMLButtonElement>("button")) {
                button.disabled = locked;
            }
        }
        if (locked) {
            return;
        }
        const stamp = `${session.gridRevision()}/${session.fileRevision()}/${session.namesBytes()}`;
        if (stamp !== this.shownStamp) {
            // Edits change only the exercise shown; the others' are read from storage after a
            // choice (choose() empties the stamp).
            this.showStates(this.shownStamp === "" ? undefined : this.state.current);
            this.shownStamp = stamp;
        }
    }

    /** The pack and exercise shown, for a printed page's heading; "" without a pack. */
    caption(): string {
        const exercise = this.exercises.find((e) => e.id === this.state.current);
        return this.course.isOpen() ? [fromUtf8(this.course.packTitle()), exercise?.title ?? ""].filter((t) => t).join(": ") : "";
    }

    testHook(): object {
        return {
            packAddressOfFragment,
            /** The exercise shown, or "" without a pack. */
            currentExercise: () => (this.course.isOpen() ? this.state.current : ""),
        };
    }

    // --- Opening and closing -------------------------------------------------------------------

    private async askAndOpen(): Promise<void> {
        const file = await pickFile(".rbxpack");
        if (file && file.bytes.length > kMaxPackFileBytes) {
            await showNote(tr("page.course", "Open Exercise Pack"), tr("page.course", "This exercise pack cannot be opened: it is too large."));
        } else if (file) {
            await this.openBytes(bytesToText(file.bytes), null, true);
        }
    }

    /** Opens the pack the fragment names; false when it names none. */
    private async openFragment(): Promise<boolean> {
        const address = packAddressOfFragment(location.hash);
        if (address === undefined) {
            return false;
        }
        if (address === null) {
            await showNote(
                tr("page.course", "Open Exercise Pack"),
                tr("page.course", "The link's pack is not on this page's site: only a path such as #pack=packs/week3/ is opened."),
            );
            return true;
        }
        // The copy kept of the same pack when the site cannot be reached (offline).
        const kept = this.keptPack();
        const copy = kept.link === address ? kept.file : undefined;
        if (!(await this.openLink(address, copy === undefined)) && copy !== undefined) {
            await this.openBytes(copy, address, true);
        }
        return true;
    }

    /** Opens the pack at `address` on the page's site; false when it cannot be fetched. */
    private async openLink(address: string, tell: boolean): Promise<boolean> {
        const url = new URL(address, location.href);
        let text: string | null = null;
        let why = "";
        if (url.origin !== location.origin || url.protocol === "file:") {
            why = tr("page.course", "Packs are opened only from this page's own site.");
        } else {
            try {
                const response = await fetch(url.href, { credentials: "same-origin", redirect: "error" });
                const length = Number(response.headers.get("Content-Length") ?? "0");
                if (!response.ok) {
                    why = trf("page.course", "The site answered %1 for %2.", response.status, address);
                } else if (length > kMaxPackFileBytes) {
                    why = tr("page.course", "The pack is too large.");
                } else {
                    const bytes = new Uint8Array(await response.arrayBuffer());
                    why = bytes.length > kMaxPackFileBytes ? tr("page.course", "The pack is too large.") : "";
                    text = why ? null : bytesToText(bytes);
                }
            } catch {
                why = trf("page.course", "The pack %1 cannot be fetched.", address);
            }
        }
        if (text === null) {
            if (tell) {
                await showNote(tr("page.course", "Open Exercise Pack"), why);
            }
            return false;
        }
        await this.openBytes(text, address, tell);
        return true;
    }

    /** Opens the pack of the `.rbxpack` text `bytes`, fetched from `link` or read from a file. */
    private async openBytes(bytes: string, link: string | null, tell: boolean): Promise<void> {
        if (bytes.length > kMaxPackFileBytes) {
            if (tell) {
                await showNote(tr("page.course", "Open Exercise Pack"), tr("page.course", "This exercise pack cannot be opened: it is too large."));
            }
            return;
        }
        const why = this.course.open(bytes);
        if (why !== "") {
            if (tell) {
                await showNote(tr("page.course", "Open Exercise Pack"), trf("page.course", "This exercise pack cannot be opened:\n%1", fromUtf8(why)));
            }
            return;
        }
        // Kept to open again on the next visit: from its site when it came from there, with a
        // copy when it is small enough (for a visit offline).
        const copy = bytes.length <= kMaxKeptPackChars ? { file: bytes } : {};
        const kept = link !== null ? { link, ...copy } : bytes.length <= kMaxKeptPackChars ? copy : null;
        // A full storage keeps at least the link.
        if (!storeText(kOpenPackKey, kept ? JSON.stringify(kept) : null)) {
            storeText(kOpenPackKey, link !== null ? JSON.stringify({ link }) : null);
        }
        this.exercises = JSON.parse(fromUtf8(this.course.exercisesJson())) as CourseExercise[];
        this.state = this.readState();
        this.heading.textContent = fromUtf8(this.course.packTitle());
        this.host.hidden = false;
        this.buildList();
        const current = this.exercises.some((e) => e.id === this.state.current) ? this.state.current : this.exercises[0]?.id;
        if (current !== undefined) {
            this.choose(current);
        }
        if (!kept) {
            showNotice("course", tr("page.course", "This pack is too large to open again by itself on your next visit: open it again from its file."));
        }
    }

    private async close(): Promise<void> {
        if (!this.course.isOpen() || this.locked()) {
            return;
        }
        // Back to the page's own program as kept; an empty one when none is.
        if (!this.context.keepProgramUnder(null)) {
            this.context.replaceProgram(() => this.context.session.restoreCells("", new Uint8Array(), [], false, false));
        }
        this.course.close();
        this.exercises = [];
        this.state = { current: "", checks: {}, starters: {} };
        this.forgetPictures();
        this.statement.replaceChildren();
        this.host.hidden = true;
        storeText(kOpenPackKey, null);
        showNotice("course", "");
        if (location.hash.startsWith("#pack=")) {
            history.replaceState(null, "", location.pathname + location.search);
        }
    }

    // --- The list and the statement --------------------------------------------------------------

    private buildList(): void {
        this.list.replaceChildren();
        for (const exercise of this.exercises) {
            const item = document.createElement("li");
            const button = document.createElement("button");
            button.type = "button";
            button.dataset.exercise = exercise.id;
            const title = document.createElement("span");
            title.className = "course-title";
            title.textContent = exercise.title;
            const state = document.createElement("span");
            state.className = "course-state";
            button.append(title, state);
            button.addEventListener("click", () => this.choose(exercise.id));
            item.append(button);
            this.list.append(item);
        }
    }

    /** Shows exercise `id` and puts in its work: as kept, or its starter the first time. */
    private choose(id: string): void {
        if (this.locked() && this.course.isOpen() && id !== this.state.current) {
            return;
        }
        const exercise = this.exercises.find((e) => e.id === id);
        if (!exercise) {
            return;
        }
        this.state.current = id;
        this.saveState();
        if (!this.context.keepProgramUnder(this.workKey(id))) {
            this.context.replaceProgram(() => this.putStarter(exercise));
        }
        for (const button of this.list.querySelectorAll<HTMLButtonElement>("button")) {
            if (button.dataset.exercise === id) {
                button.setAttribute("aria-current", "true");
            } else {
                button.removeAttribute("aria-current");
            }
        }
        this.showStatement(exercise);
        this.shownStamp = "";
        this.status.textContent = "";
        this.refresh();
    }

    private putStarter(exercise: CourseExercise): void {
        const s = this.context.session;
        const starter = textToBytes(this.course.starter(exercise.id));
        const names = textToBytes(this.course.starterNames(exercise.id));
        s.offerNames(names);
        if (!s.restore(exercise.starter, starter, starter, false)) {
            s.restoreCells(exercise.starter, starter, [], false, false);
        }
        s.restoreNames(names);
        this.state.starters[exercise.id] = workDigest(s.codeCells(), s.namesBytes());
        this.saveState();
    }

    private showStatement(exercise: CourseExercise): void {
        this.forgetPictures();
        let blocks: StatementBlock[] = [];
        try {
            blocks = JSON.parse(fromUtf8(this.course.statementJson(exercise.id))) as StatementBlock[];
        } catch {
            // The core writes valid JSON; nothing to show otherwise.
        }
        const view = new StatementView((path) => this.pictureAddress(path));
        const title = document.createElement("h3");
        title.className = "statement-title";
        title.textContent = exercise.title;
        this.statement.replaceChildren(title, view.draw(blocks));
        this.statement.scrollTop = 0;
    }

    /** A blob: address of the pack's picture `path`, of a known picture type; "" otherwise. */
    private pictureAddress(path: string): string {
        const type = kPictureTypes[path.replace(/^.*\./, "").toLowerCase()];
        const bytes = this.course.file(path);
        if (!type || bytes === "") {
            return "";
        }
        const address = URL.createObjectURL(new Blob([textToBytes(bytes) as Uint8Array<ArrayBuffer>], { type }));
        this.pictures.push(address);
        return address;
    }

    private forgetPictures(): void {
        this.pictures.forEach((address) => URL.revokeObjectURL(address));
        this.pictures = [];
    }

    /** Each exercise's state beside its title: not started, edited, or what its check gave. */
    private showStates(only?: string): void {
        for (const button of this.list.querySelectorAll<HTMLButtonElement>("button")) {
            const id = button.dataset.exercise ?? "";
            if (only !== undefined && id !== only) {
                continue;
            }
            const { state, text } = this.exerciseState(id);
            const label = button.querySelector(".course-state") as HTMLElement;
            if (label.textContent !== text) {
                label.textContent = text;
            }
            button.dataset.state = state;
        }
    }

    /** Exercise `id`'s state ("passed", "new" or "edited") and the text that tells it. */
    private exerciseState(id: string): { state: string; text: string } {
        const checks = this.state.checks[id];
        if (checks && checks.tests > 0) {
            return checks.passed === checks.tests
                ? { state: "passed", text: tr("page.course", "all visible tests pass") }
                : { state: "edited", text: trf("page.course", "%1 of %2 visible tests pass", checks.passed, checks.tests) };
        }
        const work = this.work(id);
        const fresh = !work || this.state.starters[id] === undefined || workDigest(work.cells, work.names) === this.state.starters[id];
        return fresh ? { state: "new", text: tr("page.course", "not started") } : { state: "edited", text: tr("page.course", "edited") };
    }

    /** Exercise `id`'s work: the session's for the one shown, the kept one's for another. */
    private work(id: string): { program: string; names: string; cells: string[] } | null {
        const s = this.context.session;
        if (id === this.state.current) {
            return { program: s.programBytes(), names: s.namesBytes(), cells: s.codeCells() };
        }
        const kept = keptAt(this.workKey(id));
        return kept ? { program: kept.data, names: kept.names, cells: kept.cells ?? [] } : null;
    }

    // --- Check, Reset Exercise, Hand In ----------------------------------------------------------

    private check(): void {
        const id = this.state.current;
        const exercise = this.exercises.find((e) => e.id === id);
        if (!exercise || this.locked()) {
            return;
        }
        this.checks.checkWith(exercise.tests, textToBytes(this.course.tests(id)), (list) => {
            if (this.state.current !== id || !this.course.isOpen()) {
                return;
            }
            const before = this.state.checks[id] ?? { runs: 0, passed: 0, tests: 0 };
            const tests = list.tests.filter((t) => !t.hidden);
            this.state.checks[id] = { runs: before.runs + 1, passed: tests.filter((t) => t.passed).length, tests: tests.length };
            this.saveState();
            this.showStates(id);
        });
    }

    private async reset(): Promise<void> {
        const exercise = this.exercises.find((e) => e.id === this.state.current);
        if (!exercise || this.locked() || this.busy) {
            return;
        }
        this.busy = true;
        const answer = await showMessage({
            title: tr("page.course", "Reset Exercise"),
            text: trf("page.course", "Go back to the starting program of \"%1\"? Your work on it is lost.", exercise.title),
            buttons: "yesNo",
            icon: "question",
        });
        this.busy = false;
        if (answer !== BoxAnswer.Yes || this.state.current !== exercise.id) {
            return;
        }
        const before = this.state.checks[exercise.id];
        this.state.checks[exercise.id] = { runs: before?.runs ?? 0, passed: 0, tests: 0 };
        this.context.replaceProgram(() => this.putStarter(exercise));
        this.shownStamp = "";
        this.refresh();
        this.status.textContent = tr("page.course", "Back to the starting program.");
    }

    private handIn(): void {
        if (!this.course.isOpen()) {
            return;
        }
        this.course.clearWork();
        for (const exercise of this.exercises) {
            const work = this.work(exercise.id);
            const checks = this.state.checks[exercise.id] ?? { runs: 0, passed: 0, tests: 0 };
            if (work) {
                this.course.setWork(exercise.id, work.program, work.names, checks.runs, checks.passed, checks.tests);
            }
        }
        const text = this.course.handinText();
        const name = fromUtf8(this.course.packId()) + ".rbxsub";
        offerDownload(name, new Blob([textToBytes(text) as Uint8Array<ArrayBuffer>], { type: "application/json" }));
        this.status.textContent = trf("page.course", "Your work is downloaded as %1: hand in that file.", name);
    }

    // --- Storage ---------------------------------------------------------------------------------

    private workKey(id: string): string {
        return `${kCourseKeyPrefix}${fromUtf8(this.course.packId())}.${id}`;
    }

    private stateKey(): string {
        return `${kCourseKeyPrefix}${fromUtf8(this.course.packId())}`;
    }

    /** The pack's kept state; every field checked, as anything may have written it. */
    private readState(): PackState {
        const state: PackState = { current: "", checks: {}, starters: {} };
        let value: unknown = null;
        try {
            value = JSON.parse(storedText(this.stateKey()) ?? "null");
        } catch {
            return state;
        }
        const v = (typeof value === "object" && value !== null ? value : {}) as Record<string, unknown>;
        const ids = new Set(this.exercises.map((e) => e.id));
        state.current = typeof v.current === "string" && ids.has(v.current) ? v.current : "";
        const whole = (n: unknown, max: number): number | null =>
            typeof n === "number" && Number.isInteger(n) && n >= 0 && n <= max ? n : null;
        for (const [id, c] of Object.entries((v.checks ?? {}) as Record<string, unknown>)) {
            const r = c as Record<string, unknown> | null;
            const runs = whole(r?.runs, 1000000);
            const tests = whole(r?.tests, 1000);
            const passed = whole(r?.passed, tests ?? 0);
            if (ids.has(id) && runs !== null && tests !== null && passed !== null) {
                state.checks[id] = { runs, passed, tests };
            }
        }
        for (const [id, d] of Object.entries((v.starters ?? {}) as Record<string, unknown>)) {
            if (ids.has(id) && typeof d === "string" && d.length < 40) {
                state.starters[id] = d;
            }
        }
        return state;
    }

    private saveState(): void {
        if (!storeText(this.stateKey(), JSON.stringify(this.state))) {
            showNotice(
                "course",
                tr("page.course", "The browser's storage keeps nothing more: your work on this pack may not be kept for the next visit. Hand it in or save it."),
            );
        }
    }

    /** A run is on: the File menu is locked, and so are the exercises. */
    private locked(): boolean {
        return this.context.session.panelBits()[5] === 0;
    }
}
