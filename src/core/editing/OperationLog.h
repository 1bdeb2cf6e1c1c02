#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vq {

// Row values with a meaning of their own.
inline constexpr int kLogMarker = -1;   // written as (0): operation start and end
inline constexpr int kLogSummary = -2;  // written as (-1): a formatted summary

// One entry: "(" r+1 ")" word [": " text]. The head ("(n)word") is program text (UTF-8);
// the text is a line of the document, in the document's own bytes. They are kept apart so each
// can be shown in its own encoding.
struct LogEntry {
    std::string head;
    std::string text;  // empty when the entry has no ": " part

    std::string full() const { return text.empty() ? head : head + ": " + text; }
};

// Builds the entry AddLogEntry appends.
LogEntry MakeLogEntry(int row, std::string_view word, std::string_view text);

// The row an entry leads back to: its number minus one; -2 for anything without a number.
int RowOfLogEntry(std::string_view entry);

// The operation log: entries are only appended, and emptied by New.
class OperationLog {
public:
    void add(int row, std::string_view word, std::string_view text) { m_entries.push_back(MakeLogEntry(row, word, text)); }
    void clear() { m_entries.clear(); }
    size_t size() const { return m_entries.size(); }
    const LogEntry& entry(size_t i) const { return m_entries[i]; }

private:
    std::vector<LogEntry> m_entries;
};

}  // namespace vq
