// SPDX-License-Identifier: GPL-3.0-or-later
// View > Names: the program's names table edited as the window's Names window edits it (named
// addresses, then the program's unnamed ones, then a row for a further address; checked as
// typed, with its own undo), the names shown as the window shows them (tooltips on the panel's
// lamps, switches and displays and on the code lines), and the names file a save writes
// downloaded beside the program. The rules and the words are the core's (src/names).

interface WebNames {
    /** Counts every change of the names, and of the rows added. */
    revision(): number;
    /** [[address, name, comment]] as JSON (its strings the characters themselves). */
    rows(): string;
    setName(address: string, name: string): string;
    setComment(address: string, comment: string): string;
    addAddress(typed: string): string;
    problemOf(address: string, name: string): string;
    undo(): boolean;
    redo(): boolean;
    canUndo(): boolean;
    canRedo(): boolean;
    /** [input lamps, switches, output lamps, timers, counters] of tooltips, as JSON. */
    panelTips(): string;
    /** Each code line's tooltip, each followed by NUL. */
    lineTips(): string;
    takeSaved(): { name: string; bytes: Uint8Array<ArrayBuffer> } | null;
}

interface RungboxModule {
    WebNames: { new (session: WebSession): WebNames };
}

/** The panel's controls by their accessible names (panel.ts), in the order of
 * WebNames.panelTips: a selector for each control number and the number of controls. */
const kTipControls: [(n: number) => string, number][] = [
    [(n) => `[role=img][aria-label="${trf("page.panel", "Input %1", n)}"]`, 16],
    [(n) => `input[aria-label="${trf("page.panel", "Switch %1", n)}"]`, 16],
    [(n) => `[role=img][aria-label="${trf("page.panel", "Output %1", n)}"]`, 16],
    [(n) => `output[aria-label="${trf("page.panel", "Timer %1", n)}"]`, 8],
    [(n) => `output[aria-label="${trf("page.panel", "Counter %1", n)}"]`, 8],
];

class NamesPanel implements PageFeature {
    private readonly names: WebNames;
    private readonly host: HTMLElement;
    private readonly body: HTMLTableSectionElement;
    private readonly problem: HTMLElement;
    private readonly undoButton: HTMLButtonElement;
    private readonly redoButton: HTMLButtonElement;
    private shownRows = "";
    private shownNames = -1;
    private shownGrid = -1;
    private lineTips: string[] = [];

    constructor(private readonly context: PageContext) {
        this.names = new context.core.WebNames(context.session);
        this.host = document.createElement("section");
        this.host.className = "tool names-tool";
        this.host.setAttribute("aria-label", tr("page.names", "Names"));
        this.host.hidden = true;
        const heading = document.createElement("h2");
        heading.textContent = tr("page.names", "Names");
        const scroll = document.createElement("div");
        scroll.className = "names-scroll";
        const table = document.createElement("table");
        table.className = "names-table";
        table.setAttribute("aria-label", tr("page.names", "Names table"));
        const head = table.createTHead().insertRow();
        for (const title of [tr("page.names", "Address"), tr("page.names", "Name"), tr("page.names", "Comment")]) {
            const th = document.createElement("th");
            th.textContent = title;
            head.append(th);
        }
        this.body = table.createTBody();
        scroll.append(table);
        this.problem = document.createElement("p");
        this.problem.className = "names-problem";
        this.problem.setAttribute("role", "status");
        this.problem.setAttribute("aria-live", "polite");
        const bar = document.createElement("div");
        bar.className = "names-bar";
        this.undoButton = this.button(tr("page.names", "Undo"), () => this.step(() => this.names.undo()));
        this.redoButton = this.button(tr("page.names", "Redo"), () => this.step(() => this.names.redo()));
        this.undoButton.setAttribute("aria-keyshortcuts", "Control+Z");
        this.redoButton.setAttribute("aria-keyshortcuts", "Control+Y Control+Shift+Z");
        bar.append(this.problem, this.undoButton, this.redoButton, this.button(tr("page.names", "Close"), () => (this.host.hidden = true)));
        this.host.append(heading, scroll, bar);
        this.host.addEventListener("keydown", (event) => this.onKey(event));
        context.tools.append(this.host);
    }

    menuItems(): { menu: string; items: MenuItem[] }[] {
        return [{ menu: "View", items: [{ label: tr("page.names", "Names"), run: () => this.show() }] }];
    }

    refresh(): void {
        const revision = this.names.revision();
        const grid = this.context.session.gridRevision();
        if (revision !== this.shownNames) {
            this.showPanelTips();
        }
        if (revision !== this.shownNames || grid !== this.shownGrid) {
            this.showLineTips();
            if (!this.host.hidden) {
                this.showRows();
            }
        }
        this.shownNames = revision;
        this.shownGrid = grid;
        const saved = this.names.takeSaved();
        if (saved) {
            offerDownload(fromUtf8(saved.name), new Blob([saved.bytes], { type: "text/plain" }));
        }
    }

    testHook(): object {
        return { namesRows: () => this.names.rows() };
    }

    private show(): void {
        this.host.hidden = false;
        this.showRows();
        this.host.scrollIntoView({ block: "nearest" });
        this.body.querySelector<HTMLInputElement>("input")?.focus();
    }

    private button(label: string, run: () => void): HTMLButtonElement {
        const button = document.createElement("button");
        button.type = "button";
        button.textContent = label;
        button.addEventListener("click", run);
        return button;
    }

    // --- The table ------------------------------------------------------------------------------

