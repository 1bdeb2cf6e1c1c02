#pragma once

// A document's file at the file boundary: read into the bytes the program works on, written
// back in the file's own form.

#include "core/files/SafeWrite.h"
#include "core/text/Utf16Text.h"

#include <string>
#include <string_view>

namespace vq {

// Writes what the program worked on back in the file's form, safely. Text that cannot be put
// into that form fails with FileProblem::NotEncodable and leaves the file alone.
WriteResult WriteTextFile(const std::string& path, std::string_view shown, FileForm form);

// The same over a file that was read before, checked against what is known of it (SaveKnownFile).
WriteResult SaveTextFile(const std::string& path, std::string_view shown, FileForm form, const KnownFile& known,
                         SaveCheck check);

}  // namespace vq
