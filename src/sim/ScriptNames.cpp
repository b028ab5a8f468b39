// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptNames.h"

#include "engine/AddressMap.h"
#include "names/NameRules.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace rungbox::sim {

namespace {

using names::Address;

// What a number place of a command takes.
enum class Place { None, Input, Relay, Timer, Counter };

std::vector<std::string> splitWords(std::string_view text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = text.find_first_not_of(" \t", i);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(text.find_first_of(" \t", start), text.size());
        words.emplace_back(text.substr(start, end - start));
        i = end;
    }
    return words;
}

// The place of the word at `index` of a line starting with `words`.
Place placeOf(const std::vector<std::string>& words, std::size_t index) {
    const std::string& command = words[0];
    if (index == 1) {
        if (command == "in") {
            return Place::Input;
        }
        if (command == "relay" || command == "trace" || command == "force" ||
            command == "unforce") {
            return Place::Relay;
        }
    }
    if (index == 2 && command == "expect") {
        if (words[1] == "relay") {
            return Place::Relay;
        }
        if (words[1] == "tim") {
            return Place::Timer;
        }
        if (words[1] == "cnt") {
            return Place::Counter;
        }
    }
    return Place::None;
}

bool fits(Place place, Address address) {
    switch (place) {
    case Place::Input:
        return address.kind == Address::Kind::Relay && address.number < engine::kInputCount;
    case Place::Relay:
        return address.kind == Address::Kind::Relay;
    case Place::Timer:
        return address.kind == Address::Kind::Timer;
    case Place::Counter:
        return address.kind == Address::Kind::Counter;
    case Place::None:
        break;
    }
    return false;
}

std::string_view placeText(Place place) {
    switch (place) {
    case Place::Input:
        return "an input 0 to 15";
    case Place::Relay:
        return "a relay";
    case Place::Timer:
        return "a timer";
    case Place::Counter:
        return "a counter";
    case Place::None:
        break;
    }
    return "";
}

ScriptLine error(std::string why) {
    ScriptLine line;
    line.kind = ScriptLine::Kind::Error;
    line.error = std::move(why);
    return line;
}

} // namespace

ScriptLine parseNamedScriptLine(std::string_view text, const names::NameTable& names) {
    if (names.size() == 0) {
        return parseScriptLine(text);
    }
    if (!text.empty() && text.back() == '\r') {
        text.remove_suffix(1);
    }
    std::vector<std::string> words = splitWords(text);
    if (words.empty() || words[0].front() == '#') {
        return {};
    }
    std::string numbered;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const Place place = placeOf(words, i);
        // Numbers, and words that could never be names, are left for the reader to judge.
        if (place != Place::None && !names::nameProblem(words[i])) {
            const names::NameEntry* entry = names.findName(words[i]);
            if (entry == nullptr) {
                return error("unknown name \"" + words[i] + "\"");
            }
            if (!fits(place, entry->address)) {
                return error("\"" + entry->name + "\" names " + names::addressText(entry->address) +
                             ", not " + std::string(placeText(place)));
            }
            words[i] = std::to_string(entry->address.number);
        }
        numbered += (i == 0 ? "" : " ") + words[i];
    }
    return parseScriptLine(numbered);
}

} // namespace rungbox::sim
