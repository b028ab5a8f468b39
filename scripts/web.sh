#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Rungbox for the browser into build/web/: the core compiled to WebAssembly with
# Debian's emscripten, the page's TypeScript checked and compiled, the examples beside them.
# Static files only; the page fetches nothing from elsewhere.
#
#   scripts/web.sh                  build build/web/ (with its service worker, for the page served
#                                   over https or from localhost to be installed and work offline)
#   scripts/web.sh --single-file    also build/web/rungbox.html, one file that works from disk
#   scripts/web.sh --serve [PORT]   build, then serve build/web/ on http://localhost:PORT (8080)
#   scripts/web.sh --test           build, then run the page's tests in headless Chromium
#   scripts/web.sh --bench          build, then measure the README's figures in headless Chromium
#   scripts/web.sh --screenshot     build, then render the README's pictures of the page:
#                                   docs/web.png, docs/web_NAME.png from each
#                                   web/tools/shot-NAME.ts, and the page in each language
#                                   in docs/languages/ (shot-languages.ts)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/packages.sh

single=0
serve=0
test=0
bench=0
shot=0
port=8080
while [ $# -gt 0 ]; do
    case "$1" in
    --single-file) single=1 ;;
    --serve)
        serve=1
        if [[ ${2:-} =~ ^[0-9]+$ ]]; then
            port=$2
            shift
        fi
        ;;
    --test) test=1 ;;
    --bench) bench=1 ;;
    --screenshot) shot=1 ;;
    *)
        echo "usage: scripts/web.sh [--single-file] [--serve [PORT]] [--test] [--bench] [--screenshot]" >&2
        exit 2
        ;;
    esac
    shift
done

packages=(cmake ninja-build emscripten node-acorn)
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)
[ "$test$bench$shot" != 000 ] && packages+=(chromium fonts-dejavu-core)
ensure_packages "${packages[@]}"

# emscripten's JavaScript optimizer needs acorn, which Debian keeps under /usr/share/nodejs; the
# prebuilt library cache is read-only and has everything this build links (embind included).
export NODE_PATH=/usr/share/nodejs
export EM_CACHE=${EM_CACHE:-/usr/share/emscripten/cache}

out=build/web
wasm=build/wasm
# ccache, when there, keeps the core's objects between build folders and worktrees.
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
fi
if [ ! -f "$wasm/build.ninja" ]; then
    emcmake cmake -S . -B "$wasm" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
        -DRUNGBOX_BUILD_UI=OFF -DRUNGBOX_BUILD_TESTS=OFF -DRUNGBOX_BUILD_BENCH=OFF \
        -DRUNGBOX_WERROR=ON >/dev/null
fi
targets=(rungbox-web rungbox-web-single)
[ "$bench" = 1 ] && targets+=(rungbox-web-bench)
cmake --build "$wasm" --target "${targets[@]}"

# The page's npm packages as the lock file pins them, installed again only when it changed.
if ! cmp -s web/package-lock.json web/node_modules/.rungbox-installed-lock 2>/dev/null; then
    (cd web && npm ci --no-audit --no-fund && cp package-lock.json node_modules/.rungbox-installed-lock)
fi
tsc=web/node_modules/.bin/tsc

rm -rf "$out"
mkdir -p "$out"
"$tsc" -p web/tsconfig.json
"$tsc" -p web/tests/tsconfig.json
"$tsc" -p web/offline/tsconfig.json
cp "$wasm/src/wasm/rungbox-web.js" "$wasm/src/wasm/rungbox-web.wasm" web/style.css "$out/"
cp web/manifest.webmanifest web/icons/icon.svg web/icons/icon-192.png web/icons/icon-512.png "$out/"

# The examples as a script, so that the page needs no fetch for them (and works from disk).
node - examples "$out/examples.js" <<'JS'
const fs = require("fs");
const [dir, target] = process.argv.slice(2);
// Each with its names file (NAME.names beside NAME.PLC), when it has one.
const list = fs.readdirSync(dir).filter((name) => name.endsWith(".PLC")).sort().map((name) => {
    const names = `${dir}/${name.replace(/\.PLC$/, ".names")}`;
    return Object.assign(
        { name, data: fs.readFileSync(`${dir}/${name}`).toString("base64url") },
        fs.existsSync(names) ? { names: fs.readFileSync(names).toString("base64url") } : {});
});
fs.writeFileSync(target, "// SPDX-License-Identifier: GPL-3.0-or-later\n" +
    "const RUNGBOX_EXAMPLES = " + JSON.stringify(list) + ";\n");
JS

# The finished translations of translations/*.ts as a script, for the page's tr() (English where
# a catalogue has none).
node build/web-tests/tools/catalogues.js translations "$out/translations.js"

# index.html links the files; rungbox.html carries them all (the WebAssembly in base64).
node - web/index.html "$out" "$wasm/src/wasm/rungbox-web-single.js" "$single" <<'JS'
const fs = require("fs");
const [page, out, singleLoader, single] = process.argv.slice(2);
const html = fs.readFileSync(page, "utf8");
const scripts = ["examples.js", "translations.js", "rungbox-web.js", "rungbox.js"];
// Only the served page is an installable app with a service worker (offline.ts registers it
// when the manifest is linked); the one-file page carries everything itself.
const app = ['<link rel="manifest" href="manifest.webmanifest">',
    '<link rel="icon" href="icon.svg" type="image/svg+xml">', '<link rel="apple-touch-icon" href="icon-192.png">'];
