// SPDX-License-Identifier: GPL-3.0-or-later
#include "Languages.h"

#include <array>
#include <cctype>
#include <string>

namespace rungbox::l10n {
namespace {

// The ten catalogues are the languages of the courses Rungbox is used in; a new one is a
// translations/rungbox_<code>.ts file and a row here.
constexpr std::array<Language, 11> kLanguages{{
    {"en", "English"},
    {"es", "Español"},
    {"pt_BR", "Português (Brasil)"},
    {"fr", "Français"},
    {"de", "Deutsch"},
    {"it", "Italiano"},
    {"tr", "Türkçe"},
    {"pl", "Polski"},
    {"id", "Bahasa Indonesia"},
    {"vi", "Tiếng Việt"},
    {"zh_CN", "简体中文"},
}};

// "pt-br" and "PT_BR" both become "pt_br"; the comparison ignores case.
std::string normalized(std::string_view tag) {
    std::string out;
    for (const char c : tag) {
        out += c == '-' ? '_' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string_view languagePart(std::string_view tag) {
    return tag.substr(0, tag.find('_'));
}

// Chinese written in simplified characters: zh, zh_CN, zh_SG, zh_Hans*; traditional (zh_TW,
// zh_HK, zh_Hant*) has no catalogue here.
bool simplifiedChinese(std::string_view tag) {
    return tag == "zh" || tag == "zh_cn" || tag == "zh_sg" || tag.starts_with("zh_hans");
}

} // namespace

std::span<const Language> languages() {
    return kLanguages;
}

const Language* bestLanguage(std::string_view tag) {
    const std::string wanted = normalized(tag);
    if (wanted.starts_with("zh")) {
        return simplifiedChinese(wanted) ? &kLanguages.back() : nullptr;
    }
    for (const Language& language : kLanguages) {
        if (normalized(language.code) == wanted) {
            return &language;
        }
    }
    for (const Language& language : kLanguages) {
        if (languagePart(normalized(language.code)) == languagePart(wanted)) {
            return &language;
        }
    }
    return nullptr;
}

} // namespace rungbox::l10n
