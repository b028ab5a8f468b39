// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptLine.h"

#include "engine/Bcd.h"
#include "engine/BitAddress.h"

#include "engine/AddressMap.h"
#include "machines/ModuleHost.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace rungbox::sim {

namespace {

bool isSeparator(char c) {
    return c == ' ' || c == '\t';
}

std::vector<std::string_view> splitScriptWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isSeparator(text[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < text.size() && !isSeparator(text[i])) {
            ++i;
        }
        if (i > start) {
            words.push_back(text.substr(start, i - start));
        }
    }
    return words;
}

// A plain decimal from `low` to `high`: digits only, no sign, no leading zero. Nothing for any
// other text. Ten digits already exceed every bound used, so longer texts are refused before
// they could overflow.
std::optional<std::int64_t> plainNumber(std::string_view word, std::int64_t low,
                                        std::int64_t high) {
    constexpr std::size_t kMaxDigits = 10;
    if (word.empty() || word.size() > kMaxDigits || (word.size() > 1 && word[0] == '0')) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

ScriptLine error(std::string why) {
    ScriptLine line;
    line.kind = ScriptLine::Kind::Error;
    line.error = std::move(why);
    return line;
}

ScriptLine command(Command c) {
    ScriptLine line;
    line.kind = ScriptLine::Kind::Command;
    line.command = std::move(c);
    return line;
}

constexpr std::string_view kCut = "...";

// Printable ASCII except the backslash, which starts an escape.
std::string escapedBytes(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            text += "\\\\";
        } else if (byte >= 0x20 && byte < 0x7f) {
            text += c;
        } else {
            text += "\\x";
            text += kHex[byte >> 4];
            text += kHex[byte & 0xf];
        }
    }
    return text;
}

// scan [K], tick [K], wait MS: one optional (or, for wait, required) count.
ScriptLine countCommand(CommandKind kind, const std::vector<std::string_view>& words,
                        bool countRequired, std::string_view what) {
    const std::string usage = std::string(words[0]) + " takes " +
                              (countRequired ? "" : "an optional ") + std::string(what) +
                              ", a whole number from 1 to " + std::to_string(kMaxCount);
    if (words.size() > 2 || (countRequired && words.size() < 2)) {
        return error(usage);
    }
    Command c;
    c.kind = kind;
    if (words.size() == 2) {
        const auto count = plainNumber(words[1], 1, kMaxCount);
        if (!count) {
            return error(usage + ", not " + quotedWord(words[1]));
        }
        c.count = *count;
    }
    return command(c);
}

ScriptLine bareCommand(CommandKind kind, const std::vector<std::string_view>& words) {
    if (words.size() != 1) {
        return error(std::string(words[0]) + " takes no further words");
    }
    Command c;
    c.kind = kind;
    return command(c);
}

// The hand command `c` with its state: without a third word a short press (refused for what
// must be set, `needsState`), else 1 (hold, on) or 0 (release, off).
ScriptLine handState(Command c, const std::vector<std::string_view>& words, bool needsState,
                     const std::string& usage) {
    if (words.size() == 2) {
        if (needsState) {
            return error(usage);
        }
        c.momentary = true;
        return command(c);
    }
    const auto state = plainNumber(words[2], 0, 1);
    if (!state) {
        return error(usage + ", not " + quotedWord(words[2]));
    }
    c.on = *state == 1;
    return command(c);
}

