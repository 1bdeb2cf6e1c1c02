#include "files/FileAccess.h"
#include "files/FileHandle.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vq {

namespace {

constexpr const char* kFolderReason = "It is a folder.";
constexpr const char* kNotRegularReason = "It is not a regular file.";

std::string Reason(int err) { return std::generic_category().message(err); }

std::string OpenError(const std::string& path, const std::string& reason) {
    return "Cannot open file \"" + path + "\". " + reason;
}

// Empty for a regular file, else why the path cannot be used as a file.
std::string NotRegularReason(const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return kFolderReason;
    if (!S_ISREG(st.st_mode)) return kNotRegularReason;
    return {};
}

// Opens a regular file for reading, or says why not. The path is checked before it is
// opened, because opening a fifo or a device can block or have side effects; O_NONBLOCK
// covers a path swapped for a fifo between the two steps.
int OpenRegularForReading(const std::string& path, struct stat& st, std::string& reason) {
    if (::stat(path.c_str(), &st) != 0) {
        reason = Reason(errno);
        return -1;
    }
    reason = NotRegularReason(st);
    if (!reason.empty()) return -1;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        reason = Reason(errno);
        return -1;
    }
    if (::fstat(fd, &st) != 0 || !(reason = NotRegularReason(st)).empty()) {
        if (reason.empty()) reason = Reason(errno);
        ::close(fd);
        return -1;
    }
    return fd;
}

// Reads from the current offset to the end; `expected` only sizes the buffer, since the
// file may change while it is read. Returns 0 or errno.
int ReadToEnd(int fd, std::size_t expected, std::string& out) {
    out.resize(std::max<std::size_t>(expected, 4096));
    std::size_t filled = 0;
    for (;;) {
        if (filled == out.size()) out.resize(out.size() * 2);
        const ssize_t n = ::read(fd, out.data() + filled, out.size() - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) break;
        filled += static_cast<std::size_t>(n);
    }
    out.resize(filled);
    return 0;
}

// A regular file opened for reading with its status, or the message that says why not.
struct ReadableFile {
    explicit ReadableFile(const std::string& path) {
        std::string reason;
        handle.reset(OpenRegularForReading(path, st, reason));
        if (handle.get() < 0)
            error = OpenError(path, reason);
    }
    FileHandle handle;
    struct stat st {};
    std::string error;
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
    result.ok = file.error.empty();
    if (result.ok)
        result.size = static_cast<std::uint64_t>(file.st.st_size);
    return result;
}

ReadResult ReadWholeFile(const std::string& path) {
    ReadResult result;
    const ReadableFile file(path);
    if (!file.error.empty()) {
        result.error = file.error;
        return result;
    }
    if (int err = ReadToEnd(file.handle.get(), static_cast<std::size_t>(file.st.st_size) + 1, result.bytes)) {
        result.bytes.clear();
        result.error = OpenError(path, Reason(err));
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace vq
