#pragma once

// Writing a whole file without ever leaving it half written.

#include "core/files/FileError.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace vq {

struct WriteResult {
    bool ok = false;
    FileError error;
    // Set only when the file could be neither written nor put back as it was: where its
    // whole new content is kept.
    std::string keptCopy;
};

// The in-place steps a test can make fail, as a failing device or a full disk would.
enum class InPlaceStep { Write, PutBack };
// Returns the errno a step fails with, or 0 to let it run.
using WriteFault = std::function<int(InPlaceStep)>;

// Replaces the file's content and keeps everything else of it: owner, group, mode, access
// list and extended attributes. A symbolic link stays a link and its final target is
// written.
//
// The bytes go to a temporary file beside the file, are synced, and the temporary file
// takes the file's place by a rename. Where a rename cannot keep the file as it was (it has
// several hard links, belongs to another user, has a group or attribute the saver cannot
// give) or cannot be made (the folder is not writable, a sticky folder, a mount point), the
// file is written in place instead, but only after the whole new content is synced in a
// safe copy beside it or in the temporary folder. A failed in-place write puts the old
// bytes back; if even that fails the safe copy stays and the result says where.
//
// On failure the old file is as it was and no temporary file is left. A file-size limit
// (SIGXFSZ) makes the write fail with EFBIG instead of ending the program.
WriteResult WriteFileSafely(const std::string& path, std::string_view bytes, const WriteFault& fault = {});
// The same for a content given as pieces to be written one after the other (a large file of
// which few lines changed is written from its own buffer, without a copy).
WriteResult WriteFileSafely(const std::string& path, std::span<const std::string_view> pieces,
                            const WriteFault& fault = {});

}  // namespace vq
