// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptNames.h"

#include "engine/AddressMap.h"
#include "engine/BitAddress.h"
#include "files/DiskFileSystem.h"
#include "files/LadderFile.h"
#include "names/NameRules.h"
#include "names/NamesFile.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace rungbox::sim {

namespace {

using names::Address;

// What a number place of a command takes.
enum class Place { None, Input, Relay, Timer, Counter, Word };

// A word of a line and where it starts.
struct Word {
    std::string text;
    std::size_t at = 0;
};

std::vector<Word> splitWords(std::string_view text) {
    std::vector<Word> words;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = text.find_first_not_of(" \t", i);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(text.find_first_of(" \t", start), text.size());
        words.push_back({std::string(text.substr(start, end - start)), start});
        i = end;
    }
    return words;
}

// The place of the word at `index` of a line starting with `words`.
Place placeOf(const std::vector<Word>& words, std::size_t index) {
    const std::string& command = words[0].text;
    if (index == 1) {
        if (command == "in") {
            return Place::Input;
        }
        if (command == "relay" || command == "trace" || command == "force" ||
            command == "unforce") {
            return Place::Relay;
        }
    }
    if ((index == 2 && (command == "expect" || command == "set") && words[1].text == "word") ||
        (index == 1 && command == "show" && words.size() == 2)) {
        return Place::Word;
    }
    if (index == 2 && command == "expect") {
        const std::string& what = words[1].text;
        if (what == "relay") {
            return Place::Relay;
        }
        if (what == "tim") {
            return Place::Timer;
        }
        if (what == "cnt") {
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
        return address.kind != Address::Kind::Timer && address.kind != Address::Kind::Counter &&
               !address.isWord();
    case Place::Timer:
        return address.kind == Address::Kind::Timer;
    case Place::Counter:
        return address.kind == Address::Kind::Counter;
    case Place::Word: // words come through wordNamed
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
    case Place::Word:
        return "a word";
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
    const engine::InstructionSet set = names.instructionSet();
    if (names.size() == 0) {
        return parseScriptLine(text, set);
    }
    if (!text.empty() && text.back() == '\r') {
        text.remove_suffix(1);
    }
    const std::vector<Word> words = splitWords(text);
    if (words.empty() || words[0].text.front() == '#') {
        return {};
    }
    // Only the names are replaced, so that the rest of the line reads exactly as written.
    std::string numbered(text);
    for (std::size_t i = words.size(); i-- > 0;) {
        const Place place = placeOf(words, i);
        const std::string& word = words[i].text;
        // Numbers, and words that could never be names, are left for the reader to judge.
        if (place == Place::None || names::nameProblem(word)) {
            continue;
        }
        if (place == Place::Word) {
            // A word's name, or a timer's or counter's for its present value; anything else is
            // left for the reader (word addresses, and its own message).
            if (const auto named = names::wordNamed(names, word)) {
                numbered.replace(words[i].at, word.size(), engine::wordAddressText(*named));
            }
            continue;
        }
        const names::NameEntry* entry = names.findName(word);
        // Extended programs' addresses look like names ("TR0", "W1"); the reader takes them.
        if (entry == nullptr && set == engine::InstructionSet::Extended &&
            engine::parseBitAddress(word)) {
            continue;
        }
        if (entry == nullptr) {
            return error("unknown name \"" + word + "\"");
        }
        if (!fits(place, entry->address)) {
            return error("\"" + entry->name + "\" names " + names::addressText(entry->address) +
                         ", not " + std::string(placeText(place)));
        }
        // Relays 0 to 20000 and units by their number, every other bit in the notation.
        const bool plain = entry->address.valid() || place != Place::Relay;
        numbered.replace(words[i].at, word.size(),
                         plain ? std::to_string(entry->address.number)
                               : engine::bitAddressText(entry->address.bit()));
    }
    return parseScriptLine(numbered, set);
}

std::optional<names::NameTable> readNamesOption(const std::string& path, std::ostream& err) {
    files::DiskFileSystem disk;
    std::string bytes;
    platform::FileError error;
    if (!disk.readAll(path, bytes, error)) {
        err << "rungbox-sim: cannot read " << path << ": " << error.description << '\n';
        return std::nullopt;
    }
    names::NamesFileContents contents = names::readNamesFile(bytes);
    if (contents.badLineCount > 0) {
        err << "rungbox-sim: skipped: "
            << names::badLinesReport(contents, path, "\nrungbox-sim: skipped: ") << '\n';
    }
    return std::move(contents.table);
}

engine::InstructionSet programInstructionSet(const std::string& programPath) {
    files::DiskFileSystem disk;
    std::string bytes;
    platform::FileError error;
    if (!disk.readAll(programPath, bytes, error)) {
        return engine::InstructionSet::Classic;
    }
    return files::readLadderFile(bytes).set;
}

names::NameTable namesBeside(const std::string& programPath) {
    const engine::InstructionSet set = programInstructionSet(programPath);
    const std::string path = names::namesPathFor(programPath);
    files::DiskFileSystem disk;
    std::string bytes;
    platform::FileError error;
    names::NameTable table;
    if (path != programPath && disk.readAll(path, bytes, error)) {
        table = names::readNamesFile(bytes, set).table;
    }
    table.setInstructionSet(set);
    return table;
}

} // namespace rungbox::sim
