// SPDX-License-Identifier: GPL-3.0-or-later
#include "WatchList.h"

#include "engine/BitAddress.h"
#include "engine/Instruction.h"
#include "engine/LineSyntax.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <charconv>

namespace rungbox::debug {

namespace {

using Kind = WatchEntry::Kind;

// The set value of the first TIM (or CNT) line on unit n, as the run loaded it.
std::string setValueOf(const engine::Controller& controller, engine::OpCode op, int n) {
    for (int r = 1; r <= engine::kLastCodeLine; ++r) {
        const engine::LadderLine& line = controller.ladderTable(r);
        if (line.location == n && engine::decodeForm(line.code).op == op) {
            return op == engine::OpCode::Tim ? engine::timerText(line.setValue)
                                             : std::to_string(line.setValue);
        }
    }
    return "";
}

} // namespace

namespace {

enum class Refusal { None, Empty, NotAnEntry, OutOfRange };

// Reads `text` into `entry`; `shown` gets the entry as it reads (upper case, one blank after
// TIM or CNT) for the refusal's message.
Refusal readEntry(std::string_view text, WatchEntry& entry, std::string& shown) {
    std::string compact;
    for (const char c : text) {
        if (c != ' ' && c != '\t') {
            compact += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    shown = compact;
    if (compact.empty()) {
        return Refusal::Empty;
    }
    std::string_view digits = compact;
    int last = engine::kLastRelay;
    if (digits.starts_with("TIM") || digits.starts_with("CNT")) {
        entry.kind = digits[0] == 'T' ? Kind::Timer : Kind::Counter;
        last = digits[0] == 'T' ? engine::kTimerCount - 1 : engine::kCounterCount - 1;
        digits.remove_prefix(3);
        if (!digits.empty()) {
            shown.insert(3, " ");
        }
    }
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isDigit)) {
        return Refusal::NotAnEntry;
    }
    // Five digits at most: every valid number fits, and from_chars cannot overflow.
    if (digits.size() > 5) {
        return Refusal::OutOfRange;
    }
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), entry.number);
    if (error != std::errc{} || end != digits.data() + digits.size()) {
        return Refusal::NotAnEntry;
    }
    return entry.number > last ? Refusal::OutOfRange : Refusal::None;
}

// A word as the watch table reads it (see parseWatchEntry): a names file's word ("DM0100",
// "CH HR2"), or a prefixed channel of bits without a point ("HR2", "CIO 10"); a plain number
// stays a relay, read before this.
std::optional<WatchEntry> wordEntry(std::string_view text) {
    if (const auto named = names::parseAddress(text, engine::InstructionSet::Extended);
        named && named->isWord()) {
        return WatchEntry::of(*named->word());
    }
    const auto word = engine::parseWordAddress(text);
    if (!word || !word->ofBits() || text.find('.') != std::string_view::npos) {
        return std::nullopt;
    }
    return WatchEntry::of(*word);
}

} // namespace

std::optional<WatchEntry> parseWatchEntry(std::string_view text) {
    WatchEntry entry;
    std::string shown;
    if (readEntry(text, entry, shown) != Refusal::None) {
        return std::nullopt;
    }
    return entry;
}

std::string watchEntryRefusal(std::string_view text) {
    WatchEntry entry;
    std::string shown;
    switch (readEntry(text, entry, shown)) {
    case Refusal::None:
        return "";
    case Refusal::Empty:
        return "Type a relay address, TIM n or CNT n";
    case Refusal::NotAnEntry:
        return shown + ": not a relay address, TIM n or CNT n";
    case Refusal::OutOfRange:
        break;
    }
    if (entry.kind == Kind::Timer) {
        return shown + ": no such timer (TIM 0 to TIM " + std::to_string(engine::kTimerCount - 1) +
               ")";
    }
    if (entry.kind == Kind::Counter) {
        return shown + ": no such counter (CNT 0 to CNT " +
               std::to_string(engine::kCounterCount - 1) + ")";
    }
    return shown + ": out of range (relays 0 to " + std::to_string(engine::kLastRelay) + ")";
}

std::optional<WatchEntry> watchEntryOf(engine::BitAddress address) {
    if (!address.valid()) {
        return std::nullopt;
    }
    switch (address.area) {
    case engine::Area::Timer:
        return WatchEntry{Kind::Timer, address.number};
    case engine::Area::Counter:
        return WatchEntry{Kind::Counter, address.number};
    case engine::Area::Relay:
        if (address.number <= engine::kLastRelay) {
            return WatchEntry{Kind::Relay, address.number};
        }
        break;
    default:
        break;
    }
    return WatchEntry{Kind::Bit, engine::workspaceByte(address)};
}

