#pragma once

// A key line taken apart and put together again, byte for byte: the headless edits change a
// value without touching the key's spelling, its indentation or the blanks around the split sign.

#include "core/settings/AnalysisSettings.h"

#include <optional>
#include <string>
#include <string_view>

namespace vq {

// Where the pieces of "  name = value  " lie in the line, as byte offsets.
struct KeyLineParts {
    size_t nameBegin = 0;   // after the indentation
    size_t nameEnd = 0;     // the name without the blanks before the split sign
    size_t splitBegin = 0;  // the split sign
    size_t splitEnd = 0;
    size_t valueBegin = 0;  // after the blanks that follow the split sign
    size_t valueEnd = 0;    // before the blanks at the end of the line

    std::string_view name(std::string_view line) const { return line.substr(nameBegin, nameEnd - nameBegin); }
    std::string_view value(std::string_view line) const { return line.substr(valueBegin, valueEnd - valueBegin); }
};

// The parts of a line that holds the split sign after a name that is not empty; nothing for any
// other line. The sign is looked for after the indentation, so a blank split sign splits at the
// first blank after the name. Whether the line is a comment is not this function's question.
std::optional<KeyLineParts> SplitKeyLine(const AnalysisSettings& s, std::string_view line);

// The line with its value replaced and every other byte kept. A line that had no value and no
// blank after its split sign gets the blanks it has before the sign, so "key =" becomes
// "key = value".
std::string WithValue(std::string_view line, const KeyLineParts& parts, std::string_view value);

// The spacing of a new key line, taken from a key line of the file: its indentation and the
// blanks on either side of the split sign. Without a model: no indentation and one space on
// either side of the sign, or none beside a blank sign.
struct KeySpacing {
    std::string indent;
    std::string beforeSplit = " ";
    std::string afterSplit = " ";
};
KeySpacing SpacingOf(const AnalysisSettings& s, std::string_view modelLine, const KeyLineParts& model);
KeySpacing DefaultSpacing(const AnalysisSettings& s);

// "indent + name + blanks + sign + blanks + value"; without a value the line ends at the sign.
std::string NewKeyLine(const AnalysisSettings& s, const KeySpacing& spacing, std::string_view name,
                       std::string_view value);

}  // namespace vq
