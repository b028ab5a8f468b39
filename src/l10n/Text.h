// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rungbox::l10n {

/// The catalogues' context of every message of the core.
inline constexpr const char* kCoreContext = "Core";

/// One message of the core as the catalogues know it: `english` is what a translator sees (it may
/// hold the placeholders %1 to %9), `id` a stable name that tells messages apart, also two with
/// the same English. Both are string literals. Messages are written
/// `constexpr Message kName = QT_TRANSLATE_NOOP3("Core", "English %1", "room.name");` (from
/// Mark.h), so that the catalogue tools collect them with their context and id.
struct Message {
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

/// True for a text made by verbatim(): a front end shows its English as it stands.
bool isVerbatim(const Text& text);

/// Builds a text of `message` with its arguments.
template <typename... Args> Text text(const Message& message, Args&&... args) {
    return Text{&message, {std::string(std::forward<Args>(args))...}};
}

} // namespace rungbox::l10n
