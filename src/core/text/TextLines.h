#pragma once

// Splitting a file's bytes into lines and joining them back, byte for byte.
// The core keeps every line with its own break so that opening and saving a file
// changes no byte that no command changed.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

enum class LineBreak : std::uint8_t { LF, CRLF };

// "\n" or "\r\n".
std::string_view BreakBytes(LineBreak b);

// The break a line's text is written with when it is to take `wanted`. LF after a text that ends
// in a lone CR would make a CR LF of that CR, and the line would read back without it: such a
// line takes CR LF, which keeps the CR in its text.
inline LineBreak BreakAfter(std::string_view text, LineBreak wanted) {
    return wanted == LineBreak::LF && !text.empty() && text.back() == '\r' ? LineBreak::CRLF : wanted;
}

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

struct SplitText {
    std::vector<std::string_view> texts;  // each line without its break; views into the input
    std::vector<LineBreak> breaks;        // breaks[i] is the break that ends line i
    bool endsWithBreak = true;            // false when the last line has no break
};

// A line ends at LF or CR LF; a lone CR stays in the line's text. A break at the very end
// does not make an extra empty line. An empty input gives no lines and endsWithBreak true.
// For a last line without a break, breaks holds `fallback` for it and endsWithBreak is false.
SplitText SplitIntoLines(std::string_view bytes, LineBreak fallback);

// The document's own break: the first break found in the bytes, else `fallback`.
LineBreak FirstBreak(std::string_view bytes, LineBreak fallback = LineBreak::CRLF);

// Joins lines back: text + break for every line, the last break only when endsWithBreak.
// `breaks` holds one break per text.
std::string JoinLines(const std::vector<std::string_view>& texts, const std::vector<LineBreak>& breaks,
                      bool endsWithBreak);

bool StartsWithUtf8Bom(std::string_view bytes);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

}  // namespace vq
