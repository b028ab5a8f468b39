// SPDX-License-Identifier: GPL-3.0-or-later
// Any sequence of keys, selections and line operations on a grid. The headings and line numbers
// never change, the cursor stays on an editable cell, and nothing is written past line 299.

#include "FuzzSupport.h"

#include "editor/Editor.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace rungbox;

namespace {

// Any key: a named one, or a letter or digit made from any character (so also the ones that
// are no letter or digit and come out as Other).
editor::KeyPress fuzzKey(FuzzedDataProvider& in) {
    const auto name = static_cast<editor::Key>(
        in.ConsumeIntegralInRange<int>(0, static_cast<int>(editor::Key::Alt)));
    const char symbol = in.ConsumeIntegral<char>();
    switch (name) {
    case editor::Key::Letter:
        return editor::KeyPress::letter(symbol);
    case editor::Key::Digit:
        return editor::KeyPress::digit(symbol);
    case editor::Key::KeypadDigit:
        return editor::KeyPress::keypadDigit(symbol);
    default:
        return name;
    }
}

// Any set of Shift, Ctrl and Alt.
editor::KeyMods fuzzMods(FuzzedDataProvider& in) {
    editor::KeyMods mods;
    for (const editor::KeyMod mod :
         {editor::KeyMod::Shift, editor::KeyMod::Ctrl, editor::KeyMod::Alt}) {
        if (in.ConsumeBool()) {
            mods = mods | mod;
        }
    }
    return mods;
}

int cellsWithText(const editor::CodeGrid& grid) {
    int count = 0;
    for (int r = 1; r <= editor::kLastLine; ++r) {
        for (int c = editor::kCodeCol; c <= editor::kSetValueCol; ++c) {
            count += grid.text(r, c).empty() ? 0 : 1;
        }
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    editor::CodeGrid grid;
    editor::setUpGrid(grid);
    editor::Editor editor(grid);

    // Start from a program somewhere in the grid, sometimes reaching line 299.
    const int first = in.ConsumeIntegralInRange(1, editor::kLastLine);
    const int last = in.ConsumeIntegralInRange(first, editor::kLastLine);
    for (int r = first; r <= last; r += in.ConsumeIntegralInRange(1, 3)) {
        grid.setText(r, editor::kCodeCol, "LD");
        grid.setText(r, editor::kLocationCol, std::to_string(r));
    }

    while (in.remaining_bytes() > 0) {
        switch (in.ConsumeIntegralInRange(0, 6)) {
        case 0:
        case 1: {
            const editor::KeyPress key = fuzzKey(in);
            const editor::KeyMods mods = fuzzMods(in);
            const bool ctrl = mods.has(editor::KeyMod::Ctrl);
            const editor::Key name = key.key();
            const bool selecting = !ctrl && mods.has(editor::KeyMod::Shift) &&
                                   (name == editor::Key::Up || name == editor::Key::Down ||
                                    name == editor::Key::Space);
            const bool wasChanged = editor.codeChanged();
            editor.pressKey(key, mods);
            if (!ctrl && !selecting) {
                fuzz::require(editor.codeChanged() || !grid.enabled(),
                              "every key without Ctrl marks a change");
            }
            if (ctrl && key != editor::KeyPress::letter('Z') &&
                key != editor::KeyPress::letter('Y')) {
                fuzz::require(editor.codeChanged() == wasChanged,
                              "a Ctrl key other than undo and redo marks nothing");
            }
            break;
        }
        case 2:
            grid.select(in.ConsumeIntegralInRange(-5, 305), in.ConsumeIntegralInRange(-2, 6),
                        in.ConsumeIntegralInRange(-5, 305), in.ConsumeIntegralInRange(-2, 6));
            fuzz::require(grid.selectionLine() >= 1 && grid.selectionLine() <= editor::kLastLine,
                          "the selection stays on code lines");
            break;
        case 3: {
            // Whole lines, in either drag direction, then Insert or Delete.
            const int a = in.ConsumeIntegralInRange(1, editor::kLastLine);
            const int b = in.ConsumeIntegralInRange(1, editor::kLastLine);
            grid.select(a, 1, b, 3);
            editor.pressKey(in.ConsumeBool() ? editor::Key::Insert : editor::Key::Delete);
            break;
        }
        case 4: {
            const int usedBefore = editor.lastUsedLine();
            const std::string line299 = grid.text(editor::kLastLine, editor::kCodeCol);
            const int textsBefore = cellsWithText(grid);
            editor.insertLine();
            if (usedBefore == editor::kLastLine) {
                fuzz::require(grid.text(editor::kLastLine, editor::kCodeCol) == line299,
                              "an insert with line 299 used changes nothing");
            }
            fuzz::require(cellsWithText(grid) == textsBefore, "an insert overwrites no text");
            break;
        }
        case 5:
            editor.deleteLine();
            break;
        default:
            grid.setEnabled(in.ConsumeBool());
            break;
        }
        fuzz::requireGridShape(grid);
        fuzz::require(editor.lastUsedLine() <= editor::kLastLine, "no line past 299");
    }
    return 0;
}
