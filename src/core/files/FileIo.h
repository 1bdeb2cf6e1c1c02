#pragma once

// Small file-system steps shared by the writing code. Each returns 0 or an errno.

#include <string>
#include <string_view>

#include <sys/types.h>

namespace vq {

// Writes every byte at `offset`, going on after short writes.
int WriteAllAt(int fd, std::string_view bytes, off_t offset);

// The whole file from its start, whatever the file offset.
int ReadAllFromStart(int fd, std::string& out);

// Best effort: makes a rename or unlink in the open folder survive a power loss.
void SyncFolder(int folderFd);

}  // namespace vq
