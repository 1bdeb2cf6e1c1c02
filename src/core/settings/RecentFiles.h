#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vq {

// The recent-file list, most recent first, each path once (compared exactly: file names are
// case-sensitive). Paths are absolute; the caller makes them so.
// It holds at most RecentCount entries after each AddRecentFile and never more than the ten the
// submenu can offer, whatever a hand-edited settings file says.
class RecentFiles {
public:
    static constexpr int kMaxRecent = 10;

    // Moves a path already listed to the front, or puts the new path there; then trims.
    void AddRecentFile(std::string_view path);
    // Drops entries from the end while there are more than RecentCount (and more than ten).
    void TrimRecentFiles();

    // RecentCount as set; the list is trimmed to it only at the next add or trim.
    void setCount(int count) { m_count = count; }
    int count() const { return m_count; }

    const std::vector<std::string>& paths() const { return m_paths; }
    size_t size() const { return m_paths.size(); }
    // Replaces the list, as read from the settings file: each path once, the first ten kept.
    void assign(std::vector<std::string> paths);
    void remove(size_t i);
    void clear() { m_paths.clear(); }

private:
    size_t limit() const;

    std::vector<std::string> m_paths;
    int m_count = 5;
};

}  // namespace vq
