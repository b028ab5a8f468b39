// SPDX-License-Identifier: GPL-3.0-or-later
// File > Check With Script... on the page, as in the window: a script from the computer or a
// share link run on the page's program in a session of its own, its tests listed, a failed
// test's run shown in a timing diagram.

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
}

interface RungboxModule {
    WebCheck: { new (session: WebSession): WebCheck };
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
