#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// Row values with a meaning of their own.
inline constexpr int kLogMarker = -1;   // written as (0): operation start and end
inline constexpr int kLogSummary = -2;  // written as (-1): a formatted summary

// One entry: "(" r+1 ")" word [": " note text]. The head ("(n)word") and the note (a mark of
// the program's own, such as "<<操作开始>>" or "<<删除>>") are program text (UTF-8); the text is a
// line of the document, in the document's own bytes. They are kept apart so each can be shown in
// its own encoding.
struct LogEntry {
    std::string head;
    std::string note;
    std::string text;  // note and text are both empty when the entry has no ": " part

    std::string full() const { return note.empty() && text.empty() ? head : head + ": " + note + text; }
};

// Builds the entry AddLogEntry appends. The ": " part is left out when note and text together
// are blank.
LogEntry MakeLogEntry(int row, std::string_view word, std::string_view text);
LogEntry MakeLogEntry(int row, std::string_view word, std::string_view note, std::string_view text);

// The row an entry leads back to: its number minus one; -2 for anything without a number.
int RowOfLogEntry(std::string_view entry);

// An entry as the log holds it; the views are valid until the log changes.
struct LogEntryView {
    std::string_view head;
    std::string_view note;
    std::string_view text;

    std::string full() const {
        std::string out(head);
        if (!note.empty() || !text.empty())
            out.append(": ").append(note).append(text);
        return out;
    }
};

// The operation log: entries are only appended, and emptied by New. All entries share one block
// of bytes, so a command that logs a million rows makes no million small strings.
class OperationLog {
public:
    void add(int row, std::string_view word, std::string_view text) { add(row, word, {}, text); }
    // A note longer than kMaxNote bytes is refused (std::length_error): notes are short marks.
    void add(int row, std::string_view word, std::string_view note, std::string_view text);
    static constexpr size_t kMaxNote = 0xFFFF;
    void clear();
    size_t size() const { return m_entries.size(); }
    LogEntryView entry(size_t i) const {
        const Entry& e = m_entries[i];
        const std::string_view all(m_bytes);
        const size_t begin = e.begin;
        return {all.substr(begin, e.headLength), all.substr(begin + e.headLength, e.noteLength),
                all.substr(begin + e.headLength + e.noteLength, e.textLength)};
    }
    size_t memoryBytes() const { return m_bytes.capacity() + m_entries.capacity() * sizeof(Entry); }

private:
    // Head, note and text lie one after the other in m_bytes; sixteen bytes an entry.
    struct Entry {
        std::uint64_t begin : 48;
        std::uint64_t noteLength : 16;
        std::uint32_t headLength;
        std::uint32_t textLength;
    };
    std::string m_bytes;
    std::vector<Entry> m_entries;
};

}  // namespace vq
