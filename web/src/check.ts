// SPDX-License-Identifier: GPL-3.0-or-later
// Checking and proving on the page, as the window's File > Check With Script... and its Tools
// menu do: a script from the computer or a share link ("&s=") run on the page's program in a
// session of its own, its tests listed; Compare With Program... and Prove Properties... explored
// by a worker with a core of its own, chunk by chunk, with progress, Cancel and the result.

/** One test of a check as the core lists it (src/wasm/WebCheck.h). */
interface CheckedTest {
    name: string;
    passed: boolean;
    hidden: boolean;
    points: string;
    expected: string;
    got: string;
    when: string;
    /** A failed test's time in the recording of the check's runs; absent for a hidden test. */
    failureMs?: number;
}

interface CheckList {
    score: string;
    message: string;
    tests: CheckedTest[];
}

interface WebCheck {
    /** The script's bytes as 8-bit text; answers the list as JSON (CheckList). */
    check(bytes: string): string;
    /** Puts the signals failed test `index` read first in the recording; false when none. */
    focus(index: number): boolean;
}

interface WebExplore {
    compare(referenceName: string, referenceBytes: string, candidateBytes: string): boolean;
    prove(programBytes: string, properties: string): boolean;
    advance(): boolean;
    cancel(): void;
    progressText(): string;
    cancelled(): boolean;
    resultText(): string;
    script(): string;
    runsVcd(): string;
    runNames(): string;
    takeMessages(): string;
}

interface RungboxModule {
    WebCheck: { new (session: WebSession): WebCheck };
    WebExplore: { new (): WebExplore };
}

/** What the page asks of an exploration. Bytes travel as 8-bit text. */
type ExploreRequest =
    | { kind: "compare"; referenceName: string; reference: string; candidate: string; paced: boolean }
    | { kind: "prove"; program: string; properties: string; paced: boolean }
    | { kind: "cancel" };

/** What an exploration tells the page: its progress after each chunk, then its result. */
type ExploreReply =
    | { kind: "progress"; text: string }
    | { kind: "done"; result: string; script: string; cancelled: boolean; messages: string; vcd: string; runNames: string };

const kScriptKey = "s=";

/**
 * The script a share link carries beside its program: undefined when the fragment is no share
 * link or has no script, null when its script cannot be read.
 */
function scriptOfFragment(hash: string): Uint8Array | null | undefined {
    const fragment = hash.startsWith("#") ? hash.slice(1) : hash;
    if (!fragment.startsWith(kShareKey)) {
        return undefined;
    }
    const part = fragment.split("&").find((p) => p.startsWith(kScriptKey));
    return part === undefined ? undefined : decodeBase64Url(part.slice(kScriptKey.length));
}

/**
 * The exploring side, the same code in a worker and on the page: answers requests through
 * `post`. A chunk runs, its progress is posted, and the next is queued behind any message that
 * came meanwhile, so that a Cancel is heard between two. A `paced` request stops after its start
 * and waits for its Cancel (the tests' way to cancel between two chunks). It refers to nothing outside itself: the worker gets its
 * source text.
 */
function exploreAgent(post: (reply: ExploreReply) => void, core: Promise<RungboxModule>): (request: ExploreRequest) => void {
    let job: WebExplore | null = null;
    let paced = false;
    let cancelAsked = false;
    let done = true;
    // Counts the explorations started: a chunk queued for one that was replaced does nothing.
    let generation = 0;
    const finish = (): void => {
        if (job && !done) {
            done = true;
            post({
                kind: "done",
                result: job.resultText(),
                script: job.script(),
                cancelled: job.cancelled(),
                messages: job.takeMessages(),
                vcd: job.runsVcd(), // the counterexample's runs, for the page's timing diagram
                runNames: job.runNames(),
            });
        }
    };
    const chunk = (of: number): void => {
        if (!job || done || of !== generation) {
            return;
        }
        if (cancelAsked) {
            job.cancel();
            finish();
            return;
        }
        const more = job.advance();
        post({ kind: "progress", text: job.progressText() });
        if (!more) {
            finish();
        } else if (!paced) {
            setTimeout(() => chunk(of), 0);
        }
    };
    return (request) =>
        void core.then((module) => {
            if (request.kind === "cancel") {
                cancelAsked = true;
                if (paced) {
                    chunk(generation); // unpaced, the chunk under way hears the cancel
                }
                return;
            }
            job = job ?? new module.WebExplore();
            const of = ++generation;
            paced = request.paced;
            cancelAsked = false;
            done = false;
            const started =
                request.kind === "compare"
                    ? job.compare(request.referenceName, request.reference, request.candidate)
                    : job.prove(request.program, request.properties);
            if (!started) {
                finish();
                return;
            }
            post({ kind: "progress", text: job.progressText() });
            if (!paced) {
                setTimeout(() => chunk(of), 0);
            }
        });
}

