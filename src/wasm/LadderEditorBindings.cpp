// SPDX-License-Identifier: GPL-3.0-or-later
// The page's handle on drawing in the ladder diagram: WebLadderEditor bound with embind, made
// from the page's WebSession.

#include "WebLadderEditor.h"

#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(rungbox_ladder_editor) {
    using rungbox::wasm::WebLadderEditor;
    using rungbox::wasm::WebSession;
    emscripten::class_<WebLadderEditor>("WebLadderEditor")
        .constructor<WebSession&>()
        .function("active", &WebLadderEditor::active)
        .function("key", &WebLadderEditor::key)
        .function("use", &WebLadderEditor::use)
        .function("openAddress", &WebLadderEditor::openAddress)
        .function("confirmAddress", &WebLadderEditor::confirmAddress)
        .function("cancelAddress", &WebLadderEditor::cancelAddress)
        .function("undo", &WebLadderEditor::undo)
        .function("redo", &WebLadderEditor::redo)
        .function("copyRung", &WebLadderEditor::copyRung)
        .function("pasteRungs", &WebLadderEditor::pasteRungs)
        .function("moveRung", &WebLadderEditor::moveRung)
        .function("deleteRung", &WebLadderEditor::deleteRung)
        .function("clickLine", &WebLadderEditor::clickLine)
        .function("focus", &WebLadderEditor::focus)
        .function("state", &WebLadderEditor::state)
        .class_function("toolsJson", &WebLadderEditor::toolsJson);
}
