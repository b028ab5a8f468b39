// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Base64 (RFC 4648, the standard alphabet with padding): how the one-file forms of a course's
// files (a published pack, a hand-in) carry bytes that need not be text, pictures included.

#include <optional>
#include <string>
#include <string_view>

namespace rungbox::text {

/// `bytes` in base64, padded to a multiple of four characters, without line breaks.
std::string base64(std::string_view bytes);

/// The bytes `text` encodes; nothing unless `text` is canonical base64 (standard alphabet,
/// padded, no white space, unused bits zero), so that each text reads one way only.
std::optional<std::string> fromBase64(std::string_view text);

} // namespace rungbox::text
