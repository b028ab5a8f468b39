#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders docs/screenshot.png, the README's picture: the main window on a virtual X display with
# a small program running, a few switches on and their lamps lit; docs/ladder.png, the
# Ladder Diagram window during such a run; docs/gate.png and docs/conveyor.png, each
# machine's window running its solution program from examples/; docs/debug.png and
# docs/debug_ladder.png, a paused run with its watch table and its diagram; docs/names.png and
# docs/names_ladder.png, the House Gate's program with its names, their editor and its diagram;
# docs/extended.png and docs/extended_ladder.png, the car park example (an extended program);
# docs/words_ladder.png, the diagram of the press counter example's word instructions;
# docs/pack-window.png and docs/print.png, the example pack in the window's panel and the first
# page of its exercise's printout; and the whole screen with the tool windows where they open: docs/desktop_dark.png (a dark
# palette), docs/desktop_1366.png (1366 x 768 with a machine) and docs/desktop_scale2.png (scale
# factor 2).
#
# scripts/screenshot.sh --languages renders only docs/languages/window_CODE.png: the README's
# main window scene in English and in each language of the catalogues.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/packages.sh
ensure_packages "${RUNGBOX_BUILD_PACKAGES[@]}" xvfb xauth imagemagick poppler-utils

# RUNGBOX_BUILD_DIR names an already configured build directory to use instead of the release
# preset's.
if [ -n "${RUNGBOX_BUILD_DIR:-}" ]; then
    cmake --build "$RUNGBOX_BUILD_DIR" --target rungbox_screenshot rungbox_module_screenshot rungbox_scene_screenshot \
        rungbox_debug_screenshot rungbox_names_screenshot rungbox_desktop_screenshot \
        rungbox_extended_screenshot rungbox_pack_screenshot
    shooter=$RUNGBOX_BUILD_DIR/tools/rungbox_screenshot
else
    configure_and_build release rungbox_screenshot rungbox_module_screenshot rungbox_scene_screenshot \
        rungbox_debug_screenshot rungbox_names_screenshot rungbox_desktop_screenshot \
        rungbox_extended_screenshot rungbox_pack_screenshot
    shooter=./build/release/tools/rungbox_screenshot
fi

raw=$(mktemp --suffix=.png)
trap 'rm -f "$raw"' EXIT
# A thin frame and a soft shadow, so that the window stands out on the README's page.
frame() {
    convert "$raw" -bordercolor '#6b6b6b' -border 1 \
        \( +clone -background black -shadow 40x5+0+4 \) +swap \
        -background white -layers merge +repage "$1"
    echo "Wrote $1"
}

if [ "${1:-}" = "--languages" ]; then
    mkdir -p docs/languages
    for code in en es pt_BR fr de it tr pl id vi zh_CN; do
        xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb \
            "$shooter" --language "$code" "$raw"
        frame "docs/languages/window_$code.png"
    done
    exit 0
fi

xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb \
    "$shooter" "$raw"
frame docs/screenshot.png

xvfb-run -a -s "-screen 0 1600x900x24" env QT_QPA_PLATFORM=xcb \
    "$shooter" --ladder "$raw"
frame docs/ladder.png

for module in gate conveyor; do
    xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
        "$(dirname "$shooter")/rungbox_module_screenshot" "$module" "examples/$module.PLC" "$raw"
    frame "docs/$module.png"
done

# The machines drawn from scenes, where docs/scenes/MODULE.script leaves their solutions.
for scene in motor:motor_reversing tank:pump_lead_lag traffic:intersection carpark:car_park_barriers; do
    "$(dirname "$shooter")/rungbox_scene_screenshot" "examples/${scene#*:}.PLC" \
        "docs/scenes/${scene%%:*}.script" "docs/${scene%%:*}.png"
    echo "Wrote docs/${scene%%:*}.png"
done

raw2=$(mktemp --suffix=.png)
trap 'rm -f "$raw" "$raw2"' EXIT
xvfb-run -a -s "-screen 0 1600x1000x24" env QT_QPA_PLATFORM=xcb \
    "$(dirname "$shooter")/rungbox_debug_screenshot" "$raw" "$raw2"
frame docs/debug.png
cp "$raw2" "$raw"
frame docs/debug_ladder.png

xvfb-run -a -s "-screen 0 1600x1000x24" env QT_QPA_PLATFORM=xcb \
    "$(dirname "$shooter")/rungbox_names_screenshot" "$PWD/examples/gate.PLC" "$raw" "$raw2"
frame docs/names.png
cp "$raw2" "$raw"
frame docs/names_ladder.png

xvfb-run -a -s "-screen 0 1600x1000x24" env QT_QPA_PLATFORM=xcb \
    "$(dirname "$shooter")/rungbox_extended_screenshot" "$PWD/examples/car_park.PLC" "$raw" "$raw2"
frame docs/extended.png
cp "$raw2" "$raw"
frame docs/extended_ladder.png

# The ladder diagram of word instructions: the press counter example after three presses, its
# MOV, @ADD (with its operand line) and CMP boxes showing their words' values, the lamp on P_EQ.
xvfb-run -a -s "-screen 0 1600x1000x24" env QT_QPA_PLATFORM=xcb \
    "$(dirname "$shooter")/rungbox_extended_screenshot" "$PWD/examples/press_count.PLC" "$raw" "$raw2"
cp "$raw2" "$raw"
frame docs/words_ladder.png

# The example pack in the window's panel, and its exercise's printout: the PDF's first page made
# a picture at the resolution of a screen.
pdf=$(mktemp --suffix=.pdf)
xvfb-run -a -s "-screen 0 1600x1000x24" env QT_QPA_PLATFORM=xcb \
    "$(dirname "$shooter")/rungbox_pack_screenshot" "$PWD/examples/pack" "$raw" "$pdf"
frame docs/pack-window.png
pdftoppm -png -r 90 -f 1 -l 1 -singlefile "$pdf" "${raw%.png}"
rm -f "$pdf"
frame docs/print.png

# The whole screen, as a user sees it: no frame is added.
desktop=$(dirname "$shooter")/rungbox_desktop_screenshot
xvfb-run -a -s "-screen 0 1600x1000x24" env QT_QPA_PLATFORM=xcb "$desktop" --dark docs/desktop_dark.png
xvfb-run -a -s "-screen 0 1366x768x24" env QT_QPA_PLATFORM=xcb "$desktop" --machine \
    docs/desktop_1366.png
xvfb-run -a -s "-screen 0 1600x1000x24" env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 "$desktop" \
    docs/desktop_scale2.png
echo "Wrote docs/desktop_dark.png docs/desktop_1366.png docs/desktop_scale2.png"
