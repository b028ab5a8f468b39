// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The watch table's model: the relays, timers and counters a user chose to follow, and what
// each shows now. Qt-free; the window's table only shows the rows.

#include "WordFormat.h"
#include "engine/Controller.h"
#include "names/NameTable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::debug {

/// One watched item.
struct WatchEntry {
    /// Bit: any other bit of an extended program (W, HR, AR, TR, relays above 20000).
    /// Word: a word of an extended program (a channel, W, HR, AR or DM word).
    enum class Kind { Relay, Timer, Counter, Bit, Word };
    Kind kind = Kind::Relay;
    /// Relay address 0 to 20000; timer or counter number (0 to 7, extended programs 0 to 127);
    /// for Bit the workspace byte of the bit (engine::workspaceByte); for Word the word's number.
    int number = 0;
    /// The word's area, for Word only.
    engine::WordArea area = engine::WordArea::Channel;

    bool operator==(const WatchEntry&) const = default;
    /// True for the bits that can be forced: relays and the other bits; the workspace byte
    /// Controller::force takes is then `number`.
    bool forceable() const { return kind == Kind::Relay || kind == Kind::Bit; }
    /// True for the words that can be forced (Controller::forceWord): every Word entry.
    bool wordForceable() const { return kind == Kind::Word && debug::wordForceable(word()); }
    /// The entry's word, for Word entries.
    engine::WordAddress word() const { return {area, number}; }
    /// The entry watching word `address`.
    static WatchEntry of(engine::WordAddress address) {
        return {Kind::Word, address.number, address.area};
    }
};

/// What one row of the watch table shows.
struct WatchRow {
    std::string name;     ///< "1000", "TIM 3", "CNT 2"
    std::string value;    ///< relay "1" or "0"; timer "4.5" (seconds); counter "3"
    std::string setValue; ///< the set value of the unit's first TIM or CNT line; "" for relays
    bool on = false;      ///< relay on, or the timer or counter done (present value 0)
    std::optional<bool> forced;              ///< relays: the forced value
    bool word = false;                       ///< a word's row: `value` in the row's format
    std::optional<std::uint16_t> forcedWord = std::nullopt; ///< words: the forced value

    bool operator==(const WatchRow&) const = default;
};

/// Reads a watch entry as typed: a relay address ("1000"), "TIM n" or "CNT n" (blanks between
/// the words optional, either case). Nothing when the text names none or is out of range.
std::optional<WatchEntry> parseWatchEntry(std::string_view text);
/// Why parseWatchEntry() refuses `text`, for the user: "30000: out of range (relays 0 to
/// 20000)", "TIM 9: no such timer (TIM 0 to TIM 7)", ...; empty when it accepts it.
std::string watchEntryRefusal(std::string_view text);

/// parseWatchEntry in programs of `set`: extended programs take every spelling of
/// engine::parseBitAddress ("10.00", "W0.00", "HR1.05", "TR0", "P_On", "TIM 12", "C3"), and words:
/// "DM0100" (any DM spelling), "CIO 10", "W3", "HR2", "AR3" (a prefix and no point: the word;
/// with a point, "HR2.00", a bit), and the names files' "CH HR2". "TIM 3" and "CNT 3" stay the
/// timer's and counter's rows, which show the present value already.
std::optional<WatchEntry> parseWatchEntry(std::string_view text, engine::InstructionSet set);
/// The entry watching `address`; nothing for an address of no program.
std::optional<WatchEntry> watchEntryOf(engine::BitAddress address);

/// An entry typed into the watch table: what it names, and why it was refused.
struct TypedEntry {
    std::optional<WatchEntry> entry; ///< nothing when refused
    std::string refusal;             ///< empty when taken (a name of the program is taken too)
};

/// Reads `text` as typed into the watch table: an entry parseWatchEntry() reads, or else a name
/// of `names` (null: the program has none), blanks around it ignored.
/// The addresses are those of `names`' programs (names->instructionSet()), classic without names.
TypedEntry readTypedEntry(std::string_view text, const names::NameTable* names);
/// What the watch table's Item column shows for `row`: its name ("1000", "TIM 3"), followed by
/// the program's name for a relay that has one (`names` null: none).
std::string watchItemText(const WatchRow& row, const names::NameTable* names);
/// The hint in the empty entry field: it offers names when the program has some; extended
/// programs' hint shows their notation (their special relays' names are names too).
std::string watchEntryHint(const names::NameTable* names);

class WatchList {
public:
    /// Adds `entry` at the end unless it is already watched. False when it was.
    bool add(const WatchEntry& entry);
    void remove(std::size_t index);
    const std::vector<WatchEntry>& entries() const { return m_entries; }

    /// The format of the word row at `index` (Hex until chosen); set only for words.
    WordFormat format(std::size_t index) const { return m_formats.at(index); }
    void setFormat(std::size_t index, WordFormat format) { m_formats.at(index) = format; }

    /// The row of `entry` as `controller` has it now; extended programs name the addresses in
    /// their notation ("10.00", "W0.00", "TIM 12", "DM0100", "CIO 10"); a word shows its value
    /// in `format`.
    static WatchRow row(const engine::Controller& controller, const WatchEntry& entry,
                        WordFormat format = WordFormat::Hex);
    /// Every row, in the order of entries().
    std::vector<WatchRow> rows(const engine::Controller& controller) const;

private:
    std::vector<WatchEntry> m_entries;
    std::vector<WordFormat> m_formats; ///< one per entry
};

} // namespace rungbox::debug
