#pragma once

#include "core/document/ChunkedArray.h"
#include "core/document/LineTable.h"

#include <cstdint>
#include <map>
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

// The operation log: entries are only appended, and emptied by New. A command over a million
// rows logs a million entries, and a user may run many, so an entry is kept in a few bytes:
// each is encoded against the one before it (row one further, same word, same kind of text is
// the common case and takes one byte), and a text that is a file's line as read, or its end,
// maybe after a short prefix such as the comment sign, refers to that line instead of copying it. The log
// keeps such lines alive even after another file was opened. Entries are decoded from a
// checkpoint every kStride entries, so reading any one costs a few dozen steps.
class OperationLog {
public:
    OperationLog();
    ~OperationLog();
    OperationLog(const OperationLog&) = delete;
    OperationLog& operator=(const OperationLog&) = delete;

    void add(int row, std::string_view word, std::string_view text) { add(row, word, {}, text); }
    // A note longer than kMaxNote bytes is refused (std::length_error): notes are short marks.
    void add(int row, std::string_view word, std::string_view note, std::string_view text);
    // The same entry with the text prefix + lines.text(line) less its first `skip` bytes, kept
    // without copying the line. A prefix longer than kMaxPrefix is refused (std::length_error).
    void addLine(int row, std::string_view word, std::string_view note, std::string_view prefix, const LineTable& lines,
                 size_t line, size_t skip = 0);
    static constexpr size_t kMaxNote = 0xFFFF;
    static constexpr size_t kMaxPrefix = 16;
    void clear();
    size_t size() const { return m_size; }
    LogEntry entry(size_t i) const;
    // The entry's row number as written minus one (kLogMarker, kLogSummary, or a row).
    int row(size_t i) const;
    // Bytes the log itself holds; the lines it shares with a document are not counted.
    size_t memoryBytes() const;

private:
    struct Encoder;
    struct Decoded;
    struct State {
        std::int64_t row = 0;
        std::uint64_t line = 0;
        std::uint32_t label = 0;
        std::uint32_t prefix = 0;
        std::uint32_t source = 0;
        std::uint32_t skip = 0;
    };
    struct Checkpoint {
        std::uint32_t block;
        std::uint32_t offset;
        State state;
    };
    struct Block {
        std::unique_ptr<char[]> bytes;
        size_t capacity = 0;
        size_t used = 0;
    };
    static constexpr size_t kStride = 64;
    static constexpr size_t kBlockBytes = size_t{1} << 20;

    // Interns a short text in a table of them; the last one found is remembered, since a command
    // writes the same word for every row.
    class Names {
    public:
        std::uint32_t id(std::string_view name);
        std::string_view name(std::uint32_t id) const { return *m_names[id]; }
        void clear();
        size_t memoryBytes() const;

    private:
        std::map<std::string, std::uint32_t, std::less<>> m_ids;
        std::vector<const std::string*> m_names;
        std::uint32_t m_last = UINT32_MAX;
    };

    std::uint32_t labelOf(std::string_view word, std::string_view note);
    std::uint32_t sourceOf(const LineTable& lines);
    // Room for `bytes` more at the end of the last block, which may be a new one.
    char* reserve(size_t bytes);
    void append(const State& next, int kind, std::string_view text, char* out);
    Decoded decode(size_t i) const;

    std::vector<Block> m_blocks;
    ChunkedArray<Checkpoint> m_checkpoints;
    State m_state;  // the last entry's
    size_t m_size = 0;
    Names m_labels;  // word, then a 0 byte, then the note
    Names m_prefixes;
    std::vector<LineTable> m_sources;
    std::string m_key;  // reused for label keys
};

}  // namespace vq
