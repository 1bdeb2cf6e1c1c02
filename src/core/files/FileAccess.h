#pragma once

// Reading and writing whole files as bytes. Errors come back as texts ready for a
// message box: `Cannot open file "PATH". <reason>` or `Cannot write file "PATH". <reason>`.

#include <cstdint>
#include <string>
#include <string_view>

namespace vq {

struct ReadResult {
    bool ok = false;
    std::string bytes;
    std::string error;
};

struct SizeResult {
    bool ok = false;
    std::uint64_t size = 0;
    std::string error;
};

struct WriteResult {
    bool ok = false;
    std::string error;
};

// A regular file (following links); folders, devices and missing paths give false.
bool IsExistingFile(const std::string& path);

// Opens the file for reading, so an unreadable file is reported here already.
// Folders, devices and fifos are refused.
SizeResult QueryFileSize(const std::string& path);

// The whole file as bytes, no conversion.
ReadResult ReadWholeFile(const std::string& path);

// Replaces the file's content without ever leaving it half written: the bytes go to a
// temporary file beside it, which then takes the file's place. A symbolic link stays a
// link and its final target is replaced; a file with several hard links is copied into
// in place, but only after the new content is safely on disk. On failure the old file is
// unchanged and no temporary file is left.
WriteResult WriteFileSafely(const std::string& path, std::string_view bytes);

}  // namespace vq
