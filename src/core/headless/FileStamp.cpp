#include "core/headless/FileStamp.h"

#include "core/document/LineTable.h"
#include "core/files/FileAccess.h"
#include "core/files/FileIo.h"

#include <cstring>

namespace vq {

namespace {

bool SameTime(const struct timespec& a, const struct timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool SameStatus(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size && SameTime(a.st_mtim, b.st_mtim) &&
           SameTime(a.st_ctim, b.st_ctim);
}

bool SameBytes(std::string_view whole, std::span<const std::string_view> pieces) {
    if (whole.size() != TotalSize(pieces))
        return false;
    for (const std::string_view piece : pieces) {
        if (piece.data() != whole.data() && std::memcmp(piece.data(), whole.data(), piece.size()) != 0)
            return false;
        whole.remove_prefix(piece.size());
    }
    return true;
}

}  // namespace

FileStamp StampOf(const std::string& path) {
    FileStamp stamp;
    stamp.known = ::stat(path.c_str(), &stamp.st) == 0;
    return stamp;
}

bool StillHolds(const std::string& path, const FileStamp& stamp, std::span<const std::string_view> bytes) {
    const FileStamp now = StampOf(path);
    if (!now.known)
        return false;
    if (stamp.known && SameStatus(stamp.st, now.st))
        return true;
    const BytesResult read = ReadFileBytes(path, LineTable::kMaxBytes);
    return read.ok && SameBytes(read.bytes.view(), bytes);
}

}  // namespace vq