/**
 * Where explorations run: a worker with a core of its own, made from a Blob holding the core's
 * loader and exploreAgent, so that the one-file page opened from disk (where no worker may load
 * from a file) gets one as well; where even that is refused, the page's own core runs the
 * chunks on the page's thread, with the same progress and Cancel.
 */
class ExploreHost {
    private worker: Worker | null = null;
    private local: ((request: ExploreRequest) => void) | null = null;
    private busy = false;
    private current: ExploreRequest | null = null;
    /** "worker" or "page": where the last exploration ran. */
    mode = "";

    constructor(
        private readonly core: RungboxModule,
        private readonly onReply: (reply: ExploreReply) => void,
    ) {}

    /** From now on explorations run on the page's thread, as where no worker can be had. */
    stayOnPage(): void {
        this.worker?.terminate();
        this.worker = null;
        this.local ??= exploreAgent((reply) => this.receive(reply), Promise.resolve(this.core));
    }

    /** A Cancel, for the exploration under way. */
    tell(request: ExploreRequest): void {
        if (this.busy) {
            this.send(request);
        }
    }

    start(request: ExploreRequest): void {
        if (this.busy && this.worker) {
            // A new exploration replaces a running one: its worker goes with it.
            this.worker.terminate();
            this.worker = null;
        }
        this.busy = true;
        this.current = request;
        this.send(request);
    }

    private send(request: ExploreRequest): void {
        if (!this.local && !this.worker) {
            this.worker = this.makeWorker();
        }
        this.mode = this.worker ? "worker" : "page";
        if (this.worker) {
            this.worker.postMessage(request);
        } else {
            this.stayOnPage();
            this.local?.(request);
        }
    }

    private receive(reply: ExploreReply): void {
        if (reply.kind === "done") {
            this.busy = false;
        }
        this.onReply(reply);
    }

    private makeWorker(): Worker | null {
        const source = workerSource();
        if (source === null) {
            return null;
        }
        try {
            const url = URL.createObjectURL(new Blob([source], { type: "text/javascript" }));
            const worker = new Worker(url);
            worker.onmessage = (event: MessageEvent<ExploreReply>) => {
                URL.revokeObjectURL(url); // loaded: the address is no longer needed
                this.receive(event.data);
            };
            // A worker the page's policy or the browser refused: the page explores itself, from
            // the start of the exploration that was asked.
            worker.onerror = (event) => {
                event.preventDefault();
                worker.terminate();
                this.stayOnPage();
                if (this.busy && this.current) {
                    this.send(this.current);
                }
            };
            return worker;
        } catch {
            return null;
        }
    }
}

/**
 * The worker's script: the core's loader (from its address when the page is served, its text
 * when it is inside the one-file page) and exploreAgent answering the page's messages. Null when
 * the loader is nowhere to be found.
 */
function workerSource(): string | null {
    const agent = `const answer = (${exploreAgent.toString()})((reply) => postMessage(reply), createRungbox(options));\n` +
        "onmessage = (event) => answer(event.data);\n";
    const linked = document.querySelector<HTMLScriptElement>('script[src$="rungbox-web.js"]');
    if (linked) {
        const wasm = new URL("rungbox-web.wasm", linked.src).href;
        return `importScripts(${JSON.stringify(linked.src)});\n` +
            `const options = { locateFile: () => ${JSON.stringify(wasm)} };\n` + agent;
    }
    const inline = Array.from(document.scripts).find((s) => !s.src && (s.textContent ?? "").includes("var createRungbox"));
    return inline ? inline.textContent + "\nconst options = {};\n" + agent : null;
}

