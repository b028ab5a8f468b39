// SPDX-License-Identifier: GPL-3.0-or-later
// The page's handle on the names table (View > Names, the names' tooltips), bound with embind.

#include "WebNames.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace {

using rungbox::wasm::WebNames;

// The names file the last save wrote as {name, bytes (a copy)}, or null.
emscripten::val takeSavedNames(WebNames& names) {
    const auto saved = names.takeSaved();
    if (!saved) {
        return emscripten::val::null();
    }
    emscripten::val out = emscripten::val::object();
    out.set("name", saved->first);
    const emscripten::val view =
        emscripten::val(emscripten::typed_memory_view(saved->second.size(), saved->second.data()));
    out.set("bytes", emscripten::val::global("Uint8Array").new_(view));
    return out;
}

} // namespace

EMSCRIPTEN_BINDINGS(rungbox_names) {
    emscripten::class_<WebNames>("WebNames")
        .constructor<rungbox::wasm::WebSession&>()
        .function("revision", &WebNames::revision)
        .function("rows", &WebNames::rows)
        .function("setName", &WebNames::setName)
        .function("setComment", &WebNames::setComment)
        .function("addAddress", &WebNames::addAddress)
        .function("problemOf", &WebNames::problemOf)
        .function("undo", &WebNames::undo)
        .function("redo", &WebNames::redo)
        .function("canUndo", &WebNames::canUndo)
        .function("canRedo", &WebNames::canRedo)
        .function("panelTips", &WebNames::panelTips)
        .function("lineTips", &WebNames::lineTips)
        .function("takeSaved", &takeSavedNames);
}
