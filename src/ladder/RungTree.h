// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The editable form of one rung: a tree of contacts in series and in parallel that ends in
// outputs. The root is a Series: the rung's condition (one or more parts), then what stands at
// the point where the condition ends, its "fan": one output, or outputs in parallel, the last of
// which may be a Series going on through more contacts to a fan of its own (LD 0 / OUT 1000 /
// AND 1 / OUT 1001). A CNT or SFT box is an output whose parts are its inputs above the rung's
// condition (the count input; the data and clock inputs); it must be the first output at the
// end of the rung's condition, since the scan takes its other inputs from the block stack there.
// The END rung is a Series holding END alone.
//
// Extended programs (the root's `set`) add the KEEP box (its set input above the rung's
// condition, which resets it) and the CNTR box (increment and decrement inputs above the reset
// condition), TIMH, SET, RSET and DIFD outputs, IL and JMP N fed by a condition, and ILC and
// JME N, which stand alone in a rung as END does. Their relay operands name an area (`area`).
// Word instructions (MOV, CMP, ADD, ...) are outputs whose operands are texts (`words`); an ADD
// or SUB writes its third on an operand line of its own below it.
//
// Every edit works on a copy, puts it in normal form and checks it: a refused edit says why and
// leaves the rung alone. No Qt.

#include "engine/BitAddress.h"
#include "engine/Instruction.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::ladder {

enum class NodeKind : std::uint8_t { Contact, Output, Series, Parallel };

/// One node of a rung tree.
struct Node {
    NodeKind kind = NodeKind::Contact;
    /// Output: OUT, OUT NOT, DIFU, TIM, CNT, SFT or END; extended rungs: KEEP, CNTR, TIMH, SET,
    /// RSET, DIFD, IL, ILC, JMP, JME too.
    engine::OpCode op = engine::OpCode::Out;
    /// Contact: what `number` names (a relay, a timer's or a counter's done flag).
    engine::Operand operand = engine::Operand::Relay;
    bool negated = false; ///< Contact: NOT
    int number = 0;       ///< relay 0 to 20000, timer or counter 0 to 7; SFT: first relay
                          ///< (extended: the number in `area`, timers and counters 0 to 127,
                          ///< JMP and JME 0 to 49)
    int setValue = 0;     ///< TIM: 0 to 600 ticks; CNT: 0 to 9999 counts; SFT: last relay
                          ///< (extended: set values 0 to 9999; SFT's last bit in `area`)
    /// Extended rungs: the area of a relay operand (a contact reading a relay, a coil, KEEP,
    /// SFT); Area::Relay for classic rungs.
    engine::Area area = engine::Area::Relay;
    /// The root only: the set the rung is checked and written in.
    engine::InstructionSet set = engine::InstructionSet::Classic;
    int line = 0; ///< the code line it was read from, 0 for a node not yet written
    /// Series, Parallel: the parts, left to right or top down. CNT, SFT: the inputs above the
    /// rung's condition, top first (CNT: count; SFT: data, clock).
    std::vector<Node> parts;
    /// Output, extended rungs: a word instruction's operands as the grid writes them
    /// (engine::wordOperandText: "DM0100", "#0042"), LOCATION, "###", then the operand line's
    /// LOCATION; TIM, TIMH, CNT, CNTR: one word holding the set value (then `setValue` is unused).
    std::vector<std::string> words;
    bool differentiated = false; ///< Output: the "@" form of a word instruction
    /// Marks the node an edit leaves selected; edits clear it again.
    bool focus = false;

    static Node contact(engine::Operand operand, bool negated, int number);
    static Node output(engine::OpCode op, int number, int setValue = 0);
    static Node group(NodeKind kind, std::vector<Node> parts);
    /// A word instruction `op` (its "@" form when `differentiated`) with its operands' texts.
    static Node wordBox(engine::OpCode op, bool differentiated, std::vector<std::string> words);

    bool isGroup() const { return kind == NodeKind::Series || kind == NodeKind::Parallel; }
    /// True when an output stands in the node (the node is no plain condition).
    bool carriesOutput() const;
    bool operator==(const Node& other) const; ///< same shape and values (line, focus ignored)
};

/// The way from a rung's root to a node: the index of the part taken at each level.
using Path = std::vector<int>;

/// The node at `path`, or nullptr when there is none.
const Node* nodeAt(const Node& root, const Path& path);
Node* nodeAt(Node& root, const Path& path);

/// Puts a rung in normal form: groups of one part give way to the part, empty groups go, a
/// group's part of its own kind is spliced into it; the root stays a Series.
void normalize(Node& root);

/// Why `root` is no valid rung, in words ("a rung without an output"); empty when it is valid.
/// `root` must be in normal form.
std::string rungProblem(const Node& root);

/// The refusal of an address typed for a word instruction.
inline constexpr std::string_view kWordOperandsInGrid =
    "a word instruction's operands are typed in the grid";

/// What an edit did: refused (with the reason) or done, leaving `selection` selected.
struct EditResult {
    std::string refusal; ///< empty when the edit was made
    Path selection;

    bool done() const { return refusal.empty(); }
};

/// The edits of one rung's elements. `at` names a contact or an output. Each leaves `root`
/// valid and in normal form, or unchanged when refused.
EditResult insertSeries(Node& root, const Path& at, Node contact, bool after);
/// Puts `branch` (a contact or a series of them) in parallel with the parts `at` to `last` of
/// one series (`at` and the path ending in index `last` share their parent; last >= at.back()).
EditResult insertParallel(Node& root, const Path& at, int last, Node branch);
/// Adds `output` at the point the element at `at` stands before or at: after `at` when it is an
/// output, else after the point's outputs (a second output is a parallel coil).
EditResult addOutput(Node& root, const Path& at, Node output);
/// Sets a contact's operand and number, or an output's number; `area` is a relay operand's area
/// in an extended rung.
EditResult setAddress(Node& root, const Path& at, engine::Operand operand, int number,
                      engine::Area area = engine::Area::Relay);
/// Sets the set value of a TIM or CNT, or the last relay of an SFT.
EditResult setSetValue(Node& root, const Path& at, int value);
/// Toggles NOT on a contact, or turns OUT into OUT NOT and back.
EditResult toggleNot(Node& root, const Path& at);
/// Removes the element at `at` (a box with its inputs); its branch closes up around it.
EditResult removeElement(Node& root, const Path& at);

/// A new rung: contact `number` feeding `OUT coil`.
Node simpleRung(int number, int coil);
/// A new CNT (op Cnt) or SFT (op Sft) rung fed by contacts 0, 1 (and 2 for SFT); extended
/// rungs: KEEP (op Keep, fed by 0 and 1, keeping relay `number`) and CNTR (op Cntr, fed by 0, 1
/// and 2) too.
Node boxRung(engine::OpCode op, int number, int setValue);

/// A rung of its own for ILC or JME `number` (extended rungs).
Node closingRung(engine::OpCode op, int number);

/// The word instructions (MOV, CMP, ADD, CLC, ...) are drawn as word boxes.
using engine::isWordInstruction;

/// True when `op` stands alone in a rung: END, ILC, JME.
bool standsAlone(engine::OpCode op);

} // namespace rungbox::ladder
