#include "core/files/DiskCheck.h"

#include "core/files/ContentHash.h"
#include "core/files/FileIo.h"
#include "core/files/PathWalk.h"

#include <cerrno>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace vq {

int HashOpenFile(int fd, std::uint64_t& hash) {
    constexpr std::size_t kPiece = std::size_t{1} << 20;  // stays in the cache while it is hashed
    const auto buffer = std::make_unique_for_overwrite<char[]>(kPiece);
    ContentHash content;
    for (off_t offset = 0;;) {
        const ReadCount read = ReadFully(fd, buffer.get(), kPiece, offset);
        if (read.error)
            return read.error;
        content.add({buffer.get(), read.bytes});
        if (read.bytes < kPiece)
            break;
        offset += static_cast<off_t>(read.bytes);
    }
    hash = content.value();
    return 0;
}

DiskState CompareWalkedFile(const WalkedPath& walked, KnownFile& known) {
    const FileStamp stamp = StampOf(walked.st);
    if (!S_ISREG(walked.st.st_mode))
        return DiskState::Changed;
    if (stamp == known.stamp && !known.racy())
        return DiskState::Same;
    if (stamp.size != known.stamp.size)
        return DiskState::Changed;
    // The clock before the status that is kept, so that any change after it shows in the times.
    const std::int64_t now = WallClockNs();
    // O_NONBLOCK: the walk saw a regular file, but a fifo may have taken its name since.
    const FileHandle file(
        ::openat(walked.folder.get(), walked.name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    std::uint64_t hash = 0;
    if (file.get() < 0 || ::fstat(file.get(), &st) != 0 || StampOf(st) != stamp ||
        HashOpenFile(file.get(), hash) != 0 || hash != known.hash)
        return DiskState::Changed;
    known.stamp = stamp;
    known.recordedNs = now;
    return DiskState::Same;
}

DiskState CheckKnownFile(const std::string& path, KnownFile& known) {
    const WalkedPath walked = WalkPath(path, LinkPolicy::AsRecorded, known.links);
    if (walked.error.problem == FileProblem::System && (walked.error.code == ENOENT || walked.error.code == ENOTDIR))
        return DiskState::Missing;
    if (walked.error)
        return DiskState::Changed;
    if (!walked.exists)
        return DiskState::Missing;
    return CompareWalkedFile(walked, known);
}

}  // namespace vq