// What `name`'s controls take: "motor takes forward or stop, each with an optional 1 (hold) or
// 0 (release), or stall 1 or 0 (on or off)".
std::string controlUsage(std::string_view name, std::span<const machines::Control> controls) {
    std::vector<std::string_view> buttons;
    std::vector<std::string_view> switches;
    for (const machines::Control& control : controls) {
        (control.kind == machines::ControlKind::Button ? buttons : switches)
            .push_back(control.word);
    }
    const auto list = [](const std::vector<std::string_view>& words) {
        std::string out;
        for (std::size_t k = 0; k < words.size(); ++k) {
            out += k == 0 ? "" : k + 1 == words.size() ? " or " : ", ";
            out += words[k];
        }
        return out;
    };
    std::string usage = std::string(name) + " takes ";
    if (!buttons.empty()) {
        usage += list(buttons) + (buttons.size() == 1 ? ", with" : ", each with") +
                 " an optional 1 (hold) or 0 (release)";
    }
    if (!switches.empty()) {
        usage += std::string(buttons.empty() ? "" : ", or ") + list(switches) +
                 " 1 or 0 (on or off)";
    }
    return usage;
}

// `MODULE CONTROL [1|0]` for a machine drawn from a scene: a button pressed, held (1) or
// released (0); a switch turned on (1) or off (0).
ScriptLine controlCommand(machines::ModuleKind kind, const std::vector<std::string_view>& words) {
    const auto controls = machines::moduleControls(kind);
    const std::string usage = controlUsage(words[0], controls);
    if (words.size() < 2 || words.size() > 3) {
        return error(usage);
    }
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [&](const machines::Control& c) { return c.word == words[1]; });
    if (found == controls.end()) {
        return error(usage + ", not " + quotedWord(words[1]));
    }
    Command c;
    c.kind = CommandKind::Hand;
    c.hand = Hand::Control;
    c.number = static_cast<int>(kind);
    c.control = static_cast<std::size_t>(found - controls.begin());
    return handState(c, words, found->kind == machines::ControlKind::Switch, usage);
}

// module none|gate|conveyor|...; plant; gate button|stop [0|1]; gate car 0|1;
// conveyor start|stop [0|1]; and the controls of the machines drawn from scenes.
std::optional<ScriptLine> machineCommand(const std::vector<std::string_view>& words) {
    const std::string_view name = words[0];
    if (name == "module") {
        const std::string usage =
            "module takes none, gate, conveyor, motor, tank, traffic or carpark";
        if (words.size() != 2) {
            return error(usage);
        }
        const auto kind = machines::moduleKindNamed(words[1]);
        if (!kind) {
            return error(usage + ", not " + quotedWord(words[1]));
        }
        Command c;
        c.kind = CommandKind::Module;
        c.number = static_cast<int>(*kind);
        return command(c);
    }
    if (name == "plant") {
        return bareCommand(CommandKind::Plant, words);
    }
    const auto kind = machines::moduleKindNamed(name);
    if (kind && !machines::moduleControls(*kind).empty()) {
        return controlCommand(*kind, words);
    }
    if (name != "gate" && name != "conveyor") {
        return std::nullopt;
    }
    const bool gate = name == "gate";
    const std::string usage =
        gate ? "gate takes button or stop, each with an optional 1 (hold) or 0 (release), or "
               "car 1 (a car arrives) or car 0 (it drives away)"
             : "conveyor takes start or stop, each with an optional 1 (hold) or 0 (release)";
    if (words.size() < 2 || words.size() > 3) {
        return error(usage);
    }
    Command c;
    c.kind = CommandKind::Hand;
    const std::string_view part = words[1];
    if (gate && part == "button") {
        c.hand = Hand::GateButton;
    } else if (gate && part == "stop") {
        c.hand = Hand::GateStop;
    } else if (gate && part == "car") {
        c.hand = Hand::GateCar;
    } else if (!gate && part == "start") {
        c.hand = Hand::ConveyorStart;
    } else if (!gate && part == "stop") {
        c.hand = Hand::ConveyorStop;
    } else {
        return error(usage + ", not " + quotedWord(part));
    }
    return handState(c, words, c.hand == Hand::GateCar, usage);
}

bool isLampDigits(std::string_view word) {
    return word.size() == static_cast<std::size_t>(engine::kInputCount) &&
           word.find_first_not_of("01") == std::string_view::npos;
}

