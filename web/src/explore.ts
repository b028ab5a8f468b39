// SPDX-License-Identifier: GPL-3.0-or-later
// Tools > Compare With Program... and Tools > Prove Properties... on the page, as the window's
// Explore dialog: the exploration runs where worker.ts puts it, with progress, Cancel, the
// result, the counterexample's script and its runs in a timing diagram.

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
        this.host.setAttribute("aria-label", tr("page.explore", "Explore"));
        this.host.hidden = true;
        this.title = document.createElement("h2");
        this.properties = document.createElement("textarea");
        this.properties.setAttribute("aria-label", tr("page.explore", "Properties"));
        this.properties.placeholder = "never 1000 & 1001";
        this.properties.value = "# one property a line, over relays after every scan\nnever 1000 & 1001\n";
        this.properties.rows = 4;
        this.properties.spellcheck = false;
        this.proveButton = toolButton(tr("page.explore", "Prove"), () => this.prove());
        const progressRow = document.createElement("div");
        progressRow.className = "explore-progress";
        this.progress = document.createElement("span");
        this.progress.setAttribute("role", "status");
        this.progress.setAttribute("aria-label", tr("page.explore", "Progress"));
        this.bar = document.createElement("progress"); // no value: the number of states is not known before the end
        this.bar.hidden = true;
        this.cancelButton = toolButton(tr("page.dialogs", "Cancel"), () => this.explorer.tell({ kind: "cancel" }));
        this.cancelButton.disabled = true;
        progressRow.append(this.progress, this.bar, this.cancelButton);
        this.result = document.createElement("pre");
        this.result.className = "explore-result";
        this.result.setAttribute("aria-label", tr("page.explore", "Result"));
        this.saveButton = toolButton(tr("page.explore", "Save Script..."), () =>
            offerDownload("counterexample.script", new Blob([textToBytes(this.script).buffer as ArrayBuffer], { type: "text/plain" })),
        );
        this.saveButton.disabled = true;
        this.timingButton = toolButton(tr("page.explore", "Timing Diagram"), () => this.showTiming());
        this.timingButton.disabled = true;
        const buttons = document.createElement("div");
        buttons.className = "tool-buttons";
        buttons.append(this.timingButton, this.saveButton, toolButton(tr("page.explore", "Close"), () => this.close()));
        this.host.append(this.title, this.properties, this.proveButton, progressRow, this.result, buttons);
    }

    async compareWithProgram(): Promise<void> {
        const file = await pickFile(".PLC,.plc");
        if (!file) {
            return;
        }
        this.open(tr("page.explore", "Compare With Program"), false);
        this.begin({
            kind: "compare",
            referenceName: file.name,
            reference: bytesToText(file.bytes),
            candidate: this.context.session.programBytes(),
            paced: this.paced,
        });
    }

    proveProperties(): void {
        this.open(tr("page.explore", "Prove Properties"), true);
        this.progress.textContent = tr("page.explore", "Type the properties, then Prove.");
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
        this.open(tr("page.explore", "Prove Properties"), true);
        this.begin({
            kind: "prove",
            program: this.context.session.programBytes(),
            properties: toLatin1(this.properties.value),
            names: this.context.session.namesBytes(), // the properties may use the program's names
            paced: this.paced,
        });
    }

    private begin(request: ExploreRequest): void {
        this.bar.hidden = false;
        this.cancelButton.disabled = false;
        this.proveButton.disabled = true;
        this.progress.textContent = tr("page.explore", "Exploring...");
        this.explored = false;
        this.explorer.start(request);
    }

    private async receive(reply: ExploreReply): Promise<void> {
        if (reply.kind === "progress") {
            this.progress.textContent = reply.text;
            this.explored = true;
            return;
        }
        if (reply.kind !== "done") {
            return; // a check's, which this panel never asks for
        }
        this.bar.hidden = true;
        this.cancelButton.disabled = true;
        this.proveButton.disabled = false;
        this.script = reply.script;
        this.saveButton.disabled = reply.script === "";
        this.runs = { vcd: reply.vcd, names: reply.runNames };
        this.timingButton.disabled = reply.vcd === "";
        this.result.textContent = trDynamic("Explore", reply.result); // the core's refusals
        const messages = JSON.parse(reply.messages) as CoreMessage[];
        // Refused before exploring (no property, a program that cannot start): the progress line
        // says so, as in the window, and the result says why.
        if (this.explored) {
            this.progress.textContent = reply.cancelled ? tr("page.explore", "Cancelled.") : tr("page.explore", "Done.");
        } else {
            this.progress.textContent = this.properties.hidden ? "" : tr("page.explore", "Refused.");
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
            title: tr("page.explore", "Counterexample (a scan a millisecond)"),
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
