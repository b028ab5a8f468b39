// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A file a save handed to the page, as the page's JavaScript takes it: {name, bytes} with the
// bytes copied into a Uint8Array (the core's string goes away after the call), or null when
// nothing was saved. Only the WebAssembly build's bindings include it.

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <utility>

namespace rungbox::wasm {

inline emscripten::val
savedFileValue(const std::optional<std::pair<std::string, std::string>>& saved) {
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

} // namespace rungbox::wasm
