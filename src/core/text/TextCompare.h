#pragma once

#include <algorithm>
#include <string_view>

namespace vq {

// Equal when the bytes are equal after folding ASCII letters to one case. Other bytes (the
// lead and trail bytes of double-byte characters among them) must match exactly.
inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return fold(x) == fold(y); });
}

}  // namespace vq
