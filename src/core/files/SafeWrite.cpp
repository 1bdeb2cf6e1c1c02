#include "core/files/SafeWrite.h"

#include "core/files/FileHandle.h"
#include "core/files/FileIdentity.h"
#include "core/files/FileIo.h"
#include "core/files/TempFile.h"

#include <cerrno>
#include <climits>
#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vq {

namespace {

using Pieces = std::span<const std::string_view>;

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
            if (errno != ENOENT)
                return errno;
            target.path = current;
            target.exists = false;
            return 0;
        }
        if (!S_ISLNK(target.st.st_mode)) {
            target.path = current;
            target.exists = true;
            return 0;
        }
        if (hops >= 40)
            return ELOOP;  // the kernel's own limit
        char link[PATH_MAX];
        const ssize_t n = ::readlink(current.c_str(), link, sizeof link);
        if (n < 0)
            return errno;
        if (static_cast<std::size_t>(n) == sizeof link)
            return ENAMETOOLONG;
        const std::string next(link, static_cast<std::size_t>(n));
        current = next.front() == '/' ? next : FolderOf(current) + "/" + next;
    }
}

FileError NotRegularError(const struct stat& st) {
    if (S_ISDIR(st.st_mode))
        return {FileProblem::Folder};
    if (!S_ISREG(st.st_mode))
        return {FileProblem::NotRegular};
    return {};
}

WriteResult Failed(int err) { return {false, FileError::System(err), {}}; }
WriteResult Done() { return {true, {}, {}}; }

// Reserves the disk space the new content needs, so the in-place write does not run out
// of space half way. File systems that cannot reserve are simply written to.
int ReserveSpace(int fd, std::size_t size) {
    if (size == 0 || ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0)
        return 0;
    const int err = errno;
    return (err == ENOSPC || err == EDQUOT || err == EFBIG) ? err : 0;
}

// Overwrites the file from the start and cuts it to the content's length. A fault from a
// test stops it half way, as a failing device would. Returns 0 or errno.
int OverwriteFile(int fd, Pieces bytes, int fault) {
    const std::size_t size = TotalSize(bytes);
    if (fault != 0) {
        WritePiecesAt(fd, bytes, 0, size / 2);
        return fault;
    }
    if (int err = WritePiecesAt(fd, bytes, 0))
        return err;
    if (::ftruncate(fd, static_cast<off_t>(size)) != 0)
        return errno;
    if (::fsync(fd) != 0)
        return errno;
    return 0;
}

int FaultAt(const WriteFault& fault, InPlaceStep step) { return fault ? fault(step) : 0; }

// Writes into the file's own inode, which keeps its owner, links and attributes. The safe
// copy already holds the whole new content; the old content is held in memory so that a
// failure half way can put it back.
WriteResult WriteInPlace(const Target& target, Pieces bytes, TempFile& safeCopy, const WriteFault& fault) {
    FileHandle file(::open(target.path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.get() < 0)
        return Failed(errno);
    struct stat st {};
    if (::fstat(file.get(), &st) != 0)
        return Failed(errno);
    if (const FileError notRegular = NotRegularError(st))
        return {false, notRegular, {}};
    std::string old;
    if (int err = ReadAllFromStart(file.get(), old))
        return Failed(err);
    if (int err = ReserveSpace(file.get(), TotalSize(bytes)))
        return Failed(err);
    const int err = OverwriteFile(file.get(), bytes, FaultAt(fault, InPlaceStep::Write));
    if (err == 0)
        return Done();
    const std::string_view oldPieces[] = {old};
    if (OverwriteFile(file.get(), oldPieces, FaultAt(fault, InPlaceStep::PutBack)) == 0)
        return Failed(err);
    WriteResult result = Failed(err);
    result.keptCopy = safeCopy.path();
    safeCopy.keep();
    return result;
}

// Writes and syncs the whole content into the temporary file. Returns 0 or errno.
int Fill(TempFile& temp, Pieces bytes) {
    if (int err = WritePiecesAt(temp.fd(), bytes, 0))
        return err;
    if (::fsync(temp.fd()) != 0)
        return errno;
    return 0;
}

// The safe copy: beside the file where the folder allows it, else in the temporary folder;
// a full disk or quota beside it also sends it there. Returns 0 or the first place's errno.
int MakeSafeCopy(const Target& target, Pieces bytes, TempFile& copy) {
    int first = copy.createBeside(target.path, 0600);
    if (first == 0) {
        first = Fill(copy, bytes);
        if (first == 0)
            return 0;
        copy.discard();
        if (first != ENOSPC && first != EDQUOT)
            return first;
    }
    if (copy.createInTempFolder(target.path) != 0 || Fill(copy, bytes) != 0) {
        copy.discard();
        return first;
    }
    return 0;
}

// Renames the safe copy over the file when that keeps the file as it was. Returns true when
// the copy has taken the file's place.
bool ReplaceByRename(const Target& target, TempFile& copy) {
    if (!copy.beside() || target.st.st_nlink != 1)
        return false;
    if (!GiveIdentity(copy.fd(), target.path, target.st))
        return false;
    if (::fsync(copy.fd()) != 0 || copy.close() != 0)
        return false;
    if (::rename(copy.path().c_str(), target.path.c_str()) != 0)
        return false;
    copy.commit();
    SyncFolder(FolderOf(target.path));
    return true;
}

WriteResult WriteExisting(const Target& target, Pieces bytes, const WriteFault& fault) {
    TempFile copy;
    if (int err = MakeSafeCopy(target, bytes, copy))
        return Failed(err);
    if (ReplaceByRename(target, copy))
        return Done();
    return WriteInPlace(target, bytes, copy, fault);
}

WriteResult WriteNew(const Target& target, Pieces bytes) {
    TempFile temp;
    if (int err = temp.createBeside(target.path, 0666))
        return Failed(err);
    if (int err = Fill(temp, bytes))
        return Failed(err);
    if (int err = temp.close())
        return Failed(err);
    if (::rename(temp.path().c_str(), target.path.c_str()) != 0)
        return Failed(errno);
    temp.commit();
    SyncFolder(FolderOf(target.path));
    return Done();
}

}  // namespace

WriteResult WriteFileSafely(const std::string& path, std::string_view bytes, const WriteFault& fault) {
    const std::string_view pieces[] = {bytes};
    return WriteFileSafely(path, Pieces(pieces), fault);
}

WriteResult WriteFileSafely(const std::string& path, Pieces bytes, const WriteFault& fault) {
    // Past a file-size limit the kernel sends SIGXFSZ, which by default ends the program
    // with all unsaved work. Ignored, the write fails with EFBIG and is reported. Set on
    // every write, since anything may have put the default back.
    std::signal(SIGXFSZ, SIG_IGN);
    if (path.empty())
        return Failed(ENOENT);
    Target target;
    if (int err = ResolveTarget(path, target))
        return Failed(err);
    if (!target.exists)
        return WriteNew(target, bytes);
    if (const FileError notRegular = NotRegularError(target.st))
        return {false, notRegular, {}};
    // A file the saver may not write must not be replaced either, though a rename needs
    // only the folder's permission.
    if (::access(target.path.c_str(), W_OK) != 0)
        return Failed(errno);
    return WriteExisting(target, bytes, fault);
}

}  // namespace vq
