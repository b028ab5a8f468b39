// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The File menu's list of recently loaded or saved program files.

#include "platform/RecentFileStore.h"

#include <cstddef>
#include <string>
#include <vector>

namespace rungbox::files {

/// The last files loaded or saved, most recent first, each path once. Every change is written
/// to the store, when there is one.
class RecentFiles {
public:
    /// Files the menu lists: as many as fit a short menu section and a user remembers.
    static constexpr std::size_t kMaxFiles = 5;

    /// Takes the list remembered in `store` (nullptr: start empty, remember nothing). The store
    /// is not owned and must outlive this list or be replaced. A remembered list longer than
    /// kMaxFiles, or with a path twice or empty, is cut down to what add() would have made.
    void setStore(platform::RecentFileStore* store);

    /// The paths, most recent first; at most kMaxFiles.
    const std::vector<std::string>& paths() const { return m_paths; }

    /// `path` was loaded or saved: it goes to the top of the list (moving there if it was
    /// listed already); the oldest falls off a full list.
    void add(const std::string& path);
    /// `path` leaves the list (a file that no longer exists). Nothing happens when not listed.
    void remove(const std::string& path);

private:
    void store();

    std::vector<std::string> m_paths;
    platform::RecentFileStore* m_store = nullptr;
};

} // namespace rungbox::files
