#pragma once

#include <cstdint>

namespace vq {

inline constexpr std::uint64_t kQuietOpenLimit = 70 * 1024;    // larger files get a notice
inline constexpr std::uint64_t kNoticeOpenLimit = 150 * 1024;  // larger files get a question

enum class SizeVerdict { Quiet, Notice, Question };

// What opening a file of this many bytes asks of the user first.
inline SizeVerdict CheckFileSize(std::uint64_t bytes) {
    if (bytes > kNoticeOpenLimit)
        return SizeVerdict::Question;
    if (bytes > kQuietOpenLimit)
        return SizeVerdict::Notice;
    return SizeVerdict::Quiet;
}

}  // namespace vq
