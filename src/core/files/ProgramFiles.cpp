#include "core/files/ProgramFiles.h"

#include <climits>

#include <sys/stat.h>
#include <unistd.h>

namespace vq {

namespace {

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

// "/usr/bin" + "../share/varnoquil" gives "/usr/share/varnoquil", not "/usr/bin/../share/...",
// so that the path reads well in a message.
std::string Parent(const std::string& folder) {
    std::string f = folder;
    while (f.size() > 1 && f.back() == '/')
        f.pop_back();
    const size_t slash = f.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : f.substr(0, slash);
}

}  // namespace

std::string ExecutableFolder() {
    char self[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return {};
    const std::string path(self, static_cast<size_t>(n));
    return Parent(path);
}

std::vector<std::string> ProgramFileCandidates(const std::string& executableFolder, const std::string& name) {
    const std::string installed = Join(Parent(executableFolder), "share/varnoquil");
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
