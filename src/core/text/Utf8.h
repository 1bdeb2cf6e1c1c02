#pragma once

// Reading UTF-8 one character at a time, by the strict rules: no overlong forms, no surrogates,
// nothing above U+10FFFF.

#include <cstddef>
#include <string_view>

namespace vq {

// The length of the valid UTF-8 sequence at the start of `s`, with its code point; 0 when none
// starts there (also for an empty `s`).
std::size_t Utf8SequenceAt(std::string_view s, char32_t& codePoint);

}  // namespace vq
