// SPDX-License-Identifier: GPL-3.0-or-later
#include "NameRules.h"

#include "engine/BitAddress.h"
#include "l10n/Mark.h"
#include "text/Utf8.h"

#include <algorithm>
#include <array>

namespace rungbox::names {

namespace {

// Upper case, as upperCase() makes them, with what each means: the instruction words of the code
// cells; the first words of every rungbox-sim command and the words `expect` takes next; the
// module names; the keywords of properties.
struct Reserved {
    std::string_view word;
    std::string_view meaning;
};
constexpr std::string_view kInstruction = "an instruction word";
constexpr std::string_view kCommand = "a script command";
constexpr std::string_view kModule = "a module's name in a script";
constexpr std::string_view kProperty = "a word of the properties to prove";
constexpr std::array<Reserved, 35> kReserved{{
    {"LD", kInstruction},   {"AND", kInstruction}, {"OR", kInstruction},  {"NOT", kInstruction},
    {"OUT", kInstruction},  {"TIM", kInstruction}, {"CNT", kInstruction}, {"BLK", kInstruction},
    {"DIFU", kInstruction}, {"SFT", kInstruction}, {"END", kInstruction}, {"IN", kCommand},
    {"SCAN", kCommand},     {"TICK", kCommand},    {"WAIT", kCommand},    {"PRESS", kCommand},
    {"SHOW", kCommand},     {"RELAY", kCommand},   {"LIST", kCommand},    {"LADDER", kCommand},
    {"TRACE", kCommand},    {"SAVE", kCommand},    {"MODULE", kCommand},  {"PLANT", kCommand},
    {"GATE", kModule},      {"CONVEYOR", kModule}, {"FORCE", kCommand},   {"UNFORCE", kCommand},
    {"STEP", kCommand},     {"BREAK", kCommand},   {"UNBREAK", kCommand}, {"EXPECT", kCommand},
    {"NONE", kModule},      {"ALWAYS", kProperty}, {"NEVER", kProperty},
}};

// The timing window's signal names: a prefix and a number, for timers and counters also with
// "_done" after it. Any number counts, in range or not, so that "in99" never reads as a name.
bool isSignalName(std::string_view upper) {
    constexpr std::string_view kDone = "_DONE";
    for (const std::string_view prefix : {"IN", "OUT", "RELAY", "TIM", "CNT"}) {
        if (!upper.starts_with(prefix)) {
            continue;
        }
        std::string_view digits = upper.substr(prefix.size());
        if ((prefix == "TIM" || prefix == "CNT") && digits.ends_with(kDone)) {
            digits.remove_suffix(kDone.size());
        }
        if (!digits.empty() && std::all_of(digits.begin(), digits.end(),
                                           [](char c) { return c >= '0' && c <= '9'; })) {
            return true;
        }
    }
    return false;
}

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isNameChar(char c) {
    return isLetter(c) || (c >= '0' && c <= '9') || c == '_';
}

} // namespace

std::string upperCase(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return upper;
}

namespace {
// What the reserved `word` means; empty for a word free to be a name.
std::string_view reservedMeaning(std::string_view word) {
    const std::string upper = upperCase(word);
    const auto it = std::find_if(kReserved.begin(), kReserved.end(),
                                 [&upper](const Reserved& r) { return r.word == upper; });
    if (it != kReserved.end()) {
        return it->meaning;
    }
    for (const engine::SpecialRelay& relay : engine::specialRelays()) {
        if (upperCase(relay.name) == upper) {
            return "a special relay's name";
        }
    }
    return isSignalName(upper) ? "a signal's name in the timing diagram" : std::string_view();
}
} // namespace

bool isReservedWord(std::string_view word) {
    return !reservedMeaning(word).empty();
}

std::optional<std::string> nameProblem(std::string_view name) {
    if (name.empty()) {
        return QT_TRANSLATE_NOOP("Names", "A name cannot be empty.");
    }
    if (name.size() > kMaxNameLength) {
        return "A name has at most " + std::to_string(kMaxNameLength) + " characters.";
    }
    if (!isLetter(name.front()) || !std::all_of(name.begin(), name.end(), isNameChar)) {
        return QT_TRANSLATE_NOOP(
            "Names", "A name holds letters, digits and _ only, and starts with a letter.");
    }
    if (const std::string_view meaning = reservedMeaning(name); !meaning.empty()) {
        return "\"" + std::string(name) + "\" already means something: " + std::string(meaning) +
               ".";
    }
    return std::nullopt;
}

std::optional<std::string> commentProblem(std::string_view comment) {
    if (comment.size() > kMaxCommentBytes) {
        return "A comment has at most " + std::to_string(kMaxCommentBytes) + " bytes.";
    }
    if (comment.find_first_of("\t\r\n") != std::string_view::npos) {
        return QT_TRANSLATE_NOOP("Names", "A comment holds no tab and no line break.");
    }
    if (!text::isUtf8(comment)) {
        return QT_TRANSLATE_NOOP("Names", "A comment must be UTF-8 text.");
    }
    return std::nullopt;
}

} // namespace rungbox::names
