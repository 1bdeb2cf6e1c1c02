#include "core/files/ProgramFiles.h"

#include "core/files/PathNames.h"

#include <climits>

#include <sys/stat.h>
#include <unistd.h>

namespace vq {

std::string ExecutableFolder() {
    char self[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return {};
    return FolderOf(std::string(self, static_cast<size_t>(n)));
}

std::vector<std::string> ProgramFileCandidates(const std::string& executableFolder, const std::string& name) {
    // "/usr/share/varnoquil" rather than "/usr/bin/../share/varnoquil", so that the path reads well
    // in a message.
    const std::string installed = Join(FolderOf(executableFolder), "share/varnoquil");
    return {Join(executableFolder, name), Join(installed, name)};
}

std::string FindProgramFile(const std::string& executableFolder, const std::string& name) {
    const std::vector<std::string> candidates = ProgramFileCandidates(executableFolder, name);
    for (const std::string& path : candidates) {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0)
            return path;
    }
    return candidates.front();
}

}  // namespace vq
