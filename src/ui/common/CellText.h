// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Cell text where it meets Qt. Cells hold bytes (a program file may hold any byte above 127), and
// the grid shows each byte as one character: as Latin-1, so that nothing is lost or replaced
// whatever a file held.

#include <QString>

#include <string_view>

namespace rungbox::ui {

/// The characters shown for the bytes `bytes`: byte n as character U+00nn.
inline QString shownText(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace rungbox::ui
