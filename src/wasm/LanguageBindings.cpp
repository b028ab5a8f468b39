// SPDX-License-Identifier: GPL-3.0-or-later
// The languages the page offers and the rule that picks one for the browser's locale, bound
// with embind: the page's language menu and its first choice come from the same table as the
// window's.

#include "Json.h"
#include "l10n/Languages.h"

#include <emscripten/bind.h>

#include <string>

namespace {

// [{"code", "endonym"}], English first; endonyms escaped to ASCII (strings cross as bytes).
std::string languagesJson() {
    std::string out = "[";
    for (const rungbox::l10n::Language& language : rungbox::l10n::languages()) {
        out += out.size() > 1 ? ",{\"code\":" : "{\"code\":";
        rungbox::wasm::appendJsonString(out, language.code);
        out += ",\"endonym\":";
        rungbox::wasm::appendJsonString(out, language.endonym);
        out += '}';
    }
    return out + "]";
}

// The code of the language that best fits the locale tag `tag` ("de-AT"), or "" for none.
std::string bestLanguage(const std::string& tag) {
    const rungbox::l10n::Language* language = rungbox::l10n::bestLanguage(tag);
    return language != nullptr ? language->code : "";
}

} // namespace

EMSCRIPTEN_BINDINGS(rungbox_languages) {
    emscripten::function("languagesJson", &languagesJson);
    emscripten::function("bestLanguage", &bestLanguage);
}
