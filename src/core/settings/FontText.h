#pragma once

// The target text's font as the settings file stores it: one text of five comma-separated
// fields, "name,charset,colour,size,style", for example "宋体,134,,9," (an empty field leaves
// the font's current value).

#include <string>
#include <string_view>

namespace vq {

// A colour as Windows stores it: 0x00BBGGRR, or a negative number naming a system colour.
// This one is the system's window text colour, the colour a font has until one is chosen.
inline constexpr int kWindowTextColour = -16777208;  // 0xFF000008

// Style bits.
inline constexpr int kFontBold = 1;
inline constexpr int kFontItalic = 2;
inline constexpr int kFontUnderline = 4;
inline constexpr int kFontStrikeOut = 8;

// Sizes outside this range cannot be applied to a font; such a field is refused.
inline constexpr int kMinFontSize = 1;
inline constexpr int kMaxFontSize = 1000;

inline constexpr const char* kDefaultFontText = "宋体,134,,9,";
inline constexpr int kDefaultCharset = 134;  // GB2312

struct FontSetting {
    std::string name = "宋体";  // the face name in UTF-8
    int colour = kWindowTextColour;
    int size = 9;  // points
    int style = 0;
    int charset = kDefaultCharset;  // which legacy encoding a file is shown in

    bool operator==(const FontSetting&) const = default;
};

// Applies the fields of a font text to `font`. A field is taken only when the comma after it
// is there (the style, the last field, after the fourth comma); a text without a comma sets
// nothing. An empty field leaves its value. A charset that is not a number gives 134; a colour,
// size or style that is not a number leaves the value as it was. A field that cannot be applied
// (a charset outside 0-255, a size outside 1-1000) ends the reading there: the fields before it
// stay set.
void ApplyFontText(std::string_view text, FontSetting& font);

// "name,charset,colour,size,style", every number in decimal.
std::string FontText(const FontSetting& font);

}  // namespace vq
