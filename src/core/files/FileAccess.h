#pragma once

// Reading whole files as bytes. Errors come back as kinds; FileErrorText words them.

#include "core/files/FileError.h"
#include "core/files/FileHandle.h"
#include "core/files/KnownFile.h"
#include "core/text/ByteBuffer.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

#include <sys/stat.h>

namespace vq {

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

struct BytesResult {
    bool ok = false;
    bool cancelled = false;
    ByteBuffer bytes;
    FileError error;
    // The file that was read: its status before the read and the links on its way; the hash of
    // the bytes is the reader's to add, in its own pass over them.
    KnownFile file;
};

// What a path may name besides a regular file.
enum class Streams {
    Refused,    // only regular files (the window: a read that waits for a writer cannot be cancelled)
    ReadToEnd,  // fifos and terminals too, read to their end as cat reads them (the command line)
};

// A regular file opened for reading at the end of a walk that followed every link it was allowed
// to (PathWalk.h): another user's link in a sticky shared folder is refused. With what is known
// of it once read: its status just before the read and the links on its way.
struct OpenedFile {
    FileHandle handle;
    struct stat st {};
    FileError error;
    KnownFile known;
};
OpenedFile OpenWalkedFile(const std::string& path);

// The whole file into a buffer that is not zero-filled first, read in large pieces so that a
// set `cancel` flag stops it between two of them. The path is walked as OpenWalkedFile walks
// it. A file larger than `maxBytes` is refused (as EFBIG) before anything is read, and so is one
// that grows past it while it is read.
BytesResult ReadFileBytes(const std::string& path, std::uint64_t maxBytes, const std::atomic<bool>* cancel = nullptr,
                          Streams streams = Streams::Refused);

// The same for a descriptor that is open already (standard input), from where it stands: a
// pipe, a terminal or a file. Nothing is known of it for a save (`file`), as of a stream named
// by its path: neither is written back.
BytesResult ReadDescriptorBytes(int fd, std::uint64_t maxBytes);

}  // namespace vq
