// SPDX-License-Identifier: GPL-3.0-or-later
// The page: the main window's menus and panel, the grid, the ladder diagram and the machines,
// wired to one session of the core; the run's clock; the program kept in the browser's storage;
// share links; and the hook through which the tests drive the page.

/** The examples shipped with the page (examples.js, made by scripts/web.sh). */
declare const RUNGBOX_EXAMPLES: { name: string; data: string; names?: string }[];

/** How long after an edit the program is written to storage: typing stays cheap. */
const kStoreDelayMs = 500;
/** The run's clock ticks this often while a run goes on, and the page shows what changed at each
 * tick: at most about 30 pictures a second, as the window's diagram and machine windows are.
 * User actions draw at once. */
const kPictureMs = 33;

interface MenuItem {
    label: string;
    run: () => void;
    key?: Shortcut;
    /** Module items and View > Ladder Diagram: checked while this answers true. */
    checked?: () => boolean;
    /** Checked on its own (shown or not), not as one choice of a group of items. */
    checkbox?: boolean;
    group?: string;
    /** Shown only while this answers true (checked when the menu opens); always when absent. */
    shown?: () => boolean;
}

interface Menu {
    /** The menu's English name, by which the page's parts add items to it (menuItems). */
    id: string;
    /** Its caption in the user's language (menuCaption). */
    label: string;
    items: MenuItem[];
    /** The File and Module menus are locked while a run is on (the panel port says so). */
    enabledBit?: number;
}

/** What the page's parts beyond the main window work with (features.ts makes them). */
interface PageContext {
    readonly core: RungboxModule;
    readonly session: WebSession;
    /** The main window's views, for parts that mark them (the debugger's lines, dots and
     * padlocks) or edit through them (the ladder diagram's drawing). */
    readonly grid: GridView;
    readonly ladder: LadderView;
    readonly panel: PanelView;
    /** Where a part puts its panel (a section of class "tool" with an accessible name). */
    readonly tools: HTMLElement;
    /** Shows every change at once, as after a user's action. */
    render(): void;
    /** Shows the message boxes the core showed since the last look, one after the other. */
    showMessages(): Promise<void>;
    /** The program changed other than through the grid (its names): the title is shown again
     * and the program stored. */
    programChanged(): void;
    /**
     * Keeps the program shown under its storage key, then keeps the program under `key` from
     * now on (null: the page's own program) and puts back what is kept there, as a reload
     * would. False, with the program left as it was, when nothing is kept under `key`.
     */
    keepProgramUnder(key: string | null): boolean;
    /** Puts in a program with `put` (no save question: the one before is kept in storage) as
     * a file command replaces it, and keeps it at once. */
    replaceProgram(put: () => void): void;
}

/** A part of the page beyond the main window: the debugger, the timing diagram, the checks. */
interface PageFeature {
    /** Items for menus by their English name (Menu.id); a menu the page has not got yet goes
     * before Help. */
    menuItems?(): { menu: string; items: MenuItem[] }[];
    /** Shows what changed since the last call (after the user's hands and on each clock tick). */
    refresh?(): void;
    /** Calls the tests make, merged into the page's test hook (testHook). */
    testHook?(): object;
    /** A share link was opened (its program is in): `hash` is the fragment it came with. */
    sharedLinkOpened?(hash: string): Promise<void> | void;
    /** What the page's share link carries besides the program and names ("s=..."). */
    shareLinkParts?(): string[];
    /** A file command replaced the program (New, Load, an example, a share link): what was
     * shown of the one before goes. */
    programReplaced?(): void;
    /** The page has put back its program and opened its share link: a part puts back what it
     * had open (an exercise pack). */
    start?(): Promise<void>;
}

class App {
    private readonly panel: PanelView;
    private readonly grid: GridView;
    private readonly ladder: LadderView;
    private readonly machine: MachineView;
    private readonly menus: Menu[];
    private readonly features: PageFeature[];
    private readonly menuButtons: HTMLButtonElement[] = [];
    private readonly keeper: ProgramStore;
    private clockHeld = false;
    /** The run's clock (a timer id), 0 while it stands still (syncClock). */
    private clock = 0;
    /** When the clock last ticked (performance.now), and the part of a millisecond owed since. */
    private lastTick = 0;
    private carryMs = 0;
    private hiddenWhileRunning = false;
    private busy = false;
    private storedRevision = -1;
    private storeTimer = 0;
    private title = "";
    /** The bytes of the current file as last loaded or saved: the program when unchanged. */
    private fileBytes = "";
    /** The names of the current file as last loaded or saved. */
    private fileNames = "";
    /** The session's change counters as last shown: an unchanged page is not looked at again. */
    private shownStamp = "";
    private picker: HTMLInputElement | null = null;

