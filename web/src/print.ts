// SPDX-License-Identifier: GPL-3.0-or-later
// File > Print and the browser's own Print or Save as PDF: a sheet made for paper from the
// program as it is now (a heading with the file, the date and the exercise; the mnemonic listing
// with its line numbers and each line's name and comment; the ladder diagram a rung at a time;
// the names table), shown only in print (style.css's print rules hide everything else).

class PrintFeature implements PageFeature {
    private readonly sheet: HTMLElement;
    private readonly names: WebNames;

    constructor(private readonly context: PageContext, private readonly caption: () => string) {
        this.names = new context.core.WebNames(context.session);
        this.sheet = document.createElement("section");
        this.sheet.className = "print-sheet";
        this.sheet.setAttribute("aria-label", tr("page.print", "Printed program"));
        document.body.append(this.sheet);
        // Made again whenever the page is about to be printed, whoever asked.
        window.addEventListener("beforeprint", () => this.build());
        window.matchMedia("print").addEventListener("change", (event) => {
            if (event.matches) {
                this.build();
            }
        });
    }

    menuItems(): { menu: string; items: MenuItem[] }[] {
        return [{ menu: "File", items: [{ label: tr("page.print", "Print"), run: () => this.print() }] }];
    }

    private print(): void {
        this.build();
        window.print();
    }

    /** Makes the sheet from the program as it is now. */
    build(): void {
        const s = this.context.session;
        const header = document.createElement("header");
        header.className = "print-header";
        const title = document.createElement("h1");
        title.textContent = fromUtf8(s.currentFileName()) || tr("page.print", "Untitled program");
        const facts = document.createElement("p");
        facts.textContent = [this.caption(), new Date().toLocaleString()].filter((t) => t).join(" \u2014 ");
        header.append(title, facts);
        this.sheet.replaceChildren(header, this.listing(), this.diagram(), this.namesTable());
    }

    /** The code lines up to the last one used, as a table: line, the grid's columns, name. */
    private listing(): HTMLElement {
        const s = this.context.session;
        const cells = s.codeCells();
        const tips = fromUtf8(this.names.lineTips()).split("\0");
        let lines = Math.ceil(cells.length / 3);
        while (lines > 0 && cells.slice((lines - 1) * 3, lines * 3).every((c) => c === "")) {
            --lines;
        }
        const heads = [0, 1, 2, 3].map((col) => s.cell(0, col));
        heads[0] ||= tr("page.print", "Line");
        const table = this.table(tr("page.print", "Listing"), [...heads, tr("page.print", "Name and comment")]);
        const body = table.createTBody();
        for (let line = 1; line <= lines; ++line) {
            const row = body.insertRow();
            const texts = [String(line), ...cells.slice((line - 1) * 3, line * 3).map(fromUtf8), tips[line - 1] ?? ""];
            for (const text of texts) {
                row.insertCell().textContent = text;
            }
        }
        return this.part(tr("page.print", "Program"), table);
    }

    private diagram(): HTMLElement {
        const rungs = this.context.ladder.rungPictures().map((svg) => {
            const rung = document.createElement("div");
            rung.className = "print-rung";
            rung.append(svg);
            return rung;
        });
        const part = this.part(tr("page.print", "Ladder diagram"));
        part.append(...rungs);
        return part;
    }

    private namesTable(): HTMLElement {
        let rows: string[][] = [];
        try {
            rows = (JSON.parse(this.names.rows()) as string[][]).filter((row) => row[1] !== "");
        } catch {
            // The core writes valid JSON.
        }
        if (rows.length === 0) {
            return this.part(tr("page.print", "Names"), Object.assign(document.createElement("p"), { textContent: tr("page.print", "The program has no names.") }));
        }
        const table = this.table(tr("page.print", "Names"), [tr("page.print", "Address"), tr("page.print", "Name"), tr("page.print", "Comment")]);
        const body = table.createTBody();
        for (const texts of rows) {
            const row = body.insertRow();
            for (const text of texts.slice(0, 3)) {
                row.insertCell().textContent = text;
            }
        }
        return this.part(tr("page.print", "Names"), table);
    }

    private table(label: string, heads: string[]): HTMLTableElement {
        const table = document.createElement("table");
        table.setAttribute("aria-label", label);
        const head = table.createTHead().insertRow();
        for (const text of heads) {
            const th = document.createElement("th");
            th.scope = "col";
            th.textContent = text;
            head.append(th);
        }
        return table;
    }

    private part(title: string, ...content: HTMLElement[]): HTMLElement {
        const part = document.createElement("section");
        part.className = "print-part";
        const heading = document.createElement("h2");
        heading.textContent = title;
        part.append(heading, ...content);
        return part;
    }
}
