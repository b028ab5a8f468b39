// SPDX-License-Identifier: GPL-3.0-or-later
// Where explorations run: a worker with a core of its own, started from a Blob so that the
// one-file page opened from disk gets one too, or the page's own thread where no worker can be
// had; chunk by chunk, with progress and Cancel, the same agent code on either side.

interface WebExplore {
    compare(referenceName: string, referenceBytes: string, candidateBytes: string): boolean;
    prove(programBytes: string, properties: string, namesBytes: string): boolean;
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
    WebExplore: { new (): WebExplore };
}

/** What the page asks of an exploration or a check. Bytes travel as 8-bit text; a check's
 * program as its grid's cells (WebSession.codeCells). */
type ExploreRequest =
    | { kind: "compare"; referenceName: string; reference: string; candidate: string; paced: boolean }
    | { kind: "prove"; program: string; properties: string; names: string; paced: boolean }
    | { kind: "check"; cells: string[]; extended: boolean; script: string; names: string; paced: boolean }
    | { kind: "cancel" };

/** What an exploration tells the page: its progress after each chunk, then its result; a
 * check, its progress during long waits, then its list and the dump of its runs. */
type ExploreReply =
    | { kind: "progress"; text: string }
    | { kind: "done"; result: string; script: string; cancelled: boolean; messages: string; vcd: string; runNames: string }
    | { kind: "checked"; list: string; vcd: string };

/**
 * The exploring side, the same code in a worker and on the page: answers requests through
 * `post`. A chunk runs, its progress is posted, and the next is queued behind any message that
 * came meanwhile, so that a Cancel is heard between two. A `paced` request stops after its start
 * and waits for its Cancel (the tests' way to cancel between two chunks). It refers to nothing outside itself: the worker gets its
 * source text.
 */
function exploreAgent(post: (reply: ExploreReply) => void, core: Promise<RungboxModule>): (request: ExploreRequest) => void {
    let job: WebExplore | null = null;
    let checker: WebCheck | null = null;
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
            if (request.kind === "check") {
                // One call to its end, at most the core's bound on a check's simulated time; a
                // Cancel ends the worker (ExploreHost.halt). A paced check (the tests') waits for
                // its Cancel instead, as a long one would be under way when it comes.
                if (request.paced) {
                    post({ kind: "progress", text: "Checking: 0 ms of simulated time" });
                    return;
                }
                checker ??= new module.WebCheck();
                const progress = (ms: number) => post({ kind: "progress", text: `Checking: ${ms} ms of simulated time` });
                const list = checker.check(request.cells, request.extended, request.script, request.names, progress);
                post({ kind: "checked", list, vcd: checker.runsVcd() });
                return;
            }
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
                    : job.prove(request.program, request.properties, request.names);
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

    /**
     * Ends the work under way at once, as a Cancel that cannot wait for a chunk's end (a check
     * is one call): its worker goes, and the next request makes another. False where the work
     * runs on the page's thread: it is over before a Cancel can be clicked.
     */
    halt(): boolean {
        if (!this.busy || !this.worker) {
            return false;
        }
        this.worker.terminate();
        this.worker = null;
        this.busy = false;
        return true;
    }

    private receive(reply: ExploreReply): void {
        if (reply.kind === "done" || reply.kind === "checked") {
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
                // A reply already on its way from a worker that was ended is not heard.
                if (this.worker === worker) {
                    this.receive(event.data);
                }
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
