#pragma once

// The lines of an open file, read piece by piece into three buffers taken in turn, so that a big
// file costs no fresh memory and its bytes are split while they are still in the cache.

#include "core/text/TextLines.h"

#include <cstddef>
#include <memory>
#include <string_view>

namespace vq::cli {

class FileLines {
public:
    static constexpr size_t kPiece = size_t{128} << 10;

    // `piece` (at least 4 bytes, for the marks) is how much a buffer holds at first; a line
    // longer than that gets a larger one.
    explicit FileLines(int fd, size_t piece = kPiece);

    // Reads the first piece; 0 or the errno of the read.
    int start();
    // The bytes of the first piece, for the marks at the start of the file; they may be read over
    // once the lines go past the first piece.
    std::string_view head() const { return m_head; }
    // Leaves out the first n bytes of the head (a byte-order mark) from the lines.
    void skipHead(size_t n) { m_cursor = LineCursor(m_head.substr(n)); }

    // The next line as LineCursor gives it, or false at the end or on a read error. A line's
    // text stays where it is until the third line after it has been given: the buffer it is in
    // is only read into again once two other buffers have each given a whole line since.
    bool next(std::string_view& text, bool& hasBreak, LineBreak& lineBreak);
    // 0, or the errno of the read that ended the lines early.
    int error() const { return m_error; }

private:
    struct Buffer {
        std::unique_ptr<char[]> bytes;
        size_t size = 0;
    };
    // Carries the unfinished line at the end of the current buffer over to the start of the
    // next one (a larger one when it fills the current buffer) and reads after it.
    bool refill(const char* unfinished);
    bool readInto(Buffer& buffer, size_t kept);

    int m_fd;
    size_t m_piece;
    Buffer m_buffers[3];
    int m_current = 0;
    LineCursor m_cursor{std::string_view{}};
    std::string_view m_head;
    bool m_ended = false;  // the file's end is in the current buffer
    int m_error = 0;
};

}  // namespace vq::cli
