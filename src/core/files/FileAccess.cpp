#include "core/files/FileAccess.h"
#include "core/files/FileHandle.h"
#include "core/files/FileIo.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vq {

namespace {

// No error for a regular file, else why the path cannot be used as a file.
FileError NotRegularError(const struct stat& st) {
    if (S_ISDIR(st.st_mode))
        return {FileProblem::Folder};
    if (!S_ISREG(st.st_mode))
        return {FileProblem::NotRegular};
    return {};
}

// Opens a regular file for reading, or says why not. The path is checked before it is
// opened, because opening a fifo or a device can block or have side effects; O_NONBLOCK
// covers a path swapped for a fifo between the two steps.
int OpenRegularForReading(const std::string& path, struct stat& st, FileError& error) {
    if (::stat(path.c_str(), &st) != 0) {
        error = FileError::System(errno);
        return -1;
    }
    error = NotRegularError(st);
    if (error)
        return -1;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        error = FileError::System(errno);
        return -1;
    }
    if (::fstat(fd, &st) != 0 || (error = NotRegularError(st))) {
        if (!error)
            error = FileError::System(errno);
        ::close(fd);
        return -1;
    }
    return fd;
}

// A regular file opened for reading with its status, or why not.
struct ReadableFile {
    explicit ReadableFile(const std::string& path) { handle.reset(OpenRegularForReading(path, st, error)); }
    FileHandle handle;
    struct stat st {};
    FileError error;
};

}  // namespace

bool IsExistingFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

SizeResult QueryFileSize(const std::string& path) {
    SizeResult result;
    const ReadableFile file(path);
    result.error = file.error;
    result.ok = !file.error;
    if (result.ok)
        result.size = static_cast<std::uint64_t>(file.st.st_size);
    return result;
}

BytesResult ReadFileBytes(const std::string& path, std::uint64_t maxBytes, const std::atomic<bool>* cancel) {
    BytesResult result;
    const ReadableFile file(path);
    if (file.error) {
        result.error = file.error;
        return result;
    }
    const auto expected = static_cast<std::uint64_t>(file.st.st_size);
    if (expected > maxBytes) {
        result.error = FileError::System(EFBIG);
        return result;
    }
    // One byte more than the size, so the end is seen without growing the buffer.
    result.bytes = ByteBuffer::withCapacity(static_cast<std::size_t>(expected) + 1);
    constexpr std::size_t kPiece = std::size_t{64} << 20;
    std::size_t filled = 0;
    for (;;) {
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            result.bytes = ByteBuffer();
            result.cancelled = true;
            return result;
        }
        ByteBuffer& buffer = result.bytes;
        if (filled == buffer.capacity()) {
            if (filled > maxBytes) {
                result.bytes = ByteBuffer();
                result.error = FileError::System(EFBIG);
                return result;
            }
            buffer.grow(static_cast<std::size_t>(std::min<std::uint64_t>(maxBytes + 1, 2 * std::uint64_t{filled})));
        }
        const std::size_t want = std::min(kPiece, buffer.capacity() - filled);
        const ReadCount n = ReadFully(file.handle.get(), buffer.data() + filled, want);
        if (n.error) {
            result.bytes = ByteBuffer();
            result.error = FileError::System(n.error);
            return result;
        }
        filled += n.bytes;
        buffer.setSize(filled);
        if (n.bytes < want)
            break;  // the end of the file
    }
    result.ok = true;
    return result;
}

}  // namespace vq
