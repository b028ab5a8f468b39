// SPDX-License-Identifier: GPL-3.0-or-later
// The page as an installable app that opens without a network: registers the service worker
// (service-worker.js, made by scripts/web.sh) when the page is served, and says when a new
// build is ready for the next start. The one-file page opened from disk has no worker: it
// carries everything itself.

/** Whether this page is the served one that has a worker: over http(s), with its manifest. */
function offlineWanted(): boolean {
    const served = location.protocol === "https:" || location.protocol === "http:";
    return served && window.isSecureContext && "serviceWorker" in navigator && document.querySelector('link[rel="manifest"]') !== null;
}

class OfflineFeature implements PageFeature {
    /** "none" on a page without a worker (from disk); the registration's outcome otherwise. */
    private state: "none" | "registering" | "registered" | "refused" = "none";

    constructor() {
        if (!offlineWanted()) {
            return;
        }
        this.state = "registering";
        // After the page's own loading: the worker's first fetch of the build does not compete.
        if (document.readyState === "complete") {
            this.register();
        } else {
            window.addEventListener("load", () => this.register(), { once: true });
        }
    }

    testHook(): object {
        return { offlineWorker: () => this.state };
    }

    private register(): void {
        navigator.serviceWorker
            .register("service-worker.js")
            .then((registration) => {
                this.state = "registered";
                this.watch(registration);
            })
            .catch(() => {
                // No worker (storage refused, say): the page works as before, online only.
                this.state = "refused";
            });
    }

    /** Tells the user when a new build has been fetched and waits for the next start. */
    private watch(registration: ServiceWorkerRegistration): void {
        registration.addEventListener("updatefound", () => {
            const incoming = registration.installing;
            incoming?.addEventListener("statechange", () => {
                // With a worker already serving this page, the new one waits for the next start.
                if (incoming.state === "installed" && navigator.serviceWorker.controller) {
                    showNotice("update", tr("page.offline", "A new version of Rungbox is ready: it opens the next time Rungbox starts."));
                }
            });
        });
    }
}
