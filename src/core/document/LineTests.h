#pragma once

// The tests that decide what a line is. They take the line's own bytes, compare byte for byte,
// allocate nothing and keep no state; every text, the empty one included, has a defined result.

#include "core/settings/AnalysisSettings.h"
#include "core/text/Blanks.h"

#include <cstdint>
#include <string_view>

namespace vq {

// True when the trimmed line starts with "[" and holds a "]"; `header` is then the view from
// the "[" up to and including the first "]".
bool IsSectionHeader(std::string_view line, std::string_view& header);

// What a line is, under the comment sign, decided in one look at its first non-blank byte.
enum class LineKind : std::uint8_t {
    Comment,  // every line when the comment sign is blank, else the sign first after blanks
    Blank,    // nothing but blanks
    Section,  // a section header: `header` is set as IsSectionHeader sets it
    Key,      // any other line
};

inline LineKind ClassifyLine(const AnalysisSettings& s, std::string_view line, std::string_view& header) {
    if (IsBlankText(s.remSign))
        return LineKind::Comment;
    size_t b = 0;
    while (b < line.size() && IsBlankByte(line[b]))
        ++b;
    if (b == line.size())
        return LineKind::Blank;
    const char first = line[b];
    if (s.remSign.size() == 1 && first == s.remSign.front())
        return LineKind::Comment;
    if (first == '[' && IsSectionHeader(line.substr(b), header))
        return LineKind::Section;
    return LineKind::Key;
}

// True when the line counts as commented out: every line when the comment sign is blank,
// otherwise a line whose first non-blank byte is the (one-byte) comment sign.
inline bool IsCommentLine(const AnalysisSettings& s, std::string_view line) {
    std::string_view header;
    return ClassifyLine(s, line, header) == LineKind::Comment;
}

// True when the untrimmed line contains the split sign; an empty sign is never found.
bool HasSplitSign(const AnalysisSettings& s, std::string_view line);

// True when the line begins with the sign; an empty sign stands for a blank line.
bool MatchesTitleSign(std::string_view line, std::string_view sign);

// The text a title takes from its line, and the header of a section line (the line itself when
// it is none): what the tree shows for them.
inline std::string_view TitleTextOf(std::string_view line) { return TrimBlanks(line); }
inline std::string_view SectionHeaderOf(std::string_view line) {
    std::string_view header = line;
    IsSectionHeader(line, header);
    return header;
}

// Where the title recognition stands between two lines of one pass.
enum class TitleState : std::uint8_t {
    Idle = 0,
    BeginSeen = 1,   // a begin sign was seen; the title text is awaited
    TitleTaken = 2,  // the title text was taken; the closing sign is awaited (types 3 and 4)
};

// Feeds one line to the title recognition; `titleState` carries over from line to line.
// Returns true when this line completes a title. `title` is a view into a line given to this
// or an earlier call: for the three-line types it is set on the title line and still holds it
// when the closing line completes the title.
bool CheckTitleLineInFull(const AnalysisSettings& s, std::string_view line, TitleState& titleState,
                          std::string_view& title);
inline bool CheckTitleLine(const AnalysisSettings& s, std::string_view line, TitleState& titleState,
                           std::string_view& title) {
    // Most lines take no part in a title: while none is awaited, a line whose first byte is not
    // the begin sign's (blanks not omitted) can neither begin nor complete one.
    if (titleState == TitleState::Idle && !s.omitTitleSignSpace && !s.titleBeginSign.empty() &&
        (line.empty() || line.front() != s.titleBeginSign.front()))
        return false;
    return CheckTitleLineInFull(s, line, titleState, title);
}

}  // namespace vq
