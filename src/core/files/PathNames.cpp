#include "core/files/PathNames.h"

namespace vq {

std::string FolderOf(const std::string& path) {
    if (path.empty())
        return ".";
    std::string::size_type last = path.size() - 1;  // the last byte that may belong to a name
    while (last > 0 && path[last] == '/')
        --last;
    const auto slash = path.rfind('/', last);
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace vq