std::optional<WatchEntry> parseWatchEntry(std::string_view text, engine::InstructionSet set) {
    if (auto classic = parseWatchEntry(text); classic || set == engine::InstructionSet::Classic) {
        return classic;
    }
    if (auto word = wordEntry(text)) {
        return word;
    }
    const auto address = engine::parseBitAddress(text);
    return address ? watchEntryOf(*address) : std::nullopt;
}

TypedEntry readTypedEntry(std::string_view text, const names::NameTable* names) {
    const engine::InstructionSet set =
        names != nullptr ? names->instructionSet() : engine::InstructionSet::Classic;
    TypedEntry typed{parseWatchEntry(text, set), ""};
    if (typed.entry) {
        return typed;
    }
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    const std::string_view trimmed =
        first == std::string_view::npos ? std::string_view{} : text.substr(first, last - first + 1);
    const auto named = names != nullptr ? names->addressNamed(trimmed) : std::nullopt;
    if (named) {
        typed.entry = named->isWord() ? WatchEntry::of(*named->word()) : watchEntryOf(named->bit());
    } else {
        typed.refusal = watchEntryRefusal(text);
    }
    return typed;
}

std::string watchItemText(const WatchRow& row, const names::NameTable* names) {
    if (names == nullptr) {
        return row.name;
    }
    const engine::InstructionSet set = names->instructionSet();
    const auto entry = row.word ? parseWatchEntry(row.name, set) : std::nullopt;
    const auto address = entry ? std::optional(names::Address::of(entry->word()))
                               : names::parseAddress(row.name, set);
    const std::string user = address ? names->nameOf(*address) : "";
    return user.empty() ? row.name : row.name + "  " + user;
}

std::string watchEntryHint(const names::NameTable* names) {
    if (names != nullptr && names->instructionSet() == engine::InstructionSet::Extended) {
        return "10.00, W0.00, HR1.05, TIM 3, a name";
    }
    return names != nullptr && names->size() > 0 ? "1000, TIM 3, CNT 2, a name"
                                                 : "1000, TIM 3, CNT 2";
}

bool WatchList::add(const WatchEntry& entry) {
    if (std::find(m_entries.begin(), m_entries.end(), entry) != m_entries.end()) {
        return false;
    }
    m_entries.push_back(entry);
    m_formats.push_back(WordFormat::Hex);
    return true;
}

void WatchList::remove(std::size_t index) {
    assert(index < m_entries.size());
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
    m_formats.erase(m_formats.begin() + static_cast<std::ptrdiff_t>(index));
}

WatchRow WatchList::row(const engine::Controller& controller, const WatchEntry& entry,
                        WordFormat format) {
    WatchRow row;
    const int n = entry.number;
    switch (entry.kind) {
    case Kind::Relay:
    case Kind::Bit:
        row.name = entry.kind == Kind::Bit ||
                           controller.instructionSet() == engine::InstructionSet::Extended
                       ? engine::bitAddressText(*engine::addressAtByte(n))
                       : std::to_string(n);
        row.on = controller.bit(n);
        row.value = row.on ? "1" : "0";
        row.forced = controller.forcedValue(n);
        break;
    case Kind::Timer:
        row.name = "TIM " + std::to_string(n);
        row.value = engine::timerText(controller.timValue(n));
        row.setValue = setValueOf(controller, engine::OpCode::Tim, n);
        row.on = controller.timValue(n) == 0;
        break;
    case Kind::Counter:
        row.name = "CNT " + std::to_string(n);
        row.value = std::to_string(controller.cntValue(n));
        row.setValue = setValueOf(controller, engine::OpCode::Cnt, n);
        row.on = controller.cntValue(n) == 0;
        break;
    case Kind::Word:
        row.name = wordRowText(entry.word());
        row.word = true;
        row.value = wordValueText(controller.word(entry.word()), format);
        row.on = controller.word(entry.word()) != 0;
        row.forcedWord = controller.forcedWord(entry.word());
        break;
    }
    return row;
}

std::vector<WatchRow> WatchList::rows(const engine::Controller& controller) const {
    std::vector<WatchRow> all;
    all.reserve(m_entries.size());
    for (std::size_t k = 0; k < m_entries.size(); ++k) {
        all.push_back(row(controller, m_entries[k], m_formats[k]));
    }
    return all;
}

} // namespace rungbox::debug
