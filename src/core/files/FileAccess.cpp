#include "core/files/FileAccess.h"
#include "core/files/FileHandle.h"
#include "core/files/FileIo.h"
#include "core/files/PathWalk.h"

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

// A fifo is opened as cat opens it, waiting for a writer; a character device only when it is a
// terminal, found without waiting. Either is then read with waiting, to its end. Nothing is known
// of it for a save: a stream is not written back.
int OpenStreamForReading(const std::string& path, struct stat& st, FileError& error) {
    const bool fifo = S_ISFIFO(st.st_mode);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | (fifo ? 0 : O_NONBLOCK));
    if (fd < 0) {
        error = FileError::System(errno);
        return -1;
    }
    const bool stream = ::fstat(fd, &st) == 0 && (S_ISFIFO(st.st_mode) || (S_ISCHR(st.st_mode) && ::isatty(fd)));
    const int flags = ::fcntl(fd, F_GETFL);
    if (!stream || flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        error = stream ? FileError::System(errno) : NotRegularError(st);
        ::close(fd);
        return -1;
    }
    return fd;
}

// True for a path a stream is read from when streams are read.
bool NamesStream(const std::string& path, Streams streams, struct stat& st) {
    return streams == Streams::ReadToEnd && ::stat(path.c_str(), &st) == 0 &&
           (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode));
}

// A regular file opened for reading with its status, or why not.
struct ReadableFile {
    explicit ReadableFile(const std::string& path) { handle.reset(OpenRegularForReading(path, st, error)); }
    FileHandle handle;
    struct stat st {};
    FileError error;
};

// Reads the descriptor to its end into `result`. `expected` sizes the buffer first (a stream's
// size is not known: it starts at 64 KiB and doubles).
void ReadAll(int fd, std::uint64_t expected, std::uint64_t maxBytes, const std::atomic<bool>* cancel,
             BytesResult& result) {
    // One byte more than the size, so the end is seen without growing the buffer.
    result.bytes = ByteBuffer::withCapacity(static_cast<std::size_t>(expected) + 1);
    constexpr std::size_t kPiece = std::size_t{64} << 20;
    std::size_t filled = 0;
    for (;;) {
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            result.bytes = ByteBuffer();
            result.cancelled = true;
            return;
        }
        ByteBuffer& buffer = result.bytes;
        if (filled == buffer.capacity()) {
            if (filled > maxBytes) {
                result.bytes = ByteBuffer();
                result.error = FileError::System(EFBIG);
                return;
            }
            buffer.grow(static_cast<std::size_t>(std::min<std::uint64_t>(maxBytes + 1, 2 * std::uint64_t{filled})));
        }
        const std::size_t want = std::min(kPiece, buffer.capacity() - filled);
        const ReadCount n = ReadFully(fd, buffer.data() + filled, want);
        if (n.error) {
            result.bytes = ByteBuffer();
            result.error = FileError::System(n.error);
            return;
        }
        filled += n.bytes;
        buffer.setSize(filled);
        if (n.bytes < want)
            break;  // the end of the file
    }
    result.ok = true;
}

constexpr std::uint64_t kStreamStart = std::uint64_t{64} << 10;

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

OpenedFile OpenWalkedFile(const std::string& path) {
    OpenedFile file;
    WalkedPath walked = WalkPath(path, LinkPolicy::Follow);
    file.error = walked.error;
    if (!file.error && !walked.exists)
        file.error = FileError::System(ENOENT);
    if (!file.error)
        file.error = NotRegularError(walked.st);
    if (file.error)
        return file;
    file.handle.reset(
        ::openat(walked.folder.get(), walked.name.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW));
    if (file.handle.get() < 0) {
        file.error = FileError::System(errno);
        return file;
    }
    file.known.recordedNs = WallClockNs();
    if (::fstat(file.handle.get(), &file.st) != 0 || (file.error = NotRegularError(file.st))) {
        if (!file.error)
            file.error = FileError::System(errno);
        file.handle.reset(-1);
        return file;
    }
    file.known.known = true;
    file.known.stamp = StampOf(file.st);
    file.known.links = std::move(walked.links);
    return file;
}

BytesResult ReadFileBytes(const std::string& path, std::uint64_t maxBytes, const std::atomic<bool>* cancel,
                          Streams streams) {
    BytesResult result;
    struct stat st {};
    if (NamesStream(path, streams, st)) {
        const FileHandle stream(OpenStreamForReading(path, st, result.error));
        if (!result.error)
            ReadAll(stream.get(), std::min(kStreamStart, maxBytes), maxBytes, cancel, result);
        return result;
    }
    const OpenedFile file = OpenWalkedFile(path);
    if (file.error) {
        result.error = file.error;
        return result;
    }
    result.file = file.known;
    const auto expected = static_cast<std::uint64_t>(file.st.st_size);
    if (expected > maxBytes) {
        result.error = FileError::System(EFBIG);
        return result;
    }
    ReadAll(file.handle.get(), expected, maxBytes, cancel, result);
    return result;
}

BytesResult ReadDescriptorBytes(int fd, std::uint64_t maxBytes) {
    BytesResult result;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        result.error = FileError::System(errno);
        return result;
    }
    if (S_ISDIR(st.st_mode)) {
        result.error = {FileProblem::Folder};
        return result;
    }
    std::uint64_t expected = kStreamStart;
    if (S_ISREG(st.st_mode)) {
        const off_t at = ::lseek(fd, 0, SEEK_CUR);
        expected = at >= 0 && at <= st.st_size ? static_cast<std::uint64_t>(st.st_size - at) : 0;
    }
    ReadAll(fd, std::min(expected, maxBytes), maxBytes, nullptr, result);
    return result;
}

}  // namespace vq
