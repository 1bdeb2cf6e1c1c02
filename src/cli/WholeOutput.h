#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <sys/types.h>

namespace vq::cli {

// Standard output as a command writes it, in one piece or in several: all of it, or, when it is
// a regular file, nothing. Into a pipe or a terminal the bytes simply go. A regular file is
// written where its descriptor stands (at its end when opened for appending); the old bytes a
// piece would cover are read and kept before the piece is written, and when a write fails the
// file is put back as it was before the first one: its old bytes where they were, its old size,
// the descriptor's position. A file whose old bytes cannot be read back is not written at all.
class WholeOutput {
public:
    explicit WholeOutput(int fd);

    // Writes every byte, going on after short writes. Returns 0 or the errno of the failure;
    // a regular file has then been put back (see restored()).
    int write(std::string_view bytes);
    // Puts a regular file back as it was before the first write, also when a later step of the
    // command fails after output was written. True when the file is as it was.
    bool restore();
    // False only when a regular file could not be put back after a failure.
    bool restored() const { return m_restored; }

private:
    // Keeps the old bytes from where the kept ones end up to `end`; 0 or errno.
    int keepOldBytes(off_t end);

    int m_fd;
    bool m_regular = false;  // a regular file, positioned, so it can be put back
    off_t m_start = 0;       // where the first byte goes
    off_t m_oldSize = 0;
    std::uint64_t m_written = 0;
    std::string m_oldBytes;  // the file's bytes from m_start on that were written over
    bool m_restored = true;
};

}  // namespace vq::cli