fs.writeFileSync(`${out}/index.html`, html
    .replace("<!--app-->", app.join("\n"))
    .replace("<!--style-->", '<link rel="stylesheet" href="style.css">')
    .replace("<!--scripts-->", scripts.map((s) => `<script src="${s}"></script>`).join("\n")));
if (single === "1") {
    // A script's text may not hold "</script" inside an inline script element.
    const inline = (text) => "<script>\n" + text.replace(/<\/script/gi, "<\\/script") + "\n</script>";
    const bodies = [`${out}/examples.js`, `${out}/translations.js`, singleLoader, `${out}/rungbox.js`];
    const css = fs.readFileSync(`${out}/style.css`, "utf8");
    fs.writeFileSync(`${out}/rungbox.html`, html
        .replace("<!--app-->", '<link rel="icon" href="data:,">')
        .replace("<!--style-->", () => "<style>\n" + css + "</style>")
        .replace("<!--scripts-->", () => bodies.map((f) => inline(fs.readFileSync(f, "utf8"))).join("\n")));
}
JS

# The service worker, written after every other file of build/web/: it caches them all (but the
# one-file page, which is for opening from disk) in a cache named by a hash of their bytes and
# of the worker's own code, so that each new build is a new worker with a new cache.
node - "$out" build/web-offline/service-worker.js <<'JS'
const crypto = require("crypto");
const fs = require("fs");
const path = require("path");
const [out, code] = process.argv.slice(2);
const kSkip = new Set(["service-worker.js", "rungbox.html"]);
const list = (dir) => fs.readdirSync(path.join(out, dir), { withFileTypes: true }).flatMap((entry) => {
    const name = dir ? `${dir}/${entry.name}` : entry.name;
    return entry.isDirectory() ? list(name) : kSkip.has(name) ? [] : [name];
});
const files = list("").sort();
const body = fs.readFileSync(code, "utf8").replace(/^"use strict";\n/, "");
const hash = crypto.createHash("sha256");
for (const name of files) {
    hash.update(name + "\0").update(fs.readFileSync(path.join(out, name)));
}
hash.update(body);
fs.writeFileSync(`${out}/service-worker.js`, '// SPDX-License-Identifier: GPL-3.0-or-later\n"use strict";\n' +
    `const RUNGBOX_CACHE = "rungbox-${hash.digest("hex").slice(0, 16)}";\n` +
    `const RUNGBOX_FILES = ${JSON.stringify(files)};\n` + body);
JS
echo "Built $out/"
[ "$single" = 1 ] && echo "Built $out/rungbox.html (one file; open it from disk)"

if [ "$test" = 1 ]; then
    # The examples' expected lamps come from rungbox-sim, built natively when not given.
    if [ -z "${RUNGBOX_SIM:-}" ]; then
        ensure_packages "${RUNGBOX_BUILD_PACKAGES[@]}"
        configure_and_build release rungbox-sim
        RUNGBOX_SIM=$PWD/build/release/app/rungbox-sim
    fi
    # Chromium reads the names of picked files in the locale's encoding: the tests pick files
    # named in UTF-8, so they run under a UTF-8 locale even where none is set (a bare system).
    case "${LC_ALL:-${LC_CTYPE:-${LANG:-}}}" in
    *UTF-8* | *utf8*) ;;
    *) export LC_ALL=C.UTF-8 ;;
    esac
    # The compiled tests sit outside web/, so node is told where their packages are.
    NODE_PATH=$PWD/web/node_modules RUNGBOX_WEB_DIR=$out RUNGBOX_SIM=$RUNGBOX_SIM \
        node --test build/web-tests/tests/
fi
if [ "$bench" = 1 ]; then
    [ "$single" = 1 ] || echo "(--bench needs the one-file form for its size; add --single-file)"
    NODE_PATH=$PWD/web/node_modules node build/web-tests/tools/measure.js "$out" \
        "$wasm/bench/web/rungbox-web-bench.js"
fi
if [ "$shot" = 1 ]; then
    NODE_PATH=$PWD/web/node_modules node build/web-tests/tools/screenshot.js "$out" docs/web.png
    echo "Rendered docs/web.png"
    for shot in build/web-tests/tools/shot-*.js; do
        [ -e "$shot" ] || continue
        name=$(basename "$shot" .js)
        if [ "$name" = shot-languages ]; then
            # One picture a language, each in the folder it is given.
            mkdir -p docs/languages
            NODE_PATH=$PWD/web/node_modules node "$shot" "$out" docs/languages
            continue
        fi
        NODE_PATH=$PWD/web/node_modules node "$shot" "$out" "docs/web_${name#shot-}.png"
        echo "Rendered docs/web_${name#shot-}.png"
    done
fi
if [ "$serve" = 1 ]; then
    echo "Serving $out/ on http://localhost:$port/ (Ctrl+C stops)"
    exec node build/web-tests/tools/serve.js "$out" "$port"
fi
