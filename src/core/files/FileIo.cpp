#include "core/files/FileIo.h"

#include "core/files/FileHandle.h"

#include <algorithm>
#include <cerrno>
#include <string>

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

std::size_t TotalSize(std::span<const std::string_view> pieces) {
    std::size_t total = 0;
    for (const std::string_view piece : pieces)
        total += piece.size();
    return total;
}

int WritePiecesAt(int fd, std::span<const std::string_view> pieces, off_t offset, std::size_t limit) {
    constexpr std::size_t kGather = std::size_t{1} << 20;
    std::string gathered;
    const auto writeGathered = [&] {
        const int err = WriteAllAt(fd, gathered, offset);
        offset += static_cast<off_t>(gathered.size());
        gathered.clear();
        return err;
    };
    for (std::string_view piece : pieces) {
        if (limit == 0)
            break;
        piece = piece.substr(0, limit);
        limit -= piece.size();
        if (gathered.size() + piece.size() <= kGather) {
            gathered.append(piece);
            continue;
        }
        if (int err = writeGathered())
            return err;
        if (piece.size() < kGather) {
            gathered.assign(piece);
            continue;
        }
        if (int err = WriteAllAt(fd, piece, offset))
            return err;
        offset += static_cast<off_t>(piece.size());
    }
    return writeGathered();
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
