#pragma once

#include <string_view>

namespace vq {

// A blank is any byte of code 32 or less: space, tab and the other control characters.
// Lines are bytes in the file's own encoding, so the test is on the unsigned byte value.
inline bool IsBlankByte(char c) { return static_cast<unsigned char>(c) <= 32; }

inline std::string_view TrimLeftBlanks(std::string_view s) {
    size_t b = 0;
    while (b < s.size() && IsBlankByte(s[b]))
        ++b;
    return s.substr(b);
}

inline std::string_view TrimBlanks(std::string_view s) {
    s = TrimLeftBlanks(s);
    size_t e = s.size();
    while (e > 0 && IsBlankByte(s[e - 1]))
        --e;
    return s.substr(0, e);
}

// True when trimming leaves nothing; the empty text is blank too.
inline bool IsBlankText(std::string_view s) { return TrimLeftBlanks(s).empty(); }

}  // namespace vq
