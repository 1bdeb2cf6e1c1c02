#include "core/files/PathWalk.h"

#include "core/files/PathNames.h"

#include <algorithm>
#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <unistd.h>

namespace vq {

namespace {

constexpr int kMaxLinks = 40;  // the kernel's own limit

// The names of a path, the first one last, so that the next name is taken from the back and a
// link's target is put in front of the rest by appending.
void PushNames(const std::string& path, std::vector<std::string>& todo) {
    std::vector<std::string> names;
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        names.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    todo.insert(todo.end(), names.rbegin(), names.rend());
}

int OpenRoot(FileHandle& folder, std::string& folderPath) {
    folder.reset(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
    folderPath.assign(1, '/');  // not = "/", which GCC 12 warns about wrongly (-Wrestrict)
    return folder.get() < 0 ? errno : 0;
}

// Where a relative path starts: the current folder by its name, so that links met are named by
// where they really are.
int OpenCurrent(FileHandle& folder, std::string& folderPath) {
    char buffer[PATH_MAX];
    if (::getcwd(buffer, sizeof buffer) == nullptr || buffer[0] != '/')
        return errno ? errno : ENOENT;
    folder.reset(::open(buffer, O_PATH | O_DIRECTORY | O_CLOEXEC));
    folderPath = buffer;
    return folder.get() < 0 ? errno : 0;
}

int ReadLink(int linkFd, std::size_t sizeHint, std::string& target) {
    target.resize(std::max<std::size_t>(sizeHint, 64) + 1);
    for (;;) {
        const ssize_t n = ::readlinkat(linkFd, "", target.data(), target.size());
        if (n < 0)
            return errno;
        if (static_cast<std::size_t>(n) < target.size()) {
            target.resize(static_cast<std::size_t>(n));
            return 0;
        }
        if (target.size() > PATH_MAX)
            return ENAMETOOLONG;
        target.resize(target.size() * 2);
    }
}

// The kernel's protected_symlinks rule: in a sticky folder anyone may write to, only the
// follower's own links and the folder owner's links are followed.
bool UnsafeLink(const struct stat& link, const struct stat& folder) {
    const bool shared = (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    return shared && link.st_uid != ::geteuid() && link.st_uid != folder.st_uid;
}

FileError CheckLink(const PathLink& link, const struct stat& linkSt, int folderFd, LinkPolicy policy,
                    const std::vector<PathLink>& recorded) {
    struct stat folderSt {};
    if (::fstat(folderFd, &folderSt) != 0)
        return FileError::System(errno);
    if (policy == LinkPolicy::AsRecorded) {
        const auto same =
            std::find_if(recorded.begin(), recorded.end(), [&](const PathLink& r) { return r.at == link.at; });
        if (same == recorded.end())
            return {FileProblem::LinkAdded, 0, link.at};
        if (same->target != link.target)
            return {FileProblem::LinkChanged, 0, link.at};
    }
    if (UnsafeLink(linkSt, folderSt))
        return {FileProblem::LinkUnsafe, 0, link.at};
    return {};
}

WalkedPath Failure(FileError error) {
    WalkedPath walked;
    walked.error = std::move(error);
    return walked;
}

}  // namespace

std::string WalkedPath::fullPath() const { return Join(folderPath, name); }

std::string WalkedPath::fileName() const {
    if (file.get() >= 0 && ::access("/proc/self/fd", F_OK) == 0)
        return "/proc/self/fd/" + std::to_string(file.get());
    return fullPath();
}

WalkedPath WalkPath(const std::string& path, LinkPolicy policy, const std::vector<PathLink>& recorded) {
    if (path.empty())
        return Failure(FileError::System(ENOENT));
    WalkedPath walked;
    FileHandle folder;
    std::string folderPath;
    if (int err = path.front() == '/' ? OpenRoot(folder, folderPath) : OpenCurrent(folder, folderPath))
        return Failure(FileError::System(err));
    std::vector<std::string> todo;
    PushNames(path, todo);
    int links = 0;
    while (!todo.empty()) {
        const std::string name = std::move(todo.back());
        todo.pop_back();
        const bool last = todo.empty();
        if (name.empty() || name == ".")
            continue;
        if (name == "..") {
            folder.reset(::openat(folder.get(), "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
            if (folder.get() < 0)
                return Failure(FileError::System(errno));
            folderPath = FolderOf(folderPath);
            continue;
        }
        FileHandle next(::openat(folder.get(), name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (next.get() < 0) {
            if (errno != ENOENT || !last)
                return Failure(FileError::System(errno));
            walked.folder = std::move(folder);
            walked.folderPath = std::move(folderPath);
            walked.name = name;
            return walked;
        }
        struct stat st {};
        if (::fstat(next.get(), &st) != 0)
            return Failure(FileError::System(errno));
        if (S_ISLNK(st.st_mode)) {
            if (++links > kMaxLinks)
                return Failure(FileError::System(ELOOP));
            PathLink link{Join(folderPath, name), {}};
            if (int err = ReadLink(next.get(), static_cast<std::size_t>(st.st_size), link.target))
                return Failure(FileError::System(err));
            if (FileError refused = CheckLink(link, st, folder.get(), policy, recorded))
                return Failure(std::move(refused));
            if (link.target.empty())
                return Failure(FileError::System(ENOENT));
            if (link.target.front() == '/') {
                if (int err = OpenRoot(folder, folderPath))
                    return Failure(FileError::System(err));
            }
            PushNames(link.target, todo);
            walked.links.push_back(std::move(link));
            continue;
        }
        if (S_ISDIR(st.st_mode)) {
            folder = std::move(next);
            folderPath = Join(folderPath, name);
            continue;
        }
        if (!last)
            return Failure(FileError::System(ENOTDIR));
        walked.folder = std::move(folder);
        walked.folderPath = std::move(folderPath);
        walked.name = name;
        walked.exists = true;
        walked.file = std::move(next);
        walked.st = st;
        return walked;
    }
    // The path ends in a folder: "/", "conf.d/", "a/..".
    return Failure({FileProblem::Folder, 0, {}});
}

}  // namespace vq
