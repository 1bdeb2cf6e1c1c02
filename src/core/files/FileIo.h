#pragma once

// Small file-system steps shared by the writing code. Each returns 0 or an errno.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include <sys/types.h>

namespace vq {

// Writes every byte at `offset`, going on after short writes.
int WriteAllAt(int fd, std::string_view bytes, off_t offset);

struct ReadCount {
    std::size_t bytes = 0;  // read before the end of the file or the error
    int error = 0;          // errno, or 0
};

// The one read loop: reads into `buffer` until `size` bytes are in or the file ends, going on
// after short reads and interruptions. Fewer bytes without an error mean the file ended. Reads
// from the file offset, or from `offset` on when it is not negative (the file offset stays).
ReadCount ReadFully(int fd, char* buffer, std::size_t size, off_t offset = -1);

// Writes the pieces one after the other from `offset`, at most `limit` bytes of them: small
// pieces are gathered into larger writes, large ones written as they are.
int WritePiecesAt(int fd, std::span<const std::string_view> pieces, off_t offset, std::size_t limit = SIZE_MAX);

std::size_t TotalSize(std::span<const std::string_view> pieces);

// The whole file from its start, whatever the file offset.
int ReadAllFromStart(int fd, std::string& out);

// Best effort: makes a rename or unlink in the open folder survive a power loss.
void SyncFolder(int folderFd);

}  // namespace vq
