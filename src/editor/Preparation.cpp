// SPDX-License-Identifier: GPL-3.0-or-later
#include "Preparation.h"

#include "ExtendedPreparation.h"
#include "engine/AddressMap.h"
#include "engine/LineSyntax.h"
#include "l10n/Mark.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace rungbox::editor {

namespace {

// One range warning: its text (the line number is %1, the upper limit %2), whether that limit
// is written with the sign blank, the limit and the title.
struct RangeWarning {
    l10n::Message text;
    bool limitSigned;
    int limit;
    l10n::Message title;
};

const RangeWarning kCounterNumber{
    QT_TRANSLATE_NOOP3("Core", "Counter out of range at line %1.\r\nValid Range: 0 to %2",
                       "prepare.counter_number"),
    true, engine::kCounterCount - 1,
    QT_TRANSLATE_NOOP3("Core", "COUNTER Range", "prepare.counter_number.title")};
const RangeWarning kTimerNumber{
    QT_TRANSLATE_NOOP3("Core", "Timer out of range at line %1.\r\nValid Range: 0 to %2",
                       "prepare.timer_number"),
    true, engine::kTimerCount - 1,
    QT_TRANSLATE_NOOP3("Core", "TIMER Range", "prepare.timer_number.title")};
const RangeWarning kCounterSetValue{
    QT_TRANSLATE_NOOP3("Core",
                       "Counter set-value is too high at line %1.\r\nValid Range: #0 to #%2",
                       "prepare.counter_set_value"),
    false, engine::kMaxCounterSetValue,
    QT_TRANSLATE_NOOP3("Core", "COUNTER Set-value", "prepare.counter_set_value.title")};
const RangeWarning kTimerSetValue{
    QT_TRANSLATE_NOOP3("Core", "Timer set-value is too high at line %1.\r\nValid Range: #0 to #%2",
                       "prepare.timer_set_value"),
    false, engine::kMaxTimerSetValue,
    QT_TRANSLATE_NOOP3("Core", "TIMER Set-value", "prepare.timer_set_value.title")};
const RangeWarning kRelayAddress{
    QT_TRANSLATE_NOOP3("Core", "Relay out of range at line %1.\r\nValid Range: 0 to %2",
                       "prepare.relay_address"),
    true, engine::kLastRelay,
    QT_TRANSLATE_NOOP3("Core", "RELAY Range", "prepare.relay_address.title")};

void warn(platform::MessageBoxes& boxes, const RangeWarning& warning, CodeGrid& grid, int line) {
    const std::string limit =
        warning.limitSigned ? engine::numberText(warning.limit) : std::to_string(warning.limit);
    warnAtLine(boxes, grid, line, warning.text, warning.title, limit);
}

bool inRange(int value, int last) {
    return value >= 0 && value <= last;
}

} // namespace

void warnAtLine(platform::MessageBoxes& boxes, CodeGrid& grid, int line, const l10n::Message& text,
                const l10n::Message& title, std::string detail) {
    // The line the warning names is selected and marked first, so that the grid shows it behind
    // the box and after it.
    grid.select(line, kCodeCol, line, kSetValueCol);
    grid.markLine(line);
    boxes.show(l10n::text(text, engine::numberText(line), std::move(detail)),
               platform::BoxStyle::Exclamation, l10n::text(title));
}

bool prepareProgram(CodeGrid& grid, engine::Controller& controller, platform::MessageBoxes& boxes) {
    if (grid.extended()) {
        return prepareExtendedProgram(grid, controller, boxes);
    }
    grid.setLine(1);
    // Row 1 is tested untrimmed: a row 1 of blanks only is walked (as a line without words),
    // an empty one ends the walk before anything is tested.
    if (grid.text(1, kCodeCol).empty()) {
        return true;
    }

    for (int r = 1;; ++r) {
        // The words are views into `code`, which lives until the end of this pass.
        const std::string code = grid.text(r, kCodeCol);
        const engine::Words words = engine::splitWords(code);
        const int location = engine::readNumber(grid.text(r, kLocationCol));
        const int setValue = engine::readNumber(grid.text(r, kSetValueCol));

        auto anyOfFirstThree = [&](std::string_view word) {
            return words[0] == word || words[1] == word || words[2] == word;
        };

        // Within a line: counter number, timer number, then what word 0 asks for. A number too
        // large for 16 bits has saturated at 32767, so it fails whichever check applies.
        if (anyOfFirstThree("CNT") && !inRange(location, engine::kCounterCount - 1)) {
            warn(boxes, kCounterNumber, grid, r);
            return false;
        }
        if (anyOfFirstThree("TIM") && !inRange(location, engine::kTimerCount - 1)) {
            warn(boxes, kTimerNumber, grid, r);
            return false;
        }
        if (words[0] == "CNT") {
            // Only the upper limit is checked: a negative set value is loaded as it is, and such
            // a counter never counts down to done.
            if (setValue > engine::kMaxCounterSetValue) {
                warn(boxes, kCounterSetValue, grid, r);
                return false;
            }
            controller.setCntValue(location, static_cast<std::int16_t>(setValue));
            controller.showCounter(location, setValue);
        } else if (words[0] == "TIM") {
            if (setValue > engine::kMaxTimerSetValue) {
                warn(boxes, kTimerSetValue, grid, r);
                return false;
            }
            controller.setTimValue(location, static_cast<std::int16_t>(setValue));
            controller.showTimer(location, setValue);
        } else if (!inRange(location, engine::kLastRelay)) {
            // Every other line, the empty one and unknown words included, names a relay.
            warn(boxes, kRelayAddress, grid, r);
            return false;
        }

        if (r >= kLastLine) {
            return true;
        }
        grid.setLine(r + 1);
        if (words.count == 0) {
            // The first row without words ends the walk; it has been tested above.
            return true;
        }
    }
}

} // namespace rungbox::editor