    constructor(
        core: RungboxModule,
        private readonly session: WebSession,
        private readonly maxCatchUpMs: number,
        private readonly languages: readonly Language[],
    ) {
        const changed = (): void => this.render();
        this.grid = new GridView(session, changed);
        const client = document.getElementById("client") as HTMLElement;
        this.panel = new PanelView(client, this.grid.host, session);
        client.addEventListener("session-changed", changed);
        this.ladder = new LadderView(session);
        this.machine = new MachineView(session, changed);
        document.getElementById("workspace")?.append(this.ladder.host);
        document.getElementById("machines")?.append(this.machine.host);
        this.keeper = new ProgramStore(session);
        this.features = makeFeatures({
            core,
            session,
            grid: this.grid,
            ladder: this.ladder,
            panel: this.panel,
            tools: document.getElementById("tools") as HTMLElement,
            render: () => this.render(),
            showMessages: () => this.showMessages(),
            programChanged: () => {
                this.shownStamp = "";
                this.storedRevision = -1;
                this.render();
            },
            keepProgramUnder: (key) => this.keepProgramUnder(key),
            replaceProgram: (put) => this.replaceProgram(put),
        });
        this.menus = this.withFeatureItems(this.makeMenus());
        this.menus.find((menu) => menu.id === "View")?.items.push(...this.languageItems());
        this.buildMenuBar(document.getElementById("menubar") as HTMLElement);
        document.addEventListener("keydown", (event) => this.onShortcut(event), true);
        document.addEventListener("visibilitychange", () => this.onVisibility());
        window.addEventListener("hashchange", () => void this.openShareLink());
        window.addEventListener("pagehide", () => this.store());
    }

    async start(): Promise<void> {
        this.restore();
        this.render();
        this.grid.showTop();
        await this.openShareLink();
        for (const feature of this.features) {
            await feature.start?.();
        }
        this.grid.focus();
        // When the page became usable, in milliseconds since navigation began (the README's figure).
        document.body.dataset.readyMs = String(Math.round(performance.now()));
        document.body.dataset.ready = "1";
    }

    // --- Menus -------------------------------------------------------------------------------

    private makeMenus(): Menu[] {
        const examples: MenuItem[] = RUNGBOX_EXAMPLES.map((example) => ({
            label: example.name,
            group: tr("page.app", "Examples"),
            run: () =>
                void this.openBytes(
                    example.name,
                    decodeBase64Url(example.data) ?? new Uint8Array(),
                    example.names !== undefined ? decodeBase64Url(example.names) : null,
                ),
        }));
        const module = (index: number, label: string): MenuItem => ({
            label,
            run: () => {
                this.session.chooseModule(index);
                this.render();
            },
            checked: () => this.session.module() === index,
        });
        return [
            {
                id: "File",
                label: menuCaption("File"),
                enabledBit: 5,
                items: [
                    {
                        label: tr("page.app", "New"),
                        key: shortcut("Ctrl+Alt+N"),
                        run: () =>
                            void this.fileCommand(() => {
                                this.session.newProgram();
                                return true;
                            }),
                    },
                    { label: tr("page.app", "Load"), key: shortcut("Ctrl+O"), run: () => void this.loadCommand() },
                    { label: tr("page.app", "Save As"), key: shortcut("Ctrl+Shift+S"), run: () => void this.fileCommand(() => this.session.saveAs()) },
                    ...examples,
                    { label: tr("page.app", "Copy Share Link"), key: shortcut("Ctrl+Shift+L"), run: () => void this.copyShareLink() },
                ],
            },
            {
                id: "Module",
                label: menuCaption("Module"),
                enabledBit: 6,
                items: [
                    module(0, tr("page.app", "none")),
                    module(1, tr("page.app", "House Gate")),
                    module(2, tr("page.app", "Conveyor")),
                    module(3, tr("page.app", "Motor Starter")),
                    module(4, tr("page.app", "Tank and Pumps")),
                    module(5, tr("page.app", "Traffic Intersection")),
                    module(6, tr("page.app", "Car Park")),
                ],
            },
            {
                id: "View",
                label: menuCaption("View"),
                items: [
                    {
                        label: tr("page.app", "Ladder Diagram"),
                        key: shortcut("Ctrl+L"),
                        checkbox: true,
                        checked: () => this.ladder.shown,
                        run: () => this.toggleLadder(),
                    },
                ],
            },
            {
                id: "Options",
                label: menuCaption("Options"),
                items: [
                    {
                        label: tr("page.app", "Extended Instruction Set"),
                        checkbox: true,
                        checked: () => this.session.extended(),
                        run: () => {
                            // One undoable edit; a refusal comes back as a message.
                            this.session.setExtended(!this.session.extended());
                            this.render();
                            void this.showMessages();
                        },
                    },
                ],
            },
            { id: "Help", label: menuCaption("Help"), items: [{ label: tr("page.app", "About"), run: () => void showAbout() }] },
        ];
    }

