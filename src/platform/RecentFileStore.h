// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The port through which the list of recently used program files is remembered between
// sessions. The window keeps it in the user's settings; without a store the list lives only as
// long as the session.

#include <string>
#include <vector>

namespace rungbox::platform {

class RecentFileStore {
public:
    virtual ~RecentFileStore() = default;
    /// The remembered paths, most recent first; empty when none were remembered.
    virtual std::vector<std::string> readRecentFiles() = 0;
    /// Remembers `paths` (most recent first) in place of what was remembered.
    virtual void writeRecentFiles(const std::vector<std::string>& paths) = 0;
};

} // namespace rungbox::platform
