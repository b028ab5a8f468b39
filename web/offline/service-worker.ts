// SPDX-License-Identifier: GPL-3.0-or-later
// The page's service worker: keeps every file of one build in a cache of its own and answers the
// page's requests from it, so that the page opens without a network once it has been visited.
//
// A new build is a new worker (scripts/web.sh writes the build's cache name and file list in
// front of this code). It fills its cache while the old one still serves, then waits: it takes
// over only when no page of the old build is open, so a page never changes its files while it
// runs. The program being edited is in the page's localStorage, which the worker never touches.

/** The cache of this build: "rungbox-" and a hash of the build's files (scripts/web.sh). */
declare const RUNGBOX_CACHE: string;
/** The build's files, relative to the worker's scope (scripts/web.sh). */
declare const RUNGBOX_FILES: string[];

const kCachePrefix = "rungbox-";
const worker = self as unknown as ServiceWorkerGlobalScope;

/** The URL of a file of the build, as the cache keeps it. */
function fileUrl(name: string): string {
    return new URL(name, worker.registration.scope).href;
}

worker.addEventListener("install", (event) => {
    // Fetched past the browser's HTTP cache: the files must be this build's, not older copies.
    const requests = RUNGBOX_FILES.map((name) => new Request(fileUrl(name), { cache: "reload" }));
    event.waitUntil(caches.open(RUNGBOX_CACHE).then((cache) => cache.addAll(requests)));
});

worker.addEventListener("activate", (event) => {
    event.waitUntil(
        (async () => {
            for (const key of await caches.keys()) {
                if (key.startsWith(kCachePrefix) && key !== RUNGBOX_CACHE) {
                    await caches.delete(key);
                }
            }
            // The page of the first visit is served from here from now on. A later build
            // activates only when no page is open, so this takes no running page over.
            await worker.clients.claim();
        })(),
    );
});

worker.addEventListener("fetch", (event) => {
    const request = event.request;
    if (request.method !== "GET" || !request.url.startsWith(worker.registration.scope)) {
        return;
    }
    event.respondWith(answer(request));
});

/** The cached file for `request`, or the network's answer for anything not in the build. */
async function answer(request: Request): Promise<Response> {
    const cache = await caches.open(RUNGBOX_CACHE);
    const url = new URL(request.url);
    url.search = "";
    url.hash = "";
    // The page is asked for by its folder as well as by name.
    const key = url.href === worker.registration.scope ? fileUrl("index.html") : url.href;
    return (await cache.match(key)) ?? fetch(request);
}
