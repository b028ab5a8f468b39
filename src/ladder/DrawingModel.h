// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drawing a program in its ladder diagram, the same for every front end that shows one (the
// window, the web page): the tools with their keys, what each does to the selection (the
// element of the grid's current line), the address a new element opens for typing, the rung
// operations, and moving the selection with the arrow keys. Every edit goes through
// DiagramEditor, so the grid follows as one undo step. The front end calls this only while
// stopped; it shows the refusals and the address box. No Qt.

#include "DiagramEditor.h"
#include "names/NameTable.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rungbox::ladder {

/// The tools of the keyboard model, in toolbar order.
enum class Tool : std::uint8_t {
    Contact,
    Parallel,
    Not,
    Coil,
    Difu,
    Timer,
    Counter,
    Shift,
    Rung,
    Delete,
    // Extended programs only:
    Keep,
    Set,
    Rset,
    Difd,
    Timh,
    Cntr,
    Interlock,
    Jump,
};

/// A tool as its button, tooltip and key name it. The texts are static.
struct ToolInfo {
    Tool tool;
    std::string_view text; ///< the button's text: "Contact", "NOT", "OUT"
    std::string_view tip;  ///< the tooltip, ending with the key in brackets: "... (C)"
    std::string_view key;  ///< the key: one upper-case character ("C", "/") or "Delete"
    std::string_view name; ///< an identifier for the button ("contactTool")
    bool extended;         ///< offered for extended programs only (hidden for classic ones)
};

/// The tools of classic programs, in toolbar order (the order of Tool).
std::span<const ToolInfo> drawingTools();
/// The tools of programs in `set`, in toolbar order: for the extended set the classic tools and
/// then its own (ToolInfo::extended). Front ends that build their toolbar once take the
/// extended set's and show its own tools only while the program is extended.
std::span<const ToolInfo> drawingTools(engine::InstructionSet set);
/// The tool of `key` (one upper-case character, or "Delete") in a program of `set`; nothing for
/// any other key, and for an extended tool's key in a classic program.
std::optional<Tool> toolOfKey(std::string_view key,
                              engine::InstructionSet set = engine::InstructionSet::Classic);

/// The refusal of an extended tool in a classic program.
inline constexpr std::string_view kExtendedOnly =
    QT_TRANSLATE_NOOP("Ladder", "only extended programs have this instruction");

/// An address as typed into the address box.
struct TypedAddress {
    engine::Operand operand = engine::Operand::Relay;
    int number = 0;
    engine::Area area = engine::Area::Relay; ///< extended programs: a relay operand's area
};

/// What the address box says of a text it cannot read.
inline constexpr std::string_view kUnreadableAddress =
    QT_TRANSLATE_NOOP("Ladder", "An address is a number, TIM or CNT and a number, or a name.");

/// Reads `typed`: a name of `names` first (a name such as "T1" means what its owner gave it),
/// else a number, or TIM or CNT (also T or C) and a number; case and blanks do not matter. The
/// number is not checked against its range here (the edit refuses it with the reason). Nothing
/// when it is neither.
std::optional<TypedAddress> readTypedAddress(std::string_view typed, const names::NameTable& names);
/// As readTypedAddress, in a program of `set`: an extended program reads every spelling of
/// engine::parseBitAddress ("W0.00", "HR1.05", "TIM 12") after the names.
std::optional<TypedAddress> readTypedAddress(std::string_view typed, const names::NameTable& names,
                                             engine::InstructionSet set);

/// What the address box shows for the selection.
struct AddressForm {
    bool open = false;        ///< there is an address to type
    std::string refusal;      ///< not open though asked: why, in words (empty: nothing selected)
    std::string address;      ///< the address as it stands: "100", "TIM 3", "CNT 0"
    bool hasSetValue = false; ///< TIM, CNT: the set value; SFT: the last relay
    int setValue = 0;
};

/// Where an element is drawn, in any unit with y growing downwards; empty when not drawn.
struct DrawnBox {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    bool empty() const { return width <= 0 || height <= 0; }
};

class DrawingModel {
public:
    /// Edits the grid of `editor`, which must outlive this.
    explicit DrawingModel(editor::Editor& editor);

    DiagramEditor& diagram() { return m_diagram; }
    /// The element of the grid's current line, read afresh.
    Place selection();

    /// What a tool did: `created` when a new element was made, whose address is then typed
    /// (addressForm) and may be taken away again (cancelAddress).
    struct Step {
        Outcome outcome;
        bool created = false;
    };
    /// `tool`'s edit at the selection. A program drawn from nothing starts with a rung.
    Step use(Tool tool);

    /// The address box for the selection.
    AddressForm addressForm();
    /// Sets the selection's address to `typed` and, for a box, its set value; refused with the
    /// reason when it cannot be read or the edit is refused.
    Outcome confirmAddress(std::string_view typed, std::optional<int> setValue);
    /// Closes the address box: a new element whose address was being typed is taken away again
    /// (its edit undone) when no step came after it.
    void cancelAddress();
    /// True while the address box is open for an element just made.
    bool typingNew() const { return m_typingNew; }

    /// Ctrl+Z, Ctrl+Y as in the grid.
    void undo();
    void redo();
    /// The selection's rung as clipboard text; nothing for END or no rung.
    std::optional<std::string> copyRung();
    /// Inserts the rungs of `text` (clipboard text) after the selection's rung.
    Outcome pasteRungs(std::string_view text);
    /// Moves the selection's rung up (delta -1) or down (1).
    Outcome moveRung(int delta);
    Outcome deleteRung();

    /// Selects the first element of the rung of the grid's current line (a line between rungs:
    /// the rung after it; END: the rung before it).
    void selectCurrentRung();
    /// Moves the selection to the nearest element in direction (dx, dy), one of them 0: along a
    /// row first, across rows and rungs. `boxOfLine` says where a line's element is drawn. True
    /// when the grid's current line changed.
    bool moveSelection(int dx, int dy, const std::function<DrawnBox(int line)>& boxOfLine);

private:
    Outcome addContact(bool parallel);
    Outcome addOutput(engine::OpCode op);
    Outcome addRung(Node rung, bool selectBox);
    Step useExtended(Tool tool);
    Outcome addRegion(engine::OpCode open, engine::OpCode close);
    Step made(Outcome outcome);

    editor::Editor& m_editor;
    DiagramEditor m_diagram;
    bool m_typingNew = false;
    /// The undo history's length right after the new element was made.
    std::size_t m_stepsAfterNew = 0;
};

/// Where the elements of `layout` are drawn with cells `cellWidth` by `rowHeight`, rungs one
/// above the other `rungGap` apart (the window's and the page's pictures at zoom 1).
std::function<DrawnBox(int line)> drawnBoxes(const Layout& layout, double cellWidth,
                                             double rowHeight, double rungGap);

} // namespace rungbox::ladder
