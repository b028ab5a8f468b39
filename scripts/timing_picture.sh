#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders docs/timing.png, the README's timing diagram: the motor example (tests/sim/cases/
# example.PLC) run by docs/motor_timing.script, recorded and drawn by the timing window's painter;
# and docs/words_timing.png, the data words of docs/words_timing.PLC as buses.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/packages.sh
ensure_packages "${RUNGBOX_BUILD_PACKAGES[@]}"

if [ -n "${RUNGBOX_BUILD_DIR:-}" ]; then
    cmake --build "$RUNGBOX_BUILD_DIR" --target rungbox_timing_picture
    painter=$RUNGBOX_BUILD_DIR/tools/rungbox_timing_picture
else
    configure_and_build release rungbox_timing_picture
    painter=./build/release/tools/rungbox_timing_picture
fi

QT_QPA_PLATFORM=offscreen "$painter" tests/sim/cases/example.PLC docs/motor_timing.script \
    docs/timing.png in0 in1 out0 out1 tim0_done tim0
QT_QPA_PLATFORM=offscreen "$painter" docs/words_timing.PLC docs/words_timing.script \
    docs/words_timing.png in0 in1 out0 DM0100 HR2_word
echo "Wrote docs/timing.png and docs/words_timing.png"
