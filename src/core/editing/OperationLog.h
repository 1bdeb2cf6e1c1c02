#pragma once

#include "document/ChunkedArray.h"

#include <cstdint>
#include <memory>
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

// The operation log: entries are only appended, and emptied by New. The entries' bytes lie in
// blocks of a megabyte that never move, so a command that logs a million rows makes no million
// small strings, copies nothing as the log grows, and leaves at most one block partly unused.
class OperationLog {
public:
    OperationLog() = default;
    OperationLog(const OperationLog&) = delete;
    OperationLog& operator=(const OperationLog&) = delete;

    void add(int row, std::string_view word, std::string_view text) { add(row, word, {}, text); }
    // A note longer than kMaxNote bytes is refused (std::length_error): notes are short marks.
    void add(int row, std::string_view word, std::string_view note, std::string_view text);
    static constexpr size_t kMaxNote = 0xFFFF;
    void clear();
    size_t size() const { return m_entries.size(); }
    // The views stay valid until the log is cleared.
    LogEntryView entry(size_t i) const {
        const Entry& e = m_entries[i];
        const char* p = m_blocks[e.block].bytes.get() + e.offset;
        return {{p, e.headLength}, {p + e.headLength, e.noteLength}, {p + e.headLength + e.noteLength, e.textLength}};
    }
    size_t memoryBytes() const;

private:
    static constexpr size_t kBlockBytes = size_t{1} << 20;

    // Head, note and text lie one after the other in a block; sixteen bytes an entry.
    struct Entry {
        std::uint64_t block : 28;
        std::uint64_t offset : 20;  // an entry larger than a block has a block of its own, at 0
        std::uint64_t noteLength : 16;
        std::uint32_t headLength;
        std::uint32_t textLength;
    };
    static_assert(sizeof(Entry) == 16);
    struct Block {
        std::unique_ptr<char[]> bytes;
        size_t capacity = 0;
    };

    // Room for `bytes` more in the last block, which may be a new one.
    char* reserve(size_t bytes);

    std::vector<Block> m_blocks;
    size_t m_used = 0;  // bytes used in the last block
    ChunkedArray<Entry> m_entries;
};

}  // namespace vq
