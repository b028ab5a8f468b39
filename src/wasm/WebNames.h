// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// View > Names on the page: the program's names table edited as the window's names table edits
// it (names::nameEdit and the rest), with its own undo, and the tooltips that show the names on
// the panel and the code lines. Names and comments cross as their UTF-8 bytes (one 8-bit
// character each, as every string the page exchanges with the core); addresses as their text
// ("1000", "TIM 2").

#include "WebSession.h"
#include "names/NameEdits.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rungbox::wasm {

class WebNames {
public:
    /// Edits the names of `web`'s session, which must outlive it.
    explicit WebNames(WebSession& web);

    /// Counts every change of the names: this handle's edits, and a table replaced with the
    /// program (Load, New, a restored program), which also forgets the undo steps and the
    /// addresses added.
    unsigned revision();

    /// The table's rows as JSON: [[address, name, comment]], the named addresses in the table's
    /// order, then the program's addresses and those added that have no name (name and comment
    /// empty), in address order.
    std::string rows();

    /// Names `address` (an empty name removes its name and comment) as one undo step. Answers why
    /// it is refused, empty when taken.
    std::string setName(const std::string& address, const std::string& name);
    /// Sets the comment of the named `address` as one undo step; answers as setName.
    std::string setComment(const std::string& address, const std::string& comment);
    /// Lists the typed address ("2005", "tim 3") as one to name; answers why it is none, or empty.
    std::string addAddress(const std::string& typed);
    /// Why `name` cannot name `address`, empty when it can or is empty: shown as it is typed.
    std::string problemOf(const std::string& address, const std::string& name);

    bool undo();
    bool redo();
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }

    /// The panel's tooltips with the names: [input lamps, input switches, output lamps (16
    /// each), timer displays, counter displays (8 each)], as JSON arrays of strings.
    std::string panelTips();
    /// The tooltip of each code line from line 1 (empty for a line without a named address),
    /// each followed by NUL.
    std::string lineTips();

    /// The name and bytes of the names file the last save wrote beside the program, if one did
    /// since the last take.
    std::optional<std::pair<std::string, std::string>> takeSaved();

private:
    names::NameTable& table();
    void follow();
    std::string take(names::NameEdit edit);
    void changed();

    WebSession& m_web;
    names::NameHistory m_history;
    names::NameFollower m_follower; ///< the table as this handle left it, the addresses added
    unsigned m_revision = 0;
};

} // namespace rungbox::wasm
