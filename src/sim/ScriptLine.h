// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One line of a rungbox-sim script, read into a command. The reading is strict: a line is
// understood only in exactly the forms the command table gives, so that a typing mistake in a
// script stops it instead of checking something else than intended.

#include "engine/InstructionSet.h"
#include "engine/WordAddress.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rungbox::sim {

/// The largest count of `scan`, `tick` and the largest `wait` in milliseconds. A hundred million
/// scans are more than a day of simulated time; the bound keeps every count well inside 64 bits
/// and turns a runaway number in a script into an error instead of an endless run.
inline constexpr std::int64_t kMaxCount = 100000000;

/// The most points one test is worth. A class's grading scale fits well inside; the bound keeps
/// the sum over a script's tests far from any overflow.
inline constexpr std::int64_t kMaxPoints = 10000;

/// The longest test name. Names appear in report files and tables, and one word of up to 64
/// letters names any check a teacher writes.
inline constexpr std::size_t kMaxTestNameLength = 64;

enum class CommandKind {
    In,      ///< input switch `number` (0 to 15) on or off (`on`)
    Scan,    ///< `count` scans
    Tick,    ///< `count` ticks of the timer-tick timer
    Wait,    ///< `count` milliseconds of simulated time
    Press,   ///< the run/stop lamp-button
    Show,    ///< print the lamps and displays, or (extended programs) one `word`
    Relay,   ///< print relay `number` (0 to 20000)
    List,    ///< print the program's code lines
    Ladder,  ///< print the program as a ladder diagram (with power during a run)
    Trace,   ///< record relay `number` (0 to 20000) too
    Save,    ///< File > Save As, the save dialog answering `path`
    Module,  ///< choose module `number` (a machines::ModuleKind: 0 none, 1 gate, 2 conveyor...)
    Plant,   ///< print the chosen machine's state line
    Hand,    ///< work the machine's `hand`: a short press (`momentary`), else hold/release (`on`);
             ///< a switch (Hand::Control) turns on or off (`on`)
    Force,   ///< force relay `number` (0 to 20000) to `on`
    Unforce, ///< release the force on relay `number`
    Step,    ///< execute one code line of the current scan and print it
    Break,   ///< set a breakpoint on code line `number` (1 to 299)
    Unbreak, ///< clear the breakpoint on code line `number`
    Expect,  ///< check what the window shows; a mismatch ends the script, or fails its test
    Test,    ///< start test `name` worth `count` points (`hidden`: its expectations not shown)
    Set,     ///< extended programs: write `value` to `word` as the user does (read-only DM too)
};

/// What an `expect` line checks.
enum class Observed {
    Relay,   ///< relay `number` (0 to 20000), expected "0" or "1"
    Inputs,  ///< the 16 input lamps as digits 0 and 1, lamp 0 first
    Outputs, ///< the 16 output lamps as digits 0 and 1, lamp 0 first
    Timer,   ///< the text of timer display `number` (0 to 7), "0.0" to "60.0"
    Counter, ///< the text of counter display `number` (0 to 7), "0" to "9999"
    Plant,   ///< the value of word `key` of the chosen machine's state line (`plant`)
    Word,    ///< extended programs: data word `word`, expected `value` ("#0042" in `expected`)
};

/// What a script can work on the machines: their push-buttons and the gate's car, or (Control)
/// a control of a machine drawn from a scene, named by the command's `number` and `control`.
enum class Hand { GateButton, GateStop, GateCar, ConveyorStart, ConveyorStop, Control };

struct Command {
    CommandKind kind = CommandKind::Show;
    /// In: switch; Relay, Trace, Force, Unforce, Expect relay: the relay address 0 to 20000, or in
    /// extended programs the workspace byte of the bit (engine::workspaceByte, the same number
    /// for relays 0 to 20000); Break, Unbreak: line; Expect tim/cnt: the unit
    int number = 0;
    /// Extended programs' bit commands: the address as shown ("10.00", "W1.00"); empty otherwise
    std::string address;
    bool on = false; ///< In: the switch state; Force: the forced value
    /// Scan, Tick: how many; Wait: milliseconds (1 to kMaxCount); Test: points (0 to kMaxPoints)
    std::int64_t count = 1;
    Hand hand = Hand::GateButton;        ///< Hand: what is worked
    bool momentary = false;              ///< Hand: a press that lasts one scan
    /// Hand Control: the index in machines::moduleControls() of module `number`'s controls
    std::size_t control = 0;
    std::string path;                    ///< Save: the file, as the save dialog would answer it
    Observed observed = Observed::Relay; ///< Expect: what is checked (`number` names which)
    std::string expected; ///< Expect: the text it must read, in the form `show`/`relay` print it
    std::string key;      ///< Expect plant: the word of the state line (before its "=")
    std::string name;     ///< Test: its name (letters, digits, '_', '-' and '.')
    bool hidden = false;  ///< Test: reports show only whether it passed
    /// Show, Set, Expect word: the data word (Show without it prints the lamps and displays)
    std::optional<engine::WordAddress> word;
    std::uint16_t value = 0; ///< Set, Expect word: the word's 16 bits
};

/// A script line as read: nothing to do, a command, or a line not understood.
struct ScriptLine {
    enum class Kind { Skip, Command, Error };

    Kind kind = Kind::Skip;
    Command command;   ///< valid when kind is Command
    std::string error; ///< why the line was not understood, when kind is Error
};

/// Reads one script line (without its line end; one trailing CR, left by a CR LF line end, is
/// dropped). Words are separated by runs of blanks and tabs. A line that holds nothing but blanks
/// and tabs, or whose first other character is '#', is skipped. Numbers are plain decimals:
/// digits only, no sign and no leading zero.
ScriptLine parseScriptLine(std::string_view text);

/// parseScriptLine for a program of `set`. Extended programs' scripts take the bits in any
/// spelling of engine::parseBitAddress wherever a relay goes (`relay W1.00`, `force 0.03 1`,
/// `expect relay HR0.00 1`), and timers and counters 0 to 127 (`expect tim 12 1.5`). They also
/// read data words in any spelling of engine::parseWordAddress ("TIM 3" may take its blank)
/// and values as constants `#0000`-`#FFFF` or `&0`-`&65535`: `expect word DM0100 #0042`,
/// `set dm 100 #0123` (DM 0 to 1023 and the read-only 6144 to 6599), `set word HR2 &1` and
/// `show DM0100`.
ScriptLine parseScriptLine(std::string_view text, engine::InstructionSet set);

/// Longest part of a script word that a complaint repeats, in bytes: enough for any word the
/// script language knows and for a file name, short enough to keep a complaint on one line.
inline constexpr std::size_t kShownWordBytes = 40;

/// A script word as a complaint on a terminal may show it: printable ASCII stays as it is, a
/// backslash becomes "\\" and every other byte (control characters, ESC sequences, bytes
/// above 127) "\xHH"; a word longer than kShownWordBytes is cut there and ends in "...".
std::string shownWord(std::string_view word);

/// shownWord in double quotes; the "..." of a cut word stands after the closing quote.
std::string quotedWord(std::string_view word);

} // namespace rungbox::sim
