#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs whatever is missing, builds Rungbox and runs every test: the normal build, the web
# page in headless Chromium against the normal build's rungbox-sim, then the suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, all but the window (the sanitize-window preset
# adds it: it would double the pass's time).
#
#   ./test.sh            all three
#   ./test.sh --quick    the normal build and the web page only
set -euo pipefail
cd "$(dirname "$0")"

quick=0
for arg in "$@"; do
    case "$arg" in
    --quick) quick=1 ;;
    *)
        echo "usage: ./test.sh [--quick]" >&2
        exit 2
        ;;
    esac
done

source scripts/lib/packages.sh
# poppler-utils: the printing tests read their PDFs back with pdfinfo and pdftotext.
ensure_packages "${RUNGBOX_BUILD_PACKAGES[@]}" poppler-utils

# Window tests run without a display.
export QT_QPA_PLATFORM=offscreen

echo "== normal build"
configure_and_build release
ctest --preset release -j2

# Once, outside the sanitizer pass: the page's tests compare it with this build's rungbox-sim.
echo "== web page in headless Chromium"
RUNGBOX_SIM=$PWD/build/release/app/rungbox-sim scripts/web.sh --single-file --test

if [ "$quick" = 1 ]; then
    exit 0
fi

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
configure_and_build sanitize
ctest --preset sanitize -j2
