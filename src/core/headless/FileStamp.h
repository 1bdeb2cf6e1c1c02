#pragma once

// What a file was when it was read, so that an edit can tell right before it writes whether
// another program changed the file since: the bytes of another program are never written over.

#include <span>
#include <string>
#include <string_view>

#include <sys/stat.h>

namespace vq {

struct FileStamp {
    bool known = false;
    struct stat st {};
};

// The status of the file the path leads to (links followed), taken before it is read.
FileStamp StampOf(const std::string& path);

// True when the file still holds `bytes`, the bytes read after `stamp` was taken: at once when
// device, inode, size, modification and change times are the same; otherwise by reading the
// file again and comparing (a touch or a change of owner alone is no change).
bool StillHolds(const std::string& path, const FileStamp& stamp, std::span<const std::string_view> bytes);

}  // namespace vq
