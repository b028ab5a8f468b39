// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

namespace rungbox::l10n {

/// A language Rungbox speaks. `code` names its catalogue (translations/rungbox_<code>.ts) and is
/// a BCP 47 tag with an underscore (pt_BR, zh_CN); `endonym` is the language's name in itself, as
/// a menu of languages shows it.
struct Language {
    const char* code;
    const char* endonym;
};

/// English first (the source of every catalogue, so it has none), then the translations.
std::span<const Language> languages();

/// The language among ours that best fits `tag` ("de-AT", "pt_BR", "zh-Hans-CN", "en"): the same
/// language and region, else the same language; nullptr when none fits.
const Language* bestLanguage(std::string_view tag);

} // namespace rungbox::l10n
