// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The simulated controller: relay memory, edge memories, timers, counters, the program table
// and the run flag, with the scan, the timer tick and the reset. All of the controller's state
// lives in one Controller object; there is no global state.

#include "AddressMap.h"
#include "FusedProgram.h"
#include "InstructionSet.h"
#include "IoPanel.h"
#include "Program.h"
#include "ScanCode.h"
#include "WordAddress.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rungbox::engine {

class Controller {
public:
    /// `panel` must outlive the controller; it is not owned.
    explicit Controller(IoPanel& panel);

    Controller(const Controller&) = delete;
    Controller& operator=(const Controller&) = delete;

    // --- State -------------------------------------------------------------------------------

    /// The instruction set the program table is read in (Classic until set). Changing it makes
    /// the next scan decode the program afresh.
    InstructionSet instructionSet() const { return m_set; }
    void setInstructionSet(InstructionSet set);

    /// Relay `address` (0 to 20000).
    bool relay(int address) const { return m_bits[static_cast<std::size_t>(address)] != 0; }
    void setRelay(int address, bool on) { m_bits[static_cast<std::size_t>(address)] = on; }
    /// The bit at workspace byte `byte` (BitAddress.h: workspaceByte), any area.
    bool bit(int byte) const { return m_bits[static_cast<std::size_t>(byte)] != 0; }
    void setBit(int byte, bool on) { m_bits[static_cast<std::size_t>(byte)] = on; }
    /// The DIFU edge memory of output relay `address` (0 to 20000; extended programs: any
    /// workspace byte of a bit).
    bool difuLast(int address) const { return m_difuLast[static_cast<std::size_t>(address)] != 0; }
    void setDifuLast(int address, bool on) {
        m_difuLast[static_cast<std::size_t>(address)] = on ? 1 : 0;
    }

    /// Present value of counter n (0 to 7; extended programs 0 to 127), in counts; done exactly
    /// at 0 (a CNTR's done flag follows its own rule: setCounterDone).
    std::int16_t cntValue(int n) const { return m_cntValue[static_cast<std::size_t>(n)]; }
    void setCntValue(int n, std::int16_t value);
    /// Sets counter n's done flag apart from its value (a reversible counter's completion flag).
    void setCounterDone(int n, bool on) {
        m_bits[static_cast<std::size_t>(counterDoneByte(n))] = on ? 1 : 0;
    }
    /// The decrement-edge memory of reversible counter n.
    bool cntrDownLast(int n) const { return m_cntrDownLast[static_cast<std::size_t>(n)]; }
    void setCntrDownLast(int n, bool on) { m_cntrDownLast[static_cast<std::size_t>(n)] = on; }
    /// The count-edge memory of counter n: its count input as the last CNT step saw it.
    bool cntLast(int n) const { return m_cntLast[static_cast<std::size_t>(n)]; }
    void setCntLast(int n, bool on) { m_cntLast[static_cast<std::size_t>(n)] = on; }

    /// Present value of timer n (0 to 7; extended programs 0 to 127), in timer ticks (a TIMH's in
    /// hundredths of a second); done exactly at 0.
    std::int16_t timValue(int n) const { return m_timValue[static_cast<std::size_t>(n)]; }
    void setTimValue(int n, std::int16_t value);
    /// True while timer n is held at its set value because its input is off.
    bool timReset(int n) const { return m_timReset[static_cast<std::size_t>(n)]; }
    void setTimReset(int n, bool held) { m_timReset[static_cast<std::size_t>(n)] = held; }
    /// True when timer n was last run by a TIMH line: it counts hundredths (hundredthTick).
    bool timHundredths(int n) const { return m_timHundredths[static_cast<std::size_t>(n)]; }
    void setTimHundredths(int n, bool on) { m_timHundredths[static_cast<std::size_t>(n)] = on; }
    /// The DIFD edge memory of workspace byte `byte`: the input as the last DIFD step saw it.
    bool difdLast(int byte) const { return m_difdLast[static_cast<std::size_t>(byte)] != 0; }
    void setDifdLast(int byte, bool on) { m_difdLast[static_cast<std::size_t>(byte)] = on ? 1 : 0; }
    /// True until the first scan of a run has started: the first-cycle relay's source.
    bool firstCycle() const { return m_firstCycle; }
    void setFirstCycle(bool on) { m_firstCycle = on; }
    /// The session's clock in milliseconds since the run started; the clock-pulse relays of
    /// extended programs follow it (set before each scan).
    std::uint64_t clockMs() const { return m_clockMs; }
    void setClockMs(std::uint64_t ms) { m_clockMs = ms; }

    /// Record r (0 to 301) of the program table.
    const LadderLine& ladderTable(int r) const {
        return m_ladderTable[static_cast<std::size_t>(r)];
    }
    /// Writes record r (1 to 301). The next scan decodes the program afresh.
    void setLadderTable(int r, LadderLine line);

    /// True while a simulation runs. Only the run/stop control changes it.
    bool simulating() const { return m_simulating; }
    void setSimulating(bool on) { m_simulating = on; }

    // --- Displays ----------------------------------------------------------------------------

