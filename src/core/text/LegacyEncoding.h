#pragma once

// The legacy code pages a file that is not UTF-8 is read in, and text converted between one of
// them and UTF-8. What the user gives (typed text, signs, command-line values) is UTF-8; a file
// from Windows holds the same characters in its code page. A character the code page cannot hold
// is refused, never written as "?". Each call stands alone: safe on any thread.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vq {

enum class LegacyCodePage { Gb18030, Big5, ShiftJis, EucKr, Windows1252 };

inline constexpr std::array<LegacyCodePage, 5> kLegacyCodePages = {LegacyCodePage::Gb18030, LegacyCodePage::Big5,
                                                                   LegacyCodePage::ShiftJis, LegacyCodePage::EucKr,
                                                                   LegacyCodePage::Windows1252};

// The code page a font character set number stands for: 134 GB18030 (a superset
// of GBK), 136 Big5, 128 Shift_JIS, 129 EUC-KR, 0 Windows-1252; any other number GB18030.
LegacyCodePage CodePageOfCharset(int charset);
// The character set number of a code page, the inverse of the above.
int CharsetOfCodePage(LegacyCodePage page);
// The name users know it by: "GB18030", "Big5", "Shift_JIS", "EUC-KR", "windows-1252".
std::string_view CodePageName(LegacyCodePage page);
// The code page of such a name, letter case ignored; "GBK" is GB18030 and "cp1252" Windows-1252.
std::optional<LegacyCodePage> CodePageNamed(std::string_view name);

struct LegacyEncoded {
    bool ok = false;
    std::string bytes;     // the text in the code page, when ok
    char32_t refused = 0;  // else the first character the code page cannot hold (U+FFFD: bytes
    size_t refusedAt = 0;  // that are not UTF-8), and its byte offset in the UTF-8 text
};

// UTF-8 text in the code page, or the character that refuses it.
LegacyEncoded EncodeLegacy(std::string_view utf8, LegacyCodePage page);

struct LegacyDecoded {
    std::string utf8;   // bytes that are no character of the code page become U+FFFD
    bool whole = true;  // false when some did
};

// Bytes of the code page as UTF-8.
LegacyDecoded DecodeLegacy(std::string_view bytes, LegacyCodePage page);

}  // namespace vq
