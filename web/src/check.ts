// SPDX-License-Identifier: GPL-3.0-or-later
// File > Check With Script... on the page, as in the window: a script from the computer or a
// share link run on the page's program in a session of its own, its tests listed, a failed
// test's run shown in a timing diagram. The check runs where explorations run (worker.ts), with
// its progress and Cancel, so that a long one never freezes the page; the core bounds its
// simulated time (sim::kCheckWorkLimit) and says so when a script asks for more.

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
    /** The signals a failed test's line read, by their names, space-separated (failureMs too). */
    signals?: string;
}

interface CheckList {
    score: string;
    /** The score with its message id and arguments, for the catalogues (null: none). */
    scoreMessage: CoreText | null;
    message: string;
    /** The message with its id and arguments, for the catalogues (null: none). */
    messageMessage: CoreText | null;
    tests: CheckedTest[];
}

interface WebCheck {
    /** Checks the program of `cells` (WebSession.codeCells), extended or classic, with the
     * script's bytes as 8-bit text; answers the list as JSON (CheckList). `progress` is told the
     * simulated ms made. */
    check(cells: string[], extended: boolean, bytes: string, namesBytes: string, progress: (ms: number) => void): string;
    /** The last check's runs as a dump, for the page. */
    runsVcd(): string;
    /** Shows the runs of a dump made by a check elsewhere, for WebTiming.overCheck. */
    showRuns(vcd: string): void;
    /** Puts the signals named in `signals` (space-separated) first in the runs shown. */
    focus(signals: string): boolean;
}

interface RungboxModule {
    WebCheck: { new (): WebCheck };
}

/** File > Check With Script...: the tests of a script run on the page's program. */
class CheckPanel {
    readonly host: HTMLElement;
    private readonly title: HTMLElement;
    private readonly score: HTMLElement;
    private readonly message: HTMLElement;
    private readonly rows: HTMLTableSectionElement;
    private readonly timingButton: HTMLButtonElement;
    private readonly progress: HTMLElement;
    private readonly progressRow: HTMLElement;
    private readonly cancelButton: HTMLButtonElement;
    private readonly bar: HTMLProgressElement;
    /** Where the checks run, and the runs of the last one, for the timing diagram. */
    private readonly checker: ExploreHost;
    private runs: WebCheck | null = null;
    /** The tests listed, in row order. */
    private tests: CheckedTest[] = [];
    /** The row chosen for Timing Diagram, or -1. */
    private chosen = -1;
    /** The timing diagram of a failed test's run, while open. */
    private diagram: TimingPanel | null = null;
    /** Tests only: a check waits in its worker for a Cancel, as a long one under way does. */
    paced = false;
    /** The script last checked with, carried by Copy Share Link; `listed` is told each list
     * its checks give (an exercise's visible tests, course.ts). */
    script: { name: string; bytes: Uint8Array; listed?: (list: CheckList) => void } | null = null;

    constructor(private readonly context: PageContext) {
        this.checker = new ExploreHost(context.core, (reply) => this.receive(reply));
        this.host = document.createElement("section");
        this.host.className = "tool check-tool";
        this.host.setAttribute("aria-label", tr("page.check", "Check With Script"));
        this.host.hidden = true;
        this.title = document.createElement("h2");
        this.score = document.createElement("p");
        this.score.className = "check-score";
        this.message = document.createElement("p");
        this.message.className = "check-message";
        this.message.hidden = true;
        const table = document.createElement("table");
        table.className = "check-tests";
        table.setAttribute("aria-label", tr("page.check", "Tests"));
        const head = table.createTHead().insertRow();
        const heads = [
            tr("page.check", "Test"),
            tr("page.check", "Result"),
            tr("page.check", "Points"),
            tr("page.check", "Expected"),
            tr("page.check", "Got"),
            tr("page.check", "When"),
        ];
        for (const name of heads) {
            const cell = document.createElement("th");
            cell.scope = "col";
            cell.textContent = name;
            head.append(cell);
        }
        this.rows = table.createTBody();
        this.progressRow = document.createElement("div");
        this.progressRow.className = "explore-progress";
        this.progressRow.hidden = true;
        this.progress = document.createElement("span");
        this.progress.setAttribute("role", "status");
        this.progress.setAttribute("aria-label", tr("page.check", "Progress"));
        this.cancelButton = toolButton(tr("page.dialogs", "Cancel"), () => this.cancel());
        this.bar = document.createElement("progress"); // no value: a check's length is not known
        this.progressRow.append(this.progress, this.bar, this.cancelButton);
        const scroller = document.createElement("div");
        scroller.className = "check-scroll";
        scroller.append(table);
        const buttons = document.createElement("div");
        buttons.className = "tool-buttons";
        this.timingButton = toolButton(tr("page.check", "Timing Diagram"), () => this.showFailure(this.chosen));
        this.timingButton.title = tr("page.check", "The chosen failed test's run in a timing diagram");
        this.timingButton.disabled = true;
        buttons.append(
            this.timingButton,
            toolButton(tr("page.check", "Check Again"), () => this.checkAgain()),
            toolButton(tr("page.check", "Close"), () => this.close()),
        );
        table.title = tr("page.check", "Double-click a failed test to see the run in the timing diagram");
        this.rows.addEventListener("click", (event) => this.choose(this.rowOf(event)));
        this.rows.addEventListener("dblclick", (event) => this.showFailure(this.rowOf(event)));
        this.rows.addEventListener("keydown", (event) => {
            if (event.key === "Enter" || event.key === " ") {
                event.preventDefault();
                this.showFailure(this.rowOf(event));
            }
        });
        this.host.append(this.title, this.progressRow, this.score, this.message, scroller, buttons);
    }