/** A button of a tool panel. */
function toolButton(label: string, run: () => void): HTMLButtonElement {
    const button = document.createElement("button");
    button.type = "button";
    button.textContent = label;
    button.addEventListener("click", run);
    return button;
}

/** Asks for a file with the browser's picker; resolves with its name and bytes, or null. */
function pickFile(accept: string): Promise<{ name: string; bytes: Uint8Array } | null> {
    return new Promise((resolve) => {
        // In the document until the user has chosen: a detached picker may lose its choice.
        const picker = document.createElement("input");
        picker.type = "file";
        picker.accept = accept;
        picker.hidden = true;
        document.body.append(picker);
        picker.addEventListener("change", async () => {
            const file = picker.files?.[0];
            picker.remove();
            resolve(file ? { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) } : null);
        });
        picker.addEventListener("cancel", () => {
            picker.remove();
            resolve(null);
        });
        picker.click();
    });
}

/** File > Check With Script...: the tests of a script run on the page's program. */
class CheckPanel {
    readonly host: HTMLElement;
    private readonly title: HTMLElement;
    private readonly score: HTMLElement;
    private readonly message: HTMLElement;
    private readonly rows: HTMLTableSectionElement;
    private readonly timingButton: HTMLButtonElement;
    private checker: WebCheck | null = null;
    /** The tests listed, in row order. */
    private tests: CheckedTest[] = [];
    /** The row chosen for Timing Diagram, or -1. */
    private chosen = -1;
    /** The timing diagram of a failed test's run, while open. */
    private diagram: TimingPanel | null = null;
    /** The script last checked with, carried by Copy Share Link. */
    script: { name: string; bytes: Uint8Array } | null = null;

    constructor(private readonly context: PageContext) {
        this.host = document.createElement("section");
        this.host.className = "tool check-tool";
        this.host.setAttribute("aria-label", "Check With Script");
        this.host.hidden = true;
        this.title = document.createElement("h2");
        this.score = document.createElement("p");
        this.score.className = "check-score";
        this.message = document.createElement("p");
        this.message.className = "check-message";
        this.message.hidden = true;
        const table = document.createElement("table");
        table.className = "check-tests";
        table.setAttribute("aria-label", "Tests");
        const head = table.createTHead().insertRow();
        for (const name of ["Test", "Result", "Points", "Expected", "Got", "When"]) {
            const cell = document.createElement("th");
            cell.scope = "col";
            cell.textContent = name;
            head.append(cell);
        }
        this.rows = table.createTBody();
        const scroller = document.createElement("div");
        scroller.className = "check-scroll";
        scroller.append(table);
        const buttons = document.createElement("div");
        buttons.className = "tool-buttons";
        this.timingButton = toolButton("Timing Diagram", () => this.showFailure(this.chosen));
        this.timingButton.title = "The chosen failed test's run in a timing diagram";
        this.timingButton.disabled = true;
        buttons.append(
            this.timingButton,
            toolButton("Check Again", () => this.checkAgain()),
            toolButton("Close", () => (this.host.hidden = true)),
        );
        table.title = "Double-click a failed test to see the run in the timing diagram";
        this.rows.addEventListener("click", (event) => this.choose(this.rowOf(event)));
        this.rows.addEventListener("dblclick", (event) => this.showFailure(this.rowOf(event)));
        this.rows.addEventListener("keydown", (event) => {
            if (event.key === "Enter" || event.key === " ") {
                event.preventDefault();
                this.showFailure(this.rowOf(event));
            }
        });
        this.host.append(this.title, this.score, this.message, scroller, buttons);
    }

