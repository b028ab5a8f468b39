// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConsoleBoxes.h"

namespace rungbox::sim {

std::string ConsoleBoxes::format(std::string_view text, std::string_view title) {
    std::string line = "message [";
    line += title;
    line += "]: ";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            line += " / ";
        } else if (c == '\n') {
            line += " / ";
        } else {
            line += c;
        }
    }
    return line;
}

platform::BoxAnswer ConsoleBoxes::show(const l10n::Text& text, platform::BoxStyle style,
                                       const l10n::Text& title) {
    const std::string titleText = l10n::english(title);
    const std::string line = format(l10n::english(text), titleText);
    m_out << line << '\n';
    m_lastText = line.substr(format({}, titleText).size());
    return style.buttons == platform::BoxButtons::Ok ? platform::BoxAnswer::Ok
                                                     : platform::BoxAnswer::No;
}

} // namespace rungbox::sim
