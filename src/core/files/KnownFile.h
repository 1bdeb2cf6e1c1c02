#pragma once

// What a document knows of its file on disk, so that a change made by someone else is noticed
// before it is written over, and a path that leads elsewhere now is not written through.

#include <cstdint>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace vq {

// The file's status as far as it tells a change: which file (device and inode), its size and
// its modification and change times in nanoseconds.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const struct stat& st);

// A symbolic link the path went through: where it lies (all links before it resolved) and what
// it says.
struct PathLink {
    std::string at;
    std::string target;
    bool operator==(const PathLink&) const = default;
};

struct KnownFile {
    bool known = false;  // false: nothing read from or written to a file yet
    FileStamp stamp;
    std::uint64_t hash = 0;       // of all the file's bytes (ContentHash)
    std::vector<PathLink> links;  // in the order the path went through them
    // The wall clock just before the stamp was taken. File times are coarse (a clock tick, on
    // some file systems seconds), so a change made soon after may leave every time as it was:
    // a stamp whose times are this close to its recording is confirmed by the bytes.
    std::int64_t recordedNs = 0;

    bool racy() const;
    // From when on an unchanged stamp proves the file unchanged.
    std::int64_t trustedFromNs() const;
};

// How far file times may lag behind the wall clock.
inline constexpr std::int64_t kFileTimeSlackNs = std::int64_t{2'000'000'000};

std::int64_t WallClockNs();

}  // namespace vq