    async askAndCheck(): Promise<void> {
        const file = await pickFile(".script");
        if (file) {
            this.check(file.name, file.bytes);
        }
    }

    /** Runs the script `bytes` named `name` on the page's program and lists its tests. */
    check(name: string, bytes: Uint8Array): void {
        this.script = { name, bytes };
        // The runs it showed are replaced, as the window's diagram goes with them.
        this.diagram?.close();
        this.diagram = null;
        this.checker ??= new this.context.core.WebCheck(this.context.session);
        const list = JSON.parse(this.checker.check(bytesToText(bytes))) as CheckList;
        this.show(name, list);
    }

    /** The row `event` happened in, or -1. */
    private rowOf(event: Event): number {
        const row = (event.target as Element).closest("tr");
        return row ? Array.from(this.rows.rows).indexOf(row as HTMLTableRowElement) : -1;
    }

    private choose(index: number): void {
        this.chosen = index;
        Array.from(this.rows.rows).forEach((row, i) => row.setAttribute("aria-selected", String(i === index)));
        this.timingButton.disabled = this.tests[index]?.failureMs === undefined;
    }

    /**
     * The run of failed test `index` in a timing diagram, the cursor at the failure, as the
     * window's double-click shows it. A hidden test's run is not shown: its inputs and its
     * outputs over time would tell what it tries, where the list shows only passed or failed
     * (the core gives no failure time for it).
     */
    private showFailure(index: number): void {
        const test = this.tests[index];
        if (!test || test.failureMs === undefined || !this.checker) {
            return;
        }
        this.choose(index);
        // The signals the failed test read go first in its run's recording.
        this.checker.focus(index);
        this.diagram?.close();
        this.diagram = new TimingPanel(this.context, {
            title: `Timing Diagram: ${test.name} failed`,
            runs: [{ caption: "", timing: this.context.core.WebTiming.overCheck(this.context.session, this.checker) }],
        });
        this.diagram.openAt(test.failureMs);
    }

    private checkAgain(): void {
        if (this.script) {
            this.check(this.script.name, this.script.bytes);
        }
    }

    private show(name: string, list: CheckList): void {
        this.title.textContent = "Check With Script: " + name;
        this.score.textContent = list.score;
        this.message.textContent = list.message;
        this.message.hidden = list.message === "";
        this.rows.replaceChildren();
        this.tests = list.tests;
        this.choose(-1);
        for (const test of list.tests) {
            const row = this.rows.insertRow();
            row.className = test.passed ? "passed" : "failed";
            if (test.failureMs !== undefined) {
                // Reached by Tab and opened by Enter, as by a double-click.
                row.tabIndex = 0;
                row.classList.add("has-diagram");
            }
            const cells = [test.name, test.passed ? "passed" : "failed", test.points, test.expected, test.got, test.when];
            for (const text of cells) {
                row.insertCell().textContent = text;
            }
            if (test.hidden) {
                row.cells[0].title = "A hidden test: only its result shows";
            }
        }
        this.host.hidden = false;
        this.host.scrollIntoView({ block: "nearest" });
    }
}

/** Tools > Compare With Program... and Tools > Prove Properties...: the window's Explore dialog. */
class ExplorePanel {
    readonly host: HTMLElement;
    private readonly title: HTMLElement;
    private readonly properties: HTMLTextAreaElement;
    private readonly proveButton: HTMLButtonElement;
    private readonly progress: HTMLElement;
    private readonly bar: HTMLProgressElement;
    private readonly cancelButton: HTMLButtonElement;
    private readonly result: HTMLElement;
    private readonly saveButton: HTMLButtonElement;
    private readonly timingButton: HTMLButtonElement;
    private readonly explorer: ExploreHost;
    private script = "";
    /** The counterexample's runs as a dump, and their captions; "" without one. */
    private runs = { vcd: "", names: "[]" };
    /** The timing diagram of the counterexample's runs, while open. */
    private diagram: TimingPanel | null = null;
    /** True once the exploration under way reported progress: it started. */
    private explored = false;
    /** Tests only: the exploration stops after its start and waits for a Cancel. */
    paced = false;

