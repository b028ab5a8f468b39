// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Message boxes as rungbox-sim shows them: one line of text on standard output per box, answered
// at once without anyone to click.

#include "platform/Platform.h"

#include <ostream>
#include <string>
#include <string_view>

namespace rungbox::sim {

class ConsoleBoxes : public platform::MessageBoxes {
public:
    /// Writes to `out`, which must outlive this object.
    explicit ConsoleBoxes(std::ostream& out) : m_out(out) {}

    /// Prints `message [TITLE]: TEXT` and a line end. Answers OK to a box with an OK button
    /// only, and No to a question: no script can answer one, and No leaves files as they are.
    /// The texts are printed in English, whatever the user's language: scripts read them.
    using platform::MessageBoxes::show;
    platform::BoxAnswer show(const l10n::Text& text, platform::BoxStyle style,
                             const l10n::Text& title) override;

    /// The line printed for a box, without its line end: each line break inside `text` (CR LF,
    /// a lone CR or a lone LF) becomes " / ", so that one box is always one line.
    static std::string format(std::string_view text, std::string_view title);

    /// The text of the last box shown (its lines joined as format() joins them), empty before.
    const std::string& lastText() const { return m_lastText; }

private:
    std::ostream& m_out;
    std::string m_lastText;
};

} // namespace rungbox::sim