    /**
     * View > Language: the system's language, then each language by its own name. A choice is
     * kept in storage and the page loads again in it; the program is stored first, so the page
     * puts it back as it was.
     */
    private languageItems(): MenuItem[] {
        const group = tr("page.app", "Language");
        const choose = (code: string | null) => () => {
            storeLanguage(code);
            this.store();
            location.reload();
        };
        const system: MenuItem = { label: tr("page.app", "System language"), group, checked: () => storedLanguage() === null, run: choose(null) };
        return [
            system,
            ...this.languages.map((language) => ({
                label: language.endonym,
                group,
                checked: () => storedLanguage() === language.code,
                run: choose(language.code),
            })),
        ];
    }

    /** View > Ladder Diagram: shows the diagram, or hides it, at every width of the page. */
    private toggleLadder(): void {
        this.ladder.setShown(!this.ladder.shown);
        this.render();
        if (this.ladder.shown) {
            this.ladder.host.scrollIntoView({ block: "nearest" });
        }
    }

    /** The main window's menus with the features' items added. */
    private withFeatureItems(menus: Menu[]): Menu[] {
        for (const feature of this.features) {
            for (const { menu: id, items } of feature.menuItems?.() ?? []) {
                let menu = menus.find((m) => m.id === id);
                if (!menu) {
                    menu = { id, label: menuCaption(id), items: [] };
                    menus.splice(menus.length - 1, 0, menu); // before Help
                }
                menu.items.push(...items);
            }
        }
        return menus;
    }

    private buildMenuBar(bar: HTMLElement): void {
        bar.setAttribute("role", "menubar");
        this.menus.forEach((menu, index) => {
            const wrap = document.createElement("div");
            wrap.className = "menu";
            const button = document.createElement("button");
            button.textContent = menu.label;
            button.setAttribute("role", "menuitem");
            button.setAttribute("aria-haspopup", "menu");
            button.setAttribute("aria-expanded", "false");
            const list = document.createElement("div");
            list.setAttribute("role", "menu");
            list.setAttribute("aria-label", menu.label);
            list.hidden = true;
            let group = "";
            for (const item of menu.items) {
                if (item.group && item.group !== group) {
                    const heading = document.createElement("div");
                    heading.className = "menu-group";
                    heading.textContent = item.group;
                    heading.setAttribute("role", "presentation");
                    list.append(heading);
                }
                if (!item.group && group) {
                    list.append(Object.assign(document.createElement("hr"), { role: "separator" }));
                }
                group = item.group ?? "";
                list.append(this.menuEntry(item, () => this.closeMenus()));
            }
            button.addEventListener("click", () => this.toggleMenu(index));
            button.addEventListener("keydown", (event) => this.onMenuBarKey(event, index));
            list.addEventListener("keydown", (event) => this.onMenuKey(event, index));
            wrap.append(button, list);
            bar.append(wrap);
            this.menuButtons.push(button);
        });
        document.addEventListener("mousedown", (event) => {
            if (!(event.target as HTMLElement).closest(".menu")) {
                this.closeMenus();
            }
        });
    }

