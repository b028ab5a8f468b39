// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drawing the program in the page's ladder diagram, as the window's diagram draws it: the keys
// and toolbar tools of ladder::DrawingModel on the grid's current line, the address box a new
// element opens, the rung operations, and the refusal said above the diagram. It only acts
// while stopped; during a run the diagram only shows. The page sends the user's keys and taps
// and reads state() to draw the toolbar, the status line and the address box.

#include "WebSession.h"
#include "ladder/DrawingModel.h"

#include <optional>
#include <string>

namespace rungbox::wasm {

class WebLadderEditor {
public:
    /// `web` must outlive this.
    explicit WebLadderEditor(WebSession& web);
    WebLadderEditor(const WebLadderEditor&) = delete;
    WebLadderEditor& operator=(const WebLadderEditor&) = delete;

    /// True while stopped and the grid takes edits: the diagram edits.
    bool active() const;

    /// A key pressed in the diagram: `key` as KeyboardEvent.key names it ("c", "/", "Delete",
    /// "ArrowLeft", "Enter", "Escape"), `mods` the Shift, Ctrl and Alt bits (1, 2, 4). True when
    /// it was an editing key (the page then keeps it from the browser). Ctrl+C and Ctrl+V come as
    /// the browser's clipboard events (copyRung, pasteRungs).
    bool key(const std::string& key, int mods);
    /// Toolbar button `tool` (ladder::Tool as a number, the order of the extended set's
    /// ladder::drawingTools; an extended tool is refused in a classic program).
    void use(int tool);
    /// Enter: opens the address box on the selection.
    void openAddress();
    /// The address box's Enter: `address` typed (a number, TIM or CNT and one, or a name) and,
    /// for a box, `setValue` (digits; ignored without one). True when it was taken; otherwise
    /// the box stays open with the reason said.
    bool confirmAddress(const std::string& address, const std::string& setValue);
    /// The address box's Esc: a new element is taken away again.
    void cancelAddress();
    void undo();
    void redo();
    /// The selection's rung as clipboard text; empty when there is none to copy.
    std::string copyRung();
    /// Inserts the rungs of clipboard `text` (8-bit) after the selection's rung.
    void pasteRungs(const std::string& text);
    /// Moves the selection's rung up (delta -1) or down (1).
    void moveRung(int delta);
    void deleteRung();
    /// A click on the element of `line` (0: none): it becomes the selection while the grid
    /// takes edits.
    void clickLine(int line);
    /// The diagram got the keyboard's focus: a current line with no element to select gives way
    /// to the first element of its rung, as when the window's diagram opens.
    void focus();

    /// What the page shows, as JSON: {"active": 0/1, "status": the refusal or "", "line": the
    /// selection's line, "extended": 0/1 (the extended tools are shown), "address": null or
    /// {"address", "setValue": number or null}}.
    std::string state() const;
    /// The tools in toolbar order: [{"text", "tip", "key", "extended": 0/1}], the extended set's
    /// own last.
    static std::string toolsJson();

private:
    void apply(const ladder::Outcome& outcome, bool created);
    void openForm();
    bool commandKey(const std::string& key, bool shift);

    session::Session& m_session;
    ladder::DrawingModel m_model;
    std::string m_status;
    std::optional<ladder::AddressForm> m_form; ///< the address box while open
};

} // namespace rungbox::wasm
