#include "core/settings/RecentFiles.h"

#include <algorithm>

namespace vq {

void RecentFiles::AddRecentFile(std::string_view path) {
    // File names are case-sensitive: "/a.ini" and "/A.ini" are two files.
    auto it = std::find(m_paths.begin(), m_paths.end(), path);
    if (it != m_paths.end())
        std::rotate(m_paths.begin(), it, it + 1);
    else
        m_paths.insert(m_paths.begin(), std::string(path));
    TrimRecentFiles();
}

size_t RecentFiles::limit() const { return static_cast<size_t>(std::clamp(m_count, 0, kMaxRecent)); }

void RecentFiles::TrimRecentFiles() {
    if (m_paths.size() > limit())
        m_paths.resize(limit());
}

void RecentFiles::assign(std::vector<std::string> paths) {
    m_paths.clear();
    for (std::string& path : paths)  // a hand-edited list may name a file twice
        if (std::find(m_paths.begin(), m_paths.end(), path) == m_paths.end())
            m_paths.push_back(std::move(path));
    if (m_paths.size() > static_cast<size_t>(kMaxRecent))
        m_paths.resize(kMaxRecent);
}

void RecentFiles::remove(size_t i) {
    if (i < m_paths.size())
        m_paths.erase(m_paths.begin() + static_cast<std::ptrdiff_t>(i));
}

}  // namespace vq
