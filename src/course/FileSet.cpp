// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileSet.h"

namespace rungbox::course {

namespace {

bool isSafeSegment(std::string_view segment) {
    if (segment.empty() || segment.front() == '.') {
        return false;
    }
    for (const char c : segment) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                        c == '.' || c == '_' || c == '-';
        if (!ok) {
            return false;
        }
    }
    return true;
}

} // namespace

bool isSafePath(std::string_view path) {
    if (path.empty() || path.size() > kMaxPathBytes) {
        return false;
    }
    int depth = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = path.find('/', start);
        const std::string_view segment =
            path.substr(start, slash == std::string_view::npos ? path.size() - start : slash - start);
        if (!isSafeSegment(segment) || ++depth > kMaxPathDepth) {
            return false;
        }
        if (slash == std::string_view::npos) {
            return true;
        }
        start = slash + 1;
    }
}

bool FileSet::add(std::string path, std::string bytes, std::string* why) {
    const auto refuse = [why](const char* reason) {
        if (why != nullptr) {
            *why = reason;
        }
        return false;
    };
    if (!isSafePath(path)) {
        return refuse("not a path inside the pack");
    }
    if (contains(path)) {
        return refuse("given twice");
    }
    if (bytes.size() > kMaxFileBytes) {
        return refuse("larger than a pack's file may be");
    }
    if (m_files.size() >= kMaxFiles || m_total + bytes.size() > kMaxTotalBytes) {
        return refuse("more than a pack may hold");
    }
    m_total += bytes.size();
    m_files.emplace(std::move(path), std::move(bytes));
    return true;
}

const std::string* FileSet::find(std::string_view path) const {
    const auto found = m_files.find(path);
    return found == m_files.end() ? nullptr : &found->second;
}

bool FileSet::remove(std::string_view path) {
    const auto found = m_files.find(path);
    if (found == m_files.end()) {
        return false;
    }
    m_total -= found->second.size();
    m_files.erase(found);
    return true;
}

} // namespace rungbox::course
