// SPDX-License-Identifier: GPL-3.0-or-later
// The window's modal boxes as HTML dialogs: the core's message boxes with their texts, titles,
// icons and buttons, and About; the tool panels' buttons and file picker. Texts are put in as
// text, never as HTML.

const kIcons: Record<string, string> = {
    critical: "\u26d4",
    question: "?",
    exclamation: "!",
};

function element<K extends keyof HTMLElementTagNameMap>(
    tag: K,
    className?: string,
    text?: string,
): HTMLElementTagNameMap[K] {
    const el = document.createElement(tag);
    if (className) {
        el.className = className;
    }
    if (text !== undefined) {
        el.textContent = text;
    }
    return el;
}

/** Shows a modal dialog built by `fill`; resolves with the value the pressed button gave. */
function showDialog<T>(
    title: string,
    fill: (body: HTMLElement, close: (value: T) => void) => void,
    dismissed: T,
): Promise<T> {
    return new Promise((resolve) => {
        const dialog = element("dialog", "box");
        const titleId = "box-title-" + Math.random().toString(36).slice(2);
        dialog.setAttribute("aria-labelledby", titleId);
        const heading = element("div", "box-title", title);
        heading.id = titleId;
        dialog.append(heading);
        const body = element("div", "box-body");
        dialog.append(body);
        let done = false;
        const close = (value: T): void => {
            if (!done) {
                done = true;
                dialog.close();
                dialog.remove();
                resolve(value);
            }
        };
        // Esc and the browser's own closing of a modal dialog answer nothing, as the window's
        // close button does.
        dialog.addEventListener("cancel", (event) => {
            event.preventDefault();
            close(dismissed);
        });
        fill(body, close);
        document.body.append(dialog);
        dialog.showModal();
        (dialog.querySelector("button.default") as HTMLButtonElement | null)?.focus();
    });
}

/** A message box of the core: its text, title, icon and buttons. Resolves with the answer. */
function showMessage(message: CoreMessage): Promise<number> {
    const buttons = message.buttons;
    const icon = kIcons[message.icon];
    const choices: [string, number][] =
        buttons === "yesNoCancel"
            ? [[tr("page.dialogs", "Yes"), BoxAnswer.Yes], [tr("page.dialogs", "No"), BoxAnswer.No], [tr("page.dialogs", "Cancel"), BoxAnswer.Cancel]]
            : buttons === "yesNo"
              ? [[tr("page.dialogs", "Yes"), BoxAnswer.Yes], [tr("page.dialogs", "No"), BoxAnswer.No]]
              : [[tr("page.dialogs", "OK"), BoxAnswer.Ok]];
    const dismissed = buttons === "ok" ? BoxAnswer.Ok : BoxAnswer.Dismissed;
    return showDialog<number>(
        trMessage(message.titleMessage, message.title),
        (body, close) => {
            const row = element("div", "box-message");
            if (icon) {
                const mark = element("span", "box-icon icon-" + message.icon, icon);
                mark.setAttribute("aria-hidden", "true");
                row.append(mark);
            }
            row.append(element("p", "box-text", trMessage(message.textMessage, message.text).replace(/\r\n/g, "\n")));
            body.append(row);
            const bar = element("div", "box-buttons");
            choices.forEach(([label, answer], index) => {
                const button = element("button", index === 0 ? "default" : "", label);
                button.addEventListener("click", () => close(answer));
                bar.append(button);
            });
            body.append(bar);
        },
        dismissed,
    );
}

/** The About box: the window's texts. */
function showAbout(): Promise<void> {
    const lines = [
        "PLC Model Supported: OMRON PLC",
        "Ladder Code: LD, NOT, AND, OR, BLK, TMR, CNT, DIFU, SFT",
        "Input Range: 00 to 15",
        "Output Range: 1000 to 1015",
        "Timer Range: 00 to 07 (0.1s to 60 seconds)",
        "Counter Range: 00 to 07 (0 to 9999)",
        "Internal Relay: 0000 to 20000",
    ];
    return showDialog<void>(
        "Form1",
        (body, close) => {
            body.classList.add("about");
            const title = element("div", "about-title", "Rungbox 1.0");
            title.setAttribute("data-shadow", "Rungbox 1.0");
            body.append(title);
            for (const line of lines) {
                body.append(element("p", "about-line", line));
            }
            const ok = element("button", "default", "OK");
            ok.addEventListener("click", () => close());
            body.append(ok);
        },
        undefined,
    );
}

/** A dialog of the page's own (no window counterpart): a line of text and an OK button. */
function showNote(title: string, text: string, extra?: HTMLElement): Promise<void> {
    return showDialog<void>(
        title,
        (body, close) => {
            body.append(element("p", "box-text", text));
            if (extra) {
                body.append(extra);
            }
            const ok = element("button", "default", tr("page.dialogs", "OK"));
            ok.addEventListener("click", () => close());
            body.append(ok);
        },
        undefined,
    );
}

/** Offers `data` as a download named `name`, as a browser saves a file the user asked for. */
function offerDownload(name: string, data: Blob): void {
    const link = document.createElement("a");
    link.href = URL.createObjectURL(data);
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
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

/**
 * Shows `text` in the page's notice line as the notice `key`, beside the others there (a new
 * build waiting, the storage, a run paused); "" takes it away.
 */
function showNotice(key: string, text: string): void {
    const line = document.getElementById("notice");
    if (!line) {
        return;
    }
    let part = Array.from(line.children).find((child) => (child as HTMLElement).dataset.notice === key) as HTMLElement | undefined;
    if (text === "") {
        part?.remove();
        return;
    }
    if (!part) {
        part = document.createElement("div");
        part.dataset.notice = key;
        line.append(part);
    }
    part.textContent = text;
}
