// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ladder diagram of a program: its code lines turned into rungs of contacts between two power
// rails, with coils and boxes at the right. Each line is decoded by the engine's own decoder and
// replayed on a symbolic block stack: where the scan keeps a result bit, the layout keeps the
// branch (a tree of contacts in series and in parallel) that computes it. No Qt: the window, the
// picture export and rungbox-sim's text diagram all draw from the same placement. An extended
// program's lines are read in the extended set (engine::decodeExtendedLine, with its IL and JMP
// regions): its operands are addresses of every area (engine::BitAddress), shown as
// engine::bitAddressText writes them.
//
// Placement is on a grid. A cell is one contact wide and one row high; the output area (coils
// and boxes) is kOutputColumns cells wide and starts at column networkColumns() in every rung,
// so that all coils line up at the right rail. Wires run between grid points: point (c, r) is
// the left edge of cell column c at the height of row r's wire; column 0 is the left rail and
// column columns() the right rail.

#include "engine/BitAddress.h"
#include "engine/Instruction.h"
#include "engine/WordAddress.h"
#include "names/Address.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::ladder {

/// The three cells of one code line as typed. The views must stay valid during Layout::build.
struct LineText {
    std::string_view code;
    std::string_view location;
    std::string_view setValue;
};

enum class ElementKind : std::uint8_t {
    Contact, ///< LD, AND, OR with their NOT, TIM and CNT forms
    Link,    ///< no line of its own: the power at the end of a branch drawn in an earlier rung
             ///< (target >= 0), or no power at all (target < 0: nothing stood before the line)
    Join,    ///< AND BLK or OR BLK: the block the two joined branches form
    Coil,    ///< OUT, OUT NOT, DIFU; extended programs: SET, RSET, DIFD too
    Timer,   ///< TIM box, one input; extended programs: TIMH too
    Counter, ///< CNT box: count input, reset input; extended programs: CNTR, with increment,
             ///< decrement and reset inputs
    Shift,   ///< SFT box: data, clock and reset inputs
    End,     ///< END
    Mark,    ///< a line that has no place in the drawing (see problem)
    Keep,    ///< extended programs: KEEP box, set input and reset input
    Control, ///< extended programs: IL and JMP N fed by their condition, ILC and JME N in a rung
             ///< of their own fed from the rail, drawn as a tag across the output area
    Word,    ///< extended programs: a word instruction's box (MOV, CMP, ADD, ...), one input,
             ///< its operands in rows (Element::words); an ADD's or SUB's operand line is part
             ///< of it and makes no element of its own
};

/// Why a line is marked. Marks (ElementKind::Mark) have no place in the drawing; every other
/// element with a problem is drawn in its place and flagged, since the instruction's shape is
/// known (the run refuses or misreads it, but the lines after it still connect as the scan
/// would connect them).
enum class Problem : std::uint8_t {
    None,
    UnknownInstruction, ///< the words are no instruction (Mark)
    NothingToJoin,      ///< a block instruction finds no branch to join (Mark, or flagged when
                        ///< the only branch is the empty one before the first LD)
    MissingBranches,    ///< CNT or SFT finds fewer branches than it has inputs (Mark, or flagged
                        ///< as NothingToJoin is)
    TooManyBranches,    ///< an LD would open a 102nd branch (Mark)
    NoCondition,        ///< an AND, OR, output or box with no LD before it: its branch starts
                        ///< with nothing, which carries no power
    MissingOperand,     ///< the LOCATION cell is blank (the scan reads 0)
    MissingSetValue,    ///< TIM, CNT or SFT with a blank "###" cell (the scan reads 0)
    OperandRange,       ///< LOCATION outside the range of what it names
    ShiftRange,         ///< the last address of an SFT lies outside 0 to 20000
    SetValueRange,      ///< a TIM or CNT set value above its limit
    // Extended programs only:
    BadAddress,  ///< LOCATION is no address the extended set reads (or lies outside its area)
    ReadOnly,    ///< an instruction that writes its operand names a timer, a counter or a
                 ///< special relay
    JumpRegion,  ///< JMP N while region N is open, or JME N that closes no open JMP N
    WordOperand, ///< a word operand is neither a word nor a constant
    WordWrite,   ///< the operand a word instruction writes is a constant or read-only
    OperandLine, ///< ADD or SUB without its operand line below (empty code cell)
};

/// Grid placement of an element, relative to its rung. For a Join it is the block it forms.
struct Cell {
    int col = 0;
    int row = 0;
    int width = 0;
    int height = 0;

