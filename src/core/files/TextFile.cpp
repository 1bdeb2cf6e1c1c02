#include "core/files/TextFile.h"

namespace vq {

WriteResult WriteTextFile(const std::string& path, std::string_view shown, FileForm form) {
    const std::optional<std::string> bytes = ToFileBytes(shown, form);
    if (!bytes)
        return {false, {FileProblem::NotEncodable, 0, {}}, {}, {}};
    return WriteFileSafely(path, *bytes);
}

WriteResult SaveTextFile(const std::string& path, std::string_view shown, FileForm form, const KnownFile& known,
                         SaveCheck check) {
    const std::optional<std::string> bytes = ToFileBytes(shown, form);
    if (!bytes)
        return {false, {FileProblem::NotEncodable, 0, {}}, {}, {}};
    return SaveKnownFile(path, *bytes, known, check);
}

}  // namespace vq
