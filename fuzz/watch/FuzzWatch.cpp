// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an entry typed into the watch table, with the names file before the first NUL
// as the program's names. An entry is either taken, naming a relay, timer or counter in range,
// or refused with a reason; a name of the program is taken as its address. The names are read
// as a classic and as an extended program's: an extended entry may name any bit in the notation.

#include "FuzzSupport.h"

#include "debug/WatchList.h"
#include "engine/AddressMap.h"
#include "engine/BitAddress.h"
#include "names/NamesFile.h"

using namespace rungbox;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = bytes.find('\0');
    const std::string_view typed =
        split == std::string_view::npos ? bytes : bytes.substr(split + 1);
    const std::string_view file = split == std::string_view::npos ? "" : bytes.substr(0, split);
    const names::NamesFileContents extended =
        names::readNamesFile(file, engine::InstructionSet::Extended);
    const debug::TypedEntry bit = debug::readTypedEntry(typed, &extended.table);
    fuzz::require(bit.entry.has_value() == bit.refusal.empty(), "taken, or refused with a reason");
    if (bit.entry && bit.entry->kind == debug::WatchEntry::Kind::Bit) {
        fuzz::require(engine::addressAtByte(bit.entry->number).has_value(), "a bit's byte");
    }
    if (bit.entry && bit.entry->kind == debug::WatchEntry::Kind::Word) {
        fuzz::require(bit.entry->word().valid(), "a word in range");
    }
    const names::NamesFileContents names = names::readNamesFile(file);
    const debug::TypedEntry read = debug::readTypedEntry(typed, &names.table);
    fuzz::require(read.entry.has_value() == read.refusal.empty(),
                  "taken, or refused with a reason");
    if (read.entry) {
        using Kind = debug::WatchEntry::Kind;
        const Kind kind = read.entry->kind;
        const int last = kind == Kind::Relay   ? engine::kLastRelay
                         : kind == Kind::Timer ? engine::kTimerCount - 1
                                               : engine::kCounterCount - 1;
        fuzz::require(read.entry->number >= 0 && read.entry->number <= last, "in range");
    }
    const bool plain = debug::parseWatchEntry(typed).has_value();
    fuzz::require(plain == debug::watchEntryRefusal(typed).empty(),
                  "the refusal matches the parse");
    return 0;
}
