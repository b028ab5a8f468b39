// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExtendedPreparation.h"

#include "Preparation.h"
#include "engine/AddressMap.h"
#include "engine/Bcd.h"
#include "engine/BitAddress.h"
#include "engine/ExtendedLine.h"
#include "engine/LineSyntax.h"
#include "l10n/Mark.h"

#include <map>
#include <string>
#include <string_view>

namespace rungbox::editor {

namespace {

using engine::Fault;
using engine::OpCode;
using engine::Operand;

// A warning: its text (two lines, the line number as %1) and its title.
struct Warning {
    l10n::Message text;
    l10n::Message title;
};

const Warning kAddress{
    QT_TRANSLATE_NOOP3(
        "Core",
        "Address out of range at line %1.\r\nValid: 0.00 to 255.15, W0.00 to W99.15, HR0.00 to "
        "HR19.15, AR0.00 to AR15.15, TR0 to TR7, TIM 0 to TIM 127, CNT 0 to CNT 127",
        "prepare.extended.address"),
    QT_TRANSLATE_NOOP3("Core", "ADDRESS Range", "prepare.address.title")};
const Warning kReadOnly{
    QT_TRANSLATE_NOOP3("Core",
                       "Address cannot be written at line %1.\r\nSpecial relays (253.00 to "
                       "255.15), timers and counters are only read",
                       "prepare.extended.read_only"),
    QT_TRANSLATE_NOOP3("Core", "ADDRESS Read-only", "prepare.read_only.title")};
const Warning kTimerNumber{
    QT_TRANSLATE_NOOP3("Core", "Timer out of range at line %1.\r\nValid Range: 0 to 127",
                       "prepare.extended.timer_number"),
    QT_TRANSLATE_NOOP3("Core", "TIMER Range", "prepare.timer_number.title")};
const Warning kCounterNumber{
    QT_TRANSLATE_NOOP3("Core", "Counter out of range at line %1.\r\nValid Range: 0 to 127",
                       "prepare.extended.counter_number"),
    QT_TRANSLATE_NOOP3("Core", "COUNTER Range", "prepare.counter_number.title")};
const Warning kSetValue{
    QT_TRANSLATE_NOOP3("Core", "Set-value out of range at line %1.\r\nValid Range: #0000 to #9999",
                       "prepare.extended.set_value"),
    QT_TRANSLATE_NOOP3("Core", "SET-VALUE Range", "prepare.set_value.title")};
const Warning kJumpNumber{
    QT_TRANSLATE_NOOP3("Core", "Jump number out of range at line %1.\r\nValid Range: 0 to 49",
                       "prepare.extended.jump_number"),
    QT_TRANSLATE_NOOP3("Core", "JUMP Range", "prepare.jump_number.title")};
const Warning kJumpOpen{
    QT_TRANSLATE_NOOP3(
        "Core",
        "JMP without a JME after it at line %1.\r\nClose every JMP N with JME N, inner jumps first",
        "prepare.extended.jump_open"),
    QT_TRANSLATE_NOOP3("Core", "JUMP Pairs", "prepare.jump_open.title")};
const Warning kJumpClose{
    QT_TRANSLATE_NOOP3(
        "Core",
        "JME without its JMP at line %1.\r\nClose every JMP N with JME N, inner jumps first",
        "prepare.extended.jump_close"),
    QT_TRANSLATE_NOOP3("Core", "JUMP Pairs", "prepare.jump_close.title")};
const Warning kShared{QT_TRANSLATE_NOOP3("Core",
                                         "Timer and counter share a number at line %1.\r\nA number "
                                         "is a timer or a counter, not both",
                                         "prepare.extended.shared"),
                      QT_TRANSLATE_NOOP3("Core", "TIMER/COUNTER Number", "prepare.shared.title")};
const Warning kWordOperand{
    QT_TRANSLATE_NOOP3("Core",
                       "Operand out of range at line %1.\r\nValid: channels 0 to 255, W0 to W99, "
                       "HR0 to HR19, AR0 to AR15, DM0000 to DM1023, DM6144 to DM6599, TIM 0 to TIM "
                       "127, CNT 0 to CNT 127, #0000 to #FFFF, &0 to &65535",
                       "prepare.extended.word_operand"),
    QT_TRANSLATE_NOOP3("Core", "OPERAND Range", "prepare.word_operand.title")};
const Warning kWordReadOnly{
    QT_TRANSLATE_NOOP3("Core",
                       "Operand cannot be written at line %1.\r\nConstants, channels 253 to 255, "
                       "DM6144 to DM6599 and present values are only read",
                       "prepare.extended.word_read_only"),
    QT_TRANSLATE_NOOP3("Core", "OPERAND Read-only", "prepare.word_read_only.title")};
const Warning kOperandLine{
    QT_TRANSLATE_NOOP3("Core",
                       "Third operand missing below line %1.\r\nADD and SUB take their result word "
                       "on the next line, its code cell empty",
                       "prepare.extended.operand_line"),
    QT_TRANSLATE_NOOP3("Core", "OPERAND Line", "prepare.operand_line.title")};
const Warning kShiftArea{
    QT_TRANSLATE_NOOP3(
        "Core",
        "Shift register out of range at line %1.\r\nLOCATION and ### must name bits of one area",
        "prepare.extended.shift_area"),
    QT_TRANSLATE_NOOP3("Core", "SHIFT Range", "prepare.shift_area.title")};

void warn(platform::MessageBoxes& boxes, const Warning& warning, CodeGrid& grid, int line) {
    warnAtLine(boxes, grid, line, warning.text, warning.title);
}

engine::LadderLine lineOf(const CodeGrid& grid, int r) {
    engine::LadderLine line;
    if (r > kLastLine) {
        return line;
    }
    line.code = grid.text(r, kCodeCol);
    line.locationText = grid.text(r, kLocationCol);
    line.setValueText = grid.text(r, kSetValueCol);
    return line;
}

// The warning for a word operand the decoder refused: which cell, and why.
const Warning* wordWarning(const engine::LadderLine& line, const engine::LadderLine& below,
                           const engine::Form& form) {
    const engine::WordOperandRule rule = engine::wordOperandRule(form.op);
    if (engine::takesOperandLine(form.op) &&
        (!engine::emptyCode(below.code) || engine::trimmed(below.locationText).empty())) {
        return &kOperandLine;
    }
    const std::array<const std::string*, 3> cells{&line.locationText, &line.setValueText,
                                                  &below.locationText};
    for (int i = 0; i < rule.count; ++i) {
        if (!engine::parseWordOperand(*cells[static_cast<std::size_t>(i)])) {
            return &kWordOperand;
        }
    }
    return &kWordReadOnly;
}

// The warning for a line the extended decoder refused before its run.
const Warning* warningFor(const engine::LadderLine& line, const engine::LadderLine& below,
                          Fault fault) {
    const engine::Form form = engine::decodeForm(line.code, engine::InstructionSet::Extended);
    switch (fault) {
    case Fault::Operand:
        return wordWarning(line, below, form);
    case Fault::Address:
        if (form.operand == Operand::Timer) {
            return &kTimerNumber;
        }
        if (form.operand == Operand::Counter) {
            return &kCounterNumber;
        }
        if (form.operand == Operand::Jump) {
            return &kJumpNumber;
        }
        if (form.op == OpCode::Sft && engine::parseBitAddress(line.locationText) &&
            engine::parseBitAddress(line.setValueText)) {
            return &kShiftArea;
        }
        return engine::parseBitAddress(line.locationText) ? &kReadOnly : &kAddress;
    case Fault::SetValue:
        return &kSetValue;
    case Fault::Jump:
        return form.op == OpCode::Jmp ? &kJumpOpen : &kJumpClose;
    default:
        return nullptr; // the run stops at it, as at a classic line it cannot execute
    }
}

// Loads a timer's or counter's present value as a run starts: TIM, TIMH and CNT at their set
// value (a set value in a word: the word's BCD value now, 0 when it holds none), CNTR at 0 with
// its done flag off.
void load(engine::Controller& controller, const engine::Step& step,
          const engine::WordOperands& words) {
    const int n = step.operand;
    std::int16_t setValue = step.setValue;
    if (setValue == engine::kWordSetValue) {
        const engine::WordOperand& operand = words.operand[0];
        const std::uint16_t word =
            operand.constant ? operand.value : controller.word(operand.address);
        setValue = static_cast<std::int16_t>(engine::fromBcd(word).value_or(0));
    }
    switch (step.kind()) {
    case OpCode::Tim:
    case OpCode::Timh:
        // A TIMH counts (and its display shows) hundredths from the start.
        controller.setTimHundredths(n, step.kind() == OpCode::Timh);
        controller.setTimValue(n, setValue);
        controller.showTimer(n, setValue);
        break;
    case OpCode::Cnt:
        controller.setCntValue(n, setValue);
        controller.showCounter(n, setValue);
        break;
    case OpCode::Cntr:
        controller.setCntValue(n, 0);
        controller.setCounterDone(n, false);
        controller.showCounter(n, 0);
        break;
    default:
        break;
    }
}

bool isTimer(OpCode kind) {
    return kind == OpCode::Tim || kind == OpCode::Timh;
}
bool isCounter(OpCode kind) {
    return kind == OpCode::Cnt || kind == OpCode::Cntr;
}

} // namespace

bool prepareExtendedProgram(CodeGrid& grid, engine::Controller& controller,
                            platform::MessageBoxes& boxes) {
    grid.setLine(1);
    if (grid.text(1, kCodeCol).empty()) {
        return true;
    }
    int depth = 0;
    engine::OpenRegions regions;
    std::map<int, int> jumpLines;   // open JMP number -> its line
    std::map<int, bool> numberUses; // timer or counter number -> used by a timer
    for (int r = 1;; ++r) {
        const engine::LadderLine line = lineOf(grid, r);
        const engine::LadderLine below = lineOf(grid, r + 1);
        const engine::Words words = engine::splitWords(line.code);
        engine::WordOperands operands;
        const engine::Step step = engine::decodeExtendedLine(line, r < kLastLine ? &below : nullptr,
                                                             r, depth, regions, operands);
        if (const Warning* warning = warningFor(line, below, step.fault)) {
            warn(boxes, *warning, grid, r);
            return false;
        }
        const OpCode kind = step.kind();
        if (isTimer(kind) || isCounter(kind)) {
            const auto [it, added] = numberUses.emplace(step.operand, isTimer(kind));
            if (!added && it->second != isTimer(kind)) {
                warn(boxes, kShared, grid, r);
                return false;
            }
            load(controller, step, operands);
        }
        if (kind == OpCode::Jmp) {
            jumpLines[step.operand - engine::kJumpByte] = r;
        } else if (kind == OpCode::Jme) {
            jumpLines.erase(step.operand - engine::kJumpByte);
        }
        if (engine::takesOperandLine(kind)) {
            ++r; // its operand line
        }
        const bool last = r >= kLastLine || words.count == 0 || kind == OpCode::End;
        if (last) {
            if (!jumpLines.empty()) {
                warn(boxes, kJumpOpen, grid, jumpLines.begin()->second);
                return false;
            }
            return true;
        }
        grid.setLine(r + 1);
    }
}

int firstExtendedLine(const CodeGrid& grid) {
    for (int r = 1; r <= kLastLine; ++r) {
        const std::string& code = grid.text(r, kCodeCol);
        if (engine::usesExtended(code, grid.text(r, kLocationCol), grid.text(r, kSetValueCol))) {
            return r;
        }
        if (engine::decodeForm(code, engine::InstructionSet::Extended).op == OpCode::End) {
            return 0;
        }
    }
    return 0;
}

} // namespace rungbox::editor
