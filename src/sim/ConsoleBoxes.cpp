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

platform::BoxAnswer ConsoleBoxes::show(std::string_view text, platform::BoxStyle style,
                                       std::string_view title) {
    m_out << format(text, title) << '\n';
    return style.buttons == platform::BoxButtons::Ok ? platform::BoxAnswer::Ok
                                                     : platform::BoxAnswer::No;
}

} // namespace rungbox::sim