    bool contains(int c, int r) const {
        return c >= col && c < col + width && r >= row && r < row + height;
    }
};

/// A box input: its name and the wire it is fed from.
struct Pin {
    std::string_view name; ///< "IN", "CP", "R" (static text)
    int row = 0;           ///< rung row of the pin
    int net = 0;           ///< net feeding it
};

/// A word operand of a word box (or a timer's or counter's word set value) as the extended set
/// reads it.
struct WordCell {
    std::string_view role; ///< "S", "D", "Au", "Ad", "R", ... (static text); "SV": a set value
    std::string text;      ///< as shown: engine::wordOperandText, or the cell as typed
    std::optional<engine::WordOperand> operand; ///< nothing when the cell cannot be read
};

/// One drawn thing. Every line from 1 up to END that holds words is exactly one element.
struct Element {
    ElementKind kind = ElementKind::Mark;
    int line = 0;      ///< code line 1 to 299; 0 for a Link
    int rung = 0;      ///< index into Layout::rungs()
    engine::Form form; ///< the instruction as the engine decodes it
    int number = 0;    ///< LOCATION as the scan reads it (relay, timer or counter)
    int setValue = 0;  ///< "###" as the scan reads it (TIM, CNT set value, SFT end)
    Problem problem = Problem::None;
    std::string code;        ///< Mark: the code cell as typed
    bool lastWriter = false; ///< OUT, OUT NOT: no later line writes this relay
    int target = -1;         ///< Link: the net it continues, -1 for none
    int targetLine = 0;      ///< Link: the line whose branch it continues
    int targetRung = -1;     ///< Link: the rung whose band it continues, -1 for none
    int targetBand = -1;     ///< Link: that band's index in the rung
    Cell cell;               ///< placement (a Mark: its text row below the rung)
    int inNet = 0;           ///< Contact, Link, Coil, End, Join: the wire feeding it
    int outNet = 0;          ///< Contact, Link, Join: the wire it drives
    int pinCount = 0;        ///< boxes: inputs used in pins
    Pin pins[3];             ///< boxes: inputs from top to bottom
    /// Read in the extended set: `number` is then the address's number (BitAddress::number), the
    /// timer, counter or jump number, and `setValue` the set value as the extended set reads it.
    bool extended = false;
    /// Extended programs: the bit or done flag the LOCATION names (contacts, coils, KEEP, the
    /// first bit of an SFT); nothing where it names none or cannot be read.
    std::optional<engine::BitAddress> address;
    std::optional<engine::BitAddress> lastAddress; ///< extended SFT: the register's last bit
    std::string operand; ///< extended programs: the operand as shown ("W0.00", "TIM 12"), the
                         ///< LOCATION as typed when it cannot be read
    /// Word boxes: their operands (engine::wordOperandRule); TIM, TIMH, CNT, CNTR whose set value
    /// is a word: that word, role "SV". 0 to 3 used.
    int wordCount = 0;
    WordCell words[3];
    int operandLine = 0; ///< ADD, SUB: the line below holding the third operand, 0 for none
};

/// A straight wire between two grid points: horizontal (row0 == row1) or vertical
/// (col0 == col1), with col0 <= col1 and row0 <= row1.
struct Wire {
    int col0 = 0;
    int row0 = 0;
    int col1 = 0;
    int row1 = 0;
    int net = 0;
};

/// How a branch joins its parts.
enum class BranchKind : std::uint8_t { Leaf, Series, Parallel };

/// A node of the tree of contacts that computes a result bit, as the block stack built it. AND
/// and OR runs extend one node; each BLK makes a node of its own, so a Series may hold a Series.
struct Branch {
    BranchKind kind = BranchKind::Leaf;
    int element = -1; ///< Leaf: its element (a Contact or a Link); Series, Parallel: the BLK
                      ///< Join, -1 for an AND or OR run
    std::vector<int> children; ///< indices into Layout::branches(), left to right or top down
    int width = 1;             ///< cells across
    int height = 1;            ///< rows down
};

/// One rung: the branches feeding its outputs, drawn from the left rail, with its marks below.
struct Rung {
    int firstLine = 0;         ///< the smallest line drawn in it
    int rows = 0;              ///< rows of contacts, wires, coils and boxes
    std::vector<int> elements; ///< indices of its elements (Marks included)
    std::vector<Wire> wires;
    /// Elements to explain below the rung (Marks and flagged elements) in line order; mark k is
    /// written on row rows + k.
    std::vector<int> marks;
    std::vector<int> bands;   ///< root branch of each input, top to bottom (Layout::branches())
    std::vector<int> outputs; ///< output elements in line order; only the first may have
                              ///< several inputs (a CNT or SFT box, one band each)

