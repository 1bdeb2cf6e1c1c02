#include "core/files/TempFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <random>

#include <fcntl.h>
#include <unistd.h>

namespace vq {

namespace {

// Leaves room for the suffix within the 255-byte limit of a file name.
std::string ShortName(const std::string& name) { return name.substr(0, 200); }

std::string TempFolder() {
    const char* fromEnvironment = std::getenv("TMPDIR");
    if (fromEnvironment != nullptr && fromEnvironment[0] == '/')
        return fromEnvironment;
    return "/tmp";
}

}  // namespace

int TempFile::createBeside(int folderFd, const std::string& folderPath, const std::string& name, mode_t mode) {
    m_beside = true;
    return create(folderFd, folderPath, std::string(".").append(ShortName(name)).append(".vq-"), mode);
}

int TempFile::createInTempFolder(const std::string& name) {
    m_beside = false;
    return create(AT_FDCWD, TempFolder(), ShortName(name) + ".vq-", 0600);
}

int TempFile::create(int folderFd, const std::string& folderPath, const std::string& stem, mode_t mode) {
    discard();
    static thread_local std::mt19937_64 random{std::random_device{}()};
    const std::string folder = folderPath == "/" ? std::string() : folderPath;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[17];
        std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(random()));
        const std::string name = stem + suffix;
        // Named whole in the temporary folder, by the open folder beside the file.
        const std::string at = folderFd == AT_FDCWD ? folder + "/" + name : name;
        const int fd =
            ::openat(folderFd, at.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, mode);
        if (fd >= 0) {
            m_folderFd = folderFd;
            m_name = at;
            m_path = folder + "/" + name;
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
        ::unlinkat(m_folderFd, m_name.c_str(), 0);
    m_path.clear();
}

}  // namespace vq