// A timer display text as the tick writes it: tenths of a second with one decimal, "0.0" to the
// largest set value (`largest` tenths).
bool isTimerText(std::string_view word, int largest = engine::kMaxTimerSetValue) {
    const std::size_t dot = word.find('.');
    if (dot == std::string_view::npos || dot + 2 != word.size()) {
        return false;
    }
    const auto whole = plainNumber(word.substr(0, dot), 0, largest / 10);
    const auto tenth = plainNumber(word.substr(dot + 1), 0, 9);
    return whole && tenth && *whole * 10 + *tenth <= largest;
}

bool isExtended(engine::InstructionSet set) {
    return set == engine::InstructionSet::Extended;
}

// The bit `word` names where a relay goes, into `c` (number and address): a relay 0 to 20000 in
// either set; in extended programs also any bit in the notation except the done flags of timers
// and counters, which `expect tim|cnt` read.
bool readRelayWord(std::string_view word, engine::InstructionSet set, Command& c) {
    if (const auto relay = plainNumber(word, 0, engine::kLastRelay)) {
        c.number = static_cast<int>(*relay);
        if (isExtended(set)) {
            c.address = engine::bitAddressText({engine::Area::Relay, c.number});
        }
        return true;
    }
    const auto bit = isExtended(set) ? engine::parseBitAddress(word) : std::nullopt;
    if (!bit || bit->area == engine::Area::Timer || bit->area == engine::Area::Counter) {
        return false;
    }
    c.number = engine::workspaceByte(*bit);
    c.address = engine::bitAddressText(*bit);
    return true;
}

// The data word spelled by words [first, end) of a line, joined by one blank so that "TIM 3"
// and "CIO 10" read as the engine reads them. Nothing for anything else.
std::optional<engine::WordAddress> readWord(const std::vector<std::string_view>& words,
                                            std::size_t first, std::size_t end) {
    if (first >= end || end - first > 2) {
        return std::nullopt;
    }
    std::string text(words[first]);
    for (std::size_t i = first + 1; i < end; ++i) {
        text += ' ';
        text += words[i];
    }
    return engine::parseWordAddress(text);
}

// A word's value as a constant, #0000 to #FFFF or &0 to &65535. Nothing for a word address.
std::optional<std::uint16_t> readWordValue(std::string_view word) {
    const auto operand = engine::parseWordOperand(word);
    if (!operand || !operand->constant) {
        return std::nullopt;
    }
    return operand->value;
}

constexpr std::string_view kWordExamples = "a word (DM0100, HR2, W3, 10, TIM 3 ...)";
constexpr std::string_view kValueRange = "#0000 to #FFFF or &0 to &65535";

// expect word WORD VALUE (extended programs).
ScriptLine expectWordCommand(const std::vector<std::string_view>& words) {
    const auto word = readWord(words, 2, words.size() - 1);
    const auto value = readWordValue(words.back());
    if (!word || !value) {
        return error("expect word takes " + std::string(kWordExamples) + " and its value, " +
                     std::string(kValueRange));
    }
    Command c;
    c.kind = CommandKind::Expect;
    c.observed = Observed::Word;
    c.word = word;
    c.value = *value;
    c.expected = engine::hexWordText(*value);
    return command(std::move(c));
}