    /// Shows `value` (timer ticks) on timer display n as "0.0"-pattern text.
    void showTimer(int n, int value);
    /// Shows `value` on counter display n as a plain decimal.
    void showCounter(int n, int value);
    /// Shows `simulating` on the run/stop lamp-button.
    void showRunLamp() { m_panel.setRunLamp(m_simulating); }

    // --- Behaviour ---------------------------------------------------------------------------

    /// Returns the controller and its panel to the power-on picture: relays off, timers and
    /// counters at 0 (timers held), displays "0.0" and "0", lamps dark, switches unchecked, the
    /// run lamp showing `simulating`. The DIFU memory, the program table and `simulating` stay,
    /// and so do the holding relays (HR) and the data memory (DM), as on the controllers:
    /// clearRetained() clears them.
    void reset();
    /// Clears the holding relays and the data memory (a new program, or one loaded).
    void clearRetained();

    // --- Words (extended programs) -----------------------------------------------------------

    /// The 16 bits of word `address` (valid): a channel's bits (bit 0 is .00), a DM word, or a
    /// timer's or counter's present value in BCD.
    std::uint16_t word(WordAddress address) const;
    /// Writes word `address` as the user does (a script's `set`, the DM table, the registers):
    /// any word, the read-only DM words included; a present value takes a BCD word (anything
    /// else is ignored). Forced bits and words keep their forced values.
    void setWord(WordAddress address, std::uint16_t value);
    /// Forces word `address` (a channel of bits or a DM word; not a present value) to `value`
    /// now and until unforced: what a program or the input copy writes to it is ignored. A
    /// channel's force is the force of its 16 bits (force()).
    void forceWord(WordAddress address, std::uint16_t value);
    void unforceWord(WordAddress address);
    /// The forced value of a word: a DM word forced, or a channel whose 16 bits are all forced.
    std::optional<std::uint16_t> forcedWord(WordAddress address) const;
    /// Every forced DM word and its value, by DM number.
    const std::map<int, std::uint16_t>& dmForces() const { return m_dmForces; }

    /// One scan: the input copy, lines 1 to END, the output lamps. Returns 0 when the scan
    /// reached END, otherwise the number of the line it could not execute (the lines above it
    /// have run; the outputs are not shown). The caller reports that line and stops the run.
    /// Runs the program's machine code where the platform allows it, else scanFused(); both
    /// behave exactly as scanReference().
    int scan();

    /// One tick of the timer-tick timer: every timing timer counts down by one tick.
    void tick();
    /// One hundredth of a second: every timing TIMH timer counts down by one (extended programs).
    void hundredthTick();

    /// Copies input switches into relays 0 to 15 and lights the input lamps.
    void readInputs();
    /// Shows relays 1000 to 1015 on the output lamps.
    void showOutputs();

    /// The timer step of a TIM line: timer n, input `input`, set value `setValue`.
    void timerStep(int n, bool input, std::int16_t setValue);
    /// The counter step of a CNT line: counter n, count input, reset input, set value.
    void counterStep(int n, bool count, bool reset, std::int16_t setValue);

    /// The decoded form of the program table as the next scan will run it.
    const Program& program();

    /// Runs one scan with the plain one-step-per-line interpreter, the reference that any faster
    /// path is tested against. Same contract as scan(), with the debugging below: it stops before
    /// a line with a breakpoint (returning 0 with midScan() true) and goes on from where the
    /// scan paused, executing that line first.
    int scanReference();

    // --- Debugging ---------------------------------------------------------------------------
    // A scan can pause between any two lines: at a breakpoint, or after stepLine(). The paused
    // scan's position, result register and block stack are kept here; the next scan(), any of
    // the scan paths, or stepLine() goes on from there. scan() and scanFused() take the
    // reference path only while a scan is paused or a breakpoint lies on a line of the program,
    // so that a run without breakpoints is as fast as ever. Forces hold in every path.

    /// Executes the next line of the current scan, starting a scan (the input copy) when none is
    /// paused. Returns 0, or the number of a line that cannot execute (the scan ends there, as in
    /// scan()). After END the scan is over and midScan() is false.
    int stepLine();
    /// True while a scan is paused between two lines.
    bool midScan() const { return m_midScan; }
    /// The line the paused scan executes next; 0 when no scan is paused.
    int nextLine();
    /// The paused scan's result register (false when no scan is paused).
    bool result() const { return m_midScan && m_result; }
    /// The paused scan's block stack, top entry first (empty when no scan is paused).
    std::vector<bool> blockStack() const;

    /// A breakpoint on code line `line` (0 to 301): a scan pauses before executing it.
    /// Breakpoints are not touched by reset().
    void setBreakpoint(int line, bool on);
    bool breakpoint(int line) const { return m_breakpoints[static_cast<std::size_t>(line)]; }
    void clearBreakpoints();

