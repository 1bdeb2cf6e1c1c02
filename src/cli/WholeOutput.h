#pragma once

#include <string_view>

namespace vq::cli {

// Writes every byte to the descriptor (a pipe, a terminal, a file), going on after short
// writes. Returns 0 or the errno of the failure. The output is made whole in memory before, so
// nothing is written for a run that fails earlier; when a write fails part-way into a regular
// file that was being written at its end, the file is cut back to where it ended before.
int WriteWhole(int fd, std::string_view bytes);

}  // namespace vq::cli
