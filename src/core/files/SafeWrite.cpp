#include "files/SafeWrite.h"
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

std::string Reason(int err) { return std::generic_category().message(err); }

std::string WriteError(const std::string& path, const std::string& reason) {
    return "Cannot write file \"" + path + "\". " + reason;
}

// Empty for a regular file, else why the path cannot be used as a file.
std::string NotRegularReason(const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return "It is a folder.";
    if (!S_ISREG(st.st_mode)) return "It is not a regular file.";
    return {};
}

// Reads from the current offset to the end. Returns 0 or errno.
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

// Writes every byte at `offset`, going on after short writes. Returns 0 or errno.
int WriteAllAt(int fd, std::string_view bytes, off_t offset) {
    constexpr std::size_t kChunk = std::size_t{1} << 30;
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), std::min(bytes.size(), kChunk), offset);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return ENOSPC;  // no progress and no error: treat as a full disk
        bytes.remove_prefix(static_cast<std::size_t>(n));
        offset += n;
    }
    return 0;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Best effort: makes a rename or unlink in the folder survive a power loss.
void SyncFolder(const std::string& folder) {
    const FileHandle dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

// Where the bytes really go: the final target of a chain of symbolic links, so that
// the links themselves stay links.
struct Target {
    std::string path;
    bool exists = false;
    struct stat st {};
};

// Returns 0 or errno; a target that does not exist yet is not an error.
int ResolveTarget(const std::string& path, Target& target) {
    std::string current = path;
    for (int hops = 0;; ++hops) {
        if (::lstat(current.c_str(), &target.st) != 0) {
            if (errno != ENOENT) return errno;
            target.path = current;
            target.exists = false;
            return 0;
        }
        if (!S_ISLNK(target.st.st_mode)) {
            target.path = current;
            target.exists = true;
            return 0;
        }
        if (hops >= 40) return ELOOP;  // the kernel's own limit
        char link[PATH_MAX];
        const ssize_t n = ::readlink(current.c_str(), link, sizeof link);
        if (n < 0) return errno;
        if (static_cast<std::size_t>(n) == sizeof link) return ENAMETOOLONG;
        const std::string next(link, static_cast<std::size_t>(n));
        current = next.front() == '/' ? next : FolderOf(current) + "/" + next;
    }
}

// A uniquely named file beside the target. It is removed when this object goes away
// unless commit() said it has taken the target's place.
class TempFile {
public:
    TempFile() = default;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        if (!m_path.empty()) ::unlink(m_path.c_str());
    }

    // Returns 0 or errno. `mode` passes through the umask, as for any new file.
    int create(const std::string& target, mode_t mode) {
        static thread_local std::mt19937_64 random{std::random_device{}()};
        // Leave room for the suffix within the 255-byte limit of a file name.
        const std::string stem = FolderOf(target) + "/." + NameOf(target).substr(0, 200) + ".vq-";
        for (int attempt = 0; attempt < 100; ++attempt) {
            char suffix[17];
            std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(random()));
            const std::string candidate = stem + suffix;
            const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
            if (fd >= 0) {
                m_path = candidate;
                m_handle.reset(fd);
                return 0;
            }
            if (errno != EEXIST) return errno;
        }
        return EEXIST;
    }
    int fd() const { return m_handle.get(); }
    const std::string& path() const { return m_path; }
    int close() { return m_handle.closeChecked(); }
    void commit() { m_path.clear(); }

private:
    FileHandle m_handle;
    std::string m_path;
};

// Gives the temporary file the old file's owner, group and mode. Owner first: changing
// the owner clears set-user-ID bits that the mode then restores.
int CopyAttributes(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && errno != EPERM) return errno;
    if (::fchmod(fd, old.st_mode & 07777) != 0) return errno;
    return 0;
}

// Writes the full content into the temporary file and closes it. Returns 0 or errno.
int FillTemp(TempFile& temp, std::string_view bytes, const struct stat* attributesFrom) {
    if (int err = WriteAllAt(temp.fd(), bytes, 0)) return err;
    if (attributesFrom != nullptr) {
        if (int err = CopyAttributes(temp.fd(), *attributesFrom)) return err;
    }
    if (::fsync(temp.fd()) != 0) return errno;
    return temp.close();
}

// Reserves the disk space the new content needs, so the in-place write does not run out
// of space half way. File systems that cannot reserve are simply written to.
int ReserveSpace(int fd, std::size_t size) {
    if (size == 0 || ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0) return 0;
    const int err = errno;
    return (err == ENOSPC || err == EDQUOT || err == EFBIG) ? err : 0;
}

// Overwrites the file from the start and cuts it to the content's length. Returns 0 or errno.
int OverwriteFile(int fd, std::string_view bytes) {
    if (int err = WriteAllAt(fd, bytes, 0)) return err;
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) return errno;
    if (::fsync(fd) != 0) return errno;
    return 0;
}

// Copies the new content into a file that has other hard links, keeping its inode so that
// every name sees the new content. The old content is held in memory first so that a
// failure half way can put it back.
int CopyIntoInPlace(const std::string& path, std::string_view bytes) {
    FileHandle file(::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) return errno;
    std::string old;
    if (int err = ReadToEnd(file.get(), bytes.size(), old)) return err;
    if (int err = ReserveSpace(file.get(), bytes.size())) return err;
    if (int err = OverwriteFile(file.get(), bytes)) {
        OverwriteFile(file.get(), old);
        return err;
    }
    return file.closeChecked();
}

// Returns 0 or errno.
int ReplaceByRename(const Target& target, std::string_view bytes) {
    TempFile temp;
    if (int err = temp.create(target.path, target.exists ? 0600 : 0666)) return err;
    if (int err = FillTemp(temp, bytes, target.exists ? &target.st : nullptr)) return err;
    if (::rename(temp.path().c_str(), target.path.c_str()) != 0) return errno;
    temp.commit();
    SyncFolder(FolderOf(target.path));
    return 0;
}

// Returns 0 or errno.
int ReplaceHardLinked(const Target& target, std::string_view bytes) {
    TempFile temp;
    if (int err = temp.create(target.path, 0600)) return err;
    if (int err = FillTemp(temp, bytes, nullptr)) return err;
    return CopyIntoInPlace(target.path, bytes);
}

}  // namespace

WriteResult WriteFileSafely(const std::string& path, std::string_view bytes) {
    WriteResult result;
    Target target;
    int err = path.empty() ? ENOENT : ResolveTarget(path, target);
    if (err == 0 && target.exists) {
        const std::string reason = NotRegularReason(target.st);
        if (!reason.empty()) {
            result.error = WriteError(path, reason);
            return result;
        }
        // Replacing by rename needs only the folder's permission; a read-only file must
        // still refuse to be overwritten.
        if (::access(target.path.c_str(), W_OK) != 0) err = errno;
    }
    if (err == 0) {
        err = target.exists && target.st.st_nlink > 1 ? ReplaceHardLinked(target, bytes)
                                                      : ReplaceByRename(target, bytes);
    }
    if (err != 0) {
        result.error = WriteError(path, Reason(err));
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace vq