    constructor(private readonly context: PageContext) {
        this.explorer = new ExploreHost(context.core, (reply) => void this.receive(reply));
        this.host = document.createElement("section");
        this.host.className = "tool explore-tool";
        this.host.setAttribute("aria-label", "Explore");
        this.host.hidden = true;
        this.title = document.createElement("h2");
        this.properties = document.createElement("textarea");
        this.properties.setAttribute("aria-label", "Properties");
        this.properties.placeholder = "never 1000 & 1001";
        this.properties.value = "# one property a line, over relays after every scan\nnever 1000 & 1001\n";
        this.properties.rows = 4;
        this.properties.spellcheck = false;
        this.proveButton = toolButton("Prove", () => this.prove());
        const progressRow = document.createElement("div");
        progressRow.className = "explore-progress";
        this.progress = document.createElement("span");
        this.progress.setAttribute("role", "status");
        this.progress.setAttribute("aria-label", "Progress");
        this.bar = document.createElement("progress"); // no value: the number of states is not known before the end
        this.bar.hidden = true;
        this.cancelButton = toolButton("Cancel", () => this.explorer.tell({ kind: "cancel" }));
        this.cancelButton.disabled = true;
        progressRow.append(this.progress, this.bar, this.cancelButton);
        this.result = document.createElement("pre");
        this.result.className = "explore-result";
        this.result.setAttribute("aria-label", "Result");
        this.saveButton = toolButton("Save Script...", () =>
            offerDownload("counterexample.script", new Blob([textToBytes(this.script).buffer as ArrayBuffer], { type: "text/plain" })),
        );
        this.saveButton.disabled = true;
        this.timingButton = toolButton("Timing Diagram", () => this.showTiming());
        this.timingButton.disabled = true;
        const buttons = document.createElement("div");
        buttons.className = "tool-buttons";
        buttons.append(this.timingButton, this.saveButton, toolButton("Close", () => this.close()));
        this.host.append(this.title, this.properties, this.proveButton, progressRow, this.result, buttons);
    }

    async compareWithProgram(): Promise<void> {
        const file = await pickFile(".PLC,.plc");
        if (!file) {
            return;
        }
        this.open("Compare With Program", false);
        this.begin({
            kind: "compare",
            referenceName: file.name,
            reference: bytesToText(file.bytes),
            candidate: this.context.session.programBytes(),
            paced: this.paced,
        });
    }

    proveProperties(): void {
        this.open("Prove Properties", true);
        this.progress.textContent = "Type the properties, then Prove.";
        this.properties.focus();
    }

    mode(): string {
        return this.explorer.mode;
    }

    stayOnPage(): void {
        this.explorer.stayOnPage();
    }

    private open(title: string, proving: boolean): void {
        this.title.textContent = title;
        this.properties.hidden = !proving;
        this.proveButton.hidden = !proving;
        this.result.textContent = "";
        this.script = "";
        this.saveButton.disabled = true;
        // The diagram draws the runs of the exploration that goes.
        this.runs = { vcd: "", names: "[]" };
        this.timingButton.disabled = true;
        this.diagram?.close();
        this.diagram = null;
        this.host.hidden = false;
        this.host.scrollIntoView({ block: "nearest" });
    }

    private prove(): void {
        this.open("Prove Properties", true);
        this.begin({
            kind: "prove",
            program: this.context.session.programBytes(),
            properties: toLatin1(this.properties.value),
            paced: this.paced,
        });
    }

    private begin(request: ExploreRequest): void {
        this.bar.hidden = false;
        this.cancelButton.disabled = false;
        this.proveButton.disabled = true;
        this.progress.textContent = "Exploring...";
        this.explored = false;
        this.explorer.start(request);
    }

