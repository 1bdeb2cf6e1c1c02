#include "core/files/TextFile.h"

namespace vq {

WriteResult WriteTextFile(const std::string& path, std::string_view shown, FileForm form) {
    const std::optional<std::string> bytes = ToFileBytes(shown, form);
    if (!bytes)
        return {false, {FileProblem::NotEncodable}, {}};
    return WriteFileSafely(path, *bytes);
}

}  // namespace vq
