#pragma once

// Writing whole files as bytes without ever leaving them half written.

#include <string>
#include <string_view>

namespace vq {

struct WriteResult {
    bool ok = false;
    std::string error;
};

// Replaces the file's content without ever leaving it half written: the bytes go to a
// temporary file beside it, which then takes the file's place. A symbolic link stays a
// link and its final target is replaced; a file with several hard links is copied into
// in place, but only after the new content is safely on disk. On failure the old file is
// unchanged and no temporary file is left.
WriteResult WriteFileSafely(const std::string& path, std::string_view bytes);

}  // namespace vq
