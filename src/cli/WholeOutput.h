#pragma once

#include <string_view>

namespace vq::cli {

// Writes every byte to the descriptor (a pipe, a terminal, a file), going on after short
// writes. Returns 0 or the errno of the failure. The output is made whole in memory before, so
// nothing is written for a run that fails earlier; when a write fails part-way into a regular
// file that was being written at its end, the file is cut back to where it ended before.
int WriteWhole(int fd, std::string_view bytes);

// The same for output written piece by piece: when a write fails, a regular file that was being
// written at its end is cut back to where it ended before the first piece.
class PieceOutput {
public:
    explicit PieceOutput(int fd);
    // Returns 0 or the errno of the failure; nothing more is written after one.
    int write(std::string_view bytes);

private:
    int m_fd;
    long long m_start;  // where the file is cut back to; -1 when it is not
    bool m_written = false;
    int m_error = 0;
};

}  // namespace vq::cli
