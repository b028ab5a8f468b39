#!/usr/bin/env bash
# Installs whatever is missing, builds Rungbox and runs every test: the normal build, then the
# whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/lib/packages.sh
ensure_packages "${RUNGBOX_BUILD_PACKAGES[@]}"

# Window tests run without a display.
export QT_QPA_PLATFORM=offscreen

configure_and_build release
ctest --preset release -j2
