#pragma once

// The command line's exit statuses: 0 done, 1 the file could not be read or the output not
// written, 2 a usage error or a missing file.

namespace vq::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
// A reader that closed the pipe ends the program as it ends cat: by SIGPIPE, which a shell shows
// as this status; the same status without the signal when the signal is blocked.
inline constexpr int kExitClosedPipe = 141;

}  // namespace vq::cli
