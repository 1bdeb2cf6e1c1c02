#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace vq::about {

// The program's version information: string values under paths like
// "\StringFileInfo\080403A8\ProductVersion" (block 080403A8: Chinese (PRC), code page 936).
struct VersionInfo {
    std::map<std::string, std::string> values;

    bool empty() const { return values.empty(); }
    // A block of strings for one language and code page, such as "080403A8".
    static VersionInfo WithStrings(std::string_view block,
                                   std::initializer_list<std::pair<std::string_view, std::string_view>> strings);
};

// The block the About box reads.
inline constexpr std::string_view kVersionBlock = "080403A8";

// The version information compiled into the program.
const VersionInfo& ProgramVersionInfo();

// The value of `key` in block 080403A8, or a space, the key and " not available" when the
// information has no such value.
std::string GetVersionString(const VersionInfo& info, std::string_view key);

// The day of this release, month/day/year ("12/7/2026").
std::string ReleaseDate();

}  // namespace vq::about
