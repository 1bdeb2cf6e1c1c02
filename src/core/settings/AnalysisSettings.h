#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vq {

// How titles are framed; the numbers are the items of the title-type menu.
enum class TitleType : std::uint8_t {
    None = 0,            // no titles
    OneLine = 1,         // sign and title on the same line
    TwoLines = 2,        // a sign line, then the title line
    SameSignAround = 3,  // the same sign line above and below the title line
    BeginEndSigns = 4,   // the begin sign above, the end sign below the title line
};
inline constexpr int kTitleTypeCount = 5;

// The menu item of a title type, and the title type of a menu item; any other number is None.
inline int TitleTypeIndex(TitleType type) { return static_cast<int>(type); }
inline TitleType TitleTypeFromIndex(int index) {
    return index >= 0 && index < kTitleTypeCount ? static_cast<TitleType>(index) : TitleType::None;
}

// The signs and title framing the line tests read. A reader takes the values current when it
// runs; nobody keeps a copy across a change.
struct AnalysisSettings {
    std::string remSign = ";";
    std::string splitSign = "=";
    std::string titleBeginSign = ";;;;;;";
    std::string titleEndSign = ";;;;;;";
    TitleType titleType = TitleType::None;
    bool omitTitleSignSpace = false;
};

// A sign of blanks only is invisible in a box and would not survive the stripping of the
// settings reader, so it is shown and stored as its length followed by this suffix.
inline constexpr std::string_view kSpaceSignSuffix = "|_|";

// The byte length of s in decimal, then "|_|": one space gives "1|_|", the empty text "0|_|".
std::string EncodeSpaceSign(std::string_view s);
// Strips blanks, drops the last three bytes and reads the rest as a decimal count of spaces.
// Anything that is not a number that fits a 32-bit int counts as 0; 0 or less gives "", and so
// does a count above kMaxSignBytes (such a sign is refused before it gets here).
std::string DecodeSpaceSign(std::string_view t);
// True when t ends with the suffix of the space-count form.
bool EndsWithSpaceSignSuffix(std::string_view t);

// The longest sign that the sign boxes and the command line take, in bytes. A longer one is
// refused: no line of a configuration file needs it, and "2000000000|_|" would cost gigabytes.
inline constexpr size_t kMaxSignBytes = 255;
// The length in bytes of the sign a box text stands for, found without making the sign: the
// count of the space-count form (SIZE_MAX for a count too large to read), else the text's own
// length.
size_t SignLength(std::string_view text);
inline bool IsSignTooLong(std::string_view text) { return SignLength(text) > kMaxSignBytes; }

// What a pattern puts into the boxes and menus. The comment box text goes through the box's
// change handler, so "1|_|" becomes the blank comment sign.
struct Pattern {
    TitleType titleType;
    std::string_view remText;
    std::string_view splitText;
    std::string_view titleSign;  // both the begin and the end sign
    bool omitTitleSignSpace;
};

inline constexpr int kPatternCount = 4;
// Applied when a hand-edited default pattern names none of the four: php.ini, the usual default.
inline constexpr int kFallbackPattern = 2;

inline constexpr std::array<Pattern, kPatternCount> kPatterns = {{
    {TitleType::OneLine, "1|_|", "=", ";;;;;;", true},       // General: blank comment sign
    {TitleType::None, ";", "=", ";;;;;;", false},            // *.ini: no titles
    {TitleType::SameSignAround, ";", "=", ";;;;;;", false},  // php.ini
    {TitleType::OneLine, "#", "=", "###", false},            // httpd.conf
}};

// The sign history entries every box starts with; the configuration dialog refuses to delete
// the entries at these positions.
inline constexpr std::array<std::string_view, 3> kBuiltinRemSigns = {";", "#", " "};
inline constexpr std::array<std::string_view, 2> kBuiltinSplitSigns = {"=", " "};
inline constexpr std::array<std::string_view, 4> kBuiltinTitleSigns = {";;;;;;", ";;;", "######", "###"};

}  // namespace vq
