#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs whatever is missing, builds Rungbox and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/lib/packages.sh
ensure_packages "${RUNGBOX_BUILD_PACKAGES[@]}"
configure_and_build release
exec ./build/release/app/rungbox "$@"
