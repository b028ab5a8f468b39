// SPDX-License-Identifier: GPL-3.0-or-later
// The page's handle on the names table (View > Names, the names' tooltips), bound with embind.

#include "SavedFileValue.h"
#include "WebNames.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace {

using rungbox::wasm::WebNames;

// The names file the last save wrote as {name, bytes (a copy)}, or null.
emscripten::val takeSavedNames(WebNames& names) {
    return rungbox::wasm::savedFileValue(names.takeSaved());
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