// set dm N VALUE, set word WORD VALUE (extended programs). A present value takes BCD only, as
// the controller keeps it in BCD.
ScriptLine setCommand(const std::vector<std::string_view>& words) {
    const std::string usage = "set takes dm, a DM number (0 to 1023 or 6144 to 6599) and a "
                              "value, or word, " +
                              std::string(kWordExamples) + " and a value; values are " +
                              std::string(kValueRange);
    if (words.size() < 4 || (words[1] != "dm" && words[1] != "word")) {
        return error(usage);
    }
    std::optional<engine::WordAddress> word;
    if (words[1] == "dm") {
        const auto n =
            words.size() == 4 ? plainNumber(words[2], 0, engine::kLastReadOnlyDm) : std::nullopt;
        const engine::WordAddress dm{engine::WordArea::Dm, n ? static_cast<int>(*n) : -1};
        word = dm.valid() ? std::optional(dm) : std::nullopt;
    } else {
        word = readWord(words, 2, words.size() - 1);
    }
    const auto value = readWordValue(words.back());
    if (!word || !value) {
        return error(usage);
    }
    const bool presentValue =
        word->area == engine::WordArea::TimerValue || word->area == engine::WordArea::CounterValue;
    if (presentValue && !engine::isBcd(*value)) {
        return error("set: a present value takes BCD, #0000 to #9999, not " +
                     quotedWord(words.back()));
    }
    Command c;
    c.kind = CommandKind::Set;
    c.word = word;
    c.value = *value;
    return command(std::move(c));
}

// show WORD (extended programs): one data word.
ScriptLine showWordCommand(const std::vector<std::string_view>& words) {
    const auto word = readWord(words, 1, words.size());
    if (!word) {
        return error("show takes no further words, or " + std::string(kWordExamples));
    }
    Command c;
    c.kind = CommandKind::Show;
    c.word = word;
    return command(std::move(c));
}

// expect relay A 0|1, expect in|out DIGITS, expect tim|cnt N TEXT.
ScriptLine expectCommand(const std::vector<std::string_view>& words, engine::InstructionSet set) {
    const std::string usage = "expect takes relay A 0|1, in or out and 16 digits 0 or 1, tim "
                              "or cnt, a number 0 to 7 and the display's text, or plant, a "
                              "word of the plant line and its value";
    if (words.size() < 3) {
        return error(usage);
    }
    const std::string_view what = words[1];
    if (what == "word" && isExtended(set)) {
        return expectWordCommand(words);
    }
    Command c;
    c.kind = CommandKind::Expect;
    if (what == "in" || what == "out") {
        if (words.size() != 3 || !isLampDigits(words[2])) {
            return error("expect " + std::string(what) + " takes 16 digits 0 or 1, lamp 0 first");
        }
        c.observed = what == "in" ? Observed::Inputs : Observed::Outputs;
        c.expected = words[2];
        return command(std::move(c));
    }
    if (what == "relay") {
        const bool address = words.size() == 4 && readRelayWord(words[2], set, c);
        const auto state = words.size() == 4 ? plainNumber(words[3], 0, 1) : std::nullopt;
        if (!address || !state) {
            return error("expect relay takes an address from 0 to " +
                         std::to_string(engine::kLastRelay) + " and a state 0 or 1");
        }
        c.observed = Observed::Relay;
        c.expected = words[3];
        return command(std::move(c));
    }
    if (what == "tim" || what == "cnt") {
        const bool timer = what == "tim";
        const int count = isExtended(set) ? engine::kTimerSlots
                          : timer         ? engine::kTimerCount
                                          : engine::kCounterCount;
        const int largestTimer =
            isExtended(set) ? engine::kMaxExtendedSetValue : engine::kMaxTimerSetValue;
        const auto n = words.size() == 4 ? plainNumber(words[2], 0, count - 1) : std::nullopt;
        const bool textOk =
            words.size() == 4 &&
            (timer ? isTimerText(words[3], largestTimer)
                   : plainNumber(words[3], 0, engine::kMaxCounterSetValue).has_value());
        if (!n || !textOk) {
            return error(timer ? "expect tim takes a timer 0 to 7 and a display text 0.0 to 60.0"
                               : "expect cnt takes a counter 0 to 7 and a display text 0 to 9999");
        }
        c.observed = timer ? Observed::Timer : Observed::Counter;
        c.number = static_cast<int>(*n);
        c.expected = words[3];
        return command(std::move(c));
    }
    if (what == "plant") {
        // A word of the machine's state line, key=value; the key is checked when it runs, as the
        // line's words depend on the machine chosen then.
        if (words.size() != 4) {
            return error("expect plant takes a word of the plant line and its value, for "
                         "example expect plant faults 0");
        }
        c.observed = Observed::Plant;
        c.key = words[2];
        c.expected = words[3];
        return command(std::move(c));
    }
    return error(usage + ", not " + quotedWord(what));
}

