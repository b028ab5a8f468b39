// SPDX-License-Identifier: GPL-3.0-or-later
#include "Text.h"

namespace rungbox::l10n {
namespace {

// The text a verbatim Text stands for is its only argument.
const Message kVerbatim{"%1", "verbatim"};

} // namespace

std::string fill(std::string_view pattern, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < args.size()) {
                out += args[index];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string english(const Text& text) {
    return text.message == nullptr ? std::string() : fill(text.message->english, text.args);
}

Text verbatim(std::string text) {
    return Text{&kVerbatim, {std::move(text)}};
}

bool isVerbatim(const Text& text) {
    return text.message == &kVerbatim;
}

} // namespace rungbox::l10n