    private menuEntry(item: MenuItem, close: () => void): HTMLButtonElement {
        const entry = document.createElement("button");
        entry.setAttribute("role", !item.checked ? "menuitem" : item.checkbox ? "menuitemcheckbox" : "menuitemradio");
        entry.tabIndex = -1;
        entry.className = item.group ? "in-group" : "";
        const label = document.createElement("span");
        label.textContent = item.label;
        entry.append(label);
        if (item.key) {
            const key = document.createElement("kbd");
            key.textContent = item.key.label;
            entry.append(key);
            entry.setAttribute("aria-keyshortcuts", item.key.label.replace(/Ctrl/g, "Control"));
        }
        entry.addEventListener("click", () => {
            close();
            item.run();
        });
        (entry as unknown as { menuItem: MenuItem }).menuItem = item;
        return entry;
    }

    private toggleMenu(index: number, focusFirst = false): void {
        const button = this.menuButtons[index];
        const list = button.nextElementSibling as HTMLElement;
        const open = list.hidden;
        this.closeMenus();
        if (!open || button.getAttribute("aria-disabled") === "true") {
            return;
        }
        for (const entry of list.querySelectorAll<HTMLButtonElement>("button")) {
            const item = (entry as unknown as { menuItem: MenuItem }).menuItem;
            if (item.checked) {
                entry.setAttribute("aria-checked", item.checked() ? "true" : "false");
            }
            if (item.shown) {
                entry.hidden = !item.shown();
            }
        }
        list.hidden = false;
        button.setAttribute("aria-expanded", "true");
        if (focusFirst) {
            list.querySelector<HTMLButtonElement>("button")?.focus();
        }
    }

    private closeMenus(): void {
        for (const button of this.menuButtons) {
            (button.nextElementSibling as HTMLElement).hidden = true;
            button.setAttribute("aria-expanded", "false");
        }
    }

    /** The menu `step` places right of `index` (left when negative), round the bar's ends. */
    private menuBeside(index: number, step: number): number {
        const count = this.menuButtons.length;
        return (index + step + count) % count;
    }

    private onMenuBarKey(event: KeyboardEvent, index: number): void {
        const last = this.menuButtons.length - 1;
        const to = { ArrowRight: this.menuBeside(index, 1), ArrowLeft: this.menuBeside(index, -1), Home: 0, End: last }[event.key];
        if (to !== undefined) {
            event.preventDefault();
            this.closeMenus();
            this.menuButtons[to].focus();
        } else if (event.key === "ArrowDown" || event.key === "Enter" || event.key === " ") {
            event.preventDefault();
            this.toggleMenu(index, true);
        }
    }

    /**
     * Keys in an open menu: Up and Down step through its items, Home and End go to the first and
     * the last, Right and Left open the next menu of the bar (its button, when it is locked).
     */
    private onMenuKey(event: KeyboardEvent, index: number): void {
        const list = this.menuButtons[index].nextElementSibling as HTMLElement;
        const entries = Array.from(list.querySelectorAll<HTMLButtonElement>("button")).filter((entry) => !entry.hidden);
        const at = entries.indexOf(document.activeElement as HTMLButtonElement);
        const count = entries.length;
        const to = { ArrowDown: (at + 1) % count, ArrowUp: (at + count - 1) % count, Home: 0, End: count - 1 }[event.key];
        if (to !== undefined) {
            event.preventDefault();
            entries[to]?.focus();
        } else if (event.key === "ArrowRight" || event.key === "ArrowLeft") {
            event.preventDefault();
            const next = this.menuBeside(index, event.key === "ArrowRight" ? 1 : -1);
            this.toggleMenu(next, true);
            if (this.menuButtons[next].nextElementSibling?.hasAttribute("hidden")) {
                this.menuButtons[next].focus();
            }
        } else if (event.key === "Escape") {
            event.preventDefault();
            this.closeMenus();
            this.menuButtons[index].focus();
        }
    }

    private onShortcut(event: KeyboardEvent): void {
        for (const menu of this.menus) {
            for (const item of menu.items) {
                if (item.key && matchesShortcut(event, item.key)) {
                    event.preventDefault();
                    if (!this.menuLocked(menu)) {
                        item.run();
                    }
                    return;
                }
            }
        }
    }

    private menuLocked(menu: Menu): boolean {
        return menu.enabledBit !== undefined && this.session.panelBits()[menu.enabledBit] === 0;
    }

    // --- File commands -------------------------------------------------------------------------

