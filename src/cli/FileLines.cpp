#include "cli/FileLines.h"

#include "core/files/FileIo.h"

#include <algorithm>
#include <cstring>

namespace vq::cli {

FileLines::FileLines(int fd, size_t piece) : m_fd(fd), m_piece(std::max<size_t>(piece, 4)) {}

int FileLines::start() {
    Buffer& first = m_buffers[0];
    first.bytes = std::make_unique_for_overwrite<char[]>(m_piece);
    first.size = m_piece;
    readInto(first, 0);
    m_head = std::string_view(first.bytes.get(), static_cast<size_t>(m_cursor.end() - first.bytes.get()));
    return m_error;
}

bool FileLines::next(std::string_view& text, bool& hasBreak, LineBreak& lineBreak) {
    for (;;) {
        const char* at = m_cursor.position();
        if (m_cursor.next(text, hasBreak, lineBreak)) {
            if (hasBreak || m_ended)
                return true;
        } else if (m_ended) {
            return false;
        }
        if (!refill(at))
            return false;
    }
}

bool FileLines::refill(const char* unfinished) {
    Buffer& current = m_buffers[m_current];
    const size_t kept = static_cast<size_t>(m_cursor.end() - unfinished);
    if (unfinished == current.bytes.get()) {
        // The buffer holds nothing but the start of one line: it moves to a larger one. No line
        // was given from it, so nothing points into it.
        Buffer larger{std::make_unique_for_overwrite<char[]>(2 * current.size), 2 * current.size};
        std::memcpy(larger.bytes.get(), unfinished, kept);
        current = std::move(larger);
        return readInto(current, kept);
    }
    // The next buffer last gave lines before those of the other two, each of which gave one
    // line at least: the lines in it are three or more before the one being read.
    m_current = (m_current + 1) % 3;
    Buffer& next = m_buffers[m_current];
    const size_t wanted = std::max(m_piece, 2 * kept);
    if (next.size < wanted)
        next = Buffer{std::make_unique_for_overwrite<char[]>(wanted), wanted};
    if (kept > 0)
        std::memmove(next.bytes.get(), unfinished, kept);
    return readInto(next, kept);
}

bool FileLines::readInto(Buffer& buffer, size_t kept) {
    const size_t room = buffer.size - kept;
    const ReadCount n = ReadFully(m_fd, buffer.bytes.get() + kept, room);
    if (n.error != 0) {
        m_error = n.error;
        m_ended = true;
        m_cursor = LineCursor(std::string_view{});
        return false;
    }
    m_ended = n.bytes < room;
    m_cursor = LineCursor(std::string_view(buffer.bytes.get(), kept + n.bytes));
    return true;
}

}  // namespace vq::cli
