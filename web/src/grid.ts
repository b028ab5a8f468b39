// SPDX-License-Identifier: GPL-3.0-or-later
// The code grid: the core's grid shown as a table, with the core's editor behind every key, click
// and clipboard command, as the window's grid view forwards them.

const kCodeCol = 1;
const kSetValueCol = 3;
/** Width in pixels of the breakpoint margin at the left of the line numbers, as the window's. */
const kBreakpointMargin = 14;

/** The characters an extended program's cells take besides letters, digits and blanks (the
 * core's editor::KeyPress::isMark). */
function isMark(key: string): boolean {
    return key.length === 1 && ".#()_".includes(key);
}

class GridView {
    readonly host: HTMLElement;
    private readonly table: HTMLTableElement;
    private readonly cells: HTMLTableCellElement[][] = []; // [line][col 1..3], line from 1
    private shown: string[] = [];
    private revision = -1;
    private lastLine = 0;
    private anchor: [number, number] | null = null;
    private anchorOnNumber = false;
    /** Takes a click in a line number's breakpoint margin (the debugger sets it); the rest of
     * the number still selects the line. Works while a run locks the grid too. */
    onBreakpointMargin: ((line: number) => void) | null = null;
    /** Puts the keys where a click or a tap on a cell sends them: into the table, or into a text
     * box of the grid's host that a touch screen's keyboard types into (touch.ts). Keys pressed
     * in either reach the core. */
    focusKeys: () => void = () => this.table.focus();

    constructor(private readonly session: WebSession, private readonly changed: () => void) {
        this.host = document.createElement("div");
        this.host.className = "grid-host";
        this.table = document.createElement("table");
        this.table.className = "grid";
        this.table.setAttribute("role", "grid");
        this.table.setAttribute("aria-label", tr("page.grid", "Ladder code"));
        this.table.tabIndex = 0;
        this.host.append(this.table);
        this.build();
        this.host.addEventListener("keydown", (event) => this.onKey(event));
        this.table.addEventListener("mousedown", (event) => this.onMouseDown(event));
        this.table.addEventListener("mouseover", (event) => this.onMouseOver(event));
        window.addEventListener("mouseup", () => (this.anchor = null));
        document.addEventListener("copy", (event) => this.onClipboard(event, false));
        document.addEventListener("cut", (event) => this.onClipboard(event, true));
        document.addEventListener("paste", (event) => this.onPaste(event));
    }

    focus(): void {
        this.table.focus();
    }

    private build(): void {
        const head = this.table.createTHead().insertRow();
        head.setAttribute("role", "row");
        const rows = this.session.cursor()[5];
        for (let col = 0; col <= kSetValueCol; ++col) {
            const th = document.createElement("th");
            th.setAttribute("role", "columnheader");
            th.textContent = trDynamic("Grid", this.session.cell(0, col));
            th.style.width = this.session.columnWidth(col) / kTwips + "px";
            head.append(th);
        }
        const body = this.table.createTBody();
        this.cells.push([]);
        for (let line = 1; line < rows; ++line) {
            const tableRow = body.insertRow();
            tableRow.setAttribute("role", "row");
            const number = document.createElement("th");
            number.setAttribute("role", "rowheader");
            number.textContent = this.session.cell(line, 0);
            number.dataset.row = String(line);
            number.dataset.col = "0";
            tableRow.append(number);
            const row: HTMLTableCellElement[] = [];
            for (let col = kCodeCol; col <= kSetValueCol; ++col) {
                const td = tableRow.insertCell();
                td.setAttribute("role", "gridcell");
                td.id = `cell-${line}-${col}`;
                td.dataset.row = String(line);
                td.dataset.col = String(col);
                row[col] = td;
            }
            this.cells.push(row);
        }
    }

    /** Shows the grid when it changed since the last call. */
    refresh(): void {
        const revision = this.session.gridRevision();
        if (revision === this.revision) {
            return;
        }
        this.revision = revision;
        const texts = this.session.codeCells();
        const [line, col, selLine, selCol, enabled] = this.session.cursor();
        const top = Math.min(line, selLine);
        const bottom = Math.max(line, selLine);
        const left = Math.min(col, selCol);
        const right = Math.max(col, selCol);
        for (let r = 1; r < this.cells.length; ++r) {
            for (let c = kCodeCol; c <= kSetValueCol; ++c) {
                const k = (r - 1) * 3 + c - 1;
                const td = this.cells[r][c];
                if (this.shown[k] !== texts[k]) {
                    td.textContent = texts[k];
                }
                const selected = r >= top && r <= bottom && c >= left && c <= right;
                const name = r === line && c === col ? "current" : selected ? "selected" : "";
                if (td.className !== name) {
                    td.className = name;
                    td.setAttribute("aria-selected", selected ? "true" : "false");
                }
            }
        }
        this.shown = texts;
        this.table.classList.toggle("disabled", enabled === 0);
        this.table.setAttribute("aria-disabled", enabled === 0 ? "true" : "false");
        this.table.setAttribute("aria-activedescendant", `cell-${line}-${col}`);
        if (line !== this.lastLine || selLine !== line) {
            this.lastLine = line;
            this.scrollToLine(selLine);
        }
    }