    private async receive(reply: ExploreReply): Promise<void> {
        if (reply.kind === "progress") {
            this.progress.textContent = reply.text;
            this.explored = true;
            return;
        }
        this.bar.hidden = true;
        this.cancelButton.disabled = true;
        this.proveButton.disabled = false;
        this.script = reply.script;
        this.saveButton.disabled = reply.script === "";
        this.runs = { vcd: reply.vcd, names: reply.runNames };
        this.timingButton.disabled = reply.vcd === "";
        this.result.textContent = reply.result;
        const messages = JSON.parse(reply.messages) as CoreMessage[];
        // Refused before exploring (no property, a program that cannot start): the progress line
        // stays as it was, as in the window.
        if (this.explored) {
            this.progress.textContent = reply.cancelled ? "Cancelled." : "Done.";
        } else if (this.properties.hidden) {
            this.progress.textContent = "";
        } else {
            this.progress.textContent = "Type the properties, then Prove.";
        }
        for (const message of messages) {
            await showMessage(message);
        }
    }

    /**
     * The counterexample's runs in a timing diagram, one below the other with the window's
     * captions, the cursor on the last step (where they differ). They come from the worker as a
     * dump, which Export Timing as VCD downloads as it is.
     */
    private showTiming(): void {
        const core = this.context.core;
        const scopes = JSON.parse(core.WebTiming.dumpScopes(this.runs.vcd)) as string[] | null;
        const names = JSON.parse(this.runs.names) as string[];
        const runs: { caption: string; timing: WebTiming }[] = [];
        (scopes ?? []).forEach((scope, i) => {
            const timing = core.WebTiming.overDump(this.context.session, this.runs.vcd, i);
            if (timing) {
                runs.push({ caption: names[i] ?? scope, timing });
            }
        });
        if (runs.length === 0) {
            return;
        }
        this.diagram?.close();
        this.diagram = new TimingPanel(this.context, {
            title: "Counterexample (one step a millisecond)",
            runs,
            vcd: { name: "counterexample.vcd", text: this.runs.vcd },
        });
        this.diagram.openAt(-1, Number.MAX_SAFE_INTEGER);
    }

    /** A closed panel does no work, as the window's hidden dialog. */
    private close(): void {
        if (!this.cancelButton.disabled) {
            this.explorer.tell({ kind: "cancel" });
        }
        this.host.hidden = true;
    }
}

class CheckFeature implements PageFeature {
    private readonly check: CheckPanel;
    private readonly explore: ExplorePanel;

    constructor(private readonly context: PageContext) {
        this.check = new CheckPanel(context);
        this.explore = new ExplorePanel(context);
        context.tools.append(this.check.host, this.explore.host);
    }

    menuItems(): { menu: string; items: MenuItem[] }[] {
        return [
            { menu: "File", items: [{ label: "Check With Script...", run: () => void this.check.askAndCheck() }] },
            {
                menu: "Tools",
                items: [
                    { label: "Compare With Program...", run: () => void this.explore.compareWithProgram() },
                    { label: "Prove Properties...", run: () => this.explore.proveProperties() },
                ],
            },
        ];
    }

    async sharedLinkOpened(hash: string): Promise<void> {
        const script = scriptOfFragment(hash);
        if (script === undefined) {
            return;
        }
        if (script === null) {
            await showNote("Check With Script", "The link's script cannot be read.");
            return;
        }
        if (this.context.session.running()) {
            // The run kept its program (the File menu is locked): the script waits for Check Again.
            this.check.script = { name: "shared.script", bytes: script };
            return;
        }
        this.check.check("shared.script", script);
    }

    shareLinkParts(): string[] {
        const script = this.check.script;
        return script ? [kScriptKey + encodeBase64Url(script.bytes)] : [];
    }

    testHook(): object {
        return {
            /** Explorations wait after their start from now on, for a Cancel between two chunks. */
            explorePaced: () => (this.explore.paced = true),
            /** Explorations run on the page's thread from now on, as where no worker can be had. */
            exploreOnPage: () => this.explore.stayOnPage(),
            /** "worker" or "page": where the last exploration ran. */
            exploreMode: () => this.explore.mode(),
            scriptOfFragment: (hash: string) => {
                const bytes = scriptOfFragment(hash);
                return bytes ? bytesToText(bytes) : bytes;
            },
        };
    }
}
