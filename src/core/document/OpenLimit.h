#pragma once

// Whether a file can be opened at all: the line table counts bytes in 32 bits, and the whole file
// and its rows must fit in the memory the program can still get. Checked before anything of the
// current document is given up.

#include <cstdint>
#include <optional>
#include <string>

namespace vq {

// What an open of a file this large holds at its peak, about: the bytes, the line offsets, the
// rows and the tree.
inline std::uint64_t OpenMemoryNeed(std::uint64_t fileBytes) { return 2 * fileBytes; }

// Bytes the program can still allocate and really use: the system's available memory and swap,
// less the room left by the process's address-space and data limits when they are set.
std::uint64_t AllocatableBytes();

// Nothing when a file of `size` bytes can be opened with `allocatable` bytes of memory; else the
// message that says why not, with the size.
std::optional<std::string> TooLargeToOpen(const std::string& path, std::uint64_t size, std::uint64_t allocatable);

// The message for an open that ran out of memory part-way.
std::string OutOfMemoryOnOpen(const std::string& path, std::uint64_t size);

// "64.0 GB", "812.5 MB", "12.0 KB", "100 字节".
std::string ByteSizeText(std::uint64_t bytes);

}  // namespace vq
