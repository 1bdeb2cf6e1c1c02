#include "core/files/KnownFile.h"

#include <algorithm>
#include <ctime>

namespace vq {

namespace {

std::int64_t Ns(const struct timespec& t) { return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec; }

}  // namespace

FileStamp StampOf(const struct stat& st) {
    FileStamp stamp;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = static_cast<std::uint64_t>(st.st_size);
    stamp.modifiedNs = Ns(st.st_mtim);
    stamp.changedNs = Ns(st.st_ctim);
    return stamp;
}

std::int64_t KnownFile::trustedFromNs() const { return std::max(stamp.modifiedNs, stamp.changedNs) + kFileTimeSlackNs; }

bool KnownFile::racy() const { return recordedNs < trustedFromNs(); }

std::int64_t WallClockNs() {
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return Ns(now);
}

}  // namespace vq
