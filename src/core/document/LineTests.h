#pragma once

// The tests that decide what a line is. They take the line's own bytes, compare byte for byte,
// allocate nothing and keep no state; every text, the empty one included, has a defined result.

#include "core/settings/AnalysisSettings.h"

#include <cstdint>
#include <string_view>

namespace vq {

// True when the line counts as commented out: every line when the comment sign is blank,
// otherwise a line whose first non-blank byte is the (one-byte) comment sign.
bool IsCommentLine(const AnalysisSettings& s, std::string_view line);

// True when the untrimmed line contains the split sign; an empty sign is never found.
bool HasSplitSign(const AnalysisSettings& s, std::string_view line);

// True when the trimmed line starts with "[" and holds a "]"; `header` is then the view from
// the "[" up to and including the first "]".
bool IsSectionHeader(std::string_view line, std::string_view& header);

// True when the line begins with the sign; an empty sign stands for a blank line.
bool MatchesTitleSign(std::string_view line, std::string_view sign);

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
bool CheckTitleLine(const AnalysisSettings& s, std::string_view line, TitleState& titleState, std::string_view& title);

}  // namespace vq
