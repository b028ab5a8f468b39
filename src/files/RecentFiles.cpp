// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecentFiles.h"

#include <algorithm>

namespace rungbox::files {

void RecentFiles::setStore(platform::RecentFileStore* store) {
    m_store = store;
    m_paths.clear();
    if (m_store == nullptr) {
        return;
    }
    const std::vector<std::string> remembered = m_store->readRecentFiles();
    // Added oldest first, so that the most recent ends on top.
    for (auto it = remembered.rbegin(); it != remembered.rend(); ++it) {
        if (!it->empty()) {
            std::erase(m_paths, *it);
            m_paths.insert(m_paths.begin(), *it);
        }
    }
    if (m_paths.size() > kMaxFiles) {
        m_paths.resize(kMaxFiles);
    }
}

void RecentFiles::add(const std::string& path) {
    if (path.empty()) {
        return;
    }
    std::erase(m_paths, path);
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > kMaxFiles) {
        m_paths.resize(kMaxFiles);
    }
    store();
}

void RecentFiles::remove(const std::string& path) {
    const auto before = m_paths.size();
    std::erase(m_paths, path);
    if (m_paths.size() != before) {
        store();
    }
}

void RecentFiles::store() {
    if (m_store != nullptr) {
        m_store->writeRecentFiles(m_paths);
    }
}

} // namespace rungbox::files
