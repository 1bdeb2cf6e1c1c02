#include "core/document/OpenLimit.h"

#include "core/document/DocumentTexts.h"
#include "core/document/LineTable.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include <sys/resource.h>

namespace vq {

namespace {

// A "Name:   1234 kB" field of /proc/meminfo or /proc/self/status, in bytes.
std::optional<std::uint64_t> KilobyteField(const char* file, const std::string& name) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, name.size(), name) != 0 || line.size() <= name.size() || line[name.size()] != ':')
            continue;
        std::istringstream fields(line.substr(name.size() + 1));
        std::uint64_t kb = 0;
        if (fields >> kb)
            return kb * 1024;
    }
    return std::nullopt;
}

// Room left under a resource limit, or nothing when it is not set.
std::optional<std::uint64_t> RoomUnder(int resource, const char* usedField) {
    struct rlimit limit {};
    if (::getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return std::nullopt;
    const std::uint64_t used = KilobyteField("/proc/self/status", usedField).value_or(0);
    const auto cap = static_cast<std::uint64_t>(limit.rlim_cur);
    return cap > used ? cap - used : 0;
}

}  // namespace

std::uint64_t AllocatableBytes() {
    std::uint64_t room = UINT64_MAX;
    const auto available = KilobyteField("/proc/meminfo", "MemAvailable");
    if (available)
        room = *available + KilobyteField("/proc/meminfo", "SwapFree").value_or(0);
    if (const auto as = RoomUnder(RLIMIT_AS, "VmSize"))
        room = std::min(room, *as);
    if (const auto data = RoomUnder(RLIMIT_DATA, "VmData"))
        room = std::min(room, *data);
    return room;
}

std::optional<std::string> TooLargeToOpen(const std::string& path, std::uint64_t size, std::uint64_t allocatable) {
    const std::string first = FormatMessage(texts::kTooLargeToOpen, {path, ByteSizeText(size)});
    if (size > LineTable::kMaxBytes)
        return first + '\n' + texts::kTooLargeForLines;
    const std::uint64_t need = OpenMemoryNeed(size);
    if (need > allocatable)
        return first + '\n' + FormatMessage(texts::kTooLargeForMemory, {ByteSizeText(need), ByteSizeText(allocatable)});
    return std::nullopt;
}

std::string OutOfMemoryOnOpen(const std::string& path, std::uint64_t size) {
    return FormatMessage(texts::kTooLargeToOpen, {path, ByteSizeText(size)}) + '\n' + texts::kOutOfMemoryOnOpen;
}

std::string ByteSizeText(std::uint64_t bytes) {
    constexpr const char* kUnits[] = {"KB", "MB", "GB", "TB"};
    if (bytes < 1024)
        return std::to_string(bytes) + ' ' + texts::kByteUnit;
    double value = static_cast<double>(bytes) / 1024.0;
    size_t unit = 0;
    while (value >= 1024.0 && unit + 1 < std::size(kUnits)) {
        value /= 1024.0;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", value, kUnits[unit]);
    return text;
}

}  // namespace vq
