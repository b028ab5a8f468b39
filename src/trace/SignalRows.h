// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which recorded signals a timing diagram shows: the ones the program uses first, then those the
// user added by name or address; the user's additions and removals with the window's words for
// a refusal; and the status line about the recording.

#include "Recorder.h"
#include "Signal.h"
#include "Tracing.h"
#include "editor/CodeGrid.h"
#include "l10n/Mark.h"
#include "names/NameTable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::trace {

/// What a signal may be given as, for the help and refusal texts.
inline constexpr std::string_view kSignalHelp = QT_TRANSLATE_NOOP(
    "Trace", "a relay address (0 to 20000) or a name: in0..in15, out0..out15, relay2000, "
             "tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done");

/// The signals the program in `grid` uses, down to its END line: the relays of its contacts and
/// coils, and the value and done bit of its timers and counters; an extended program's bits in
/// the notation, then programWords().
std::vector<Signal> programSignals(const editor::CodeGrid& grid);

/// The words an extended program in `grid` writes, down to its END line: the destination
/// operands of its word instructions (MOV's second, INC's one, ADD's and SUB's on the operand
/// line), each once, in line order. Empty for a classic program.
std::vector<Signal> programWords(const editor::CodeGrid& grid);

class SignalRows {
public:
    /// The rows, as positions in `recorder`'s list: the signals in `used` in the recorder's
    /// order, then those the user added. Empty (every signal) while `used` is empty: a program
    /// with nothing typed yet shows all.
    std::vector<std::size_t> rows(const Recorder& recorder, const std::vector<Signal>& used) const;

    /// Adds the signal `text` names (a Signal name, a relay address or, with `names` (may be
    /// null), a name of the program's) to `recorder` and the rows. Empty when done, else the
    /// refusal: it names none or is shown already.
    std::string add(Recorder& recorder, const std::vector<Signal>& used, std::string_view text,
                    const names::NameTable* names);
    /// Removes the signal `text` names from `recorder` and the rows. Empty when done, else the
    /// refusal: it is not shown.
    std::string remove(Recorder& recorder, std::string_view text, const names::NameTable* names);

private:
    std::vector<Signal> m_added; // shown though the program may not use them
};

/// The status line: recording or not, the recording's signals, span and scans, a dropped older
/// part, and the cursor's time and scan when `cursorMs` is given.
std::string recordingStatus(const Tracing& tracing, std::optional<std::uint64_t> cursorMs);

/// The status line of a recording made elsewhere (a check's or a counterexample's run): the
/// same without recording or not.
std::string recordedStatus(const Recorder& recorder, std::optional<std::uint64_t> cursorMs);

} // namespace rungbox::trace