    int totalRows() const { return rows + static_cast<int>(marks.size()); }
};

/// How a net's power is found. Nets are numbered from 0; net 0 is the left rail, which carries
/// power throughout a run. The rules come in an order in which each reads only nets set before.
struct NetRule {
    int net = 0;
    int element = -1; ///< >= 0: net = power at the element's input and the element conducts
    int source = -1;  ///< element < 0: net = net or power of `source` (a parallel join)
};

class Layout {
public:
    /// Cells of the output area: wide enough for a box with a name and a 5-digit value.
    static constexpr int kOutputColumns = 2;
    /// Rows of each box: room for its name, inputs, set value and present value.
    static constexpr int kTimerRows = 2;
    static constexpr int kCounterRows = 3;
    static constexpr int kShiftRows = 4;
    static constexpr int kKeepRows = 3;
    static constexpr int kReversibleRows = 4; ///< CNTR: three inputs
    /// Rows of a word box with `operands` operands (0 to 3): its title, then a row per operand.
    static constexpr int wordRows(int operands) { return operands < 1 ? 2 : operands + 1; }

    /// Lays out `lines` (lines[i] is code line i + 1; lines past 299 are ignored) up to and
    /// including the first END, read in `set`.
    static Layout build(std::span<const LineText> lines,
                        engine::InstructionSet set = engine::InstructionSet::Classic);

    const std::vector<Element>& elements() const { return m_elements; }
    const std::vector<Rung>& rungs() const { return m_rungs; }
    const std::vector<NetRule>& rules() const { return m_rules; }
    /// The branch trees of every rung's bands (Rung::bands).
    const std::vector<Branch>& branches() const { return m_branches; }
    int netCount() const { return m_netCount; }

    /// Column of the output area (>= 1).
    int networkColumns() const { return m_networkColumns; }
    /// Column of the right rail.
    int columns() const { return m_networkColumns + kOutputColumns; }
    /// True when an END line closes the program.
    bool ended() const { return m_ended; }
    /// The set the lines were read in.
    engine::InstructionSet instructionSet() const { return m_set; }
    bool extended() const { return m_set == engine::InstructionSet::Extended; }

    /// The element drawn for `line` (1 to 299), or -1 when the line is not drawn. An ADD's or
    /// SUB's operand line gives the ADD's or SUB's element.
    int elementOfLine(int line) const;
    /// The element at cell (col, row) of rung `rung` (rows below the rung's rows are its marks,
    /// which span every column), or -1. Where blocks nest, the innermost element wins.
    int elementAt(int rung, int col, int row) const;

private:
    std::vector<Element> m_elements;
    std::vector<Rung> m_rungs;
    std::vector<NetRule> m_rules;
    std::vector<Branch> m_branches;
    std::vector<int> m_lineElement; // line -> element, -1 where none
    int m_netCount = 1;
    int m_networkColumns = 1;
    bool m_ended = false;
    engine::InstructionSet m_set = engine::InstructionSet::Classic;

    friend class LayoutBuilder;
};

/// Why `element` is marked, in words, e.g. `unknown instruction "LDX"`. Empty without a problem.
std::string problemText(const Element& element);

/// The label of a contact or coil operand: "1000", "TIM 3", "CNT 0"; "?" for a blank LOCATION.
/// Extended programs: the address's text ("W0.00", "10.00", "TIM 12").
std::string operandLabel(const Element& element);

/// The address a contact, coil or box names with its LOCATION (a relay, a timer or a counter),
/// for looking up its name; nothing for a blank or out-of-range LOCATION and for elements
/// without one.
std::optional<names::Address> operandAddress(const Element& element);

/// The workspace byte of the bit a contact or coil reads or writes, as the controller's forces
/// key it (Controller::force): the relay number in a classic program, engine::workspaceByte in
/// an extended one; nothing for timers, counters and elements without a readable bit.
std::optional<int> forceByte(const Element& element);

/// The name-table address of an extended program's address: the one place that says which
/// extended addresses can carry a name (flat relays 0 to 20000, timers and counters 0 to 7, as
/// names::Address holds them); nothing for the others, which show their address alone.
std::optional<names::Address> nameableAddress(engine::BitAddress address);

/// The name-table address of a word operand, for looking up its name: a timer's or counter's
/// present value gives the timer or counter; nothing for the other words and for constants,
/// which show their text alone.
std::optional<names::Address> wordNameAddress(const WordCell& cell);

} // namespace rungbox::ladder