    /**
     * Runs a command of the File menu. The core asks its save question while the command runs;
     * the page cannot wait inside it, so the question stops the command (answered as dismissed),
     * the page asks the user, and runs the command again with the answers given so far. A
     * command answers true when it replaced the program (one not stopped by the question); a
     * command that `opens` a program shows its first lines when it went through (the load leaves
     * the cursor after the program's last cell, below them).
     */
    private async fileCommand(command: () => boolean | void, answers: number[] = [], opens = false): Promise<number[]> {
        if (this.busy) {
            return answers;
        }
        this.busy = true;
        try {
            for (;;) {
                answers.forEach((answer) => this.session.queueAnswer(answer));
                const revision = this.session.fileRevision();
                const replaced = command() === true;
                if (!this.session.codeChanged()) {
                    this.fileBytes = this.session.programBytes();
                    this.fileNames = this.session.namesBytes();
                }
                this.download();
                this.render();
                if (opens && this.session.fileRevision() !== revision) {
                    this.grid.showTop();
                }
                await this.showMessages();
                const question = JSON.parse(this.session.takeQuestion()) as CoreMessage | null;
                if (!question) {
                    if (replaced) {
                        this.features.forEach((feature) => feature.programReplaced?.());
                    }
                    return answers;
                }
                const answer = await showMessage(question);
                if (answer !== BoxAnswer.Yes && answer !== BoxAnswer.No) {
                    return answers; // Cancel, or no answer: everything stays as it was
                }
                answers.push(answer);
            }
        } finally {
            this.busy = false;
            this.render();
            // A closed menu, message box or file picker leaves the focus nowhere: the grid has it.
            if (!document.activeElement || document.activeElement === document.body) {
                this.grid.focus();
            }
        }
    }

    /**
     * File > Load: the save question first, then the browser's file picker, then the load. The
     * program's names file may be picked with it: it is read when it is NAME.names beside
     * NAME.PLC, as the window finds it.
     */
    private async loadCommand(): Promise<void> {
        let wanted = false;
        const answers = await this.fileCommand(() => {
            this.session.load();
            wanted = this.session.takeOpenWanted();
        });
        if (!wanted) {
            return;
        }
        // The picker stays in the document until the user has chosen: a detached one may be
        // collected while the browser's dialog is open, and its choice then lost.
        this.picker?.remove();
        const picker = document.createElement("input");
        picker.type = "file";
        picker.accept = ".PLC,.plc,.names";
        picker.multiple = true;
        picker.hidden = true;
        document.body.append(picker);
        this.picker = picker;
        picker.addEventListener("change", async () => {
            const files = Array.from(picker.files ?? []);
            picker.remove();
            const isNames = (f: File) => /\.names$/i.test(f.name);
            const file = files.find((f) => !isNames(f)) ?? files[0];
            const beside = files.find((f) => f !== file && isNames(f));
            if (file) {
                const bytes = new Uint8Array(await file.arrayBuffer());
                const names = beside ? new Uint8Array(await beside.arrayBuffer()) : null;
                await this.fileCommand(() => {
                    if (beside && names) {
                        this.session.offerBeside(toUtf8(beside.name), names);
                    }
                    return this.session.offerAndLoad(toUtf8(file.name), bytes);
                }, answers, true);
            }
        });
        picker.click();
    }

    /**
     * Opens a program's bytes as Load opens a picked file (examples, share links), with the
     * bytes of its names file, if any, as read beside it.
     */
    private async openBytes(name: string, bytes: Uint8Array, names: Uint8Array | null = null): Promise<void> {
        await this.fileCommand(() => {
            if (names) {
                this.session.offerNames(names);
            }
            return this.session.offerAndLoad(toUtf8(name), bytes);
        }, [], true);
    }

    /** Offers what a save wrote as a download: the same bytes the window writes to disk. */
    private download(): void {
        const saved = this.session.takeSaved();
        if (saved) {
            offerDownload(fromUtf8(saved.name), new Blob([saved.bytes], { type: "application/octet-stream" }));
        }
    }

    private async showMessages(): Promise<void> {
        const messages = JSON.parse(this.session.takeMessages()) as CoreMessage[];
        for (const message of messages) {
            await showMessage(message);
        }
    }

    // --- Share links and storage ----------------------------------------------------------------

