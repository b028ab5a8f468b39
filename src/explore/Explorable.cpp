// SPDX-License-Identifier: GPL-3.0-or-later
#include "Explorable.h"

#include "engine/BitAddress.h"
#include "l10n/Mark.h"

#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

namespace rungbox::explore {

namespace {

// The name of the clock-pulse relay at workspace byte `byte`, if it is one.
std::optional<std::string_view> clockPulseAt(int byte) {
    for (const int flat : {engine::kClock20ms, engine::kClock100ms, engine::kClock200ms,
                           engine::kClock1s, engine::kClock1min}) {
        if (byte != engine::flatRelayByte(flat)) {
            continue;
        }
        for (const engine::SpecialRelay& relay : engine::specialRelays()) {
            if (relay.flat == flat) {
                return relay.name;
            }
        }
    }
    return std::nullopt;
}

bool isContact(engine::OpCode op) {
    return op == engine::OpCode::Ld || op == engine::OpCode::And || op == engine::OpCode::Or;
}

// A data word instruction (MOV to BCD, CLC and STC with them, as they work the carry flag), or a
// timer or counter whose set value a word holds: its state would include words.
bool usesWords(const engine::Step& step) {
    const engine::OpCode op = step.kind();
    if (op == engine::OpCode::Clc || op == engine::OpCode::Stc ||
        engine::wordOperandRule(op).count > 0) {
        return true;
    }
    const bool timerOrCounter = op == engine::OpCode::Tim || op == engine::OpCode::Cnt ||
                                op == engine::OpCode::Cntr || op == engine::OpCode::Timh;
    return timerOrCounter && step.setValue == engine::kWordSetValue;
}

} // namespace

l10n::Text explorationRefusal(const engine::Program& program) {
    static constexpr l10n::Message kFastTimer = QT_TRANSLATE_NOOP3(
        "Core",
        "Line %1 has a TIMH timer: compare and prove step timers in tenths of a second, not "
        "hundredths, so they cannot explore this program exactly.",
        "explore.refuse_timh");
    static constexpr l10n::Message kWords = QT_TRANSLATE_NOOP3(
        "Core",
        "Line %1 uses data words: compare and prove explore programs of bits only, so they cannot "
        "explore this program exactly.",
        "explore.refuse_words");
    static constexpr l10n::Message kClockPulse = QT_TRANSLATE_NOOP3(
        "Core",
        "Line %1 reads the clock pulse %2: compare and prove step scans and timer ticks, not the "
        "clock's milliseconds, so they cannot explore this program exactly.",
        "explore.refuse_clock");
    for (const engine::Step& step : program.steps()) {
        const std::string line = std::to_string(step.line);
        if (step.kind() == engine::OpCode::Timh) {
            return l10n::text(kFastTimer, line);
        }
        if (usesWords(step)) {
            return l10n::text(kWords, line);
        }
        if (!isContact(step.op)) {
            continue;
        }
        if (const auto name = clockPulseAt(step.operand)) {
            return l10n::text(kClockPulse, line, std::string(*name));
        }
    }
    return {};
}

l10n::Text explorationRefusal(const engine::Controller& started) {
    std::vector<engine::LadderLine> table(engine::kLadderTableSize);
    for (int r = 1; r < engine::kLadderTableSize; ++r) {
        table[static_cast<std::size_t>(r)] = started.ladderTable(r);
    }
    return explorationRefusal(engine::Program::decode(table, started.instructionSet()));
}

} // namespace rungbox::explore
