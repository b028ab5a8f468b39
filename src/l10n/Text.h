// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rungbox::l10n {

/// One message of the core as the catalogues know it: `context` and `english` are what a
/// translator sees, `id` a stable name that tells apart two messages with the same English.
/// `english` may hold the placeholders %1 to %9. All three are string literals with static
/// storage.
struct Message {
    const char* context;
    const char* english;
    const char* id;
};

/// A message with its arguments, ready for a front end to show in the user's language. The
/// arguments fill %1, %2, ... in order and are never translated (line numbers, addresses, file
/// names). A text without a message is empty.
struct Text {
    const Message* message = nullptr;
    std::vector<std::string> args;

    /// True for the empty text.
    bool empty() const { return message == nullptr; }
};

/// Fills %1 to %9 in `pattern` with `args` (a placeholder without its argument is kept as it
/// stands, and "%%" is not special: the core's texts never need a literal "%1").
std::string fill(std::string_view pattern, const std::vector<std::string>& args);

/// The text in English, as rungbox-sim prints it and as every front end showed it before it
/// was translated.
std::string english(const Text& text);

/// A text that is shown as it stands in every language: a file's name, a report, a message that
/// came from outside.
Text verbatim(std::string text);

/// Builds a text of `message` with its arguments.
template <typename... Args> Text text(const Message& message, Args&&... args) {
    return Text{&message, {std::string(std::forward<Args>(args))...}};
}

} // namespace rungbox::l10n
