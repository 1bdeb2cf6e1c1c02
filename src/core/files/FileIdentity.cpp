#include "core/files/FileIdentity.h"

#include <algorithm>
#include <cerrno>
#include <vector>

#include <sys/xattr.h>
#include <unistd.h>

namespace vq {

namespace {

// The list or the value may grow between asking for its size and reading it: try again.
template <typename Read>
bool ReadSized(Read read, std::string& out) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        const ssize_t size = read(nullptr, 0);
        if (size < 0)
            return false;
        out.resize(static_cast<std::size_t>(size));
        const ssize_t n = read(out.data(), out.size());
        if (n >= 0) {
            out.resize(static_cast<std::size_t>(n));
            return true;
        }
        if (errno != ERANGE)
            return false;
    }
    return false;
}

// The names of the attributes; a file system without attributes has none.
bool AttributeNames(const std::string& path, int fd, std::vector<std::string>& names) {
    std::string list;
    const bool read = ReadSized(
        [&](char* buffer, std::size_t size) {
            return fd >= 0 ? ::flistxattr(fd, buffer, size) : ::listxattr(path.c_str(), buffer, size);
        },
        list);
    names.clear();
    if (!read)
        return errno == ENOTSUP;
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = list.find('\0', start);
        names.push_back(list.substr(start, end - start));
        start = end == std::string::npos ? list.size() : end + 1;
    }
    return true;
}

bool ReadAttribute(const std::string& path, int fd, const std::string& name, std::string& value) {
    return ReadSized(
        [&](char* buffer, std::size_t size) {
            return fd >= 0 ? ::fgetxattr(fd, name.c_str(), buffer, size)
                           : ::getxattr(path.c_str(), name.c_str(), buffer, size);
        },
        value);
}

bool GiveOwner(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) == 0)
        return true;
    // Not allowed to give the file away; keeping the group may still be allowed.
    ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    return false;
}

bool GiveAttribute(int fd, const std::string& oldPath, const std::string& name) {
    std::string value;
    if (!ReadAttribute(oldPath, -1, name, value))
        return false;
    if (::fsetxattr(fd, name.c_str(), value.data(), value.size(), 0) == 0)
        return true;
    // An attribute the system set by itself, such as a security label, may already match.
    std::string present;
    return ReadAttribute({}, fd, name, present) && present == value;
}

bool GiveAttributes(int fd, const std::string& oldPath) {
    std::vector<std::string> oldNames;
    std::vector<std::string> newNames;
    if (!AttributeNames(oldPath, -1, oldNames) || !AttributeNames({}, fd, newNames))
        return false;
    bool all = true;
    for (const std::string& name : newNames) {
        if (std::find(oldNames.begin(), oldNames.end(), name) == oldNames.end())
            all = ::fremovexattr(fd, name.c_str()) == 0 && all;
    }
    for (const std::string& name : oldNames)
        all = GiveAttribute(fd, oldPath, name) && all;
    return all;
}

}  // namespace

bool GiveIdentity(int fd, const std::string& oldPath, const struct stat& old) {
    // Order matters: a change of owner clears the set-ID bits and file capabilities, and
    // setting an access list rewrites the group bits, so the mode comes last.
    bool all = GiveOwner(fd, old);
    all = GiveAttributes(fd, oldPath) && all;
    if (::fchmod(fd, old.st_mode & 07777) != 0)
        all = false;
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        return false;
    // The kernel drops a set-group-ID bit it does not allow without a word.
    return all && now.st_uid == old.st_uid && now.st_gid == old.st_gid &&
           (now.st_mode & 07777) == (old.st_mode & 07777);
}

}  // namespace vq
