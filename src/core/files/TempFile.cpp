#include "core/files/TempFile.h"

#include "core/files/FileIo.h"
#include "core/files/PathNames.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <random>

#include <fcntl.h>
#include <unistd.h>

namespace vq {

namespace {

// Leaves room for the suffix within the 255-byte limit of a file name.
std::string ShortName(const std::string& target) { return NameOf(target).substr(0, 200); }

std::string TempFolder() {
    const char* fromEnvironment = std::getenv("TMPDIR");
    if (fromEnvironment != nullptr && fromEnvironment[0] == '/')
        return fromEnvironment;
    return "/tmp";
}

}  // namespace

int TempFile::createBeside(const std::string& target, mode_t mode) {
    m_beside = true;
    return create(FolderOf(target) + "/." + ShortName(target) + ".vq-", mode);
}

int TempFile::createInTempFolder(const std::string& target) {
    m_beside = false;
    return create(TempFolder() + "/" + ShortName(target) + ".vq-", 0600);
}

int TempFile::create(const std::string& stem, mode_t mode) {
    discard();
    static thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[17];
        std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(random()));
        const std::string candidate = stem + suffix;
        const int fd = ::open(candidate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
        if (fd >= 0) {
            m_path = candidate;
            m_handle.reset(fd);
            return 0;
        }
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

void TempFile::discard() {
    m_handle.reset(-1);
    if (!m_path.empty())
        ::unlink(m_path.c_str());
    m_path.clear();
}

}  // namespace vq
