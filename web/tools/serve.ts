// SPDX-License-Identifier: GPL-3.0-or-later
// A static file server for build/web/ on localhost: scripts/web.sh --serve, and the tests.

import * as fs from "fs";
import * as http from "http";
import * as path from "path";

const kTypes: Record<string, string> = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".css": "text/css; charset=utf-8",
    ".wasm": "application/wasm",
    ".png": "image/png",
    ".svg": "image/svg+xml",
    ".webmanifest": "application/manifest+json",
};

/** Serves the files under `root` on 127.0.0.1:`port` (0: any free port). */
export function serveStatic(root: string, port: number): Promise<http.Server> {
    const base = path.resolve(root);
    const server = http.createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url ?? "/", "http://localhost").pathname);
        const file = path.join(base, name.endsWith("/") ? name + "index.html" : name);
        // Only files inside the root are served.
        if (!file.startsWith(base + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
            response.writeHead(404).end("not found");
            return;
        }
        response.writeHead(200, {
            "Content-Type": kTypes[path.extname(file)] ?? "application/octet-stream",
            "Cache-Control": "no-cache",
        });
        fs.createReadStream(file).pipe(response);
    });
    return new Promise((resolve) => server.listen(port, "127.0.0.1", () => resolve(server)));
}

if (require.main === module) {
    const [root, port] = process.argv.slice(2);
    void serveStatic(root ?? "build/web", Number(port ?? 8080));
}
