#pragma once

// Reading whole files as bytes. Errors come back as kinds; FileErrorText words them.

#include "files/FileError.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vq {

struct ReadResult {
    bool ok = false;
    std::string bytes;
    FileError error;
};

struct SizeResult {
    bool ok = false;
    std::uint64_t size = 0;
    FileError error;
};

// A regular file (following links); folders, devices and missing paths give false.
bool IsExistingFile(const std::string& path);

// Opens the file for reading, so an unreadable file is reported here already.
// Folders, devices and fifos are refused.
SizeResult QueryFileSize(const std::string& path);

// The whole file as bytes, no conversion.
ReadResult ReadWholeFile(const std::string& path);

}  // namespace vq
