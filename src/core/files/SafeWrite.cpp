#include "core/files/SafeWrite.h"

#include "core/files/ContentHash.h"
#include "core/files/DiskCheck.h"
#include "core/files/FileHandle.h"
#include "core/files/FileIdentity.h"
#include "core/files/FileIo.h"
#include "core/files/PathWalk.h"
#include "core/files/TempFile.h"

#include <cerrno>
#include <csignal>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vq {

namespace {

using Pieces = std::span<const std::string_view>;

FileError NotRegularError(const struct stat& st) {
    if (S_ISDIR(st.st_mode))
        return {FileProblem::Folder, 0, {}};
    if (!S_ISREG(st.st_mode))
        return {FileProblem::NotRegular, 0, {}};
    return {};
}

WriteResult Failed(int err) { return {false, FileError::System(err), {}, {}}; }
WriteResult Refused(FileError error) { return {false, std::move(error), {}, {}}; }
WriteResult ChangedOnDisk(const WalkedPath& at) { return Refused({FileProblem::ChangedOnDisk, 0, at.fullPath()}); }

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// What is known of the file just written: the status of `mine` (the file written, still open or
// just closed), taken again by name where the file now is, so the times include the rename.
WriteResult Done(const WalkedPath& at, const struct stat& mine, Pieces bytes) {
    WriteResult result;
    result.ok = true;
    KnownFile& known = result.written;
    known.known = true;
    known.links = at.links;
    ContentHash hash;
    for (const std::string_view piece : bytes)
        hash.add(piece);
    known.hash = hash.value();
    known.recordedNs = WallClockNs();
    struct stat now {};
    const bool found = ::fstatat(at.folder.get(), at.name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0;
    known.stamp = StampOf(found && SameFile(now, mine) ? now : mine);
    return result;
}

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
// failure half way can put it back. Only the file the walk found is written: a link or another
// file put in its place meanwhile is not.
WriteResult WriteInPlace(const WalkedPath& at, Pieces bytes, TempFile& safeCopy, const WriteFault& fault) {
    FileHandle file(
        ::openat(at.folder.get(), at.name.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW));
    if (file.get() < 0)
        return Failed(errno);
    struct stat st {};
    if (::fstat(file.get(), &st) != 0)
        return Failed(errno);
    if (FileError notRegular = NotRegularError(st))
        return Refused(std::move(notRegular));
    if (!SameFile(st, at.st))
        return ChangedOnDisk(at);
    std::string old;
    if (int err = ReadAllFromStart(file.get(), old))
        return Failed(err);
    if (int err = ReserveSpace(file.get(), TotalSize(bytes)))
        return Failed(err);
    const int err = OverwriteFile(file.get(), bytes, FaultAt(fault, InPlaceStep::Write));
    if (err == 0) {
        ::fstat(file.get(), &st);
        return Done(at, st, bytes);
    }
    const std::string_view oldBytes[] = {old};
    if (OverwriteFile(file.get(), oldBytes, FaultAt(fault, InPlaceStep::PutBack)) == 0)
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
int MakeSafeCopy(const WalkedPath& at, Pieces bytes, TempFile& copy) {
    int first = copy.createBeside(at.folder.get(), at.folderPath, at.name, 0600);
    if (first == 0) {
        first = Fill(copy, bytes);
        if (first == 0)
            return 0;
        copy.discard();
        if (first != ENOSPC && first != EDQUOT)
            return first;
    }
    if (copy.createInTempFolder(at.name) != 0 || Fill(copy, bytes) != 0) {
        copy.discard();
        return first;
    }
    return 0;
}

// Renames the safe copy over the file when that keeps the file as it was. Returns true when
// the copy has taken the file's place; `mine` is then its status.
bool ReplaceByRename(const WalkedPath& at, TempFile& copy, struct stat& mine) {
    if (!copy.beside() || at.st.st_nlink != 1)
        return false;
    if (!GiveIdentity(copy.fd(), at.fileName(), at.st))
        return false;
    if (::fsync(copy.fd()) != 0 || ::fstat(copy.fd(), &mine) != 0 || copy.close() != 0)
        return false;
    // The rename replaces whatever has the name now, a link too, and follows nothing.
    if (::renameat(at.folder.get(), copy.name().c_str(), at.folder.get(), at.name.c_str()) != 0)
        return false;
    copy.commit();
    SyncFolder(at.folder.get());
    return true;
}

WriteResult WriteExisting(const WalkedPath& at, Pieces bytes, const WriteFault& fault) {
    // A file the saver may not write must not be replaced either, though a rename needs
    // only the folder's permission.
    if (::faccessat(at.folder.get(), at.name.c_str(), W_OK, 0) != 0)
        return Failed(errno);
    TempFile copy;
    if (int err = MakeSafeCopy(at, bytes, copy))
        return Failed(err);
    struct stat mine {};
    if (ReplaceByRename(at, copy, mine))
        return Done(at, mine, bytes);
    return WriteInPlace(at, bytes, copy, fault);
}

// A file that is not there yet. Should one appear meanwhile, it is not replaced unseen.
WriteResult WriteNew(const WalkedPath& at, Pieces bytes) {
    TempFile temp;
    if (int err = temp.createBeside(at.folder.get(), at.folderPath, at.name, 0666))
        return Failed(err);
    if (int err = Fill(temp, bytes))
        return Failed(err);
    struct stat mine {};
    if (::fstat(temp.fd(), &mine) != 0)
        return Failed(errno);
    if (int err = temp.close())
        return Failed(err);
    int rc = ::renameat2(at.folder.get(), temp.name().c_str(), at.folder.get(), at.name.c_str(), RENAME_NOREPLACE);
    if (rc != 0 && errno == EEXIST)
        return ChangedOnDisk(at);
    if (rc != 0 && errno == EINVAL)  // a file system without it
        rc = ::renameat(at.folder.get(), temp.name().c_str(), at.folder.get(), at.name.c_str());
    if (rc != 0)
        return Failed(errno);
    temp.commit();
    SyncFolder(at.folder.get());
    return Done(at, mine, bytes);
}

WriteResult WriteWalked(const WalkedPath& at, Pieces bytes, const WriteFault& fault) {
    if (at.error)
        return Refused(at.error);
    if (!at.exists)
        return WriteNew(at, bytes);
    if (FileError notRegular = NotRegularError(at.st))
        return Refused(std::move(notRegular));
    return WriteExisting(at, bytes, fault);
}

// Past a file-size limit the kernel sends SIGXFSZ, which by default ends the program with all
// unsaved work. Ignored, the write fails with EFBIG and is reported. Set on every write, since
// anything may have put the default back.
void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace

WriteResult WriteFileSafely(const std::string& path, std::string_view bytes, const WriteFault& fault) {
    const std::string_view pieces[] = {bytes};
    return WriteFileSafely(path, Pieces(pieces), fault);
}

WriteResult WriteFileSafely(const std::string& path, Pieces bytes, const WriteFault& fault) {
    IgnoreFileSizeSignal();
    return WriteWalked(WalkPath(path, LinkPolicy::Follow), bytes, fault);
}

WriteResult SaveKnownFile(const std::string& path, std::string_view bytes, const KnownFile& known, SaveCheck check,
                          const WriteFault& fault) {
    const std::string_view pieces[] = {bytes};
    return SaveKnownFile(path, Pieces(pieces), known, check, fault);
}

WriteResult SaveKnownFile(const std::string& path, Pieces bytes, const KnownFile& known, SaveCheck check,
                          const WriteFault& fault) {
    IgnoreFileSizeSignal();
    if (!known.known)
        return WriteFileSafely(path, bytes, fault);
    const WalkedPath at = WalkPath(path, LinkPolicy::AsRecorded, known.links);
    if (check == SaveCheck::IfUnchanged && !at.error && at.exists) {
        KnownFile now = known;
        if (CompareWalkedFile(at, now) != DiskState::Same)
            return ChangedOnDisk(at);
    }
    return WriteWalked(at, bytes, fault);
}

}  // namespace vq