    private async openShareLink(): Promise<void> {
        const hash = location.hash;
        const shared = sharedOfFragment(hash);
        if (shared === undefined) {
            return;
        }
        // The fragment goes at once, so that a reload keeps the edited program, not the link's.
        history.replaceState(null, "", location.pathname + location.search);
        // What cannot be decoded is no program: the core says so as for any bad file. Names that
        // cannot be decoded are none; the core reports bad lines of the names file it reads.
        await this.openBytes("shared.PLC", shared.program ?? textToBytes(hash), shared.names);
        for (const feature of this.features) {
            await feature.sharedLinkOpened?.(hash);
        }
    }

    /** The share link of the program as it is now, with its names. */
    private currentShareLink(): string {
        const names = textToBytes(this.session.namesBytes());
        const link = shareLink(location.href.replace(/#.*$/, ""), textToBytes(this.session.programBytes()), names);
        return [link, ...this.features.flatMap((feature) => feature.shareLinkParts?.() ?? [])].join("&");
    }

    private async copyShareLink(): Promise<void> {
        const link = this.currentShareLink();
        try {
            await navigator.clipboard.writeText(link);
            await showNote(tr("page.app", "Copy Share Link"), tr("page.app", "The link to this program is on the clipboard."));
        } catch {
            // No clipboard (a page opened from disk, say): the link is shown to copy by hand.
            const field = document.createElement("input");
            field.readOnly = true;
            field.value = link;
            field.setAttribute("aria-label", tr("page.app", "Share link"));
            await showNote(tr("page.app", "Copy Share Link"), tr("page.app", "Copy this link:"), field);
        }
    }

    private restore(): void {
        const kept = this.keeper.restore();
        this.fileBytes = kept.file;
        this.fileNames = kept.fileNames;
        this.storedRevision = this.session.gridRevision();
    }

    private keepProgramUnder(key: string | null): boolean {
        this.store();
        this.keeper.useKey(key);
        const kept = this.keeper.restore();
        if (kept.found) {
            this.fileBytes = kept.file;
            this.fileNames = kept.fileNames;
            this.programPutIn();
        }
        return kept.found;
    }

    private replaceProgram(put: () => void): void {
        put();
        this.fileBytes = this.session.programBytes();
        this.fileNames = this.session.namesBytes();
        this.programPutIn();
        this.store();
    }

    /** What a file command does after it replaced the program, without its question. */
    private programPutIn(): void {
        this.storedRevision = this.session.gridRevision();
        this.features.forEach((feature) => feature.programReplaced?.());
        this.shownStamp = "";
        this.render();
        this.grid.showTop();
        void this.showMessages();
    }

    /** Keeps the program for the next visit, when this tab changed it (ProgramStore). */
    private store(): void {
        clearTimeout(this.storeTimer);
        this.storeTimer = 0;
        this.storedRevision = this.session.gridRevision();
        this.keeper.store(this.fileBytes, this.fileNames);
    }

    // --- The clock and drawing -----------------------------------------------------------------

    /**
     * Runs the clock while the run wants time: a run is on, not paused, and the page is shown.
     * The clock is a timer of kPictureMs, not the browser's frames: the page asks for no frame
     * of its own, and the browser draws one only when a tick changed what the page shows.
     */
    private syncClock(): void {
        const wanted = this.session.running() && !this.session.paused() && !document.hidden;
        if (wanted === (this.clock !== 0)) {
            return;
        }
        if (wanted) {
            this.lastTick = performance.now();
            this.carryMs = 0;
            this.clock = window.setInterval(() => this.tick(), kPictureMs);
        } else {
            clearInterval(this.clock);
            this.clock = 0;
        }
    }

    /** Lets the run's time pass with the real time since the last tick, and shows what changed. */
    private tick(): void {
        const now = performance.now();
        if (!this.clockHeld) {
            this.carryMs += now - this.lastTick;
            const due = Math.floor(this.carryMs);
            this.carryMs -= due;
            // A stall longer than the session's limit is not caught up: the run loses that time.
            this.session.advance(Math.min(due, this.maxCatchUpMs));
        }
        this.lastTick = now;
        this.render();
        if (!this.busy && !this.clockHeld) {
            void this.showMessages();
        }
    }

    private onVisibility(): void {
        // The run stands still while the page is hidden: no backlog of scans is run after.
        this.syncClock();
        if (document.hidden) {
            this.hiddenWhileRunning = this.session.running();
            this.store();
            return;
        }
        if (this.hiddenWhileRunning) {
            showNotice("paused", tr("page.app", "The run was paused while the page was hidden."));
            setTimeout(() => showNotice("paused", ""), 5000);
        }
    }

    private stamp(): string {
        const s = this.session;
        return `${s.gridRevision()}/${s.fileRevision()}/${s.panelRevision()}/${s.module()}`;
    }

    /** The notice line tells that the program is extended, or, after a classic program's run
     * stopped at a line of the extended set, how to switch (beside the message, not in it). */
    private showInstructionSet(): void {
        const extended = this.session.extended();
        showNotice("instruction-set", extended ? tr("page.app", "Extended instruction set") : "");
        showNotice(
            "extended-hint",
            extended ? "" : trMessage(JSON.parse(this.session.errorHintMessage()), this.session.errorHint()),
        );
    }

    /** Shows what changed since the last call; each view looks at its own part's revision. */
    render(): void {
        this.panel.refresh();
        this.grid.refresh();
        this.ladder.refresh();
        this.machine.refresh();
        for (const feature of this.features) {
            feature.refresh?.();
        }
        this.syncClock();
        const stamp = this.stamp();
        if (stamp === this.shownStamp) {
            return;
        }
        this.shownStamp = stamp;
        const bits = this.session.panelBits();
        this.menus.forEach((menu, index) => {
            const locked = menu.enabledBit !== undefined && bits[menu.enabledBit] === 0;
            this.menuButtons[index].setAttribute("aria-disabled", locked ? "true" : "false");
        });
        this.showInstructionSet();
        const title = trMessage(JSON.parse(this.session.windowTitleMessage()), fromUtf8(this.session.windowTitle()));
        if (title !== this.title) {
            this.title = title;
            document.title = title;
        }
        if (this.session.gridRevision() !== this.storedRevision && this.storeTimer === 0) {
            this.storeTimer = window.setTimeout(() => this.store(), kStoreDelayMs);
        }
    }

    // --- The tests' hook -----------------------------------------------------------------------

    /** The hook through which the tests drive the run's clock; no test waits on the wall clock. */
    testHook(): object {
        return Object.assign({}, ...this.features.map((feature) => feature.testHook?.() ?? {}), {
            /** Stops the real clock: from now on only advance() moves the run's time. */
            holdClock: () => (this.clockHeld = true),
            advance: async (ms: number) => {
                this.session.advance(ms);
                this.render();
                await this.showMessages();
            },
            scan: async (count: number) => {
                this.session.scan(count);
                this.render();
                await this.showMessages();
            },
            clockMs: () => this.session.clockMs(),
            plant: () => this.session.machineJson(),
            programBytes: () => this.session.programBytes(),
            /** The names file in base64url. */
            names: () => encodeBase64Url(textToBytes(this.session.namesBytes())),
            shareLink: () => this.currentShareLink(),
            store: () => this.store(),
            /** The program kept in storage, parsed; null without one or when unreadable. */
            kept: () => this.keeper.kept(),
            programOfFragment,
            encodeBase64Url,
        });
    }
}

/** A menu's caption in the user's language, by its English name (Menu.id). */
function menuCaption(id: string): string {
    const captions: Record<string, string> = {
        File: tr("page.app", "File"),
        Module: tr("page.app", "Module"),
        View: tr("page.app", "View"),
        Options: tr("page.app", "Options"),
        Debug: tr("page.app", "Debug"),
        Tools: tr("page.app", "Tools"),
        Help: tr("page.app", "Help"),
    };
    return captions[id] ?? id;
}

/** The page's texts that the HTML holds, put in the user's language before the page starts. */
function translateDocument(): void {
    document.getElementById("menubar")?.setAttribute("aria-label", tr("page.app", "Menu bar"));
}

createRungbox().then((core) => {
    const languages = JSON.parse(core.languagesJson()) as Language[];
    setLanguage(languageFor(storedLanguage(), navigator.languages ?? [navigator.language], languages, (tag) => core.bestLanguage(tag)));
    translateDocument();
    const app = new App(core, new core.WebSession(), core.WebSession.maxCatchUpMs(), languages);
    (window as unknown as { rungboxTest: object }).rungboxTest = app.testHook();
    return app.start();
});