    /** Scrolls the grid to its first lines (a program just opened), the cursor staying put. */
    showTop(): void {
        this.host.scrollTop = 0;
    }

    scrollToLine(line: number): void {
        const td = this.cells[line]?.[kCodeCol];
        if (!td) {
            return;
        }
        const head = this.table.tHead?.offsetHeight ?? 0;
        const view = this.host;
        if (td.offsetTop - head < view.scrollTop) {
            view.scrollTop = td.offsetTop - head;
        } else if (td.offsetTop + td.offsetHeight > view.scrollTop + view.clientHeight) {
            view.scrollTop = td.offsetTop + td.offsetHeight - view.clientHeight;
        }
    }

    private onKey(event: KeyboardEvent): void {
        const shift = shiftState(event);
        const ctrl = (shift & KeyMod.Ctrl) !== 0;
        // Tab leaves the grid, so that the page's other controls stay in reach of the keyboard;
        // Ctrl+C, X and V come back as the browser's clipboard events.
        if (event.code === "Tab" || (ctrl && ["KeyC", "KeyX", "KeyV"].includes(event.code))) {
            return;
        }
        if (event.defaultPrevented) {
            return; // a menu shortcut took it
        }
        event.preventDefault();
        if (!ctrl && this.session.extended() && isMark(event.key)) {
            // An extended program's cells take these characters; keys name no such key, so the
            // character goes as typed text (classic programs keep the key, which types nothing).
            this.session.typeText(event.key);
        } else {
            this.session.pressKey(event.code, shift);
        }
        this.changed();
    }

    /** True while the keys go to the grid (the table or the text box in its host). */
    hasKeys(): boolean {
        return document.activeElement !== null && this.host.contains(document.activeElement);
    }

    private cellOf(event: MouseEvent): [number, number] | null {
        const target = (event.target as HTMLElement).closest("[data-row]") as HTMLElement | null;
        return target ? [Number(target.dataset.row), Number(target.dataset.col)] : null;
    }

    private onMouseDown(event: MouseEvent): void {
        const at = this.cellOf(event);
        if (event.button !== 0 || !at) {
            return;
        }
        const number = (event.target as HTMLElement).closest("th");
        if (at[1] === 0 && number && this.onBreakpointMargin && event.clientX - number.getBoundingClientRect().left < kBreakpointMargin) {
            event.preventDefault();
            this.onBreakpointMargin(at[0]);
            return;
        }
        this.focusKeys();
        event.preventDefault();
        this.anchor = at;
        this.anchorOnNumber = at[1] === 0;
        if (this.anchorOnNumber) {
            this.session.selectLine(at[0]);
        } else {
            this.session.select(at[0], at[1], at[0], at[1]);
        }
        this.changed();
    }

    private onMouseOver(event: MouseEvent): void {
        const at = this.cellOf(event);
        if (!this.anchor || !at || (event.buttons & 1) === 0) {
            return;
        }
        if (this.anchorOnNumber) {
            // A drag over the line numbers selects whole lines.
            this.session.select(this.anchor[0], kCodeCol, at[0], kSetValueCol);
        } else {
            this.session.select(this.anchor[0], this.anchor[1], at[0], at[1] === 0 ? kSetValueCol : at[1]);
        }
        this.changed();
    }

    private onClipboard(event: ClipboardEvent, cut: boolean): void {
        if (!this.hasKeys() || !event.clipboardData) {
            return;
        }
        event.preventDefault();
        const text = cut ? this.session.cutLines() : this.session.copyLines();
        if (text !== "") {
            event.clipboardData.setData("text/plain", text);
        }
        this.changed();
    }

    private onPaste(event: ClipboardEvent): void {
        if (!this.hasKeys() || !event.clipboardData) {
            return;
        }
        event.preventDefault();
        this.session.paste(toLatin1(event.clipboardData.getData("text/plain")));
        this.changed();
    }
}
