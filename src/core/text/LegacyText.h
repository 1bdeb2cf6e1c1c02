#pragma once

// Text in the legacy code page a file that is not UTF-8 is read in, to and from UTF-8, without
// Qt: what the command line is given and prints is UTF-8, the file keeps its own bytes. The code
// page is the one TextCharset names, as in the window: 134 GBK (the two-byte forms of GB18030),
// 136 Big5, 128 Shift_JIS, 129 EUC-KR, 0 Windows-1252; any other number reads as 134.

#include <optional>
#include <string>
#include <string_view>

namespace vq {

struct LegacyEncoded {
    std::optional<std::string> bytes;  // nothing when a character cannot be held
    std::string character;             // then: the first such character, in UTF-8
    char32_t code = 0;                 // and its number
};

// The UTF-8 text in the code page. Text that is not UTF-8 fails on its first bad byte, which is
// given as U+FFFD.
LegacyEncoded EncodeLegacy(std::string_view utf8, int charset);

// The bytes of the code page as UTF-8; a byte that starts no character of it reads as U+FFFD.
std::string DecodeLegacy(std::string_view bytes, int charset);

// "4E2D": a character's number as the messages show it after "U+", at least four hexadecimal
// digits.
std::string CodePointHex(char32_t code);

}  // namespace vq
