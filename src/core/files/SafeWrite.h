#pragma once

// Writing a whole file without ever leaving it half written, and without writing through a path
// that leads elsewhere than it did, or over changes someone else made.

#include "core/files/FileError.h"
#include "core/files/KnownFile.h"

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
    std::string keptCopy{};
    // After a write: the file as it now is, to check it against later (SaveKnownFile).
    KnownFile written{};
};

// The in-place steps a test can make fail, as a failing device or a full disk would.
enum class InPlaceStep { Write, PutBack };
// Returns the errno a step fails with, or 0 to let it run.
using WriteFault = std::function<int(InPlaceStep)>;

// Replaces the file's content and keeps everything else of it: owner, group, mode, access
// list and extended attributes. A symbolic link stays a link and its final target is
// written.
//
// The path is opened name by name without following links by itself (PathWalk.h), and every
// step of the write works in the folder so found: a link is followed only after it is checked,
// and nothing that replaces a name on the way meanwhile is written through. Another user's link
// in a sticky folder anyone may write to is refused, as the kernel's protected_symlinks does.
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

enum class SaveCheck {
    IfUnchanged,  // refuse (ChangedOnDisk) when the file holds other bytes than `known` says
    Overwrite,    // the user has seen the change and writes over it
};

// Saving a file that was read (or written) before, as WriteFileSafely, with what is known of it
// (`known`, from the read or from the last write's `written`):
// - the path must go through the same links as then, each pointing where it did (LinkAdded,
//   LinkChanged), and the sticky-folder rule holds as above;
// - with IfUnchanged, a file that holds other bytes now is not written (ChangedOnDisk), checked
//   on the file the write then goes to; a touch that kept the bytes is no change;
// - a file that was deleted or moved away is written anew at its path.
// A `known` without a file (known false) checks nothing more than WriteFileSafely.
WriteResult SaveKnownFile(const std::string& path, std::string_view bytes, const KnownFile& known, SaveCheck check,
                          const WriteFault& fault = {});
// The same with the content as pieces, as WriteFileSafely takes them.
WriteResult SaveKnownFile(const std::string& path, std::span<const std::string_view> pieces, const KnownFile& known,
                          SaveCheck check, const WriteFault& fault = {});

}  // namespace vq