// relay A, unforce A: one relay address.
ScriptLine addressCommand(CommandKind kind, const std::vector<std::string_view>& words,
                          engine::InstructionSet set) {
    const std::string usage =
        std::string(words[0]) + " takes an address from 0 to " + std::to_string(engine::kLastRelay);
    if (words.size() != 2) {
        return error(usage);
    }
    Command c;
    c.kind = kind;
    if (!readRelayWord(words[1], set, c)) {
        return error(usage + ", not " + quotedWord(words[1]));
    }
    return command(c);
}

// break N, unbreak N: one code line.
ScriptLine lineCommand(CommandKind kind, const std::vector<std::string_view>& words) {
    const std::string usage = std::string(words[0]) + " takes a code line from 1 to " +
                              std::to_string(engine::kLastCodeLine);
    if (words.size() != 2) {
        return error(usage);
    }
    const auto line = plainNumber(words[1], 1, engine::kLastCodeLine);
    if (!line) {
        return error(usage + ", not " + quotedWord(words[1]));
    }
    Command c;
    c.kind = kind;
    c.number = static_cast<int>(*line);
    return command(c);
}

bool isTestNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

// test NAME [POINTS] [hidden]. A name keeps to characters that need no quoting in any report
// (TAP descriptions, XML attributes, CSV headers, JSON strings).
ScriptLine testCommand(const std::vector<std::string_view>& words) {
    const std::string usage = "test takes a name (letters, digits, _ - and ., up to " +
                              std::to_string(kMaxTestNameLength) + "), optional points from 0 to " +
                              std::to_string(kMaxPoints) + " and an optional hidden";
    if (words.size() < 2 || words.size() > 4) {
        return error(usage);
    }
    const std::string_view name = words[1];
    if (name.size() > kMaxTestNameLength ||
        !std::all_of(name.begin(), name.end(), isTestNameCharacter)) {
        return error(usage + ", not name " + quotedWord(name));
    }
    Command c;
    c.kind = CommandKind::Test;
    c.name = std::string(name);
    std::size_t next = 2;
    if (next < words.size() && words[next] != "hidden") {
        const auto points = plainNumber(words[next], 0, kMaxPoints);
        if (!points) {
            return error(usage + ", not points " + quotedWord(words[next]));
        }
        c.count = *points;
        ++next;
    }
    if (next < words.size()) {
        if (words[next] != "hidden" || next + 1 != words.size()) {
            return error(usage + ", not " + quotedWord(words[next]));
        }
        c.hidden = true;
    }
    return command(std::move(c));
}

} // namespace

std::string shownWord(std::string_view word) {
    const bool cut = word.size() > kShownWordBytes;
    return escapedBytes(word.substr(0, kShownWordBytes)) + (cut ? std::string(kCut) : "");
}

std::string quotedWord(std::string_view word) {
    const bool cut = word.size() > kShownWordBytes;
    return "\"" + escapedBytes(word.substr(0, kShownWordBytes)) + "\"" +
           (cut ? std::string(kCut) : "");
}