    async askAndCheck(): Promise<void> {
        const file = await pickFile(".script");
        if (file) {
            this.check(file.name, file.bytes);
        }
    }

    /** Runs the script `bytes` named `name` on the page's program; its tests are listed when
     * it ends, and `listed` told them. */
    check(name: string, bytes: Uint8Array, listed?: (list: CheckList) => void): void {
        this.script = { name, bytes, listed };
        this.clear(trf("page.check", "Check With Script: %1", name));
        this.host.setAttribute("aria-busy", "true");
        this.progressRow.hidden = false;
        this.bar.hidden = false;
        this.cancelButton.disabled = false;
        this.progress.textContent = tr("page.check", "Checking...");
        this.host.hidden = false;
        this.checker.start({
            kind: "check",
            cells: this.context.session.codeCells(),
            extended: this.context.session.extended(),
            script: bytesToText(bytes),
            names: this.context.session.namesBytes(), // the script may use the program's names
            paced: this.paced,
        });
    }

    /** The program was replaced: what the last check listed was about the one before. */
    forget(): void {
        this.checker.halt();
        this.clear("");
        this.host.hidden = true;
    }

    /** "worker" or "page": where the last check ran. */
    mode(): string {
        return this.checker.mode;
    }

    /** Tests: checks run on the page's thread from now on, as where no worker can be had. */
    stayOnPage(): void {
        this.checker.stayOnPage();
    }

    /** Empties the list and takes away the runs shown, as the window's diagram goes with them. */
    private clear(title: string): void {
        this.diagram?.close();
        this.diagram = null;
        this.title.textContent = title;
        this.score.textContent = "";
        this.message.textContent = "";
        this.message.hidden = true;
        this.rows.replaceChildren();
        this.tests = [];
        this.choose(-1);
        this.progressRow.hidden = true;
        this.host.removeAttribute("aria-busy");
    }

    private receive(reply: ExploreReply): void {
        if (reply.kind === "progress") {
            this.progress.textContent = reply.text;
        } else if (reply.kind === "checked") {
            this.progressRow.hidden = true;
            this.host.removeAttribute("aria-busy");
            this.runs ??= new this.context.core.WebCheck();
            this.runs.showRuns(reply.vcd);
            const list = JSON.parse(reply.list) as CheckList;
            this.show(list);
            this.script?.listed?.(list);
        }
    }

    private cancel(): void {
        if (this.checker.halt()) {
            this.host.removeAttribute("aria-busy");
            this.progress.textContent = tr("page.check", "Cancelled.");
            this.bar.hidden = true;
            this.cancelButton.disabled = true;
        }
    }

    /** A closed panel does no work, as the window's closed dialog. */
    private close(): void {
        this.checker.halt();
        this.progressRow.hidden = true;
        this.host.removeAttribute("aria-busy");
        this.host.hidden = true;
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
        if (!test || test.failureMs === undefined || !this.runs) {
            return;
        }
        this.choose(index);
        // The signals the failed test read go first in its run's recording.
        this.runs.focus(test.signals ?? "");
        this.diagram?.close();
        this.diagram = new TimingPanel(this.context, {
            title: trf("page.check", "Timing Diagram: %1 failed", test.name),
            runs: [{ caption: "", timing: this.context.core.WebTiming.overCheck(this.context.session, this.runs) }],
        });
        this.diagram.openAt(test.failureMs);
    }

    private checkAgain(): void {
        if (this.script) {
            this.check(this.script.name, this.script.bytes, this.script.listed);
        }
    }

    private show(list: CheckList): void {
        this.score.textContent = trMessage(list.scoreMessage, list.score);
        this.message.textContent = trMessage(list.messageMessage, list.message);
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
            const cells = [test.name, test.passed ? tr("page.check", "passed") : tr("page.check", "failed"), test.points, test.expected, test.got, test.when];
            for (const text of cells) {
                row.insertCell().textContent = text;
            }
            if (test.hidden) {
                row.cells[0].title = tr("page.check", "A hidden test: only its result shows");
            }
        }
        this.host.hidden = false;
        this.host.scrollIntoView({ block: "nearest" });
    }
}
