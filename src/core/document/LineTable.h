#pragma once

#include "core/document/ChunkedArray.h"
#include "core/text/ByteBuffer.h"
#include "core/text/TextLines.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

namespace vq {

// The file as it was read: its bytes in one buffer and where each line starts, four bytes a
// line. A line's text and its own break are found from its start and the next line's start:
// a line ends at LF or CR LF, a lone CR stays in the text, and only the last line may end
// without a break. A UTF-8 byte-order mark stays in the buffer but belongs to no line.
// Nothing here changes once the file is split.
class LineTable {
public:
    // Buffers up to this size can be addressed with four-byte offsets.
    static constexpr std::uint64_t kMaxBytes = UINT32_MAX;

    // Copies share the bytes, which never change: the operation log keeps the lines it refers to
    // alive this way after another file was opened.
    LineTable();
    LineTable(const LineTable&) = default;
    LineTable& operator=(const LineTable&) = default;

    size_t count() const { return m_s->starts.empty() ? 0 : m_s->starts.size() - 1; }
    std::string_view text(size_t k) const {
        const char* b = m_s->bytes.data() + m_s->starts[k];
        const char* e = m_s->bytes.data() + m_s->starts[k + 1];
        if (e > b && e[-1] == '\n') {
            --e;
            if (e > b && e[-1] == '\r')
                --e;
        }
        return {b, static_cast<size_t>(e - b)};
    }
    // The line's own break; a last line without one takes the document's break.
    LineBreak lineBreak(size_t k) const {
        const char* b = m_s->bytes.data() + m_s->starts[k];
        const char* e = m_s->bytes.data() + m_s->starts[k + 1];
        if (e == b || e[-1] != '\n')
            return m_s->docBreak;
        return e - 1 > b && e[-2] == '\r' ? LineBreak::CRLF : LineBreak::LF;
    }
    // The first break of the file, CR LF for a file without any.
    LineBreak docBreak() const { return m_s->docBreak; }
    // False when the file's last line has no break.
    bool endsWithBreak() const { return m_s->endsWithBreak; }
    bool hasBom() const { return m_s->hasBom; }
    // The length in bytes of the longest line's text, without its break.
    size_t longestLine() const { return m_s->longest; }
    // The bytes after any byte-order mark.
    std::string_view text() const { return m_s->bytes.view().substr(m_s->hasBom ? kUtf8Bom.size() : 0); }
    size_t memoryBytes() const { return m_s->bytes.capacity() + m_s->starts.capacityBytes(); }
    // True when both are copies of one table.
    bool sameLinesAs(const LineTable& other) const { return m_s == other.m_s; }

private:
    friend class LineSplitter;
    struct Lines {
        ByteBuffer bytes;
        ChunkedArray<std::uint32_t, 16> starts;  // one start per line, then the end of the text
        LineBreak docBreak = LineBreak::CRLF;
        bool endsWithBreak = true;
        bool hasBom = false;
        size_t longest = 0;
    };
    explicit LineTable(std::shared_ptr<Lines> lines) : m_s(std::move(lines)) {}
    // Every table made empty shares these.
    static const std::shared_ptr<Lines>& noLines();
    std::shared_ptr<Lines> m_s;
};

// Splits a buffer line by line, one line per call, so the caller can classify each line as it
// comes: the split and the analysis are one pass over the bytes.
class LineSplitter {
public:
    // Buffers larger than LineTable::kMaxBytes must be refused before.
    explicit LineSplitter(ByteBuffer bytes);

    // The next line's text, or false at the end.
    bool next(std::string_view& text) {
        const char* start = m_cursor.position();
        bool hasBreak = true;
        LineBreak lineBreak;
        if (!m_cursor.next(text, hasBreak, lineBreak))
            return false;
        m_lines->starts.push_back(static_cast<std::uint32_t>(start - m_lines->bytes.data()));
        if (!hasBreak)
            m_lines->endsWithBreak = false;
        if (text.size() > m_lines->longest)
            m_lines->longest = text.size();
        return true;
    }
    size_t linesSoFar() const { return m_lines->starts.size(); }
    // Lines left after the current one: counted only when asked, for progress texts.
    size_t countRemaining() const;
    // Ends the split; the table then holds every line.
    LineTable finish();

    // The table being made: its lines are readable once finish() was called.
    LineTable table() const { return LineTable(m_lines); }

private:
    static std::shared_ptr<LineTable::Lines> take(ByteBuffer bytes);

    std::shared_ptr<LineTable::Lines> m_lines;
    LineCursor m_cursor;
};

}  // namespace vq
