#include "core/files/FileIo.h"

#include "core/files/FileHandle.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace vq {

int WriteAllAt(int fd, std::string_view bytes, off_t offset) {
    constexpr std::size_t kChunk = std::size_t{1} << 30;
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), std::min(bytes.size(), kChunk), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return ENOSPC;  // no progress and no error: treat as a full disk
        bytes.remove_prefix(static_cast<std::size_t>(n));
        offset += n;
    }
    return 0;
}

ReadCount ReadFully(int fd, char* buffer, std::size_t size, off_t offset) {
    ReadCount count;
    while (count.bytes < size) {
        char* const to = buffer + count.bytes;
        const std::size_t want = size - count.bytes;
        const ssize_t n =
            offset < 0 ? ::read(fd, to, want) : ::pread(fd, to, want, offset + static_cast<off_t>(count.bytes));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            count.error = errno;
            break;
        }
        if (n == 0)
            break;
        count.bytes += static_cast<std::size_t>(n);
    }
    return count;
}

int ReadAllFromStart(int fd, std::string& out) {
    out.resize(4096);
    std::size_t filled = 0;
    for (;;) {
        const ReadCount n = ReadFully(fd, out.data() + filled, out.size() - filled, static_cast<off_t>(filled));
        filled += n.bytes;
        if (n.error)
            return n.error;
        if (filled < out.size())
            break;
        out.resize(out.size() * 2);
    }
    out.resize(filled);
    return 0;
}

void SyncFolder(int folderFd) {
    const FileHandle folder(::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
}

}  // namespace vq
