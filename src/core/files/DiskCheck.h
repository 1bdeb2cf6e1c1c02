#pragma once

// Whether the file on disk is still the one a document read or last wrote.

#include "core/files/KnownFile.h"

#include <cstdint>
#include <string>

namespace vq {

enum class DiskState {
    Same,     // the same bytes (a touch or a copy of the same bytes put in its place included)
    Changed,  // other bytes, something that is not a file, or the path leads elsewhere now
    Missing,  // deleted or moved away
};

// Checks the file at `path` against what is known of it. The stamp alone decides when it is
// the same and not racy; otherwise the bytes are read and their hash compared. When the bytes
// are the same, `known` takes the new stamp, so the next check is a stat again.
DiskState CheckKnownFile(const std::string& path, KnownFile& known);

struct WalkedPath;
// The same for a path already walked to an existing file.
DiskState CompareWalkedFile(const WalkedPath& walked, KnownFile& known);

// The hash of everything the open file holds, read from its start. Returns 0 or errno.
int HashOpenFile(int fd, std::uint64_t& hash);

}  // namespace vq