namespace {

// in N 0|1: an input switch.
ScriptLine inCommand(const std::vector<std::string_view>& words) {
    const std::string usage = "in takes a switch number 0 to 15 and a state 0 or 1";
    if (words.size() != 3) {
        return error(usage);
    }
    const auto n = plainNumber(words[1], 0, engine::kInputCount - 1);
    if (!n) {
        return error(usage + ", not switch " + quotedWord(words[1]));
    }
    const auto state = plainNumber(words[2], 0, 1);
    if (!state) {
        return error(usage + ", not state " + quotedWord(words[2]));
    }
    Command c;
    c.kind = CommandKind::In;
    c.number = static_cast<int>(*n);
    c.on = *state == 1;
    return command(c);
}

// force A 0|1: a relay held on or off.
ScriptLine forceCommand(const std::vector<std::string_view>& words, engine::InstructionSet set) {
    const std::string usage = "force takes an address from 0 to " +
                              std::to_string(engine::kLastRelay) + " and a state 0 or 1";
    if (words.size() != 3) {
        return error(usage);
    }
    Command c;
    c.kind = CommandKind::Force;
    if (!readRelayWord(words[1], set, c)) {
        return error(usage + ", not address " + quotedWord(words[1]));
    }
    const auto state = plainNumber(words[2], 0, 1);
    if (!state) {
        return error(usage + ", not state " + quotedWord(words[2]));
    }
    c.on = *state == 1;
    return command(c);
}

// save FILE.
ScriptLine saveCommand(const std::vector<std::string_view>& words) {
    if (words.size() != 2) {
        return error("save takes a file name without blanks");
    }
    Command c;
    c.kind = CommandKind::Save;
    c.path = std::string(words[1]);
    return command(c);
}

// The commands of a word and at most a count, an address or a line: scan, tick, wait; press,
// show, list, ladder, step; trace, relay, unforce; break, unbreak. Nothing for any other word.
std::optional<ScriptLine> plainCommand(const std::vector<std::string_view>& words,
                                       engine::InstructionSet set) {
    using Kind = CommandKind;
    const std::string_view name = words[0];
    for (const auto& [word, kind] :
         {std::pair{"trace", Kind::Trace}, std::pair{"relay", Kind::Relay},
          std::pair{"unforce", Kind::Unforce}}) {
        if (name == word) {
            return addressCommand(kind, words, set);
        }
    }
    if (name == "scan" || name == "tick") {
        return countCommand(name == "scan" ? Kind::Scan : Kind::Tick, words, false, "count");
    }
    if (name == "wait") {
        return countCommand(Kind::Wait, words, true, "milliseconds");
    }
    using Reader = ScriptLine (*)(Kind, const std::vector<std::string_view>&);
    static constexpr std::tuple<std::string_view, Kind, Reader> kCommands[] = {
        {"press", Kind::Press, bareCommand},     {"show", Kind::Show, bareCommand},
        {"list", Kind::List, bareCommand},       {"ladder", Kind::Ladder, bareCommand},
        {"step", Kind::Step, bareCommand},       {"break", Kind::Break, lineCommand},
        {"unbreak", Kind::Unbreak, lineCommand},
    };
    for (const auto& [word, kind, read] : kCommands) {
        if (name == word) {
            return read(kind, words);
        }
    }
    return std::nullopt;
}

} // namespace

ScriptLine parseScriptLine(std::string_view text) {
    return parseScriptLine(text, engine::InstructionSet::Classic);
}

ScriptLine parseScriptLine(std::string_view text, engine::InstructionSet set) {
    if (!text.empty() && text.back() == '\r') {
        text.remove_suffix(1);
    }
    const auto words = splitScriptWords(text);
    if (words.empty() || words[0].front() == '#') {
        return {};
    }
    const std::string_view name = words[0];
    if (name == "in") {
        return inCommand(words);
    }
    if (name == "force") {
        return forceCommand(words, set);
    }
    if (name == "save") {
        return saveCommand(words);
    }
    if (name == "expect") {
        return expectCommand(words, set);
    }
    if (name == "test") {
        return testCommand(words);
    }
    if (isExtended(set) && name == "set") {
        return setCommand(words);
    }
    if (isExtended(set) && name == "show" && words.size() > 1) {
        return showWordCommand(words);
    }
    if (auto plain = plainCommand(words, set)) {
        return *plain;
    }
    if (auto machine = machineCommand(words)) {
        return *machine;
    }
    return error("unknown command " + quotedWord(name));
}

} // namespace rungbox::sim
