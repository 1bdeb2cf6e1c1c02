#include "core/about/VersionInfo.h"

#include "core/about/AboutTexts.h"

#include "core/about/ProgramVersion.h"

namespace vq::about {

static std::string StringPath(std::string_view block, std::string_view key) {
    std::string path = "\\StringFileInfo\\";
    path += block;
    path += '\\';
    path += key;
    return path;
}

VersionInfo VersionInfo::WithStrings(std::string_view block,
                                     std::initializer_list<std::pair<std::string_view, std::string_view>> strings) {
    VersionInfo info;
    for (const auto& [key, value] : strings)
        info.values.emplace(StringPath(block, key), std::string(value));
    return info;
}

// The version numbers and the release date come from the build (ProgramVersion.h); the rest is
// ours to say.
const VersionInfo& ProgramVersionInfo() {
    static const VersionInfo info =
        VersionInfo::WithStrings(kVersionBlock, {
                                                    {"CompanyName", "Varnoquil Project"},
                                                    {"FileDescription", "Varnoquil INI file editor"},
                                                    {"FileVersion", VQ_FILE_VERSION},
                                                    {"InternalName", "varnoquil"},
                                                    {"LegalCopyright", "Copyright (C) 2026 Varnoquil Team"},
                                                    {"OriginalFilename", "varnoquil"},
                                                    {"ProductName", "Varnoquil"},
                                                    {"ProductVersion", VQ_PRODUCT_VERSION},
                                                    {"Comments", texts::kVersionComments.c_str()},
                                                    {"Author", "Varnoquil Team"},
                                                });
    return info;
}

std::string GetVersionString(const VersionInfo& info, std::string_view key) {
    const auto found = info.values.find(StringPath(kVersionBlock, key));
    if (found != info.values.end())
        return found->second;
    std::string missing(1, ' ');
    missing.append(key);
    missing.append(texts::kNotAvailable);
    return missing;
}

std::string ReleaseDate() { return VQ_RELEASE_DATE; }

}  // namespace vq::about