    /** Shows the rows when they changed, keeping the field being typed in. */
    private showRows(): void {
        this.undoButton.disabled = !this.names.canUndo();
        this.redoButton.disabled = !this.names.canRedo();
        const json = this.names.rows();
        if (json === this.shownRows) {
            return;
        }
        this.shownRows = json;
        const focused = (document.activeElement as HTMLElement | null)?.getAttribute("aria-label");
        const rows = JSON.parse(json) as [string, string, string][];
        this.body.replaceChildren(
            ...rows.map(([address, name, comment]) => this.row(address, name, comment)),
            this.addRow(),
        );
        if (focused && this.host.contains(document.activeElement) === false) {
            this.host.querySelector<HTMLInputElement>(`input[aria-label="${CSS.escape(focused)}"]`)?.focus();
        }
    }

    private row(address: string, name: string, comment: string): HTMLTableRowElement {
        const tableRow = document.createElement("tr");
        const th = document.createElement("th");
        th.scope = "row";
        th.textContent = address;
        const nameField = this.field(trf("page.names", "Name of %1", address), name);
        const commentField = this.field(trf("page.names", "Comment of %1", address), comment);
        nameField.addEventListener("input", () => this.checkName(address, nameField));
        nameField.addEventListener("change", () => this.commit(nameField, this.names.setName(address, toUtf8(nameField.value))));
        commentField.addEventListener("change", () =>
            this.commit(commentField, this.names.setComment(address, toUtf8(commentField.value))),
        );
        tableRow.append(th, cell(nameField), cell(commentField));
        return tableRow;
    }

    /** The last row: its address cell takes a further address to name. */
    private addRow(): HTMLTableRowElement {
        const tableRow = document.createElement("tr");
        const field = this.field(tr("page.names", "Address to name"), "");
        field.placeholder = tr("page.names", "address");
        field.addEventListener("change", () => {
            const problem = field.value === "" ? "" : this.names.addAddress(toUtf8(field.value));
            this.commit(field, problem);
            if (!problem && field.value !== "") {
                this.showRows();
            }
        });
        tableRow.append(cell(field), document.createElement("td"), document.createElement("td"));
        return tableRow;
    }

    private field(label: string, value: string): HTMLInputElement {
        const field = document.createElement("input");
        field.type = "text";
        field.value = value;
        field.defaultValue = value;
        field.spellcheck = false;
        field.setAttribute("aria-label", label);
        field.addEventListener("keydown", (event) => {
            if (event.key === "Escape") {
                field.value = field.defaultValue;
                this.showProblem("");
            }
        });
        return field;
    }

    /** Checks the name as it is typed and shows why it cannot be one. */
    private checkName(address: string, field: HTMLInputElement): void {
        const problem = field.value === "" ? "" : fromUtf8(this.names.problemOf(address, toUtf8(field.value)));
        this.showProblem(problem);
        field.classList.toggle("refused", problem !== "");
        field.setAttribute("aria-invalid", problem !== "" ? "true" : "false");
    }

    /** After an edit: a refused text goes and its reason stays shown; a taken one is shown. */
    private commit(field: HTMLInputElement, problem: string): void {
        this.showProblem(fromUtf8(problem));
        if (problem) {
            field.value = field.defaultValue;
            field.classList.remove("refused");
            field.setAttribute("aria-invalid", "false");
            return;
        }
        this.changed();
    }

    private step(run: () => boolean): void {
        if (run()) {
            this.showProblem("");
            this.changed();
        }
    }

    private changed(): void {
        this.showRows();
        this.context.programChanged();
    }

    /** Shows a problem of the core's (its fixed texts through the "Names" catalogue). */
    private showProblem(text: string): void {
        this.problem.textContent = trDynamic("Names", text);
    }

    /** Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) undo and redo the names' steps, unless a field
     * holds text not yet entered: that text's own undo is the browser's. */
    private onKey(event: KeyboardEvent): void {
        if (!event.ctrlKey || event.altKey || (event.code !== "KeyZ" && event.code !== "KeyY")) {
            return;
        }
        const field = event.target as HTMLInputElement;
        if (field instanceof HTMLInputElement && field.value !== field.defaultValue) {
            return;
        }
        event.preventDefault();
        event.stopPropagation();
        const redo = event.code === "KeyY" || event.shiftKey;
        this.step(() => (redo ? this.names.redo() : this.names.undo()));
    }

    // --- Tooltips ---------------------------------------------------------------------------------

    private showPanelTips(): void {
        const tips = JSON.parse(this.names.panelTips()) as string[][];
        kTipControls.forEach(([selector, count], part) => {
            for (let n = 0; n < count; ++n) {
                const control = document.querySelector<HTMLElement>(selector(n));
                const tip = tips[part][n];
                if (control && control.title !== tip) {
                    control.title = tip;
                }
            }
        });
    }

    /** The code cells of a line with a named address carry its name and comment. */
    private showLineTips(): void {
        const tips = this.names.lineTips().split("\0");
        tips.forEach((raw, k) => {
            if (raw === (this.lineTips[k] ?? "")) {
                return;
            }
            const tip = fromUtf8(raw);
            for (let col = 1; col <= 3; ++col) {
                const td = document.getElementById(`cell-${k + 1}-${col}`);
                if (tip) {
                    td?.setAttribute("title", tip);
                } else {
                    td?.removeAttribute("title");
                }
            }
        });
        this.lineTips = tips;
    }
}

function cell(content: HTMLElement): HTMLTableCellElement {
    const td = document.createElement("td");
    td.append(content);
    return td;
}
