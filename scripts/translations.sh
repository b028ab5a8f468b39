#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings the catalogues translations/rungbox_CODE.ts up to date with the texts in the sources:
# the window's and the core's (tr(), QCoreApplication::translate(), QT_TRANSLATE_NOOP marks
# under src/ and app/) and the page's (tr/trf/trc calls in web/src/*.ts, collected by
# web/tools/extract-strings.ts into build/l10n/web_strings.cpp). Texts that left the sources
# leave the catalogues; translations of the others are kept. The files carry no source
# locations and keep their messages sorted, so they change only where the texts do.
#
#   scripts/translations.sh           update translations/*.ts (and create missing ones)
#   scripts/translations.sh --check   change nothing; fail when translations/*.ts are not up to
#                                     date with the sources
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/packages.sh

check=0
case "${1:-}" in
"") ;;
--check) check=1 ;;
*)
    echo "usage: scripts/translations.sh [--check]" >&2
    exit 2
    ;;
esac

# The languages of the catalogues, as the file names and their language attributes spell them.
languages=(es pt_BR fr de it tr pl id vi zh_CN)

packages=(qt6-l10n-tools)
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)
ensure_packages "${packages[@]}"
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate6 || command -v lupdate)

# The page's npm packages (TypeScript) as the lock file pins them, as scripts/web.sh installs them.
if ! cmp -s web/package-lock.json web/node_modules/.rungbox-installed-lock 2>/dev/null; then
    (cd web && npm ci --no-audit --no-fund && cp package-lock.json node_modules/.rungbox-installed-lock)
fi

work=build/l10n
mkdir -p "$work"
web/node_modules/.bin/tsc --outDir "$work/tools" --module commonjs --target ES2022 --strict \
    --noUnusedLocals --skipLibCheck --typeRoots web/node_modules/@types --types node web/tools/extract-strings.ts web/tools/tsfile.ts
node "$work/tools/extract-strings.js" web/src "$work/web_strings.cpp"

# Every source lupdate reads, in one order (byte order of the paths).
{
    find src app -type f \( -name '*.cpp' -o -name '*.h' \) | LC_ALL=C sort
    echo "$work/web_strings.cpp"
} >"$work/sources.lst"

# In --check mode the catalogues are updated as copies, then compared with the real ones.
target=translations
if [ "$check" = 1 ]; then
    target=$work/check
    rm -rf "$target"
    mkdir -p "$target"
    cp translations/rungbox_*.ts "$target/" 2>/dev/null || true
fi
mkdir -p "$target"
files=()
for code in "${languages[@]}"; do
    file=$target/rungbox_$code.ts
    if [ ! -f "$file" ]; then
        printf '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n<TS version="2.1" language="%s" sourcelanguage="en">\n</TS>\n' \
            "$code" >"$file"
    fi
    files+=("$file")
done

"$lupdate" -silent -no-obsolete -locations none -source-language en -I src \
    "@$work/sources.lst" -ts "${files[@]}"
node "$work/tools/tsfile.js" sort "${files[@]}"

if [ "$check" = 1 ]; then
    stale=0
    for code in "${languages[@]}"; do
        if ! cmp -s "$target/rungbox_$code.ts" "translations/rungbox_$code.ts"; then
            echo "translations/rungbox_$code.ts is not up to date with the sources" >&2
            diff -u "translations/rungbox_$code.ts" "$target/rungbox_$code.ts" 2>/dev/null | head -40 >&2 || true
            stale=1
        fi
    done
    if [ "$stale" = 1 ]; then
        echo "Run scripts/translations.sh and commit translations/." >&2
        exit 1
    fi
    echo "translations/*.ts are up to date"
fi
