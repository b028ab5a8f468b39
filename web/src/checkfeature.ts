// SPDX-License-Identifier: GPL-3.0-or-later
// Checking and proving on the page: the File menu's Check With Script... (check.ts), the Tools
// menu's Compare With Program... and Prove Properties... (explore.ts), and a share link's script
// ("&s=") checked when the link is opened and carried by Copy Share Link.

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
            { menu: "File", items: [{ label: tr("page.checkfeature", "Check With Script..."), run: () => void this.check.askAndCheck() }] },
            {
                menu: "Tools",
                items: [
                    { label: tr("page.checkfeature", "Compare With Program..."), run: () => void this.explore.compareWithProgram() },
                    { label: tr("page.checkfeature", "Prove Properties..."), run: () => this.explore.proveProperties() },
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
            await showNote(tr("page.checkfeature", "Check With Script"), tr("page.checkfeature", "The link's script cannot be read."));
            return;
        }
        if (this.context.session.running()) {
            // The run kept its program (the File menu is locked): the script waits for Check Again.
            this.check.script = { name: "shared.script", bytes: script };
            return;
        }
        this.check.check("shared.script", script);
    }

    programReplaced(): void {
        this.check.forget();
    }

    /** Checks the page's program with the script `bytes` named `name` as Check With Script
     * does; `listed` is told the list of each check made with it (Check Again too). */
    checkWith(name: string, bytes: Uint8Array, listed: (list: CheckList) => void): void {
        this.check.check(name, bytes, listed);
    }

    shareLinkParts(): string[] {
        const script = this.check.script;
        return script ? [kScriptKey + encodeBase64Url(script.bytes)] : [];
    }

    testHook(): object {
        return {
            /** Explorations wait after their start from now on, for a Cancel between two chunks;
             * checks wait in their worker for a Cancel. */
            explorePaced: () => {
                this.explore.paced = true;
                this.check.paced = true;
            },
            /** Explorations and checks run on the page's thread from now on, as where no worker
             * can be had. */
            exploreOnPage: () => {
                this.explore.stayOnPage();
                this.check.stayOnPage();
            },
            /** "worker" or "page": where the last exploration ran, and the last check. */
            exploreMode: () => this.explore.mode(),
            checkMode: () => this.check.mode(),
            scriptOfFragment: (hash: string) => {
                const bytes = scriptOfFragment(hash);
                return bytes ? bytesToText(bytes) : bytes;
            },
        };
    }
}