    /// Forces relay `address` (0 to 20000; extended programs: any workspace byte of a relay bit,
    /// BitAddress.h) to `on` now and until unforced: the input copy and
    /// every line that writes it leave it at that value. reset() releases every force.
    void force(int address, bool on);
    /// Releases the force on `address`; the relay keeps its value until something writes it.
    void unforce(int address);
    /// The forced value of `address`, or nothing when it is not forced.
    std::optional<bool> forcedValue(int address) const;
    bool forced(int address) const { return m_forces.contains(address); }
    /// Every forced relay and its value, by address.
    const std::map<int, bool>& forces() const { return m_forces; }
    void releaseForces();

    /// Runs one scan by interpreting the fused form of the program: the fast path where no
    /// machine code can be generated. Same contract as scan().
    int scanFused();

    /// The fused form of the program that scan() runs; built together with program().
    const FusedProgram& fusedProgram();
    /// True when scan() runs generated machine code rather than scanFused().
    bool runsMachineCode();

private:
    friend class Program;

    void compileIfNeeded();
    // The tail steps of the fast scans (the kinds OpInfo::tail marks), one function per kind, as
    // ScanCode calls them: `self` is the Controller, `result` the result register (0 or 1).
    template <OpCode op> static void tail(void* self, const Step* step, unsigned result) noexcept;
    static const ScanCode::Tails kTails;
    void runTail(const Step& step, unsigned result);
    int runLines(bool oneLine);
    void executeStep(const Step& step);
    void applyForces();
    // Out of line, so that showTimer() and showCounter() stay small enough to inline into the
    // timer and counter steps.
    [[gnu::noinline]] void sendTimerText(int n, int value);
    [[gnu::noinline]] void sendCounterText(int n, int value);
    void difuStep(int address, bool input);
    // The extended set (ExtendedSteps.cpp).
    void beginExtendedScan();
    // `s0` and `s1` are the block-stack entries at the step's slot and the one above it, as far
    // as its kind pops them (false otherwise).
    void extendedStep(const Step& step, bool result, bool s0, bool s1);
    void effect(OpCode kind, const Step& step, bool result, bool s0, bool s1);
    void interlockedEffect(OpCode kind, const Step& step);
    void writeBit(int byte, bool on);
    void reversibleCount(int n, bool up, bool down, bool reset, std::int16_t setValue);
    // The word instructions (WordSteps.cpp).
    std::optional<std::int16_t> setValueOf(const Step& step);
    void wordStep(OpCode kind, const Step& step, bool result);
    std::uint16_t read(const WordOperand& operand) const;
    void writeWord(WordAddress address, std::uint16_t value);
    void writeFlag(int flat, bool on);
    void shiftStep(int first, int last, bool data, bool clock, bool reset);

    IoPanel& m_panel;

    // Relays 0 to 20000, then the done flags of the timers and counters (Program.h), so that every
    // contact reads one byte of this array; then the block stack, scratch and zero bytes of the
    // fast scans (FusedProgram.h).
    std::array<std::uint8_t, kWorkspaceSize> m_bits{};
    std::array<std::uint8_t, kWorkspaceSize> m_difuLast{};
    std::array<std::uint8_t, kWorkspaceSize> m_difdLast{};
    std::array<std::int16_t, kTimerSlots> m_cntValue{};
    std::array<bool, kTimerSlots> m_cntLast{};
    std::array<bool, kTimerSlots> m_cntrDownLast{};
    std::array<std::int16_t, kTimerSlots> m_timValue{};
    std::array<bool, kTimerSlots> m_timReset{};
    std::array<bool, kTimerSlots> m_timHundredths{};
    std::array<std::uint16_t, kDmSlots> m_dm{};
    std::map<int, std::uint16_t> m_dmForces; // by DM number
    // The edge memory of each line's "@" instruction: its condition as the last scan saw it.
    std::bitset<kLadderTableSize> m_lineEdge;
    InstructionSet m_set = InstructionSet::Classic;
    int m_timersInUse = kTimerCount; // the timers tick() visits: 8 classic, 128 extended
    bool m_firstCycle = true;
    std::uint64_t m_clockMs = 0;
    std::array<LadderLine, kLadderTableSize> m_ladderTable{};
    bool m_simulating = false;

    Program m_program;
    FusedProgram m_fused;
    ScanCode m_code;            // points into m_fused: rebuilt with it
    bool m_programStale = true; // decode, fuse and generate before the next scan
    bool m_fuseStale = true;    // fuse and generate (the forces changed)

    // Debugging (see stepLine()).
    bool m_midScan = false;
    std::size_t m_position = 0; // index in m_program.steps() of the next line to execute
    bool m_result = false;
    int m_depth = 0;
    std::array<bool, kBlockStackSize> m_stack{};
    std::bitset<kLadderTableSize> m_breakpoints;
    bool m_breakInProgram = false; // a breakpoint lies on a line of m_program
    bool m_breakpointsStale = true;
    std::map<int, bool> m_forces;

    // What the panel shows now, so that unchanged pictures are not sent again.
    std::uint16_t m_inputLampsShown = 0;
    std::uint16_t m_outputLampsShown = 0;
    std::array<int, kTimerCount> m_timerShown{};
    std::array<int, kCounterCount> m_counterShown{};
};

} // namespace rungbox::engine
